#include "editmessages.h"

#include <QString>

#include "languageentries.h"
#include "messages.h"

namespace {

QString RefusalText(EditRefusal reason) {
  switch (reason) {
    case EditRefusal::kFirstSegment:
      return UiText(Lang::kRefusalFirstSegment);
    case EditRefusal::kRunWouldVanish:
      return UiText(Lang::kRefusalRunWouldVanish);
    case EditRefusal::kOpenChain:
      return UiText(Lang::kRefusalOpenChain);
    case EditRefusal::kNothingToBend:
      return UiText(Lang::kRefusalNothingToBend);
    case EditRefusal::kNoOppositeWall:
      return UiText(Lang::kRefusalNoOppositeWall);
    case EditRefusal::kWouldLoseDoor:
      return UiText(Lang::kRefusalWouldLoseDoor);
    case EditRefusal::kWallsWouldCross:
      return UiText(Lang::kRefusalWallsWouldCross);
    case EditRefusal::kBeyondLimits:
      return UiText(Lang::kRefusalBeyondLimits);
    case EditRefusal::kNoSuchWall:
    case EditRefusal::kNoSuchPanel:
      return UiText(Lang::kRefusalNoSuchObject);
    case EditRefusal::kDoorAtRunEnd:
      return LangText(Lang::kDoorOnEndPanel);
    case EditRefusal::kBadArgument:
    case EditRefusal::kNotEmpty:
    case EditRefusal::kNone:
      break;
  }
  return UiText(Lang::kRefusalNotPossible);
}

}  // namespace

void ShowEditRefusal(EditRefusal reason, QWidget* parent) {
  ShowMessageText(RefusalText(reason), UiText(Lang::kWarningCaption), MessageButtons::Ok, parent);
}

bool RefuseLockedGeometry(bool locked, QWidget* parent) {
  if (!locked) return false;
  ShowMessageText(UiText(Lang::kGeometryLocked), UiText(Lang::kWarningCaption), MessageButtons::Ok, parent);
  return true;
}
