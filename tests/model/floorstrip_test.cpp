#include <gtest/gtest.h>

#include <vector>

#include "modellimits.h"
#include "modeltesthelpers.h"

namespace {

struct StripCase {
  int32_t length;
  int32_t thickness;
  bool divided;
  std::vector<int32_t> widths;
};

class AutoDivideTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(AutoDivideTest, EdgePanelsTakeTheThicknessAndNoSmallRestStandsAlone) {
  const StripCase& c = GetParam();
  auto camera = MakeCamera(3000, 2000, c.thickness);
  CFloorStrip strip(camera.get());
  ASSERT_TRUE(strip.SetRect(0, 0, c.length, 2000));
  EXPECT_EQ(strip.AutoDivide(), c.divided);
  EXPECT_EQ(Widths(strip), c.widths);
  EXPECT_EQ(strip.IsFullyDivided(), c.divided || c.length == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, AutoDivideTest,
    ::testing::Values(StripCase{3100, 100, true, {1000, 1100, 1000}},
                      StripCase{4900, 100, true, {1000, 1200, 1200, 500, 1000}},
                      StripCase{5000, 100, true, {1000, 1200, 1200, 600, 1000}},
                      StripCase{3200, 80, true, {980, 900, 340, 980}},
                      StripCase{200 + 1650, 100, true, {1150, 700}},      // one long, one short edge
                      StripCase{200 + 1200, 100, true, {700, 700}},       // two short edges, nothing between
                      StripCase{200 + 1199, 100, false, {}},
                      StripCase{0, 100, false, {}}));  // nothing to divide: counts as divided

}  // namespace

TEST(FloorStripTest, ManualDivisionIsCompletedFromTheLargestPanelThatFits) {
  auto camera = MakeCamera();
  CFloorStrip strip(camera.get());
  ASSERT_TRUE(strip.SetRect(0, 0, 3100, 2000));
  ASSERT_TRUE(strip.DivideManually({}));
  EXPECT_EQ(Widths(strip), (std::vector<int32_t>{1200, 1200, 600, 100}));
  EXPECT_TRUE(strip.IsFullyDivided());
  EXPECT_EQ(strip.PanelAt(3)->Offset(), 3000);

  // A width that does not fit is left out; the rest is completed.
  const std::vector<int32_t> widths{3000, 500};
  ASSERT_TRUE(strip.DivideManually(widths));
  EXPECT_EQ(Widths(strip), (std::vector<int32_t>{3000, 100}));
}

TEST(FloorStripTest, AppendingStopsAtTheStripLength) {
  auto camera = MakeCamera();
  CFloorStrip strip(camera.get());
  ASSERT_TRUE(strip.SetRect(0, 0, 2000, 1000));
  EXPECT_FALSE(strip.AppendFloorPanel(-300));
  EXPECT_FALSE(strip.AppendFloorPanel(2100));
  EXPECT_TRUE(strip.AppendFloorPanel(1200));
  EXPECT_TRUE(strip.AppendFloorPanel(0));  // the rest
  EXPECT_EQ(Widths(strip), (std::vector<int32_t>{1200, 800}));
  EXPECT_FALSE(strip.AppendFloorPanel(0));
  EXPECT_FALSE(strip.AppendFloorPanel(100));
  EXPECT_FALSE(strip.FloorCompletionStep());
}

TEST(FloorStripTest, CutsAreRunningSumsWithTheFullLengthFirst) {
  auto camera = MakeCamera();
  CFloorStrip strip(camera.get());
  ASSERT_TRUE(strip.SetRect(0, 0, 3000, 2500));
  EXPECT_EQ(std::vector<int32_t>(strip.Cuts().begin(), strip.Cuts().end()), (std::vector<int32_t>{2500}));
  const std::vector<int32_t> pieces{1000, 1500};
  ASSERT_TRUE(strip.SetCuts(pieces));
  EXPECT_EQ(std::vector<int32_t>(strip.Cuts().begin(), strip.Cuts().end()), (std::vector<int32_t>{2500, 1000}));
  EXPECT_EQ(strip.PieceLengths(), (std::vector<int32_t>{1000, 1500}));
}

TEST(FloorStripTest, RefusedCutsKeepTheOldOnes) {
  auto camera = MakeCamera();
  CFloorStrip strip(camera.get());
  ASSERT_TRUE(strip.SetRect(0, 0, 3000, 2500));
  EXPECT_FALSE(strip.SetCuts({}));  // the strip's panels would drop out of the tally
  const std::vector<int32_t> negative{3000, -500};
  EXPECT_FALSE(strip.SetCuts(negative));
  const std::vector<int32_t> huge{model_limits::kMaxLength, 1};
  EXPECT_FALSE(strip.SetCuts(huge));
  const std::vector<int32_t> tooMany(model_limits::kMaxCutPieces + 1, 1);
  EXPECT_FALSE(strip.SetCuts(tooMany));
  EXPECT_EQ(strip.PieceLengths(), (std::vector<int32_t>{2500}));
}

TEST(FloorStripTest, RectangleIsCheckedAndDirectionPicksTheDivisionLength) {
  CFloorStrip strip(nullptr, CFloorStrip::kAlongY);
  EXPECT_FALSE(strip.SetRect(0, 0, -1, 100));
  EXPECT_FALSE(strip.SetRect(CFloorStrip::kMaxCoordinate, 0, 1, 100));
  ASSERT_TRUE(strip.SetRect(-50, -50, 3100, 2100));
  EXPECT_EQ(strip.DivisionLength(), 2100);
  EXPECT_EQ(strip.PanelLength(), 3100);
  EXPECT_EQ(strip.PieceLengths(), (std::vector<int32_t>{3100}));
  // Without a camera the thickness counts as 0.
  EXPECT_TRUE(strip.AutoDivide());
  EXPECT_EQ(Widths(strip), (std::vector<int32_t>{900, 300, 900}));
}
