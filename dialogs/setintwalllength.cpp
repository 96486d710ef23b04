#include "setintwalllength.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cstdint>

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
  distanceEdit_ = MakeLineEdit(kDistance);
  distanceLabel_ = MakeLabel(kDistanceLabel, Lang::kPartitionOffsetLabel);
  distanceLabel_->setBuddy(distanceEdit_);
  if (auto* form = findChild<QFormLayout*>()) form->addRow(distanceLabel_, distanceEdit_);
}

void CSetIntWallLength::OnInitDialog() {
  distanceEdit_->setVisible(distance_.has_value());
  distanceLabel_->setVisible(distance_.has_value());
  if (distance_) distanceEdit_->setText(QString::number(*distance_));
  lengthEdit_->setText(QString::number(length_));
  lengthEdit_->selectAll();
  lengthEdit_->setFocus();
}

void CSetIntWallLength::accept() {
  length_ = LenientInt(lengthEdit_->text());
  // Not a number reads as -1, which no distance may be: the caller names
  // the distances it takes.
  if (distance_) {
    const std::optional<int64_t> typed = ParseWholeNumber(distanceEdit_->text());
    distance_ = typed ? static_cast<int32_t>(std::clamp<int64_t>(*typed, -1, INT32_MAX)) : -1;
  }
  CZamoDialog::accept();
}
