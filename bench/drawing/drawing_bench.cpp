// Drawing a large camera onto a screen-sized image: 100 outline walls and
// about 1,000 wall panels, with their labels, chains and floor; and the same
// camera in 3-D.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chamber.h"
#include "painterdrawcontext.h"
#include "planfit.h"
#include "planrenderer.h"
#include "printpage.h"
#include "sceneimage.h"

namespace {

constexpr int kWalls = 100;
constexpr int kCanvasWidth = 1920;
constexpr int kCanvasHeight = 1080;

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "bench_drawing: %s failed\n", what);
    std::abort();
  }
}

// A staircase down the right-hand side: each step splits the lowest piece of
// the right wall and moves the new piece in, two walls a step.
std::unique_ptr<CChamber> LargeCamera() {
  auto camera = std::make_unique<CChamber>();
  Require(camera->Create(282000, 282000, 2200, 100), "Create");
  int piece = 1;
  while (camera->WallCount() < kWalls) {
    Require(camera->SplitWall(piece, true, 3900), "SplitWall");
    Require(camera->MoveWall(piece + 1, 1500), "MoveWall");
    piece += 2;
  }
  camera->FillAllWalls();
  // A door or an opening every twentieth panel.
  for (int w = 0; w < camera->WallCount(); ++w)
    for (int p = 3; p + 1 < camera->WallAt(w)->PanelCount(); p += 20)
      Require(camera->SetPanelDoor(w, p, 6 + (p / 20) % 6, (p / 20) % 6 == 4 ? 1 : 0, 2000), "SetPanelDoor");
  return camera;
}

void Counters(benchmark::State& state, const CChamber& camera) {
  int panels = 0;
  for (int w = 0; w < camera.WallCount(); ++w) panels += camera.WallAt(w)->PanelCount();
  int floorPanels = 0;
  for (int s = 0; s < camera.FloorStripCount(); ++s) floorPanels += camera.FloorStripAt(s)->PanelCount();
  state.counters["walls"] = camera.WallCount();
  state.counters["panels"] = panels;
  state.counters["floor_panels"] = floorPanels;
}

void DrawOnce(const CPlanRenderer& renderer, const CChamber& camera, QImage& image) {
  image.fill(Qt::white);
  QPainter painter(&image);
  CPainterDrawContext dc(painter);
  renderer.Draw(camera, dc, {"Header", "Height", "Width", "Length"});
}

// The whole plan in view: every label and chain lands on the canvas.
void BM_DrawFittedLargeCamera(benchmark::State& state) {
  auto camera = LargeCamera();
  Require(camera->WallCount() == kWalls, "100 walls");
  const std::optional<CPixelMapping> fitted = FitPlanToCanvas(*camera, kCanvasWidth, kCanvasHeight);
  Require(fitted.has_value(), "fit");
  const CPlanRenderer renderer(*fitted);
  QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    DrawOnce(renderer, *camera, image);
    benchmark::DoNotOptimize(image.constBits());
  }
  Counters(state, *camera);
}
BENCHMARK(BM_DrawFittedLargeCamera)->Unit(benchmark::kMillisecond);

// The window's default origin and scale: most of the plan lies off the
// canvas and is clipped.
void BM_DrawLargeCameraAtDefaultScale(benchmark::State& state) {
  auto camera = LargeCamera();
  const CPlanRenderer renderer(camera->StoredView());
  QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    DrawOnce(renderer, *camera, image);
    benchmark::DoNotOptimize(image.constBits());
  }
  Counters(state, *camera);
}
BENCHMARK(BM_DrawLargeCameraAtDefaultScale)->Unit(benchmark::kMillisecond);

// The 3-D window's redraw while it is turned: the scene is built once per
// edit, each frame projects, orders and paints it, see-through ceiling.
void BM_Redraw3dLargeCamera(benchmark::State& state) {
  auto camera = LargeCamera();
  const CScene3d scene = CScene3d::Build(*camera, LidMode::kTransparent);
  QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  SceneViewpoint view = SceneViewpoint::Preset(1);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScene3d(painter, image.rect(), scene, view);
    painter.end();
    view.Orbit(1, 0);
    benchmark::DoNotOptimize(image.constBits());
  }
  Counters(state, *camera);
  state.counters["faces"] = static_cast<double>(scene.Faces().size());
}
BENCHMARK(BM_Redraw3dLargeCamera)->Unit(benchmark::kMillisecond);

// The scene built anew from the camera, as after every edit.
void BM_Build3dSceneOfLargeCamera(benchmark::State& state) {
  auto camera = LargeCamera();
  for (auto _ : state) benchmark::DoNotOptimize(CScene3d::Build(*camera, LidMode::kTransparent).Faces().data());
  Counters(state, *camera);
}
BENCHMARK(BM_Build3dSceneOfLargeCamera)->Unit(benchmark::kMillisecond);

// The printed page fitted to A4 landscape at 300 dots per inch: laid out
// (scale, title block) and drawn as the printer gets it, a PDF page (arg 0),
// or rasterised whole as a picture of the page (arg 1).
void BM_PrintPageOfLargeCamera(benchmark::State& state) {
  auto camera = LargeCamera();
  const bool raster = state.range(0) != 0;
  constexpr int kDotsPerMetre = 11811;  // 300 dots per inch
  QImage image(3508, 2480, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  PrintHeading heading;
  heading.article = "KX-100";
  heading.date = "01.01.2026";
  for (auto _ : state) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    QPaintDevice& device = raster ? static_cast<QPaintDevice&>(image) : static_cast<QPaintDevice&>(writer);
    if (raster) image.fill(Qt::white);
    QPainter painter(&device);
    std::string problem;
    const std::optional<PrintPageLayout> layout = LayOutPrintPage(
        *camera, heading, PrintSettings{}, device.width(), device.height(), device.logicalDpiY(), &problem);
    Require(layout.has_value(), "print layout");
    CPainterDrawContext dc(painter);
    DrawPrintPage(dc, *camera, heading, *layout);
    painter.end();
    benchmark::DoNotOptimize(pdf.data().size());
  }
  Counters(state, *camera);
}
BENCHMARK(BM_PrintPageOfLargeCamera)->Arg(0)->Arg(1)->ArgName("raster")->Unit(benchmark::kMillisecond);

}  // namespace
