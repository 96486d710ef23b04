#include "recentfilesmenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "settings.h"

int AddRecentFileItems(QMenu& menu, const std::function<void(const QString&)>& open) {
  const QStringList files = RecentFiles();
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    // Numbered as mnemonics, the file name first: the folder is the tip.
    QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(QDir::toNativeSeparators(path));
    action->setStatusTip(QDir::toNativeSeparators(path));
    QObject::connect(action, &QAction::triggered, &menu, [open, path] { open(path); });
  }
  return static_cast<int>(files.size());
}
