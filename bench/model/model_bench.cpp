// The model operations that grow with the size of a camera: filling the
// longest run, rebuilding the floor of a many-cornered outline, and tallying
// a large camera's panels for pricing.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "chamber.h"
#include "modellimits.h"
#include "paneltally.h"

namespace {

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "bench_model: %s failed\n", what);
    std::abort();
  }
}

void BM_AutoFillLongestRun(benchmark::State& state) {
  CWallCollection run;
  Require(run.Init(model_limits::kMaxLength, 100, nullptr, Orientation::kHorizontal), "Init");
  for (auto _ : state) {
    run.AutoFill();
    benchmark::DoNotOptimize(run.PanelCount());
  }
  Require(run.IsFullyDivided(), "AutoFill");
  state.counters["panels"] = run.PanelCount();
}
BENCHMARK(BM_AutoFillLongestRun);

// A staircase: the right wall is cut again and again and each lower piece
// moved in by 500 mm, two corners per step.
std::unique_ptr<CChamber> StaircaseCamera(int corners) {
  auto camera = std::make_unique<CChamber>();
  Require(camera->Create(100000, 100000, 2200, 100), "Create");
  int piece = 1;
  while (camera->WallCount() < corners) {
    Require(camera->SplitWall(piece, true, 3900), "SplitWall");
    Require(camera->MoveWall(piece + 1, 500), "MoveWall");
    piece += 2;
  }
  return camera;
}

void BM_RebuildFloorOf40Corners(benchmark::State& state) {
  auto camera = StaircaseCamera(40);
  Require(camera->WallCount() == 40 && camera->IsChainClosed(), "staircase");
  for (auto _ : state) {
    camera->RebuildFloor();
    benchmark::DoNotOptimize(camera->FloorStripCount());
  }
  state.counters["strips"] = camera->FloorStripCount();
}
BENCHMARK(BM_RebuildFloorOf40Corners);

void BM_TallyWallPanelsOf2000(benchmark::State& state) {
  CChamber camera;
  Require(camera.Create(600000, 600000, 2200, 100), "Create");
  camera.FillAllWalls();
  int panels = 0;
  for (int w = 0; w < camera.WallCount(); ++w) {
    const int count = camera.WallAt(w)->PanelCount();
    panels += count;
    // A door every tenth panel, of every kind in turn.
    for (int p = 5; p + 1 < count; p += 10)
      Require(camera.SetPanelDoor(w, p, 6 + (p / 10) % 6, (p / 10) % 6 == 4 ? 1 : 0, 2000), "SetPanelDoor");
  }
  Require(panels == 2000, "2000 panels");
  std::vector<WallPanelTally> out;
  for (auto _ : state) {
    Require(TallyWallPanels(camera, out), "TallyWallPanels");
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["panels"] = panels;
  state.counters["records"] = static_cast<double>(out.size());
}
BENCHMARK(BM_TallyWallPanelsOf2000);

}  // namespace

BENCHMARK_MAIN();
