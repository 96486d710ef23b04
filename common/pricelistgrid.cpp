#include "pricelistgrid.h"

#include "zamo_abi.h"

namespace {

// The wall thickness of a price list and its first plan length (mm); the
// plan lengths stay below kSizeLimit.
struct CWalls {
  int32_t thickness;
  int32_t firstSize;
};
constexpr CWalls kWalls80{80, 1280};
constexpr CWalls kWalls100{100, 1300};
constexpr int32_t kSizeLimit = 5700;

}  // namespace

std::vector<CPriceListCamera> PriceListColumnGrid(bool is80, int32_t height) {
  const CWalls walls = is80 ? kWalls80 : kWalls100;
  std::vector<CPriceListCamera> cameras;
  for (const CPriceListColumn& column : kPriceListColumns) {
    if (column.height != height) continue;
    for (int32_t a = walls.firstSize; a < kSizeLimit; a += kPanelWidthStep) {
      for (int32_t b = a; b < kSizeLimit; b += kPanelWidthStep)
        cameras.push_back({column.column, a, b, column.height, walls.thickness});
    }
  }
  return cameras;
}

std::vector<CPriceListCamera> PriceListGrid(bool is80) {
  std::vector<CPriceListCamera> grid;
  for (const CPriceListColumn& column : kPriceListColumns) {
    const std::vector<CPriceListCamera> cameras = PriceListColumnGrid(is80, column.height);
    grid.insert(grid.end(), cameras.begin(), cameras.end());
  }
  return grid;
}
