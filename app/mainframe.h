#pragma once

#include <QList>
#include <QMainWindow>

#include <functional>
#include <map>

class CChildFrame;
class CChildView;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: camera windows in an MDI area, the menu bar (the main
// menu 128 while no camera window is active, the camera menu 129 while one
// is), toolbar 128 and the status bar. Open, New, the prices and the archive
// work with or without a camera window.
//
// Every command, from a menu, the toolbar, a shortcut or a camera window's
// context menu, goes through Dispatch: the active camera window first
// (its command table), then the main window's own commands (new camera,
// close, exit, about, update, toolbar and status bar, window arrangement).
// A menu item is enabled when Dispatch would reach a handler for it.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Runs command `command`; false when nothing handles it here and now.
  bool Dispatch(int command);
  bool CanDispatch(int command) const;

  // A new, empty camera window, shown maximised and active.
  CChildFrame* NewCameraWindow();
  // The new camera command: a camera window, then the new camera dialog;
  // on OK the camera is created in it (on Cancel the empty window stays).
  void NewCamera();
  // A camera window with the camera file at `path`. On failure the user is
  // told; the window stays open (empty) when `keepWindowOnFailure`.
  CChildFrame* OpenCamera(const QString& path, bool keepWindowOnFailure);

  CChildFrame* ActiveChild() const;
  CChildView* ActiveView() const;
  QList<CChildFrame*> Children() const;
  QMdiArea* MdiArea() const { return mdi_; }

  // Asks about every camera with unsaved changes (Yes / No / Cancel). False
  // when the user cancelled or a save did not happen; nothing is closed.
  bool SaveAllModified();

  // The two menus (their pop-ups are what the menu bar shows) and the
  // toolbar, for the program and for tests.
  QMenu* MainMenu() const { return mainMenu_; }
  QMenu* CameraMenu() const { return cameraMenu_; }
  QToolBar* ToolBar() const { return toolBar_; }
  // The items of `command` in the menus, the toolbar and the shortcuts.
  QList<QAction*> Actions(int command) const;
  // The folder the update replaces files in (the program's own).
  void SetUpdateFolder(const QString& folder) { updateFolder_ = folder; }

  // The recent files sub-menus of both File menus, and the Window menu
  // (which lists the camera windows when it opens).
  QList<QMenu*> RecentMenus() const { return recentMenus_; }
  QMenu* WindowMenu() const { return windowMenu_; }
  // Fills the recent files sub-menus from the settings.
  void RefreshRecentFiles();

 Q_SIGNALS:
  // The program should end with `exitCode` (exit, or the update hand-over).
  void QuitRequested(int exitCode);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildShortcuts();
  void BuildStatusBar();
  void RegisterFrameCommands();
  QAction* Track(QAction* action);
  void OnSubWindowActivated(QMdiSubWindow* window);
  void ShowMenu(bool cameraActive);
  void UpdateCommandStates();
  void UpdateStatus();
  void ArrangeIcons();
  void RefreshWindowList();
  void OpenRecentFile(const QString& path);
  void NameUndoItem(QAction* action, int command, const CChildView* view);
  void ChooseLanguage(int language);
  void Exit();
  void UpdateProgram();
  void CloseAllConfirmed();

  QMdiArea* mdi_;
  QMenu* mainMenu_;
  QMenu* cameraMenu_;
  QToolBar* toolBar_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QList<QMenu*> recentMenus_;
  CChildView* spareView_ = nullptr;
  QString updateFolder_;
  QLabel* positionLabel_ = nullptr;
  QLabel* selectionLabel_ = nullptr;
  bool cameraMenuShown_ = false;
  std::map<int, std::function<void()>> frameCommands_;
  std::multimap<int, QAction*> actions_;
};
