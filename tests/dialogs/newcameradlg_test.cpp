// The new camera dialog hands on only cameras that can be built, and the
// dealer coefficient changes only when the dialog is confirmed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "controlids.h"
#include "dealercoefficient.h"
#include "dialogtestutil.h"
#include "languageentries.h"
#include "newcameradlg.h"
#include "languagetable.h"
#include "testsupport.h"

namespace {

using namespace Ctl::NewCamera;

class NewCameraDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    SetDealerCoefficient(0.25);
    dialog.show();
  }
  QString BoxText(int id) { return Control<QComboBox>(dialog, id)->currentText(); }

  CMessageRecorder messages;
  CNewCameraDlg dialog;
};

TEST_F(NewCameraDlgTest, OkAtOnceGivesTheSmallestCamera) {
  EXPECT_EQ(Control<QLineEdit>(dialog, kCoefficient)->text(), QStringLiteral("0.0"));
  EXPECT_TRUE(Control<QRadioButton>(dialog, kThickness80)->isChecked());
  ClickControl(dialog, Ctl::kOk);

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InnerLength(), 1280);
  EXPECT_EQ(dialog.InnerWidth(), 1280);
  EXPECT_EQ(dialog.InnerHeight(), 2040);
  EXPECT_EQ(dialog.Thickness(), 80);
  EXPECT_EQ(dialog.Article(), QString());
  EXPECT_EQ(dialog.Description(), QString());
  EXPECT_FALSE(dialog.NoFloor());
  EXPECT_FALSE(dialog.GeometryLocked());
  EXPECT_EQ(DealerCoefficient(), 0.0);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(NewCameraDlgTest, ThicknessSwitchRebuildsTheListsKeepsWhatWasTypedAndMovesWhatWasPicked) {
  TypeInto(dialog, kLength, QStringLiteral("3000"));
  Control<QComboBox>(dialog, kWidth)->setCurrentIndex(2);  // 1960 at 80 mm
  ClickControl(dialog, kThickness100);
  EXPECT_EQ(BoxText(kLength), QStringLiteral("3000"));
  EXPECT_EQ(BoxText(kWidth), QStringLiteral("2000"));  // the same inside size
  Control<QComboBox>(dialog, kLength)->setCurrentIndex(0);
  Control<QComboBox>(dialog, kWidth)->setCurrentIndex(0);
  EXPECT_EQ(BoxText(kHeight), QStringLiteral("2240"));
  auto* length = Control<QComboBox>(dialog, kLength);
  ASSERT_EQ(length->count(), 15);
  EXPECT_EQ(length->itemText(14), QStringLiteral("5600"));
  auto* height = Control<QComboBox>(dialog, kHeight);
  ASSERT_EQ(height->count(), 3);
  EXPECT_EQ(height->itemText(2), QStringLiteral("2760"));

  ClickControl(dialog, kThickness80);
  EXPECT_EQ(BoxText(kLength), QStringLiteral("1360"));
  EXPECT_EQ(length->itemText(14), QStringLiteral("5560"));
  EXPECT_EQ(height->itemText(1), QStringLiteral("2460"));

  ClickControl(dialog, kThickness100);
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.InnerLength(), 1300);
  EXPECT_EQ(dialog.InnerHeight(), 2040);
  EXPECT_EQ(dialog.Thickness(), 100);
}

TEST_F(NewCameraDlgTest, TypedSizesAndTextsAreHandedOn) {
  TypeInto(dialog, kArticle, QStringLiteral("XKM-3"));
  TypeInto(dialog, kLength, QStringLiteral("3000"));
  TypeInto(dialog, kWidth, QStringLiteral(" 2000 "));
  TypeInto(dialog, kHeight, QStringLiteral("2200"));
  TypeInto(dialog, kCoefficient, QStringLiteral("0,15"));
  Control<QPlainTextEdit>(dialog, kDescription)->setPlainText(QStringLiteral("Склад\nмолочной продукции"));
  ClickControl(dialog, kNoFloor);
  ClickControl(dialog, kGeometryLock);
  ClickControl(dialog, Ctl::kOk);

  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Article(), QStringLiteral("XKM-3"));
  EXPECT_EQ(dialog.Description(), QStringLiteral("Склад\nмолочной продукции"));
  EXPECT_EQ(dialog.OuterLength(), 3000);
  EXPECT_EQ(dialog.InnerLength(), 2920);
  EXPECT_EQ(dialog.InnerWidth(), 1920);
  EXPECT_EQ(dialog.InnerHeight(), 2040);
  EXPECT_TRUE(dialog.NoFloor());
  EXPECT_TRUE(dialog.GeometryLocked());
  EXPECT_DOUBLE_EQ(DealerCoefficient(), 0.15);
}

TEST_F(NewCameraDlgTest, SmallestAndLargestSizesAreAccepted) {
  TypeInto(dialog, kLength, QStringLiteral("100000"));
  TypeInto(dialog, kWidth, QStringLiteral("1360"));
  TypeInto(dialog, kHeight, QStringLiteral("1360"));
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InnerLength(), 99920);
  EXPECT_EQ(dialog.InnerWidth(), 1280);
  EXPECT_EQ(dialog.InnerHeight(), 1200);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(NewCameraDlgTest, CancelAndEscapeLeaveTheCoefficient) {
  TypeInto(dialog, kCoefficient, QStringLiteral("0.9"));
  ClickControl(dialog, Ctl::kCancel);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(DealerCoefficient(), 0.25);

  CNewCameraDlg again;
  again.show();
  TypeInto(again, kCoefficient, QStringLiteral("0.9"));
  QTest::keyClick(&again, Qt::Key_Escape);
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_EQ(DealerCoefficient(), 0.25);
}

TEST_F(NewCameraDlgTest, EnterConfirms) {
  TypeInto(dialog, kArticle, QStringLiteral("A1"));
  QTest::keyClick(Control(dialog, kArticle), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Article(), QStringLiteral("A1"));
}

TEST_F(NewCameraDlgTest, RefusalSaysWhatTheBoxTakes) {
  ClickControl(dialog, kThickness100);
  TypeInto(dialog, kWidth, QStringLiteral("1200"));
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text,
            QStringLiteral("Ширина: размер 1200 мм слишком мал. Введите размер в миллиметрах от 1400 до 100000."));

  // No camera is higher than the longest wall panel, or longer than 100 m.
  messages.Clear();
  TypeInto(dialog, kWidth, QStringLiteral("3000"));
  TypeInto(dialog, kHeight, QStringLiteral("12001"));
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_TRUE(messages.Messages()[0].text.endsWith(QStringLiteral("от 1400 до 12000.")))
      << messages.Messages()[0].text.toStdString();
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(NewCameraDlgTest, CoefficientTypedAsAPercentageIsTakenAsOneAndShownSo) {
  struct Case {
    const char* typed;
    double taken;  // < 0: refused
  };
  for (const Case c : {Case{"0.15", 0.15}, Case{"10", 0.10}, Case{"10 %", 0.10}, Case{"12,5%", 0.125},
                       Case{"100", -1}, Case{"150 %", -1}, Case{"-5", -1}}) {
    SCOPED_TRACE(c.typed);
    SetDealerCoefficient(0.25);
    messages.Clear();
    CNewCameraDlg fresh;
    fresh.show();
    TypeInto(fresh, kCoefficient, QString::fromUtf8(c.typed));
    ClickControl(fresh, Ctl::kOk);
    if (c.taken < 0) {
      EXPECT_TRUE(fresh.isVisible());
      ASSERT_EQ(messages.Messages().size(), 1u);
      EXPECT_EQ(DealerCoefficient(), 0.25);
    } else {
      EXPECT_EQ(fresh.result(), QDialog::Accepted);
      EXPECT_DOUBLE_EQ(DealerCoefficient(), c.taken);
      EXPECT_EQ(Control<QLineEdit>(fresh, kCoefficient)->text(), FormatDealerCoefficient(c.taken));
    }
  }
}

TEST_F(NewCameraDlgTest, CoefficientThatIsNoNumberIsRefused) {
  TypeInto(dialog, kCoefficient, QStringLiteral("0.1x"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_TRUE(messages.Messages()[0].text.startsWith(QStringLiteral("Коэффициент дил. скидки:")));
  EXPECT_EQ(dialog.focusWidget(), Control(dialog, kCoefficient));
  EXPECT_EQ(DealerCoefficient(), 0.25);

  TypeInto(dialog, kCoefficient, QString());  // an empty box means no coefficient
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(DealerCoefficient(), 0.0);
}

TEST_F(NewCameraDlgTest, TextsComeFromTheLanguageFileOrStayTheDefaults) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Новая камера"));
  EXPECT_EQ(Control<QLabel>(dialog, kLengthLabel)->text(), QStringLiteral("Длина"));
  EXPECT_EQ(Control<QPushButton>(dialog, Ctl::kOk)->text(), QStringLiteral("Создать камеру"));

  // A shorter language file: the entries up to Lang::kLengthLabel, that one
  // reading otherwise.
  std::string file = "1\nRu\n";
  for (int n = 1; n <= Lang::kLengthLabel; ++n)
    file += std::to_string(n) + "\n" + (n == Lang::kLengthLabel ? "Длина, мм" : "T" + std::to_string(n)) + "\n";
  ASSERT_TRUE(ModuleLanguage().LoadBytes(file, 0));
  CNewCameraDlg translated;
  translated.show();
  EXPECT_EQ(translated.windowTitle(), QStringLiteral("T88"));
  EXPECT_EQ(Control<QLabel>(translated, kLengthLabel)->text(), QStringLiteral("Длина, мм"));
  // Entries the file does not have keep the dialog's own texts.
  EXPECT_EQ(Control<QLabel>(translated, kWidthLabel)->text(), QStringLiteral("Ширина"));
  EXPECT_EQ(Control<QPushButton>(translated, Ctl::kOk)->text(), QStringLiteral("Создать камеру"));
}

// A refused size: which box, what was typed, the thickness chosen.
struct RefusedSize {
  int box;
  const char* text;
  bool thickness100;
  const char* boxName;
};

class NewCameraRefusal : public NewCameraDlgTest, public ::testing::WithParamInterface<RefusedSize> {};

TEST_P(NewCameraRefusal, NamesTheBoxAndStaysOpen) {
  const RefusedSize& c = GetParam();
  if (c.thickness100) ClickControl(dialog, kThickness100);
  TypeInto(dialog, kCoefficient, QStringLiteral("0.5"));
  TypeInto(dialog, c.box, QString::fromUtf8(c.text));
  ClickControl(dialog, Ctl::kOk);

  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(messages.Messages().size(), 1u);
  const MessageRequest& message = messages.Messages()[0];
  EXPECT_TRUE(message.text.startsWith(QString::fromUtf8(c.boxName) + QLatin1Char(':'))) << message.text.toStdString();
  EXPECT_EQ(message.caption, QStringLiteral("Неверный размер"));
  EXPECT_EQ(dialog.focusWidget(), Control(dialog, c.box));
  EXPECT_EQ(DealerCoefficient(), 0.25);  // nothing taken from a refused dialog

  // Mended, the same dialog goes through.
  TypeInto(dialog, c.box, QStringLiteral("2500"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(DealerCoefficient(), 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, NewCameraRefusal,
    ::testing::Values(RefusedSize{kLength, "abc", false, "Длина"}, RefusedSize{kWidth, "", false, "Ширина"},
                      RefusedSize{kHeight, "2200mm", false, "Высота"}, RefusedSize{kLength, "1359", false, "Длина"},
                      RefusedSize{kWidth, "1399", true, "Ширина"}, RefusedSize{kHeight, "1359", false, "Высота"},
                      RefusedSize{kHeight, "1399", true, "Высота"}, RefusedSize{kLength, "-3000", false, "Длина"},
                      RefusedSize{kWidth, "1000001", false, "Ширина"},
                      RefusedSize{kLength, "99999999999999999999999", false, "Длина"},
                      RefusedSize{kLength, "2,5", false, "Длина"}));

}  // namespace
