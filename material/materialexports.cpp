// The exports of libMaterial and what it does when it is loaded. The
// program loads the library for the length of one command, the pricing
// library keeps it while it prices; each load reads the profile file anew.
#include <QApplication>
#include <QString>

#include "languagetable.h"
#include "materialdlg.h"
#include "profilelist.h"
#include "settings.h"
#include "zamo_abi.h"

namespace {

CProfileList& ModuleProfiles() {
  static CProfileList profiles;
  return profiles;
}

void OnLoad() {
  WriteVersionValue(ModuleFileName(QStringLiteral("Material")), QStringLiteral("1.0.0"));
  ModuleLanguage().Load(InterfaceLanguage());
  LoadProfilesWarning(ModuleProfiles(), kMaterialFileName);
}

struct CLoadHook {
  CLoadHook() {
    try {
      OnLoad();
    } catch (...) {
      // A library that fails to start still answers with no profiles.
    }
  }
};
const CLoadHook loadHook;

int32_t SlotOrZero(MaterialSlot slot) {
  try {
    return ModuleProfiles().Slot(slot);
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

ZAMO_EXPORT int32_t ShowMaterialDlg(void) {
  try {
    // The dialog needs the program's widget application.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
    return RunMaterialDlg(ModuleProfiles(), kMaterialFileName);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t GetProfiles(const ZamoStringList* list) {
  try {
    if (!list || !list->clear || !list->append) return 0;
    list->clear(list->context);
    int32_t count = 0;
    for (const MaterialProfile& profile : ModuleProfiles().Profiles()) {
      list->append(list->context, profile.name.c_str());
      ++count;
    }
    return count;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t SelectProfile(uint32_t index) {
  try {
    return ModuleProfiles().Select(index) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t GetEWallTypeExt(void) { return SlotOrZero(kSlotEWallExt); }
ZAMO_EXPORT int32_t GetEWallTypeInt(void) { return SlotOrZero(kSlotEWallInt); }
ZAMO_EXPORT int32_t GetCeilTypeExt(void) { return SlotOrZero(kSlotCeilExt); }
ZAMO_EXPORT int32_t GetCeilTypeInt(void) { return SlotOrZero(kSlotCeilInt); }
ZAMO_EXPORT int32_t GetFloorTypeInt(void) { return SlotOrZero(kSlotFloorInt); }
ZAMO_EXPORT int32_t GetFloorTypeExt(void) { return SlotOrZero(kSlotFloorExt); }
ZAMO_EXPORT int32_t GetIWallType(void) { return SlotOrZero(kSlotIWall); }

}  // extern "C"

// The program binds these through the list of the shared header; a drift
// between the two must not compile.
ZAMO_MATERIAL_EXPORTS(ZAMO_CHECK_EXPORT)
