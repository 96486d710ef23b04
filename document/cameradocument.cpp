#include "cameradocument.h"

#include <algorithm>

#include "editop.h"
#include "editreplay.h"

namespace {

// A window's zoom and place, which no edit changes.
bool IsPlaceRecord(const EditRecord& record) { return record.op == kOpScale || record.op == kOpOrigin; }

const std::string kHoldsNoCamera = "holds no camera";

}  // namespace

CCameraDocument::CCameraDocument() : camera_(std::make_unique<CChamber>()) {}

CCameraDocument::~CCameraDocument() = default;

bool CCameraDocument::CreateCamera(std::u16string article, std::u16string description, int32_t width,
                                   int32_t depth, int32_t height, int32_t thickness, bool noFloor,
                                   bool geometryLocked, EditRefusal* why) {
  if (HasCamera() || !contents_.records.empty()) return Refuse(why, EditRefusal::kNotEmpty);
  std::vector<EditRecord> records{CreateCameraRecord(width, depth, height, thickness)};
  if (noFloor || geometryLocked) records.push_back(CameraFlagsRecord(noFloor, geometryLocked));
  auto camera = std::make_unique<CChamber>();
  for (const EditRecord& record : records)
    if (!ApplyEditRecord(*camera, record, why)) return false;
  camera_ = std::move(camera);
  ++generation_;
  contents_.article = std::move(article);
  contents_.description = std::move(description);
  contents_.records = std::move(records);
  joined_.assign(contents_.records.size(), false);
  ClearRedo();
  modified_ = true;
  return true;
}

void CCameraDocument::ClearRedo() {
  redo_.clear();
  redoJoined_.clear();
}

void CCameraDocument::AppendRecord(const EditRecord& record, bool joined) {
  contents_.records.push_back(record);
  joined_.push_back(joined);
}

bool CCameraDocument::Apply(const EditRecord& record, EditRefusal* why) {
  switch (record.op) {
    case kOpCreateCamera:
    case kOpCameraFlags:
    case kOpScale:
    case kOpOrigin:
      return Refuse(why, EditRefusal::kBadArgument);
    default:
      break;
  }
  if (!ApplyEditRecord(*camera_, record, why)) return false;
  AppendRecord(record, false);
  ClearRedo();
  modified_ = true;
  return true;
}

bool CCameraDocument::ApplyAll(std::span<const EditRecord> records, EditRefusal* why) {
  if (records.empty()) return true;
  if (records.size() == 1) return Apply(records.front(), why);
  for (const EditRecord& record : records)
    if (record.op == kOpCreateCamera || record.op == kOpCameraFlags || IsPlaceRecord(record))
      return Refuse(why, EditRefusal::kBadArgument);
  // Tried on a copy first, so that a refusal halfway leaves the live camera
  // (and every pointer the window holds into it) untouched.
  std::unique_ptr<CChamber> trial = ReplayEditLog(contents_.records);
  for (const EditRecord& record : records)
    if (!ApplyEditRecord(*trial, record, why)) return false;
  for (size_t i = 0; i < records.size(); ++i) {
    ApplyEditRecord(*camera_, records[i]);
    AppendRecord(records[i], i > 0);
  }
  ClearRedo();
  modified_ = true;
  return true;
}

size_t CCameraDocument::UndoFloor() const {
  // The creation record, and the flags that belong to it, stay: without
  // them there is no camera to go back to.
  const auto& records = contents_.records;
  if (records.size() >= 2 && records[0].op == kOpCreateCamera && records[1].op == kOpCameraFlags) return 2;
  return 1;
}

bool CCameraDocument::CanUndo() const { return contents_.records.size() > UndoFloor(); }

void CCameraDocument::TakeBackLast() {
  redo_.push_back(std::move(contents_.records.back()));
  contents_.records.pop_back();
  redoJoined_.push_back(!joined_.empty() && joined_.back());
  if (!joined_.empty()) joined_.pop_back();
}

void CCameraDocument::PutBackNext() {
  contents_.records.push_back(std::move(redo_.back()));
  redo_.pop_back();
  joined_.push_back(!redoJoined_.empty() && redoJoined_.back());
  if (!redoJoined_.empty()) redoJoined_.pop_back();
}

void CCameraDocument::AfterUndoOrRedo() {
  Rebuild();
  modified_ = !MatchesSavedLog();
}

bool CCameraDocument::Undo() {
  if (!CanUndo()) return false;
  TakeBackLast();
  AfterUndoOrRedo();
  return true;
}

bool CCameraDocument::Redo() {
  if (redo_.empty()) return false;
  PutBackNext();
  AfterUndoOrRedo();
  return true;
}

bool CCameraDocument::CanUndoEdit() const {
  if (!CanUndo()) return false;
  const auto& records = contents_.records;
  for (size_t i = records.size(); i-- > 0;) {
    if (records[i].op == kOpCreateCamera || records[i].op == kOpCameraFlags) return false;
    if (!IsPlaceRecord(records[i])) return true;
  }
  return false;
}

bool CCameraDocument::UndoEdit() {
  if (!CanUndoEdit()) return false;
  while (CanUndo()) {
    const bool edit = !IsPlaceRecord(contents_.records.back());
    const bool joined = !joined_.empty() && joined_.back();
    TakeBackLast();
    if (edit && !joined) break;
  }
  AfterUndoOrRedo();
  return true;
}

bool CCameraDocument::RedoEdit() {
  if (redo_.empty()) return false;
  do {
    PutBackNext();
  } while (!redo_.empty() && (IsPlaceRecord(contents_.records.back()) || redoJoined_.back()));
  AfterUndoOrRedo();
  return true;
}

std::optional<int32_t> CCameraDocument::UndoEditOp() const {
  if (!CanUndoEdit()) return std::nullopt;
  // An edit of several records is named by its first one; the records
  // joined to it follow it.
  const auto& records = contents_.records;
  for (size_t i = records.size(); i-- > 0;) {
    const bool joined = i < joined_.size() && joined_[i];
    if (!IsPlaceRecord(records[i]) && !joined) return records[i].op;
  }
  return std::nullopt;
}

std::optional<int32_t> CCameraDocument::RedoEditOp() const {
  // Redo puts records back from the end of redo_.
  for (size_t i = redo_.size(); i-- > 0;)
    if (!IsPlaceRecord(redo_[i])) return redo_[i].op;
  return std::nullopt;
}

// Undo and redo that come back to the log as it was saved or loaded leave
// nothing to save.
bool CCameraDocument::MatchesSavedLog() const { return savedRecords_ && *savedRecords_ == contents_.records; }

void CCameraDocument::Rebuild() {
  camera_ = ReplayEditLog(contents_.records);
  ++generation_;
}

bool CCameraDocument::HoldsNoCamera(const FileError& error) { return error.problem.starts_with(kHoldsNoCamera); }

FileError CCameraDocument::Load(const std::string& path, CameraFileReadResult* result) {
  CameraFileContents contents;
  CameraFileReadResult read;
  if (FileError error = LoadCameraFile(path, contents, &read)) return error;
  if (result) *result = read;
  auto camera = ReplayEditLog(contents.records);
  if (camera->WallCount() == 0) {
    const std::string damage = DescribeCameraFileEnd(read);
    return {path, kHoldsNoCamera + (damage.empty() ? std::string() : " (" + damage + ")")};
  }
  contents_ = std::move(contents);
  joined_.assign(contents_.records.size(), false);
  camera_ = std::move(camera);
  ++generation_;
  ClearRedo();
  savedRecords_ = contents_.records;
  modified_ = false;
  return {};
}

CameraFileReadResult CCameraDocument::LoadBytes(std::string_view bytes) {
  const CameraFileReadResult read = ReadCameraFile(bytes, contents_);
  joined_.assign(contents_.records.size(), false);
  ClearRedo();
  Rebuild();
  savedRecords_ = contents_.records;
  modified_ = false;
  return read;
}

std::vector<EditRecord> CCameraDocument::ViewRecords() const {
  // Zooming far out and in again can carry the origin past what a reload
  // takes: the file gets the nearest origin it will load.
  const auto kept = [](int32_t origin) {
    return std::clamp(origin, -CPixelMapping::kMaxOrigin, CPixelMapping::kMaxOrigin);
  };
  return {ScaleRecord(camera_->Scale()), OriginRecord(kept(camera_->OriginX()), kept(camera_->OriginY()))};
}

std::string CCameraDocument::SaveBytes() const { return EncodeCameraFile(contents_, ViewRecords()); }

FileError CCameraDocument::Save(const std::string& path) {
  if (FileError error = SaveCameraFile(path, contents_, ViewRecords())) return error;
  savedRecords_ = contents_.records;
  modified_ = false;
  return {};
}
