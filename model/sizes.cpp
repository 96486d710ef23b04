#include "sizes.h"

#include <algorithm>

#include "chamber.h"

void CSizes::AddWall(CWallCollection* wall) {
  if (!wall) return;
  if (walls_.empty() || !camera_) {
    walls_.push_back(wall);
    return;
  }
  ModelPoint own;
  ModelPoint first;
  camera_->GetWallStartOf(wall, &own.x, &own.y);
  camera_->GetWallStartOf(walls_.front(), &first.x, &first.y);
  // A segment that comes before the current first one along its own
  // direction of travel goes to the front; only the first is compared.
  const int32_t e = wall->ExtendedLength();
  const int32_t ownAlong = wall->IsVertical() ? own.y : own.x;
  const int32_t firstAlong = wall->IsVertical() ? first.y : first.x;
  const bool inFront = (e > 0 && firstAlong > ownAlong) || (e < 0 && firstAlong < ownAlong);
  if (inFront)
    walls_.insert(walls_.begin(), wall);
  else
    walls_.push_back(wall);
}

int CSizes::IndexOf(const CWallCollection* wall) const {
  const auto it = std::find(walls_.begin(), walls_.end(), wall);
  return it == walls_.end() ? -1 : static_cast<int>(it - walls_.begin());
}

std::vector<int> CSizes::WallIndices() const {
  std::vector<int> indices;
  indices.reserve(walls_.size());
  for (const CWallCollection* wall : walls_) indices.push_back(camera_ ? camera_->IndexOfWall(wall) : -1);
  return indices;
}

std::vector<int32_t> ChamberDimensions::Values(std::span<const DimensionRecord> chain) {
  std::vector<int32_t> values;
  values.reserve(chain.size());
  for (const DimensionRecord& record : chain) values.push_back(record.value);
  return values;
}

ChamberDimensions MeasureDimensions(const CChamber& camera) {
  ChamberDimensions dimensions;
  dimensions.top = camera.Top().Measure();
  dimensions.right = camera.Right().Measure();
  dimensions.bottom = camera.Bottom().Measure();
  dimensions.left = camera.Left().Measure();
  dimensions.floorCuts = camera.Right().MeasureFloorCuts();
  return dimensions;
}
