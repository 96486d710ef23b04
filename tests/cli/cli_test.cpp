// zamo-cli run as a process, as scripts and the acceptance checks run it:
// new and dump, the golden dumps of tests/cli/data, and bad input, which
// always gives one line on stderr and exit code 2.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "clirun.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(ZAMO_SOURCE_DIR) / "tests/cli/data";


size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

const std::vector<std::string> kOverviewCamera{"new", "--length", "3000", "--width", "2000", "--height", "2200",
                                               "--thickness", "80"};

std::vector<std::string> Plus(std::vector<std::string> args, std::initializer_list<std::string> more) {
  args.insert(args.end(), more);
  return args;
}

TEST(CliTest, NewThenDumpGivesTheCameraOfTheNewCameraDialog) {
  CScratchDir dir;
  const CliRun made = RunCli(Plus(kOverviewCamera, {"--fill", "--article", "Кам-1", "-o", "cam.kry"}), dir.Path());
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_TRUE(made.err.empty());
  const CliRun dumped = RunCli({"dump", "cam.kry"}, dir.Path());
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  const std::string& json = dumped.out;
  EXPECT_NE(json.find("\"article\": \"Кам-1\""), std::string::npos);
  EXPECT_NE(json.find("\"thickness\": 80,\n  \"height\": 2040,\n  \"width\": 2920,\n  \"depth\": 1920,"),
            std::string::npos);
  EXPECT_NE(json.find("{\"op\": 0, \"data\": [2920, 1920, 2040, 80]},\n    {\"op\": 3, \"data\": []},"),
            std::string::npos);
  EXPECT_NE(json.find("\"walls\": {\n      \"ok\": true"), std::string::npos);
}

TEST(CliTest, NewRecordsTheFlagsAfterTheCreation) {
  CScratchDir dir;
  ASSERT_EQ(RunCli(Plus(kOverviewCamera, {"--no-floor", "--lock-geometry", "-o", "cam.kry"}), dir.Path()).exitCode, 0);
  const CliRun dumped = RunCli({"dump", "cam.kry"}, dir.Path());
  EXPECT_NE(dumped.out.find("\"noFloor\": true"), std::string::npos);
  EXPECT_NE(dumped.out.find("{\"op\": 12, \"data\": [1, 1]}"), std::string::npos);
}

TEST(CliTest, PathsMeanWhatTheyMeantWhereTheToolStarted) {
  CScratchDir dir;
  const CliRun made =
      RunCli(Plus(kOverviewCamera, {"--data-dir", "data", "-o", "out/../cam.kry"}), dir.Path());
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_TRUE(fs::is_regular_file(dir.File("cam.kry")));
  EXPECT_TRUE(fs::is_directory(dir.File("data")));
  EXPECT_FALSE(fs::exists(dir.File("data/cam.kry")));
  EXPECT_EQ(RunCli({"--data-dir=data", "dump", "cam.kry"}, dir.Path()).exitCode, 0);
}

TEST(CliTest, DumpInsideAddsTheClearSizesAndLeavesTheRestAlone) {
  CScratchDir dir;
  ASSERT_EQ(RunCli(Plus(kOverviewCamera, {"-o", "cam.kry"}), dir.Path()).exitCode, 0);
  const CliRun plain = RunCli({"dump", "cam.kry"}, dir.Path());
  const CliRun inside = RunCli({"dump", "cam.kry", "--inside"}, dir.Path());
  ASSERT_EQ(inside.exitCode, 0) << inside.err;
  EXPECT_EQ(plain.out.find("\"inside\""), std::string::npos);
  // Everything the plain dump says comes first, unchanged.
  const size_t lastMember = plain.out.rfind('\n', plain.out.rfind('}'));
  EXPECT_EQ(inside.out.substr(0, lastMember), plain.out.substr(0, lastMember));
  EXPECT_NE(inside.out.find("\"clear\": {\"length\": 2840, \"width\": 1840, \"height\": 2040},\n"
                            "    \"walls\": [2840, 1840, 2840, 1840],\n"
                            "    \"dimensions\": {\"top\": [2840], \"right\": [1840], \"bottom\": [2840], \"left\": [1840]}"),
            std::string::npos)
      << inside.out;
}

TEST(CliTest, FailedSaveKeepsTheOldFile) {
  CScratchDir dir;
  const CliRun made = RunCli(Plus(kOverviewCamera, {"-o", "missing/cam.kry"}), dir.Path());
  EXPECT_EQ(made.exitCode, 1);
  EXPECT_EQ(Lines(made.err), 1u);
  EXPECT_NE(made.err.find("missing/cam.kry"), std::string::npos);
}

struct BadInputCase {
  const char* name;
  std::vector<std::string> args;
  const char* said;  // a part of the one line on stderr
};

class CliBadInputTest : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(CliBadInputTest, SaysWhatIsWrongOnOneLineAndExitsWith2) {
  CScratchDir dir;
  WriteFileBytes(dir.File("garbage.kry"), "\x01\x02\x03\x04\x05");
  WriteFileBytes(dir.File("cam.kry"), "keep");
  const CliRun run = RunCli(GetParam().args, dir.Path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(Lines(run.err), 1u) << run.err;
  EXPECT_NE(run.err.find(GetParam().said), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
  // Nothing was written over the file named by -o.
  EXPECT_EQ(ReadFileBytes(dir.File("cam.kry")), "keep");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadInputTest,
    ::testing::Values(
        BadInputCase{"NoCommand", {}, "no command given"},
        BadInputCase{"UnknownCommand", {"paint"}, "unknown command paint"},
        BadInputCase{"OptionGivenTwice", Plus(kOverviewCamera, {"--length=3k", "-o", "cam.kry"}), "given twice"},
        BadInputCase{"LengthThatIsNoNumber",
                     {"new", "--length", "3k", "--width", "2000", "--height", "2200", "--thickness", "80", "-o",
                      "cam.kry"},
                     "--length: \"3k\" is not a whole number"},
        BadInputCase{"WidthTooSmall",
                     {"new", "--length", "3000", "--width", "1359", "--height", "2200", "--thickness", "80", "-o",
                      "cam.kry"},
                     "--width: 1359 mm is outside 1360 to 100000 mm"},
        BadInputCase{"HeightTooLarge",
                     {"new", "--length", "3000", "--width", "2000", "--height", "1000001", "--thickness", "100",
                      "-o", "cam.kry"},
                     "--height"},
        BadInputCase{"ThicknessNotOffered", Plus({"new", "--length", "3000", "--width", "2000", "--height", "2200"},
                                                 {"--thickness", "90", "-o", "cam.kry"}),
                     "neither 80 nor 100"},
        BadInputCase{"OutputMissing", kOverviewCamera, "-o FILE.kry is missing"},
        BadInputCase{"UnknownOption", Plus(kOverviewCamera, {"--colour", "red", "-o", "cam.kry"}),
                     "unknown option --colour"},
        BadInputCase{"DataDirWithoutFolder", {"dump", "cam.kry", "--data-dir"}, "--data-dir needs a folder"},
        BadInputCase{"DumpOfAMissingFile", {"dump", "absent.kry"}, "absent.kry: cannot be opened"},
        BadInputCase{"DumpOfAFolder", {"dump", "."}, "is a folder"},
        BadInputCase{"DumpOfGarbage", {"dump", "garbage.kry"}, "garbage.kry: holds no camera"},
        BadInputCase{"DumpOfTwoFiles", {"dump", "cam.kry", "garbage.kry"}, "give one camera file"}),
    [](const ::testing::TestParamInfo<BadInputCase>& param) { return param.param.name; });

// zamo-cli edit runs the window's editing commands in order and saves; the
// first refusal names its operation on one line, exits with 2 and writes
// nothing.
TEST(CliEditTest, OperationsApplyInOrderAndARefusalWritesNothing) {
  CScratchDir dir;
  ASSERT_EQ(RunCli(Plus(kOverviewCamera, {"--fill", "-o", "cam.kry"}), dir.Path()).exitCode, 0);
  const CliRun edited = RunCli({"edit", "cam.kry", "--door", "3:1:swing2040", "--move", "1:500", "--fill-all",
                                "--corner", "2:end:1500", "--partition", "0:1000", "--undo", "--redo", "-o",
                                "out.kry"},
                               dir.Path());
  ASSERT_EQ(edited.exitCode, 0) << edited.err;
  const std::string dump = RunCli({"dump", "out.kry"}, dir.Path()).out;
  EXPECT_NE(dump.find("\"top\": [3500]"), std::string::npos) << dump;
  EXPECT_NE(dump.find("\"kind\": 10"), std::string::npos) << "the door stays on the left wall, which kept its length";

  struct Refused {
    std::vector<std::string> ops;
    std::string said;
    std::string input = "out.kry";
  };
  for (const Refused& r : {Refused{{"--move", "1:-5000"}, "--move 1:-5000: The wall can be moved inward by at most"},
                           Refused{{"--partition", "0:1000:99999"}, "--partition 0:1000:99999: The partition does not fit"},
                           Refused{{"--door", "0:0:sliding-left"}, "--door 0:0:sliding-left:"},
                           Refused{{"--door", "9:0:opening:2000"}, "There is no wall 9"},
                           Refused{{"--corner", "0:middle:500"}, "neither start nor end"},
                           Refused{{"--undo", "--undo"}, "--undo: There is nothing to undo", "cam.kry"}}) {
    std::vector<std::string> args{"edit", r.input};
    args.insert(args.end(), r.ops.begin(), r.ops.end());
    args.insert(args.end(), {"-o", "refused.kry"});
    const CliRun run = RunCli(args, dir.Path());
    EXPECT_EQ(run.exitCode, 2) << r.said;
    EXPECT_EQ(Lines(run.err), 1u) << run.err;
    EXPECT_NE(run.err.find(r.said), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.File("refused.kry")));
  }
}

// Each folder of tests/cli/data holds camera.kry and the dump.json that
// `zamo-cli dump camera.kry` must print, and stderr.txt when it must also
// warn. ZAMO_UPDATE_GOLDEN=1 rewrites them from the current output.
TEST(CliGoldenTest, DumpsMatchTheGoldenFiles) {
  const bool update = std::getenv("ZAMO_UPDATE_GOLDEN") != nullptr;
  int cases = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kGoldenDir)) {
    if (!entry.is_directory()) continue;
    ++cases;
    const std::string folder = entry.path().string();
    const std::string name = entry.path().filename().string();
    const CliRun run = RunCli({"dump", "camera.kry"}, folder);
    std::string err = run.err;
    const std::string prefix = (entry.path() / "").string();
    for (size_t at; (at = err.find(prefix)) != std::string::npos;) err.erase(at, prefix.size());
    if (update) {
      WriteFileBytes(folder + "/dump.json", run.out);
      if (err.empty())
        fs::remove(folder + "/stderr.txt");
      else
        WriteFileBytes(folder + "/stderr.txt", err);
    }
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
    EXPECT_EQ(run.out, ReadFileBytes(folder + "/dump.json")) << name;
    EXPECT_EQ(err, ReadFileBytes(folder + "/stderr.txt")) << name;
  }
  EXPECT_GE(cases, 5);
}

}  // namespace
