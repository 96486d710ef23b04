#include "setintwalllength.h"

#include <QLabel>
#include <QLineEdit>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

CSetIntWallLength::CSetIntWallLength(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::PartitionLength;
  setWindowTitle(UiText(Lang::kPartitionLengthCaption));
  Translate(this, Lang::kPartitionLengthCaption);
  lengthEdit_ = MakeLineEdit(kLength);
  LayOutOneValue(MakeLabel(kLengthLabel, Lang::kPartitionLengthLabel), lengthEdit_, false);
}

void CSetIntWallLength::OnInitDialog() {
  lengthEdit_->setText(QString::number(length_));
  lengthEdit_->selectAll();
  lengthEdit_->setFocus();
}

void CSetIntWallLength::accept() {
  length_ = LenientInt(lengthEdit_->text());
  CZamoDialog::accept();
}
