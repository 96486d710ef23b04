#include "movewcdlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

CMoveWCDlg::CMoveWCDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::MoveWall;
  setWindowTitle(UiText(Lang::kMoveWallCaption));
  Translate(this, Lang::kMoveWallCaption);
  distanceEdit_ = MakeLineEdit(kDistance);
  LayOutOneValue(MakeLabel(kDistanceLabel, Lang::kDistanceLabel), distanceEdit_, false);
  const QString moves = UiText(Lang::kMoveDirectionNote);
  outwardButton_ = new QRadioButton(moves.arg(UiText(Lang::kDirectionOutward)), this);
  outwardButton_->setObjectName(QStringLiteral("outward"));
  inwardButton_ = new QRadioButton(moves.arg(UiText(Lang::kDirectionInward)), this);
  inwardButton_->setObjectName(QStringLiteral("inward"));
  if (auto* form = findChild<QFormLayout*>()) {
    form->addRow(outwardButton_);
    form->addRow(inwardButton_);
  }
}

void CMoveWCDlg::OnInitDialog() {
  if (offer_ > 0) {
    distanceEdit_->setText(QString::number(offer_));
    distanceEdit_->selectAll();
  } else {
    distanceEdit_->clear();
  }
  (outward_ ? outwardButton_ : inwardButton_)->setChecked(true);
  distanceEdit_->setFocus();
}

void CMoveWCDlg::accept() {
  distance_ = std::max(0, LenientInt(distanceEdit_->text()));
  outward_ = outwardButton_->isChecked();
  CZamoDialog::accept();
}
