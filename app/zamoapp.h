#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "kryvelstartdlg.h"
#include "pluginlibrary.h"

class CMainFrame;

// The program: builds the main window, binds the pricing library for the
// whole run, shows the start screen and opens the first camera window from
// its answer. One per process; main() makes it after the QApplication.
class CZamoApp : public QObject {
  Q_OBJECT

 public:
  struct Options {
    // Base name of the pricing library.
    QString pricingModule = QStringLiteral("Quotix");
    // Camera files to open instead of showing the start screen.
    QStringList files;
    // Stop right after the start screen was first painted: print a line
    // on stdout and end (the start-up benchmark).
    bool startupProbe = false;
  };

  explicit CZamoApp(Options options);
  ~CZamoApp() override;

  // The start-up steps. True: run the event loop. False: end the program
  // now with ExitCode().
  bool InitInstance();
  int ExitCode() const { return exitCode_; }

  CMainFrame* MainFrame() const { return frame_.get(); }
  CKryvelStartDlg& StartScreen() { return startScreen_; }
  CPluginLibrary& PricingModule() { return pricing_; }

 private:
  bool BindPricingModule();
  bool RunStartScreen();
  void ShowMainWindow();

  Options options_;
  std::unique_ptr<CMainFrame> frame_;
  CKryvelStartDlg startScreen_;
  CPluginLibrary pricing_;
  int exitCode_ = 0;
};
