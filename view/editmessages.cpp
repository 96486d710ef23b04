#include "editmessages.h"

#include <QString>

#include "languageentries.h"
#include "messages.h"

namespace {

const QString kWarningCaption = QStringLiteral("Предупреждение");

QString RefusalText(EditRefusal reason) {
  switch (reason) {
    case EditRefusal::kFirstSegment:
      return QStringLiteral("Перетаскивание этой панели запрещено. Используйте боковую панель для создания угла.");
    case EditRefusal::kRunWouldVanish:
      return QStringLiteral("Стена стала бы короче нуля. Введите меньшее расстояние.");
    case EditRefusal::kOpenChain:
      return QStringLiteral("После такого изменения контур камеры не замкнется. Выберите другую стену или расстояние.");
    case EditRefusal::kNothingToBend:
      return QStringLiteral("У этой стены нет перпендикулярных соседей: ее нельзя передвинуть.");
    case EditRefusal::kNoOppositeWall:
      return QStringLiteral("Нет противоположной стены, которая могла бы измениться вместе с этой.");
    case EditRefusal::kWouldLoseDoor:
      return QStringLiteral("Дверь или проем на противоположной стене не найдет своей панели. Сначала удалите их.");
    case EditRefusal::kWallsWouldCross:
      return QStringLiteral("Стены камеры пересеклись бы или соприкоснулись. Выберите другое расстояние.");
    case EditRefusal::kBeyondLimits:
      return QStringLiteral("Размеры камеры вышли бы за допустимые пределы.");
    case EditRefusal::kNoSuchWall:
    case EditRefusal::kNoSuchPanel:
      return QStringLiteral("Стена или панель больше не существует.");
    case EditRefusal::kDoorAtRunEnd:
      return LangText(Lang::kDoorOnEndPanel);
    case EditRefusal::kBadArgument:
    case EditRefusal::kNotEmpty:
    case EditRefusal::kNone:
      break;
  }
  return QStringLiteral("Это изменение невозможно.");
}

}  // namespace

void ShowEditRefusal(EditRefusal reason, QWidget* parent) {
  ShowMessageText(RefusalText(reason), kWarningCaption, MessageButtons::Ok, parent);
}

bool RefuseLockedGeometry(bool locked, QWidget* parent) {
  if (!locked) return false;
  ShowMessageText(QStringLiteral("Геометрия этой камеры защищена от изменений."), kWarningCaption,
                  MessageButtons::Ok, parent);
  return true;
}
