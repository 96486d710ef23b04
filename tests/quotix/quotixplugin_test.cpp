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

struct CExports {
  InitXLFn initXL;
  CloseXLFn closeXL;
  InitValuesFn initValues;
  SetDealerDiscountFn setDealerDiscount;
  InitXReportFn initXReport;
  MakeReportFn makeReport;
  MakeReport2Fn makeReport2;
  InitPanelReportFn initPanelReport;
  MakePanelReportFn makePanelReport;
  EndPanelReportFn endPanelReport;
  GetMaterialProfilesFn getMaterialProfiles;
  SelectMaterialProfileFn selectMaterialProfile;
  ShowPriceDlgFn showPriceDlg;
  SetReportPathFn setReportPath;
};

const char* const kExportNames[] = {"InitXL",          "CloseXL",         "InitValues",          "SetDealerDiscount",
                                    "InitXReport",     "MakeReport",      "MakeReport2",         "InitPanelReport",
                                    "MakePanelReport", "EndPanelReport",  "GetMaterialProfiles", "SelectMaterialProfile",
                                    "ShowPriceDlg",    "SetReportPath"};

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
    CPluginLibrary& l = *library_;
    x_ = {l.Get<InitXLFn>("InitXL"),
          l.Get<CloseXLFn>("CloseXL"),
          l.Get<InitValuesFn>("InitValues"),
          l.Get<SetDealerDiscountFn>("SetDealerDiscount"),
          l.Get<InitXReportFn>("InitXReport"),
          l.Get<MakeReportFn>("MakeReport"),
          l.Get<MakeReport2Fn>("MakeReport2"),
          l.Get<InitPanelReportFn>("InitPanelReport"),
          l.Get<MakePanelReportFn>("MakePanelReport"),
          l.Get<EndPanelReportFn>("EndPanelReport"),
          l.Get<GetMaterialProfilesFn>("GetMaterialProfiles"),
          l.Get<SelectMaterialProfileFn>("SelectMaterialProfile"),
          l.Get<ShowPriceDlgFn>("ShowPriceDlg"),
          l.Get<SetReportPathFn>("SetReportPath")};
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
  static inline CExports x_{};
  ZamoPriceBlock block_{};
};

TEST_F(QuotixPluginTest, LoadingCreatesTheMissingPriceTableAndRecordsTheVersion) {
  EXPECT_TRUE(fs::exists(Out("PriceCntr.data")));
  EXPECT_EQ(fs::file_size(Out("PriceCntr.data")), 0u);
  EXPECT_EQ(OpenZamoSettings()->value(ModuleFileName(QStringLiteral("Quotix"))).toString(), QStringLiteral("1.0.0"));
  for (const char* name : kExportNames) EXPECT_TRUE(library_->Resolve(name)) << name;
}

TEST_F(QuotixPluginTest, OnlyTheNamedExportsAreVisible) {
  std::set<std::string> exported;
  if (!ExportedSymbols(library_->FileName(), exported)) GTEST_SKIP() << "nm is not installed";
  EXPECT_EQ(exported, std::set<std::string>(std::begin(kExportNames), std::end(kExportNames)));
}

TEST_F(QuotixPluginTest, CameraReportInTheProgramsOrder) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void* c) { static_cast<std::vector<std::string>*>(c)->clear(); },
                      [](void* c, const char* text) { static_cast<std::vector<std::string>*>(c)->push_back(text); }};
  names.push_back("left over");
  EXPECT_EQ(x_.getMaterialProfiles(&kMaterial, &list), 2);
  EXPECT_EQ(names, gProfiles);
  EXPECT_EQ(x_.selectMaterialProfile(&kMaterial, 1), 1);
  EXPECT_EQ(gSelected, 1u);

  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  ASSERT_EQ(x_.initXL(0, 0, 1), 1);
  x_.setReportPath(Out("camera.xlsx").c_str(), 0);
  x_.setDealerDiscount(0.1);
  x_.initValues(2040, 2920, 1920, 80);
  EXPECT_GT(x_.makeReport(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0, 0),
            4);
  x_.closeXL(0);
  EXPECT_TRUE(IsWorkbook(Out("camera.xlsx")));
  EXPECT_EQ(Messages(), "");
}

TEST_F(QuotixPluginTest, PriceListInTheProgramsOrder) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void* c) { static_cast<std::vector<std::string>*>(c)->clear(); },
                      [](void* c, const char* text) { static_cast<std::vector<std::string>*>(c)->push_back(text); }};
  ASSERT_EQ(x_.getMaterialProfiles(&kMaterial, &list), 2);
  x_.selectMaterialProfile(&kMaterial, 0);
  EXPECT_EQ(gSelected, 0u);
  ASSERT_EQ(x_.initXL(0, 1, 0), 1);
  const struct {
    char column;
    int32_t height;
  } columns[] = {{'C', 2040}, {'E', 2300}, {'G', 2560}};
  int calls = 0;
  for (const auto& column : columns) {
    x_.initXReport(7);
    for (const CSampleCamera& camera : PriceListColumn(column.height, 100)) {
      x_.initValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, 100);
      x_.makeReport2(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0,
                     column.column, 1);
      ++calls;
    }
  }
  EXPECT_EQ(calls, 360);
  x_.setReportPath(Out("pricelist.xlsx").c_str(), 0);
  x_.closeXL(0);
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
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.setDealerDiscount(0.05);
  EXPECT_EQ(x_.initPanelReport(&kMaterial), 4);
  const PanelGroup groups[] = {{3, 1200, 2500, 0, kPanelGroupWall, 80}, {2, 1000, 3000, 0, kPanelGroupCeiling, 100}};
  for (const PanelGroup& group : groups) x_.makePanelReport(&block_, &group, 0, group.thickness);
  EXPECT_EQ(x_.makePanelReport(&block_, nullptr, 0, 80), 0);
  x_.endPanelReport();
  x_.setReportPath(Out("components.xlsx").c_str(), 0);
  x_.closeXL(0);
  EXPECT_TRUE(IsWorkbook(Out("components.xlsx")));
}

TEST_F(QuotixPluginTest, CornerPostReportInTheProgramsOrder) {
  x_.setDealerDiscount(0);
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.initValues(2040, 0, 0, 100);
  const ZamoWallTallyList none{nullptr, 0};
  x_.makeReport(&kMaterial, block_, none, none, ZamoFloorTallyList{nullptr, 0}, 4, 0, 0);
  x_.setReportPath(Out("posts.xlsx").c_str(), 0);
  x_.closeXL(0);
  EXPECT_TRUE(IsWorkbook(Out("posts.xlsx")));
}

TEST_F(QuotixPluginTest, ReportsGoToTheReportsFolderUnderKindAndTime) {
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.initPanelReport(&kMaterial);
  x_.endPanelReport();
  x_.closeXL(0);
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.initPanelReport(&kMaterial);
  x_.endPanelReport();
  x_.closeXL(0);
  // An empty workbook is saved too, under a name of its own.
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.closeXL(0);
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
  x_.closeXL(0);
  x_.closeXL(0);
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  EXPECT_EQ(x_.makeReport(&kMaterial, block_, camera.WallList(), camera.PartitionList(), camera.CeilingList(), 4, 0, 0),
            0);
  EXPECT_EQ(x_.initPanelReport(nullptr), 0);
  EXPECT_EQ(x_.endPanelReport(), 0);
  EXPECT_FALSE(fs::exists(Out("Reports")));
}

TEST_F(QuotixPluginTest, MaterialsLibraryWithoutTheExportsGetsTheWrongVersionMessage) {
  std::vector<std::string> names;
  ZamoStringList list{&names, [](void*) {}, [](void*, const char*) {}};
  EXPECT_EQ(x_.getMaterialProfiles(&kOldMaterial, &list), 1);
  EXPECT_EQ(x_.selectMaterialProfile(nullptr, 0), 1);
  EXPECT_EQ(Messages(),
            "Ошибка.\tБиблиотека настройки материалов найдена, но имеет неверную версию.\n"
            "Ошибка.\tБиблиотека настройки материалов найдена, но имеет неверную версию.\n");
}

TEST_F(QuotixPluginTest, ReportThatCannotBeSavedIsReported) {
  WriteFileBytes(Out("not-a-folder"), "x");
  ASSERT_EQ(x_.initXL(0, 0, 0), 1);
  x_.setReportPath(Out("not-a-folder/report.xlsx").c_str(), 0);
  x_.closeXL(0);
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
  const intptr_t result = x_.showPriceDlg(nullptr, buffer, 0);
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
  EXPECT_EQ(x_.showPriceDlg(nullptr, buffer, 0), 2);
}

}  // namespace
