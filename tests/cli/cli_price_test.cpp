// zamo-cli's report commands and the price table, run as a process on a
// data folder of their own: the reports they write (read back with
// openpyxl), and bad input, which gives one line on stderr, exit code 2 and
// no report file.
#include <gtest/gtest.h>

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "clirun.h"
#include "testsupport.h"
#include "xlsxreader.h"

namespace {

namespace fs = std::filesystem;



size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

// A data folder as the program seeds it, with two material profiles, and a
// filled camera and an undivided one beside it.
class CliPriceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"zamo.language", "kryvel_logo.jpg", "PriceCntr.data"})
      fs::copy_file(SourceDataDir() + "/" + file, dir_.File(file));
    std::string profiles = "ZAMOMATERIALPROFILEDATA";
    for (const char* name : {"Стандарт", "Пищевой"}) profiles += std::string(name) + '\0' + std::string(28, '\0');
    WriteFileBytes(dir_.File("MaterialArch.data"), profiles);
    const std::vector<std::string> camera{"new", "--length", "3000", "--width", "2000", "--height", "2200",
                                          "--thickness", "80", "-o"};
    std::vector<std::string> filled = camera;
    filled.insert(filled.end(), {"cam.kry", "--fill"});
    ASSERT_EQ(Run(filled).exitCode, 0);
    std::vector<std::string> undivided = camera;
    undivided.push_back("undivided.kry");
    ASSERT_EQ(Run(undivided).exitCode, 0);
  }

  CliRun Run(const std::vector<std::string>& args) const {
    std::vector<std::string> all{"--data-dir", "."};
    all.insert(all.end(), args.begin(), args.end());
    return RunCli(all, dir_.Path());
  }

  // The cells of a written workbook, or empty when openpyxl is missing.
  QJsonObject Cells(const std::string& name, bool& available) const {
    std::string problem;
    const QJsonObject dump = ReadXlsxBack(dir_.File(name), available, problem);
    EXPECT_TRUE(problem.empty()) << problem;
    return dump.value(QStringLiteral("cells")).toObject();
  }
  static QJsonValue Value(const QJsonObject& cells, const char* address) {
    return cells.value(QString::fromLatin1(address)).toObject().value(QStringLiteral("value"));
  }
  bool IsWorkbook(const std::string& name) const { return ReadFileBytes(dir_.File(name)).substr(0, 2) == "PK"; }

  CScratchDir dir_;
};

TEST_F(CliPriceTest, ReportWritesTheCamerasPricedSpecification) {
  WriteFileBytes(dir_.File("out.xlsx"), "an older report");
  const CliRun run = Run({"report", "cam.kry", "--profile", "1", "--euro", "--dealer", "0.05", "-o", "out.xlsx"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  ASSERT_TRUE(IsWorkbook("out.xlsx"));
  bool available = false;
  const QJsonObject cells = Cells("out.xlsx", available);
  if (!available) GTEST_SKIP() << "no openpyxl";
  EXPECT_TRUE(Value(cells, "B4").toString().endsWith(QStringLiteral("(3000 x 2000 x 2200)")))
      << Value(cells, "B4").toString().toStdString();
  EXPECT_EQ(Value(cells, "B6").toString(), QStringLiteral("Стеновая панель №1"));
}

// The quotation a dealer hands on, read back as the spreadsheet reads it:
// the camera named, dated and numbered, the currency after the total, and
// the detailed estimate on its own sheet ending on the very same total.
TEST_F(CliPriceTest, DetailedReportNamesTheCameraAndEndsOnTheSameTotal) {
  ASSERT_EQ(Run({"new", "--length", "3000", "--width", "2000", "--height", "2200", "--thickness", "80", "--article",
                 "KX-3020", "-o", "art.kry", "--fill"})
                .exitCode,
            0);
  const CliRun run = Run({"report", "art.kry", "--detailed", "--dealer", "0.1", "-o", "quote-17.xlsx"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  bool available = false;
  std::string problem;
  const QJsonObject dump = ReadXlsxBack(dir_.File("quote-17.xlsx"), available, problem);
  if (!available) GTEST_SKIP() << "no openpyxl";
  const QJsonObject cells = dump.value(QStringLiteral("cells")).toObject();
  EXPECT_EQ(Value(cells, "B2").toString(), QStringLiteral("Артикул: KX-3020"));
  EXPECT_TRUE(Value(cells, "E2").toString().startsWith(QStringLiteral("Дата: ")))
      << Value(cells, "E2").toString().toStdString();
  EXPECT_EQ(Value(cells, "G2").toString(), QStringLiteral("Предложение № quote-17"));
  EXPECT_EQ(Value(cells, "G3").toString(), QStringLiteral("Коэффициент дилера: 0.1"));
  QString total;
  for (auto it = cells.begin(); it != cells.end(); ++it) {
    if (it.value().toObject().value(QStringLiteral("value")).toString() != QStringLiteral("Итого:")) continue;
    const int row = it.key().mid(1).toInt();
    total = QString::number(Value(cells, QStringLiteral("G%1").arg(row).toLatin1().constData()).toDouble(), 'f', 0);
    EXPECT_EQ(Value(cells, QStringLiteral("H%1").arg(row).toLatin1().constData()).toString(), QStringLiteral("руб."));
  }
  ASSERT_FALSE(total.isEmpty());
  const QJsonObject estimate = dump.value(QStringLiteral("more_sheets"))
                                   .toObject()
                                   .value(QStringLiteral("Подробная смета"))
                                   .toObject()
                                   .value(QStringLiteral("cells"))
                                   .toObject();
  ASSERT_FALSE(estimate.isEmpty());
  QString estimateTotal;
  for (auto it = estimate.begin(); it != estimate.end(); ++it)
    if (it.value().toString() == QStringLiteral("Итого:"))
      estimateTotal = QString::number(estimate.value(QStringLiteral("F") + it.key().mid(1)).toDouble(), 'f', 0);
  EXPECT_EQ(estimateTotal, total);
}

TEST_F(CliPriceTest, ReportRefusesBadInputWithOneLineAndNoFile) {
  WriteFileBytes(dir_.File("foreign.kry"), "not a camera at all");
  const struct {
    std::vector<std::string> args;
    const char* mentions;
  } cases[] = {
      {{"report", "undivided.kry", "-o", "out.xlsx"}, "undivided.kry: a wall, partition or floor strip is not fully"},
      {{"report", "cam.kry", "--profile", "2", "-o", "out.xlsx"}, "--profile 2: the data folder has 2"},
      {{"report", "cam.kry", "--dealer", "5", "-o", "out.xlsx"}, "--dealer"},
      {{"report", "cam.kry", "-o", "out.pdf"}, ".xlsx"},
      {{"report", "cam.kry", "-o", "nowhere/out.xlsx"}, "the folder does not exist"},
      {{"report", "missing.kry", "-o", "out.xlsx"}, "missing.kry"},
      {{"report", "foreign.kry", "-o", "out.xlsx"}, "foreign.kry: holds no camera"},
      {{"price-list", "--thickness", "90", "-o", "out.xlsx"}, "--thickness"},
      {{"components", "--group", "door,1200,2500,80,1", "-o", "out.xlsx"}, "not wall, floor or ceiling"},
      {{"components", "--group", "wall,1200,2500,90,1", "-o", "out.xlsx"}, "thickness"},
      {{"components", "--group", "wall,1200,2500,80,-2", "-o", "out.xlsx"}, "count"},
  };
  for (const auto& c : cases) {
    const CliRun run = Run(c.args);
    const std::string what = c.args[0] + " " + c.args[1];
    EXPECT_EQ(run.exitCode, 2) << what << ": " << run.err;
    EXPECT_EQ(Lines(run.err), 1u) << what << ": " << run.err;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << what << ": " << run.err;
    EXPECT_FALSE(fs::exists(dir_.File("out.xlsx"))) << what;
    EXPECT_FALSE(fs::exists(dir_.File("out.pdf"))) << what;
  }
  EXPECT_FALSE(fs::exists(dir_.File("Reports")));
}

TEST_F(CliPriceTest, PriceListAndComponentsWriteTheirWorkbooks) {
  const CliRun list = Run({"price-list", "--thickness", "80", "-o", "list.xlsx"});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  const CliRun parts =
      Run({"components", "--group", "wall,1200,2500,80,3", "--group=floor,1200,3000,100,2", "--dealer", "0.1", "-o",
           "parts.xlsx"});
  ASSERT_EQ(parts.exitCode, 0) << parts.err;
  const CliRun none = Run({"components", "-o", "none.xlsx"});
  ASSERT_EQ(none.exitCode, 0) << none.err;
  ASSERT_TRUE(IsWorkbook("list.xlsx") && IsWorkbook("parts.xlsx") && IsWorkbook("none.xlsx"));

  bool available = false;
  const QJsonObject listCells = Cells("list.xlsx", available);
  if (!available) GTEST_SKIP() << "no openpyxl";
  EXPECT_EQ(Value(listCells, "A2").toString(), QStringLiteral("Толщина стенок камер: 80 мм."));
  // Outer sizes: the first camera 1280 + t, the last 5480 + t.
  EXPECT_EQ(Value(listCells, "A7").toDouble(), 1360);
  EXPECT_EQ(Value(listCells, "B126").toDouble(), 5560);
  EXPECT_GT(Value(listCells, "H126").toDouble(), 0);

  const QJsonObject partCells = Cells("parts.xlsx", available);
  EXPECT_EQ(Value(partCells, "E6").toString(), QStringLiteral("1200 X 2500"));
  EXPECT_EQ(Value(partCells, "F6").toDouble(), 3);
  EXPECT_EQ(Value(partCells, "D7").toDouble(), 100);
  EXPECT_EQ(Value(partCells, "B9").toString(), QStringLiteral("Итого:"));
  EXPECT_GT(Value(partCells, "G9").toDouble(), 0);
}

TEST_F(CliPriceTest, PricesShowsAndSetsTheTableEntryByEntry) {
  const CliRun shown = Run({"prices", "show"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(Lines(shown.out), 50u);
  const std::string before = ReadFileBytes(dir_.File("PriceCntr.data"));

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"prices", "set", "2=1500", "50=1"}, {"prices", "set", "2=abc"},
        {"prices", "set"}, {"prices", "frob"}, {"prices", "set", "3=5", "2=-1"}, {"prices", "set", "2=1e308"},
        {"prices", "set", "2=1000000001"}, {"prices", "set", "2=nan"}, {"prices", "set", "40=-inf"}}) {
    const CliRun run = Run(bad);
    EXPECT_EQ(run.exitCode, 2) << bad.back() << ": " << run.err;
    EXPECT_EQ(Lines(run.err), 1u) << run.err;
  }
  EXPECT_EQ(ReadFileBytes(dir_.File("PriceCntr.data")), before);

  ASSERT_EQ(Run({"prices", "set", "2=1500.5", "14=0.3"}).exitCode, 0);
  const CliRun after = Run({"prices", "show"});
  EXPECT_NE(after.out.find("\n2=1500.5\n"), std::string::npos) << after.out;
  EXPECT_NE(after.out.find("\n14=0.3\n"), std::string::npos) << after.out;
  // Every other entry kept its value.
  EXPECT_EQ(after.out.substr(after.out.find("\n15=")), shown.out.substr(shown.out.find("\n15=")));
}

// A price table that cannot price refuses every report with one line
// instead of pricing at 0; `prices set` mends a damaged entry.
TEST_F(CliPriceTest, AnUnusablePriceTableRefusesEveryReport) {
  const std::string table = dir_.File("PriceCntr.data");
  const std::string sound = ReadFileBytes(table);
  const auto withWallPrice = [&](double value) {
    std::string bytes = sound;
    std::memcpy(bytes.data() + 4 + 2 * 8, &value, 8);  // the machine is little-endian, as the file
    return bytes;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    std::function<void()> make;
    const char* mentions;
  } cases[] = {
      {"too large", [&] { WriteFileBytes(table, sound + std::string(2 << 20, '\0')); }, "PriceCntr.data: "},
      {"folder", [&] { fs::create_directory(table); }, "PriceCntr.data: "},
      {"nan", [&] { WriteFileBytes(table, withWallPrice(std::nan(""))); }, "entry 2 holds no price"},
      {"inf", [&] { WriteFileBytes(table, withWallPrice(inf)); }, "entry 2 holds no price"},
      {"1e308", [&] { WriteFileBytes(table, withWallPrice(1e308)); }, "entry 2 holds no price"},
      {"negative", [&] { WriteFileBytes(table, withWallPrice(-2500)); }, "entry 2 holds no price"},
  };
  const std::vector<std::string> commands[] = {{"report", "cam.kry", "-o", "out.xlsx"},
                                               {"price-list", "--thickness", "80", "-o", "out.xlsx"},
                                               {"components", "--group", "wall,1200,2500,80,3", "-o", "out.xlsx"}};
  for (const auto& c : cases) {
    fs::remove_all(table);
    c.make();
    for (const std::vector<std::string>& command : commands) {
      const CliRun run = Run(command);
      EXPECT_EQ(run.exitCode, 2) << c.name << ", " << command[0] << ": " << run.err;
      EXPECT_EQ(Lines(run.err), 1u) << c.name << ", " << command[0] << ": " << run.err;
      EXPECT_NE(run.err.find(c.mentions), std::string::npos) << c.name << ", " << command[0] << ": " << run.err;
      EXPECT_FALSE(fs::exists(dir_.File("out.xlsx"))) << c.name << ", " << command[0];
    }
  }
  EXPECT_FALSE(fs::exists(dir_.File("Reports")));

  // The damaged entry must be given before anything else is written.
  const std::string damaged = ReadFileBytes(table);
  EXPECT_EQ(Run({"prices", "set", "3=2900"}).exitCode, 2);
  EXPECT_EQ(ReadFileBytes(table), damaged);
  ASSERT_EQ(Run({"prices", "set", "2=2500"}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(table), sound);
  EXPECT_EQ(Run({"report", "cam.kry", "-o", "out.xlsx"}).exitCode, 0);
}

// Prices within their limits can still give a total that is no number (a
// euro rate near 0): the pricing library refuses it and nothing is written.
TEST_F(CliPriceTest, ATotalThatIsNoNumberRefusesTheReport) {
  ASSERT_EQ(Run({"prices", "set", "2=1e9", "14=1e9", "15=1e9", "32=1e-300"}).exitCode, 0);
  const CliRun run = Run({"report", "cam.kry", "--euro", "-o", "out.xlsx"});
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_NE(run.err.find("out.xlsx was not written"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir_.File("out.xlsx")));
  EXPECT_FALSE(fs::exists(dir_.File("Reports")));
}

// Every data file a command reads may be replaced by a folder or a pipe:
// the command ends at once with exit code 2 and one line naming the file,
// and writes nothing.
TEST_F(CliPriceTest, ADataFileThatIsNoFileRefusesTheCommandsThatReadIt) {
  const std::vector<std::string> report{"report", "cam.kry", "-o", "out.xlsx"};
  const std::vector<std::string> priceList{"price-list", "--thickness", "80", "-o", "out.xlsx"};
  const std::vector<std::string> components{"components", "--group", "wall,1200,2500,80,3", "-o", "out.xlsx"};
  const std::vector<std::string> render{"render", "cam.kry", "-o", "out.png"};
  const struct {
    const char* file;
    std::vector<std::vector<std::string>> commands;
  } cases[] = {
      {"zamo.language", {report, priceList, components, render}},
      {"MaterialArch.data", {report, components}},
      {"kryvel_logo.jpg", {report, priceList, components}},
      {"PriceCntr.data", {report, priceList, components, {"prices", "show"}, {"prices", "set", "2=1"}}},
      {"cam.kry", {report, render, {"dump", "cam.kry"}}},
  };
  for (const auto& c : cases) {
    const std::string bytes = ReadFileBytes(dir_.File(c.file));
    for (const UnreadableKind kind : {UnreadableKind::kFolder, UnreadableKind::kFifo}) {
      const CUnreadableFile unreadable(dir_.File(c.file), kind, 0);
      for (const std::vector<std::string>& command : c.commands) {
        const std::string what = std::string(c.file) + " as " + UnreadableKindName(kind) + ", " + command[0];
        std::vector<std::string> all{"--data-dir", "."};
        all.insert(all.end(), command.begin(), command.end());
        const CliRun run = RunCli(all, dir_.Path(), 10000);
        EXPECT_EQ(run.exitCode, 2) << what << ": " << run.err;
        EXPECT_EQ(Lines(run.err), 1u) << what << ": " << run.err;
        EXPECT_NE(run.err.find(c.file), std::string::npos) << what << ": " << run.err;
        EXPECT_FALSE(fs::exists(dir_.File("out.xlsx")) || fs::exists(dir_.File("out.png"))) << what;
      }
      EXPECT_FALSE(unreadable.ReaderWaited()) << c.file;
    }
    WriteFileBytes(dir_.File(c.file), bytes);
  }
  EXPECT_EQ(Run(report).exitCode, 0);
}

// Two `prices set` at the same moment, each changing its own entry: both
// changes are kept, round after round.
TEST_F(CliPriceTest, PriceChangesMadeAtTheSameTimeAreAllKept) {
  constexpr int kRounds = 50;
  const QString program = QStringLiteral(ZAMO_BINARY_DIR "/bin/zamo-cli");
  int lost = 0;
  for (int round = 1; round <= kRounds; ++round) {
    QProcess first;
    QProcess second;
    for (QProcess* process : {&first, &second}) process->setWorkingDirectory(dir_.QPath());
    const QString value = QString::number(round);
    first.start(program, {QStringLiteral("--data-dir"), QStringLiteral("."), QStringLiteral("prices"),
                          QStringLiteral("set"), QStringLiteral("2=") + value});
    second.start(program, {QStringLiteral("--data-dir"), QStringLiteral("."), QStringLiteral("prices"),
                           QStringLiteral("set"), QStringLiteral("3=") + value});
    ASSERT_TRUE(first.waitForFinished(20000) && second.waitForFinished(20000)) << "round " << round;
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    ASSERT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    const std::string shown = Run({"prices", "show"}).out;
    const std::string expected = "\n2=" + value.toStdString() + "\n3=" + value.toStdString() + "\n";
    if (shown.find(expected) == std::string::npos) ++lost;
  }
  EXPECT_EQ(lost, 0) << "of " << kRounds << " rounds";
}

}  // namespace
