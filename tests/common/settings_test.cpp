// Version values and the pricing library folder are read by other modules
// and by the updater, so their names and the defaults group matter.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "settings.h"
#include "testsupport.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenZamoSettings()->clear(); }
  void TearDown() override { OpenZamoSettings()->clear(); }
};

TEST_F(SettingsTest, TestsNeverTouchTheUsersSettings) {
  const QString file = OpenZamoSettings()->fileName();
  EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << file.toStdString();
  EXPECT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
}

TEST_F(SettingsTest, VersionValueIsRewrittenEveryTime) {
  WriteVersionValue(QStringLiteral("zamo"), QStringLiteral("1.0.0.5"));
  WriteVersionValue(QStringLiteral("zamo"), QStringLiteral("1.0.0.5"));
  EXPECT_EQ(OpenZamoSettings()->value(QStringLiteral("zamo")).toString(), QStringLiteral("1.0.0.5"));
}

TEST_F(SettingsTest, QuotixFolderNeedsTheDefaultsGroup) {
  QString folder = QStringLiteral("untouched");
  EXPECT_FALSE(ReadQuotixFolder(folder));
  EXPECT_EQ(folder, QStringLiteral("untouched"));

  WriteQuotixFolderDefault();
  ASSERT_TRUE(ReadQuotixFolder(folder));
  EXPECT_EQ(folder, DefaultPluginFolder());
}

TEST_F(SettingsTest, GroupWithoutTheValueGivesAnEmptyFolder) {
  OpenZamoSettings()->setValue(QStringLiteral("Def/other"), 1);
  QString folder = QStringLiteral("x");
  ASSERT_TRUE(ReadQuotixFolder(folder));
  EXPECT_TRUE(folder.isEmpty());
}

TEST_F(SettingsTest, UnwritableStoreWarnsAndCarriesOn) {
  const QString file = OpenZamoSettings()->fileName();
  CMessageRecorder messages;
  WriteVersionValue(QStringLiteral("zamo"), QStringLiteral("1"));
  ASSERT_TRUE(messages.Empty());
  QFile::setPermissions(file, QFile::ReadOwner);
  if (QFile(file).open(QIODevice::WriteOnly | QIODevice::Append)) {
    GTEST_SKIP() << "running as a user that writes anywhere";
  }
  WriteVersionValue(QStringLiteral("zamo"), QStringLiteral("2"));
  QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, QStringLiteral("Cannot update registry key!"));
  EXPECT_EQ(messages.Messages()[0].caption, QStringLiteral("Warning"));
}

TEST(ModuleFileName, PlatformNames) {
#if defined(__linux__)
  EXPECT_EQ(ModuleFileName(QStringLiteral("Quotix")), QStringLiteral("libQuotix.so"));
#endif
}

}  // namespace
