// Hit tests: which segment, partition, panel or floor strip lies under a
// pixel of a mapping (the window's, as it draws the plan).

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
