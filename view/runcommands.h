#pragma once

class CChildView;

// The commands that act on "the selected wall, else the selected
// partition". Walls and partitions share the handlers (their context menus
// carry different numbers for the same action); each records the outline
// wall's operation code or the partition's. Nothing happens when neither is
// selected.

// Splits the run automatically: Cmd::kSplitCollection, kSplitPartition.
void SplitSelectedRun(CChildView& view);
// Divides the run by hand in the wall division dialog: Cmd::kManualDivision,
// kManualDivisionPartition.
// Recorded after OK only; a cancelled dialog leaves the run as it was.
void DivideSelectedRun(CChildView& view);
// Removes the run's division, doors included: Cmd::kRemoveDivision,
// kDeleteDivision.
void ClearSelectedRun(CChildView& view);
