#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "geometry.h"

class CChamber;

// Where the partition commands put a partition, worked out from the clicks
// and walls the user chose; the window only asks for the length and records
// the result.

// A partition as the add-partition record takes it: the corner of its body
// its signed length runs from (towards +x or +y when positive, back when
// negative), model mm.
struct PartitionSpec {
  ModelPoint start;
  int32_t length = 0;
  Orientation orientation = Orientation::kHorizontal;
  friend bool operator==(const PartitionSpec&, const PartitionSpec&) = default;
};

// A partition between two clicks of partition mode. It stands square to the
// outline wall the first click lands on and starts at that wall's inner
// face; from free space it follows the larger distance between the clicks
// (a tie: horizontal). A second click on an outline wall ends it at that
// wall's inner face.
struct PartitionPlacement {
  Orientation orientation = Orientation::kHorizontal;
  bool fromWall = false;  // the first click landed on an outline wall
  bool toWall = false;    // the second one did
  // The two ends along the partition and the clicks across it, mm.
  int64_t startAlong = 0;
  int64_t endAlong = 0;
  int64_t startAcross = 0;
  int64_t endAcross = 0;
  int64_t thickness = 0;

  // The length offered to the user: the distance between the two ends.
  int64_t OfferedLength() const { return std::llabs(endAlong - startAlong); }
  // The partition of `length` mm (at least 1), as the user confirmed it.
  // From a wall into free space it runs from the wall's face towards the
  // click; from free space onto a wall it runs up to the wall's face; from
  // wall to wall, or in free space, it runs back from the larger of the two
  // ends. The record's start stands half a thickness inside the body's
  // corner.
  PartitionSpec ForLength(int32_t length) const;
};

// The placement for clicks at `start` and `end` (model mm) that landed on
// outline walls `startWall` and `endWall` (-1, or an index that names no
// wall, for free space). None when the end wall runs parallel to the
// partition: no partition can end on it.
std::optional<PartitionPlacement> PlacePartition(const CChamber& camera, ModelPoint start, int startWall,
                                                 ModelPoint end, int endWall);

// One side of an outline wall continued straight on as a partition, on the
// wall's reference line.
struct PartitionContinuation {
  ModelPoint start;
  int direction = 1;  // -1 backwards (to the left, or up), +1 forwards
  Orientation orientation = Orientation::kHorizontal;
  // The free length up to each outline wall that lies beyond the wall's end
  // on this side and spans its whole width, in chain order; the list stops
  // before the first such wall with no room left.
  std::vector<int64_t> gaps;

  // The partition of `length` mm (at least 1) on this side.
  PartitionSpec ForLength(int32_t length) const;
};

// Both sides of outline wall `index`, backwards first. Backwards the
// partition ends at the wall's own end; forwards it starts one thickness
// past the wall's end, where the next corner post stands, and runs to the
// far wall's inner face. Two empty sides for an index that names no wall.
std::array<PartitionContinuation, 2> ContinueAsPartitions(const CChamber& camera, int index);

// The middle of the face a partition of `length` from `start` starts from.
ModelPoint PartitionStartFace(ModelPoint start, int32_t length, Orientation o, int32_t thickness);

// Whether a partition's body stands inside the camera's outline and cuts
// into no wall of it (it may touch their faces) but the one its start face
// (given by its middle) stands on.
bool PartitionFits(const CChamber& camera, const ModelRect& body, ModelPoint startFace);

// The room a partition of `orientation` has from `startAlong` (its body's
// starting face, on its own axis) in direction `sign` (+1 or -1) before its
// body, spanning [acrossLow, acrossLow + thickness) across, meets an outline
// wall or another partition (not one its starting face stands on);
// kMaxLength when it meets nothing.
int64_t PartitionFreeLength(const CChamber& camera, Orientation orientation, int64_t startAlong, int sign,
                            int64_t acrossLow);
