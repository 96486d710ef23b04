#pragma once

#include <cstdint>

#include "zamo_abi.h"
#include "zamodialog.h"

class QRadioButton;

// Replaces a non-standard panel length by a multiple of 300 mm: keep it, or
// round it down (for panels of 300 mm and more), or round it up (for panels
// up to 1200 mm).
class CModifyNonStandDlg : public CZamoDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kStep = kPanelWidthStep;
  // Longer panels cannot be rounded up: the next standard width would exceed
  // the widest panel.
  static constexpr int32_t kMaxRoundUpLength = 1200;

  explicit CModifyNonStandDlg(QWidget* parent = nullptr);

  void SetLength(int32_t length) { length_ = length; }
  // After OK: the chosen length; unchanged when "keep" or nothing was chosen.
  int32_t Length() const { return length_; }

  static int32_t RoundedDown(int32_t length) { return length - length % kStep; }
  static int32_t RoundedUp(int32_t length) { return length + kStep - length % kStep; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QRadioButton* keep_;
  QRadioButton* roundDown_;
  QRadioButton* roundUp_;
  int32_t length_ = 0;
};
