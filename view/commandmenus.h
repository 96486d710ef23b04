#pragma once

#include <QString>

#include <memory>

class QAction;
class QMenu;
class QWidget;

// Menus whose items carry command numbers (QAction::data()), built with
// their resource texts; TranslateMenu puts the language texts in.

// Appends an item for `command` to `menu`.
QAction* AddCommandItem(QMenu& menu, int command, const QString& text);

// Context menu `id` (MenuId) of the camera window; its object name is the
// number. Null for a number that is no context menu.
std::unique_ptr<QMenu> BuildContextMenu(int id, QWidget* parent);
