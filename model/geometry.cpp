#include "geometry.h"

#include <algorithm>
#include <cstddef>

#include "modellimits.h"

using model_limits::SaturateInt32;

ModelRect SegmentRect(ModelPoint start, int32_t extent, int32_t thickness, Orientation o) {
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

namespace {

int64_t Sign(int64_t v) { return (v > 0) - (v < 0); }

struct Point {
  int64_t x = 0;
  int64_t y = 0;
};

// One wall of the outline: its reference start and the step to its end.
struct Leg {
  Point start;
  Point step;
  bool IsVertical() const { return step.x == 0; }
};

// A horizontal edge of the grown outline, [left, right) along x.
struct FloorEdge {
  int64_t left;
  int64_t right;
  int64_t y;
  int winding;  // +1 running towards +x, -1 the other way
};

struct FloorOutline {
  std::vector<FloorEdge> horizontals;
  std::vector<int64_t> columnEdges;  // x of the vertical edges, ascending, distinct
  // Outer faces of the vertical walls with the floor on their right / left,
  // ascending.
  std::vector<int64_t> floorRightFaces;
  std::vector<int64_t> floorLeftFaces;
};

// A y range [top, bottom].
struct Span {
  int64_t top;
  int64_t bottom;
};

struct Piece {
  int64_t x1, y1, x2, y2;
};

// The walls between successive distinct points; empty when a step is not
// horizontal or vertical.
std::vector<Leg> Legs(std::span<const ModelPoint> chain) {
  std::vector<Leg> legs;
  const size_t n = chain.size();
  legs.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const Point a{chain[i].x, chain[i].y};
    const Point b{chain[(i + 1) % n].x, chain[(i + 1) % n].y};
    const Point step{b.x - a.x, b.y - a.y};
    if (step.x == 0 && step.y == 0) continue;
    if (step.x != 0 && step.y != 0) return {};
    legs.push_back({a, step});
  }
  return legs;
}

// Moves every reference point half a thickness outwards across each wall
// that meets it; the outer side is the left of the direction of travel when
// the chain runs clockwise on screen (y down), the right otherwise. Where two
// pieces of a split wall meet, only their common face counts; collinear
// walls that run apart get a joining edge so that the outline stays closed.
FloorOutline TraceFloor(const std::vector<Leg>& legs, int64_t h) {
  FloorOutline outline;
  const size_t n = legs.size();
  // The leftmost vertical wall has the floor on its right: it runs up when
  // the chain runs clockwise.
  const Leg* leftmost = nullptr;
  for (const Leg& leg : legs)
    if (leg.IsVertical() && (!leftmost || leg.start.x < leftmost->start.x)) leftmost = &leg;
  const int64_t side = leftmost && leftmost->step.y > 0 ? -1 : 1;
  const auto outward = [side](const Leg& leg) { return Point{side * Sign(leg.step.y), -side * Sign(leg.step.x)}; };
  const auto offset = [h](Point p, Point a, Point b) { return Point{p.x + h * (a.x + b.x), p.y + h * (a.y + b.y)}; };
  const auto add = [&outline](Point a, Point b) {
    if (a.y == b.y && a.x != b.x)
      outline.horizontals.push_back({std::min(a.x, b.x), std::max(a.x, b.x), a.y, b.x > a.x ? 1 : -1});
    else if (a.x == b.x && a.y != b.y)
      outline.columnEdges.push_back(a.x);
  };
  const Point none{};
  for (size_t i = 0; i < n; ++i) {
    const Leg& leg = legs[i];
    const Leg& prev = legs[(i + n - 1) % n];
    const Leg& next = legs[(i + 1) % n];
    const Point out = outward(leg);
    const Point end{leg.start.x + leg.step.x, leg.start.y + leg.step.y};
    const Point from = offset(leg.start, out, prev.IsVertical() != leg.IsVertical() ? outward(prev) : none);
    const Point to = offset(end, out, next.IsVertical() != leg.IsVertical() ? outward(next) : none);
    add(from, to);
    if (next.IsVertical() == leg.IsVertical()) add(to, offset(end, outward(next), none));
    if (leg.IsVertical()) (out.x < 0 ? outline.floorRightFaces : outline.floorLeftFaces).push_back(from.x);
  }
  for (std::vector<int64_t>* v : {&outline.columnEdges, &outline.floorRightFaces, &outline.floorLeftFaces}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  std::sort(outline.horizontals.begin(), outline.horizontals.end(),
            [](const FloorEdge& l, const FloorEdge& r) { return l.y < r.y; });
  return outline;
}

// Appends the stretches of floor the column between x positions a < b
// crosses, top to bottom: where the outline winds around the column's middle.
// Edges at one y are taken together, so walls that touch do not split a
// stretch, and walls that overlap do not make rectangles overlap. The
// outline's horizontal edges are sorted by y.
void AddColumn(const FloorOutline& outline, int64_t a, int64_t b, std::vector<Piece>& column) {
  const int64_t middle2 = a + b;  // twice the middle, to stay in integers
  const auto crosses = [middle2](const FloorEdge& e) { return 2 * e.left <= middle2 && middle2 < 2 * e.right; };
  const std::vector<FloorEdge>& edges = outline.horizontals;
  int winding = 0;
  for (size_t i = 0; i < edges.size();) {
    const int64_t y = edges[i].y;
    const int before = winding;
    for (; i < edges.size() && edges[i].y == y; ++i)
      if (crosses(edges[i])) winding += edges[i].winding;
    if (before == 0 && winding != 0) column.push_back({a, y, b, y});
    if (before != 0 && winding == 0) column.back().y2 = y;
  }
}

// Removes [top, bottom] from the free stretches when one of them holds it.
bool Take(std::vector<Span>& free, int64_t top, int64_t bottom) {
  for (size_t i = 0; i < free.size(); ++i) {
    const Span s = free[i];
    if (s.top > top || s.bottom < bottom) continue;
    free.erase(free.begin() + static_cast<std::ptrdiff_t>(i));
    if (bottom < s.bottom) free.insert(free.begin() + static_cast<std::ptrdiff_t>(i), Span{bottom, s.bottom});
    if (s.top < top) free.insert(free.begin() + static_cast<std::ptrdiff_t>(i), Span{s.top, top});
    return true;
  }
  return false;
}

// The column between two walls back to back (see FloorRects): whole
// rectangles on the left take their height of it, rectangles on the right the
// rest, split where their share begins or ends. What neither side can take
// stays in the column.
void ShareSeam(std::vector<Piece>& left, std::vector<Piece>& seam, std::vector<Piece>& right) {
  if (seam.empty()) return;
  const int64_t a = seam.front().x1;
  const int64_t b = seam.front().x2;
  std::vector<Span> free;
  for (const Piece& p : seam) free.push_back({p.y1, p.y2});
  for (Piece& p : left)
    if (p.x2 == a && Take(free, p.y1, p.y2)) p.x2 = b;
  std::vector<Piece> shared;
  for (const Piece& p : right) {
    if (p.x1 != b) {
      shared.push_back(p);
      continue;
    }
    std::vector<Span> taken;
    for (const Span& s : free)
      if (std::max(s.top, p.y1) < std::min(s.bottom, p.y2))
        taken.push_back({std::max(s.top, p.y1), std::min(s.bottom, p.y2)});
    int64_t y = p.y1;
    for (const Span& s : taken) {
      if (y < s.top) shared.push_back({b, y, p.x2, s.top});
      shared.push_back({a, s.top, p.x2, s.bottom});
      Take(free, s.top, s.bottom);
      y = s.bottom;
    }
    if (y < p.y2) shared.push_back({b, y, p.x2, p.y2});
  }
  right = std::move(shared);
  seam.clear();
  for (const Span& s : free) seam.push_back({a, s.top, b, s.bottom});
}

}  // namespace

std::vector<ModelRect> FloorRects(std::span<const ModelPoint> chain, int32_t thickness) {
  const int64_t h = thickness > 0 ? thickness / 2 : 0;
  const FloorOutline outline = TraceFloor(Legs(chain), h);
  const std::vector<int64_t>& edges = outline.columnEdges;
  std::vector<std::vector<Piece>> columns(edges.empty() ? 0 : edges.size() - 1);
  for (size_t c = 0; c < columns.size(); ++c) AddColumn(outline, edges[c], edges[c + 1], columns[c]);
  for (size_t c = 1; c + 1 < columns.size(); ++c)
    if (edges[c + 1] - edges[c] <= 2 * h &&
        std::binary_search(outline.floorRightFaces.begin(), outline.floorRightFaces.end(), edges[c]) &&
        std::binary_search(outline.floorLeftFaces.begin(), outline.floorLeftFaces.end(), edges[c + 1]))
      ShareSeam(columns[c - 1], columns[c], columns[c + 1]);
  std::vector<ModelRect> rects;
  rects.reserve(columns.size());
  for (const std::vector<Piece>& column : columns)
    for (const Piece& p : column)
      rects.push_back({SaturateInt32(p.x1), SaturateInt32(p.y1), SaturateInt32(p.x2), SaturateInt32(p.y2)});
  return rects;
}

bool IsSimpleOutline(std::span<const ModelPoint> chain) {
  const size_t n = chain.size();
  if (n < 4) return false;
  // A horizontal or vertical wall is its own bounding box, so two walls
  // share a point exactly when their boxes meet. Sorted by left edge, each
  // wall is compared only with those starting before its right edge; a
  // vertical wall meets only walls starting on its own line, sorted there
  // from the top, so a long straight row of pieces costs one step each.
  struct Box {
    int64_t left, top, right, bottom;
    size_t index;
  };
  std::vector<Box> boxes(n);
  for (size_t i = 0; i < n; ++i) {
    const ModelPoint a = chain[i];
    const ModelPoint b = chain[(i + 1) % n];
    boxes[i] = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), i};
  }
  std::sort(boxes.begin(), boxes.end(),
            [](const Box& a, const Box& b) { return a.left != b.left ? a.left < b.left : a.top < b.top; });
  const auto step = [chain, n](size_t i) {
    const ModelPoint a = chain[i];
    const ModelPoint b = chain[(i + 1) % n];
    return Point{int64_t{b.x} - a.x, int64_t{b.y} - a.y};
  };
  for (size_t i = 0; i < n; ++i) {
    const Box& a = boxes[i];
    for (size_t j = i + 1; j < n && boxes[j].left <= a.right; ++j) {
      const Box& b = boxes[j];
      if (b.top > a.bottom && a.left == a.right) break;
      if (b.top > a.bottom || a.top > b.bottom) continue;
      // Neighbours always share their common point; beyond it only when the
      // second runs back along the first.
      size_t first = 0;
      if ((a.index + 1) % n == b.index) {
        first = a.index;
      } else if ((b.index + 1) % n == a.index) {
        first = b.index;
      } else {
        return false;
      }
      const Point s1 = step(first);
      const Point s2 = step((first + 1) % n);
      if (s1.x * s2.x + s1.y * s2.y < 0) return false;
    }
  }
  return true;
}
