#include "pricingcoretotal.h"

#include "pricecalc.h"
#include "testprices.h"

long long PricingCoreTotal(const std::vector<WallPanelTally>& walls, const std::vector<WallPanelTally>& partitions,
                           const std::vector<FloorPanelTally>& ceiling, int32_t cornerPosts, int32_t innerHeight,
                           int32_t lengthA, int32_t lengthB, int32_t thickness, double dealerDiscount) {
  CPriceTable prices = TestPrices();
  prices.Set(PriceEntry::kDealerDiscount, dealerDiscount);
  CCameraInput input;
  input.walls = walls;
  input.partitions = partitions;
  input.ceiling = ceiling;
  input.cornerPostCount = cornerPosts;
  const CCameraPricing pricing =
      PriceCamera(prices, {innerHeight, lengthA, lengthB, thickness}, input, PricingMode::CameraReport);
  return static_cast<long long>(pricing.totals.total);
}
