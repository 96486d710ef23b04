// Walls and floor: fill all objects, split, divide and clear a run, fix a
// non-standard panel, divide a floor strip.
#include <QDialog>

#include <cstdlib>
#include <optional>

#include "chamber.h"
#include "childview.h"
#include "collectdivdlg.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editcommands.h"
#include "editmessages.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "modifynonstanddlg.h"
#include "runcommands.h"

namespace {

// The selected wall or partition, by index.
std::optional<RunRef> FindSelectedRun(CChildView& view) {
  const CChamber& camera = view.Camera();
  if (CWallCollection* wall = view.Selection().Wall()) {
    if (const int index = camera.IndexOfWall(wall); index >= 0) return RunRef{RunKind::kWall, index};
  } else if (CPartition* partition = view.Selection().Partition()) {
    if (const int index = camera.IndexOfPartition(partition); index >= 0) return RunRef{RunKind::kPartition, index};
  }
  return std::nullopt;
}

const CWallCollection* RunOf(CChildView& view, RunRef run) {
  return run.kind == RunKind::kWall ? static_cast<const CWallCollection*>(view.Camera().WallAt(run.index))
                                    : view.Camera().PartitionAt(run.index);
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
    CModifyNonStandDlg dialog(&view);
    dialog.SetLength(panel->Width());
    const CCameraDocument& document = view.Document();
    dialog.SetOuterSizePreview([&document, wallIndex, panelIndex](int32_t width) {
      return edit_commands::OuterSizeAfterFix(document, wallIndex, panelIndex, width);
    });
    if (view.RunDialog(dialog) == QDialog::Accepted)
      FinishEdit(view, edit_commands::FixNonStandardPanel(view.Document(), wallIndex, panelIndex, dialog.Length()));
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
    FinishEdit(view, edit_commands::DivideFloorStrip(view.Document(), index, dialog.AppliedWidths(), dialog.Heights()));
  view.Selection().SetStrip(nullptr);
  view.DocumentChanged();
}

}  // namespace

void SplitSelectedRun(CChildView& view) {
  if (const std::optional<RunRef> run = FindSelectedRun(view)) {
    CWindowAsker asker(&view);
    FinishEdit(view, edit_commands::FillRun(view.Document(), *run, asker));
  }
}

void DivideSelectedRun(CChildView& view) {
  const std::optional<RunRef> run = FindSelectedRun(view);
  if (!run) return;
  CWallCollection scratch;
  CopyPanels(*RunOf(view, *run), scratch);
  CCollectDivDlg dialog(&view);
  dialog.SetObject(&scratch);
  if (view.RunDialog(dialog) != QDialog::Accepted) return;
  // The applied widths are the whole division, so the record's single
  // completion step adds nothing, and doors whose panels kept their place
  // stay on them.
  FinishEdit(view, edit_commands::DivideRun(view.Document(), *run, dialog.AppliedWidths()));
}

void ClearSelectedRun(CChildView& view) {
  if (const std::optional<RunRef> run = FindSelectedRun(view))
    FinishEdit(view, edit_commands::ClearRun(view.Document(), *run));
}

void RegisterWallFloorCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kFillAllObjects, [](CChildView& view) {
    if (view.Document().HasCamera()) FinishEdit(view, edit_commands::FillAll(view.Document()));
  });
  table.Add(kSplitCollection, SplitSelectedRun);
  table.Add(kManualDivision, DivideSelectedRun);
  table.Add(kRemoveDivision, ClearSelectedRun);
  table.Add(kDeleteDivision, ClearSelectedRun);
  table.Add(kFixNonStandardPanel, FixNonStandardPanel);
  table.Add(kSplitFloor, SplitFloorStrip);
}
