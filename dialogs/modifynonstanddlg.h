#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "zamo_abi.h"
#include "zamodialog.h"

class QLabel;
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
  // What the camera's outer size (length, width in mm) becomes for a panel
  // width, shown under the choices before Apply: resizing a panel moves a
  // wall. Nothing for a width the camera cannot take.
  using OuterSizeFor = std::function<std::optional<std::pair<int32_t, int32_t>>(int32_t width)>;
  void SetOuterSizePreview(OuterSizeFor preview) { preview_ = std::move(preview); }
  // The preview's text as it stands (empty while "keep" or nothing is chosen).
  QString PreviewText() const;
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
  QLabel* outcome_;
  OuterSizeFor preview_;
  int32_t length_ = 0;

  int32_t ChosenLength() const;
  void ShowOutcome();
};
