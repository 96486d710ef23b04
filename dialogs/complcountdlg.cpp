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

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
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

double CComplCountDlg::DealerDiscount() const { return LenientDouble(discountEdit_->text()); }

void CComplCountDlg::Add() {
  if (IsBlank(lengthEdit_) || IsBlank(widthEdit_) || IsBlank(countEdit_)) {
    ShowMessage(Lang::kPanelInputMissing, Lang::kErrorCaption, MessageButtons::Ok, this);
    return;
  }
  // Sizes and counts have no sign: "-5" gives 0 like any other text that is
  // no size, rather than a negative price.
  PanelGroup group{};
  group.count = LenientUnsigned(countEdit_->text());
  group.width = LenientUnsigned(widthEdit_->text());
  group.length = LenientUnsigned(lengthEdit_->text());
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
  CPriceRunSetup setup;
  setup.quotix = quotix_;
  setup.priceBlock = priceBlock_;
  QString written;
  setup.savedPath = &written;
  TellRunResult(RunCornerPostReport(setup, material_, DealerDiscount(), LenientUnsigned(postCountEdit_->text()),
                                    LenientUnsigned(postHeightEdit_->text()), Thickness()));
  AnnounceReport(written, this);
}
