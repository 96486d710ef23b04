#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "pixelmapping.h"

// The drawing surface the camera draws itself on: the window, an image, a
// printer page or an SVG file, each behind one implementation in render/, and a
// recording one in the tests. Everything here is in device pixels.
//
// It behaves like a device context: a brush, a pen and a font stay selected
// until another is selected, and every primitive uses the ones selected at
// the time. A fresh context starts with a white solid brush, a black pen one
// pixel wide and the device's default font (DrawFont{}); text is written on
// a white cell, as a device does by default.

struct DrawColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const DrawColor&, const DrawColor&) = default;
};

constexpr DrawColor Rgb(uint8_t r, uint8_t g, uint8_t b) { return {r, g, b}; }

struct DrawBrush {
  enum class Style : uint8_t {
    kSolid,
    kDiagonalCross,  // hatched in the colour on a white background
  };
  Style style = Style::kSolid;
  DrawColor color = Rgb(255, 255, 255);

  static constexpr DrawBrush Solid(DrawColor c) { return {Style::kSolid, c}; }
  static constexpr DrawBrush DiagonalCross(DrawColor c) { return {Style::kDiagonalCross, c}; }
  friend bool operator==(const DrawBrush&, const DrawBrush&) = default;
};

// A solid pen; width in device pixels (0 and 1 both draw one pixel).
struct DrawPen {
  int32_t width = 1;
  DrawColor color = Rgb(0, 0, 0);
  friend bool operator==(const DrawPen&, const DrawPen&) = default;
};

// A font as a device asks for one. height < 0: the character height in
// device pixels; > 0: the cell height (character plus internal leading);
// 0: the device's default size. width: the average character width in
// pixels, 0 for the face's own proportions. escapement: direction of the
// text in tenths of a degree anticlockwise (900 reads upwards).
struct DrawFont {
  static constexpr int32_t kNormalWeight = 400;
  static constexpr int32_t kUpwards = 900;

  std::string face = "Arial";
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t weight = kNormalWeight;
  friend bool operator==(const DrawFont&, const DrawFont&) = default;
};

// A rectangle of device pixels as a device context takes it: left and top
// inclusive, right and bottom exclusive.
struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class DeviceCap {
  kHorzRes,     // width of the drawable area, pixels
  kLogPixelsY,  // pixels per logical inch, vertically
};

class CDrawContext {
 public:
  virtual ~CDrawContext() = default;
  CDrawContext(const CDrawContext&) = delete;
  CDrawContext& operator=(const CDrawContext&) = delete;

  // Each returns the object it replaced, so that a caller can put it back.
  DrawBrush SelectBrush(const DrawBrush& brush);
  DrawPen SelectPen(const DrawPen& pen);
  DrawFont SelectFont(const DrawFont& font);
  // An empty slot of a drawing set selects nothing: what is selected stays.
  void Select(const std::optional<DrawBrush>& brush) {
    if (brush) SelectBrush(*brush);
  }
  void Select(const std::optional<DrawPen>& pen) {
    if (pen) SelectPen(*pen);
  }
  void Select(const std::optional<DrawFont>& font) {
    if (font) SelectFont(*font);
  }
  const DrawBrush& Brush() const { return brush_; }
  const DrawPen& Pen() const { return pen_; }
  const DrawFont& Font() const { return font_; }

  // Filled with the brush and outlined with the pen; the corners may come
  // in any order.
  virtual void Rectangle(const PixelRect& rect) = 0;
  // From `from` up to `to`, with the pen.
  virtual void Line(PixelPoint from, PixelPoint to) = 0;
  // The ellipse inscribed in `box`, filled and outlined.
  virtual void Ellipse(const PixelRect& box) = 0;
  // The closed convex polygon through `points`, filled with the brush and
  // outlined with the pen (the 3-D picture's faces: flat faces of at most
  // four corners, seen in parallel projection, so always convex). A surface that fills no
  // polygons draws the outline with Line.
  virtual void Polygon(std::span<const PixelPoint> points);
  // UTF-8 text with the font, the top-left corner of its first character
  // cell at `at` (turned about `at` for a font with an escapement).
  virtual void Text(PixelPoint at, std::string_view text) = 0;
  // UTF-8 text aligned to the top-left of `rect` and not clipped to it.
  virtual void TextInRect(const PixelRect& rect, std::string_view text) = 0;
  virtual int32_t DeviceCaps(DeviceCap cap) const = 0;

 protected:
  CDrawContext() = default;
  // Told when the selection really changes.
  virtual void BrushChanged(const DrawBrush&) {}
  virtual void PenChanged(const DrawPen&) {}
  virtual void FontChanged(const DrawFont&) {}

 private:
  DrawBrush brush_;
  DrawPen pen_;
  DrawFont font_;
};

// a * b / c rounded half away from zero, in 64 bits, as the platform's
// MulDiv; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
