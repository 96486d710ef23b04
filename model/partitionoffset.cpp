#include "partitionoffset.h"

#include <algorithm>

#include "chamber.h"
#include "insidedimensions.h"
#include "modellimits.h"

std::optional<PartitionOffset> NearestParallelFace(const CChamber& camera, const PartitionSpec& partition) {
  const bool vertical = partition.orientation == Orientation::kVertical;
  const ModelRect body = SegmentRect(partition.start, partition.length, camera.Thickness(), partition.orientation);
  const int64_t low = vertical ? body.Left() : body.Top();  // across
  const int64_t high = vertical ? body.Right() : body.Bottom();
  const int64_t from = vertical ? body.Top() : body.Left();  // along
  const int64_t to = vertical ? body.Bottom() : body.Right();
  const std::vector<ModelPoint> corners = InnerCorners(camera);
  const int count = camera.WallCount();
  // Every inner face parallel to the partition that runs beside it.
  struct Face {
    int wall;
    int64_t across;
    int direction;  // towards the room
    int64_t spanFrom, spanTo;
  };
  std::vector<Face> faces;
  for (int i = 0; i < count; ++i) {
    const CWallCollection& wall = *camera.WallAt(i);
    if (wall.GetOrientation() != partition.orientation) continue;
    const ModelPoint a = corners[static_cast<size_t>(i)];
    const ModelPoint b = corners[static_cast<size_t>((i + 1) % count)];
    const int64_t spanFrom = std::max<int64_t>(from, std::min(vertical ? a.y : a.x, vertical ? b.y : b.x));
    const int64_t spanTo = std::min<int64_t>(to, std::max(vertical ? a.y : a.x, vertical ? b.y : b.x));
    if (spanFrom >= spanTo) continue;
    const ModelPoint inward = InwardStep(wall);
    faces.push_back({i, vertical ? a.x : a.y, vertical ? inward.x : inward.y, spanFrom, spanTo});
  }
  // The room lies on a face's inward side; the partition must too.
  std::optional<PartitionOffset> nearest;
  for (const Face& f : faces) {
    const int64_t distance = f.direction > 0 ? low - f.across : f.across - high;
    if (distance < 0 || (nearest && distance >= nearest->distance)) continue;
    nearest = PartitionOffset{f.wall, distance, f.across, f.direction, f.spanFrom, f.spanTo, model_limits::kMaxLength};
  }
  if (!nearest) return nearest;
  for (const Face& f : faces) {
    if (f.direction == nearest->direction) continue;
    const int64_t width = (f.across - nearest->face) * nearest->direction;
    if (width >= nearest->distance + (high - low) && width < nearest->room) nearest->room = width;
  }
  return nearest;
}

std::optional<DimensionRecord> PartitionOffsetDimension(const CChamber& camera, const PartitionSpec& partition) {
  const std::optional<PartitionOffset> offset = NearestParallelFace(camera, partition);
  if (!offset || offset->distance <= 0) return std::nullopt;
  // Across the partition is the dimension's own axis.
  const bool vertical = partition.orientation == Orientation::kVertical;
  const auto at = [vertical](int64_t across, int64_t along) {
    const int32_t a = model_limits::SaturateInt32(across);
    const int32_t b = model_limits::SaturateInt32(along);
    return vertical ? ModelPoint{a, b} : ModelPoint{b, a};
  };
  constexpr int64_t kTextBack = 40;  // as far as the chains keep theirs
  const int64_t along = offset->alongFrom + (offset->alongTo - offset->alongFrom) / 2;
  const int64_t from = std::min(offset->face, offset->face + offset->direction * offset->distance);
  const int64_t to = std::max(offset->face, offset->face + offset->direction * offset->distance);
  DimensionRecord r;
  r.extension1 = {at(to, along), at(to, along)};
  r.extension2 = {at(from, along), at(from, along)};
  SetDimensionLine(r, vertical, from, to, along);
  // The number just beside the line, starting at its middle.
  r.textAt = at(from + (to - from) / 2, along - kTextBack);
  r.verticalText = !vertical;
  return r;
}

std::optional<DimensionRecord> PartitionOffsetDimension(const CChamber& camera, const CPartition& partition) {
  return PartitionOffsetDimension(camera, PartitionSpec{partition.Start(), partition.Length(), partition.GetOrientation()});
}

PartitionSpec AtDistance(const PartitionSpec& partition, const PartitionOffset& offset, int64_t distance) {
  const int64_t shift = (distance - offset.distance) * offset.direction;
  PartitionSpec moved = partition;
  int32_t& across = partition.orientation == Orientation::kVertical ? moved.start.x : moved.start.y;
  across = model_limits::SaturateInt32(across + shift);
  return moved;
}
