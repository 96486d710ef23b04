// The whole price list run a user waits for, as `zamo-cli price-list` and
// the camera window's price list command make it: 360 scratch cameras
// created, divided and tallied, priced through the loaded pricing library
// with the first material profile, and the workbook written to .xlsx.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "pluginlibrary.h"
#include "pricerun.h"

namespace {

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "bench_cli: %s failed\n", what);
    std::abort();
  }
}

void BM_PriceListRunOf360Cameras(benchmark::State& state) {
  // The pricing library reads its texts and prices from the data folder
  // when it is loaded.
  QTemporaryDir data;
  Require(data.isValid(), "temporary folder");
  for (const char* file : {"zamo.language", "PriceCntr.data", "MaterialArch.data", "kryvel_logo.jpg"})
    Require(QFile::copy(QStringLiteral(ZAMO_SOURCE_DIR "/data/") + QString::fromLatin1(file),
                        data.filePath(QString::fromLatin1(file))),
            file);
  const QString previous = QDir::currentPath();
  Require(QDir::setCurrent(data.path()), "data folder");
  CPluginLibrary quotix;
  Require(quotix.Load(QStringLiteral("Quotix")), "loading the pricing library");

  CPriceRunSetup setup;
  setup.quotix = &quotix;
  setup.reportPath = data.filePath(QStringLiteral("pricelist.xlsx"));
  int cameras = 0;
  for (auto _ : state) {
    cameras = 0;
    const PriceRunResult result = RunPriceList(setup, true, [&](int done, int, const auto&) {
      cameras = done;
      return true;
    });
    if (result != PriceRunResult::kWritten) state.SkipWithError("the price list was not written");
  }
  state.counters["cameras"] = cameras;
  QDir::setCurrent(previous);
}
BENCHMARK(BM_PriceListRunOf360Cameras)->Unit(benchmark::kMillisecond);

}  // namespace
