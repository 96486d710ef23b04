#pragma once

#include <QString>

#include <functional>

class QWidget;

// Message boxes of the whole program go through here, so that tests (and the
// command-line tool) can read and answer them without a modal box.

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Results use the classic dialog numbers the callers compare with.
enum MessageResult { kMessageOk = 1, kMessageCancel = 2, kMessageYes = 6, kMessageNo = 7 };

struct MessageRequest {
  QString text;
  QString caption;
  MessageButtons buttons = MessageButtons::Ok;
  QWidget* parent = nullptr;
  int textEntry = 0;     // language entries when the message came from them
  int captionEntry = 0;
};

using MessageSink = std::function<int(const MessageRequest&)>;

// Shows language entry `textEntry` captioned with entry `captionEntry`.
int ShowMessage(int textEntry, int captionEntry, MessageButtons buttons = MessageButtons::Ok,
                QWidget* parent = nullptr);
// Shows a literal text.
int ShowMessageText(const QString& text, const QString& caption,
                    MessageButtons buttons = MessageButtons::Ok, QWidget* parent = nullptr);

// Replaces where messages go; returns the sink that was in place. An empty
// sink restores the default: a message box when there is a widget
// application, stderr otherwise. With ZAMO_MESSAGE_LOG=<file> in the
// environment every message is appended to that file as "caption<TAB>text"
// and answered with ZAMO_MESSAGE_ANSWER (ok, cancel, yes, no; default: the
// first button) — how tests watch the plugins, which have their own copy.
MessageSink SetMessageSink(MessageSink sink);

// A run with no one at the screen (the offscreen or minimal platform,
// ZAMO_UNATTENDED=1, or a test or benchmark main that says so) never shows a
// modal box: a box nobody can answer would block the run for ever. The
// message goes to stderr and is answered with its default button.
void SetUnattended(bool unattended);
bool RunsUnattended();

// The text of a language entry of this module's table.
QString LangText(int entry);
// The text of a language entry, or its built-in (shipped Russian) text when
// this module's table has none: a message, label or menu item of the
// program never goes blank for a missing or older language file.
QString UiText(int entry);
