#include "planrenderer.h"

#include <cmath>

#include "chamber.h"
#include "drawcontext.h"

CPlanRenderer::CPlanRenderer(const CPixelMapping& mapping, int32_t logPixelsY)
    : mapping_(mapping), resources_(DrawResources::Screen(logPixelsY < 1 ? kScreenLogPixelsY : logPixelsY)) {}

void CPlanRenderer::SetScreenResolution(int32_t logPixelsY) {
  if (logPixelsY < 1 || printing_) return;
  resources_ = DrawResources::Screen(logPixelsY);
}

std::optional<CPlanRenderer> CPlanRenderer::ForPrint(const CChamber& camera, const CDrawContext& dc, double zoom,
                                                     double fontPoints) {
  return ForPrint(camera, dc.DeviceCaps(DeviceCap::kHorzRes), dc.DeviceCaps(DeviceCap::kLogPixelsY), zoom,
                  fontPoints);
}

std::optional<CPlanRenderer> CPlanRenderer::ForPrint(const CChamber& camera, int32_t horzRes, int32_t logPixelsY,
                                                     double zoom, double fontPoints) {
  // A typed zoom or font size that is not a number arrives as 0: a plan at
  // scale 0 or in the device's default font is not what was asked for.
  const int32_t width = camera.Width();
  if (width <= 0 || horzRes <= 0 || logPixelsY <= 0) return std::nullopt;
  if (!std::isfinite(zoom) || zoom <= 0.0) return std::nullopt;
  if (!std::isfinite(fontPoints) || fontPoints < kMinPrintFontPoints || fontPoints > kMaxPrintFontPoints)
    return std::nullopt;
  CPlanRenderer print;
  print.mapping_.SetOrigin(kPrintOrigin.x, kPrintOrigin.y);
  if (!print.mapping_.SetScale(static_cast<double>(horzRes) / width * kPrintWidthShare * zoom)) return std::nullopt;
  // The print set keeps of the screen's only what does not depend on the
  // screen's resolution.
  print.resources_ = DrawResources::Print(DrawResources::Screen(kScreenLogPixelsY), logPixelsY, fontPoints);
  print.printing_ = true;
  return print;
}
