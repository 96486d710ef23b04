#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "zamo_abi.h"
#include "zamodialog.h"

class CPluginLibrary;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The components calculation: single sandwich panels bought without a
// camera. The user lists panel groups (kind, X, Y, thickness, count) and
// has them priced as a panel report; a second report prices a number of
// corner posts of one height.
class CComplCountDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CComplCountDlg(QWidget* parent = nullptr);

  // The start screen's components button: checks that the materials library
  // `materialLibrary` loads and has its dialog entry point (else message
  // 45/2 and no dialog), then runs the dialog with it and the pricing
  // library; the materials library is freed afterwards. `run` shows the
  // dialog modally (the caller's dialog host); unset, exec().
  static void Run(QWidget* parent, CPluginLibrary* quotix, const ZamoPriceBlock* priceBlock = nullptr,
                  const QString& materialLibrary = QStringLiteral("Material"),
                  const std::function<int(QDialog&)>& run = {});

  // The pricing library loaded at start-up, the materials library the
  // caller holds for the dialog's length, and the program's price block
  // (null: a cleared one).
  void SetModules(CPluginLibrary* quotix, const ZamoModule* material, const ZamoPriceBlock* priceBlock = nullptr);

  const std::vector<PanelGroup>& Groups() const { return groups_; }

  // The buttons.
  void Add();
  void DeleteSelected();
  void Clear();
  void Calculate();
  void CalculatePosts();

 protected:
  void OnInitDialog() override;

 private:
  // False, with a message, for a dealer discount the pricing cannot take.
  bool DiscountAccepted();
  int32_t Thickness() const;
  double DealerDiscount() const;

  QLineEdit* discountEdit_;
  QRadioButton* floorPanel_;
  QRadioButton* ceilingPanel_;
  QRadioButton* wallPanel_;
  QLineEdit* lengthEdit_;
  QLineEdit* widthEdit_;
  QRadioButton* thickness80_;
  QRadioButton* thickness100_;
  QLineEdit* countEdit_;
  QListWidget* list_;
  QLineEdit* postCountEdit_;
  QLineEdit* postHeightEdit_;

  std::vector<PanelGroup> groups_;
  CPluginLibrary* quotix_ = nullptr;
  const ZamoModule* material_ = nullptr;
  const ZamoPriceBlock* priceBlock_ = nullptr;
};
