#pragma once

#include "zamodialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The program's settings (settings.h): the factory's mail address for sent
// cameras, the update host and port, whether reports open by themselves,
// the panel thickness a new camera starts with and the interface language.
// It shows the stored values; OK checks the address and the host, stores
// everything and says when the language takes effect only after a
// restart. Cancel stores nothing.
class CSettingsDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CSettingsDlg(QWidget* parent = nullptr);

  void accept() override;

  // One address as a mail program takes it, or empty (not set).
  static bool IsUsableMailAddress(const QString& address);

 private:
  QLineEdit* mailAddress_;
  QLabel* mailLabel_;
  QLineEdit* updateHost_;
  QLabel* hostLabel_;
  QSpinBox* updatePort_;
  QCheckBox* openReports_;
  QComboBox* thickness_;
  QComboBox* language_;
};
