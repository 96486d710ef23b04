#pragma once

#include <QPoint>
#include <QWidget>

#include "scene3d.h"
#include "sceneview.h"

class CChildView;
class QAction;
class QLabel;

// The camera of a camera window in 3-D. It reads the window's own document,
// so every edit there shows at once; the scene is rebuilt when the document
// changes and only projected again while it is turned, zoomed or moved.
// Mouse: drag with the left button to orbit, with the right or middle button
// (or Ctrl) to move, the wheel to zoom. Keys: 1 to 4 the corner views, F
// fit, L the ceiling transparent or lifted.
class CView3dWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CView3dWidget(const CChildView& source, QWidget* parent = nullptr);

  const SceneViewpoint& Viewpoint() const { return view_; }
  LidMode Lid() const { return lid_; }
  const CScene3d& Scene() const { return scene_; }

  void ShowCorner(int n);
  void Fit();
  void SetLid(LidMode lid);
  // Rebuilds the scene from the document and redraws.
  void Rebuild();

 Q_SIGNALS:
  void LidChanged(LidMode lid);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const CChildView& source_;
  CScene3d scene_;
  SceneViewpoint view_ = SceneViewpoint::Preset(1);
  LidMode lid_ = LidMode::kTransparent;
  QPoint dragFrom_;
  bool orbiting_ = false;
  bool panning_ = false;
  int wheelRemainder_ = 0;
};

// The 3-D window of one camera window: the picture and a bar with the corner
// views, fit and the ceiling switch. It belongs to the camera window and
// closes with it.
class CView3dWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CView3dWindow(CChildView& source);

  CView3dWidget* Picture() const { return picture_; }
  // The window of `source`, made and shown when it has none yet, and
  // brought to the front.
  static CView3dWindow* ShowFor(CChildView& source);

 private:
  void UpdateTitle();

  CChildView& source_;
  CView3dWidget* picture_ = nullptr;
  QAction* lidAction_ = nullptr;
};
