#pragma once

#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

#include "zamodialog.h"

class QComboBox;

// Chooses the material profile and the currency of a camera price report.
// With no profiles there is nothing to price with and OK stays disabled.
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

  void accept() override;

 protected:
  void OnInitDialog() override;

 private:
  QComboBox* profileBox_;
  QComboBox* currencyBox_;
  QStringList names_;
  int32_t profileIndex_ = -1;
  bool euro_ = false;
};
