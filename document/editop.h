#pragma once

#include <cstdint>

// Operation codes of the edit log: the number that opens every record of a
// camera file. Codes are stored as they stand, so they never change meaning;
// replay skips a code it does not know (7 and 8 were never made), which is
// what lets the codes from 12 on travel in files that older copies of the
// program read.
enum EditOp : int32_t {
  kOpCreateCamera = 0,        // width, depth, height, thickness
  kOpSplitWall = 1,           // wall, from-first-end flag, distance
  kOpMoveWall = 2,            // wall (its index before the move), direction byte, distance
  kOpFillAllWalls = 3,        // no data
  kOpAutoFillWall = 4,        // wall
  kOpDivideWall = 5,          // wall, n, n panel widths
  kOpPanelDoor = 6,           // wall, panel, kind, door variant, opening height
  kOpScale = 9,               // scale as one double, low word first (written on save only)
  kOpOrigin = 10,             // origin x, origin y in pixels (written on save only)
  kOpClearWall = 11,          // wall
  kOpCameraFlags = 12,        // noFloor [, geometryLocked]
  kOpAddPartition = 13,       // start x, start y, length, orientation byte
  kOpDeletePartition = 14,    // partition
  kOpAutoFillPartition = 15,  // partition
  kOpDividePartition = 16,    // partition, n, n panel widths
  kOpClearPartition = 17,     // partition
  kOpPartitionPanelDoor = 18, // partition, panel, kind, door variant, opening height
  kOpDivideFloorStrip = 19,   // strip, n, n panel widths, m, m piece lengths
  kOpResizePanel = 20,        // wall, panel, new width
};

// The 32-bit value that ends the records of a camera file (0xFFFECFFE).
inline constexpr int32_t kEndOfCameraFile = -77826;
