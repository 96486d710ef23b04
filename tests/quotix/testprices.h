#pragma once

#include "pricetable.h"

// A price table with round, distinct values, so that expected prices can
// be worked out by hand in the tests.
inline CPriceTable TestPrices() {
  CPriceTable prices;
  const struct {
    int entry;
    double value;
  } values[] = {
      {PriceEntry::kWallPanel80, 2000},        {PriceEntry::kWallPanel100, 3000},
      {PriceEntry::kCeilingPanel80, 1000},     {PriceEntry::kCeilingPanel100, 1500},
      {PriceEntry::kFloorPanel80, 1200},       {PriceEntry::kFloorPanel100, 1800},
      {PriceEntry::kCornerPost80, 500},        {PriceEntry::kCornerPost100, 600},
      {PriceEntry::kContainerDoor, 50000},     {PriceEntry::kSlidingDoor, 70000},
      {PriceEntry::kSwingDoor80Code1, 20000},  {PriceEntry::kSwingDoor80Code2, 22000},
      {PriceEntry::kSwingDoor80Code3, 23000},  {PriceEntry::kSwingDoor100Code1, 24000},
      {PriceEntry::kSwingDoor100Code2, 25000}, {PriceEntry::kSwingDoor100Code3, 26000},
      {PriceEntry::kOpening, 8000},            {PriceEntry::kMargin, 0.25},
      {PriceEntry::kDealerMarkup, 0.1},        {PriceEntry::kVolumeDiscount80, 0.05},
      {PriceEntry::kNonStandard, 1.2},         {PriceEntry::kNonStandard2, 1.4},
      {PriceEntry::kDoorKitContainer, 10000},  {PriceEntry::kDoorKitSliding, 11000},
      {PriceEntry::kDoorKitSwing, 12000},      {PriceEntry::kVolumeDiscount100, 0.07},
      {PriceEntry::kEuroRate, 100},
  };
  for (const auto& v : values) prices.Set(v.entry, v.value);
  return prices;
}
