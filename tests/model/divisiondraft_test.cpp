// The division dialog's bookkeeping without the dialog: what is left
// unallocated, the sizes offered, the checks of typed sizes, and applying
// the draft to its wall or strip.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "divisiondraft.h"
#include "modellimits.h"
#include "modeltesthelpers.h"

namespace {

using List = std::vector<int32_t>;
using SizeCheck = CDivisionDraft::SizeCheck;

List Values(const CLengthList& list) { return List(list.Values().begin(), list.Values().end()); }

}  // namespace

TEST(DivisionDraftTest, OffersTheStandardSizesThatStillFit) {
  struct Case {
    List chosen;
    int32_t previous;  // the size selected before the change, 0 for none
    List offered;
    int selected;
  };
  const Case cases[] = {
      {{}, 0, {300, 600, 900, 1200}, 0},            // a fresh list starts at the first
      {{1200}, 1200, {300, 600, 900, 1200}, 3},     // the chosen size stays while it fits
      {{1200, 1200}, 1200, {300, 600}, 1},          // else the largest that fits
      {{1200, 1200, 500}, 600, {}, -1},             // 100 left: nothing to offer
      {{1200, 1200, 1200}, 300, {}, -1},            // overfull
  };
  CWallCollection wall;
  ASSERT_TRUE(wall.Init(-3000, 80, nullptr, Orientation::kHorizontal));  // a run going left counts its size
  for (const Case& c : cases) {
    CDivisionDraft draft;
    draft.SetObject(&wall);
    for (int32_t w : c.chosen) draft.Widths().Append(w);
    EXPECT_EQ(draft.OfferedSizes(), c.offered) << c.chosen.size();
    EXPECT_EQ(draft.OfferIndexAfter(c.previous), c.selected) << c.chosen.size();
  }
}

TEST(DivisionDraftTest, UnallocatedLengthFollowsTheListAndDecidesTheCompletion) {
  CWallCollection wall;
  ASSERT_TRUE(wall.Init(3000, 80, nullptr, Orientation::kHorizontal));
  Divide(wall, {1200, 1200, 600});
  CDivisionDraft draft;
  draft.SetObject(&wall);
  // The wall's own panels to start with.
  EXPECT_EQ(Values(draft.Widths()), (List{1200, 1200, 600}));
  EXPECT_EQ(draft.Widths().Unallocated(), 0);
  EXPECT_EQ(draft.State(), CDivisionDraft::Completion::kComplete);

  ASSERT_TRUE(draft.Widths().RemoveAt(1));
  EXPECT_FALSE(draft.Widths().RemoveAt(2));
  EXPECT_EQ(draft.Widths().Unallocated(), 1200);
  EXPECT_EQ(draft.State(), CDivisionDraft::Completion::kShort);
  draft.Widths().Insert(1, 900);
  draft.Widths().Insert(99, 900);  // past the end: appended
  EXPECT_EQ(Values(draft.Widths()), (List{1200, 900, 600, 900}));
  EXPECT_EQ(draft.Widths().Unallocated(), -600);
  EXPECT_EQ(draft.State(), CDivisionDraft::Completion::kOverfull);
  draft.Widths().Clear();
  EXPECT_EQ(draft.Widths().Unallocated(), 3000);
  EXPECT_EQ(draft.Widths().Total(), 3000);

  // The exact size: a whole number from 1 up to what is left.
  EXPECT_FALSE(draft.ExactSizeFits(std::nullopt));
  EXPECT_FALSE(draft.ExactSizeFits(0));
  EXPECT_TRUE(draft.ExactSizeFits(1));
  EXPECT_TRUE(draft.ExactSizeFits(3000));
  EXPECT_FALSE(draft.ExactSizeFits(3001));
  // Nothing of it touched the wall.
  EXPECT_EQ(Widths(wall), (List{1200, 1200, 600}));
}

TEST(DivisionDraftTest, HeightsAreCheckedAgainstTheHeightAndComeBackAsCutPieces) {
  CDivisionDraft draft;
  CFloorStrip strip;
  ASSERT_TRUE(strip.SetRect(0, 0, 2400, 3000));
  draft.SetObject(&strip);
  draft.SetHeight(3000);
  EXPECT_TRUE(draft.HasHeights());
  draft.Heights().Append(1000);
  const struct {
    std::optional<int64_t> height;
    SizeCheck check;
  } cases[] = {
      {std::nullopt, SizeCheck::kNoNumber}, {0, SizeCheck::kNotPositive},  {-5, SizeCheck::kNotPositive},
      {3001, SizeCheck::kAboveTotal},       {2001, SizeCheck::kAboveRemaining}, {2000, SizeCheck::kOk},
  };
  for (const auto& c : cases) EXPECT_EQ(draft.CheckHeight(c.height), c.check) << c.height.value_or(-1);

  // Pieces first to last: what is left, then the heights from the last added.
  draft.Heights().Append(1500);
  EXPECT_EQ(draft.CutPieces(), (List{500, 1500, 1000}));
  draft.Heights().Append(500);
  EXPECT_EQ(draft.CutPieces(), (List{500, 1500, 1000}));

  CWallCollection wall;
  ASSERT_TRUE(wall.Init(3000, 80, nullptr, Orientation::kHorizontal));
  draft.SetObject(&wall);
  EXPECT_FALSE(draft.HasHeights());
}

TEST(DivisionDraftTest, ApplyRebuildsTheObjectOrLeavesItWhole) {
  CWallCollection wall;
  ASSERT_TRUE(wall.Init(3000, 80, nullptr, Orientation::kHorizontal));
  CDivisionDraft draft;
  draft.SetObject(&wall);
  EXPECT_EQ(draft.AutomaticWidths(), (List{1200, 1200, 600}));
  EXPECT_EQ(wall.PanelCount(), 0);
  draft.Widths().Append(900);
  List applied;
  ASSERT_TRUE(draft.Apply(&applied));
  // What the list leaves is filled up to the end.
  EXPECT_EQ(applied, (List{900, 1200, 900}));
  EXPECT_EQ(Widths(wall), applied);

  // More panels than a run may hold: refused, the wall as it was.
  draft.Widths().Reset(3000, List(static_cast<size_t>(model_limits::kMaxPanelsPerRun) + 1, 1));
  applied.clear();
  EXPECT_FALSE(draft.Apply(&applied));
  EXPECT_TRUE(applied.empty());
  EXPECT_EQ(Widths(wall), (List{900, 1200, 900}));

  CFloorStrip strip;
  ASSERT_TRUE(strip.SetRect(0, 0, 2400, 3000));
  draft.SetObject(&strip);
  draft.Widths().Clear();
  draft.Widths().Append(1200);
  ASSERT_TRUE(draft.Apply(&applied));
  EXPECT_EQ(applied, Widths(strip));
  EXPECT_EQ(applied.front(), 1200);
}
