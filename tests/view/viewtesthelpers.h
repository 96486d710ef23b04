#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

#include "dialoghost.h"
#include "geometry.h"

class CChildView;

// Stands in for the user at every dialog, file choice, print dialog and
// pop-up menu of the camera window while it lives. Dialogs are shown (so
// that they set themselves up as on the screen), handed to the next
// script, and rejected if the script left them open.
class CScriptedHost : public CDialogHost {
 public:
  using DialogScript = std::function<void(QDialog&)>;

  CScriptedHost();
  ~CScriptedHost() override;

  void OnDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }
  // The next file dialogs answer these paths ("" is cancel).
  void AnswerFile(const QString& path) { files_.push_back(path); }
  // The next pop-up menu picks the item of this command (0: none).
  void ChooseFromMenu(int command) { menuChoice_ = command; }
  // The print dialog's answer: how the printer is set up, false to cancel.
  std::function<bool(QPrinter&)> printerSetUp;

  // What was asked: dialog class names, file dialog suggestions and
  // filters, the object name of the last pop-up menu.
  QStringList dialogsRun;
  QStringList suggestedFiles;
  QStringList fileFilters;
  QString lastMenu;
  QStringList lastMenuItems;  // every item's text, sub-menus included
  bool DialogsDone() const { return dialogs_.empty(); }

  int Run(QDialog& dialog) override;
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filters,
                       QString* selectedFilter) override;
  QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filters) override;
  bool SetUpPrinter(QPrinter& printer, QWidget* parent) override;
  QAction* PopUp(QMenu& menu, const QPoint& globalPos) override;

 private:
  QString NextFile();

  std::deque<DialogScript> dialogs_;
  std::deque<QString> files_;
  int menuChoice_ = 0;
  CDialogHost* previous_;
};

// Dialog scripts: type into boxes by control number, then OK or Cancel.
CScriptedHost::DialogScript TypeAndConfirm(std::vector<std::pair<int, QString>> typed);
CScriptedHost::DialogScript Cancel();

// The window pixel of a model point in the view's current mapping.
QPoint PixelOf(const CChildView& view, ModelPoint mm);
// A pixel on outline wall `wall` over its panel `panel` (found by hit
// testing along the wall's middle line); (-1, -1) when there is none.
QPoint PixelOnPanel(CChildView& view, int wall, int panel);
// A pixel on outline wall `wall`, half way along it.
QPoint PixelOnWall(const CChildView& view, int wall);
