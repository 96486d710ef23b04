#include "translatemenu.h"

#include <QAction>
#include <QMenu>

#include <array>

#include "languageentries.h"
#include "messages.h"

namespace {

// Commands by number (their names, Cmd::, belong to the camera window above
// this folder); texts and menu titles by language entry.
constexpr std::array<MenuTextRow, 41> kMenuTexts = {{
    {57600, Lang::kMenuNewCamera, "", Lang::kMenuFileTitle}, {57603, Lang::kMenuSaveCamera, "", 0},
    {32797, Lang::kMenuLoadCamera, "", 0}, {57602, Lang::kMenuCloseCamera, "", 0},
    {32826, Lang::kMenuExportCamera, "", 0}, {57665, Lang::kMenuExit, "", 0},
    {59392, Lang::kMenuToolbar, "", Lang::kMenuViewTitle}, {59393, Lang::kMenuStatusBar, "", 0},
    {32806, Lang::kMenuAddToArchive, "", Lang::kMenuArchiveTitle}, {32807, Lang::kMenuLoadFromArchive, "", 0},
    {32810, Lang::kMenuSend, "", 0}, {32818, Lang::kMenuPriceList80, "", 0},
    {32820, Lang::kMenuPriceList100, "", 0}, {32821, Lang::kMenuUpdateProgram, "", 0},
    {57664, Lang::kMenuAbout, "", Lang::kMenuHelpTitle}, {57650, Lang::kMenuCascade, "", Lang::kMenuWindowTitle},
    {57651, Lang::kMenuTile, "", 0}, {57649, Lang::kMenuArrangeIcons, "", 0},
    {32771, Lang::kMenuFillAllObjects, "", 0}, {32772, Lang::kMenuSplitCollection, "", 0},
    {32777, Lang::kMenuManualDivision, "", 0}, {32788, Lang::kMenuDeletePartition, "", 0},
    {32789, Lang::kMenuSplitPartition, "", 0}, {32790, Lang::kMenuManualDivisionPartition, "", 0},
    {32792, Lang::kMenuFixNonStandardPanel, "", 0}, {32798, Lang::kMenuSplitFloor, "", 0},
    {32799, Lang::kMenuPricesSettings, "", Lang::kMenuPricesTitle}, {32801, Lang::kMenuMaterials, "", 0},
    {32802, Lang::kMenuDoorBlock, " 1200x2040", Lang::kSwingDoor}, {32803, Lang::kMenuDoorBlock, " 1200x2300", 0},
    {32804, Lang::kMenuDoorBlock, " 1200x2560", 0}, {32783, Lang::kMenuDoorLeft, "", Lang::kContainerDoor},
    {32784, Lang::kMenuDoorRight, "", 0}, {32785, Lang::kMenuDoorLeft, "", Lang::kSlidingDoor},
    {32786, Lang::kMenuDoorRight, "", 0}, {32809, Lang::kMenuDeleteDoor, "", 0},
    {32812, Lang::kMenuContinueAsPartition, "", 0}, {32813, Lang::kMenuRemoveDivision, "", 0},
    {32814, Lang::kMenuDeleteDivision, "", 0}, {32782, Lang::kMenuOpening, "", Lang::kMenuSetDoorTitle},
    {0, 0, "", 0},
}};

}  // namespace

const MenuTextRow* FindMenuText(int command) {
  for (const MenuTextRow& row : kMenuTexts) {
    if (row.command != 0 && row.command == command) return &row;
  }
  return nullptr;
}

int TranslateMenu(QMenu* menu) {
  if (!menu) return 0;
  int title = 0;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    if (QMenu* sub = action->menu()) {
      const int subTitle = TranslateMenu(sub);
      if (subTitle != 0) {
        action->setText(LangText(subTitle));
        sub->setTitle(LangText(subTitle));
      }
      continue;
    }
    bool isNumber = false;
    const int command = action->data().toInt(&isNumber);
    const MenuTextRow* row = isNumber ? FindMenuText(command) : nullptr;
    if (!row) continue;
    const QString text = LangText(row->textEntry) + QString::fromUtf8(row->suffix);
    if (row->titleEntry != 0) title = row->titleEntry;
    if (!text.isEmpty()) action->setText(text);
  }
  return title;
}
