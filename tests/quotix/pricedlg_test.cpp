// The price dialog: its controls by number, what it shows, and that saving
// stores every entry or nothing.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "languageentries.h"
#include "languagetable.h"
#include "pricedlg.h"
#include "pricedlgcontrols.h"
#include "testsupport.h"

#include <sys/stat.h>

namespace {

class PriceDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuleLanguage().LoadFile(SourceDataDir() + "/zamo.language", 0);
    path_ = dir_.File(CPriceTable::kFileName);
    CPriceTable stored;
    stored.Set(PriceEntry::kWallPanel80, 2500);
    stored.Set(PriceEntry::kMargin, 0.25);
    stored.Set(PriceEntry::kUnused20, 7);
    stored.Set(49, 9);
    ASSERT_FALSE(stored.Write(path_));
  }

  QLineEdit* Box(CPriceDlg& dialog, int control) { return dialog.findChild<QLineEdit*>(QString::number(control)); }
  void Click(CPriceDlg& dialog, int button) {
    dialog.findChild<QPushButton*>(QString::number(button))->click();
  }

  CScratchDir dir_;
  std::string path_;
  CMessageRecorder messages_;
  CPriceTable table_;
};

TEST_F(PriceDlgTest, EveryEntryHasItsNumberedBoxShowingTheFileWithTwoDecimals) {
  CPriceDlg dialog(table_, path_);
  EXPECT_TRUE(dialog.Loaded());
  EXPECT_EQ(dialog.objectName(), QStringLiteral("138"));
  for (const auto& box : PriceDlgControl::kEntryBoxes) {
    QLineEdit* edit = Box(dialog, box.control);
    ASSERT_TRUE(edit) << box.control;
    EXPECT_EQ(edit->text().toStdString(), box.entry == PriceEntry::kWallPanel80 ? "2500.00"
                                          : box.entry == PriceEntry::kMargin    ? "0.25"
                                                                                : "0.00")
        << box.control;
  }
  EXPECT_FALSE(Box(dialog, 1050));  // PriceEntry::kUnused20 has no box
  dialog.show();
  EXPECT_FALSE(Box(dialog, PriceDlgControl::kDealerDiscountBox)->isVisible());
  EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("1019"))->isVisible());
  EXPECT_TRUE(Box(dialog, 1027)->isVisible());
}

TEST_F(PriceDlgTest, TextsComeFromTheLanguageFile) {
  CPriceDlg dialog(table_, path_);
  const auto text = [](int entry) { return QString::fromStdString(ModuleLanguage().GetString(entry)); };
  EXPECT_EQ(dialog.windowTitle(), text(Lang::kPriceCaption));
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("1012"))->text(), text(Lang::kWallPanelsLabel));
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("1062"))->text(), text(Lang::kContainerDoor));
  EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("1041"))->title(), text(Lang::kThickness80Group));
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("1"))->text(), text(Lang::kOkButton));
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("2"))->text(), text(Lang::kCancelButton));
  // A label the language file has no entry for keeps the resource text.
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("1068"))->text(), QStringLiteral("Панели дверного проема"));
}

TEST_F(PriceDlgTest, SaveStoresEveryBoxAndKeepsEntriesWithoutOne) {
  CPriceDlg dialog(table_, path_);
  Box(dialog, 1027)->setText(QStringLiteral("2600,5"));
  Box(dialog, 1067)->setText(QStringLiteral(" 101.25 "));
  Box(dialog, 1035)->setText(QString());
  Click(dialog, PriceDlgControl::kSave);
  EXPECT_EQ(dialog.result(), CPriceDlg::kSaved);
  EXPECT_TRUE(messages_.Empty());
  CPriceTable stored;
  ASSERT_FALSE(stored.Read(path_));
  EXPECT_EQ(stored.Get(PriceEntry::kWallPanel80), 2600.5);
  EXPECT_EQ(stored.Get(PriceEntry::kEuroRate), 101.25);
  EXPECT_EQ(stored.Get(PriceEntry::kContainerDoor), 0);
  EXPECT_EQ(stored.Get(PriceEntry::kUnused20), 7);
  EXPECT_EQ(stored.Get(49), 9);
  EXPECT_EQ(table_.Get(PriceEntry::kWallPanel80), 2600.5);
}

TEST_F(PriceDlgTest, TextThatIsNoNumberIsReportedAndNothingIsSaved) {
  const std::string before = ReadFileBytes(path_);
  CPriceDlg dialog(table_, path_);
  dialog.show();
  Box(dialog, 1028)->setText(QStringLiteral("2500"));
  Box(dialog, 1036)->setText(QStringLiteral("86 000"));
  Click(dialog, PriceDlgControl::kSave);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_TRUE(messages_.Messages()[0].text.contains(QStringLiteral("86 000")));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(ReadFileBytes(path_), before);
  EXPECT_EQ(table_.Get(PriceEntry::kWallPanel100), 0);
}

TEST_F(PriceDlgTest, APriceOutOfRangeIsReportedAndNothingIsSaved) {
  const std::string before = ReadFileBytes(path_);
  for (const char* typed : {"-1", "1000000001", "1e300"}) {
    CPriceDlg dialog(table_, path_);
    dialog.show();
    messages_.Clear();
    Box(dialog, 1027)->setText(QString::fromLatin1(typed));
    Click(dialog, PriceDlgControl::kSave);
    ASSERT_EQ(messages_.Messages().size(), 1u) << typed;
    EXPECT_TRUE(messages_.Messages()[0].text.contains(QString::fromLatin1(typed))) << typed;
    EXPECT_TRUE(dialog.isVisible()) << typed;
    EXPECT_EQ(ReadFileBytes(path_), before) << typed;
    EXPECT_EQ(table_.Get(PriceEntry::kWallPanel80), 2500) << typed;
  }
}

TEST_F(PriceDlgTest, ADamagedEntryOpensBlank) {
  std::string bytes = ReadFileBytes(path_);
  bytes.replace(4 + PriceEntry::kWallPanel80 * 8, 8, std::string("\0\0\0\0\0\0\xf0\xff", 8));  // -inf
  WriteFileBytes(path_, bytes);
  CPriceDlg dialog(table_, path_);
  EXPECT_TRUE(dialog.Loaded());
  EXPECT_EQ(Box(dialog, 1027)->text(), QString());
  EXPECT_EQ(Box(dialog, 1045)->text(), QStringLiteral("0.25"));
}

TEST_F(PriceDlgTest, DiscardChangesNothing) {
  const std::string before = ReadFileBytes(path_);
  CPriceDlg dialog(table_, path_);
  Box(dialog, 1027)->setText(QStringLiteral("1"));
  Click(dialog, PriceDlgControl::kDiscard);
  EXPECT_EQ(dialog.result(), CPriceDlg::kDiscarded);
  EXPECT_EQ(ReadFileBytes(path_), before);
  EXPECT_EQ(table_.Get(PriceEntry::kWallPanel80), 2500);
}

TEST_F(PriceDlgTest, FileThatCannotBeWrittenIsReportedAndTheDialogStays) {
  // A read-only table is refused, for any user (root included).
  const std::string longPath = dir_.File(std::string(250, 'p'));
  WriteFileBytes(longPath, ReadFileBytes(path_));
  ::chmod(longPath.c_str(), 0444);
  CPriceDlg dialog(table_, longPath);
  dialog.show();
  Box(dialog, 1027)->setText(QStringLiteral("3000"));
  Click(dialog, PriceDlgControl::kSave);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(table_.Get(PriceEntry::kWallPanel80), 2500);
}

// Another program (zamo-cli prices set, a second window) may change the
// table while the dialog is open: saving writes the boxes changed here and
// keeps the other change.
TEST_F(PriceDlgTest, SaveKeepsWhatAnotherProgramChangedMeanwhile) {
  CPriceDlg dialog(table_, path_);
  CPriceTable other;
  ASSERT_FALSE(other.Read(path_));
  other.Set(PriceEntry::kEuroRate, 101.5);
  other.Set(PriceEntry::kWallPanel80, 2700);
  ASSERT_FALSE(other.Write(path_));
  Box(dialog, 1028)->setText(QStringLiteral("3100"));
  Click(dialog, PriceDlgControl::kSave);
  EXPECT_EQ(dialog.result(), CPriceDlg::kSaved);
  CPriceTable stored;
  ASSERT_FALSE(stored.Read(path_));
  EXPECT_EQ(stored.Get(PriceEntry::kWallPanel100), 3100);
  EXPECT_EQ(stored.Get(PriceEntry::kEuroRate), 101.5);
  EXPECT_EQ(stored.Get(PriceEntry::kWallPanel80), 2700);
  EXPECT_EQ(stored.Get(PriceEntry::kMargin), 0.25);
  EXPECT_EQ(table_.Get(PriceEntry::kEuroRate), 101.5);
}

TEST(PriceDlgInput, TypedNumbers) {
  double value = -1;
  EXPECT_TRUE(CPriceDlg::ParseTypedNumber(QString(), value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(CPriceDlg::ParseTypedNumber(QStringLiteral("0,05"), value));
  EXPECT_EQ(value, 0.05);
  EXPECT_TRUE(CPriceDlg::ParseTypedNumber(QStringLiteral("-1.5"), value));
  EXPECT_EQ(value, -1.5);
  for (const char* bad : {"abc", "12abc", "1 000", "1,000.5", "inf", "+5", "1e999"}) {
    EXPECT_FALSE(CPriceDlg::ParseTypedNumber(QString::fromLatin1(bad), value)) << bad;
  }
}

}  // namespace
