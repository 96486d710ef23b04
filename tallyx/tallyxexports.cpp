// The exports of libTallyx and what it does when it is loaded. The program
// loads the library around each showing of the send-camera dialog, so every
// showing reads the remembered values anew.
#include <QString>
#include <QWidget>

#include "dialogfields.h"
#include "settings.h"
#include "userdatacollections.h"
#include "zamo_abi.h"

namespace {

CUserDataCollections& ModuleCollections() {
  static CUserDataCollections collections;
  return collections;
}

struct CLoadHook {
  CLoadHook() {
    try {
      WriteVersionValue(ModuleFileName(QStringLiteral("Tallyx")), QStringLiteral("1.0.0"));
      // Every file problem is silent here: the form simply offers nothing.
      ModuleCollections().LoadFile(kUserDataFileName);
    } catch (...) {
    }
  }
};
const CLoadHook loadHook;

}  // namespace

extern "C" {

ZAMO_EXPORT int32_t FillCollected(void* dialog, int32_t controlId) {
  try {
    return FillField(ModuleCollections(), static_cast<QWidget*>(dialog), controlId) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t Collect(void* dialog, int32_t controlId) {
  try {
    return CollectField(ModuleCollections(), static_cast<QWidget*>(dialog), controlId) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t WriteFileCollections(void) {
  try {
    // Nothing is reported: remembering form values must never get in the
    // way of sending.
    return ModuleCollections().SaveFile(kUserDataFileName) ? 0 : 1;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"

// The program binds these through the list of the shared header; a drift
// between the two must not compile.
ZAMO_TALLYX_EXPORTS(ZAMO_CHECK_EXPORT)
