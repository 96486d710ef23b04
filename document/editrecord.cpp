#include "editrecord.h"

#include <bit>

#include "floorstrip.h"
#include "wallcollection.h"

namespace {

EditRecord Make(EditOp op, std::vector<int32_t> data) { return EditRecord{op, std::move(data)}; }

// index, n, then the n values: the layout of every division record.
void AppendList(std::vector<int32_t>& data, std::span<const int32_t> values) {
  data.push_back(static_cast<int32_t>(values.size()));
  data.insert(data.end(), values.begin(), values.end());
}

EditRecord IndexAndList(EditOp op, int index, std::span<const int32_t> values) {
  std::vector<int32_t> data;
  data.reserve(values.size() + 2);
  data.push_back(index);
  AppendList(data, values);
  return Make(op, std::move(data));
}

}  // namespace

EditRecord CreateCameraRecord(int32_t width, int32_t depth, int32_t height, int32_t thickness) {
  return Make(kOpCreateCamera, {width, depth, height, thickness});
}

EditRecord SplitWallRecord(int wall, bool fromFirstEnd, int32_t distance) {
  return Make(kOpSplitWall, {wall, fromFirstEnd ? 1 : 0, distance});
}

EditRecord MoveWallRecord(int wall, int32_t direction, int32_t distance) {
  return Make(kOpMoveWall, {wall, direction, distance});
}

EditRecord FillAllWallsRecord() { return Make(kOpFillAllWalls, {}); }

EditRecord AutoFillWallRecord(int wall) { return Make(kOpAutoFillWall, {wall}); }

EditRecord DivideWallRecord(int wall, std::span<const int32_t> widths) {
  return IndexAndList(kOpDivideWall, wall, widths);
}

EditRecord PanelDoorRecord(int wall, int panel, int32_t kind, int32_t doorVariant, int32_t openingHeight) {
  return Make(kOpPanelDoor, {wall, panel, kind, doorVariant, openingHeight});
}

EditRecord ScaleRecord(double scale) {
  const auto bits = std::bit_cast<uint64_t>(scale);
  return Make(kOpScale, {static_cast<int32_t>(static_cast<uint32_t>(bits)),
                         static_cast<int32_t>(static_cast<uint32_t>(bits >> 32))});
}

EditRecord OriginRecord(int32_t originX, int32_t originY) { return Make(kOpOrigin, {originX, originY}); }

EditRecord ClearWallRecord(int wall) { return Make(kOpClearWall, {wall}); }

EditRecord CameraFlagsRecord(bool noFloor, bool geometryLocked) {
  if (!geometryLocked) return Make(kOpCameraFlags, {noFloor ? 1 : 0});
  return Make(kOpCameraFlags, {noFloor ? 1 : 0, 1});
}

EditRecord AddPartitionRecord(int32_t startX, int32_t startY, int32_t length, int32_t orientation) {
  return Make(kOpAddPartition, {startX, startY, length, orientation});
}

EditRecord DeletePartitionRecord(int partition) { return Make(kOpDeletePartition, {partition}); }

EditRecord AutoFillPartitionRecord(int partition) { return Make(kOpAutoFillPartition, {partition}); }

EditRecord DividePartitionRecord(int partition, std::span<const int32_t> widths) {
  return IndexAndList(kOpDividePartition, partition, widths);
}

EditRecord ClearPartitionRecord(int partition) { return Make(kOpClearPartition, {partition}); }

EditRecord PartitionPanelDoorRecord(int partition, int panel, int32_t kind, int32_t doorVariant,
                                    int32_t openingHeight) {
  return Make(kOpPartitionPanelDoor, {partition, panel, kind, doorVariant, openingHeight});
}

EditRecord DivideFloorStripRecord(int strip, std::span<const int32_t> widths, std::span<const int32_t> pieces) {
  EditRecord record = IndexAndList(kOpDivideFloorStrip, strip, widths);
  AppendList(record.data, pieces);
  return record;
}

EditRecord ResizePanelRecord(int wall, int panel, int32_t newWidth) {
  return Make(kOpResizePanel, {wall, panel, newWidth});
}

std::vector<int32_t> PanelWidths(const CWallCollection& run) {
  std::vector<int32_t> widths;
  widths.reserve(run.Panels().size());
  for (const CWallPanel& panel : run.Panels()) widths.push_back(panel.Width());
  return widths;
}

std::vector<int32_t> PanelWidths(const CFloorStrip& strip) {
  std::vector<int32_t> widths;
  widths.reserve(strip.Panels().size());
  for (const CFloorPanel& panel : strip.Panels()) widths.push_back(panel.Width());
  return widths;
}

double ScaleFromWords(int32_t low, int32_t high) {
  const uint64_t bits = (uint64_t{static_cast<uint32_t>(high)} << 32) | static_cast<uint32_t>(low);
  return std::bit_cast<double>(bits);
}

bool CRecordWords::TakeList(std::span<const int32_t>* list) {
  if (Left() < 1) return false;
  const int32_t count = words_[pos_];
  if (count < 0 || static_cast<size_t>(count) > Left() - 1) return false;
  *list = words_.subspan(pos_ + 1, static_cast<size_t>(count));
  pos_ += 1 + static_cast<size_t>(count);
  return true;
}
