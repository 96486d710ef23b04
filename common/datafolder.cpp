#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

bool UseDataFolder(const QString& folder, QString* error) {
  QDir dir(folder);
  if (!dir.exists() && !QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("cannot create the data folder ") + folder;
    return false;
  }
  if (!QDir::setCurrent(dir.absolutePath())) {
    if (error) *error = QStringLiteral("cannot enter the data folder ") + folder;
    return false;
  }
  return true;
}

QString UserDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return QDir(base).filePath(QStringLiteral("Kryvel/Zamo"));
}

QString ShippedDataFolder() {
  const QString besideProgram =
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/zamo"));
  if (QFileInfo::exists(besideProgram + QStringLiteral("/zamo.language"))) return QDir(besideProgram).absolutePath();
  return QStringLiteral(ZAMO_SOURCE_DATA_DIR);
}

void SeedDataFolder(const QString& folder, const QString& shipped) {
  if (shipped.isEmpty() || !QFileInfo(shipped).isDir()) return;
  QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString relative = QDir(shipped).relativeFilePath(source);
    const QString target = QDir(folder).filePath(relative);
    if (QFileInfo::exists(target)) continue;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(source, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  }
}

QString FindProgram(const QString& name) {
  // The running program's own folder first, then the data folder: the
  // order in which the Windows program's process start looked.
  QStringList folders;
  if (QCoreApplication::instance()) folders << QCoreApplication::applicationDirPath();
  folders << QDir::currentPath();
  for (const QString& folder : std::as_const(folders)) {
    const QFileInfo info(QDir(folder).filePath(name));
    if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
  }
  return QStandardPaths::findExecutable(name);
}
