// The command groups still to come. Their numbers are registered with
// handlers that do nothing, so that every menu item is there and enabled;
// a group's own file replaces its function here when it arrives (delete
// the function from this file then).
#include <initializer_list>

#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"

namespace {

void AddIdle(CCommandTable& table, std::initializer_list<int> commands) {
  for (int command : commands) table.Add(command, [](CChildView&) {});
}

}  // namespace

// TODO(#9): doors and openings.
void RegisterDoorCommands(CCommandTable& table) {
  using namespace Cmd;
  AddIdle(table, {kSetOpening, kSetContainerDoorLeft, kSetContainerDoorRight, kSetSlidingDoorLeft, kSetSlidingDoorRight,
                  kSetSwingDoor2040, kSetSwingDoor2300, kSetSwingDoor2560, kDeleteDoor});
}

// TODO(#9): partitions.
void RegisterPartitionCommands(CCommandTable& table) {
  using namespace Cmd;
  AddIdle(table, {kPartitionMode, kDeletePartition, kSplitPartition, kManualDivisionPartition, kContinueAsPartition});
}

// TODO(#9): walls and floor. Filling every wall is already the real
// command (a camera without divided walls cannot be priced or shown with
// its panels).
void RegisterWallFloorCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kFillAllObjects, [](CChildView& view) { view.ApplyEdit(FillAllWallsRecord()); });
  AddIdle(table, {kSplitCollection, kManualDivision, kFixNonStandardPanel, kSplitFloor,
                  kRemoveDivision, kDeleteDivision});
}
