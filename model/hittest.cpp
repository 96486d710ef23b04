// Hit tests: which segment, partition, panel, floor strip or chain
// dimension lies under a pixel of a mapping (the window's, as it draws the
// plan).

#include <algorithm>

#include "chamber.h"

namespace {

// The body is mapped corner by corner and compared in pixels, so a click
// that lands on the drawn edge of a thin run still hits it.
bool PixelInside(const CPixelMapping& mapping, const ModelRect& body, int32_t px, int32_t py) {
  const PixelPoint a = mapping.ToPixel({body.x1, body.y1});
  const PixelPoint b = mapping.ToPixel({body.x2, body.y2});
  const ModelRect pixels{a.x, a.y, b.x, b.y};
  return pixels.Contains(px, py);
}

}  // namespace

bool CChamber::FindWallAt(const CPixelMapping& mapping, int32_t px, int32_t py, CWallCollection** wall,
                          CWallPanel** panel) {
  const std::vector<ModelPoint> starts = WallStarts();
  for (int i = 0; i < WallCount(); ++i) {
    CWallCollection& candidate = *walls_[static_cast<size_t>(i)];
    const ModelPoint start = starts[static_cast<size_t>(i)];
    const ModelRect body =
        SegmentRect(start, candidate.ExtendedLength(), candidate.Thickness(), candidate.GetOrientation());
    if (!PixelInside(mapping, body, px, py)) continue;
    if (wall) *wall = &candidate;
    if (panel) *panel = candidate.PanelAt(candidate.PanelIndexAt(start, mapping.ToModel({px, py})));
    return true;
  }
  return false;
}

bool CChamber::FindPartitionAt(const CPixelMapping& mapping, int32_t px, int32_t py, CPartition** partition,
                               CWallPanel** panel) {
  for (auto& candidate : partitions_) {
    if (!PixelInside(mapping, candidate->Rect(), px, py)) continue;
    if (partition) *partition = candidate.get();
    if (panel) *panel = candidate->PanelAt(candidate->PanelIndexAt(candidate->Start(), mapping.ToModel({px, py})));
    return true;
  }
  return false;
}

int FindDimensionWallAt(const CChamber& camera, const CPixelMapping& mapping, bool inside, int32_t px, int32_t py) {
  // The number starts beside the middle of its line; a few pixels around
  // the line and that start are near enough for a pointer.
  constexpr int32_t kSlack = 10;
  const CSizes* sides[] = {&camera.Top(), &camera.Right(), &camera.Bottom(), &camera.Left()};
  for (const CSizes* side : sides) {
    const std::vector<DimensionRecord> records = inside ? side->MeasureInside() : side->Measure();
    const auto walls = side->Walls();
    for (size_t k = 0; k < records.size() && k < walls.size(); ++k) {
      const DimensionRecord& r = records[k];
      const PixelPoint a = mapping.ToPixel(r.dimensionLine.from);
      const PixelPoint b = mapping.ToPixel(r.dimensionLine.to);
      const PixelPoint text = mapping.ToPixel(r.textAt);
      const int64_t left = std::min({a.x, b.x, text.x}) - int64_t{kSlack};
      const int64_t right = std::max({a.x, b.x, text.x}) + int64_t{kSlack};
      const int64_t top = std::min({a.y, b.y, text.y}) - int64_t{kSlack};
      const int64_t bottom = std::max({a.y, b.y, text.y}) + int64_t{kSlack};
      if (px >= left && px <= right && py >= top && py <= bottom) return camera.IndexOfWall(walls[k]);
    }
  }
  return -1;
}

bool CChamber::FindFloorStripAt(const CPixelMapping& mapping, int32_t px, int32_t py, CFloorStrip** strip) {
  const ModelPoint p = mapping.ToModel({px, py});
  for (auto& candidate : floorStrips_) {
    const int64_t dx = int64_t{p.x} - candidate->X();
    const int64_t dy = int64_t{p.y} - candidate->Y();
    if (dx >= 0 && dx <= candidate->W() && dy >= 0 && dy <= candidate->H()) {
      if (strip) *strip = candidate.get();
      return true;
    }
  }
  if (strip) *strip = nullptr;
  return false;
}
