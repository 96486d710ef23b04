#include "paneltally.h"

#include <limits>
#include <map>
#include <tuple>

#include "chamber.h"

namespace {

// Records are matched through a key index rather than a scan of the list, so
// that a run of many distinct panels tallies in n log n.
using Key = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t>;

class CWallTally {
 public:
  explicit CWallTally(std::vector<WallPanelTally>& out) : out_(out) { out_.clear(); }

  // false when the run is not fully divided.
  bool AddRun(const CWallCollection& run) {
    if (!run.IsFullyDivided()) return false;
    const auto panels = run.Panels();
    const size_t n = panels.size();
    // First pass: which ordinary panels stand beside a container or sliding
    // door and so belong to its door block. Claimed in run order.
    std::vector<bool> claimed(n, false);
    std::vector<int32_t> nextWidth(n, 0);
    std::vector<int32_t> prevWidth(n, 0);
    for (size_t i = 0; i < n; ++i) {
      if (!IsSideDoorKind(panels[i].Kind())) continue;
      if (i > 0 && IsOrdinaryKind(panels[i - 1].Kind()) && !claimed[i - 1]) {
        claimed[i - 1] = true;
        prevWidth[i] = panels[i - 1].Width();
      }
      if (i + 1 < n && IsOrdinaryKind(panels[i + 1].Kind())) {
        claimed[i + 1] = true;
        nextWidth[i] = panels[i + 1].Width();
      }
    }
    for (size_t i = 0; i < n; ++i)
      if (!claimed[i]) Count(panels[i], nextWidth[i], prevWidth[i]);
    return true;
  }

 private:
  void Count(const CWallPanel& panel, int32_t next, int32_t prev) {
    const int32_t kind = panel.Kind();
    // A panel whose swing door was taken away keeps the door's variant (the
    // door commands and camera files leave it there); as an ordinary panel it
    // is the same type as its plain neighbours.
    const int32_t variant = IsOrdinaryKind(kind) ? 0 : panel.DoorVariant();
    // Openings are one type per height; everything else by its own fields.
    const Key key = kind == kOpening ? Key{kind, panel.OpeningHeight(), 0, 0, 0}
                                     : Key{kind, panel.Width(), variant, next, prev};
    const auto [it, added] = index_.try_emplace(key, out_.size());
    if (!added) {
      ++out_[it->second].count;
      return;
    }
    WallPanelTally record{};
    record.count = 1;
    record.width = panel.Width();
    record.openingHeight = kind == kOpening ? panel.OpeningHeight() : 0;
    record.isDoor = panel.IsDoor() ? 1 : 0;
    record.kind = kind;
    record.nextWidth = next;
    record.prevWidth = prev;
    record.doorVariant = variant;
    out_.push_back(record);
  }

  std::vector<WallPanelTally>& out_;
  std::map<Key, size_t> index_;
};

}  // namespace

bool TallyWallPanels(const CChamber& camera, std::vector<WallPanelTally>& out) {
  CWallTally tally(out);
  for (int i = 0; i < camera.WallCount(); ++i)
    if (!tally.AddRun(*camera.WallAt(i))) return false;
  return true;
}

bool TallyPartitionPanels(const CChamber& camera, std::vector<WallPanelTally>& out) {
  CWallTally tally(out);
  for (int i = 0; i < camera.PartitionCount(); ++i)
    if (!tally.AddRun(*camera.PartitionAt(i))) return false;
  return true;
}

bool TallyFloorPanels(const CChamber& camera, std::vector<FloorPanelTally>& out) {
  out.clear();
  std::map<std::pair<int32_t, int32_t>, size_t> index;
  for (int s = 0; s < camera.FloorStripCount(); ++s) {
    const CFloorStrip& strip = *camera.FloorStripAt(s);
    if (!strip.IsFullyDivided()) return false;
    const std::vector<int32_t> pieces = strip.PieceLengths();
    for (const CFloorPanel& panel : strip.Panels()) {
      // Each panel from its far end to its start.
      for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        const int32_t length = strip.Direction() == CFloorStrip::kAlongX ? *it : strip.W();
        const auto [entry, added] = index.try_emplace({panel.Width(), length}, out.size());
        if (!added) {
          // Saturate rather than wrap on an absurdly cut plan.
          if (out[entry->second].count < std::numeric_limits<int32_t>::max()) ++out[entry->second].count;
          continue;
        }
        FloorPanelTally record{};
        record.count = 1;
        record.width = panel.Width();
        record.length = length;
        out.push_back(record);
      }
    }
  }
  return true;
}
