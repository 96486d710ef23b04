// The printed page: its heading, the plan drawn with the print set, and a
// PDF that is written whole or not at all.

#include <gtest/gtest.h>

#include <QPrinter>

#include <memory>

#include "chamber.h"
#include "printpage.h"
#include "recordingdrawcontext.h"
#include "testsupport.h"

namespace {

std::unique_ptr<CChamber> Camera80() {
  auto camera = std::make_unique<CChamber>();
  EXPECT_TRUE(camera->Create(2920, 1920, 2040, 80));
  camera->FillAllWalls();
  return camera;
}

}  // namespace

TEST(PrintPageTest, VolumeLineGivesInnerVolumeAndOuterSizes) {
  auto camera = Camera80();
  EXPECT_EQ(VolumeHeadingLine(*camera), "ХКМ- 10.66 (3000 x 2000 x 2200)");
  auto big = std::make_unique<CChamber>();
  ASSERT_TRUE(big->Create(6100, 4100, 2800, 100));
  EXPECT_EQ(VolumeHeadingLine(*big), "ХКМ- 67.20 (6200 x 4200 x 3000)");
}

TEST(PrintPageTest, PageHasTheHeadingThenThePlanWithoutItsHeader) {
  auto camera = Camera80();
  CRecordingDrawContext printer(3424, 300);
  ASSERT_TRUE(DrawPrintPage(printer, *camera, {"A-17", "Камера для овощей"}, 1.0, 12.0));
  const std::vector<DrawCall>& calls = printer.Calls();
  ASSERT_GT(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "ХКМ- 10.66 (3000 x 2000 x 2200)");
  EXPECT_EQ(calls[0].from, (PixelPoint{200, 100}));
  EXPECT_EQ(calls[1].text, "Артикул: A-17");
  EXPECT_EQ(calls[1].from, (PixelPoint{200, 200}));
  EXPECT_EQ(calls[2].text, "Описание камеры: Камера для овощей");
  EXPECT_EQ(calls[2].from, (PixelPoint{200, 300}));
  // The heading in the printer's own font, not the plan's.
  EXPECT_EQ(calls[0].font, DrawFont{});
  // Then the plan, white on the page, and without the window's header.
  EXPECT_EQ(calls[3].brush, DrawBrush::Solid(Rgb(255, 255, 255)));
  EXPECT_EQ(printer.FindText("Длина: 3000 мм."), nullptr);

  CRecordingDrawContext refused(3424, 300);
  EXPECT_FALSE(DrawPrintPage(refused, *camera, {}, 0.0, 12.0));
  EXPECT_TRUE(refused.Calls().empty());
}

TEST(PrintPageTest, PdfOfACameraIsWritten) {
  auto camera = Camera80();
  CScratchDir dir;
  const std::string path = dir.File("camera.pdf");
  ASSERT_FALSE(PrintCameraToPdf(*camera, {"A-17", "Камера"}, path, 0.5, 12.0));
  const std::string pdf = ReadFileBytes(path);
  ASSERT_GT(pdf.size(), 1000u);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  // The document's name, as the file stores its title: UTF-16.
  EXPECT_NE(pdf.find(std::string("K\0r\0y\0v\0e\0l\0 \0c\0a\0m\0e\0r\0a", 25)), std::string::npos);

  // Settings that make no page leave the old file alone.
  const FileError error = PrintCameraToPdf(*camera, {}, path, 1.0, 0.0);
  EXPECT_TRUE(error);
  EXPECT_NE(error.problem.find("font size"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(path), pdf);
}

TEST(PrintPageTest, FittedZoomKeepsTheA4PageWhole) {
  auto camera = Camera80();
  QPrinter printer(QPrinter::HighResolution);
  CScratchDir dir;
  SetUpPdfPrinter(printer, dir.File("fit.pdf"));
  EXPECT_EQ(printer.logicalDpiY(), kPdfResolution);
  EXPECT_GT(printer.width(), printer.height());
  const std::optional<double> zoom = FitPrintZoom(*camera, printer, kDefaultPrintFontPoints);
  ASSERT_TRUE(zoom.has_value());
  // At zoom 1 the chains of this camera run off an A4 landscape page.
  EXPECT_GT(*zoom, 0.3);
  EXPECT_LT(*zoom, kDefaultPrintZoom);
}
