#pragma once

#include <cstdint>
#include <optional>

#include "partitionplacement.h"
#include "sizes.h"

class CChamber;
class CPartition;

// How far a partition stands from the outline wall it runs alongside: the
// clear distance between that wall's inner face and the partition's near
// face, across the partition, mm.
struct PartitionOffset {
  int wall = -1;          // the outline wall measured from
  int64_t distance = 0;   // clear, face to face
  int64_t face = 0;       // the wall's inner face, on the across axis
  int direction = 1;      // +1 when the partition lies towards +x / +y of the face
  int64_t alongFrom = 0;  // the stretch of the partition beside the face, on
  int64_t alongTo = 0;    // its own axis (where a dimension can stand)
  // The clear width from the face to the nearest face across the room that
  // also runs beside the partition; model_limits::kMaxLength when none does.
  int64_t room = 0;

  // The distances the partition may stand at: its body stays between the
  // two faces.
  int64_t MaxDistance(int64_t thickness) const { return room - thickness; }
};

// The nearest outline wall parallel to `partition` whose inner face runs
// beside it, on the room side; none when no such wall faces it.
std::optional<PartitionOffset> NearestParallelFace(const CChamber& camera, const PartitionSpec& partition);

// The partition's distance from the wall beside it as a dimension: a line
// square to both, half way along the stretch they share, from the wall's
// inner face to the partition's near face; none when no wall faces it or
// it stands against the face.
std::optional<DimensionRecord> PartitionOffsetDimension(const CChamber& camera, const PartitionSpec& partition);
std::optional<DimensionRecord> PartitionOffsetDimension(const CChamber& camera, const CPartition& partition);

// `partition` moved across so that it stands `distance` mm from the face of
// `offset` (which was measured for it).
PartitionSpec AtDistance(const PartitionSpec& partition, const PartitionOffset& offset, int64_t distance);
