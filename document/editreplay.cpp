#include "editreplay.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "editops.h"
#include "modellimits.h"

namespace {

// The wall or partition a run operation names.
template <RunKind Kind>
CWallCollection* RunAt(CChamber& camera, int index, EditRefusal* why) {
  CWallCollection* run = nullptr;
  if constexpr (Kind == RunKind::kWall)
    run = camera.WallAt(index);
  else
    run = camera.PartitionAt(index);
  if (!run) Refuse(why, EditRefusal::kNoSuchWall);
  return run;
}

// ---- one Perform per operation: what the record does to the camera ---------

bool Perform(CChamber& camera, const CreateCameraOp& op, EditRefusal* why) {
  return camera.Create(op.width, op.depth, op.height, op.thickness, why);
}

bool Perform(CChamber& camera, const SplitWallOp& op, EditRefusal* why) {
  return camera.SplitWall(op.wall, op.fromFirstEnd, op.distance, why);
}

bool Perform(CChamber& camera, const MoveWallOp& op, EditRefusal* why) {
  return camera.MoveWall(op.wall, op.distance, why);
}

bool Perform(CChamber& camera, const FillAllWallsOp&, EditRefusal*) {
  camera.FillAllWalls();
  return true;
}

template <RunKind Kind>
bool Perform(CChamber& camera, const AutoFillRunOp<Kind>& op, EditRefusal* why) {
  CWallCollection* run = RunAt<Kind>(camera, op.run, why);
  if (run) run->AutoFill();
  return run != nullptr;
}

template <RunKind Kind>
bool Perform(CChamber& camera, const DivideRunOp<Kind>& op, EditRefusal* why) {
  CWallCollection* run = RunAt<Kind>(camera, op.run, why);
  return run && run->DivideManually(op.widths, CWallCollection::Completion::kOneStep, why);
}

template <RunKind Kind>
bool Perform(CChamber& camera, const PanelDoorRunOp<Kind>& op, EditRefusal* why) {
  if constexpr (Kind == RunKind::kWall)
    return camera.SetPanelDoor(op.run, op.panel, op.kind, op.doorVariant, op.openingHeight, why);
  else
    return camera.SetPartitionPanelDoor(op.run, op.panel, op.kind, op.doorVariant, op.openingHeight, why);
}

template <RunKind Kind>
bool Perform(CChamber& camera, const ClearRunOp<Kind>& op, EditRefusal* why) {
  CWallCollection* run = RunAt<Kind>(camera, op.run, why);
  if (run) run->ClearPanels();
  return run != nullptr;
}

bool Perform(CChamber& camera, const ScaleOp& op, EditRefusal* why) {
  return camera.SetScale(op.scale) || Refuse(why, EditRefusal::kBadArgument);
}

bool Perform(CChamber& camera, const OriginOp& op, EditRefusal* why) {
  // A window never puts the origin that far out; such a value is damage
  // and would leave the drawing no room for its pixel arithmetic.
  if (!CPixelMapping::IsValidOrigin(op.originX) || !CPixelMapping::IsValidOrigin(op.originY))
    return Refuse(why, EditRefusal::kBeyondLimits);
  camera.SetOriginX(op.originX);
  camera.SetOriginY(op.originY);
  return true;
}

bool Perform(CChamber& camera, const CameraFlagsOp& op, EditRefusal*) {
  camera.SetNoFloor(op.noFloor);
  if (op.geometryLocked) camera.SetGeometryLocked(*op.geometryLocked);
  return true;
}

bool Perform(CChamber& camera, const AddPartitionOp& op, EditRefusal* why) {
  auto partition = std::make_unique<CPartition>();
  if (!partition->SetStart(op.startX, op.startY) ||
      !partition->Init(op.length, camera.Thickness(), &camera, OrientationFromByte(op.orientation)))
    return Refuse(why, EditRefusal::kBeyondLimits);
  if (!camera.AddPartition(std::move(partition))) return Refuse(why, EditRefusal::kBeyondLimits);
  return true;
}

bool Perform(CChamber& camera, const DeletePartitionOp& op, EditRefusal* why) {
  return camera.DeletePartition(camera.PartitionAt(op.partition)) || Refuse(why, EditRefusal::kNoSuchWall);
}

bool Perform(CChamber& camera, const DivideFloorStripOp& op, EditRefusal* why) {
  CFloorStrip* strip = camera.FloorStripAt(op.strip);
  if (!strip) return Refuse(why, EditRefusal::kNoSuchWall);
  // Both halves are checked before either acts: a refused record changes
  // nothing. The division itself refuses only an over-long list.
  if (op.widths.size() > static_cast<size_t>(model_limits::kMaxPanelsPerRun))
    return Refuse(why, EditRefusal::kBeyondLimits);
  if (!op.pieces.empty() && !strip->SetCuts(op.pieces)) return Refuse(why, EditRefusal::kBeyondLimits);
  strip->DivideManually(op.widths);
  camera.RebuildCutChain();
  return true;
}

bool Perform(CChamber& camera, const ResizePanelOp& op, EditRefusal* why) {
  return camera.ResizePanelAcross(op.wall, op.panel, op.newWidth, why);
}

// ---- the table from code to decode-and-perform -------------------------------

using Action = bool (*)(CChamber&, const EditRecord&, EditRefusal*);

// A record that does not decode (too short for its code's layout, or flags
// that are neither 0 nor 1) is skipped as a bad argument.
template <class Op>
bool DecodeAndPerform(CChamber& camera, const EditRecord& record, EditRefusal* why) {
  const std::optional<Op> op = Decode<Op>(record);
  return op ? Perform(camera, *op, why) : Refuse(why, EditRefusal::kBadArgument);
}

// Indexed by code; the codes no operation has stay empty.
template <class... Ops>
constexpr auto ActionsByCode(std::type_identity<std::tuple<Ops...>>) {
  std::array<Action, std::max({static_cast<size_t>(Ops::kOp)...}) + 1> actions{};
  ((actions[static_cast<size_t>(Ops::kOp)] = &DecodeAndPerform<Ops>), ...);
  return actions;
}

constexpr auto kActions = ActionsByCode(std::type_identity<AllEditOps>{});

}  // namespace

bool ApplyEditRecord(CChamber& camera, const EditRecord& record, EditRefusal* why) {
  const auto code = static_cast<size_t>(static_cast<uint32_t>(record.op));
  if (code >= kActions.size() || !kActions[code]) return Refuse(why, EditRefusal::kBadArgument);
  return kActions[code](camera, record, why);
}

std::unique_ptr<CChamber> ReplayEditLog(std::span<const EditRecord> log) {
  auto camera = std::make_unique<CChamber>();
  for (const EditRecord& record : log) ApplyEditRecord(*camera, record);
  return camera;
}
