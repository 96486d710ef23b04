#pragma once

#include <array>

#include "materialprofile.h"

// Control numbers of the material dialogs; each control carries its number
// as its object name.
namespace MaterialCtl {

// The material dialog.
inline constexpr int kMaterialDialog = 139;
inline constexpr int kSaveButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kDeleteProfileButton = 1001;
inline constexpr int kWallsInnerLabel = 1003;
inline constexpr int kWallsOuterLabel = 1004;
inline constexpr int kFloorInnerLabel = 1005;
inline constexpr int kFloorOuterLabel = 1006;
inline constexpr int kCeilingInnerLabel = 1007;
inline constexpr int kCeilingOuterLabel = 1008;
inline constexpr int kPartitionsLabel = 1009;
inline constexpr int kProfileLabel = 1010;
inline constexpr int kWallsGroup = 1011;
inline constexpr int kFloorGroup = 1012;
inline constexpr int kCeilingGroup = 1013;
inline constexpr int kNewProfileButton = 1014;
inline constexpr int kProfileBox = 1029;

// The box that edits each slot, in slot order. The rows are labelled as the
// Windows program labels them; the slot a row writes is what callers and
// stored files rely on.
inline constexpr std::array<int, kMaterialSlotCount> kMaterialBoxes = {
    1022,  // walls, inner row   -> kSlotEWallExt
    1023,  // walls, outer row   -> kSlotEWallInt
    1024,  // floor, inner row   -> kSlotCeilExt
    1040,  // floor, outer row   -> kSlotCeilInt
    1041,  // ceiling, inner row -> kSlotFloorInt
    1042,  // ceiling, outer row -> kSlotFloorExt
    1043,  // partitions         -> kSlotIWall
};

// The small new-profile dialog.
inline constexpr int kNewProfileDialog = 102;
inline constexpr int kNameEdit = 1002;
inline constexpr int kNameLabel = 1014;
inline constexpr int kOkButton = 1;

}  // namespace MaterialCtl
