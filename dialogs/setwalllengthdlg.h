#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// The length a wall, or the camera, is to show in its dimension chain, and
// for a wall which of its ends moves. The length box takes a whole number
// of millimetres above 0; anything else is refused with the box kept open.
class CSetWallLengthDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CSetWallLengthDlg(QWidget* parent = nullptr);

  // The length offered when the dialog opens.
  void SetLength(int32_t length) { length_ = length; }
  int32_t Length() const { return length_; }
  // Whether the user chooses the moving end (walls) and which one is
  // offered; after OK the one chosen.
  void SetEndChoice(bool offered, bool endMoves) {
    endChoice_ = offered;
    endMoves_ = endMoves;
  }
  bool EndMoves() const { return endMoves_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLabel* lengthLabel_;
  QLineEdit* lengthEdit_;
  QRadioButton* startButton_;
  QRadioButton* endButton_;
  int32_t length_ = 0;
  bool endChoice_ = false;
  bool endMoves_ = true;
};
