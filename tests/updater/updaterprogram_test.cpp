// The updater program as the program starts it: settings, installed versions,
// events, messages and the restart of a stand-in program. Each run must end
// by itself well inside the test's own time limit.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "namedevent.h"
#include "settings.h"
#include "testhttpserver.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const QString kUpdater = QStringLiteral(ZAMO_BINARY_DIR "/bin/zamo_updater");
constexpr int kRunLimitMs = 20000;
constexpr auto kStartLimit = 5s;
// The updater has ended before we look: a restart would already be under way.

class UpdaterProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenZamoSettings()->clear();
    eventPrefix_ = "ZamoUpdaterTest" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CNamedEvent::Unlink(eventPrefix_);
    CNamedEvent::Unlink(eventPrefix_ + "2");
    ASSERT_TRUE(connected_.Create(eventPrefix_));
    ASSERT_TRUE(written_.Create(eventPrefix_ + "2"));
    // The program being updated, in the folder being updated: records that
    // it was started again.
    const std::string standIn = target_.File("zamo");
    WriteFileBytes(standIn, "#!/bin/sh\necho started > \"$0.started\"\n");
    fs::permissions(standIn, fs::perms(0755));
  }

  void TearDown() override {
    OpenZamoSettings()->clear();
    CNamedEvent::Unlink(eventPrefix_);
    CNamedEvent::Unlink(eventPrefix_ + "2");
  }

  static void SetSetting(const QString& key, const QVariant& value) {
    auto settings = OpenZamoSettings();
    settings->setValue(key, value);
    settings->sync();
  }

  // Runs the updater against the test server; false when it did not end.
  bool RunUpdater(QStringList extra = {}) {
    QStringList arguments{QStringLiteral("--target-dir"), target_.QPath(), QStringLiteral("--event-prefix"),
                          QString::fromStdString(eventPrefix_)};
    arguments << extra;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZAMO_MESSAGE_LOG"), QString::fromStdString(work_.File("messages.log")));
    QProcess updater;
    updater.setProcessEnvironment(environment);
    updater.setWorkingDirectory(work_.QPath());
    updater.start(kUpdater, arguments);
    if (!updater.waitForFinished(kRunLimitMs)) {
      updater.kill();
      updater.waitForFinished();
      return false;
    }
    return updater.exitStatus() == QProcess::NormalExit;
  }

  QStringList ServerArguments() const {
    return {QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
            QString::number(server_.Port())};
  }

  // The stand-in starts detached: give it a moment.
  bool ProgramRestarted(std::chrono::milliseconds wait = kStartLimit) const {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < until) {
      if (fs::exists(target_.File("zamo.started"))) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  std::string Messages() const { return ReadFileBytes(work_.File("messages.log")); }

  CTestHttpServer server_;
  CScratchDir work_;
  CScratchDir target_;
  std::string eventPrefix_;
  CNamedEvent connected_;
  CNamedEvent written_;
};

TEST_F(UpdaterProgramTest, UpToDateRestartsTheProgramAndSetsBothEvents) {
  SetSetting(QStringLiteral("Update/Host"), QStringLiteral("127.0.0.1"));
  SetSetting(QStringLiteral("Update/Port"), server_.Port());
  SetSetting(QStringLiteral("zamo"), QStringLiteral("1.0.0.5"));
  SetSetting(QStringLiteral("libQuotix.so"), QStringLiteral("1.0.10"));
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.5 zamo\n/f/q 1.0.9 libQuotix.so\n");

  ASSERT_TRUE(RunUpdater());
  EXPECT_TRUE(ProgramRestarted());
  EXPECT_EQ(server_.RequestedPaths(), std::vector<std::string>{"//update//index.htm"});
  EXPECT_TRUE(connected_.IsSet());
  EXPECT_TRUE(written_.IsSet());
  EXPECT_EQ(Messages(), "");
  for (const auto& entry : fs::directory_iterator(target_.Path())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "zamo" || name == "zamo.started") << name << " was written";
  }
}

TEST_F(UpdaterProgramTest, NewerFileIsWrittenIntoTheTargetFolder) {
  SetSetting(QStringLiteral("zamo"), QStringLiteral("1.0.0.5"));
  SetSetting(QStringLiteral("libQuotix.so"), QStringLiteral("1.0.9"));
  WriteFileBytes(target_.File("libQuotix.so"), "old");
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.5 zamo\r\n/f/q 1.0.10 libQuotix.so\r\n");
  server_.ServeFile("/f/q", "new quotix");

  ASSERT_TRUE(RunUpdater(ServerArguments()));
  EXPECT_TRUE(ProgramRestarted());
  EXPECT_EQ(ReadFileBytes(target_.File("libQuotix.so")), "new quotix");
  EXPECT_FALSE(fs::exists(work_.File("libQuotix.so")));
  EXPECT_EQ(Messages(), "");
}

TEST_F(UpdaterProgramTest, StallingServerEndsWithinTheTimeoutSetting) {
  SetSetting(QStringLiteral("Update/TimeoutSeconds"), 1);
  server_.Answer("//update//index.htm", "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npart");

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(RunUpdater(ServerArguments()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_EQ(Messages(), "Ошибка\tОшибка получения данных\n");
  EXPECT_TRUE(connected_.IsSet());
  EXPECT_FALSE(written_.IsSet());
  EXPECT_TRUE(ProgramRestarted());  // the user is never left without the program
}

TEST_F(UpdaterProgramTest, SlowServerEndsWithinTheDeadlineSetting) {
  SetSetting(QStringLiteral("Update/TimeoutSeconds"), 1);
  SetSetting(QStringLiteral("Update/DeadlineSeconds"), 2);
  // Quick enough for the time limit, far too slow for the whole index.
  const size_t size = 1 << 20;
  server_.Answer("//update//index.htm", CTestHttpServer::OkHeader(size) + std::string(size, 'i'),
                 CTestHttpServer::After::kKeepOpen, {4096, 50ms});

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(RunUpdater(ServerArguments()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_EQ(Messages(), "Ошибка обновления\tВремя обновления истекло\n");
  EXPECT_TRUE(ProgramRestarted());  // the user is never left without the program
}

TEST_F(UpdaterProgramTest, NoServerShowsTheConnectionMessage) {
  CClosedPort closed;
  ASSERT_TRUE(RunUpdater({QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                          QString::number(closed.Port())}));
  EXPECT_EQ(Messages(), "Ошибка обновления\tОшибка соединения с сервером\n");
  EXPECT_FALSE(connected_.IsSet());
  EXPECT_TRUE(ProgramRestarted());  // the user is never left without the program
}

}  // namespace
