#pragma once

#include <vector>

#include "zamo_abi.h"

class CChamber;

// The panel groups handed to pricing. Each tally empties `out`, then walks
// its runs in order; it returns false at the first run (or strip) that is
// not fully divided, leaving the records gathered so far in `out`.
//
// Wall records (outline segments in chain order, or partitions in list
// order): one per distinct panel type, in order of first appearance.
// Ordinary panels group by width and kind (with door variant 0, whatever a
// removed swing door left on them); swing door blocks by width and variant;
// openings by their height alone (width = that of the first one).
// A container or sliding door (IsSideDoorKind) takes the ordinary panels
// directly beside it into its door block: they are not counted as wall
// panels, and the door record carries their widths (nextWidth, prevWidth; 0
// where the neighbour is a door or the run ends there). A panel between two
// such doors belongs to the first one. Their door records group by
// their side widths too, so that every door and every physical panel is
// priced exactly once and with its own side panels.
bool TallyWallPanels(const CChamber& camera, std::vector<WallPanelTally>& out);
bool TallyPartitionPanels(const CChamber& camera, std::vector<WallPanelTally>& out);

// Floor/ceiling records: one per distinct (width, piece length) over every
// panel piece of every strip.
bool TallyFloorPanels(const CChamber& camera, std::vector<FloorPanelTally>& out);
