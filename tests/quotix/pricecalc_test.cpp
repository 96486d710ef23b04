// Price arithmetic, step by step, on cameras worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "pricecalc.h"
#include "samplecameras.h"
#include "testprices.h"

namespace {

constexpr double kVat = 1.18;

WallPanelTally Wall(int32_t count, int32_t width, int32_t kind = kPanelStandard) {
  WallPanelTally g{};
  g.count = count;
  g.width = width;
  g.kind = kind;
  return g;
}

WallPanelTally Door(int32_t count, int32_t kind, int32_t width = 1200) {
  WallPanelTally g = Wall(count, width, kind);
  g.isDoor = 1;
  return g;
}

FloorPanelTally Flat(int32_t count, int32_t width, int32_t length) { return {count, width, length, 0, 0, 0, 0, 0}; }

struct CWallCase {
  const char* name;
  int32_t height, thickness, width;
  bool priceList;
  bool standard;
  double pricePerM2, coefficient;
};

class WallGroupPricing : public ::testing::TestWithParam<CWallCase> {};

TEST_P(WallGroupPricing, AreaIsInnerHeightTimesWidthAndCoefficientFollowsTheStandardTest) {
  const CWallCase& c = GetParam();
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {c.height, 3000, 3000, c.thickness}, false, sums);
  WallPanelTally group = Wall(3, c.width);
  group.openingHeight = 999;  // the group's own length is not the wall height
  const CPanelRow row = calc.AddWallGroup(group, c.priceList);
  const double area = c.height * c.width / 1e6;
  EXPECT_EQ(row.standard, c.standard);
  EXPECT_EQ(row.length, c.height);
  EXPECT_DOUBLE_EQ(row.area, area);
  EXPECT_DOUBLE_EQ(row.amount, 3 * c.pricePerM2 * c.coefficient * area * kVat);
  EXPECT_DOUBLE_EQ(sums.standardSum, row.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WallGroupPricing,
    ::testing::Values(CWallCase{"Standard1200", 2040, 80, 1200, false, true, 2000, 1.0},
                      CWallCase{"Width1000At2300IsNonStandard", 2300, 80, 1000, false, false, 2000, 1.2},
                      CWallCase{"HeightOffTheStandardOnes", 2200, 80, 1200, false, false, 2000, 1.2},
                      CWallCase{"Standard900Of100mm", 2560, 100, 900, false, true, 3000, 1.0},
                      CWallCase{"PriceListTakesEveryPanelAsStandard", 2200, 80, 1000, true, true, 2000, 1.0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct CFlatCase {
  const char* name;
  int32_t thickness, width, length;
  bool standard;
  double coefficient;
};

class CeilingGroupPricing : public ::testing::TestWithParam<CFlatCase> {};

TEST_P(CeilingGroupPricing, CoefficientDependsOnWidthLengthAndThickness) {
  const CFlatCase& c = GetParam();
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {2040, 3000, 3000, c.thickness}, false, sums);
  const CPanelRow row = calc.AddCeilingGroup(2, c.width, c.length);
  const double price = c.thickness == 80 ? 1000 : 1500;
  EXPECT_EQ(row.standard, c.standard);
  EXPECT_DOUBLE_EQ(row.coefficient, c.coefficient);
  EXPECT_DOUBLE_EQ(row.amount, 2 * (c.width * c.length / 1e6) * price * c.coefficient * kVat);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CeilingGroupPricing,
    ::testing::Values(CFlatCase{"EdgeWidth980At80IsStandard", 80, 980, 2560, true, 1.0},
                      CFlatCase{"EdgeWidth980LongerThan2560", 80, 980, 2561, false, 1.2},
                      CFlatCase{"EdgeWidth680At80IsStandard", 80, 680, 2000, true, 1.0},
                      CFlatCase{"Multiple300IsStandard", 80, 1200, 2000, true, 1.0},
                      CFlatCase{"OddWidthShort", 80, 1000, 2000, false, 1.2},
                      CFlatCase{"OddWidthFrom2560TakesSecondCoefficient", 80, 1000, 2560, false, 1.4},
                      CFlatCase{"Thickness100IsNeverStandard", 100, 1200, 2000, false, 1.2},
                      CFlatCase{"Thickness100Long", 100, 1200, 2560, false, 1.4}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FloorPricing, UsesTheFloorPricesOfTheThickness) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc80(prices, {2040, 3000, 3000, 80}, false, sums);
  EXPECT_DOUBLE_EQ(calc80.AddFloorGroup(1, 1200, 2000).amount, 2.4 * 1200 * kVat);
  CPriceCalculator calc100(prices, {2040, 3000, 3000, 100}, true, sums);
  EXPECT_DOUBLE_EQ(calc100.AddFloorGroup(1, 1200, 2000).amount, 2.4 * 1800 * 1.2);
}

TEST(CornerPostPricing, PricesRunningMetresOfInnerHeightAndNothingForNoPosts) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {2040, 3000, 3000, 80}, false, sums);
  EXPECT_DOUBLE_EQ(calc.AddCornerPosts(4).amount, 2040 * 500 / 1000.0 * 4 * kVat);
  const double before = sums.standardSum;
  EXPECT_EQ(calc.AddCornerPosts(0).amount, 0.0);
  EXPECT_EQ(sums.standardSum, before);
}

TEST(DoorPricing, ContainerDoorBringsSidePanelsOverDoorPanelAndKit) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {2300, 3000, 3000, 80}, false, sums);
  WallPanelTally door = Door(2, kContainerDoorRight);
  door.nextWidth = 1200;
  door.prevWidth = 600;
  std::vector<COverDoorPanel> overDoor;
  const auto item = calc.AddDoor(door, overDoor);
  ASSERT_TRUE(item);
  EXPECT_EQ(item->kind, DoorKind::Container);
  EXPECT_EQ(item->sideWidths[0], 1200);
  EXPECT_EQ(item->sideWidths[1], 600);
  EXPECT_DOUBLE_EQ(item->sideAmounts[0], 2 * 2.76 * 2000 * kVat);
  EXPECT_DOUBLE_EQ(item->sideAmounts[1], 2 * 1.38 * 2000 * kVat);
  EXPECT_DOUBLE_EQ(sums.extrasSum, 100000);  // without tax and margins
  ASSERT_EQ(overDoor.size(), 1u);
  EXPECT_EQ(overDoor[0].width, 1200);
  EXPECT_EQ(overDoor[0].height, 450);
  EXPECT_EQ(overDoor[0].count, 2);
  EXPECT_EQ(sums.doorKitCounts[0], 2);

  const COverDoorPanel panel = calc.AddOverDoorPanel(overDoor[0]);
  EXPECT_DOUBLE_EQ(panel.area, 0.54);
  EXPECT_DOUBLE_EQ(panel.amount, 2 * 2000 * 0.54 * kVat);
  const auto kits = calc.AddDoorKits();
  ASSERT_EQ(kits.size(), 1u);
  EXPECT_EQ(kits[0].kind, DoorKind::Container);
  EXPECT_DOUBLE_EQ(kits[0].amount, 2 * 10000 * kVat);
}

TEST(DoorPricing, DoorInACameraLowerThanTheDoorLeavesNoNegativePanel) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {1800, 3000, 3000, 80}, false, sums);
  std::vector<COverDoorPanel> overDoor;
  ASSERT_TRUE(calc.AddDoor(Door(1, kSlidingDoorLeft), overDoor));
  EXPECT_TRUE(overDoor.empty());
  EXPECT_EQ(sums.doorKitCounts[1], 1);
}

struct CSwingCase {
  int32_t height, thickness, code;
  double price;
  int32_t overDoorHeight;  // 0: none
};

class SwingDoorPricing : public ::testing::TestWithParam<CSwingCase> {};

TEST_P(SwingDoorPricing, PriceByHeightCodeAndThicknessAndPanelAboveIt) {
  const CSwingCase& c = GetParam();
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {c.height, 3000, 3000, c.thickness}, false, sums);
  WallPanelTally door = Door(1, kSwingDoorBlock);
  door.doorVariant = c.code;
  std::vector<COverDoorPanel> overDoor;
  const auto item = calc.AddDoor(door, overDoor);
  ASSERT_TRUE(item);
  EXPECT_EQ(item->kind, DoorKind::Swing);
  EXPECT_DOUBLE_EQ(sums.extrasSum, c.price);
  EXPECT_EQ(sums.doorKitCounts[2], 1);
  if (c.overDoorHeight == 0) {
    EXPECT_TRUE(overDoor.empty());
  } else {
    ASSERT_EQ(overDoor.size(), 1u);
    EXPECT_EQ(overDoor[0].height, c.overDoorHeight);
    EXPECT_EQ(overDoor[0].width, 1200);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SwingDoorPricing,
                         ::testing::Values(CSwingCase{2560, 80, 3, 23000, 0}, CSwingCase{2560, 100, 3, 26000, 0},
                                           CSwingCase{2040, 80, 1, 20000, 0}, CSwingCase{2300, 80, 1, 20000, 260},
                                           CSwingCase{2560, 100, 2, 25000, 260}, CSwingCase{2200, 80, 3, 23000, 0}));

TEST(OpeningPricing, OpeningAsHighAsTheCameraAddsNoPanelAbove) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {2040, 3000, 3000, 80}, false, sums);
  std::vector<COverDoorPanel> overDoor;
  WallPanelTally opening = Door(2, kOpening, 900);
  opening.openingHeight = 2040;
  ASSERT_TRUE(calc.AddDoor(opening, overDoor));
  EXPECT_TRUE(overDoor.empty());
  opening.openingHeight = 2000;
  ASSERT_TRUE(calc.AddDoor(opening, overDoor));
  ASSERT_EQ(overDoor.size(), 1u);
  EXPECT_EQ(overDoor[0].width, 900);
  EXPECT_EQ(overDoor[0].height, 40);
  EXPECT_DOUBLE_EQ(sums.extrasSum, 4 * 8000);
  EXPECT_EQ(sums.doorKitCounts[0] + sums.doorKitCounts[1] + sums.doorKitCounts[2], 0);
}

TEST(OpeningPricing, DoorItemOfAnUnknownKindIsNotPriced) {
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  CPriceCalculator calc(prices, {2040, 3000, 3000, 80}, false, sums);
  std::vector<COverDoorPanel> overDoor;
  EXPECT_FALSE(calc.AddDoor(Door(1, kPanelOtherWidth), overDoor));
  EXPECT_EQ(sums.extrasSum, 0.0);
}

struct CVolumeCase {
  const char* name;
  int32_t lengthA, lengthB, height, thickness;
  double volume, discount;
};

class VolumeDiscount : public ::testing::TestWithParam<CVolumeCase> {};

TEST_P(VolumeDiscount, TakenOffTheMarkedUpTotal) {
  const CVolumeCase& c = GetParam();
  const CPriceTable prices = TestPrices();
  CPriceSums sums;
  sums.standardSum = 1000;
  sums.extrasSum = 500;
  CPriceCalculator calc(prices, {c.height, c.lengthA, c.lengthB, c.thickness}, false, sums);
  const CTotals totals = calc.Totals(false, false);
  EXPECT_NEAR(totals.volume, c.volume, 1e-9);
  EXPECT_DOUBLE_EQ(totals.volumeDiscount, c.discount);
  const double marked = 1.1 * 1.25 * 1000 + 500;
  EXPECT_DOUBLE_EQ(totals.total, marked - marked * c.discount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VolumeDiscount,
    ::testing::Values(CVolumeCase{"Exactly20With80GetsNone", 2580, 4080, 2000, 80, 20.0, 0.0},
                      CVolumeCase{"Exactly20With100GetsIt", 2600, 4100, 2000, 100, 20.0, 0.07},
                      CVolumeCase{"Above20With80", 2580, 4080, 2001, 80, 20.01, 0.05},
                      CVolumeCase{"Below20With100", 2600, 4100, 1999, 100, 19.99, 0.0},
                      // (A - t)(B - t)H passes 2^31 here; the volume must not wrap.
                      CVolumeCase{"LargeCameraDoesNotOverflow", 10080, 10080, 3000, 80, 300.0, 0.05},
                      CVolumeCase{"SmallRealCamera", 1200, 1200, 2040, 80, 2.558976, 0.0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Totals, DealerDiscountFollowsTheVolumeDiscountAndOnlyWhereAsked) {
  CPriceTable prices = TestPrices();
  prices.Set(PriceEntry::kDealerDiscount, 0.1);
  CPriceSums sums;
  sums.standardSum = 1000;
  CPriceCalculator calc(prices, {2001, 2580, 4080, 80}, false, sums);
  const double afterVolume = 1375 - 1375 * 0.05;
  EXPECT_DOUBLE_EQ(calc.Totals(true, false).total, afterVolume - afterVolume * 0.1);
  EXPECT_DOUBLE_EQ(calc.Totals(false, false).total, afterVolume);
  for (double ignored : {0.0, 1.0, 1.5, -0.2}) {
    prices.Set(PriceEntry::kDealerDiscount, ignored);
    EXPECT_DOUBLE_EQ(calc.Totals(true, false).total, afterVolume) << ignored;
  }
}

TEST(Totals, EuroTotalIsDividedByTheRateOrMarkedMissingWithoutOne) {
  CPriceTable prices = TestPrices();
  CPriceSums sums;
  sums.standardSum = 1000;
  CPriceCalculator calc(prices, {2040, 2000, 2000, 80}, true, sums);
  EXPECT_EQ(calc.Vat(), 0.0);
  CTotals euro = calc.Totals(false, true);
  EXPECT_DOUBLE_EQ(euro.total, 13.75);
  EXPECT_FALSE(euro.euroRateMissing);
  prices.Set(PriceEntry::kEuroRate, 0);
  euro = calc.Totals(false, true);
  EXPECT_TRUE(euro.euroRateMissing);
  EXPECT_TRUE(std::isfinite(euro.total));
}

TEST(SplitLongPanels, CutsIntoTheFewestEqualPiecesBelowTheLimit) {
  const std::vector<FloorPanelTally> ceiling = {Flat(1, 1200, 5560), Flat(1, 1200, 5561), Flat(3, 980, 12000),
                                                Flat(1, 980, 11120)};
  const auto split80 = SplitLongPanels(ceiling, 80);  // limit 5560
  EXPECT_EQ(split80[0].length, 5560);
  EXPECT_EQ(split80[0].count, 1);
  EXPECT_EQ(split80[1].length, 2780);
  EXPECT_EQ(split80[1].count, 2);
  EXPECT_EQ(split80[2].length, 4000);
  EXPECT_EQ(split80[2].count, 9);
  EXPECT_EQ(split80[3].length, 3706);  // 11120 / 2 = 5560 is not below the limit
  EXPECT_EQ(split80[3].count, 3);
  const auto split100 = SplitLongPanels(ceiling, 100);  // limit 5600
  EXPECT_EQ(split100[1].length, 5561);
  EXPECT_EQ(split100[1].count, 1);
}

TEST(InnerVolume, RectangularCameraGivesItsInnerSpace) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  EXPECT_NEAR(InnerVolume(camera.ceiling, camera.values), 2.84 * 1.84 * 2.04, 1e-9);
}

TEST(InnerVolume, StripsOfAnotherLengthLoseTheWallBetweenThem) {
  const std::vector<FloorPanelTally> ceiling = {Flat(2, 1000, 2000), Flat(1, 1000, 2000), Flat(1, 1000, 3000)};
  const CCameraValues values{2000, 1000, 2000, 100};
  const double area = 3 * 2e6 + 3e6 - 100 * 3000.0 - 2 * 1000 * 100.0 - 2 * 2000 * 100.0;
  EXPECT_DOUBLE_EQ(InnerVolume(ceiling, values), area / 1e6 * 2.0);
}

// A 3000 x 2000 (outer) camera, t = 80, H = 2040, with one swing door:
// walls 2920 + 1920 + 2920 + 1920 filled with 1200s, the floor strip of
// 3000 with edge panels 980 | 1040 | 980, all 2000 long.
TEST(PriceCamera, WholeCameraAddsUpByHand) {
  const CPriceTable prices = TestPrices();
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  ASSERT_EQ(camera.walls.size(), 4u);  // door, 1200s, 520s, 720s
  const CCameraPricing pricing = PriceCamera(prices, camera.values, camera.Input(), PricingMode::CameraReport);

  const double h = 2.04;
  const double walls = (5 * 1.2 * 1.0 + 2 * 0.52 * 1.2 + 2 * 0.72 * 1.2) * h * 2000;
  const double posts = 2040 * 500 / 1000.0 * 4;
  const double ceiling = (2 * 0.98 * 2.0 + 1.04 * 2.0 * 1.2) * 1000;
  const double floor = (2 * 0.98 * 2.0 + 1.04 * 2.0 * 1.2) * 1200;
  const double kit = 12000;
  const double standard = (walls + posts + ceiling + floor + kit) * kVat;
  EXPECT_NEAR(pricing.sums.standardSum, standard, 1e-6);
  EXPECT_DOUBLE_EQ(pricing.sums.extrasSum, 20000);
  EXPECT_TRUE(pricing.overDoorPanels.empty());
  EXPECT_NEAR(pricing.totals.total, 1.1 * 1.25 * standard + 20000, 1e-6);
  EXPECT_EQ(pricing.wallRows.size(), 3u);
  EXPECT_EQ(pricing.wallDoors.size(), 1u);
  EXPECT_EQ(pricing.floorRows.size(), 2u);
}

TEST(PriceCamera, NoFloorLeavesTheFloorRowsOutAndPanelKindsPickTheirList) {
  const CPriceTable prices = TestPrices();
  CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  EXPECT_TRUE(PriceCamera(prices, camera.values, camera.Input(true), PricingMode::CameraReport).floorRows.empty());
  camera.ceiling = {Flat(1, 1200, 2000), Flat(2, 1200, 2000)};
  camera.ceiling[0].kind = kPanelGroupFloor;
  camera.ceiling[1].kind = kPanelGroupCeiling;
  const CCameraPricing pricing = PriceCamera(prices, camera.values, camera.Input(), PricingMode::CameraReport);
  ASSERT_EQ(pricing.ceilingRows.size(), 1u);
  EXPECT_EQ(pricing.ceilingRows[0].count, 2);
  ASSERT_EQ(pricing.floorRows.size(), 1u);
  EXPECT_EQ(pricing.floorRows[0].count, 1);
}

TEST(PriceCamera, PriceListPricesLongPanelsUncutAndWithoutDealerDiscount) {
  CPriceTable prices = TestPrices();
  prices.Set(PriceEntry::kDealerDiscount, 0.2);
  CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  camera.ceiling = {Flat(1, 1200, 6000)};
  const CCameraPricing list = PriceCamera(prices, camera.values, camera.Input(), PricingMode::PriceList);
  const CCameraPricing report = PriceCamera(prices, camera.values, camera.Input(), PricingMode::CameraReport);
  ASSERT_EQ(list.ceilingRows.size(), 1u);
  EXPECT_EQ(list.ceilingRows[0].length, 6000);
  ASSERT_EQ(report.ceilingRows.size(), 1u);
  EXPECT_EQ(report.ceilingRows[0].length, 3000);
  EXPECT_EQ(report.ceilingRows[0].count, 2);
  EXPECT_EQ(list.totals.dealerDiscount, 0.0);
  EXPECT_DOUBLE_EQ(report.totals.dealerDiscount, 0.2);
  EXPECT_DOUBLE_EQ(report.volumeAsPassed, list.volumeAfterSplit);
}

}  // namespace
