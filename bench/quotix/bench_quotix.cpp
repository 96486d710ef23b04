// How long the user waits for a report: the price list of 360 cameras
// written to an .xlsx file, and the camera report of a 20-wall camera.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "quotixsession.h"
#include "samplecameras.h"
#include "workbookxlsx.h"

namespace {

const std::string kData = std::string(ZAMO_SOURCE_DIR) + "/data";

const CLanguageTable& Language() {
  static CLanguageTable table = [] {
    CLanguageTable t;
    t.LoadFile(kData + "/zamo.language", 0);
    return t;
  }();
  return table;
}

CPriceTable SamplePrices() {
  CPriceTable prices;
  prices.Read(kData + "/" + CPriceTable::kFileName);
  return prices;
}

std::string OutputFile(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("bench_quotix-") + name)).string();
}

struct CColumn {
  char letter;
  int32_t height;
  std::vector<CSampleCamera> cameras;
};

void BM_PriceListOf360CamerasToXlsx(benchmark::State& state) {
  std::vector<CColumn> columns = {{'C', 2040, {}}, {'E', 2300, {}}, {'G', 2560, {}}};
  for (CColumn& column : columns) column.cameras = PriceListColumn(column.height, 80);
  const std::string path = OutputFile("pricelist.xlsx");
  for (auto _ : state) {
    CQuotixSession session(Language());
    session.Prices() = SamplePrices();
    session.SetLogoFile(kData + "/kryvel_logo.jpg");
    session.InitXL(true, true);
    for (const CColumn& column : columns) {
      session.InitXReport(7);
      for (const CSampleCamera& camera : column.cameras) {
        session.InitValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, 80);
        session.MakeReport2(camera.Input(false, true), column.letter);
      }
    }
    if (SaveWorkbookXlsx(*session.TakeWorkbook(), path)) state.SkipWithError("cannot write the workbook");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_PriceListOf360CamerasToXlsx)->Unit(benchmark::kMillisecond);

// Twenty outline walls of many lengths, some with doors, and a floor plan
// of several strips of different lengths.
CSampleCamera TwentyWallCamera() {
  CSampleCamera camera;
  camera.values = {2300, 9000, 7000, 80};
  camera.cornerPostCount = 20;
  for (int wall = 0; wall < 20; ++wall) {
    const int32_t length = 900 + 370 * wall;
    for (int32_t width : AutoFillWidths(length)) {
      WallPanelTally panel{};
      panel.width = width;
      panel.kind = width == 1200 ? 1 : 2;
      AddToTally(camera.walls, panel);
    }
    WallPanelTally door{};
    door.isDoor = 1;
    door.width = 1200;
    door.kind = wall % 4 == 0 ? 10 : wall % 4 == 1 ? 7 : wall % 4 == 2 ? 8 : 11;
    door.doorVariant = 1 + wall % 3;
    door.openingHeight = door.kind == 11 ? 2000 + 10 * wall : 0;
    door.nextWidth = door.prevWidth = door.kind == 7 || door.kind == 8 ? 1200 : 0;
    AddToTally(camera.walls, door);
  }
  for (int strip = 0; strip < 6; ++strip) {
    for (int32_t width : DivideStrip(2500 + 700 * strip, 80)) {
      camera.ceiling.push_back({1, width, 3000 + 1000 * strip, 0, 0, 0, 0, 0});
    }
  }
  camera.partitions = {camera.walls[0], camera.walls[1]};
  return camera;
}

void BM_CameraReportOf20Walls(benchmark::State& state) {
  const CSampleCamera camera = TwentyWallCamera();
  const bool save = state.range(0) != 0;
  const std::string path = OutputFile("camera.xlsx");
  const bool detailed = state.range(1) != 0;
  for (auto _ : state) {
    CQuotixSession session(Language());
    session.Prices() = SamplePrices();
    session.SetLogoFile(kData + "/kryvel_logo.jpg");
    session.InitXL(false, true);
    session.SetDealerDiscount(0.05);
    CReportDetails details;
    details.detailedEstimate = detailed;
    session.SetReportDetails(details);
    session.InitValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, 80);
    session.MakeReport(camera.Input());
    std::unique_ptr<CWorkbook> book = session.TakeWorkbook();
    if (save && SaveWorkbookXlsx(*book, path)) state.SkipWithError("cannot write the workbook");
    benchmark::DoNotOptimize(book);
  }
  state.counters["wall_groups"] = static_cast<double>(camera.walls.size());
  std::filesystem::remove(path);
}
// With and without the detailed estimate's sheet: what it adds to a report.
BENCHMARK(BM_CameraReportOf20Walls)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"saved", "detailed"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
