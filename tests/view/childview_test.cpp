// The camera window as the user drives it: commands by number, clicks in
// the modes, right clicks, and what ends up in the edit log and in files.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <cstring>

#include "cameradocument.h"
#include "chamber.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "editop.h"
#include "editrecord.h"
#include "languageentries.h"
#include "printdlg2.h"
#include "printpage.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

namespace {

class ChildViewTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadShippedLanguage(); }

  // The everyday camera: outer 3000 x 2000 x 2200 with 80 mm walls, as the
  // new camera dialog hands it on.
  void CreateTypical(bool locked = false) {
    ASSERT_TRUE(view.CreateCamera(QStringLiteral("КХ-3020"), QStringLiteral("Склад"), 2920, 1920, 2040, 80, false,
                                  locked));
  }
  std::vector<int32_t> Ops() const {
    std::vector<int32_t> ops;
    for (const EditRecord& record : view.Document().Log()) ops.push_back(record.op);
    return ops;
  }
  const EditRecord& LastRecord() const { return view.Document().Log().back(); }
  void Click(QPoint at) { QTest::mouseClick(&view, Qt::LeftButton, {}, at); }
  void Apply(const EditRecord& record) { ASSERT_TRUE(view.ApplyEdit(record)); }

  // Somewhere outside the camera, its floor and its dimension chains.
  static constexpr QPoint kEmptySpace{20, 700};

  CScratchDir scratch;
  CScopedCurrentDir inScratch{scratch.Path()};
  CMessageRecorder messages;
  CScriptedHost host;
  CChildView view;
};

void AppendUtf16(std::string& out, const QString& text) {
  for (QChar c : text) {
    out += static_cast<char>(c.unicode() & 0xFF);
    out += static_cast<char>(c.unicode() >> 8);
  }
  out += std::string(2, '\0');
}

void AppendWords(std::string& out, std::initializer_list<int32_t> words) {
  for (int32_t w : words) AppendInt32(out, w);
}

TEST_F(ChildViewTest, TypicalRequestIsCreatedFilledAndSavedByteForByte) {
  CreateTypical();
  ASSERT_EQ(view.Document().Log().size(), 1u);
  EXPECT_EQ(view.Document().Log()[0].data, (std::vector<int32_t>{2920, 1920, 2040, 80}));
  EXPECT_TRUE(view.RunCommand(Cmd::kFillAllObjects));
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
  EXPECT_TRUE(view.Camera().WallAt(0)->IsFullyDivided());

  host.AnswerFile(scratch.QPath() + QStringLiteral("/typical"));
  EXPECT_TRUE(view.RunCommand(Cmd::kSaveCamera));
  EXPECT_EQ(host.fileFilters.value(0), QStringLiteral("Камеры (*.kry)"));
  EXPECT_FALSE(view.Document().IsModified());

  std::string expected;
  AppendUtf16(expected, QStringLiteral("КХ-3020"));
  AppendUtf16(expected, QStringLiteral("Склад"));
  AppendWords(expected, {0, 4, 2920, 1920, 2040, 80, 3, 0, 9, 2});
  const double scale = 0.2;
  uint32_t halves[2];
  std::memcpy(halves, &scale, sizeof scale);
  AppendWords(expected, {static_cast<int32_t>(halves[0]), static_cast<int32_t>(halves[1]), 10, 2, 100, 100, -77826});
  EXPECT_EQ(ReadFileBytes(scratch.File("typical.kry")), expected);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(ChildViewTest, WheelInThenOutAtOnePointGivesOriginAndScaleBack) {
  CreateTypical();
  const CPixelMapping before = view.Mapping();
  const QPointF at(437, 251);
  const auto turn = [&](int delta) {
    QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
  };
  turn(120);
  EXPECT_NEAR(view.Mapping().Scale(), 0.2 * 1.2, 1e-12);
  // The point under the pointer stays put.
  EXPECT_NEAR(view.Mapping().ToModelX(437), before.ToModelX(437), 5);
  // The camera keeps where the window stands, for the next save.
  EXPECT_EQ(view.Camera().StoredView(), view.Mapping());
  turn(-120);
  EXPECT_NEAR(view.Mapping().Scale(), 0.2, 1e-12);
  EXPECT_NEAR(view.Mapping().OriginX(), before.OriginX(), 1);
  EXPECT_NEAR(view.Mapping().OriginY(), before.OriginY(), 1);
  // A touch pad's small steps add up to one notch.
  turn(60);
  EXPECT_NEAR(view.Mapping().Scale(), 0.2, 1e-12);
  turn(60);
  EXPECT_NEAR(view.Mapping().Scale(), 0.2 * 1.2, 1e-12);
}

TEST_F(ChildViewTest, CornerModeOnEmptySpaceWarnsAndStaysOn) {
  CreateTypical();
  view.RunCommand(Cmd::kCornerMode);
  Click(kEmptySpace);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kNoWallForCorner, Lang::kNoWallCaption));
  EXPECT_TRUE(view.IsModeOn(ViewMode::kCorner));
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
}

TEST_F(ChildViewTest, CornerModeOnADividedWallAsksFirst) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  view.RunCommand(Cmd::kCornerMode);

  // No: nothing happens and the mode stays on.
  messages.Answer(kMessageNo);
  Click(PixelOnWall(view, 0));
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kRemoveDivisionForCorner, Lang::kAttentionCaption));
  EXPECT_TRUE(view.Camera().WallAt(0)->IsFullyDivided());
  EXPECT_TRUE(view.IsModeOn(ViewMode::kCorner));
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));

  // Yes, then Cancel: the division goes only with the corner, so it stays.
  messages.Answer(kMessageYes);
  host.OnDialog(Cancel());
  Click(PixelOnWall(view, 0));
  EXPECT_TRUE(view.Camera().WallAt(0)->IsFullyDivided());
  EXPECT_FALSE(view.IsModeOn(ViewMode::kCorner));
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));

  // Yes, then OK on the bottom wall: cleared, split, the index is the
  // split wall's. The bottom wall runs backwards, and the chain shows the
  // typed distance from the left end.
  view.RunCommand(Cmd::kCornerMode);
  messages.Answer(kMessageYes);
  host.OnDialog([](QDialog& dialog) {
    ClickControl(dialog, Ctl::NewControlPoint::kFromFirstEnd);
    TypeInto(dialog, Ctl::NewControlPoint::kDistance, QStringLiteral("1500"));
    ClickControl(dialog, Ctl::kOk);
  });
  Click(PixelOnWall(view, 2));
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls, kOpClearWall, kOpSplitWall}));
  EXPECT_EQ(view.Camera().WallCount(), 5);
  std::vector<int32_t> bottom = ChamberDimensions::Values(view.Camera().Bottom().Measure());
  std::sort(bottom.begin(), bottom.end());
  EXPECT_EQ(bottom, (std::vector<int32_t>{1500, 3000 - 1500}));
  // One edit: undo takes the split and the cleared division back together.
  view.RunCommand(Cmd::kUndo);
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
  EXPECT_TRUE(host.DialogsDone());
}

TEST_F(ChildViewTest, RefusedCornerSaysWhyAndRecordsNothing) {
  CreateTypical();
  view.RunCommand(Cmd::kCornerMode);
  host.OnDialog(TypeAndConfirm({{Ctl::NewControlPoint::kDistance, QStringLiteral("10")}}));
  Click(PixelOnWall(view, 0));  // not divided: no question, no removal
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].caption, QStringLiteral("Предупреждение"));
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
  EXPECT_EQ(view.Camera().WallCount(), 4);
  EXPECT_FALSE(view.IsModeOn(ViewMode::kCorner));
}

TEST_F(ChildViewTest, MoveWallRefusesTheFirstSegmentAndRecordsTheIndexBeforeTheMove) {
  CreateTypical();
  view.RunCommand(Cmd::kMoveWallMode);
  host.OnDialog(TypeAndConfirm({{Ctl::MoveWall::kDistance, QStringLiteral("300")}}));
  Click(PixelOnWall(view, 0));
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text,
            QStringLiteral("Перетаскивание этой панели запрещено. Используйте боковую панель для создания угла."));
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
  EXPECT_FALSE(view.IsModeOn(ViewMode::kMoveWall));

  // A corner in the right wall, then the lower piece moved: the connecting
  // wall goes in before it, so the index after the move is one higher.
  view.RunCommand(Cmd::kCornerMode);
  host.OnDialog(TypeAndConfirm({{Ctl::NewControlPoint::kDistance, QStringLiteral("900")}}));
  Click(PixelOnWall(view, 1));
  ASSERT_EQ(view.Camera().WallCount(), 5);
  view.RunCommand(Cmd::kMoveWallMode);
  host.OnDialog(TypeAndConfirm({{Ctl::MoveWall::kDistance, QStringLiteral("600")}}));
  const CWallCollection* moved = view.Camera().WallAt(2);
  Click(PixelOnWall(view, 2));
  ASSERT_EQ(Ops().back(), kOpMoveWall);
  EXPECT_EQ(LastRecord().data, (std::vector<int32_t>{2, 1, 600}));
  EXPECT_EQ(view.Camera().IndexOfWall(moved), 3);
  EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(ChildViewTest, WallPickedByARightClickIsNotMovedByAPressElsewhere) {
  CreateTypical();
  view.ShowContextMenu(PixelOnWall(view, 3));  // the left wall; the menu is closed unused
  view.RunCommand(Cmd::kMoveWallMode);
  Click(kEmptySpace);
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0).first, Lang::kNoWallToMove);
}

TEST_F(ChildViewTest, RightClickChoosesTheMenuOfWhatIsHit) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  Apply(PanelDoorRecord(0, 1, kSwingDoorBlock, 1, 0));
  Apply(PanelDoorRecord(0, 2, kOpening, 0, 2000));  // 440 wide
  Apply(AddPartitionRecord(1500, 40, 1840, 1));
  Apply(AddPartitionRecord(800, 40, 1840, 1));
  Apply(AutoFillPartitionRecord(1));

  EXPECT_EQ(view.ContextMenuFor(PixelOnPanel(view, 0, 0)), MenuId::kPanel);
  EXPECT_EQ(view.Selection().PanelIndex(), 0);
  EXPECT_EQ(view.ContextMenuFor(PixelOnPanel(view, 0, 1)), MenuId::kDoorPanel);
  EXPECT_EQ(view.ContextMenuFor(PixelOnPanel(view, 0, 2)), MenuId::kNonStandardPanel);
  EXPECT_EQ(view.ContextMenuFor(PixelOf(view, {1500, 900})), MenuId::kPartition);
  EXPECT_EQ(view.Selection().Wall(), nullptr);
  EXPECT_EQ(view.ContextMenuFor(PixelOf(view, {800, 900})), MenuId::kPanel);
  EXPECT_EQ(view.Selection().PanelOwner(), view.Camera().PartitionAt(1));
  EXPECT_EQ(view.ContextMenuFor(PixelOf(view, {1200, 300})), MenuId::kFloorStrip);
  EXPECT_EQ(view.Selection().PanelOwner(), nullptr);  // nothing of the partition lingers
  EXPECT_EQ(view.Selection().Partition(), nullptr);
  EXPECT_EQ(view.ContextMenuFor(kEmptySpace), MenuId::kFloor);

  // Moving the right wall in leaves the top wall's panels too long for it:
  // over a panel, the wall is still one that is not fully divided.
  const QPoint overPanel = PixelOnPanel(view, 0, 0);
  Apply(MoveWallRecord(1, 1, 300));
  EXPECT_EQ(view.ContextMenuFor(overPanel), MenuId::kUndividedWall);
  EXPECT_EQ(view.Selection().Panel(), nullptr);
}

TEST_F(ChildViewTest, ContextMenuIsTranslatedAndItsChoiceRuns) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  view.ShowContextMenu(PixelOnPanel(view, 0, 0));
  EXPECT_EQ(host.lastMenu, QString::number(MenuId::kPanel));
  EXPECT_TRUE(host.lastMenuItems.contains(QStringLiteral("Дверной блок 1200x2300")));
  EXPECT_TRUE(host.lastMenuItems.contains(QStringLiteral("Установить дверь")));

  view.RunCommand(Cmd::kUndo);
  host.ChooseFromMenu(Cmd::kFillAllObjects);
  view.ShowContextMenu(kEmptySpace);
  EXPECT_EQ(host.lastMenu, QString::number(MenuId::kFloor));
  EXPECT_EQ(host.lastMenuItems, QStringList{QStringLiteral("Заполнить все объекты")});
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
}

TEST_F(ChildViewTest, UndoAndRedoKeepTheWindowsZoom) {
  CreateTypical();
  view.RunCommand(Cmd::kUndo);  // the creation record stays
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
  view.RunCommand(Cmd::kFillAllObjects);
  view.ZoomAt(QPoint(300, 200), true);
  const CPixelMapping zoomed = view.Mapping();
  view.ShowContextMenu(PixelOnPanel(view, 0, 0));

  view.RunCommand(Cmd::kUndo);
  EXPECT_EQ(Ops(), std::vector<int32_t>{kOpCreateCamera});
  EXPECT_FALSE(view.Camera().WallAt(0)->IsFullyDivided());
  EXPECT_EQ(view.Mapping(), zoomed);
  EXPECT_EQ(view.Selection().Wall(), nullptr);  // it belonged to the camera undo replaced

  view.RunCommand(Cmd::kRedo);
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
  EXPECT_TRUE(view.Camera().WallAt(0)->IsFullyDivided());
  EXPECT_EQ(view.Mapping(), zoomed);
}

TEST_F(ChildViewTest, UndoAfterLoadingTakesBackTheLastEditNotTheWindowsPlace) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  host.AnswerFile(scratch.QPath() + QStringLiteral("/filled.kry"));
  view.RunCommand(Cmd::kSaveCamera);

  CChildView loaded;
  ASSERT_TRUE(loaded.OpenFile(scratch.QPath() + QStringLiteral("/filled.kry")));
  loaded.RunCommand(Cmd::kUndo);
  EXPECT_EQ(loaded.Document().Log().size(), 1u);
  EXPECT_FALSE(loaded.Camera().WallAt(0)->IsFullyDivided());
  loaded.RunCommand(Cmd::kRedo);
  EXPECT_TRUE(loaded.Camera().WallAt(0)->IsFullyDivided());

  // A file holding nothing but the camera and its place has nothing to undo.
  CChildView fresh;
  CCameraDocument bare;
  ASSERT_TRUE(bare.CreateCamera(u"", u"", 2920, 1920, 2040, 80, false, true));
  ASSERT_FALSE(bare.Save(scratch.File("bare.kry")));
  ASSERT_TRUE(fresh.OpenFile(scratch.QPath() + QStringLiteral("/bare.kry")));
  fresh.RunCommand(Cmd::kUndo);
  EXPECT_EQ(fresh.Document().Log().size(), 4u);
  EXPECT_FALSE(fresh.Document().IsModified());
}

TEST_F(ChildViewTest, UnsavedChangesQuestion) {
  EXPECT_TRUE(view.MaySave());  // nothing to lose in an empty window
  EXPECT_TRUE(messages.Empty());
  CreateTypical();
  messages.Answer(kMessageCancel);
  EXPECT_FALSE(view.MaySave());
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_TRUE(messages.Messages()[0].text.contains(QStringLiteral("КХ-3020")));
  messages.Answer(kMessageNo);
  EXPECT_TRUE(view.MaySave());
  // Yes, but the file dialog cancelled: nothing was saved, so stay.
  messages.Answer(kMessageYes);
  host.AnswerFile(QString());
  EXPECT_FALSE(view.MaySave());
  messages.Answer(kMessageYes);
  host.AnswerFile(scratch.QPath() + QStringLiteral("/kept.kry"));
  EXPECT_TRUE(view.MaySave());
  EXPECT_FALSE(view.Document().IsModified());
  EXPECT_TRUE(QFile::exists(scratch.QPath() + QStringLiteral("/kept.kry")));
  EXPECT_TRUE(view.MaySave());
  EXPECT_EQ(messages.Messages().size(), 4u);
}

TEST_F(ChildViewTest, LoadingSomethingThatIsNoCameraKeepsTheCamera) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  WriteFileBytes(scratch.File("notes.kry"), "these are not the records of a camera");
  messages.Answer(kMessageNo);  // do not save the changes first
  host.AnswerFile(scratch.QPath() + QStringLiteral("/notes.kry"));
  view.RunCommand(Cmd::kLoadCamera);
  // The message says what the file is not, not that it could not be read.
  ASSERT_EQ(messages.Messages().size(), 2u);
  EXPECT_EQ(messages.Messages()[1].text, UiText(Lang::kNotCameraFile).arg(QStringLiteral("notes.kry")));
  EXPECT_EQ(Ops(), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
  EXPECT_TRUE(view.Camera().WallAt(0)->IsFullyDivided());
}

TEST_F(ChildViewTest, SavedCameraLoadsWithItsLockAndTheLockGatesTheOutlineModes) {
  CreateTypical(true);
  host.AnswerFile(scratch.QPath() + QStringLiteral("/locked.kry"));
  view.RunCommand(Cmd::kSaveCamera);

  CChildView loaded;
  ASSERT_TRUE(loaded.OpenFile(scratch.QPath() + QStringLiteral("/locked.kry")));
  EXPECT_EQ(loaded.Title(), QStringLiteral("КХ-3020"));
  for (int command : {Cmd::kCornerMode, Cmd::kMoveWallMode}) {
    messages.Clear();
    loaded.RunCommand(command);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_FALSE(loaded.IsModeOn(ViewMode::kCorner));
    EXPECT_FALSE(loaded.IsModeOn(ViewMode::kMoveWall));
  }
}

TEST_F(ChildViewTest, PrintsToAPdfFileWithTheWholePlanOnThePage) {
  CreateTypical();
  view.RunCommand(Cmd::kFillAllObjects);
  const QString pdf = scratch.QPath() + QStringLiteral("/plan.pdf");
  host.printerSetUp = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return true;
  };
  bool fitted = false;
  host.OnDialog([&](QDialog& dialog) {
    fitted = dialog.findChild<QCheckBox*>(QString::fromLatin1(PrintDlg2::kFitToPageName))->isChecked();
    ClickControl(dialog, Ctl::kOk);
  });
  view.RunCommand(Cmd::kPrintCamera);
  // The settings start by fitting the whole plan to the page.
  EXPECT_TRUE(fitted);
  EXPECT_EQ(ReadFileBytes(pdf.toStdString()).substr(0, 5), "%PDF-");
  EXPECT_TRUE(messages.Empty());

  // A cancelled print dialog prints nothing and asks nothing more.
  QFile::remove(pdf);
  host.printerSetUp = [](QPrinter&) { return false; };
  view.RunCommand(Cmd::kPrintCamera);
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_TRUE(host.DialogsDone());
}

TEST_F(ChildViewTest, ExportsTheScreenSizedDrawingAsABitmap) {
  CreateTypical();
  host.AnswerFile(scratch.QPath() + QStringLiteral("/plan"));
  view.RunCommand(Cmd::kExportCamera);
  EXPECT_EQ(host.suggestedFiles.value(0), scratch.QPath() + QStringLiteral("/КХ-3020.bmp"));
  const std::string bytes = ReadFileBytes(scratch.File("plan.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(ReadInt32At(bytes, 10), 54);
  const QSize screen = view.screen()->size();
  EXPECT_EQ(ReadInt32At(bytes, 18), screen.width());
  EXPECT_EQ(ReadInt32At(bytes, 22), screen.height());

  // A typed extension chooses the kind.
  host.AnswerFile(scratch.QPath() + QStringLiteral("/plan.png"));
  view.RunCommand(Cmd::kExportCamera);
  EXPECT_EQ(ReadFileBytes(scratch.File("plan.png")).substr(1, 3), "PNG");
  host.AnswerFile(scratch.QPath() + QStringLiteral("/plan.svg"));
  view.RunCommand(Cmd::kExportCamera);
  EXPECT_NE(ReadFileBytes(scratch.File("plan.svg")).find("<svg"), std::string::npos);
  EXPECT_FALSE(QFile::exists(scratch.QPath() + QStringLiteral("/plan.svg.bmp")));
  host.AnswerFile(scratch.QPath() + QStringLiteral("/page.pdf"));
  view.RunCommand(Cmd::kExportCamera);
  EXPECT_EQ(ReadFileBytes(scratch.File("page.pdf")).substr(0, 5), "%PDF-");
  EXPECT_TRUE(messages.Empty());
}

}  // namespace
