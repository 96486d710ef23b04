// The printed page: its title block, the plan fitted below it or at a typed
// scale, its picture, and a PDF that is written whole or not at all.

#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <set>

#include "cameradocument.h"
#include "chamber.h"
#include "printpage.h"
#include "recordingdrawcontext.h"
#include "testsupport.h"

namespace {

std::unique_ptr<CChamber> Rectangle(int32_t width, int32_t depth, int32_t height = 2040, int32_t thickness = 80) {
  auto camera = std::make_unique<CChamber>();
  EXPECT_TRUE(camera->Create(width, depth, height, thickness));
  camera->FillAllWalls();
  return camera;
}

// A4 landscape at 300 dots per inch.
constexpr int32_t kPageWidth = 3508;
constexpr int32_t kPageHeight = 2480;

PrintPageLayout LayOut(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings) {
  std::string problem;
  const std::optional<PrintPageLayout> layout =
      LayOutPrintPage(camera, heading, settings, kPageWidth, kPageHeight, kPdfResolution, &problem);
  EXPECT_TRUE(layout.has_value()) << problem;
  return layout.value();
}

PrintHeading Heading(const char* article, const char* description, const char* date = "") {
  PrintHeading heading;
  heading.article = article;
  heading.description = description;
  heading.date = date;
  return heading;
}

bool Ink(QRgb pixel) { return qRed(pixel) < 128 || qGreen(pixel) < 128 || qBlue(pixel) < 128; }

}  // namespace

TEST(PrintPageTest, TitleBlockNamesTheCameraItsSizesScaleAndSheet) {
  auto camera = Rectangle(2920, 1920);
  const PrintHeading heading = Heading("A-17", "Камера для овощей", "09.12.2026");
  PrintSettings settings;
  settings.fitToPage = false;
  settings.scaleDenominator = 25;
  CRecordingDrawContext printer(kPageWidth, kPdfResolution);
  DrawPrintPage(printer, *camera, heading, LayOut(*camera, heading, settings));
  for (const char* text :
       {"Артикул: A-17", "Дата: 09.12.2026", "Наружные размеры, мм: 3000 x 2000 x 2200",
        "Внутренние размеры, мм: 2840 x 1840 x 2040", "Толщина панелей, мм: 80", "Внутренний объем, куб.м: 10.66",
        "Масштаб: 1:25", "Лист 1 из 1", "Описание камеры: Камера для овощей"})
    EXPECT_NE(printer.FindText(text), nullptr) << text;
  // The page has no window header.
  EXPECT_EQ(printer.FindText("Длина: 3000 мм."), nullptr);
}

TEST(PrintPageTest, LShapedCameraStatesTheVolumeItsQuotationStates) {
  // The L-shaped sample encloses 17.11 m³ by its ceiling panels; its
  // bounding box would give 22.25.
  CCameraDocument document;
  ASSERT_FALSE(document.Load(SourceDataDir() + "/CamArch/kh-g4030.kry"));
  CRecordingDrawContext printer(kPageWidth, kPdfResolution);
  const PrintHeading heading;
  DrawPrintPage(printer, document.Camera(), heading, LayOut(document.Camera(), heading, {}));
  EXPECT_NE(printer.FindText("Внутренний объем, куб.м: 17.11"), nullptr);
}

TEST(PrintPageTest, TypedScaleDrawsTheModelAtThatScale) {
  auto camera = Rectangle(2920, 1920);
  PrintSettings settings;
  settings.fitToPage = false;
  settings.scaleDenominator = 50;
  const PrintPageLayout layout = LayOut(*camera, {}, settings);
  // 300 dots per inch at 1:50: 0.236 dots per model millimetre.
  EXPECT_NEAR(layout.renderer.Mapping().Scale(), 300 / 25.4 / 50, 1e-9);
  EXPECT_EQ(layout.scaleDenominator, 50);

  std::string problem;
  for (int32_t bad : {0, -5, kMaxScaleDenominator + 1}) {
    settings.scaleDenominator = bad;
    EXPECT_FALSE(LayOutPrintPage(*camera, {}, settings, kPageWidth, kPageHeight, kPdfResolution, &problem)) << bad;
  }
  settings.fitToPage = true;
  settings.fontPoints = 0.0;
  EXPECT_FALSE(LayOutPrintPage(*camera, {}, settings, kPageWidth, kPageHeight, kPdfResolution, &problem));
  EXPECT_NE(problem.find("font size"), std::string::npos);
  CChamber empty;
  EXPECT_FALSE(LayOutPrintPage(empty, {}, {}, kPageWidth, kPageHeight, kPdfResolution, &problem));
}

// The fitted page as the user sees it: the plan fills the room below the
// title block, and the title's rows stay apart, for long and deep cameras
// and the smallest and largest label fonts the dialog allows.
TEST(PrintPageTest, FittedPageFillsThePaperAndKeepsTitleRowsApart) {
  struct Case {
    int32_t width, depth;
    double font;
  };
  for (const Case& c : {Case{2920, 1920, 12.0}, Case{1920, 5920, 1.0}, Case{11920, 2320, 200.0},
                        Case{2320, 2320, 30.0}, Case{1920, 5920, 30.0}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.depth) + " at " + std::to_string(c.font));
    auto camera = Rectangle(c.width, c.depth);
    PrintSettings settings;
    settings.fontPoints = c.font;
    std::string problem;
    const PrintHeading heading =
        Heading("ART-1 артикул, который длиннее любой колонки титульного блока", "Камера", "01.02.2026");
    const QImage page = RenderPrintPageImage(*camera, heading, settings, 100, &problem);
    ASSERT_FALSE(page.isNull()) << problem;
    const std::optional<PrintPageLayout> layout =
        LayOutPrintPage(*camera, heading, settings, page.width(), page.height(), 100, &problem);
    ASSERT_TRUE(layout.has_value());

    // The plan's drawn extent below the title block.
    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = layout->titleBlock.bottom + 2; y < page.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
      for (int x = 0; x < page.width(); ++x) {
        if (!Ink(line[x])) continue;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    ASSERT_GE(right, left);
    const double widthShare = double(right - left) / page.width();
    const double heightShare = double(bottom - top) / (page.height() - layout->titleBlock.bottom);
    EXPECT_GE(std::max(widthShare, heightShare), 0.7) << widthShare << " " << heightShare;

    // Inside the frame, the ink comes in one band per title row.
    int bands = 0;
    bool inBand = false;
    for (int y = layout->titleBlock.top + 2; y < layout->titleBlock.bottom - 1; ++y) {
      bool ink = false;
      for (int x = layout->titleBlock.left + 2; x < layout->titleBlock.right - 2 && !ink; ++x)
        ink = Ink(page.pixel(x, y));
      if (ink && !inBand) ++bands;
      inBand = ink;
    }
    std::set<int32_t> rows;
    for (const TitleLine& line : layout->lines) rows.insert(line.at.y);
    EXPECT_EQ(bands, static_cast<int>(rows.size()));
    EXPECT_GE(rows.size(), 6u);
  }
}

TEST(PrintPageTest, PictureGetsItsBoxBesideTheTexts) {
  auto camera = Rectangle(2920, 1920);
  PixelRect given;
  PrintHeading heading;
  heading.picture = [&given](CDrawContext&, const PixelRect& box) { given = box; };
  const PrintPageLayout layout = LayOut(*camera, heading, {});
  CRecordingDrawContext printer(kPageWidth, kPdfResolution);
  DrawPrintPage(printer, *camera, heading, layout);
  EXPECT_EQ(given, layout.pictureBox);
  EXPECT_EQ(given.right, layout.titleBlock.right);
  for (const TitleLine& line : layout.lines) EXPECT_LT(line.at.x, given.left) << line.text;
}

TEST(PrintPageTest, PdfOfACameraIsWrittenWholeOrNotAtAll) {
  auto camera = Rectangle(2920, 1920);
  CScratchDir dir;
  const std::string path = dir.File("camera.pdf");
  ASSERT_FALSE(PrintCameraToPdf(*camera, Heading("A-17", "Камера"), {}, path));
  const std::string pdf = ReadFileBytes(path);
  ASSERT_GT(pdf.size(), 1000u);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  // The document's name, as the file stores its title: UTF-16.
  EXPECT_NE(pdf.find(std::string("K\0r\0y\0v\0e\0l\0 \0c\0a\0m\0e\0r\0a", 25)), std::string::npos);

  // Settings that make no page leave the old file alone.
  PrintSettings bad;
  bad.fontPoints = 0.0;
  EXPECT_TRUE(PrintCameraToPdf(*camera, {}, bad, path));
  EXPECT_EQ(ReadFileBytes(path), pdf);
}
