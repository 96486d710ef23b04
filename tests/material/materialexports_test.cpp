// libMaterial as the program and the pricing library use it: loaded by
// name, bound by export name, reading its files from the current folder on
// every load.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <set>
#include <vector>

#include "materialfile.h"
#include "pluginlibrary.h"
#include "settings.h"
#include "testsupport.h"
#include "zamo_abi.h"

namespace {

// A caller-owned list behind the C string-list interface.
struct CNameList {
  std::vector<std::string> names{"stale"};
  ZamoStringList view{this, &CNameList::Clear, &CNameList::Append};

  static void Clear(void* context) { static_cast<CNameList*>(context)->names.clear(); }
  static void Append(void* context, const char* text) { static_cast<CNameList*>(context)->names.emplace_back(text); }
};

class MaterialLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenZamoSettings()->clear();
    qputenv("ZAMO_MESSAGE_LOG", QByteArray::fromStdString(dir_.File("messages.log")));
    std::string language = "1\nRu\n";
    for (int n = 1; n <= 234; ++n) language += std::to_string(n) + "\nL" + std::to_string(n) + "\n";
    WriteFileBytes(dir_.File("zamo.language"), language);
  }
  void TearDown() override {
    library_.Unload();
    qunsetenv("ZAMO_MESSAGE_LOG");
    OpenZamoSettings()->clear();
  }

  void Load() { ASSERT_TRUE(library_.Load(QStringLiteral("Material"))) << library_.ErrorString().toStdString(); }

  // Every export of the loaded library.
  CMaterialApi Api() {
    CMaterialApi api;
    EXPECT_EQ(library_.Bind(api), nullptr);  // names the missing export
    return api;
  }

  std::vector<std::string> Names() {
    CNameList list;
    const CMaterialApi api = Api();
    if (!api.GetProfiles) return {};
    const int32_t count = api.GetProfiles(&list.view);
    EXPECT_EQ(count, static_cast<int32_t>(list.names.size()));
    return list.names;
  }

  // The seven material types of the current profile.
  std::vector<int32_t> Getters() {
    const CMaterialApi api = Api();
    std::vector<int32_t> values;
    for (const MaterialGetterFn getter : {api.GetEWallTypeExt, api.GetEWallTypeInt, api.GetCeilTypeExt,
                                          api.GetCeilTypeInt, api.GetFloorTypeInt, api.GetFloorTypeExt,
                                          api.GetIWallType})
      values.push_back(getter ? getter() : -99);
    return values;
  }

  std::string Messages() { return ReadFileBytes(dir_.File("messages.log")); }

  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CPluginLibrary library_;
};

TEST_F(MaterialLibraryTest, AnswersFromTheProfileFileThroughItsExports) {
  WriteMaterialFile(dir_.File("MaterialArch.data"),
                    {{"Стандарт", {0, 1, 2, 0, 1, 2, 1}}, {"Пищевой", {2, 2, 1, 1, 0, 0, 2}}});
  Load();
  EXPECT_EQ(OpenZamoSettings()->value(QStringLiteral("libMaterial.so")).toString(), QStringLiteral("1.0.0"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Стандарт", "Пищевой"}));
  EXPECT_EQ(Getters(), (std::vector<int32_t>{0, 1, 2, 0, 1, 2, 1}));

  const SelectProfileFn select = Api().SelectProfile;
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(select(2), 0);  // one past the end: nothing changes
  EXPECT_EQ(Getters(), (std::vector<int32_t>{0, 1, 2, 0, 1, 2, 1}));
  EXPECT_EQ(select(1), 1);
  EXPECT_EQ(Getters(), (std::vector<int32_t>{2, 2, 1, 1, 0, 0, 2}));
  EXPECT_EQ(Messages(), "");
}

TEST_F(MaterialLibraryTest, EveryLoadReadsTheFileAnew) {
  WriteMaterialFile(dir_.File("MaterialArch.data"), {{"A", {}}, {"B", {1, 1, 1, 1, 1, 1, 1}}});
  Load();
  Api().SelectProfile(1);
  library_.Unload();

  WriteMaterialFile(dir_.File("MaterialArch.data"), {{"C", {2, 0, 0, 0, 0, 0, 0}}, {"D", {}}});
  Load();
  EXPECT_EQ(Names(), (std::vector<std::string>{"C", "D"}));
  EXPECT_EQ(Getters()[0], 2);  // the first profile is current again
}

TEST_F(MaterialLibraryTest, WithoutAFileThereIsNothingAndNoMessage) {
  Load();
  EXPECT_EQ(Names(), std::vector<std::string>{});
  EXPECT_EQ(Getters(), std::vector<int32_t>(7, 0));
  EXPECT_EQ(Api().SelectProfile(0), 0);
  EXPECT_EQ(Api().GetProfiles(nullptr), 0);
  EXPECT_EQ(Messages(), "");
}

TEST_F(MaterialLibraryTest, DamagedFileIsReportedOnLoadAndKept) {
  WriteFileBytes(dir_.File("MaterialArch.data"), "ZAMOMATERIALPROFILEDATX\x41");
  Load();
  EXPECT_EQ(Messages(), "Предупреждение\tОшибка чтения файла профилей материалов. Задайте профили заново.\n");
  EXPECT_EQ(Names(), std::vector<std::string>{});
  EXPECT_EQ(ReadFileBytes(dir_.File("MaterialArch.data")), "ZAMOMATERIALPROFILEDATX\x41");
}

TEST_F(MaterialLibraryTest, DialogUsesTheLanguageFileAndSaveWritesTheFile) {
  WriteMaterialFile(dir_.File("MaterialArch.data"), {{"A", {}}, {"B", {}}});
  Load();
  const ShowMaterialDlgFn show = Api().ShowMaterialDlg;
  ASSERT_NE(show, nullptr);
  QString title;
  QTimer::singleShot(0, [&title] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    dialog->findChild<QComboBox*>(QStringLiteral("1029"))->setEditText(QStringLiteral("Склад"));
    dialog->findChild<QComboBox*>(QStringLiteral("1043"))->setCurrentIndex(2);
    dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
  });
  show();
  EXPECT_EQ(title, QStringLiteral("L231"));
  // The last profile was shown, so that is the one renamed; CP1251 on disk.
  const std::string expected = std::string(kMaterialFileMagic) + "A" + std::string(29, '\0') +
                               "\xD1\xEA\xEB\xE0\xE4" + std::string(25, '\0') + "\x02" + std::string(3, '\0');
  EXPECT_EQ(ReadFileBytes(dir_.File("MaterialArch.data")), expected);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "Склад"}));
  EXPECT_EQ(Getters()[6], 2);
}

// Only the named exports may be visible: anything else of ours would bind
// to the program's or another library's copy of the shared helpers.
TEST(MaterialLibraryExports, OnlyTheNamedExportsAreVisible) {
  CPluginLibrary library;
  ASSERT_TRUE(library.Load(QStringLiteral("Material")));
  std::set<std::string> symbols;
  if (!ExportedSymbols(library.FileName(), symbols)) GTEST_SKIP() << "no nm";
  EXPECT_EQ(symbols, ExportNames<CMaterialApi>());
}

}  // namespace
