#pragma once

#include <cstdint>
#include <vector>

#include "zamo_abi.h"

// The total the pricing core computes for a camera's tallies with the test
// prices and a dealer discount, truncated to whole units as the report
// shows it.
long long PricingCoreTotal(const std::vector<WallPanelTally>& walls, const std::vector<WallPanelTally>& partitions,
                           const std::vector<FloorPanelTally>& ceiling, int32_t cornerPosts, int32_t innerHeight,
                           int32_t lengthA, int32_t lengthB, int32_t thickness, double dealerDiscount);
