#include "editops.h"

#include "floorstrip.h"
#include "wallcollection.h"

template <>
EditRecord Encode(const CameraFlagsOp& op) {
  EditRecord record{CameraFlagsOp::kOp, {}};
  AppendWords(record.data, op.noFloor);
  if (op.geometryLocked) AppendWords(record.data, *op.geometryLocked);
  return record;
}

template <>
std::optional<CameraFlagsOp> Decode(const EditRecord& record) {
  if (record.op != CameraFlagsOp::kOp) return std::nullopt;
  // Read as plain words: unlike the split's end flag, a flag here that is
  // neither 0 nor 1 marks the record as damaged.
  const auto isFlag = [](int32_t word) { return word == 0 || word == 1; };
  CRecordWords words(record);
  int32_t noFloor = 0;
  int32_t locked = 0;
  if (!words.Take(noFloor) || !isFlag(noFloor)) return std::nullopt;
  CameraFlagsOp op{.noFloor = noFloor == 1, .geometryLocked = std::nullopt};
  if (words.Take(locked)) {
    if (!isFlag(locked)) return std::nullopt;
    op.geometryLocked = locked == 1;
  }
  return op;
}

EditRecord CreateCameraRecord(int32_t width, int32_t depth, int32_t height, int32_t thickness) {
  return Encode(CreateCameraOp{.width = width, .depth = depth, .height = height, .thickness = thickness});
}

EditRecord SplitWallRecord(int wall, bool fromFirstEnd, int32_t distance) {
  return Encode(SplitWallOp{.wall = wall, .fromFirstEnd = fromFirstEnd, .distance = distance});
}

EditRecord MoveWallRecord(int wall, int32_t direction, int32_t distance) {
  return Encode(MoveWallOp{.wall = wall, .direction = direction, .distance = distance});
}

EditRecord FillAllWallsRecord() { return Encode(FillAllWallsOp{}); }

EditRecord AutoFillWallRecord(int wall) { return Encode(AutoFillWallOp{.run = wall}); }

EditRecord DivideWallRecord(int wall, std::span<const int32_t> widths) {
  return Encode(DivideWallOp{.run = wall, .widths = widths});
}

EditRecord PanelDoorRecord(int wall, int panel, int32_t kind, int32_t doorVariant, int32_t openingHeight) {
  return Encode(PanelDoorOp{
      .run = wall, .panel = panel, .kind = kind, .doorVariant = doorVariant, .openingHeight = openingHeight});
}

EditRecord ScaleRecord(double scale) { return Encode(ScaleOp{.scale = scale}); }

EditRecord OriginRecord(int32_t originX, int32_t originY) {
  return Encode(OriginOp{.originX = originX, .originY = originY});
}

EditRecord ClearWallRecord(int wall) { return Encode(ClearWallOp{.run = wall}); }

EditRecord CameraFlagsRecord(bool noFloor, bool geometryLocked) {
  return Encode(CameraFlagsOp{.noFloor = noFloor,
                              .geometryLocked = geometryLocked ? std::optional<bool>(true) : std::nullopt});
}

EditRecord AddPartitionRecord(int32_t startX, int32_t startY, int32_t length, int32_t orientation) {
  return Encode(AddPartitionOp{.startX = startX, .startY = startY, .length = length, .orientation = orientation});
}

EditRecord DeletePartitionRecord(int partition) { return Encode(DeletePartitionOp{.partition = partition}); }

EditRecord AutoFillPartitionRecord(int partition) { return Encode(AutoFillPartitionOp{.run = partition}); }

EditRecord DividePartitionRecord(int partition, std::span<const int32_t> widths) {
  return Encode(DividePartitionOp{.run = partition, .widths = widths});
}

EditRecord ClearPartitionRecord(int partition) { return Encode(ClearPartitionOp{.run = partition}); }

EditRecord PartitionPanelDoorRecord(int partition, int panel, int32_t kind, int32_t doorVariant,
                                    int32_t openingHeight) {
  return Encode(PartitionPanelDoorOp{.run = partition,
                                     .panel = panel,
                                     .kind = kind,
                                     .doorVariant = doorVariant,
                                     .openingHeight = openingHeight});
}

EditRecord DivideFloorStripRecord(int strip, std::span<const int32_t> widths, std::span<const int32_t> pieces) {
  return Encode(DivideFloorStripOp{.strip = strip, .widths = widths, .pieces = pieces});
}

EditRecord ResizePanelRecord(int wall, int panel, int32_t newWidth) {
  return Encode(ResizePanelOp{.wall = wall, .panel = panel, .newWidth = newWidth});
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
