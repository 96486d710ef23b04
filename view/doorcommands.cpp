// Doors and openings on the selected panel of a wall or a partition.
#include <QDialog>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "proemheightdlg.h"

namespace {

// Swing door blocks 2 and 3 need a camera at least this high (mm). The
// 2560 block stands in a 2400 camera: its frame reaches into the ceiling.
constexpr int32_t kSwingDoor2300MinHeight = 2300;
constexpr int32_t kSwingDoor2560MinHeight = 2400;

enum SwingDoorVariant : int32_t { kSwingDoor2040 = 1, kSwingDoor2300 = 2, kSwingDoor2560 = 3 };

// Records the selected panel's new door state and so puts it in place:
// kOpPanelDoor on an outline wall, kOpPartitionPanelDoor on a partition.
// The variant and the opening height a command does not set are carried
// over from the panel, so that the record holds what the panel then shows.
void RecordPanelKind(CChildView& view, int32_t kind, int32_t doorVariant, int32_t openingHeight) {
  const CViewSelection& selection = view.Selection();
  const CChamber& camera = view.Camera();
  const int panel = selection.PanelIndex();
  if (const int wall = camera.IndexOfWall(selection.PanelOwner()); wall >= 0 && panel >= 0) {
    view.ApplyEdit(PanelDoorRecord(wall, panel, kind, doorVariant, openingHeight));
  } else if (const int partition = camera.IndexOfPartition(selection.PanelOwner()); partition >= 0 && panel >= 0) {
    view.ApplyEdit(PartitionPanelDoorRecord(partition, panel, kind, doorVariant, openingHeight));
  } else {
    ShowMessage(Lang::kPanelNotInOwner, Lang::kErrorCaption, MessageButtons::Ok, &view);
  }
}

void SetSwingDoor(CChildView& view, int32_t variant, int32_t minHeight) {
  if (!view.Document().HasCamera()) return;
  if (view.Camera().Height() < minHeight) {
    ShowMessage(Lang::kCameraTooLowForDoor, Lang::kCameraTooLowCaption, MessageButtons::Ok, &view);
    return;
  }
  if (const CWallPanel* panel = view.Selection().Panel())
    RecordPanelKind(view, kSwingDoorBlock, variant, panel->OpeningHeight());
}

// Container and sliding doors take the panels on both sides into their
// block, so they cannot stand at either end of a run.
void SetSideDoor(CChildView& view, int32_t kind) {
  const CViewSelection& selection = view.Selection();
  const CWallPanel* panel = selection.Panel();
  if (!panel) return;
  const int index = selection.PanelIndex();
  if (index == 0 || index == selection.PanelOwner()->PanelCount() - 1) {
    ShowMessage(Lang::kDoorOnEndPanel, Lang::kErrorCaption, MessageButtons::Ok, &view);
    return;
  }
  RecordPanelKind(view, kind, panel->DoorVariant(), panel->OpeningHeight());
}

void SetOpening(CChildView& view) {
  if (!view.Selection().Panel()) return;
  CProemHeightDlg dialog(&view);
  if (view.RunDialog(dialog) != QDialog::Accepted) return;
  const int32_t height = dialog.Height();
  const int32_t wallHeight = view.Camera().Height();
  // The dialog reads whatever was typed; an opening of no height, or one
  // higher than the wall it is cut into, would be priced as nonsense.
  if (height < 1 || height > wallHeight) {
    ShowMessageText(UiText(Lang::kOpeningHeightOutOfRange).arg(wallHeight),
                    LangText(Lang::kOpeningCaption), MessageButtons::Ok, &view);
    return;
  }
  if (const CWallPanel* panel = view.Selection().Panel())
    RecordPanelKind(view, kOpening, panel->DoorVariant(), height);
}

void DeleteDoor(CChildView& view) {
  const CWallPanel* panel = view.Selection().Panel();
  if (!panel || !panel->IsDoor()) return;
  RecordPanelKind(view, kPanelStandard, panel->DoorVariant(), panel->OpeningHeight());
}

}  // namespace

void RegisterDoorCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kSetOpening, SetOpening);
  table.Add(kSetSwingDoor2040, [](CChildView& view) { SetSwingDoor(view, kSwingDoor2040, 0); });
  table.Add(kSetSwingDoor2300,
            [](CChildView& view) { SetSwingDoor(view, kSwingDoor2300, kSwingDoor2300MinHeight); });
  table.Add(kSetSwingDoor2560,
            [](CChildView& view) { SetSwingDoor(view, kSwingDoor2560, kSwingDoor2560MinHeight); });
  table.Add(kSetContainerDoorLeft, [](CChildView& view) { SetSideDoor(view, kContainerDoorLeft); });
  table.Add(kSetContainerDoorRight, [](CChildView& view) { SetSideDoor(view, kContainerDoorRight); });
  table.Add(kSetSlidingDoorLeft, [](CChildView& view) { SetSideDoor(view, kSlidingDoorLeft); });
  table.Add(kSetSlidingDoorRight, [](CChildView& view) { SetSideDoor(view, kSlidingDoorRight); });
  table.Add(kDeleteDoor, DeleteDoor);
}
