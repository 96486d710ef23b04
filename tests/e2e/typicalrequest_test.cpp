// The typical request, end to end through the program's own widgets: the
// start screen, the new camera dialog, fill all from the plan's context
// menu, a swing door on a panel, the camera price with a material profile
// in roubles, save and add to the archive; then what a user gets from it:
// the camera file's bytes, the workbook as a spreadsheet reads it, and the
// archive's row.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <string>

#include "chamber.h"
#include "childframe.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "datafolder.h"
#include "dialogtestutil.h"
#include "editop.h"
#include "languagetable.h"
#include "mainframe.h"
#include "settings.h"
#include "testsupport.h"
#include "viewtesthelpers.h"
#include "wallpanel.h"
#include "xlsxreader.h"
#include "zamoapp.h"

namespace {

const QString kCameraArticle = QStringLiteral("КХ-3020Д");

// Camera file pieces, written out by hand: 32-bit little-endian words and
// UTF-16LE texts ending in a zero unit.
std::string Word(int32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
  return bytes;
}
std::string Text(const QString& text) {
  std::string bytes;
  for (const QChar c : text) bytes += {static_cast<char>(c.unicode() & 0xFF), static_cast<char>(c.unicode() >> 8)};
  return bytes + std::string(2, '\0');
}
std::string Record(int32_t op, std::initializer_list<int32_t> words) {
  std::string bytes = Word(op) + Word(static_cast<int32_t>(words.size()));
  for (int32_t w : words) bytes += Word(w);
  return bytes;
}

// The program on a data folder of its own, seeded with the shipped files
// as a new user's folder is, with no settings yet.
class TypicalRequestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedDataFolder(data_.QPath(), QString::fromStdString(SourceDataDir()));
    ASSERT_TRUE(ModuleLanguage().Load(0));
    OpenZamoSettings()->clear();
  }

  // A menu or toolbar item of the main window, chosen as a click would.
  void Choose(CMainFrame& frame, int command) {
    for (QAction* action : frame.Actions(command)) {
      if (!action->isEnabled()) continue;
      action->trigger();
      return;
    }
    ADD_FAILURE() << "no enabled menu item for command " << command;
  }
  // A right click at `pixel` of the plan, and `command` picked from the
  // menu it brings up; the menu's number comes back.
  QString RightClick(CChildView& view, QPoint pixel, int command) {
    host_.ChooseFromMenu(command);
    QTest::mouseClick(&view, Qt::RightButton, {}, pixel);
    return host_.lastMenu;
  }
  QString Data(const QString& name) const { return QDir(data_.QPath()).filePath(name); }

  CScratchDir data_;
  CScopedCurrentDir inData_{data_.Path()};
  CMessageRecorder messages_;
  CScriptedHost host_;
};

TEST_F(TypicalRequestTest, FromTheStartScreenToThePricedSavedAndArchivedCamera) {
  // ---- start-up: the start screen, then the new camera dialog ----
  host_.OnDialog([](QDialog& start) { ClickControl(start, Ctl::StartScreen::kNewCamera); });
  host_.OnDialog([](QDialog& dialog) {
    using namespace Ctl::NewCamera;
    // The thickness first: choosing it offers that thickness's sizes.
    ClickControl(dialog, kThickness80);
    // Pasted: the keyboard simulation types Latin letters only.
    QLineEdit* article = Control<QLineEdit>(dialog, kArticle);
    if (auto* combo = Control<QComboBox>(dialog, kArticle)) article = combo->lineEdit();
    ASSERT_NE(article, nullptr);
    article->selectAll();
    article->insert(kCameraArticle);
    TypeInto(dialog, kLength, QStringLiteral("3000"));
    TypeInto(dialog, kWidth, QStringLiteral("2000"));
    TypeInto(dialog, kHeight, QStringLiteral("2200"));
    ClickControl(dialog, Ctl::kOk);
  });
  CZamoApp app({});
  ASSERT_TRUE(app.InitInstance());
  CMainFrame& frame = *app.MainFrame();
  ASSERT_EQ(frame.Children().size(), 1);
  CChildView& view = *frame.ActiveView();
  EXPECT_EQ(view.Camera().Width(), 2920);
  EXPECT_EQ(view.Camera().Depth(), 1920);
  EXPECT_EQ(view.Camera().Height(), 2040);
  EXPECT_EQ(view.Camera().Thickness(), 80);

  // ---- fill all from the context menu of the empty plan ----
  EXPECT_EQ(RightClick(view, QPoint(3, view.height() - 3), Cmd::kFillAllObjects), QString::number(MenuId::kFloor));
  for (int w = 0; w < view.Camera().WallCount(); ++w) EXPECT_TRUE(view.Camera().WallAt(w)->IsFullyDivided()) << w;

  // ---- a swing door block on the top wall's second panel ----
  const QPoint panel = PixelOnPanel(view, 0, 1);
  ASSERT_NE(panel, QPoint(-1, -1));
  EXPECT_EQ(RightClick(view, panel, Cmd::kSetSwingDoor2040), QString::number(MenuId::kPanel));
  EXPECT_EQ(view.Camera().WallAt(0)->PanelAt(1)->Kind(), kSwingDoorBlock);
  EXPECT_TRUE(messages_.Empty());

  // ---- the camera price: the first material profile, in roubles ----
  QStringList profiles;
  host_.OnDialog([&](QDialog& dialog) {
    auto* profile = Control<QComboBox>(dialog, Ctl::ExcelOutput::kProfile);
    for (int i = 0; i < profile->count(); ++i) profiles << profile->itemText(i);
    profile->setCurrentIndex(0);
    auto* currency = Control<QComboBox>(dialog, Ctl::ExcelOutput::kCurrency);
    currency->setCurrentIndex(currency->findText(QStringLiteral("RUB")));
    ClickControl(dialog, Ctl::kOk);
  });
  Choose(frame, Cmd::kCameraPrice);
  EXPECT_FALSE(profiles.isEmpty());
  const QStringList reports = QDir(Data(QStringLiteral("Reports"))).entryList({QStringLiteral("*.xlsx")}, QDir::Files);
  ASSERT_EQ(reports.size(), 1) << reports.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(reports[0].startsWith(QStringLiteral("camera-"))) << reports[0].toStdString();
  // Opening is turned off here: the one message names the report's file.
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_TRUE(messages_.Messages()[0].text.contains(reports[0])) << messages_.Messages()[0].text.toStdString();
  messages_.Clear();

  // ---- save, offered under the article's name in the data folder ----
  const QString saved = Data(kCameraArticle + QStringLiteral(".kry"));
  host_.AnswerFile(saved);
  Choose(frame, Cmd::kSaveCamera);
  EXPECT_EQ(host_.suggestedFiles.value(0), saved);
  EXPECT_FALSE(view.Document().IsModified());
  EXPECT_EQ(view.Title(), kCameraArticle);

  // ---- and into the archive ----
  const QString archived = Data(QStringLiteral("CamArch/") + kCameraArticle + QStringLiteral(".kry"));
  host_.AnswerFile(archived);
  Choose(frame, Cmd::kAddToArchive);
  EXPECT_EQ(host_.suggestedFiles.value(1), archived);
  EXPECT_TRUE(host_.DialogsDone());
  EXPECT_TRUE(messages_.Empty());

  // ---- the file: texts, the three edits, scale, origin, end marker ----
  const CPixelMapping& mapping = view.Mapping();
  int32_t scaleWords[2];
  const double scale = mapping.Scale();
  std::memcpy(scaleWords, &scale, sizeof scale);
  const std::string expected = Text(kCameraArticle) + Text(QString()) + Record(kOpCreateCamera, {2920, 1920, 2040, 80}) +
                               Record(kOpFillAllWalls, {}) + Record(kOpPanelDoor, {0, 1, kSwingDoorBlock, 1, 0}) +
                               Record(kOpScale, {scaleWords[0], scaleWords[1]}) +
                               Record(kOpOrigin, {mapping.OriginX(), mapping.OriginY()}) + Word(kEndOfCameraFile);
  EXPECT_EQ(ReadFileBytes(saved.toStdString()), expected);
  EXPECT_EQ(ReadFileBytes(archived.toStdString()), expected);

  // ---- the workbook, as a spreadsheet program reads it ----
  bool available = false;
  std::string problem;
  const QJsonObject book = ReadXlsxBack(Data(QStringLiteral("Reports/") + reports[0]).toStdString(), available, problem);
  if (available) {
    ASSERT_TRUE(problem.empty()) << problem;
    const QJsonObject cells = book.value(QStringLiteral("cells")).toObject();
    const auto text = [&](const QString& address) {
      return cells.value(address).toObject().value(QStringLiteral("value")).toVariant().toString();
    };
    EXPECT_TRUE(text(QStringLiteral("B4")).endsWith(QStringLiteral("(3000 x 2000 x 2200)"))) << text(QStringLiteral("B4")).toStdString();
    // The door has a row of its own; the total is a number in the roubles
    // of the price table, with no currency note beside it.
    QStringList names;
    double total = -1;
    for (auto it = cells.begin(); it != cells.end(); ++it) {
      const QString value = it.value().toObject().value(QStringLiteral("value")).toVariant().toString();
      if (it.key().startsWith(QLatin1Char('B'))) names << value;
      if (value == QStringLiteral("Итого:")) {
        const int row = it.key().mid(1).toInt();
        total = cells.value(QStringLiteral("G%1").arg(row)).toObject().value(QStringLiteral("value")).toDouble(-1);
        EXPECT_TRUE(text(QStringLiteral("H%1").arg(row + 1)).isEmpty());
      }
    }
    EXPECT_TRUE(names.contains(QStringLiteral("Дверной блок №1"))) << names.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(names.contains(QStringLiteral("Двери и проемы: нет")));
    EXPECT_GT(total, 0);

    // zamo-cli prices the saved file to the same total.
    QProcess cli;
    cli.start(QStringLiteral(ZAMO_BINARY_DIR "/bin/zamo-cli"),
              {QStringLiteral("report"), saved, QStringLiteral("-o"), Data(QStringLiteral("cli.xlsx")),
               QStringLiteral("--profile"), QStringLiteral("0"), QStringLiteral("--data-dir=") + data_.QPath()});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QJsonObject again = ReadXlsxBack(Data(QStringLiteral("cli.xlsx")).toStdString(), available, problem);
    const QJsonObject againCells = again.value(QStringLiteral("cells")).toObject();
    double cliTotal = -2;
    for (auto it = againCells.begin(); it != againCells.end(); ++it)
      if (it.value().toObject().value(QStringLiteral("value")).toString() == QStringLiteral("Итого:"))
        cliTotal = againCells.value(QStringLiteral("G") + it.key().mid(1)).toObject().value(QStringLiteral("value")).toDouble();
    EXPECT_EQ(cliTotal, total);
  } else {
    std::fprintf(stderr, "no openpyxl: the workbook's contents are not read back\n");
  }

  // ---- the archive lists the camera beside the shipped ones ----
  QStringList row;
  int rows = 0;
  host_.OnDialog([&](QDialog& dialog) {
    const auto* list = Control<QTreeWidget>(dialog, Ctl::Archive::kList);
    rows = list->topLevelItemCount();
    for (int r = 0; r < rows; ++r) {
      const QTreeWidgetItem* item = list->topLevelItem(r);
      if (item->text(3) != kCameraArticle) continue;
      for (int c = 0; c < item->columnCount(); ++c) row << item->text(c);
    }
    ClickControl(dialog, Ctl::kCancel);
  });
  Choose(frame, Cmd::kLoadFromArchive);
  EXPECT_EQ(rows, QDir(Data(QStringLiteral("CamArch"))).entryList({QStringLiteral("*.kry")}, QDir::Files).size());
  EXPECT_EQ(row.join(QLatin1Char('|')).toStdString(), "3000 X 2000 X 2200|80|Да|КХ-3020Д|");
  EXPECT_TRUE(messages_.Empty());
  EXPECT_EQ(frame.Children().size(), 1);
}

TEST_F(TypicalRequestTest, EachCameraFileOnTheCommandLineOpensInAWindowOfItsOwn) {
  const QStringList files{Data(QStringLiteral("CamArch/kh-2020.kry")), Data(QStringLiteral("CamArch/kh-g4030.kry")),
                          Data(QStringLiteral("CamArch/kn-4030.kry"))};
  CZamoApp app({QStringLiteral("Quotix"), files, false});
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(host_.dialogsRun.isEmpty());
  EXPECT_TRUE(messages_.Empty());
  QStringList titles;
  for (const CChildFrame* child : app.MainFrame()->Children()) titles << child->View()->Title();
  EXPECT_EQ(titles, (QStringList{QStringLiteral("КХ-2020"), QStringLiteral("КХ-Г4030"), QStringLiteral("КН-4030")}));
}

}  // namespace
