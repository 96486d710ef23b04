// Corner mode and move wall mode.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "chamber.h"
#include "childview.h"
#include "editmessages.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "movewcdlg.h"
#include "newcontrolpointdlg.h"

namespace {

// The model's split distance from what the corner dialog gives: the wall's
// own thickness conventions of the plan, counted from either end. Results
// beyond 32 bits are clamped; the model refuses them.
int32_t SplitDistance(const CWallCollection& wall, int32_t thickness, int32_t typed) {
  const int64_t extended = wall.ExtendedLength();
  const int64_t t = thickness;
  const int64_t d = extended >= 0 ? int64_t{typed} - 3 * t : std::llabs(extended) - typed - t;
  return static_cast<int32_t>(std::clamp<int64_t>(d, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

CViewTool::Outcome CCornerTool::LeftDown(CChildView& view, QPoint pixel) {
  CChamber& camera = view.Camera();
  CWallCollection* wall = nullptr;
  if (!camera.FindWallAt(view.Mapping(), pixel.x(), pixel.y(), &wall)) {
    ShowMessage(Lang::kNoWallForCorner, Lang::kNoWallCaption, MessageButtons::Ok, &view);
    return Outcome::kStay;
  }
  if (RefuseLockedGeometry(camera.GeometryLocked(), &view)) return Outcome::kDone;
  const int index = camera.IndexOfWall(wall);
  if (wall->IsFullyDivided() &&
      ShowMessage(Lang::kRemoveDivisionForCorner, Lang::kAttentionCaption, MessageButtons::YesNo, &view) != kMessageYes)
    return Outcome::kStay;
  // The wall loses its panels whatever the dialog's answer; recorded at
  // once, so that the file holds what the screen shows.
  if (wall->PanelCount() > 0 && !view.ApplyEdit(ClearWallRecord(index))) return Outcome::kDone;

  CNewControlPointDlg dialog(&view);
  dialog.SetWallOrientation(static_cast<uint8_t>(OrientationByte(wall->GetOrientation())));
  if (view.RunDialog(dialog) == QDialog::Accepted) {
    const int32_t distance = SplitDistance(*wall, camera.Thickness(), dialog.Distance());
    view.ApplyEdit(SplitWallRecord(index, dialog.FromFirstEnd(), distance));
  }
  return Outcome::kDone;
}

CViewTool::Outcome CMoveWallTool::LeftDown(CChildView& view, QPoint pixel) {
  if (view.Selection().Wall()) return Outcome::kStay;
  CWallCollection* wall = nullptr;
  if (view.Camera().FindWallAt(view.Mapping(), pixel.x(), pixel.y(), &wall)) {
    view.Selection().SetWall(wall);
  } else {
    ShowMessage(Lang::kNoWallToMove, Lang::kNoWallCaption, MessageButtons::Ok, &view);
  }
  return Outcome::kStay;
}

CViewTool::Outcome CMoveWallTool::LeftUp(CChildView& view, QPoint) {
  CWallCollection* wall = view.Selection().Wall();
  if (!wall) return Outcome::kStay;
  CChamber& camera = view.Camera();
  if (RefuseLockedGeometry(camera.GeometryLocked(), &view)) return Outcome::kDone;
  CMoveWCDlg dialog(&view);
  dialog.SetDirection(static_cast<uint8_t>(OrientationByte(wall->GetOrientation())));
  if (view.RunDialog(dialog) == QDialog::Accepted) {
    // The record names the wall by its index before the move: what a
    // replay hands to the model.
    const int index = camera.IndexOfWall(wall);
    if (index >= 0) view.ApplyEdit(MoveWallRecord(index, dialog.Direction(), dialog.Distance()));
  }
  view.Selection().SetWall(nullptr);
  return Outcome::kDone;
}
