// The components calculation: the lines the user puts together, and the
// panel and corner-post reports written through the real pricing library.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>

#include <filesystem>

#include "complcountdlg.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "languageentries.h"
#include "pluginlibrary.h"
#include "testsupport.h"
#include "xlsxreader.h"

namespace fs = std::filesystem;
using namespace Ctl::ComplCount;

namespace {

class ComplCountDlgTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    libraryDir_ = new CScratchDir;
    for (const char* file : {"zamo.language", "kryvel_logo.jpg", "PriceCntr.data"})
      fs::copy_file(SourceDataDir() + "/" + file, libraryDir_->File(file));
    CScopedCurrentDir cwd(libraryDir_->Path());
    quotix_ = new CPluginLibrary;
    ASSERT_TRUE(quotix_->Load(QStringLiteral("Quotix"))) << quotix_->ErrorString().toStdString();
  }
  static void TearDownTestSuite() {
    delete quotix_;
    delete libraryDir_;
  }

  void SetUp() override {
    LoadEmptyLanguage();
    dialog_.SetModules(quotix_, nullptr);
    dialog_.show();
  }

  void AddLine(int kindId, const QString& x, const QString& y, int thicknessId, const QString& count) {
    ClickControl(dialog_, kindId);
    ClickControl(dialog_, thicknessId);
    TypeInto(dialog_, kWidth, x);
    TypeInto(dialog_, kLength, y);
    TypeInto(dialog_, kCount, count);
    ClickControl(dialog_, kAdd);
  }
  QListWidget* List() const { return Control<QListWidget>(dialog_, kList); }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < List()->count(); ++i) lines << List()->item(i)->text();
    return lines;
  }
  std::vector<std::string> Reports() const {
    std::vector<std::string> files;
    if (fs::exists(dir_.File("Reports")))
      for (const auto& entry : fs::directory_iterator(dir_.File("Reports"))) files.push_back(entry.path().string());
    return files;
  }

  static inline CScratchDir* libraryDir_ = nullptr;
  static inline CPluginLibrary* quotix_ = nullptr;
  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
  CComplCountDlg dialog_;
};

TEST_F(ComplCountDlgTest, EachAddedLineNamesItsGroup) {
  AddLine(kWallPanel, QStringLiteral("1200"), QStringLiteral("2500"), kThickness80, QStringLiteral("3"));
  AddLine(kFloorPanel, QStringLiteral("600"), QStringLiteral("2500"), kThickness100, QStringLiteral("2"));
  AddLine(kCeilingPanel, QStringLiteral("900"), QStringLiteral("3000"), kThickness80, QStringLiteral("1"));
  EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Стеновая панель 1200 X 2500, толщина 80, 3 шт."),
                                  QStringLiteral("Половая панель 600 X 2500, толщина 100, 2 шт."),
                                  QStringLiteral("Потолочная панель 900 X 3000, толщина 80, 1 шт.")}));
  const std::vector<PanelGroup>& groups = dialog_.Groups();
  ASSERT_EQ(groups.size(), 3u);
  const auto fields = [](const PanelGroup& g) {
    return std::vector<int32_t>{g.count, g.width, g.length, g.door, g.kind, g.thickness};
  };
  EXPECT_EQ(fields(groups[0]), (std::vector<int32_t>{3, 1200, 2500, 0, kPanelGroupWall, 80}));
  EXPECT_EQ(fields(groups[1]), (std::vector<int32_t>{2, 600, 2500, 0, kPanelGroupFloor, 100}));
  EXPECT_EQ(fields(groups[2]), (std::vector<int32_t>{1, 900, 3000, 0, kPanelGroupCeiling, 80}));
  // The edits are emptied for the next line.
  EXPECT_TRUE(Control<QLineEdit>(dialog_, kWidth)->text().isEmpty());
  EXPECT_TRUE(messages_.Empty());
}

// Letters, zero or negative sizes and counts would price nonsense: each is
// named and adds no line.
TEST_F(ComplCountDlgTest, ASizeOrCountThatIsNotAPositiveNumberAddsNothing) {
  const char* const lines[][3] = {{"abc", "2500", "2"}, {"900", "-3000", "1"}, {"0", "2500", "1"}, {"900", "2500", "1x"}};
  for (const auto& line : lines) {
    AddLine(kWallPanel, QString::fromLatin1(line[0]), QString::fromLatin1(line[1]), kThickness80,
            QString::fromLatin1(line[2]));
  }
  EXPECT_TRUE(dialog_.Groups().empty());
  EXPECT_EQ(messages_.Messages().size(), 4u);
}

TEST_F(ComplCountDlgTest, AnEmptyBoxAddsNothing) {
  AddLine(kWallPanel, QStringLiteral("1200"), QStringLiteral(" "), kThickness80, QStringLiteral("3"));
  EXPECT_TRUE(dialog_.Groups().empty());
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kPanelInputMissing, Lang::kErrorCaption));
}

TEST_F(ComplCountDlgTest, DeleteSelectsTheNextLineAndTheLastLeavesNone) {
  for (const char* x : {"600", "900", "1200"})
    AddLine(kWallPanel, QString::fromLatin1(x), QStringLiteral("2500"), kThickness80, QStringLiteral("1"));
  List()->setCurrentRow(1);
  ClickControl(dialog_, kDelete);
  ASSERT_EQ(dialog_.Groups().size(), 2u);
  EXPECT_EQ(dialog_.Groups()[1].width, 1200);
  EXPECT_EQ(List()->currentRow(), 1);
  ClickControl(dialog_, kDelete);
  EXPECT_EQ(dialog_.Groups().size(), 1u);
  EXPECT_TRUE(List()->selectedItems().isEmpty());
  ClickControl(dialog_, kDelete);  // nothing selected: nothing goes
  EXPECT_EQ(dialog_.Groups().size(), 1u);
  ClickControl(dialog_, kClear);
  EXPECT_TRUE(dialog_.Groups().empty());
  EXPECT_EQ(List()->count(), 0);
}

TEST_F(ComplCountDlgTest, AnEmptyListStillGivesAReportAndTheListStays) {
  ClickControl(dialog_, kCalculate);
  EXPECT_EQ(Reports().size(), 1u);
  AddLine(kWallPanel, QStringLiteral("1200"), QStringLiteral("2500"), kThickness80, QStringLiteral("3"));
  ClickControl(dialog_, kCalculate);
  EXPECT_EQ(Reports().size(), 2u);
  EXPECT_EQ(dialog_.Groups().size(), 1u);
  // Opening is turned off here: each report is named in a message.
  ASSERT_EQ(messages_.Messages().size(), 2u);
  for (const auto& message : messages_.Messages()) EXPECT_TRUE(message.text.contains(QStringLiteral("components-")));
}

TEST_F(ComplCountDlgTest, CornerPostsArePricedFromTheirCountAndHeight) {
  ClickControl(dialog_, kCalculatePosts);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kPanelInputMissing, Lang::kErrorCaption));
  EXPECT_TRUE(Reports().empty());

  TypeInto(dialog_, kPostCount, QStringLiteral("6"));
  TypeInto(dialog_, kPostHeight, QStringLiteral("2300"));
  ClickControl(dialog_, kThickness100);
  ClickControl(dialog_, kCalculatePosts);
  ASSERT_EQ(Reports().size(), 1u);
  // Named as what it is, not as a camera's report.
  EXPECT_NE(Reports().front().find("corner-posts-"), std::string::npos) << Reports().front();
  bool available = false;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(Reports().front(), available, problem);
  if (!available) GTEST_SKIP() << "no openpyxl";
  ASSERT_TRUE(problem.empty()) << problem;
  const QJsonObject cells = dump.value(QStringLiteral("cells")).toObject();
  bool found = false;
  for (auto it = cells.begin(); it != cells.end(); ++it) {
    if (it.value().toObject().value(QStringLiteral("value")).toString() != QStringLiteral("Угловая стойка")) continue;
    const QString row = it.key().mid(1);
    const auto value = [&](const char* column) {
      return cells.value(QString::fromLatin1(column) + row).toObject().value(QStringLiteral("value")).toDouble();
    };
    EXPECT_EQ(value("D"), 100);
    EXPECT_EQ(value("E"), 2300);
    EXPECT_EQ(value("F"), 6);
    found = true;
  }
  EXPECT_TRUE(found) << "no corner-post row";
}

TEST(ComplCountDlgStart, WithoutTheMaterialsLibraryTheDialogIsNotShown) {
  CMessageRecorder messages;
  for (const char* library : {"NoSuchMaterial", "zamo_test_material_nodlg"}) {
    CComplCountDlg::Run(nullptr, nullptr, nullptr, QString::fromLatin1(library));
  }
  ASSERT_EQ(messages.Messages().size(), 2u);
  for (size_t i = 0; i < 2; ++i)
    EXPECT_EQ(messages.Entries(i), std::make_pair(Lang::kMaterialsModuleMissing, Lang::kErrorCaption));
}

}  // namespace
