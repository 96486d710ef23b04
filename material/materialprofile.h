#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The seven surfaces of a camera whose skin material a profile chooses, in
// the order they are stored in the profile file. Each is named after the
// export that hands it to the pricing library; the dialog rows that edit
// them are listed with the controls.
enum MaterialSlot : int {
  kSlotEWallExt = 0,
  kSlotEWallInt = 1,
  kSlotCeilExt = 2,
  kSlotCeilInt = 3,
  kSlotFloorInt = 4,
  kSlotFloorExt = 5,
  kSlotIWall = 6,
};
inline constexpr size_t kMaterialSlotCount = 7;

// The material chosen for a surface: the position (0, 1 or 2) in the list of
// material types, or kNoMaterial.
inline constexpr int32_t kNoMaterial = -1;

// A named choice of material per surface. Names are UTF-8 in memory.
struct MaterialProfile {
  std::string name;
  std::array<int32_t, kMaterialSlotCount> slots{};  // a new profile is all 0

  bool operator==(const MaterialProfile&) const = default;
};
