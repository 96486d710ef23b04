// Menus show language texts by command number; sub-menus take the title
// their items name, and the last such item wins.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "languagetable.h"
#include "translatemenu.h"

namespace {

// A table in which entry n reads "Tn".
void LoadNumberedTable() {
  std::string file = "1\nRu\n";
  for (int n = 1; n <= 240; ++n) file += std::to_string(n) + "\nT" + std::to_string(n) + "\n";
  ASSERT_TRUE(ModuleLanguage().LoadBytes(file, 0));
}

QAction* AddCommand(QMenu& menu, int command, const char* text) {
  QAction* action = menu.addAction(QString::fromUtf8(text));
  action->setData(command);
  return action;
}

TEST(TranslateMenu, ItemsAndSubMenuTitles) {
  LoadNumberedTable();
  QMenu menu;
  QAction* fill = AddCommand(menu, 32771, "Заполнить все объекты");
  menu.addSeparator();
  QAction* unknown = AddCommand(menu, 40000, "Своё");
  QMenu* door = menu.addMenu(QStringLiteral("Установить дверь"));
  QAction* opening = AddCommand(*door, 32782, "Проем");
  QMenu* swing = door->addMenu(QStringLiteral("Распашная"));
  QAction* swing1 = AddCommand(*swing, 32802, "Дверной блок 1200х2040");
  AddCommand(*swing, 32803, "Дверной блок 1200х2300");

  EXPECT_EQ(TranslateMenu(&menu), 0);  // no item of the top menu names a title
  EXPECT_EQ(fill->text(), QStringLiteral("T108"));
  EXPECT_EQ(unknown->text(), QStringLiteral("Своё"));
  EXPECT_EQ(opening->text(), QStringLiteral("T121"));
  EXPECT_EQ(swing1->text(), QStringLiteral("T113 1200x2040"));
  EXPECT_EQ(door->menuAction()->text(), QStringLiteral("T112"));
  EXPECT_EQ(swing->menuAction()->text(), QStringLiteral("T41"));
}

TEST(TranslateMenu, LastTitleRowWins) {
  LoadNumberedTable();
  QMenu menu;
  AddCommand(menu, 57600, "new");   // title 205
  AddCommand(menu, 32806, "arch");  // title 96
  EXPECT_EQ(TranslateMenu(&menu), 96);
}

TEST(TranslateMenu, EmptyTextKeepsTheResourceText) {
  ASSERT_TRUE(ModuleLanguage().LoadBytes("1\nRu\n1\nOnly\n", 0));
  QMenu menu;
  QAction* fill = AddCommand(menu, 32771, "Заполнить все объекты");
  TranslateMenu(&menu);
  EXPECT_EQ(fill->text(), QStringLiteral("Заполнить все объекты"));
}

}  // namespace
