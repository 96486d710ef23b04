// The program as a desktop user expects it, through the real main window:
// saving into the camera's own file, recent files across a restart, opening
// with no camera window, undo items that name the edit, the keyboard on the
// plan, the English interface, and the update check against a loopback
// server.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <memory>

#include "aboutdlg.h"
#include "cameradocument.h"
#include "childframe.h"
#include "childview.h"
#include "commandids.h"
#include "dialogtestutil.h"
#include "frametest.h"
#include "languageentries.h"
#include "languagetable.h"
#include "mainframe.h"
#include "messages.h"
#include "newcameradlg.h"
#include "settings.h"
#include "settingsdlg.h"
#include "testhttpserver.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

namespace {

class DesktopTest : public CFrameTest {
 protected:
  // A camera file in the scratch folder.
  QString CameraFile(const QString& name) {
    CCameraDocument document;
    EXPECT_TRUE(document.CreateCamera(u"K", u"", 2920, 1920, 2040, 80, false, false));
    EXPECT_FALSE(document.Save(scratch.File(name.toStdString())));
    return QDir(scratch.QPath()).absoluteFilePath(name);
  }
};

TEST_F(DesktopTest, SaveAsksOnlyTheFirstTimeAndSaveAsAlways) {
  CChildView* view = CameraWindow(QStringLiteral("A"))->View();
  const QString path = QDir(scratch.QPath()).absoluteFilePath(QStringLiteral("a.kry"));
  host.AnswerFile(path);
  frame->Dispatch(Cmd::kSaveCamera);
  ASSERT_EQ(host.suggestedFiles.size(), 1);
  EXPECT_FALSE(view->Document().IsModified());

  frame->Dispatch(Cmd::kFillAllObjects);
  frame->Dispatch(Cmd::kSaveCamera);
  EXPECT_EQ(host.suggestedFiles.size(), 1);  // no file dialog, no question
  EXPECT_FALSE(view->Document().IsModified());
  EXPECT_TRUE(messages.Empty());
  CCameraDocument saved;
  ASSERT_FALSE(saved.Load(path.toStdString()));
  EXPECT_TRUE(std::any_of(saved.Log().begin(), saved.Log().end(),
                          [](const EditRecord& record) { return record.op == kOpFillAllWalls; }));

  host.AnswerFile(QString());  // Save As asks, and cancelling keeps the file
  frame->Dispatch(Cmd::kSaveCameraAs);
  EXPECT_EQ(host.suggestedFiles.size(), 2);
  EXPECT_EQ(QFileInfo(host.suggestedFiles[1]).fileName(), QStringLiteral("a.kry"));
  EXPECT_EQ(view->FilePath(), path);
}

TEST_F(DesktopTest, OpenWorksWithNoCameraWindowAndRecentFilesOutliveARestart) {
  const QString first = CameraFile(QStringLiteral("first.kry"));
  const QString second = CameraFile(QStringLiteral("second.kry"));
  ASSERT_TRUE(frame->Children().isEmpty());
  // The first opens a camera window; the second loads into it.
  for (const QString& path : {first, second}) {
    host.AnswerFile(path);
    ASSERT_TRUE(frame->Dispatch(Cmd::kLoadCamera));
  }
  ASSERT_EQ(frame->Children().size(), 1);
  EXPECT_EQ(frame->ActiveView()->FilePath(), second);
  EXPECT_TRUE(frame->Dispatch(Cmd::kPriceSettings) || !messages.Empty());  // prices reachable too

  Restart();
  ASSERT_TRUE(frame->Children().isEmpty());
  frame->RefreshRecentFiles();
  const QList<QAction*> recent = frame->RecentMenus().first()->actions();
  ASSERT_EQ(recent.size(), 2) << RecentFiles().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(recent[0]->text(), QStringLiteral("&1 second.kry"));
  EXPECT_EQ(recent[1]->text(), QStringLiteral("&2 first.kry"));
  recent[1]->trigger();
  ASSERT_EQ(frame->Children().size(), 1);
  EXPECT_EQ(frame->ActiveView()->FilePath(), first);
  // The file dialog starts where the last file was chosen.
  EXPECT_EQ(LastFileFolder(), scratch.QPath());
}

TEST_F(DesktopTest, UndoAndRedoNameTheEditAndTheWindowMenuListsTheWindows) {
  CameraWindow(QStringLiteral("A"));
  CChildView* view = CameraWindow(QStringLiteral("B"))->View();
  frame->Dispatch(Cmd::kFillAllObjects);
  const auto menuText = [this](int command) {
    for (QAction* action : frame->Actions(command))
      if (action->parent() != frame->ToolBar() && !action->text().isEmpty()) return action->text();
    return QString();
  };
  EXPECT_EQ(menuText(Cmd::kUndo), QStringLiteral("Отменить: заполнение всех объектов"));
  EXPECT_EQ(menuText(Cmd::kRedo), QStringLiteral("Повторить"));
  frame->Dispatch(Cmd::kUndo);
  EXPECT_EQ(menuText(Cmd::kUndo), QStringLiteral("Отменить"));
  EXPECT_EQ(menuText(Cmd::kRedo), QStringLiteral("Повторить: заполнение всех объектов"));
  EXPECT_EQ(view->Document().Log().size(), 1u);

  Q_EMIT frame->WindowMenu()->aboutToShow();
  QStringList windows;
  for (QAction* action : frame->WindowMenu()->actions())
    if (action->isCheckable()) windows << action->text() + (action->isChecked() ? QStringLiteral("*") : QString());
  EXPECT_EQ(windows, (QStringList{QStringLiteral("&1 A"), QStringLiteral("&2 B*")}));
}

TEST_F(DesktopTest, ALeftClickSelectsAndDeleteRemovesTheSelectedDoor) {
  CChildFrame* child = CameraWindow(QStringLiteral("A"));
  CChildView* view = child->View();
  frame->Dispatch(Cmd::kFillAllObjects);
  const QPoint pixel = PixelOnPanel(*view, 0, 0);
  ASSERT_NE(pixel, QPoint(-1, -1));
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, pixel);
  ASSERT_NE(view->Selection().Panel(), nullptr);
  frame->Dispatch(Cmd::kSetSwingDoor2040);
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, pixel);
  ASSERT_TRUE(view->Selection().Panel() && view->Selection().Panel()->IsDoor());

  QAction* remove = frame->Actions(Cmd::kDeleteSelection).value(0);
  ASSERT_NE(remove, nullptr);
  EXPECT_EQ(remove->shortcut(), QKeySequence(QKeySequence::Delete));
  remove->trigger();
  EXPECT_FALSE(view->Camera().WallAt(0)->PanelAt(0)->IsDoor());
  EXPECT_TRUE(messages.Empty());
}

TEST_F(DesktopTest, KeysPanZoomAndEndTheMode) {
  CChildView* view = CameraWindow(QStringLiteral("A"))->View();
  const CPixelMapping before = view->Mapping();
  QTest::keyClick(view, Qt::Key_Left);
  EXPECT_EQ(view->Mapping().OriginX(), before.OriginX() + CChildView::kKeyPanStep);
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(view->Mapping().OriginY(), before.OriginY() - CChildView::kKeyPanStep);
  QTest::keyClick(view, Qt::Key_Plus);
  EXPECT_NE(view->Mapping().Scale(), before.Scale());
  QTest::keyClick(view, Qt::Key_Minus);
  EXPECT_EQ(view->Mapping().Scale(), before.Scale());
  frame->Dispatch(Cmd::kCornerMode);
  ASSERT_TRUE(view->IsModeOn(ViewMode::kCorner));
  QTest::keyClick(view, Qt::Key_Escape);
  EXPECT_FALSE(view->IsModeOn(ViewMode::kCorner));
}

// Every text a widget shows: its own, its window title, its items.
QStringList TextsOf(const QWidget& root) {
  QStringList texts{root.windowTitle()};
  for (const QLabel* label : root.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : root.findChildren<QAbstractButton*>()) texts << button->text();
  for (const QGroupBox* group : root.findChildren<QGroupBox*>()) texts << group->title();
  for (const QComboBox* box : root.findChildren<QComboBox*>())
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

void AddMenuTexts(const QMenu& menu, QStringList& texts) {
  texts << menu.title();
  for (const QAction* action : menu.actions()) {
    texts << action->text() << action->statusTip();
    if (action->menu()) AddMenuTexts(*action->menu(), texts);
  }
}

TEST_F(DesktopTest, EnglishInterfaceShowsNoCyrillic) {
  ASSERT_TRUE(ModuleLanguage().LoadFile(SourceDataDir() + "/zamo.language", 1));
  Restart();
  CameraWindow(QStringLiteral("A"));
  QStringList texts;
  AddMenuTexts(*frame->MainMenu(), texts);
  AddMenuTexts(*frame->CameraMenu(), texts);
  for (const QAction* action : frame->ToolBar()->actions()) texts << action->toolTip() << action->statusTip();
  CNewCameraDlg newCamera;
  CSettingsDlg settings;
  CAboutDlg about;
  for (QDialog* dialog : std::initializer_list<QDialog*>{&newCamera, &settings, &about}) {
    dialog->show();
    texts << TextsOf(*dialog);
  }
  const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  EXPECT_TRUE(texts.filter(cyrillic).isEmpty()) << texts.filter(cyrillic).join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("Edit")));
  ModuleLanguage().LoadFile(SourceDataDir() + "/zamo.language", 0);
}

TEST_F(DesktopTest, LanguageChoiceIsKeptAndTakesEffectAfterARestart) {
  frame->Dispatch(Cmd::kLanguageSecond);
  EXPECT_EQ(InterfaceLanguage(), 1);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0).first, Lang::kLanguageAfterRestart);
  EXPECT_TRUE(frame->Actions(Cmd::kLanguageSecond).first()->isChecked());
  frame->Dispatch(Cmd::kLanguageFirst);
  EXPECT_EQ(InterfaceLanguage(), 0);
}

class UpdateCheckTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    SetUpdateHost(QStringLiteral("127.0.0.1"), server.Port());
    WriteVersionValue(QStringLiteral("zamo"), QStringLiteral("1.0.0.5"));
  }
  CTestHttpServer server;
};

TEST_F(UpdateCheckTest, UpToDateIsSaidWithoutQuitting) {
  server.ServeFile("//update//index.htm", "/f/zamo 1.0.0.5 zamo\n");
  CameraWindow(QStringLiteral("A"));
  QSignalSpy quit(frame.get(), &CMainFrame::QuitRequested);
  frame->Dispatch(Cmd::kUpdateProgram);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, UiText(Lang::kUpdateUpToDate));
  EXPECT_TRUE(quit.isEmpty());
  EXPECT_EQ(frame->Children().size(), 1);
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(UpdateCheckTest, NewerFilesAreListedAndNoKeepsTheProgramRunning) {
  server.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n/f/l 1 zamo.language\n");
  QSignalSpy quit(frame.get(), &CMainFrame::QuitRequested);
  messages.Answer(kMessageNo);
  frame->Dispatch(Cmd::kUpdateProgram);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_TRUE(messages.Messages()[0].text.contains(QStringLiteral("zamo (1.0.0.5 → 1.0.0.6)")));
  EXPECT_TRUE(messages.Messages()[0].text.contains(QStringLiteral("zamo.language")));
  EXPECT_TRUE(quit.isEmpty());
  EXPECT_EQ(server.RequestedPaths(), std::vector<std::string>{"//update//index.htm"});
}

TEST_F(UpdateCheckTest, AFolderTheUserCannotWriteIsToldBeforeAnythingIsFetched) {
  frame->SetUpdateFolder(QStringLiteral("/proc"));
  frame->Dispatch(Cmd::kUpdateProgram);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_TRUE(messages.Messages()[0].text.contains(QStringLiteral("/proc")));
  EXPECT_TRUE(server.RequestedPaths().empty());
}

}  // namespace
