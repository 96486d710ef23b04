// A materials library of the wrong version: it loads, but has no dialog.
#include "zamo_abi.h"

extern "C" ZAMO_EXPORT int32_t GetProfiles(const ZamoStringList*) { return 0; }
