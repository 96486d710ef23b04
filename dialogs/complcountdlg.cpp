#include "complcountdlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

#include "controlids.h"
#include "dealercoefficient.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "numbertext.h"
#include "pluginlibrary.h"
#include "pricerun.h"
#include "reportnotice.h"

namespace {

constexpr int32_t kThin = 80;  // mm
constexpr int32_t kThick = 100;  // mm

QPushButton* MakeButton(QWidget* parent, int id, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  CZamoDialog::SetControlId(button, id);
  return button;
}

QRadioButton* MakeRadio(QWidget* parent, int id, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  CZamoDialog::SetControlId(radio, id);
  return radio;
}

bool IsBlank(const QLineEdit* edit) { return edit->text().trimmed().isEmpty(); }

// A size or count of the calculation: a whole number from 1 to `maximum`.
// Anything else is named to the user with the range (a count without one),
// the box gets the focus, and nothing is priced: a panel of 0 mm or a
// negative count would price nonsense.
bool ReadPositive(QLineEdit* edit, int32_t maximum, bool isCount, int32_t* value, QWidget* parent) {
  const std::optional<int64_t> number = ParseWholeNumber(edit->text());
  if (number && *number >= 1 && *number <= maximum) {
    *value = static_cast<int32_t>(*number);
    return true;
  }
  ShowMessageText(isCount ? UiText(Lang::kCountNotPositive) : UiText(Lang::kEnterSizeRange).arg(1).arg(maximum),
                  UiText(Lang::kErrorCaption), MessageButtons::Ok, parent);
  edit->setFocus();
  edit->selectAll();
  return false;
}

constexpr int32_t kMaxCount = model_limits::kMaxPanelsPerRun;

// The panel reports stop on the program's side only when the pricing
// library is missing; what it refuses it says itself.
void TellRunResult(PriceRunResult result) {
  if (result == PriceRunResult::kPricingExportMissing)
    ShowMessage(Lang::kPricingExportMissing, Lang::kPriceCalculationCaption);
}

}  // namespace

CComplCountDlg::CComplCountDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::ComplCount;
  setWindowTitle(UiText(Lang::kComponentsCaption));

  auto* chooseLabel = MakeLabel(kChooseLabel, Lang::kChooseComponentsLabel);

  auto* kindGroup = new QGroupBox(UiText(Lang::kPanelKindGroup), this);
  floorPanel_ = MakeRadio(kindGroup, kFloorPanel, UiText(Lang::kFloorPanelChoice));
  ceilingPanel_ = MakeRadio(kindGroup, kCeilingPanel, UiText(Lang::kCeilingPanelChoice));
  wallPanel_ = MakeRadio(kindGroup, kWallPanel, UiText(Lang::kWallPanelChoice));
  auto* kindLayout = new QVBoxLayout(kindGroup);
  kindLayout->addWidget(floorPanel_);
  kindLayout->addWidget(ceilingPanel_);
  kindLayout->addWidget(wallPanel_);

  // A widget of their own keeps the thickness buttons apart from the kind
  // buttons: radio buttons with one parent exclude one another.
  auto* thicknessRow = new QWidget(this);
  thickness80_ = MakeRadio(thicknessRow, kThickness80, UiText(Lang::kThickness80Choice));
  thickness100_ = MakeRadio(thicknessRow, kThickness100, UiText(Lang::kThickness100Choice));
  auto* thicknessLayout = new QHBoxLayout(thicknessRow);
  thicknessLayout->setContentsMargins(0, 0, 0, 0);
  thicknessLayout->addWidget(thickness80_);
  thicknessLayout->addWidget(thickness100_);
  thicknessLayout->addStretch();

  auto* lengthLabel = MakeLabel(kLengthLabel, Lang::kComponentLengthLabel);
  lengthEdit_ = MakeLineEdit(kLength);
  auto* widthLabel = MakeLabel(kWidthLabel, Lang::kComponentWidthLabel);
  widthEdit_ = MakeLineEdit(kWidth);
  auto* countLabel = MakeLabel(kCountLabel, Lang::kCountLabel);
  countEdit_ = MakeLineEdit(kCount);
  auto* sizes = new QFormLayout;
  sizes->addRow(lengthLabel, lengthEdit_);
  sizes->addRow(widthLabel, widthEdit_);
  sizes->addRow(UiText(Lang::kThicknessLabel), thicknessRow);
  sizes->addRow(countLabel, countEdit_);
  auto* addButton = MakeButton(this, kAdd, UiText(Lang::kAddButton));

  auto* input = new QVBoxLayout;
  input->addWidget(kindGroup);
  input->addLayout(sizes);
  input->addWidget(addButton);
  input->addStretch();

  list_ = new QListWidget(this);
  SetControlId(list_, kList);
  list_->setMinimumWidth(340);
  auto* deleteButton = MakeButton(this, kDelete, UiText(Lang::kDeleteButton));
  auto* clearButton = MakeButton(this, kClear, UiText(Lang::kClearButton));
  auto* listButtons = new QHBoxLayout;
  listButtons->addWidget(deleteButton);
  listButtons->addWidget(clearButton);
  listButtons->addStretch();
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(list_);
  listColumn->addLayout(listButtons);

  auto* top = new QHBoxLayout;
  top->addLayout(input);
  top->addLayout(listColumn, 1);

  auto* discountLabel = MakeLabel(kDealerDiscountLabel, Lang::kDealerDiscountLabel);
  discountEdit_ = MakeLineEdit(kDealerDiscount);
  discountLabel->setBuddy(discountEdit_);
  auto* discountRow = new QHBoxLayout;
  discountRow->addWidget(discountLabel);
  discountRow->addWidget(discountEdit_);
  discountRow->addStretch();

  auto* postGroup = new QGroupBox(UiText(Lang::kCornerPostsGroup), this);
  auto* postCountLabel = new QLabel(UiText(Lang::kPostCountLabel), postGroup);
  SetControlId(postCountLabel, kPostCountLabel);
  postCountEdit_ = new QLineEdit(postGroup);
  SetControlId(postCountEdit_, kPostCount);
  auto* postHeightLabel = new QLabel(UiText(Lang::kPostHeightLabel), postGroup);
  SetControlId(postHeightLabel, kPostHeightLabel);
  postHeightEdit_ = new QLineEdit(postGroup);
  SetControlId(postHeightEdit_, kPostHeight);
  postCountLabel->setBuddy(postCountEdit_);
  postHeightLabel->setBuddy(postHeightEdit_);
  auto* postButton = MakeButton(postGroup, kCalculatePosts, UiText(Lang::kCalculatePostsButton));
  auto* postLayout = new QHBoxLayout(postGroup);
  postLayout->addWidget(postCountLabel);
  postLayout->addWidget(postCountEdit_);
  postLayout->addWidget(postHeightLabel);
  postLayout->addWidget(postHeightEdit_);
  postLayout->addWidget(postButton);

  auto* calculateButton = MakeButton(this, kCalculate, UiText(Lang::kCalculateButton));
  auto* closeButton = MakeButton(this, Ctl::kCancel, UiText(Lang::kCloseButton));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(calculateButton);
  buttons->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooseLabel);
  layout->addLayout(top, 1);
  layout->addLayout(discountRow);
  layout->addWidget(postGroup);
  layout->addLayout(buttons);

  connect(addButton, &QPushButton::clicked, this, &CComplCountDlg::Add);
  connect(deleteButton, &QPushButton::clicked, this, &CComplCountDlg::DeleteSelected);
  connect(clearButton, &QPushButton::clicked, this, &CComplCountDlg::Clear);
  connect(calculateButton, &QPushButton::clicked, this, &CComplCountDlg::Calculate);
  connect(postButton, &QPushButton::clicked, this, &CComplCountDlg::CalculatePosts);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CComplCountDlg::Run(QWidget* parent, CPluginLibrary* quotix, const ZamoPriceBlock* priceBlock,
                         const QString& materialLibrary, const std::function<int(QDialog&)>& run) {
  // A materials library without its dialog is taken for a wrong version.
  CPluginLibrary material;
  CMaterialApi api;
  if (material.Load(materialLibrary)) material.Bind(api);
  if (!api.ShowMaterialDlg) {
    ShowMessage(Lang::kMaterialsModuleMissing, Lang::kErrorCaption, MessageButtons::Ok, parent);
    return;
  }
  CComplCountDlg dialog(parent);
  dialog.SetModules(quotix, material.Module(), priceBlock);
  if (run) {
    run(dialog);
  } else {
    dialog.exec();
  }
}

void CComplCountDlg::SetModules(CPluginLibrary* quotix, const ZamoModule* material,
                                const ZamoPriceBlock* priceBlock) {
  quotix_ = quotix;
  material_ = material;
  priceBlock_ = priceBlock;
}

void CComplCountDlg::OnInitDialog() {
  floorPanel_->setChecked(true);
  thickness80_->setChecked(true);
  lengthEdit_->setFocus();
}

int32_t CComplCountDlg::Thickness() const { return thickness80_->isChecked() ? kThin : kThick; }

double CComplCountDlg::DealerDiscount() const {
  double fraction = 0.0;
  return ParseDealerCoefficient(discountEdit_->text(), &fraction) == CoefficientInput::kOk ? fraction : 0.0;
}

bool CComplCountDlg::DiscountAccepted() {
  // An empty box is no discount; "10" or "10 %" is 10 %; anything the
  // pricing would silently ignore is named before anything is priced.
  if (IsBlank(discountEdit_)) return true;
  double fraction = 0.0;
  const CoefficientInput input = ParseDealerCoefficient(discountEdit_->text(), &fraction);
  if (input == CoefficientInput::kOk) return true;
  ShowMessageText(input == CoefficientInput::kNotANumber
                      ? UiText(Lang::kCoefficientNotNumber).arg(discountEdit_->text().trimmed())
                      : UiText(Lang::kDealerCoefficientTooHigh),
                  UiText(Lang::kErrorCaption), MessageButtons::Ok, this);
  discountEdit_->setFocus();
  return false;
}

void CComplCountDlg::Add() {
  if (IsBlank(lengthEdit_) || IsBlank(widthEdit_) || IsBlank(countEdit_)) {
    ShowMessage(Lang::kPanelInputMissing, Lang::kErrorCaption, MessageButtons::Ok, this);
    return;
  }
  PanelGroup group{};
  if (!ReadPositive(lengthEdit_, model_limits::kMaxCameraSide, false, &group.length, this) ||
      !ReadPositive(widthEdit_, model_limits::kMaxCameraSide, false, &group.width, this) ||
      !ReadPositive(countEdit_, kMaxCount, true, &group.count, this))
    return;
  group.door = 0;
  group.thickness = Thickness();
  QString name;
  if (wallPanel_->isChecked()) {
    group.kind = kPanelGroupWall;
    name = wallPanel_->text();
  } else if (ceilingPanel_->isChecked()) {
    group.kind = kPanelGroupCeiling;
    name = ceilingPanel_->text();
  } else {
    group.kind = kPanelGroupFloor;
    name = floorPanel_->text();
  }
  groups_.push_back(group);
  list_->addItem(name + QLatin1Char(' ') + UiText(Lang::kComponentRow)
                            .arg(group.width)
                            .arg(group.length)
                            .arg(group.thickness)
                            .arg(group.count));
  lengthEdit_->clear();
  widthEdit_->clear();
  countEdit_->clear();
}

void CComplCountDlg::DeleteSelected() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(groups_.size()) || !list_->currentItem()->isSelected()) return;
  groups_.erase(groups_.begin() + row);
  delete list_->takeItem(row);
  if (row < list_->count()) {
    list_->setCurrentRow(row);
  } else {
    list_->setCurrentRow(-1);
  }
}

void CComplCountDlg::Clear() {
  groups_.clear();
  list_->clear();
}

void CComplCountDlg::Calculate() {
  if (!DiscountAccepted()) return;
  CPriceRunSetup setup;
  setup.quotix = quotix_;
  setup.priceBlock = priceBlock_;
  QString written;
  setup.savedPath = &written;
  TellRunResult(RunPanelReport(setup, material_, DealerDiscount(), groups_));
  AnnounceReport(written, this);
}

void CComplCountDlg::CalculatePosts() {
  if (IsBlank(postCountEdit_) || IsBlank(postHeightEdit_)) {
    ShowMessage(Lang::kPanelInputMissing, Lang::kErrorCaption, MessageButtons::Ok, this);
    return;
  }
  if (!DiscountAccepted()) return;
  int32_t count = 0;
  int32_t height = 0;
  if (!ReadPositive(postCountEdit_, kMaxCount, true, &count, this) ||
      !ReadPositive(postHeightEdit_, model_limits::kMaxWallPanelLength, false, &height, this))
    return;
  CPriceRunSetup setup;
  setup.quotix = quotix_;
  setup.priceBlock = priceBlock_;
  QString written;
  setup.savedPath = &written;
  TellRunResult(RunCornerPostReport(setup, material_, DealerDiscount(), count, height, Thickness()));
  AnnounceReport(written, this);
}
