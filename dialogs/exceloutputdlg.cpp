#include "exceloutputdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "controlids.h"
#include "dealercoefficient.h"
#include "languageentries.h"
#include "languagetable.h"
#include "messages.h"
#include "settings.h"

namespace {
constexpr int kEuroEntry = 1;
}  // namespace

CExcelOutputDlg::CExcelOutputDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::ExcelOutput;
  setWindowTitle(QStringLiteral("Excel"));

  auto* profileLabel = MakeLabel(kProfileLabel, Lang::kChooseProfileLabel);
  profileBox_ = new QComboBox(this);
  profileBox_->setMinimumContentsLength(24);
  profileBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  SetControlId(profileBox_, kProfile);
  profileLabel->setBuddy(profileBox_);

  auto* currencyLabel = new QLabel(QStringLiteral("Show prices in"), this);
  currencyBox_ = new QComboBox(this);
  SetControlId(currencyBox_, kCurrency);
  currencyLabel->setBuddy(currencyBox_);

  coefficientLabel_ = new QLabel(UiText(Lang::kQuoteDealerCoefficient), this);
  coefficientEdit_ = new QLineEdit(this);
  coefficientEdit_->setObjectName(QString::fromLatin1(kCoefficientName));
  coefficientEdit_->setMaxLength(32);
  coefficientLabel_->setBuddy(coefficientEdit_);
  detailedBox_ = new QCheckBox(UiText(Lang::kDetailedEstimate), this);
  detailedBox_->setObjectName(QString::fromLatin1(kDetailedName));
  pictureBox_ = new QCheckBox(UiText(Lang::k3dInEstimate), this);
  pictureBox_->setObjectName(QString::fromLatin1(kPictureName));
  // The picture goes with the estimate only.
  connect(detailedBox_, &QCheckBox::toggled, pictureBox_, &QWidget::setEnabled);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->addRow(profileLabel, profileBox_);
  form->addRow(currencyLabel, currencyBox_);
  form->addRow(coefficientLabel_, coefficientEdit_);
  form->addRow(detailedBox_);
  form->addRow(pictureBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(
      MakeButtons(Lang::kOkButton, UiText(Lang::kCalculateButton), Lang::kCancelButton, UiText(Lang::kCancelButton)));
}

void CExcelOutputDlg::SetProfileNames(const std::vector<std::string>& names) {
  names_.clear();
  for (const std::string& name : names) names_ << QString::fromStdString(name);
}

void CExcelOutputDlg::OnInitDialog() {
  coefficientEdit_->setText(FormatDealerCoefficient(coefficient_));
  detailedBox_->setChecked(OpenZamoSettings()->value(QString::fromLatin1(kDetailedSetting), false).toBool());
  pictureBox_->setChecked(OpenZamoSettings()->value(QString::fromLatin1(kPictureSetting), true).toBool());
  pictureBox_->setEnabled(detailedBox_->isChecked());
  if (names_.isEmpty()) {
    OkButton()->setEnabled(false);
    return;
  }
  profileBox_->addItems(names_);
  profileBox_->setCurrentIndex(0);
  currencyBox_->addItems({QStringLiteral("RUB"), QStringLiteral("EUR")});
  // The currency follows the language: roubles for the first, euros for the
  // second.
  const int language = ModuleLanguage().GetLanguage();
  currencyBox_->setCurrentIndex(language == kEuroEntry ? kEuroEntry : 0);
  profileBox_->setFocus();
}

void CExcelOutputDlg::accept() {
  // OK is disabled without profiles; Enter must not get round that.
  if (!OkButton()->isEnabled()) return;
  const QString typed = coefficientEdit_->text().trimmed();
  double coefficient = 0.0;
  const CoefficientInput read = typed.isEmpty() ? CoefficientInput::kOk : ParseDealerCoefficient(typed, &coefficient);
  // A mistyped coefficient, or one the pricing would ignore, would price
  // without the dealer's discount and nobody would notice: ask again.
  if (read != CoefficientInput::kOk) {
    RefuseInput(coefficientEdit_, coefficientLabel_,
                read == CoefficientInput::kNotANumber ? UiText(Lang::kCoefficientNotNumber).arg(typed)
                                                      : UiText(Lang::kDealerCoefficientTooHigh),
                UiText(Lang::kErrorCaption));
    return;
  }
  coefficient_ = coefficient;
  detailed_ = detailedBox_->isChecked();
  OpenZamoSettings()->setValue(QString::fromLatin1(kDetailedSetting), detailed_);
  picture_ = pictureBox_->isChecked();
  OpenZamoSettings()->setValue(QString::fromLatin1(kPictureSetting), picture_);
  profileIndex_ = profileBox_->currentIndex();
  euro_ = currencyBox_->currentIndex() == kEuroEntry;
  CZamoDialog::accept();
}
