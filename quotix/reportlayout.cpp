#include "reportlayout.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

#include "cellvalue.h"
#include "languageentries.h"
#include "workbook.h"

namespace {

constexpr double kLogoRowHeight = 70;
constexpr double kLogoWidth = 200;  // points
constexpr double kLogoHeight = 65;
// The camera's picture below the detailed estimate, points (3:2).
constexpr double kEstimatePictureWidth = 360;
constexpr double kEstimatePictureHeight = 240;
constexpr double kClosingRowHeight = 50;
constexpr double kLargeVolume = 18.0;   // m³: above it the report asks to check the equipment
constexpr int32_t kLongSide = 2560;     // mm: above it the report asks to check the design
constexpr int kFitPagesWide = 1;
constexpr int kFitPagesTall = 2;
constexpr int kHeadingRotation = 90;
constexpr double kPriceColumnWidthC = 32;
constexpr double kPriceColumnWidth = 18;
constexpr double kVolumeColumnWidth = 10;

// Price-list heading colours (palette indexes).
constexpr int kColorBlack = 1;
constexpr int kColorWhite = 2;
constexpr int kColorRed = 3;
constexpr int kColorTitle = 22;
constexpr int kFillBlue = 32;
constexpr int kFillLavender = 24;
constexpr int kFillOrange = 46;

int KindText(DoorKind kind) {
  switch (kind) {
    case DoorKind::Container: return Lang::kContainerDoor;
    case DoorKind::Sliding: return Lang::kSlidingDoor;
    case DoorKind::Swing: return Lang::kSwingDoor;
    case DoorKind::Opening: return Lang::kReportOpeningKind;
  }
  return 0;
}

int DoorRowName(DoorKind kind) {
  switch (kind) {
    case DoorKind::Container:
    case DoorKind::Sliding: return Lang::kReportDoorRow;
    case DoorKind::Swing: return Lang::kReportSwingDoorRow;
    case DoorKind::Opening: return Lang::kReportOpeningRow;
  }
  return 0;
}

// "width x height" of a door or opening; the width alone where the height
// is not known.
std::string DoorSize(const CDoorItem& door) {
  return door.height > 0 ? FormatText("%d x %d", door.width, door.height) : FormatText("%d", door.width);
}

// The first of the price list's heading rows.
constexpr int kPriceListHeadingRow = 4;

// The column width (characters) a caption needs, with a little room.
double CaptionWidth(const std::string& text) {
  size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80 ? 1 : 0;
  return static_cast<double>(characters) + 2.0;
}

// The detailed estimate's columns.
constexpr double kEstimateWidths[] = {5, 44, 14, 10, 16, 18};

// The total as a whole number, cut (not rounded) as the reports always did.
long long WholeTotal(double total) {
  if (!std::isfinite(total)) return 0;
  constexpr double kLimit = static_cast<double>(std::numeric_limits<long long>::max() / 2);
  return static_cast<long long>(std::clamp(total, -kLimit, kLimit));
}

}  // namespace

std::string FormatText(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return std::string();
  if (static_cast<size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<size_t>(n));
  std::string out(static_cast<size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(out.data(), out.size(), format, args);
  va_end(args);
  out.resize(static_cast<size_t>(n));
  return out;
}

void CReportLayout::Put(char column, int row, const std::string& text) { sheet_.SetText(CRange::Cell(column, row), text); }

void CReportLayout::WriteLogo(const std::string& logoFile) {
  sheet_.SetRowHeight(CRange::Cell('A', 1), kLogoRowHeight);
  const CRange corner = CRange::Cell('A', 1);
  sheet_.AddPicture(logoFile, sheet_.Left(corner), sheet_.Top(corner), kLogoWidth, kLogoHeight);
}

void CReportLayout::WritePriceListTitle(bool is80) {
  Put('A', 2, AddedText(Lang::kPriceListThicknessLabel) + (is80 ? " 80 " : " 100 ") + AddedText(Lang::kMillimetres));
  sheet_.SetBold(CRange::Cell('A', 2), true);
  // The list is printed one page wide, as many pages tall as it takes.
  sheet_.SetPageSetup({XlConst::kPortrait, false, kFitPagesWide, 0});
}

void CReportLayout::WriteTableHeader(int row) {
  Put('A', row, "N");
  const int titles[] = {Lang::kColumnName,  Lang::kColumnType,  Lang::kColumnThickness,
                        Lang::kColumnSize,  Lang::kColumnCount, Lang::kColumnArea};
  char column = 'B';
  for (int entry : titles) Put(column++, row, Text(entry));
}

void CReportLayout::WritePanelRow(int row, Section section, int number, const CPanelRow& panel, int32_t thickness) {
  int name = Lang::kReportWallPanelRow;
  int areaDecimals = 2;  // partition rows show the area in full
  switch (section) {
    case Section::Wall: name = panel.countsAsDoor ? Lang::kReportDoorRow : Lang::kReportWallPanelRow; break;
    case Section::Partition:
      name = Lang::kReportPartitionRow;
      areaDecimals = 6;
      break;
    case Section::Ceiling: name = Lang::kReportCeilingPanelRow; break;
    case Section::Floor: name = Lang::kReportFloorPanelRow; break;
  }
  Put('B', row, FormatText("%s №%d", Text(name).c_str(), number));
  Put('C', row, Text(panel.standard ? Lang::kReportStandard : Lang::kReportNonStandard));
  Put('D', row, FormatText("%d", thickness));
  Put('E', row, FormatText("%d X %d", panel.width, panel.length));
  Put('F', row, FormatText("%d", panel.count));
  Put('G', row, FormatFixed(panel.area, areaDecimals));
}

void CReportLayout::WriteCornerPosts(int row, const CPanelRow& posts, int32_t thickness) {
  if (posts.count <= 0) return;
  Put('B', row, Text(Lang::kReportCornerPostRow));
  Put('D', row, FormatText("%d", thickness));
  Put('E', row, FormatText("%d", posts.length));
  Put('F', row, FormatText("%d", posts.count));
  Put('G', row, "-");
}

int CReportLayout::WriteCameraReport(int row, const CCameraValues& values, const CCameraInput& input,
                                     const CCameraPricing& pricing, const std::string& article) {
  const int32_t t = values.thickness;
  if (!input.walls.empty() && !input.ceiling.empty()) {
    Put('B', row,
        AddedText(Lang::kVolumeHeadingPrefix) + " " + FormatFixed(pricing.volumeAsPassed, 2) +
            FormatText(" (%d x %d x %d)", values.lengthA + t, values.lengthB + t, values.innerHeight + 2 * t));
  }
  ++row;
  const int headerRow = row;
  WriteTableHeader(headerRow);
  // The N column counts the panel lines of the whole table.
  int line = 0;
  const auto numbered = [&](int at) { Put('A', at, FormatText("%d", ++line)); };
  // Wall rows start under the header, each one a row further on.
  int number = 0;
  for (const CPanelRow& panel : pricing.wallRows) {
    WritePanelRow(++row, Section::Wall, ++number, panel, t);
    numbered(row);
  }
  ++row;
  number = 0;
  for (const CPanelRow& panel : pricing.partitionRows) {
    numbered(row);
    WritePanelRow(row++, Section::Partition, ++number, panel, t);
  }
  if (pricing.cornerPosts.count > 0) numbered(row);
  WriteCornerPosts(row++, pricing.cornerPosts, t);
  number = 0;
  for (const CPanelRow& panel : pricing.ceilingRows) {
    numbered(row);
    WritePanelRow(row++, Section::Ceiling, ++number, panel, t);
  }
  number = 0;
  for (const CPanelRow& panel : pricing.floorRows) {
    numbered(row);
    WritePanelRow(row++, Section::Floor, ++number, panel, t);
  }
  const int lastTableRow = row - 1;
  sheet_.DrawFrame(CRange::Cells('A', headerRow, 'G', lastTableRow), XlConst::kLineContinuous, XlConst::kWeightThick,
                   XlConst::kColorAutomatic);
  if (pricing.volumeAfterSplit > kLargeVolume) Put('B', row++, Text(Lang::kReportLargeVolumeNote));
  if (values.lengthA > kLongSide || values.lengthB > kLongSide) Put('B', row++, Text(Lang::kReportLongSideNote));

  CTotalsBlock block;
  block.wallDoors = &pricing.wallDoors;
  block.partitionDoors = &pricing.partitionDoors;
  block.overDoorPanels = &pricing.overDoorPanels;
  block.doorKits = &pricing.doorKits;
  block.totals = pricing.totals;
  block.thickness = t;
  block.euroNote = input.euroNoVat;
  block.article = article;
  block.tableFirstRow = headerRow;
  block.tableLastRow = lastTableRow;
  return WriteTotalsBlock(row, block);
}

int CReportLayout::WriteDoorRows(int row, const std::vector<CDoorItem>& doors, int32_t thickness) {
  // Numbers count rows from the first door row of the list, side rows too.
  const int start = row;
  for (const CDoorItem& door : doors) {
    Put('B', row, FormatText("%s №%d", Text(DoorRowName(door.kind)).c_str(), row - start + 1));
    Put('C', row, Text(KindText(door.kind)));
    Put('D', row, FormatText("%d", thickness));
    Put('E', row, DoorSize(door));
    Put('F', row, FormatText("%d", door.count));
    ++row;
    if (!door.hasSidePanels) continue;
    const int sideName =
        door.kind == DoorKind::Container ? Lang::kReportContainerSidePanel : Lang::kReportSlidingSidePanel;
    for (int32_t width : door.sideWidths) {
      Put('B', row, Text(sideName));
      Put('E', row, FormatText("%d", width));
      Put('F', row, FormatText("%d", door.count));
      ++row;
    }
  }
  return row;
}

int CReportLayout::WriteTotalsBlock(int row, const CTotalsBlock& block) {
  static const std::vector<CDoorItem> kNoDoors;
  static const std::vector<COverDoorPanel> kNoPanels;
  static const std::vector<CDoorKitRow> kNoKits;
  const int32_t t = block.thickness;

  // Fitted to the table only: the volume line and the notes above the block
  // run on into the empty cells beside them and would otherwise stretch the
  // name column across the page.
  sheet_.AutoFitColumns(CRange::Cells('A', block.tableFirstRow, 'L', std::max(block.tableFirstRow, block.tableLastRow)));
  const int first = row;
  Put('B', row, Text(Lang::kReportTotalsStart));
  row = WriteDoorRows(row, block.wallDoors ? *block.wallDoors : kNoDoors, t);
  row = WriteDoorRows(row, block.partitionDoors ? *block.partitionDoors : kNoDoors, t);
  // Without doors the "none" line keeps its row; the total goes below it.
  if (row == first) ++row;

  int number = 0;
  for (const COverDoorPanel& panel : block.overDoorPanels ? *block.overDoorPanels : kNoPanels) {
    Put('B', row, FormatText("%s %d", Text(Lang::kReportOverDoorPanelRow).c_str(), ++number));
    Put('D', row, FormatText("%d", t));
    Put('E', row, FormatText("%d x %d", panel.height, panel.width));
    Put('F', row, FormatText("%d", panel.count));
    Put('G', row, FormatFixed(panel.area, 6));
    ++row;
  }
  for (const CDoorKitRow& kit : block.doorKits ? *block.doorKits : kNoKits) {
    Put('B', row, FormatText("%s %s", Text(Lang::kReportDoorKitRow).c_str(), Text(KindText(kit.kind)).c_str()));
    Put('F', row, FormatText("%d", kit.count));
    ++row;
  }

  Put('B', row, AddedText(Lang::kReportTotal));
  // No euro rate in the table: said instead of a euro total.
  Put('G', row, block.totals.euroRateMissing ? AddedText(Lang::kEuroRateMissing)
                                             : FormatText("%lld", WholeTotal(block.totals.total)));
  if (!block.totals.euroRateMissing) Put('H', row, CurrencyAfterTotal(block.totals));
  ++row;
  if (block.euroNote) Put('H', row, kEuroNote);
  ++row;
  Put('A', row, Text(Lang::kReportClosingRow1Left));
  Put('C', row, block.article.empty() ? Text(Lang::kReportClosingRow1Right) : block.article);
  sheet_.SetRowHeight(CRange::Cell('A', row), kClosingRowHeight);
  ++row;
  Put('A', row, Text(Lang::kReportClosingRow2Left));
  Put('C', row, Text(Lang::kReportClosingRow2Right));
  sheet_.SetRowHeight(CRange::Cell('A', row), kClosingRowHeight);
  ++row;
  sheet_.SetPageSetup({XlConst::kLandscape, false, kFitPagesWide, kFitPagesTall});
  return row;
}

void CReportLayout::WritePriceListCamera(int row, char column, double volume, const CTotals& totals,
                                         const CDate& today) {
  const char priceColumn = static_cast<char>(column + 1);
  Put(priceColumn, row, totals.euroRateMissing ? AddedText(Lang::kEuroRateMissing) : FormatFixed(totals.total, 2));
  Put(column, row, FormatFixed(volume, 2));
  sheet_.SetDecimals(CRange::Cells(column, row, priceColumn, row), 2);
  // The currency under the heading: the list's prices are all in one.
  Put('A', 3, AddedText(totals.euro && !totals.euroRateMissing ? Lang::kPriceListEuros : Lang::kPriceListRoubles));
  sheet_.SetItalic(CRange::Cell('A', 3), true);

  Put('F', 2, Text(Lang::kPriceListTitle));
  sheet_.SetBold(CRange::Cell('F', 2), true);
  sheet_.SetItalic(CRange::Cell('F', 2), true);
  sheet_.SetFontColorIndex(CRange::Cell('F', 2), kColorTitle);
  Put('F', 3, FormatText("%s %2.2d/%2.2d/%2.2d", Text(Lang::kPriceListDateCaption).c_str(), today.day, today.month,
                         today.year % 100));
  sheet_.SetBold(CRange::Cell('F', 3), true);
  sheet_.SetItalic(CRange::Cell('F', 3), true);

  struct CHeading {
    CRange range;
    int entry;
    int color;
  };
  const CHeading headings[] = {{CRange::Cells('A', 4, 'H', 4), Lang::kPriceListHeading, kColorBlack},
                               {CRange::Cells('A', 5, 'H', 5), Lang::kPriceListSubheading, kColorRed},
                               {CRange::Cells('A', 6, 'B', 6), Lang::kPriceListSizeHeading, kColorBlack}};
  for (const CHeading& heading : headings) {
    sheet_.Merge(heading.range);
    sheet_.SetHorizontalAlignment(heading.range, XlConst::kCenter);
    sheet_.SetVerticalAlignment(heading.range, XlConst::kCenter);
    sheet_.SetText(CRange::Cell(ColumnLetter(heading.range.firstCol), heading.range.firstRow), Text(heading.entry));
    sheet_.SetBold(heading.range, true);
    sheet_.SetFontColorIndex(heading.range, heading.color);
  }
  sheet_.SetFillColorIndex(headings[2].range, kFillOrange);
  // The two columns under the size heading hold it whole.
  const double sizeWidth =
      std::max(CWorkbook::kDefaultColumnWidth, (CaptionWidth(Text(Lang::kPriceListSizeHeading)) + 1) / 2);
  sheet_.SetColumnWidth(CRange::Columns('A', 'B'), sizeWidth);
}

void CReportLayout::WritePriceListColumnHeading(int row, char column, int32_t outerHeight) {
  const CRange height = CRange::Cell(static_cast<char>(column + 1), row);
  sheet_.SetText(height, FormatText("%d", outerHeight));
  sheet_.SetBold(height, true);
  sheet_.SetFontColorIndex(height, kColorWhite);
  sheet_.SetFillColorIndex(height, kFillBlue);
  const CRange caption = CRange::Cell(column, row);
  sheet_.SetText(caption, Text(Lang::kPriceListVolumeCaption));
  sheet_.SetBold(caption, true);
  sheet_.SetFontColorIndex(caption, kColorWhite);
  sheet_.SetFillColorIndex(caption, kFillLavender);
  sheet_.SetColumnWidth(CRange::Columns(column, column),
                        std::max(kVolumeColumnWidth, CaptionWidth(Text(Lang::kPriceListVolumeCaption))));
  // Every printed page starts with the headings and the column captions.
  sheet_.SetPrintTitleRows(kPriceListHeadingRow, row);
}

void CReportLayout::WritePriceListLengthB(int row, int32_t outerLengthB) {
  Put('B', row, FormatText("%d", outerLengthB));
  sheet_.SetBold(CRange::Cell('B', row), true);
}

void CReportLayout::ClosePriceListGroup(char column, int first, int last, int32_t outerLengthA) {
  if (column == 'C') {
    const CRange lengthCells = CRange::Cells('A', first, 'A', last);
    sheet_.Merge(lengthCells);
    sheet_.SetHorizontalAlignment(lengthCells, XlConst::kCenter);
    sheet_.SetVerticalAlignment(lengthCells, XlConst::kCenter);
    sheet_.SetOrientation(lengthCells, kHeadingRotation);
    Put('A', first, FormatText("%d", outerLengthA));
    sheet_.SetBold(CRange::Cell('A', first), true);
    // A group of one camera is a single unmerged cell: its row grows to
    // show the turned length, as the spreadsheet grows it.
    sheet_.AutoFitRows(CRange::Cells('A', first, 'A', last));
    sheet_.DrawFrame(CRange::Cells('A', first, 'H', last), XlConst::kLineContinuous, XlConst::kWeightThick,
                     XlConst::kColorAutomatic);
    sheet_.SetColumnWidth(CRange::Columns('D', 'D'), kPriceColumnWidthC);
  } else {
    const char priceColumn = static_cast<char>(column + 1);
    sheet_.SetColumnWidth(CRange::Columns(priceColumn, priceColumn), kPriceColumnWidth);
    sheet_.SetColumnWidth(CRange::Columns(column, column),
                          std::max(kVolumeColumnWidth, CaptionWidth(Text(Lang::kPriceListVolumeCaption))));
  }
}

std::string CReportLayout::CurrencyAfterTotal(const CTotals& totals) const {
  return totals.euro && !totals.euroRateMissing ? std::string("EUR") : AddedText(Lang::kQuoteRoubles);
}

void CReportLayout::WriteHeadingBlock(const CReportDetails& details, const CDate& today, double dealerCoefficient) {
  const auto labelled = [this](char column, int row, int entry, const std::string& value) {
    if (!value.empty()) Put(column, row, AddedText(entry) + ": " + value);
  };
  labelled('B', 2, Lang::kArticleLabel, details.article);
  labelled('B', 3, Lang::kDescriptionLabel, details.description);
  labelled('E', 2, Lang::kPrintDateLabel, FormatText("%02d.%02d.%04d", today.day, today.month, today.year));
  if (!details.quotationNumber.empty())
    Put('G', 2, AddedText(Lang::kQuoteNumberLabel) + " " + details.quotationNumber);
  if (dealerCoefficient > 0.0) labelled('G', 3, Lang::kQuoteDealerCoefficient, FormatText("%g", dealerCoefficient));
  if (details.materialProfile.empty()) return;
  labelled('I', 4, Lang::kQuoteMaterialProfile, details.materialProfile);
  int row = 5;
  for (const auto& [surface, material] : details.materials) Put('I', row++, surface + ": " + material);
}

void CReportLayout::WriteDetailedEstimate(const CCameraPricing& pricing,
                                          const CReportDetails& details, const CDate& today) {
  const CTotals& totals = pricing.totals;
  // Every amount in the currency of the total.
  const double rate = totals.euro && !totals.euroRateMissing && totals.euroRate != 0.0 ? totals.euroRate : 1.0;
  const double markup = pricing.markupFactor;
  int row = 1;
  Put('B', row, AddedText(Lang::kDetailedEstimate));
  sheet_.SetBold(CRange::Cell('B', row), true);
  CReportDetails named;
  named.article = details.article;
  named.description = details.description;
  named.quotationNumber = details.quotationNumber;
  WriteHeadingBlock(named, today, 0.0);
  row = 5;
  const int headerRow = row;
  Put('A', row, "N");
  Put('B', row, Text(Lang::kColumnName));
  Put('C', row, Text(Lang::kColumnSize));
  Put('D', row, Text(Lang::kColumnCount));
  Put('E', row, AddedText(Lang::kEstimateUnitPrice));
  Put('F', row, AddedText(Lang::kEstimateLineSum));
  sheet_.SetBold(CRange::Cells('A', row, 'F', row), true);
  ++row;

  int line = 0;
  double sum = 0.0;
  double groupSum = 0.0;
  const auto group = [&](int entry) {
    Put('B', row, AddedText(entry));
    sheet_.SetBold(CRange::Cell('B', row), true);
    ++row;
    groupSum = 0.0;
  };
  const auto item = [&](const std::string& name, const std::string& size, int32_t count, double amount) {
    const double value = amount / rate;
    Put('A', row, FormatText("%d", ++line));
    Put('B', row, name);
    Put('C', row, size);
    Put('D', row, FormatText("%d", count));
    Put('E', row, FormatFixed(count != 0 ? value / count : value, 2));
    Put('F', row, FormatFixed(value, 2));
    sheet_.SetDecimals(CRange::Cells('E', row, 'F', row), 2);
    groupSum += value;
    ++row;
  };
  const auto subtotal = [&] {
    Put('B', row, AddedText(Lang::kEstimateSubtotal));
    Put('F', row, FormatFixed(groupSum, 2));
    sheet_.SetDecimals(CRange::Cell('F', row), 2);
    sheet_.SetBold(CRange::Cells('B', row, 'F', row), true);
    sum += groupSum;
    row += 2;
  };
  const auto panels = [&](int entry, int name, const std::vector<CPanelRow>& rows) {
    if (rows.empty()) return;
    group(entry);
    int number = 0;
    for (const CPanelRow& panel : rows)
      item(FormatText("%s №%d", Text(name).c_str(), ++number), FormatText("%d X %d", panel.width, panel.length),
           panel.count, panel.amount * markup);
    subtotal();
  };
  panels(Lang::kEstimateWalls, Lang::kReportWallPanelRow, pricing.wallRows);
  panels(Lang::kEstimatePartitions, Lang::kReportPartitionRow, pricing.partitionRows);
  if (pricing.cornerPosts.count > 0) {
    group(Lang::kEstimateCornerPosts);
    item(Text(Lang::kReportCornerPostRow), FormatText("%d", pricing.cornerPosts.length), pricing.cornerPosts.count,
         pricing.cornerPosts.amount * markup);
    subtotal();
  }
  panels(Lang::kEstimateCeiling, Lang::kReportCeilingPanelRow, pricing.ceilingRows);
  panels(Lang::kEstimateFloor, Lang::kReportFloorPanelRow, pricing.floorRows);

  const bool anyDoor = !pricing.wallDoors.empty() || !pricing.partitionDoors.empty() ||
                       !pricing.overDoorPanels.empty() || !pricing.doorKits.empty();
  if (anyDoor) {
    group(Lang::kEstimateDoors);
    for (const std::vector<CDoorItem>* doors : {&pricing.wallDoors, &pricing.partitionDoors}) {
      for (const CDoorItem& door : *doors) {
        item(Text(DoorRowName(door.kind)) + " " + Text(KindText(door.kind)), DoorSize(door), door.count,
             door.count * door.price);
        if (!door.hasSidePanels) continue;
        const int side =
            door.kind == DoorKind::Container ? Lang::kReportContainerSidePanel : Lang::kReportSlidingSidePanel;
        for (int i = 0; i < 2; ++i)
          item(Text(side), FormatText("%d", door.sideWidths[i]), door.count, door.sideAmounts[i] * markup);
      }
    }
    int number = 0;
    for (const COverDoorPanel& panel : pricing.overDoorPanels)
      item(FormatText("%s %d", Text(Lang::kReportOverDoorPanelRow).c_str(), ++number),
           FormatText("%d x %d", panel.height, panel.width), panel.count, panel.amount * markup);
    for (const CDoorKitRow& kit : pricing.doorKits)
      item(FormatText("%s %s", Text(Lang::kReportDoorKitRow).c_str(), Text(KindText(kit.kind)).c_str()), "",
           kit.count, kit.amount * markup);
    subtotal();
  }

  const double volumeDiscount = sum * totals.volumeDiscount;
  const double afterVolume = sum - volumeDiscount;
  const double dealerDiscount = afterVolume * totals.dealerDiscount;
  const auto amountLine = [&](int entry, double value, const std::string& note = {}) {
    Put('B', row, AddedText(entry) + note);
    Put('F', row, FormatFixed(value, 2));
    sheet_.SetDecimals(CRange::Cell('F', row), 2);
    ++row;
  };
  if (totals.volumeDiscount > 0.0)
    amountLine(Lang::kEstimateVolumeDiscount, -volumeDiscount, FormatText(" (%g %%)", totals.volumeDiscount * 100));
  if (totals.dealerDiscount > 0.0)
    amountLine(Lang::kEstimateDealerDiscount, -dealerDiscount, FormatText(" (%g %%)", totals.dealerDiscount * 100));
  // What the panels and kits carry of tax, after the discounts.
  if (pricing.vatRate > 0.0) {
    const double taxed = (sum - pricing.sums.extrasSum / rate) * (1.0 - totals.volumeDiscount) *
                         (1.0 - totals.dealerDiscount);
    amountLine(Lang::kEstimateVat, taxed * pricing.vatRate / (1.0 + pricing.vatRate));
  }
  Put('B', row, AddedText(Lang::kReportTotal));
  Put('F', row, totals.euroRateMissing ? AddedText(Lang::kEuroRateMissing)
                                       : FormatText("%lld", WholeTotal(totals.total)));
  if (!totals.euroRateMissing) Put('G', row, CurrencyAfterTotal(totals));
  sheet_.SetBold(CRange::Cells('B', row, 'G', row), true);
  sheet_.DrawFrame(CRange::Cells('A', headerRow, 'F', row), XlConst::kLineContinuous, XlConst::kWeightThin,
                   XlConst::kColorAutomatic);
  char column = 'A';
  for (double width : kEstimateWidths) {
    sheet_.SetColumnWidth(CRange::Columns(column, column), width);
    ++column;
  }
  sheet_.SetPrintTitleRows(headerRow, headerRow);
  sheet_.SetPageSetup({XlConst::kPortrait, false, kFitPagesWide, 0});
  // The camera as the customer will see it, a row below the total; a file
  // that cannot be read leaves the estimate as it is.
  if (!details.picture.empty()) {
    const CRange corner = CRange::Cell('B', row + 2);
    sheet_.AddPicture(details.picture, sheet_.Left(corner), sheet_.Top(corner), kEstimatePictureWidth,
                      kEstimatePictureHeight);
  }
}
