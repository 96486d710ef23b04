// The wall division dialog changes its object only on Apply, and then only
// into a division whose panels add up to the object's length; the strip's
// heights come back in the order the cuts are built from.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <vector>

#include "chamber.h"
#include "collectdivdlg.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "floorstrip.h"
#include "languageentries.h"
#include "partition.h"
#include "testsupport.h"
#include "wallcollection.h"

namespace {

using namespace Ctl::WallDivision;
using Widths = std::vector<int32_t>;

Widths ListValues(const CCollectDivDlg& dialog, int id) {
  Widths values;
  const auto* list = Control<QListWidget>(dialog, id);
  for (int row = 0; row < list->count(); ++row) values.push_back(list->item(row)->text().toInt());
  return values;
}

QString LabelText(const CCollectDivDlg& dialog, int id) { return Control<QLabel>(dialog, id)->text(); }

Widths PanelWidths(const CWallCollection& wall) {
  Widths widths;
  for (const CWallPanel& panel : wall.Panels()) widths.push_back(panel.Width());
  return widths;
}

Widths PanelWidths(const CFloorStrip& strip) {
  Widths widths;
  for (const CFloorPanel& panel : strip.Panels()) widths.push_back(panel.Width());
  return widths;
}

void SelectRow(const CCollectDivDlg& dialog, int id, int row) { Control<QListWidget>(dialog, id)->setCurrentRow(row); }

class CollectDivDlg : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    wall_.Init(3000, 80, nullptr, Orientation::kHorizontal);
  }

  CWallCollection wall_;
  CMessageRecorder messages_;
};

TEST_F(CollectDivDlg, ThreeMetreWallIsBuiltFromTwoStandardPanelsAndTheRemainder) {
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Разбиение стены"));
  EXPECT_EQ(ListValues(dialog, kAvailable), (Widths{300, 600, 900, 1200}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("3000"));
  EXPECT_EQ(LabelText(dialog, kTotal), QStringLiteral("3000"));
  EXPECT_TRUE(ListValues(dialog, kChosen).empty());

  SelectRow(dialog, kAvailable, 3);
  ClickControl(dialog, kAdd);
  ClickControl(dialog, kAdd);  // the 1200 stays chosen while it fits
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{1200, 1200}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("600"));
  EXPECT_EQ(ListValues(dialog, kAvailable), (Widths{300, 600}));

  ClickControl(dialog, kAddRemainder);
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("0"));
  EXPECT_TRUE(ListValues(dialog, kAvailable).empty());
  EXPECT_FALSE(Control(dialog, kAdd)->isEnabled());
  EXPECT_TRUE(wall_.Panels().empty()) << "nothing changes before Apply";

  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(messages_.Empty());
  EXPECT_EQ(PanelWidths(wall_), (Widths{1200, 1200, 600}));
  EXPECT_EQ(wall_.PanelAt(0)->Kind(), kPanelStandard);
  EXPECT_EQ(wall_.PanelAt(2)->Kind(), kPanelOtherWidth);
  EXPECT_EQ(dialog.AppliedWidths(), (Widths{1200, 1200, 600}));
  EXPECT_TRUE(dialog.Heights().empty());
}

TEST_F(CollectDivDlg, EntriesGoInAfterTheSelectedOneAndDeleteGivesTheirLengthBack) {
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  SelectRow(dialog, kAvailable, 0);
  ClickControl(dialog, kAdd);  // 300
  SelectRow(dialog, kAvailable, 3);
  ClickControl(dialog, kAdd);  // 1200 after the 300
  SelectRow(dialog, kChosen, 0);
  SelectRow(dialog, kAvailable, 1);
  ClickControl(dialog, kAdd);  // 600 between them
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{300, 600, 1200}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("900"));

  // The Delete key and the button alike; the entry now at the same place is
  // selected, or the last one.
  SelectRow(dialog, kChosen, 1);
  QTest::keyClick(Control(dialog, kChosen), Qt::Key_Delete);
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{300, 1200}));
  EXPECT_EQ(Control<QListWidget>(dialog, kChosen)->currentRow(), 1);
  ClickControl(dialog, kDelete);
  ClickControl(dialog, kDelete);
  EXPECT_TRUE(ListValues(dialog, kChosen).empty());
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("3000"));
  EXPECT_FALSE(Control(dialog, kDelete)->isEnabled());

  // Enter on the available list adds, and does not close the dialog until
  // nothing is left to add.
  SelectRow(dialog, kAvailable, 2);
  QTest::keyClick(Control(dialog, kAvailable), Qt::Key_Return);
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{900}));
  EXPECT_TRUE(dialog.isVisible());
  SelectRow(dialog, kAvailable, 3);
  for (int i = 0; i < 2; ++i) QTest::keyClick(Control(dialog, kAvailable), Qt::Key_Return);
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{900, 1200, 900}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(messages_.Empty());
  QTest::keyClick(Control(dialog, kAvailable), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(PanelWidths(wall_), (Widths{900, 1200, 900}));
}

TEST_F(CollectDivDlg, ExactSizeOutsideOneToTheUnallocatedLengthIsRefusedAndChangesNothing) {
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  SelectRow(dialog, kAvailable, 3);
  ClickControl(dialog, kAdd);  // 1800 left
  auto* check = Control<QCheckBox>(dialog, kExactCheck);
  EXPECT_FALSE(check->isChecked());
  EXPECT_FALSE(Control(dialog, kAddExact)->isEnabled());

  for (const char* typed : {"1801", "0", "-5", "", "abc", "12abc", "99999999999999999999"}) {
    messages_.Clear();
    TypeInto(dialog, kExactSize, QString::fromUtf8(typed));
    EXPECT_TRUE(check->isChecked()) << "typing ticks the box";
    ClickControl(dialog, kAddExact);
    ASSERT_EQ(messages_.Messages().size(), 1u) << typed;
    EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kExactSizeOutOfRange, Lang::kInvalidSizeCaption)) << typed;
    EXPECT_EQ(ListValues(dialog, kChosen), (Widths{1200})) << typed;
    EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("1800")) << typed;
  }

  messages_.Clear();
  TypeInto(dialog, kExactSize, QStringLiteral("1800"));
  ClickControl(dialog, kAddExact);
  EXPECT_TRUE(messages_.Empty());
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{1200, 1800}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("0"));
  EXPECT_FALSE(check->isChecked());
  EXPECT_FALSE(Control(dialog, kAddExact)->isEnabled());
}

TEST_F(CollectDivDlg, ExactSizeBoxTicksItsBoxOnFocusResetsOnUntickAndAddsOnEnter) {
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* check = Control<QCheckBox>(dialog, kExactCheck);
  auto* edit = Control<QLineEdit>(dialog, kExactSize);

  edit->setFocus();
  EXPECT_TRUE(check->isChecked());
  EXPECT_TRUE(Control(dialog, kAddExact)->isEnabled());
  edit->setText(QStringLiteral("1234"));
  ClickControl(dialog, kExactCheck);
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(edit->text(), QStringLiteral("300"));
  EXPECT_FALSE(Control(dialog, kAddExact)->isEnabled());

  TypeInto(dialog, kExactSize, QStringLiteral("750"));
  QTest::keyClick(edit, Qt::Key_Return);
  TypeInto(dialog, kExactSize, QStringLiteral("250"));
  QTest::keyClick(edit, Qt::Key_Enter);
  EXPECT_TRUE(dialog.isVisible()) << "Enter in the box adds, it does not apply";
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{750, 250}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("2000"));
  EXPECT_TRUE(messages_.Empty());
}

TEST_F(CollectDivDlg, AutoFillListsTheAutomaticDivisionOfTheWholeObject) {
  CPartition partition;
  partition.Init(-2900, 80, nullptr, Orientation::kVertical);
  CCollectDivDlg dialog;
  dialog.SetObject(&partition);
  dialog.show();
  SelectRow(dialog, kAvailable, 0);
  ClickControl(dialog, kAdd);
  ClickControl(dialog, kAutoFill);
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{1200, 1200, 500}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("0"));
  EXPECT_TRUE(partition.Panels().empty());
  ClickControl(dialog, Ctl::kOk);
  EXPECT_TRUE(messages_.Empty()) << "nothing is left to ask about";
  EXPECT_EQ(PanelWidths(partition), (Widths{1200, 1200, 500}));

  // A strip gets its edge panels, which run under the walls.
  CChamber camera;
  ASSERT_TRUE(camera.Create(3000, 2000, 2200, 100));
  CFloorStrip* strip = camera.FloorStripAt(0);
  ASSERT_NE(strip, nullptr);
  strip->ClearPanels();
  CCollectDivDlg stripDialog;
  stripDialog.SetObject(strip);
  stripDialog.SetHeight(strip->PanelLength());
  stripDialog.show();
  ClickControl(stripDialog, kAutoFill);
  EXPECT_EQ(ListValues(stripDialog, kChosen), (Widths{1000, 1100, 1000}));

  // One too short for edge panels is still filled completely.
  CFloorStrip shortStrip(&camera);
  ASSERT_TRUE(shortStrip.SetRect(0, 0, 1350, 2000));
  CCollectDivDlg shortDialog;
  shortDialog.SetObject(&shortStrip);
  shortDialog.show();
  ClickControl(shortDialog, kAutoFill);
  EXPECT_EQ(ListValues(shortDialog, kChosen), (Widths{1200, 150}));
  EXPECT_EQ(LabelText(shortDialog, kUnallocated), QStringLiteral("0"));
}

TEST_F(CollectDivDlg, ApplyWithLengthLeftAsksAndOnlyYesCompletesTheRun) {
  wall_.Init(2900, 80, nullptr, Orientation::kHorizontal);
  wall_.AppendPanel(2900);
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  ClickControl(dialog, kClear);
  SelectRow(dialog, kAvailable, 1);
  ClickControl(dialog, kAdd);
  ClickControl(dialog, kAdd);

  messages_.Answer(kMessageNo);
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kLengthNotAllocated, Lang::kAttentionCaption));
  EXPECT_EQ(messages_.Messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(messages_.Messages()[0].text.endsWith(QLatin1Char('?'))) << "Yes and No answer a question";
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(PanelWidths(wall_), (Widths{2900}));
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{600, 600}));

  messages_.Answer(kMessageYes);
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(PanelWidths(wall_), (Widths{600, 600, 1200, 500}));
  EXPECT_EQ(dialog.AppliedWidths(), (Widths{600, 600, 1200, 500}));
}

TEST_F(CollectDivDlg, ClearGivesBackTheFullLengthOfADividedObject) {
  wall_.AutoFill();
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  EXPECT_EQ(ListValues(dialog, kChosen), (Widths{1200, 1200, 600}));
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("0"));
  ClickControl(dialog, kClear);
  EXPECT_TRUE(ListValues(dialog, kChosen).empty());
  EXPECT_EQ(LabelText(dialog, kUnallocated), QStringLiteral("3000"));
  EXPECT_EQ(ListValues(dialog, kAvailable), (Widths{300, 600, 900, 1200}));
  ClickControl(dialog, Ctl::kCancel);
  EXPECT_EQ(PanelWidths(wall_), (Widths{1200, 1200, 600})) << "Cancel keeps the division";
  EXPECT_TRUE(dialog.AppliedWidths().empty());

  CFloorStrip strip;
  ASSERT_TRUE(strip.SetRect(0, 0, 3100, 2000));
  ASSERT_TRUE(strip.DivideManually(Widths{}));
  CCollectDivDlg stripDialog;
  stripDialog.SetObject(&strip);
  stripDialog.show();
  EXPECT_EQ(LabelText(stripDialog, kUnallocated), QStringLiteral("0"));
  ClickControl(stripDialog, kClear);
  EXPECT_EQ(LabelText(stripDialog, kUnallocated), QStringLiteral("3100"));
}

TEST_F(CollectDivDlg, WallLeftShortOrOverfullByAnEditShowsItsTrueGap) {
  // An outline edit changes a wall's length under its panels.
  wall_.AppendPanel(1200);
  CCollectDivDlg shortDialog;
  shortDialog.SetObject(&wall_);
  shortDialog.show();
  EXPECT_EQ(LabelText(shortDialog, kUnallocated), QStringLiteral("1800"));

  wall_.AppendPanel(1200);
  wall_.AppendPanel(1200);
  CCollectDivDlg overDialog;
  overDialog.SetObject(&wall_);
  overDialog.show();
  EXPECT_EQ(LabelText(overDialog, kUnallocated), QStringLiteral("-600"));
  ClickControl(overDialog, Ctl::kOk);
  EXPECT_EQ(messages_.Messages().size(), 1u);
  EXPECT_TRUE(overDialog.isVisible());
  EXPECT_EQ(PanelWidths(wall_), (Widths{1200, 1200, 1200}));
  ClickControl(overDialog, kDelete);
  ClickControl(overDialog, Ctl::kOk);
  EXPECT_EQ(overDialog.result(), QDialog::Accepted);
  EXPECT_EQ(PanelWidths(wall_), (Widths{1200, 1200, 600}));
}

TEST_F(CollectDivDlg, StripDivisionAndHeightsComeBackAsCutPiecesRestFirst) {
  CFloorStrip strip;
  ASSERT_TRUE(strip.SetRect(0, 0, 3100, 3300));
  CCollectDivDlg dialog;
  dialog.SetObject(&strip);
  dialog.SetHeight(strip.PanelLength());
  dialog.show();
  EXPECT_EQ(LabelText(dialog, kTotal), QStringLiteral("3100"));
  EXPECT_EQ(LabelText(dialog, kTotalHeight), QStringLiteral("3300"));
  EXPECT_EQ(LabelText(dialog, kUnallocatedHeight), QStringLiteral("3300"));

  // Refused heights change nothing.
  for (const auto& [typed, entry] : std::vector<std::pair<QString, int>>{{QStringLiteral("3301"), Lang::kHeightAboveTotal},
                                                                         {QStringLiteral("abc"), 0},
                                                                         {QStringLiteral("0"), 0},
                                                                         {QString(), 0}}) {
    messages_.Clear();
    TypeInto(dialog, kHeight, typed);
    ClickControl(dialog, kAddHeight);
    ASSERT_EQ(messages_.Messages().size(), 1u) << typed.toStdString();
    EXPECT_EQ(messages_.Entries(0).first, entry) << typed.toStdString();
    EXPECT_EQ(messages_.Messages()[0].caption, QStringLiteral("Неверная высота"));
    EXPECT_TRUE(ListValues(dialog, kHeights).empty());
  }
  messages_.Clear();
  TypeInto(dialog, kHeight, QStringLiteral("2000"));
  ClickControl(dialog, kAddHeight);
  EXPECT_EQ(Control<QLineEdit>(dialog, kHeight)->text(), QString());
  TypeInto(dialog, kHeight, QStringLiteral("1400"));
  ClickControl(dialog, kAddHeight);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kHeightAboveRemaining, Lang::kInvalidHeightCaption));
  TypeInto(dialog, kHeight, QStringLiteral("1000"));
  QTest::keyClick(Control(dialog, kHeight), Qt::Key_Return);
  TypeInto(dialog, kHeight, QStringLiteral("100"));
  ClickControl(dialog, kAddHeight);
  EXPECT_EQ(ListValues(dialog, kHeights), (Widths{2000, 1000, 100}));
  SelectRow(dialog, kHeights, 2);
  QTest::keyClick(Control(dialog, kHeights), Qt::Key_Delete);
  EXPECT_EQ(ListValues(dialog, kHeights), (Widths{2000, 1000}));
  EXPECT_EQ(LabelText(dialog, kUnallocatedHeight), QStringLiteral("300"));

  SelectRow(dialog, kAvailable, 2);
  ClickControl(dialog, kAdd);  // 900, the strip completes the rest
  messages_.Clear();
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kLengthNotAllocated, Lang::kAttentionCaption));
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(PanelWidths(strip), (Widths{900, 1200, 900, 100}));
  EXPECT_EQ(dialog.AppliedWidths(), (Widths{900, 1200, 900, 100}));
  EXPECT_EQ(dialog.Heights(), (Widths{300, 1000, 2000}));

  // As the split command hands them on: the pieces from the top edge down.
  ASSERT_TRUE(strip.SetCuts(dialog.Heights()));
  EXPECT_EQ(strip.PieceLengths(), (Widths{300, 1000, 2000}));
}

TEST_F(CollectDivDlg, WallHasNoHeightsToCut) {
  CCollectDivDlg dialog;
  dialog.SetObject(&wall_);
  dialog.show();
  EXPECT_EQ(LabelText(dialog, kTotalHeight), QStringLiteral("0"));
  EXPECT_FALSE(Control(dialog, kHeight)->isEnabled());
  EXPECT_FALSE(Control(dialog, kAddHeight)->isEnabled());
  dialog.SetHeight(0);
  ClickControl(dialog, kAutoFill);
  ClickControl(dialog, Ctl::kOk);
  EXPECT_TRUE(dialog.Heights().empty());
}

TEST_F(CollectDivDlg, NoTextIsCut) {
  CFloorStrip strip;
  ASSERT_TRUE(strip.SetRect(0, 0, 4900, 2400));
  strip.DivideManually(Widths{});
  CCollectDivDlg stripDialog;
  stripDialog.SetObject(&strip);
  stripDialog.SetHeight(strip.PanelLength());
  CCollectDivDlg wallDialog;
  wallDialog.SetObject(&wall_);
  const QString folder = qEnvironmentVariable("ZAMO_DIALOG_SHOTS");
  for (const auto& [dialog, name] : {std::pair<CCollectDivDlg*, QString>{&stripDialog, QStringLiteral("walldivision-strip")},
                                     {&wallDialog, QStringLiteral("walldivision-wall")}}) {
    dialog->show();
    for (const QWidget* child : dialog->findChildren<QWidget*>()) {
      if (!child->isVisible()) continue;
      if (qobject_cast<const QLabel*>(child) || qobject_cast<const QAbstractButton*>(child)) {
        EXPECT_GE(child->width(), child->minimumSizeHint().width())
            << name.toStdString() << ": control " << child->objectName().toStdString() << " is cut";
      }
    }
    if (!folder.isEmpty()) {
      QDir().mkpath(folder);
      dialog->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
  }
}

}  // namespace
