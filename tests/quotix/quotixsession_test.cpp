// Where the reports land on the worksheet: row by row for the camera report
// and the panel report, group by group for the price list.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>

#include "languageentries.h"
#include "quotixsession.h"
#include "samplecameras.h"
#include "testprices.h"
#include "testsupport.h"

namespace {

const CLanguageTable& Language() { return ShippedLanguage(); }

std::string L(int entry) { return Language().GetString(entry); }

WallPanelTally Door(int32_t count, int32_t kind, int32_t width = 1200) {
  WallPanelTally g{};
  g.count = count;
  g.width = width;
  g.kind = kind;
  g.isDoor = 1;
  return g;
}

CReportDetails Details(const char* article, const char* description, const char* number, bool detailed) {
  CReportDetails details;
  details.article = article;
  details.description = description;
  details.quotationNumber = number;
  details.detailedEstimate = detailed;
  return details;
}

class ReportLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(Language().Count(), Lang::kLastEntry - 1);
    session_.Prices() = TestPrices();
    session_.SetLogoFile(SourceDataDir() + "/kryvel_logo.jpg");
    session_.SetDateSource([] { return CReportLayout::CDate{5, 3, 2024}; });
  }

  // The workbook being written, or the one taken from the session.
  const CWorkbook& Book() const { return workbook_ ? *workbook_ : *session_.Workbook(); }
  std::string T(const char* address) const { return Book().Text(address); }
  CCellStyle S(const char* address) const {
    const auto range = CRange::Parse(address);
    return Book().Style(range->firstRow, range->firstCol);
  }
  // The row's cells A..H joined, to see empty rows at a glance.
  std::string Row(int row) const {
    std::string out;
    for (int col = 0; col < 8; ++col) out += Book().Text(row, col) + "|";
    return out;
  }
  bool Framed(const char* first, const char* last) const {
    const auto a = CRange::Parse(first), b = CRange::Parse(last);
    const CCellStyle topLeft = Book().Style(a->firstRow, a->firstCol);
    const CCellStyle bottomRight = Book().Style(b->firstRow, b->firstCol);
    const CBorder thick{XlConst::kLineContinuous, XlConst::kWeightThick, XlConst::kColorAutomatic};
    return topLeft.borders[kEdgeTop] == thick && topLeft.borders[kEdgeLeft] == thick &&
           bottomRight.borders[kEdgeBottom] == thick && bottomRight.borders[kEdgeRight] == thick;
  }

  CQuotixSession session_{Language()};
  std::unique_ptr<CWorkbook> workbook_;
};

// 3000 x 2000 x 2200 outside, 80 mm: walls 1200 x6, 520 x2, 720 x2; floor
// strip 980 | 1040 | 980, 2000 long.
TEST_F(ReportLayoutTest, CameraWithoutDoorsRowByRow) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  ASSERT_TRUE(session_.InitXL(false, true));
  session_.InitValues(2040, 2920, 1920, 80);
  EXPECT_EQ(session_.MakeReport(camera.Input()), 20);

  EXPECT_EQ(T("B4"), "ХКМ- 10.66 (3000 x 2000 x 2200)");
  EXPECT_EQ(Row(5), "N|" + L(216) + "|" + L(217) + "|" + L(218) + "|" + L(219) + "|" + L(220) + "|" + L(221) + "||");
  // The N column counts the panel lines over the whole table.
  EXPECT_EQ(Row(6), "1|" + L(14) + " №1|" + L(12) + "|80|1200 X 2040|6|2.45||");
  EXPECT_EQ(Row(7), "2|" + L(14) + " №2|" + L(13) + "|80|520 X 2040|2|1.06||");
  EXPECT_EQ(Row(8), "3|" + L(14) + " №3|" + L(13) + "|80|720 X 2040|2|1.47||");
  EXPECT_EQ(Row(9), "4|" + L(212) + "||80|2040|4|-||");
  EXPECT_EQ(Row(10), "5|" + L(35) + " №1|" + L(12) + "|80|980 X 2000|2|1.96||");
  EXPECT_EQ(Row(11), "6|" + L(35) + " №2|" + L(13) + "|80|1040 X 2000|1|2.08||");
  EXPECT_EQ(Row(12), "7|" + L(34) + " №1|" + L(12) + "|80|980 X 2000|2|1.96||");
  EXPECT_EQ(Row(13), "8|" + L(34) + " №2|" + L(13) + "|80|1040 X 2000|1|2.08||");
  EXPECT_TRUE(Framed("A5", "G13"));
  EXPECT_EQ(S("A14").borders[kEdgeTop].lineStyle, 0);
  // 2920 is longer than 2560: the note, then the totals block.
  EXPECT_EQ(T("B14"), L(32));
  EXPECT_EQ(T("B15"), L(28));
  EXPECT_EQ(T("B16"), "Итого:");
  EXPECT_EQ(T("G16"), std::to_string(static_cast<long long>(session_.Sums().standardSum * 1.375)));
  EXPECT_EQ(Row(17), "||||||||");
  EXPECT_EQ(T("A18"), L(22));
  EXPECT_EQ(T("C18"), L(23));
  EXPECT_EQ(T("A19"), L(24));
  EXPECT_EQ(T("C19"), L(25));
  const CWorkbook& book = *session_.Workbook();
  EXPECT_EQ(book.RowHeight(18), 50);
  EXPECT_EQ(book.RowHeight(19), 50);
  EXPECT_EQ(book.RowHeight(1), 70);
  ASSERT_EQ(book.Pictures().size(), 1u);
  EXPECT_EQ(book.Pictures()[0].width, 200);
  EXPECT_EQ(book.Pictures()[0].height, 65);
  EXPECT_EQ(book.Pictures()[0].left, 0);
  EXPECT_EQ(book.Pictures()[0].top, 0);
  EXPECT_EQ(book.PageSetup(), (CPageSetup{XlConst::kLandscape, false, 1, 2}));
  // Columns fit the table; the long note and the volume line run on into
  // the empty cells beside them instead of stretching the name column.
  EXPECT_GT(book.ColumnWidth(1), 15);
  EXPECT_LT(book.ColumnWidth(1), 30);
  EXPECT_GT(book.ColumnWidth(4), CWorkbook::kDefaultColumnWidth);
  EXPECT_EQ(book.ColumnWidth(8), CWorkbook::kDefaultColumnWidth);
}

// The quotation names the camera, its date and number, the currency after
// the total, the dealer coefficient and the material profile the factory
// builds with, in cells the fixed layout leaves free.
TEST_F(ReportLayoutTest, QuotationNamesCameraDateNumberCurrencyCoefficientAndMaterials) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  ASSERT_TRUE(session_.InitXL(false, true));
  session_.InitValues(2040, 2920, 1920, 80);
  session_.SetDealerDiscount(0.1);
  session_.SetReportDetails(Details("KH-3020", "Овощная", "camera-20240305-101500", false));
  session_.SetMaterialDetails("Пищевой", {{"Стены, внутренние", "Стеновые"}, {"Пол, внешние", "Половые"}});
  session_.MakeReport(camera.Input());
  EXPECT_EQ(T("B2"), "Артикул: KH-3020");
  EXPECT_EQ(T("B3"), "Описание камеры: Овощная");
  EXPECT_EQ(T("E2"), "Дата: 05.03.2024");
  EXPECT_EQ(T("G2"), "Предложение № camera-20240305-101500");
  EXPECT_EQ(T("G3"), "Коэффициент дилера: 0.1");
  EXPECT_EQ(T("I4"), "Профиль материалов: Пищевой");
  EXPECT_EQ(T("I5"), "Стены, внутренние: Стеновые");
  EXPECT_EQ(T("I6"), "Пол, внешние: Половые");
  int total = 0, article = 0;
  for (int row = 5; row < 40; ++row) {
    if (T(("B" + std::to_string(row)).c_str()) == "Итого:") total = row;
    if (T(("A" + std::to_string(row)).c_str()) == L(Lang::kReportClosingRow1Left)) article = row;
  }
  ASSERT_GT(total, 0);
  EXPECT_EQ(T(("H" + std::to_string(total)).c_str()), "руб.");
  EXPECT_EQ(T(("C" + std::to_string(article)).c_str()), "KH-3020");
  // A new workbook forgets them.
  ASSERT_TRUE(session_.InitXL(false, true));
  session_.SetDealerDiscount(0.0);
  session_.MakeReport(camera.Input());
  EXPECT_EQ(T("B2"), "");
  EXPECT_EQ(T("G3"), "");
  EXPECT_EQ(T("I4"), "");
}

// The detailed estimate's total is the camera report's, to the unit, and
// its lines, subtotals and discounts add up to it, for cameras of every
// size, thickness, door, coefficient and currency.
TEST_F(ReportLayoutTest, DetailedEstimateAddsUpToTheReportsTotal) {
  std::mt19937 random(20240305);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int n = 0; n < 40; ++n) {
    const int32_t thickness = pick(0, 1) ? 80 : 100;
    const int32_t height = kStandardHeights[pick(0, 2)] + (pick(0, 3) == 0 ? pick(1, 400) : 0);
    const int32_t width = pick(15, 90) * 100 + pick(0, 1) * 40;
    const int32_t depth = pick(15, 90) * 100 + pick(0, 1) * 40;
    const CSampleCamera camera = MakeRectangularCamera(width, depth, height, thickness, pick(0, 1) == 1);
    const bool euro = pick(0, 1) == 1;
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(depth) + "x" + std::to_string(height) + "/" +
                 std::to_string(thickness) + (euro ? " EUR" : " RUB"));
    ASSERT_TRUE(session_.InitXL(false, thickness == 80));
    session_.InitValues(height, width, depth, thickness);
    session_.SetDealerDiscount(pick(0, 2) == 0 ? 0.0 : pick(1, 30) / 100.0);
    session_.SetReportDetails(Details("A", "B", "N", true));
    ASSERT_GT(session_.MakeReport(camera.Input(pick(0, 4) == 0, euro)), 0);
    const CWorkbook& book = *session_.Workbook();
    ASSERT_EQ(book.MoreSheets().size(), 1u);
    const CWorkbook& estimate = *book.MoreSheets()[0].sheet;
    EXPECT_EQ(book.MoreSheets()[0].name, L(Lang::kDetailedEstimate));
    std::string reportTotal, estimateTotal;
    for (int row = 1; row < 200; ++row) {
      if (book.Text(row, 1) == "Итого:") reportTotal = book.Text(row, 6);
      if (estimate.Text(row, 1) == "Итого:") estimateTotal = estimate.Text(row, 5);
    }
    ASSERT_FALSE(reportTotal.empty());
    EXPECT_EQ(estimateTotal, reportTotal);
    // Subtotals less the discounts, each written to the cent.
    double added = 0.0;
    int lines = 0;
    for (int row = 6; row < 200; ++row) {
      const std::string name = estimate.Text(row, 1);
      const bool discount = name.rfind(L(Lang::kEstimateVolumeDiscount), 0) == 0 ||
                            name.rfind(L(Lang::kEstimateDealerDiscount), 0) == 0;
      if (name == L(Lang::kEstimateSubtotal) || discount) added += std::atof(estimate.Text(row, 5).c_str());
      lines += estimate.Text(row, 0).empty() ? 0 : 1;
    }
    EXPECT_NEAR(added, std::atof(reportTotal.c_str()), 1.0 + 0.01 * lines);
  }
}

// The program hands over a picture of the camera; it lands below the
// estimate's total, and a picture that cannot be read leaves the estimate
// without one.
TEST_F(ReportLayoutTest, DetailedEstimateShowsTheCameraPictureBelowItsTotal) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2300, 80, true);
  for (const std::string& picture : {SourceDataDir() + "/kryvel_logo.jpg", std::string("/no/such/picture.png")}) {
    SCOPED_TRACE(picture);
    ASSERT_TRUE(session_.InitXL(false, true));
    session_.InitValues(2300, 2920, 1920, 80);
    session_.SetReportDetails(Details("A", "B", "N", true));
    session_.SetReportPicture(picture);
    ASSERT_GT(session_.MakeReport(camera.Input()), 0);
    const CWorkbook& book = *session_.Workbook();
    ASSERT_EQ(book.MoreSheets().size(), 1u);
    const CWorkbook& estimate = *book.MoreSheets()[0].sheet;
    const bool readable = picture.find("/no/") == std::string::npos;
    ASSERT_EQ(estimate.Pictures().size(), readable ? 1u : 0u);
    EXPECT_EQ(book.Pictures().size(), 1u);  // the quotation keeps just its logo
    if (!readable) continue;
    int totalRow = 0;
    for (int row = 1; row < 200; ++row)
      if (estimate.Text(row, 1) == "Итого:") totalRow = row;
    ASSERT_GT(totalRow, 0);
    EXPECT_GT(estimate.Pictures()[0].top, estimate.Top(CRange::Cell('B', totalRow)));
    EXPECT_EQ(estimate.Pictures()[0].width, 360);
    EXPECT_EQ(estimate.Pictures()[0].height, 240);
  }
}

TEST_F(ReportLayoutTest, FirstDoorRowTakesTheRowOfTheNoDoorsLine) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2300, 80, true);
  session_.InitXL(false, true);
  session_.InitValues(2300, 2920, 1920, 80);
  session_.MakeReport(camera.Input());
  // Walls: the door is left out of the wall rows and numbered among doors.
  EXPECT_EQ(T("E6"), "1200 X 2300");
  EXPECT_EQ(T("F6"), "5");
  EXPECT_EQ(T("B15"), L(42) + " №1");
  // Door lines carry the door's size.
  EXPECT_EQ(Row(15), "|" + L(42) + " №1|" + L(41) + "|80|1200 x 2040|1|||");
  EXPECT_EQ(Row(16), "|" + L(38) + " 1||80|260 x 1200|1|0.312000||");
  EXPECT_EQ(Row(17), "|" + L(37) + " " + L(41) + "||||1|||");
  EXPECT_EQ(T("B18"), "Итого:");
}

TEST_F(ReportLayoutTest, DoorRowsCountSideRowsAndRestartForPartitions) {
  std::vector<WallPanelTally> walls = {Door(1, 7), Door(2, 8)};
  walls[0].nextWidth = 1200;
  walls[0].prevWidth = 600;
  walls[1].nextWidth = 900;
  walls[1].prevWidth = 1200;
  WallPanelTally opening = Door(1, 11, 900);
  opening.openingHeight = 2000;
  std::vector<WallPanelTally> partitions = {opening};
  CCameraInput input;
  input.walls = walls;
  input.partitions = partitions;
  session_.InitXL(false, true);
  session_.InitValues(2040, 2000, 2000, 80);
  const int end = session_.MakeReport(input);
  // No wall panel rows, one empty corner-post row: header 5, frame to 6.
  EXPECT_EQ(T("B4"), "");
  EXPECT_TRUE(Framed("A5", "G6"));
  EXPECT_EQ(Row(7), "|" + L(9) + " №1|" + L(11) + "|80|1200 x 1850|1|||");
  EXPECT_EQ(Row(8), "|" + L(210) + "|||1200|1|||");
  EXPECT_EQ(Row(9), "|" + L(210) + "|||600|1|||");
  EXPECT_EQ(Row(10), "|" + L(9) + " №4|" + L(8) + "|80|1200 x 1850|2|||");
  EXPECT_EQ(Row(11), "|" + L(211) + "|||900|2|||");
  EXPECT_EQ(Row(12), "|" + L(211) + "|||1200|2|||");
  EXPECT_EQ(Row(13), "|" + L(39) + " №1|" + L(40) + "|80|900 x 2000|1|||");
  EXPECT_EQ(Row(14), "|" + L(38) + " 1||80|190 x 1200|1|0.228000||");
  EXPECT_EQ(Row(15), "|" + L(38) + " 2||80|190 x 1200|2|0.228000||");
  EXPECT_EQ(Row(16), "|" + L(38) + " 3||80|40 x 900|1|0.036000||");
  EXPECT_EQ(Row(17), "|" + L(37) + " " + L(11) + "||||1|||");
  EXPECT_EQ(Row(18), "|" + L(37) + " " + L(8) + "||||2|||");
  EXPECT_EQ(T("B19"), "Итого:");
  EXPECT_EQ(end, 23);
}

TEST_F(ReportLayoutTest, ZeroCornerPostsLeaveOneEmptyRowBeforeTheCeiling) {
  CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  camera.partitions = {camera.walls[1]};
  camera.cornerPostCount = 0;
  session_.InitXL(false, true);
  session_.InitValues(2040, 2920, 1920, 80);
  session_.MakeReport(camera.Input(true));
  EXPECT_EQ(T("B8"), L(14) + " №3");
  EXPECT_EQ(Row(9), "4|" + L(36) + " №1|" + L(13) + "|80|520 X 2040|2|1.060800||");
  EXPECT_EQ(Row(10), "||||||||");
  EXPECT_EQ(T("B11"), L(35) + " №1");
  EXPECT_EQ(T("B13"), L(32));  // no floor rows: the note follows the ceiling
  EXPECT_TRUE(Framed("A5", "G12"));
}

TEST_F(ReportLayoutTest, CornerPostReportOfEmptyListsStillHasHeaderTotalsAndLogo) {
  session_.InitXL(false, false);
  session_.InitValues(2040, 0, 0, 100);
  session_.MakeReport(CCameraInput{{}, {}, {}, 6, false, false});
  EXPECT_EQ(T("B4"), "");
  EXPECT_EQ(T("A5"), "N");
  EXPECT_EQ(Row(6), "1|" + L(212) + "||100|2040|6|-||");
  EXPECT_EQ(T("B7"), L(28));
  EXPECT_EQ(T("B8"), "Итого:");
  EXPECT_EQ(T("G8"), std::to_string(static_cast<long long>(2.04 * 600 * 6 * 1.18 * 1.375)));
  EXPECT_EQ(session_.Workbook()->Pictures().size(), 1u);
}

TEST_F(ReportLayoutTest, LargeCameraGetsTheVolumeNoteAfterSplittingAndEuroNote) {
  const CSampleCamera camera = MakeRectangularCamera(2420, 8420, 2040, 80);
  session_.InitXL(false, true);
  session_.InitValues(2040, 2420, 8420, 80);
  session_.MakeReport(camera.Input(false, true));
  const CWorkbook& book = *session_.Workbook();
  int note = 0, total = 0;
  for (int row = 1; row < 60; ++row) {
    if (book.Text(row, 1) == L(33)) note = row;
    if (book.Text(row, 1) == "Итого:") total = row;
  }
  ASSERT_GT(note, 0);
  EXPECT_EQ(book.Text(note + 1, 1), L(32));
  EXPECT_EQ(book.Text(total + 1, 7), "EUR, VAT excluded");
  // 8500 long floor panels are cut in two for pricing.
  EXPECT_EQ(T("E9"), "980 X 4250");
  EXPECT_EQ(T("F9"), "4");
}

TEST_F(ReportLayoutTest, EuroReportWithoutRateSaysSoInsteadOfATotal) {
  session_.Prices().Set(PriceEntry::kEuroRate, 0);
  const CSampleCamera camera = MakeRectangularCamera(1920, 1920, 2040, 80);
  session_.InitXL(false, true);
  session_.InitValues(2040, 1920, 1920, 80);
  session_.MakeReport(camera.Input(false, true));
  const CWorkbook& book = *session_.Workbook();
  for (int row = 1; row < 40; ++row) {
    if (book.Text(row, 1) == "Итого:") {
      EXPECT_EQ(book.Text(row, 6), Language().GetTextOrBuiltin(Lang::kEuroRateMissing));
      return;
    }
  }
  FAIL() << "no total";
}

TEST_F(ReportLayoutTest, PanelReportLeavesAnEmptyRowAboveEachWallGroup) {
  session_.InitXL(false, false);
  session_.SetDealerDiscount(0.1);
  EXPECT_EQ(session_.InitPanelReport(), 4);
  const PanelGroup wall{3, 1200, 2500, 0, kPanelGroupWall, 80};
  for (int i = 0; i < 3; ++i) session_.MakePanelReport(wall, false, 80);
  const int before = session_.CurrentRow();
  session_.MakePanelReport({1, 1200, 2500, 0, 2, 80}, false, 80);
  EXPECT_EQ(session_.CurrentRow(), before);
  session_.MakePanelReport({2, 1000, 3000, 0, kPanelGroupCeiling, 100}, false, 100);
  session_.MakePanelReport({1, 1200, 2000, 0, kPanelGroupFloor, 80}, false, 80);
  session_.EndPanelReport();

  EXPECT_EQ(T("A4"), "N");
  for (int row : {5, 7, 9}) EXPECT_EQ(Row(row), "||||||||") << row;
  for (int row : {6, 8, 10}) {
    EXPECT_EQ(Row(row), "|" + L(14) + " №1|" + L(13) + "|80|1200 X 2500|3|3.00||") << row;
  }
  EXPECT_EQ(Row(11), "|" + L(35) + " №1|" + L(13) + "|100|1000 X 3000|2|3.00||");
  EXPECT_EQ(Row(12), "|" + L(34) + " №1|" + L(12) + "|80|1200 X 2000|1|2.40||");
  EXPECT_TRUE(Framed("A4", "G12"));
  EXPECT_EQ(T("B13"), L(28));
  EXPECT_EQ(T("B14"), "Итого:");
  const double standard = (3 * 3 * 3.0 * 2000 * 1.2 + 2 * 3.0 * 1500 * 1.4 + 2.4 * 1200) * 1.18;
  const double total = standard * 1.375 * 0.9;
  EXPECT_EQ(T("G14"), std::to_string(static_cast<long long>(total)));
  EXPECT_EQ(session_.Workbook()->Pictures().size(), 1u);
}

TEST_F(ReportLayoutTest, PanelReportAfterAPriceListWritesItsRows) {
  session_.InitXL(true, true);
  session_.InitXL(false, false);
  session_.InitPanelReport();
  session_.MakePanelReport({1, 1200, 2000, 0, kPanelGroupFloor, 80}, false, 80);
  EXPECT_FALSE(session_.QuietMode());
  EXPECT_EQ(T("B5"), L(34) + " №1");
}

TEST_F(ReportLayoutTest, ReportCallsWithoutWorkbookWriteNothingAndDoNotFail) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  EXPECT_EQ(session_.MakeReport(camera.Input()), 0);
  EXPECT_EQ(session_.MakeReport2(camera.Input(), 'C'), 0);
  EXPECT_EQ(session_.InitPanelReport(), 0);
  EXPECT_EQ(session_.EndPanelReport(), 0);
  EXPECT_EQ(session_.TakeWorkbook(), nullptr);
}

// A report priced from prices that are not the dealer's, or with a total
// that is no number, must not be saved looking priced: the call is refused
// and the workbook dropped.
TEST_F(ReportLayoutTest, UnusablePricesRefuseTheReportAndDropTheWorkbook) {
  using Refusal = CQuotixSession::Refusal;
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80);
  // Every entry within its limits, yet the euro total overflows.
  const auto absurd = [](CQuotixSession& s) {
    for (int entry : {PriceEntry::kWallPanel80, PriceEntry::kMargin, PriceEntry::kDealerMarkup})
      s.Prices().Set(entry, CPriceTable::kMaxPrice);
    s.Prices().Set(PriceEntry::kEuroRate, 1e-300);
  };
  const struct {
    const char* name;
    std::function<void(CQuotixSession&)> spoil;
    std::function<int(CQuotixSession&)> run;
    Refusal why;
  } cases[] = {
      {"table not read", [](CQuotixSession& s) { s.SetPricesReadError({"PriceCntr.data", "is a folder"}); },
       [](CQuotixSession& s) { return s.InitXL(false, true) ? 1 : 0; }, Refusal::PricesUnreadable},
      {"damaged entry",
       [](CQuotixSession& s) {
         s.Prices().ReadBytes("H10P" + std::string(8, '\0') + std::string("\0\0\0\0\0\0\xf8\x7f", 8));
       },
       [](CQuotixSession& s) { return s.InitXL(true, true) ? 1 : 0; }, Refusal::BadPriceEntry},
      {"camera report", absurd,
       [&](CQuotixSession& s) {
         s.InitXL(false, true);
         s.InitValues(2040, 2920, 1920, 80);
         return s.MakeReport(camera.Input(false, true));
       },
       Refusal::TotalNotFinite},
      {"price list", absurd,
       [&](CQuotixSession& s) {
         s.InitXL(true, true);
         s.InitXReport(7);
         s.InitValues(2040, 2920, 1920, 80);
         return s.MakeReport2(camera.Input(false, true), 'C');
       },
       Refusal::TotalNotFinite},
  };
  for (const auto& c : cases) {
    CQuotixSession session{Language()};
    session.Prices() = TestPrices();
    session.SetLogoFile(SourceDataDir() + "/kryvel_logo.jpg");
    c.spoil(session);
    EXPECT_EQ(c.run(session), 0) << c.name;
    EXPECT_EQ(session.LastRefusal(), c.why) << c.name;
    EXPECT_EQ(session.TakeWorkbook(), nullptr) << c.name;
  }
}

class PriceListTest : public ReportLayoutTest {
 protected:
  void MakePriceList(int32_t thickness) {
    session_.InitXL(true, thickness == 80);
    for (const CPriceListColumn& column : kPriceListColumns) {
      session_.InitXReport(kPriceListFirstRow);
      for (const CSampleCamera& camera : PriceListColumn(column.height, thickness)) {
        session_.InitValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, thickness);
        session_.MakeReport2(camera.Input(false, true), column.column);
      }
    }
    workbook_ = session_.TakeWorkbook();
  }
};

TEST_F(PriceListTest, HeadingTitleAndColumnCaptions) {
  MakePriceList(80);
  EXPECT_EQ(T("A2"), "Толщина стенок камер: 80 мм.");
  EXPECT_TRUE(workbook_->Style(2, 0).bold);
  EXPECT_EQ(T("F2"), L(31));
  const CCellStyle title = workbook_->Style(2, 5);
  EXPECT_TRUE(title.bold && title.italic);
  EXPECT_EQ(title.fontColorIndex, 22);
  EXPECT_EQ(T("F3"), L(214) + " 05/03/24");
  EXPECT_TRUE(workbook_->IsMerged(*CRange::Parse("A4:H4")));
  EXPECT_TRUE(workbook_->IsMerged(*CRange::Parse("A5:H5")));
  EXPECT_TRUE(workbook_->IsMerged(*CRange::Parse("A6:B6")));
  EXPECT_EQ(T("A4"), L(30));
  EXPECT_EQ(workbook_->Style(5, 0).fontColorIndex, 3);
  EXPECT_EQ(T("A6"), L(213));
  EXPECT_EQ(workbook_->Style(6, 1).fillColorIndex, 46);
  EXPECT_EQ(workbook_->Style(4, 3).horizontalAlignment, XlConst::kCenter);
  const struct {
    const char* caption;
    const char* height;
    const char* text;
  } heads[] = {{"C6", "D6", "2200"}, {"E6", "F6", "2460"}, {"G6", "H6", "2720"}};
  for (const auto& head : heads) {
    EXPECT_EQ(T(head.caption), L(225));
    EXPECT_EQ(T(head.height), head.text);
    const auto h = CRange::Parse(head.height), c = CRange::Parse(head.caption);
    EXPECT_EQ(workbook_->Style(h->firstRow, h->firstCol).fillColorIndex, 32);
    EXPECT_EQ(workbook_->Style(c->firstRow, c->firstCol).fillColorIndex, 24);
    EXPECT_EQ(workbook_->Style(h->firstRow, h->firstCol).fontColorIndex, 2);
  }
  EXPECT_EQ(workbook_->Pictures().size(), 1u);
  EXPECT_EQ(workbook_->PageSetup(), (CPageSetup{XlConst::kPortrait, false, 1, 0}));
}

TEST_F(PriceListTest, OneRowPerCameraWithVolumeAndListPrice) {
  session_.Prices().Set(PriceEntry::kDealerDiscount, 0.5);  // never in a price list
  MakePriceList(80);
  const CSampleCamera first = MakeRectangularCamera(1280, 1280, 2040, 80, true);
  CCameraInput input = first.Input(false, true);
  const CCameraPricing pricing = PriceCamera(TestPrices(), first.values, input, PricingMode::PriceList);
  EXPECT_EQ(T("C7"), FormatText("%.2f", pricing.volumeAsPassed));
  EXPECT_EQ(T("D7"), FormatText("%.2f", pricing.totals.total));
  EXPECT_EQ(T("B7"), "1360");
  EXPECT_EQ(T("B21"), "5560");
  EXPECT_EQ(T("B22"), "1660");
  // Rows 7..126 in all three columns, nothing below.
  for (const char* cell : {"C126", "D126", "E126", "F126", "G126", "H126"}) EXPECT_NE(T(cell), "") << cell;
  EXPECT_EQ(workbook_->LastTextRow(), 126);
}

TEST_F(PriceListTest, EveryPlanLengthGroupIsMergedNumberedAndFramedTheLastOneToo) {
  MakePriceList(100);
  int start = 7;
  for (int size = 15, a = 1300; size >= 1; --size, a += 300) {
    const int last = start + size - 1;
    const std::string first = "A" + std::to_string(start);
    EXPECT_EQ(T(first.c_str()), std::to_string(a + 100)) << first;
    EXPECT_TRUE(workbook_->Style(start, 0).bold);
    EXPECT_EQ(workbook_->Style(start, 0).orientation, 90);
    if (size > 1) {
      EXPECT_TRUE(workbook_->IsMerged(CRange::Cells('A', start, 'A', last))) << first;
    }
    EXPECT_TRUE(Framed(first.c_str(), ("H" + std::to_string(last)).c_str()));
    start = last + 1;
  }
  EXPECT_EQ(start, 127);
  // Every caption fits its column: the volume columns take "Объем, куб.м",
  // the two length columns together the size heading.
  const double volumeCaption = 14;  // 12 characters and a little room
  EXPECT_EQ(workbook_->ColumnWidth(2), volumeCaption);
  EXPECT_EQ(workbook_->ColumnWidth(3), 32);
  EXPECT_EQ(workbook_->ColumnWidth(4), volumeCaption);
  EXPECT_EQ(workbook_->ColumnWidth(5), 18);
  EXPECT_EQ(workbook_->ColumnWidth(6), volumeCaption);
  EXPECT_EQ(workbook_->ColumnWidth(7), 18);
  EXPECT_GE(workbook_->ColumnWidth(0) + workbook_->ColumnWidth(1), 20);
  // The headings repeat on every printed page, the currency stands under
  // them, and volumes and prices show two decimals.
  EXPECT_EQ(workbook_->PrintTitleFirstRow(), 4);
  EXPECT_EQ(workbook_->PrintTitleLastRow(), 6);
  EXPECT_EQ(workbook_->Text("A3"), L(Lang::kPriceListEuros));
  EXPECT_EQ(workbook_->Style(7, 2).decimals, 2);
  EXPECT_EQ(workbook_->Style(126, 7).decimals, 2);
  // The last group is a single cell; its row grows for the turned text.
  EXPECT_GT(workbook_->RowHeight(126), CWorkbook::kDefaultRowHeight);
  EXPECT_EQ(workbook_->RowHeight(125), CWorkbook::kDefaultRowHeight);
}

TEST_F(PriceListTest, ColumnOffTheSheetIsRefused) {
  session_.InitXL(true, true);
  session_.InitXReport(7);
  const CSampleCamera camera = MakeRectangularCamera(1280, 1280, 2040, 80, true);
  session_.InitValues(2040, 1280, 1280, 80);
  EXPECT_EQ(session_.MakeReport2(camera.Input(), 'Z'), 0);
  EXPECT_EQ(session_.MakeReport2(camera.Input(), '\0'), 0);
  EXPECT_EQ(session_.CurrentRow(), 7);
}

}  // namespace
