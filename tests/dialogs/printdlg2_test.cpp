// Print settings keep what the print command set unless the user types
// values a page can be printed with.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "controlids.h"
#include "dialogtestutil.h"
#include "printdlg2.h"
#include "testsupport.h"

namespace {

using namespace Ctl::PrintSettings;

class PrintDlg2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    PrintSettings typed;
    typed.fitToPage = false;
    typed.scaleDenominator = 50;
    dialog.Set(typed);
    dialog.show();
  }
  CMessageRecorder messages;
  PrintDlg2 dialog;
};

QCheckBox* FitBox(PrintDlg2& dialog) {
  return dialog.findChild<QCheckBox*>(QString::fromLatin1(PrintDlg2::kFitToPageName));
}

TEST_F(PrintDlg2Test, ConfirmedAtOnceKeepsThePresets) {
  EXPECT_EQ(Control<QLineEdit>(dialog, kScale)->text(), QStringLiteral("50"));
  EXPECT_EQ(Control<QLineEdit>(dialog, kFontSize)->text(), QStringLiteral("12.00"));
  EXPECT_FALSE(FitBox(dialog)->isChecked());
  ClickControl(dialog, Ctl::kOk);
  EXPECT_FALSE(dialog.Get().fitToPage);
  EXPECT_EQ(dialog.Get().scaleDenominator, 50);
  EXPECT_EQ(dialog.Get().fontPoints, 12.0);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(PrintDlg2Test, TypedScaleAsRatioAndFontWithEitherDecimalPoint) {
  TypeInto(dialog, kScale, QStringLiteral("1:75"));
  TypeInto(dialog, kFontSize, QStringLiteral("10,25"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Get().scaleDenominator, 75);
  EXPECT_DOUBLE_EQ(dialog.Get().fontPoints, 10.25);
}

TEST_F(PrintDlg2Test, FitToPageLeavesTheScaleAlone) {
  FitBox(dialog)->setChecked(true);
  EXPECT_FALSE(Control(dialog, kScale)->isEnabled());
  // A scale nobody can print is not read while the plan is fitted.
  Control<QLineEdit>(dialog, kScale)->setText(QStringLiteral("abc"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.Get().fitToPage);
  EXPECT_EQ(dialog.Get().scaleDenominator, 50);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(PrintDlg2Test, PreviewButtonAcceptsAndAsksForThePreview) {
  TypeInto(dialog, kScale, QStringLiteral("40"));
  dialog.findChild<QPushButton*>(QString::fromLatin1(PrintDlg2::kPreviewName))->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.PreviewRequested());
  EXPECT_EQ(dialog.Get().scaleDenominator, 40);
}

TEST_F(PrintDlg2Test, CancelGivesBackWhatWasSet) {
  TypeInto(dialog, kScale, QStringLiteral("3"));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.Get().scaleDenominator, 50);
  EXPECT_EQ(dialog.Get().fontPoints, 12.0);
}

TEST_F(PrintDlg2Test, ValuesThatCannotBePrintedAreRefused) {
  const struct {
    int box;
    const char* text;
    const char* name;
  } cases[] = {{kScale, "abc", "Масштаб 1:"},
               {kScale, "0", "Масштаб 1:"},
               {kScale, "-1", "Масштаб 1:"},
               {kScale, "1:1000000", "Масштаб 1:"},
               {kFontSize, "", "Размер шрифта панелей"},
               {kFontSize, "1e9", "Размер шрифта панелей"}};
  for (const auto& c : cases) {
    messages.Clear();
    TypeInto(dialog, kScale, QStringLiteral("2"));
    TypeInto(dialog, kFontSize, QStringLiteral("14"));
    TypeInto(dialog, c.box, QString::fromUtf8(c.text));
    ClickControl(dialog, Ctl::kOk);
    EXPECT_TRUE(dialog.isVisible()) << c.text;
    ASSERT_EQ(messages.Messages().size(), 1u) << c.text;
    EXPECT_TRUE(messages.Messages()[0].text.startsWith(QString::fromUtf8(c.name))) << c.text;
    EXPECT_EQ(dialog.focusWidget(), Control(dialog, c.box)) << c.text;
    EXPECT_EQ(dialog.Get().scaleDenominator, 50) << c.text;
    EXPECT_EQ(dialog.Get().fontPoints, 12.0) << c.text;
  }
}

TEST_F(PrintDlg2Test, ButtonTextsFollowTheLanguageFile) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Установка параметров печати"));
  EXPECT_EQ(Control<QPushButton>(dialog, Ctl::kOk)->text(), QStringLiteral("Применить"));
  LoadEmptyLanguage();
  PrintDlg2 defaults;
  defaults.show();
  EXPECT_EQ(Control<QPushButton>(defaults, Ctl::kOk)->text(), QStringLiteral("Сохранить"));
  EXPECT_EQ(Control<QPushButton>(defaults, Ctl::kCancel)->text(), QStringLiteral("Отмена"));
}

}  // namespace

TEST_F(PrintDlg2Test, The3dPictureOfTheTitleBlockIsOnUnlessSwitchedOff) {
  auto* picture = dialog.findChild<QCheckBox*>(QString::fromLatin1(PrintDlg2::kPicture3dName));
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->isChecked());
  picture->setChecked(false);
  ClickControl(dialog, Ctl::kOk);
  EXPECT_FALSE(dialog.Get().picture3d);
}
