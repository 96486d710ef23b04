// The start screen opens a camera or ends the program, runs its side
// functions while it stays open, and names the button under the pointer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "controlids.h"
#include "dialogtestutil.h"
#include "kryvelstartdlg.h"
#include "languageentries.h"
#include "settings.h"
#include "testsupport.h"

namespace {

using namespace Ctl::StartScreen;

class KryvelStartDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
  QPoint CentreOf(int id) { return Control(dialog, id)->geometry().center(); }
  QString Hint() { return Control<QLabel>(dialog, kHint)->text(); }

  CScratchDir scratch;
  CScopedCurrentDir inScratch{scratch.Path()};
  CMessageRecorder messages;
  CKryvelStartDlg dialog;
};

TEST_F(KryvelStartDlgTest, HintNamesTheButtonUnderThePointer) {
  EXPECT_EQ(Hint(), QStringLiteral("Новая камера"));  // the button with the focus
  QTest::mouseMove(&dialog, CentreOf(kPrices));
  EXPECT_EQ(Hint(), QStringLiteral("Цены"));
  QTest::mouseMove(&dialog, CentreOf(kNewCamera));
  EXPECT_EQ(Hint(), QStringLiteral("Новая камера"));
  QTest::mouseMove(&dialog, CentreOf(kComponents));
  EXPECT_EQ(Hint(), QStringLiteral("Комплектующие"));
  QTest::mouseMove(&dialog, CentreOf(kHeatLoad));  // hidden: no heat-load program here
  EXPECT_EQ(Hint(), QString());
  QTest::mouseMove(&dialog, CentreOf(kMaterials));
  EXPECT_EQ(Hint(), QStringLiteral("Профили материалов панелей"));
  QTest::mouseMove(&dialog, CentreOf(kExit));
  EXPECT_EQ(Hint(), QStringLiteral("Выход"));
  QTest::mouseMove(&dialog, QPoint(5, 5));  // over the title band
  EXPECT_EQ(Hint(), QString());
}

TEST_F(KryvelStartDlgTest, HintEdgesBelongToTheButton) {
  const QRect archive = Control(dialog, kArchive)->geometry();
  dialog.UpdateHint(archive.topLeft());
  EXPECT_EQ(Hint(), QStringLiteral("Загрузить из архива"));
  dialog.UpdateHint(archive.bottomRight() + QPoint(1, 1));
  EXPECT_EQ(Hint(), QStringLiteral("Загрузить из архива"));
  dialog.UpdateHint(archive.bottomRight() + QPoint(2, 2));
  EXPECT_EQ(Hint(), QString());
}

TEST_F(KryvelStartDlgTest, PricesButtonOpensThePriceTableWhileTheScreenStaysOpen) {
  int runs = 0;
  dialog.onPrices = [&] { ++runs; };
  ClickControl(dialog, kPrices);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(KryvelStartDlgTest, HintFollowsTheKeyboardFocus) {
  Control(dialog, kArchive)->setFocus();
  EXPECT_EQ(Hint(), QStringLiteral("Загрузить из архива"));
  Control(dialog, kExit)->setFocus();
  EXPECT_EQ(Hint(), QStringLiteral("Выход"));
}

TEST_F(KryvelStartDlgTest, OpenButtonOffersTheRecentFilesAndAnyOther) {
  AddRecentFile(QStringLiteral("/cameras/old.kry"));
  AddRecentFile(QStringLiteral("/cameras/new.kry"));
  auto* open = Control<QPushButton>(dialog, kOpenCamera);
  Q_EMIT open->menu()->aboutToShow();
  const QList<QAction*> items = open->menu()->actions();
  ASSERT_EQ(items.size(), 4);  // two files, a separator, another file
  EXPECT_EQ(items[0]->text(), QStringLiteral("&1 new.kry"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("&2 old.kry"));

  dialog.onOpenFile = [] { return QString(); };  // cancelled
  items[3]->trigger();
  EXPECT_TRUE(dialog.isVisible());
  items[1]->trigger();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Mode(), CKryvelStartDlg::kModeOpenFile);
  EXPECT_EQ(dialog.Path(), QStringLiteral("/cameras/old.kry"));
}

TEST_F(KryvelStartDlgTest, NewCameraAndExit) {
  ClickControl(dialog, kNewCamera);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Mode(), CKryvelStartDlg::kModeNewCamera);

  CKryvelStartDlg second;
  second.show();
  ClickControl(second, kExit);
  EXPECT_EQ(second.result(), QDialog::Rejected);
  EXPECT_FALSE(second.isVisible());
}

TEST_F(KryvelStartDlgTest, ArchiveOpensTheChosenCamera) {
  int asked = 0;
  dialog.onArchive = [&] {
    ++asked;
    return QString();  // nothing chosen
  };
  ClickControl(dialog, kArchive);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(dialog.isVisible());

  dialog.onArchive = [] { return QStringLiteral("CamArch/XKM-3.kry"); };
  ClickControl(dialog, kArchive);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Mode(), CKryvelStartDlg::kModeOpenFile);
  EXPECT_EQ(dialog.Path(), QStringLiteral("CamArch/XKM-3.kry"));
}

TEST_F(KryvelStartDlgTest, ComponentsRunWhileTheScreenStaysOpen) {
  ClickControl(dialog, kComponents);  // nothing wired: nothing happens
  int runs = 0;
  dialog.onComponents = [&] { ++runs; };
  ClickControl(dialog, kComponents);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(KryvelStartDlgTest, MaterialButtonWithoutTheLibraryTellsSo) {
  dialog.SetMaterialLibraryName(QStringLiteral("zamo_no_such_library"));
  ClickControl(dialog, kMaterials);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kMaterialsModuleMissing, Lang::kErrorCaption));
  EXPECT_TRUE(dialog.isVisible());

  messages.Clear();
  dialog.SetMaterialLibraryName(QStringLiteral("zamo_test_material_nodlg"));
  ClickControl(dialog, kMaterials);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kMaterialsModuleMissing, Lang::kErrorCaption));
}

TEST_F(KryvelStartDlgTest, MaterialButtonShowsTheLibrarysDialog) {
  dialog.SetMaterialLibraryName(QStringLiteral("zamo_test_material"));
  ClickControl(dialog, kMaterials);
  EXPECT_TRUE(messages.Empty());
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral("material-dialog-shown")));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(KryvelStartDlgTest, HeatLoadButtonShowsOnlyWhenTheProgramIsInstalled) {
  EXPECT_TRUE(Control(dialog, kHeatLoad)->isHidden());
  QFile program(QStringLiteral("heatrix"));
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.close();
  program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  CKryvelStartDlg withProgram;
  withProgram.show();
  EXPECT_FALSE(Control(withProgram, kHeatLoad)->isHidden());
  withProgram.UpdateHint(Control(withProgram, kHeatLoad)->geometry().center());
  EXPECT_EQ(withProgram.HintText(), QStringLiteral("Расчет теплопритоков"));
}

TEST_F(KryvelStartDlgTest, HeatLoadProgramMissing) {
  dialog.SetHeatLoadProgramName(QStringLiteral("zamo-no-such-heat-program"));
  ClickControl(dialog, kHeatLoad);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, QStringLiteral("Ошибка запуска программы \"Калорический расчет\"."));
  EXPECT_EQ(messages.Messages()[0].caption, QStringLiteral("Ошибка программы"));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(KryvelStartDlgTest, HeatLoadProgramIsStartedFromTheDataFolder) {
  // A stand-in program in the current (data) folder that leaves a mark.
  QFile program(QStringLiteral("heatrix"));
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.write("#!/bin/sh\ntouch heatrix-ran\n");
  program.close();
  program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  ClickControl(dialog, kHeatLoad);
  EXPECT_TRUE(messages.Empty());
  EXPECT_TRUE(QTest::qWaitFor([] { return QFileInfo::exists(QStringLiteral("heatrix-ran")); }, 5000));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(KryvelStartDlgTest, KeyboardReachesEveryButton) {
  EXPECT_TRUE(Control<QPushButton>(dialog, kNewCamera)->isDefault());
  EXPECT_EQ(dialog.focusWidget(), Control(dialog, kNewCamera));
  // Tab order: the first row, then the second.
  QWidget* next = Control(dialog, kNewCamera);
  QStringList order;
  for (int i = 0; i < 7; ++i) {
    order << next->objectName();
    next = next->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
  }
  EXPECT_EQ(order.join(QLatin1Char(' ')), QStringLiteral("1 6 1059 7 4 8 5"));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(KryvelStartDlgTest, EveryButtonHasItsPictures) {
  EXPECT_EQ(CKryvelStartDlg::BackgroundSize(), QSize(680, 480));
  EXPECT_EQ(dialog.size(), QSize(680, 480));
  for (int id : {kNewCamera, kArchive, kPrices, kMaterials, kComponents, kHeatLoad, kExit}) {
    QWidget* button = Control(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(button->size(), QSize(120, 120)) << id;
    EXPECT_TRUE(dialog.rect().contains(button->geometry())) << id;
  }
}

}  // namespace
