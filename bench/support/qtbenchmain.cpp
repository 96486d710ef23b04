#include <QApplication>

#include <benchmark/benchmark.h>

#include "messages.h"

// The main() of the benchmarks that draw, show windows or load the plugin
// libraries: they need a widget application, run headless unless told
// otherwise.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // A benchmark has no one to answer a message box.
  SetUnattended(true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
