#pragma once

// Why a model operation refused to act. Every refusing operation returns
// false and leaves the camera exactly as it was; the window maps the reason to
// a message, while the replay of a camera file skips the record silently.
enum class EditRefusal {
  kNone = 0,
  // The first outline segment cannot be moved: the whole chain hangs on it.
  kFirstSegment,
  // The index or reference names no outline wall (or no partition).
  kNoSuchWall,
  // The index names no panel of the run.
  kNoSuchPanel,
  // A length, coordinate or count would leave the model's bounds
  // (model_limits).
  kBeyondLimits,
  // A run would get a panel run of 0 mm or reverse its direction.
  kRunWouldVanish,
  // The outline would no longer close.
  kOpenChain,
  // A move has no perpendicular neighbour to bend, so nothing would move.
  kNothingToBend,
  // No opposite parallel segment can take up a resize.
  kNoOppositeWall,
  // Re-dividing a run would take away a door or opening that has no panel of
  // the same place and width left to stand on.
  kWouldLoseDoor,
  // An argument outside its domain: a panel kind, door variant, width,
  // thickness or scale that no camera can have.
  kBadArgument,
  // Create on a camera that already has an outline.
  kNotEmpty,
  // A container or sliding door needs a panel on either side of it.
  kDoorAtRunEnd,
  // Two walls of the outline would cross or touch: no room has such walls.
  kWallsWouldCross,
};

// A stable English name of the reason ("first-segment", ...), for logs, the
// command-line tool and test output; never shown to the user.
const char* EditRefusalName(EditRefusal reason);

// Stores `reason` through `why` when the caller asked for it; returns false so
// that refusing code reads `return Refuse(why, EditRefusal::kNoSuchWall);`.
inline bool Refuse(EditRefusal* why, EditRefusal reason) {
  if (why) *why = reason;
  return false;
}
