#include "movewcdlg.h"

#include <QLabel>
#include <QLineEdit>

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
}

void CMoveWCDlg::OnInitDialog() {
  distanceEdit_->clear();
  distanceEdit_->setFocus();
}

void CMoveWCDlg::accept() {
  distance_ = std::max(0, LenientInt(distanceEdit_->text()));
  CZamoDialog::accept();
}
