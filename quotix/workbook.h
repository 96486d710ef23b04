#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet.h"

// A report workbook held in memory: a worksheet with its cells, styles,
// merged ranges, frames, row heights, column widths, pictures and page
// set-up, and any further worksheets after it. The reports write into it
// through CSpreadsheet; the .xlsx writer and the tests read it back cell by
// cell.

struct CBorder {
  int lineStyle = 0;  // 0: none
  int weight = 0;
  int colorIndex = XlConst::kColorAutomatic;
  auto operator<=>(const CBorder&) const = default;
};

enum BorderEdge { kEdgeLeft, kEdgeTop, kEdgeRight, kEdgeBottom, kEdgeCount };

struct CCellStyle {
  bool bold = false;
  bool italic = false;
  int fontColorIndex = XlConst::kColorAutomatic;
  int fillColorIndex = 0;  // 0: no fill
  int horizontalAlignment = 0;  // 0: general
  int verticalAlignment = 0;    // 0: bottom, the spreadsheet's default
  int orientation = 0;          // degrees
  int decimals = -1;            // shown decimals of a number; -1: as the spreadsheet shows it
  CBorder borders[kEdgeCount];
  auto operator<=>(const CCellStyle&) const = default;
};

struct CCell {
  std::string text;
  CCellStyle style;
};

struct CPicture {
  std::string fileName;
  std::string bytes;
  double left = 0, top = 0, width = 0, height = 0;  // points
};

class CWorkbook : public CSpreadsheet {
 public:
  // The sheet's defaults before anything is set.
  static constexpr double kDefaultColumnWidth = 8.43;
  static constexpr double kDefaultRowHeight = 15.0;
  // The widest column the spreadsheet allows.
  static constexpr double kMaxColumnWidth = 255.0;
  // Pictures larger than this are no logo; refusing them keeps a stray file
  // from being embedded into every report.
  static constexpr uint64_t kMaxPictureBytes = 16ull * 1024 * 1024;

  // CSpreadsheet
  void SetText(const CRange& range, std::string_view text) override;
  void SetBold(const CRange& range, bool on) override;
  void SetItalic(const CRange& range, bool on) override;
  void SetFontColorIndex(const CRange& range, int index) override;
  void SetFillColorIndex(const CRange& range, int index) override;
  void SetHorizontalAlignment(const CRange& range, int alignment) override;
  void SetVerticalAlignment(const CRange& range, int alignment) override;
  void Merge(const CRange& range) override;
  void SetOrientation(const CRange& range, int degrees) override;
  void SetRowHeight(const CRange& range, double points) override;
  void SetColumnWidth(const CRange& range, double characters) override;
  void AutoFitColumns(const CRange& range) override;
  void AutoFitRows(const CRange& range) override;
  void DrawFrame(const CRange& range, int lineStyle, int weight, int colorIndex) override;
  double Left(const CRange& range) const override;
  double Top(const CRange& range) const override;
  bool AddPicture(const std::string& file, double left, double top, double width, double height) override;
  void SetPageSetup(const CPageSetup& setup) override;
  void SetPrintTitleRows(int first, int last) override;
  void SetDecimals(const CRange& range, int decimals) override;

  // Reading back. Rows from 1, columns from 0.
  const CCell* Find(int row, int col) const;
  std::string Text(int row, int col) const;
  std::string Text(const char* address) const;
  CCellStyle Style(int row, int col) const;
  const std::map<std::pair<int, int>, CCell>& Cells() const { return cells_; }
  const std::vector<CRange>& Merges() const { return merges_; }
  bool IsMerged(const CRange& range) const;
  // True when the cell lies in a merged range.
  bool InMerge(int row, int col) const;
  double ColumnWidth(int col) const;
  double RowHeight(int row) const;
  const std::map<int, double>& ColumnWidths() const { return columnWidths_; }
  const std::map<int, double>& RowHeights() const { return rowHeights_; }
  const std::vector<CPicture>& Pictures() const { return pictures_; }
  const CPageSetup& PageSetup() const { return pageSetup_; }
  bool HasPageSetup() const { return hasPageSetup_; }
  // The last row that holds a text.
  int LastTextRow() const;
  // The rows repeated at the top of every printed page; 0 for none.
  int PrintTitleFirstRow() const { return printTitleFirst_; }
  int PrintTitleLastRow() const { return printTitleLast_; }

  // A further worksheet after this one, named `name` (the writer falls back
  // to a name of its own for one the spreadsheet refuses).
  CWorkbook& AddSheet(const std::string& name);
  struct CNamedSheet {
    std::string name;
    std::shared_ptr<CWorkbook> sheet;
  };
  const std::vector<CNamedSheet>& MoreSheets() const { return moreSheets_; }

 private:
  template <typename Fn>
  void ForEachCell(const CRange& range, Fn fn);

  std::map<std::pair<int, int>, CCell> cells_;
  std::vector<CRange> merges_;
  std::map<int, double> columnWidths_;
  std::map<int, double> rowHeights_;
  std::vector<CPicture> pictures_;
  CPageSetup pageSetup_;
  bool hasPageSetup_ = false;
  int printTitleFirst_ = 0;
  int printTitleLast_ = 0;
  std::vector<CNamedSheet> moreSheets_;
};
