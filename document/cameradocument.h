#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "atomicfile.h"
#include "camerafile.h"
#include "chamber.h"
#include "editops.h"

// Everything a camera window holds apart from its widgets: the camera, the
// edit log that built it (which is also its file and its undo history), the
// article and description, the records undo took away (for redo) and
// whether there are unsaved changes. The window owns one; zamo-cli uses the
// same class, so both load, edit, replay and save alike.
//
// Texts are UTF-16 code units, exactly as the camera file stores them
// (convert with Utf16ToUtf8 / Utf8ToUtf16 of textcodec.h for display).
//
// Edits: a command builds an EditRecord (editops.h) and hands it to
// Apply, which performs it on the live camera through the replay action of
// its code and appends it only when the model accepted it, so the screen
// and a reload cannot differ. A command that shows a dialog builds the
// record from the state the dialog leaves (kOpDivideWall,
// kOpDividePartition and kOpDivideFloorStrip carry a run's panels, and a
// strip's pieces, as they stand). Applied
// after the dialog, such a record puts the same state in place again and
// changes nothing on a fully divided run; on a run left short (a cancelled
// division of an undivided wall) it adds the one completion step that
// every replay of it adds.
//
// Pointers into the camera (a selected wall, partition or strip) survive
// Apply, but not Undo, Redo or Load, which build a new camera: compare
// CameraGeneration() before and after, or clear the selection.
class CCameraDocument {
 public:
  // An empty camera (no outline) and an empty log: a window before its new
  // camera dialog was confirmed.
  CCameraDocument();
  ~CCameraDocument();
  CCameraDocument(const CCameraDocument&) = delete;
  CCameraDocument& operator=(const CCameraDocument&) = delete;

  CChamber& Camera() { return *camera_; }
  const CChamber& Camera() const { return *camera_; }
  // Changes each time Camera() is replaced by a rebuilt one.
  uint64_t CameraGeneration() const { return generation_; }
  // Whether a camera was created (or loaded): it has an outline.
  bool HasCamera() const { return camera_->WallCount() > 0; }

  std::span<const EditRecord> Log() const { return contents_.records; }
  const std::u16string& Article() const { return contents_.article; }
  const std::u16string& Description() const { return contents_.description; }
  // Created, edited, undone or redone since the last load or save. Zoom and
  // pan are not changes.
  bool IsModified() const { return modified_; }

  // The new camera command: Create with the inner sizes (the dialog's outer
  // length and width less t, height less 2t), then noFloor and the geometry
  // lock: kOpCreateCamera and, when either flag is set, kOpCameraFlags.
  // Refuses what Create refuses, and a document that already holds a
  // camera (kNotEmpty); nothing changes then.
  bool CreateCamera(std::u16string article, std::u16string description, int32_t width, int32_t depth,
                    int32_t height, int32_t thickness, bool noFloor, bool geometryLocked,
                    EditRefusal* why = nullptr);

  // Performs an editing record on the camera and appends it; clears the
  // redo records. False, with camera and log unchanged, when the model
  // refuses it or for the codes that only creation (kOpCreateCamera,
  // kOpCameraFlags) and saving (kOpScale, kOpOrigin) make (kBadArgument).
  bool Apply(const EditRecord& record, EditRefusal* why = nullptr);
  // One edit the user sees that is made of several records (fill all
  // objects on a camera partly divided, a corner on a divided wall): all
  // are performed or none (false, the reason of the first refused one,
  // nothing changed), and UndoEdit / RedoEdit take them as one step.
  bool ApplyAll(std::span<const EditRecord> records, EditRefusal* why = nullptr);

  // Undo is possible while the log holds more than the creation record and
  // the flags record right after it; it moves the last record to the redo
  // records and rebuilds the camera from the rest.
  bool CanUndo() const;
  bool Undo();
  // Redo puts the last undone record back on the log and rebuilds.
  bool CanRedo() const { return !redo_.empty(); }
  bool Redo();

  // Undo and redo as the user sees them, one edit a step. The scale and
  // origin records a loaded file brought keep a window's place, which is
  // no edit: UndoEdit takes back the last edit together with the place
  // records after it, RedoEdit puts undone records back up to and
  // including the next edit. Each rebuilds once; both leave the document
  // unmodified when the log comes back to what was saved or loaded.
  // The rebuilt camera has the log's place, not the window's: a window
  // keeps its own.
  bool CanUndoEdit() const;
  bool UndoEdit();
  bool RedoEdit();
  // The operation code of the edit UndoEdit would take back, and of the
  // one RedoEdit would put back (what the Undo and Redo items name);
  // nullopt when there is none.
  std::optional<int32_t> UndoEditOp() const;
  std::optional<int32_t> RedoEditOp() const;

  // Reads a camera file and rebuilds the camera from its records (scale and
  // origin records included). A file damaged after its creation record
  // loads as far as it goes; `result` tells how it ended. On a file error,
  // and for a file whose records build no camera at all (not a camera file,
  // or damaged in its creation record), nothing changes: the camera on the
  // screen is not swapped for an empty one.
  FileError Load(const std::string& path, CameraFileReadResult* result = nullptr);
  // Whether a Load failed because the file was read but holds no camera
  // (some other file, or one damaged in its creation record), rather than
  // because it could not be read.
  static bool HoldsNoCamera(const FileError& error);
  // Replaces the document by whatever `bytes` hold, even nothing.
  CameraFileReadResult LoadBytes(std::string_view bytes);

  // Writes the texts, the log and the current scale and origin (kOpScale
  // and kOpOrigin records, which are not added to the log) through a
  // temporary file.
  FileError Save(const std::string& path);
  std::string SaveBytes() const;

 private:
  void Rebuild();
  void ClearRedo();
  void AppendRecord(const EditRecord& record, bool joined);
  void TakeBackLast();
  void PutBackNext();
  void AfterUndoOrRedo();
  std::vector<EditRecord> ViewRecords() const;
  size_t UndoFloor() const;
  bool MatchesSavedLog() const;

  CameraFileContents contents_;
  std::unique_ptr<CChamber> camera_;
  std::vector<EditRecord> redo_;
  // Per record of the log (of redo_): whether it belongs to the same edit
  // as the record before it. Files know nothing of it: after a load every
  // record is an edit of its own.
  std::vector<bool> joined_;
  std::vector<bool> redoJoined_;
  std::optional<std::vector<EditRecord>> savedRecords_;  // the log as last saved or loaded
  uint64_t generation_ = 0;
  bool modified_ = false;
};
