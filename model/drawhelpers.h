#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "drawcontext.h"
#include "geometry.h"
#include "pixelmapping.h"

// Small pieces shared by the drawing files of the model.
namespace draw_helpers {

// The pixel box of a model rectangle, its corners mapped one by one and put
// in order.
inline PixelRect MapRect(const CPixelMapping& mapping, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int32_t px1 = mapping.ToPixelX(x1);
  const int32_t px2 = mapping.ToPixelX(x2);
  const int32_t py1 = mapping.ToPixelY(y1);
  const int32_t py2 = mapping.ToPixelY(y2);
  return {std::min(px1, px2), std::min(py1, py2), std::max(px1, px2), std::max(py1, py2)};
}

inline PixelRect MapRect(const CPixelMapping& mapping, const ModelRect& r) {
  return MapRect(mapping, r.x1, r.y1, r.x2, r.y2);
}

inline PixelPoint MapPoint(const CPixelMapping& mapping, int64_t x, int64_t y) {
  return {mapping.ToPixelX(x), mapping.ToPixelY(y)};
}

// A length as the plan writes it ("%d").
inline std::string Number(int64_t value) { return std::to_string(value); }

// Whether `text` in `font` fits into `room` pixels along its line, so that a
// number is drawn only where it does not run into its neighbours; a zoom in
// brings it back. A font without a fixed character width (the printer's)
// always fits: the page decides its own scale.
inline bool TextFits(const std::optional<DrawFont>& font, const std::string& text, int64_t room) {
  if (!font || font->width <= 0) return true;
  constexpr int64_t kGapPixels = 2;
  return int64_t{font->width} * static_cast<int64_t>(text.size()) + kGapPixels <= room;
}

}  // namespace draw_helpers
