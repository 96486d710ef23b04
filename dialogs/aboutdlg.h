#pragma once

#include "zamodialog.h"

// The about box: the program's name, its version and what it is for.
class CAboutDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  static QString ProgramName();
  static QString VersionText();  // "1.0.0.5"
};
