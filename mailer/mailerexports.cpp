// The exports of libmailer: a camera handed to the user's mail program,
// addressed to the manufacturer. Both calls return at once; the user sends
// the message from the mail program.
#include <QString>

#include "languageentries.h"
#include "languagetable.h"
#include "settings.h"
#include "mailhandover.h"
#include "zamo_abi.h"

namespace {

QString Text(const char* utf8) { return utf8 ? QString::fromUtf8(utf8) : QString(); }

// The library's own texts come from the language file of the data folder
// (the current folder), read at the first call; without one, the built-in
// texts serve.
void LoadLanguageOnce() {
  static const bool loaded = ModuleLanguage().Load(InterfaceLanguage());
  (void)loaded;
}

}  // namespace

extern "C" {

// The desktop's mail program sends from the account it is set up with, so
// `account` names nothing it could use; it stays in the calls for the
// callers that pass it.
ZAMO_EXPORT int32_t SendMail(const char* /*account*/, const char* recipient) {
  try {
    LoadLanguageOnce();
    CMailMessage message;
    message.recipient = Text(recipient);
    message.subject = QString::fromStdString(ModuleLanguage().GetTextOrBuiltin(Lang::kMailSubject));
    return HandOverMail(message) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t SendCamera(const char* /*account*/, const char* recipient, const char* subject,
                               const char* body, const char* attachmentPath) {
  try {
    LoadLanguageOnce();
    const CMailMessage message{Text(recipient), Text(subject), Text(body), Text(attachmentPath)};
    return HandOverMail(message) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"

// The program binds these through the list of the shared header; a drift
// between the two must not compile.
ZAMO_MAILER_EXPORTS(ZAMO_CHECK_EXPORT)
