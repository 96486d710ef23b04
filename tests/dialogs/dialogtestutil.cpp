#include "dialogtestutil.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "languagetable.h"
#include "testsupport.h"

void LoadShippedLanguage() {
  ASSERT_TRUE(ModuleLanguage().LoadFile(SourceDataDir() + "/zamo.language", 0));
}

void LoadEmptyLanguage() { ASSERT_TRUE(ModuleLanguage().LoadBytes("1\nRu\n", 0)); }

void ClickControl(const QWidget& dialog, int id) {
  QWidget* control = Control(dialog, id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  // Radio buttons and check boxes answer clicks on their mark and text only,
  // which need not be the middle of a stretched control.
  auto* button = qobject_cast<QAbstractButton*>(control);
  const bool checkable = button && button->isCheckable();
  QTest::mouseClick(control, Qt::LeftButton, {}, checkable ? QPoint(6, control->height() / 2) : QPoint());
}

void TypeInto(const QWidget& dialog, int id, const QString& text) {
  QWidget* control = Control(dialog, id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  QLineEdit* edit = qobject_cast<QLineEdit*>(control);
  if (auto* combo = qobject_cast<QComboBox*>(control)) edit = combo->lineEdit();
  ASSERT_NE(edit, nullptr) << "control " << id << " takes no text";
  edit->selectAll();
  edit->del();
  if (!text.isEmpty()) QTest::keyClicks(edit, text);
}
