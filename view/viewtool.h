#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>

class CChildView;
class QPainter;

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
  // The pointer moved to `pixel`, the left button held or not. A tool that
  // follows the pointer keeps what it needs to draw and to say.
  virtual void PointerMoved(CChildView&, QPoint, bool /*leftHeld*/) {}
  // Drawn over the plan while the tool follows the pointer.
  virtual void PaintOverlay(const CChildView&, QPainter&) const {}
  // What the status bar says while the tool follows the pointer; empty
  // when it says nothing of its own.
  virtual QString StatusText(const CChildView&) const { return {}; }
  // While true the plan under the overlay does not change with the
  // pointer, so the window may keep its picture between moves.
  virtual bool FollowsPointer() const { return false; }
};

// Corner mode: a click on an outline wall asks where the new corner goes
// and splits the wall there.
class CCornerTool : public CViewTool {
 public:
  Outcome LeftDown(CChildView& view, QPoint pixel) override;
};

// Move wall mode: a press picks the outline wall under the pointer; while
// the button is held the outline follows the pointer square to that wall
// (outward enlarges the camera, inward shrinks it) with the distance beside
// the pointer; the release asks for the distance, offering the dragged one
// to the nearest 10 mm with its direction, and moves the wall.
class CMoveWallTool : public CViewTool {
 public:
  static constexpr int32_t kDistanceStep = 10;  // mm, what the dialog is offered

  Outcome LeftDown(CChildView& view, QPoint pixel) override;
  Outcome LeftUp(CChildView& view, QPoint pixel) override;
  void CameraReplaced() override { wall_ = -1; }
  void PointerMoved(CChildView& view, QPoint pixel, bool leftHeld) override;
  void PaintOverlay(const CChildView& view, QPainter& painter) const override;
  QString StatusText(const CChildView& view) const override;
  bool FollowsPointer() const override { return wall_ >= 0; }

  // The wall being dragged (-1: none) and how far outward, mm.
  int Wall() const { return wall_; }
  int64_t Outward() const { return outward_; }

 private:
  int wall_ = -1;
  QPoint press_;
  QPoint pointer_;
  int64_t outward_ = 0;
};
