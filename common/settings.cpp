#include "settings.h"

#include <QSettings>

#include "messages.h"

namespace {

const QString kDefGroup = QStringLiteral("Def");

QString QuotixFolderKey() { return kDefGroup + QLatin1Char('/') + ModuleFileName(QStringLiteral("Quotix")); }

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
