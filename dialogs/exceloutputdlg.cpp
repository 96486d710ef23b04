#include "exceloutputdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "languagetable.h"

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

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->addRow(profileLabel, profileBox_);
  form->addRow(currencyLabel, currencyBox_);
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
  profileIndex_ = profileBox_->currentIndex();
  euro_ = currencyBox_->currentIndex() == kEuroEntry;
  CZamoDialog::accept();
}
