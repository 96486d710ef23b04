// Outline editing: splitting a segment, moving one sideways, and resizing a
// segment together with its opposite. Each operation works out the new
// outline first, checks that it is a possible room (every run keeps its
// direction and a positive length, the chain closes, no two walls cross or
// touch, everything stays within the model's bounds) and only then changes
// the camera.

#include <cstdlib>

#include "chamber.h"
#include "modellimits.h"

using model_limits::kMaxLength;
using model_limits::WithinLength;

struct CChamber::OutlinePiece {
  Orientation orientation;
  int64_t length;
};

namespace {

// A changed run must still run the way it did, with at least 1 mm of panels.
bool KeepsDirection(int64_t before, int64_t after) {
  return after != 0 && (before == 0 || (before > 0) == (after > 0));
}

}  // namespace

std::vector<CChamber::OutlinePiece> CChamber::Pieces() const {
  std::vector<OutlinePiece> pieces;
  pieces.reserve(walls_.size() + 1);
  for (const auto& wall : walls_) pieces.push_back({wall->GetOrientation(), wall->Length()});
  return pieces;
}

EditRefusal CChamber::CheckOutline(std::span<const OutlinePiece> pieces) const {
  if (pieces.size() > static_cast<size_t>(model_limits::kMaxOutlineWalls)) return EditRefusal::kBeyondLimits;
  const int64_t t = thickness_;
  int64_t x = 0;
  int64_t y = 0;
  int64_t width = 0;
  int64_t depth = 0;
  std::vector<ModelPoint> chain;
  chain.reserve(pieces.size());
  for (const OutlinePiece& piece : pieces) {
    if (piece.length == 0) return EditRefusal::kRunWouldVanish;
    if (!WithinLength(piece.length)) return EditRefusal::kBeyondLimits;
    chain.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    const int64_t extended = piece.length > 0 ? piece.length + t : piece.length - t;
    const bool vertical = piece.orientation == Orientation::kVertical;
    (vertical ? y : x) += extended;
    if (!WithinLength(x) || !WithinLength(y)) return EditRefusal::kBeyondLimits;
    if (extended > 0) (vertical ? depth : width) += extended;
  }
  if (x != 0 || y != 0) return EditRefusal::kOpenChain;
  if (width > kMaxLength || depth > kMaxLength) return EditRefusal::kBeyondLimits;
  // Lengths and directions alone let a moved wall pass through another one
  // (a step pushed across the far side of an L): the walls themselves must
  // not meet.
  if (!IsSimpleOutline(chain)) return EditRefusal::kWallsWouldCross;
  return EditRefusal::kNone;
}

void CChamber::InsertWall(int position, std::unique_ptr<CWallCollection> wall) {
  walls_.insert(walls_.begin() + position, std::move(wall));
}

void CChamber::AfterOutlineMove() {
  // The floor plan and the right-hand chains read depth and width, so they
  // follow the moved wall; both sums were checked with the new outline.
  RecomputeDepth();
  RecomputeWidth();
  RebuildFloor();
}

bool CChamber::SplitWall(int index, bool before, int32_t distance, EditRefusal* why) {
  CWallCollection* wall = WallAt(index);
  if (!wall) return Refuse(why, EditRefusal::kNoSuchWall);
  if (!WithinLength(distance)) return Refuse(why, EditRefusal::kBeyondLimits);
  const int64_t t = thickness_;
  const int64_t e = wall->ExtendedLength();
  const int64_t along = e >= 0 ? distance : -int64_t{distance};
  const int64_t pieceLength = e > 0 ? along + t : along - t;
  // Two posts stand between the pieces' runs, one of them the new piece's.
  const int64_t restLength = e >= 1 ? e - (pieceLength + 2 * t) : e - pieceLength + 2 * t;
  if (!KeepsDirection(wall->Length(), pieceLength) || !KeepsDirection(wall->Length(), restLength))
    return Refuse(why, EditRefusal::kRunWouldVanish);

  const int position = before ? index : index + 1;
  std::vector<OutlinePiece> pieces = Pieces();
  pieces[static_cast<size_t>(index)].length = restLength;
  pieces.insert(pieces.begin() + position, OutlinePiece{wall->GetOrientation(), pieceLength});
  if (const EditRefusal r = CheckOutline(pieces); r != EditRefusal::kNone) return Refuse(why, r);

  wall->SetLength(static_cast<int32_t>(restLength));
  wall->ClearPanels();
  auto piece = std::make_unique<CWallCollection>();
  piece->InitWithCorner(static_cast<int32_t>(pieceLength), thickness_, this, wall->GetOrientation());
  CWallCollection* added = piece.get();
  InsertWall(position, std::move(piece));
  for (CSizes* side : {static_cast<CSizes*>(&left_), static_cast<CSizes*>(&right_),
                       static_cast<CSizes*>(&bottom_), static_cast<CSizes*>(&top_)})
    if (side->IndexOf(wall) >= 0) side->AddWall(added);
  return true;
}

bool CChamber::SplitWall(const CWallCollection* wall, bool before, int32_t distance, EditRefusal* why) {
  const int index = IndexOfWall(wall);
  if (index < 0) return Refuse(why, EditRefusal::kNoSuchWall);
  return SplitWall(index, before, distance, why);
}

struct CChamber::MovePlan {
  int prevIndex = -1;
  int nextIndex = -1;
  bool prevBends = false;
  bool nextBends = false;
  int64_t prevLength = 0;
  int64_t nextLength = 0;
  int insertAt = -1;
  int64_t insertLength = 0;
};

EditRefusal CChamber::PlanMove(int index, int32_t distance, MovePlan* plan) const {
  if (index == 0 && !walls_.empty()) return EditRefusal::kFirstSegment;
  const CWallCollection* wall = WallAt(index);
  if (!wall) return EditRefusal::kNoSuchWall;
  if (!WithinLength(distance)) return EditRefusal::kBeyondLimits;

  MovePlan p;
  const int count = WallCount();
  p.prevIndex = index - 1;
  p.nextIndex = (index + 1) % count;
  const CWallCollection& prev = *walls_[static_cast<size_t>(p.prevIndex)];
  const CWallCollection& next = *walls_[static_cast<size_t>(p.nextIndex)];
  p.prevBends = prev.GetOrientation() != wall->GetOrientation();
  p.nextBends = next.GetOrientation() != wall->GetOrientation();
  if (!p.prevBends && !p.nextBends) return EditRefusal::kNothingToBend;

  const int64_t d = distance;
  const int64_t t = thickness_;
  const auto shrink = [d](int64_t length) { return length >= 0 ? length - d : length + d; };
  p.prevLength = p.prevBends ? shrink(prev.Length()) : prev.Length();
  p.nextLength = p.nextBends ? shrink(next.Length()) : next.Length();
  if (!KeepsDirection(prev.Length(), p.prevLength) || !KeepsDirection(next.Length(), p.nextLength))
    return EditRefusal::kRunWouldVanish;
  // Where a neighbour is collinear, a connecting segment takes up the move.
  if (p.prevBends && !p.nextBends) {
    p.insertAt = index + 1;
    p.insertLength = prev.ExtendedLength() > 0 ? d - t : t - d;
  } else if (p.nextBends && !p.prevBends) {
    p.insertAt = index;
    p.insertLength = next.ExtendedLength() > 0 ? d - t : t - d;
  }
  // The connecting segment's "d - t" carries the move only while it has a
  // run of its own: for d <= t it would vanish or point backwards.
  if (p.insertAt >= 0 && d <= t) return EditRefusal::kRunWouldVanish;

  std::vector<OutlinePiece> pieces = Pieces();
  pieces[static_cast<size_t>(p.prevIndex)].length = p.prevLength;
  pieces[static_cast<size_t>(p.nextIndex)].length = p.nextLength;
  if (p.insertAt >= 0)
    pieces.insert(pieces.begin() + p.insertAt, OutlinePiece{Perpendicular(wall->GetOrientation()), p.insertLength});
  if (const EditRefusal r = CheckOutline(pieces); r != EditRefusal::kNone) return r;
  if (plan) *plan = p;
  return EditRefusal::kNone;
}

EditRefusal CChamber::CheckMoveWall(int index, int32_t distance) const { return PlanMove(index, distance, nullptr); }

std::vector<int> CChamber::RunsReshapedByMove(int index) const {
  std::vector<int> reshaped;
  const CWallCollection* wall = WallAt(index);
  if (!wall || index == 0) return reshaped;
  const int next = (index + 1) % WallCount();
  for (const int neighbour : {index - 1, next})
    if (walls_[static_cast<size_t>(neighbour)]->GetOrientation() != wall->GetOrientation())
      reshaped.push_back(neighbour);
  return reshaped;
}

bool CChamber::MoveWall(int index, int32_t distance, EditRefusal* why) {
  MovePlan p;
  if (const EditRefusal r = PlanMove(index, distance, &p); r != EditRefusal::kNone) return Refuse(why, r);
  CWallCollection& prev = *walls_[static_cast<size_t>(p.prevIndex)];
  CWallCollection& next = *walls_[static_cast<size_t>(p.nextIndex)];
  // A neighbour whose run changed length would keep panels that no longer
  // fit it (drawn beyond its post, priced as they stand): it loses its
  // division and is divided again like any undivided run.
  if (p.prevLength != prev.Length()) prev.ClearPanels();
  if (p.nextLength != next.Length()) next.ClearPanels();
  prev.SetLength(static_cast<int32_t>(p.prevLength));
  next.SetLength(static_cast<int32_t>(p.nextLength));
  const Orientation across = Perpendicular(walls_[static_cast<size_t>(index)]->GetOrientation());
  if (p.insertAt >= 0) {
    auto link = std::make_unique<CWallCollection>();
    link->InitWithCorner(static_cast<int32_t>(p.insertLength), thickness_, this, across);
    InsertWall(p.insertAt, std::move(link));
  }
  // The chain hangs on the start of segment 0, which is the end of the last
  // segment: when that one moves, the origin moves with it on the screen.
  if (index == WallCount() - 1 - (p.insertAt >= 0 ? 1 : 0)) storedView_.ShiftOriginByModel(distance, 0);
  AfterOutlineMove();
  return true;
}

bool CChamber::MoveWall(const CWallCollection* wall, int32_t distance, EditRefusal* why) {
  const int index = IndexOfWall(wall);
  if (index < 0) return Refuse(why, EditRefusal::kNoSuchWall);
  return MoveWall(index, distance, why);
}

bool CChamber::CarryDoors(CWallCollection& wall, std::span<const CWallPanel> oldPanels) {
  int64_t oldStart = 0;
  for (const CWallPanel& old : oldPanels) {
    if (old.IsDoor()) {
      CWallPanel* target = nullptr;
      int64_t start = 0;
      for (int k = 0; k < wall.PanelCount() && start <= oldStart; ++k) {
        CWallPanel* candidate = wall.PanelAt(k);
        if (start == oldStart && candidate->Width() == old.Width()) target = candidate;
        start += candidate->Width();
      }
      if (!target) return false;
      target->SetKind(old.Kind());
      target->SetDoorVariant(old.DoorVariant());
      target->SetOpeningHeight(old.OpeningHeight());
    }
    oldStart += std::abs(int64_t{old.Width()});
  }
  return true;
}

bool CChamber::ResizeAcross(int index, int32_t delta, EditRefusal* why) {
  CWallCollection* wall = WallAt(index);
  if (!wall) return Refuse(why, EditRefusal::kNoSuchWall);
  if (!WithinLength(delta)) return Refuse(why, EditRefusal::kBeyondLimits);
  const int64_t es = wall->ExtendedLength();
  int opposite = -1;
  for (int i = 0; i < WallCount() && opposite < 0; ++i) {
    const CWallCollection& w = *walls_[static_cast<size_t>(i)];
    const int64_t e = w.ExtendedLength();
    if (w.GetOrientation() == wall->GetOrientation() && (e > 0) != (es > 0) && std::abs(e) > delta) opposite = i;
  }
  if (opposite < 0) return Refuse(why, EditRefusal::kNoOppositeWall);

  CWallCollection& other = *walls_[static_cast<size_t>(opposite)];
  const int64_t t = thickness_;
  const int64_t sign = other.ExtendedLength() > 0 ? 1 : -1;
  const int64_t otherLength = sign * (std::abs(int64_t{other.ExtendedLength()}) + delta - t);
  const int64_t ownLength = -sign * (std::abs(es) + delta - t);
  if (!KeepsDirection(other.Length(), otherLength) || !KeepsDirection(wall->Length(), ownLength))
    return Refuse(why, EditRefusal::kRunWouldVanish);
  std::vector<OutlinePiece> pieces = Pieces();
  pieces[static_cast<size_t>(opposite)].length = otherLength;
  pieces[static_cast<size_t>(index)].length = ownLength;
  if (const EditRefusal r = CheckOutline(pieces); r != EditRefusal::kNone) return Refuse(why, r);

  // The opposite run is divided anew; its doors and openings must find their
  // panel again, or the resize would silently take them away.
  const int32_t oldLength = other.Length();
  const std::vector<CWallPanel> oldPanels(other.Panels().begin(), other.Panels().end());
  other.SetLength(static_cast<int32_t>(otherLength));
  other.AutoFill();
  if (!CarryDoors(other, oldPanels)) {
    other.SetLength(oldLength);
    other.MutablePanels() = oldPanels;
    return Refuse(why, EditRefusal::kWouldLoseDoor);
  }
  wall->SetLength(static_cast<int32_t>(ownLength));
  AfterOutlineMove();
  return true;
}

bool CChamber::ResizeAcross(const CWallCollection* wall, int32_t delta, EditRefusal* why) {
  const int index = IndexOfWall(wall);
  if (index < 0) return Refuse(why, EditRefusal::kNoSuchWall);
  return ResizeAcross(index, delta, why);
}

bool CChamber::ResizePanelAcross(int wallIndex, int panelIndex, int32_t newWidth, EditRefusal* why) {
  CWallCollection* wall = WallAt(wallIndex);
  if (!wall) return Refuse(why, EditRefusal::kNoSuchWall);
  CWallPanel* panel = wall->PanelAt(panelIndex);
  if (!panel) return Refuse(why, EditRefusal::kNoSuchPanel);
  const int32_t oldWidth = panel->Width();
  if (!panel->SetWidth(newWidth)) return Refuse(why, EditRefusal::kBadArgument);
  if (!ResizeAcross(wallIndex, newWidth - oldWidth, why)) {
    wall->PanelAt(panelIndex)->SetWidth(oldWidth);
    return false;
  }
  return true;
}
