#pragma once

#include <cstdint>
#include <optional>

#include "zamodialog.h"

class QLabel;
class QLineEdit;

// The length of a partition, starting from the caller's value, and - when
// the caller offers one - its distance from the wall beside it.
class CSetIntWallLength : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CSetIntWallLength(QWidget* parent = nullptr);

  void SetLength(int32_t length) { length_ = length; }
  // After OK: the typed length, read leniently (no number gives 0). The
  // partition command decides what it can build.
  int32_t Length() const { return length_; }
  // The distance box is shown only when a distance is offered; after OK
  // the typed distance (-1 for what is no number), or nothing without the
  // box.
  void SetDistance(std::optional<int32_t> distance) { distance_ = distance; }
  std::optional<int32_t> Distance() const { return distance_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLineEdit* lengthEdit_;
  QLineEdit* distanceEdit_;
  QLabel* distanceLabel_;
  int32_t length_ = 0;
  std::optional<int32_t> distance_;
};
