#include "editopnames.h"

#include <array>
#include <utility>

#include "editop.h"
#include "languageentries.h"

int EditOpNameEntry(int32_t op) {
  static constexpr std::array<std::pair<EditOp, int>, 15> kNames{{
      {kOpSplitWall, Lang::kEditNameCorner},
      {kOpMoveWall, Lang::kEditNameMoveWall},
      {kOpFillAllWalls, Lang::kEditNameFillAll},
      {kOpAutoFillWall, Lang::kEditNameWallDivision},
      {kOpDivideWall, Lang::kEditNameWallDivision},
      {kOpPanelDoor, Lang::kEditNameDoor},
      {kOpClearWall, Lang::kEditNameClearDivision},
      {kOpAddPartition, Lang::kEditNameAddPartition},
      {kOpDeletePartition, Lang::kEditNameDeletePartition},
      {kOpAutoFillPartition, Lang::kEditNamePartitionDivision},
      {kOpDividePartition, Lang::kEditNamePartitionDivision},
      {kOpClearPartition, Lang::kEditNameClearDivision},
      {kOpPartitionPanelDoor, Lang::kEditNameDoor},
      {kOpDivideFloorStrip, Lang::kEditNameFloorDivision},
      {kOpResizePanel, Lang::kEditNamePanelSize},
  }};
  for (const auto& [code, entry] : kNames)
    if (code == op) return entry;
  return 0;
}
