#include "modifynonstanddlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"

CModifyNonStandDlg::CModifyNonStandDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::NonStandard;
  setWindowTitle(UiText(Lang::kNonStandardCaption));
  Translate(this, Lang::kNonStandardCaption);

  auto* label = MakeLabel(kReplaceLabel, Lang::kReplaceNonStandardLabel);
  keep_ = new QRadioButton(UiText(Lang::kKeepExistingRadio), this);
  SetControlId(keep_, kKeep);
  Translate(keep_, Lang::kKeepExistingRadio);
  roundDown_ = new QRadioButton(this);
  roundUp_ = new QRadioButton(this);
  SetControlId(roundDown_, kRoundDown);
  SetControlId(roundUp_, kRoundUp);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  auto* choices = new QVBoxLayout;
  choices->setContentsMargins(12, 4, 0, 4);
  choices->addWidget(keep_);
  choices->addWidget(roundDown_);
  choices->addWidget(roundUp_);
  layout->addLayout(choices);
  outcome_ = new QLabel(this);
  outcome_->setObjectName(QStringLiteral("outerSize"));
  layout->addWidget(outcome_);
  layout->addStretch();
  for (QRadioButton* choice : {keep_, roundDown_, roundUp_})
    connect(choice, &QRadioButton::toggled, this, [this] { ShowOutcome(); });
  layout->addWidget(MakeApplyCancelButtons());
  setMinimumWidth(320);
}

void CModifyNonStandDlg::OnInitDialog() {
  const QString standard = UiText(Lang::kStandardPanelChoice);
  roundDown_->setText(QStringLiteral("%1 %2").arg(standard).arg(RoundedDown(length_)));
  roundUp_->setText(QStringLiteral("%1 %2").arg(standard).arg(RoundedUp(length_)));
  roundUp_->setEnabled(length_ <= kMaxRoundUpLength);
  // A panel shorter than the step would be rounded down to nothing.
  roundDown_->setEnabled(RoundedDown(length_) > 0);
  // No choice is made for the user: OK at once keeps the panel.
  for (QRadioButton* choice : {keep_, roundDown_, roundUp_}) choice->setChecked(false);
  ShowOutcome();
}

int32_t CModifyNonStandDlg::ChosenLength() const {
  if (roundDown_->isChecked()) return RoundedDown(length_);
  if (roundUp_->isChecked()) return RoundedUp(length_);
  return length_;
}

QString CModifyNonStandDlg::PreviewText() const { return outcome_->text(); }

void CModifyNonStandDlg::ShowOutcome() {
  const int32_t chosen = ChosenLength();
  const auto size = chosen != length_ && preview_ ? preview_(chosen) : std::nullopt;
  outcome_->setText(size ? UiText(Lang::kNonStandardOuterSize).arg(size->first).arg(size->second) : QString());
}

void CModifyNonStandDlg::accept() {
  length_ = ChosenLength();
  CZamoDialog::accept();
}
