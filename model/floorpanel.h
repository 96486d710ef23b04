#pragma once

#include <cstdint>

#include "objbase.h"

class CFloorStrip;

// One floor/ceiling panel of a strip: `width` is its extent along the strip's
// division direction, mm; it spans the strip's full extent the other way
// (cut into pieces by the strip's cuts). Held by value in its strip.
class CFloorPanel : public CObjBase {
 public:
  CFloorPanel() = default;
  CFloorPanel(int32_t width, CFloorStrip* owner) : width_(width), owner_(owner) {}

  int32_t Width() const { return width_; }
  void SetWidth(int32_t width) { width_ = width; }
  CFloorStrip* Owner() const { return owner_; }
  // A null owner leaves the old one.
  void SetOwner(CFloorStrip* owner) {
    if (owner) owner_ = owner;
  }

  // The panel once per cut of its strip (the cut lines) and its width label.
  void Draw(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, int32_t x,
            int32_t y) const override;

 private:
  int32_t width_ = 0;
  CFloorStrip* owner_ = nullptr;
};
