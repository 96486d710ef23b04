#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pixelmapping.h"

TEST(PixelMappingTest, DefaultMappingTakesModelPointToPixelAndBack) {
  const CPixelMapping mapping;
  EXPECT_EQ(mapping.ToPixel({1000, 500}), (PixelPoint{300, 200}));
  EXPECT_EQ(mapping.ToModel({300, 200}), (ModelPoint{1000, 500}));
}

TEST(PixelMappingTest, TruncatesTowardsZeroBeforeAddingTheOrigin) {
  const CPixelMapping mapping;
  // -7 mm * 0.2 = -1.4 -> -1, not -2.
  EXPECT_EQ(mapping.ToPixelX(-7), 99);
  EXPECT_EQ(mapping.ToPixelX(7), 101);
  // (99 - 100) / 0.2 = -5; (97 - 100) / 0.2 = -15.
  EXPECT_EQ(mapping.ToModelX(99), -5);
  EXPECT_EQ(mapping.ToModelY(97), -15);
  // A pixel covers 5 mm: 1004 mm still lands on pixel 300.
  EXPECT_EQ(mapping.ToPixelX(1004), 300);
}

TEST(PixelMappingTest, ZoomKeepsThePointUnderTheCursor) {
  CPixelMapping mapping;
  const ModelPoint before = mapping.ToModel({400, 300});
  ASSERT_TRUE(mapping.ZoomAbout(400, 300, true));
  EXPECT_DOUBLE_EQ(mapping.Scale(), 0.2 * 1.2);
  const ModelPoint after = mapping.ToModel({400, 300});
  EXPECT_NEAR(after.x, before.x, 5);
  EXPECT_NEAR(after.y, before.y, 5);
}

TEST(PixelMappingTest, ZoomInThenOutReturnsToTheSameScaleAndNearlyTheSameOrigin) {
  CPixelMapping mapping;
  mapping.SetOrigin(137, -42);
  ASSERT_TRUE(mapping.ZoomAbout(512, 384, true));
  ASSERT_TRUE(mapping.ZoomAbout(512, 384, false));
  EXPECT_NEAR(mapping.Scale(), 0.2, 1e-12);
  EXPECT_NEAR(mapping.OriginX(), 137, 1);
  EXPECT_NEAR(mapping.OriginY(), -42, 1);
}

TEST(PixelMappingTest, RefusesScalesThatNoWindowCanShow) {
  CPixelMapping mapping;
  for (double bad : {0.0, -0.2, std::nan(""), std::numeric_limits<double>::infinity(), 1e9, 1e-9}) {
    EXPECT_FALSE(mapping.SetScale(bad)) << bad;
    EXPECT_DOUBLE_EQ(mapping.Scale(), 0.2);
  }
  EXPECT_TRUE(mapping.SetScale(0.5));
  EXPECT_DOUBLE_EQ(mapping.Scale(), 0.5);
}

TEST(PixelMappingTest, ZoomStopsAtTheScaleLimits) {
  CPixelMapping mapping;
  ASSERT_TRUE(mapping.SetScale(CPixelMapping::kMaxScale));
  const CPixelMapping before = mapping;
  EXPECT_FALSE(mapping.ZoomAbout(10, 10, true));
  EXPECT_EQ(mapping, before);
  ASSERT_TRUE(mapping.SetScale(CPixelMapping::kMinScale));
  EXPECT_FALSE(mapping.ZoomAbout(10, 10, false));
}

TEST(PixelMappingTest, ExtremeValuesSaturateInsteadOfOverflowing) {
  CPixelMapping mapping;
  mapping.SetOrigin(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min());
  ASSERT_TRUE(mapping.SetScale(CPixelMapping::kMaxScale));
  EXPECT_EQ(mapping.ToPixelX(std::numeric_limits<int32_t>::max()), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(mapping.ToPixelY(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min());
  ASSERT_TRUE(mapping.SetScale(CPixelMapping::kMinScale));
  EXPECT_EQ(mapping.ToModelX(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min());
  mapping.ShiftOriginByModel(std::numeric_limits<int64_t>::max(), 0);
  EXPECT_EQ(mapping.OriginX(), std::numeric_limits<int32_t>::max());
}

TEST(PixelMappingTest, ShiftByModelDistanceMovesTheOriginByItsPixels) {
  CPixelMapping mapping;
  mapping.ShiftOriginByModel(500, -5);
  EXPECT_EQ(mapping.OriginX(), 200);
  EXPECT_EQ(mapping.OriginY(), 99);
  mapping.PanTo(40, 50);
  EXPECT_EQ(mapping.ToPixel({0, 0}), (PixelPoint{40, 50}));
}
