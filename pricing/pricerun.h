#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
// Every run looks up the pricing library's exports by name when it starts
// (the first one missing: message 43/44, nothing done), loads the materials
// library for its own length where it needs it, and tells the user through
// the message helper (messages.h) why it stopped. Once the pricing library
// opened a workbook the run always closes it, so no unsaved workbook is left
// in the library; a run that stops after that point leaves no report file.
// User-interface thread only.

// Where a run finds its libraries and puts its report.
struct CPriceRunSetup {
  // The pricing library, loaded by the program at start-up; null or not
  // loaded gives message 43/44.
  CPluginLibrary* quotix = nullptr;
  // Base name of the materials library, loaded at the start of each run that
  // needs it and freed at its end: beside the program, then beside the
  // pricing library.
  QString materialLibrary = QStringLiteral("Material");
  // The report file. Empty: the pricing library's own choice (a time-stamped
  // file in the data folder's Reports/), opened in the spreadsheet program
  // as the library's settings say. Given: the report goes to exactly this
  // file (replacing it only once the new one is complete) and is not opened.
  QString reportPath;
  // The program's price block, handed through untouched; null: a cleared one.
  const ZamoPriceBlock* priceBlock = nullptr;
};

enum class PriceRunResult {
  kWritten,     // the report was saved at reportPath, or (without one) handed to the
                // pricing library to save, which reports its own failure
  kCancelled,   // the user cancelled; nothing was written
  kRefused,     // a message said why; nothing was written
  kNotWritten,  // the pricing library made no file (it reports its own errors)
  kPricingRefused,  // the pricing library refused to price: its price table is
                    // unreadable or damaged, or a total is no number. It said
                    // why; nothing was written
};

// The choice of the report options dialog.
struct CReportOptions {
  int32_t profile = 0;  // index into the profile names
  bool euro = false;    // prices in euros without tax
};

// Shows the profile names (UTF-8, the materials library's order; never
// empty) and returns the choice, or nullopt when the user cancelled. The
// window shows CExcelOutputDlg; zamo-cli answers from its options.
using ReportOptionsChooser = std::function<std::optional<CReportOptions>(const std::vector<std::string>& profiles)>;

// Called after each camera of a price list with the number priced so far,
// the number in all, and the scratch camera just priced. False cancels the
// list: the workbook is dropped and no file is written.
using PriceListProgress = std::function<bool(int done, int total, const CChamber& camera)>;

// One camera of a price list: the sizes handed to CChamber::Create (mm) and
// the worksheet column of its volume ('C', 'E', 'G' by height).
struct CPriceListCamera {
  char column;
  int32_t width;
  int32_t depth;
  int32_t height;
  int32_t thickness;
};

// The 360 cameras of a price list in the order they are priced: per height
// column (2040, 2300, 2560) every pair of plan lengths a <= b from 1280 (80
// mm walls; 1300 for 100 mm) in steps of 300 below 5700.
std::vector<CPriceListCamera> PriceListGrid(bool is80);

// The camera price calculation of `camera`: its panel tallies (message 47/2
// when a wall, partition or floor strip is not fully divided), priced with
// the material profile and currency `chooseOptions` returns and the dealer
// coefficient. Messages 43/44 (pricing library or export missing), 45/44
// (materials library missing), 46/2 (no material profiles). The camera is
// only read.
PriceRunResult RunCameraPriceReport(const CPriceRunSetup& setup, const CChamber& camera, double dealerCoefficient,
                                    const ReportOptionsChooser& chooseOptions);

// The price list of standard cameras with walls 80 mm (is80) or 100 mm
// thick, priced with the first material profile. Each camera is a scratch
// camera of the run's own: no window's camera is touched. Messages 43/44,
// 45/44, 46/44 (no material profiles).
PriceRunResult RunPriceList(const CPriceRunSetup& setup, bool is80, const PriceListProgress& progress = {});

// The panel report of the components calculation: one priced row per group,
// in order, then the totals (an empty list gives the header and the totals
// only). `material` is the materials library the caller holds, or null.
// Message 43/44 when the pricing library or an export is missing.
PriceRunResult RunPanelReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                              std::span<const PanelGroup> groups);

// The price of `postCount` corner posts `height` mm high in walls
// `thickness` mm thick, as a camera report without panels. Message 43/44.
PriceRunResult RunCornerPostReport(const CPriceRunSetup& setup, const ZamoModule* material, double dealerDiscount,
                                   int32_t postCount, int32_t height, int32_t thickness);

// The materials library's own dialog: messages 52/2 (library missing) and
// 53/2 (no dialog in it).
void RunMaterialsDialog(const QString& materialLibrary = QStringLiteral("Material"));

// The pricing library's price dialog over `parent`. Message 43/44 when the
// library or ShowPriceDlg is missing. True when the prices were saved.
bool RunPriceDialog(CPluginLibrary* quotix, QWidget* parent);
