#include "quotixsession.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "languageentries.h"

namespace {

// InitXReport's row: the column heading goes one row above it, and no
// report can reach past the spreadsheet's last row.
constexpr int kMinTableRow = 2;
constexpr int kMaxTableRow = 1'000'000;

CReportLayout::CDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

}  // namespace

CQuotixSession::CQuotixSession(const CLanguageTable& language) : language_(language), dateSource_(Today) {}

int CQuotixSession::Refuse(Refusal why) {
  refusal_ = why;
  workbook_.reset();
  kind_ = ReportKind::None;
  group_ = CGroup{};
  sums_.Clear();
  return 0;
}

bool CQuotixSession::InitXL(bool priceListTitle, bool is80) {
  refusal_ = Refusal::None;
  // A table that could not be read, or read as 0 where it was damaged,
  // would give a report that looks priced and is not.
  if (pricesReadError_ || prices_.BadEntry() >= 0) {
    Refuse(pricesReadError_ ? Refusal::PricesUnreadable : Refusal::BadPriceEntry);
    return false;
  }
  workbook_ = std::make_unique<CWorkbook>();
  details_ = CReportDetails{};
  currentRow_ = kFirstReportRow;
  group_ = CGroup{};
  kind_ = ReportKind::None;
  // A report started after a price list must not stay quiet: it would
  // price without writing a single row.
  quietMode_ = priceListTitle;
  if (priceListTitle) {
    kind_ = is80 ? ReportKind::PriceList80 : ReportKind::PriceList100;
    CReportLayout layout(*workbook_, language_);
    layout.WritePriceListTitle(is80);
    layout.WriteLogo(logoFile_);
  }
  return true;
}

std::unique_ptr<CWorkbook> CQuotixSession::TakeWorkbook() {
  ClosePriceListGroup();
  return std::move(workbook_);
}

void CQuotixSession::InitValues(int32_t innerHeight, int32_t lengthA, int32_t lengthB, int32_t thickness) {
  values_ = {innerHeight, lengthA, lengthB, thickness};
}

void CQuotixSession::SetDealerDiscount(double discount) {
  // A discount that is no fraction is none, as the totals treat one of 1 or
  // more.
  if (!prices_.Set(PriceEntry::kDealerDiscount, discount)) prices_.Set(PriceEntry::kDealerDiscount, 0.0);
}

void CQuotixSession::InitXReport(int firstRow) {
  ClosePriceListGroup();
  currentRow_ = firstRow_ = std::clamp(firstRow, kMinTableRow, kMaxTableRow);
  group_ = CGroup{};
}

int CQuotixSession::MakeReport(const CCameraInput& input) {
  sums_.Clear();
  refusal_ = Refusal::None;
  quietMode_ = false;
  if (!workbook_) return 0;
  kind_ = ReportKind::Camera;
  const CCameraPricing pricing = PriceCamera(prices_, values_, input, PricingMode::CameraReport);
  if (!IsFiniteTotal(pricing.totals, pricing.sums)) return Refuse(Refusal::TotalNotFinite);
  sums_ = pricing.sums;
  CReportLayout layout(*workbook_, language_);
  const CReportLayout::CDate today = dateSource_();
  layout.WriteHeadingBlock(details_, today, pricing.totals.dealerDiscount);
  currentRow_ = layout.WriteCameraReport(currentRow_, values_, input, pricing, details_.article);
  layout.WriteLogo(logoFile_);
  if (details_.detailedEstimate) {
    CWorkbook& estimate = workbook_->AddSheet(language_.GetTextOrBuiltin(Lang::kDetailedEstimate));
    CReportLayout(estimate, language_).WriteDetailedEstimate(pricing, details_, today);
  }
  return currentRow_;
}

int CQuotixSession::MakeReport2(const CCameraInput& input, char column) {
  sums_.Clear();
  refusal_ = Refusal::None;
  quietMode_ = true;
  column = static_cast<char>(std::toupper(static_cast<unsigned char>(column)));
  // The price goes one column to the right, which must still be on the sheet.
  if (!workbook_ || column < 'A' || column > 'K') return 0;
  const CCameraPricing pricing = PriceCamera(prices_, values_, input, PricingMode::PriceList);
  // One camera without a price spoils the whole list.
  if (!IsFiniteTotal(pricing.totals, pricing.sums)) return Refuse(Refusal::TotalNotFinite);
  sums_ = pricing.sums;

  const int32_t t = values_.thickness;
  const int row = currentRow_;
  CReportLayout layout(*workbook_, language_);
  layout.WritePriceListCamera(row, column, pricing.volumeAsPassed, pricing.totals, dateSource_());
  if (row == firstRow_) layout.WritePriceListColumnHeading(row - 1, column, values_.innerHeight + 2 * t);
  if (column == 'C') layout.WritePriceListLengthB(row, values_.lengthB + t);
  if (group_.column == 0) {
    group_ = {column, values_.lengthA, row, row};
  } else if (values_.lengthA != group_.lengthA) {
    ClosePriceListGroup();
    group_ = {column, values_.lengthA, row, row};
  }
  group_.last = row;
  currentRow_ = row + 1;
  return currentRow_;
}

void CQuotixSession::ClosePriceListGroup() {
  if (group_.column == 0 || !workbook_) return;
  CReportLayout layout(*workbook_, language_);
  layout.ClosePriceListGroup(group_.column, group_.start, group_.last, group_.lengthA + values_.thickness);
  group_ = CGroup{};
}

int CQuotixSession::InitPanelReport() {
  sums_.Clear();
  if (!workbook_) return 0;
  kind_ = ReportKind::Panels;
  if (!quietMode_) CReportLayout(*workbook_, language_).WriteTableHeader(currentRow_);
  firstRow_ = currentRow_;
  ++currentRow_;
  return firstRow_;
}

int CQuotixSession::MakePanelReport(const PanelGroup& group, bool euroNoVat, int32_t thickness) {
  if (!workbook_) return 0;
  if (group.kind != kPanelGroupWall && group.kind != kPanelGroupCeiling && group.kind != kPanelGroupFloor) {
    return currentRow_;
  }
  // A single panel is as high (walls) or as long as the user typed it.
  values_.innerHeight = group.length;
  values_.thickness = thickness;
  CPriceCalculator calc(prices_, values_, euroNoVat, sums_);
  CReportLayout layout(*workbook_, language_);
  using Section = CReportLayout::Section;
  if (group.kind == kPanelGroupWall) {
    WallPanelTally tally{};
    tally.count = group.count;
    tally.width = group.width;
    tally.openingHeight = group.length;
    tally.isDoor = group.door;
    tally.kind = group.kind;
    const CPanelRow row = calc.AddWallGroup(tally, quietMode_);
    // Like the wall rows under a table header, the row before it stays empty.
    ++currentRow_;
    if (!quietMode_) layout.WritePanelRow(currentRow_, Section::Wall, 1, row, thickness);
    ++currentRow_;
  } else {
    const bool ceiling = group.kind == kPanelGroupCeiling;
    const CPanelRow row = ceiling ? calc.AddCeilingGroup(group.count, group.width, group.length)
                                  : calc.AddFloorGroup(group.count, group.width, group.length);
    if (!quietMode_) layout.WritePanelRow(currentRow_, ceiling ? Section::Ceiling : Section::Floor, 1, row, thickness);
    ++currentRow_;
  }
  return currentRow_;
}

int CQuotixSession::EndPanelReport() {
  refusal_ = Refusal::None;
  if (!workbook_) return 0;
  CPriceCalculator calc(prices_, values_, false, sums_);
  CReportLayout::CTotalsBlock block;
  block.totals = calc.Totals(true, false);
  if (!IsFiniteTotal(block.totals, sums_)) return Refuse(Refusal::TotalNotFinite);
  block.thickness = values_.thickness;
  block.tableFirstRow = firstRow_;
  block.tableLastRow = currentRow_ - 1;
  if (quietMode_) return currentRow_;
  CReportLayout layout(*workbook_, language_);
  layout.WriteHeadingBlock(details_, dateSource_(), block.totals.dealerDiscount);
  workbook_->DrawFrame(CRange::Cells('A', firstRow_, 'G', std::max(firstRow_, currentRow_ - 1)),
                       XlConst::kLineContinuous, XlConst::kWeightThick, XlConst::kColorAutomatic);
  currentRow_ = layout.WriteTotalsBlock(currentRow_, block);
  layout.WriteLogo(logoFile_);
  return currentRow_;
}
