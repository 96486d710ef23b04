// Every dialog shows its whole texts with the shipped language file: no
// label, button or group title is cut. With ZAMO_DIALOG_SHOTS=<folder> in
// the environment each dialog is also saved there as a picture to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>

#include <functional>
#include <memory>

#include "aboutdlg.h"
#include "dialogtestutil.h"
#include "exceloutputdlg.h"
#include "kryvelstartdlg.h"
#include "modifynonstanddlg.h"
#include "movewcdlg.h"
#include "newcameradlg.h"
#include "newcontrolpointdlg.h"
#include "printdlg2.h"
#include "proemheightdlg.h"
#include "setintwalllength.h"

namespace {

struct Shot {
  const char* name;
  std::function<std::unique_ptr<QDialog>()> make;
};

void ExpectNothingCut(const QWidget& dialog, const char* name) {
  for (const QWidget* child : dialog.findChildren<QWidget*>()) {
    if (!child->isVisible()) continue;
    const auto* label = qobject_cast<const QLabel*>(child);
    if (label && (label->wordWrap() || label->text().isEmpty())) continue;
    if (label || qobject_cast<const QAbstractButton*>(child) || qobject_cast<const QGroupBox*>(child)) {
      EXPECT_GE(child->width(), child->minimumSizeHint().width())
          << name << ": control " << child->objectName().toStdString() << " is cut";
    }
  }
}

TEST(DialogLook, NoTextIsCut) {
  LoadShippedLanguage();
  const Shot shots[] = {
      {"newcamera", [] { return std::make_unique<CNewCameraDlg>(); }},
      {"newcontrolpoint",
       [] {
         auto d = std::make_unique<CNewControlPointDlg>();
         d->SetWallOrientation(0);
         return d;
       }},
      {"movewall", [] { return std::make_unique<CMoveWCDlg>(); }},
      {"partitionlength",
       [] {
         auto d = std::make_unique<CSetIntWallLength>();
         d->SetLength(2500);
         return d;
       }},
      {"openingheight", [] { return std::make_unique<CProemHeightDlg>(); }},
      {"nonstandard",
       [] {
         auto d = std::make_unique<CModifyNonStandDlg>();
         d->SetLength(1350);
         return d;
       }},
      {"exceloutput",
       [] {
         auto d = std::make_unique<CExcelOutputDlg>();
         d->SetProfileNames(std::vector<std::string>{"Стандартный профиль", "Пищевая нержавейка"});
         return d;
       }},
      {"exceloutput-empty", [] { return std::make_unique<CExcelOutputDlg>(); }},
      {"printsettings",
       [] {
         auto d = std::make_unique<PrintDlg2>();
         d->Set(PrintSettings{});
         return d;
       }},
      {"about", [] { return std::make_unique<CAboutDlg>(); }},
      {"startscreen", [] { return std::make_unique<CKryvelStartDlg>(); }},
  };
  const QString folder = qEnvironmentVariable("ZAMO_DIALOG_SHOTS");
  if (!folder.isEmpty()) QDir().mkpath(folder);
  for (const Shot& shot : shots) {
    std::unique_ptr<QDialog> dialog = shot.make();
    dialog->show();
    ExpectNothingCut(*dialog, shot.name);
    const QPixmap picture = dialog->grab();
    EXPECT_FALSE(picture.isNull()) << shot.name;
    if (!folder.isEmpty()) picture.save(QDir(folder).filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png")));
  }
}

TEST(DialogLook, AboutBoxNamesTheProgramAndItsVersion) {
  LoadShippedLanguage();
  CAboutDlg about;
  about.show();
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Zamo")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Версия 1.0.0.5")));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
}

}  // namespace
