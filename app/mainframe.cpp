#include "mainframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <optional>

#include "aboutdlg.h"
#include "appicons.h"
#include "archivecommands.h"
#include "childframe.h"
#include "childview.h"
#include "commandids.h"
#include "commandmenus.h"
#include "dialoghost.h"
#include "editopnames.h"
#include "filecommands.h"
#include "languageentries.h"
#include "messages.h"
#include "newcameradlg.h"
#include "recentfilesmenu.h"
#include "planstatus.h"
#include "settings.h"
#include "settingsdlg.h"
#include "translatemenu.h"
#include "updatecheck.h"
#include "updatehandover.h"

namespace {

// The gap between minimised camera windows lined up along the bottom.
constexpr int kIconGap = 4;

std::optional<ViewMode> ModeOf(int command) {
  switch (command) {
    case Cmd::kCornerMode: return ViewMode::kCorner;
    case Cmd::kMoveWallMode: return ViewMode::kMoveWall;
    case Cmd::kPartitionMode: return ViewMode::kPartition;
    default: return std::nullopt;
  }
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Zamo"));
  setWindowIcon(ProgramIcon());
  updateFolder_ = QCoreApplication::applicationDirPath();
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

  RegisterFrameCommands();
  BuildMenus();
  BuildToolBar();
  BuildShortcuts();
  BuildStatusBar();
  ShowMenu(false);
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
  // The camera windows go with the MDI area after this object has stopped
  // being a main frame: nothing of theirs may call back into it.
  mdi_->disconnect(this);
  for (CChildFrame* child : Children()) {
    child->disconnect(this);
    child->View()->disconnect(this);
  }
}

// ---- commands ---------------------------------------------------------------

void CMainFrame::RegisterFrameCommands() {
  using namespace Cmd;
  frameCommands_[kNewCamera] = [this] { NewCamera(); };
  frameCommands_[kExit] = [this] { Exit(); };
  frameCommands_[kAbout] = [this] {
    CAboutDlg about(this);
    DialogHost().Run(about);
  };
  frameCommands_[kUpdateProgram] = [this] { UpdateProgram(); };
  // With no camera window open, a camera from the archive opens in a new
  // one (a camera window loads it into itself).
  frameCommands_[kLoadFromArchive] = [this] {
    const QString path = ChooseArchiveCamera(this);
    if (!path.isEmpty()) OpenCamera(path, false);
  };
  frameCommands_[kLoadCamera] = [this] {
    const QString path = ChooseCameraFile(this);
    if (!path.isEmpty()) OpenCamera(path, false);
  };
  frameCommands_[kSettings] = [this] {
    CSettingsDlg settings(this);
    DialogHost().Run(settings);
  };
  frameCommands_[kLanguageFirst] = [this] { ChooseLanguage(0); };
  frameCommands_[kLanguageSecond] = [this] { ChooseLanguage(1); };
  frameCommands_[kToolbar] = [this] { toolBar_->setVisible(!toolBar_->isVisible()); };
  frameCommands_[kStatusBar] = [this] { statusBar()->setVisible(!statusBar()->isVisible()); };
  frameCommands_[kCascade] = [this] { mdi_->cascadeSubWindows(); };
  frameCommands_[kTile] = [this] {
    mdi_->tileSubWindows();
    // Each tile shows its whole plan.
    for (CChildFrame* child : Children()) child->View()->FitToWindow();
  };
  frameCommands_[kArrangeIcons] = [this] { ArrangeIcons(); };
}

namespace {

// Camera window commands that need no camera: with no camera window open
// they run on a window of their own that is never shown.
bool NeedsNoCamera(int command) {
  using namespace Cmd;
  return command == kPriceSettings || command == kMaterials || command == kPriceList80 ||
         command == kPriceList100;
}

}  // namespace

bool CMainFrame::CanDispatch(int command) const {
  if (ActiveView() && CChildView::HasCommand(command)) return true;
  if (NeedsNoCamera(command)) return true;
  // Closing needs a camera window to close.
  if (command == Cmd::kCloseCamera) return ActiveChild() != nullptr;
  return frameCommands_.count(command) != 0;
}

bool CMainFrame::Dispatch(int command) {
  bool handled = false;
  if (CChildView* view = ActiveView(); view && CChildView::HasCommand(command)) {
    handled = view->RunCommand(command);
  } else if (NeedsNoCamera(command)) {
    if (!spareView_) {
      spareView_ = new CChildView(this);
      spareView_->hide();
    }
    handled = spareView_->RunCommand(command);
  } else if (command == Cmd::kCloseCamera) {
    if (CChildFrame* child = ActiveChild()) {
      child->close();
      handled = true;
    }
  } else if (const auto it = frameCommands_.find(command); it != frameCommands_.end()) {
    it->second();
    handled = true;
  }
  UpdateCommandStates();
  UpdateStatus();
  return handled;
}

QAction* CMainFrame::Track(QAction* action) {
  const int command = action->data().toInt();
  actions_.insert({command, action});
  connect(action, &QAction::triggered, this, [this, command] { Dispatch(command); });
  return action;
}

QList<QAction*> CMainFrame::Actions(int command) const {
  QList<QAction*> found;
  const auto [from, to] = actions_.equal_range(command);
  for (auto it = from; it != to; ++it) found << it->second;
  return found;
}

void CMainFrame::UpdateCommandStates() {
  const CChildView* view = ActiveView();
  for (const auto& [command, action] : actions_) {
    bool enabled = CanDispatch(command);
    if (command == Cmd::kUndo) enabled = enabled && view->Document().CanUndoEdit();
    if (command == Cmd::kRedo) enabled = enabled && view->Document().CanRedo();
    action->setEnabled(enabled);
    if (command == Cmd::kUndo || command == Cmd::kRedo) NameUndoItem(action, command, view);
    if (command == Cmd::kLanguageFirst || command == Cmd::kLanguageSecond)
      action->setChecked(InterfaceLanguage() == (command == Cmd::kLanguageFirst ? 0 : 1));
    if (const std::optional<ViewMode> mode = ModeOf(command)) {
      // The mode buttons stay down while their mode is on.
      action->setCheckable(true);
      action->setChecked(view && view->IsModeOn(*mode));
    }
    if (command == Cmd::kToolbar) action->setChecked(toolBar_ && !toolBar_->isHidden());
    if (command == Cmd::kStatusBar) action->setChecked(!statusBar()->isHidden());
    if (command == Cmd::kInsideDimensions) action->setChecked(InsideDimensionsShown());
  }
}

void CMainFrame::NameUndoItem(QAction* action, int command, const CChildView* view) {
  // The item names the edit it would take back or put back.
  const bool undo = command == Cmd::kUndo;
  std::optional<int32_t> op;
  if (view) op = undo ? view->Document().UndoEditOp() : view->Document().RedoEditOp();
  const int name = op ? EditOpNameEntry(*op) : 0;
  const QString text = name != 0 ? UiText(undo ? Lang::kMenuUndoNamed : Lang::kMenuRedoNamed).arg(UiText(name))
                                 : UiText(undo ? Lang::kMenuUndo : Lang::kMenuRedo);
  if (action->parent() == toolBar_) {
    action->setToolTip(text);
  } else {
    action->setText(text);
  }
  action->setStatusTip(text);
}

void CMainFrame::ChooseLanguage(int language) {
  if (language == InterfaceLanguage()) return;
  SetInterfaceLanguage(language);
  ShowMessage(Lang::kLanguageAfterRestart, Lang::kMenuLanguageTitle, MessageButtons::Ok, this);
}

// ---- menus, toolbar, shortcuts, status bar ---------------------------------------

namespace {

// A menu item's text as a tip: without its mnemonic mark and its key.
QString TipOf(const QAction* action) {
  QString text = action->text().section(QLatin1Char('\t'), 0, 0);
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return text.trimmed();
}

}  // namespace

void CMainFrame::BuildMenus() {
  using namespace Cmd;
  const auto item = [this](QMenu* menu, int command, int entry, const QKeySequence& key = QKeySequence()) {
    QAction* action = Track(AddCommandItem(*menu, command, UiText(entry)));
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
  };
  const auto toggle = [&](QMenu* menu, int command, int entry) {
    QAction* action = item(menu, command, entry);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
  };
  // The items both menus have. Open and New work with no camera window:
  // the main window opens one.
  const auto newCamera = [&](QMenu* file) {
    QAction* action = item(file, kNewCamera, Lang::kKeyedMenuNewCamera);
    action->setText(action->text() + QStringLiteral("\tCtrl+N"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  };
  const auto openItems = [&](QMenu* file) {
    item(file, kLoadCamera, Lang::kMenuLoadCamera, QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* recent = file->addMenu(UiText(Lang::kMenuRecentFiles));
    recentMenus_ << recent;
    connect(recent, &QMenu::aboutToShow, this, &CMainFrame::RefreshRecentFiles);
  };
  const auto archiveMenu = [&](QMenu* bar) {
    QMenu* archive = bar->addMenu(UiText(Lang::kMenuArchiveTitle));
    item(archive, kAddToArchive, Lang::kMenuAddToArchive);
    item(archive, kLoadFromArchive, Lang::kMenuLoadFromArchive);
    return archive;
  };
  const auto pricesMenu = [&](QMenu* bar) {
    QMenu* prices = bar->addMenu(UiText(Lang::kMenuPricesTitle));
    item(prices, kCameraPrice, Lang::kMenuCameraPrice, QKeySequence(Qt::Key_F9));
    prices->addSeparator();
    item(prices, kPriceSettings, Lang::kMenuPricesSettings);
    item(prices, kMaterials, Lang::kMenuMaterials);
    item(prices, kPriceList80, Lang::kMenuPriceList80);
    item(prices, kPriceList100, Lang::kMenuPriceList100);
  };
  const auto serviceMenu = [&](QMenu* bar) {
    QMenu* service = bar->addMenu(UiText(Lang::kMenuServiceTitle));
    item(service, kSettings, Lang::kMenuSettings);
    QMenu* language = service->addMenu(UiText(Lang::kMenuLanguageTitle));
    for (const int command : {kLanguageFirst, kLanguageSecond}) {
      QAction* choice = item(language, command, command == kLanguageFirst ? Lang::kLanguageFirstName
                                                                          : Lang::kLanguageSecondName);
      choice->setCheckable(true);
    }
  };
  const auto helpMenu = [&](QMenu* bar) {
    QMenu* help = bar->addMenu(UiText(Lang::kKeyedMenuHelp));
    item(help, kAbout, Lang::kKeyedMenuAbout);
    item(help, kUpdateProgram, Lang::kMenuUpdateProgram);
  };

  // The main menu keeps its own texts.
  mainMenu_ = new QMenu(this);
  mainMenu_->setObjectName(QString::number(MenuId::kMain));
  QMenu* file = mainMenu_->addMenu(UiText(Lang::kKeyedMenuFile));
  newCamera(file);
  openItems(file);
  file->addSeparator();
  item(file, kCloseCamera, Lang::kKeyedMenuCloseCamera);
  item(file, kExit, Lang::kMenuExit);
  item(file, kMakePriceList, Lang::kMenuMakePriceList);
  archiveMenu(mainMenu_);
  QMenu* view = mainMenu_->addMenu(UiText(Lang::kKeyedMenuView));
  toggle(view, kToolbar, Lang::kKeyedMenuToolbar);
  toggle(view, kStatusBar, Lang::kKeyedMenuStatusBar);
  pricesMenu(mainMenu_);
  serviceMenu(mainMenu_);
  helpMenu(mainMenu_);

  // The camera menu, translated. Its shortcuts are the camera windows'.
  cameraMenu_ = new QMenu(this);
  cameraMenu_->setObjectName(QString::number(MenuId::kCamera));
  file = cameraMenu_->addMenu(UiText(Lang::kKeyedMenuFile));
  newCamera(file);
  item(file, kSaveCamera, Lang::kMenuSaveCamera, QKeySequence(Qt::CTRL | Qt::Key_S));
  item(file, kSaveCameraAs, Lang::kMenuSaveCameraAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  openItems(file);
  item(file, kCloseCamera, Lang::kKeyedMenuCloseCamera);
  file->addSeparator();
  item(file, kExportCamera, Lang::kMenuExportCamera);
  item(file, kExportPdf, Lang::kMenuExportPdf);
  item(file, kPrintPreview, Lang::kMenuPrintPreview);
  file->addSeparator();
  item(file, kExit, Lang::kMenuExit);
  QMenu* edit = cameraMenu_->addMenu(UiText(Lang::kMenuEditTitle));
  item(edit, kUndo, Lang::kMenuUndo, QKeySequence(Qt::CTRL | Qt::Key_Z));
  item(edit, kRedo, Lang::kMenuRedo)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  item(edit, kDeleteSelection, Lang::kMenuDeleteSelected, QKeySequence(QKeySequence::Delete));
  item(edit, kFillAllObjects, Lang::kMenuFillAllObjects);
  view = cameraMenu_->addMenu(UiText(Lang::kMenuViewTitle));
  toggle(view, kToolbar, Lang::kMenuToolbar);
  toggle(view, kStatusBar, Lang::kMenuStatusBar);
  view->addSeparator();
  item(view, kFitToWindow, Lang::kMenuFitToWindow, QKeySequence(Qt::Key_F));
  toggle(view, kInsideDimensions, Lang::kMenuInsideDimensions);
  item(view, k3dView, Lang::k3dView);
  item(archiveMenu(cameraMenu_), kSendCamera, Lang::kMenuSend);
  pricesMenu(cameraMenu_);
  serviceMenu(cameraMenu_);
  windowMenu_ = cameraMenu_->addMenu(UiText(Lang::kKeyedMenuWindow));
  item(windowMenu_, kCascade, Lang::kKeyedMenuCascade);
  item(windowMenu_, kTile, Lang::kKeyedMenuTile);
  item(windowMenu_, kArrangeIcons, Lang::kKeyedMenuArrangeIcons);
  connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::RefreshWindowList);
  helpMenu(cameraMenu_);
  TranslateMenu(cameraMenu_);

  // Every item says in the status bar what it does, in the interface
  // language.
  for (const auto& [command, action] : actions_) action->setStatusTip(TipOf(action));
  RefreshRecentFiles();
}

void CMainFrame::BuildToolBar() {
  using namespace Cmd;
  toolBar_ = addToolBar(UiText(Lang::kMenuToolbar));
  toolBar_->setObjectName(QString::number(MenuId::kMain));
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(24, 24));
  const auto button = [this](int command, int tipEntry) {
    auto* action = new QAction(ToolbarIcon(command), QString(), toolBar_);
    action->setData(command);
    action->setObjectName(QString::number(command));
    action->setToolTip(UiText(tipEntry));
    action->setStatusTip(UiText(tipEntry));
    toolBar_->addAction(action);
    return Track(action);
  };
  button(kNewCamera, Lang::kMenuNewCamera);
  toolBar_->addSeparator();
  button(kCornerMode, Lang::kToolCornerMode);
  button(kMoveWallMode, Lang::kToolMoveWallMode);
  button(kPartitionMode, Lang::kToolPartitionMode);
  button(kUndo, Lang::kMenuUndo);
  button(kRedo, Lang::kMenuRedo);
  button(kCameraPrice, Lang::kMenuCameraPrice);
  button(kPrintCamera, Lang::kToolPrintCamera);
  button(k3dView, Lang::k3dView);
}

void CMainFrame::BuildShortcuts() {
  // Print lives on the toolbar, which can be hidden: its key belongs to the
  // window.
  auto* action = new QAction(this);
  action->setData(Cmd::kPrintCamera);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  addAction(action);
  Track(action);
}

void CMainFrame::RefreshRecentFiles() {
  for (QMenu* menu : std::as_const(recentMenus_)) {
    menu->clear();
    if (AddRecentFileItems(*menu, [this](const QString& path) { OpenRecentFile(path); }) == 0)
      menu->addAction(UiText(Lang::kMenuRecentEmpty))->setEnabled(false);
  }
}

void CMainFrame::OpenRecentFile(const QString& path) {
  // A camera already open is brought forward rather than opened twice.
  for (CChildFrame* child : Children()) {
    if (child->View()->FilePath() == path) {
      mdi_->setActiveSubWindow(child);
      return;
    }
  }
  OpenCamera(path, false);
}

void CMainFrame::RefreshWindowList() {
  for (QAction* action : windowMenu_->actions())
    if (action->property("zamoWindowItem").toBool()) delete action;
  const QList<CChildFrame*> children = Children();
  if (!children.isEmpty()) windowMenu_->addSeparator()->setProperty("zamoWindowItem", true);
  for (qsizetype i = 0; i < children.size(); ++i) {
    CChildFrame* child = children[i];
    QAction* action =
        windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(child->View()->Title()));
    action->setProperty("zamoWindowItem", true);
    action->setCheckable(true);
    action->setChecked(child == ActiveChild());
    action->setStatusTip(TipOf(action));
    QPointer<CChildFrame> target = child;
    connect(action, &QAction::triggered, this, [this, target] {
      if (target) mdi_->setActiveSubWindow(target);
    });
  }
}

void CMainFrame::BuildStatusBar() {
  positionLabel_ = new QLabel(this);
  positionLabel_->setMinimumWidth(200);
  selectionLabel_ = new QLabel(this);
  selectionLabel_->setMinimumWidth(260);
  statusBar()->addPermanentWidget(selectionLabel_);
  statusBar()->addPermanentWidget(positionLabel_);
}

void CMainFrame::ShowMenu(bool cameraActive) {
  if (cameraActive == cameraMenuShown_ && !menuBar()->actions().isEmpty()) return;
  cameraMenuShown_ = cameraActive;
  menuBar()->clear();
  for (QAction* popup : (cameraActive ? cameraMenu_ : mainMenu_)->actions()) menuBar()->addAction(popup);
}

// ---- camera windows ---------------------------------------------------------

CChildFrame* CMainFrame::ActiveChild() const { return qobject_cast<CChildFrame*>(mdi_->currentSubWindow()); }

CChildView* CMainFrame::ActiveView() const {
  const CChildFrame* child = ActiveChild();
  return child ? child->View() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const {
  QList<CChildFrame*> children;
  for (QMdiSubWindow* window : mdi_->subWindowList())
    if (auto* child = qobject_cast<CChildFrame*>(window)) children << child;
  return children;
}

CChildFrame* CMainFrame::NewCameraWindow() {
  auto* child = new CChildFrame;
  mdi_->addSubWindow(child);
  CChildView* view = child->View();
  view->SetCommandDispatch([this](int command) { Dispatch(command); });
  connect(view, &CChildView::Changed, this, [this, child] {
    if (child != ActiveChild()) return;
    UpdateCommandStates();
    UpdateStatus();
  });
  connect(view, &CChildView::PositionChanged, this, [this, child](const QString& text) {
    if (child == ActiveChild()) positionLabel_->setText(text);
  });
  // A closed window leaves the menus to whatever is active then.
  connect(child, &QObject::destroyed, this, [this] {
    QTimer::singleShot(0, this, [this] { OnSubWindowActivated(mdi_->currentSubWindow()); });
  });
  child->showMaximized();
  mdi_->setActiveSubWindow(child);
  OnSubWindowActivated(child);
  return child;
}

void CMainFrame::NewCamera() {
  QPointer<CChildFrame> child = NewCameraWindow();
  CNewCameraDlg dialog(this);
  if (DialogHost().Run(dialog) != QDialog::Accepted || !child) return;
  child->View()->CreateCamera(dialog.Article(), dialog.Description(), dialog.InnerLength(), dialog.InnerWidth(),
                              dialog.InnerHeight(), dialog.Thickness(), dialog.NoFloor(), dialog.GeometryLocked());
}

CChildFrame* CMainFrame::OpenCamera(const QString& path, bool keepWindowOnFailure) {
  CChildFrame* child = NewCameraWindow();
  if (child->View()->OpenFile(path) || keepWindowOnFailure) return child;
  child->SetCloseConfirmed(true);
  child->close();
  return nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*) {
  ShowMenu(ActiveChild() != nullptr);
  UpdateCommandStates();
  UpdateStatus();
}

void CMainFrame::UpdateStatus() {
  // The window's title is left to the MDI area, which adds a maximised
  // camera window's title to it.
  const CChildFrame* child = ActiveChild();
  if (!child) {
    selectionLabel_->clear();
    positionLabel_->clear();
    return;
  }
  selectionLabel_->setText(child->View()->SelectionText());
}

void CMainFrame::ArrangeIcons() {
  // Minimised camera windows in a row along the bottom edge.
  int x = 0;
  for (CChildFrame* child : Children()) {
    if (!child->isMinimized()) continue;
    child->move(x, mdi_->viewport()->height() - child->height());
    x += child->width() + kIconGap;
  }
}

// ---- quitting -------------------------------------------------------------------

bool CMainFrame::SaveAllModified() {
  for (CChildFrame* child : Children()) {
    if (!child->View()->Document().IsModified()) continue;
    mdi_->setActiveSubWindow(child);
    if (!child->View()->MaySave()) return false;
  }
  return true;
}

void CMainFrame::CloseAllConfirmed() {
  for (CChildFrame* child : Children()) child->SetCloseConfirmed(true);
  mdi_->closeAllSubWindows();
}

void CMainFrame::Exit() { close(); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!SaveAllModified()) {
    event->ignore();
    return;
  }
  CloseAllConfirmed();
  event->accept();
  Q_EMIT QuitRequested(0);
}

void CMainFrame::UpdateProgram() {
  // Nothing is closed before the host has said there is something newer
  // and the user wants it. The updater replaces the program's files:
  // unsaved cameras are asked about next, and Cancel keeps everything
  // running.
  if (!ConfirmUpdate(this, updateFolder_)) return;
  if (!SaveAllModified()) return;
  if (StartUpdater() == UpdaterStart::kNotAttempted) return;
  CloseAllConfirmed();
  hide();
  Q_EMIT QuitRequested(0);
}
