#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"

class CChamber;

// Dragging an outline wall sideways: how far the pointer has taken it and
// the outline that would give, for the window to show while the button is
// held. Outward is away from the room (InwardStep reversed).

// The part of a drag from `from` to `to` (mm) square to outline wall
// `index`, positive outward; 0 for an index that names no wall.
int64_t DragOutward(const CChamber& camera, int index, ModelPoint from, ModelPoint to);

// `distance` to the nearest multiple of `step` (> 0), halves away from 0.
int64_t RoundToStep(int64_t distance, int64_t step);

// The reference outline, the start of every wall in chain order, with wall
// `index` moved `outward` mm: both of its ends shift, so a neighbour square
// to it stretches or shrinks and one running straight on gets a step, as
// the move itself makes them. The plain outline for an index that names no
// wall.
std::vector<ModelPoint> OutlineWithWallMoved(const CChamber& camera, int index, int64_t outward);
