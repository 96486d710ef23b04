// The plan's drawing: the order of the plan, the runs with their panels
// and posts, and the header.

#include <string>

#include "chamber.h"
#include "drawhelpers.h"
#include "innersize.h"
#include "languageentries.h"
#include "languagetable.h"
#include "modellimits.h"
#include "planrenderer.h"

using draw_helpers::MapRect;

namespace {

constexpr PixelPoint kHeaderLines[] = {{10, 10}, {10, 30}, {10, 50}, {10, 70}};

// A run (outline segment or partition) from its body rectangle: the body,
// then each panel from the body's first corner, walking by PanelStep.
void DrawRun(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, const CWallCollection& run,
             const ModelRect& body) {
  const DrawResources& res = renderer.Resources();
  dc.Select(res.segmentBrush);
  dc.Select(res.segmentPen);
  dc.Rectangle(MapRect(renderer.Mapping(), body));
  int64_t x = body.x1;
  int64_t y = body.y1;
  const auto panels = run.Panels();
  for (int k = 0; k < static_cast<int>(panels.size()); ++k) {
    (run.IsVertical() ? y : x) += run.PanelStep(k);
    panels[static_cast<size_t>(k)].Draw(renderer, camera, dc, model_limits::SaturateInt32(x),
                                        model_limits::SaturateInt32(y));
  }
}

// The post at the far end of an outline segment: a square of its own size
// centred on the segment's far reference point.
void DrawCorner(const CPlanRenderer& renderer, CDrawContext& dc, const CWallCollection& wall, const ModelRect& body) {
  const CCorner* corner = wall.Corner();
  if (!corner) return;
  const int64_t c = corner->Size();
  int64_t x2 = body.x2;
  int64_t y2 = body.y2;
  if (wall.ExtendedLength() < 0) (wall.IsVertical() ? y2 : x2) += c;
  x2 -= c / 2;
  y2 -= c / 2;
  const DrawResources& res = renderer.Resources();
  dc.Select(res.cornerPen);
  dc.Select(res.cornerBrush);
  dc.Rectangle(MapRect(renderer.Mapping(), x2 - c / 2, y2 - c / 2, x2 + c / 2, y2 + c / 2));
}

void DrawStrip(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, const CFloorStrip& strip) {
  const DrawResources& res = renderer.Resources();
  dc.Select(res.stripBrush);
  dc.Select(res.stripPen);
  dc.Rectangle(MapRect(renderer.Mapping(), strip.X(), strip.Y(), int64_t{strip.X()} + strip.W(),
                       int64_t{strip.Y()} + strip.H()));
  int64_t x = strip.X();
  int64_t y = strip.Y();
  const auto panels = strip.Panels();
  for (int k = 0; k < static_cast<int>(panels.size()); ++k) {
    (strip.Direction() == CFloorStrip::kAlongX ? x : y) += strip.PanelStep(k);
    panels[static_cast<size_t>(k)].Draw(renderer, camera, dc, model_limits::SaturateInt32(x),
                                        model_limits::SaturateInt32(y));
  }
}

// "<label>: <outer> mm (clear <inside> mm)".
std::string HeaderLine(const std::string& label, int64_t outer, int64_t inside) {
  const CLanguageTable& language = ModuleLanguage();
  const std::string mm = " " + language.GetTextOrBuiltin(Lang::kMillimetres);
  return label + ": " + std::to_string(outer) + mm + " (" + language.GetTextOrBuiltin(Lang::kHeaderClear) + " " +
         std::to_string(inside) + mm + ")";
}

}  // namespace

void CPlanRenderer::Draw(const CChamber& camera, CDrawContext& dc, const DrawingHeader& header) const {
  for (int i = 0; i < camera.FloorStripCount(); ++i) DrawStrip(*this, camera, dc, *camera.FloorStripAt(i));

  const std::vector<ModelPoint> starts = camera.WallStarts();
  for (int i = 0; i < camera.WallCount(); ++i) {
    const CWallCollection& wall = *camera.WallAt(i);
    const ModelRect body =
        SegmentRect(starts[static_cast<size_t>(i)], wall.ExtendedLength(), wall.Thickness(), wall.GetOrientation());
    DrawRun(*this, camera, dc, wall, body);
    DrawCorner(*this, dc, wall, body);
  }

  camera.Left().Draw(*this, dc);
  camera.Right().Draw(*this, dc);
  camera.Bottom().Draw(*this, dc);
  camera.Top().Draw(*this, dc);

  for (int i = 0; i < camera.PartitionCount(); ++i) {
    const CPartition& partition = *camera.PartitionAt(i);
    DrawRun(*this, camera, dc, partition, partition.Rect());
  }
  DrawPartitionOffsets(*this, camera, dc);

  if (printing_) return;
  // The header takes the font the top chain left selected. Partitions drawn
  // after it leave a label font, which on a vertical partition would turn
  // the header upwards and off the window.
  dc.Select(resources_.dimensionFontHorizontal);
  const CameraSizes sizes = MeasureCameraSizes(camera);
  dc.Text(kHeaderLines[0], header.title);
  dc.Text(kHeaderLines[1], HeaderLine(header.heightLabel, sizes.outerHeight, sizes.innerHeight));
  dc.Text(kHeaderLines[2], HeaderLine(header.widthLabel, sizes.outerDepth, sizes.innerDepth));
  dc.Text(kHeaderLines[3], HeaderLine(header.lengthLabel, sizes.outerWidth, sizes.innerWidth));
}
