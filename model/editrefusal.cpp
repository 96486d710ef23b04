#include "editrefusal.h"

const char* EditRefusalName(EditRefusal reason) {
  switch (reason) {
    case EditRefusal::kNone: return "none";
    case EditRefusal::kFirstSegment: return "first-segment";
    case EditRefusal::kNoSuchWall: return "no-such-wall";
    case EditRefusal::kNoSuchPanel: return "no-such-panel";
    case EditRefusal::kBeyondLimits: return "beyond-limits";
    case EditRefusal::kRunWouldVanish: return "run-would-vanish";
    case EditRefusal::kOpenChain: return "open-chain";
    case EditRefusal::kNothingToBend: return "nothing-to-bend";
    case EditRefusal::kNoOppositeWall: return "no-opposite-wall";
    case EditRefusal::kWouldLoseDoor: return "would-lose-door";
    case EditRefusal::kBadArgument: return "bad-argument";
    case EditRefusal::kNotEmpty: return "not-empty";
    case EditRefusal::kDoorAtRunEnd: return "door-at-run-end";
    case EditRefusal::kWallsWouldCross: return "walls-would-cross";
  }
  return "unknown";
}
