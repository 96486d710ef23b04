// The price runs with the real pricing and materials libraries, loaded by
// name as the program loads them: what each run refuses and why (telling
// the user is the caller's), that a refused or cancelled run leaves no
// report file and no workbook in the library, and that a written report
// holds the pricing core's total.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

#include <filesystem>
#include <functional>
#include <optional>

#include "cameradocument.h"
#include "chamber.h"
#include "paneltally.h"
#include "pluginlibrary.h"
#include "pricerun.h"
#include "pricingcoretotal.h"
#include "pricingtestsetup.h"
#include "testsupport.h"
#include "xlsxreader.h"

namespace fs = std::filesystem;

namespace {

// A camera 3000 x 2000 x 2200 with 80 mm walls, divided, with a swing door
// on the first panel unless `divided` is false (then no wall has panels).
std::unique_ptr<CChamber> MakeCamera(bool divided = true) {
  auto camera = std::make_unique<CChamber>();
  EXPECT_TRUE(camera->Create(2920, 1920, 2040, 80));
  if (divided) {
    camera->FillAllWalls();
    EXPECT_TRUE(camera->SetPanelDoor(0, 0, kSwingDoorBlock, 1, kDoorKindOpeningHeight));
  }
  return camera;
}

// One price-list camera as the progress saw it.
struct Seen {
  char column;
  int32_t width, depth, height, thickness;
  friend bool operator==(const Seen&, const Seen&) = default;
};

std::optional<CReportOptions> FirstProfile(const std::vector<std::string>&) { return CReportOptions{}; }

class PriceRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pricing_ = new CLoadedPricing; }
  static void TearDownTestSuite() { delete pricing_; }

  void SetUp() override {
    ASSERT_TRUE(pricing_->IsLoaded());
    WriteTestProfiles(dir_.Path());
    setup_.quotix = &pricing_->Library();
  }

  std::string Out(const std::string& name) const { return dir_.File(name); }
  // The files the runs left in the data folder, the profile file aside.
  std::vector<std::string> FilesLeft() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path()))
      if (entry.is_regular_file() && entry.path().filename() != "MaterialArch.data")
        names.push_back(entry.path().filename().string());
    return names;
  }
  // Whether the library still holds a workbook that its next CloseXL would
  // save: closes it into a probe file.
  bool LibraryHoldsAWorkbook() const {
    const std::string probe = Out("probe.xlsx");
    CQuotixApi quotix;
    EXPECT_EQ(pricing_->Library().Bind(quotix), nullptr);
    quotix.SetReportPath(probe.c_str(), 0);
    quotix.CloseXL(0);
    const bool held = fs::exists(probe);
    fs::remove(probe);
    return held;
  }

  static inline CLoadedPricing* pricing_ = nullptr;
  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
  CPriceRunSetup setup_;
};

TEST_F(PriceRunTest, MissingLibrariesAndProfilesEndTheRunWithTheirReason) {
  const auto camera = MakeCamera();
  const auto cameraReport = [&](const CPriceRunSetup& setup) {
    return RunCameraPriceReport(setup, *camera, 0, FirstProfile);
  };
  const auto priceList = [](const CPriceRunSetup& setup) { return RunPriceList(setup, true); };
  struct Case {
    const char* name;
    std::function<void(CPriceRunSetup&, const std::string& folder)> arrange;
    std::function<PriceRunResult(const CPriceRunSetup&)> run;
    PriceRunResult why;
  };
  CPluginLibrary unloaded;
  const Case cases[] = {
      {"no pricing library", [&](CPriceRunSetup& s, const std::string&) { s.quotix = &unloaded; }, cameraReport,
       PriceRunResult::kPricingExportMissing},
      {"no materials library",
       [](CPriceRunSetup& s, const std::string&) { s.materialLibrary = QStringLiteral("NoSuchMaterial"); },
       priceList, PriceRunResult::kMaterialsMissing},
      {"no profiles, camera", [](CPriceRunSetup&, const std::string& f) { WriteTestProfiles(f, false); }, cameraReport,
       PriceRunResult::kNoMaterialProfiles},
      {"no profiles, price list", [](CPriceRunSetup&, const std::string& f) { WriteTestProfiles(f, false); }, priceList,
       PriceRunResult::kNoMaterialProfiles},
  };
  for (const Case& c : cases) {
    CPriceRunSetup setup = setup_;
    setup.reportPath = QString::fromStdString(Out("out.xlsx"));
    WriteTestProfiles(dir_.Path());
    c.arrange(setup, dir_.Path());
    EXPECT_EQ(c.run(setup), c.why) << c.name;
    EXPECT_TRUE(FilesLeft().empty()) << c.name;
  }
  EXPECT_TRUE(messages_.Empty());
  EXPECT_FALSE(LibraryHoldsAWorkbook());
}

TEST_F(PriceRunTest, AWallNotFullyDividedLeavesNoReportNorWorkbook) {
  const auto camera = MakeCamera(false);
  setup_.reportPath = QString::fromStdString(Out("out.xlsx"));
  EXPECT_EQ(RunCameraPriceReport(setup_, *camera, 0, FirstProfile), PriceRunResult::kNotFullyDivided);
  EXPECT_TRUE(messages_.Empty());
  EXPECT_FALSE(LibraryHoldsAWorkbook());
  // Nor with the library's own choice of file.
  setup_.reportPath.clear();
  RunCameraPriceReport(setup_, *camera, 0, FirstProfile);
  EXPECT_TRUE(FilesLeft().empty());
}

TEST_F(PriceRunTest, CancellingTheOptionsWritesNothing) {
  const auto camera = MakeCamera();
  std::vector<std::string> offered;
  const auto cancel = [&](const std::vector<std::string>& names) -> std::optional<CReportOptions> {
    offered = names;
    return std::nullopt;
  };
  EXPECT_EQ(RunCameraPriceReport(setup_, *camera, 0, cancel), PriceRunResult::kCancelled);
  EXPECT_EQ(offered, (std::vector<std::string>{"Стандарт", "Пищевой"}));
  EXPECT_TRUE(messages_.Empty());
  EXPECT_TRUE(FilesLeft().empty());
  EXPECT_FALSE(LibraryHoldsAWorkbook());
}

TEST_F(PriceRunTest, TheReportTotalIsThePricingCoresTotal) {
  const auto camera = MakeCamera();
  setup_.reportPath = QString::fromStdString(Out("camera.xlsx"));
  WriteFileBytes(Out("camera.xlsx"), "an older report");
  const double dealer = 0.1;
  ASSERT_EQ(RunCameraPriceReport(setup_, *camera, dealer, FirstProfile), PriceRunResult::kWritten);
  EXPECT_EQ(FilesLeft(), std::vector<std::string>{"camera.xlsx"});
  EXPECT_EQ(ReadFileBytes(Out("camera.xlsx")).substr(0, 2), "PK");

  std::vector<WallPanelTally> walls, partitions;
  std::vector<FloorPanelTally> ceiling;
  ASSERT_TRUE(TallyWallPanels(*camera, walls) && TallyPartitionPanels(*camera, partitions) &&
              TallyFloorPanels(*camera, ceiling));
  const long long expected =
      PricingCoreTotal(walls, partitions, ceiling, camera->WallCount(), camera->Height(), camera->Width(),
                       camera->Depth(), camera->Thickness(), dealer);
  ASSERT_GT(expected, 0);

  bool available = false;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(Out("camera.xlsx"), available, problem);
  if (!available) GTEST_SKIP() << "no openpyxl";
  ASSERT_TRUE(problem.empty()) << problem;
  const QJsonObject cells = dump.value(QStringLiteral("cells")).toObject();
  std::optional<double> total;
  for (auto it = cells.begin(); it != cells.end(); ++it) {
    if (it.value().toObject().value(QStringLiteral("value")).toString() != QStringLiteral("Итого:")) continue;
    const QString row = it.key().mid(1);
    total = cells.value(QStringLiteral("G") + row).toObject().value(QStringLiteral("value")).toDouble();
  }
  ASSERT_TRUE(total.has_value()) << "no total row";
  EXPECT_EQ(*total, static_cast<double>(expected));
}

TEST_F(PriceRunTest, APriceListPricesScratchCamerasOfTheGrid) {
  const std::vector<CPriceListCamera> grid80 = PriceListGrid(true);
  ASSERT_EQ(grid80.size(), 360u);
  const std::vector<CPriceListCamera> grid100 = PriceListGrid(false);
  EXPECT_EQ(grid100.front().width, 1300);
  EXPECT_EQ(grid100.back().depth, 5500);
  EXPECT_EQ(grid100.back().thickness, 100);

  CCameraDocument document;
  ASSERT_TRUE(document.CreateCamera(u"ХКМ", u"", 2920, 1920, 2040, 80, false, false));
  const std::string before = document.SaveBytes();
  std::vector<Seen> seen;
  setup_.reportPath = QString::fromStdString(Out("list.xlsx"));
  const auto progress = [&](int done, int total, const CChamber& camera) {
    EXPECT_EQ(done, static_cast<int>(seen.size()) + 1);
    EXPECT_EQ(total, 360);
    const size_t i = seen.size();
    seen.push_back({grid80[i].column, camera.Width(), camera.Depth(), camera.Height(), camera.Thickness()});
    return true;
  };
  ASSERT_EQ(RunPriceList(setup_, true, progress), PriceRunResult::kWritten);
  ASSERT_EQ(seen.size(), 360u);
  EXPECT_EQ(seen.front(), (Seen{'C', 1280, 1280, 2040, 80}));
  EXPECT_EQ(seen.back(), (Seen{'G', 5480, 5480, 2560, 80}));
  EXPECT_TRUE(fs::exists(Out("list.xlsx")));
  EXPECT_EQ(document.SaveBytes(), before);
  EXPECT_TRUE(messages_.Empty());
}

TEST_F(PriceRunTest, CancellingAPriceListLeavesNoFileAndNoWorkbook) {
  int calls = 0;
  const auto cancelAtTen = [&](int done, int, const CChamber&) {
    ++calls;
    return done < 10;
  };
  EXPECT_EQ(RunPriceList(setup_, false, cancelAtTen), PriceRunResult::kCancelled);
  EXPECT_EQ(calls, 10);
  EXPECT_TRUE(FilesLeft().empty());
  EXPECT_FALSE(LibraryHoldsAWorkbook());
}

TEST_F(PriceRunTest, TheMaterialsDialogNeedsTheLibraryAndItsDialog) {
  EXPECT_EQ(RunMaterialsDialog(QStringLiteral("NoSuchMaterial")), PriceRunResult::kMaterialsMissing);
  EXPECT_EQ(RunMaterialsDialog(QStringLiteral("zamo_test_material_nodlg")), PriceRunResult::kMaterialsDialogMissing);
  EXPECT_TRUE(messages_.Empty());
}

}  // namespace
