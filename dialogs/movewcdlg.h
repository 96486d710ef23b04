#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLineEdit;

// The distance by which a wall is moved. The direction is the caller's and
// comes back unchanged.
class CMoveWCDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CMoveWCDlg(QWidget* parent = nullptr);

  void SetDirection(uint8_t direction) { direction_ = direction; }
  uint8_t Direction() const { return direction_; }
  // After OK; a negative or missing distance comes back as 0.
  int32_t Distance() const { return distance_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLineEdit* distanceEdit_;
  uint8_t direction_ = 0;
  int32_t distance_ = 0;
};
