// A whole update against a server of our own on 127.0.0.1. Whatever the
// server does, the run ends by itself with its message, and an installed
// file is either untouched or replaced by every byte of its new version.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "testhttpserver.h"
#include "testsupport.h"
#include "updaterun.h"
#include "updatetexts.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kShortTimeout = 300ms;
// A failing run may use its time limit about twice (index, then one file),
// plus the watchdog's grace; nothing should take longer.
constexpr auto kMostARunMayTake = 5s;

const std::string kOldProgram = "old program bytes";
const std::string kNewProgram = "new program bytes, longer than the old ones";

class UpdateRunTest : public ::testing::Test {
 protected:
  UpdateOptions Options() const {
    UpdateOptions options;
    options.host = "127.0.0.1";
    options.port = server_.Port();
    options.timeout = kShortTimeout;
    options.targetDir = folder_.Path();
    return options;
  }

  UpdateReport Run() { return Run(Options()); }

  UpdateReport Run(const UpdateOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    UpdateReport report = RunUpdate(options, environment_);
    EXPECT_LT(std::chrono::steady_clock::now() - start, kMostARunMayTake);
    return report;
  }

  void InstallOldProgram() {
    WriteFileBytes(folder_.File("zamo"), kOldProgram);
    fs::permissions(folder_.File("zamo"), fs::perms(0755));
    environment_.versions["zamo"] = "1.0.0.5";
  }

  // Files in the target folder other than those named.
  std::vector<std::string> StrayFiles(const std::vector<std::string>& expected) const {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(folder_.Path())) {
      const std::string name = entry.path().filename().string();
      if (std::find(expected.begin(), expected.end(), name) == expected.end()) stray.push_back(name);
    }
    return stray;
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : environment_.messages) texts.push_back(m.text);
    return texts;
  }

  CTestHttpServer server_;
  CScratchDir folder_;
  CRecordingEnvironment environment_;
};

TEST_F(UpdateRunTest, EverythingUpToDateDownloadsNothingAndRestarts) {
  InstallOldProgram();
  environment_.versions["libQuotix.so"] = "2.10";
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.5 zamo\n/f/q 2.9 libQuotix.so\n");

  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_TRUE(report.downloaded.empty());
  EXPECT_EQ(server_.RequestedPaths(), std::vector<std::string>{"//update//index.htm"});
  EXPECT_TRUE(environment_.messages.empty());
  EXPECT_TRUE(environment_.connected);
  EXPECT_TRUE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 1);
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
}

TEST_F(UpdateRunTest, NewerFileReplacesTheInstalledOneAndStaysExecutable) {
  InstallOldProgram();
  environment_.versions["libMaterial.so"] = "1.0.10";
  server_.ServeFile("//update//index.htm",
                    "/f/zamo 1.0.0.10 zamo\n/f/m 1.0.9 libMaterial.so\n/f/new 1 zamo.language\n");
  server_.ServeFile("/f/zamo", kNewProgram);
  server_.ServeFile("/f/new", "language");

  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(report.installed, (std::vector<std::string>{"zamo", "zamo.language"}));
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kNewProgram);
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo.language")), "language");
  EXPECT_EQ(fs::status(folder_.File("zamo")).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_TRUE(StrayFiles({"zamo", "zamo.language"}).empty());
  EXPECT_TRUE(environment_.messages.empty());
  EXPECT_EQ(environment_.starts, 1);
}

TEST_F(UpdateRunTest, LowerCaseContentLengthIsRecognised) {
  InstallOldProgram();
  const std::string index = "/f/zamo 1.0.0.6 zamo\n";
  server_.Answer("//update//index.htm",
                 "http/1.1 200 ok\r\ncontent-length: " + std::to_string(index.size()) + "\r\n\r\n" + index);
  server_.Answer("/f/zamo", "HTTP/1.1 200 OK\r\ncOnTeNt-LeNgTh: " + std::to_string(kNewProgram.size()) +
                                "\r\n\r\n" + kNewProgram);
  EXPECT_EQ(Run().outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kNewProgram);
}

TEST_F(UpdateRunTest, IndexLineWithoutSecondSpaceEndsTheListButEarlierEntriesCount) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n/f/broken 2\n/f/other 1 other\n");
  server_.ServeFile("/f/zamo", kNewProgram);
  const UpdateReport report = Run();
  EXPECT_EQ(report.installed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(server_.RequestedPaths(), (std::vector<std::string>{"//update//index.htm", "/f/zamo"}));
}

TEST_F(UpdateRunTest, CrLfIndexLooksUpAndWritesTheCleanName) {
  InstallOldProgram();
  environment_.versions["libQuotix.so"] = "1.0";
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.5 zamo\r\n/f/q 1.1 libQuotix.so\r\n");
  server_.ServeFile("/f/q", "quotix");
  const UpdateReport report = Run();
  EXPECT_EQ(environment_.versionLookups, (std::vector<std::string>{"zamo", "libQuotix.so"}));
  EXPECT_EQ(report.installed, std::vector<std::string>{"libQuotix.so"});
  EXPECT_EQ(ReadFileBytes(folder_.File("libQuotix.so")), "quotix");
  EXPECT_TRUE(StrayFiles({"zamo", "libQuotix.so"}).empty());
}

TEST_F(UpdateRunTest, NamesLeavingTheFolderAreSkippedAndNamedAtTheEnd) {
  CScratchDir outside;
  const std::string escape = "../" + fs::path(outside.Path()).filename().string() + "/evil";
  server_.ServeFile("//update//index.htm", "/f/e 9 " + escape + "\n/f/abs 9 " + outside.File("abs") +
                                               "\n/f/sub 9 sub/file\n/f/ok 1 ok\n");
  for (const char* path : {"/f/e", "/f/abs", "/f/sub", "/f/ok"}) server_.ServeFile(path, "payload");

  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(report.installed, std::vector<std::string>{"ok"});
  EXPECT_EQ(server_.RequestedPaths(), (std::vector<std::string>{"//update//index.htm", "/f/ok"}));
  EXPECT_TRUE(fs::is_empty(outside.Path()));
  EXPECT_TRUE(StrayFiles({"ok"}).empty());
  ASSERT_EQ(environment_.messages.size(), 1u);
  const std::string& text = environment_.messages[0].text;
  EXPECT_EQ(environment_.messages[0].title, UpdateText::kUpdateErrorTitle);
  EXPECT_TRUE(text.starts_with(UpdateText::kSkippedNames)) << text;
  EXPECT_NE(text.find("\"" + escape + "\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"sub/file\""), std::string::npos) << text;
  EXPECT_NE(text.find(outside.File("abs")), std::string::npos) << text;
  EXPECT_EQ(environment_.starts, 1);
}

TEST_F(UpdateRunTest, ProgramThatCannotStartIsReported) {
  server_.ServeFile("//update//index.htm", "");
  environment_.startSucceeds = false;
  EXPECT_EQ(Run().outcome, UpdateOutcome::kProgramNotStarted);
  EXPECT_TRUE(environment_.filesWritten);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::kCannotStartProgram});
}

TEST_F(UpdateRunTest, FileThatCannotBePutInPlaceEndsTheUpdateWithoutRestart) {
  fs::create_directory(folder_.File("zamo"));
  server_.ServeFile("//update//index.htm", "/f/zamo 1 zamo\n/f/later 1 later\n");
  server_.ServeFile("/f/zamo", kNewProgram);
  server_.ServeFile("/f/later", "later");
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kFileNotWritten);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::kCannotCreateFile});
  EXPECT_TRUE(fs::is_directory(folder_.File("zamo")));
  EXPECT_TRUE(StrayFiles({"zamo"}).empty());
  EXPECT_FALSE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 0);
}

// How a misbehaving server answers, and the message that must follow.
struct BadAnswer {
  const char* name;
  std::string bytes;
  CTestHttpServer::After after;
  const char* message;
};

std::vector<BadAnswer> BadAnswers() {
  using After = CTestHttpServer::After;
  const std::string longField = "X-Padding: " + std::string(3000, 'p') + "\r\n";
  return {
      {"ClosesMidHeader", "HTTP/1.1 200 OK\r\nContent-Le", After::kClose, UpdateText::kReceiveFailed},
      {"StallsMidHeader", "HTTP/1.1 200 OK\r\nContent-Le", After::kKeepOpen, UpdateText::kReceiveFailed},
      {"StallsMidBody", CTestHttpServer::OkHeader(100) + "only part", After::kKeepOpen, UpdateText::kReceiveFailed},
      {"SendsFewerBytesThanAnnounced", CTestHttpServer::OkHeader(100) + "only part", After::kClose,
       UpdateText::kReceiveFailed},
      {"SendsAHugeContentLength", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999\r\n\r\nx", After::kKeepOpen,
       UpdateText::kNoMemory},
      {"SendsAHeaderLongerThanItsBuffer", "HTTP/1.1 200 OK\r\n" + longField + "Content-Length: 1\r\n\r\nx",
       After::kKeepOpen, UpdateText::kReceiveFailed},
      {"AnswersWithAnErrorPage", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", After::kKeepOpen,
       UpdateText::kReceiveFailed},
      {"SendsNoContentLength", "HTTP/1.1 200 OK\r\n\r\nbody", After::kClose, UpdateText::kReceiveFailed},
      {"SendsNoStatusLine", "Content-Length: 4\r\n\r\nbody", After::kKeepOpen, UpdateText::kReceiveFailed},
  };
}

class BadServerTest : public UpdateRunTest, public ::testing::WithParamInterface<BadAnswer> {};

TEST_P(BadServerTest, BadIndexEndsTheUpdateWithItsMessage) {
  InstallOldProgram();
  server_.Answer("//update//index.htm", GetParam().bytes, GetParam().after);
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kIndexNotReceived);
  ASSERT_EQ(environment_.messages.size(), 1u);
  EXPECT_EQ(environment_.messages[0].text, GetParam().message);
  EXPECT_EQ(environment_.messages[0].title, UpdateText::kErrorTitle);
  EXPECT_FALSE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 0);
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
}

TEST_P(BadServerTest, BadFileKeepsTheInstalledOneAndTheUpdateGoesOn) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n/f/next 1 next\n");
  server_.Answer("/f/zamo", GetParam().bytes, GetParam().after);
  server_.ServeFile("/f/next", "next");
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(report.failed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(report.installed, std::vector<std::string>{"next"});
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{GetParam().message});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
  EXPECT_TRUE(StrayFiles({"zamo", "next"}).empty());
  EXPECT_EQ(environment_.starts, 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, BadServerTest, ::testing::ValuesIn(BadAnswers()),
                         [](const ::testing::TestParamInfo<BadAnswer>& param) { return std::string(param.param.name); });

TEST_F(UpdateRunTest, ContentLengthAboveTheSettingIsRefusedBeforeDownloading) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n");
  server_.ServeFile("/f/zamo", std::string(5000, 'z'));
  UpdateOptions options = Options();
  options.maxBytes = 4096;
  const UpdateReport report = Run(options);
  EXPECT_EQ(report.failed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::kNoMemory});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
}

TEST_F(UpdateRunTest, InterimAnswersAreSkipped) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n");
  server_.Answer("/f/zamo", "HTTP/1.1 100 Continue\r\n\r\n" + CTestHttpServer::OkHeader(kNewProgram.size()) + kNewProgram);
  EXPECT_EQ(Run().installed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kNewProgram);
}

}  // namespace
