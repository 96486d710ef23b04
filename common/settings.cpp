#include "settings.h"

#include <QSettings>

#include "messages.h"

namespace {

// Keys are plain literals, not QString objects: the plugins read the
// settings while they load, before a shared library's QString globals are
// made.
constexpr QLatin1String kDefGroup{"Def"};

QString QuotixFolderKey() { return QString(kDefGroup) + QLatin1Char('/') + ModuleFileName(QStringLiteral("Quotix")); }

// Writes and flushes; false when the store refused. The settings cache is
// shared by the whole process and outlives a plugin that writes its version,
// so the value is copied: a literal of the plugin would otherwise point into
// its unloaded image.
bool WriteValue(const QString& key, const QString& value) {
  auto settings = OpenZamoSettings();
  if (!settings->isWritable()) return false;
  settings->setValue(key, QString(value.constData(), value.size()));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

void WarnCannotWrite() {
  ShowMessageText(QStringLiteral("Cannot update registry key!"), QStringLiteral("Warning"));
}

}  // namespace

std::unique_ptr<QSettings> OpenZamoSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Kryvel"), QStringLiteral("Zamo"));
}

bool ReadVersionValue(const QString& valueName, QString& version) {
  const QVariant value = OpenZamoSettings()->value(valueName);
  if (!value.isValid()) return false;
  version = value.toString();
  return true;
}

void WriteVersionValue(const QString& valueName, const QString& text) {
  if (!WriteValue(valueName, text)) WarnCannotWrite();
}

bool ReadQuotixFolder(QString& folder) {
  auto settings = OpenZamoSettings();
  if (!settings->childGroups().contains(kDefGroup)) return false;
  folder = settings->value(QuotixFolderKey()).toString();
  return true;
}

void WriteQuotixFolderDefault() {
  if (!WriteValue(QuotixFolderKey(), DefaultPluginFolder())) WarnCannotWrite();
}

QString ModuleFileName(const QString& baseName) {
#if defined(_WIN32)
  return baseName + QStringLiteral(".dll");
#elif defined(__APPLE__)
  return QStringLiteral("lib") + baseName + QStringLiteral(".dylib");
#else
  return QStringLiteral("lib") + baseName + QStringLiteral(".so");
#endif
}

QString DefaultPluginFolder() { return QStringLiteral(ZAMO_PLUGIN_DIR); }

namespace {

constexpr QLatin1String kLanguageKey{"Interface/Language"};
constexpr QLatin1String kRecentFilesKey{"Interface/RecentFiles"};
constexpr QLatin1String kLastFolderKey{"Interface/LastFolder"};
constexpr QLatin1String kThicknessKey{"Interface/DefaultThickness"};
constexpr QLatin1String kRecipientKey{"Mail/Recipient"};
constexpr QLatin1String kUpdateHostKey{"Update/Host"};
constexpr QLatin1String kUpdatePortKey{"Update/Port"};
// The pricing library reads this one when a report is done.
constexpr QLatin1String kOpenReportsKey{"Reports/OpenAfterSave"};
constexpr QLatin1String kDefaultUpdateHost{"update.kryvel.ru"};
constexpr int kThinPanel = 80;
constexpr int kThickPanel = 100;

// A user's choice that cannot be stored costs nothing but the choice: the
// program runs on with the value it has.
void Store(const QString& key, const QVariant& value) {
  auto settings = OpenZamoSettings();
  settings->setValue(key, value);
  settings->sync();
}

int IntSetting(const QString& key, int fallback) {
  bool ok = false;
  const int value = OpenZamoSettings()->value(key).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

int InterfaceLanguage() {
  const int language = IntSetting(kLanguageKey, 0);
  return language >= 0 && language < kLanguageCount ? language : 0;
}

void SetInterfaceLanguage(int language) { Store(kLanguageKey, language); }

QStringList RecentFiles() {
  QStringList files = OpenZamoSettings()->value(kRecentFilesKey).toStringList();
  files.removeAll(QString());
  files.removeDuplicates();
  return files.mid(0, kMaxRecentFiles);
}

void AddRecentFile(const QString& path) {
  if (path.isEmpty()) return;
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  Store(kRecentFilesKey, files.mid(0, kMaxRecentFiles));
}

QString LastFileFolder() { return OpenZamoSettings()->value(kLastFolderKey).toString(); }

void SetLastFileFolder(const QString& folder) { Store(kLastFolderKey, folder); }

QString FactoryMailAddress() { return OpenZamoSettings()->value(kRecipientKey).toString().trimmed(); }

void SetFactoryMailAddress(const QString& address) { Store(kRecipientKey, address.trimmed()); }

QString UpdateHost() {
  const QString host = OpenZamoSettings()->value(kUpdateHostKey).toString().trimmed();
  return host.isEmpty() ? QString(kDefaultUpdateHost) : host;
}

int UpdatePort() {
  const int port = IntSetting(kUpdatePortKey, kDefaultUpdatePort);
  return port > 0 && port <= kMaxUpdatePort ? port : kDefaultUpdatePort;
}

void SetUpdateHost(const QString& host, int port) {
  Store(kUpdateHostKey, host.trimmed());
  Store(kUpdatePortKey, port);
}

bool OpenReportsAutomatically() { return OpenZamoSettings()->value(kOpenReportsKey, true).toBool(); }

void SetOpenReportsAutomatically(bool open) { Store(kOpenReportsKey, open); }

int DefaultPanelThickness() { return IntSetting(kThicknessKey, kThinPanel) == kThickPanel ? kThickPanel : kThinPanel; }

void SetDefaultPanelThickness(int thickness) { Store(kThicknessKey, thickness == kThickPanel ? kThickPanel : kThinPanel); }
