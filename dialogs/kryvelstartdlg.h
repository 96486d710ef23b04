#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "zamodialog.h"

class CPictureButton;
class QLabel;
class QPushButton;

// The start screen: picture buttons for a new camera, the camera archive,
// the price table, the material profiles, the components calculation, the
// heat-load program (shown only when it is installed) and exit, over a drawn
// background, with a hint line that names the button under the pointer or
// with the keyboard focus; an open button offers the recent camera files
// and any other.
//
// It closes with Accepted when a camera is to be opened (Mode(): 0 a new
// camera, 1 the camera file at Path()) and with Rejected for exit; the
// side functions run while it stays open.
class CKryvelStartDlg : public CZamoDialog {
  Q_OBJECT

 public:
  enum Mode : int32_t { kModeNewCamera = 0, kModeOpenFile = 1 };

  explicit CKryvelStartDlg(QWidget* parent = nullptr);

  int32_t Mode() const { return mode_; }
  QString Path() const { return path_; }

  // The dialogs behind the archive and components buttons belong to the
  // application. onArchive runs the camera archive and returns the chosen
  // camera file (empty when nothing was chosen); a path closes the start
  // screen to open that file. Unset, the buttons do nothing.
  std::function<QString()> onArchive;
  std::function<void()> onComponents;
  // The prices button opens the price table; the open button's "other
  // file" item asks for a camera file (empty when nothing was chosen).
  std::function<void()> onPrices;
  std::function<QString()> onOpenFile;

  // The plugin behind the material button and the program behind the
  // heat-load button, by base name ("Material", "heatrix").
  void SetMaterialLibraryName(const QString& baseName) { materialLibrary_ = baseName; }
  void SetHeatLoadProgramName(const QString& name) { heatLoadProgram_ = name; }

  // Shows the hint of the button at `pos` (this dialog's coordinates), or
  // none; the mouse movements end here.
  void UpdateHint(const QPoint& pos);
  QString HintText() const;

  // The pictures of the screen, compiled into the program.
  static QSize BackgroundSize();

 protected:
  void OnInitDialog() override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ButtonInfo {
    int id;
    int hintEntry;
    const char* picture;  // base name of its pictures
    bool hasFocusPicture;
  };
  static const std::array<ButtonInfo, 7>& Buttons();

  void OnButton(int id);
  void FillOpenMenu();
  void OpenFile(const QString& path);
  // The hint of button `index` of Buttons(), or none for -1.
  void ShowHint(int index);
  void ShowMaterials();
  void StartHeatLoad();

  std::array<CPictureButton*, 7> buttons_{};
  QLabel* hintLine_;
  QPushButton* openButton_;
  QPixmap background_;
  int32_t mode_ = kModeNewCamera;
  QString path_;
  QString materialLibrary_;
  QString heatLoadProgram_;
};
