#include "editcommands.h"

#include <algorithm>
#include <limits>
#include <cstdlib>
#include <memory>

#include "editreplay.h"
#include "languageentries.h"
#include "modellimits.h"

using model_limits::kMaxLength;

std::string FormatEditMessage(const EditMessage& message, const std::function<std::string(int entry)>& text) {
  const std::string pattern = text(message.entry);
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < message.args.size()) {
        const EditArg& arg = message.args[n];
        out += std::holds_alternative<LangRef>(arg) ? text(std::get<LangRef>(arg).entry) : std::get<std::string>(arg);
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

EditMessage RefusalMessage(EditRefusal reason) {
  switch (reason) {
    case EditRefusal::kFirstSegment: return EditMessage{Lang::kRefusalFirstSegment};
    case EditRefusal::kRunWouldVanish: return EditMessage{Lang::kRefusalRunWouldVanish};
    case EditRefusal::kOpenChain: return EditMessage{Lang::kRefusalOpenChain};
    case EditRefusal::kNothingToBend: return EditMessage{Lang::kRefusalNothingToBend};
    case EditRefusal::kNoOppositeWall: return EditMessage{Lang::kRefusalNoOppositeWall};
    case EditRefusal::kWouldLoseDoor: return EditMessage{Lang::kRefusalWouldLoseDoor};
    case EditRefusal::kWallsWouldCross: return EditMessage{Lang::kRefusalWallsWouldCross};
    case EditRefusal::kBeyondLimits: return EditMessage{Lang::kRefusalBeyondLimits};
    case EditRefusal::kNoSuchWall:
    case EditRefusal::kNoSuchPanel: return EditMessage{Lang::kRefusalNoSuchObject};
    case EditRefusal::kDoorAtRunEnd: return EditMessage{Lang::kDoorOnEndPanel};
    case EditRefusal::kBadArgument:
    case EditRefusal::kNotEmpty:
    case EditRefusal::kNone: break;
  }
  return EditMessage{Lang::kRefusalNotPossible};
}

namespace {

std::string Mm(int64_t value) { return std::to_string(value); }

EditResult Refused(int entry, std::vector<EditArg> args = {}) {
  return EditResult::Refused(EditMessage(entry, std::move(args)));
}

EditResult ModelRefused(EditRefusal why) { return EditResult::Refused(RefusalMessage(why), why); }

// Whether the partitions still stand inside the room after `record`: a wall
// moved past a partition would leave it cutting through the wall or
// standing outside.
bool KeepsPartitionsInside(const CCameraDocument& document, const EditRecord& record);

EditResult ApplyRecords(CCameraDocument& document, std::span<const EditRecord> records) {
  EditRefusal why = EditRefusal::kNone;
  if (!document.ApplyAll(records, &why)) return ModelRefused(why);
  return EditResult::Done();
}

EditResult ApplyRecord(CCameraDocument& document, const EditRecord& record) {
  return ApplyRecords(document, std::span<const EditRecord>(&record, 1));
}

// A copy of the document's camera to try an edit on.
std::unique_ptr<CChamber> Scratch(const CCameraDocument& document) { return ReplayEditLog(document.Log()); }

CWallCollection* FindRun(CChamber& camera, RunRef run) {
  return run.kind == RunKind::kWall ? camera.WallAt(run.index) : camera.PartitionAt(run.index);
}

EditResult NoSuchRun(RunRef run) {
  return Refused(run.kind == RunKind::kWall ? Lang::kNoSuchWall : Lang::kNoSuchPartition, {Mm(run.index)});
}

bool CarriesDoors(const CWallCollection& run) {
  return std::any_of(run.Panels().begin(), run.Panels().end(), [](const CWallPanel& p) { return p.IsDoor(); });
}

bool IsLocked(const CCameraDocument& document) { return document.Camera().GeometryLocked(); }

// Walls listed for a question: "3 (2400 mm), 5 (1900 mm)" by their indices.
std::string WallList(const CChamber& camera, std::span<const int> walls) {
  std::string list;
  for (const int index : walls) {
    if (!list.empty()) list += ", ";
    const std::optional<WallChainSpan> span = MeasureWallInChain(camera, index);
    list += std::to_string(index) + " (" + Mm(span ? span->value : 0) + ")";
  }
  return list;
}

// Asks before `walls` lose their division when any of them carries a door
// or opening; a division of plain panels goes without a word, as it is
// made again with one click.
bool ConfirmLosingDivision(const CChamber& camera, std::span<const int> walls, IEditAsker& asker) {
  std::vector<int> withDoors;
  for (const int index : walls)
    if (const CWallCollection* wall = camera.WallAt(index); wall && CarriesDoors(*wall)) withDoors.push_back(index);
  if (withDoors.empty()) return true;
  return asker.Confirm(EditMessage(Lang::kAskRunsLoseDivision, {WallList(camera, withDoors)}));
}

}  // namespace

namespace {

ModelPoint StartFaceOf(const CPartition& p) {
  return PartitionStartFace(p.Start(), p.Length(), p.GetOrientation(), p.Thickness());
}

bool KeepsPartitionsInside(const CCameraDocument& document, const EditRecord& record) {
  if (document.Camera().PartitionCount() == 0) return true;
  std::unique_ptr<CChamber> trial = ReplayEditLog(document.Log());
  if (!ApplyEditRecord(*trial, record)) return true;  // the command's own check says why
  for (int i = 0; i < trial->PartitionCount(); ++i)
    if (!PartitionFits(*trial, trial->PartitionAt(i)->Rect(), StartFaceOf(*trial->PartitionAt(i)))) return false;
  return true;
}

}  // namespace

namespace edit_commands {

EditResult FillAll(CCameraDocument& document) {
  const CChamber& camera = document.Camera();
  bool anyDivided = false;
  for (int i = 0; i < camera.WallCount(); ++i) anyDivided = anyDivided || camera.WallAt(i)->PanelCount() > 0;
  std::vector<EditRecord> records;
  // A camera nobody has divided yet gets the one record that divides every
  // wall, as it always did; otherwise only what is not yet divided is
  // divided, so that no door or manual division is lost.
  if (!anyDivided) {
    records.push_back(FillAllWallsRecord());
  } else {
    for (int i = 0; i < camera.WallCount(); ++i)
      if (!camera.WallAt(i)->IsFullyDivided()) records.push_back(AutoFillWallRecord(i));
  }
  for (int i = 0; i < camera.PartitionCount(); ++i)
    if (!camera.PartitionAt(i)->IsFullyDivided()) records.push_back(AutoFillPartitionRecord(i));
  return ApplyRecords(document, records);
}

EditResult FillRun(CCameraDocument& document, RunRef run, IEditAsker& asker) {
  const CWallCollection* found = FindRun(document.Camera(), run);
  if (!found) return NoSuchRun(run);
  if (CarriesDoors(*found) && !asker.Confirm(EditMessage{Lang::kAskRedivideDropsDoors})) return EditResult::Declined();
  return ApplyRecord(document, run.kind == RunKind::kWall ? AutoFillWallRecord(run.index)
                                                          : AutoFillPartitionRecord(run.index));
}

EditResult ClearRun(CCameraDocument& document, RunRef run) {
  if (!FindRun(document.Camera(), run)) return NoSuchRun(run);
  return ApplyRecord(document,
                     run.kind == RunKind::kWall ? ClearWallRecord(run.index) : ClearPartitionRecord(run.index));
}

namespace {

// Swing door blocks 2 and 3 need a camera at least this high (mm). The
// 2560 block stands in a 2400 camera: its frame reaches into the ceiling.
constexpr int32_t kSwingDoor2300MinHeight = 2300;
constexpr int32_t kSwingDoor2560MinHeight = 2400;

// The panel's new door state as a record: the variant and opening height a
// command does not set are carried over from the panel, so that the record
// holds what the panel then shows.
EditResult RecordDoor(CCameraDocument& document, RunRef run, int panel, int32_t kind, int32_t variant,
                      int32_t openingHeight) {
  const EditRecord record = run.kind == RunKind::kWall
                                ? PanelDoorRecord(run.index, panel, kind, variant, openingHeight)
                                : PartitionPanelDoorRecord(run.index, panel, kind, variant, openingHeight);
  return ApplyRecord(document, record);
}

const CWallPanel* FindPanel(CCameraDocument& document, RunRef run, int panel, EditResult* refusal) {
  const CWallCollection* found = FindRun(document.Camera(), run);
  if (!found) {
    *refusal = NoSuchRun(run);
    return nullptr;
  }
  const CWallPanel* p = found->PanelAt(panel);
  if (!p) *refusal = Refused(Lang::kNoSuchPanel, {Mm(panel)});
  return p;
}

int32_t MinimumCameraHeight(DoorChoice door) {
  if (door == DoorChoice::kSwing2300) return kSwingDoor2300MinHeight;
  if (door == DoorChoice::kSwing2560) return kSwingDoor2560MinHeight;
  return 0;
}

}  // namespace

EditResult SetDoor(CCameraDocument& document, RunRef run, int panel, DoorChoice door, int32_t openingHeight) {
  const int32_t height = document.Camera().Height();
  // The camera's height rules the door out whatever panel it would go on.
  if (height < MinimumCameraHeight(door)) return Refused(Lang::kCameraTooLowForDoor);
  EditResult refusal;
  const CWallPanel* p = FindPanel(document, run, panel, &refusal);
  if (!p) return refusal;
  const auto swing = [&](int32_t variant) {
    return RecordDoor(document, run, panel, kSwingDoorBlock, variant, p->OpeningHeight());
  };
  const auto side = [&](int32_t kind) {
    // Container and sliding doors take the panels on both sides into their
    // block, so they cannot stand at either end of a run.
    if (panel == 0 || panel == p->Owner()->PanelCount() - 1) return Refused(Lang::kDoorOnEndPanel);
    return RecordDoor(document, run, panel, kind, p->DoorVariant(), p->OpeningHeight());
  };
  switch (door) {
    case DoorChoice::kOpening:
      // An opening of no height, or one higher than the wall it is cut
      // into, would be priced as nonsense.
      if (openingHeight < 1 || openingHeight > height) return Refused(Lang::kOpeningHeightOutOfRange, {Mm(height)});
      return RecordDoor(document, run, panel, kOpening, p->DoorVariant(), openingHeight);
    case DoorChoice::kSwing2040: return swing(1);
    case DoorChoice::kSwing2300: return swing(2);
    case DoorChoice::kSwing2560: return swing(3);
    case DoorChoice::kContainerLeft: return side(kContainerDoorLeft);
    case DoorChoice::kContainerRight: return side(kContainerDoorRight);
    case DoorChoice::kSlidingLeft: return side(kSlidingDoorLeft);
    case DoorChoice::kSlidingRight: return side(kSlidingDoorRight);
  }
  return Refused(Lang::kRefusalNotPossible);
}

EditResult RemoveDoor(CCameraDocument& document, RunRef run, int panel) {
  EditResult refusal;
  const CWallPanel* p = FindPanel(document, run, panel, &refusal);
  if (!p) return refusal;
  if (!p->IsDoor()) return Refused(Lang::kNotADoorPanel);
  return RecordDoor(document, run, panel, kPanelStandard, p->DoorVariant(), p->OpeningHeight());
}

EditResult AddCorner(CCameraDocument& document, int wall, WallEnd end, int32_t distance, IEditAsker& asker) {
  const CChamber& camera = document.Camera();
  const CWallCollection* run = camera.WallAt(wall);
  if (!run) return Refused(Lang::kNoSuchWall, {Mm(wall)});
  if (IsLocked(document)) return Refused(Lang::kGeometryLocked);
  // The new piece goes at the named end, so the split's distance sizes it;
  // the chain's value for it is that distance plus what the chain adds at
  // that end, found by a split of distance 0 on a copy.
  const bool before = end == WallEnd::kStart;
  const int piece = before ? wall : wall + 1;
  const int64_t t = camera.Thickness();
  const int64_t magnitude = std::llabs(int64_t{run->ExtendedLength()});
  std::unique_ptr<CChamber> trial = Scratch(document);
  EditRefusal why = EditRefusal::kNone;
  if (!trial->SplitWall(wall, before, 0, &why)) return ModelRefused(why);
  const std::optional<WallChainSpan> shown = MeasureWallInChain(*trial, piece);
  const int64_t added = shown ? shown->value : t;
  // The piece keeps at least 1 mm of run (distance > -t) and so does the
  // rest of the wall (distance < magnitude - 3t).
  const int64_t lowest = added - t + 1;
  const int64_t highest = added + magnitude - 3 * t - 1;
  if (distance < lowest || distance > highest) return Refused(Lang::kCornerDistanceRange, {Mm(lowest), Mm(highest)});
  if (run->PanelCount() > 0 && !asker.Confirm(EditMessage{Lang::kRemoveDivisionForCorner})) return EditResult::Declined();
  std::vector<EditRecord> records;
  if (run->PanelCount() > 0) records.push_back(ClearWallRecord(wall));
  records.push_back(SplitWallRecord(wall, before, static_cast<int32_t>(distance - added)));
  return ApplyRecords(document, records);
}

namespace {

// The largest move in the direction of `sign` (a model distance, positive
// inward) up to `limit` mm that the model takes; 0 when none does.
int64_t FurthestMove(const CChamber& camera, int wall, int sign, int64_t limit) {
  if (limit < 1) return 0;
  const auto fits = [&](int64_t m) {
    return camera.CheckMoveWall(wall, static_cast<int32_t>(sign * m)) == EditRefusal::kNone;
  };
  // Small moves of a wall beside a collinear one are refused (the
  // connecting piece needs a run of its own), so the possible moves need
  // not start at 1 mm: a coarse scan from the far end finds one, halving
  // finds the edge above it.
  constexpr int64_t kSteps = 64;
  int64_t best = 0;
  int64_t bad = limit + 1;
  for (int64_t k = kSteps; k >= 1; --k) {
    const int64_t m = std::max<int64_t>(1, limit * k / kSteps);
    if (fits(m)) {
      best = m;
      break;
    }
    bad = m;
  }
  if (best == 0) return 0;
  while (bad - best > 1) {
    const int64_t mid = best + (bad - best) / 2;
    (fits(mid) ? best : bad) = mid;
  }
  return best;
}

EditResult MoveRefused(const CChamber& camera, int wall, int32_t outward, EditRefusal why) {
  if (why == EditRefusal::kFirstSegment || why == EditRefusal::kNothingToBend || why == EditRefusal::kNoSuchWall)
    return ModelRefused(why);
  const int sign = outward > 0 ? -1 : 1;  // the model moves inward for positive distances
  const int wayEntry = outward > 0 ? Lang::kDirectionOutward : Lang::kDirectionInward;
  const int otherEntry = outward > 0 ? Lang::kDirectionInward : Lang::kDirectionOutward;
  const int64_t asked = std::llabs(int64_t{outward});
  if (const int64_t m = FurthestMove(camera, wall, sign, asked - 1); m > 0)
    return EditResult::Refused(EditMessage(Lang::kMoveAtMost, {LangRef{wayEntry}, Mm(m)}), why);
  if (FurthestMove(camera, wall, -sign, std::max<int64_t>(asked, 1000)) > 0)
    return EditResult::Refused(
        EditMessage(Lang::kMoveOtherWayOnly, {LangRef{wayEntry}, LangRef{otherEntry}}), why);
  return ModelRefused(why);
}

EditResult MoveByModelDistance(CCameraDocument& document, int wall, int32_t inward, IEditAsker& asker) {
  const CChamber& camera = document.Camera();
  if (const EditRefusal why = camera.CheckMoveWall(wall, inward); why != EditRefusal::kNone)
    return MoveRefused(camera, wall, -inward, why);
  if (!KeepsPartitionsInside(document, MoveWallRecord(wall, 0, inward))) return ModelRefused(EditRefusal::kWallsWouldCross);
  if (!ConfirmLosingDivision(camera, camera.RunsReshapedByMove(wall), asker)) return EditResult::Declined();
  // The record names the wall by its index before the move, with its
  // orientation, as the move dialog always recorded it.
  const int32_t orientation = OrientationByte(camera.WallAt(wall)->GetOrientation());
  return ApplyRecord(document, MoveWallRecord(wall, orientation, inward));
}

}  // namespace

EditResult MoveWall(CCameraDocument& document, int wall, int32_t outward, IEditAsker& asker) {
  if (!document.Camera().WallAt(wall)) return Refused(Lang::kNoSuchWall, {Mm(wall)});
  if (IsLocked(document)) return Refused(Lang::kGeometryLocked);
  if (outward == 0) return EditResult::Done();
  if (outward == std::numeric_limits<int32_t>::min()) return ModelRefused(EditRefusal::kBeyondLimits);
  return MoveByModelDistance(document, wall, -outward, asker);
}

namespace {

int NeighbourAt(const CChamber& camera, int wall, WallEnd end) {
  const int count = camera.WallCount();
  return end == WallEnd::kEnd ? (wall + 1) % count : (wall + count - 1) % count;
}

bool EndCanMove(const CChamber& camera, int wall, WallEnd end) {
  const int neighbour = NeighbourAt(camera, wall, end);
  return neighbour != 0 && camera.WallAt(neighbour)->GetOrientation() != camera.WallAt(wall)->GetOrientation();
}

}  // namespace

std::optional<WallEnd> DefaultMovingEnd(const CChamber& camera, int wall) {
  if (!camera.WallAt(wall)) return std::nullopt;
  if (EndCanMove(camera, wall, WallEnd::kEnd)) return WallEnd::kEnd;
  if (EndCanMove(camera, wall, WallEnd::kStart)) return WallEnd::kStart;
  return std::nullopt;
}

EditResult SetWallLength(CCameraDocument& document, int wall, int32_t length, WallEnd moving, IEditAsker& asker) {
  const CChamber& camera = document.Camera();
  if (!camera.WallAt(wall)) return Refused(Lang::kNoSuchWall, {Mm(wall)});
  if (IsLocked(document)) return Refused(Lang::kGeometryLocked);
  if (length < 1) return Refused(Lang::kSizeTooSmall, {Mm(length)});
  if (!EndCanMove(camera, wall, moving)) return Refused(Lang::kWallEndFixed);
  const int neighbour = NeighbourAt(camera, wall, moving);
  const int64_t delta = int64_t{length} - MeasureWallInChain(camera, wall)->value;
  if (delta == 0) return EditResult::Done();
  if (!model_limits::WithinLength(delta)) return ModelRefused(EditRefusal::kBeyondLimits);
  // Moving the neighbour outward lengthens the wall at a corner of the
  // room and shortens it at a notch: one trial on a copy tells which.
  std::unique_ptr<CChamber> trial = Scratch(document);
  int32_t inward = static_cast<int32_t>(-delta);
  if (trial->MoveWall(neighbour, inward)) {
    if (MeasureWallInChain(*trial, wall)->value != length) inward = -inward;
  } else if (trial->MoveWall(neighbour, -inward)) {
    if (MeasureWallInChain(*trial, wall)->value == length) inward = -inward;
  }
  return MoveByModelDistance(document, neighbour, inward, asker);
}

EditResult AddPartition(CCameraDocument& document, const PartitionSpec& partition) {
  const CChamber& camera = document.Camera();
  if (partition.length == 0) return Refused(Lang::kPartitionLengthNotPositive);
  const int64_t half = camera.Thickness() / 2;
  const Orientation o = partition.orientation;
  const int sign = partition.length > 0 ? 1 : -1;
  const int64_t startAlong = AlongOf(partition.start, o) + sign * half;
  const int64_t acrossLow = AlongOf(partition.start, Perpendicular(o)) - half;
  const int64_t free = PartitionFreeLength(camera, o, startAlong, sign, acrossLow);
  if (std::llabs(int64_t{partition.length}) > free) return Refused(Lang::kPartitionTooLong, {Mm(free)});
  const ModelRect body = SegmentRect(partition.start, partition.length, camera.Thickness(), o);
  if (!PartitionFits(camera, body, PartitionStartFace(partition.start, partition.length, o, camera.Thickness())))
    return ModelRefused(EditRefusal::kWallsWouldCross);
  return ApplyRecord(document, AddPartitionRecord(partition.start.x, partition.start.y, partition.length,
                                                  OrientationByte(partition.orientation)));
}

EditResult AddPartitionAtWall(CCameraDocument& document, int wall, int32_t offset, std::optional<int32_t> length) {
  const CChamber& camera = document.Camera();
  const CWallCollection* run = camera.WallAt(wall);
  if (!run) return Refused(Lang::kNoSuchWall, {Mm(wall)});
  const Orientation along = run->GetOrientation();
  const Orientation o = Perpendicular(along);
  const int64_t t = camera.Thickness();
  const WallChainSpan span = *MeasureWallInChain(camera, wall);
  const int64_t dir = run->ExtendedLength() >= 0 ? 1 : -1;
  // The partition stands on the wall's panels, between the post it starts
  // from and the one at its far end.
  const ModelRect body = camera.WallRect(wall);
  const int64_t runFirst = dir > 0 ? LowAlong(body, along) : HighAlong(body, along);
  const int64_t runLast = dir > 0 ? HighAlong(body, along) - t : LowAlong(body, along) + t;
  const int64_t lowest = std::llabs(runFirst - span.startEdge);
  const int64_t highest = std::llabs(runLast - span.startEdge) - t;
  if (offset < lowest || offset > highest) return Refused(Lang::kPartitionOffsetRange, {Mm(lowest), Mm(highest)});
  const int64_t nearFace = span.startEdge + dir * offset;
  const int64_t acrossLow = dir > 0 ? nearFace : nearFace - t;
  // Into the room: the outline runs clockwise, so the inside lies to the
  // right of a wall's direction of travel (down from a wall running right,
  // left of a wall running down).
  const int sign = (along == Orientation::kHorizontal) == (dir > 0) ? 1 : -1;
  const int64_t innerFace = sign > 0 ? HighAlong(body, o) : LowAlong(body, o);
  const int64_t free = PartitionFreeLength(camera, o, innerFace, sign, acrossLow);
  const int64_t wanted = length ? *length : free;
  if (wanted < 1) return Refused(Lang::kPartitionLengthNotPositive);
  if (wanted > free) return Refused(Lang::kPartitionTooLong, {Mm(free)});
  PartitionPlacement placement;
  placement.orientation = o;
  placement.fromWall = true;
  placement.thickness = t;
  placement.startAlong = innerFace;
  placement.endAlong = innerFace + sign * wanted;
  placement.startAcross = acrossLow;
  return AddPartition(document, placement.ForLength(static_cast<int32_t>(wanted)));
}

EditResult DeletePartition(CCameraDocument& document, int partition) {
  if (!document.Camera().PartitionAt(partition)) return Refused(Lang::kNoSuchPartition, {Mm(partition)});
  return ApplyRecord(document, DeletePartitionRecord(partition));
}

EditResult DivideRun(CCameraDocument& document, RunRef run, std::span<const int32_t> widths) {
  const CWallCollection* found = FindRun(document.Camera(), run);
  if (!found) return NoSuchRun(run);
  const int64_t runLength = std::llabs(int64_t{found->Length()});
  int64_t sum = 0;
  for (const int32_t w : widths) {
    sum += w;
    if (w < 1 || sum > runLength) return Refused(Lang::kWidthWithinRun, {Mm(runLength)});
  }
  // The dialog's Apply completes the run with standard panels before it
  // records the division, so the record holds the whole run.
  CWallCollection whole;
  whole.Init(found->Length(), found->Thickness(), nullptr, found->GetOrientation());
  if (EditRefusal why = EditRefusal::kNone; !whole.DivideManually(widths, CWallCollection::Completion::kFillToEnd, &why))
    return ModelRefused(why);
  const std::vector<int32_t> all = PanelWidths(whole);
  return ApplyRecord(document, run.kind == RunKind::kWall ? DivideWallRecord(run.index, all)
                                                          : DividePartitionRecord(run.index, all));
}

EditResult DivideFloorStrip(CCameraDocument& document, int strip, std::span<const int32_t> widths,
                            std::span<const int32_t> pieces) {
  if (!document.Camera().FloorStripAt(strip)) return Refused(Lang::kNoSuchFloorStrip, {Mm(strip)});
  for (const int32_t w : widths)
    if (w < 1) return Refused(Lang::kPanelWidthNotPositive);
  return ApplyRecord(document, DivideFloorStripRecord(strip, widths, pieces));
}

std::vector<int> NarrowFloorStrips(const CChamber& camera) {
  std::vector<int> narrow;
  if (camera.NoFloor()) return narrow;
  for (int i = 0; i < camera.FloorStripCount(); ++i) {
    const CFloorStrip& strip = *camera.FloorStripAt(i);
    if (strip.PanelCount() == 0 && strip.DivisionLength() > 0) narrow.push_back(i);
  }
  return narrow;
}

EditResult DivideNarrowFloorStrips(CCameraDocument& document, IEditAsker& asker) {
  const std::vector<int> narrow = NarrowFloorStrips(document.Camera());
  if (narrow.empty()) return EditResult::Done();
  std::string list;
  for (const int index : narrow) list += (list.empty() ? "" : ", ") + std::to_string(index);
  if (!asker.Confirm(EditMessage(Lang::kNarrowFloorStripsOffer, {list}))) return EditResult::Declined();
  std::vector<EditRecord> records;
  for (const int index : narrow) {
    const auto across = static_cast<int32_t>(document.Camera().FloorStripAt(index)->DivisionLength());
    records.push_back(DivideFloorStripRecord(index, std::span<const int32_t>(&across, 1), {}));
  }
  return ApplyRecords(document, records);
}

EditResult FixNonStandardPanel(CCameraDocument& document, int wall, int panel, int32_t width) {
  const CWallCollection* run = document.Camera().WallAt(wall);
  if (!run) return Refused(Lang::kNoSuchWall, {Mm(wall)});
  const CWallPanel* p = run->PanelAt(panel);
  if (!p) return Refused(Lang::kNoSuchPanel, {Mm(panel)});
  if (IsLocked(document)) return Refused(Lang::kGeometryLocked);
  // The fix keeps a divided wall divided; on a wall divided only in part it
  // would move walls for panels that do not make up the wall.
  if (!run->IsFullyDivided()) return Refused(Lang::kCameraNotFullyDivided);
  if (width < 1) return Refused(Lang::kPanelWidthNotPositive);
  // Keeping the width changes nothing: resizing by 0 would still divide
  // the opposite wall anew.
  if (width == p->Width()) return EditResult::Done();
  const EditRecord record = ResizePanelRecord(wall, panel, width);
  if (!KeepsPartitionsInside(document, record)) return ModelRefused(EditRefusal::kWallsWouldCross);
  return ApplyRecord(document, record);
}

std::optional<std::pair<int32_t, int32_t>> OuterSizeAfterFix(const CCameraDocument& document, int wall, int panel,
                                                             int32_t width) {
  std::unique_ptr<CChamber> trial = Scratch(document);
  if (!trial->ResizePanelAcross(wall, panel, width)) return std::nullopt;
  const int32_t t = trial->Thickness();
  return std::pair{trial->Width() + t, trial->Depth() + t};
}

EditResult Undo(CCameraDocument& document) {
  if (!document.UndoEdit()) return Refused(Lang::kNothingToUndo);
  return EditResult::Done();
}

EditResult Redo(CCameraDocument& document) {
  if (!document.RedoEdit()) return Refused(Lang::kNothingToRedo);
  return EditResult::Done();
}

}  // namespace edit_commands
