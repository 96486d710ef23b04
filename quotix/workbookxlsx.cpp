#include "workbookxlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <string>

#include "cellvalue.h"
#include "imagesize.h"
#include "languageentries.h"
#include "languagetable.h"
#include "palette.h"

namespace {

constexpr uint8_t kPaperA4 = 9;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kScreenDpi = 96.0;
// The spreadsheet's alignment numbers besides the centre.
constexpr int kAlignLeft = -4131;
constexpr int kAlignRight = -4152;
constexpr int kAlignTop = -4160;
constexpr int kAlignBottom = -4107;
constexpr int kLineDash = -4115;
constexpr int kLineDot = -4118;
constexpr int kLineDouble = -4119;

uint8_t BorderStyle(const CBorder& border) {
  switch (border.lineStyle) {
    case 0: return LXW_BORDER_NONE;
    case kLineDash: return LXW_BORDER_DASHED;
    case kLineDot: return LXW_BORDER_DOTTED;
    case kLineDouble: return LXW_BORDER_DOUBLE;
    default: break;
  }
  switch (border.weight) {
    case XlConst::kWeightHairline: return LXW_BORDER_HAIR;
    case XlConst::kWeightMedium: return LXW_BORDER_MEDIUM;
    case XlConst::kWeightThick: return LXW_BORDER_THICK;
    default: return LXW_BORDER_THIN;
  }
}

class CFormatCache {
 public:
  explicit CFormatCache(lxw_workbook* book) : book_(book) {}

  lxw_format* Get(const CCellStyle& style) {
    if (style == CCellStyle{}) return nullptr;
    auto it = formats_.find(style);
    if (it != formats_.end()) return it->second;
    lxw_format* format = workbook_add_format(book_);
    Apply(format, style);
    formats_.emplace(style, format);
    return format;
  }

 private:
  static void Apply(lxw_format* format, const CCellStyle& style) {
    if (style.bold) format_set_bold(format);
    if (style.italic) format_set_italic(format);
    if (const int32_t rgb = PaletteColor(style.fontColorIndex); rgb >= 0) format_set_font_color(format, rgb);
    if (const int32_t rgb = PaletteColor(style.fillColorIndex); rgb >= 0) {
      format_set_pattern(format, LXW_PATTERN_SOLID);
      format_set_bg_color(format, rgb);
    }
    switch (style.horizontalAlignment) {
      case XlConst::kCenter: format_set_align(format, LXW_ALIGN_CENTER); break;
      case kAlignLeft: format_set_align(format, LXW_ALIGN_LEFT); break;
      case kAlignRight: format_set_align(format, LXW_ALIGN_RIGHT); break;
      default: break;
    }
    switch (style.verticalAlignment) {
      case XlConst::kCenter: format_set_align(format, LXW_ALIGN_VERTICAL_CENTER); break;
      case kAlignTop: format_set_align(format, LXW_ALIGN_VERTICAL_TOP); break;
      case kAlignBottom: format_set_align(format, LXW_ALIGN_VERTICAL_BOTTOM); break;
      default: break;
    }
    if (style.decimals == 0) format_set_num_format(format, "0");
    if (style.decimals > 0)
      format_set_num_format(format, ("0." + std::string(std::min(style.decimals, 10), '0')).c_str());
    if (style.orientation >= -90 && style.orientation <= 90 && style.orientation != 0) {
      format_set_rotation(format, static_cast<int16_t>(style.orientation));
    }
    using SetStyle = void (*)(lxw_format*, uint8_t);
    using SetColor = void (*)(lxw_format*, lxw_color_t);
    static constexpr SetStyle kStyles[kEdgeCount] = {format_set_left, format_set_top, format_set_right,
                                                     format_set_bottom};
    static constexpr SetColor kColors[kEdgeCount] = {format_set_left_color, format_set_top_color,
                                                     format_set_right_color, format_set_bottom_color};
    for (int edge = 0; edge < kEdgeCount; ++edge) {
      const CBorder& border = style.borders[edge];
      const uint8_t lxwStyle = BorderStyle(border);
      if (lxwStyle == LXW_BORDER_NONE) continue;
      kStyles[edge](format, lxwStyle);
      if (const int32_t rgb = PaletteColor(border.colorIndex); rgb >= 0) kColors[edge](format, rgb);
    }
  }

  lxw_workbook* book_;
  std::map<CCellStyle, lxw_format*> formats_;
};

void WriteCell(lxw_worksheet* sheet, int row, int col, const CCell& cell, lxw_format* format) {
  const auto r = static_cast<lxw_row_t>(row - 1);
  const auto c = static_cast<lxw_col_t>(col);
  double number;
  if (cell.text.empty()) {
    if (format) worksheet_write_blank(sheet, r, c, format);
  } else if (ParseNumberText(cell.text, number)) {
    worksheet_write_number(sheet, r, c, number, format);
  } else {
    worksheet_write_string(sheet, r, c, cell.text.c_str(), format);
  }
}

void InsertPicture(lxw_worksheet* sheet, const CPicture& picture) {
  CImageSize size;
  if (!ReadImageSize(picture.bytes, size)) return;
  // The writer draws a picture width·scale·96/dpi pixels wide.
  lxw_image_options options{};
  options.x_offset = static_cast<int32_t>(picture.left * kPixelsPerPoint + 0.5);
  options.y_offset = static_cast<int32_t>(picture.top * kPixelsPerPoint + 0.5);
  options.x_scale = picture.width * kPixelsPerPoint / (size.width * kScreenDpi / size.xDpi);
  options.y_scale = picture.height * kPixelsPerPoint / (size.height * kScreenDpi / size.yDpi);
  options.description = const_cast<char*>(picture.fileName.c_str());
  worksheet_insert_image_buffer_opt(sheet, 0, 0, reinterpret_cast<const unsigned char*>(picture.bytes.data()),
                                    picture.bytes.size(), &options);
}

void FillSheet(lxw_workbook* book, lxw_worksheet* sheet, const CWorkbook& workbook) {
  CFormatCache formats(book);
  for (const auto& [col, width] : workbook.ColumnWidths()) {
    worksheet_set_column(sheet, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), width, nullptr);
  }
  for (const auto& [row, height] : workbook.RowHeights()) {
    if (row >= 1) worksheet_set_row(sheet, static_cast<lxw_row_t>(row - 1), height, nullptr);
  }
  // Merged ranges first: the cells written after them keep their own
  // borders, so frames around merged cells stay whole.
  for (const CRange& merge : workbook.Merges()) {
    const CCell* first = workbook.Find(merge.firstRow, merge.firstCol);
    worksheet_merge_range(sheet, static_cast<lxw_row_t>(merge.firstRow - 1), static_cast<lxw_col_t>(merge.firstCol),
                          static_cast<lxw_row_t>(merge.lastRow - 1), static_cast<lxw_col_t>(merge.lastCol), "",
                          formats.Get(first ? first->style : CCellStyle{}));
  }
  for (const auto& [key, cell] : workbook.Cells()) {
    if (key.first >= 1) WriteCell(sheet, key.first, key.second, cell, formats.Get(cell.style));
  }
  for (const CPicture& picture : workbook.Pictures()) InsertPicture(sheet, picture);
  if (workbook.HasPageSetup()) {
    const CPageSetup& setup = workbook.PageSetup();
    if (setup.orientation == XlConst::kLandscape) worksheet_set_landscape(sheet);
    if (!setup.zoom) worksheet_fit_to_pages(sheet, static_cast<uint16_t>(setup.fitWide), static_cast<uint16_t>(setup.fitTall));
  }
  if (workbook.PrintTitleFirstRow() >= 1)
    worksheet_repeat_rows(sheet, static_cast<lxw_row_t>(workbook.PrintTitleFirstRow() - 1),
                          static_cast<lxw_row_t>(workbook.PrintTitleLastRow() - 1));
  worksheet_set_paper(sheet, kPaperA4);
}

// A sheet name the spreadsheet would refuse (too long, a character it does
// not allow, taken already) is taken for a damaged language file: the
// built-in one serves, or failing that a numbered one.
std::string SheetName(lxw_workbook* book, const std::string& wanted, const std::string& builtin, int number) {
  if (workbook_validate_sheet_name(book, wanted.c_str()) == LXW_NO_ERROR) return wanted;
  if (workbook_validate_sheet_name(book, builtin.c_str()) == LXW_NO_ERROR) return builtin;
  return "Sheet" + std::to_string(number);
}

}  // namespace

FileError SaveWorkbookXlsx(const CWorkbook& workbook, const std::string& path) {
  return WriteFileAtomicallyVia(path, [&](const std::string& temp) -> FileError {
    lxw_workbook* book = workbook_new(temp.c_str());
    if (!book) return {temp, "cannot be created (out of memory)"};
    const std::string name = SheetName(book, ModuleLanguage().GetTextOrBuiltin(Lang::kSheetName),
                                       BuiltinLanguage().GetString(Lang::kSheetName), 1);
    lxw_worksheet* sheet = workbook_add_worksheet(book, name.c_str());
    if (sheet) FillSheet(book, sheet, workbook);
    int number = 1;
    for (const CWorkbook::CNamedSheet& more : workbook.MoreSheets()) {
      ++number;
      const std::string moreName = SheetName(book, more.name, "Sheet" + std::to_string(number), number);
      if (lxw_worksheet* added = workbook_add_worksheet(book, moreName.c_str())) FillSheet(book, added, *more.sheet);
    }
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) return {temp, std::string("cannot be written: ") + lxw_strerror(error)};
    return {};
  });
}
