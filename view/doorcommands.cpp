// Doors and openings on the selected panel of a wall or a partition.
#include <QDialog>

#include <optional>
#include <utility>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editcommands.h"
#include "editmessages.h"
#include "languageentries.h"
#include "messages.h"
#include "proemheightdlg.h"

namespace {

// The run and panel under the last right click, by index.
std::optional<std::pair<RunRef, int>> SelectedPanel(CChildView& view) {
  const CViewSelection& selection = view.Selection();
  const CChamber& camera = view.Camera();
  const int panel = selection.PanelIndex();
  if (!selection.Panel() || panel < 0) return std::nullopt;
  if (const int wall = camera.IndexOfWall(selection.PanelOwner()); wall >= 0)
    return std::pair{RunRef{RunKind::kWall, wall}, panel};
  if (const int partition = camera.IndexOfPartition(selection.PanelOwner()); partition >= 0)
    return std::pair{RunRef{RunKind::kPartition, partition}, panel};
  ShowMessage(Lang::kPanelNotInOwner, Lang::kErrorCaption, MessageButtons::Ok, &view);
  return std::nullopt;
}

void SetDoor(CChildView& view, DoorChoice door) {
  if (!view.Document().HasCamera()) return;
  // Without a picked panel the command still says when the camera is too
  // low for the door.
  const auto selected = SelectedPanel(view);
  const EditResult result = edit_commands::SetDoor(view.Document(), selected ? selected->first : RunRef{},
                                                   selected ? selected->second : -1, door);
  if (selected || result.reason.entry == Lang::kCameraTooLowForDoor) FinishEdit(view, result);
}

void SetOpening(CChildView& view) {
  if (!view.Selection().Panel()) return;
  CProemHeightDlg dialog(&view);
  if (view.RunDialog(dialog) != QDialog::Accepted) return;
  if (const auto selected = SelectedPanel(view))
    FinishEdit(view, edit_commands::SetDoor(view.Document(), selected->first, selected->second,
                                            DoorChoice::kOpening, dialog.Height()));
}

void DeleteDoor(CChildView& view) {
  const CWallPanel* panel = view.Selection().Panel();
  if (!panel || !panel->IsDoor()) return;
  if (const auto selected = SelectedPanel(view))
    FinishEdit(view, edit_commands::RemoveDoor(view.Document(), selected->first, selected->second));
}

}  // namespace

void RegisterDoorCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kSetOpening, SetOpening);
  table.Add(kSetSwingDoor2040, [](CChildView& view) { SetDoor(view, DoorChoice::kSwing2040); });
  table.Add(kSetSwingDoor2300, [](CChildView& view) { SetDoor(view, DoorChoice::kSwing2300); });
  table.Add(kSetSwingDoor2560, [](CChildView& view) { SetDoor(view, DoorChoice::kSwing2560); });
  table.Add(kSetContainerDoorLeft, [](CChildView& view) { SetDoor(view, DoorChoice::kContainerLeft); });
  table.Add(kSetContainerDoorRight, [](CChildView& view) { SetDoor(view, DoorChoice::kContainerRight); });
  table.Add(kSetSlidingDoorLeft, [](CChildView& view) { SetDoor(view, DoorChoice::kSlidingLeft); });
  table.Add(kSetSlidingDoorRight, [](CChildView& view) { SetDoor(view, DoorChoice::kSlidingRight); });
  table.Add(kDeleteDoor, DeleteDoor);
}
