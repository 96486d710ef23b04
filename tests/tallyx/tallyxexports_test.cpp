// libTallyx as the send-camera dialog uses it: loaded by name around each
// showing, bound by export name, reading and writing "userdata.dat" in the
// current folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QSettings>
#include <QVBoxLayout>

#include <set>

#include "pluginlibrary.h"
#include "settings.h"
#include "testsupport.h"
#include "userdatafile.h"
#include "zamo_abi.h"

namespace {

// The remembered fields of the send-camera dialog, in the order it fills
// and collects them.
const int kFields[] = {1022, 1029, 1025, 1026, 1027, 1028, 1030};

class CSendForm : public QDialog {
 public:
  CSendForm() {
    auto* layout = new QVBoxLayout(this);
    for (const int id : kFields) {
      auto* combo = new QComboBox(this);
      combo->setEditable(true);
      combo->setObjectName(QString::number(id));
      layout->addWidget(combo);
    }
  }
  QComboBox* Combo(int id) { return findChild<QComboBox*>(QString::number(id)); }
};

class TallyxLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenZamoSettings()->clear(); }
  void TearDown() override {
    library_.Unload();
    OpenZamoSettings()->clear();
  }

  // One showing of the form: load, fill every field, let `type` change the
  // fields, then collect and write (Send) or not (Cancel), and unload.
  template <typename Typing>
  void ShowForm(Typing type, bool send = true) {
    ASSERT_TRUE(library_.Load(QStringLiteral("Tallyx"))) << library_.ErrorString().toStdString();
    CTallyxApi api;
    ASSERT_EQ(library_.Bind(api), nullptr);
    CSendForm form;
    for (const int id : kFields) EXPECT_EQ(api.FillCollected(&form, id), 1);
    EXPECT_EQ(api.FillCollected(&form, 1099), 0);
    QApplication::processEvents();
    type(form);
    if (send) {
      for (const int id : kFields) api.Collect(&form, id);
      EXPECT_EQ(api.WriteFileCollections(), 1);
    }
    library_.Unload();
  }

  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CPluginLibrary library_;
};

TEST_F(TallyxLibraryTest, TypedTextIsOfferedTheNextTime) {
  ShowForm([](CSendForm& form) {
    EXPECT_EQ(form.Combo(1022)->count(), 0);
    form.Combo(1022)->setEditText(QStringLiteral("Иван"));
    form.Combo(1028)->setEditText(QStringLiteral("ivan@example.com"));
  });
  EXPECT_EQ(OpenZamoSettings()->value(QStringLiteral("libTallyx.so")).toString(), QStringLiteral("1.0.0"));

  ShowForm([](CSendForm& form) {
    EXPECT_EQ(form.Combo(1022)->currentText(), QStringLiteral("Иван"));
    EXPECT_EQ(form.Combo(1028)->currentText(), QStringLiteral("ivan@example.com"));
    EXPECT_EQ(form.Combo(1029)->count(), 0);  // empty texts do not come back
    form.Combo(1022)->setEditText(QStringLiteral("Пётр"));
  });

  ShowForm([](CSendForm& form) {
    ASSERT_EQ(form.Combo(1022)->count(), 2);
    EXPECT_EQ(form.Combo(1022)->itemText(1), QStringLiteral("Пётр"));
    EXPECT_EQ(form.Combo(1022)->currentText(), QStringLiteral("Иван"));
  });
  std::vector<UserDataEntry> entries;
  ASSERT_EQ(ReadUserDataFile(dir_.File("userdata.dat"), entries), UserDataFileStatus::kRead);
  EXPECT_EQ(entries[0], (UserDataEntry{1022, "Иван"}));
}

TEST_F(TallyxLibraryTest, CancelRemembersNothing) {
  ShowForm([](CSendForm& form) { form.Combo(1022)->setEditText(QStringLiteral("Иван")); }, false);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir_.File("userdata.dat"))));
  ShowForm([](CSendForm& form) { EXPECT_EQ(form.Combo(1022)->count(), 0); }, false);
}

TEST(TallyxLibraryExports, OnlyTheNamedExportsAreVisible) {
  CPluginLibrary library;
  ASSERT_TRUE(library.Load(QStringLiteral("Tallyx")));
  std::set<std::string> symbols;
  if (!ExportedSymbols(library.FileName(), symbols)) GTEST_SKIP() << "no nm";
  EXPECT_EQ(symbols, ExportNames<CTallyxApi>());
}

}  // namespace
