#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QRect>
#include <QStaticText>

#include <string>
#include <unordered_map>

#include <vector>

#include "drawcontext.h"

class QPainter;

// The draw context on a QPainter: the camera window, a QImage, a QPrinter
// page or a QSvgGenerator. Device pixels are the painter's own coordinates.
//
// It keeps the device-context look the plan was designed for: shapes are
// not antialiased; a rectangle from (l, t) to (r, b) covers l..r-1 and
// t..b-1; a hatched brush hatches on white; text is black on a white cell,
// its top-left corner at the given point. A font's height and average width
// are met in device pixels ("Arial" comes through fontconfig as Liberation
// Sans, which has Arial's metrics).
class CPainterDrawContext : public CDrawContext {
 public:
  // `painter` must be active, and stay so while the context lives. The
  // device capabilities are the painter's device's width and logical dots
  // per inch.
  explicit CPainterDrawContext(QPainter& painter);

  void Rectangle(const PixelRect& rect) override;
  void Line(PixelPoint from, PixelPoint to) override;
  void Ellipse(const PixelRect& box) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Text(PixelPoint at, std::string_view text) override;
  void TextInRect(const PixelRect& rect, std::string_view text) override;
  int32_t DeviceCaps(DeviceCap cap) const override;

 private:
  struct FontEntry {
    DrawFont key;
    QFont font;
    QFontMetricsF metrics;
    int ascent = 0;
    int cellHeight = 0;
  };
  // A text laid out once in one font: a plan writes the same few widths
  // hundreds of times.
  struct LaidOutText {
    QStaticText text;
    int width = 0;
  };

  void BrushChanged(const DrawBrush& brush) override;
  void PenChanged(const DrawPen& pen) override;
  void FontChanged(const DrawFont& font) override;
  const FontEntry& Entry(const DrawFont& font);
  const LaidOutText& LaidOut(std::string_view text);
  QRect DeviceRect() const;
  void Hatch(const QRect& box);
  void UseShapePen();
  void UseTextPen();

  QPainter& painter_;
  int32_t horzRes_ = 0;
  int32_t logPixelsY_ = 0;
  QPen shapePen_;
  bool textPenActive_ = false;
  bool hatched_ = false;
  std::vector<FontEntry> fonts_;  // a plan uses a handful
  size_t font_ = 0;
  std::vector<std::unordered_map<std::string, LaidOutText>> texts_;  // one map per font
  bool fontApplied_ = false;
};
