// The in-memory workbook behaves as the spreadsheet the reports were made
// for: merges, frames, fitting, number texts, pictures.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "cellvalue.h"
#include "imagesize.h"
#include "testsupport.h"
#include "workbook.h"

namespace {

TEST(CellRange, AddressesReadAndWriteTheSpreadsheetWay) {
  for (const char* address : {"B4", "A4:H4", "D:D", "A:L", "A7:A21"}) {
    const auto range = CRange::Parse(address);
    ASSERT_TRUE(range) << address;
    EXPECT_EQ(range->Address(), address);
  }
  EXPECT_EQ(*CRange::Parse("H4:A2"), CRange::Cells('A', 2, 'H', 4));
  EXPECT_TRUE(CRange::Parse("D:D")->wholeColumns);
  for (const char* bad : {"", "4B", "A0", "A", "A1:B", "AA1", "A-1", "A1:B2:C3"}) {
    EXPECT_FALSE(CRange::Parse(bad)) << bad;
  }
}

TEST(WorkbookMerge, MergingAgainIsHarmlessAndOverlapsMergeTheWholeArea) {
  CWorkbook book;
  book.SetText(CRange::Cell('A', 4), "keep");
  book.SetText(CRange::Cell('C', 4), "lost");
  book.Merge(*CRange::Parse("A4:H4"));
  book.Merge(*CRange::Parse("A4:H4"));
  ASSERT_EQ(book.Merges().size(), 1u);
  EXPECT_EQ(book.Text("A4"), "keep");
  EXPECT_EQ(book.Text("C4"), "");
  book.Merge(*CRange::Parse("H4:H6"));
  ASSERT_EQ(book.Merges().size(), 1u);
  EXPECT_EQ(book.Merges()[0], *CRange::Parse("A4:H6"));
  book.Merge(CRange::Cell('J', 1));
  EXPECT_EQ(book.Merges().size(), 1u);
}

TEST(WorkbookFrame, FrameSetsOnlyTheOuterEdges) {
  CWorkbook book;
  book.DrawFrame(*CRange::Parse("B2:D4"), XlConst::kLineContinuous, XlConst::kWeightThick, XlConst::kColorAutomatic);
  const CBorder thick{XlConst::kLineContinuous, XlConst::kWeightThick, XlConst::kColorAutomatic};
  EXPECT_EQ(book.Style(2, 1).borders[kEdgeTop], thick);
  EXPECT_EQ(book.Style(2, 1).borders[kEdgeLeft], thick);
  EXPECT_EQ(book.Style(4, 3).borders[kEdgeBottom], thick);
  EXPECT_EQ(book.Style(4, 3).borders[kEdgeRight], thick);
  const CCellStyle middle = book.Style(3, 2);
  for (const CBorder& edge : middle.borders) EXPECT_EQ(edge.lineStyle, 0);
  EXPECT_EQ(book.Style(3, 1).borders[kEdgeRight].lineStyle, 0);
}

TEST(WorkbookFit, ColumnsFitTheLongestShownTextOfTheRange) {
  CWorkbook book;
  book.SetText(CRange::Cell('A', 1), "Стеновая панель №1");
  book.SetText(CRange::Cell('B', 1), "Стеновая панель №1");
  book.SetBold(CRange::Cell('B', 1), true);
  book.SetText(CRange::Cell('C', 1), "2.448000");  // shown as 2.448
  book.SetText(CRange::Cell('D', 1), "2.448xyz");
  book.SetText(CRange::Cell('E', 1), "a much longer text in a merged cell");
  book.Merge(*CRange::Parse("E1:F1"));
  book.SetText(CRange::Cell('A', 9), "a text below the range that is much longer than the rest");
  book.AutoFitColumns(*CRange::Parse("A1:L2"));
  EXPECT_GT(book.ColumnWidth(0), 15);
  EXPECT_GT(book.ColumnWidth(1), book.ColumnWidth(0));
  EXPECT_LT(book.ColumnWidth(2), book.ColumnWidth(3));
  EXPECT_EQ(book.ColumnWidth(4), CWorkbook::kDefaultColumnWidth);
  EXPECT_EQ(book.ColumnWidth(6), CWorkbook::kDefaultColumnWidth);
  book.AutoFitColumns(CRange::Columns('A', 'A'));
  EXPECT_GT(book.ColumnWidth(0), 40);
}

TEST(WorkbookFit, RowsGrowOnlyForTurnedTextsOfUnmergedCells) {
  CWorkbook book;
  book.SetText(CRange::Cell('A', 3), "5560");
  book.SetOrientation(CRange::Cell('A', 3), 90);
  book.SetText(CRange::Cell('A', 4), "5560");
  book.SetText(CRange::Cell('A', 5), "5560");
  book.SetOrientation(CRange::Cell('A', 5), 90);
  book.Merge(*CRange::Parse("A5:A6"));
  book.AutoFitRows(*CRange::Parse("A1:A9"));
  EXPECT_GT(book.RowHeight(3), CWorkbook::kDefaultRowHeight);
  EXPECT_EQ(book.RowHeight(4), CWorkbook::kDefaultRowHeight);
  EXPECT_EQ(book.RowHeight(5), CWorkbook::kDefaultRowHeight);
}

TEST(WorkbookPosition, LeftAndTopFollowWidthsAndHeights) {
  CWorkbook book;
  EXPECT_EQ(book.Left(CRange::Cell('A', 1)), 0);
  EXPECT_EQ(book.Top(CRange::Cell('A', 1)), 0);
  book.SetRowHeight(CRange::Cell('A', 1), 70);
  EXPECT_EQ(book.Top(CRange::Cell('A', 3)), 85);
  book.SetColumnWidth(CRange::Columns('A', 'A'), 10);
  EXPECT_EQ(book.Left(CRange::Cell('B', 1)), 75 * 0.75);  // 10 characters: 75 pixels
}

TEST(WorkbookPicture, UnreadablePictureIsLeftOut) {
  CWorkbook book;
  EXPECT_FALSE(book.AddPicture("no-such-logo.jpg", 0, 0, 200, 65));
  EXPECT_TRUE(book.Pictures().empty());
  CScratchDir dir;
  const std::string logo = dir.File("kryvel_logo.jpg");
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(logo, kind, CWorkbook::kMaxPictureBytes);
    EXPECT_FALSE(book.AddPicture(logo, 0, 0, 200, 65)) << UnreadableKindName(kind);
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
  }
  EXPECT_TRUE(book.Pictures().empty());
  EXPECT_TRUE(book.AddPicture(SourceDataDir() + "/kryvel_logo.jpg", 0, 0, 200, 65));
  ASSERT_EQ(book.Pictures().size(), 1u);
  CImageSize size;
  ASSERT_TRUE(ReadImageSize(book.Pictures()[0].bytes, size));
  EXPECT_EQ(size.width, 800);
  EXPECT_EQ(size.height, 260);
  EXPECT_EQ(size.xDpi, 96);
}

TEST(ImageSize, ReadsPngHeaderAndResolutionAndRefusesGarbage) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  png += std::string("\0\0\0\x0dIHDR", 8) + std::string("\0\0\x01\x2c\0\0\0\x64", 8) + std::string(5, '\0') +
         std::string(4, '\0');
  // pHYs: 11811 pixels per metre (300 dpi) both ways, unit metre.
  png += std::string("\0\0\0\x09pHYs", 8) + std::string("\0\0\x2e\x23\0\0\x2e\x23\x01", 9) + std::string(4, '\0');
  CImageSize size;
  ASSERT_TRUE(ReadImageSize(png, size));
  EXPECT_EQ(size.width, 300);
  EXPECT_EQ(size.height, 100);
  EXPECT_NEAR(size.xDpi, 300, 0.1);
  EXPECT_FALSE(ReadImageSize("GIF89a", size));
  EXPECT_FALSE(ReadImageSize(std::string("\xFF\xD8\xFF\xE0\x00\x02", 6), size));
  EXPECT_FALSE(ReadImageSize(std::string("\xFF\xD8\xFF\xC0\xFF\xFF", 6), size));
}

TEST(CellValue, NumbersAreReadAndWrittenWithAPointInAnyLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool comma = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  double value = 0;
  EXPECT_TRUE(ParseNumberText("10.66", value));
  EXPECT_EQ(value, 10.66);
  EXPECT_EQ(FormatFixed(10.655, 2), "10.65");  // 10.655 is just below in binary
  EXPECT_EQ(FormatFixed(2.448, 6), "2.448000");
  EXPECT_EQ(FormatGeneral(2.448), "2.448");
  EXPECT_EQ(FormatGeneral(1234.5), "1234.5");
  EXPECT_EQ(FormatGeneral(2040), "2040");
  EXPECT_LE(FormatGeneral(1.0 / 3.0).size(), 11u);
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma to try";
}

TEST(CellValue, OnlyPlainDecimalsAreNumbers) {
  double value = 0;
  for (const char* number : {"0", "-7", "+3", "1e3", "2.50", ".5", "5.", "1E-2"}) {
    EXPECT_TRUE(ParseNumberText(number, value)) << number;
  }
  for (const char* text : {"", "-", ".", "1 200", "2,5", "1e", "inf", "nan", "0x10", " 5", "5 ", "1200 X 2040", "1e999"}) {
    EXPECT_FALSE(ParseNumberText(text, value)) << text;
  }
}

}  // namespace
