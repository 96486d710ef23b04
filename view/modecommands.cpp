// The mouse modes of the outline (corner, move wall), fitting the plan to
// the window, the switch to inside dimensions and typed lengths.
#include <QApplication>

#include <optional>

#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editcommands.h"
#include "editmessages.h"
#include "innersize.h"
#include "insidedimensions.h"
#include "modellimits.h"
#include "planstatus.h"
#include "setwalllengthdlg.h"

namespace {

template <class Tool>
void StartOutlineMode(CChildView& view, ViewMode mode) {
  if (RefuseLockedGeometry(view.Camera().GeometryLocked(), &view)) return;
  view.StartMode(mode, std::make_unique<Tool>());
}

// The choice holds for every camera window: each redraws its chains and
// says its status again.
void ToggleInsideDimensions() {
  SetInsideDimensionsShown(!InsideDimensionsShown());
  for (QWidget* widget : QApplication::allWidgets()) {
    if (auto* view = qobject_cast<CChildView*>(widget)) view->FollowInsideDimensions();
  }
}

// The length a chain shows, asked for; nothing when cancelled. A typed
// length moves a wall's face, which moves its outer and inner face alike:
// the answer comes back as the outer length the commands take.
std::optional<int32_t> AskLength(CChildView& view, CSetWallLengthDlg& dialog, int64_t outer, int64_t shown) {
  dialog.SetLength(model_limits::SaturateInt32(shown));
  if (view.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
  return model_limits::SaturateInt32(outer + dialog.Length() - shown);
}

void SetWallLength(CChildView& view) {
  const CChamber& camera = view.Camera();
  const int wall = view.Selection().WallIndex(camera);
  const std::optional<WallChainSpan> span = MeasureWallInChain(camera, wall);
  if (!span || RefuseLockedGeometry(camera.GeometryLocked(), &view)) return;
  const int64_t shown = InsideDimensionsShown() ? InsideLength(camera, wall) : span->value;
  CSetWallLengthDlg dialog(&view);
  dialog.SetEndChoice(true, edit_commands::DefaultMovingEnd(camera, wall).value_or(WallEnd::kEnd) == WallEnd::kEnd);
  const std::optional<int32_t> length = AskLength(view, dialog, span->value, shown);
  if (!length) return;
  CWindowAsker asker(&view);
  FinishEdit(view, edit_commands::SetWallLength(view.Document(), wall, *length,
                                                dialog.EndMoves() ? WallEnd::kEnd : WallEnd::kStart, asker));
}

// The camera's overall length (along x) or width: the wall furthest right
// (or lowest) moves, outward for a larger size.
void SetCameraSize(CChildView& view, bool length) {
  const CChamber& camera = view.Camera();
  if (camera.WallCount() == 0 || RefuseLockedGeometry(camera.GeometryLocked(), &view)) return;
  const std::vector<ModelPoint> starts = camera.WallStarts();
  int far = -1;
  for (int i = 0; i < camera.WallCount(); ++i) {
    if (camera.WallAt(i)->IsVertical() != length) continue;
    const int32_t at = length ? starts[static_cast<size_t>(i)].x : starts[static_cast<size_t>(i)].y;
    if (far < 0 || at > (length ? starts[static_cast<size_t>(far)].x : starts[static_cast<size_t>(far)].y)) far = i;
  }
  if (far < 0) return;
  const CameraSizes sizes = MeasureCameraSizes(camera);
  const int64_t outer = length ? sizes.outerWidth : sizes.outerDepth;
  const int64_t inner = length ? sizes.innerWidth : sizes.innerDepth;
  CSetWallLengthDlg dialog(&view);
  const std::optional<int32_t> typed = AskLength(view, dialog, outer, InsideDimensionsShown() ? inner : outer);
  if (!typed) return;
  CWindowAsker asker(&view);
  FinishEdit(view, edit_commands::MoveWall(view.Document(), far, model_limits::SaturateInt32(*typed - outer), asker));
}

}  // namespace

void RegisterModeCommands(CCommandTable& table) {
  table.Add(Cmd::kCornerMode, [](CChildView& view) { StartOutlineMode<CCornerTool>(view, ViewMode::kCorner); });
  table.Add(Cmd::kMoveWallMode,
            [](CChildView& view) { StartOutlineMode<CMoveWallTool>(view, ViewMode::kMoveWall); });
  table.Add(Cmd::kFitToWindow, [](CChildView& view) { view.FitToWindow(); });
  table.Add(Cmd::kInsideDimensions, [](CChildView&) { ToggleInsideDimensions(); });
  table.Add(Cmd::kSetWallLength, SetWallLength);
  table.Add(Cmd::kSetCameraLength, [](CChildView& view) { SetCameraSize(view, true); });
  table.Add(Cmd::kSetCameraWidth, [](CChildView& view) { SetCameraSize(view, false); });
}
