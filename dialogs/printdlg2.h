#pragma once

#include "printpage.h"
#include "zamodialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// The print settings: fit the plan to the page, or print it at a scale the
// user types as 1:N; and the size of the panel labels in points. The print
// command reads the values back whichever button closed the dialog; after
// Cancel they are the ones it set.
class PrintDlg2 : public CZamoDialog {
  Q_OBJECT

 public:
  // A font outside these bounds would print an unreadable page; such values
  // are refused, as are scales outside 1:kMinScaleDenominator to
  // 1:kMaxScaleDenominator.
  static constexpr double kMinFontSize = 1.0;
  static constexpr double kMaxFontSize = 200.0;
  static constexpr int kMaxChars = 260;
  // The fit switch has no number of its own among the dialog's controls.
  static constexpr const char* kFitToPageName = "fitToPage";
  // Nor has the switch of the 3-D picture in the title block.
  static constexpr const char* kPicture3dName = "picture3d";

  explicit PrintDlg2(QWidget* parent = nullptr);

  void Set(const PrintSettings& settings) { settings_ = settings; }
  const PrintSettings& Get() const { return settings_; }
  // Closed by the preview button: the settings were accepted and the page
  // is to be shown before it is printed.
  bool PreviewRequested() const { return preview_; }
  static constexpr const char* kPreviewName = "preview";

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  // Reads one box; a value that is no number or out of bounds is refused
  // with a message naming the box, which gets the focus.
  bool ReadBox(QLineEdit* box, const QLabel* label, double minimum, double maximum, double* value);

  QCheckBox* fitBox_;
  QCheckBox* pictureBox_;
  QLabel* scaleLabel_;
  QLineEdit* scaleEdit_;
  QLabel* fontSizeLabel_;
  QLineEdit* fontSizeEdit_;
  PrintSettings settings_;
  bool preview_ = false;
};
