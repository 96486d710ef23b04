// The camera window's small dialogs give back what their commands can use:
// distances are never negative, the non-standard fix offers only standard
// lengths, and the price report cannot start without a material profile.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "controlids.h"
#include "dialogtestutil.h"
#include "exceloutputdlg.h"
#include "modifynonstanddlg.h"
#include "movewcdlg.h"
#include "newcontrolpointdlg.h"
#include "proemheightdlg.h"
#include "setintwalllength.h"

namespace {

class SmallEditDialogs : public ::testing::Test {
 protected:
  void SetUp() override { LoadShippedLanguage(); }
};

TEST_F(SmallEditDialogs, CornerDistanceAndEndNamesFollowTheWall) {
  using namespace Ctl::NewControlPoint;
  CNewControlPointDlg horizontal;
  horizontal.SetWallOrientation(0);
  horizontal.show();
  EXPECT_EQ(horizontal.windowTitle(), QStringLiteral("Установка угла"));
  EXPECT_EQ(Control<QRadioButton>(horizontal, kFromFirstEnd)->text(), QStringLiteral("От левого края"));
  EXPECT_EQ(Control<QRadioButton>(horizontal, kFromSecondEnd)->text(), QStringLiteral("От правого края"));
  EXPECT_TRUE(Control<QRadioButton>(horizontal, kFromFirstEnd)->isChecked());
  EXPECT_EQ(horizontal.focusWidget(), Control(horizontal, kDistance));
  // Letters and negative distances keep the dialog open (with a message
  // saying what is wrong); a distance goes through.
  for (const QString& refused : {QStringLiteral("abc"), QStringLiteral("-400")}) {
    TypeInto(horizontal, kDistance, refused);
    ClickControl(horizontal, Ctl::kOk);
    EXPECT_TRUE(horizontal.isVisible()) << refused.toStdString();
  }
  TypeInto(horizontal, kDistance, QStringLiteral("400"));
  ClickControl(horizontal, Ctl::kOk);
  ASSERT_EQ(horizontal.result(), QDialog::Accepted);
  EXPECT_EQ(horizontal.Distance(), 400);
  EXPECT_TRUE(horizontal.FromFirstEnd());

  CNewControlPointDlg vertical;
  vertical.SetWallOrientation(1);
  vertical.show();
  EXPECT_EQ(Control<QRadioButton>(vertical, kFromFirstEnd)->text(), QStringLiteral("От верхнего края"));
  EXPECT_EQ(Control<QRadioButton>(vertical, kFromSecondEnd)->text(), QStringLiteral("От нижнего края"));
  TypeInto(vertical, kDistance, QStringLiteral("1500"));
  ClickControl(vertical, kFromSecondEnd);
  ClickControl(vertical, Ctl::kOk);
  EXPECT_EQ(vertical.Distance(), 1500);
  EXPECT_FALSE(vertical.FromFirstEnd());
}

TEST_F(SmallEditDialogs, MoveDistanceIsNeverNegativeAndDirectionComesBack) {
  using namespace Ctl::MoveWall;
  CMoveWCDlg dialog;
  dialog.SetDirection(3);
  dialog.show();
  EXPECT_EQ(Control<QLineEdit>(dialog, kDistance)->text(), QString());
  TypeInto(dialog, kDistance, QStringLiteral("-250"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.Distance(), 0);
  EXPECT_EQ(dialog.Direction(), 3);

  CMoveWCDlg typed;
  typed.show();
  TypeInto(typed, kDistance, QStringLiteral("750"));
  QTest::keyClick(Control(typed, kDistance), Qt::Key_Return);
  EXPECT_EQ(typed.result(), QDialog::Accepted);
  EXPECT_EQ(typed.Distance(), 750);
}

TEST_F(SmallEditDialogs, PartitionLengthStartsFromTheCallersValue) {
  using namespace Ctl::PartitionLength;
  CSetIntWallLength dialog;
  dialog.SetLength(2500);
  dialog.show();
  EXPECT_EQ(Control<QLineEdit>(dialog, kLength)->text(), QStringLiteral("2500"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.Length(), 2500);

  CSetIntWallLength typed;
  typed.SetLength(2500);
  typed.show();
  TypeInto(typed, kLength, QStringLiteral("1800mm"));
  ClickControl(typed, Ctl::kOk);
  EXPECT_EQ(typed.Length(), 1800);

  CSetIntWallLength cancelled;
  cancelled.SetLength(2500);
  cancelled.show();
  TypeInto(cancelled, kLength, QStringLiteral("900"));
  QTest::keyClick(&cancelled, Qt::Key_Escape);
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_EQ(cancelled.Length(), 2500);
}

TEST_F(SmallEditDialogs, OpeningHeightStartsAt2040AndTakesOnlyUnsignedNumbers) {
  using namespace Ctl::OpeningHeight;
  CProemHeightDlg dialog;
  dialog.show();
  EXPECT_EQ(Control<QLineEdit>(dialog, kHeight)->text(), QStringLiteral("2040"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.Height(), 2040);

  for (const auto& [typed, expected] : {std::pair<const char*, int>{"2300", 2300},
                                        {"-5", 0},
                                        {"abc", 0},
                                        {"99999999999", 0}}) {
    CProemHeightDlg other;
    other.show();
    TypeInto(other, kHeight, QString::fromUtf8(typed));
    ClickControl(other, Ctl::kOk);
    EXPECT_EQ(other.Height(), expected) << typed;
  }
}

struct NonStandardCase {
  int length;
  int down;
  int up;
  bool downEnabled;
  bool upEnabled;
};

class NonStandardFix : public SmallEditDialogs, public ::testing::WithParamInterface<NonStandardCase> {};

TEST_P(NonStandardFix, OffersTheStandardLengthsAround) {
  using namespace Ctl::NonStandard;
  const NonStandardCase& c = GetParam();
  CModifyNonStandDlg dialog;
  dialog.SetLength(c.length);
  dialog.show();
  auto* down = Control<QRadioButton>(dialog, kRoundDown);
  auto* up = Control<QRadioButton>(dialog, kRoundUp);
  EXPECT_EQ(down->text(), QStringLiteral("Стандартную панель %1").arg(c.down));
  EXPECT_EQ(up->text(), QStringLiteral("Стандартную панель %1").arg(c.up));
  EXPECT_EQ(down->isEnabled(), c.downEnabled);
  EXPECT_EQ(up->isEnabled(), c.upEnabled);
  EXPECT_FALSE(Control<QRadioButton>(dialog, kKeep)->isChecked());
  EXPECT_FALSE(down->isChecked());
  EXPECT_FALSE(up->isChecked());

  ClickControl(dialog, kRoundUp);
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.Length(), c.upEnabled ? c.up : c.length);

  CModifyNonStandDlg roundedDown;
  roundedDown.SetLength(c.length);
  roundedDown.show();
  ClickControl(roundedDown, kRoundDown);
  ClickControl(roundedDown, Ctl::kOk);
  EXPECT_EQ(roundedDown.Length(), c.downEnabled ? c.down : c.length);

  CModifyNonStandDlg kept;
  kept.SetLength(c.length);
  kept.show();
  ClickControl(kept, Ctl::kOk);  // nothing chosen: the panel stays
  EXPECT_EQ(kept.Length(), c.length);
}

TEST_F(SmallEditDialogs, NonStandardFixShowsTheCameraSizeItLeadsToBeforeApply) {
  // Widening a 200 panel to 300 grows a 4000 camera to 4100.
  CModifyNonStandDlg dialog;
  dialog.SetLength(200);
  dialog.SetOuterSizePreview([](int32_t width) { return std::optional(std::pair(3800 + width, 2500)); });
  dialog.show();
  EXPECT_TRUE(dialog.PreviewText().isEmpty());
  ClickControl(dialog, Ctl::NonStandard::kRoundUp);
  EXPECT_EQ(dialog.PreviewText(), QStringLiteral("Камера станет 4100 x 2500 мм."));
  ClickControl(dialog, Ctl::NonStandard::kKeep);
  EXPECT_TRUE(dialog.PreviewText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, NonStandardFix,
                         ::testing::Values(NonStandardCase{1350, 1200, 1500, true, false},
                                           NonStandardCase{1000, 900, 1200, true, true},
                                           NonStandardCase{1200, 1200, 1500, true, true},
                                           // Rounding down would leave no panel at all.
                                           NonStandardCase{250, 0, 300, false, true}));

TEST_F(SmallEditDialogs, PriceReportCannotStartWithoutProfiles) {
  CExcelOutputDlg dialog;
  dialog.show();
  auto* ok = Control<QPushButton>(dialog, Ctl::kOk);
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_EQ(Control<QComboBox>(dialog, Ctl::ExcelOutput::kProfile)->count(), 0);
  ClickControl(dialog, Ctl::kOk);
  QTest::keyClick(&dialog, Qt::Key_Return);
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SmallEditDialogs, PriceReportProfileAndCurrency) {
  using namespace Ctl::ExcelOutput;
  CExcelOutputDlg dialog;
  dialog.SetProfileNames(std::vector<std::string>{"Стандарт", "Пищевой"});
  dialog.show();
  auto* profiles = Control<QComboBox>(dialog, kProfile);
  auto* currency = Control<QComboBox>(dialog, kCurrency);
  ASSERT_EQ(profiles->count(), 2);
  EXPECT_EQ(profiles->itemText(1), QStringLiteral("Пищевой"));
  EXPECT_EQ(profiles->currentIndex(), 0);
  ASSERT_EQ(currency->count(), 2);
  EXPECT_EQ(currency->itemText(0), QStringLiteral("RUB"));
  EXPECT_EQ(currency->itemText(1), QStringLiteral("EUR"));
  EXPECT_EQ(currency->currentIndex(), 0);  // the first language prices in roubles

  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.ProfileIndex(), 0);
  EXPECT_FALSE(dialog.Euro());

  CExcelOutputDlg euro;
  euro.SetProfileNames(QStringList{QStringLiteral("A"), QStringLiteral("B")});
  euro.show();
  Control<QComboBox>(euro, kProfile)->setCurrentIndex(1);
  Control<QComboBox>(euro, kCurrency)->setCurrentIndex(1);
  ClickControl(euro, Ctl::kOk);
  EXPECT_EQ(euro.ProfileIndex(), 1);
  EXPECT_TRUE(euro.Euro());
}

TEST_F(SmallEditDialogs, PriceReportPictureGoesWithTheDetailedEstimateAndIsRemembered) {
  for (const bool expected : {true, false}) {
    CExcelOutputDlg dialog;
    dialog.SetProfileNames(std::vector<std::string>{"A"});
    dialog.show();
    auto* detailed = dialog.findChild<QCheckBox*>(QString::fromLatin1(CExcelOutputDlg::kDetailedName));
    auto* picture = dialog.findChild<QCheckBox*>(QString::fromLatin1(CExcelOutputDlg::kPictureName));
    ASSERT_TRUE(detailed && picture);
    EXPECT_EQ(picture->isChecked(), expected);  // on at first, then as last chosen
    detailed->setChecked(false);
    EXPECT_FALSE(picture->isEnabled());
    detailed->setChecked(true);
    EXPECT_TRUE(picture->isEnabled());
    picture->setChecked(false);
    ClickControl(dialog, Ctl::kOk);
    EXPECT_FALSE(dialog.EstimatePicture());
  }
}

TEST_F(SmallEditDialogs, ButtonsCarryTheCommonTexts) {
  CMoveWCDlg dialog;
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Передвинуть стену"));
  EXPECT_EQ(Control<QLabel>(dialog, Ctl::MoveWall::kDistanceLabel)->text(), QStringLiteral("Расстояние"));
  EXPECT_EQ(Control<QPushButton>(dialog, Ctl::kOk)->text(), QStringLiteral("Применить"));
  EXPECT_EQ(Control<QPushButton>(dialog, Ctl::kCancel)->text(), QStringLiteral("Отменить"));
  EXPECT_TRUE(Control<QPushButton>(dialog, Ctl::kOk)->isDefault());
}

}  // namespace
