// The two-click placement of a partition.
#include "partitiontool.h"

#include <QDialog>

#include <algorithm>
#include <cstdlib>

#include "chamber.h"
#include "childview.h"
#include "editrecord.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "setintwalllength.h"

namespace {

// Where a partition of `orientation` meets outline wall `index`: the face
// of the wall towards the inside of the camera, as the coordinate along the
// partition. The outline runs clockwise, so the direction of the wall tells
// which of its faces is inside.
int64_t InnerEdge(const CChamber& camera, int index, Orientation orientation) {
  const ModelRect body = camera.WallRect(index);
  const bool forward = camera.WallAt(index)->ExtendedLength() >= 0;
  if (orientation == Orientation::kVertical) return forward ? body.Bottom() : body.Top();
  return forward ? body.Left() : body.Right();
}

Orientation Across(Orientation o) {
  return o == Orientation::kHorizontal ? Orientation::kVertical : Orientation::kHorizontal;
}

}  // namespace

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
  startWall_ = camera.FindWallAt(pixel.x(), pixel.y(), &wall) ? camera.IndexOfWall(wall) : -1;
  // The clicks pick walls, not panels: a panel picked before would sit
  // beside a wall it does not belong to.
  view.Selection().ClearPanel();
  view.Selection().SetWall(startWall_ >= 0 ? wall : nullptr);
  start_ = pixel;
  pending_ = true;
  return Outcome::kStay;
}

CViewTool::Outcome CPartitionTool::Finish(CChildView& view, QPoint pixel) {
  const CChamber& camera = view.Camera();
  const CPixelMapping& mapping = camera.Mapping();
  const ModelPoint s = mapping.ToModel({start_.x(), start_.y()});
  const ModelPoint e = mapping.ToModel({pixel.x(), pixel.y()});
  const int64_t t = camera.Thickness();
  const CWallCollection* startWall = camera.WallAt(startWall_);

  // A partition stands square to the wall it starts from; from free space
  // it follows the larger distance between the clicks (a tie: horizontal).
  Orientation orientation = Orientation::kHorizontal;
  if (startWall) {
    orientation = Across(startWall->GetOrientation());
  } else if (std::llabs(int64_t{e.y} - s.y) > std::llabs(int64_t{e.x} - s.x)) {
    orientation = Orientation::kVertical;
  }
  const bool vertical = orientation == Orientation::kVertical;
  int64_t startAlong = vertical ? s.y : s.x;
  int64_t startAcross = vertical ? s.x : s.y;
  int64_t endAlong = vertical ? e.y : e.x;
  const int64_t endAcross = vertical ? e.x : e.y;
  if (startWall) startAlong = InnerEdge(camera, startWall_, orientation);

  CWallCollection* endWall = nullptr;
  if (view.Camera().FindWallAt(pixel.x(), pixel.y(), &endWall)) {
    view.Selection().SetWall(endWall);
    if (endWall->GetOrientation() == orientation) {
      ShowMessage(Lang::kPartitionParallelToWall, Lang::kPartitionPlacementCaption, MessageButtons::Ok, &view);
      return Outcome::kStay;
    }
    endAlong = InnerEdge(camera, camera.IndexOfWall(endWall), orientation);
  }

  const std::optional<int32_t> entered = AskPartitionLength(view, std::llabs(endAlong - startAlong));
  if (!entered) {
    view.Selection().SetWall(nullptr);
    return Outcome::kDone;
  }
  if (*entered == 0) return Outcome::kStay;

  // The stored start is the corner of the partition's body the length runs
  // from: a positive length runs towards +x or +y, a negative one back.
  int64_t length = -int64_t{*entered};
  if (startWall && !endWall) {
    if (startAlong <= endAlong) {
      length = *entered;
      startAlong -= t;
    }
  } else if (endWall && !startWall) {
    if (startAlong > endAlong) {
      length = *entered;
      startAlong = endAlong - t;
    } else {
      startAlong = endAlong;
    }
  } else {
    startAlong = std::max(startAlong, endAlong);
    startAcross = std::max(startAcross, endAcross);
  }
  const int64_t half = t / 2;
  const int64_t x = (vertical ? startAcross : startAlong) + half;
  const int64_t y = (vertical ? startAlong : startAcross) + half;
  view.Selection().SetWall(nullptr);
  view.ApplyEdit(AddPartitionRecord(model_limits::SaturateInt32(x), model_limits::SaturateInt32(y),
                                    model_limits::SaturateInt32(length), OrientationByte(orientation)));
  return Outcome::kDone;
}
