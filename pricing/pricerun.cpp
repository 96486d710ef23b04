#include "pricerun.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <system_error>

#include "chamber.h"
#include "languagetable.h"
#include "paneltally.h"
#include "pluginlibrary.h"
#include "wallpanel.h"

namespace {

constexpr int32_t kThickness80 = 80;

// Every price-list camera has a 1200 x 2040 swing door on its first panel.
constexpr int32_t kPriceListDoorVariant = 1;

// Binds the pricing library's exports for one run. False when the library
// is not loaded or lacks one the run calls: InitXL and CloseXL, those named
// by `needed`, and SetReportPath for a chosen report file (it came with the
// report files; a library without it can still write its default file).
template <typename... Needed>
bool BindQuotix(const CPriceRunSetup& setup, CQuotixApi& api, Needed... needed) {
  if (!setup.quotix || !setup.quotix->IsLoaded()) return false;
  setup.quotix->Bind(api);
  return api.InitXL && api.CloseXL && (api.SetReportPath || setup.reportPath.isEmpty()) &&
         ((api.*needed != nullptr) && ...);
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

// The materials library of one run and its profile names.
struct CMaterials {
  CPluginLibrary library;
  std::vector<std::string> profiles;
};

// The start of the two runs that price cameras: the pricing library's
// exports (InitValues, the two into the materials library and `needed`),
// then the materials library and its profiles. Returns why the run cannot
// go on, or nothing.
template <typename... Needed>
std::optional<PriceRunResult> StartCameraRun(const CPriceRunSetup& setup, CQuotixApi& quotix, CMaterials& out,
                                             Needed... needed) {
  if (!BindQuotix(setup, quotix, &CQuotixApi::InitValues, needed...)) return PriceRunResult::kPricingExportMissing;
  if (!LoadMaterial(setup, out.library)) return PriceRunResult::kMaterialsMissing;
  if (!quotix.GetMaterialProfiles || !quotix.SelectMaterialProfile) return PriceRunResult::kPricingExportMissing;
  out.profiles = ProfileNames(quotix.GetMaterialProfiles, out.library.Module());
  if (out.profiles.empty()) return PriceRunResult::kNoMaterialProfiles;
  return std::nullopt;
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

// The sizes of the camera the next report prices.
void InitValues(const CQuotixApi& quotix, const CChamber& camera) {
  quotix.InitValues(camera.Height(), camera.Width(), camera.Depth(), camera.Thickness());
}

// Closes the pricing library's workbook without leaving a file anywhere:
// the library always saves on closing, so it saves into a folder that goes
// away at once.
void DiscardWorkbook(const CQuotixApi& quotix) {
  QTemporaryDir scratch;
  if (quotix.SetReportPath && scratch.isValid())
    quotix.SetReportPath(scratch.filePath(QStringLiteral("discarded.xlsx")).toUtf8().constData(), 0);
  quotix.CloseXL(0);
}

// The pricing library refused a report part and said why. It dropped its
// workbook already; closing again makes sure no part of it is ever saved.
PriceRunResult Refused(const CQuotixApi& quotix) {
  DiscardWorkbook(quotix);
  return PriceRunResult::kPricingRefused;
}

// A report file of its own in the data folder's Reports/: the kind and the
// time, and a number when that name is taken.
QString NewReportPath(const QString& kind) {
  const QDir folder(QDir::current().filePath(QStringLiteral("Reports")));
  QDir().mkpath(folder.path());
  const QString stem =
      kind + QLatin1Char('-') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString path = folder.filePath(stem + QStringLiteral(".xlsx"));
  for (int n = 2; QFileInfo::exists(path); ++n)
    path = folder.filePath(stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".xlsx"));
  return path;
}

// Closes the workbook into its report file. The file is written under a
// name of its own first and renamed over the target only when the library
// produced it, so an old report survives a failure and a missing file is
// noticed. A library too old to be told the file chooses and opens its own.
PriceRunResult SaveWorkbook(const CPriceRunSetup& setup, const CQuotixApi& quotix, const QString& kind,
                            QString chosen = {}) {
  if (!quotix.SetReportPath) {
    quotix.CloseXL(0);
    return PriceRunResult::kWritten;
  }
  if (chosen.isEmpty()) chosen = setup.reportPath.isEmpty() ? NewReportPath(kind) : setup.reportPath;
  const QFileInfo target(chosen);
  const QString fresh = target.absoluteDir().filePath(
      QStringLiteral(".%1.%2.xlsx").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
  QFile::remove(fresh);
  quotix.SetReportPath(fresh.toUtf8().constData(), 0);
  quotix.CloseXL(0);
  if (!QFileInfo(fresh).isFile()) return PriceRunResult::kNotWritten;
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(QFile::encodeName(fresh).toStdString()),
                          std::filesystem::path(QFile::encodeName(target.absoluteFilePath()).toStdString()), error);
  if (error) {
    QFile::remove(fresh);
    return PriceRunResult::kNotWritten;
  }
  if (setup.savedPath) *setup.savedPath = target.absoluteFilePath();
  return PriceRunResult::kWritten;
}

}  // namespace

bool CCameraTallies::Tally(const CChamber& camera) {
  return TallyWallPanels(camera, walls) && TallyPartitionPanels(camera, partitions) &&
         TallyFloorPanels(camera, ceiling);
}

PriceRunResult RunCameraPriceReport(const CPriceRunSetup& setup, const CChamber& camera, double dealerCoefficient,
                                    const ReportOptionsChooser& chooseOptions, const CReportHeading& heading) {
  CQuotixApi quotix;
  CMaterials materials;
  if (const auto refused =
          StartCameraRun(setup, quotix, materials, &CQuotixApi::MakeReport, &CQuotixApi::SetDealerDiscount))
    return *refused;
  const std::optional<CReportOptions> options =
      chooseOptions ? chooseOptions(materials.profiles) : CReportOptions{};
  if (!options) return PriceRunResult::kCancelled;
  const ZamoModule* material = materials.library.Module();
  quotix.SelectMaterialProfile(material, options->profile);

  if (!quotix.InitXL(0, 0, camera.Thickness() == kThickness80 ? 1 : 0)) return PriceRunResult::kPricingRefused;
  CCameraTallies tallies;
  if (!tallies.Tally(camera)) {
    DiscardWorkbook(quotix);
    return PriceRunResult::kNotFullyDivided;
  }
  quotix.SetDealerDiscount(options->dealerCoefficient.value_or(dealerCoefficient));
  InitValues(quotix, camera);
  // The report's file is chosen now: its name is the quotation's number.
  const QString target = setup.reportPath.isEmpty() ? NewReportPath(QStringLiteral("camera")) : setup.reportPath;
  if (quotix.SetReportDetails)
    quotix.SetReportDetails(heading.article.c_str(), heading.description.c_str(),
                            QFileInfo(target).completeBaseName().toUtf8().constData(),
                            options->detailedEstimate ? 1 : 0);
  if (quotix.SetReportPicture)
    quotix.SetReportPicture(options->detailedEstimate && options->estimatePicture ? heading.picture.c_str() : "");
  if (!quotix.MakeReport(material, Block(setup), View(tallies.walls), View(tallies.partitions),
                         View(tallies.ceiling), camera.WallCount(), camera.NoFloor() ? 1 : 0, options->euro ? 1 : 0))
    return Refused(quotix);
  return SaveWorkbook(setup, quotix, QStringLiteral("camera"), target);
}

PriceRunResult RunPriceList(const CPriceRunSetup& setup, bool is80, const PriceListProgress& progress) {
  CQuotixApi quotix;
  CMaterials materials;
  if (const auto refused =
          StartCameraRun(setup, quotix, materials, &CQuotixApi::MakeReport2, &CQuotixApi::InitXReport))
    return *refused;
  const ZamoModule* material = materials.library.Module();
  quotix.SelectMaterialProfile(material, 0);

  if (!quotix.InitXL(0, 1, is80 ? 1 : 0)) return PriceRunResult::kPricingRefused;
  // Price lists of the first language are in euros without tax.
  const int32_t euroNoVat = ModuleLanguage().GetLanguage() == 0 ? 1 : 0;
  const ZamoPriceBlock block = Block(setup);
  const std::vector<CPriceListCamera> grid = PriceListGrid(is80);
  const int total = static_cast<int>(grid.size());
  CCameraTallies tallies;
  char column = 0;
  int done = 0;
  for (const CPriceListCamera& size : grid) {
    if (size.column != column) {
      column = size.column;
      quotix.InitXReport(kPriceListFirstRow);
    }
    CChamber scratch;
    scratch.Create(size.width, size.depth, size.height, size.thickness);
    scratch.FillAllWalls();
    scratch.SetPanelDoor(0, 0, kSwingDoorBlock, kPriceListDoorVariant, kDoorKindOpeningHeight);
    // A standard camera is always fully divided; the lists are priced as
    // they come.
    tallies.Tally(scratch);
    InitValues(quotix, scratch);
    if (!quotix.MakeReport2(material, block, View(tallies.walls), View(tallies.partitions), View(tallies.ceiling),
                            scratch.WallCount(), scratch.NoFloor() ? 1 : 0, size.column, euroNoVat))
      return Refused(quotix);
    ++done;
    if (progress && !progress(done, total, scratch)) {
      DiscardWorkbook(quotix);
      return PriceRunResult::kCancelled;
    }
  }
  return SaveWorkbook(setup, quotix, is80 ? QStringLiteral("pricelist-80") : QStringLiteral("pricelist-100"));
}

PriceRunResult RunPanelReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                              std::span<const PanelGroup> groups) {
  CQuotixApi quotix;
  if (!BindQuotix(setup, quotix, &CQuotixApi::SetDealerDiscount, &CQuotixApi::InitPanelReport,
                  &CQuotixApi::MakePanelReport, &CQuotixApi::EndPanelReport))
    return PriceRunResult::kPricingExportMissing;

  if (!quotix.InitXL(0, 0, 0)) return PriceRunResult::kPricingRefused;
  quotix.SetDealerDiscount(dealerDiscount);
  quotix.InitPanelReport(material);
  const ZamoPriceBlock block = Block(setup);
  for (const PanelGroup& group : groups) quotix.MakePanelReport(&block, &group, 0, group.thickness);
  if (!quotix.EndPanelReport()) return Refused(quotix);
  return SaveWorkbook(setup, quotix, QStringLiteral("components"));
}

PriceRunResult RunCornerPostReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                                   int32_t postCount, int32_t height, int32_t thickness) {
  CQuotixApi quotix;
  if (!BindQuotix(setup, quotix, &CQuotixApi::MakeReport, &CQuotixApi::InitValues, &CQuotixApi::SetDealerDiscount))
    return PriceRunResult::kPricingExportMissing;

  quotix.SetDealerDiscount(dealerDiscount);
  if (!quotix.InitXL(0, 0, 0)) return PriceRunResult::kPricingRefused;
  quotix.InitValues(height, 0, 0, thickness);
  if (!quotix.MakeReport(material, Block(setup), ZamoWallTallyList{}, ZamoWallTallyList{}, ZamoFloorTallyList{},
                         postCount, 0, 0))
    return Refused(quotix);
  return SaveWorkbook(setup, quotix, QStringLiteral("corner-posts"));
}

PriceRunResult RunMaterialsDialog(const QString& materialLibrary) {
  CPluginLibrary material;
  if (!material.Load(materialLibrary)) return PriceRunResult::kMaterialsMissing;
  CMaterialApi api;
  material.Bind(api);
  if (!api.ShowMaterialDlg) return PriceRunResult::kMaterialsDialogMissing;
  api.ShowMaterialDlg();
  return PriceRunResult::kWritten;
}

PriceRunResult RunPriceDialog(CPluginLibrary* quotix, QWidget* parent) {
  CQuotixApi api;
  if (quotix && quotix->IsLoaded()) quotix->Bind(api);
  if (!api.ShowPriceDlg) return PriceRunResult::kPricingExportMissing;
  std::array<uint8_t, 400> prices{};
  return api.ShowPriceDlg(parent, prices.data(), 0) == reinterpret_cast<intptr_t>(prices.data())
             ? PriceRunResult::kWritten
             : PriceRunResult::kCancelled;
}
