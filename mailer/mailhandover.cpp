#include "mailhandover.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "languageentries.h"
#include "languagetable.h"

QString MailProgram() {
  const QString chosen = qEnvironmentVariable(kMailProgramVariable);
  if (!chosen.isEmpty()) return chosen;
  return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

bool IsPlainAddress(const QString& recipient) {
  if (recipient.isEmpty() || recipient.startsWith(QLatin1Char('-'))) return false;
  for (const QChar c : recipient) {
    if (c.isSpace() || c.category() == QChar::Other_Control) return false;
  }
  return true;
}

QStringList MailProgramArguments(const CMailMessage& message) {
  QStringList arguments{QStringLiteral("--utf8")};
  if (!message.subject.isEmpty()) arguments << QStringLiteral("--subject") << message.subject;
  if (!message.body.isEmpty()) arguments << QStringLiteral("--body") << message.body;
  if (!message.attachment.isEmpty() && QFileInfo(message.attachment).isFile())
    arguments << QStringLiteral("--attach") << QFileInfo(message.attachment).absoluteFilePath();
  arguments << message.recipient;
  return arguments;
}

QUrl MailtoUrl(const CMailMessage& message) {
  QString body = message.body;
  if (!message.attachment.isEmpty() && QFileInfo(message.attachment).isFile()) {
    if (!body.isEmpty()) body += QStringLiteral("\n\n");
    body += QString::fromStdString(ModuleLanguage().GetTextOrBuiltin(Lang::kMailAttachmentNote)) + QLatin1Char(' ') +
            QFileInfo(message.attachment).absoluteFilePath();
  }
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(message.recipient);
  // Every character outside the unreserved set is percent-encoded (spaces
  // as %20, not '+': mail programs read mailto: queries literally).
  QStringList items;
  if (!message.subject.isEmpty())
    items << QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(message.subject));
  if (!body.isEmpty()) items << QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
  if (!items.isEmpty()) url.setQuery(items.join(QLatin1Char('&')), QUrl::StrictMode);
  return url;
}

bool HandOverMail(const CMailMessage& message) {
  if (!IsPlainAddress(message.recipient)) return false;
  const QString program = MailProgram();
  if (!program.isEmpty()) return QProcess::startDetached(program, MailProgramArguments(message));
  return QDesktopServices::openUrl(MailtoUrl(message));
}
