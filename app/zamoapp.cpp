#include "zamoapp.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "aboutdlg.h"
#include "appicons.h"
#include "childframe.h"
#include "dialoghost.h"
#include "languageentries.h"
#include "mainframe.h"
#include "messages.h"
#include "programservices.h"
#include "settings.h"
#include "startscreenhooks.h"

namespace {

// Exit codes of a start-up that ends the program.
constexpr int kExitChosen = 0;         // the start screen's exit button
constexpr int kExitNoPricingModule = 1;

// Reports the start screen's first paint and closes it: how the start-up
// benchmark knows when the program became usable.
class CStartupProbe : public QObject {
 public:
  explicit CStartupProbe(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      std::fputs("zamo: start screen shown\n", stdout);
      std::fflush(stdout);
      QTimer::singleShot(0, dialog_, &QDialog::reject);
    }
    return false;
  }

 private:
  QDialog* dialog_;
  bool reported_ = false;
};

}  // namespace

CZamoApp::CZamoApp(Options options) : options_(std::move(options)) {}

CZamoApp::~CZamoApp() {
  // Camera windows go before the pricing library they may have used.
  frame_.reset();
  Program().pricing = nullptr;
}

bool CZamoApp::InitInstance() {
  frame_ = std::make_unique<CMainFrame>();  // with its menus, the camera menu translated
  connect(frame_.get(), &CMainFrame::QuitRequested, this,
          [](int code) { QMetaObject::invokeMethod(qApp, [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection); });

  if (!BindPricingModule()) {
    ShowMessage(Lang::kPricingModuleMissing, Lang::kPricingModuleMissing);
    exitCode_ = kExitNoPricingModule;
    return false;
  }
  WriteVersionValue(QStringLiteral("zamo"), CAboutDlg::VersionText());
  QApplication::setWindowIcon(ProgramIcon());
  Program().pricing = &pricing_;
  Program().priceBlock = ZamoPriceBlock{};

  if (options_.files.isEmpty()) return RunStartScreen();
  ShowMainWindow();
  for (const QString& file : std::as_const(options_.files)) frame_->OpenCamera(file, false);
  return true;
}

bool CZamoApp::BindPricingModule() {
  QString folder;
  if (!ReadQuotixFolder(folder)) {
    WriteQuotixFolderDefault();
    ReadQuotixFolder(folder);
  }
  return pricing_.Load(options_.pricingModule, folder);
}

void CZamoApp::ShowMainWindow() {
  // Maximised by the window manager where there is one; the screen's
  // working area where there is none.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) frame_->setGeometry(screen->availableGeometry());
  frame_->showMaximized();
}

bool CZamoApp::RunStartScreen() {
  InstallStartScreenHooks(startScreen_, [this](int command) { frame_->Dispatch(command); });
  if (options_.startupProbe) startScreen_.installEventFilter(new CStartupProbe(&startScreen_));
  if (DialogHost().Run(startScreen_) != QDialog::Accepted) {
    exitCode_ = kExitChosen;
    return false;
  }
  // The main window comes up before the first camera's dialog, so that the
  // dialog stands over it rather than over an empty screen.
  ShowMainWindow();
  if (startScreen_.Mode() == CKryvelStartDlg::kModeNewCamera) {
    frame_->NewCamera();
  } else if (startScreen_.Mode() == CKryvelStartDlg::kModeOpenFile) {
    frame_->OpenCamera(startScreen_.Path(), true);
  }
  return true;
}
