#pragma once

#include <QString>
#include <QWidget>

// Controls are found by their numbers, as the program's commands find them.
template <typename T = QWidget>
T* Control(const QWidget& dialog, int id) {
  return dialog.findChild<T*>(QString::number(id));
}

// The shipped language file, as the program loads it at start.
void LoadShippedLanguage();
// A language table without texts: every dialog keeps its own defaults.
void LoadEmptyLanguage();

// Clicks a control with the mouse (fails the test when it is missing).
void ClickControl(const QWidget& dialog, int id);
// Replaces the text of a line edit or an editable combo box, as typing would.
void TypeInto(const QWidget& dialog, int id, const QString& text);
