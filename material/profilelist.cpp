#include "profilelist.h"

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
  Assign(std::move(profiles));
  return status;
}

FileError CProfileList::SaveFile(const std::string& path) const {
  if (profiles_.empty()) return {};
  return WriteMaterialFile(path, profiles_);
}
