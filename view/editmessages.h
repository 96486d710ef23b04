#pragma once

#include "editcommands.h"
#include "editrefusal.h"

class CChildView;
class QString;

class QWidget;

// The messages the camera window shows when an edit cannot be made. The
// model only says why it refused; these turn the reason into words for
// the user. Nothing is recorded for a refused edit.

// Tells the user why the model refused an edit.
void ShowEditRefusal(EditRefusal reason, QWidget* parent = nullptr);

// The camera's outline is locked when it was created so: corners, moved
// walls and fixed non-standard panels are refused with a short message.
// True (and the message shown) when the command must stop.
bool RefuseLockedGeometry(bool locked, QWidget* parent = nullptr);

// The text of an edit command's message in the program's language.
QString EditMessageText(const EditMessage& message);

// Asks the user in a Yes/No box.
class CWindowAsker : public IEditAsker {
 public:
  explicit CWindowAsker(QWidget* parent) : parent_(parent) {}
  bool Confirm(const EditMessage& question) override;

 private:
  QWidget* parent_;
};

// After an edit command: a refusal is shown, an applied edit is drawn.
// Returns whether the edit was applied.
bool FinishEdit(CChildView& view, const EditResult& result);
