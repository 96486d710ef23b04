#include "updatehandover.h"

#include <QDir>
#include <QProcess>

#include "datafolder.h"
#include "languageentries.h"
#include "messages.h"
#include "namedevent.h"

UpdaterStart StartUpdater() {
  // The events outlive this program: the updater opens them by name after we
  // quit. Clearing them drops a state left by an earlier update.
  CNamedEvent connected;
  CNamedEvent done;
  const bool created = connected.Create(kUpdateConnectedEvent);
  if (done.Create(kUpdateDoneEvent)) done.Reset();
  if (!created) return UpdaterStart::kNotAttempted;
  connected.Reset();

  const QString updater = FindProgram(QStringLiteral("zamo_updater"));
  if (updater.isEmpty() || !QProcess::startDetached(updater, {}, QDir::currentPath())) {
    ShowMessage(Lang::kUpdaterCannotStart, Lang::kErrorCaption);
    return UpdaterStart::kFailed;
  }
  return UpdaterStart::kStarted;
}
