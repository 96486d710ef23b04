#include "updatecheck.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QDir>
#include <QTemporaryFile>

#include <future>
#include <thread>

#include "languageentries.h"
#include "messages.h"
#include "settings.h"

namespace {

// The whole check may take a few time limits (resolving, connecting,
// receiving); it never runs on for longer than this.
constexpr int kDeadlineTimeouts = 4;

}  // namespace

UpdateCheck CheckForUpdates(const QString& host, int port, std::chrono::milliseconds timeout) {
  UpdateOptions options;
  options.host = host.toStdString();
  options.port = static_cast<uint16_t>(port);
  options.timeout = timeout;
  const auto deadline = std::chrono::steady_clock::now() + timeout * kDeadlineTimeouts;
  // The fetch blocks on the network: it runs beside the event loop, which
  // only repaints meanwhile.
  std::future<IndexFetch> pending = std::async(std::launch::async, [options, deadline] {
    return FetchIndex(options, deadline);
  });
  QApplication::setOverrideCursor(Qt::WaitCursor);
  while (pending.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QApplication::restoreOverrideCursor();
  const IndexFetch index = pending.get();

  UpdateCheck check;
  check.status = index.status;
  const auto installed = [](const std::string& name, std::string& version) {
    QString value;
    if (!ReadVersionValue(QString::fromStdString(name), value)) return false;
    version = value.toStdString();
    return true;
  };
  for (const IndexEntry& entry : NewerEntries(index.entries, installed)) {
    const QString name = QString::fromStdString(CleanEntryName(entry.name));
    QString current;
    ReadVersionValue(name, current);
    check.newer << QStringLiteral("%1 (%2 → %3)")
                       .arg(name, current.isEmpty() ? QStringLiteral("—") : current,
                            QString::fromStdString(entry.version));
  }
  return check;
}

bool ConfirmUpdate(QWidget* parent, const QString& programFolder) {
  const QString caption = UiText(Lang::kUpdateCaption);
  // Only a file actually made there tells: permission bits say nothing of
  // read-only mounts or of what the administrator may do.
  QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral(".zamo-update-XXXXXX")));
  if (!QFileInfo(programFolder).isDir() || !probe.open()) {
    ShowMessageText(UiText(Lang::kUpdateNotWritable).arg(QDir::toNativeSeparators(programFolder)), caption,
                    MessageButtons::Ok, parent);
    return false;
  }
  const QString host = UpdateHost();
  const UpdateCheck check = CheckForUpdates(host, UpdatePort());
  switch (check.status) {
    case IndexStatus::kOk:
      break;
    case IndexStatus::kNoConnection:
      ShowMessageText(UiText(Lang::kUpdateNoConnection).arg(host), caption, MessageButtons::Ok, parent);
      return false;
    default:
      ShowMessageText(UiText(Lang::kUpdateIndexUnreadable).arg(host), caption, MessageButtons::Ok, parent);
      return false;
  }
  if (check.newer.isEmpty()) {
    ShowMessageText(UiText(Lang::kUpdateUpToDate), caption, MessageButtons::Ok, parent);
    return false;
  }
  const QString text = UiText(Lang::kUpdateNewerFiles) + QStringLiteral("\n") + check.newer.join(QLatin1Char('\n')) +
                       QStringLiteral("\n\n") + UiText(Lang::kUpdateAskInstall);
  return ShowMessageText(text, caption, MessageButtons::YesNo, parent) == kMessageYes;
}
