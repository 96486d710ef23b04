// The main window: which menu shows when, that every command reaches the
// active camera window through one dispatch, the camera window's scroll
// arrows, and the unsaved-changes question on closing, quitting and
// updating.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QTreeWidget>

#include "cameradocument.h"
#include "childframe.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "frametest.h"
#include "mainframe.h"
#include "messages.h"
#include "settings.h"
#include "testhttpserver.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

namespace {

class MainFrameTest : public CFrameTest {
 protected:
  QStringList MenuBarTitles() const {
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    return titles;
  }
  QAction* MenuItem(QMenu* root, int command) const {
    for (QAction* popup : root->actions())
      for (QAction* item : popup->menu()->actions())
        if (!item->isSeparator() && item->data().toInt() == command) return item;
    return nullptr;
  }
};

TEST_F(MainFrameTest, MainMenuWithoutACameraWindowTranslatedCameraMenuWithOne) {
  EXPECT_EQ(MenuBarTitles(), (QStringList{QStringLiteral("&Файл"), QStringLiteral("Архив камер"),
                                          QStringLiteral("&Вид"), QStringLiteral("Цены"), QStringLiteral("Сервис"),
                                          QStringLiteral("&Помощь")}));
  EXPECT_EQ(MenuItem(frame->MainMenu(), Cmd::kStatusBar)->text(), QStringLiteral("&Строка статуса"));
  EXPECT_FALSE(MenuItem(frame->MainMenu(), Cmd::kMakePriceList)->isEnabled());  // nothing handles it
  EXPECT_FALSE(MenuItem(frame->MainMenu(), Cmd::kCloseCamera)->isEnabled());
  EXPECT_FALSE(MenuItem(frame->MainMenu(), Cmd::kAddToArchive)->isEnabled());
  EXPECT_TRUE(MenuItem(frame->MainMenu(), Cmd::kNewCamera)->isEnabled());

  CChildFrame* child = CameraWindow(QStringLiteral("A"));
  EXPECT_EQ(MenuBarTitles(), (QStringList{QStringLiteral("Файл"), QStringLiteral("Правка"), QStringLiteral("Вид"),
                                          QStringLiteral("Архив камер"), QStringLiteral("Цены"),
                                          QStringLiteral("Сервис"), QStringLiteral("Окно"), QStringLiteral("Помощь")}));
  EXPECT_EQ(MenuItem(frame->CameraMenu(), Cmd::kStatusBar)->text(), QStringLiteral("Панель состояния"));
  EXPECT_EQ(MenuItem(frame->CameraMenu(), Cmd::kSaveCamera)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_TRUE(MenuItem(frame->CameraMenu(), Cmd::kPriceSettings)->isEnabled());
  EXPECT_TRUE(MenuItem(frame->CameraMenu(), Cmd::kAddToArchive)->isEnabled());
  EXPECT_EQ(child->windowTitle(), QStringLiteral("A[*]"));
  EXPECT_TRUE(child->isWindowModified());
  EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("[A")));

  child->SetCloseConfirmed(true);
  child->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  EXPECT_EQ(MenuBarTitles().value(0), QStringLiteral("&Файл"));
}

TEST_F(MainFrameTest, EveryWayOfGivingACommandReachesTheActiveCameraWindow) {
  CameraWindow(QStringLiteral("A"));
  CChildFrame* second = CameraWindow(QStringLiteral("B"));
  ASSERT_EQ(frame->ActiveChild(), second);
  CChildView* view = second->View();

  frame->ToolBar()->actions()[2]->trigger();  // corner mode
  EXPECT_TRUE(view->IsModeOn(ViewMode::kCorner));
  EXPECT_FALSE(frame->Children()[0]->View()->IsModeOn(ViewMode::kCorner));

  // Context menu choices go through the main window's dispatch too.
  host.ChooseFromMenu(Cmd::kFillAllObjects);
  view->ShowContextMenu(QPoint(20, 700));
  EXPECT_EQ(view->Document().Log().back().op, 3);

  // Undo's shortcut and toolbar button, and redo's two shortcuts.
  QList<QKeySequence> undoKeys;
  QList<QKeySequence> redoKeys;
  for (QAction* action : frame->Actions(Cmd::kUndo)) undoKeys << action->shortcuts();
  for (QAction* action : frame->Actions(Cmd::kRedo)) redoKeys << action->shortcuts();
  EXPECT_TRUE(undoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
  EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
  EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
  EXPECT_TRUE(frame->Actions(Cmd::kUndo).first()->isEnabled());
  frame->Actions(Cmd::kUndo).first()->trigger();
  EXPECT_EQ(view->Document().Log().size(), 1u);
  EXPECT_FALSE(frame->Actions(Cmd::kUndo).first()->isEnabled());
  EXPECT_TRUE(frame->Actions(Cmd::kRedo).first()->isEnabled());
}

TEST_F(MainFrameTest, ScrollArrowsMoveThePlanByFiftyPixels) {
  CChildFrame* child = CameraWindow(QStringLiteral("A"));
  const CPixelMapping& mapping = child->View()->Mapping();
  const int x = mapping.OriginX();
  const int y = mapping.OriginY();
  child->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(mapping.OriginY(), y + 50);
  child->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  child->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(mapping.OriginY(), y - 50);
  child->HorizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(mapping.OriginX(), x + 50);
  child->HorizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(mapping.OriginX(), x);
  // The bars never run out: the arrows keep working.
  for (int i = 0; i < 5; ++i) child->HorizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(mapping.OriginX(), x + 250);
  EXPECT_EQ(mapping.OriginY(), y - 50);
}

TEST_F(MainFrameTest, ClosingAChangedCameraWindowAsks) {
  CameraWindow(QStringLiteral("A"));
  messages.Answer(kMessageCancel);
  frame->Dispatch(Cmd::kCloseCamera);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frame->Children().size(), 1);
  messages.Answer(kMessageNo);
  frame->Dispatch(Cmd::kCloseCamera);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame->Children().isEmpty());
  EXPECT_EQ(messages.Messages().size(), 2u);
}

TEST_F(MainFrameTest, QuittingAsksForEveryChangedCameraAndCancelKeepsThemAll) {
  CameraWindow(QStringLiteral("A"));
  CameraWindow(QStringLiteral("B"));
  QSignalSpy quit(frame.get(), &CMainFrame::QuitRequested);
  messages.Answer(kMessageNo);
  messages.Answer(kMessageCancel);
  frame->Dispatch(Cmd::kExit);
  EXPECT_EQ(messages.Messages().size(), 2u);
  EXPECT_EQ(frame->Children().size(), 2);
  EXPECT_TRUE(quit.isEmpty());

  messages.Clear();
  messages.Answer(kMessageNo);
  messages.Answer(kMessageNo);
  frame->Dispatch(Cmd::kExit);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(messages.Messages().size(), 2u);  // once per camera, not again on closing
  EXPECT_TRUE(frame->Children().isEmpty());
  ASSERT_EQ(quit.size(), 1);
  EXPECT_EQ(quit[0][0].toInt(), 0);
}

TEST_F(MainFrameTest, UpdateCancelledAtTheQuestionStartsNothing) {
  CTestHttpServer server;
  server.ServeFile("//update//index.htm", "/f/zamo 99 zamo\n");
  SetUpdateHost(QStringLiteral("127.0.0.1"), server.Port());
  CameraWindow(QStringLiteral("A"));
  QSignalSpy quit(frame.get(), &CMainFrame::QuitRequested);
  messages.Answer(kMessageYes);     // update now
  messages.Answer(kMessageCancel);  // the unsaved camera
  frame->Dispatch(Cmd::kUpdateProgram);
  EXPECT_EQ(messages.Messages().size(), 2u);
  EXPECT_TRUE(quit.isEmpty());
  EXPECT_EQ(frame->Children().size(), 1);
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, LoadFromArchiveWithoutACameraWindowOpensTheCameraInANewOne) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("CamArch")));
  CCameraDocument archived;
  ASSERT_TRUE(archived.CreateCamera(u"ХКН-1360", u"", 1280, 1580, 2040, 80, false, false));
  ASSERT_FALSE(archived.Save(scratch.File("CamArch/xkn.kry")));
  EXPECT_TRUE(MenuItem(frame->MainMenu(), Cmd::kLoadFromArchive)->isEnabled());
  host.OnDialog([](QDialog& dialog) {
    auto* list = Control<QTreeWidget>(dialog, Ctl::Archive::kList);
    list->setCurrentItem(list->topLevelItem(0));
    ClickControl(dialog, Ctl::kOk);
  });
  EXPECT_TRUE(frame->Dispatch(Cmd::kLoadFromArchive));
  ASSERT_EQ(frame->Children().size(), 1);
  EXPECT_EQ(frame->ActiveView()->Title(), QStringLiteral("ХКН-1360"));
  EXPECT_TRUE(messages.Empty());
}

}  // namespace
