#include <gtest/gtest.h>

#include <vector>

#include "modeltesthelpers.h"
#include "sizes.h"

using Values = std::vector<int32_t>;

TEST(DimensionsTest, RectangleShowsItsOuterSizesOnEverySide) {
  auto camera = MakeCamera(3000, 2000, 100);
  const ChamberDimensions d = MeasureDimensions(*camera);
  EXPECT_EQ(ChamberDimensions::Values(d.top), (Values{3100}));
  EXPECT_EQ(ChamberDimensions::Values(d.right), (Values{2100}));
  EXPECT_EQ(ChamberDimensions::Values(d.bottom), (Values{3100}));
  EXPECT_EQ(ChamberDimensions::Values(d.left), (Values{2100}));
  EXPECT_EQ(ChamberDimensions::Values(d.floorCuts), (Values{2100}));
}

TEST(DimensionsTest, TopChainStandsTheOffsetAboveTheOuterFace) {
  auto camera = MakeCamera(3000, 2000, 100);
  const std::vector<DimensionRecord> top = camera->Top().Measure();
  ASSERT_EQ(top.size(), 1u);
  const DimensionRecord& r = top[0];
  // Outer face at y = -50; the dimension line 790 mm above it.
  EXPECT_EQ(r.dimensionLine, (ModelLine{{-50, -840}, {3050, -840}}));
  EXPECT_EQ(r.extension1, (ModelLine{{3050, -50}, {3050, -850}}));
  EXPECT_EQ(r.extension2, (ModelLine{{-50, -50}, {-50, -850}}));
  EXPECT_EQ(r.dot1, (ModelRect{-70, -860, -30, -820}));
  EXPECT_EQ(r.dot2, (ModelRect{3030, -860, 3070, -820}));
  EXPECT_EQ(r.textAt, (ModelPoint{1500, -890}));
  EXPECT_FALSE(r.verticalText);
}

TEST(DimensionsTest, RightChainsStandAtHalfAndFullOffset) {
  auto camera = MakeCamera(3000, 2000, 100);
  const std::vector<DimensionRecord> right = camera->Right().Measure();
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0].dimensionLine, (ModelLine{{3460, -50}, {3460, 2050}}));
  EXPECT_EQ(right[0].extension1, (ModelLine{{3050, 2050}, {3450, 2050}}));
  EXPECT_EQ(right[0].textAt, (ModelPoint{3410, 1000}));
  EXPECT_TRUE(right[0].verticalText);
  const std::vector<DimensionRecord> cuts = camera->Right().MeasureFloorCuts();
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_EQ(cuts[0].dimensionLine, (ModelLine{{3860, 2050}, {3860, -50}}));
  EXPECT_EQ(cuts[0].extension1, (ModelLine{{3050, -50}, {3850, -50}}));
  EXPECT_EQ(cuts[0].dot1, (ModelRect{3840, 2030, 3880, 2070}));

  const std::vector<DimensionRecord> left = camera->Left().Measure();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].dimensionLine, (ModelLine{{-840, -50}, {-840, 2050}}));
  EXPECT_TRUE(left[0].verticalText);
}

TEST(DimensionsTest, SideWithoutSegmentsDrawsNothing) {
  CChamber empty;
  const ChamberDimensions d = MeasureDimensions(empty);
  EXPECT_TRUE(d.top.empty());
  EXPECT_TRUE(d.right.empty());
  EXPECT_TRUE(d.floorCuts.empty());
}

TEST(DimensionsTest, SplitTopShowsTwoLengthsSpanningTheOuterWidth) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(0, false, 1000));
  EXPECT_EQ(camera->Top().WallIndices(), (std::vector<int>{0, 1}));
  const Values top = ChamberDimensions::Values(camera->Top().Measure());
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top, (Values{1900, 1200}));
  EXPECT_EQ(top[0] + top[1], 3100);
}

TEST(SizesTest, SegmentAheadOfTheFirstGoesToTheFront) {
  auto camera = MakeCamera(3000, 2000, 100);
  CWallCollection* top = camera->WallAt(0);
  ASSERT_TRUE(camera->SplitWall(0, true, 1000));  // the new piece becomes segment 0
  EXPECT_EQ(camera->Top().IndexOf(top), 1);
  EXPECT_EQ(camera->Top().WallIndices(), (std::vector<int>{0, 1}));
  EXPECT_EQ(camera->Right().IndexOf(top), -1);
  // The left side runs up: the piece split off its far end follows it.
  CWallCollection* left = camera->WallAt(4);
  ASSERT_TRUE(camera->SplitWall(4, false, 500));
  EXPECT_EQ(camera->Left().IndexOf(left), 0);
  EXPECT_EQ(camera->Left().WallIndices(), (std::vector<int>{4, 5}));
  const Values values = ChamberDimensions::Values(camera->Left().Measure());
  EXPECT_EQ(values[0] + values[1], 2100);
}
