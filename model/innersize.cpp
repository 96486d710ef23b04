#include "innersize.h"

#include <cmath>
#include <vector>

#include "chamber.h"
#include "geometry.h"
#include "paneltally.h"

namespace {

// Lengths closer than this are one length.
constexpr double kSameLength = 0.01;

}  // namespace

CameraSizes MeasureCameraSizes(const CChamber& camera) {
  const int64_t t = camera.Thickness();
  CameraSizes sizes;
  sizes.outerWidth = int64_t{camera.Width()} + t;
  sizes.outerDepth = int64_t{camera.Depth()} + t;
  sizes.outerHeight = int64_t{camera.Height()} + 2 * t;
  sizes.innerWidth = int64_t{camera.Width()} - t;
  sizes.innerDepth = int64_t{camera.Depth()} - t;
  sizes.innerHeight = camera.Height();
  return sizes;
}

double InnerFloorArea(const CChamber& camera) {
  const std::vector<ModelPoint> chain = camera.WallStarts();
  if (chain.size() < 4) return 0.0;
  // Twice the signed area and the perimeter, in double: the sums of
  // products of millimetres leave int32 at once.
  double twiceArea = 0.0;
  double perimeter = 0.0;
  for (size_t i = 0; i < chain.size(); ++i) {
    const ModelPoint& a = chain[i];
    const ModelPoint& b = chain[(i + 1) % chain.size()];
    twiceArea += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    perimeter += std::fabs(static_cast<double>(b.x) - a.x) + std::fabs(static_cast<double>(b.y) - a.y);
  }
  const double t = camera.Thickness();
  const double inner = std::fabs(twiceArea) / 2.0 - perimeter * t / 2.0 + t * t;
  return inner > 0.0 && std::isfinite(inner) ? inner / 1e6 : 0.0;
}

double InnerVolumeFromCeiling(std::span<const FloorPanelTally> ceiling, int32_t lengthA, int32_t lengthB,
                              int32_t thickness, int32_t innerHeight) {
  const double t = thickness;
  double area = 0.0;
  for (size_t i = 0; i < ceiling.size(); ++i) {
    const FloorPanelTally& group = ceiling[i];
    area += static_cast<double>(group.count) * group.width * group.length;
    // Strips of another length meet the previous one across a wall.
    if (i > 0 && std::fabs(static_cast<double>(group.length) - ceiling[i - 1].length) > kSameLength) {
      area -= t * group.length;
    }
  }
  area -= 2.0 * lengthA * t;
  area -= 2.0 * lengthB * t;
  return area / 1e6 * (innerHeight / 1000.0);
}

double CameraInnerVolume(const CChamber& camera) {
  std::vector<FloorPanelTally> ceiling;
  if (TallyFloorPanels(camera, ceiling) && !ceiling.empty())
    return InnerVolumeFromCeiling(ceiling, camera.Width(), camera.Depth(), camera.Thickness(), camera.Height());
  const int32_t height = camera.Height();
  return height > 0 ? InnerFloorArea(camera) * (height / 1000.0) : 0.0;
}
