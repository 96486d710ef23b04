#include "partitionplacement.h"

#include <algorithm>

#include "chamber.h"
#include "modellimits.h"

using model_limits::SaturateInt32;

namespace {

// Where a partition of `orientation` meets outline wall `index`: the face
// of the wall towards the inside of the camera, as the coordinate along the
// partition. The outline runs clockwise, so the direction of the wall tells
// which of its faces is inside.
int64_t InnerEdge(const CChamber& camera, int index, Orientation orientation) {
  const ModelRect body = camera.WallRect(index);
  const bool forward = camera.WallAt(index)->ExtendedLength() >= 0;
  if (orientation == Orientation::kVertical) return forward ? body.Bottom() : body.Top();
  return forward ? body.Left() : body.Right();
}

Orientation Across(Orientation o) {
  return o == Orientation::kHorizontal ? Orientation::kVertical : Orientation::kHorizontal;
}

}  // namespace

std::optional<PartitionPlacement> PlacePartition(const CChamber& camera, ModelPoint start, int startWall,
                                                 ModelPoint end, int endWall) {
  const CWallCollection* from = camera.WallAt(startWall);
  const CWallCollection* to = camera.WallAt(endWall);
  PartitionPlacement p;
  p.thickness = camera.Thickness();
  if (from) {
    p.orientation = Across(from->GetOrientation());
  } else if (std::llabs(int64_t{end.y} - start.y) > std::llabs(int64_t{end.x} - start.x)) {
    p.orientation = Orientation::kVertical;
  }
  if (to && to->GetOrientation() == p.orientation) return std::nullopt;
  const bool vertical = p.orientation == Orientation::kVertical;
  p.fromWall = from != nullptr;
  p.toWall = to != nullptr;
  p.startAlong = from ? InnerEdge(camera, startWall, p.orientation) : (vertical ? start.y : start.x);
  p.endAlong = to ? InnerEdge(camera, endWall, p.orientation) : (vertical ? end.y : end.x);
  p.startAcross = vertical ? start.x : start.y;
  p.endAcross = vertical ? end.x : end.y;
  return p;
}

PartitionSpec PartitionPlacement::ForLength(int32_t length) const {
  const int64_t t = thickness;
  int64_t along = startAlong;
  int64_t across = startAcross;
  int64_t signedLength = -int64_t{length};
  if (fromWall && !toWall) {
    if (startAlong <= endAlong) {
      signedLength = length;
      along -= t;
    }
  } else if (toWall && !fromWall) {
    if (startAlong > endAlong) {
      signedLength = length;
      along = endAlong - t;
    } else {
      along = endAlong;
    }
  } else {
    along = std::max(startAlong, endAlong);
    across = std::max(startAcross, endAcross);
  }
  const bool vertical = orientation == Orientation::kVertical;
  const int64_t half = t / 2;
  return {{SaturateInt32((vertical ? across : along) + half), SaturateInt32((vertical ? along : across) + half)},
          SaturateInt32(signedLength),
          orientation};
}

PartitionSpec PartitionContinuation::ForLength(int32_t length) const {
  return {start, direction * length, orientation};
}

std::array<PartitionContinuation, 2> ContinueAsPartitions(const CChamber& camera, int index) {
  std::array<PartitionContinuation, 2> sides;
  sides[0].direction = -1;
  const CWallCollection* run = camera.WallAt(index);
  if (!run) return sides;
  const ModelRect wall = camera.WallRect(index);
  const int64_t t = camera.Thickness();
  const bool horizontal = run->GetOrientation() == Orientation::kHorizontal;
  const auto low = [horizontal](const ModelRect& r) { return horizontal ? r.Left() : r.Top(); };
  const auto high = [horizontal](const ModelRect& r) { return horizontal ? r.Right() : r.Bottom(); };
  const auto spans = [horizontal, &wall](const ModelRect& r) {
    return horizontal ? r.Top() <= wall.Top() && r.Bottom() >= wall.Bottom()
                      : r.Left() <= wall.Left() && r.Right() >= wall.Right();
  };
  // The partition runs on the wall's reference line.
  const int64_t across = (horizontal ? wall.Top() : wall.Left()) + t / 2;
  const auto side = [&](PartitionContinuation& s, int64_t along, auto beyond, auto gapTo) {
    s.orientation = run->GetOrientation();
    s.start = {SaturateInt32(horizontal ? along : across), SaturateInt32(horizontal ? across : along)};
    for (int i = 0; i < camera.WallCount(); ++i) {
      const ModelRect other = camera.WallRect(i);
      if (!beyond(other) || !spans(other)) continue;
      const int64_t gap = gapTo(other);
      if (gap <= 0) return;
      s.gaps.push_back(gap);
    }
  };
  side(
      sides[0], low(wall) + t / 2, [&](const ModelRect& r) { return low(r) < low(wall); },
      [&](const ModelRect& r) { return int64_t{low(wall)} - low(r) - t; });
  side(
      sides[1], high(wall) + t / 2, [&](const ModelRect& r) { return high(r) > high(wall); },
      [&](const ModelRect& r) { return int64_t{high(r)} - high(wall) - 2 * t; });
  return sides;
}

ModelPoint PartitionStartFace(ModelPoint start, int32_t length, Orientation o, int32_t thickness) {
  const int64_t shift = length >= 0 ? thickness / 2 : -(thickness / 2);
  return o == Orientation::kHorizontal ? ModelPoint{model_limits::SaturateInt32(start.x + shift), start.y}
                                       : ModelPoint{start.x, model_limits::SaturateInt32(start.y + shift)};
}

bool PartitionFits(const CChamber& camera, const ModelRect& body, ModelPoint startFace) {
  // Inside the outline: its middle lies within the chain of reference
  // points (crossing count of a ray to the right)...
  const int64_t mx = (int64_t{body.Left()} + body.Right()) / 2;
  const int64_t my = (int64_t{body.Top()} + body.Bottom()) / 2;
  const std::vector<ModelPoint> chain = camera.WallStarts();
  bool inside = false;
  for (size_t i = 0; i < chain.size(); ++i) {
    const ModelPoint a = chain[i];
    const ModelPoint b = chain[(i + 1) % chain.size()];
    if ((a.y > my) == (b.y > my)) continue;
    const double x = a.x + double(my - a.y) * (b.x - a.x) / double(b.y - a.y);
    if (x > double(mx)) inside = !inside;
  }
  if (!inside) return false;
  // ...and it cuts into no wall (touching a wall's face is how it stands;
  // the wall it starts from, a corner post it is continued through, is not
  // in its way).
  for (int i = 0; i < camera.WallCount(); ++i) {
    const ModelRect w = camera.WallRect(i);
    if (w.Contains(startFace.x, startFace.y)) continue;
    if (body.Left() < w.Right() && w.Left() < body.Right() && body.Top() < w.Bottom() && w.Top() < body.Bottom())
      return false;
  }
  return true;
}

int64_t PartitionFreeLength(const CChamber& camera, Orientation orientation, int64_t startAlong, int sign,
                            int64_t acrossLow) {
  const Orientation across = Perpendicular(orientation);
  const int64_t acrossHigh = acrossLow + camera.Thickness();
  int64_t free = model_limits::kMaxLength;
  const int64_t acrossMiddle = acrossLow + camera.Thickness() / 2;
  const ModelPoint startFace = orientation == Orientation::kHorizontal
                                   ? ModelPoint{model_limits::SaturateInt32(startAlong), model_limits::SaturateInt32(acrossMiddle)}
                                   : ModelPoint{model_limits::SaturateInt32(acrossMiddle), model_limits::SaturateInt32(startAlong)};
  const auto meet = [&](const ModelRect& body) {
    // Only a body across the partition's whole path stops it; one it
    // merely touches at an edge does not, nor the one it starts from.
    if (LowAlong(body, across) >= acrossHigh || HighAlong(body, across) <= acrossLow) return;
    if (body.Contains(startFace.x, startFace.y)) return;
    const int64_t gap = sign > 0 ? LowAlong(body, orientation) - startAlong : startAlong - HighAlong(body, orientation);
    if (gap >= 0) free = std::min(free, gap);
  };
  for (int i = 0; i < camera.WallCount(); ++i) meet(camera.WallRect(i));
  for (int i = 0; i < camera.PartitionCount(); ++i) meet(camera.PartitionAt(i)->Rect());
  return free;
}
