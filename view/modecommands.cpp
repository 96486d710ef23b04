// The mouse modes of the outline (corner, move wall) and fitting the plan
// to the window.
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editmessages.h"

namespace {

template <class Tool>
void StartOutlineMode(CChildView& view, ViewMode mode) {
  if (RefuseLockedGeometry(view.Camera().GeometryLocked(), &view)) return;
  view.StartMode(mode, std::make_unique<Tool>());
}

}  // namespace

void RegisterModeCommands(CCommandTable& table) {
  table.Add(Cmd::kCornerMode, [](CChildView& view) { StartOutlineMode<CCornerTool>(view, ViewMode::kCorner); });
  table.Add(Cmd::kMoveWallMode,
            [](CChildView& view) { StartOutlineMode<CMoveWallTool>(view, ViewMode::kMoveWall); });
  table.Add(Cmd::kFitToWindow, [](CChildView& view) { view.FitToWindow(); });
}
