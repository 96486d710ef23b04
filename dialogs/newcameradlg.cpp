#include "newcameradlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "controlids.h"
#include "dealercoefficient.h"
#include "languageentries.h"
#include "messages.h"
#include "settings.h"
#include "numbertext.h"
#include "zamo_abi.h"

namespace {

constexpr int kSideCount = 15;

QComboBox* MakeSizeBox(QWidget* parent, int id) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumContentsLength(8);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  CZamoDialog::SetControlId(box, id);
  return box;
}

QString WithoutNulls(QString text) {
  // A zero character would end the text early in the camera file.
  return text.remove(QChar(0));
}

}  // namespace

CNewCameraDlg::CNewCameraDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::NewCamera;
  setWindowTitle(UiText(Lang::kNewCameraCaption));
  Translate(this, Lang::kNewCameraCaption);

  articleLabel_ = MakeLabel(kArticleLabel, Lang::kArticleLabel);
  articleEdit_ = MakeLineEdit(kArticle);
  lengthLabel_ = MakeLabel(kLengthLabel, Lang::kLengthLabel);
  lengthBox_ = MakeSizeBox(this, kLength);
  widthLabel_ = MakeLabel(kWidthLabel, Lang::kWidthLabel);
  widthBox_ = MakeSizeBox(this, kWidth);
  heightLabel_ = MakeLabel(kHeightLabel, Lang::kHeightLabel);
  heightBox_ = MakeSizeBox(this, kHeight);
  coefficientLabel_ = MakeLabel(kCoefficientLabel, Lang::kDealerCoefficientLabel);
  coefficientEdit_ = MakeLineEdit(kCoefficient);
  coefficientEdit_->setMaxLength(kCoefficientMaxChars);
  for (const auto& [label, field] : {std::pair<QLabel*, QWidget*>{articleLabel_, articleEdit_},
                                     {lengthLabel_, lengthBox_},
                                     {widthLabel_, widthBox_},
                                     {heightLabel_, heightBox_},
                                     {coefficientLabel_, coefficientEdit_}}) {
    label->setBuddy(field);
  }

  auto* thicknessGroup = new QGroupBox(UiText(Lang::kWallThicknessGroup), this);
  SetControlId(thicknessGroup, kThicknessGroup);
  Translate(thicknessGroup, Lang::kWallThicknessGroup);
  thickness80_ = new QRadioButton(QStringLiteral("80"), thicknessGroup);
  thickness100_ = new QRadioButton(QStringLiteral("100"), thicknessGroup);
  SetControlId(thickness80_, kThickness80);
  SetControlId(thickness100_, kThickness100);
  auto* thicknessLayout = new QHBoxLayout(thicknessGroup);
  thicknessLayout->addWidget(thickness80_);
  thicknessLayout->addWidget(thickness100_);
  thicknessLayout->addStretch();
  // Clicking either button rebuilds the lists, even the one already on.
  connect(thickness80_, &QRadioButton::clicked, this, &CNewCameraDlg::FillSizeLists);
  connect(thickness100_, &QRadioButton::clicked, this, &CNewCameraDlg::FillSizeLists);

  geometryLockCheck_ = new QCheckBox(UiText(Lang::kGeometryLockCheck), this);
  SetControlId(geometryLockCheck_, kGeometryLock);
  Translate(geometryLockCheck_, Lang::kGeometryLockCheck);
  noFloorCheck_ = new QCheckBox(UiText(Lang::kNoFloorCheck), this);
  SetControlId(noFloorCheck_, kNoFloor);
  Translate(noFloorCheck_, Lang::kNoFloorCheck);

  auto* descriptionLabel = MakeLabel(kDescriptionLabel, Lang::kDescriptionLabel);
  descriptionEdit_ = new QPlainTextEdit(this);
  descriptionEdit_->setTabChangesFocus(true);
  descriptionEdit_->setMinimumHeight(descriptionEdit_->fontMetrics().lineSpacing() * 5);
  SetControlId(descriptionEdit_, kDescription);
  descriptionLabel->setBuddy(descriptionEdit_);

  QDialogButtonBox* buttons = MakeButtons(Lang::kCreateCameraButton, UiText(Lang::kCreateCameraButton),
                                          Lang::kCancelButton, UiText(Lang::kCancelButton));

  auto* sizes = new QFormLayout;
  sizes->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  sizes->addRow(articleLabel_, articleEdit_);
  sizes->addRow(lengthLabel_, lengthBox_);
  sizes->addRow(widthLabel_, widthBox_);
  sizes->addRow(heightLabel_, heightBox_);
  sizes->addRow(coefficientLabel_, coefficientEdit_);

  auto* options = new QVBoxLayout;
  options->addWidget(thicknessGroup);
  options->addSpacing(6);
  options->addWidget(geometryLockCheck_);
  options->addWidget(noFloorCheck_);
  options->addStretch();

  auto* top = new QHBoxLayout;
  top->addLayout(sizes, 3);
  top->addSpacing(12);
  top->addLayout(options, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(6);
  layout->addWidget(descriptionLabel);
  layout->addWidget(descriptionEdit_, 1);
  layout->addWidget(buttons);

  setTabOrder(articleEdit_, lengthBox_);
  setTabOrder(lengthBox_, widthBox_);
  setTabOrder(widthBox_, heightBox_);
  setTabOrder(heightBox_, coefficientEdit_);
  setTabOrder(coefficientEdit_, thickness80_);
  setTabOrder(thickness80_, thickness100_);
  setTabOrder(thickness100_, geometryLockCheck_);
  setTabOrder(geometryLockCheck_, noFloorCheck_);
  setTabOrder(noFloorCheck_, descriptionEdit_);
  setTabOrder(descriptionEdit_, OkButton());
  setTabOrder(OkButton(), CancelButton());
}

QStringList CNewCameraDlg::SideSizes(int32_t thickness) {
  QStringList sizes;
  for (int i = 0; i < kSideCount; ++i) sizes << QString::number(kMinInnerSize + 2 * thickness + kPanelWidthStep * i);
  return sizes;
}

QStringList CNewCameraDlg::HeightSizes(int32_t thickness) {
  // The standard heights: 2040, 2300 and 2560 mm inside the camera.
  QStringList sizes;
  for (int32_t inner : {2040, 2300, 2560}) sizes << QString::number(inner + 2 * thickness);
  return sizes;
}

void CNewCameraDlg::OnInitDialog() {
  (DefaultPanelThickness() == 100 ? thickness100_ : thickness80_)->setChecked(true);
  FillSizeLists();
  for (QComboBox* box : {lengthBox_, widthBox_, heightBox_}) box->setCurrentIndex(0);
  articleEdit_->clear();
  coefficientEdit_->setText(QStringLiteral("0.0"));
  articleEdit_->setFocus();
}

QSize CNewCameraDlg::InitialSize() const {
  // Wide enough for a long article, only a few lines for the description;
  // the description grows when the user enlarges the dialog.
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 600), least.height()};
}

int32_t CNewCameraDlg::ChosenThickness() const { return thickness80_->isChecked() ? 80 : 100; }

void CNewCameraDlg::FillSizeLists() {
  // A size picked from a list becomes the same inside size for the new
  // thickness; a size the user typed stays as typed.
  const int32_t thickness = ChosenThickness();
  const auto refill = [](QComboBox* box, const QStringList& sizes) {
    const QString text = box->currentText();
    const int picked = box->findText(text);
    box->clear();
    box->addItems(sizes);
    if (picked >= 0 && picked < box->count()) {
      box->setCurrentIndex(picked);
    } else {
      box->setEditText(text);
    }
  };
  refill(lengthBox_, SideSizes(thickness));
  refill(widthBox_, SideSizes(thickness));
  refill(heightBox_, HeightSizes(thickness));
}

bool CNewCameraDlg::ReadSize(QComboBox* box, const QLabel* label, int32_t minimum, int32_t maximum, int32_t* value) {
  const QString text = box->currentText().trimmed();
  const std::optional<int64_t> number = ParseWholeNumber(text);
  const QString range = UiText(Lang::kEnterSizeRange).arg(minimum).arg(maximum);
  const QString caption = UiText(Lang::kInvalidSizeCaption);
  if (!number) {
    const QString what = text.isEmpty() ? UiText(Lang::kSizeMissing) : UiText(Lang::kNotWholeNumber).arg(text);
    RefuseInput(box, label, what + QLatin1Char(' ') + range, caption);
    return false;
  }
  if (*number < minimum || *number > maximum) {
    const QString why = UiText(*number < minimum ? Lang::kSizeTooSmall : Lang::kSizeTooLarge);
    RefuseInput(box, label, why.arg(*number) + QStringLiteral(". ") + range, caption);
    return false;
  }
  *value = static_cast<int32_t>(*number);
  return true;
}

bool CNewCameraDlg::ReadCoefficient(double* value) {
  const QString text = coefficientEdit_->text().trimmed();
  if (text.isEmpty()) {
    *value = 0.0;
    return true;
  }
  // A coefficient mistyped into 0, or typed as a percentage the pricing
  // would ignore, would price every camera without the dealer's discount
  // and nobody would notice; ask again instead.
  switch (ParseDealerCoefficient(text, value)) {
    case CoefficientInput::kOk:
      coefficientEdit_->setText(FormatDealerCoefficient(*value));
      return true;
    case CoefficientInput::kNotANumber:
      RefuseInput(coefficientEdit_, coefficientLabel_, UiText(Lang::kCoefficientNotNumber).arg(text),
                  UiText(Lang::kErrorCaption));
      return false;
    case CoefficientInput::kOutOfRange:
      break;
  }
  RefuseInput(coefficientEdit_, coefficientLabel_, UiText(Lang::kDealerCoefficientTooHigh),
              UiText(Lang::kErrorCaption));
  return false;
}

void CNewCameraDlg::accept() {
  const int32_t thickness = ChosenThickness();
  const int32_t minimum = kMinInnerSize + 2 * thickness;
  int32_t length = 0;
  int32_t width = 0;
  int32_t height = 0;
  double coefficient = 0.0;
  if (!ReadSize(lengthBox_, lengthLabel_, minimum, kMaxOuterSize, &length)) return;
  if (!ReadSize(widthBox_, widthLabel_, minimum, kMaxOuterSize, &width)) return;
  if (!ReadSize(heightBox_, heightLabel_, minimum, kMaxOuterHeight, &height)) return;
  if (!ReadCoefficient(&coefficient)) return;

  length_ = length;
  width_ = width;
  height_ = height;
  thickness_ = thickness;
  SetDealerCoefficient(coefficient);
  description_ = WithoutNulls(descriptionEdit_->toPlainText());
  article_ = WithoutNulls(articleEdit_->text());
  noFloor_ = noFloorCheck_->isChecked();
  geometryLocked_ = geometryLockCheck_->isChecked();
  CZamoDialog::accept();
}
