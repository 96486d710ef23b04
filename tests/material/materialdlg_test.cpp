// The material dialog as the user drives it, control by control number:
// which profile is current, what Save stores, and what is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "languageentries.h"
#include "languagetable.h"
#include "materialcontrols.h"
#include "materialdlg.h"
#include "profilelist.h"
#include "testsupport.h"

namespace {

using MaterialCtl::kMaterialBoxes;

// A table in which entry n reads "Tn".
void LoadNumberedTable() {
  std::string file = "1\nRu\n";
  for (int n = 1; n <= Lang::kLastEntry; ++n) file += std::to_string(n) + "\nT" + std::to_string(n) + "\n";
  ASSERT_TRUE(ModuleLanguage().LoadBytes(file, 0));
}

QString T(int entry) { return QStringLiteral("T%1").arg(entry); }

template <typename Widget>
Widget* Control(QWidget* dialog, int id) {
  Widget* widget = dialog ? dialog->findChild<Widget*>(QString::number(id)) : nullptr;
  EXPECT_NE(widget, nullptr) << "control " << id;
  return widget;
}

void Click(QWidget* dialog, int id) {
  if (auto* button = Control<QPushButton>(dialog, id)) button->click();
}

// Acts on the next modal dialog once its event loop runs.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

// Answers the new-profile dialog with `name` (OK) or cancels it.
void AnswerNewProfile(const QString& name, bool ok = true) {
  WhenModal([name, ok](QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), QString::number(MaterialCtl::kNewProfileDialog));
    Control<QLineEdit>(dialog, MaterialCtl::kNameEdit)->setText(name);
    Click(dialog, ok ? MaterialCtl::kOkButton : MaterialCtl::kCancelButton);
  });
}

std::array<int, kMaterialSlotCount> ShownSlots(QWidget* dialog) {
  std::array<int, kMaterialSlotCount> shown{};
  for (size_t i = 0; i < kMaterialSlotCount; ++i) shown[i] = Control<QComboBox>(dialog, kMaterialBoxes[i])->currentIndex();
  return shown;
}

class MaterialDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadNumberedTable();
    profiles_.Assign({{"A", {0, 1, 2, 0, 1, 2, 0}}, {"B", {2, 2, 2, 2, 2, 2, 2}}, {"C", {1, 0, 1, 0, 1, 0, 2}}});
  }

  CProfileList profiles_;
  CMessageRecorder messages_;
};

TEST_F(MaterialDlgTest, ShowsTheLanguageTexts) {
  CMaterialDlg dialog(profiles_);
  EXPECT_EQ(dialog.windowTitle(), T(Lang::kMaterialCaption));
  EXPECT_EQ(Control<QLabel>(&dialog, MaterialCtl::kFloorInnerLabel)->text(), T(Lang::kInnerSkinLabel));
  EXPECT_EQ(Control<QLabel>(&dialog, MaterialCtl::kCeilingOuterLabel)->text(), T(Lang::kOuterSkinLabel));
  EXPECT_EQ(Control<QLabel>(&dialog, MaterialCtl::kPartitionsLabel)->text(), T(Lang::kPartitionsLabel));
  EXPECT_EQ(Control<QGroupBox>(&dialog, MaterialCtl::kCeilingGroup)->title(), T(Lang::kCeilingLabel));
  EXPECT_EQ(Control<QPushButton>(&dialog, MaterialCtl::kSaveButton)->text(), T(Lang::kOkButton));
  for (const int id : kMaterialBoxes) {
    auto* box = Control<QComboBox>(&dialog, id);
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), T(Lang::kMaterialType0));
    EXPECT_EQ(box->itemText(2), T(Lang::kMaterialType2));
  }
}

TEST_F(MaterialDlgTest, KeepsItsOwnTextsWithoutALanguageFile) {
  ModuleLanguage().LoadBytes("1\nRu\n", 0);
  CMaterialDlg dialog(profiles_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Материал построения камеры"));
  EXPECT_EQ(Control<QPushButton>(&dialog, MaterialCtl::kDeleteProfileButton)->text(), QStringLiteral("Удалить профиль"));
}

TEST_F(MaterialDlgTest, OpensOnTheLastProfileAndFollowsTheProfileBox) {
  CMaterialDlg dialog(profiles_);
  auto* box = Control<QComboBox>(&dialog, MaterialCtl::kProfileBox);
  ASSERT_EQ(box->count(), 3);
  EXPECT_EQ(box->currentText(), QStringLiteral("C"));
  EXPECT_EQ(profiles_.CurrentIndex(), 2);
  EXPECT_EQ(ShownSlots(&dialog), (std::array<int, 7>{1, 0, 1, 0, 1, 0, 2}));

  box->setCurrentIndex(0);
  EXPECT_EQ(profiles_.CurrentIndex(), 0);
  EXPECT_EQ(ShownSlots(&dialog), (std::array<int, 7>{0, 1, 2, 0, 1, 2, 0}));

  // Picking the shown profile again drops unsaved choices.
  Control<QComboBox>(&dialog, 1043)->setCurrentIndex(2);
  Q_EMIT box->activated(0);
  EXPECT_EQ(ShownSlots(&dialog)[kSlotIWall], 0);
}

TEST_F(MaterialDlgTest, PickingAnotherProfileAsksBeforeDroppingEdits) {
  CMaterialDlg dialog(profiles_);
  auto* box = Control<QComboBox>(&dialog, MaterialCtl::kProfileBox);
  box->setCurrentIndex(1);  // nothing edited: no question
  EXPECT_TRUE(messages_.Empty());
  Control<QComboBox>(&dialog, 1043)->setCurrentIndex(0);  // partitions of B

  messages_.Answer(kMessageNo);
  box->setCurrentIndex(0);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, T(Lang::kMaterialDropEdits));
  EXPECT_EQ(box->currentIndex(), 1);
  EXPECT_EQ(profiles_.CurrentIndex(), 1);
  EXPECT_EQ(ShownSlots(&dialog)[kSlotIWall], 0);  // the edit stays

  messages_.Answer(kMessageYes);
  box->setCurrentIndex(0);
  EXPECT_EQ(profiles_.CurrentIndex(), 0);
  EXPECT_EQ(ShownSlots(&dialog), (std::array<int, 7>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(profiles_.Profiles()[1].slots[kSlotIWall], 2);  // B as stored
}

TEST_F(MaterialDlgTest, SaveStoresTheShownValuesAndNameIntoTheCurrentProfile) {
  CMaterialDlg dialog(profiles_);
  Control<QComboBox>(&dialog, MaterialCtl::kProfileBox)->setCurrentIndex(1);
  Control<QComboBox>(&dialog, 1040)->setCurrentIndex(0);  // floor, outer row: slot 3
  Control<QComboBox>(&dialog, 1043)->setCurrentIndex(1);  // partitions: slot 6
  Control<QComboBox>(&dialog, MaterialCtl::kProfileBox)->setEditText(QStringLiteral("Морозильная"));
  Click(&dialog, MaterialCtl::kSaveButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(profiles_.Count(), 3u);
  EXPECT_EQ(profiles_.Profiles()[1], (MaterialProfile{"Морозильная", {2, 2, 2, 0, 2, 2, 1}}));
  EXPECT_EQ(profiles_.Slot(kSlotCeilInt), 0);
  EXPECT_EQ(profiles_.Slot(kSlotIWall), 1);
  EXPECT_EQ(profiles_.Profiles()[0].name, "A");
}

TEST_F(MaterialDlgTest, StoredValueOutsideTheListShowsNoChoiceAndSavesAsMinusOne) {
  profiles_.Assign({{"Odd", {7, -1, 0, 0, 0, 0, 0}}});
  CMaterialDlg dialog(profiles_);
  EXPECT_EQ(ShownSlots(&dialog)[0], -1);
  Click(&dialog, MaterialCtl::kSaveButton);
  EXPECT_EQ(profiles_.Profiles()[0].slots[0], kNoMaterial);
  EXPECT_EQ(profiles_.Profiles()[0].slots[1], kNoMaterial);
}

TEST_F(MaterialDlgTest, NewProfileIsSavedLastWithTheSelectionsShown) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  WhenModal([](QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    AnswerNewProfile(QStringLiteral("Новый"));
    Click(dialog, MaterialCtl::kNewProfileButton);
    EXPECT_EQ(Control<QComboBox>(dialog, MaterialCtl::kProfileBox)->currentText(), QStringLiteral("Новый"));
    EXPECT_EQ(ShownSlots(dialog), (std::array<int, 7>{}));
    Control<QComboBox>(dialog, 1022)->setCurrentIndex(2);
    Click(dialog, MaterialCtl::kSaveButton);
  });
  EXPECT_EQ(RunMaterialDlg(profiles_, path), kMessageOk);
  ASSERT_EQ(profiles_.Count(), 4u);
  EXPECT_EQ(profiles_.CurrentIndex(), 3);
  const MaterialProfile expected{"Новый", {2, 0, 0, 0, 0, 0, 0}};
  EXPECT_EQ(profiles_.Profiles()[3], expected);
  std::vector<MaterialProfile> onDisk;
  ASSERT_EQ(ReadMaterialFile(path, onDisk), MaterialFileStatus::kRead);
  EXPECT_EQ(onDisk, profiles_.Profiles());
  EXPECT_TRUE(messages_.Empty());
}

TEST_F(MaterialDlgTest, NewProfileMayHaveAnEmptyNameButNotBeCancelled) {
  CMaterialDlg dialog(profiles_);
  AnswerNewProfile(QStringLiteral("Lost"), false);
  Click(&dialog, MaterialCtl::kNewProfileButton);
  EXPECT_EQ(profiles_.Count(), 3u);
  AnswerNewProfile(QString());
  Click(&dialog, MaterialCtl::kNewProfileButton);
  ASSERT_EQ(profiles_.Count(), 4u);
  EXPECT_EQ(profiles_.Profiles()[3].name, "");
  EXPECT_EQ(profiles_.CurrentIndex(), 3);
}

TEST_F(MaterialDlgTest, OnlyProfileIsNeverDeleted) {
  profiles_.Assign({{"Only", {1, 1, 1, 1, 1, 1, 1}}});
  CMaterialDlg dialog(profiles_);
  Click(&dialog, MaterialCtl::kDeleteProfileButton);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, T(Lang::kLastProfileUndeletable));
  EXPECT_EQ(messages_.Messages()[0].caption, T(Lang::kErrorCaption));
  EXPECT_EQ(messages_.Messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(profiles_.Count(), 1u);
}

TEST_F(MaterialDlgTest, DeleteAsksFirstAndRemovesTheCurrentProfile) {
  CMaterialDlg dialog(profiles_);
  Control<QComboBox>(&dialog, MaterialCtl::kProfileBox)->setCurrentIndex(0);
  messages_.Answer(kMessageNo);
  Click(&dialog, MaterialCtl::kDeleteProfileButton);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, T(Lang::kDeleteProfileQuestion));
  EXPECT_EQ(messages_.Messages()[0].caption, T(Lang::kConfirmationCaption));
  EXPECT_EQ(messages_.Messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(profiles_.Count(), 3u);

  messages_.Answer(kMessageYes);
  Click(&dialog, MaterialCtl::kDeleteProfileButton);
  ASSERT_EQ(profiles_.Count(), 2u);
  EXPECT_EQ(profiles_.Profiles()[0].name, "B");
  // The refilled box shows the last profile, and that one is current.
  auto* box = Control<QComboBox>(&dialog, MaterialCtl::kProfileBox);
  EXPECT_EQ(box->count(), 2);
  EXPECT_EQ(box->currentText(), QStringLiteral("C"));
  EXPECT_EQ(profiles_.Current()->name, "C");
}

TEST_F(MaterialDlgTest, CancelWritesNothingButKeepsNewProfilesInMemory) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  WhenModal([](QWidget* dialog) {
    AnswerNewProfile(QStringLiteral("Temp"));
    Click(dialog, MaterialCtl::kNewProfileButton);
    Control<QComboBox>(dialog, 1022)->setCurrentIndex(1);
    Click(dialog, MaterialCtl::kCancelButton);
  });
  EXPECT_EQ(RunMaterialDlg(profiles_, path), kMessageCancel);
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_EQ(profiles_.Count(), 4u);
  EXPECT_EQ(profiles_.Profiles()[3], (MaterialProfile{"Temp", {}}));
}

TEST_F(MaterialDlgTest, WithoutProfilesSaveStoresNothingAndKeepsTheFile) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  WriteFileBytes(path, "damaged");
  profiles_.Assign({});
  WhenModal([](QWidget* dialog) {
    EXPECT_EQ(Control<QComboBox>(dialog, MaterialCtl::kProfileBox)->count(), 0);
    EXPECT_EQ(ShownSlots(dialog)[0], -1);
    Control<QComboBox>(dialog, MaterialCtl::kProfileBox)->setEditText(QStringLiteral("typed"));
    Click(dialog, MaterialCtl::kSaveButton);
  });
  EXPECT_EQ(RunMaterialDlg(profiles_, path), kMessageOk);
  EXPECT_TRUE(profiles_.Empty());
  EXPECT_EQ(ReadFileBytes(path), "damaged");

  // The way out: make the first profile.
  CMaterialDlg dialog(profiles_);
  AnswerNewProfile(QStringLiteral("Первый"));
  Click(&dialog, MaterialCtl::kNewProfileButton);
  ASSERT_EQ(profiles_.Count(), 1u);
  EXPECT_EQ(profiles_.CurrentIndex(), 0);
  EXPECT_EQ(ShownSlots(&dialog), (std::array<int, 7>{}));
}

TEST_F(MaterialDlgTest, FailedWriteIsReportedAndTheProfilesStay) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  std::filesystem::create_directory(path);  // nothing can replace a folder
  WhenModal([](QWidget* dialog) { Click(dialog, MaterialCtl::kSaveButton); });
  EXPECT_EQ(RunMaterialDlg(profiles_, path), kMessageOk);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].caption, T(Lang::kWarningCaption));
  EXPECT_TRUE(messages_.Messages()[0].text.startsWith(T(Lang::kProfilesNotSaved)));
  EXPECT_TRUE(messages_.Messages()[0].text.contains(QString::fromStdString(path)));
  EXPECT_EQ(profiles_.Count(), 3u);
}

TEST_F(MaterialDlgTest, DamagedFileIsReportedMissingFileIsNot) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  LoadProfilesWarning(profiles_, path);
  EXPECT_TRUE(messages_.Empty());
  EXPECT_TRUE(profiles_.Empty());

  WriteFileBytes(path, "ZAMOMATERIALPROFILEDAT");  // one character short
  LoadProfilesWarning(profiles_, path);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, T(Lang::kProfilesFileDamaged));
  EXPECT_EQ(messages_.Messages()[0].caption, T(Lang::kWarningCaption));
  EXPECT_EQ(ReadFileBytes(path), "ZAMOMATERIALPROFILEDAT");
}

}  // namespace
