#include "insidedimensions.h"

#include <cstdlib>

#include "chamber.h"
#include "modellimits.h"

ModelPoint InwardStep(const CWallCollection& wall) {
  const int32_t sign = wall.ExtendedLength() >= 0 ? 1 : -1;
  return wall.IsVertical() ? ModelPoint{-sign, 0} : ModelPoint{0, sign};
}

std::vector<ModelPoint> InnerCorners(const CChamber& camera) {
  const int count = camera.WallCount();
  const std::vector<ModelPoint> starts = camera.WallStarts();
  const int64_t half = camera.Thickness() / 2;
  std::vector<ModelPoint> corners;
  corners.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const CWallCollection& wall = *camera.WallAt(i);
    const CWallCollection& before = *camera.WallAt((i + count - 1) % count);
    const ModelPoint own = InwardStep(wall);
    int64_t dx = own.x;
    int64_t dy = own.y;
    // Square to each other, both faces shift the corner; straight on, the
    // two faces are one line.
    if (before.IsVertical() != wall.IsVertical()) {
      const ModelPoint other = InwardStep(before);
      dx += other.x;
      dy += other.y;
    }
    const ModelPoint p = starts[static_cast<size_t>(i)];
    corners.push_back({model_limits::SaturateInt32(p.x + half * dx), model_limits::SaturateInt32(p.y + half * dy)});
  }
  return corners;
}

int64_t InsideLength(const CChamber& camera, int index) {
  const int count = camera.WallCount();
  if (index < 0 || index >= count) return 0;
  const std::vector<ModelPoint> corners = InnerCorners(camera);
  const ModelPoint a = corners[static_cast<size_t>(index)];
  const ModelPoint b = corners[static_cast<size_t>((index + 1) % count)];
  return std::llabs(int64_t{b.x} - a.x) + std::llabs(int64_t{b.y} - a.y);
}

int64_t InsideLength(const CChamber& camera, const CWallCollection* wall) {
  return InsideLength(camera, camera.IndexOfWall(wall));
}
