#include "xlsxreader.h"

#include <QJsonDocument>
#include <QProcess>
#include <QString>

QJsonObject ReadXlsxBack(const std::string& path, bool& available, std::string& error) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(ZAMO_SOURCE_DIR "/tests/quotix/dump_xlsx.py"), QString::fromStdString(path)});
  available = python.waitForStarted();
  if (!available) return {};
  python.waitForFinished(60000);
  if (python.exitCode() == 3) {
    available = false;
    return {};
  }
  if (python.exitCode() != 0) {
    error = python.readAllStandardError().toStdString();
    return {};
  }
  QJsonParseError parse;
  const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput(), &parse);
  if (parse.error != QJsonParseError::NoError) error = parse.errorString().toStdString();
  return document.object();
}

QJsonObject XlsxCell(const QJsonObject& dump, const char* address) {
  return dump.value(QStringLiteral("cells")).toObject().value(QString::fromLatin1(address)).toObject();
}
