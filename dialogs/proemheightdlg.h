#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLineEdit;

// The height of a wall opening; the box starts at the standard 2040 mm.
class CProemHeightDlg : public CZamoDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kDefaultHeight = 2040;

  explicit CProemHeightDlg(QWidget* parent = nullptr);

  // After OK: the typed height as an unsigned number; anything else
  // (a sign, no digits, too many digits) gives 0.
  int32_t Height() const { return height_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLineEdit* heightEdit_;
  int32_t height_ = kDefaultHeight;
};
