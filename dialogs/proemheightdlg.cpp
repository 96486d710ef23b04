#include "proemheightdlg.h"

#include <QLabel>
#include <QLineEdit>

#include "controlids.h"
#include "languageentries.h"
#include "numbertext.h"

CProemHeightDlg::CProemHeightDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::OpeningHeight;
  setWindowTitle(QStringLiteral("Световой проем"));
  Translate(this, Lang::kOpeningCaption);
  heightEdit_ = MakeLineEdit(kHeight);
  LayOutOneValue(MakeLabel(kHeightLabel, Lang::kOpeningSizeLabel, QStringLiteral("Укажите размеры проема:")),
                 heightEdit_, true);
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
