#include "workbook.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "atomicfile.h"
#include "cellvalue.h"

namespace {

// The standard font (11 points) draws a digit 7 pixels wide and pads a
// column by 5 pixels; a point is 4/3 of a pixel.
constexpr double kDigitPixels = 7.0;
constexpr double kColumnPaddingPixels = 5.0;
constexpr double kPointsPerPixel = 0.75;
constexpr double kBoldFactor = 1.08;

// Decodes one UTF-8 character at `i`, advancing it.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  if (b < 0x80) return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t c = b & (0x3F >> extra);
  while (extra-- > 0 && i < text.size()) c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  return c;
}

// Approximate width of one character of the standard font, in pixels.
double CharPixels(char32_t c) {
  if (c >= '0' && c <= '9') return 7;
  if (c == ' ') return 3;
  if (c == '.' || c == ',' || c == ':' || c == ';' || c == '\'' || c == '|' || c == 'i' || c == 'l' || c == 'j' ||
      c == 'I' || c == '!')
    return 3.5;
  if (c == '-' || c == '(' || c == ')' || c == 'f' || c == 't' || c == 'r') return 4.5;
  if (c == 'M' || c == 'W' || c == 'm' || c == 'w') return 10.5;
  if (c >= 'A' && c <= 'Z') return 8;
  if (c >= 'a' && c <= 'z') return 6.5;
  // Cyrillic: the wide capitals and small letters (zhe, sha, shcha, yu, em,
  // yeru), then the rest of the capitals and of the small letters.
  if (c == U'\u0416' || c == U'\u0428' || c == U'\u0429' || c == U'\u042E' || c == U'\u041C' || c == U'\u042B')
    return 11;
  if (c == U'\u0436' || c == U'\u0448' || c == U'\u0449' || c == U'\u044E' || c == U'\u043C' || c == U'\u044B')
    return 9.5;
  if ((c >= U'\u0410' && c <= U'\u042F') || c == U'\u0401') return 8.5;
  if ((c >= U'\u0430' && c <= U'\u044F') || c == U'\u0451') return 7;
  if (c == U'№') return 13;
  return 8;
}

double TextPixels(std::string_view text, bool bold) {
  double pixels = 0;
  for (size_t i = 0; i < text.size();) pixels += CharPixels(NextCodePoint(text, i));
  return bold ? pixels * kBoldFactor : pixels;
}

// The column width (in characters) that shows `text` whole.
double FittingWidth(std::string_view text, bool bold) {
  const double width = (TextPixels(text, bold) + kColumnPaddingPixels) / kDigitPixels;
  return std::min(CWorkbook::kMaxColumnWidth, std::ceil(width * 4.0) / 4.0);
}

double ColumnPixels(double width) {
  if (width < 1.0) return std::floor(width * (kDigitPixels + kColumnPaddingPixels) + 0.5);
  return std::floor(width * kDigitPixels + 0.5) + kColumnPaddingPixels;
}

}  // namespace

template <typename Fn>
void CWorkbook::ForEachCell(const CRange& range, Fn fn) {
  if (range.wholeColumns) {
    for (auto& [key, cell] : cells_) {
      if (range.Contains(key.first, key.second)) fn(cell);
    }
    return;
  }
  for (int row = range.firstRow; row <= range.lastRow; ++row) {
    for (int col = range.firstCol; col <= range.lastCol; ++col) fn(cells_[{row, col}]);
  }
}

void CWorkbook::SetText(const CRange& range, std::string_view text) {
  ForEachCell(range, [&](CCell& cell) { cell.text.assign(text); });
}

void CWorkbook::SetBold(const CRange& range, bool on) {
  ForEachCell(range, [&](CCell& cell) { cell.style.bold = on; });
}

void CWorkbook::SetItalic(const CRange& range, bool on) {
  ForEachCell(range, [&](CCell& cell) { cell.style.italic = on; });
}

void CWorkbook::SetDecimals(const CRange& range, int decimals) {
  ForEachCell(range, [&](CCell& cell) { cell.style.decimals = decimals; });
}

void CWorkbook::SetFontColorIndex(const CRange& range, int index) {
  ForEachCell(range, [&](CCell& cell) { cell.style.fontColorIndex = index; });
}

void CWorkbook::SetFillColorIndex(const CRange& range, int index) {
  ForEachCell(range, [&](CCell& cell) { cell.style.fillColorIndex = index; });
}

void CWorkbook::SetHorizontalAlignment(const CRange& range, int alignment) {
  ForEachCell(range, [&](CCell& cell) { cell.style.horizontalAlignment = alignment; });
}

void CWorkbook::SetVerticalAlignment(const CRange& range, int alignment) {
  ForEachCell(range, [&](CCell& cell) { cell.style.verticalAlignment = alignment; });
}

void CWorkbook::Merge(const CRange& range) {
  if (range.wholeColumns || range.IsSingleCell()) return;
  if (IsMerged(range)) return;
  // Merging over merged cells merges the whole area, as the spreadsheet does.
  CRange area = range;
  std::vector<CRange> kept;
  for (const CRange& merged : merges_) {
    if (merged.Intersects(area)) {
      area.firstRow = std::min(area.firstRow, merged.firstRow);
      area.lastRow = std::max(area.lastRow, merged.lastRow);
      area.firstCol = std::min(area.firstCol, merged.firstCol);
      area.lastCol = std::max(area.lastCol, merged.lastCol);
    } else {
      kept.push_back(merged);
    }
  }
  kept.push_back(area);
  merges_ = std::move(kept);
  // Only the top-left cell keeps its value.
  for (auto& [key, cell] : cells_) {
    if (area.Contains(key.first, key.second) && !(key.first == area.firstRow && key.second == area.firstCol)) {
      cell.text.clear();
    }
  }
}

void CWorkbook::SetOrientation(const CRange& range, int degrees) {
  ForEachCell(range, [&](CCell& cell) { cell.style.orientation = degrees; });
}

void CWorkbook::SetRowHeight(const CRange& range, double points) {
  if (range.wholeColumns) return;
  for (int row = range.firstRow; row <= range.lastRow; ++row) rowHeights_[row] = points;
}

void CWorkbook::SetColumnWidth(const CRange& range, double characters) {
  const double width = std::clamp(characters, 0.0, kMaxColumnWidth);
  for (int col = range.firstCol; col <= range.lastCol; ++col) columnWidths_[col] = width;
}

void CWorkbook::AutoFitColumns(const CRange& range) {
  for (int col = range.firstCol; col <= range.lastCol; ++col) {
    double widest = 0;
    for (const auto& [key, cell] : cells_) {
      if (key.second != col || cell.text.empty() || cell.style.orientation != 0) continue;
      if (!range.wholeColumns && (key.first < range.firstRow || key.first > range.lastRow)) continue;
      // The spreadsheet leaves merged cells out of the fit.
      if (InMerge(key.first, key.second)) continue;
      double number;
      const std::string shown = ParseNumberText(cell.text, number) ? FormatGeneral(number) : cell.text;
      widest = std::max(widest, FittingWidth(shown, cell.style.bold));
    }
    if (widest > 0) columnWidths_[col] = widest;
  }
}

void CWorkbook::AutoFitRows(const CRange& range) {
  if (range.wholeColumns) return;
  for (const auto& [key, cell] : cells_) {
    if (key.first < range.firstRow || key.first > range.lastRow || cell.text.empty()) continue;
    if (cell.style.orientation == 0) continue;
    if (InMerge(key.first, key.second)) continue;
    // A text turned upright needs its length as height.
    const double needed = (TextPixels(cell.text, cell.style.bold) + kColumnPaddingPixels) * kPointsPerPixel;
    if (needed > RowHeight(key.first)) rowHeights_[key.first] = std::ceil(needed);
  }
}

void CWorkbook::DrawFrame(const CRange& range, int lineStyle, int weight, int colorIndex) {
  if (range.wholeColumns) return;
  const CBorder border{lineStyle, weight, colorIndex};
  for (int col = range.firstCol; col <= range.lastCol; ++col) {
    cells_[{range.firstRow, col}].style.borders[kEdgeTop] = border;
    cells_[{range.lastRow, col}].style.borders[kEdgeBottom] = border;
  }
  for (int row = range.firstRow; row <= range.lastRow; ++row) {
    cells_[{row, range.firstCol}].style.borders[kEdgeLeft] = border;
    cells_[{row, range.lastCol}].style.borders[kEdgeRight] = border;
  }
}

double CWorkbook::Left(const CRange& range) const {
  double pixels = 0;
  for (int col = 0; col < range.firstCol; ++col) pixels += ColumnPixels(ColumnWidth(col));
  return pixels * kPointsPerPixel;
}

double CWorkbook::Top(const CRange& range) const {
  double points = 0;
  for (int row = 1; row < range.firstRow; ++row) points += RowHeight(row);
  return points;
}

bool CWorkbook::AddPicture(const std::string& file, double left, double top, double width, double height) {
  CPicture picture{file, {}, left, top, width, height};
  if (ReadWholeFile(file, picture.bytes, kMaxPictureBytes) || picture.bytes.empty()) return false;
  pictures_.push_back(std::move(picture));
  return true;
}

void CWorkbook::SetPageSetup(const CPageSetup& setup) {
  pageSetup_ = setup;
  hasPageSetup_ = true;
}

const CCell* CWorkbook::Find(int row, int col) const {
  const auto it = cells_.find({row, col});
  return it == cells_.end() ? nullptr : &it->second;
}

std::string CWorkbook::Text(int row, int col) const {
  const CCell* cell = Find(row, col);
  return cell ? cell->text : std::string();
}

std::string CWorkbook::Text(const char* address) const {
  const auto range = CRange::Parse(address);
  return range ? Text(range->firstRow, range->firstCol) : std::string();
}

CCellStyle CWorkbook::Style(int row, int col) const {
  const CCell* cell = Find(row, col);
  return cell ? cell->style : CCellStyle{};
}

bool CWorkbook::InMerge(int row, int col) const {
  return std::any_of(merges_.begin(), merges_.end(), [=](const CRange& m) { return m.Contains(row, col); });
}

bool CWorkbook::IsMerged(const CRange& range) const {
  return std::find(merges_.begin(), merges_.end(), range) != merges_.end();
}

double CWorkbook::ColumnWidth(int col) const {
  const auto it = columnWidths_.find(col);
  return it == columnWidths_.end() ? kDefaultColumnWidth : it->second;
}

double CWorkbook::RowHeight(int row) const {
  const auto it = rowHeights_.find(row);
  return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

int CWorkbook::LastTextRow() const {
  int last = 0;
  for (const auto& [key, cell] : cells_) {
    if (!cell.text.empty()) last = std::max(last, key.first);
  }
  return last;
}

void CWorkbook::SetPrintTitleRows(int first, int last) {
  if (first < 1 || last < first) return;
  printTitleFirst_ = first;
  printTitleLast_ = last;
}

CWorkbook& CWorkbook::AddSheet(const std::string& name) {
  moreSheets_.push_back({name, std::make_shared<CWorkbook>()});
  return *moreSheets_.back().sheet;
}
