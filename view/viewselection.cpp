#include "viewselection.h"

#include "chamber.h"

CWallPanel* CViewSelection::Panel() const { return panelOwner_ ? panelOwner_->PanelAt(panelIndex_) : nullptr; }

int CViewSelection::WallIndex(const CChamber& camera) const { return wall_ ? camera.IndexOfWall(wall_) : -1; }

int CViewSelection::PartitionIndex(const CChamber& camera) const {
  return partition_ ? camera.IndexOfPartition(partition_) : -1;
}

int CViewSelection::StripIndex(const CChamber& camera) const {
  return strip_ ? camera.IndexOfFloorStrip(strip_) : -1;
}

void CViewSelection::SetPanel(CWallCollection* owner, const CWallPanel* panel) {
  const int index = owner && panel ? owner->IndexOfPanel(panel) : -1;
  if (index < 0) {
    ClearPanel();
    return;
  }
  panelOwner_ = owner;
  panelIndex_ = index;
}

void CViewSelection::Clear() {
  wall_ = nullptr;
  partition_ = nullptr;
  strip_ = nullptr;
  ClearPanel();
}

void CViewSelection::Refresh(const CChamber& camera) {
  // Only addresses are compared here: a removed object is never touched.
  if (wall_ && camera.IndexOfWall(wall_) < 0) wall_ = nullptr;
  if (partition_ && camera.IndexOfPartition(partition_) < 0) partition_ = nullptr;
  if (strip_ && camera.IndexOfFloorStrip(strip_) < 0) strip_ = nullptr;
  if (panelOwner_) {
    const bool ownerLives = camera.IndexOfWall(panelOwner_) >= 0 || camera.IndexOfPartition(panelOwner_) >= 0;
    if (!ownerLives || panelIndex_ >= panelOwner_->PanelCount()) ClearPanel();
  }
}
