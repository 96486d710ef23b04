// Each report kind written as .xlsx and read back by another program:
// numbers as numbers, texts, merges, frames, fonts, the logo, page set-up.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <filesystem>
#include <optional>

#include "languageentries.h"
#include "quotixsession.h"
#include "samplecameras.h"
#include "testprices.h"
#include "testsupport.h"
#include "workbookxlsx.h"
#include "xlsxreader.h"

namespace {

const CLanguageTable& Language() { return ShippedLanguage(); }

QString Q(const char* text) { return QString::fromUtf8(text); }

class WorkbookXlsxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.Prices() = TestPrices();
    session_.SetLogoFile(SourceDataDir() + "/kryvel_logo.jpg");
    session_.SetDateSource([] { return CReportLayout::CDate{5, 3, 2024}; });
  }

  // Saves the session's workbook and reads it back; skips without openpyxl.
  QJsonObject SaveAndRead(const std::string& name) {
    std::unique_ptr<CWorkbook> book = session_.TakeWorkbook();
    EXPECT_TRUE(book);
    if (!book) return {};
    const std::string path = dir_.File(name);
    const FileError error = SaveWorkbookXlsx(*book, path);
    EXPECT_FALSE(error) << error.ToString();
    bool available = true;
    std::string problem;
    QJsonObject dump = ReadXlsxBack(path, available, problem);
    if (!available) skip_ = true;
    EXPECT_TRUE(problem.empty()) << problem;
    return dump;
  }

  static bool Thick(const QJsonObject& cell, const char* edge) {
    return cell.value(QStringLiteral("border")).toObject().value(Q(edge)).toString() == Q("thick");
  }

  CScratchDir dir_;
  CQuotixSession session_{Language()};
  bool skip_ = false;
};

#define SKIP_WITHOUT_OPENPYXL() \
  if (skip_) GTEST_SKIP() << "/usr/bin/python3 has no openpyxl"

TEST_F(WorkbookXlsxTest, CameraReportReadsBackWithNumbersFramesLogoAndPageSetUp) {
  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  session_.InitXL(false, true);
  session_.InitValues(2040, 2920, 1920, 80);
  session_.MakeReport(camera.Input());
  const QJsonObject dump = SaveAndRead("camera.xlsx");
  SKIP_WITHOUT_OPENPYXL();

  EXPECT_EQ(dump.value(Q("sheet")).toString(), Q("Лист1"));
  const QJsonObject volume = XlsxCell(dump, "B4");
  EXPECT_EQ(volume.value(Q("type")).toString(), Q("s"));
  EXPECT_EQ(volume.value(Q("value")).toString(), Q("ХКМ- 10.66 (3000 x 2000 x 2200)"));
  EXPECT_EQ(XlsxCell(dump, "E6").value(Q("value")).toString(), Q("1200 X 2040"));
  const QJsonObject thickness = XlsxCell(dump, "D6");
  EXPECT_EQ(thickness.value(Q("type")).toString(), Q("n"));
  EXPECT_EQ(thickness.value(Q("value")).toDouble(), 80);
  EXPECT_EQ(XlsxCell(dump, "G6").value(Q("value")).toDouble(), 2.45);
  EXPECT_EQ(XlsxCell(dump, "G9").value(Q("value")).toString(), Q("-"));
  EXPECT_EQ(XlsxCell(dump, "A5").value(Q("value")).toString(), Q("N"));

  EXPECT_TRUE(Thick(XlsxCell(dump, "A5"), "top"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "A5"), "left"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "G5"), "right"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "G13"), "bottom"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "A13"), "bottom"));
  EXPECT_FALSE(Thick(XlsxCell(dump, "D9"), "bottom"));
  EXPECT_TRUE(dump.value(Q("merges")).toArray().isEmpty());

  // The door row took the "no doors" row; the total is a whole number.
  int totalRow = 0;
  for (int row = 15; row < 25 && !totalRow; ++row) {
    if (XlsxCell(dump, ("B" + std::to_string(row)).c_str()).value(Q("value")).toString() == Q("Итого:")) totalRow = row;
  }
  ASSERT_GT(totalRow, 0);
  const QJsonObject total = XlsxCell(dump, ("G" + std::to_string(totalRow)).c_str());
  EXPECT_EQ(total.value(Q("type")).toString(), Q("n"));
  const double value = total.value(Q("value")).toDouble();
  EXPECT_EQ(value, static_cast<double>(static_cast<long long>(value)));
  EXPECT_GT(value, 0);

  const QJsonArray images = dump.value(Q("images")).toArray();
  ASSERT_EQ(images.size(), 1);
  const QJsonObject logo = images[0].toObject();
  EXPECT_EQ(logo.value(Q("col")).toInt(), 0);
  EXPECT_EQ(logo.value(Q("row")).toInt(), 0);
  // 200 x 65 points, within a pixel (9525 EMU).
  EXPECT_NEAR(logo.value(Q("cx")).toDouble(), 200 * 12700, 9525);
  EXPECT_NEAR(logo.value(Q("cy")).toDouble(), 65 * 12700, 9525);
  EXPECT_EQ(dump.value(Q("media")).toArray().size(), 1);
  EXPECT_EQ(dump.value(Q("row_heights")).toObject().value(Q("1")).toDouble(), 70);

  const QJsonObject page = dump.value(Q("page")).toObject();
  EXPECT_EQ(page.value(Q("orientation")).toString(), Q("landscape"));
  EXPECT_TRUE(page.value(Q("fit_to_page")).toBool());
  EXPECT_EQ(page.value(Q("fit_width")).toInt(), 1);
  EXPECT_EQ(page.value(Q("fit_height")).toInt(), 2);
}

TEST_F(WorkbookXlsxTest, PriceListReadsBackWithMergedGroupsColoursAndWidths) {
  session_.InitXL(true, true);
  for (const CPriceListColumn& column : kPriceListColumns) {
    session_.InitXReport(kPriceListFirstRow);
    for (const CSampleCamera& camera : PriceListColumn(column.height, 80)) {
      session_.InitValues(camera.values.innerHeight, camera.values.lengthA, camera.values.lengthB, 80);
      session_.MakeReport2(camera.Input(false, true), column.column);
    }
  }
  const QJsonObject dump = SaveAndRead("pricelist.xlsx");
  SKIP_WITHOUT_OPENPYXL();

  const QJsonArray merges = dump.value(Q("merges")).toArray();
  for (const char* range : {"A4:H4", "A5:H5", "A6:B6", "A7:A21", "A22:A35", "A124:A125"}) {
    EXPECT_TRUE(merges.contains(Q(range))) << range;
  }
  EXPECT_EQ(merges.size(), 3 + 14);
  const QJsonObject title = XlsxCell(dump, "A2");
  EXPECT_TRUE(title.value(Q("bold")).toBool());
  EXPECT_EQ(title.value(Q("value")).toString(), Q("Толщина стенок камер: 80 мм."));
  const QJsonObject heading = XlsxCell(dump, "F2");
  EXPECT_EQ(heading.value(Q("font_color")).toString(), Q("FF8080"));
  EXPECT_TRUE(heading.value(Q("italic")).toBool());
  EXPECT_EQ(XlsxCell(dump, "A5").value(Q("font_color")).toString(), Q("FF0000"));
  EXPECT_EQ(XlsxCell(dump, "A4").value(Q("h_align")).toString(), Q("center"));
  EXPECT_EQ(XlsxCell(dump, "A4").value(Q("v_align")).toString(), Q("center"));
  EXPECT_EQ(XlsxCell(dump, "A6").value(Q("fill")).toString(), Q("FF6600"));
  const QJsonObject height = XlsxCell(dump, "D6");
  EXPECT_EQ(height.value(Q("value")).toDouble(), 2200);
  EXPECT_EQ(height.value(Q("fill")).toString(), Q("0000FF"));
  EXPECT_EQ(height.value(Q("font_color")).toString(), Q("FFFFFF"));
  EXPECT_EQ(XlsxCell(dump, "E6").value(Q("fill")).toString(), Q("CCCCFF"));

  const QJsonObject length = XlsxCell(dump, "A7");
  EXPECT_EQ(length.value(Q("value")).toDouble(), 1360);
  EXPECT_EQ(length.value(Q("rotation")).toInt(), 90);
  EXPECT_TRUE(length.value(Q("bold")).toBool());
  EXPECT_TRUE(Thick(length, "top"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "H21"), "bottom"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "H21"), "right"));
  // The last group, one camera long, is closed too.
  EXPECT_EQ(XlsxCell(dump, "A126").value(Q("value")).toDouble(), 5560);
  EXPECT_TRUE(Thick(XlsxCell(dump, "A126"), "bottom"));
  EXPECT_EQ(XlsxCell(dump, "C7").value(Q("type")).toString(), Q("n"));
  EXPECT_EQ(XlsxCell(dump, "H126").value(Q("type")).toString(), Q("n"));

  const QJsonObject widths = dump.value(Q("column_widths")).toObject();
  EXPECT_NEAR(widths.value(Q("D")).toDouble(), 32, 1);
  EXPECT_NEAR(widths.value(Q("F")).toDouble(), 18, 1);
  EXPECT_NEAR(widths.value(Q("E")).toDouble(), 14, 1);
  EXPECT_EQ(dump.value(Q("print_title_rows")).toString(), Q("$4:$6"));
  EXPECT_EQ(dump.value(Q("images")).toArray().size(), 1);
  const QJsonObject page = dump.value(Q("page")).toObject();
  EXPECT_EQ(page.value(Q("orientation")).toString(), Q("portrait"));
  EXPECT_TRUE(page.value(Q("fit_to_page")).toBool());
  EXPECT_EQ(page.value(Q("fit_width")).toInt(), 1);
  EXPECT_EQ(page.value(Q("fit_height")).toInt(), 0);
}

TEST_F(WorkbookXlsxTest, PanelReportReadsBack) {
  session_.InitXL(false, false);
  session_.InitPanelReport();
  session_.MakePanelReport({3, 1200, 2500, 0, kPanelGroupWall, 80}, false, 80);
  session_.MakePanelReport({2, 1000, 3000, 0, kPanelGroupCeiling, 100}, false, 100);
  session_.EndPanelReport();
  const QJsonObject dump = SaveAndRead("components.xlsx");
  SKIP_WITHOUT_OPENPYXL();
  EXPECT_EQ(XlsxCell(dump, "A4").value(Q("value")).toString(), Q("N"));
  EXPECT_TRUE(XlsxCell(dump, "B5").value(Q("value")).isUndefined());
  EXPECT_EQ(XlsxCell(dump, "F6").value(Q("value")).toDouble(), 3);
  EXPECT_EQ(XlsxCell(dump, "G7").value(Q("value")).toDouble(), 3);
  EXPECT_TRUE(Thick(XlsxCell(dump, "A4"), "top"));
  EXPECT_TRUE(Thick(XlsxCell(dump, "G7"), "bottom"));
  EXPECT_EQ(XlsxCell(dump, "B9").value(Q("value")).toString(), Q("Итого:"));
  EXPECT_EQ(XlsxCell(dump, "G9").value(Q("type")).toString(), Q("n"));
  EXPECT_EQ(dump.value(Q("images")).toArray().size(), 1);
  EXPECT_EQ(dump.value(Q("page")).toObject().value(Q("orientation")).toString(), Q("landscape"));
}

TEST_F(WorkbookXlsxTest, OnlyPlainDecimalTextsBecomeNumbers) {
  CWorkbook book;
  const char* texts[] = {"2.50", "-7", "1e3", "007", "1 200", "2,5", "1200 X 2040", "-", "inf", ".5", "5."};
  for (int i = 0; i < 11; ++i) book.SetText({i + 1, 0, i + 1, 0, false}, texts[i]);
  const std::string path = dir_.File("numbers.xlsx");
  ASSERT_FALSE(SaveWorkbookXlsx(book, path));
  bool available = true;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(path, available, problem);
  if (!available) GTEST_SKIP() << "/usr/bin/python3 has no openpyxl";
  const char* types = "nnnnssssSnn";
  const double numbers[] = {2.5, -7, 1000, 7, 0, 0, 0, 0, 0, 0.5, 5};
  for (int i = 0; i < 11; ++i) {
    const QJsonObject cell = XlsxCell(dump, ("A" + std::to_string(i + 1)).c_str());
    const bool number = types[i] == 'n';
    EXPECT_EQ(cell.value(Q("type")).toString(), number ? Q("n") : Q("s")) << texts[i];
    if (number) {
      EXPECT_EQ(cell.value(Q("value")).toDouble(), numbers[i]) << texts[i];
    }
  }
}

// The worksheet takes its name from the language file; a name the
// spreadsheet refuses must not cost the report.
TEST_F(WorkbookXlsxTest, WorksheetNameTheSpreadsheetRefusesGivesWayToTheBuiltInOne) {
  std::string file = "1\nRu\n";
  for (int n = 1; n <= Lang::kSheetName; ++n)
    file += std::to_string(n) + "\n" + (n == Lang::kSheetName ? "Sheet[1]" : "T" + std::to_string(n)) + "\n";
  ASSERT_TRUE(ModuleLanguage().LoadBytes(file, 0));
  CWorkbook book;
  book.SetText({1, 0, 1, 0, false}, "x");
  const std::string path = dir_.File("named.xlsx");
  const FileError error = SaveWorkbookXlsx(book, path);
  ModuleLanguage() = CLanguageTable();
  ASSERT_FALSE(error) << error.ToString();
  bool available = true;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(path, available, problem);
  if (!available) GTEST_SKIP() << "/usr/bin/python3 has no openpyxl";
  EXPECT_EQ(dump.value(Q("sheet")).toString().toStdString(), BuiltinLanguage().GetString(Lang::kSheetName));
  EXPECT_EQ(XlsxCell(dump, "A1").value(Q("value")).toString(), Q("x"));
}

TEST_F(WorkbookXlsxTest, SavingReplacesWholeFilesAndLeavesNoTemporaryFile) {
  CWorkbook book;
  book.SetText(CRange::Cell('A', 1), "first");
  const std::string path = dir_.File("report.xlsx");
  ASSERT_FALSE(SaveWorkbookXlsx(book, path));
  book.SetText(CRange::Cell('A', 1), "second");
  ASSERT_FALSE(SaveWorkbookXlsx(book, path));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);

  // A folder that does not exist: a clear error and nothing written.
  const FileError error = SaveWorkbookXlsx(book, dir_.File("missing/report.xlsx"));
  EXPECT_TRUE(error);
  EXPECT_NE(error.ToString().find("missing/report.xlsx"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("missing")));
  // A folder in the way of the file is refused, not replaced.
  std::filesystem::create_directory(dir_.File("taken.xlsx"));
  EXPECT_TRUE(SaveWorkbookXlsx(book, dir_.File("taken.xlsx")));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("taken.xlsx")));
}

// Pages of a PDF file, counted by its page objects.
int PdfPages(const std::string& path) {
  const QByteArray bytes = QByteArray::fromStdString(ReadFileBytes(path));
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  int pages = 0;
  for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next()) ++pages;
  return pages;
}

// The text of page `page` (from 1) of a PDF file, when pdftotext is there.
std::optional<QString> PdfPageText(const std::string& path, int page) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(tool, {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                       QString::fromStdString(path), QStringLiteral("-")});
  if (!process.waitForFinished(60000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The three reports as another spreadsheet program prints them. Slow, and
// only where that program is installed.
TEST_F(WorkbookXlsxTest, ReportsPrintThroughAnotherSpreadsheetProgram) {
  const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
  if (office.isEmpty()) GTEST_SKIP() << "libreoffice is not installed";

  const CSampleCamera camera = MakeRectangularCamera(2920, 1920, 2040, 80, true);
  session_.InitXL(false, true);
  session_.InitValues(2040, 2920, 1920, 80);
  session_.MakeReport(camera.Input());
  ASSERT_FALSE(SaveWorkbookXlsx(*session_.TakeWorkbook(), dir_.File("camera.xlsx")));
  session_.InitXL(true, true);
  session_.InitXReport(7);
  for (const CSampleCamera& priced : PriceListColumn(2040, 80)) {
    session_.InitValues(priced.values.innerHeight, priced.values.lengthA, priced.values.lengthB, 80);
    session_.MakeReport2(priced.Input(false, true), 'C');
  }
  ASSERT_FALSE(SaveWorkbookXlsx(*session_.TakeWorkbook(), dir_.File("pricelist.xlsx")));
  session_.InitXL(false, false);
  session_.InitPanelReport();
  session_.MakePanelReport({3, 1200, 2500, 0, kPanelGroupWall, 80}, false, 80);
  session_.EndPanelReport();
  ASSERT_FALSE(SaveWorkbookXlsx(*session_.TakeWorkbook(), dir_.File("components.xlsx")));

  QProcess convert;
  convert.setWorkingDirectory(dir_.QPath());
  convert.start(office, {QStringLiteral("-env:UserInstallation=file://") + dir_.QPath() + QStringLiteral("/profile"),
                         QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                         QStringLiteral("--outdir"), dir_.QPath(), QStringLiteral("camera.xlsx"),
                         QStringLiteral("pricelist.xlsx"), QStringLiteral("components.xlsx")});
  ASSERT_TRUE(convert.waitForFinished(180000));
  EXPECT_EQ(convert.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
  const int cameraPages = PdfPages(dir_.File("camera.pdf"));
  EXPECT_GE(cameraPages, 1);
  EXPECT_LE(cameraPages, 2);  // fitted one page wide, two tall
  EXPECT_GE(PdfPages(dir_.File("pricelist.pdf")), 1);
  const int componentPages = PdfPages(dir_.File("components.pdf"));
  EXPECT_GE(componentPages, 1);
  EXPECT_LE(componentPages, 2);

  // Every page carries text, and each report's own words are on it.
  const struct {
    const char* file;
    const char* words;
  } printed[] = {{"camera.pdf", "Итого:"}, {"pricelist.pdf", "Прайс-лист"}, {"components.pdf", "Итого:"}};
  for (const auto& report : printed) {
    SCOPED_TRACE(report.file);
    QString all;
    for (int page = 1; page <= PdfPages(dir_.File(report.file)); ++page) {
      const std::optional<QString> text = PdfPageText(dir_.File(report.file), page);
      if (!text) GTEST_SKIP() << "pdftotext is not installed: the pages' text is not read";
      EXPECT_FALSE(text->trimmed().isEmpty()) << "page " << page << " is blank";
      all += *text;
    }
    EXPECT_TRUE(all.contains(Q(report.words))) << all.toStdString();
  }
}

}  // namespace
