#include "drawresources.h"

#include <cmath>

namespace {

constexpr int32_t kLabelPoints = 5;
constexpr int32_t kPointsPerInch = 72;
constexpr int32_t kLightWeight = 300;
constexpr int32_t kLabelFontWidth = 5;
constexpr int32_t kDimensionFontHeight = 10;
constexpr int32_t kDimensionFontWidth = 5;
constexpr int32_t kPrintOutlineWidth = 5;

DrawFont Arial(int32_t height, int32_t width, bool upwards) {
  DrawFont font;
  font.face = "Arial";
  font.height = height;
  font.width = width;
  font.escapement = upwards ? DrawFont::kUpwards : 0;
  font.weight = kLightWeight;
  return font;
}

}  // namespace

DrawResources DrawResources::Screen(int32_t screenLogPixelsY) {
  const int32_t labelHeight = -MulDiv(kLabelPoints, screenLogPixelsY, kPointsPerInch);
  DrawResources r;
  r.segmentBrush = DrawBrush::Solid(Rgb(100, 100, 200));
  r.panelBrush = DrawBrush::Solid(Rgb(200, 100, 100));
  r.oddPanelBrush = DrawBrush::Solid(Rgb(200, 0, 0));
  r.labelFontVertical = Arial(labelHeight, kLabelFontWidth, true);
  r.labelFontHorizontal = Arial(labelHeight, kLabelFontWidth, false);
  r.stripBrush = DrawBrush::Solid(Rgb(200, 200, 100));
  r.floorPanelBrush = DrawBrush::Solid(Rgb(200, 200, 200));
  r.floorPanelPen = DrawPen{1, Rgb(0, 0, 255)};
  r.floorLabelFont = Arial(labelHeight, kLabelFontWidth, false);
  r.cornerBrush = DrawBrush::Solid(Rgb(100, 200, 100));
  r.dimensionPen = DrawPen{1, Rgb(0, 0, 0)};
  r.dimensionFontVertical = Arial(kDimensionFontHeight, kDimensionFontWidth, true);
  r.dimensionFontHorizontal = Arial(kDimensionFontHeight, kDimensionFontWidth, false);
  return r;
}

DrawResources DrawResources::Print(const DrawResources& active, int32_t printerLogPixelsY, double fontPoints) {
  DrawResources r = active;
  const DrawBrush white = DrawBrush::Solid(Rgb(255, 255, 255));
  r.segmentBrush = r.panelBrush = r.oddPanelBrush = r.stripBrush = r.floorPanelBrush = r.cornerBrush = white;
  const DrawPen outline{kPrintOutlineWidth, Rgb(0, 0, 0)};
  r.segmentPen = r.panelPen = r.cornerPen = outline;
  // Whole points, as the print settings give them; kept within reach of any
  // printer so that the conversion stays defined.
  constexpr double kMaxPoints = 10000.0;
  const double clamped = std::isfinite(fontPoints) ? std::fmin(std::fmax(fontPoints, 0.0), kMaxPoints) : 0.0;
  const auto points = static_cast<int32_t>(std::trunc(clamped));
  const int32_t height = -MulDiv(points, printerLogPixelsY, kPointsPerInch);
  r.labelFontVertical = r.dimensionFontVertical = Arial(height, 0, true);
  r.labelFontHorizontal = r.floorLabelFont = r.dimensionFontHorizontal = Arial(height, 0, false);
  return r;
}
