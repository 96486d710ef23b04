// Download speed of the updater from a loopback server: one 100 MB file,
// from the request to the file renamed into place.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "testhttpserver.h"
#include "updaterun.h"

namespace {

constexpr size_t kFileBytes = 100u * 1000 * 1000;

void BM_DownloadLargeFile(benchmark::State& state) {
  CTestHttpServer server;
  server.ServeFile("//update//index.htm", "/f/big 2 big.bin\n");
  server.ServeFile("/f/big", std::string(kFileBytes, 'z'));
  const auto folder = std::filesystem::temp_directory_path() / ("zamo-bench-updater-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);

  UpdateOptions options;
  options.host = "127.0.0.1";
  options.port = server.Port();
  options.targetDir = folder.string();
  for (auto _ : state) {
    CRecordingEnvironment environment;
    const UpdateReport report = RunUpdate(options, environment);
    if (report.installed.size() != 1) state.SkipWithError("download failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DownloadLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
