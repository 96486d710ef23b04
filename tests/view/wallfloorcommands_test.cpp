// Walls and the floor: the division commands record the wall or strip they
// changed, a cancelled dialog records nothing, and doors survive a
// division that leaves their panels in place.
#include <QListWidget>

#include "editcommandtest.h"
#include "floorstrip.h"

namespace {

using namespace Ctl::WallDivision;

void Choose(QDialog& dialog, int row) {
  Control<QListWidget>(dialog, kAvailable)->setCurrentRow(row);
  ClickControl(dialog, kAdd);
}

TEST_F(EditCommandTest, WallDivisionCommandsAreRecordedWithTheirWall) {
  Create();
  ExpectRecorded(kOpFillAllWalls, [&] { view.RunCommand(Cmd::kFillAllObjects); });
  view.ContextMenuFor(PixelOnPanel(view, 1, 0));
  ExpectRecorded(kOpClearWall, [&] { view.RunCommand(Cmd::kRemoveDivision); });
  EXPECT_EQ(LastRecord(), ClearWallRecord(1));
  ASSERT_EQ(view.ContextMenuFor(PixelOnWall(view, 1)), MenuId::kUndividedWall);
  ExpectRecorded(kOpAutoFillWall, [&] { view.RunCommand(Cmd::kSplitCollection); });
  EXPECT_EQ(LastRecord(), AutoFillWallRecord(1));
  ASSERT_EQ(PickPanel(0, 2), MenuId::kNonStandardPanel);
  ExpectRecorded(kOpClearWall, [&] { view.RunCommand(Cmd::kDeleteDivision); });
  EXPECT_EQ(LastRecord(), ClearWallRecord(0));

  // A cancelled division leaves the undivided wall as it is, and the log
  // too: a record would add a completion panel on every reload.
  view.ContextMenuFor(PixelOnWall(view, 0));
  host.OnDialog(Cancel());
  view.RunCommand(Cmd::kManualDivision);
  EXPECT_EQ(LogSize(), 5u);
  EXPECT_EQ(view.Camera().WallAt(0)->PanelCount(), 0);

  // 600, and the rest left to the completion after the question.
  view.ContextMenuFor(PixelOnWall(view, 0));
  messages.Answer(kMessageYes);
  ExpectRecorded(kOpDivideWall, [&] {
    host.OnDialog([](QDialog& dialog) {
      Choose(dialog, 1);
      ClickControl(dialog, Ctl::kOk);
    });
    view.RunCommand(Cmd::kManualDivision);
  });
  const int32_t widths[] = {600, 1200, 1040};
  EXPECT_EQ(LastRecord(), DivideWallRecord(0, widths));
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kLengthNotAllocated, Lang::kAttentionCaption));
  EXPECT_TRUE(host.DialogsDone());
}

TEST_F(EditCommandTest, ApplyingAnUnchangedDivisionKeepsTheDoors) {
  Create();
  view.RunCommand(Cmd::kFillAllObjects);
  PickPanel(0, 1);
  view.RunCommand(Cmd::kSetSwingDoor2040);
  PickPanel(0, 2);
  host.OnDialog(TypeAndConfirm({{Ctl::OpeningHeight::kHeight, QStringLiteral("1900")}}));
  view.RunCommand(Cmd::kSetOpening);

  PickPanel(0, 0);
  host.OnDialog([](QDialog& dialog) { ClickControl(dialog, Ctl::kOk); });
  ExpectRecorded(kOpDivideWall, [&] { view.RunCommand(Cmd::kManualDivision); });
  const CWallCollection& wall = *view.Camera().WallAt(0);
  EXPECT_EQ(wall.PanelAt(1)->Kind(), kSwingDoorBlock);
  EXPECT_EQ(wall.PanelAt(2)->Kind(), kOpening);
  EXPECT_EQ(wall.PanelAt(2)->OpeningHeight(), 1900);
}

TEST_F(EditCommandTest, FloorStripDivisionAndCutsAreRecorded) {
  Create();
  ASSERT_EQ(view.ContextMenuFor(PixelOf(view, {1200, 300})), MenuId::kFloorStrip);
  host.OnDialog(Cancel());
  view.RunCommand(Cmd::kSplitFloor);
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_EQ(view.Selection().Strip(), nullptr);

  // The strip is 3000 x 2000: one 1200 panel and a cut at 1000 from the
  // far end; the rest of either comes from the completion.
  view.ContextMenuFor(PixelOf(view, {1200, 300}));
  messages.Answer(kMessageYes);
  ExpectRecorded(kOpDivideFloorStrip, [&] {
    host.OnDialog([](QDialog& dialog) {
      ClickControl(dialog, kClear);
      Choose(dialog, 3);
      TypeInto(dialog, kHeight, QStringLiteral("1000"));
      ClickControl(dialog, kAddHeight);
      ClickControl(dialog, Ctl::kOk);
    });
    view.RunCommand(Cmd::kSplitFloor);
  });
  const int32_t widths[] = {1200, 1200, 600};
  const int32_t pieces[] = {1000, 1000};
  EXPECT_EQ(LastRecord(), DivideFloorStripRecord(0, widths, pieces));
  EXPECT_EQ(view.Camera().FloorStripAt(0)->Cuts().size(), 2u);
}

TEST_F(EditCommandTest, NonStandardPanelIsFixedUnlessTheGeometryIsLocked) {
  Create();
  view.RunCommand(Cmd::kFillAllObjects);
  // Keeping the width changes nothing, not even the opposite wall.
  ASSERT_EQ(PickPanel(0, 2), MenuId::kNonStandardPanel);
  host.OnDialog([](QDialog& dialog) {
    ClickControl(dialog, Ctl::NonStandard::kKeep);
    ClickControl(dialog, Ctl::kOk);
  });
  view.RunCommand(Cmd::kFixNonStandardPanel);
  EXPECT_EQ(LogSize(), 2u);
  EXPECT_EQ(view.Selection().Panel(), nullptr);

  PickPanel(0, 2);
  ExpectRecorded(kOpResizePanel, [&] {
    host.OnDialog([](QDialog& dialog) {
      ClickControl(dialog, Ctl::NonStandard::kRoundUp);
      ClickControl(dialog, Ctl::kOk);
    });
    view.RunCommand(Cmd::kFixNonStandardPanel);
  });
  EXPECT_EQ(LastRecord(), ResizePanelRecord(0, 2, 600));
  EXPECT_EQ(view.Camera().WallAt(0)->Length(), 3000);
  EXPECT_EQ(view.Camera().WallAt(2)->Length(), -3000);

  CChildView locked;
  ASSERT_TRUE(locked.CreateCamera(QString(), QString(), 2920, 1920, 2040, 80, false, true));
  locked.RunCommand(Cmd::kFillAllObjects);
  locked.ContextMenuFor(PixelOnPanel(locked, 0, 2));
  messages.Clear();
  locked.RunCommand(Cmd::kFixNonStandardPanel);  // no dialog
  EXPECT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(locked.Document().Log().back().op, kOpFillAllWalls);
  EXPECT_TRUE(host.DialogsDone());
}

TEST_F(EditCommandTest, MoveThatWouldMakeWallsCrossSaysWhyAndRecordsNothing) {
  // An L with its lower left cut away up to y = 1000 and a corner in its
  // top: the top's right piece moved 1500 down would pass through the
  // other arm.
  Create(3000, 3000);
  Apply(SplitWallRecord(2, false, 1800));
  Apply(MoveWallRecord(3, 0, 2000));
  Apply(SplitWallRecord(0, false, 1800));
  const std::string before = State();
  const size_t logBefore = LogSize();
  view.RunCommand(Cmd::kMoveWallMode);
  host.OnDialog(TypeAndConfirm({{Ctl::MoveWall::kDistance, QStringLiteral("1500")}}));
  Click(PixelOnWall(view, 1));
  // The refusal says how far the wall can go that way instead.
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, QStringLiteral("Стену можно передвинуть внутрь не более чем на 999 мм."));
  EXPECT_EQ(LogSize(), logBefore);
  EXPECT_EQ(State(), before);
  EXPECT_TRUE(host.DialogsDone());
}

}  // namespace
