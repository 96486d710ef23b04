#include "painterdrawcontext.h"

#include <QBrush>
#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

// A device's default font: 12 points.
constexpr int32_t kDefaultFontPoints = 12;
constexpr int32_t kPointsPerInch = 72;
constexpr int kMaxStretch = 4000;  // QFont's range
constexpr int kProbePixels = 100;
constexpr int kHatchSpacing = 8;
constexpr size_t kMaxCachedTexts = 4096;  // pixels between hatch lines, as a device's hatched brush

QColor ToQColor(DrawColor c) { return QColor(c.r, c.g, c.b); }

QPen ToQPen(const DrawPen& pen) {
  const int width = std::max(1, pen.width);
  // Wide pens end and join round, as the device pens of the plan's design.
  return width > 1 ? QPen(ToQColor(pen.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                   : QPen(ToQColor(pen.color), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The box of a device rectangle, corners in order, right and bottom
// exclusive; empty when it covers no pixel.
QRect Box(const PixelRect& r) {
  const int left = std::min(r.left, r.right);
  const int right = std::max(r.left, r.right);
  const int top = std::min(r.top, r.bottom);
  const int bottom = std::max(r.top, r.bottom);
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CPainterDrawContext::CPainterDrawContext(QPainter& painter) : painter_(painter) {
  if (const QPaintDevice* device = painter_.device()) {
    horzRes_ = device->width();
    logPixelsY_ = device->logicalDpiY();
  }
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  BrushChanged(Brush());
  PenChanged(Pen());
  FontChanged(Font());
}

int32_t CPainterDrawContext::DeviceCaps(DeviceCap cap) const {
  return cap == DeviceCap::kHorzRes ? horzRes_ : logPixelsY_;
}

void CPainterDrawContext::BrushChanged(const DrawBrush& brush) {
  hatched_ = brush.style == DrawBrush::Style::kDiagonalCross;
  painter_.setBrush(QBrush(ToQColor(brush.color), hatched_ ? Qt::DiagCrossPattern : Qt::SolidPattern));
}

void CPainterDrawContext::PenChanged(const DrawPen& pen) {
  shapePen_ = ToQPen(pen);
  painter_.setPen(shapePen_);
  textPenActive_ = false;
}

void CPainterDrawContext::FontChanged(const DrawFont& font) {
  const FontEntry& entry = Entry(font);
  font_ = static_cast<size_t>(&entry - fonts_.data());
  texts_.resize(fonts_.size());
  fontApplied_ = false;
}

QRect CPainterDrawContext::DeviceRect() const {
  // In the context's coordinates, should the caller have moved them.
  const QPaintDevice* device = painter_.device();
  if (!device) return {};
  const QRect rect(0, 0, device->width(), device->height());
  const QTransform& transform = painter_.transform();
  return transform.isIdentity() ? rect : transform.inverted().mapRect(rect);
}

const CPainterDrawContext::FontEntry& CPainterDrawContext::Entry(const DrawFont& key) {
  for (const FontEntry& e : fonts_)
    if (e.key == key) return e;
  QFont font(QString::fromStdString(key.face));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(key.weight, 1, 1000)));
  font.setKerning(false);
  QPaintDevice* device = painter_.device();
  int pixels = 0;
  if (key.height < 0) {
    pixels = -key.height;
  } else if (key.height > 0) {
    // A cell height: the em is the cell less the face's leading.
    QFont probe = font;
    probe.setPixelSize(kProbePixels);
    const QFontMetricsF m(probe, device);
    const double cell = m.ascent() + m.descent();
    pixels = static_cast<int>(std::lround(key.height * kProbePixels / (cell > 0 ? cell : kProbePixels)));
  } else {
    pixels = MulDiv(kDefaultFontPoints, logPixelsY_ > 0 ? logPixelsY_ : 96, kPointsPerInch);
  }
  font.setPixelSize(std::max(1, pixels));
  if (key.width > 0) {
    const QFontMetricsF m(font, device);
    const double average = m.averageCharWidth();
    if (average > 0)
      font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * key.width / average)), 1, kMaxStretch));
  }
  const QFontMetricsF m(font, device);
  fonts_.push_back(FontEntry{key, font, m, static_cast<int>(std::lround(m.ascent())),
                             static_cast<int>(std::lround(m.ascent() + m.descent()))});
  return fonts_.back();
}

void CPainterDrawContext::UseShapePen() {
  if (!textPenActive_) return;
  painter_.setPen(shapePen_);
  textPenActive_ = false;
}

void CPainterDrawContext::UseTextPen() {
  if (textPenActive_) return;
  painter_.setPen(QPen(Qt::black));
  textPenActive_ = true;
}

void CPainterDrawContext::Rectangle(const PixelRect& rect) {
  const QRect box = Box(rect);
  if (box.isEmpty()) return;
  UseShapePen();
  // QRect's outline covers one pixel more than its width: take it back so
  // that the outline stays on the rectangle's last column and row.
  const QRect outline(box.topLeft(), QSize(box.width() - 1, box.height() - 1));
  if (!hatched_) {
    painter_.drawRect(outline);
    return;
  }
  painter_.fillRect(box, Qt::white);
  Hatch(box);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(outline);
  BrushChanged(Brush());
}

void CPainterDrawContext::Hatch(const QRect& box) {
  // Drawn as lines rather than with a pattern brush, which not every device
  // keeps (an SVG file loses it); only the part on the device is hatched.
  const QRect area = box & DeviceRect();
  if (area.isEmpty()) return;
  painter_.save();
  painter_.setPen(QPen(ToQColor(Brush().color), 1));
  const int l = area.left();
  const int r = area.right();
  const int t = area.top();
  const int b = area.bottom();
  // Lines x - y = c and x + y = c, c a multiple of the hatch spacing, so that
  // neighbouring hatched boxes line up.
  const auto firstMultiple = [](int v) { return v >= 0 ? (v + kHatchSpacing - 1) / kHatchSpacing * kHatchSpacing
                                                       : -(-v / kHatchSpacing * kHatchSpacing); };
  for (int c = firstMultiple(l - b); c <= r - t; c += kHatchSpacing) {
    const int x0 = std::max(l, t + c);
    const int x1 = std::min(r, b + c);
    if (x0 <= x1) painter_.drawLine(QPoint(x0, x0 - c), QPoint(x1, x1 - c));
  }
  for (int c = firstMultiple(l + t); c <= r + b; c += kHatchSpacing) {
    const int x0 = std::max(l, c - b);
    const int x1 = std::min(r, c - t);
    if (x0 <= x1) painter_.drawLine(QPoint(x0, c - x0), QPoint(x1, c - x1));
  }
  painter_.restore();
}

void CPainterDrawContext::Line(PixelPoint from, PixelPoint to) {
  UseShapePen();
  painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void CPainterDrawContext::Ellipse(const PixelRect& box) {
  const QRect r = Box(box);
  if (r.isEmpty()) return;
  UseShapePen();
  const QRect outline(r.topLeft(), QSize(r.width() - 1, r.height() - 1));
  if (hatched_) {
    painter_.save();
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(outline);
    painter_.restore();
  }
  painter_.drawEllipse(outline);
}

void CPainterDrawContext::Polygon(std::span<const PixelPoint> points) {
  if (points.size() < 3) return;
  UseShapePen();
  // The faces of a picture are few-cornered: no allocation for them.
  constexpr size_t kInline = 8;
  QPoint inlinePoints[kInline];
  std::vector<QPoint> many;
  QPoint* corners = inlinePoints;
  if (points.size() > kInline) {
    many.resize(points.size());
    corners = many.data();
  }
  for (size_t i = 0; i < points.size(); ++i) corners[i] = QPoint(points[i].x, points[i].y);
  painter_.drawConvexPolygon(corners, static_cast<int>(points.size()));
}

const CPainterDrawContext::LaidOutText& CPainterDrawContext::LaidOut(std::string_view text) {
  auto& cache = texts_[font_];
  if (cache.size() > kMaxCachedTexts) cache.clear();
  const auto found = cache.find(std::string(text));
  if (found != cache.end()) return found->second;
  const FontEntry& entry = fonts_[font_];
  LaidOutText laid;
  laid.text = QStaticText(FromUtf8(text));
  laid.text.setTextFormat(Qt::PlainText);
  laid.text.prepare(QTransform(), entry.font);
  laid.width = static_cast<int>(std::ceil(entry.metrics.horizontalAdvance(laid.text.text())));
  return cache.emplace(std::string(text), std::move(laid)).first->second;
}

void CPainterDrawContext::Text(PixelPoint at, std::string_view text) {
  if (text.empty()) return;
  const FontEntry& entry = fonts_[font_];
  if (!fontApplied_) {
    painter_.setFont(entry.font);
    fontApplied_ = true;
  }
  UseTextPen();
  const LaidOutText& laid = LaidOut(text);
  if (entry.key.escapement == 0) {
    const QRect cell(at.x, at.y, laid.width, entry.cellHeight);
    if (!cell.intersects(DeviceRect())) return;
    painter_.fillRect(cell, Qt::white);
    painter_.drawStaticText(cell.topLeft(), laid.text);
    return;
  }
  // Turned about its reference point: anticlockwise on the page is a
  // negative angle in the painter's y-down coordinates.
  const QTransform base = painter_.worldTransform();
  QTransform turned;
  turned.translate(at.x, at.y);
  turned.rotate(-entry.key.escapement / 10.0);
  if (!turned.mapRect(QRect(0, 0, laid.width, entry.cellHeight)).intersects(DeviceRect())) return;
  painter_.setWorldTransform(turned * base);
  painter_.fillRect(QRect(0, 0, laid.width, entry.cellHeight), Qt::white);
  painter_.drawStaticText(QPoint(0, 0), laid.text);
  painter_.setWorldTransform(base);
}

void CPainterDrawContext::TextInRect(const PixelRect& rect, std::string_view text) {
  // Not clipped and aligned top-left: the rectangle only places the text.
  Text({rect.left, rect.top}, text);
}
