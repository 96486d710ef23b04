#pragma once

#include <cstdint>
#include <vector>

#include "pricecalc.h"
#include "pricelistgrid.h"
#include "zamo_abi.h"

// Panel tallies of plain rectangular cameras, built the way the camera
// model divides them (walls filled with 1200 mm panels and one remainder,
// the floor strip with edge panels of t + 900 / t + 600), so that pricing
// tests and benchmarks run on realistic lists without the model.
struct CSampleCamera {
  CCameraValues values;
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> ceiling;
  int32_t cornerPostCount = 4;

  CCameraInput Input(bool noFloor = false, bool euroNoVat = false) const;
  ZamoWallTallyList WallList() const { return {walls.data(), static_cast<int32_t>(walls.size())}; }
  ZamoWallTallyList PartitionList() const { return {partitions.data(), static_cast<int32_t>(partitions.size())}; }
  ZamoFloorTallyList CeilingList() const { return {ceiling.data(), static_cast<int32_t>(ceiling.size())}; }
};

// A camera `width` x `depth` (plan lengths A and B), inner height `height`,
// walls `thickness` thick; with a swing door block 1200 x 2040 on the first
// panel when `swingDoor` is set (as the price lists do).
CSampleCamera MakeRectangularCamera(int32_t width, int32_t depth, int32_t height, int32_t thickness,
                                    bool swingDoor = false);

// Appends one panel of a run to a tally, merging equal panel types.
void AddToTally(std::vector<WallPanelTally>& tally, const WallPanelTally& panel);

// A wall run filled with 1200 mm panels and one remainder.
std::vector<int32_t> AutoFillWidths(int32_t length);
// A floor strip divided across its length (edge panels, 1200s, rest).
std::vector<int32_t> DivideStrip(int32_t length, int32_t thickness);

// The 120 cameras of one price-list height column, in the order the
// program sends them.
std::vector<CSampleCamera> PriceListColumn(int32_t height, int32_t thickness);
