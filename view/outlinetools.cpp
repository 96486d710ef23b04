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

CViewTool::Outcome CCornerTool::LeftDown(CChildView& view, QPoint pixel) {
  CChamber& camera = view.Camera();
  CWallCollection* wall = nullptr;
  if (!camera.FindWallAt(view.Mapping(), pixel.x(), pixel.y(), &wall)) {
    ShowMessage(Lang::kNoWallForCorner, Lang::kNoWallCaption, MessageButtons::Ok, &view);
    return Outcome::kStay;
  }
  if (RefuseLockedGeometry(camera.GeometryLocked(), &view)) return Outcome::kDone;
  const int index = camera.IndexOfWall(wall);
  // Asked before the dialog, as always; the division goes only with the
  // corner, after OK.
  CWindowAsker asker(&view);
  if (wall->PanelCount() > 0 && !asker.Confirm(EditMessage(Lang::kRemoveDivisionForCorner))) return Outcome::kStay;

  CNewControlPointDlg dialog(&view);
  dialog.SetWallOrientation(static_cast<uint8_t>(OrientationByte(wall->GetOrientation())));
  if (view.RunDialog(dialog) == QDialog::Accepted) {
    // The dialog counts from the left or top end; the chain shows the
    // typed distance from that end.
    const bool firstEndIsStart = wall->ExtendedLength() >= 0;
    const WallEnd end = dialog.FromFirstEnd() == firstEndIsStart ? WallEnd::kStart : WallEnd::kEnd;
    CAnswerYes alreadyAsked;
    FinishEdit(view, edit_commands::AddCorner(view.Document(), index, end, dialog.Distance(), alreadyAsked));
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
