// The exports of libQuotix. Each one hands its call to the module and
// catches everything: nothing may leave the library as an exception.

#include <span>
#include "quotixmodule.h"
#include "zamo_abi.h"

namespace {

CQuotixModule& Module() { return CQuotixModule::Instance(); }

std::span<const WallPanelTally> View(const ZamoWallTallyList& list) {
  if (!list.items || list.count <= 0) return {};
  return {list.items, static_cast<size_t>(list.count)};
}

std::span<const FloorPanelTally> View(const ZamoFloorTallyList& list) {
  if (!list.items || list.count <= 0) return {};
  return {list.items, static_cast<size_t>(list.count)};
}

bool Flag(int32_t value) { return (value & 0xFF) != 0; }

CCameraInput Input(ZamoWallTallyList walls, ZamoWallTallyList partitions, ZamoFloorTallyList ceiling,
                   int32_t cornerPostCount, int32_t noFloor, int32_t euroNoVat) {
  CCameraInput input;
  input.walls = View(walls);
  input.partitions = View(partitions);
  input.ceiling = View(ceiling);
  input.cornerPostCount = cornerPostCount;
  input.noFloor = Flag(noFloor);
  input.euroNoVat = Flag(euroNoVat);
  return input;
}

// Loading the library reads its language texts, records its version and
// reads the price table, before any export is called.
struct CLoadLibrary {
  CLoadLibrary() {
    try {
      Module().Load();
    } catch (...) {
    }
  }
} loadLibrary;

}  // namespace

extern "C" {

ZAMO_EXPORT uint8_t InitXL(int32_t /*reserved*/, int32_t priceListTitle, int32_t is80) {
  try {
    return Module().InitXL(Flag(priceListTitle), Flag(is80)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT void CloseXL(int32_t /*reserved*/) {
  try {
    Module().CloseXL();
  } catch (...) {
  }
}

ZAMO_EXPORT void InitValues(int32_t innerHeight, int32_t lengthA, int32_t lengthB, int32_t thickness) {
  try {
    Module().Session().InitValues(innerHeight, lengthA, lengthB, thickness);
  } catch (...) {
  }
}

ZAMO_EXPORT void SetDealerDiscount(double discount) {
  try {
    Module().Session().SetDealerDiscount(discount);
  } catch (...) {
  }
}

ZAMO_EXPORT void InitXReport(int32_t firstRow) {
  try {
    Module().Session().InitXReport(firstRow);
  } catch (...) {
  }
}

ZAMO_EXPORT int32_t MakeReport(const ZamoModule* material, ZamoPriceBlock /*block*/, ZamoWallTallyList walls,
                               ZamoWallTallyList partitions, ZamoFloorTallyList ceiling, int32_t cornerPostCount,
                               int32_t noFloor, int32_t euroNoVat) {
  try {
    return Module().MakeReport(Input(walls, partitions, ceiling, cornerPostCount, noFloor, euroNoVat), material);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t MakeReport2(const ZamoModule* /*material*/, ZamoPriceBlock /*block*/, ZamoWallTallyList walls,
                                ZamoWallTallyList partitions, ZamoFloorTallyList ceiling, int32_t cornerPostCount,
                                int32_t noFloor, char column, int32_t euroNoVat) {
  try {
    return Module().MakeReport2(Input(walls, partitions, ceiling, cornerPostCount, noFloor, euroNoVat), column);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t InitPanelReport(const ZamoModule* /*material*/) {
  try {
    return Module().Session().InitPanelReport();
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t MakePanelReport(const ZamoPriceBlock* /*block*/, const PanelGroup* group, int32_t euroNoVat,
                                    int32_t thickness) {
  try {
    if (!group) return 0;
    return Module().Session().MakePanelReport(*group, Flag(euroNoVat), thickness);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t EndPanelReport(void) {
  try {
    return Module().EndPanelReport();
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t GetMaterialProfiles(const ZamoModule* material, const ZamoStringList* list) {
  try {
    return Module().GetMaterialProfiles(material, list);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT int32_t SelectMaterialProfile(const ZamoModule* material, int32_t profile) {
  try {
    return Module().SelectMaterialProfile(material, profile);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT intptr_t ShowPriceDlg(void* parent, uint8_t* buffer, int32_t /*reserved*/) {
  try {
    return Module().ShowPriceDlg(parent, buffer);
  } catch (...) {
    return 0;
  }
}

ZAMO_EXPORT void SetReportPath(const char* path, int32_t openAfterwards) {
  try {
    Module().SetReportPath(path, Flag(openAfterwards));
  } catch (...) {
  }
}

ZAMO_EXPORT void SetReportDetails(const char* article, const char* description, const char* quotationNumber,
                                  int32_t detailedEstimate) {
  try {
    CReportDetails details;
    details.article = article ? article : "";
    details.description = description ? description : "";
    details.quotationNumber = quotationNumber ? quotationNumber : "";
    details.detailedEstimate = Flag(detailedEstimate);
    Module().Session().SetReportDetails(std::move(details));
  } catch (...) {
  }
}

ZAMO_EXPORT void SetReportPicture(const char* pictureFile) {
  try {
    Module().Session().SetReportPicture(pictureFile ? pictureFile : "");
  } catch (...) {
  }
}

}  // extern "C"

// The program binds these through the list of the shared header; a drift
// between the two must not compile.
ZAMO_QUOTIX_EXPORTS(ZAMO_CHECK_EXPORT)
