#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Handing a message to the user's own mail program. The program never
// sends mail itself: it opens a new message in the desktop's mail program,
// addressed and filled in, and the user sends it from there.

struct CMailMessage {
  QString recipient;   // one address
  QString subject;
  QString body;
  QString attachment;  // a file to attach, or empty
};

// Environment variable naming a program to run instead of xdg-email (tests
// put a recorder there).
inline constexpr const char* kMailProgramVariable = "ZAMO_MAIL_PROGRAM";

// The program that opens a new message: the one named by
// kMailProgramVariable, else xdg-email when installed; empty when neither.
QString MailProgram();

// Whether `recipient` is one plain address: no blanks, no line breaks, and
// not taken for an option by the mail program.
bool IsPlainAddress(const QString& recipient);

// xdg-email's arguments for `message` (the attachment only when the file
// exists). Every text follows the option it fills, and the recipient, last,
// is a plain address, so nothing is ever read as an option.
QStringList MailProgramArguments(const CMailMessage& message);

// A mailto: URL for desktops without xdg-email. Such a URL cannot carry an
// attachment, so the body names the file for the user to attach.
QUrl MailtoUrl(const CMailMessage& message);

// Starts the mail program (or opens the mailto: URL) and returns at once.
// True when the message was handed over; false for an address that is not
// plain or when nothing could be started.
bool HandOverMail(const CMailMessage& message);
