#include "editreplay.h"

#include "modellimits.h"

namespace {

bool TooShort(EditRefusal* why) { return Refuse(why, EditRefusal::kBadArgument); }

CWallCollection* Wall(CChamber& camera, int index, EditRefusal* why) {
  CWallCollection* wall = camera.WallAt(index);
  if (!wall) Refuse(why, EditRefusal::kNoSuchWall);
  return wall;
}

CPartition* Partition(CChamber& camera, int index, EditRefusal* why) {
  CPartition* partition = camera.PartitionAt(index);
  if (!partition) Refuse(why, EditRefusal::kNoSuchWall);
  return partition;
}

// Records 4, 11, 15 and 17 name a run and act on the whole of it.
template <class Run, class Action>
bool OnRun(Run* run, Action action) {
  if (!run) return false;
  action(*run);
  return true;
}

bool CameraFlags(CChamber& camera, CRecordWords& words, EditRefusal* why) {
  int32_t noFloor = 0;
  int32_t locked = 0;
  if (!words.Take(&noFloor)) return TooShort(why);
  const bool hasLock = words.Take(&locked);
  if ((noFloor != 0 && noFloor != 1) || (locked != 0 && locked != 1)) return Refuse(why, EditRefusal::kBadArgument);
  camera.SetNoFloor(noFloor == 1);
  if (hasLock) camera.SetGeometryLocked(locked == 1);
  return true;
}

bool AddPartition(CChamber& camera, CRecordWords& words, EditRefusal* why) {
  int32_t x = 0, y = 0, length = 0, orientation = 0;
  if (!words.Take(&x, &y, &length, &orientation)) return TooShort(why);
  auto partition = std::make_unique<CPartition>();
  if (!partition->SetStart(x, y) ||
      !partition->Init(length, camera.Thickness(), &camera, OrientationFromByte(orientation)))
    return Refuse(why, EditRefusal::kBeyondLimits);
  if (!camera.AddPartition(std::move(partition))) return Refuse(why, EditRefusal::kBeyondLimits);
  return true;
}

bool DivideFloorStrip(CChamber& camera, CRecordWords& words, EditRefusal* why) {
  int strip = 0;
  std::span<const int32_t> widths;
  std::span<const int32_t> pieces;
  if (!words.Take(&strip) || !words.TakeList(&widths) || !words.TakeList(&pieces)) return TooShort(why);
  CFloorStrip* target = camera.FloorStripAt(strip);
  if (!target) return Refuse(why, EditRefusal::kNoSuchWall);
  // Both halves are checked before either acts: a refused record changes
  // nothing. The division itself refuses only an over-long list.
  if (widths.size() > static_cast<size_t>(model_limits::kMaxPanelsPerRun))
    return Refuse(why, EditRefusal::kBeyondLimits);
  if (!pieces.empty() && !target->SetCuts(pieces)) return Refuse(why, EditRefusal::kBeyondLimits);
  target->DivideManually(widths);
  camera.RebuildCutChain();
  return true;
}

}  // namespace

bool ApplyEditRecord(CChamber& camera, const EditRecord& record, EditRefusal* why) {
  CRecordWords words(record);
  int a = 0, b = 0;
  int32_t x = 0, y = 0, z = 0, w = 0;
  std::span<const int32_t> list;
  switch (record.op) {
    case kOpCreateCamera:
      if (!words.Take(&x, &y, &z, &w)) return TooShort(why);
      return camera.Create(x, y, z, w, why);
    case kOpSplitWall:
      if (!words.Take(&a, &x, &y)) return TooShort(why);
      return camera.SplitWall(a, x != 0, y, why);
    case kOpMoveWall:
      if (!words.Take(&a, &x, &y)) return TooShort(why);
      return camera.MoveWall(a, y, why);
    case kOpFillAllWalls:
      camera.FillAllWalls();
      return true;
    case kOpAutoFillWall:
      if (!words.Take(&a)) return TooShort(why);
      return OnRun(Wall(camera, a, why), [](CWallCollection& run) { run.AutoFill(); });
    case kOpDivideWall:
      if (!words.Take(&a) || !words.TakeList(&list)) return TooShort(why);
      if (CWallCollection* run = Wall(camera, a, why))
        return run->DivideManually(list, CWallCollection::Completion::kOneStep, why);
      return false;
    case kOpPanelDoor:
      if (!words.Take(&a, &b, &x, &y, &z)) return TooShort(why);
      return camera.SetPanelDoor(a, b, x, y, z, why);
    case kOpScale:
      if (!words.Take(&x, &y)) return TooShort(why);
      return camera.SetScale(ScaleFromWords(x, y)) || Refuse(why, EditRefusal::kBadArgument);
    case kOpOrigin:
      if (!words.Take(&x, &y)) return TooShort(why);
      // A window never puts the origin that far out; such a value is damage
      // and would leave the drawing no room for its pixel arithmetic.
      if (!CPixelMapping::IsValidOrigin(x) || !CPixelMapping::IsValidOrigin(y))
        return Refuse(why, EditRefusal::kBeyondLimits);
      camera.SetOriginX(x);
      camera.SetOriginY(y);
      return true;
    case kOpClearWall:
      if (!words.Take(&a)) return TooShort(why);
      return OnRun(Wall(camera, a, why), [](CWallCollection& run) { run.ClearPanels(); });
    case kOpCameraFlags:
      return CameraFlags(camera, words, why);
    case kOpAddPartition:
      return AddPartition(camera, words, why);
    case kOpDeletePartition:
      if (!words.Take(&a)) return TooShort(why);
      return camera.DeletePartition(camera.PartitionAt(a)) || Refuse(why, EditRefusal::kNoSuchWall);
    case kOpAutoFillPartition:
      if (!words.Take(&a)) return TooShort(why);
      return OnRun(Partition(camera, a, why), [](CPartition& run) { run.AutoFill(); });
    case kOpDividePartition:
      if (!words.Take(&a) || !words.TakeList(&list)) return TooShort(why);
      if (CPartition* run = Partition(camera, a, why))
        return run->DivideManually(list, CWallCollection::Completion::kOneStep, why);
      return false;
    case kOpClearPartition:
      if (!words.Take(&a)) return TooShort(why);
      return OnRun(Partition(camera, a, why), [](CPartition& run) { run.ClearPanels(); });
    case kOpPartitionPanelDoor:
      if (!words.Take(&a, &b, &x, &y, &z)) return TooShort(why);
      return camera.SetPartitionPanelDoor(a, b, x, y, z, why);
    case kOpDivideFloorStrip:
      return DivideFloorStrip(camera, words, why);
    case kOpResizePanel:
      if (!words.Take(&a, &b, &x)) return TooShort(why);
      return camera.ResizePanelAcross(a, b, x, why);
    default:
      return Refuse(why, EditRefusal::kBadArgument);
  }
}

std::unique_ptr<CChamber> ReplayEditLog(std::span<const EditRecord> log) {
  auto camera = std::make_unique<CChamber>();
  for (const EditRecord& record : log) ApplyEditRecord(*camera, record);
  return camera;
}
