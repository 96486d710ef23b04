#include "materialdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogtexts.h"
#include "languageentries.h"
#include "materialcontrols.h"
#include "messages.h"
#include "newprofiledlg.h"
#include "profilelist.h"

namespace {

QString Name(int control) { return QString::number(control); }

QLabel* MakeLabel(int control, int entry, const QString& fallback, QWidget* parent) {
  auto* label = new QLabel(TextOr(entry, fallback), parent);
  label->setObjectName(Name(control));
  return label;
}

QPushButton* MakeButton(int control, int entry, const QString& fallback, QWidget* parent) {
  auto* button = new QPushButton(TextOr(entry, fallback), parent);
  button->setObjectName(Name(control));
  button->setAutoDefault(false);
  return button;
}

// One group of two rows (inner and outer skin) of a surface.
QGroupBox* MakeSurfaceGroup(int group, int groupEntry, const QString& title, int innerLabel, int outerLabel,
                            QComboBox* inner, QComboBox* outer, QWidget* parent) {
  auto* box = new QGroupBox(TextOr(groupEntry, title), parent);
  box->setObjectName(Name(group));
  auto* grid = new QGridLayout(box);
  grid->addWidget(MakeLabel(innerLabel, Lang::kInnerSkinLabel, UiText(Lang::kInnerSkinLabel), box), 0, 0);
  grid->addWidget(inner, 0, 1);
  grid->addWidget(MakeLabel(outerLabel, Lang::kOuterSkinLabel, UiText(Lang::kOuterSkinLabel), box), 1, 0);
  grid->addWidget(outer, 1, 1);
  grid->setColumnStretch(1, 1);
  return box;
}

}  // namespace

CMaterialDlg::CMaterialDlg(CProfileList& profiles, QWidget* parent) : QDialog(parent), profiles_(profiles) {
  setObjectName(Name(MaterialCtl::kMaterialDialog));
  setWindowTitle(UiText(Lang::kMaterialCaption));

  // The profile box is editable: the text it shows on Save renames the
  // current profile. Typing never adds an item.
  profileBox_ = new QComboBox(this);
  profileBox_->setObjectName(Name(MaterialCtl::kProfileBox));
  profileBox_->setEditable(true);
  profileBox_->setInsertPolicy(QComboBox::NoInsert);
  profileBox_->setMinimumWidth(240);
  profileBox_->lineEdit()->setMaxLength(static_cast<int>(CProfileList::kMaxNameChars));

  for (size_t slot = 0; slot < kMaterialSlotCount; ++slot) {
    auto* box = new QComboBox(this);
    box->setObjectName(Name(MaterialCtl::kMaterialBoxes[slot]));
    box->addItem(UiText(Lang::kMaterialType0));
    box->addItem(UiText(Lang::kMaterialType1));
    box->addItem(UiText(Lang::kMaterialType2));
    box->setMinimumWidth(150);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    materialBoxes_[slot] = box;
  }

  auto* profileRow = new QHBoxLayout;
  profileRow->addWidget(MakeLabel(MaterialCtl::kProfileLabel, Lang::kCameraProfileLabel,
                                  UiText(Lang::kCameraProfileLabel), this));
  profileRow->addWidget(profileBox_, 1);

  QPushButton* newProfile = MakeButton(MaterialCtl::kNewProfileButton, Lang::kNewProfileButton,
                                       UiText(Lang::kNewProfileButton), this);
  QPushButton* deleteProfile = MakeButton(MaterialCtl::kDeleteProfileButton, Lang::kDeleteProfileButton,
                                          UiText(Lang::kDeleteProfileButton), this);
  auto* profileButtons = new QHBoxLayout;
  profileButtons->addStretch();
  profileButtons->addWidget(newProfile);
  profileButtons->addWidget(deleteProfile);

  auto* surfaces = new QHBoxLayout;
  surfaces->addWidget(MakeSurfaceGroup(MaterialCtl::kWallsGroup, Lang::kWallsLabel, UiText(Lang::kWallsLabel),
                                       MaterialCtl::kWallsInnerLabel, MaterialCtl::kWallsOuterLabel,
                                       materialBoxes_[kSlotEWallExt], materialBoxes_[kSlotEWallInt], this));
  surfaces->addWidget(MakeSurfaceGroup(MaterialCtl::kFloorGroup, Lang::kFloorLabel, UiText(Lang::kFloorLabel),
                                       MaterialCtl::kFloorInnerLabel, MaterialCtl::kFloorOuterLabel,
                                       materialBoxes_[kSlotCeilExt], materialBoxes_[kSlotCeilInt], this));
  surfaces->addWidget(MakeSurfaceGroup(MaterialCtl::kCeilingGroup, Lang::kCeilingLabel, UiText(Lang::kCeilingLabel),
                                       MaterialCtl::kCeilingInnerLabel, MaterialCtl::kCeilingOuterLabel,
                                       materialBoxes_[kSlotFloorInt], materialBoxes_[kSlotFloorExt], this));

  auto* partitionRow = new QHBoxLayout;
  partitionRow->addWidget(MakeLabel(MaterialCtl::kPartitionsLabel, Lang::kPartitionsLabel,
                                    UiText(Lang::kPartitionsResourceLabel), this));
  partitionRow->addWidget(materialBoxes_[kSlotIWall]);
  partitionRow->addStretch();

  QPushButton* save = MakeButton(MaterialCtl::kSaveButton, Lang::kOkButton, UiText(Lang::kSaveButton), this);
  save->setDefault(true);
  QPushButton* cancel = MakeButton(MaterialCtl::kCancelButton, Lang::kCancelButton, UiText(Lang::kCancelButton), this);
  auto* closeButtons = new QHBoxLayout;
  closeButtons->addStretch();
  closeButtons->addWidget(save);
  closeButtons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(profileRow);
  layout->addLayout(profileButtons);
  layout->addLayout(surfaces);
  layout->addLayout(partitionRow);
  layout->addSpacing(8);
  layout->addLayout(closeButtons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Picking a profile, even the one shown, shows its stored materials again,
  // once the user agreed to drop what was changed and not saved.
  connect(profileBox_, &QComboBox::currentIndexChanged, this, [this] { OnProfilePicked(); });
  connect(profileBox_, &QComboBox::activated, this, [this] { OnProfilePicked(); });
  connect(newProfile, &QPushButton::clicked, this, [this] { OnNewProfile(); });
  connect(deleteProfile, &QPushButton::clicked, this, [this] { OnDeleteProfile(); });
  connect(save, &QPushButton::clicked, this, [this] { OnSave(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  RefillProfiles();
}

// Lists every profile and shows the last one, as the list was left after a
// new profile was added.
void CMaterialDlg::RefillProfiles() {
  {
    const QSignalBlocker blocker(profileBox_);
    profileBox_->clear();
    for (const MaterialProfile& profile : profiles_.Profiles()) {
      profileBox_->addItem(QString::fromStdString(profile.name));
    }
    profileBox_->setCurrentIndex(profileBox_->count() - 1);
  }
  TakeSelection();
}

void CMaterialDlg::TakeSelection() {
  const int index = profileBox_->currentIndex();
  if (index >= 0) profiles_.Select(static_cast<size_t>(index));
  const MaterialProfile* current = profiles_.Current();
  for (size_t slot = 0; slot < kMaterialSlotCount; ++slot) {
    // A stored value outside the list shows as no choice.
    materialBoxes_[slot]->setCurrentIndex(current ? current->slots[slot] : kNoMaterial);
    shownSlots_[slot] = materialBoxes_[slot]->currentIndex();
  }
}

bool CMaterialDlg::HasUnsavedEdits() const {
  for (size_t slot = 0; slot < kMaterialSlotCount; ++slot)
    if (materialBoxes_[slot]->currentIndex() != shownSlots_[slot]) return true;
  return false;
}

void CMaterialDlg::OnProfilePicked() {
  const MaterialProfile* shown = profiles_.Current();
  if (shown && HasUnsavedEdits() &&
      ShowMessageText(UiText(Lang::kMaterialDropEdits).arg(QString::fromStdString(shown->name)),
                      UiText(Lang::kConfirmationCaption), MessageButtons::YesNo, this) != kMessageYes) {
    // The edited profile stays in the box with its edits.
    const QSignalBlocker blocker(profileBox_);
    profileBox_->setCurrentIndex(profiles_.CurrentIndex());
    return;
  }
  TakeSelection();
}

void CMaterialDlg::OnNewProfile() {
  CNewProfileDlg dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  profiles_.Append(dialog.Name().toStdString());
  RefillProfiles();
}

void CMaterialDlg::OnDeleteProfile() {
  if (profiles_.Count() < 2) {
    ShowMessageText(UiText(Lang::kLastProfileUndeletable), UiText(Lang::kErrorCaption), MessageButtons::Ok, this);
    return;
  }
  if (ShowMessageText(UiText(Lang::kDeleteProfileQuestion), UiText(Lang::kConfirmationCaption), MessageButtons::YesNo,
                      this) != kMessageYes) {
    return;
  }
  profiles_.RemoveCurrent();
  RefillProfiles();
}

void CMaterialDlg::OnSave() {
  std::array<int32_t, kMaterialSlotCount> slots{};
  for (size_t slot = 0; slot < kMaterialSlotCount; ++slot) slots[slot] = materialBoxes_[slot]->currentIndex();
  profiles_.StoreCurrent(profileBox_->currentText().toStdString(), slots);
  accept();
}

void LoadProfilesWarning(CProfileList& profiles, const std::string& path) {
  if (profiles.LoadFile(path) == MaterialFileStatus::kDamaged) {
    ShowMessageText(UiText(Lang::kProfilesFileDamaged), UiText(Lang::kWarningCaption));
  }
}

int RunMaterialDlg(CProfileList& profiles, const std::string& path, QWidget* parent) {
  CMaterialDlg dialog(profiles, parent);
  if (dialog.exec() != QDialog::Accepted) return kMessageCancel;
  if (const FileError error = profiles.SaveFile(path)) {
    ShowMessageText(UiText(Lang::kProfilesNotSaved) + QLatin1Char(' ') + QString::fromStdString(error.ToString()),
                    UiText(Lang::kWarningCaption), MessageButtons::Ok, parent);
  }
  return kMessageOk;
}
