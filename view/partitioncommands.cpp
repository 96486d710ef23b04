// Partitions: partition mode, deleting a partition, and continuing an
// outline wall as partitions.
#include <memory>
#include <vector>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "editrecord.h"
#include "modellimits.h"
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
  view.ApplyEdit(DeletePartitionRecord(index));
  view.Selection().SetPartition(nullptr);
}

// The selected outline wall continued straight on as a partition, first
// backwards (to the left, or up), then forwards (to the right, or down).
// On each side the walls of the outline that lie beyond the wall's end and
// span its whole width are offered in chain order, each with the free
// length up to it; the first one confirmed gets its partition, a cancelled
// one passes to the next. A side with no room left ends there. Each side
// confirmed is a partition of its own.
void ContinueAsPartition(CChildView& view) {
  const CChamber& camera = view.Camera();
  const int index = view.Selection().WallIndex(camera);
  if (index < 0) return;
  const ModelRect wall = camera.WallRect(index);
  const int64_t t = camera.Thickness();
  const Orientation orientation = camera.WallAt(index)->GetOrientation();
  const bool horizontal = orientation == Orientation::kHorizontal;
  const auto low = [horizontal](const ModelRect& r) { return horizontal ? r.Left() : r.Top(); };
  const auto high = [horizontal](const ModelRect& r) { return horizontal ? r.Right() : r.Bottom(); };
  const auto spans = [horizontal, &wall](const ModelRect& r) {
    return horizontal ? r.Top() <= wall.Top() && r.Bottom() >= wall.Bottom()
                      : r.Left() <= wall.Left() && r.Right() >= wall.Right();
  };
  // The partition runs on the wall's reference line.
  const int64_t across = (horizontal ? wall.Top() : wall.Left()) + t / 2;
  const int wallCount = camera.WallCount();
  std::vector<ModelRect> bodies;
  for (int i = 0; i < wallCount; ++i) bodies.push_back(camera.WallRect(i));

  // Offers each candidate wall's gap in turn until one is confirmed.
  const auto side = [&](auto beyond, auto gapTo, int64_t along, int sign) {
    for (const ModelRect& other : bodies) {
      if (!beyond(other) || !spans(other)) continue;
      const int64_t gap = gapTo(other);
      if (gap <= 0) return;
      const std::optional<int32_t> entered = AskPartitionLength(view, gap);
      if (!entered || *entered == 0) continue;
      const int64_t x = horizontal ? along : across;
      const int64_t y = horizontal ? across : along;
      view.ApplyEdit(AddPartitionRecord(model_limits::SaturateInt32(x), model_limits::SaturateInt32(y),
                                        sign * *entered, OrientationByte(orientation)));
      return;
    }
  };
  // Backwards the partition ends at the wall's own end; forwards it starts
  // one thickness past the wall's end, where the corner post of the wall
  // before or after it stands, and runs to the far wall's inner face.
  side([&](const ModelRect& r) { return low(r) < low(wall); },
       [&](const ModelRect& r) { return int64_t{low(wall)} - low(r) - t; }, low(wall) + t / 2, -1);
  side([&](const ModelRect& r) { return high(r) > high(wall); },
       [&](const ModelRect& r) { return int64_t{high(r)} - high(wall) - 2 * t; }, high(wall) + t / 2, 1);
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
