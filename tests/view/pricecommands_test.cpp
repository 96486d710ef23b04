// The price commands of the camera window with the real pricing and
// materials libraries: the report options dialog and the wait cursor
// around the camera price, the price lists' progress dialog and its
// Cancel, and that nothing of the window's camera changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonObject>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>

#include "chamber.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "dealercoefficient.h"
#include "dialogtestutil.h"
#include "exceloutputdlg.h"
#include "languageentries.h"
#include "paneltally.h"
#include "pluginlibrary.h"
#include "pricingcoretotal.h"
#include "pricingtestsetup.h"
#include "programservices.h"
#include "testsupport.h"
#include "viewtesthelpers.h"
#include "xlsxreader.h"

namespace fs = std::filesystem;

namespace {

// Answers the progress dialog of a price list while the list runs: `act`
// gets the dialog each time the run lets events through.
class CProgressWatcher {
 public:
  explicit CProgressWatcher(std::function<void(QProgressDialog&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible()) {
          ++seen;
          act_(*progress);
        }
    });
    timer_.start(0);
  }
  int seen = 0;

 private:
  std::function<void(QProgressDialog&)> act_;
  QTimer timer_;
};

class PriceCommandsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pricing_ = new CLoadedPricing; }
  static void TearDownTestSuite() {
    Program().pricing = nullptr;
    delete pricing_;
  }

  void SetUp() override {
    LoadShippedLanguage();
    ASSERT_TRUE(pricing_->IsLoaded());
    Program().pricing = &pricing_->Library();
    WriteTestProfiles(dir_.Path());
    SetDealerCoefficient(0);
  }
  void TearDown() override { SetDealerCoefficient(0); }

  // The everyday camera, outer 3000 x 2000 x 2200 with 80 mm walls.
  void CreateCamera(bool fill) {
    ASSERT_TRUE(view_.CreateCamera(QStringLiteral("КХ-3020"), QString(), 2920, 1920, 2040, 80, false, false));
    if (fill) {
      ASSERT_TRUE(view_.RunCommand(Cmd::kFillAllObjects));
    }
  }
  // The reports written into the data folder's Reports/.
  // With opening turned off for the tests, the one message after a report
  // names its file and offers its folder; nothing else was said.
  void ExpectNamedAsNotOpened(const std::string& report) {
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_TRUE(messages_.Messages()[0].text.contains(QDir::toNativeSeparators(QString::fromStdString(report))))
        << messages_.Messages()[0].text.toStdString();
    messages_.Clear();
  }
  std::vector<std::string> Reports() const {
    std::vector<std::string> found;
    if (!fs::exists(dir_.File("Reports"))) return found;
    for (const auto& entry : fs::directory_iterator(dir_.File("Reports"))) found.push_back(entry.path().string());
    return found;
  }
  // The report options dialog answered with profile `profile` and the
  // currency `currency` ("RUB", "EUR").
  void ChooseOptions(int profile, const QString& currency) {
    host_.OnDialog([profile, currency](QDialog& dialog) {
      Control<QComboBox>(dialog, Ctl::ExcelOutput::kProfile)->setCurrentIndex(profile);
      auto* box = Control<QComboBox>(dialog, Ctl::ExcelOutput::kCurrency);
      box->setCurrentIndex(box->findText(currency));
      ClickControl(dialog, Ctl::kOk);
    });
  }

  static inline CLoadedPricing* pricing_ = nullptr;
  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
  CScriptedHost host_;
  CChildView view_;
};

TEST_F(PriceCommandsTest, ACameraWithAnUndividedWallIsRefusedAfterTheOptionsWith47) {
  CreateCamera(false);
  ChooseOptions(0, QStringLiteral("RUB"));
  EXPECT_TRUE(view_.RunCommand(Cmd::kCameraPrice));
  EXPECT_EQ(host_.dialogsRun, QStringList{QStringLiteral("CExcelOutputDlg")});
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kCameraNotFullyDivided, Lang::kErrorCaption));
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PriceCommandsTest, ARunStoppedOnTheProgramsSideGivesItsMessageAndCaption) {
  CreateCamera(true);
  CPluginLibrary unloaded;
  struct Case {
    const char* name;
    bool withProfiles;
    bool withPricing;
    int command;
    std::pair<int, int> message;
  };
  const Case cases[] = {
      {"camera price, no profiles", false, true, Cmd::kCameraPrice, {Lang::kNoMaterialProfiles, Lang::kErrorCaption}},
      {"price list, no profiles", false, true, Cmd::kPriceList80,
       {Lang::kNoMaterialProfiles, Lang::kPriceCalculationCaption}},
      {"camera price, no pricing library", true, false, Cmd::kCameraPrice,
       {Lang::kPricingExportMissing, Lang::kPriceCalculationCaption}},
      {"price table, no pricing library", true, false, Cmd::kPriceSettings,
       {Lang::kPricingExportMissing, Lang::kPriceCalculationCaption}},
  };
  for (const Case& c : cases) {
    WriteTestProfiles(dir_.Path(), c.withProfiles);
    Program().pricing = c.withPricing ? &pricing_->Library() : &unloaded;
    messages_.Clear();
    view_.RunCommand(c.command);
    ASSERT_EQ(messages_.Messages().size(), 1u) << c.name;
    EXPECT_EQ(messages_.Entries(0), c.message) << c.name;
    EXPECT_TRUE(Reports().empty()) << c.name;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
  }
  Program().pricing = &pricing_->Library();
}

TEST_F(PriceCommandsTest, CancellingTheOptionsWritesNoReport) {
  CreateCamera(true);
  QStringList offered;
  host_.OnDialog([&](QDialog& dialog) {
    const auto* box = Control<QComboBox>(dialog, Ctl::ExcelOutput::kProfile);
    for (int i = 0; i < box->count(); ++i) offered << box->itemText(i);
    ClickControl(dialog, Ctl::kCancel);
  });
  view_.RunCommand(Cmd::kCameraPrice);
  EXPECT_EQ(offered, (QStringList{QStringLiteral("Стандарт"), QStringLiteral("Пищевой")}));
  EXPECT_TRUE(messages_.Empty());
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PriceCommandsTest, TheReportCarriesTheChosenCurrencyAndTheProgramsDealerCoefficient) {
  CreateCamera(true);
  SetDealerCoefficient(0.15);
  const std::string before = view_.Document().SaveBytes();
  // The total and the note beside it in the one report the command wrote,
  // which is taken away afterwards.
  const auto runReport = [&](int profile, const QString& currency) -> std::optional<std::pair<double, QString>> {
    ChooseOptions(profile, currency);
    view_.RunCommand(Cmd::kCameraPrice);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::vector<std::string> reports = Reports();
    if (reports.size() != 1u) {
      ADD_FAILURE() << reports.size() << " reports";
      return std::nullopt;
    }
    ExpectNamedAsNotOpened(reports[0]);
    EXPECT_EQ(fs::path(reports[0]).filename().string().rfind("camera-", 0), 0u) << reports[0];
    bool available = false;
    std::string problem;
    const QJsonObject dump = ReadXlsxBack(reports[0], available, problem);
    fs::remove_all(dir_.File("Reports"));
    if (!available || !problem.empty()) return std::nullopt;
    const QJsonObject cells = dump.value(QStringLiteral("cells")).toObject();
    const auto value = [&](const QString& cell) { return cells.value(cell).toObject().value(QStringLiteral("value")); };
    for (auto it = cells.begin(); it != cells.end(); ++it) {
      if (it.value().toObject().value(QStringLiteral("value")).toString() != QStringLiteral("Итого:")) continue;
      // The currency note stands in the row below the total.
      const int row = it.key().mid(1).toInt();
      return std::make_pair(value(QStringLiteral("G%1").arg(row)).toDouble(),
                            value(QStringLiteral("H%1").arg(row + 1)).toString());
    }
    ADD_FAILURE() << "no total row";
    return std::nullopt;
  };

  const auto roubles = runReport(1, QStringLiteral("RUB"));
  if (!roubles) GTEST_SKIP() << "no openpyxl to read the report";
  const CChamber& camera = view_.Camera();
  std::vector<WallPanelTally> walls, partitions;
  std::vector<FloorPanelTally> ceiling;
  ASSERT_TRUE(TallyWallPanels(camera, walls) && TallyPartitionPanels(camera, partitions) &&
              TallyFloorPanels(camera, ceiling));
  EXPECT_EQ(roubles->first,
            static_cast<double>(PricingCoreTotal(walls, partitions, ceiling, camera.WallCount(), camera.Height(),
                                                 camera.Width(), camera.Depth(), camera.Thickness(), 0.15)));
  EXPECT_TRUE(roubles->second.isEmpty());

  const auto euros = runReport(0, QStringLiteral("EUR"));
  ASSERT_TRUE(euros.has_value());
  EXPECT_EQ(euros->second, QStringLiteral("EUR, VAT excluded"));
  EXPECT_LT(euros->first, roubles->first);
  EXPECT_EQ(view_.Document().SaveBytes(), before);
}

// The options offer the coefficient last typed (a loaded camera is not
// priced with a value nobody saw) and remember the detailed estimate, which
// puts a second sheet into the report.
TEST_F(PriceCommandsTest, OptionsOfferTheLastCoefficientAndRememberTheDetailedEstimate) {
  CreateCamera(true);
  SetDealerCoefficient(0.15);
  QString offered;
  host_.OnDialog([&](QDialog& dialog) {
    auto* coefficient = dialog.findChild<QLineEdit*>(QString::fromLatin1(CExcelOutputDlg::kCoefficientName));
    offered = coefficient->text();
    coefficient->setText(QStringLiteral("0,2"));
    dialog.findChild<QCheckBox*>(QString::fromLatin1(CExcelOutputDlg::kDetailedName))->setChecked(true);
    ClickControl(dialog, Ctl::kOk);
  });
  view_.RunCommand(Cmd::kCameraPrice);
  EXPECT_EQ(offered, FormatDealerCoefficient(0.15));
  EXPECT_DOUBLE_EQ(DealerCoefficient(), 0.2);
  std::vector<std::string> reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  ExpectNamedAsNotOpened(reports[0]);
  bool available = false;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(reports[0], available, problem);
  if (available) {
    EXPECT_TRUE(dump.value(QStringLiteral("more_sheets")).toObject().contains(QStringLiteral("Подробная смета")));
    EXPECT_EQ(dump.value(QStringLiteral("cells")).toObject().value(QStringLiteral("G3")).toObject().value(
                  QStringLiteral("value")).toString(),
              QStringLiteral("Коэффициент дилера: 0.2"));
  }
  fs::remove_all(dir_.File("Reports"));

  bool detailed = false;
  host_.OnDialog([&](QDialog& dialog) {
    detailed = dialog.findChild<QCheckBox*>(QString::fromLatin1(CExcelOutputDlg::kDetailedName))->isChecked();
    ClickControl(dialog, Ctl::kCancel);
  });
  view_.RunCommand(Cmd::kCameraPrice);
  EXPECT_TRUE(detailed);
}

TEST_F(PriceCommandsTest, APriceListShowsItsProgressAndLeavesTheWindowsCameraAlone) {
  CreateCamera(true);
  const std::string before = view_.Document().SaveBytes();
  const size_t logSize = view_.Document().Log().size();
  CProgressWatcher watcher([](QProgressDialog& progress) { EXPECT_EQ(progress.maximum(), 360); });
  EXPECT_TRUE(view_.RunCommand(Cmd::kPriceList80));
  EXPECT_GT(watcher.seen, 0);
  EXPECT_EQ(view_.Document().Log().size(), logSize);
  EXPECT_EQ(view_.Document().SaveBytes(), before);
  EXPECT_EQ(view_.Camera().Width(), 2920);
  const std::vector<std::string> reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(fs::path(reports[0]).filename().string().rfind("pricelist-80-", 0), 0u) << reports[0];
  ExpectNamedAsNotOpened(reports[0]);
}

TEST_F(PriceCommandsTest, CancelInTheProgressDialogLeavesNoFile) {
  CreateCamera(true);
  CProgressWatcher watcher([](QProgressDialog& progress) { progress.cancel(); });
  view_.RunCommand(Cmd::kPriceList100);
  EXPECT_GT(watcher.seen, 0);
  EXPECT_TRUE(messages_.Empty());
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
