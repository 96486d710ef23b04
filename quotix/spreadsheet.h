#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the reports need from a spreadsheet: the operations the report
// layout performs on the worksheet of one workbook. The constants are the
// spreadsheet's own numbers, so that values read from old reports and the
// layout code speak the same language.

namespace XlConst {
inline constexpr int kCenter = -4108;  // horizontal and vertical alike
inline constexpr int kColorAutomatic = -4105;
inline constexpr int kLineContinuous = 1;
inline constexpr int kWeightHairline = 1;
inline constexpr int kWeightThin = 2;
inline constexpr int kWeightMedium = -4138;
inline constexpr int kWeightThick = 4;
inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;
}  // namespace XlConst

// A rectangle of cells: rows count from 1, columns from 0 (A). A range of
// whole columns ("D:D") has wholeColumns set and no rows.
struct CRange {
  int firstRow = 1;
  int firstCol = 0;
  int lastRow = 1;
  int lastCol = 0;
  bool wholeColumns = false;

  static CRange Cell(char column, int row);
  static CRange Cells(char firstColumn, int firstRow, char lastColumn, int lastRow);
  static CRange Columns(char firstColumn, char lastColumn);
  // "B4", "A4:H4", "D:D"; nothing for anything else.
  static std::optional<CRange> Parse(std::string_view address);

  std::string Address() const;
  bool IsSingleCell() const { return !wholeColumns && firstRow == lastRow && firstCol == lastCol; }
  bool Contains(int row, int col) const;
  bool Intersects(const CRange& other) const;
  bool operator==(const CRange&) const = default;
};

// Column index of a letter 'A'..'Z' (0..25), and back.
int ColumnIndex(char letter);
char ColumnLetter(int index);

struct CPageSetup {
  int orientation = XlConst::kPortrait;
  bool zoom = true;  // false: fit to the pages below
  int fitWide = 0;
  int fitTall = 0;
  bool operator==(const CPageSetup&) const = default;
};

// One worksheet as the reports drive it. Texts are UTF-8 and are put in as
// the spreadsheet's formula text: a text that reads as a number becomes a
// number. Heights are points, widths characters of the standard font.
class CSpreadsheet {
 public:
  virtual ~CSpreadsheet() = default;

  virtual void SetText(const CRange& range, std::string_view text) = 0;
  virtual void SetBold(const CRange& range, bool on) = 0;
  virtual void SetItalic(const CRange& range, bool on) = 0;
  virtual void SetFontColorIndex(const CRange& range, int index) = 0;
  virtual void SetFillColorIndex(const CRange& range, int index) = 0;
  virtual void SetHorizontalAlignment(const CRange& range, int alignment) = 0;
  virtual void SetVerticalAlignment(const CRange& range, int alignment) = 0;
  virtual void Merge(const CRange& range) = 0;
  virtual void SetOrientation(const CRange& range, int degrees) = 0;
  virtual void SetRowHeight(const CRange& range, double points) = 0;
  virtual void SetColumnWidth(const CRange& range, double characters) = 0;
  // Fits every column of the range to the texts the range holds now.
  virtual void AutoFitColumns(const CRange& range) = 0;
  // Makes every row of the range high enough for its turned texts, as the
  // spreadsheet does for rows of unmerged cells.
  virtual void AutoFitRows(const CRange& range) = 0;
  // A frame around the outside of the range.
  virtual void DrawFrame(const CRange& range, int lineStyle, int weight, int colorIndex) = 0;
  // Position of the range's top-left corner on the sheet, in points.
  virtual double Left(const CRange& range) const = 0;
  virtual double Top(const CRange& range) const = 0;
  // Embeds a picture file (not linked); false when it cannot be read.
  virtual bool AddPicture(const std::string& file, double left, double top, double width, double height) = 0;
  virtual void SetPageSetup(const CPageSetup& setup) = 0;
  // Rows first..last are printed again at the top of every page.
  virtual void SetPrintTitleRows(int first, int last) = 0;
  // Numbers in the range show exactly this many decimals.
  virtual void SetDecimals(const CRange& range, int decimals) = 0;
};
