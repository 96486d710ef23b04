// Corner mode and move wall mode.
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "chamber.h"
#include "childview.h"
#include "editcommands.h"
#include "editmessages.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "modellimits.h"
#include "movewcdlg.h"
#include "newcontrolpointdlg.h"
#include "walldrag.h"

namespace {

// The colour of what follows the pointer.
const QColor kDragColour(0, 120, 215);

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
  // The wall under the press, whatever a right click picked before.
  CChamber& camera = view.Camera();
  CWallCollection* wall = nullptr;
  if (!camera.FindWallAt(view.Mapping(), pixel.x(), pixel.y(), &wall)) {
    ShowMessage(Lang::kNoWallToMove, Lang::kNoWallCaption, MessageButtons::Ok, &view);
    return Outcome::kStay;
  }
  if (RefuseLockedGeometry(camera.GeometryLocked(), &view)) return Outcome::kDone;
  wall_ = camera.IndexOfWall(wall);
  press_ = pointer_ = pixel;
  outward_ = 0;
  return Outcome::kStay;
}

void CMoveWallTool::PointerMoved(CChildView& view, QPoint pixel, bool leftHeld) {
  if (wall_ < 0 || !leftHeld) return;
  pointer_ = pixel;
  const CPixelMapping& mapping = view.Mapping();
  outward_ = DragOutward(view.Camera(), wall_, mapping.ToModel({press_.x(), press_.y()}),
                         mapping.ToModel({pixel.x(), pixel.y()}));
}

CViewTool::Outcome CMoveWallTool::LeftUp(CChildView& view, QPoint pixel) {
  if (wall_ < 0) return Outcome::kStay;
  PointerMoved(view, pixel, true);
  const int index = wall_;
  const int64_t dragged = RoundToStep(outward_, kDistanceStep);
  wall_ = -1;
  CChamber& camera = view.Camera();
  const CWallCollection* wall = camera.WallAt(index);
  if (!wall) return Outcome::kDone;
  CMoveWCDlg dialog(&view);
  dialog.SetDirection(static_cast<uint8_t>(OrientationByte(wall->GetOrientation())));
  // A press without a drag offers no distance and the inward move a typed
  // distance always made.
  dialog.SetOffer(model_limits::SaturateInt32(std::llabs(dragged)), dragged > 0);
  if (view.RunDialog(dialog) != QDialog::Accepted || dialog.Distance() == 0) return Outcome::kDone;
  const int32_t outward = dialog.Outward() ? dialog.Distance() : -dialog.Distance();
  CWindowAsker asker(&view);
  FinishEdit(view, edit_commands::MoveWall(view.Document(), index, outward, asker));
  return Outcome::kDone;
}

void CMoveWallTool::PaintOverlay(const CChildView& view, QPainter& painter) const {
  if (wall_ < 0) return;
  const CPixelMapping& mapping = view.Mapping();
  const auto pixel = [&](ModelPoint p) {
    const PixelPoint q = mapping.ToPixel(p);
    return QPoint(q.x, q.y);
  };
  // The pressed wall, framed.
  const ModelRect body = view.Camera().WallRect(wall_);
  painter.setPen(QPen(kDragColour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(pixel({body.Left(), body.Top()}), pixel({body.Right(), body.Bottom()}))
                       .normalized()
                       .adjusted(-3, -3, 3, 3));
  if (outward_ == 0) return;
  // The outline as the move would leave it, on the walls' middle line.
  QPolygon outline;
  for (const ModelPoint& p : OutlineWithWallMoved(view.Camera(), wall_, outward_)) outline << pixel(p);
  painter.setPen(QPen(kDragColour, 2, Qt::DashLine));
  painter.drawPolygon(outline);
  painter.setPen(kDragColour);
  painter.drawText(pointer_ + QPoint(14, -8), StatusText(view));
}

QString CMoveWallTool::StatusText(const CChildView&) const {
  if (wall_ < 0) return {};
  return UiText(Lang::kDragDistance)
      .arg(UiText(outward_ >= 0 ? Lang::kDirectionOutward : Lang::kDirectionInward))
      .arg(std::llabs(outward_));
}
