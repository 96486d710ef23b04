#include "editmessages.h"

#include <QString>

#include "childview.h"
#include "languageentries.h"
#include "messages.h"

QString EditMessageText(const EditMessage& message) {
  return QString::fromStdString(
      FormatEditMessage(message, [](int entry) { return UiText(entry).toStdString(); }));
}

namespace {

// The caption each message has always had in the window; a warning for the
// rest.
int CaptionOf(int entry) {
  switch (entry) {
    case Lang::kCameraTooLowForDoor: return Lang::kCameraTooLowCaption;
    case Lang::kDoorOnEndPanel:
    case Lang::kPanelNotInOwner: return Lang::kErrorCaption;
    case Lang::kOpeningHeightOutOfRange: return Lang::kOpeningCaption;
    case Lang::kRemoveDivisionForCorner:
    case Lang::kAskRunsLoseDivision:
    case Lang::kAskRedivideDropsDoors: return Lang::kAttentionCaption;
    default: return Lang::kWarningCaption;
  }
}

int ShowEditMessage(const EditMessage& message, MessageButtons buttons, QWidget* parent) {
  // A message without values goes by its entries, so that whoever watches
  // the messages (tests, logs) sees which one it was.
  if (message.args.empty()) return ShowMessage(message.entry, CaptionOf(message.entry), buttons, parent);
  return ShowMessageText(EditMessageText(message), UiText(CaptionOf(message.entry)), buttons, parent);
}

}  // namespace

bool CWindowAsker::Confirm(const EditMessage& question) {
  return ShowEditMessage(question, MessageButtons::YesNo, parent_) == kMessageYes;
}

bool FinishEdit(CChildView& view, const EditResult& result) {
  if (result.status == EditResult::Status::kRefused) ShowEditMessage(result.reason, MessageButtons::Ok, &view);
  view.DocumentChanged();
  return result.Applied();
}

void ShowEditRefusal(EditRefusal reason, QWidget* parent) {
  ShowMessageText(EditMessageText(RefusalMessage(reason)), UiText(Lang::kWarningCaption), MessageButtons::Ok, parent);
}

bool RefuseLockedGeometry(bool locked, QWidget* parent) {
  if (!locked) return false;
  ShowMessageText(UiText(Lang::kGeometryLocked), UiText(Lang::kWarningCaption), MessageButtons::Ok, parent);
  return true;
}
