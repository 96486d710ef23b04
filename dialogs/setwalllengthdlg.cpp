#include "setwalllengthdlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

CSetWallLengthDlg::CSetWallLengthDlg(QWidget* parent) : CZamoDialog(parent) {
  setWindowTitle(UiText(Lang::kSetLengthCaption));
  Translate(this, Lang::kSetLengthCaption);
  lengthEdit_ = new QLineEdit(this);
  lengthEdit_->setObjectName(QStringLiteral("length"));
  lengthLabel_ = new QLabel(UiText(Lang::kSetLengthLabel), this);
  LayOutOneValue(lengthLabel_, lengthEdit_, false);
  startButton_ = new QRadioButton(UiText(Lang::kMoveWallStart), this);
  startButton_->setObjectName(QStringLiteral("start"));
  endButton_ = new QRadioButton(UiText(Lang::kMoveWallEnd), this);
  endButton_->setObjectName(QStringLiteral("end"));
  if (auto* form = findChild<QFormLayout*>()) {
    form->addRow(startButton_);
    form->addRow(endButton_);
  }
}

void CSetWallLengthDlg::OnInitDialog() {
  lengthEdit_->setText(QString::number(length_));
  lengthEdit_->selectAll();
  lengthEdit_->setFocus();
  startButton_->setVisible(endChoice_);
  endButton_->setVisible(endChoice_);
  (endMoves_ ? endButton_ : startButton_)->setChecked(true);
}

void CSetWallLengthDlg::accept() {
  const std::optional<int64_t> typed = ParseWholeNumber(lengthEdit_->text());
  if (!typed) {
    RefuseInput(lengthEdit_, lengthLabel_, UiText(Lang::kNotANumber).arg(lengthEdit_->text().trimmed()),
                UiText(Lang::kWarningCaption));
    return;
  }
  if (*typed < 1) {
    RefuseInput(lengthEdit_, lengthLabel_, UiText(Lang::kSizeTooSmall).arg(*typed), UiText(Lang::kWarningCaption));
    return;
  }
  // Beyond any camera: the command names the limit.
  length_ = static_cast<int32_t>(std::min<int64_t>(*typed, INT32_MAX));
  endMoves_ = endButton_->isChecked();
  CZamoDialog::accept();
}
