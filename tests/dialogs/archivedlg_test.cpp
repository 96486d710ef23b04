// The camera archive: the rows it lists from "CamArch/", the path each row
// opens, and loading the chosen camera.
#include <gtest/gtest.h>

#include <QDir>
#include <QTreeWidget>

#include "archivedlg.h"
#include "cameradocument.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "languageentries.h"
#include "testsupport.h"

namespace {

// A camera file as the new camera dialog makes it: outer sizes, thickness.
void WriteCamera(const std::string& path, int32_t length, int32_t width, int32_t height, int32_t t,
                 const std::u16string& article, const std::u16string& description) {
  CCameraDocument document;
  ASSERT_TRUE(document.CreateCamera(article, description, length - t, width - t, height - 2 * t, t, false, false));
  ASSERT_FALSE(document.Save(path));
}

class ArchiveDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadEmptyLanguage(); }

  QStringList Row(const CArchiveDlg& dialog, int row) const {
    const QTreeWidgetItem* item = Control<QTreeWidget>(dialog, Ctl::Archive::kList)->topLevelItem(row);
    QStringList texts;
    for (int c = 0; item && c < item->columnCount(); ++c) texts << item->text(c);
    return texts;
  }

  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
};

TEST_F(ArchiveDlgTest, AMissingFolderListsNothingAndOpenAsksForACamera) {
  CArchiveDlg dialog;
  dialog.show();
  EXPECT_EQ(Control<QTreeWidget>(dialog, Ctl::Archive::kList)->topLevelItemCount(), 0);
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, QStringLiteral("Выберите камеру для открытия"));
  EXPECT_EQ(messages_.Messages()[0].caption, QStringLiteral("Предупреждение"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.ResultPath().isEmpty());
}

TEST_F(ArchiveDlgTest, RowsShowTheOuterSizesAndKeepTheirOwnFiles) {
  QDir().mkpath(QStringLiteral("CamArch"));
  // The foreign files sort before and between the cameras: a row must never
  // open a neighbour's file.
  WriteFileBytes(dir_.File("CamArch/a-foreign.kry"), "not a camera at all");
  WriteCamera(dir_.File("CamArch/b.kry"), 1360, 1660, 2200, 80, u"ХКМ-1", u"Склад\nмолочный");
  WriteFileBytes(dir_.File("CamArch/c-empty.kry"), "");
  WriteCamera(dir_.File("CamArch/d.kry"), 3000, 2000, 2400, 100, u"ХКН-2", u"");
  WriteCamera(dir_.File("CamArch/e.txt"), 3000, 2000, 2400, 100, u"не камера архива", u"");

  CArchiveDlg dialog;
  dialog.show();
  EXPECT_EQ(Control<QTreeWidget>(dialog, Ctl::Archive::kList)->topLevelItemCount(), 2);
  EXPECT_EQ(Row(dialog, 0), (QStringList{QStringLiteral("1360 X 1660 X 2200"), QStringLiteral("80"),
                                         QStringLiteral("Да"), QStringLiteral("ХКМ-1"),
                                         QStringLiteral("Склад молочный")}));
  EXPECT_EQ(Row(dialog, 1).mid(0, 2), (QStringList{QStringLiteral("3000 X 2000 X 2400"), QStringLiteral("100")}));
  EXPECT_EQ(dialog.RowPaths(), (QStringList{QStringLiteral("CamArch/b.kry"), QStringLiteral("CamArch/d.kry")}));

  Control<QTreeWidget>(dialog, Ctl::Archive::kList)->setCurrentItem(
      Control<QTreeWidget>(dialog, Ctl::Archive::kList)->topLevelItem(1));
  QString sent;
  dialog.onSend = [&](const QString& path) { sent = path; };
  ClickControl(dialog, Ctl::Archive::kSend);
  EXPECT_EQ(sent, QStringLiteral("CamArch/d.kry"));
  EXPECT_TRUE(dialog.isVisible());

  // A refused open keeps the dialog for another choice.
  dialog.onOpen = [](const QString&) { return false; };
  ClickControl(dialog, Ctl::kOk);
  EXPECT_TRUE(dialog.isVisible());
  dialog.onOpen = nullptr;
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ResultPath(), QStringLiteral("CamArch/d.kry"));
  EXPECT_TRUE(messages_.Empty());
}

TEST_F(ArchiveDlgTest, LoadingTheChosenFileReplacesTheCameraOnlyWhenItHoldsOne) {
  WriteCamera(dir_.File("good.kry"), 1360, 1660, 2200, 80, u"ХКМ-1", u"");
  WriteFileBytes(dir_.File("foreign.kry"), "not a camera at all");
  CCameraDocument document;
  ASSERT_TRUE(document.CreateCamera(u"old", u"", 2920, 1920, 2040, 80, false, false));

  EXPECT_FALSE(CArchiveDlg::LoadArchiveCamera(QStringLiteral("foreign.kry"), document));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kCameraFileCannotOpen, Lang::kLoadCameraFailedCaption));
  EXPECT_EQ(document.Article(), u"old");

  EXPECT_TRUE(CArchiveDlg::LoadArchiveCamera(QStringLiteral("good.kry"), document));
  EXPECT_EQ(document.Article(), u"ХКМ-1");
  EXPECT_EQ(document.Camera().Width(), 1280);
}

}  // namespace
