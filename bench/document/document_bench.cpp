// The edit log's costs that a user waits for: loading and replaying a long
// camera file, and undo, which replays the whole log.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cameradocument.h"
#include "editops.h"

namespace {

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "bench_document: %s failed\n", what);
    std::abort();
  }
}

void Edit(CCameraDocument& document, const EditRecord& record, const char* what) {
  EditRefusal why = EditRefusal::kNone;
  if (!document.Apply(record, &why)) {
    std::fprintf(stderr, "bench_document: %s refused (%s)\n", what, EditRefusalName(why));
    std::abort();
  }
}

// A working session as a dealer has it: an L-shaped camera, every wall
// filled, then round after round of door changes, divisions, partitions, a
// wall moved out and back (each move rebuilds the floor) and floor
// divisions, each record accepted by the model.
void Session(CCameraDocument& document, size_t records) {
  Require(document.CreateCamera(u"BENCH", u"", 5920, 3920, 2040, 80, false, false), "create");
  Edit(document, SplitWallRecord(1, false, 1500), "corner");
  Edit(document, MoveWallRecord(2, 1, 1200), "move");
  Edit(document, FillAllWallsRecord(), "fill");
  const int32_t wallWidths[] = {600, 1200, 900};
  const int32_t stripWidths[] = {1200, 1200, 900};
  const int32_t pieces[] = {1500, 900};
  while (document.Log().size() < records) {
    Edit(document, PanelDoorRecord(0, 1, 10, 1, 0), "swing door");
    Edit(document, PanelDoorRecord(0, 2, 11, 0, 2000), "opening");
    Edit(document, PanelDoorRecord(0, 1, 1, 1, 0), "door removed");
    Edit(document, DivideWallRecord(4, wallWidths), "manual division");
    Edit(document, AutoFillWallRecord(4), "split collection");
    Edit(document, MoveWallRecord(4, 0, 100), "move out");
    Edit(document, MoveWallRecord(4, 0, -100), "move back");
    Edit(document, AddPartitionRecord(2500, 40, 2000, 1), "partition");
    Edit(document, AutoFillPartitionRecord(0), "partition split");
    Edit(document, PartitionPanelDoorRecord(0, 0, 10, 2, 0), "partition door");
    Edit(document, DivideFloorStripRecord(0, stripWidths, pieces), "floor division");
    Edit(document, DeletePartitionRecord(0), "partition deleted");
  }
  while (document.Log().size() > records) Require(document.Undo(), "trim");
}

void BM_LoadAndReplay10000Records(benchmark::State& state) {
  CCameraDocument session;
  Session(session, 10000);
  const std::string bytes = session.SaveBytes();
  {
    CCameraDocument check;
    check.LoadBytes(bytes);
    Require(check.Log().size() == 10002 && check.Camera().PartitionCount() == session.Camera().PartitionCount() &&
                check.Camera().WallCount() == session.Camera().WallCount(),
            "reload");
  }
  for (auto _ : state) {
    CCameraDocument document;
    document.LoadBytes(bytes);
    benchmark::DoNotOptimize(document.Camera().WallCount());
  }
  state.counters["records"] = 10002;
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_LoadAndReplay10000Records)->Unit(benchmark::kMillisecond);

void BM_UndoOn1000RecordLog(benchmark::State& state) {
  CCameraDocument document;
  Session(document, 1000);
  for (auto _ : state) {
    Require(document.Undo(), "undo");
    state.PauseTiming();
    Require(document.Redo(), "redo");
    state.ResumeTiming();
  }
  state.counters["records"] = static_cast<double>(document.Log().size());
}
BENCHMARK(BM_UndoOn1000RecordLog)->Unit(benchmark::kMillisecond);

void BM_Save10000Records(benchmark::State& state) {
  CCameraDocument document;
  Session(document, 10000);
  for (auto _ : state) benchmark::DoNotOptimize(document.SaveBytes());
}
BENCHMARK(BM_Save10000Records)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
