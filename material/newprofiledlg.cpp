#include "newprofiledlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogtexts.h"
#include "languageentries.h"
#include "materialcontrols.h"
#include "messages.h"
#include "profilelist.h"

CNewProfileDlg::CNewProfileDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QString::number(MaterialCtl::kNewProfileDialog));
  setWindowTitle(TextOr(Lang::kNewProfileButton, UiText(Lang::kNewProfileResourceCaption)));

  auto* label = new QLabel(UiText(Lang::kProfileNameLabel), this);
  label->setObjectName(QString::number(MaterialCtl::kNameLabel));
  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName(QString::number(MaterialCtl::kNameEdit));
  nameEdit_->setMaxLength(static_cast<int>(CProfileList::kMaxNameChars));
  nameEdit_->setMinimumWidth(260);
  label->setBuddy(nameEdit_);

  auto* ok = new QPushButton(TextOr(Lang::kOkButton, UiText(Lang::kSaveButton)), this);
  ok->setObjectName(QString::number(MaterialCtl::kOkButton));
  ok->setDefault(true);
  auto* cancel = new QPushButton(UiText(Lang::kCancelButton), this);
  cancel->setObjectName(QString::number(MaterialCtl::kCancelButton));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(nameEdit_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CNewProfileDlg::Name() const { return nameEdit_->text(); }
