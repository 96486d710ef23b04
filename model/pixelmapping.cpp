#include "pixelmapping.h"

#include <cmath>
#include <limits>

namespace {

// trunc towards zero, then saturate into int32 (a double outside the range
// would make the conversion undefined).
int32_t TruncSaturate(double v) {
  constexpr double kLow = static_cast<double>(std::numeric_limits<int32_t>::min());
  constexpr double kHigh = static_cast<double>(std::numeric_limits<int32_t>::max());
  if (std::isnan(v)) return 0;
  const double t = std::trunc(v);
  if (t <= kLow) return std::numeric_limits<int32_t>::min();
  if (t >= kHigh) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(t);
}

}  // namespace

bool CPixelMapping::IsValidScale(double scale) {
  return std::isfinite(scale) && scale >= kMinScale && scale <= kMaxScale;
}

bool CPixelMapping::SetScale(double scale) {
  if (!IsValidScale(scale)) return false;
  scale_ = scale;
  return true;
}

int32_t CPixelMapping::ToPixelX(int64_t mm) const {
  // The origin is added after truncation, as an integer.
  return TruncSaturate(static_cast<double>(TruncSaturate(static_cast<double>(mm) * scale_)) + originX_);
}

int32_t CPixelMapping::ToPixelY(int64_t mm) const {
  return TruncSaturate(static_cast<double>(TruncSaturate(static_cast<double>(mm) * scale_)) + originY_);
}

int32_t CPixelMapping::ToPixelLength(int64_t mm) const { return TruncSaturate(static_cast<double>(mm) * scale_); }

int32_t CPixelMapping::ToModelX(int64_t px) const {
  return TruncSaturate(static_cast<double>(px - originX_) / scale_);
}

int32_t CPixelMapping::ToModelY(int64_t px) const {
  return TruncSaturate(static_cast<double>(px - originY_) / scale_);
}

bool CPixelMapping::ZoomAbout(int32_t cx, int32_t cy, bool zoomIn) {
  // Multiply on the way in and divide on the way out (rather than multiply
  // by the reciprocal) so that in-then-out returns to the same scale.
  const auto apply = [zoomIn](double v) { return zoomIn ? v * kZoomFactor : v / kZoomFactor; };
  const double scale = apply(scale_);
  if (!IsValidScale(scale)) return false;
  originX_ = TruncSaturate(cx - apply(static_cast<double>(cx) - originX_));
  originY_ = TruncSaturate(cy - apply(static_cast<double>(cy) - originY_));
  scale_ = scale;
  return true;
}

void CPixelMapping::ShiftOriginByModel(int64_t dxMm, int64_t dyMm) {
  originX_ = TruncSaturate(originX_ + static_cast<double>(dxMm) * scale_);
  originY_ = TruncSaturate(originY_ + static_cast<double>(dyMm) * scale_);
}
