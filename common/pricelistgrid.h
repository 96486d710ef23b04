#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The price list of standard cameras: which cameras it holds, in which
// order the program hands them to the pricing library, and where they
// stand in the worksheet. The program's price-list run and the tests and
// benchmarks of the pricing library walk this one grid.

// One height column of the worksheet: the volume goes into `column`, the
// price into the next one.
struct CPriceListColumn {
  char column;
  int32_t height;  // mm, inner
};
inline constexpr std::array<CPriceListColumn, 3> kPriceListColumns{{{'C', 2040}, {'E', 2300}, {'G', 2560}}};

// The worksheet row of each column's first camera.
inline constexpr int32_t kPriceListFirstRow = 7;

// One camera of a price list: the sizes handed to CChamber::Create (mm) and
// the worksheet column of its volume.
struct CPriceListCamera {
  char column;
  int32_t width;
  int32_t depth;
  int32_t height;
  int32_t thickness;
};

// The 360 cameras of a price list with walls 80 mm (is80) or 100 mm thick,
// in the order they are priced: per height column every pair of plan
// lengths a <= b from 1280 (80 mm walls; 1300 for 100 mm) in steps of
// kPanelWidthStep below 5700.
std::vector<CPriceListCamera> PriceListGrid(bool is80);

// The cameras of one height column of that grid, in order.
std::vector<CPriceListCamera> PriceListColumnGrid(bool is80, int32_t height);
