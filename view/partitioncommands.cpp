// Partitions: partition mode, deleting a partition, and continuing an
// outline wall as partitions.
#include <memory>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editcommands.h"
#include "editmessages.h"
#include "partitionplacement.h"
#include "partitiontool.h"
#include "runcommands.h"

namespace {

void StartPartitionMode(CChildView& view) {
  if (!view.Document().HasCamera()) return;
  // A fresh tool: whatever an earlier placement left pending is dropped.
  view.Selection().SetPartition(nullptr);
  view.StartMode(ViewMode::kPartition, std::make_unique<CPartitionTool>());
}

void DeletePartition(CChildView& view) {
  const int index = view.Selection().PartitionIndex(view.Camera());
  if (index < 0) return;
  view.Selection().SetPartition(nullptr);
  FinishEdit(view, edit_commands::DeletePartition(view.Document(), index));
}

// The selected outline wall continued straight on as a partition, first
// backwards (to the left, or up), then forwards (to the right, or down).
// On each side the walls beyond the wall's end are offered in turn, each
// with the free length up to it; the first one confirmed gets its
// partition, a cancelled one passes to the next. Each side confirmed is a
// partition of its own.
void ContinueAsPartition(CChildView& view) {
  const int index = view.Selection().WallIndex(view.Camera());
  if (index < 0) return;
  for (const PartitionContinuation& side : ContinueAsPartitions(view.Camera(), index)) {
    for (const int64_t gap : side.gaps) {
      const std::optional<int32_t> entered = AskPartitionLength(view, gap);
      if (!entered || *entered == 0) continue;
      const PartitionSpec partition = side.ForLength(*entered);
      FinishEdit(view, edit_commands::AddPartition(view.Document(), partition));
      break;
    }
  }
}

}  // namespace

void RegisterPartitionCommands(CCommandTable& table) {
  using namespace Cmd;
  table.Add(kPartitionMode, StartPartitionMode);
  table.Add(kDeletePartition, DeletePartition);
  table.Add(kSplitPartition, SplitSelectedRun);
  table.Add(kManualDivisionPartition, DivideSelectedRun);
  table.Add(kContinueAsPartition, ContinueAsPartition);
}
