#include "proemheightdlg.h"

#include <QLabel>
#include <QLineEdit>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

CProemHeightDlg::CProemHeightDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::OpeningHeight;
  setWindowTitle(UiText(Lang::kOpeningCaption));
  Translate(this, Lang::kOpeningCaption);
  heightEdit_ = MakeLineEdit(kHeight);
  LayOutOneValue(MakeLabel(kHeightLabel, Lang::kOpeningSizeLabel), heightEdit_, true);
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
