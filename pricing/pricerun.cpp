#include "pricerun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <system_error>

#include "chamber.h"
#include "languageentries.h"
#include "languagetable.h"
#include "messages.h"
#include "paneltally.h"
#include "pluginlibrary.h"
#include "wallpanel.h"

namespace {

constexpr int32_t kThickness80 = 80;
constexpr int32_t kThickness100 = 100;

// The price-list grid: plan lengths from the first size in steps of 300 mm
// while below 5700 mm, one height column after another, each column's rows
// starting at worksheet row 7.
constexpr int32_t kPriceListFirstSize80 = 1280;
constexpr int32_t kPriceListFirstSize100 = 1300;
constexpr int32_t kPriceListStep = 300;
constexpr int32_t kPriceListSizeLimit = 5700;
constexpr int32_t kPriceListFirstRow = 7;
struct CPriceListColumn {
  char column;
  int32_t height;
};
constexpr std::array<CPriceListColumn, 3> kPriceListColumns{{{'C', 2040}, {'E', 2300}, {'G', 2560}}};
// Every price-list camera has a 1200 x 2040 swing door on its first panel.
constexpr int32_t kPriceListDoorVariant = 1;

CPluginLibrary* Loaded(CPluginLibrary* library) { return library && library->IsLoaded() ? library : nullptr; }

// Looks one export up; false when the library or the export is missing.
template <typename Fn>
bool Bind(CPluginLibrary* library, const char* name, Fn& out) {
  out = library ? library->Get<Fn>(name) : nullptr;
  return out != nullptr;
}

PriceRunResult ExportMissing() {
  ShowMessage(Lang::kPricingExportMissing, Lang::kPriceCalculationCaption);
  return PriceRunResult::kRefused;
}

// SetReportPath came with the report files; a library without it can still
// write its default file, but not a chosen one.
bool BindReportPath(CPluginLibrary* quotix, const CPriceRunSetup& setup, SetReportPathFn& out) {
  return Bind(quotix, "SetReportPath", out) || setup.reportPath.isEmpty();
}

// The materials library is looked for beside the program, then beside the
// pricing library, where an installed copy keeps its plugins.
bool LoadMaterial(const CPriceRunSetup& setup, CPluginLibrary& material) {
  const QString folder = setup.quotix ? QFileInfo(setup.quotix->FileName()).absolutePath() : QString();
  return material.Load(setup.materialLibrary, folder);
}

std::vector<std::string> ProfileNames(GetMaterialProfilesFn getProfiles, const ZamoModule* material) {
  std::vector<std::string> names;
  const ZamoStringList list{
      &names, [](void* context) { static_cast<std::vector<std::string>*>(context)->clear(); },
      [](void* context, const char* text) {
        static_cast<std::vector<std::string>*>(context)->emplace_back(text ? text : "");
      }};
  getProfiles(material, &list);
  return names;
}

// The materials library of one run and the pricing library's two entry
// points into it.
struct CMaterials {
  CPluginLibrary library;
  GetMaterialProfilesFn getProfiles = nullptr;
  SelectMaterialProfileFn selectProfile = nullptr;
  std::vector<std::string> profiles;
};

// Loads the materials library and lists its profiles; false after message
// 45/44 (no library) or 43/44 (no entry point).
bool OpenMaterials(const CPriceRunSetup& setup, CPluginLibrary* quotix, CMaterials& out) {
  if (!LoadMaterial(setup, out.library)) {
    ShowMessage(Lang::kMaterialsModuleMissing, Lang::kPriceCalculationCaption);
    return false;
  }
  if (!Bind(quotix, "GetMaterialProfiles", out.getProfiles) ||
      !Bind(quotix, "SelectMaterialProfile", out.selectProfile)) {
    ExportMissing();
    return false;
  }
  out.profiles = ProfileNames(out.getProfiles, out.library.Module());
  return true;
}

ZamoPriceBlock Block(const CPriceRunSetup& setup) {
  ZamoPriceBlock block{};
  if (setup.priceBlock) block = *setup.priceBlock;
  return block;
}

ZamoWallTallyList View(const std::vector<WallPanelTally>& list) {
  return {list.data(), static_cast<int32_t>(list.size())};
}

ZamoFloorTallyList View(const std::vector<FloorPanelTally>& list) {
  return {list.data(), static_cast<int32_t>(list.size())};
}

// Closes the pricing library's workbook without leaving a file anywhere:
// the library always saves on closing, so it saves into a folder that goes
// away at once.
void DiscardWorkbook(CloseXLFn closeXL, SetReportPathFn setReportPath) {
  QTemporaryDir scratch;
  if (setReportPath && scratch.isValid())
    setReportPath(scratch.filePath(QStringLiteral("discarded.xlsx")).toUtf8().constData(), 0);
  closeXL(0);
}

// The pricing library refused a report part and said why. It dropped its
// workbook already; closing again makes sure no part of it is ever saved.
PriceRunResult Refused(CloseXLFn closeXL, SetReportPathFn setReportPath) {
  DiscardWorkbook(closeXL, setReportPath);
  return PriceRunResult::kPricingRefused;
}

// Closes the workbook into its report file. A chosen file is written under
// a name of its own first and renamed over the chosen one only when the
// library produced it, so an old report survives a failure and a missing
// file is noticed.
PriceRunResult SaveWorkbook(const CPriceRunSetup& setup, CloseXLFn closeXL, SetReportPathFn setReportPath) {
  if (setup.reportPath.isEmpty()) {
    closeXL(0);
    return PriceRunResult::kWritten;
  }
  const QFileInfo target(setup.reportPath);
  const QString fresh = target.absoluteDir().filePath(
      QStringLiteral(".%1.%2.xlsx").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
  QFile::remove(fresh);
  setReportPath(fresh.toUtf8().constData(), 0);
  closeXL(0);
  if (!QFileInfo(fresh).isFile()) return PriceRunResult::kNotWritten;
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(QFile::encodeName(fresh).toStdString()),
                          std::filesystem::path(QFile::encodeName(target.absoluteFilePath()).toStdString()), error);
  if (error) {
    QFile::remove(fresh);
    return PriceRunResult::kNotWritten;
  }
  return PriceRunResult::kWritten;
}

}  // namespace

std::vector<CPriceListCamera> PriceListGrid(bool is80) {
  const int32_t thickness = is80 ? kThickness80 : kThickness100;
  const int32_t first = is80 ? kPriceListFirstSize80 : kPriceListFirstSize100;
  std::vector<CPriceListCamera> grid;
  for (const CPriceListColumn& column : kPriceListColumns) {
    for (int32_t a = first; a < kPriceListSizeLimit; a += kPriceListStep) {
      for (int32_t b = a; b < kPriceListSizeLimit; b += kPriceListStep)
        grid.push_back({column.column, a, b, column.height, thickness});
    }
  }
  return grid;
}

PriceRunResult RunCameraPriceReport(const CPriceRunSetup& setup, const CChamber& camera, double dealerCoefficient,
                                    const ReportOptionsChooser& chooseOptions) {
  CPluginLibrary* quotix = Loaded(setup.quotix);
  InitXLFn initXL;
  CloseXLFn closeXL;
  MakeReportFn makeReport;
  InitValuesFn initValues;
  SetDealerDiscountFn setDealerDiscount;
  SetReportPathFn setReportPath;
  if (!Bind(quotix, "InitXL", initXL) || !Bind(quotix, "CloseXL", closeXL) ||
      !Bind(quotix, "MakeReport", makeReport) || !Bind(quotix, "InitValues", initValues) ||
      !Bind(quotix, "SetDealerDiscount", setDealerDiscount) || !BindReportPath(quotix, setup, setReportPath))
    return ExportMissing();

  CMaterials materials;
  if (!OpenMaterials(setup, quotix, materials)) return PriceRunResult::kRefused;
  if (materials.profiles.empty()) {
    ShowMessage(Lang::kNoMaterialProfiles, Lang::kErrorCaption);
    return PriceRunResult::kRefused;
  }
  const std::optional<CReportOptions> options =
      chooseOptions ? chooseOptions(materials.profiles) : CReportOptions{};
  if (!options) return PriceRunResult::kCancelled;
  const ZamoModule* material = materials.library.Module();
  materials.selectProfile(material, options->profile);

  if (!initXL(0, 0, camera.Thickness() == kThickness80 ? 1 : 0)) return PriceRunResult::kPricingRefused;
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> ceiling;
  if (!TallyWallPanels(camera, walls) || !TallyPartitionPanels(camera, partitions) ||
      !TallyFloorPanels(camera, ceiling)) {
    DiscardWorkbook(closeXL, setReportPath);
    ShowMessage(Lang::kCameraNotFullyDivided, Lang::kErrorCaption);
    return PriceRunResult::kRefused;
  }
  setDealerDiscount(dealerCoefficient);
  initValues(camera.Height(), camera.Width(), camera.Depth(), camera.Thickness());
  if (!makeReport(material, Block(setup), View(walls), View(partitions), View(ceiling), camera.WallCount(),
                  camera.NoFloor() ? 1 : 0, options->euro ? 1 : 0))
    return Refused(closeXL, setReportPath);
  return SaveWorkbook(setup, closeXL, setReportPath);
}

PriceRunResult RunPriceList(const CPriceRunSetup& setup, bool is80, const PriceListProgress& progress) {
  CPluginLibrary* quotix = Loaded(setup.quotix);
  InitXLFn initXL;
  CloseXLFn closeXL;
  MakeReport2Fn makeReport2;
  InitValuesFn initValues;
  InitXReportFn initXReport;
  SetReportPathFn setReportPath;
  if (!Bind(quotix, "InitXL", initXL) || !Bind(quotix, "CloseXL", closeXL) ||
      !Bind(quotix, "MakeReport2", makeReport2) || !Bind(quotix, "InitValues", initValues) ||
      !Bind(quotix, "InitXReport", initXReport) || !BindReportPath(quotix, setup, setReportPath))
    return ExportMissing();

  CMaterials materials;
  if (!OpenMaterials(setup, quotix, materials)) return PriceRunResult::kRefused;
  if (materials.profiles.empty()) {
    ShowMessage(Lang::kNoMaterialProfiles, Lang::kPriceCalculationCaption);
    return PriceRunResult::kRefused;
  }
  const ZamoModule* material = materials.library.Module();
  materials.selectProfile(material, 0);

  if (!initXL(0, 1, is80 ? 1 : 0)) return PriceRunResult::kPricingRefused;
  // Price lists of the first language are in euros without tax.
  const int32_t euroNoVat = ModuleLanguage().GetLanguage() == 0 ? 1 : 0;
  const ZamoPriceBlock block = Block(setup);
  const std::vector<CPriceListCamera> grid = PriceListGrid(is80);
  const int total = static_cast<int>(grid.size());
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> ceiling;
  char column = 0;
  int done = 0;
  for (const CPriceListCamera& size : grid) {
    if (size.column != column) {
      column = size.column;
      initXReport(kPriceListFirstRow);
    }
    CChamber scratch;
    scratch.Create(size.width, size.depth, size.height, size.thickness);
    scratch.FillAllWalls();
    scratch.SetPanelDoor(0, 0, kSwingDoorBlock, kPriceListDoorVariant, kDoorKindOpeningHeight);
    // A standard camera is always fully divided; the lists are priced as
    // they come.
    TallyWallPanels(scratch, walls);
    TallyPartitionPanels(scratch, partitions);
    TallyFloorPanels(scratch, ceiling);
    initValues(scratch.Height(), scratch.Width(), scratch.Depth(), scratch.Thickness());
    if (!makeReport2(material, block, View(walls), View(partitions), View(ceiling), scratch.WallCount(),
                     scratch.NoFloor() ? 1 : 0, size.column, euroNoVat))
      return Refused(closeXL, setReportPath);
    ++done;
    if (progress && !progress(done, total, scratch)) {
      DiscardWorkbook(closeXL, setReportPath);
      return PriceRunResult::kCancelled;
    }
  }
  return SaveWorkbook(setup, closeXL, setReportPath);
}

PriceRunResult RunPanelReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                              std::span<const PanelGroup> groups) {
  CPluginLibrary* quotix = Loaded(setup.quotix);
  InitXLFn initXL;
  CloseXLFn closeXL;
  SetDealerDiscountFn setDealerDiscount;
  InitPanelReportFn initPanelReport;
  MakePanelReportFn makePanelReport;
  EndPanelReportFn endPanelReport;
  SetReportPathFn setReportPath;
  if (!Bind(quotix, "InitXL", initXL) || !Bind(quotix, "CloseXL", closeXL) ||
      !Bind(quotix, "SetDealerDiscount", setDealerDiscount) || !Bind(quotix, "InitPanelReport", initPanelReport) ||
      !Bind(quotix, "MakePanelReport", makePanelReport) || !Bind(quotix, "EndPanelReport", endPanelReport) ||
      !BindReportPath(quotix, setup, setReportPath))
    return ExportMissing();

  if (!initXL(0, 0, 0)) return PriceRunResult::kPricingRefused;
  setDealerDiscount(dealerDiscount);
  initPanelReport(material);
  const ZamoPriceBlock block = Block(setup);
  for (const PanelGroup& group : groups) makePanelReport(&block, &group, 0, group.thickness);
  if (!endPanelReport()) return Refused(closeXL, setReportPath);
  return SaveWorkbook(setup, closeXL, setReportPath);
}

PriceRunResult RunCornerPostReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                                   int32_t postCount, int32_t height, int32_t thickness) {
  CPluginLibrary* quotix = Loaded(setup.quotix);
  InitXLFn initXL;
  CloseXLFn closeXL;
  MakeReportFn makeReport;
  InitValuesFn initValues;
  SetDealerDiscountFn setDealerDiscount;
  SetReportPathFn setReportPath;
  if (!Bind(quotix, "InitXL", initXL) || !Bind(quotix, "CloseXL", closeXL) ||
      !Bind(quotix, "MakeReport", makeReport) || !Bind(quotix, "InitValues", initValues) ||
      !Bind(quotix, "SetDealerDiscount", setDealerDiscount) || !BindReportPath(quotix, setup, setReportPath))
    return ExportMissing();

  setDealerDiscount(dealerDiscount);
  if (!initXL(0, 0, 0)) return PriceRunResult::kPricingRefused;
  initValues(height, 0, 0, thickness);
  if (!makeReport(material, Block(setup), ZamoWallTallyList{}, ZamoWallTallyList{}, ZamoFloorTallyList{}, postCount,
                  0, 0))
    return Refused(closeXL, setReportPath);
  return SaveWorkbook(setup, closeXL, setReportPath);
}

void RunMaterialsDialog(const QString& materialLibrary) {
  CPluginLibrary material;
  if (!material.Load(materialLibrary)) {
    ShowMessage(Lang::kMaterialsModuleLoadFailed, Lang::kErrorCaption);
    return;
  }
  const auto showDialog = material.Get<ShowMaterialDlgFn>("ShowMaterialDlg");
  if (!showDialog) {
    ShowMessage(Lang::kMaterialsDialogMissing, Lang::kErrorCaption);
    return;
  }
  showDialog();
}

bool RunPriceDialog(CPluginLibrary* quotix, QWidget* parent) {
  ShowPriceDlgFn showPriceDlg;
  if (!Bind(Loaded(quotix), "ShowPriceDlg", showPriceDlg)) {
    ExportMissing();
    return false;
  }
  std::array<uint8_t, 400> prices{};
  return showPriceDlg(parent, prices.data(), 0) == reinterpret_cast<intptr_t>(prices.data());
}
