#include "commandmenus.h"

#include <QAction>
#include <QMenu>

#include "commandids.h"
#include "languageentries.h"
#include "messages.h"

namespace {

void AddDoorMenu(QMenu& menu) {
  using namespace Cmd;
  QMenu* doors = menu.addMenu(UiText(Lang::kMenuSetDoorTitle));
  AddCommandItem(*doors, kSetOpening, UiText(Lang::kMenuOpeningItem));
  QMenu* swing = doors->addMenu(UiText(Lang::kSwingDoor));
  const QString block = UiText(Lang::kMenuDoorBlock);
  AddCommandItem(*swing, kSetSwingDoor2040, block + QStringLiteral(" 1200x2040"));
  AddCommandItem(*swing, kSetSwingDoor2300, block + QStringLiteral(" 1200x2300"));
  AddCommandItem(*swing, kSetSwingDoor2560, block + QStringLiteral(" 1200x2560"));
  const QString left = UiText(Lang::kMenuDoorLeft);
  const QString right = UiText(Lang::kMenuDoorRight);
  QMenu* container = doors->addMenu(UiText(Lang::kContainerDoor));
  AddCommandItem(*container, kSetContainerDoorLeft, left);
  AddCommandItem(*container, kSetContainerDoorRight, right);
  QMenu* sliding = doors->addMenu(UiText(Lang::kSlidingDoor));
  AddCommandItem(*sliding, kSetSlidingDoorLeft, left);
  AddCommandItem(*sliding, kSetSlidingDoorRight, right);
}

}  // namespace

QAction* AddCommandItem(QMenu& menu, int command, const QString& text) {
  QAction* action = menu.addAction(text);
  action->setData(command);
  action->setObjectName(QString::number(command));
  return action;
}

std::unique_ptr<QMenu> BuildContextMenu(int id, QWidget* parent) {
  using namespace Cmd;
  auto menu = std::make_unique<QMenu>(parent);
  menu->setObjectName(QString::number(id));
  switch (id) {
    case MenuId::kFloor:
      AddCommandItem(*menu, kFillAllObjects, UiText(Lang::kMenuFillAllObjects));
      break;
    case MenuId::kUndividedWall:
      AddCommandItem(*menu, kSplitCollection, UiText(Lang::kMenuSplitCollection));
      AddCommandItem(*menu, kManualDivision, UiText(Lang::kMenuManualDivision));
      AddCommandItem(*menu, kContinueAsPartition, UiText(Lang::kMenuContinueAsPartition));
      menu->addSeparator();
      AddCommandItem(*menu, kSetWallLength, UiText(Lang::kMenuSetLength));
      break;
    case MenuId::kDimension:
      AddCommandItem(*menu, kSetWallLength, UiText(Lang::kMenuSetLength));
      AddCommandItem(*menu, kSetCameraLength, UiText(Lang::kMenuSetCameraLength));
      AddCommandItem(*menu, kSetCameraWidth, UiText(Lang::kMenuSetCameraWidth));
      break;
    case MenuId::kPanel:
      AddDoorMenu(*menu);
      AddCommandItem(*menu, kRemoveDivision, UiText(Lang::kMenuRemoveDivision));
      break;
    case MenuId::kPartition:
      AddCommandItem(*menu, kDeletePartition, UiText(Lang::kMenuDeletePartition));
      AddCommandItem(*menu, kSplitPartition, UiText(Lang::kMenuSplitPartition));
      AddCommandItem(*menu, kManualDivisionPartition, UiText(Lang::kMenuManualDivisionPartition));
      break;
    case MenuId::kNonStandardPanel:
      AddCommandItem(*menu, kFixNonStandardPanel, UiText(Lang::kMenuFixNonStandardPanel));
      AddCommandItem(*menu, kSetOpening, UiText(Lang::kMenuOpening));
      AddCommandItem(*menu, kDeleteDivision, UiText(Lang::kMenuDeleteDivision));
      break;
    case MenuId::kFloorStrip:
      AddCommandItem(*menu, kSplitFloor, UiText(Lang::kMenuSplitFloor));
      break;
    case MenuId::kDoorPanel:
      AddCommandItem(*menu, kDeleteDoor, UiText(Lang::kMenuDeleteDoor));
      break;
    default:
      return nullptr;
  }
  return menu;
}
