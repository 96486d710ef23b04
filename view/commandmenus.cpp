#include "commandmenus.h"

#include <QAction>
#include <QMenu>

#include "commandids.h"

namespace {

void AddDoorMenu(QMenu& menu) {
  using namespace Cmd;
  QMenu* doors = menu.addMenu(QStringLiteral("Установить дверь"));
  AddCommandItem(*doors, kSetOpening, QStringLiteral("Проем"));
  QMenu* swing = doors->addMenu(QStringLiteral("Распашная"));
  AddCommandItem(*swing, kSetSwingDoor2040, QStringLiteral("Дверной блок 1200х2040"));
  AddCommandItem(*swing, kSetSwingDoor2300, QStringLiteral("Дверной блок 1200х2300"));
  AddCommandItem(*swing, kSetSwingDoor2560, QStringLiteral("Дверной блок 1200х2560"));
  const QString left = QStringLiteral("Левая, световой проем 1200х1850 + панель-арка");
  const QString right = QStringLiteral("Правая, световой проем 1200х1850 + панель-арка");
  QMenu* container = doors->addMenu(QStringLiteral("Контейнерная"));
  AddCommandItem(*container, kSetContainerDoorLeft, left);
  AddCommandItem(*container, kSetContainerDoorRight, right);
  QMenu* sliding = doors->addMenu(QStringLiteral("Откатная"));
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
      AddCommandItem(*menu, kFillAllObjects, QStringLiteral("Заполнить все объекты"));
      break;
    case MenuId::kUndividedWall:
      AddCommandItem(*menu, kSplitCollection, QStringLiteral("Разбить коллекцию"));
      AddCommandItem(*menu, kManualDivision, QStringLiteral("Задать разбивку вручную"));
      AddCommandItem(*menu, kContinueAsPartition, QStringLiteral("Продолжить как перегородку"));
      break;
    case MenuId::kPanel:
      AddDoorMenu(*menu);
      AddCommandItem(*menu, kRemoveDivision, QStringLiteral("Снять разбиение"));
      break;
    case MenuId::kPartition:
      AddCommandItem(*menu, kDeletePartition, QStringLiteral("Удалить перегородку"));
      AddCommandItem(*menu, kSplitPartition, QStringLiteral("Разбить перегородку"));
      AddCommandItem(*menu, kManualDivisionPartition, QStringLiteral("Ручное разбиение"));
      break;
    case MenuId::kNonStandardPanel:
      AddCommandItem(*menu, kFixNonStandardPanel, QStringLiteral("Исправить нестандартную панель"));
      AddCommandItem(*menu, kSetOpening, QStringLiteral("Установить проем"));
      AddCommandItem(*menu, kDeleteDivision, QStringLiteral("Удалить разбиение"));
      break;
    case MenuId::kFloorStrip:
      AddCommandItem(*menu, kSplitFloor, QStringLiteral("Разбить пол/потолок"));
      break;
    case MenuId::kDoorPanel:
      AddCommandItem(*menu, kDeleteDoor, QStringLiteral("Удалить дверь/проем"));
      break;
    default:
      return nullptr;
  }
  return menu;
}
