#pragma once

#include <QPoint>
#include <QString>

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QWidget;

// How the camera window's commands meet the user outside the window: modal
// dialogs, file choices, the system print dialog and pop-up menus. The
// program shows them; tests put a host of their own in place to fill in
// the dialogs by their control numbers, choose files and pick menu items
// without a modal loop.
class CDialogHost {
 public:
  virtual ~CDialogHost() = default;

  // Runs a modal dialog; QDialog::Accepted or QDialog::Rejected.
  virtual int Run(QDialog& dialog);

  // A file to write, or empty for cancel. `filters` as QFileDialog takes
  // them ("Cameras (*.kry)"); `selectedFilter` in and out. The dialog asks
  // before overwriting.
  virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                               const QString& filters, QString* selectedFilter);
  // An existing file to read, or empty for cancel.
  virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filters);

  // The system print dialog on `printer` (a printer or a PDF file); false
  // when cancelled.
  virtual bool SetUpPrinter(QPrinter& printer, QWidget* parent);

  // Pops `menu` up at `globalPos` and returns the chosen item, or null.
  virtual QAction* PopUp(QMenu& menu, const QPoint& globalPos);
};

// The host in use: the program's own unless SetDialogHost gave another.
CDialogHost& DialogHost();
// Puts `host` in place (null restores the program's own); returns the one
// it replaces. The caller keeps ownership.
CDialogHost* SetDialogHost(CDialogHost* host);
