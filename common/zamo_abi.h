/*
 * The records and entry points shared by the program and its plugin
 * libraries (Quotix, Material, Tallyx, mailer).
 *
 * Conventions for every export declared here:
 *  - C linkage, the platform's default calling convention. Integers are
 *    fixed-width; a "bool" argument or result is an int32_t of which only the
 *    low byte counts (0 false, anything else true).
 *  - Strings are NUL-terminated UTF-8 unless a comment says otherwise. The
 *    caller owns every buffer it passes; the callee copies what it keeps and
 *    never frees or keeps a pointer past the call.
 *  - Lists cross a boundary as a pointer to the first record plus a count
 *    (ZamoWallTallyList and friends). The callee only reads them.
 *  - Nothing throws across a boundary: every export catches everything and
 *    reports failure through its result as documented.
 *  - Every export is called from the user-interface thread only.
 *  - Widget arguments (parent windows, dialogs) are QWidget pointers passed
 *    as void*, so that this header stays free of Qt.
 */
#ifndef ZAMO_ABI_H
#define ZAMO_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define ZAMO_EXPORT __declspec(dllexport)
#else
#define ZAMO_EXPORT __attribute__((visibility("default")))
#endif

/* The kinds of a panel of a wall or partition run, as camera files store
 * them and WallPanelTally.kind carries them: never renumber. An ordinary
 * panel is kPanelStandard (appended 1200 mm wide) or kPanelOtherWidth;
 * a door or opening takes the slot and width of the panel it replaces.
 * Container and sliding doors (kContainerDoorLeft to kSlidingDoorRight)
 * take the panels beside them into their door block. */
enum ZamoPanelKind {
  kPanelStandard = 1,
  kPanelOtherWidth = 2,
  kContainerDoorLeft = 6,
  kContainerDoorRight = 7,
  kSlidingDoorLeft = 8,
  kSlidingDoorRight = 9,
  kSwingDoorBlock = 10,
  kOpening = 11
};

/* mm. Panels whose width is a multiple of it are standard; standard camera
 * sides grow by it. */
enum { kPanelWidthStep = 300 };

/* One panel type of the outline walls or of the partitions, counted over a
 * group of runs. Doors and openings are records of their own (isDoor 1). */
typedef struct WallPanelTally {
  int32_t count;
  int32_t width;         /* mm; for openings the width of the first one */
  int32_t openingHeight; /* mm; kOpening only, else 0 */
  uint8_t isDoor;        /* 1 for the kinds from kContainerDoorLeft to kOpening */
  int32_t kind;          /* a ZamoPanelKind */
  int32_t nextWidth;     /* container and sliding doors: side panel after the door, else 0 */
  int32_t prevWidth;     /* container and sliding doors: side panel before the door, else 0 */
  int32_t doorVariant;   /* kSwingDoorBlock: 1, 2, 3 for 2040, 2300, 2560; else 0 */
} WallPanelTally;

/* One floor/ceiling panel type: the same layout as WallPanelTally so that
 * the pricing library reads all lists alike; length sits where a wall record
 * keeps openingHeight, every later field is 0. */
typedef struct FloorPanelTally {
  int32_t count;
  int32_t width;  /* mm, across the strip */
  int32_t length; /* mm, the piece length */
  uint8_t isDoor; /* always 0 */
  int32_t kind;   /* always 0 */
  int32_t nextWidth;
  int32_t prevWidth;
  int32_t doorVariant;
} FloorPanelTally;

/* One line of the components calculation: single panels bought without a
 * camera. Shares its leading fields with WallPanelTally. */
typedef struct PanelGroup {
  int32_t count;
  int32_t width;     /* X, mm */
  int32_t length;    /* Y, mm */
  uint8_t door;      /* always 0 */
  int32_t kind;      /* 1 wall, 4 floor, 5 ceiling */
  int32_t thickness; /* 80 or 100 */
} PanelGroup;

/* Kinds of a PanelGroup. */
enum { kPanelGroupWall = 1, kPanelGroupFloor = 4, kPanelGroupCeiling = 5 };

typedef struct ZamoWallTallyList {
  const WallPanelTally* items;
  int32_t count;
} ZamoWallTallyList;

typedef struct ZamoFloorTallyList {
  const FloorPanelTally* items;
  int32_t count;
} ZamoFloorTallyList;

/* The program's 160-byte price block: cleared at start-up, never filled, and
 * handed through the report calls untouched. */
typedef struct ZamoPriceBlock {
  uint8_t bytes[160];
} ZamoPriceBlock;

/* A loaded plugin as seen by another plugin: the owner of the library
 * resolves export names for the callee, which never loads or frees it (the
 * callee binds them through its host struct, see the end of this file). */
typedef struct ZamoModule {
  void* context;
  void* (*resolve)(void* context, const char* exportName);
} ZamoModule;

/* A list of strings owned by the caller; the callee fills it through the two
 * functions (clear empties it, append copies one UTF-8 string in). */
typedef struct ZamoStringList {
  void* context;
  void (*clear)(void* context);
  void (*append)(void* context, const char* text);
} ZamoStringList;

/* ---- libQuotix: prices and workbook reports -------------------------- */

/* Opens a new workbook; priceListTitle writes the price-list title and the
 * logo. Returns 1 on success, 0 when no workbook could be made or the price
 * table cannot price (unreadable or damaged; the library says why). */
typedef uint8_t (*InitXLFn)(int32_t reserved, int32_t priceListTitle, int32_t is80);
/* Saves the workbook (atomically) and opens it for the user unless told not
 * to. Safe to call without a successful InitXL. */
typedef void (*CloseXLFn)(int32_t reserved);
/* Dimensions (mm) of the camera that the next report prices. */
typedef void (*InitValuesFn)(int32_t innerHeight, int32_t lengthA, int32_t lengthB, int32_t thickness);
/* Dealer discount fraction for the following reports. */
typedef void (*SetDealerDiscountFn)(double discount);
/* Starts a price-list column at the given worksheet row. */
typedef void (*InitXReportFn)(int32_t firstRow);
/* The priced quotation of one camera. Returns the row after it; 0 when
 * refused (a total that is no number: the workbook is dropped and the
 * library says why). MakeReport2 and EndPanelReport refuse alike. */
typedef int32_t (*MakeReportFn)(const ZamoModule* material, ZamoPriceBlock block,
                                ZamoWallTallyList walls, ZamoWallTallyList partitions,
                                ZamoFloorTallyList ceiling, int32_t cornerPostCount,
                                int32_t noFloor, int32_t euroNoVat);
/* One camera of a price list: volume into `column`, price into the next. */
typedef int32_t (*MakeReport2Fn)(const ZamoModule* material, ZamoPriceBlock block,
                                 ZamoWallTallyList walls, ZamoWallTallyList partitions,
                                 ZamoFloorTallyList ceiling, int32_t cornerPostCount,
                                 int32_t noFloor, char column, int32_t euroNoVat);
/* Starts the panel report; returns the row of its table header. */
typedef int32_t (*InitPanelReportFn)(const ZamoModule* material);
/* Writes and prices one panel group of the panel report. */
typedef int32_t (*MakePanelReportFn)(const ZamoPriceBlock* block, const PanelGroup* group,
                                     int32_t euroNoVat, int32_t thickness);
/* Frames the panel table and writes its totals. */
typedef int32_t (*EndPanelReportFn)(void);
/* Fills `list` with the material profile names of `material`. */
typedef int32_t (*GetMaterialProfilesFn)(const ZamoModule* material, const ZamoStringList* list);
/* Makes profile `profile` of `material` current. */
typedef int32_t (*SelectMaterialProfileFn)(const ZamoModule* material, int32_t profile);
/* Runs the price dialog over `parent` (a QWidget*, may be null). On save
 * copies the 400-byte price table into `buffer` and returns its address;
 * otherwise returns the dialog result (2 when discarded). */
typedef intptr_t (*ShowPriceDlgFn)(void* parent, uint8_t* buffer, int32_t reserved);
/* Chooses the file the next CloseXL writes (UTF-8 path; null or "" for the
 * default name in the reports folder) and whether it is opened afterwards. */
typedef void (*SetReportPathFn)(const char* path, int32_t openAfterwards);
/* What the next camera report names besides its panels (UTF-8 texts; null
 * or "" leave their cells empty): the camera's article and description, the
 * quotation number, and whether a detailed estimate sheet is added. For the
 * workbook InitXL started last: InitXL forgets them. */
typedef void (*SetReportDetailsFn)(const char* article, const char* description, const char* quotationNumber,
                                   int32_t detailedEstimate);
/* A picture of the camera for the next camera report's detailed estimate: a
 * PNG file (UTF-8 path; null or "" for none), read when the report is made.
 * Given after SetReportDetails, which forgets it, as InitXL does. */
typedef void (*SetReportPictureFn)(const char* pictureFile);

/* ---- libMaterial: material profiles ---------------------------------- */

/* Runs the material dialog modally; the result means nothing to callers. */
typedef int32_t (*ShowMaterialDlgFn)(void);
/* Empties `list`, then appends every profile name in order; returns the
 * number of names. */
typedef int32_t (*GetProfilesFn)(const ZamoStringList* list);
/* Makes the profile at `index` current; an index past the end changes
 * nothing. Returns 1 when the profile changed, else 0. */
typedef int32_t (*SelectProfileFn)(uint32_t index);
/* The material type index (0..2, -1 for none) of one surface of the current
 * profile; 0 when there is no profile. */
typedef int32_t (*MaterialGetterFn)(void);

/* ---- libTallyx: remembered form values ------------------------------- */

/* Offers the remembered values of control `controlId` (a QComboBox found by
 * its object name) of `dialog`; returns 0 when there is no such control. */
typedef int32_t (*FillCollectedFn)(void* dialog, int32_t controlId);
/* Remembers the current text of control `controlId` of `dialog`. */
typedef int32_t (*CollectFn)(void* dialog, int32_t controlId);
/* Writes every remembered value to the user data file. */
typedef int32_t (*WriteFileCollectionsFn)(void);

/* ---- libmailer: handing a camera to the user's mail program ---------- */

typedef int32_t (*SendMailFn)(const char* account, const char* recipient);
typedef int32_t (*SendCameraFn)(const char* account, const char* recipient, const char* subject,
                                const char* body, const char* attachmentPath);

/* ---- The exports of each library ------------------------------------- */

/* One line per export: X(name, function type). The program binds exactly
 * these (the host structs below) and each library's exports file checks its
 * definitions against them (ZAMO_CHECK_EXPORT), so neither side can drift. */
#define ZAMO_QUOTIX_EXPORTS(X)                    \
  X(InitXL, InitXLFn)                             \
  X(CloseXL, CloseXLFn)                           \
  X(InitValues, InitValuesFn)                     \
  X(SetDealerDiscount, SetDealerDiscountFn)       \
  X(InitXReport, InitXReportFn)                   \
  X(MakeReport, MakeReportFn)                     \
  X(MakeReport2, MakeReport2Fn)                   \
  X(InitPanelReport, InitPanelReportFn)           \
  X(MakePanelReport, MakePanelReportFn)           \
  X(EndPanelReport, EndPanelReportFn)             \
  X(GetMaterialProfiles, GetMaterialProfilesFn)   \
  X(SelectMaterialProfile, SelectMaterialProfileFn) \
  X(ShowPriceDlg, ShowPriceDlgFn)                 \
  X(SetReportPath, SetReportPathFn)               \
  X(SetReportDetails, SetReportDetailsFn)         \
  X(SetReportPicture, SetReportPictureFn)

#define ZAMO_MATERIAL_EXPORTS(X)          \
  X(ShowMaterialDlg, ShowMaterialDlgFn)   \
  X(GetProfiles, GetProfilesFn)           \
  X(SelectProfile, SelectProfileFn)       \
  X(GetEWallTypeExt, MaterialGetterFn)    \
  X(GetEWallTypeInt, MaterialGetterFn)    \
  X(GetCeilTypeExt, MaterialGetterFn)     \
  X(GetCeilTypeInt, MaterialGetterFn)     \
  X(GetFloorTypeInt, MaterialGetterFn)    \
  X(GetFloorTypeExt, MaterialGetterFn)    \
  X(GetIWallType, MaterialGetterFn)

#define ZAMO_TALLYX_EXPORTS(X)           \
  X(FillCollected, FillCollectedFn)      \
  X(Collect, CollectFn)                  \
  X(WriteFileCollections, WriteFileCollectionsFn)

#define ZAMO_MAILER_EXPORTS(X) \
  X(SendMail, SendMailFn)      \
  X(SendCamera, SendCameraFn)

#ifdef __cplusplus
}

#include <type_traits>

/* In a library's exports file, after the definitions:
 * ZAMO_QUOTIX_EXPORTS(ZAMO_CHECK_EXPORT) and so on. A definition that is
 * missing or differs from its type in the list does not compile. */
#define ZAMO_CHECK_EXPORT(name, type) \
  static_assert(std::is_same_v<decltype(&name), type>, #name " differs from its type in zamo_abi.h");

/* A library's exports as the program holds them: one typed pointer per
 * export, named after it, null until bound or when the library lacks it. */
#define ZAMO_API_POINTER(name, type) type name = nullptr;
#define ZAMO_API_VISIT(name, type) visit(#name, name);
#define ZAMO_DEFINE_API(Api, EXPORTS)                \
  struct Api {                                       \
    EXPORTS(ZAMO_API_POINTER)                        \
    template <typename Visit>                        \
    void ForEachExport(Visit&& visit) {              \
      EXPORTS(ZAMO_API_VISIT)                        \
    }                                                \
  };

ZAMO_DEFINE_API(CQuotixApi, ZAMO_QUOTIX_EXPORTS)
ZAMO_DEFINE_API(CMaterialApi, ZAMO_MATERIAL_EXPORTS)
ZAMO_DEFINE_API(CTallyxApi, ZAMO_TALLYX_EXPORTS)
ZAMO_DEFINE_API(CMailerApi, ZAMO_MAILER_EXPORTS)

#undef ZAMO_DEFINE_API
#undef ZAMO_API_VISIT
#undef ZAMO_API_POINTER

/* Looks every export of `api` up through `resolve` (export name -> address,
 * or null) and binds those found. Returns the name of the first export
 * missing, or null when there is none. A caller that can do with part of a
 * library checks the pointers it calls instead. */
template <typename Api, typename Resolve>
const char* BindZamoExports(Api& api, Resolve&& resolve) {
  const char* missing = nullptr;
  api.ForEachExport([&](const char* name, auto& slot) {
    slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(resolve(name));
    if (!slot && !missing) missing = name;
  });
  return missing;
}

/* The exports of `api` bound through a plugin as another plugin sees it;
 * nothing is bound from a null module. */
template <typename Api>
const char* BindModuleExports(Api& api, const ZamoModule* module) {
  return BindZamoExports(api, [module](const char* name) -> void* {
    return module && module->resolve ? module->resolve(module->context, name) : nullptr;
  });
}
#endif

#endif /* ZAMO_ABI_H */
