#include "messages.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>

#include "languagetable.h"

namespace {

bool& UnattendedFlag() {
  static bool unattended = false;
  return unattended;
}

const char* ButtonName(int answer) {
  switch (answer) {
    case kMessageYes: return "Yes";
    case kMessageNo: return "No";
    case kMessageCancel: return "Cancel";
    default: return "OK";
  }
}

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

int FirstButton(MessageButtons buttons) {
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? kMessageYes
                                                                                      : kMessageOk;
}

int AnswerFromEnvironment(MessageButtons buttons) {
  const QByteArray answer = qgetenv("ZAMO_MESSAGE_ANSWER").toLower();
  if (answer == "ok") return kMessageOk;
  if (answer == "cancel") return kMessageCancel;
  if (answer == "yes") return kMessageYes;
  if (answer == "no") return kMessageNo;
  return FirstButton(buttons);
}

int LogToFile(const QString& path, const MessageRequest& request) {
  QFile file(path);
  if (file.open(QIODevice::Append | QIODevice::Text)) {
    QString text = request.text;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    file.write((request.caption + QLatin1Char('\t') + text + QLatin1Char('\n')).toUtf8());
  }
  return AnswerFromEnvironment(request.buttons);
}

int ShowBox(const MessageRequest& request) {
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::Icon icon = QMessageBox::Warning;
  switch (request.buttons) {
    case MessageButtons::Ok: break;
    case MessageButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo:
      buttons = QMessageBox::Yes | QMessageBox::No;
      icon = QMessageBox::Question;
      break;
    case MessageButtons::YesNoCancel:
      buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      icon = QMessageBox::Question;
      break;
  }
  QMessageBox box(icon, request.caption, request.text, buttons, request.parent);
  switch (box.exec()) {
    case QMessageBox::Yes: return kMessageYes;
    case QMessageBox::No: return kMessageNo;
    case QMessageBox::Cancel: return kMessageCancel;
    case QMessageBox::Ok: return kMessageOk;
    default: return request.buttons == MessageButtons::Ok ? kMessageOk : kMessageCancel;
  }
}

int Deliver(const MessageRequest& request) {
  if (Sink()) return Sink()(request);
  const QString logPath = qEnvironmentVariable("ZAMO_MESSAGE_LOG");
  if (!logPath.isEmpty()) return LogToFile(logPath, request);
  const bool widgets = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
  if (widgets && !RunsUnattended()) return ShowBox(request);
  std::fprintf(stderr, "%s: %s\n", request.caption.toUtf8().constData(), request.text.toUtf8().constData());
  const int answer = FirstButton(request.buttons);
  if (widgets) std::fprintf(stderr, "(no one at the screen: answered %s)\n", ButtonName(answer));
  return answer;
}

}  // namespace

QString LangText(int entry) { return QString::fromStdString(ModuleLanguage().GetString(entry)); }

QString UiText(int entry) { return QString::fromStdString(ModuleLanguage().GetTextOrBuiltin(entry)); }

int ShowMessage(int textEntry, int captionEntry, MessageButtons buttons, QWidget* parent) {
  MessageRequest request{LangText(textEntry), LangText(captionEntry), buttons, parent, textEntry, captionEntry};
  return Deliver(request);
}

int ShowMessageText(const QString& text, const QString& caption, MessageButtons buttons, QWidget* parent) {
  MessageRequest request{text, caption, buttons, parent, 0, 0};
  return Deliver(request);
}

void SetUnattended(bool unattended) { UnattendedFlag() = unattended; }

bool RunsUnattended() {
  if (UnattendedFlag() || !qEnvironmentVariableIsEmpty("ZAMO_UNATTENDED")) return true;
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

MessageSink SetMessageSink(MessageSink sink) {
  MessageSink old = std::move(Sink());
  Sink() = std::move(sink);
  return old;
}
