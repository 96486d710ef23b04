// Partitions: the two-click placement in its cases, continuing a wall as a
// partition, and the partition commands with their records.
#include <QLineEdit>

#include "editcommandtest.h"

namespace {

using Ctl::PartitionLength::kLength;

// Confirms the length dialog as it comes, noting what it offered.
CScriptedHost::DialogScript ConfirmOffer(QString* offered) {
  return [offered](QDialog& dialog) {
    *offered = Control<QLineEdit>(dialog, kLength)->text();
    ClickControl(dialog, Ctl::kOk);
  };
}

TEST_F(EditCommandTest, PartitionBetweenTwoWallsStartsAtTheLargerCornerAndRunsBack) {
  Create();
  view.RunCommand(Cmd::kPartitionMode);
  Click(PixelOf(view, {1000, 0}));  // the top wall
  EXPECT_TRUE(view.IsModeOn(ViewMode::kPartition));
  QString offered;
  host.OnDialog(ConfirmOffer(&offered));
  ExpectRecorded(kOpAddPartition, [&] { Click(PixelOf(view, {1400, 1920})); });  // the bottom wall
  EXPECT_EQ(offered, QStringLiteral("1840"));
  EXPECT_EQ(LastRecord(), AddPartitionRecord(1440, 1920, -1840, 1));
  // Between the two walls' inner faces, on the right of the later click.
  EXPECT_EQ(view.Camera().PartitionAt(0)->Rect(), (ModelRect{1400, 1880, 1480, 40}));
  EXPECT_FALSE(view.IsModeOn(ViewMode::kPartition));
}

TEST_F(EditCommandTest, PartitionFromAWallIntoTheRoomStartsAtTheWallsInnerFace) {
  Create();
  view.RunCommand(Cmd::kPartitionMode);
  Click(PixelOf(view, {1000, 0}));
  QString offered;
  host.OnDialog(ConfirmOffer(&offered));
  Click(PixelOf(view, {1300, 1000}));  // farther across than along: still square to the wall
  EXPECT_EQ(offered, QStringLiteral("960"));
  EXPECT_EQ(LastRecord(), AddPartitionRecord(1040, 0, 960, 1));
  EXPECT_EQ(view.Camera().PartitionAt(0)->Rect(), (ModelRect{1000, 40, 1080, 1000}));
}

TEST_F(EditCommandTest, PlacementStaysPendingUntilItEndsOnAWallAcrossOrIsCancelled) {
  Create();
  view.RunCommand(Cmd::kPartitionMode);
  Click(PixelOf(view, {1000, 0}));
  Click(PixelOf(view, {2920, 900}));  // the right wall runs along the partition
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kPartitionParallelToWall, Lang::kPartitionPlacementCaption));
  EXPECT_TRUE(view.IsModeOn(ViewMode::kPartition));

  // A length that is no length is refused; the placement still waits.
  host.OnDialog(TypeAndConfirm({{kLength, QStringLiteral("-5")}}));
  Click(PixelOf(view, {1000, 1920}));
  EXPECT_EQ(messages.Messages().size(), 2u);
  EXPECT_TRUE(view.IsModeOn(ViewMode::kPartition));
  EXPECT_EQ(LogSize(), 1u);

  host.OnDialog(Cancel());
  Click(PixelOf(view, {1000, 1920}));
  EXPECT_FALSE(view.IsModeOn(ViewMode::kPartition));
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_TRUE(host.DialogsDone());
}

TEST_F(EditCommandTest, ContinuingAWallWhoseBackNeighbourTouchesGoesStraightOnForwards) {
  // The upper part of the left wall moved 600 in: the step between the two
  // parts is a horizontal wall that touches the lower part behind it.
  Create();
  Apply(SplitWallRecord(3, false, 900));
  Apply(MoveWallRecord(4, 1, 600));
  const int step = 4;
  ASSERT_EQ(view.Camera().WallAt(step)->GetOrientation(), Orientation::kHorizontal);
  ASSERT_EQ(view.ContextMenuFor(PixelOnWall(view, step)), MenuId::kUndividedWall);
  const ModelRect body = view.Camera().WallRect(step);
  QString offered;
  host.OnDialog(ConfirmOffer(&offered));  // one dialog only: the forward side
  ExpectRecorded(kOpAddPartition, [&] { view.RunCommand(Cmd::kContinueAsPartition); });
  EXPECT_TRUE(host.DialogsDone());
  const CPartition& partition = *view.Camera().PartitionAt(0);
  // From one thickness past the step to the right wall's inner face, on
  // the step's line.
  EXPECT_EQ(partition.Rect().Left(), body.Right() + 80);
  EXPECT_EQ(partition.Rect().Right(), view.Camera().WallRect(1).Left());
  EXPECT_EQ(partition.Rect().Top(), body.Top());
  EXPECT_EQ(partition.Length(), offered.toInt());
}

TEST_F(EditCommandTest, PartitionCommandsAreRecordedWithThePartition) {
  Create();
  Apply(AddPartitionRecord(1500, 40, 1840, 1));  // y 80 to 1920: panels 1200 and 640
  const QPoint onPartition = PixelOf(view, {1500, 900});
  const QPoint onSecondPanel = PixelOf(view, {1500, 1500});
  ASSERT_EQ(view.ContextMenuFor(onPartition), MenuId::kPartition);
  ExpectRecorded(kOpAutoFillPartition, [&] { view.RunCommand(Cmd::kSplitPartition); });
  EXPECT_EQ(LastRecord(), AutoFillPartitionRecord(0));

  ASSERT_EQ(view.ContextMenuFor(onSecondPanel), MenuId::kPanel);
  view.RunCommand(Cmd::kSetContainerDoorLeft);  // the partition's last panel
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kDoorOnEndPanel, Lang::kErrorCaption));
  EXPECT_EQ(LogSize(), 3u);
  ExpectRecorded(kOpPartitionPanelDoor, [&] { view.RunCommand(Cmd::kSetSwingDoor2040); });
  EXPECT_EQ(LastRecord(), PartitionPanelDoorRecord(0, 1, kSwingDoorBlock, 1, 0));

  // The unchanged division applied again keeps the door.
  view.ContextMenuFor(onSecondPanel);
  host.OnDialog([](QDialog& dialog) { ClickControl(dialog, Ctl::kOk); });
  ExpectRecorded(kOpDividePartition, [&] { view.RunCommand(Cmd::kManualDivisionPartition); });
  const int32_t widths[] = {1200, 640};
  EXPECT_EQ(LastRecord(), DividePartitionRecord(0, widths));
  EXPECT_EQ(view.Camera().PartitionAt(0)->PanelAt(1)->Kind(), kSwingDoorBlock);

  view.ContextMenuFor(onSecondPanel);
  ExpectRecorded(kOpClearPartition, [&] { view.RunCommand(Cmd::kRemoveDivision); });
  EXPECT_EQ(LastRecord(), ClearPartitionRecord(0));
  ASSERT_EQ(view.ContextMenuFor(onPartition), MenuId::kPartition);
  ExpectRecorded(kOpDeletePartition, [&] { view.RunCommand(Cmd::kDeletePartition); });
  EXPECT_EQ(view.Camera().PartitionCount(), 0);
  EXPECT_EQ(view.Selection().Partition(), nullptr);
}

}  // namespace
