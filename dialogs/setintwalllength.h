#pragma once

#include <cstdint>

#include "zamodialog.h"

class QLineEdit;

// The length of a partition, starting from the caller's value.
class CSetIntWallLength : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CSetIntWallLength(QWidget* parent = nullptr);

  void SetLength(int32_t length) { length_ = length; }
  // After OK: the typed length, read leniently (no number gives 0). The
  // partition command decides what it can build.
  int32_t Length() const { return length_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QLineEdit* lengthEdit_;
  int32_t length_ = 0;
};
