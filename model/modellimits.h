#pragma once

#include <cstdint>
#include <limits>

// Bounds that every model operation enforces on what it is given. Geometry
// reaches the model from typed values and from replayed camera files, so an
// operation refuses (changes nothing, reports why) rather than let a length,
// a coordinate or a count grow without bound: sums of int32 millimetres would
// otherwise overflow, and loops over panels would never end.
namespace model_limits {

// Largest magnitude of any length or coordinate, mm.
constexpr int32_t kMaxLength = 1'000'000;
// Most panels in one run (wall, partition or floor strip).
constexpr int32_t kMaxPanelsPerRun = 100'000;
// Most outline segments and most partitions of one camera. A real camera has
// a few dozen; the bound keeps a hostile camera file from growing the outline
// (every corner or move adds a segment) until each edit takes minutes.
// Most cut pieces of one floor panel.
constexpr int32_t kMaxCutPieces = 1'000;
constexpr int32_t kMaxOutlineWalls = 1'000;
constexpr int32_t kMaxPartitions = 1'000;

// What a real camera can be, for what the user types (the new camera
// dialog, zamo-cli new): the outer height is at most the longest wall panel
// the factory makes, the outer length and width at most 100 m. Cameras
// already built (replayed files) are held only to kMaxLength.
constexpr int32_t kMaxWallPanelLength = 12'000;
constexpr int32_t kMaxCameraSide = 100'000;

constexpr bool WithinLength(int64_t v) { return v >= -kMaxLength && v <= kMaxLength; }

// Narrows a 64-bit intermediate to int32, saturating at the ends of the range.
constexpr int32_t SaturateInt32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace model_limits
