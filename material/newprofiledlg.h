#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks for the name of a new material profile (any text, empty allowed).
class CNewProfileDlg : public QDialog {
 public:
  explicit CNewProfileDlg(QWidget* parent = nullptr);

  // The name typed, valid after the dialog was closed with OK.
  QString Name() const;

 private:
  QLineEdit* nameEdit_;
};
