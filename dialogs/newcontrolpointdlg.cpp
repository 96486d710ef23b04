#include "newcontrolpointdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "numbertext.h"

CNewControlPointDlg::CNewControlPointDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::NewControlPoint;
  setWindowTitle(UiText(Lang::kCornerCaption));
  Translate(this, Lang::kCornerCaption);

  auto* distanceLabel = MakeLabel(kDistanceLabel, Lang::kCornerDistanceLabel);
  distanceEdit_ = MakeLineEdit(kDistance);
  distanceLabel->setBuddy(distanceEdit_);
  auto* countFrom = MakeLabel(kCountFromLabel, Lang::kCountFromLabel);
  firstEnd_ = new QRadioButton(this);
  secondEnd_ = new QRadioButton(this);
  SetControlId(firstEnd_, kFromFirstEnd);
  SetControlId(secondEnd_, kFromSecondEnd);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(distanceLabel);
  layout->addWidget(distanceEdit_);
  layout->addSpacing(8);
  layout->addWidget(countFrom);
  layout->addWidget(firstEnd_);
  layout->addWidget(secondEnd_);
  layout->addSpacing(8);
  layout->addStretch();
  layout->addWidget(MakeApplyCancelButtons());
  setMinimumWidth(320);
}

void CNewControlPointDlg::OnInitDialog() {
  const bool vertical = fromFirstEnd_ == 1;
  firstEnd_->setText(UiText(vertical ? Lang::kFromTopEnd : Lang::kFromLeftEnd));
  secondEnd_->setText(UiText(vertical ? Lang::kFromBottomEnd : Lang::kFromRightEnd));
  firstEnd_->setChecked(true);
  distanceEdit_->setFocus();
}

void CNewControlPointDlg::accept() {
  // Letters are no distance: read as 0 they would be refused as a wall
  // shorter than nothing, which is not what went wrong.
  const std::optional<int64_t> typed = ParseWholeNumber(distanceEdit_->text());
  if (!typed || *typed < 0 || *typed > model_limits::kMaxLength) {
    const QString text = distanceEdit_->text().trimmed();
    ShowMessageText(typed ? UiText(Lang::kValueOutOfRange).arg(text) : UiText(Lang::kNotANumber).arg(text),
                    UiText(Lang::kCornerCaption), MessageButtons::Ok, this);
    distanceEdit_->setFocus();
    distanceEdit_->selectAll();
    return;
  }
  distance_ = static_cast<int32_t>(*typed);
  fromFirstEnd_ = firstEnd_->isChecked() ? 1 : 0;
  CZamoDialog::accept();
}
