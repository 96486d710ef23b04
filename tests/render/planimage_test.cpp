// Pictures of the plan: the wall colours where the window shows them on a
// white canvas, the canvas guard, and the three kinds of file.

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <memory>

#include "chamber.h"
#include "planfit.h"
#include "planimage.h"
#include "planrenderer.h"
#include "testsupport.h"

namespace {

const DrawingHeader kHeader{"Габаритные размеры камеры:", "Высота", "Ширина", "Длина"};

std::unique_ptr<CChamber> FilledCamera() {
  auto camera = std::make_unique<CChamber>();
  EXPECT_TRUE(camera->Create(3000, 2000, 2200, 100));
  camera->FillAllWalls();
  return camera;
}

QImage Render(const CChamber& camera, QSize size = kDefaultCanvas, const CPlanRenderer& renderer = CPlanRenderer()) {
  std::string problem;
  QImage image = RenderPlanImage(renderer, camera, kHeader, size, &problem);
  EXPECT_FALSE(image.isNull()) << problem;
  return image;
}

// The share of pixels in which two pictures of one size differ.
double DifferingShare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  qint64 differ = 0;
  for (int r = 0; r < x.height(); ++r)
    for (int c = 0; c < x.width(); ++c)
      if (x.pixel(c, r) != y.pixel(c, r)) ++differ;
  return static_cast<double>(differ) / (qint64{x.width()} * x.height());
}

}  // namespace

TEST(PlanImageTest, WallsShowTheirColoursWhereTheWindowDrawsThem) {
  auto camera = FilledCamera();
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kOpening, 0, 1850));
  const QImage image = Render(*camera);
  ASSERT_EQ(image.size(), kDefaultCanvas);
  EXPECT_EQ(image.pixel(200, 100), qRgb(200, 100, 100));  // first top panel, 1200
  EXPECT_EQ(image.pixel(650, 100), qRgb(200, 0, 0));      // last top panel, 500
  EXPECT_EQ(image.pixel(349, 100), qRgb(100, 100, 200));  // the segment between two panel boxes
  EXPECT_EQ(image.pixel(700, 100), qRgb(100, 200, 100));  // the top's corner post
  EXPECT_EQ(image.pixel(200, 200), qRgb(200, 200, 200));  // a floor panel
  EXPECT_EQ(image.pixel(1500, 900), qRgb(255, 255, 255));
  // The opening on the second top panel: hatched on white, no panel colour.
  int hatch = 0;
  for (int x = 352; x < 588; ++x) {
    const QRgb p = image.pixel(x, 100);
    EXPECT_TRUE(p == qRgb(100, 100, 100) || p == qRgb(255, 255, 255)) << x;
    if (p == qRgb(100, 100, 100)) ++hatch;
  }
  EXPECT_GT(hatch, 20);
  // The header lines stand top-left.
  bool header = false;
  for (int x = 10; x < 120 && !header; ++x) header = image.pixel(x, 14) != qRgb(255, 255, 255);
  EXPECT_TRUE(header);
}

TEST(PlanImageTest, FittedPlanMatchesItsGolden) {
  // One smoke picture: the fitted plan of a camera with a door and an
  // opening. Fonts may render a little differently from machine to machine,
  // so a few per cent of the pixels may differ.
  auto camera = FilledCamera();
  camera->WallAt(0)->PanelAt(0)->SetKind(kContainerDoorLeft);  // drawn wherever it stands
  ASSERT_TRUE(camera->SetPanelDoor(2, 1, kOpening, 0, 1850));
  const QSize size(800, 500);
  const std::optional<CPixelMapping> fitted = FitPlanToCanvas(*camera, size.width(), size.height());
  ASSERT_TRUE(fitted.has_value());
  const QImage image = Render(*camera, size, CPlanRenderer(*fitted));
  const QString golden = QStringLiteral(ZAMO_SOURCE_DIR "/tests/render/data/render/fitted_camera.png");
  if (std::getenv("ZAMO_UPDATE_GOLDENS")) {
    ASSERT_TRUE(image.save(golden));
  }
  const QImage expected(golden);
  ASSERT_FALSE(expected.isNull());
  ASSERT_EQ(expected.size(), size);
  EXPECT_LT(DifferingShare(image, expected), 0.03);
}

TEST(PlanImageTest, CanvasOutsideTheGuardIsRefusedBeforeDrawing) {
  auto camera = FilledCamera();
  for (QSize size : {QSize(0, 100), QSize(100, -1), QSize(kMaxCanvasSide + 1, 10), QSize(kMaxCanvasSide, kMaxCanvasSide)}) {
    std::string problem;
    EXPECT_TRUE(RenderPlanImage(CPlanRenderer(), *camera, kHeader, size, &problem).isNull());
    EXPECT_FALSE(problem.empty());
  }
  CScratchDir dir;
  const FileError error = ExportPlanImage(CPlanRenderer(), *camera, kHeader, dir.File("plan.png"), QSize(100000, 10));
  EXPECT_TRUE(error);
  EXPECT_TRUE(ReadFileBytes(dir.File("plan.png")).empty());
}

TEST(PlanImageTest, ExtensionChoosesTheKindOfFile) {
  auto camera = FilledCamera();
  CScratchDir dir;
  const QSize size(640, 400);
  ASSERT_FALSE(ExportPlanImage(CPlanRenderer(), *camera, kHeader, dir.File("plan.PNG"), size));
  ASSERT_FALSE(ExportPlanImage(CPlanRenderer(), *camera, kHeader, dir.File("plan.bmp"), size));
  ASSERT_FALSE(ExportPlanImage(CPlanRenderer(), *camera, kHeader, dir.File("plan.svg"), size));
  const QImage png(QString::fromStdString(dir.File("plan.PNG")));
  EXPECT_EQ(png.size(), size);
  const std::string bmp = ReadFileBytes(dir.File("plan.bmp"));
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(ReadInt32At(bmp, 10), 54);
  EXPECT_EQ(ReadInt32At(bmp, 18), 640);
  const std::string svg = ReadFileBytes(dir.File("plan.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find(">Длина: 3100 мм."), std::string::npos);
  const FileError wrongKind = ExportPlanImage(CPlanRenderer(), *camera, kHeader, dir.File("plan.jpg"), size);
  EXPECT_TRUE(wrongKind);
  EXPECT_NE(wrongKind.problem.find(".png"), std::string::npos);
}

// A PNG or SVG export shows the whole plan with a margin, wherever the
// window has scrolled to; a plan too large for the canvas guard is drawn
// smaller instead of being refused or cut.
TEST(PlanImageTest, ExtentCanvasHoldsTheWholePlan) {
  auto camera = FilledCamera();
  for (const double scale : {0.2, 5.0}) {
    const std::optional<PlanCanvas> canvas = PlanExtentCanvas(*camera, scale);
    ASSERT_TRUE(canvas.has_value());
    std::string problem;
    ASSERT_TRUE(CanvasSizeAllowed(canvas->size, &problem)) << problem;
    CPlanRenderer renderer;
    renderer.SetMapping(canvas->mapping);
    const QImage image = RenderPlanImage(renderer, *camera, kHeader, canvas->size, &problem);
    ASSERT_FALSE(image.isNull()) << problem;
    int inkOnEdge = 0;
    for (int x = 0; x < image.width(); ++x)
      inkOnEdge += image.pixel(x, image.height() - 1) != qRgb(255, 255, 255) ? 1 : 0;
    for (int y = 0; y < image.height(); ++y)
      inkOnEdge += (image.pixel(0, y) != qRgb(255, 255, 255) ? 1 : 0) +
                   (image.pixel(image.width() - 1, y) != qRgb(255, 255, 255) ? 1 : 0);
    EXPECT_EQ(inkOnEdge, 0) << scale;
  }
  CChamber empty;
  EXPECT_FALSE(PlanExtentCanvas(empty, 0.2).has_value());
}
