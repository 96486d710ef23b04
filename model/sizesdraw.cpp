// Drawing of the dimension chains from their measured records.

#include <cstdlib>
#include <span>

#include "chamber.h"
#include "drawhelpers.h"
#include "partitionoffset.h"
#include "planrenderer.h"
#include "sizes.h"

using draw_helpers::MapPoint;
using draw_helpers::MapRect;

namespace {

const DrawBrush kDotBrush = DrawBrush::Solid(Rgb(0, 0, 128));

void DrawRecords(const CPlanRenderer& renderer, CDrawContext& dc, std::span<const DimensionRecord> records) {
  if (records.empty()) return;
  const DrawResources& res = renderer.Resources();
  const CPixelMapping& m = renderer.Mapping();
  dc.Select(res.dimensionPen);
  const auto line = [&](const ModelLine& l) { dc.Line(m.ToPixel(l.from), m.ToPixel(l.to)); };
  for (const DimensionRecord& r : records) {
    const std::optional<DrawFont>& font = r.verticalText ? res.dimensionFontVertical : res.dimensionFontHorizontal;
    dc.Select(font);
    line(r.extension1);
    line(r.extension2);
    line(r.dimensionLine);
    const DrawBrush previous = dc.SelectBrush(kDotBrush);
    dc.Ellipse(MapRect(m, r.dot1));
    dc.Ellipse(MapRect(m, r.dot2));
    dc.SelectBrush(previous);
    const std::string value = draw_helpers::Number(r.value);
    const PixelPoint from = m.ToPixel(r.dimensionLine.from);
    const PixelPoint to = m.ToPixel(r.dimensionLine.to);
    const int64_t room = std::abs(int64_t{to.x} - from.x) + std::abs(int64_t{to.y} - from.y);
    if (draw_helpers::TextFits(font, value, room)) dc.Text(MapPoint(m, r.textAt.x, r.textAt.y), value);
  }
}

}  // namespace

void CSizes::Draw(const CPlanRenderer& renderer, CDrawContext& dc) const {
  DrawRecords(renderer, dc, renderer.InsideDimensions() ? MeasureInside() : Measure());
}

void CRightSizes::Draw(const CPlanRenderer& renderer, CDrawContext& dc) const {
  DrawRecords(renderer, dc, renderer.InsideDimensions() ? MeasureInside() : Measure());
  DrawRecords(renderer, dc, MeasureFloorCuts());
}

void DrawPartitionOffsets(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc) {
  std::vector<DimensionRecord> records;
  for (int i = 0; i < camera.PartitionCount(); ++i)
    if (const std::optional<DimensionRecord> r = PartitionOffsetDimension(camera, *camera.PartitionAt(i)))
      records.push_back(*r);
  DrawRecords(renderer, dc, records);
}
