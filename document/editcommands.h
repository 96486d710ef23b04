#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cameradocument.h"
#include "editops.h"
#include "partitionplacement.h"
#include "sizes.h"

// The editing commands of a camera, without widgets: every check, refusal,
// question and record of an edit lives here, once. The camera window calls
// these after its dialogs (and from its move and corner tools); zamo-cli
// edit calls the same functions, so both make the same records and refuse
// the same things for the same reasons.
//
// A command takes the document, the operation's arguments as the user gave
// them (indices as zamo-cli dump prints them, millimetres as the dialogs
// take them) and, when it may have to ask, an asker. It either applies its
// records to the document (one undo step, however many records) or
// changes nothing and says why: a language entry with its arguments, which
// the window shows in a message box and zamo-cli prints as one line.

// A text of the language file with the values for its %1, %2, ...: plain
// text (numbers as the user typed them) or another entry's text (a
// direction word).
struct LangRef {
  int entry = 0;
  friend bool operator==(const LangRef&, const LangRef&) = default;
};
using EditArg = std::variant<std::string, LangRef>;
struct EditMessage {
  EditMessage() = default;
  explicit EditMessage(int textEntry, std::vector<EditArg> values = {}) : entry(textEntry), args(std::move(values)) {}
  int entry = 0;
  std::vector<EditArg> args;
  friend bool operator==(const EditMessage&, const EditMessage&) = default;
};

// The message's entry with %1 ... %9 replaced by its arguments, every
// entry's text taken from `text` (the window's language table, or
// zamo-cli's).
std::string FormatEditMessage(const EditMessage& message, const std::function<std::string(int entry)>& text);

// The message that tells the user why the model refused an edit.
EditMessage RefusalMessage(EditRefusal reason);

// Answers the questions a command asks before it makes an edit that loses
// something (doors on a run whose division goes). The window asks the user;
// zamo-cli answers yes.
class IEditAsker {
 public:
  virtual ~IEditAsker() = default;
  virtual bool Confirm(const EditMessage& question) = 0;
};

class CAnswerYes : public IEditAsker {
 public:
  bool Confirm(const EditMessage&) override { return true; }
};

struct EditResult {
  enum class Status {
    kApplied,   // done (or nothing was left to do)
    kDeclined,  // a question was answered no: nothing changed
    kRefused,   // not possible: `reason` says why, nothing changed
  };
  Status status = Status::kApplied;
  EditMessage reason;
  EditRefusal refusal = EditRefusal::kNone;  // the model's reason, when it refused

  bool Applied() const { return status == Status::kApplied; }
  static EditResult Done() { return {}; }
  static EditResult Declined() { return {Status::kDeclined, {}, EditRefusal::kNone}; }
  static EditResult Refused(EditMessage reason, EditRefusal refusal = EditRefusal::kNone) {
    return {Status::kRefused, std::move(reason), refusal};
  }
};

// A wall of the outline or a partition, by index.
struct RunRef {
  RunKind kind = RunKind::kWall;
  int index = -1;
};

// The ends of an outline wall in chain order (the order zamo-cli dump
// lists its walls in): where it starts and where it ends.
enum class WallEnd { kStart, kEnd };

// What a door command puts on a panel.
enum class DoorChoice {
  kOpening,
  kSwing2040,
  kSwing2300,
  kSwing2560,
  kContainerLeft,
  kContainerRight,
  kSlidingLeft,
  kSlidingRight,
};

namespace edit_commands {

// Fill all objects: divides every outline wall and partition that is not
// fully divided, and leaves the divided ones (their doors) alone.
EditResult FillAll(CCameraDocument& document);
// Divides one run anew with standard panels; asks first when that takes
// doors or openings away.
EditResult FillRun(CCameraDocument& document, RunRef run, IEditAsker& asker);
EditResult ClearRun(CCameraDocument& document, RunRef run);

// A door or opening on panel `panel` of the run; `openingHeight` only for
// an opening (1 mm up to the camera's height).
EditResult SetDoor(CCameraDocument& document, RunRef run, int panel, DoorChoice door, int32_t openingHeight = 0);
EditResult RemoveDoor(CCameraDocument& document, RunRef run, int panel);

// A corner on outline wall `wall`: the wall is split in two so that the
// piece at `end` gets the outer length `distance` in the wall's dimension
// chain. A divided wall loses its division (asked first).
EditResult AddCorner(CCameraDocument& document, int wall, WallEnd end, int32_t distance, IEditAsker& asker);

// Moves outline wall `wall` sideways: a positive distance moves it outward
// and enlarges the camera, a negative one inward. Neighbours whose length
// changes lose their division (asked first when they carry doors). A refused
// move says how far the wall can go, or which way it can.
EditResult MoveWall(CCameraDocument& document, int wall, int32_t outward, IEditAsker& asker);

// Makes outline wall `wall` show `length` in its dimension chain by moving
// the neighbour at `moving` (recorded as an ordinary move of that
// neighbour).
EditResult SetWallLength(CCameraDocument& document, int wall, int32_t length, WallEnd moving, IEditAsker& asker);
// The end SetWallLength moves when the user names none: the end, unless
// only the start can move. Nothing when neither can.
std::optional<WallEnd> DefaultMovingEnd(const CChamber& camera, int wall);

// A partition square to outline wall `wall`, from the wall's inner face
// into the room, its near face `offset` mm from the wall's start as the
// chain measures it. Its length defaults to the free length up to the first
// wall or partition ahead; a longer one is refused with that limit named.
EditResult AddPartitionAtWall(CCameraDocument& document, int wall, int32_t offset,
                              std::optional<int32_t> length = std::nullopt);
// A partition placed by the window (two clicks, or a wall continued): the
// same limit to the free length ahead of its start.
EditResult AddPartition(CCameraDocument& document, const PartitionSpec& partition);
EditResult DeletePartition(CCameraDocument& document, int partition);

// The division dialog's Apply: the run's panels become `widths` (each at
// least 1 mm, together at most the run), completed to the run's end.
EditResult DivideRun(CCameraDocument& document, RunRef run, std::span<const int32_t> widths);
// The floor division dialog's Apply; no pieces keeps the strip's cuts.
EditResult DivideFloorStrip(CCameraDocument& document, int strip, std::span<const int32_t> widths,
                            std::span<const int32_t> pieces = {});

// The floor strips left undivided because they are too narrow for the
// automatic division (which needs room for two edge panels).
std::vector<int> NarrowFloorStrips(const CChamber& camera);
// Offers to divide those strips with one panel across each (a floor
// division record per strip, one undo step); Done when there are none.
EditResult DivideNarrowFloorStrips(CCameraDocument& document, IEditAsker& asker);

// A non-standard panel of an outline wall gets `width`; the wall and its
// opposite grow by the difference.
EditResult FixNonStandardPanel(CCameraDocument& document, int wall, int panel, int32_t width);
// The outer size (length x width, mm) the camera would get from that fix;
// nothing when it would be refused.
std::optional<std::pair<int32_t, int32_t>> OuterSizeAfterFix(const CCameraDocument& document, int wall, int panel,
                                                             int32_t width);

EditResult Undo(CCameraDocument& document);
EditResult Redo(CCameraDocument& document);

}  // namespace edit_commands
