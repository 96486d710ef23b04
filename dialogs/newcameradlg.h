#pragma once

#include <QString>

#include <cstdint>

#include "modellimits.h"
#include "zamodialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// Asks for a new camera: article, outer length, width and height, wall
// thickness (80 or 100 mm), floor or none, geometry lock, the dealer
// coefficient and a description.
//
// Sizes that are no whole numbers, or that leave a wall run or the floor
// shorter than a panel (below 1200 mm + 2 walls) or exceed what a real
// camera can be (model_limits: 100 m long or wide, as high as the longest
// wall panel), are refused with a message naming the box, and the dialog
// stays open: a camera handed on from here can always be built. On OK the dealer
// coefficient replaces the program-wide one (dealercoefficient.h); Cancel
// leaves it alone.
class CNewCameraDlg : public CZamoDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kMinInnerSize = 1200;    // mm, between the walls
  static constexpr int32_t kMaxOuterSize = model_limits::kMaxCameraSide;          // mm, length and width
  static constexpr int32_t kMaxOuterHeight = model_limits::kMaxWallPanelLength;  // mm
  static constexpr int kCoefficientMaxChars = 260;

  explicit CNewCameraDlg(QWidget* parent = nullptr);

  // Read-outs after OK. The inner sizes are what the camera is created with:
  // length − t, width − t, height − 2t.
  QString Article() const { return article_; }
  QString Description() const { return description_; }
  int32_t OuterLength() const { return length_; }
  int32_t OuterWidth() const { return width_; }
  int32_t OuterHeight() const { return height_; }
  int32_t InnerLength() const { return length_ - thickness_; }
  int32_t InnerWidth() const { return width_ - thickness_; }
  int32_t InnerHeight() const { return height_ - 2 * thickness_; }
  int32_t Thickness() const { return thickness_; }
  bool NoFloor() const { return noFloor_; }
  bool GeometryLocked() const { return geometryLocked_; }

  // The size lists offered for a wall thickness (also what the thickness
  // switch puts into the boxes).
  static QStringList SideSizes(int32_t thickness);
  static QStringList HeightSizes(int32_t thickness);

  void accept() override;

 protected:
  void OnInitDialog() override;
  QSize InitialSize() const override;

 private:
  void FillSizeLists();
  int32_t ChosenThickness() const;
  // Reads one size box; on a refused value tells the user, puts the focus
  // there and returns false.
  bool ReadSize(QComboBox* box, const QLabel* label, int32_t minimum, int32_t maximum, int32_t* value);
  bool ReadCoefficient(double* value);

  QLabel* articleLabel_;
  QLineEdit* articleEdit_;
  QLabel* lengthLabel_;
  QComboBox* lengthBox_;
  QLabel* widthLabel_;
  QComboBox* widthBox_;
  QLabel* heightLabel_;
  QComboBox* heightBox_;
  QRadioButton* thickness80_;
  QRadioButton* thickness100_;
  QLabel* coefficientLabel_;
  QLineEdit* coefficientEdit_;
  QCheckBox* geometryLockCheck_;
  QCheckBox* noFloorCheck_;
  QPlainTextEdit* descriptionEdit_;

  QString article_;
  QString description_;
  int32_t length_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t thickness_ = 80;
  bool noFloor_ = false;
  bool geometryLocked_ = false;
};
