#include "spreadsheet.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kLastColumn = 25;  // Z: the reports use A to L

bool ParseCell(std::string_view text, int& row, int& col, bool& hasRow) {
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  col = ColumnIndex(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
  if (col < 0) return false;
  text.remove_prefix(1);
  hasRow = !text.empty();
  row = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    row = row * 10 + (c - '0');
    if (row > 1048576) return false;
  }
  return !hasRow || row >= 1;
}

}  // namespace

int ColumnIndex(char letter) {
  if (letter < 'A' || letter > 'A' + kLastColumn) return -1;
  return letter - 'A';
}

char ColumnLetter(int index) { return static_cast<char>('A' + std::clamp(index, 0, kLastColumn)); }

CRange CRange::Cell(char column, int row) { return {row, ColumnIndex(column), row, ColumnIndex(column), false}; }

CRange CRange::Cells(char firstColumn, int firstRow, char lastColumn, int lastRow) {
  return {firstRow, ColumnIndex(firstColumn), lastRow, ColumnIndex(lastColumn), false};
}

CRange CRange::Columns(char firstColumn, char lastColumn) {
  return {0, ColumnIndex(firstColumn), 0, ColumnIndex(lastColumn), true};
}

std::optional<CRange> CRange::Parse(std::string_view address) {
  const size_t colon = address.find(':');
  const std::string_view first = address.substr(0, colon);
  const std::string_view last = colon == std::string_view::npos ? first : address.substr(colon + 1);
  int r1, c1, r2, c2;
  bool row1, row2;
  if (!ParseCell(first, r1, c1, row1) || !ParseCell(last, r2, c2, row2) || row1 != row2) return std::nullopt;
  if (!row1 && colon == std::string_view::npos) return std::nullopt;
  CRange range{std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2), !row1};
  return range;
}

std::string CRange::Address() const {
  std::string out;
  if (wholeColumns) {
    out += ColumnLetter(firstCol);
    out += ':';
    out += ColumnLetter(lastCol);
    return out;
  }
  out += ColumnLetter(firstCol);
  out += std::to_string(firstRow);
  if (!IsSingleCell()) {
    out += ':';
    out += ColumnLetter(lastCol);
    out += std::to_string(lastRow);
  }
  return out;
}

bool CRange::Contains(int row, int col) const {
  return col >= firstCol && col <= lastCol && (wholeColumns || (row >= firstRow && row <= lastRow));
}

bool CRange::Intersects(const CRange& other) const {
  const bool cols = firstCol <= other.lastCol && other.firstCol <= lastCol;
  if (wholeColumns || other.wholeColumns) return cols;
  return cols && firstRow <= other.lastRow && other.firstRow <= lastRow;
}
