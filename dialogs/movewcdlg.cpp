#include "movewcdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "controlids.h"
#include "languageentries.h"
#include "numbertext.h"

CMoveWCDlg::CMoveWCDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::MoveWall;
  setWindowTitle(QStringLiteral("Передвинуть стену"));
  Translate(this, Lang::kMoveWallCaption);

  auto* label = new QLabel(QStringLiteral("Расстояние"), this);
  SetControlId(label, kDistanceLabel);
  Translate(label, Lang::kDistanceLabel);
  distanceEdit_ = new QLineEdit(this);
  SetControlId(distanceEdit_, kDistance);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->addRow(label, distanceEdit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(
      MakeButtons(Lang::kOkButton, QStringLiteral("Применить"), Lang::kCancelButton, QStringLiteral("Отменить")));
  setMinimumWidth(300);
}

void CMoveWCDlg::OnInitDialog() {
  distanceEdit_->clear();
  distanceEdit_->setFocus();
}

void CMoveWCDlg::accept() {
  distance_ = std::max(0, LenientInt(distanceEdit_->text()));
  CZamoDialog::accept();
}
