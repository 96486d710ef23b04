#pragma once

#include <QPoint>

#include <cstdint>
#include <optional>

#include "partitionoffset.h"
#include "viewtool.h"

// Partition mode: the first click says where the partition starts (on an
// outline wall, it starts at that wall's inner face), the second where it
// ends; the user confirms the length, and the partition goes in across the
// camera. Between the two clicks the placement is pending here, and the
// partition follows the pointer with its clear distance from the nearest
// parallel wall drawn as a dimension; the length dialog offers that
// distance to be typed. A second click on a wall parallel to the partition
// is refused and the placement stays pending; a cancelled length ends the
// mode.
class CPartitionTool : public CViewTool {
 public:
  Outcome LeftDown(CChildView& view, QPoint pixel) override;
  // The start wall belonged to the old camera; the start point (pixels)
  // stays.
  void CameraReplaced() override {
    startWall_ = -1;
    preview_.reset();
  }
  void PointerMoved(CChildView& view, QPoint pixel, bool leftHeld) override;
  void PaintOverlay(const CChildView& view, QPainter& painter) const override;
  QString StatusText(const CChildView& view) const override;
  bool FollowsPointer() const override { return pending_; }

  bool Pending() const { return pending_; }
  // The partition a click at the pointer would offer, and where it stands.
  struct Preview {
    PartitionSpec partition;
    std::optional<PartitionOffset> offset;
  };
  const std::optional<Preview>& PreviewAtPointer() const { return preview_; }

 private:
  Outcome Finish(CChildView& view, QPoint pixel);

  bool pending_ = false;
  QPoint start_;
  int startWall_ = -1;  // outline wall of the first click, or -1
  std::optional<Preview> preview_;
};

// Asks for a partition's length, offering `proposal` (mm), and - when
// `distance` is given - its clear distance from the wall beside it, which
// comes back there as typed. Nothing when the user cancelled; 0 when what
// was typed is no length, which the user has been told.
std::optional<int32_t> AskPartitionLength(CChildView& view, int64_t proposal, std::optional<int32_t>* distance = nullptr);
