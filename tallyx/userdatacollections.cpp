#include "userdatacollections.h"

#include <algorithm>

#include "filelock.h"
#include "textcodec.h"

std::vector<std::string> CUserDataCollections::TextsFor(int32_t fieldId) const {
  std::vector<std::string> texts;
  for (const UserDataEntry& entry : entries_) {
    if (entry.fieldId == fieldId) texts.push_back(entry.text);
  }
  return texts;
}

bool CUserDataCollections::Collect(int32_t fieldId, std::string_view text) {
  std::string clean(text);
  std::erase(clean, '\0');
  clean = TruncateUtf8(clean, kMaxTextChars);
  for (const UserDataEntry& entry : entries_) {
    if (entry.fieldId == fieldId && entry.text == clean) return false;
  }
  entries_.push_back({fieldId, std::move(clean)});
  return true;
}

UserDataFileStatus CUserDataCollections::LoadFile(const std::string& path) {
  const UserDataFileStatus status = ReadUserDataFile(path, entries_);
  keepFile_ = status == UserDataFileStatus::kUnreadable;
  return status;
}

FileError CUserDataCollections::SaveFile(const std::string& path) const {
  if (keepFile_) return {path, "could not be read and is kept as it is"};
  const CFileLock lock(path);
  if (!lock.Held()) return lock.Error();
  std::vector<UserDataEntry> theirs;
  if (ReadUserDataFile(path, theirs) == UserDataFileStatus::kUnreadable)
    return {path, "could not be read and is kept as it is"};
  std::vector<UserDataEntry> merged = entries_;
  for (UserDataEntry& entry : theirs) {
    if (std::find(merged.begin(), merged.end(), entry) == merged.end()) merged.push_back(std::move(entry));
  }
  return WriteFileAtomically(path, SerializeUserData(merged));
}
