#pragma once

class QMenu;

// Replaces the texts of a menu's items by language texts, looking each
// item's command number (the int in QAction::data()) up in the menu text
// table; sub-menus are translated too and get the title their items name.
// Returns the language entry of the menu's own title, or 0.
int TranslateMenu(QMenu* menu);

// The menu text table's row for a command: its text entry, a fixed suffix,
// and the entry of the title of the menu holding it (0 when none).
struct MenuTextRow {
  int command;
  int textEntry;
  const char* suffix;
  int titleEntry;
};
const MenuTextRow* FindMenuText(int command);
