// Exact dimensions in the camera window: walls dragged either way with the
// outline following the pointer, partitions placed at a typed distance, the
// inside dimensions switch, and the status bar naming what is under the
// pointer. Each edit is checked in the camera and undone.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSettings>

#include "editcommandtest.h"
#include "partitionoffset.h"
#include "partitiontool.h"
#include "planstatus.h"
#include "settings.h"

namespace {

class ExactDimensionsTest : public EditCommandTest {
 protected:
  void MoveTo(QPoint at, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
  }
  // The camera without the window's place: moving the last wall shifts
  // the plan's origin so that the drawing stays, and undo leaves the
  // window where it is.
  std::string Geometry() const {
    std::string state = State();
    const size_t at = state.find("\"origin\"");
    if (at != std::string::npos) state.erase(at, state.find('\n', at) - at);
    return state;
  }
  // What the pointer shows at `at`.
  QString StatusAt(QPoint at) {
    MoveTo(at, Qt::NoButton);
    return view.PointerText();
  }
};

// The move dialog as it opens: the offered distance and whether it offers
// outward; then OK.
struct MoveOffer {
  QString distance;
  bool outward = false;
};
CScriptedHost::DialogScript ReadOfferAndConfirm(MoveOffer* offer) {
  return [offer](QDialog& dialog) {
    offer->distance = dialog.findChild<QLineEdit*>(QString::number(Ctl::MoveWall::kDistance))->text();
    offer->outward = dialog.findChild<QRadioButton*>(QStringLiteral("outward"))->isChecked();
    dialog.accept();
  };
}

TEST_F(ExactDimensionsTest, DraggingAWallMovesItTheWayItWasDragged) {
  // The default mapping shows 5 mm a pixel.
  struct Case {
    const char* name;
    int wall;
    QPoint drag;  // pixels
    const char* offered;
    bool outward;
    int32_t width, depth;  // reference extents afterwards
  };
  const Case cases[] = {
      {"right wall outward", 1, {61, 3}, "310", true, 2920 + 310, 1920},
      {"right wall inward", 1, {-40, 0}, "200", false, 2920 - 200, 1920},
      {"bottom wall outward", 2, {0, 40}, "200", true, 2920, 1920 + 200},
      {"left wall inward", 3, {30, 0}, "150", false, 2920 - 150, 1920},
  };
  Create();
  const std::string before = Geometry();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.RunCommand(Cmd::kMoveWallMode);
    const QPoint from = PixelOnWall(view, c.wall);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    MoveTo(from + c.drag, Qt::LeftButton);
    // While dragging the distance is at the pointer and in the status bar.
    const auto* tool = dynamic_cast<CMoveWallTool*>(view.Tool(ViewMode::kMoveWall));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->Wall(), c.wall);
    EXPECT_TRUE(view.PointerText().startsWith(c.outward ? QStringLiteral("Сдвиг наружу: ")
                                                         : QStringLiteral("Сдвиг внутрь: ")))
        << view.PointerText().toStdString();
    MoveOffer offer;
    host.OnDialog(ReadOfferAndConfirm(&offer));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from + c.drag);
    EXPECT_EQ(offer.distance, QString::fromLatin1(c.offered));
    EXPECT_EQ(offer.outward, c.outward);
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(LastRecord().op, kOpMoveWall);
    EXPECT_EQ(view.Camera().Width(), c.width);
    EXPECT_EQ(view.Camera().Depth(), c.depth);
    EXPECT_FALSE(view.IsModeOn(ViewMode::kMoveWall));
    EXPECT_TRUE(view.PointerText().isEmpty() || !view.PointerText().startsWith(QStringLiteral("Сдвиг")));
    view.RunCommand(Cmd::kUndo);
    EXPECT_EQ(Geometry(), before);
  }
}

TEST_F(ExactDimensionsTest, MoveWallMovesThePressedWallNotOnePickedBefore) {
  Create();
  view.ShowContextMenu(PixelOnWall(view, 3));  // the left wall; the menu closes unused
  view.RunCommand(Cmd::kMoveWallMode);
  // The direction offered is changed in the dialog: inward, 300.
  host.OnDialog([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QString::number(Ctl::MoveWall::kDistance))->setText(QStringLiteral("300"));
    dialog.findChild<QRadioButton*>(QStringLiteral("inward"))->setChecked(true);
    dialog.accept();
  });
  Click(PixelOnWall(view, 1));
  EXPECT_EQ(LastRecord(), MoveWallRecord(1, 1, 300));
  EXPECT_EQ(view.Camera().Width(), 2620);

  // A press beside every wall moves nothing, and says so.
  view.RunCommand(Cmd::kMoveWallMode);
  const size_t logBefore = LogSize();
  Click(QPoint(5, 700));
  EXPECT_EQ(LogSize(), logBefore);
  EXPECT_EQ(messages.Entries(0).first, Lang::kNoWallToMove);
}

TEST_F(ExactDimensionsTest, PartitionStandsAtTheTypedDistanceFromTheWall) {
  Create();
  const std::string before = State();
  view.RunCommand(Cmd::kPartitionMode);
  // From the top wall at x = 1000 down into the room.
  Click(PixelOf(view, {1000, 0}));
  const QPoint end = PixelOf(view, {1000, 1200});
  MoveTo(end, Qt::NoButton);
  const auto* tool = dynamic_cast<CPartitionTool*>(view.Tool(ViewMode::kPartition));
  ASSERT_NE(tool, nullptr);
  ASSERT_TRUE(tool->PreviewAtPointer() && tool->PreviewAtPointer()->offset);
  const int64_t shown = tool->PreviewAtPointer()->offset->distance;
  // The left wall's inner face is at x = 40; the partition's body starts
  // at the click.
  EXPECT_EQ(shown, 1000 - 40);
  EXPECT_EQ(view.PointerText(), QStringLiteral("От стены: %1 мм").arg(shown));

  QString offered;
  host.OnDialog([&](QDialog& dialog) {
    auto* distance = dialog.findChild<QLineEdit*>(QString::number(Ctl::PartitionLength::kDistance));
    offered = distance->text();
    distance->setText(QStringLiteral("1200"));
    dialog.accept();
  });
  Click(end);
  EXPECT_EQ(offered, QString::number(shown));
  ASSERT_EQ(view.Camera().PartitionCount(), 1);
  const CPartition& partition = *view.Camera().PartitionAt(0);
  const std::optional<PartitionOffset> placed = NearestParallelFace(
      view.Camera(), {partition.Start(), partition.Length(), partition.GetOrientation()});
  ASSERT_TRUE(placed);
  EXPECT_EQ(placed->distance, 1200);
  EXPECT_EQ(placed->wall, 3);
  view.RunCommand(Cmd::kUndo);
  EXPECT_EQ(State(), before);

  // A distance that would put it into the far wall is refused with the
  // distances it may have, and the placement stays pending.
  view.RunCommand(Cmd::kPartitionMode);
  Click(PixelOf(view, {1000, 0}));
  host.OnDialog(TypeAndConfirm({{Ctl::PartitionLength::kDistance, QStringLiteral("5000")}}));
  Click(end);
  EXPECT_EQ(view.Camera().PartitionCount(), 0);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, QStringLiteral("Расстояние должно быть от 0 до 2760 мм."));
  EXPECT_TRUE(view.IsModeOn(ViewMode::kPartition));
}

// The length dialog: types `length`, picks the moving end when it offers
// one, OK.
CScriptedHost::DialogScript TypeLength(const QString& length, const char* end = nullptr) {
  return [length, end](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("length"))->setText(length);
    if (end) dialog.findChild<QRadioButton*>(QString::fromLatin1(end))->setChecked(true);
    dialog.accept();
  };
}

TEST_F(ExactDimensionsTest, TypedLengthMakesTheChainShowIt) {
  Create();
  const std::string before = Geometry();
  struct Case {
    const char* name;
    int chainWall;  // whose number is right-clicked
    int command;
    const char* typed;
    const char* end;
    bool inside;
    std::vector<int32_t> top, right;  // the outer chains afterwards
  };
  const Case cases[] = {
      {"top, its right end moves", 0, Cmd::kSetWallLength, "3600", "end", false, {3600}, {2000}},
      {"top, its left end moves", 0, Cmd::kSetWallLength, "2500", "start", false, {2500}, {2000}},
      {"the camera's width", 1, Cmd::kSetCameraWidth, "2450", nullptr, false, {3000}, {2450}},
      {"the camera's length", 1, Cmd::kSetCameraLength, "3210", nullptr, false, {3210}, {2000}},
      // Typed between the inner faces: 1500 clear is 1660 outside.
      {"right wall, clear", 1, Cmd::kSetWallLength, "1500", "end", true, {3000}, {1660}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.inside != InsideDimensionsShown()) view.RunCommand(Cmd::kInsideDimensions);
    const CSizes& side = c.chainWall == 0 ? static_cast<const CSizes&>(view.Camera().Top()) : view.Camera().Right();
    const DimensionRecord number = (c.inside ? side.MeasureInside() : side.Measure()).front();
    host.ChooseFromMenu(c.command);
    host.OnDialog(TypeLength(QString::fromLatin1(c.typed), c.end));
    view.ShowContextMenu(PixelOf(view, number.textAt));
    EXPECT_EQ(host.lastMenu, QString::number(MenuId::kDimension));
    EXPECT_TRUE(messages.Empty()) << messages.Messages()[0].text.toStdString();
    EXPECT_EQ(LastRecord().op, kOpMoveWall);
    const ChamberDimensions chains = MeasureDimensions(view.Camera());
    EXPECT_EQ(ChamberDimensions::Values(chains.top), c.top);
    EXPECT_EQ(ChamberDimensions::Values(chains.right), c.right);
    view.RunCommand(Cmd::kUndo);
    EXPECT_EQ(Geometry(), before);
  }
  view.RunCommand(Cmd::kInsideDimensions);  // back to the outer sizes

  // A divided wall offers it on its panels' menus too.
  view.RunCommand(Cmd::kFillAllObjects);
  host.ChooseFromMenu(Cmd::kSetWallLength);
  host.OnDialog(TypeLength(QStringLiteral("2300"), "end"));
  view.ShowContextMenu(PixelOnPanel(view, 1, 0));
  EXPECT_EQ(ChamberDimensions::Values(MeasureDimensions(view.Camera()).right), std::vector<int32_t>{2300});
  view.RunCommand(Cmd::kUndo);
  view.RunCommand(Cmd::kUndo);

  // Letters are refused in the dialog, which stays open for another try.
  view.ContextMenuFor(PixelOnWall(view, 1));
  host.OnDialog([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("length"))->setText(QStringLiteral("abc"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
  });
  view.RunCommand(Cmd::kSetWallLength);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_TRUE(messages.Messages()[0].text.contains(QStringLiteral("не является числом")));
  EXPECT_EQ(Geometry(), before);
}

TEST_F(ExactDimensionsTest, StatusBarNamesWhatIsUnderThePointerAndNeverWhatWas) {
  Create();
  view.RunCommand(Cmd::kFillAllObjects);
  const QPoint onRight = PixelOnPanel(view, 1, 1);  // the 640 mm one
  EXPECT_EQ(StatusAt(onRight), QStringLiteral("Стена 2: 2000 мм, панель 2: 640 мм, доборная"));
  EXPECT_EQ(StatusAt(PixelOnPanel(view, 0, 0)), QStringLiteral("Стена 1: 3000 мм, панель 1: 1200 мм, стандартная"));
  EXPECT_EQ(StatusAt(PixelOf(view, {1500, 1000})),
            QStringLiteral("Полоса пола 1: %1 x %2 мм")
                .arg(view.Camera().FloorStripAt(0)->W())
                .arg(view.Camera().FloorStripAt(0)->H()));
  EXPECT_EQ(StatusAt(QPoint(5, 700)), QString());

  // Inside dimensions: the clear length; the choice is remembered.
  view.RunCommand(Cmd::kInsideDimensions);
  EXPECT_TRUE(InsideDimensionsShown());
  EXPECT_TRUE(OpenZamoSettings()->value(QStringLiteral("InsideDimensions")).toBool());
  EXPECT_EQ(StatusAt(onRight), QStringLiteral("Стена 2: 1840 мм в свету, панель 2: 640 мм, доборная"));
  view.RunCommand(Cmd::kInsideDimensions);
  EXPECT_FALSE(InsideDimensionsShown());

  // A door put in under the pointer, then undone: the text follows at once.
  ASSERT_TRUE(view.ApplyEdit(PanelDoorRecord(1, 1, kOpening, 0, 2000)));
  EXPECT_EQ(view.PointerText(), QStringLiteral("Стена 2: 2000 мм, панель 2: 640 мм, проем"));
  view.RunCommand(Cmd::kUndo);
  EXPECT_EQ(view.PointerText(), QStringLiteral("Стена 2: 2000 мм, панель 2: 640 мм, доборная"));
  // Off the window it says nothing.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&view, &leave);
  EXPECT_EQ(view.PointerText(), QString());
}

}  // namespace
