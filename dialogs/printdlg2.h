#pragma once

#include "zamodialog.h"

class QLabel;
class QLineEdit;

// The print settings: the scale factor of the plan on the page and the size
// of the panel labels in points. The print command reads the values back
// whichever button closed the dialog; after Cancel they are the ones it set.
class PrintDlg2 : public CZamoDialog {
  Q_OBJECT

 public:
  // A scale or font outside these bounds would print an empty, a
  // mirrored or an unreadable page; such values are refused.
  static constexpr double kMinScale = 0.01;
  static constexpr double kMaxScale = 100.0;
  static constexpr double kMinFontSize = 1.0;
  static constexpr double kMaxFontSize = 200.0;
  static constexpr int kMaxChars = 260;

  explicit PrintDlg2(QWidget* parent = nullptr);

  void Set(double scale, double panelFontSize);
  void Get(double& scale, double& panelFontSize) const;
  double Scale() const { return scale_; }
  double PanelFontSize() const { return panelFontSize_; }

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  // Reads one box; a value that is no number or out of bounds is refused
  // with a message naming the box, which gets the focus.
  bool ReadBox(QLineEdit* box, const QLabel* label, double minimum, double maximum, double* value);

  QLabel* scaleLabel_;
  QLineEdit* scaleEdit_;
  QLabel* fontSizeLabel_;
  QLineEdit* fontSizeEdit_;
  double scale_ = 1.0;
  double panelFontSize_ = 12.0;
};
