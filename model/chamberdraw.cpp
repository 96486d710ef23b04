// The camera's drawing: the order of the plan, the runs with their panels
// and posts, the header, and the swap to the printer's drawing set.

#include <cmath>
#include <string>

#include "chamber.h"
#include "drawhelpers.h"
#include "languageentries.h"
#include "languagetable.h"
#include "modellimits.h"

using draw_helpers::MapRect;

namespace {

constexpr PixelPoint kHeaderLines[] = {{10, 10}, {10, 30}, {10, 50}, {10, 70}};

// A run (outline segment or partition) from its body rectangle: the body,
// then each panel from the body's first corner, walking by PanelStep.
void DrawRun(const CChamber& camera, CDrawContext& dc, const CWallCollection& run, const ModelRect& body) {
  const DrawResources& res = camera.Resources();
  dc.Select(res.segmentBrush);
  dc.Select(res.segmentPen);
  dc.Rectangle(MapRect(camera.Mapping(), body));
  int64_t x = body.x1;
  int64_t y = body.y1;
  const auto panels = run.Panels();
  for (int k = 0; k < static_cast<int>(panels.size()); ++k) {
    (run.IsVertical() ? y : x) += run.PanelStep(k);
    panels[static_cast<size_t>(k)].Draw(camera, dc, model_limits::SaturateInt32(x), model_limits::SaturateInt32(y));
  }
}

// The post at the far end of an outline segment: a square of its own size
// centred on the segment's far reference point.
void DrawCorner(const CChamber& camera, CDrawContext& dc, const CWallCollection& wall, const ModelRect& body) {
  const CCorner* corner = wall.Corner();
  if (!corner) return;
  const int64_t c = corner->Size();
  int64_t x2 = body.x2;
  int64_t y2 = body.y2;
  if (wall.ExtendedLength() < 0) (wall.IsVertical() ? y2 : x2) += c;
  x2 -= c / 2;
  y2 -= c / 2;
  const DrawResources& res = camera.Resources();
  dc.Select(res.cornerPen);
  dc.Select(res.cornerBrush);
  dc.Rectangle(MapRect(camera.Mapping(), x2 - c / 2, y2 - c / 2, x2 + c / 2, y2 + c / 2));
}

void DrawStrip(const CChamber& camera, CDrawContext& dc, const CFloorStrip& strip) {
  const DrawResources& res = camera.Resources();
  dc.Select(res.stripBrush);
  dc.Select(res.stripPen);
  dc.Rectangle(MapRect(camera.Mapping(), strip.X(), strip.Y(), int64_t{strip.X()} + strip.W(),
                       int64_t{strip.Y()} + strip.H()));
  int64_t x = strip.X();
  int64_t y = strip.Y();
  const auto panels = strip.Panels();
  for (int k = 0; k < static_cast<int>(panels.size()); ++k) {
    (strip.Direction() == CFloorStrip::kAlongX ? x : y) += strip.PanelStep(k);
    panels[static_cast<size_t>(k)].Draw(camera, dc, model_limits::SaturateInt32(x), model_limits::SaturateInt32(y));
  }
}

std::string HeaderLine(const std::string& label, int64_t value) {
  return label + ": " + std::to_string(value) + " " + ModuleLanguage().GetTextOrBuiltin(Lang::kMillimetres);
}

}  // namespace

void CChamber::Draw(CDrawContext& dc, const DrawingHeader& header) const {
  for (const auto& strip : floorStrips_) DrawStrip(*this, dc, *strip);

  const std::vector<ModelPoint> starts = WallStarts();
  for (size_t i = 0; i < walls_.size(); ++i) {
    const CWallCollection& wall = *walls_[i];
    const ModelRect body = SegmentRect(starts[i], wall.ExtendedLength(), wall.Thickness(), wall.GetOrientation());
    DrawRun(*this, dc, wall, body);
    DrawCorner(*this, dc, wall, body);
  }

  left_.Draw(*this, dc);
  right_.Draw(*this, dc);
  bottom_.Draw(*this, dc);
  top_.Draw(*this, dc);

  for (const auto& partition : partitions_) DrawRun(*this, dc, *partition, partition->Rect());

  if (printing_) return;
  // The header takes the font the top chain left selected. Partitions drawn
  // after it leave a label font, which on a vertical partition would turn
  // the header upwards and off the window.
  dc.Select(resources_.dimensionFontHorizontal);
  // The outer sizes: the reference rectangle plus one thickness, the height
  // plus floor and ceiling.
  const int64_t t = thickness_;
  dc.Text(kHeaderLines[0], header.title);
  dc.Text(kHeaderLines[1], HeaderLine(header.heightLabel, int64_t{height_} + 2 * t));
  dc.Text(kHeaderLines[2], HeaderLine(header.widthLabel, int64_t{depth_} + t));
  dc.Text(kHeaderLines[3], HeaderLine(header.lengthLabel, int64_t{width_} + t));
}

CChamber::DrawingSet CChamber::ActiveSet() const {
  return {resources_, mapping_, dimensionOffset_, labelOffset_, thickness_, height_};
}

void CChamber::UseSet(const DrawingSet& set) {
  resources_ = set.resources;
  mapping_ = set.mapping;
  dimensionOffset_ = set.dimensionOffset;
  labelOffset_ = set.labelOffset;
  thickness_ = set.thickness;
  height_ = set.height;
}

bool CChamber::PrepareForPrint(const CDrawContext& dc, double zoom, double fontPoints) {
  return PrepareForPrint(dc.DeviceCaps(DeviceCap::kHorzRes), dc.DeviceCaps(DeviceCap::kLogPixelsY), zoom, fontPoints);
}

bool CChamber::PrepareForPrint(int32_t horzRes, int32_t logPixelsY, double zoom, double fontPoints) {
  // A typed zoom or font size that is not a number arrives as 0: a plan at
  // scale 0 or in the device's default font is not what was asked for.
  if (width_ <= 0 || horzRes <= 0 || logPixelsY <= 0) return false;
  if (!std::isfinite(zoom) || zoom <= 0.0) return false;
  if (!std::isfinite(fontPoints) || fontPoints < kMinPrintFontPoints || fontPoints > kMaxPrintFontPoints)
    return false;
  DrawingSet set = ActiveSet();
  set.mapping.SetOrigin(kPrintOriginX, kPrintOriginY);
  if (!set.mapping.SetScale(static_cast<double>(horzRes) / width_ * kPrintWidthShare * zoom)) return false;
  set.resources = DrawResources::Print(resources_, logPixelsY, fontPoints);
  printSet_ = std::move(set);
  return true;
}

bool CChamber::DrawForPrint(CDrawContext& dc) {
  if (!printSet_) return false;
  // Put the active set back however the drawing ends.
  struct Restore {
    CChamber& camera;
    DrawingSet active;
    ~Restore() {
      camera.printing_ = false;
      camera.UseSet(active);
    }
  } restore{*this, ActiveSet()};
  UseSet(*printSet_);
  printing_ = true;
  Draw(dc);
  return true;
}

void CChamber::SetScreenResolution(int32_t logPixelsY) {
  if (logPixelsY < 1) return;
  screenLogPixelsY_ = logPixelsY;
  if (resources_.segmentBrush) resources_ = DrawResources::Screen(logPixelsY);
}
