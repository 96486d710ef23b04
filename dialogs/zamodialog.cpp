#include "zamodialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
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

QDialogButtonBox* CZamoDialog::MakeApplyCancelButtons() {
  return MakeButtons(Lang::kOkButton, UiText(Lang::kOkButton), Lang::kCancelButton, UiText(Lang::kCancelButton));
}

QLabel* CZamoDialog::MakeLabel(int id, int entry) {
  auto* label = new QLabel(UiText(entry), this);
  SetControlId(label, id);
  Translate(label, entry);
  return label;
}

QLineEdit* CZamoDialog::MakeLineEdit(int id) {
  auto* edit = new QLineEdit(this);
  SetControlId(edit, id);
  return edit;
}

void CZamoDialog::LayOutOneValue(QLabel* label, QWidget* box, bool labelAbove) {
  label->setBuddy(box);
  auto* layout = new QVBoxLayout(this);
  if (labelAbove) {
    layout->addWidget(label);
    layout->addWidget(box);
  } else {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(label, box);
    layout->addLayout(form);
  }
  layout->addStretch();
  layout->addWidget(MakeApplyCancelButtons());
  setMinimumWidth(320);
}

void CZamoDialog::RefuseInput(QWidget* box, const QLabel* label, const QString& text, const QString& caption) {
  QString name = label->text().trimmed();
  while (name.endsWith(QLatin1Char(':'))) name.chop(1);
  ShowMessageText(name + QStringLiteral(": ") + text, caption, MessageButtons::Ok, this);
  box->setFocus();
  if (auto* combo = qobject_cast<QComboBox*>(box)) {
    if (combo->lineEdit()) combo->lineEdit()->selectAll();
  } else if (auto* edit = qobject_cast<QLineEdit*>(box)) {
    edit->selectAll();
  }
}
