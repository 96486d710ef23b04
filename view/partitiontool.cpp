// The two-click placement of a partition.
#include "partitiontool.h"

#include <QDialog>
#include <QPainter>

#include <algorithm>

#include "chamber.h"
#include "childview.h"
#include "editcommands.h"
#include "editmessages.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "partitionplacement.h"
#include "setintwalllength.h"

namespace {

const QColor kPreviewColour(0, 120, 215);

// The partition of the pending placement as offered for a click at `pixel`,
// and where it stands; none where no partition can end.
std::optional<CPartitionTool::Preview> PreviewAt(CChildView& view, QPoint start, int startWall, QPoint pixel) {
  CChamber& camera = view.Camera();
  const CPixelMapping& mapping = view.Mapping();
  CWallCollection* endWall = nullptr;
  const bool onWall = camera.FindWallAt(mapping, pixel.x(), pixel.y(), &endWall);
  const std::optional<PartitionPlacement> placement =
      PlacePartition(camera, mapping.ToModel({start.x(), start.y()}), startWall,
                     mapping.ToModel({pixel.x(), pixel.y()}), onWall ? camera.IndexOfWall(endWall) : -1);
  if (!placement) return std::nullopt;
  const PartitionSpec partition =
      placement->ForLength(model_limits::SaturateInt32(std::max<int64_t>(1, placement->OfferedLength())));
  return CPartitionTool::Preview{partition, NearestParallelFace(camera, partition)};
}

}  // namespace

std::optional<int32_t> AskPartitionLength(CChildView& view, int64_t proposal, std::optional<int32_t>* distance) {
  CSetIntWallLength dialog(&view);
  dialog.SetLength(model_limits::SaturateInt32(proposal));
  if (distance) dialog.SetDistance(*distance);
  if (view.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
  if (distance) *distance = dialog.Distance();
  // The dialog takes any number; a partition needs a length.
  if (dialog.Length() < 1) {
    ShowMessageText(UiText(Lang::kPartitionLengthNotPositive),
                    LangText(Lang::kPartitionLengthCaption), MessageButtons::Ok, &view);
    return 0;
  }
  return dialog.Length();
}

CViewTool::Outcome CPartitionTool::LeftDown(CChildView& view, QPoint pixel) {
  if (pending_) return Finish(view, pixel);
  CChamber& camera = view.Camera();
  CWallCollection* wall = nullptr;
  startWall_ = camera.FindWallAt(view.Mapping(), pixel.x(), pixel.y(), &wall) ? camera.IndexOfWall(wall) : -1;
  // The clicks pick walls, not panels: a panel picked before would sit
  // beside a wall it does not belong to.
  view.Selection().ClearPanel();
  view.Selection().SetWall(startWall_ >= 0 ? wall : nullptr);
  start_ = pixel;
  pending_ = true;
  preview_ = PreviewAt(view, start_, startWall_, pixel);
  return Outcome::kStay;
}

void CPartitionTool::PointerMoved(CChildView& view, QPoint pixel, bool) {
  preview_.reset();
  if (pending_) preview_ = PreviewAt(view, start_, startWall_, pixel);
}

void CPartitionTool::PaintOverlay(const CChildView& view, QPainter& painter) const {
  if (!preview_) return;
  const CPixelMapping& mapping = view.Mapping();
  const auto pixel = [&](int64_t x, int64_t y) {
    const PixelPoint p = mapping.ToPixel({model_limits::SaturateInt32(x), model_limits::SaturateInt32(y)});
    return QPoint(p.x, p.y);
  };
  const PartitionSpec& partition = preview_->partition;
  const ModelRect body = SegmentRect(partition.start, partition.length, view.Camera().Thickness(), partition.orientation);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kPreviewColour, 2, Qt::DashLine));
  painter.drawRect(QRect(pixel(body.Left(), body.Top()), pixel(body.Right(), body.Bottom())).normalized());
  // The distance as the plan will show it.
  const std::optional<DimensionRecord> distance = PartitionOffsetDimension(view.Camera(), partition);
  if (!distance) return;
  const QPoint a = pixel(distance->dimensionLine.from.x, distance->dimensionLine.from.y);
  const QPoint b = pixel(distance->dimensionLine.to.x, distance->dimensionLine.to.y);
  painter.setPen(QPen(kPreviewColour, 1));
  painter.drawLine(a, b);
  painter.setBrush(kPreviewColour);
  painter.drawEllipse(a, 3, 3);
  painter.drawEllipse(b, 3, 3);
  painter.drawText((a + b) / 2 + QPoint(6, -6), QString::number(distance->value));
}

QString CPartitionTool::StatusText(const CChildView&) const {
  if (!preview_ || !preview_->offset) return {};
  return UiText(Lang::kPartitionFromWall).arg(preview_->offset->distance);
}

CViewTool::Outcome CPartitionTool::Finish(CChildView& view, QPoint pixel) {
  CChamber& camera = view.Camera();
  const CPixelMapping& mapping = view.Mapping();
  CWallCollection* endWall = nullptr;
  const bool onWall = camera.FindWallAt(mapping, pixel.x(), pixel.y(), &endWall);
  if (onWall) view.Selection().SetWall(endWall);
  const std::optional<PartitionPlacement> placement =
      PlacePartition(camera, mapping.ToModel({start_.x(), start_.y()}), startWall_,
                     mapping.ToModel({pixel.x(), pixel.y()}), onWall ? camera.IndexOfWall(endWall) : -1);
  if (!placement) {
    ShowMessage(Lang::kPartitionParallelToWall, Lang::kPartitionPlacementCaption, MessageButtons::Ok, &view);
    return Outcome::kStay;
  }

  // The distance is measured for the offered length; any length keeps it.
  const PartitionSpec offered =
      placement->ForLength(model_limits::SaturateInt32(std::max<int64_t>(1, placement->OfferedLength())));
  const std::optional<PartitionOffset> offset = NearestParallelFace(camera, offered);
  std::optional<int32_t> distance;
  if (offset) distance = model_limits::SaturateInt32(offset->distance);
  const std::optional<int32_t> entered =
      AskPartitionLength(view, placement->OfferedLength(), offset ? &distance : nullptr);
  if (!entered) {
    view.Selection().SetWall(nullptr);
    return Outcome::kDone;
  }
  if (*entered == 0) return Outcome::kStay;

  PartitionSpec partition = placement->ForLength(*entered);
  if (offset && distance && *distance != offset->distance) {
    const int64_t most = offset->MaxDistance(camera.Thickness());
    if (*distance < 0 || *distance > most) {
      ShowMessageText(UiText(Lang::kCornerDistanceRange).arg(0).arg(most),
                      LangText(Lang::kPartitionPlacementCaption), MessageButtons::Ok, &view);
      return Outcome::kStay;
    }
    partition = AtDistance(partition, *offset, *distance);
  }
  view.Selection().SetWall(nullptr);
  // A partition longer than the room ahead of it is refused with the limit.
  FinishEdit(view, edit_commands::AddPartition(view.Document(), partition));
  return Outcome::kDone;
}
