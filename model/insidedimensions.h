#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"

class CChamber;
class CWallCollection;

// Clear sizes between the inner faces of the outline walls. The reference
// line runs through the middle of every wall and the chain is traced
// clockwise on the screen, so the room lies to the right of each wall's
// direction of travel; its inner face stands half a thickness that way.

// One millimetre from outline wall `wall` towards the room: its direction
// of travel turned a quarter clockwise on the screen. Outward is the
// opposite.
ModelPoint InwardStep(const CWallCollection& wall);

// The inner corner at the start of every outline wall, in chain order:
// where the inner faces of the wall and of the one before it meet (on the
// face itself where the two run straight on). Empty for a camera without an
// outline.
std::vector<ModelPoint> InnerCorners(const CChamber& camera);

// The clear length of outline wall `index` along its inner face, mm; 0 for
// an index that names no wall.
int64_t InsideLength(const CChamber& camera, int index);
int64_t InsideLength(const CChamber& camera, const CWallCollection* wall);
