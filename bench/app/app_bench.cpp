// What the user of the program waits for: the start screen after starting
// the program, and the camera window repainting a large camera.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "childview.h"
#include "commandids.h"
#include "editrecord.h"
#include "messages.h"
#include "wallpanel.h"

namespace {

constexpr int kWalls = 100;

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "bench_app: %s failed\n", what);
    std::abort();
  }
}

QString ProgramPath() {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  return QString::fromStdString((self.parent_path() / "zamo").string());
}

// From starting the program to its start screen's first paint: the program
// reports that moment on stdout (ZAMO_STARTUP_PROBE) and ends.
void BM_StartUpToStartScreen(benchmark::State& state) {
  QTemporaryDir data;
  QTemporaryDir config;
  Require(data.isValid() && config.isValid(), "temporary folders");
  Require(QFile::copy(QStringLiteral(ZAMO_SOURCE_DIR "/data/zamo.language"), data.filePath(QStringLiteral("zamo.language"))),
          "language file");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("ZAMO_STARTUP_PROBE"), QStringLiteral("1"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
  if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  const QString program = ProgramPath();
  for (auto _ : state) {
    QProcess process;
    process.setProcessEnvironment(environment);
    const auto start = std::chrono::steady_clock::now();
    process.start(program, {QStringLiteral("--data-dir"), data.path()});
    bool shown = false;
    while (!shown && process.waitForReadyRead(30000)) shown = process.readAllStandardOutput().contains("start screen shown");
    const auto end = std::chrono::steady_clock::now();
    Require(shown, "the start screen");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    process.waitForFinished(30000);
  }
}
BENCHMARK(BM_StartUpToStartScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A view that counts its paints, so that the benchmark knows each repaint
// really drew.
class CCountingView : public CChildView {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    CChildView::paintEvent(event);
    ++paints;
  }
};

// Applies one edit as the user would; a refusal ends the run with the
// window's own reason rather than a message box nobody answers.
bool Edit(CChildView& view, const EditRecord& record, const char* what, std::string& failure) {
  QString said;
  MessageSink previous = SetMessageSink([&said](const MessageRequest& request) {
    said = request.text;
    return kMessageOk;
  });
  const bool applied = view.ApplyEdit(record);
  SetMessageSink(std::move(previous));
  if (!applied) failure = std::string(what) + " refused: " + said.toStdString();
  return applied;
}

// A staircase down the right-hand side, 100 walls, every wall divided, a
// door or an opening every twentieth panel (never on a run's end panel,
// where the window refuses container and sliding doors): the camera of the
// drawing benchmark, built through the window's own edits.
bool BuildLargeCamera(CChildView& view, std::string& failure) {
  if (!view.CreateCamera(QStringLiteral("BENCH"), QString(), 282000, 282000, 2200, 100, false, false)) {
    failure = "create refused";
    return false;
  }
  int piece = 1;
  while (view.Camera().WallCount() < kWalls) {
    if (!Edit(view, SplitWallRecord(piece, true, 3900), "split", failure)) return false;
    if (!Edit(view, MoveWallRecord(piece + 1, 1, 1500), "move", failure)) return false;
    piece += 2;
  }
  if (!Edit(view, FillAllWallsRecord(), "fill", failure)) return false;
  for (int w = 0; w < view.Camera().WallCount(); ++w)
    for (int p = 3; p + 1 < view.Camera().WallAt(w)->PanelCount(); p += 20)
      if (!Edit(view, PanelDoorRecord(w, p, kContainerDoorLeft + (p / 20) % 6, (p / 20) % 6 == 4 ? 1 : 0, 2000),
                "door", failure))
        return false;
  return true;
}

// The large camera in a shown window, the whole plan in view and painted
// once; false (the run skipped) when an edit was refused.
bool ShowLargeCamera(CCountingView& view, benchmark::State& state) {
  view.resize(1920, 1080);
  view.show();
  std::string failure;
  if (!BuildLargeCamera(view, failure)) {
    state.SkipWithError(failure.c_str());
    return false;
  }
  Require(view.Camera().WallCount() == kWalls, "100 walls");
  Require(view.FitToWindow(), "fit");
  // The first paint comes once the window is exposed.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (view.paints == 0 && std::chrono::steady_clock::now() < deadline) QCoreApplication::processEvents();
  Require(view.paints > 0, "the window shown");
  return true;
}

void BM_RepaintLargeCameraInView(benchmark::State& state) {
  CCountingView view;
  if (!ShowLargeCamera(view, state)) return;
  view.paints = 0;
  for (auto _ : state) view.repaint();
  Require(view.paints >= static_cast<int>(state.iterations()), "every repaint painted");
  state.counters["walls"] = view.Camera().WallCount();
}
BENCHMARK(BM_RepaintLargeCameraInView)->Unit(benchmark::kMillisecond);

// Dragging a wall of the large camera in move wall mode: each step is the
// pointer moving with the button held and the window redrawn with the plan,
// the outline following the pointer and the distance beside it. A step
// under 16 ms keeps up with a 60 Hz screen.
void BM_DragWallOfLargeCamera(benchmark::State& state) {
  CCountingView view;
  if (!ShowLargeCamera(view, state)) return;
  Require(view.RunCommand(Cmd::kMoveWallMode), "move wall mode");
  // The bottom wall: a long one across the whole plan.
  const int wall = view.Camera().WallCount() - 2;
  const ModelRect body = view.Camera().WallRect(wall);
  const PixelPoint middle = view.Mapping().ToPixel({(body.Left() + body.Right()) / 2, (body.Top() + body.Bottom()) / 2});
  const QPoint press(middle.x, middle.y);
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(press), view.mapToGlobal(QPointF(press)), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &down);
  const auto* tool = dynamic_cast<const CMoveWallTool*>(view.Tool(ViewMode::kMoveWall));
  Require(tool && tool->Wall() == wall, "the wall pressed");
  view.paints = 0;
  int step = 0;
  for (auto _ : state) {
    const QPoint at = press + QPoint(0, 1 + step++ % 40);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    view.repaint();
  }
  Require(view.paints >= static_cast<int>(state.iterations()), "every step painted");
  Require(tool->Outward() != 0, "the wall followed the pointer");
  state.counters["walls"] = view.Camera().WallCount();
}
BENCHMARK(BM_DragWallOfLargeCamera)->Unit(benchmark::kMillisecond);

}  // namespace
