// libQuotix loaded by name, as the program loads it, and driven in the four
// orders the program calls it in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <filesystem>
#include <set>

#include "pluginlibrary.h"
#include "pricetable.h"
#include "samplecameras.h"
#include "settings.h"
#include "testsupport.h"
#include "xlsxreader.h"
#include "zamo_abi.h"

namespace fs = std::filesystem;

namespace {

// A stand-in for the materials library: its two exports, resolved by name.
std::vector<std::string> gProfiles = {"Стандарт", "Пищевой"};
uint32_t gSelected = 999;

int32_t FakeGetProfiles(const ZamoStringList* list) {
  list->clear(list->context);
  for (const std::string& name : gProfiles) list->append(list->context, name.c_str());
  return static_cast<int32_t>(gProfiles.size());
}

int32_t FakeSelectProfile(uint32_t index) {
  if (index >= gProfiles.size()) return 0;
  gSelected = index;
  return 1;
}

void* FakeResolve(void*, const char* name) {
  if (std::string(name) == "GetProfiles") return reinterpret_cast<void*>(&FakeGetProfiles);
  if (std::string(name) == "SelectProfile") return reinterpret_cast<void*>(&FakeSelectProfile);
  return nullptr;
}

void* ResolveNothing(void*, const char*) { return nullptr; }

const ZamoModule kMaterial{nullptr, &FakeResolve};
const ZamoModule kOldMaterial{nullptr, &ResolveNothing};

class QuotixPluginTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dataDir_ = new CScratchDir;
    for (const char* file : {"zamo.language", "kryvel_logo.jpg"}) {
      fs::copy_file(SourceDataDir() + "/" + file, dataDir_->File(file));
    }
    previousDir_ = new QString(QDir::currentPath());
    QDir::setCurrent(dataDir_->QPath());
    messageLog_ = new std::string(dataDir_->File("messages.log"));
    qputenv("ZAMO_MESSAGE_LOG", QByteArray::fromStdString(*messageLog_));
    library_ = new CPluginLibrary;
    ASSERT_TRUE(library_->Load(QStringLiteral("Quotix"))) << library_->ErrorString().toStdString();
    library_->Bind(x_);
  }

  static void TearDownTestSuite() {
    delete library_;
    QDir::setCurrent(*previousDir_);
    qunsetenv("ZAMO_MESSAGE_LOG");
    delete previousDir_;
    delete messageLog_;
    delete dataDir_;
  }

  void SetUp() override {
    ASSERT_TRUE(library_ && library_->IsLoaded());
    QFile::remove(QString::fromStdString(*messageLog_));
  }

  static std::string Messages() { return ReadFileBytes(*messageLog_); }
  static std::string Out(const std::string& name) { return dataDir_->File(name); }

  static bool IsWorkbook(const std::string& path) {
    return fs::exists(path) && ReadFileBytes(path).substr(0, 2) == "PK";
  }

  static inline CScratchDir* dataDir_ = nullptr;
  static inline QString* previousDir_ = nullptr;
  static inline std::string* messageLog_ = nullptr;
  static inline CPluginLibrary* library_ = nullptr;
  static inline CQuotixApi x_{};
  ZamoPriceBlock block_{};
};

TEST_F(QuotixPluginTest, LoadingCreatesTheMissingPriceTableAndRecordsTheVersion) {
  EXPECT_TRUE(fs::exists(Out("PriceCntr.data")));
  EXPECT_EQ(fs::file_size(Out("PriceCntr.data")), 0u);
  EXPECT_EQ(OpenZamoSettings()->value(ModuleFileName(QStringLiteral("Quotix"))).toString(), QStringLiteral("1.0.0"));
  CQuotixApi api;
  EXPECT_EQ(library_->Bind(api), nullptr);  // names the missing export
}

TEST_F(QuotixPluginTest, OnlyTheNamedExportsAreVisible) {
  std::set<std::string> exported;
  if (!ExportedSymbols(library_->FileName(), exported)) GTEST_SKIP() << "nm is not installed";
  EXPECT_EQ(exported, ExportNames<CQuotixApi>());
}

TEST_F(QuotixPluginTest, CameraReportInTheProgramsOrder) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void* c) { static_cast<std::vector<std::string>*>(c)->clear(); },
                      [](void* c, const char* text) { static_cast<std::vector<std::string>*>(c)->push_back(text); }};
  names.push_back("left over");
  EXPECT_EQ(x_.GetMaterialProfiles(&kMaterial, &list), 2);
  EXPECT_EQ(names, gProfiles);
  EXPECT_EQ(x_.SelectMaterialProfile(&kMaterial, 1), 1);
  EXPECT_EQ(gSelected, 1u);

  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  ASSERT_EQ(x_.InitXL(0, 0, 1), 1);
  x_.SetReportPath(Out("camera.xlsx").c_str(), 0);
  x_.SetDealerDiscount(0.1);
  x_.InitValues(2040, 2920, 1920, 80);
  EXPECT_GT(x_.MakeReport(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0, 0),
            4);
  x_.CloseXL(0);
  EXPECT_TRUE(IsWorkbook(Out("camera.xlsx")));
  EXPECT_EQ(Messages(), "");
}

TEST_F(QuotixPluginTest, PriceListInTheProgramsOrder) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void* c) { static_cast<std::vector<std::string>*>(c)->clear(); },
                      [](void* c, const char* text) { static_cast<std::vector<std::string>*>(c)->push_back(text); }};
  ASSERT_EQ(x_.GetMaterialProfiles(&kMaterial, &list), 2);
  x_.SelectMaterialProfile(&kMaterial, 0);
  EXPECT_EQ(gSelected, 0u);
  ASSERT_EQ(x_.InitXL(0, 1, 0), 1);
  int calls = 0;
  for (const CPriceListColumn& column : kPriceListColumns) {
    x_.InitXReport(kPriceListFirstRow);
    for (const CSampleCamera& camera : PriceListColumn(column.height, 100)) {
      x_.InitValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, 100);
      x_.MakeReport2(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0,
                     column.column, 1);
      ++calls;
    }
  }
  EXPECT_EQ(calls, 360);
  x_.SetReportPath(Out("pricelist.xlsx").c_str(), 0);
  x_.CloseXL(0);
  ASSERT_TRUE(IsWorkbook(Out("pricelist.xlsx")));
  bool available = true;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(Out("pricelist.xlsx"), available, problem);
  if (!available) GTEST_SKIP() << "/usr/bin/python3 has no openpyxl";
  EXPECT_EQ(XlsxCell(dump, "A2").value(QStringLiteral("value")).toString(),
            QStringLiteral("Толщина стенок камер: 100 мм."));
  EXPECT_EQ(XlsxCell(dump, "A126").value(QStringLiteral("value")).toDouble(), 5600);
  EXPECT_EQ(dump.value(QStringLiteral("merges")).toArray().size(), 17);
}

TEST_F(QuotixPluginTest, PanelReportInTheProgramsOrder) {
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.SetDealerDiscount(0.05);
  EXPECT_EQ(x_.InitPanelReport(&kMaterial), 4);
  const PanelGroup groups[] = {{3, 1200, 2500, 0, kPanelGroupWall, 80}, {2, 1000, 3000, 0, kPanelGroupCeiling, 100}};
  for (const PanelGroup& group : groups) x_.MakePanelReport(&block_, &group, 0, group.thickness);
  EXPECT_EQ(x_.MakePanelReport(&block_, nullptr, 0, 80), 0);
  x_.EndPanelReport();
  x_.SetReportPath(Out("components.xlsx").c_str(), 0);
  x_.CloseXL(0);
  EXPECT_TRUE(IsWorkbook(Out("components.xlsx")));
}

TEST_F(QuotixPluginTest, CornerPostReportInTheProgramsOrder) {
  x_.SetDealerDiscount(0);
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.InitValues(2040, 0, 0, 100);
  const ZamoWallTallyList none{nullptr, 0};
  x_.MakeReport(&kMaterial, block_, none, none, ZamoFloorTallyList{nullptr, 0}, 4, 0, 0);
  x_.SetReportPath(Out("posts.xlsx").c_str(), 0);
  x_.CloseXL(0);
  EXPECT_TRUE(IsWorkbook(Out("posts.xlsx")));
}

TEST_F(QuotixPluginTest, ReportsGoToTheReportsFolderUnderKindAndTime) {
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.InitPanelReport(&kMaterial);
  x_.EndPanelReport();
  x_.CloseXL(0);
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.InitPanelReport(&kMaterial);
  x_.EndPanelReport();
  x_.CloseXL(0);
  // An empty workbook is saved too, under a name of its own.
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.CloseXL(0);
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(Out("Reports"))) files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), 3u);
  int components = 0;
  for (const std::string& name : files) {
    if (name.rfind("components-", 0) == 0) ++components;
    EXPECT_EQ(name.substr(name.size() - 5), ".xlsx");
    EXPECT_TRUE(IsWorkbook(Out("Reports/" + name)));
  }
  EXPECT_EQ(components, 2);
  fs::remove_all(Out("Reports"));
}

TEST_F(QuotixPluginTest, CallsWithoutAWorkbookDoNothing) {
  x_.CloseXL(0);
  x_.CloseXL(0);
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  EXPECT_EQ(x_.MakeReport(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0, 0),
            0);
  EXPECT_EQ(x_.InitPanelReport(nullptr), 0);
  EXPECT_EQ(x_.EndPanelReport(), 0);
  EXPECT_FALSE(fs::exists(Out("Reports")));
}

TEST_F(QuotixPluginTest, MaterialsLibraryWithoutTheExportsGetsTheWrongVersionMessage) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void*) {}, [](void*, const char*) {}};
  EXPECT_EQ(x_.GetMaterialProfiles(&kOldMaterial, &list), 1);
  EXPECT_EQ(x_.SelectMaterialProfile(nullptr, 0), 1);
  EXPECT_EQ(Messages(),
            "Ошибка.\tБиблиотека настройки материалов найдена, но имеет неверную версию.\n"
            "Ошибка.\tБиблиотека настройки материалов найдена, но имеет неверную версию.\n");
}

TEST_F(QuotixPluginTest, ReportThatCannotBeSavedIsReported) {
  WriteFileBytes(Out("not-a-folder"), "x");
  ASSERT_EQ(x_.InitXL(0, 0, 0), 1);
  x_.SetReportPath(Out("not-a-folder/report.xlsx").c_str(), 0);
  x_.CloseXL(0);
  const std::string messages = Messages();
  EXPECT_NE(messages.find("not-a-folder/report.xlsx"), std::string::npos) << messages;
  EXPECT_EQ(ReadFileBytes(Out("not-a-folder")), "x");
}

TEST_F(QuotixPluginTest, SavedPriceDialogFillsTheBufferAndTheFile) {
  uint8_t buffer[400] = {};
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    dialog->findChild<QLineEdit*>(QStringLiteral("1027"))->setText(QStringLiteral("2500"));
    dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
  });
  const intptr_t result = x_.ShowPriceDlg(nullptr, buffer, 0);
  EXPECT_EQ(result, reinterpret_cast<intptr_t>(buffer));
  CPriceTable table;
  table.ReadBytes("H10P" + std::string(reinterpret_cast<char*>(buffer), 400));
  EXPECT_EQ(table.Get(PriceEntry::kWallPanel80), 2500);
  CPriceTable file;
  ASSERT_FALSE(file.Read(Out("PriceCntr.data")));
  EXPECT_EQ(file.Get(PriceEntry::kWallPanel80), 2500);

  QTimer::singleShot(0, [] {
    QApplication::activeModalWidget()->findChild<QPushButton*>(QStringLiteral("2"))->click();
  });
  EXPECT_EQ(x_.ShowPriceDlg(nullptr, buffer, 0), 2);
}

}  // namespace
