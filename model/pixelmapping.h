#pragma once

#include <cstdint>

#include "geometry.h"

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The one mapping between model millimetres and window pixels:
//   pixel = trunc(mm * scale) + origin
//   mm    = trunc((pixel - origin) / scale)
// with trunc cutting towards zero after the double-precision product or
// quotient. The same scale serves x and y. No other code multiplies by the
// scale: drawing, hit tests, zoom, pan and the outline edits that shift the
// drawing all come through here.
//
// Every result saturates at the int32 range, so any origin and any model
// value map without overflow. The scale is kept within [kMinScale, kMaxScale]:
// setters and zooms that would leave it refuse and change nothing.
class CPixelMapping {
 public:
  static constexpr int32_t kDefaultOrigin = 100;   // pixels
  static constexpr double kDefaultScale = 0.2;     // pixels per mm
  static constexpr double kMinScale = 0.001;       // 1 pixel per metre
  static constexpr double kMaxScale = 100.0;       // 100 pixels per mm
  static constexpr double kZoomFactor = 1.2;       // one wheel step
  // Largest origin magnitude a camera file may bring, pixels. The model's
  // extent at the largest scale is 1e8 pixels, so with the origin within
  // this bound every pixel the drawing works out stays well inside int32.
  static constexpr int32_t kMaxOrigin = 1'000'000'000;

  int32_t OriginX() const { return originX_; }
  int32_t OriginY() const { return originY_; }
  double Scale() const { return scale_; }

  void SetOrigin(int32_t x, int32_t y) {
    originX_ = x;
    originY_ = y;
  }
  void SetOriginX(int32_t x) { originX_ = x; }
  void SetOriginY(int32_t y) { originY_ = y; }
  // False (and no change) for a scale that is not finite or lies outside
  // [kMinScale, kMaxScale].
  bool SetScale(double scale);
  static bool IsValidScale(double scale);
  static constexpr bool IsValidOrigin(int64_t origin) { return origin >= -kMaxOrigin && origin <= kMaxOrigin; }

  int32_t ToPixelX(int64_t mm) const;
  int32_t ToPixelY(int64_t mm) const;
  PixelPoint ToPixel(ModelPoint p) const { return {ToPixelX(p.x), ToPixelY(p.y)}; }
  int32_t ToModelX(int64_t px) const;
  int32_t ToModelY(int64_t px) const;
  ModelPoint ToModel(PixelPoint p) const { return {ToModelX(p.x), ToModelY(p.y)}; }
  // A model distance as pixels, without the origin: trunc(mm * scale).
  int32_t ToPixelLength(int64_t mm) const;

  // Mouse-wheel zoom about the cursor (cx, cy): the point under the cursor
  // stays put. In: scale * kZoomFactor, origin = c - (c - origin) * factor;
  // out: the same with a division. Origins are truncated towards zero.
  // False (and no change) when the new scale would leave its range.
  bool ZoomAbout(int32_t cx, int32_t cy, bool zoomIn);
  // Pan: the model origin follows the cursor.
  void PanTo(int32_t px, int32_t py) { SetOrigin(px, py); }
  // Moves the origin by a model distance: origin = trunc(origin + mm * scale).
  // Used when an outline edit moves the model origin itself, so that the rest
  // of the drawing stays where it was on the screen.
  void ShiftOriginByModel(int64_t dxMm, int64_t dyMm);

  friend bool operator==(const CPixelMapping&, const CPixelMapping&) = default;

 private:
  int32_t originX_ = kDefaultOrigin;
  int32_t originY_ = kDefaultOrigin;
  double scale_ = kDefaultScale;
};
