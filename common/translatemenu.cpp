#include "translatemenu.h"

#include <QAction>
#include <QMenu>

#include <array>

#include "messages.h"

namespace {

constexpr std::array<MenuTextRow, 41> kMenuTexts = {{
    {57600, 88, "", 205},   {57603, 89, "", 0},     {32797, 90, "", 0},
    {57602, 91, "", 0},     {32826, 92, "", 0},     {57665, 93, "", 0},
    {59392, 94, "", 206},   {59393, 95, "", 0},     {32806, 97, "", 96},
    {32807, 98, "", 0},     {32810, 99, "", 0},     {32818, 103, "", 0},
    {32820, 104, "", 0},    {32821, 106, "", 0},    {57664, 105, "", 208},
    {57650, 202, "", 207},  {57651, 204, "", 0},    {57649, 203, "", 0},
    {32771, 108, "", 0},    {32772, 109, "", 0},    {32777, 110, "", 0},
    {32788, 117, "", 0},    {32789, 118, "", 0},    {32790, 119, "", 0},
    {32792, 120, "", 0},    {32798, 123, "", 0},    {32799, 101, "", 100},
    {32801, 102, "", 0},    {32802, 113, " 1200x2040", 41},
    {32803, 113, " 1200x2300", 0},                  {32804, 113, " 1200x2560", 0},
    {32783, 114, "", 11},   {32784, 115, "", 0},    {32785, 114, "", 8},
    {32786, 115, "", 0},    {32809, 124, "", 0},    {32812, 111, "", 0},
    {32813, 116, "", 0},    {32814, 122, "", 0},    {32782, 121, "", 112},
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
