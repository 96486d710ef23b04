#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Plan geometry in model millimetres: x to the right, y downwards (the
// window's orientation).

// Direction of a straight run. Stored as a byte in camera files, where any
// non-zero value counts as vertical.
enum class Orientation : uint8_t { kHorizontal = 0, kVertical = 1 };

constexpr Orientation OrientationFromByte(int32_t value) {
  return value == 0 ? Orientation::kHorizontal : Orientation::kVertical;
}
constexpr int32_t OrientationByte(Orientation o) { return o == Orientation::kHorizontal ? 0 : 1; }
constexpr Orientation Perpendicular(Orientation o) {
  return o == Orientation::kHorizontal ? Orientation::kVertical : Orientation::kHorizontal;
}

struct ModelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ModelPoint&, const ModelPoint&) = default;
};

// Two corners as a computation produced them, not put in order: drawing
// starts panel runs at (x1, y1), so the order carries meaning.
struct ModelRect {
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  int32_t Left() const { return x1 < x2 ? x1 : x2; }
  int32_t Right() const { return x1 < x2 ? x2 : x1; }
  int32_t Top() const { return y1 < y2 ? y1 : y2; }
  int32_t Bottom() const { return y1 < y2 ? y2 : y1; }
  // Edges included.
  bool Contains(int32_t x, int32_t y) const { return x >= Left() && x <= Right() && y >= Top() && y <= Bottom(); }
  friend bool operator==(const ModelRect&, const ModelRect&) = default;
};

// A point's coordinate, and a rectangle's low and high edges, along the
// axis of orientation `o`.
inline int64_t AlongOf(const ModelPoint& p, Orientation o) { return o == Orientation::kHorizontal ? p.x : p.y; }
inline int64_t LowAlong(const ModelRect& r, Orientation o) { return o == Orientation::kHorizontal ? r.Left() : r.Top(); }
inline int64_t HighAlong(const ModelRect& r, Orientation o) {
  return o == Orientation::kHorizontal ? r.Right() : r.Bottom();
}

// The body of a straight run of thickness t that starts at `start` and
// reaches `extent` mm along `o` (signed). The run is t wide, centred on its
// reference line, and shifted half a thickness forward in its direction of
// travel: for an outline segment (extent = its extended length) it covers
// the panels and the corner post at its far end; for a partition (extent =
// its length) just the panels. Half a thickness is t / 2 truncated.
// Results saturate at the int32 range instead of overflowing.
ModelRect SegmentRect(ModelPoint start, int32_t extent, int32_t thickness, Orientation o);

// Whether a closed outline of horizontal and vertical steps is one simple
// loop: no two walls that do not follow each other in the chain cross or
// touch, and neighbours meet only at their common point (a wall that turns
// straight back over its neighbour fails). `chain` lists the reference
// points in order, the last joined to the first, with no step of length 0.
// Fewer than four points enclose nothing: false.
bool IsSimpleOutline(std::span<const ModelPoint> chain);

// The floor of a closed outline cut into rectangles: the panels' strips. The
// floor runs under the walls to their outer faces, so it is the region
// inside the reference chain grown by half a thickness (t / 2 truncated) on
// every side, with square corners. It is cut into columns at the x positions
// of the grown outline's vertical edges, and each column into one rectangle
// per stretch of floor it crosses; the rectangles come column by column from
// the left, top to bottom within a column, as (left, top, right, bottom).
// Where a wall with the floor on its left stands on the line of a wall with
// the floor on its right, or less than a thickness to the left of it (the
// outline passes there twice, as in a Z), the column between their outer
// faces, at most a thickness wide, is shared out to the rectangles beside it
// instead of becoming a strip no panel fits.
//
// `chain` lists the reference points in order, the last joined to the
// first; it may be traced either way round. Repeated points are skipped. An
// outline that is not a closed chain of horizontal and vertical steps gives
// no rectangles; a thickness below 1 counts as 0. Coordinates are taken as
// they are (the camera keeps them within model_limits); results saturate at
// the int32 range. Walls that overlap one another get the floor of the
// region they enclose, without rectangles overlapping.
std::vector<ModelRect> FloorRects(std::span<const ModelPoint> chain, int32_t thickness);
