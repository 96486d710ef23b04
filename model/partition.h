#pragma once

#include <cstdint>

#include "wallcollection.h"

// An internal wall: a run of panels with no corner post that is not part of
// the outline chain. Its panels are laid from its own start point (model mm)
// in the direction of its signed length. Set up with SetStart, then Init.
class CPartition : public CWallCollection {
 public:
  bool IsPartition() const override { return true; }

  int32_t StartX() const { return startX_; }
  int32_t StartY() const { return startY_; }
  ModelPoint Start() const { return {startX_, startY_}; }
  // False (no change) for a point beyond model_limits::kMaxLength.
  bool SetStart(int32_t x, int32_t y);
  // The partition's body: from its start along its stored length (no post).
  ModelRect Rect() const { return SegmentRect(Start(), Length(), Thickness(), GetOrientation()); }

 private:
  int32_t startX_ = 0;
  int32_t startY_ = 0;
};
