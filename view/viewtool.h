#pragma once

#include <QPoint>

class CChildView;

// The camera window's mouse modes. Each is on while its tool is in place;
// the three are independent (switching one on leaves the others), and a
// left press goes to the first mode that is on, in this order.
enum class ViewMode { kCorner = 0, kMoveWall = 1, kPartition = 2 };
inline constexpr int kViewModeCount = 3;

// One mouse mode with whatever it remembers between clicks. The view hands
// it the presses and releases of the left button (window pixels); it
// answers whether the mode stays on.
class CViewTool {
 public:
  enum class Outcome { kStay, kDone };

  virtual ~CViewTool() = default;
  virtual Outcome LeftDown(CChildView& view, QPoint pixel) = 0;
  virtual Outcome LeftUp(CChildView&, QPoint) { return Outcome::kStay; }
  // The camera was rebuilt (undo, redo, load): anything the tool kept of
  // the old camera is gone.
  virtual void CameraReplaced() {}
};

// Corner mode: a click on an outline wall asks where the new corner goes
// and splits the wall there.
class CCornerTool : public CViewTool {
 public:
  Outcome LeftDown(CChildView& view, QPoint pixel) override;
};

// Move wall mode: a press picks an outline wall (unless one is selected
// already), the release asks by how much and moves it.
class CMoveWallTool : public CViewTool {
 public:
  Outcome LeftDown(CChildView& view, QPoint pixel) override;
  Outcome LeftUp(CChildView& view, QPoint pixel) override;
};
