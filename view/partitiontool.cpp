// The two-click placement of a partition.
#include "partitiontool.h"

#include <QDialog>

#include "chamber.h"
#include "childview.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "partitionplacement.h"
#include "setintwalllength.h"

std::optional<int32_t> AskPartitionLength(CChildView& view, int64_t proposal) {
  CSetIntWallLength dialog(&view);
  dialog.SetLength(model_limits::SaturateInt32(proposal));
  if (view.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
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
  return Outcome::kStay;
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

  const std::optional<int32_t> entered = AskPartitionLength(view, placement->OfferedLength());
  if (!entered) {
    view.Selection().SetWall(nullptr);
    return Outcome::kDone;
  }
  if (*entered == 0) return Outcome::kStay;

  const PartitionSpec partition = placement->ForLength(*entered);
  view.Selection().SetWall(nullptr);
  view.ApplyEdit(AddPartitionRecord(partition.start.x, partition.start.y, partition.length,
                                    OrientationByte(partition.orientation)));
  return Outcome::kDone;
}
