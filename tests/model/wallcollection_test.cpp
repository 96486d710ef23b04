#include <gtest/gtest.h>

#include <vector>

#include "modellimits.h"
#include "modeltesthelpers.h"
#include "wallcollection.h"

namespace {

void InitRun(CWallCollection& run, int32_t length) {
  EXPECT_TRUE(run.Init(length, 100, nullptr, Orientation::kHorizontal));
}

struct AutoFillCase {
  int32_t length;
  std::vector<int32_t> widths;
  std::vector<int32_t> kinds;
};

class AutoFillTest : public ::testing::TestWithParam<AutoFillCase> {};

TEST_P(AutoFillTest, FillsWithStandardPanelsAndOneRemainder) {
  const AutoFillCase& c = GetParam();
  CWallCollection run;
  ASSERT_TRUE(run.Init(c.length, 100, nullptr, Orientation::kVertical));
  run.AutoFill();
  EXPECT_EQ(Widths(run), c.widths);
  EXPECT_EQ(Kinds(run), c.kinds);
  EXPECT_TRUE(run.IsFullyDivided());
}

INSTANTIATE_TEST_SUITE_P(Runs, AutoFillTest,
                         ::testing::Values(AutoFillCase{2900, {1200, 1200, 500}, {1, 1, 2}},
                                           AutoFillCase{-1900, {1200, 700}, {1, 2}},
                                           AutoFillCase{2400, {1200, 1200}, {1, 1}},
                                           AutoFillCase{0, {}, {}},
                                           AutoFillCase{1500, {1200, 300}, {1, 2}},
                                           AutoFillCase{-1, {1}, {2}}));

}  // namespace

TEST(WallCollectionTest, RemainderOfAStandardWidthIsKindTwoYetStandardWidth) {
  for (int32_t rest : {300, 600, 900}) {
    CWallCollection run;
    InitRun(run, 1200 + rest);
    run.AutoFill();
    const CWallPanel* last = run.PanelAt(1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Kind(), kPanelOtherWidth);
    EXPECT_TRUE(last->IsStandardWidth());
  }
  CWallCollection odd;
    InitRun(odd, 1700);
  odd.AutoFill();
  EXPECT_FALSE(odd.PanelAt(1)->IsStandardWidth());
}

TEST(WallCollectionTest, AutoFillOfTheLongestRunEnds) {
  CWallCollection run;
    InitRun(run, model_limits::kMaxLength);
  run.AutoFill();
  EXPECT_TRUE(run.IsFullyDivided());
  EXPECT_EQ(run.PanelCount(), 834);
  EXPECT_EQ(run.PanelAt(833)->Width(), 400);
}

TEST(WallCollectionTest, ManualListIsCompletedWithStandardPanels) {
  CWallCollection run;
    InitRun(run, 2900);
  const std::vector<int32_t> widths{600, 600};
  ASSERT_TRUE(run.DivideManually(widths, CWallCollection::Completion::kFillToEnd));
  EXPECT_EQ(Widths(run), (std::vector<int32_t>{600, 600, 1200, 500}));
  EXPECT_EQ(Kinds(run), (std::vector<int32_t>{2, 2, 1, 2}));

  // The replay of a recorded division completes with a single step.
  ASSERT_TRUE(run.DivideManually(widths, CWallCollection::Completion::kOneStep));
  EXPECT_EQ(Widths(run), (std::vector<int32_t>{600, 600, 1200}));
  EXPECT_FALSE(run.IsFullyDivided());
}

TEST(WallCollectionTest, ManualDivisionKeepsTheDoorsWhosePanelsStayInPlace) {
  CWallCollection run;
  InitRun(run, 4100);
  Divide(run, {1200, 1200, 1200, 500});
  run.PanelAt(0)->SetKind(kSwingDoorBlock);
  run.PanelAt(0)->SetDoorVariant(3);
  run.PanelAt(1)->SetKind(kOpening);
  run.PanelAt(1)->SetOpeningHeight(1900);
  run.PanelAt(2)->SetKind(kContainerDoorLeft);
  run.PanelAt(3)->SetKind(kOpening);

  // The same division, as Apply on an untouched dialog gives it: every door
  // stays. Then the middle panels change: the door at 0 and the opening at
  // 3600 keep their places, the two in between have none any more.
  const std::vector<int32_t> same{1200, 1200, 1200, 500};
  ASSERT_TRUE(run.DivideManually(same, CWallCollection::Completion::kOneStep));
  EXPECT_EQ(Kinds(run), (std::vector<int32_t>{kSwingDoorBlock, kOpening, kContainerDoorLeft, kOpening}));
  EXPECT_EQ(run.PanelAt(0)->DoorVariant(), 3);
  EXPECT_EQ(run.PanelAt(1)->OpeningHeight(), 1900);

  const std::vector<int32_t> moved{1200, 600, 1800, 500};
  ASSERT_TRUE(run.DivideManually(moved, CWallCollection::Completion::kFillToEnd));
  EXPECT_EQ(Kinds(run), (std::vector<int32_t>{kSwingDoorBlock, kPanelOtherWidth, kPanelOtherWidth, kOpening}));
  EXPECT_EQ(run.PanelAt(1)->OpeningHeight(), 0);
  // A panel at the door's place but of another width is a new panel.
  const std::vector<int32_t> narrower{900};
  ASSERT_TRUE(run.DivideManually(narrower, CWallCollection::Completion::kFillToEnd));
  EXPECT_EQ(Widths(run), (std::vector<int32_t>{900, 1200, 1200, 800}));
  EXPECT_EQ(Kinds(run), (std::vector<int32_t>{kPanelOtherWidth, kPanelStandard, kPanelStandard, kPanelOtherWidth}));
}

TEST(WallCollectionTest, OverfilledRunIsNeverFullyDivided) {
  CWallCollection run;
    InitRun(run, 1000);
  ASSERT_TRUE(run.AppendPanel(1200));
  EXPECT_FALSE(run.AutoFillStep());
  EXPECT_EQ(run.PanelCount(), 1);
  EXPECT_FALSE(run.IsFullyDivided());
}

TEST(WallCollectionTest, PanelStepAndOffsetsFollowTheRun) {
  CWallCollection run;
    InitRun(run, -2100);
  Divide(run, {1200, 900});
  EXPECT_EQ(run.PanelStep(0), 0);
  EXPECT_EQ(run.PanelStep(1), -1200);
  EXPECT_EQ(run.PanelStep(2), -900);
  EXPECT_EQ(run.PanelStep(3), 0);
  EXPECT_EQ(run.PanelStep(-1), 0);
  EXPECT_EQ(run.PanelAt(0)->Offset(), 0);
  EXPECT_EQ(run.PanelAt(1)->Offset(), 1200);
  EXPECT_EQ(run.PanelAt(1)->Owner(), &run);
}

TEST(WallCollectionTest, LookupsOutsideTheRunGiveNothing) {
  CWallCollection run;
    InitRun(run, 2400);
  run.AutoFill();
  CWallCollection other;
    InitRun(other, 2400);
  other.AutoFill();
  EXPECT_EQ(run.PanelAt(-1), nullptr);
  EXPECT_EQ(run.PanelAt(2), nullptr);
  EXPECT_EQ(run.IndexOfPanel(run.PanelAt(1)), 1);
  EXPECT_EQ(run.IndexOfPanel(other.PanelAt(1)), -1);
  EXPECT_EQ(run.IndexOfPanel(nullptr), -1);
}

TEST(WallCollectionTest, RefusesPanelsNoRunCanHold) {
  CWallCollection run;
    InitRun(run, 2400);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(run.AppendPanel(0, &why));
  EXPECT_EQ(why, EditRefusal::kBadArgument);
  EXPECT_FALSE(run.AppendPanel(-1200));
  ASSERT_TRUE(run.AppendPanel(model_limits::kMaxLength - 1));
  EXPECT_FALSE(run.AppendPanel(2, &why));
  EXPECT_EQ(why, EditRefusal::kBeyondLimits);
  EXPECT_EQ(run.PanelCount(), 1);

  // A bad width anywhere in a manual list leaves the old division.
  run.AutoFill();
  const std::vector<int32_t> bad{600, -5, 600};
  EXPECT_FALSE(run.DivideManually(bad, CWallCollection::Completion::kFillToEnd));
  EXPECT_EQ(Widths(run), (std::vector<int32_t>{1200, 1200}));
  const std::vector<int32_t> tooMany(model_limits::kMaxPanelsPerRun + 1, 1);
  EXPECT_FALSE(run.DivideManually(tooMany, CWallCollection::Completion::kFillToEnd, &why));
  EXPECT_EQ(why, EditRefusal::kBeyondLimits);
}

TEST(WallCollectionTest, PanelCountStopsAtItsLimit) {
  CWallCollection run;
    InitRun(run, model_limits::kMaxLength);
  const std::vector<int32_t> ones(model_limits::kMaxPanelsPerRun, 1);
  ASSERT_TRUE(run.DivideManually(ones, CWallCollection::Completion::kFillToEnd));
  EXPECT_EQ(run.PanelCount(), model_limits::kMaxPanelsPerRun);
  EXPECT_FALSE(run.AppendPanel(1));
  EXPECT_FALSE(run.IsFullyDivided());
}

TEST(WallCollectionTest, InitRefusesLengthsBeyondTheLimits) {
  CWallCollection run;
  EXPECT_FALSE(run.Init(model_limits::kMaxLength + 1, 100, nullptr, Orientation::kHorizontal));
  EXPECT_FALSE(run.Init(-model_limits::kMaxLength - 1, 100, nullptr, Orientation::kHorizontal));
  EXPECT_FALSE(run.Init(1000, -1, nullptr, Orientation::kHorizontal));
  EXPECT_EQ(run.Length(), 0);
  EXPECT_TRUE(run.Init(-model_limits::kMaxLength, 100, nullptr, Orientation::kHorizontal));
  EXPECT_EQ(run.ExtendedLength(), -model_limits::kMaxLength - 100);
  EXPECT_EQ(run.Corner(), nullptr);
  EXPECT_TRUE(run.InitWithCorner(500, 80, nullptr, Orientation::kVertical));
  ASSERT_NE(run.Corner(), nullptr);
  EXPECT_EQ(run.Corner()->Size(), 80);
}

TEST(WallPanelTest, DoorsComeAndGoByKind) {
  CWallPanel panel(900, nullptr);
  EXPECT_EQ(panel.Kind(), kPanelOtherWidth);
  panel.ResetDoor();
  EXPECT_EQ(panel.Kind(), kPanelOtherWidth);  // not a door: left alone

  EXPECT_TRUE(panel.SetDoorKind(kSwingDoorBlock));
  EXPECT_EQ(panel.OpeningHeight(), 1850);
  EXPECT_TRUE(panel.IsDoor());
  panel.ResetDoor();
  EXPECT_EQ(panel.Kind(), kPanelStandard);  // whatever the width

  // Every door command sets 1850, even one that does not take.
  CWallPanel other(1200, nullptr);
  EXPECT_FALSE(other.SetDoorKind(5));
  EXPECT_EQ(other.Kind(), kPanelStandard);
  EXPECT_EQ(other.OpeningHeight(), 1850);
}

TEST(WallPanelTest, OpeningHeightIsKeptForOpeningsOnly) {
  CWallPanel panel(1200, nullptr);
  EXPECT_TRUE(panel.SetOpeningHeight(2000));
  EXPECT_EQ(panel.OpeningHeight(), 0);
  ASSERT_TRUE(panel.SetKind(kOpening));
  EXPECT_TRUE(panel.SetOpeningHeight(2000));
  EXPECT_EQ(panel.OpeningHeight(), 2000);
  EXPECT_FALSE(panel.SetOpeningHeight(-1));
  EXPECT_EQ(panel.OpeningHeight(), 2000);
}

TEST(WallPanelTest, RefusesKindsVariantsAndWidthsNoPanelHas) {
  CWallPanel panel(1200, nullptr);
  for (int32_t kind : {0, 3, 4, 5, 12, -1}) EXPECT_FALSE(panel.SetKind(kind)) << kind;
  for (int32_t variant : {-1, 4}) EXPECT_FALSE(panel.SetDoorVariant(variant)) << variant;
  EXPECT_FALSE(panel.SetWidth(0));
  EXPECT_FALSE(panel.SetWidth(model_limits::kMaxLength + 1));
  EXPECT_EQ(panel.Kind(), kPanelStandard);
  EXPECT_EQ(panel.DoorVariant(), 0);
  EXPECT_EQ(panel.Width(), 1200);
  EXPECT_TRUE(panel.SetWidth(500));
  EXPECT_EQ(panel.Kind(), kPanelStandard);  // the kind stays that of the append
}
