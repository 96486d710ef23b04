#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pricelistgrid.h"
#include "zamo_abi.h"

class CChamber;
class CPluginLibrary;
class QWidget;

// The priced reports: the camera price calculation, the price lists of
// standard cameras, the panel report of the components calculation, the
// corner-post report, and the two dialogs of the pricing and materials
// libraries. The camera window's commands, the components dialog and
// zamo-cli all run these very functions.
//
// Every run binds the pricing library's exports when it starts (one it
// calls missing: kPricingExportMissing, nothing done) and loads the
// materials library for its own length where it needs it. A run shows no
// message of its own: it returns why it stopped, and the caller tells the
// user (the window with a message box, zamo-cli with a line). The pricing
// and materials libraries still show their own messages. Once the pricing
// library opened a workbook the run always closes it, so no unsaved
// workbook is left in the library; a run that stops after that point
// leaves no report file. User-interface thread only.

// Where a run finds its libraries and puts its report.
struct CPriceRunSetup {
  // The pricing library, loaded by the program at start-up; null or not
  // loaded gives kPricingExportMissing.
  CPluginLibrary* quotix = nullptr;
  // Base name of the materials library, loaded at the start of each run that
  // needs it and freed at its end: beside the program, then beside the
  // pricing library.
  QString materialLibrary = QStringLiteral("Material");
  // The report file. Empty: a new time-stamped file in the data folder's
  // Reports/, named after the kind of report ("camera-…", "pricelist-80-…",
  // "components-…", "corner-posts-…"). Given: the report goes to exactly
  // this file (replacing it only once the new one is complete). A run never
  // opens the report: the caller says where it went and opens it.
  QString reportPath;
  // Receives the file the report was written to; untouched when none was.
  QString* savedPath = nullptr;
  // The program's price block, handed through untouched; null: a cleared one.
  const ZamoPriceBlock* priceBlock = nullptr;
};

enum class PriceRunResult {
  kWritten,     // the report was saved at reportPath, or (without one) handed to the
                // pricing library to save, which reports its own failure; for the
                // dialogs: the prices were saved, or the materials dialog ran
  kCancelled,   // the user cancelled (or left the price dialog unsaved); nothing was written
  kNotWritten,  // the pricing library made no file (it reports its own errors)
  kPricingRefused,  // the pricing library refused to price: its price table is
                    // unreadable or damaged, or a total is no number. It said
                    // why; nothing was written
  // Refused on this program's side; nothing was written and nobody was told.
  kPricingExportMissing,    // the pricing library is not loaded or lacks an export the run calls
  kMaterialsMissing,        // the materials library cannot be loaded
  kMaterialsDialogMissing,  // the materials library has no dialog
  kNoMaterialProfiles,      // the materials library has no profile
  kNotFullyDivided,         // a wall, partition or floor strip is not fully divided into panels
};

// The choice of the report options dialog.
struct CReportOptions {
  int32_t profile = 0;  // index into the profile names
  bool euro = false;    // prices in euros without tax
  bool detailedEstimate = false;  // a second sheet with every line priced
  // The dealer coefficient typed in the options; none: the run's own.
  std::optional<double> dealerCoefficient;
  bool estimatePicture = true;  // the heading's picture below the detailed estimate
};

// The texts a camera report names its camera by (UTF-8).
struct CReportHeading {
  std::string article;
  std::string description;
  std::string picture;  // a PNG file of the camera for the detailed estimate; empty: none
};

// Shows the profile names (UTF-8, the materials library's order; never
// empty) and returns the choice, or nullopt when the user cancelled. The
// window shows CExcelOutputDlg; zamo-cli answers from its options.
using ReportOptionsChooser = std::function<std::optional<CReportOptions>(const std::vector<std::string>& profiles)>;

// Called after each camera of a price list with the number priced so far,
// the number in all, and the scratch camera just priced. False cancels the
// list: the workbook is dropped and no file is written.
using PriceListProgress = std::function<bool(int done, int total, const CChamber& camera)>;

// The panel tallies a camera is priced from.
struct CCameraTallies {
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> ceiling;

  // False when a wall, partition or floor strip is not fully divided.
  bool Tally(const CChamber& camera);
};

// The camera price calculation of `camera`: its panel tallies
// (kNotFullyDivided, asked after the options), priced with the material
// profile and currency `chooseOptions` returns and the dealer coefficient.
// Also kPricingExportMissing, kMaterialsMissing, kNoMaterialProfiles. The
// camera is only read.
// The report names the camera by `heading`, the report file's name as the
// quotation number, and the chosen material profile.
PriceRunResult RunCameraPriceReport(const CPriceRunSetup& setup, const CChamber& camera, double dealerCoefficient,
                                    const ReportOptionsChooser& chooseOptions, const CReportHeading& heading = {});

// The price list of standard cameras with walls 80 mm (is80) or 100 mm
// thick (PriceListGrid), priced with the first material profile. Each camera is a scratch
// camera of the run's own: no window's camera is touched. Also
// kPricingExportMissing, kMaterialsMissing, kNoMaterialProfiles.
PriceRunResult RunPriceList(const CPriceRunSetup& setup, bool is80, const PriceListProgress& progress = {});

// The panel report of the components calculation: one priced row per group,
// in order, then the totals (an empty list gives the header and the totals
// only). `material` is the materials library the caller holds, or null.
// Also kPricingExportMissing.
PriceRunResult RunPanelReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                              std::span<const PanelGroup> groups);

// The price of `postCount` corner posts `height` mm high in walls
// `thickness` mm thick, as a camera report without panels. Also
// kPricingExportMissing.
PriceRunResult RunCornerPostReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                                   int32_t postCount, int32_t height, int32_t thickness);

// The materials library's own dialog: kWritten once it ran,
// kMaterialsMissing, kMaterialsDialogMissing.
PriceRunResult RunMaterialsDialog(const QString& materialLibrary = QStringLiteral("Material"));

// The pricing library's price dialog over `parent`: kWritten when the
// prices were saved, kCancelled when not, kPricingExportMissing when the
// library or ShowPriceDlg is missing.
PriceRunResult RunPriceDialog(CPluginLibrary* quotix, QWidget* parent);
