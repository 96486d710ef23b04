#include "zamodialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "controlids.h"
#include "messages.h"

CZamoDialog::CZamoDialog(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CZamoDialog::setVisible(bool visible) {
  // Before the base class lays the dialog out for its first display, so that
  // the size fits the language texts and the starting values.
  if (visible && !initialised_) {
    initialised_ = true;
    OnInitDialog();
    ApplyTexts();
    if (layout()) layout()->activate();
    const QSize size = InitialSize();
    if (size.isValid()) resize(size);
  }
  QDialog::setVisible(visible);
}

void CZamoDialog::SetControlId(QWidget* control, int id) { control->setObjectName(QString::number(id)); }

QString CZamoDialog::TextOr(int entry, const QString& fallback) {
  const QString text = LangText(entry);
  return text.isEmpty() ? fallback : text;
}

void CZamoDialog::Translate(QWidget* control, int entry) { texts_.emplace_back(control, entry); }

void CZamoDialog::ApplyTexts() {
  for (const auto& [control, entry] : texts_) {
    const QString text = LangText(entry);
    if (text.isEmpty()) continue;
    if (control == this) {
      setWindowTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      group->setTitle(text);
    }
  }
}

QDialogButtonBox* CZamoDialog::MakeButtons(int okEntry, const QString& okText, int cancelEntry,
                                           const QString& cancelText) {
  auto* box = new QDialogButtonBox(this);
  okButton_ = new QPushButton(okText, box);
  cancelButton_ = new QPushButton(cancelText, box);
  SetControlId(okButton_, Ctl::kOk);
  SetControlId(cancelButton_, Ctl::kCancel);
  okButton_->setDefault(true);
  box->addButton(okButton_, QDialogButtonBox::AcceptRole);
  box->addButton(cancelButton_, QDialogButtonBox::RejectRole);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Translate(okButton_, okEntry);
  Translate(cancelButton_, cancelEntry);
  return box;
}
