// Start-up: the pricing library bound (beside the program, else from the
// folder in the settings) or one message and the end; the start screen and
// what its answer opens; camera files from the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include "cameradocument.h"
#include "childframe.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "languageentries.h"
#include "mainframe.h"
#include "programservices.h"
#include "settings.h"
#include "testsupport.h"
#include "viewtesthelpers.h"
#include "zamoapp.h"

namespace {

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    OpenZamoSettings()->clear();
  }

  CScratchDir scratch;
  CScopedCurrentDir inScratch{scratch.Path()};
  CMessageRecorder messages;
  CScriptedHost host;
};

TEST_F(StartUpTest, WithoutThePricingLibraryOneMessageAndNoStartScreen) {
  CZamoApp app({QStringLiteral("NoSuchPricingLibrary"), {}, false});
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.ExitCode(), 1);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Entries(0), std::make_pair(Lang::kPricingModuleMissing, Lang::kPricingModuleMissing));
  EXPECT_TRUE(host.dialogsRun.isEmpty());
  // The missing defaults were written on the way.
  QString folder;
  EXPECT_TRUE(ReadQuotixFolder(folder));
  EXPECT_EQ(folder, DefaultPluginFolder());
}

TEST_F(StartUpTest, NewCameraFromTheStartScreenIsTheTypicalRequest) {
  host.OnDialog([](QDialog& start) { ClickControl(start, Ctl::StartScreen::kNewCamera); });
  host.OnDialog([](QDialog& dialog) {
    using namespace Ctl::NewCamera;
    ClickControl(dialog, kThickness80);
    TypeInto(dialog, kLength, QStringLiteral("3000"));
    TypeInto(dialog, kWidth, QStringLiteral("2000"));
    TypeInto(dialog, kHeight, QStringLiteral("2200"));
    ClickControl(dialog, Ctl::kOk);
  });
  CZamoApp app({});
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(messages.Empty());
  EXPECT_EQ(host.dialogsRun, (QStringList{QStringLiteral("CKryvelStartDlg"), QStringLiteral("CNewCameraDlg")}));
  EXPECT_EQ(OpenZamoSettings()->value(QStringLiteral("zamo")).toString(), QStringLiteral("1.0.0.5"));
  ASSERT_NE(Program().pricing, nullptr);
  EXPECT_TRUE(Program().pricing->IsLoaded());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Program().priceBlock.bytes), 160), std::string(160, '\0'));

  CMainFrame* frame = app.MainFrame();
  ASSERT_EQ(frame->Children().size(), 1);
  CChildView* view = frame->ActiveView();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->Document().Log().size(), 1u);
  EXPECT_EQ(view->Document().Log()[0].data, (std::vector<int32_t>{2920, 1920, 2040, 80}));
  EXPECT_TRUE(frame->Dispatch(Cmd::kFillAllObjects));
  EXPECT_EQ(view->Document().Log().back().op, 3);
}

TEST_F(StartUpTest, CancelledNewCameraLeavesAnEmptyWindowAndExitEndsAtOnce) {
  host.OnDialog([](QDialog& start) { ClickControl(start, Ctl::StartScreen::kNewCamera); });
  host.OnDialog(Cancel());
  CZamoApp app({});
  ASSERT_TRUE(app.InitInstance());
  ASSERT_EQ(app.MainFrame()->Children().size(), 1);
  EXPECT_FALSE(app.MainFrame()->ActiveView()->Document().HasCamera());
  EXPECT_FALSE(app.MainFrame()->ActiveView()->Document().IsModified());

  host.OnDialog([](QDialog& start) { ClickControl(start, Ctl::StartScreen::kExit); });
  CZamoApp second({});
  EXPECT_FALSE(second.InitInstance());
  EXPECT_EQ(second.ExitCode(), 0);
  EXPECT_TRUE(second.MainFrame()->Children().isEmpty());
}

TEST_F(StartUpTest, CameraFilesOnTheCommandLineOpenWithoutTheStartScreen) {
  CCameraDocument document;
  ASSERT_TRUE(document.CreateCamera(u"L-1", u"", 2920, 1920, 2040, 80, false, false));
  ASSERT_FALSE(document.Save(scratch.File("first.kry")));
  WriteFileBytes(scratch.File("broken.kry"), "no camera here");

  CZamoApp app({QStringLiteral("Quotix"),
                {scratch.QPath() + QStringLiteral("/first.kry"), scratch.QPath() + QStringLiteral("/broken.kry")},
                false});
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(host.dialogsRun.isEmpty());
  // The broken file is named in a message and opens no window.
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, UiText(Lang::kNotCameraFile).arg(QStringLiteral("broken.kry")));
  ASSERT_EQ(app.MainFrame()->Children().size(), 1);
  EXPECT_EQ(app.MainFrame()->Children()[0]->View()->Title(), QStringLiteral("L-1"));
}

// The program itself, copied into a folder without the pricing library.
class ProgramProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(scratch.QPath() + QStringLiteral("/program")));
    ASSERT_TRUE(QDir().mkpath(scratch.QPath() + QStringLiteral("/data")));
    ASSERT_TRUE(QDir().mkpath(scratch.QPath() + QStringLiteral("/config")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZAMO_BINARY_DIR "/bin/zamo"), program));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZAMO_SOURCE_DIR "/data/zamo.language"),
                            scratch.QPath() + QStringLiteral("/data/zamo.language")));
  }
  // Runs the copy on the scratch data folder until it ends on its own.
  int Run() {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.QPath() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("ZAMO_MESSAGE_LOG"), messageLog);
    environment.insert(QStringLiteral("ZAMO_STARTUP_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("--data-dir"), scratch.QPath() + QStringLiteral("/data")});
    if (!process.waitForFinished(60000)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << "the program did not end";
    }
    output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  CScratchDir scratch;
  const QString program = scratch.QPath() + QStringLiteral("/program/zamo");
  const QString messageLog = scratch.QPath() + QStringLiteral("/messages.txt");
  QString output;
};

TEST_F(ProgramProcessTest, AloneItShowsOneMessageAndEnds) {
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(QString::fromStdString(ReadFileBytes(messageLog.toStdString())),
            QStringLiteral("Не найден модуль расчета цен Quotix. Программа будет закрыта.\t"
                           "Не найден модуль расчета цен Quotix. Программа будет закрыта.\n"));
  EXPECT_FALSE(output.contains(QStringLiteral("start screen")));
}

TEST_F(ProgramProcessTest, TheSettingsFolderServesWhenTheLibraryIsNotBesideIt) {
  {
    QSettings settings(scratch.QPath() + QStringLiteral("/config/Kryvel/Zamo.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Def/") + ModuleFileName(QStringLiteral("Quotix")),
                      QStringLiteral(ZAMO_BINARY_DIR "/bin"));
  }
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(output.contains(QStringLiteral("zamo: start screen shown"))) << output.toStdString();
  EXPECT_FALSE(QFile::exists(messageLog));
}

TEST_F(ProgramProcessTest, OnlyANewOrEmptyDataFolderGetsTheShippedFiles) {
  {
    QSettings settings(scratch.QPath() + QStringLiteral("/config/Kryvel/Zamo.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Def/") + ModuleFileName(QStringLiteral("Quotix")),
                      QStringLiteral(ZAMO_BINARY_DIR "/bin"));
  }
  const QDir data(scratch.QPath() + QStringLiteral("/data"));
  // A folder made for a purpose keeps exactly what was put there.
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(data.exists(QStringLiteral("MaterialArch.data")));
  EXPECT_FALSE(data.exists(QStringLiteral("CamArch")));

  ASSERT_TRUE(QDir(data).removeRecursively());
  EXPECT_EQ(Run(), 0);
  for (const char* shipped : {"zamo.language", "PriceCntr.data", "MaterialArch.data", "kryvel_logo.jpg"})
    EXPECT_TRUE(data.exists(QString::fromLatin1(shipped))) << shipped;
  EXPECT_FALSE(QDir(data.filePath(QStringLiteral("CamArch"))).isEmpty());
}

}  // namespace
