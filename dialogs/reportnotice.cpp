#include "reportnotice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QUrl>

#include "languageentries.h"
#include "messages.h"
#include "settings.h"

namespace {

constexpr int kStatusMilliseconds = 0;  // stays until the next status text

QMainWindow* MainWindow(QWidget* parent) {
  for (QWidget* widget = parent; widget; widget = widget->parentWidget())
    if (auto* window = qobject_cast<QMainWindow*>(widget)) return window;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<QMainWindow*>(widget)) return window;
  return nullptr;
}

}  // namespace

void AnnounceReport(const QString& path, QWidget* parent) {
  if (path.isEmpty()) return;
  const QString shown = QDir::toNativeSeparators(path);
  if (QMainWindow* window = MainWindow(parent))
    window->statusBar()->showMessage(UiText(Lang::kReportSavedStatus).arg(shown), kStatusMilliseconds);
  if (!OpenReportsAutomatically()) return;
  QString reason;
  if (qEnvironmentVariable("ZAMO_NO_OPEN") == QStringLiteral("1"))
    reason = UiText(Lang::kReportOpenDisabled);
  else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    reason = UiText(Lang::kReportOpenFailed);
  if (reason.isEmpty()) return;
  const int answer = ShowMessageText(UiText(Lang::kReportNotOpened).arg(shown, reason),
                                     UiText(Lang::kPriceCalculationCaption), MessageButtons::YesNo, parent);
  // Nobody at the screen has a folder to look at.
  if (answer == kMessageYes && !RunsUnattended())
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}
