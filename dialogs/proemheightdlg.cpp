#include "proemheightdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "numbertext.h"

CProemHeightDlg::CProemHeightDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::OpeningHeight;
  setWindowTitle(QStringLiteral("Световой проем"));
  Translate(this, Lang::kOpeningCaption);

  auto* label = new QLabel(QStringLiteral("Укажите размеры проема:"), this);
  SetControlId(label, kHeightLabel);
  Translate(label, Lang::kOpeningSizeLabel);
  heightEdit_ = new QLineEdit(this);
  SetControlId(heightEdit_, kHeight);
  label->setBuddy(heightEdit_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(heightEdit_);
  layout->addStretch();
  layout->addWidget(
      MakeButtons(Lang::kOkButton, QStringLiteral("Применить"), Lang::kCancelButton, QStringLiteral("Отменить")));
  setMinimumWidth(300);
}

void CProemHeightDlg::OnInitDialog() {
  heightEdit_->setText(QString::number(kDefaultHeight));
  heightEdit_->selectAll();
  heightEdit_->setFocus();
}

void CProemHeightDlg::accept() {
  height_ = LenientUnsigned(heightEdit_->text());
  CZamoDialog::accept();
}
