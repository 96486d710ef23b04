#include "profilelist.h"

#include <algorithm>

#include "filelock.h"
#include "textcodec.h"

std::string CleanProfileName(std::string_view name) {
  std::string clean(name);
  std::erase(clean, '\0');
  return TruncateUtf8(clean, CProfileList::kMaxNameChars);
}

const MaterialProfile* CProfileList::Current() const {
  if (current_ < 0 || static_cast<size_t>(current_) >= profiles_.size()) return nullptr;
  return &profiles_[static_cast<size_t>(current_)];
}

bool CProfileList::Select(size_t index) {
  if (index >= profiles_.size()) return false;
  current_ = static_cast<int>(index);
  return true;
}

int32_t CProfileList::Slot(int slot) const {
  const MaterialProfile* profile = Current();
  if (!profile || slot < 0 || static_cast<size_t>(slot) >= kMaterialSlotCount) return 0;
  return profile->slots[static_cast<size_t>(slot)];
}

void CProfileList::Assign(std::vector<MaterialProfile> profiles) {
  profiles_ = std::move(profiles);
  current_ = profiles_.empty() ? -1 : 0;
}

void CProfileList::Append(std::string_view name) {
  MaterialProfile profile;
  profile.name = CleanProfileName(name);
  profiles_.push_back(std::move(profile));
}

bool CProfileList::RemoveCurrent() {
  if (profiles_.size() < 2 || !Current()) return false;
  profiles_.erase(profiles_.begin() + current_);
  current_ = 0;
  return true;
}

bool CProfileList::StoreCurrent(std::string_view name, const std::array<int32_t, kMaterialSlotCount>& slots) {
  if (!Current()) return false;
  MaterialProfile& profile = profiles_[static_cast<size_t>(current_)];
  profile.name = CleanProfileName(name);
  profile.slots = slots;
  return true;
}

MaterialFileStatus CProfileList::LoadFile(const std::string& path) {
  std::vector<MaterialProfile> profiles;
  const MaterialFileStatus status = ReadMaterialFile(path, profiles);
  base_ = profiles;
  Assign(std::move(profiles));
  return status;
}

FileError CProfileList::SaveFile(const std::string& path) {
  if (profiles_.empty()) return {};
  const CFileLock lock(path);
  if (!lock.Held()) return lock.Error();
  // A file gone or damaged since it was read holds nothing to keep: the
  // list is written as it stands.
  std::vector<MaterialProfile> theirs;
  std::vector<MaterialProfile> merged = ReadMaterialFile(path, theirs) == MaterialFileStatus::kRead
                                            ? MergeProfiles(base_, profiles_, theirs)
                                            : profiles_;
  if (FileError error = WriteMaterialFile(path, merged)) return error;
  const std::string currentName = Current() ? Current()->name : std::string();
  const auto current = std::find_if(merged.begin(), merged.end(),
                                    [&](const MaterialProfile& p) { return p.name == currentName; });
  const int index = current == merged.end() ? 0 : static_cast<int>(current - merged.begin());
  base_ = merged;
  profiles_ = std::move(merged);
  current_ = index;
  return {};
}

namespace {

const MaterialProfile* Named(const std::vector<MaterialProfile>& profiles, const std::string& name) {
  const auto it =
      std::find_if(profiles.begin(), profiles.end(), [&](const MaterialProfile& p) { return p.name == name; });
  return it == profiles.end() ? nullptr : &*it;
}

}  // namespace

std::vector<MaterialProfile> MergeProfiles(const std::vector<MaterialProfile>& base,
                                           const std::vector<MaterialProfile>& mine,
                                           const std::vector<MaterialProfile>& theirs) {
  std::vector<MaterialProfile> merged;
  for (const MaterialProfile& profile : mine) {
    const MaterialProfile* before = Named(base, profile.name);
    if (!before || !(*before == profile)) {
      merged.push_back(profile);  // mine: new or changed here
      continue;
    }
    if (const MaterialProfile* now = Named(theirs, profile.name)) merged.push_back(*now);
  }
  for (const MaterialProfile& profile : theirs) {
    if (!Named(base, profile.name) && !Named(mine, profile.name)) merged.push_back(profile);
  }
  // The list never ends empty by a merge: mine stands then.
  return merged.empty() ? mine : merged;
}
