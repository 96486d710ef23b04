#pragma once

#include <string>
#include <utility>
#include <vector>

#include "languagetable.h"
#include "pricecalc.h"
#include "spreadsheet.h"

// What a report names besides its panels: the camera, the quotation, and
// the material profile the factory is to build with (it changes no price).
struct CReportDetails {
  std::string article;
  std::string description;
  std::string quotationNumber;
  bool detailedEstimate = false;
  std::string materialProfile;  // empty: no profile named
  std::vector<std::pair<std::string, std::string>> materials;  // surface, material
  std::string picture;  // a PNG of the camera below the detailed estimate; empty: none
};

// Where every value of the reports lands on the worksheet. Rows count from
// 1; every writer takes the row to start at and returns the row after what
// it wrote. Texts come from the module's language table by entry number.
class CReportLayout {
 public:
  static constexpr const char* kLogoFileName = "kryvel_logo.jpg";
  static constexpr const char* kEuroNote = "EUR, VAT excluded";

  CReportLayout(CSpreadsheet& sheet, const CLanguageTable& language) : sheet_(sheet), language_(language) {}

  // A date on a report.
  struct CDate {
    int day = 1, month = 1, year = 2000;
  };

  // The logo picture at the top-left corner (row 1 made high enough); a
  // missing or unreadable picture is left out without a word.
  void WriteLogo(const std::string& logoFile);
  void WritePriceListTitle(bool is80);
  void WriteTableHeader(int row);

  // The free cells above a report's table (rows 2 and 3) and to the right of
  // it (column I): the article and description, the date, the quotation
  // number, the dealer coefficient when one applies (above 0), and the
  // material profile with the material of each surface.
  void WriteHeadingBlock(const CReportDetails& details, const CDate& today, double dealerCoefficient);

  // The whole camera report below the volume line at `row`; the panel lines
  // are numbered in column A.
  int WriteCameraReport(int row, const CCameraValues& values, const CCameraInput& input,
                        const CCameraPricing& pricing, const std::string& article = {});

  // The detailed estimate on a sheet of its own: every line with its unit
  // price, count and sum, the subtotals of walls, partitions, corner posts,
  // ceiling, floor, doors and kits, the volume and dealer discounts, the
  // VAT included, and the total the camera report shows.
  void WriteDetailedEstimate(const CCameraPricing& pricing, const CReportDetails& details,
                             const CDate& today);

  // Single rows, numbered within their section.
  enum class Section { Wall, Partition, Ceiling, Floor };
  void WritePanelRow(int row, Section section, int number, const CPanelRow& panel, int32_t thickness);
  void WriteCornerPosts(int row, const CPanelRow& posts, int32_t thickness);

  // The block under a table: door rows, over-door panels, door kits, the
  // total, the closing rows and the page set-up.
  struct CTotalsBlock {
    const std::vector<CDoorItem>* wallDoors = nullptr;
    const std::vector<CDoorItem>* partitionDoors = nullptr;
    const std::vector<COverDoorPanel>* overDoorPanels = nullptr;
    const std::vector<CDoorKitRow>* doorKits = nullptr;
    CTotals totals;
    int32_t thickness = 0;
    bool euroNote = false;
    // Printed in the closing "article" row instead of the blank line.
    std::string article;
    // The rows of the table above, to which the columns are fitted.
    int tableFirstRow = 1;
    int tableLastRow = 1;
  };
  int WriteTotalsBlock(int row, const CTotalsBlock& block);

  // One camera of a price list: its volume into `column`, its price into the
  // next column, and the sheet heading (rewritten with every camera).
  void WritePriceListCamera(int row, char column, double volume, const CTotals& totals, const CDate& today);
  void WritePriceListColumnHeading(int row, char column, int32_t outerHeight);
  void WritePriceListLengthB(int row, int32_t outerLengthB);
  // Closes the group of rows first..last of one plan length.
  void ClosePriceListGroup(char column, int first, int last, int32_t outerLengthA);

 private:
  const std::string& Text(int entry) const { return language_.GetString(entry); }
  // The texts added to the language file since its first version.
  const std::string& AddedText(int entry) const { return language_.GetTextOrBuiltin(entry); }
  void Put(char column, int row, const std::string& text);
  // "руб." after a rouble total, "EUR" after a euro one.
  std::string CurrencyAfterTotal(const CTotals& totals) const;
  int WriteDoorRows(int row, const std::vector<CDoorItem>& doors, int32_t thickness);

  CSpreadsheet& sheet_;
  const CLanguageTable& language_;
};

// printf into a std::string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
