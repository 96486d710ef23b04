#include "geometry.h"

#include "modellimits.h"

ModelRect SegmentRect(ModelPoint start, int32_t extent, int32_t thickness, Orientation o) {
  using model_limits::SaturateInt32;
  const int64_t half = thickness / 2;
  const int64_t shift = extent >= 0 ? half : -half;
  // Along the run: from the start to start + extent, moved by the shift;
  // across: half a thickness either side of the reference line.
  const int64_t along = o == Orientation::kHorizontal ? start.x : start.y;
  const int64_t across = o == Orientation::kHorizontal ? start.y : start.x;
  const int32_t a1 = SaturateInt32(along + shift);
  const int32_t a2 = SaturateInt32(along + extent + shift);
  const int32_t c1 = SaturateInt32(across - half);
  const int32_t c2 = SaturateInt32(across + half);
  if (o == Orientation::kHorizontal) return ModelRect{a1, c1, a2, c2};
  return ModelRect{c1, a1, c2, a2};
}
