// zamo_updater: started by the program just before it quits. Fetches the
// update host's index, downloads every file newer than the installed one into
// the program's folder and starts the program again. It has no window of its
// own; only its error messages are shown.
//
// Settings (the program's own settings, group "Update"):
//   Update/Host            update host name (settings.h: UpdateHost)
//   Update/Port            its TCP port                     (default 80)
//   Update/TimeoutSeconds  longest wait without progress; a download must
//                          also bring 1 KiB in every such window (default 30)
//   Update/DeadlineSeconds longest time the whole update may take (default 600)
//   Update/MaxBytes        largest file accepted (default 256 MiB; the index
//                          stays within 1 MiB and 10,000 entries)
// Installed versions are the values the program and the libraries record
// under their file names ("zamo", "libQuotix.so", ...).
//
// Command-line options, for tests and for trying another host; without them
// the updater does what the program expects:
//   --host NAME, --port N     instead of the settings
//   --target-dir DIR          write into DIR instead of the program's folder
//   --event-prefix NAME       events NAME and NAME2 instead of the program's
//   --data-dir DIR            data files (language, tables, pictures) into
//                             DIR instead of the current folder
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include "datafolder.h"
#include "messages.h"
#include "namedevent.h"
#include "settings.h"
#include "updatehandover.h"
#include "updaterun.h"
#include "updatetexts.h"

namespace {

constexpr int kDefaultTimeoutSeconds = 30;
constexpr int kDefaultDeadlineSeconds = 10 * 60;
constexpr qint64 kLongestSetSeconds = 24 * 3600;
constexpr qint64 kDefaultMaxBytes = 256ll * 1024 * 1024;

const QString kTimeoutKey = QStringLiteral("Update/TimeoutSeconds");
const QString kDeadlineKey = QStringLiteral("Update/DeadlineSeconds");
const QString kMaxBytesKey = QStringLiteral("Update/MaxBytes");

// A hand-edited setting that is not a usable number falls back to its
// default rather than disabling a limit.
qint64 PositiveSetting(const QSettings& settings, const QString& key, qint64 fallback, qint64 highest) {
  bool ok = false;
  const qint64 value = settings.value(key).toLongLong(&ok);
  return ok && value > 0 && value <= highest ? value : fallback;
}

class CProgramEnvironment : public CUpdateEnvironment {
 public:
  CProgramEnvironment(std::string connectedName, std::string writtenName)
      : connectedName_(std::move(connectedName)), writtenName_(std::move(writtenName)) {
    written_.Open(writtenName_);
    connected_.Open(connectedName_);
  }

  // The events live as long as the processes that use them; the updater is
  // the last of those.
  ~CProgramEnvironment() override {
    if (connected_.IsValid()) CNamedEvent::Unlink(connectedName_);
    if (written_.IsValid()) CNamedEvent::Unlink(writtenName_);
  }

  bool InstalledVersion(const std::string& name, std::string& version) override {
    QString value;
    if (!ReadVersionValue(QString::fromUtf8(name), value)) return false;
    version = value.toStdString();
    return true;
  }

  void ShowError(const std::string& text, const std::string& title) override {
    ShowMessageText(QString::fromUtf8(text), QString::fromUtf8(title));
  }

  void SignalConnected() override { connected_.Set(); }
  void SignalFilesWritten() override { written_.Set(); }

  // The program is started from the folder that was just updated (its own
  // folder), so that the fresh copy runs, whatever else is on the path.
  bool StartProgram() override {
    const QFileInfo updated(QDir(programFolder_).filePath(QStringLiteral("zamo")));
    const QString program =
        updated.isFile() && updated.isExecutable() ? updated.absoluteFilePath() : FindProgram(QStringLiteral("zamo"));
    // Back on the data folder it ran on.
    return !program.isEmpty() &&
           QProcess::startDetached(program, {QStringLiteral("--data-dir"), QDir::currentPath()}, QDir::currentPath());
  }

  void SetProgramFolder(const QString& folder) { programFolder_ = folder; }

 private:
  std::string connectedName_;
  std::string writtenName_;
  QString programFolder_;
  CNamedEvent connected_;
  CNamedEvent written_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  QCommandLineParser parser;
  const QCommandLineOption hostOption(QStringLiteral("host"), QString(), QStringLiteral("name"));
  const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("n"));
  const QCommandLineOption targetOption(QStringLiteral("target-dir"), QString(), QStringLiteral("dir"));
  const QCommandLineOption eventOption(QStringLiteral("event-prefix"), QString(), QStringLiteral("name"));
  const QCommandLineOption dataOption(QStringLiteral("data-dir"), QString(), QStringLiteral("dir"));
  parser.addOptions({hostOption, portOption, targetOption, eventOption, dataOption});
  // Unknown arguments are ignored: the program starts the updater without any.
  parser.parse(QCoreApplication::arguments());

  const auto settings = OpenZamoSettings();
  UpdateText::Language() = InterfaceLanguage();
  UpdateOptions options;
  QString host = UpdateHost();
  if (parser.isSet(hostOption)) host = parser.value(hostOption);
  options.host = host.toStdString();

  qint64 port = UpdatePort();
  if (parser.isSet(portOption)) {
    bool ok = false;
    const int given = parser.value(portOption).toInt(&ok);
    if (ok && given > 0 && given <= kMaxUpdatePort) port = given;
  }
  options.port = static_cast<uint16_t>(port);
  options.timeout =
      std::chrono::seconds(PositiveSetting(*settings, kTimeoutKey, kDefaultTimeoutSeconds, kLongestSetSeconds));
  options.deadline =
      std::chrono::seconds(PositiveSetting(*settings, kDeadlineKey, kDefaultDeadlineSeconds, kLongestSetSeconds));
  options.maxBytes = static_cast<uint64_t>(PositiveSetting(*settings, kMaxBytesKey, kDefaultMaxBytes, kDefaultMaxBytes * 64));

  const QString target =
      parser.isSet(targetOption) ? parser.value(targetOption) : QCoreApplication::applicationDirPath();
  options.targetDir = QDir(target).absolutePath().toStdString();
  // The program starts the updater in its data folder.
  const QString data = parser.isSet(dataOption) ? parser.value(dataOption) : QDir::currentPath();
  options.dataDir = QDir(data).absolutePath().toStdString();

  std::string connectedEvent = kUpdateConnectedEvent;
  std::string writtenEvent = kUpdateDoneEvent;
  if (parser.isSet(eventOption)) {
    connectedEvent = parser.value(eventOption).toStdString();
    writtenEvent = connectedEvent + "2";
  }
  CProgramEnvironment environment(connectedEvent, writtenEvent);
  environment.SetProgramFolder(QString::fromStdString(options.targetDir));
  RunUpdate(options, environment);
  return 0;
}
