// Walls and floor: fill all objects, split, divide and clear a run, fix a
// non-standard panel, divide a floor strip.
#include <QDialog>

#include <cstdlib>

#include "chamber.h"
#include "childview.h"
#include "collectdivdlg.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editmessages.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "modifynonstanddlg.h"
#include "runcommands.h"

namespace {

// The selected run and the record a command makes for it: the outline
// wall's code when the run is a wall, the partition's code otherwise.
struct SelectedRun {
  CWallCollection* run = nullptr;
  int wall = -1;
  int partition = -1;
};

SelectedRun FindSelectedRun(CChildView& view) {
  const CChamber& camera = view.Camera();
  SelectedRun found;
  if (CWallCollection* wall = view.Selection().Wall()) {
    found.run = wall;
    found.wall = camera.IndexOfWall(wall);
  } else if (CPartition* partition = view.Selection().Partition()) {
    found.run = partition;
    found.partition = camera.IndexOfPartition(partition);
  }
  if (found.wall < 0 && found.partition < 0) found.run = nullptr;
  return found;
}

// The dialogs work on a copy: the camera changes only through the record
// that the command applies after OK, exactly as a replay will change it.
void CopyPanels(const CWallCollection& from, CWallCollection& to) {
  to.Init(from.Length(), from.Thickness(), from.Camera(), from.GetOrientation());
  for (const CWallPanel& panel : from.Panels()) to.AppendPanel(panel.Width());
}

void CopyPanels(const CFloorStrip& from, CFloorStrip& to) {
  to.SetRect(from.X(), from.Y(), from.W(), from.H());
  for (const CFloorPanel& panel : from.Panels()) to.AppendFloorPanel(panel.Width());
}

void FixNonStandardPanel(CChildView& view) {
  CViewSelection& selection = view.Selection();
  CWallCollection* wall = selection.Wall();
  const CWallPanel* panel = selection.Panel();
  // Partitions have no opposite wall to take up a new width.
  if (!wall || !panel || selection.PanelOwner() != wall) return;
  if (!RefuseLockedGeometry(view.Camera().GeometryLocked(), &view)) {
    const int wallIndex = view.Camera().IndexOfWall(wall);
    const int panelIndex = selection.PanelIndex();
    const int32_t oldWidth = panel->Width();
    CModifyNonStandDlg dialog(&view);
    dialog.SetLength(oldWidth);
    if (view.RunDialog(dialog) == QDialog::Accepted) {
      const int32_t width = dialog.Length();
      // "Keep" changes nothing: resizing by 0 would still divide the
      // opposite wall anew.
      if (width < 1) {
        ShowMessageText(UiText(Lang::kPanelWidthNotPositive), UiText(Lang::kWarningCaption), MessageButtons::Ok,
                        &view);
      } else if (width != oldWidth) {
        view.ApplyEdit(ResizePanelRecord(wallIndex, panelIndex, width));
      }
    }
  }
  selection.ClearPanel();
  selection.SetWall(nullptr);
  view.DocumentChanged();
}

void SplitFloorStrip(CChildView& view) {
  CFloorStrip* strip = view.Selection().Strip();
  if (!strip) return;
  const int index = view.Camera().IndexOfFloorStrip(strip);
  CFloorStrip scratch(&view.Camera(), strip->Direction());
  CopyPanels(*strip, scratch);
  CCollectDivDlg dialog(&view);
  dialog.SetObject(&scratch);
  dialog.SetHeight(strip->PanelLength());
  if (view.RunDialog(dialog) == QDialog::Accepted)
    view.ApplyEdit(DivideFloorStripRecord(index, dialog.AppliedWidths(), dialog.Heights()));
  view.Selection().SetStrip(nullptr);
  view.DocumentChanged();
}

}  // namespace

void SplitSelectedRun(CChildView& view) {
  const SelectedRun selected = FindSelectedRun(view);
  if (selected.wall >= 0) {
    view.ApplyEdit(AutoFillWallRecord(selected.wall));
  } else if (selected.partition >= 0) {
    view.ApplyEdit(AutoFillPartitionRecord(selected.partition));
  }
}

void DivideSelectedRun(CChildView& view) {
  const SelectedRun selected = FindSelectedRun(view);
  if (!selected.run) return;
  CWallCollection scratch;
  CopyPanels(*selected.run, scratch);
  CCollectDivDlg dialog(&view);
  dialog.SetObject(&scratch);
  if (view.RunDialog(dialog) != QDialog::Accepted) return;
  // The applied widths are the whole division, so the record's single
  // completion step adds nothing, and doors whose panels kept their place
  // stay on them.
  const std::vector<int32_t>& widths = dialog.AppliedWidths();
  if (selected.wall >= 0) {
    view.ApplyEdit(DivideWallRecord(selected.wall, widths));
  } else {
    view.ApplyEdit(DividePartitionRecord(selected.partition, widths));
  }
}

void ClearSelectedRun(CChildView& view) {
  const SelectedRun selected = FindSelectedRun(view);
  if (selected.wall >= 0) {
    view.ApplyEdit(ClearWallRecord(selected.wall));
  } else if (selected.partition >= 0) {
    view.ApplyEdit(ClearPartitionRecord(selected.partition));
  }
}

void RegisterWallFloorCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kFillAllObjects, [](CChildView& view) { view.ApplyEdit(FillAllWallsRecord()); });
  table.Add(kSplitCollection, SplitSelectedRun);
  table.Add(kManualDivision, DivideSelectedRun);
  table.Add(kRemoveDivision, ClearSelectedRun);
  table.Add(kDeleteDivision, ClearSelectedRun);
  table.Add(kFixNonStandardPanel, FixNonStandardPanel);
  table.Add(kSplitFloor, SplitFloorStrip);
}
