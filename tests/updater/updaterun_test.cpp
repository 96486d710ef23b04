// A whole update against a server of our own on 127.0.0.1. Whatever the
// server does, the run ends by itself with its message, and an installed
// file is either untouched or replaced by every byte of its new version.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

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

TEST_F(UpdateRunTest, DataFilesGoToTheDataFolderProgramsToTheProgramFolder) {
  InstallOldProgram();
  CScratchDir data;
  server_.ServeFile("//update//index.htm",
                    "/f/zamo 1.0.0.10 zamo\n/f/l 1 zamo.language\n/f/p 1 PriceCntr.data\n/f/j 1 kryvel_logo.jpg\n");
  server_.ServeFile("/f/zamo", kNewProgram);
  server_.ServeFile("/f/l", "language");
  server_.ServeFile("/f/p", "prices");
  server_.ServeFile("/f/j", "logo");
  UpdateOptions options = Options();
  options.dataDir = data.Path();

  EXPECT_EQ(Run(options).outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kNewProgram);
  EXPECT_TRUE(StrayFiles({"zamo"}).empty());
  EXPECT_EQ(ReadFileBytes(data.File("zamo.language")), "language");
  EXPECT_EQ(ReadFileBytes(data.File("PriceCntr.data")), "prices");
  EXPECT_EQ(ReadFileBytes(data.File("kryvel_logo.jpg")), "logo");
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
  EXPECT_EQ(environment_.messages[0].title, UpdateText::Get(UpdateText::kUpdateErrorTitle));
  EXPECT_TRUE(text.starts_with(UpdateText::Get(UpdateText::kSkippedNames))) << text;
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
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::Get(UpdateText::kCannotStartProgram)});
}

// A user who chose the English interface reads the updater's messages in
// English too.
TEST_F(UpdateRunTest, MessagesFollowTheInterfaceLanguage) {
  server_.ServeFile("//update//index.htm", "");
  environment_.startSucceeds = false;
  UpdateText::Language() = 1;
  Run();
  UpdateText::Language() = 0;
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The program \"Zamo\" cannot be started."});
}

TEST_F(UpdateRunTest, FileThatCannotBePutInPlaceIsNamedAndTheOthersStillInstall) {
  // A folder in the file's place, and a name longer than the file system
  // allows; names up to its longest still install beside their temporary.
  fs::create_directory(folder_.File("zamo"));
  const std::string long240(240, 'a');
  const std::string long255(255, 'b');
  const std::string long260(260, 'c');
  server_.ServeFile("//update//index.htm", "/f/zamo 1 zamo\n/f/a 1 " + long240 + "\n/f/b 1 " + long255 +
                                               "\n/f/c 1 " + long260 + "\n/f/later 1 later\n");
  for (const char* path : {"/f/zamo", "/f/a", "/f/b", "/f/c", "/f/later"}) server_.ServeFile(path, path);
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(report.installed, (std::vector<std::string>{long240, long255, "later"}));
  EXPECT_EQ(report.notWritten, (std::vector<std::string>{"zamo", long260}));
  EXPECT_EQ(ReadFileBytes(folder_.File(long240)), "/f/a");
  EXPECT_EQ(ReadFileBytes(folder_.File(long255)), "/f/b");
  ASSERT_EQ(MessageTexts().size(), 1u);
  EXPECT_EQ(MessageTexts()[0], std::string(UpdateText::Get(UpdateText::kCannotCreateFile)) + ": \"zamo\", \"" +
                                   std::string(80, 'c') + "...\"");
  EXPECT_EQ(environment_.messages[0].title, UpdateText::Get(UpdateText::kUpdateErrorTitle));
  EXPECT_TRUE(fs::is_directory(folder_.File("zamo")));
  EXPECT_TRUE(StrayFiles({"zamo", long240, long255, "later"}).empty());
  EXPECT_TRUE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 1);
}

// How a misbehaving server answers, and the message that must follow.
struct BadAnswer {
  const char* name;
  std::string bytes;
  CTestHttpServer::After after;
  const char* message;
  CTestHttpServer::Pace pace = {};
};

std::vector<BadAnswer> BadAnswers() {
  using After = CTestHttpServer::After;
  const std::string longField = "X-Padding: " + std::string(3000, 'p') + "\r\n";
  const std::string chunked = "4\r\nbody\r\n0\r\n\r\n";
  return {
      {"ClosesMidHeader", "HTTP/1.1 200 OK\r\nContent-Le", After::kClose, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"StallsMidHeader", "HTTP/1.1 200 OK\r\nContent-Le", After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"StallsMidBody", CTestHttpServer::OkHeader(100) + "only part", After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsFewerBytesThanAnnounced", CTestHttpServer::OkHeader(100) + "only part", After::kClose,
       UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsAHugeContentLength", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999\r\n\r\nx", After::kKeepOpen,
       UpdateText::Get(UpdateText::kNoMemory)},
      {"SendsAHeaderLongerThanItsBuffer", "HTTP/1.1 200 OK\r\n" + longField + "Content-Length: 1\r\n\r\nx",
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"AnswersWithAnErrorPage", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", After::kKeepOpen,
       UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsNoContentLength", "HTTP/1.1 200 OK\r\n\r\nbody", After::kClose, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsNoStatusLine", "Content-Length: 4\r\n\r\nbody", After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      // Only a 200 with one length and the bytes as they are is the whole file.
      {"SendsChunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunked, After::kClose,
       UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsChunksWithALength",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: " + std::to_string(chunked.size()) +
           "\r\n\r\n" + chunked,
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsAPart", "HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 0-3/40\r\nContent-Length: 4\r\n\r\nbody",
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsTwoLengths", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nContent-Length: 8\r\n\r\nbodybody",
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsTheSameLengthTwice", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\ncontent-length: 4\r\n\r\nbody",
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed)},
      {"SendsAListOfLengths", "HTTP/1.1 200 OK\r\nContent-Length: 4, 8\r\n\r\nbodybody", After::kKeepOpen,
       UpdateText::Get(UpdateText::kReceiveFailed)},
      // Slower than the least throughput, though never still for a whole
      // time limit: each would take many seconds to finish.
      {"TricklesTheHeader", "HTTP/1.1 200 OK\r\nX-Padding: " + std::string(1800, 'p') + "\r\nContent-Length: 4\r\n\r\nbody",
       After::kKeepOpen, UpdateText::Get(UpdateText::kReceiveFailed), {1, 20ms}},
      {"TricklesTheBody", CTestHttpServer::OkHeader(20000) + std::string(20000, 'b'), After::kKeepOpen,
       UpdateText::Get(UpdateText::kReceiveFailed), {100, 100ms}},
  };
}

class BadServerTest : public UpdateRunTest, public ::testing::WithParamInterface<BadAnswer> {};

TEST_P(BadServerTest, BadIndexEndsTheUpdateWithItsMessage) {
  InstallOldProgram();
  server_.Answer("//update//index.htm", GetParam().bytes, GetParam().after, GetParam().pace);
  const UpdateReport report = Run();
  // A length beyond the limits is, for the index, an index too large.
  const bool tooLarge = std::string_view(GetParam().message) == UpdateText::Get(UpdateText::kNoMemory);
  EXPECT_EQ(report.outcome, tooLarge ? UpdateOutcome::kIndexTooLarge : UpdateOutcome::kIndexNotReceived);
  ASSERT_EQ(environment_.messages.size(), 1u);
  EXPECT_EQ(environment_.messages[0].text, tooLarge ? UpdateText::Get(UpdateText::kIndexTooLarge) : GetParam().message);
  EXPECT_EQ(environment_.messages[0].title, tooLarge ? UpdateText::Get(UpdateText::kUpdateErrorTitle) : UpdateText::Get(UpdateText::kErrorTitle));
  EXPECT_FALSE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 1);  // the program comes back all the same
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
}

TEST_P(BadServerTest, BadFileKeepsTheInstalledOneAndTheUpdateGoesOn) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n/f/next 1 next\n");
  server_.Answer("/f/zamo", GetParam().bytes, GetParam().after, GetParam().pace);
  server_.ServeFile("/f/next", "next");
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_EQ(report.failed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(report.installed, std::vector<std::string>{"next"});
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(GetParam().message) + ": \"zamo\""});
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
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(UpdateText::Get(UpdateText::kNoMemory)) + ": \"zamo\""});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
}

TEST_F(UpdateRunTest, InterimAnswersAreSkipped) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n");
  server_.Answer("/f/zamo", "HTTP/1.1 100 Continue\r\n\r\n" + CTestHttpServer::OkHeader(kNewProgram.size()) + kNewProgram);
  EXPECT_EQ(Run().installed, std::vector<std::string>{"zamo"});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kNewProgram);
}

// A server that keeps well above the least throughput but would take far
// longer than the update may: 4 KiB every 50 ms of a 1 MiB answer.
constexpr CTestHttpServer::Pace kSteadyButSlow{4096, 50ms};
constexpr auto kShortDeadline = 2s;

UpdateOptions WithShortDeadline(UpdateOptions options) {
  // A time limit long enough for a busy machine to keep up the pace.
  options.timeout = 1s;
  options.deadline = kShortDeadline;
  return options;
}

TEST_F(UpdateRunTest, DeadlineEndsASlowDownloadNamesWhatIsLeftAndRestarts) {
  InstallOldProgram();
  server_.ServeFile("//update//index.htm", "/f/zamo 1.0.0.6 zamo\n/f/next 1 next\n");
  server_.Answer("/f/zamo", CTestHttpServer::OkHeader(kMaxIndexBytes) + std::string(kMaxIndexBytes, 'z'),
                 CTestHttpServer::After::kKeepOpen, kSteadyButSlow);
  server_.ServeFile("/f/next", "next");
  const UpdateReport report = Run(WithShortDeadline(Options()));
  EXPECT_EQ(report.outcome, UpdateOutcome::kRestarted);
  EXPECT_TRUE(report.deadlinePassed);
  EXPECT_EQ(report.late, (std::vector<std::string>{"zamo", "next"}));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(UpdateText::Get(UpdateText::kLateFiles)) + ": \"zamo\", \"next\""});
  EXPECT_EQ(ReadFileBytes(folder_.File("zamo")), kOldProgram);
  EXPECT_TRUE(StrayFiles({"zamo"}).empty());
  EXPECT_EQ(environment_.starts, 1);
}

TEST_F(UpdateRunTest, DeadlineDuringTheIndexEndsAndStillRestarts) {
  InstallOldProgram();
  server_.Answer("//update//index.htm", CTestHttpServer::OkHeader(kMaxIndexBytes) + std::string(kMaxIndexBytes, 'i'),
                 CTestHttpServer::After::kKeepOpen, kSteadyButSlow);
  const UpdateReport report = Run(WithShortDeadline(Options()));
  EXPECT_EQ(report.outcome, UpdateOutcome::kIndexNotReceived);
  EXPECT_TRUE(report.deadlinePassed);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::Get(UpdateText::kDeadlinePassed)});
  EXPECT_FALSE(environment_.filesWritten);
  EXPECT_EQ(environment_.starts, 1);
}

// `count` index lines for files that are up to date, the first one's path
// padded so that the index is `bytes` long (when that is longer).
std::string UpToDateIndex(size_t count, size_t bytes = 0) {
  const std::string line = " 1 zamo\n";
  std::string index = "/" + std::string(bytes > count * (line.size() + 1) ? bytes - count * (line.size() + 1) : 0, 'p');
  index += line;
  for (size_t i = 1; i < count; ++i) index += "/" + line;
  return index;
}

struct IndexSizeCase {
  const char* name;
  std::string index;
  UpdateOutcome outcome;
};

class IndexSizeTest : public UpdateRunTest, public ::testing::WithParamInterface<IndexSizeCase> {};

TEST_P(IndexSizeTest, IndexBeyondItsLimitsIsRefusedWhole) {
  InstallOldProgram();
  environment_.versions["zamo"] = "2";
  server_.ServeFile("//update//index.htm", GetParam().index);
  const UpdateReport report = Run();
  EXPECT_EQ(report.outcome, GetParam().outcome);
  if (GetParam().outcome == UpdateOutcome::kRestarted) {
    EXPECT_TRUE(environment_.messages.empty());
  } else {
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{UpdateText::Get(UpdateText::kIndexTooLarge)});
    EXPECT_EQ(environment_.starts, 1);
  }
  EXPECT_EQ(server_.RequestedPaths(), std::vector<std::string>{"//update//index.htm"});
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, IndexSizeTest,
    ::testing::Values(IndexSizeCase{"AtBothLimits", UpToDateIndex(kMaxIndexEntries, kMaxIndexBytes),
                                    UpdateOutcome::kRestarted},
                      IndexSizeCase{"OneByteTooLong", UpToDateIndex(1, kMaxIndexBytes + 1),
                                    UpdateOutcome::kIndexTooLarge},
                      IndexSizeCase{"OneEntryTooMany", UpToDateIndex(kMaxIndexEntries + 1),
                                    UpdateOutcome::kIndexTooLarge}),
    [](const ::testing::TestParamInfo<IndexSizeCase>& param) { return std::string(param.param.name); });

TEST_F(UpdateRunTest, LongListsOfNamesAreCutAtTwentyAndCounted) {
  std::string index;
  for (int i = 0; i < 25; ++i) index += "/f/s 1 sub/s" + std::to_string(i) + "\n";
  for (int i = 0; i < 25; ++i) index += "/missing/" + std::to_string(i) + " 1 m" + std::to_string(i) + "\n";
  server_.ServeFile("//update//index.htm", index);
  const UpdateReport report = Run();
  EXPECT_EQ(report.failed.size(), 25u);
  const std::vector<std::string> texts = MessageTexts();
  ASSERT_EQ(texts.size(), 2u);
  for (const auto& [text, last, first] :
       {std::tuple{texts[0], "\"sub/s19\"", "\"sub/s20\""}, std::tuple{texts[1], "\"m19\"", "\"m20\""}}) {
    EXPECT_NE(text.find(last), std::string::npos) << text;
    EXPECT_EQ(text.find(first), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(std::string(last) + " … и ещё 5")) << text;
  }
  EXPECT_TRUE(texts[0].starts_with(UpdateText::Get(UpdateText::kSkippedNames)));
  EXPECT_TRUE(texts[1].starts_with(UpdateText::Get(UpdateText::kReceiveFailed)));
  EXPECT_EQ(environment_.starts, 1);
}

}  // namespace
