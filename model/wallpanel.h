#pragma once

#include <cstdint>

#include "objbase.h"
#include "zamo_abi.h"

class CWallCollection;

// Panel kinds (ZamoPanelKind) are shared with the pricing library: the
// ordinary kind is set by the width at append time (1200 gives
// kPanelStandard); doors and openings take the slot and width of the panel
// they replace.

constexpr int32_t kStandardPanelWidth = 1200;  // mm
constexpr int32_t kDoorKindOpeningHeight = 1850;  // mm, set by every door command
constexpr int32_t kMaxDoorVariant = 3;  // swing door blocks 1 = 2040, 2 = 2300, 3 = 2560 high

constexpr bool IsDoorKind(int32_t kind) { return kind >= kContainerDoorLeft && kind <= kOpening; }
constexpr bool IsOrdinaryKind(int32_t kind) { return kind == kPanelStandard || kind == kPanelOtherWidth; }
// Container and sliding doors: the kinds that take the panels beside them
// into their door block.
constexpr bool IsSideDoorKind(int32_t kind) { return kind >= kContainerDoorLeft && kind <= kSlidingDoorRight; }
constexpr bool IsValidPanelKind(int32_t kind) { return IsOrdinaryKind(kind) || IsDoorKind(kind); }

// One panel of a wall or partition run. Widths are mm, positive.
// Setters that take values from outside (files, dialogs) refuse values no
// panel can have and return false, changing nothing.
class CWallPanel : public CObjBase {
 public:
  CWallPanel() = default;
  CWallPanel(int32_t width, CWallCollection* owner);

  int32_t Width() const { return width_; }
  // False for a width <= 0 or beyond model_limits::kMaxLength. The kind is
  // not changed: a panel keeps the kind its width had when it was appended.
  bool SetWidth(int32_t width);

  CWallCollection* Owner() const { return owner_; }
  // A null owner leaves the old one.
  void SetOwner(CWallCollection* owner);

  // False for anything but a ZamoPanelKind.
  bool SetKind(int32_t kind);
  bool IsDoor() const { return IsDoorKind(kind_); }
  bool IsStandardWidth() const { return width_ % kPanelWidthStep == 0; }

  int32_t OpeningHeight() const { return openingHeight_; }
  // Stored only when the panel is a kOpening; false (no change)
  // for a negative height or one beyond model_limits::kMaxLength.
  bool SetOpeningHeight(int32_t height);

  int32_t DoorVariant() const { return doorVariant_; }
  // 0 (none) to 3; false for anything else.
  bool SetDoorVariant(int32_t variant);

  // A door or opening becomes an ordinary kPanelStandard whatever
  // its width; variant and opening height stay. Other kinds are left.
  void ResetDoor();
  // kind = k for a door kind (IsDoorKind); the opening height becomes 1850 in
  // every case. Returns whether the kind was taken.
  bool SetDoorKind(int32_t kind);

  // The panel box (inset two pixels) and its width label, or the symbol of
  // its door or opening, across the owning run from (x, y).
  void Draw(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, int32_t x,
            int32_t y) const override;

 private:
  int32_t width_ = 0;
  CWallCollection* owner_ = nullptr;
  int32_t openingHeight_ = 0;
  int32_t doorVariant_ = 0;
};
