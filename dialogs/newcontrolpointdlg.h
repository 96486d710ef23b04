#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLineEdit;
class QRadioButton;

// Where to put a new corner on a wall: the distance, and whether it is
// measured from the wall's first end (left or top) or its second.
class CNewControlPointDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CNewControlPointDlg(QWidget* parent = nullptr);

  // The wall's orientation (0 horizontal, 1 vertical) names the two ends:
  // left/right or top/bottom.
  void SetWallOrientation(uint8_t orientation) { fromFirstEnd_ = orientation; }

  // After OK: a whole number of mm, 0 up to the model's longest length;
  // anything else is refused in the dialog.
  bool FromFirstEnd() const { return fromFirstEnd_ != 0; }
  int32_t Distance() const { return distance_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QRadioButton* firstEnd_;
  QRadioButton* secondEnd_;
  QLineEdit* distanceEdit_;
  // Holds the orientation until OK, then the chosen end.
  uint8_t fromFirstEnd_ = 1;
  int32_t distance_ = 0;
};
