#include "walldrag.h"

#include "chamber.h"
#include "insidedimensions.h"
#include "modellimits.h"

int64_t DragOutward(const CChamber& camera, int index, ModelPoint from, ModelPoint to) {
  const CWallCollection* wall = camera.WallAt(index);
  if (!wall) return 0;
  const ModelPoint inward = InwardStep(*wall);
  return -((int64_t{to.x} - from.x) * inward.x + (int64_t{to.y} - from.y) * inward.y);
}

int64_t RoundToStep(int64_t distance, int64_t step) {
  if (step <= 0) return distance;
  const int64_t half = step / 2;
  return distance >= 0 ? (distance + half) / step * step : -((-distance + half) / step * step);
}

std::vector<ModelPoint> OutlineWithWallMoved(const CChamber& camera, int index, int64_t outward) {
  std::vector<ModelPoint> points = camera.WallStarts();
  const CWallCollection* wall = camera.WallAt(index);
  if (!wall || points.empty()) return points;
  const ModelPoint inward = InwardStep(*wall);
  const auto shift = [&](ModelPoint& p) {
    p = {model_limits::SaturateInt32(p.x - outward * inward.x), model_limits::SaturateInt32(p.y - outward * inward.y)};
  };
  shift(points[static_cast<size_t>(index)]);
  shift(points[(static_cast<size_t>(index) + 1) % points.size()]);
  return points;
}
