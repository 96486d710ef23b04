#pragma once

#include <QDialog>
#include <QString>

#include <map>
#include <string>

#include "pricetable.h"

class QLineEdit;
class QGridLayout;

// The price dialog: every price and coefficient of the table in its own edit
// box. Opening reads the table file into `table`; Save reads the boxes back,
// writes the file and ends with kSaved; Discard (or closing the window)
// ends with kDiscarded and changes nothing.
class CPriceDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSaved = 1;
  static constexpr int kDiscarded = 2;

  CPriceDlg(CPriceTable& table, std::string filePath, QWidget* parent = nullptr);

  // True when the file could be read on opening (the boxes show it).
  bool Loaded() const { return loaded_; }
  QLineEdit* Box(int control) const;

  void reject() override;

  // A typed number: blank is 0, a comma counts as the decimal point;
  // false for anything that is no number.
  static bool ParseTypedNumber(const QString& text, double& value);

 private:
  void BuildLayout();
  QLineEdit* AddBox(QGridLayout* grid, int entry, int row, int column);
  void Save();

  CPriceTable& table_;
  std::string filePath_;
  bool loaded_ = false;
  std::map<int, QLineEdit*> boxes_;  // by price-table entry
};
