#include "camerajson.h"

#include <vector>

#include "paneltally.h"
#include "sizes.h"
#include "textcodec.h"

namespace {

CJson Point(int32_t x, int32_t y) { return CJson::Array().Push(CJson::Int(x)).Push(CJson::Int(y)); }

CJson Panels(const CWallCollection& run) {
  CJson panels = CJson::Array();
  for (const CWallPanel& panel : run.Panels()) {
    panels.Push(CJson::Object()
                    .Set("width", CJson::Int(panel.Width()))
                    .Set("kind", CJson::Int(panel.Kind()))
                    .Set("offset", CJson::Int(panel.Offset()))
                    .Set("openingHeight", CJson::Int(panel.OpeningHeight()))
                    .Set("doorVariant", CJson::Int(panel.DoorVariant())));
  }
  return panels;
}

CJson Walls(const CChamber& camera) {
  CJson walls = CJson::Array();
  for (int i = 0; i < camera.WallCount(); ++i) {
    const CWallCollection& wall = *camera.WallAt(i);
    int32_t x = 0;
    int32_t y = 0;
    camera.GetWallStart(i, &x, &y);
    walls.Push(CJson::Object()
                   .Set("orientation", CJson::Int(OrientationByte(wall.GetOrientation())))
                   .Set("length", CJson::Int(wall.Length()))
                   .Set("extended", CJson::Int(wall.ExtendedLength()))
                   .Set("start", Point(x, y))
                   .Set("fullyDivided", CJson::Bool(wall.IsFullyDivided()))
                   .Set("corner", wall.Corner() ? CJson::Int(wall.Corner()->Size()) : CJson::Null())
                   .Set("panels", Panels(wall)));
  }
  return walls;
}

CJson Partitions(const CChamber& camera) {
  CJson partitions = CJson::Array();
  for (int i = 0; i < camera.PartitionCount(); ++i) {
    const CPartition& partition = *camera.PartitionAt(i);
    partitions.Push(CJson::Object()
                        .Set("orientation", CJson::Int(OrientationByte(partition.GetOrientation())))
                        .Set("length", CJson::Int(partition.Length()))
                        .Set("start", Point(partition.StartX(), partition.StartY()))
                        .Set("fullyDivided", CJson::Bool(partition.IsFullyDivided()))
                        .Set("panels", Panels(partition)));
  }
  return partitions;
}

CJson FloorStrips(const CChamber& camera) {
  CJson strips = CJson::Array();
  for (int i = 0; i < camera.FloorStripCount(); ++i) {
    const CFloorStrip& strip = *camera.FloorStripAt(i);
    strips.Push(CJson::Object()
                    .Set("x", CJson::Int(strip.X()))
                    .Set("y", CJson::Int(strip.Y()))
                    .Set("w", CJson::Int(strip.W()))
                    .Set("h", CJson::Int(strip.H()))
                    .Set("direction", CJson::Int(strip.Direction()))
                    .Set("panels", CJson::IntArray(PanelWidths(strip)))
                    .Set("cuts", CJson::IntArray(strip.Cuts()))
                    .Set("fullyDivided", CJson::Bool(strip.IsFullyDivided())));
  }
  return strips;
}

CJson Sides(const CChamber& camera) {
  return CJson::Object()
      .Set("top", CJson::IntArray(camera.Top().WallIndices()))
      .Set("right", CJson::IntArray(camera.Right().WallIndices()))
      .Set("bottom", CJson::IntArray(camera.Bottom().WallIndices()))
      .Set("left", CJson::IntArray(camera.Left().WallIndices()));
}

CJson Dimensions(const CChamber& camera) {
  const ChamberDimensions dimensions = MeasureDimensions(camera);
  return CJson::Object()
      .Set("top", CJson::IntArray(ChamberDimensions::Values(dimensions.top)))
      .Set("right", CJson::IntArray(ChamberDimensions::Values(dimensions.right)))
      .Set("bottom", CJson::IntArray(ChamberDimensions::Values(dimensions.bottom)))
      .Set("left", CJson::IntArray(ChamberDimensions::Values(dimensions.left)))
      .Set("floorCuts", CJson::IntArray(ChamberDimensions::Values(dimensions.floorCuts)));
}

CJson WallTally(bool ok, const std::vector<WallPanelTally>& records) {
  CJson list = CJson::Array();
  for (const WallPanelTally& r : records) {
    list.Push(CJson::Object()
                  .Set("count", CJson::Int(r.count))
                  .Set("width", CJson::Int(r.width))
                  .Set("openingHeight", CJson::Int(r.openingHeight))
                  .Set("isDoor", CJson::Bool(r.isDoor != 0))
                  .Set("kind", CJson::Int(r.kind))
                  .Set("nextWidth", CJson::Int(r.nextWidth))
                  .Set("prevWidth", CJson::Int(r.prevWidth))
                  .Set("doorVariant", CJson::Int(r.doorVariant)));
  }
  return CJson::Object().Set("ok", CJson::Bool(ok)).Set("records", std::move(list));
}

CJson Tallies(const CChamber& camera) {
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> floor;
  const bool wallsOk = TallyWallPanels(camera, walls);
  const bool partitionsOk = TallyPartitionPanels(camera, partitions);
  const bool floorOk = TallyFloorPanels(camera, floor);
  CJson floorList = CJson::Array();
  for (const FloorPanelTally& r : floor) {
    floorList.Push(CJson::Object()
                       .Set("count", CJson::Int(r.count))
                       .Set("width", CJson::Int(r.width))
                       .Set("length", CJson::Int(r.length)));
  }
  return CJson::Object()
      .Set("walls", WallTally(wallsOk, walls))
      .Set("partitions", WallTally(partitionsOk, partitions))
      .Set("floor", CJson::Object().Set("ok", CJson::Bool(floorOk)).Set("records", std::move(floorList)));
}

CJson Log(std::span<const EditRecord> log) {
  CJson records = CJson::Array();
  for (const EditRecord& record : log)
    records.Push(CJson::Object().Set("op", CJson::Int(record.op)).Set("data", CJson::IntArray(record.data)));
  return records;
}

}  // namespace

CJson CameraDocumentJson(const CCameraDocument& document) {
  return CameraJson(document.Camera(), document.Article(), document.Description(), document.Log());
}

CJson CameraJson(const CChamber& camera, std::u16string_view article, std::u16string_view description,
                 std::span<const EditRecord> log) {
  return CJson::Object()
      .Set("article", CJson::String(Utf16ToUtf8(article)))
      .Set("description", CJson::String(Utf16ToUtf8(description)))
      .Set("thickness", CJson::Int(camera.Thickness()))
      .Set("height", CJson::Int(camera.Height()))
      .Set("width", CJson::Int(camera.Width()))
      .Set("depth", CJson::Int(camera.Depth()))
      .Set("noFloor", CJson::Bool(camera.NoFloor()))
      .Set("origin", Point(camera.OriginX(), camera.OriginY()))
      .Set("scale", CJson::Number(camera.Scale()))
      .Set("walls", Walls(camera))
      .Set("partitions", Partitions(camera))
      .Set("floorStrips", FloorStrips(camera))
      .Set("floorCutChain", CJson::IntArray(camera.FloorCutChain()))
      .Set("sides", Sides(camera))
      .Set("dimensions", Dimensions(camera))
      .Set("tallies", Tallies(camera))
      .Set("log", Log(log));
}
