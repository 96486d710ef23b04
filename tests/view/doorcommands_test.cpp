// Doors and openings: what each command refuses, and that the door the
// user sees is the door undo, redo and the camera file give back.
#include "editcommandtest.h"

namespace {

TEST_F(EditCommandTest, SwingDoorBlocksNeedTheirCameraHeight) {
  struct Case {
    int command;
    int32_t height;
    int32_t variant;  // 0: refused
  };
  for (const Case c : {Case{Cmd::kSetSwingDoor2300, 2300, 2}, Case{Cmd::kSetSwingDoor2300, 2299, 0},
                       Case{Cmd::kSetSwingDoor2560, 2400, 3}, Case{Cmd::kSetSwingDoor2560, 2399, 0},
                       Case{Cmd::kSetSwingDoor2040, 1500, 1}}) {
    SCOPED_TRACE(c.height);
    CChildView window;
    ASSERT_TRUE(window.CreateCamera(QString(), QString(), 2920, 1920, c.height, 80, false, false));
    window.RunCommand(Cmd::kFillAllObjects);
    messages.Clear();
    // The height comes first; with no panel picked a camera high enough
    // does nothing and says nothing.
    window.RunCommand(c.command);
    if (c.variant == 0) {
      ASSERT_EQ(messages.Messages().size(), 1u);
      EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kCameraTooLowForDoor, Lang::kCameraTooLowCaption));
    }
    EXPECT_EQ(window.Document().Log().size(), 2u);

    messages.Clear();
    window.ContextMenuFor(PixelOnPanel(window, 0, 1));
    window.RunCommand(c.command);
    if (c.variant == 0) {
      EXPECT_EQ(messages.Messages().size(), 1u);
      EXPECT_EQ(window.Document().Log().size(), 2u);
    } else {
      EXPECT_TRUE(messages.Empty());
      EXPECT_EQ(window.Document().Log().back(), PanelDoorRecord(0, 1, kSwingDoorBlock, c.variant, 0));
    }
  }
}

TEST_F(EditCommandTest, ContainerAndSlidingDoorsNeedAPanelOnEitherSide) {
  Create(4920);  // the top wall: four panels of 1200 and one of 40
  view.RunCommand(Cmd::kFillAllObjects);
  for (int command : {Cmd::kSetContainerDoorLeft, Cmd::kSetContainerDoorRight, Cmd::kSetSlidingDoorLeft,
                      Cmd::kSetSlidingDoorRight}) {
    for (int end : {0, 4}) {
      messages.Clear();
      PickPanel(0, end);
      view.RunCommand(command);
      ASSERT_EQ(messages.Messages().size(), 1u);
      EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kDoorOnEndPanel, Lang::kErrorCaption));
    }
  }
  EXPECT_EQ(LogSize(), 2u);

  // Next to another door is fine.
  PickPanel(0, 1);
  view.RunCommand(Cmd::kSetSwingDoor2040);
  PickPanel(0, 2);
  ExpectRecorded(kOpPanelDoor, [&] { view.RunCommand(Cmd::kSetContainerDoorLeft); });
  EXPECT_EQ(LastRecord(), PanelDoorRecord(0, 2, kContainerDoorLeft, 0, 0));
  PickPanel(0, 3);
  ExpectRecorded(kOpPanelDoor, [&] { view.RunCommand(Cmd::kSetSlidingDoorRight); });
  EXPECT_EQ(view.Camera().WallAt(0)->PanelAt(3)->Kind(), kSlidingDoorRight);
}

TEST_F(EditCommandTest, OpeningHeightIsCheckedAndEachDoorRecordHoldsWhatThePanelShows) {
  Create();
  view.RunCommand(Cmd::kFillAllObjects);
  PickPanel(0, 1);
  // The dialog reads leniently; no height, or one above the 2040 mm wall,
  // is refused with a message. Cancel says nothing.
  for (const QString& typed : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("2041")}) {
    messages.Clear();
    host.OnDialog(TypeAndConfirm({{Ctl::OpeningHeight::kHeight, typed}}));
    view.RunCommand(Cmd::kSetOpening);
    EXPECT_EQ(messages.Messages().size(), 1u) << typed.toStdString();
  }
  messages.Clear();
  host.OnDialog(Cancel());
  view.RunCommand(Cmd::kSetOpening);
  EXPECT_TRUE(messages.Empty());
  EXPECT_EQ(LogSize(), 2u);

  ExpectRecorded(kOpPanelDoor, [&] {
    host.OnDialog(TypeAndConfirm({{Ctl::OpeningHeight::kHeight, QStringLiteral("1900")}}));
    view.RunCommand(Cmd::kSetOpening);
  });
  EXPECT_EQ(LastRecord(), PanelDoorRecord(0, 1, kOpening, 0, 1900));

  // A door put on the former opening, and then taken away, keep the
  // panel's other fields as they are; the records say so.
  PickPanel(0, 1);
  ExpectRecorded(kOpPanelDoor, [&] { view.RunCommand(Cmd::kSetSwingDoor2040); });
  EXPECT_EQ(LastRecord(), PanelDoorRecord(0, 1, kSwingDoorBlock, 1, 1900));
  PickPanel(0, 1);
  ExpectRecorded(kOpPanelDoor, [&] { view.RunCommand(Cmd::kDeleteDoor); });
  EXPECT_EQ(LastRecord(), PanelDoorRecord(0, 1, kPanelStandard, 1, 1900));

  // Nothing to delete on an ordinary panel.
  PickPanel(0, 1);
  view.RunCommand(Cmd::kDeleteDoor);
  EXPECT_EQ(LogSize(), 5u);
  EXPECT_TRUE(host.DialogsDone());
}

}  // namespace
