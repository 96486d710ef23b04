#pragma once

class CChamber;
class CFloorStrip;
class CPartition;
class CWallCollection;
class CWallPanel;

// What the last clicks in a camera window picked: an outline wall, a
// partition, the panel under the pointer in one of them, a floor strip.
// The commands of the context menus act on it.
//
// Walls, partitions and strips are kept by address (the camera keeps them
// on the heap); the panel by its run and index, since a run's panels move
// whenever its list changes. Refresh() drops whatever the camera no longer
// holds, so nothing here ever points at a removed object; the window calls
// it after every edit and clears everything when the camera is rebuilt.
class CViewSelection {
 public:
  CWallCollection* Wall() const { return wall_; }
  CPartition* Partition() const { return partition_; }
  CFloorStrip* Strip() const { return strip_; }
  // The panel, looked up in its run now; null when none is selected or the
  // run has become shorter.
  CWallPanel* Panel() const;
  // The run holding the selected panel (the wall or the partition).
  CWallCollection* PanelOwner() const { return panelOwner_; }
  int PanelIndex() const { return panelOwner_ ? panelIndex_ : -1; }

  // Indices in `camera`, or -1.
  int WallIndex(const CChamber& camera) const;
  int PartitionIndex(const CChamber& camera) const;
  int StripIndex(const CChamber& camera) const;

  void SetWall(CWallCollection* wall) { wall_ = wall; }
  void SetPartition(CPartition* partition) { partition_ = partition; }
  void SetStrip(CFloorStrip* strip) { strip_ = strip; }
  // The panel `panel` of `owner`; a null panel clears it.
  void SetPanel(CWallCollection* owner, const CWallPanel* panel);
  void ClearPanel() { panelOwner_ = nullptr; panelIndex_ = -1; }

  void Clear();
  // Drops every part that `camera` no longer holds.
  void Refresh(const CChamber& camera);

 private:
  CWallCollection* wall_ = nullptr;
  CPartition* partition_ = nullptr;
  CFloorStrip* strip_ = nullptr;
  CWallCollection* panelOwner_ = nullptr;
  int panelIndex_ = -1;
};
