#pragma once

#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

#include "zamodialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Chooses the material profile and the currency of a camera price report,
// whether a detailed estimate is added (remembered from the last report),
// and the dealer coefficient, shown as the one last typed so that a loaded
// camera is never priced with a stale value unseen. With no profiles there
// is nothing to price with and OK stays disabled.
class CExcelOutputDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CExcelOutputDlg(QWidget* parent = nullptr);

  // The profile names in the materials library's order (UTF-8).
  void SetProfileNames(const std::vector<std::string>& names);
  void SetProfileNames(const QStringList& names) { names_ = names; }

  // After OK: the chosen profile's index (−1 for none) and whether prices
  // are shown in euros rather than roubles.
  int32_t ProfileIndex() const { return profileIndex_; }
  bool Euro() const { return euro_; }
  bool DetailedEstimate() const { return detailed_; }
  // The camera in 3-D below the detailed estimate (remembered, on at first).
  bool EstimatePicture() const { return picture_; }
  // Shown in the box on opening; after OK, what was typed (blank: 0).
  void SetDealerCoefficient(double coefficient) { coefficient_ = coefficient; }
  double DealerCoefficient() const { return coefficient_; }

  // The two boxes without a number of their own among the dialog's controls.
  static constexpr const char* kDetailedName = "detailedEstimate";
  static constexpr const char* kCoefficientName = "dealerCoefficient";
  // The setting that remembers the detailed estimate.
  static constexpr const char* kDetailedSetting = "Reports/DetailedEstimate";
  static constexpr const char* kPictureName = "estimatePicture";
  static constexpr const char* kPictureSetting = "Reports/EstimatePicture";

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QComboBox* profileBox_;
  QComboBox* currencyBox_;
  QCheckBox* detailedBox_;
  QCheckBox* pictureBox_;
  QLabel* coefficientLabel_;
  QLineEdit* coefficientEdit_;
  QStringList names_;
  int32_t profileIndex_ = -1;
  bool euro_ = false;
  bool detailed_ = false;
  bool picture_ = true;
  double coefficient_ = 0.0;
};
