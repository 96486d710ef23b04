#pragma once

#include "editrefusal.h"

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
