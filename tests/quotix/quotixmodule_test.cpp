// Saving a report and handing it to the desktop: where it goes and when it
// is opened.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QSettings>
#include <QUrl>

#include <filesystem>
#include <functional>

#include "quotixmodule.h"
#include "settings.h"
#include "testsupport.h"

namespace {

// Stands in for the desktop's spreadsheet application.
class CUrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public Q_SLOTS:
  void Open(const QUrl& url) { opened.append(url); }
};

class QuotixModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder_, "Open");
    noOpen_ = qgetenv("ZAMO_NO_OPEN");
    qunsetenv("ZAMO_NO_OPEN");
  }
  void TearDown() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    qputenv("ZAMO_NO_OPEN", noOpen_);
    OpenZamoSettings()->remove(QString::fromLatin1(CQuotixModule::kOpenAfterSaveSetting));
  }

  QString Report() {
    module_.Session().InitXL(false, false);
    return module_.CloseXL();
  }

  CScratchDir dir_;
  CScopedCurrentDir current_{dir_.Path()};
  CUrlRecorder recorder_;
  CQuotixModule module_;
  QByteArray noOpen_;
};

TEST_F(QuotixModuleTest, SavedReportIsOpenedFromTheReportsFolder) {
  const QString path = Report();
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(dir_.QPath()).filePath(QStringLiteral("Reports")));
  EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("report-")));
  ASSERT_EQ(recorder_.opened.size(), 1);
  EXPECT_EQ(recorder_.opened[0], QUrl::fromLocalFile(path));
}

// Reports saved within one second, here or by other programs, each get a
// file of their own under the same naming pattern.
TEST_F(QuotixModuleTest, ReportsOfOneSecondKeepEveryFile) {
  qputenv("ZAMO_NO_OPEN", "1");
  QStringList paths;
  for (int i = 0; i < 4; ++i) paths << Report();
  paths.removeDuplicates();
  ASSERT_EQ(paths.size(), 4);
  for (const QString& path : paths) {
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("report-"))) << path.toStdString();
    EXPECT_EQ(ReadFileBytes(path.toStdString()).substr(0, 2), "PK") << path.toStdString();
  }
  EXPECT_EQ(QDir(QFileInfo(paths[0]).absolutePath()).entryList(QDir::Files).size(), 4);
}

TEST_F(QuotixModuleTest, NotOpenedWhenTheEnvironmentTheSettingOrTheCallerSaysNot) {
  qputenv("ZAMO_NO_OPEN", "1");
  EXPECT_FALSE(Report().isEmpty());
  qunsetenv("ZAMO_NO_OPEN");

  OpenZamoSettings()->setValue(QString::fromLatin1(CQuotixModule::kOpenAfterSaveSetting), false);
  EXPECT_FALSE(Report().isEmpty());
  OpenZamoSettings()->remove(QString::fromLatin1(CQuotixModule::kOpenAfterSaveSetting));

  module_.SetReportPath(dir_.File("chosen.xlsx").c_str(), false);
  EXPECT_EQ(Report(), QString::fromStdString(dir_.File("chosen.xlsx")));
  EXPECT_TRUE(recorder_.opened.isEmpty());

  // The choice holds for one report only.
  EXPECT_NE(Report(), QString::fromStdString(dir_.File("chosen.xlsx")));
  EXPECT_EQ(recorder_.opened.size(), 1);
}

TEST_F(QuotixModuleTest, LoadingReadsTheTableFromTheDataFolder) {
  CPriceTable stored;
  stored.Set(PriceEntry::kEuroRate, 99);
  ASSERT_FALSE(stored.Write(dir_.File(CPriceTable::kFileName)));
  module_.Session().Prices().Set(PriceEntry::kWallPanel80, 5);
  module_.Load();
  EXPECT_EQ(module_.Session().Prices().Get(PriceEntry::kEuroRate), 99);
  EXPECT_EQ(module_.Session().Prices().Get(PriceEntry::kWallPanel80), 0);
}

// A table that cannot be read, or holds no price where one is read, stops
// every report with a message instead of pricing at 0.
TEST_F(QuotixModuleTest, ATableThatCannotPriceRefusesReportsWithAMessage) {
  const std::string path = dir_.File(CPriceTable::kFileName);
  const std::string nan("\0\0\0\0\0\0\xf8\x7f", 8);
  const struct {
    const char* name;
    std::function<void()> make;
    const char* mentions;
  } cases[] = {
      {"folder", [&] { std::filesystem::create_directory(path); }, "PriceCntr.data"},
      {"nan", [&] { WriteFileBytes(path, "H10P" + std::string(16, '\0') + nan); }, "запись 2"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(path);
    c.make();
    CMessageRecorder messages;
    module_.Load();
    EXPECT_FALSE(module_.InitXL(false, true)) << c.name;
    ASSERT_EQ(messages.Messages().size(), 1u) << c.name;
    EXPECT_TRUE(messages.Messages()[0].text.contains(QString::fromUtf8(c.mentions)))
        << c.name << ": " << messages.Messages()[0].text.toStdString();
    EXPECT_TRUE(module_.CloseXL().isEmpty()) << c.name;
  }
  std::filesystem::remove_all(path);
  CPriceTable sound;
  sound.Set(PriceEntry::kWallPanel80, 2000);
  ASSERT_FALSE(sound.Write(path));
  module_.Load();
  EXPECT_TRUE(module_.InitXL(false, true));
}

}  // namespace

#include "quotixmodule_test.moc"
