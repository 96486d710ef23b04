#include "setintwalllength.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "numbertext.h"

CSetIntWallLength::CSetIntWallLength(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::PartitionLength;
  setWindowTitle(QStringLiteral("Задать длину перегородки"));
  Translate(this, Lang::kPartitionLengthCaption);

  auto* label = new QLabel(QStringLiteral("Длина перегородки"), this);
  SetControlId(label, kLengthLabel);
  Translate(label, Lang::kPartitionLengthLabel);
  lengthEdit_ = new QLineEdit(this);
  SetControlId(lengthEdit_, kLength);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->addRow(label, lengthEdit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(
      MakeButtons(Lang::kOkButton, QStringLiteral("Применить"), Lang::kCancelButton, QStringLiteral("Отменить")));
  setMinimumWidth(320);
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
