// Loading a camera from the archive into the camera window, sending the
// window's camera, and the start screen's archive and components buttons,
// all through the dialog host as the user meets them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTreeWidget>

#include "archivecommands.h"
#include "cameradocument.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "kryvelstartdlg.h"
#include "languageentries.h"
#include "sendcameradlg.h"
#include "startscreenhooks.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

namespace {

// Chooses row `row` of the archive list, then runs `beforeOpen` and OK.
CScriptedHost::DialogScript OpenRow(int row, std::function<void()> beforeOpen = {}) {
  return [row, beforeOpen](QDialog& dialog) {
    auto* list = Control<QTreeWidget>(dialog, Ctl::Archive::kList);
    ASSERT_NE(list->topLevelItem(row), nullptr);
    list->setCurrentItem(list->topLevelItem(row));
    if (beforeOpen) beforeOpen();
    ClickControl(dialog, Ctl::kOk);
  };
}

class ArchiveCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("CamArch")));
    CCameraDocument archived;
    ASSERT_TRUE(archived.CreateCamera(u"ХКН-1360", u"Склад", 1280, 1580, 2040, 80, false, false));
    ASSERT_FALSE(archived.Save(dir_.File("CamArch/xkn.kry")));
    archivedBytes_ = archived.SaveBytes();
  }

  // A camera in the window with an unsaved change.
  void CreateChanged() {
    ASSERT_TRUE(view_.CreateCamera(QStringLiteral("КХ-3020"), QString(), 2920, 1920, 2040, 80, false, false));
    ASSERT_TRUE(view_.RunCommand(Cmd::kFillAllObjects));
  }

  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
  CScriptedHost host_;
  CChildView view_;
  std::string archivedBytes_;
};

TEST_F(ArchiveCommandsTest, LoadFromArchiveAsksAboutChangesThenReplacesTheWindowsCamera) {
  CreateChanged();
  messages_.Answer(kMessageNo);  // drop the unsaved change
  host_.OnDialog(OpenRow(0));
  EXPECT_TRUE(view_.RunCommand(Cmd::kLoadFromArchive));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(host_.dialogsRun, QStringList{QStringLiteral("CArchiveDlg")});
  EXPECT_EQ(view_.Title(), QStringLiteral("ХКН-1360"));
  EXPECT_EQ(view_.Camera().Width(), 1280);
  EXPECT_FALSE(view_.Document().IsModified());
  EXPECT_EQ(view_.FilePath(), QDir::current().absoluteFilePath(QStringLiteral("CamArch/xkn.kry")));
}

TEST_F(ArchiveCommandsTest, CancellingTheQuestionOrFailingToReadKeepsTheWindowsCamera) {
  CreateChanged();
  const std::string before = view_.Document().SaveBytes();
  messages_.Answer(kMessageCancel);
  EXPECT_TRUE(view_.RunCommand(Cmd::kLoadFromArchive));
  EXPECT_TRUE(host_.dialogsRun.isEmpty());

  // The file goes away between the listing and OK.
  messages_.Clear();
  messages_.Answer(kMessageNo);
  host_.OnDialog(OpenRow(0, [this] { QFile::remove(QString::fromStdString(dir_.File("CamArch/xkn.kry"))); }));
  view_.RunCommand(Cmd::kLoadFromArchive);
  ASSERT_EQ(messages_.Messages().size(), 2u);
  EXPECT_EQ(messages_.Entries(1), std::make_pair(Lang::kCameraFileCannotOpen, Lang::kLoadCameraFailedCaption));
  EXPECT_EQ(view_.Document().SaveBytes(), before);
  EXPECT_TRUE(view_.Document().IsModified());
}

TEST_F(ArchiveCommandsTest, SendOffersTheWindowsCameraByItsArticle) {
  CreateChanged();
  QString subject;
  host_.OnDialog([&](QDialog& dialog) {
    subject = static_cast<CSendCameraDlg&>(dialog).Subject();
    ClickControl(dialog, Ctl::kCancel);
  });
  EXPECT_TRUE(view_.RunCommand(Cmd::kSendCamera));
  EXPECT_EQ(host_.dialogsRun, QStringList{QStringLiteral("CSendCameraDlg")});
  EXPECT_EQ(subject, QStringLiteral("Камера КХ-3020"));
  EXPECT_TRUE(view_.Document().IsModified());
}

TEST_F(ArchiveCommandsTest, TheArchivesSendButtonAndOpenGoThroughTheHost) {
  QString subject;
  host_.OnDialog([&](QDialog& archive) {
    auto* list = Control<QTreeWidget>(archive, Ctl::Archive::kList);
    list->setCurrentItem(list->topLevelItem(0));
    ClickControl(archive, Ctl::Archive::kSend);
    ClickControl(archive, Ctl::kOk);
  });
  host_.OnDialog([&](QDialog& send) {
    subject = static_cast<CSendCameraDlg&>(send).Subject();
    ClickControl(send, Ctl::kCancel);
  });
  EXPECT_EQ(ChooseArchiveCamera(nullptr), QStringLiteral("CamArch/xkn.kry"));
  EXPECT_EQ(host_.dialogsRun, (QStringList{QStringLiteral("CArchiveDlg"), QStringLiteral("CSendCameraDlg")}));
  EXPECT_EQ(subject, QStringLiteral("Камера ХКН-1360"));
}

TEST_F(ArchiveCommandsTest, TheStartScreenOpensTheArchiveAndTheComponents) {
  CKryvelStartDlg start;
  InstallStartScreenHooks(start);
  ASSERT_TRUE(start.onArchive && start.onComponents);

  host_.OnDialog(OpenRow(0));
  EXPECT_EQ(start.onArchive(), QStringLiteral("CamArch/xkn.kry"));
  host_.OnDialog(Cancel());
  EXPECT_TRUE(start.onArchive().isEmpty());

  host_.OnDialog(Cancel());
  start.onComponents();
  EXPECT_EQ(host_.dialogsRun, (QStringList{QStringLiteral("CArchiveDlg"), QStringLiteral("CArchiveDlg"),
                                           QStringLiteral("CComplCountDlg")}));
  EXPECT_TRUE(messages_.Empty());
}

}  // namespace
