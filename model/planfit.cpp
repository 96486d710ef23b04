#include "planfit.h"

#include <algorithm>
#include <cmath>

#include "chamber.h"
#include "modellimits.h"
#include "planrenderer.h"

namespace {

using model_limits::SaturateInt32;

struct Bounds {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
  bool any = false;

  void Add(int64_t x, int64_t y) {
    if (!any) {
      left = right = x;
      top = bottom = y;
      any = true;
      return;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  void Add(const ModelRect& r, int64_t grow = 0) {
    Add(int64_t{r.Left()} - grow, int64_t{r.Top()} - grow);
    Add(int64_t{r.Right()} + grow, int64_t{r.Bottom()} + grow);
  }
  void Add(ModelPoint p) { Add(p.x, p.y); }
  void Add(const DimensionRecord& r) {
    for (const ModelLine& l : {r.extension1, r.extension2, r.dimensionLine}) {
      Add(l.from);
      Add(l.to);
    }
    Add(r.dot1);
    Add(r.dot2);
    Add(r.textAt);
  }
};

// Door symbols reach half a thickness, then up to 100 mm, beyond the outer
// face; labels stand the label offset off the run.
int64_t SymbolReach(const CChamber& camera) {
  return std::max<int64_t>(camera.Thickness() / 2 + 100, camera.LabelOffset()) + 50;
}

}  // namespace

std::optional<ModelRect> PlanBounds(const CChamber& camera) {
  Bounds b;
  const int64_t reach = SymbolReach(camera);
  for (int i = 0; i < camera.WallCount(); ++i) b.Add(camera.WallRect(i), reach);
  for (int i = 0; i < camera.PartitionCount(); ++i) b.Add(camera.PartitionAt(i)->Rect(), reach);
  if (!b.any) return std::nullopt;
  for (int i = 0; i < camera.FloorStripCount(); ++i) {
    const CFloorStrip& s = *camera.FloorStripAt(i);
    b.Add(s.X(), s.Y());
    b.Add(int64_t{s.X()} + s.W(), int64_t{s.Y()} + s.H());
  }
  const ChamberDimensions d = MeasureDimensions(camera);
  for (const auto* chain : {&d.top, &d.right, &d.bottom, &d.left, &d.floorCuts})
    for (const DimensionRecord& r : *chain) b.Add(r);
  return ModelRect{SaturateInt32(b.left), SaturateInt32(b.top), SaturateInt32(b.right), SaturateInt32(b.bottom)};
}

std::optional<CPixelMapping> FitMapping(const ModelRect& bounds, int32_t width, int32_t height,
                                        const FitMargins& margins) {
  const int64_t roomX = int64_t{width} - margins.left - margins.right;
  const int64_t roomY = int64_t{height} - margins.top - margins.bottom;
  if (roomX < 1 || roomY < 1) return std::nullopt;
  const double spanX = std::max<double>(1.0, static_cast<double>(int64_t{bounds.Right()} - bounds.Left()));
  const double spanY = std::max<double>(1.0, static_cast<double>(int64_t{bounds.Bottom()} - bounds.Top()));
  const double scale = std::clamp(std::min(static_cast<double>(roomX) / spanX, static_cast<double>(roomY) / spanY),
                                  CPixelMapping::kMinScale, CPixelMapping::kMaxScale);
  CPixelMapping mapping;
  mapping.SetScale(scale);
  mapping.SetOrigin(0, 0);
  // Centre the mapped bounds in the room left by the margins.
  const int64_t left = mapping.ToPixelX(bounds.Left());
  const int64_t top = mapping.ToPixelY(bounds.Top());
  const int64_t usedX = int64_t{mapping.ToPixelX(bounds.Right())} - left;
  const int64_t usedY = int64_t{mapping.ToPixelY(bounds.Bottom())} - top;
  mapping.SetOrigin(SaturateInt32(margins.left + (roomX - usedX) / 2 - left),
                    SaturateInt32(margins.top + (roomY - usedY) / 2 - top));
  return mapping;
}

std::optional<CPixelMapping> FitPlanToCanvas(const CChamber& camera, int32_t width, int32_t height) {
  const std::optional<ModelRect> bounds = PlanBounds(camera);
  if (!bounds) return std::nullopt;
  return FitMapping(*bounds, width, height, kScreenFitMargins);
}

std::optional<double> PrintZoomToFit(const CChamber& camera, int32_t pageWidth, int32_t pageHeight,
                                     const FitMargins& margins) {
  const std::optional<ModelRect> bounds = PlanBounds(camera);
  if (!bounds || camera.Width() <= 0 || pageWidth <= 0) return std::nullopt;
  // The largest scale for which every side of the bounds stays inside the
  // page, the origin being fixed.
  double scale = CPixelMapping::kMaxScale;
  const auto limit = [&scale](double room, double extent) {
    if (extent > 0) scale = std::min(scale, std::max(room, 0.0) / extent);
  };
  const double ox = CPlanRenderer::kPrintOrigin.x;
  const double oy = CPlanRenderer::kPrintOrigin.y;
  limit(ox - margins.left, -static_cast<double>(bounds->Left()));
  limit(pageWidth - margins.right - ox, bounds->Right());
  limit(oy - margins.top, -static_cast<double>(bounds->Top()));
  limit(pageHeight - margins.bottom - oy, bounds->Bottom());
  const double perZoom = static_cast<double>(pageWidth) / camera.Width() * CPlanRenderer::kPrintWidthShare;
  constexpr double kStep = 0.01;
  return std::max(kStep, std::floor(scale / perZoom / kStep) * kStep);
}
