#include "dialogfields.h"

#include <QComboBox>
#include <QMetaObject>
#include <QString>

#include "userdatacollections.h"

QComboBox* FindFieldCombo(QWidget* dialog, int32_t fieldId) {
  if (!dialog) return nullptr;
  return dialog->findChild<QComboBox*>(QString::number(fieldId));
}

bool FillField(const CUserDataCollections& collections, QWidget* dialog, int32_t fieldId) {
  QComboBox* combo = FindFieldCombo(dialog, fieldId);
  if (!combo) return false;
  for (const std::string& text : collections.TextsFor(fieldId)) combo->addItem(QString::fromStdString(text));
  // Queued by name rather than as a lambda: the call then holds no code of
  // this library, which the program may unload before the dialog runs it.
  QMetaObject::invokeMethod(combo, "setCurrentIndex", Qt::QueuedConnection, Q_ARG(int, 0));
  return true;
}

bool CollectField(CUserDataCollections& collections, QWidget* dialog, int32_t fieldId) {
  QComboBox* combo = FindFieldCombo(dialog, fieldId);
  if (!combo) return false;
  collections.Collect(fieldId, combo->currentText().toStdString());
  return true;
}
