#pragma once

#include <functional>
#include <memory>
#include <string>

#include "languagetable.h"
#include "pricecalc.h"
#include "pricetable.h"
#include "reportlayout.h"
#include "workbook.h"

// What the pricing library keeps between the calls of one report: the
// workbook being written, the row cursor, the camera's values, the running
// sums and the price-list grouping. One report at a time; the exports of
// the library drive one session.
class CQuotixSession {
 public:
  enum class ReportKind { None, Camera, PriceList80, PriceList100, Panels };
  // Why a call was refused. A refused call drops the workbook, so that no
  // report with a wrong total can be saved.
  enum class Refusal {
    None,
    PricesUnreadable,  // the table file could not be read (PricesReadError)
    BadPriceEntry,     // an entry holds no price (CPriceTable::BadEntry)
    TotalNotFinite,    // the prices give a total that is no number
  };

  // Row at which every new workbook starts its reports.
  static constexpr int kFirstReportRow = 4;

  explicit CQuotixSession(const CLanguageTable& language);

  CPriceTable& Prices() { return prices_; }
  const CPriceTable& Prices() const { return prices_; }
  // The failure of the last read of the table file, or none. While there is
  // one, the table holds no dealer's prices and nothing is priced.
  void SetPricesReadError(FileError error) { pricesReadError_ = std::move(error); }
  const FileError& PricesReadError() const { return pricesReadError_; }
  // Why the last InitXL, MakeReport, MakeReport2 or EndPanelReport was
  // refused (None when it was not).
  Refusal LastRefusal() const { return refusal_; }

  // Starts a new workbook (dropping any unsaved one). With priceListTitle
  // the sheet gets the price-list title and the logo, and pricing runs
  // quietly. Returns false (refused, no workbook) when the prices cannot
  // price.
  bool InitXL(bool priceListTitle, bool is80);
  bool HasWorkbook() const { return workbook_ != nullptr; }
  const CWorkbook* Workbook() const { return workbook_.get(); }
  ReportKind Kind() const { return kind_; }
  // Ends the workbook (closing an open price-list group) and hands it over;
  // null when there is none.
  std::unique_ptr<CWorkbook> TakeWorkbook();

  // What the next camera report names besides its panels; InitXL forgets
  // it. The material profile part is the module's, from the materials
  // library.
  void SetReportDetails(CReportDetails details) { details_ = std::move(details); }
  void SetReportPicture(std::string file) { details_.picture = std::move(file); }
  const CReportDetails& ReportDetails() const { return details_; }
  void SetMaterialDetails(std::string profile, std::vector<std::pair<std::string, std::string>> materials) {
    details_.materialProfile = std::move(profile);
    details_.materials = std::move(materials);
  }

  void InitValues(int32_t innerHeight, int32_t lengthA, int32_t lengthB, int32_t thickness);
  void SetDealerDiscount(double discount);
  void InitXReport(int firstRow);

  // The camera report. Returns the row after it (0 without a workbook, or
  // refused when its total is no number).
  int MakeReport(const CCameraInput& input);
  // One camera of a price list: its volume into `column` ('C', 'E', 'G'),
  // its price into the next. Returns the row after it (0 when refused).
  int MakeReport2(const CCameraInput& input, char column);

  int InitPanelReport();
  // Kinds other than wall, floor and ceiling write nothing.
  int MakePanelReport(const PanelGroup& group, bool euroNoVat, int32_t thickness);
  // The totals of the panel report; 0 without a workbook or when refused.
  int EndPanelReport();

  // Where the logo picture is read from (default: the current folder).
  void SetLogoFile(std::string file) { logoFile_ = std::move(file); }
  // Today's date for the price list (tests fix it).
  void SetDateSource(std::function<CReportLayout::CDate()> source) { dateSource_ = std::move(source); }

  int CurrentRow() const { return currentRow_; }
  int FirstRow() const { return firstRow_; }
  bool QuietMode() const { return quietMode_; }
  const CPriceSums& Sums() const { return sums_; }
  const CCameraValues& Values() const { return values_; }

 private:
  void ClosePriceListGroup();
  // Drops the workbook and remembers why; returns 0 for the caller to return.
  int Refuse(Refusal why);

  const CLanguageTable& language_;
  CPriceTable prices_;
  FileError pricesReadError_;
  Refusal refusal_ = Refusal::None;
  std::unique_ptr<CWorkbook> workbook_;
  ReportKind kind_ = ReportKind::None;
  int currentRow_ = kFirstReportRow;
  int firstRow_ = kFirstReportRow;
  bool quietMode_ = false;
  CCameraValues values_;
  CPriceSums sums_;
  // The price list's open group of one plan length.
  struct CGroup {
    char column = 0;  // 0: no group open
    int32_t lengthA = 0;
    int start = 0;
    int last = 0;
  } group_;
  CReportDetails details_;
  std::string logoFile_ = CReportLayout::kLogoFileName;
  std::function<CReportLayout::CDate()> dateSource_;
};
