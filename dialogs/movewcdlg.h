#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLineEdit;
class QRadioButton;

// The distance by which a wall is moved, and whether outward (the camera
// grows) or inward. The orientation byte is the caller's and comes back
// unchanged.
class CMoveWCDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CMoveWCDlg(QWidget* parent = nullptr);

  void SetDirection(uint8_t direction) { direction_ = direction; }
  uint8_t Direction() const { return direction_; }
  // After OK; a negative or missing distance comes back as 0.
  int32_t Distance() const { return distance_; }
  // What the dialog offers when it opens: a distance (0 leaves the box
  // empty) and a direction. After OK, Outward() is the one chosen.
  void SetOffer(int32_t distance, bool outward) {
    offer_ = distance;
    outward_ = outward;
  }
  bool Outward() const { return outward_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLineEdit* distanceEdit_;
  QRadioButton* outwardButton_;
  QRadioButton* inwardButton_;
  uint8_t direction_ = 0;
  int32_t distance_ = 0;
  int32_t offer_ = 0;
  bool outward_ = false;
};
