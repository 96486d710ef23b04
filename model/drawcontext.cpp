#include "drawcontext.h"

#include <cstdlib>

#include "modellimits.h"

DrawBrush CDrawContext::SelectBrush(const DrawBrush& brush) {
  DrawBrush previous = brush_;
  if (!(brush == brush_)) {
    brush_ = brush;
    BrushChanged(brush_);
  }
  return previous;
}

DrawPen CDrawContext::SelectPen(const DrawPen& pen) {
  DrawPen previous = pen_;
  if (!(pen == pen_)) {
    pen_ = pen;
    PenChanged(pen_);
  }
  return previous;
}

DrawFont CDrawContext::SelectFont(const DrawFont& font) {
  DrawFont previous = font_;
  if (!(font == font_)) {
    font_ = font;
    FontChanged(font_);
  }
  return previous;
}

void CDrawContext::Polygon(std::span<const PixelPoint> points) {
  for (size_t i = 0; i < points.size() && points.size() > 1; ++i) Line(points[i], points[(i + 1) % points.size()]);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = int64_t{a} * b;
  const int64_t half = std::abs(int64_t{c}) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::abs(product) + half) / std::abs(int64_t{c});
  return model_limits::SaturateInt32(negative ? -magnitude : magnitude);
}
