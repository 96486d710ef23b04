// zamo-cli render --3d run as a process: the camera in 3-D from each corner
// as a picture or a page, and its refusals.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <string>
#include <vector>

#include "clirun.h"
#include "testsupport.h"

namespace {

class CliRender3dTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const CliRun made = RunCli({"new", "--length", "3000", "--width", "2000", "--height", "2200", "--thickness", "80",
                                "--fill", "-o", "cam.kry"},
                               dir.Path());
    ASSERT_EQ(made.exitCode, 0) << made.err;
  }

  CScratchDir dir;
};

}  // namespace

TEST_F(CliRender3dTest, EachCornerIsItsOwnPictureInEveryKindOfFile) {
  std::vector<QImage> corners;
  for (const char* view : {"1", "2", "3", "4"}) {
    const std::string name = std::string("view") + view + ".png";
    const CliRun run = RunCli({"render", "cam.kry", "--3d", "--view", view, "--size", "400x300", "-o", name}, dir.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    corners.emplace_back(QString::fromStdString(dir.File(name)));
    ASSERT_EQ(corners.back().size(), QSize(400, 300));
    // Drawn, on white.
    EXPECT_NE(corners.back().pixel(200, 150), qRgb(255, 255, 255)) << view;
    EXPECT_EQ(corners.back().pixel(1, 1), qRgb(255, 255, 255)) << view;
  }
  // A 3000 x 2000 camera seen from neighbouring corners: its long side on
  // the other hand.
  for (size_t a = 0; a + 1 < corners.size(); ++a) EXPECT_NE(corners[a], corners[a + 1]) << a;

  ASSERT_EQ(RunCli({"render", "cam.kry", "--3d", "-o", "cam.svg"}, dir.Path()).exitCode, 0);
  EXPECT_NE(ReadFileBytes(dir.File("cam.svg")).find("<svg"), std::string::npos);
  ASSERT_EQ(RunCli({"render", "cam.kry", "--3d", "--view", "3", "-o", "cam.pdf"}, dir.Path()).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(dir.File("cam.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(CliRender3dTest, RefusalsSayWhyAndWriteNothing) {
  const std::vector<std::vector<std::string>> refused{
      {"render", "cam.kry", "--3d", "--view", "5", "-o", "out.png"},
      {"render", "cam.kry", "--3d", "--view", "x", "-o", "out.png"},
      {"render", "cam.kry", "--3d", "-o", "out.bmp"},
      {"render", "cam.kry", "--3d", "--scale", "2", "-o", "out.pdf"},
      {"render", "cam.kry", "--3d", "--size", "0x10", "-o", "out.png"},
      {"render", "cam.kry", "--view", "2", "-o", "out.png"},
      {"render", "cam.kry", "--3d", "--page", "-o", "out.pdf"},
  };
  for (const std::vector<std::string>& args : refused) {
    const CliRun run = RunCli(args, dir.Path());
    EXPECT_EQ(run.exitCode, 2) << args[3] << " " << args[4];
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  for (const char* name : {"out.png", "out.bmp", "out.pdf"}) EXPECT_TRUE(ReadFileBytes(dir.File(name)).empty()) << name;
}
