#include "wallpanel.h"

#include "modellimits.h"

CWallPanel::CWallPanel(int32_t width, CWallCollection* owner)
    : width_(width), owner_(owner) {
  kind_ = width == kStandardPanelWidth ? kPanelStandard : kPanelOtherWidth;
}

bool CWallPanel::SetWidth(int32_t width) {
  if (width <= 0 || width > model_limits::kMaxLength) return false;
  width_ = width;
  return true;
}

void CWallPanel::SetOwner(CWallCollection* owner) {
  if (owner) owner_ = owner;
}

bool CWallPanel::SetKind(int32_t kind) {
  if (!IsValidPanelKind(kind)) return false;
  kind_ = kind;
  return true;
}

bool CWallPanel::SetOpeningHeight(int32_t height) {
  if (height < 0 || height > model_limits::kMaxLength) return false;
  if (kind_ == kOpening) openingHeight_ = height;
  return true;
}

bool CWallPanel::SetDoorVariant(int32_t variant) {
  if (variant < 0 || variant > kMaxDoorVariant) return false;
  doorVariant_ = variant;
  return true;
}

void CWallPanel::ResetDoor() {
  if (IsDoor()) kind_ = kPanelStandard;
}

bool CWallPanel::SetDoorKind(int32_t kind) {
  openingHeight_ = kDoorKindOpeningHeight;
  if (!IsDoorKind(kind)) return false;
  kind_ = kind;
  return true;
}
