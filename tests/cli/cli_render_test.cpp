// zamo-cli render run as a process: the pictures and the printed page of a
// camera file, and the refusals, each one line on stderr with exit code 2
// and no file written.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

#include "atomicfile.h"
#include "clirun.h"
#include "testsupport.h"

namespace {



class CliRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const CliRun made = RunCli({"new", "--length", "3000", "--width", "2000", "--height", "2200", "--thickness", "80",
                                "--fill", "--article", "Кам-1", "-o", "cam.kry"},
                               dir.Path());
    ASSERT_EQ(made.exitCode, 0) << made.err;
  }

  QImage Picture(const std::string& name) const { return QImage(QString::fromStdString(dir.File(name))); }

  CScratchDir dir;
};

}  // namespace

TEST_F(CliRenderTest, PictureShowsTheCameraAsTheWindowDoes) {
  const CliRun run = RunCli({"render", "cam.kry", "-o", "cam.png"}, dir.Path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  const QImage image = Picture("cam.png");
  ASSERT_EQ(image.size(), QSize(1920, 1080));
  // The file's origin and scale: the top's first panel and the top's post.
  EXPECT_EQ(image.pixel(200, 100), qRgb(200, 100, 100));
  EXPECT_EQ(image.pixel(688, 100), qRgb(100, 200, 100));
  EXPECT_EQ(image.pixel(1800, 1000), qRgb(255, 255, 255));
}

TEST_F(CliRenderTest, FitFillsTheCanvasOfTheGivenSize) {
  ASSERT_EQ(RunCli({"render", "cam.kry", "-o", "fit.png", "--size", "800x500", "--fit"}, dir.Path()).exitCode, 0);
  const QImage image = Picture("fit.png");
  ASSERT_EQ(image.size(), QSize(800, 500));
  // Fitted, the plan's chains reach the margins above and below it (this
  // canvas is wider than the plan); the header takes the top 90 pixels.
  int top = image.height();
  int bottom = 0;
  for (int y = 90; y < image.height(); ++y)
    for (int x = 150; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  EXPECT_GE(top, 100);
  EXPECT_LT(top, 115);
  EXPECT_GT(bottom, 455);
  EXPECT_LT(bottom, 480);
}

TEST_F(CliRenderTest, BitmapSvgAndPdfAreWritten) {
  ASSERT_EQ(RunCli({"render", "cam.kry", "-o", "cam.bmp", "--size", "320x200"}, dir.Path()).exitCode, 0);
  const std::string bmp = ReadFileBytes(dir.File("cam.bmp"));
  ASSERT_EQ(bmp.size(), 54u + 320 * 200 * 4);
  EXPECT_EQ(ReadInt32At(bmp, 10), 54);
  EXPECT_EQ(Picture("cam.bmp").size(), QSize(320, 200));

  ASSERT_EQ(RunCli({"render", "cam.kry", "-o", "cam.svg", "--fit"}, dir.Path()).exitCode, 0);
  EXPECT_NE(ReadFileBytes(dir.File("cam.svg")).find("<svg"), std::string::npos);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"render", "cam.kry", "-o", "page.pdf"},
        std::vector<std::string>{"render", "cam.kry", "-o", "page.pdf", "--fit", "--font-points", "10"},
        std::vector<std::string>{"render", "cam.kry", "-o", "page.pdf", "--scale", "1:50"}}) {
    const CliRun run = RunCli(args, dir.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(dir.File("page.pdf")).substr(0, 5), "%PDF-");
  }
  // The printed page as a picture: an A4 sheet at 150 dots per inch.
  const CliRun page = RunCli({"render", "cam.kry", "-o", "page.png", "--page", "--scale", "25"}, dir.Path());
  ASSERT_EQ(page.exitCode, 0) << page.err;
  const QSize a4 = Picture("page.png").size();
  EXPECT_EQ(std::max(a4.width(), a4.height()), 1754);
  EXPECT_EQ(std::min(a4.width(), a4.height()), 1240);
}

TEST_F(CliRenderTest, RefusalsSayWhyAndWriteNothing) {
  WriteFileBytes(dir.File("empty.kry"), "");
  const std::vector<std::vector<std::string>> refused{
      {"render", "cam.kry", "-o", "out.png", "--scale", "2"},
      {"render", "cam.kry", "-o", "out.jpg"},
      {"render", "cam.kry", "-o", "out.png", "--size", "big"},
      {"render", "cam.kry", "-o", "out.png", "--size", "100000x100"},
      {"render", "cam.kry", "-o", "out.pdf", "--fit", "--scale", "50"},
      {"render", "cam.kry", "-o", "out.pdf", "--scale", "0"},
      {"render", "cam.kry", "-o", "out.pdf", "--scale", "0.5"},
      {"render", "cam.kry", "-o", "out.bmp", "--page"},
      {"render", "cam.kry", "-o", "out.pdf", "--font-points", "abc"},
      {"render", "cam.kry", "-o", "out.pdf", "--size", "800x600"},
      {"render", "missing.kry", "-o", "out.png"},
      {"render", "empty.kry", "-o", "out.png"},
      {"render", "cam.kry"},
  };
  for (const std::vector<std::string>& args : refused) {
    const CliRun run = RunCli(args, dir.Path());
    std::string line;
    for (const std::string& a : args) line += a + " ";
    EXPECT_EQ(run.exitCode, 2) << line;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << line << run.err;
  }
  for (const char* name : {"out.png", "out.jpg", "out.pdf", "out.bmp"}) EXPECT_TRUE(ReadFileBytes(dir.File(name)).empty()) << name;
}
