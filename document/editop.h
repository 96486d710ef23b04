#pragma once

#include <cstdint>

// Operation codes of the edit log: the number that opens every record of a
// camera file. Codes are stored as they stand, so they never change meaning;
// replay skips a code it does not know (none was ever made between
// kOpPanelDoor and kOpScale), which is what lets the codes from
// kOpCameraFlags on travel in files that older copies of the program read.
// Each code's fields and word layout are its struct in editops.h.
enum EditOp : int32_t {
  kOpCreateCamera = 0,
  kOpSplitWall = 1,
  kOpMoveWall = 2,
  kOpFillAllWalls = 3,
  kOpAutoFillWall = 4,
  kOpDivideWall = 5,
  kOpPanelDoor = 6,
  kOpScale = 9,    // written on save only
  kOpOrigin = 10,  // written on save only
  kOpClearWall = 11,
  kOpCameraFlags = 12,
  kOpAddPartition = 13,
  kOpDeletePartition = 14,
  kOpAutoFillPartition = 15,
  kOpDividePartition = 16,
  kOpClearPartition = 17,
  kOpPartitionPanelDoor = 18,
  kOpDivideFloorStrip = 19,
  kOpResizePanel = 20,
};

// The 32-bit value that ends the records of a camera file (0xFFFECFFE).
inline constexpr int32_t kEndOfCameraFile = -77826;
