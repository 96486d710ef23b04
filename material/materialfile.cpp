#include "materialfile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "textcodec.h"

namespace {

constexpr size_t kSlotBytes = 4 * kMaterialSlotCount;

}  // namespace

bool ParseMaterialFile(std::string_view bytes, std::vector<MaterialProfile>& profiles) {
  profiles.clear();
  if (bytes.substr(0, kMaterialFileMagic.size()) != kMaterialFileMagic) return false;
  size_t pos = kMaterialFileMagic.size();
  while (pos < bytes.size()) {
    const size_t end = bytes.find('\0', pos);
    if (end == std::string_view::npos) break;  // a name without its zero byte
    MaterialProfile profile;
    profile.name = DecodeAnsi(bytes.substr(pos, end - pos));
    pos = end + 1;
    // The Windows program read the slots in one go into a zeroed record, so
    // a short tail fills what it can and leaves the rest 0.
    char raw[kSlotBytes] = {};
    const size_t available = std::min(kSlotBytes, bytes.size() - pos);
    std::memcpy(raw, bytes.data() + pos, available);
    pos += available;
    const std::string_view slotBytes(raw, kSlotBytes);
    for (size_t i = 0; i < kMaterialSlotCount; ++i) profile.slots[i] = ReadInt32At(slotBytes, 4 * i);
    profiles.push_back(std::move(profile));
  }
  return true;
}

std::string SerializeMaterialFile(const std::vector<MaterialProfile>& profiles) {
  std::string out(kMaterialFileMagic);
  for (const MaterialProfile& profile : profiles) {
    std::string name = EncodeAnsi(profile.name);
    // A zero byte inside a name would end it early and shift every later
    // profile; names never legitimately hold one.
    std::erase(name, '\0');
    out += name;
    out += '\0';
    for (const int32_t slot : profile.slots) AppendInt32(out, slot);
  }
  return out;
}

MaterialFileStatus ReadMaterialFile(const std::string& path, std::vector<MaterialProfile>& profiles) {
  profiles.clear();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return MaterialFileStatus::kMissing;
  // Anything in the file's place that cannot be read as one (a folder, a
  // pipe, a file far too large) is refused like a damaged file: the user is
  // told, and a save cannot replace it either.
  std::string bytes;
  if (ReadWholeFile(path, bytes, kMaxMaterialFileBytes)) return MaterialFileStatus::kDamaged;
  return ParseMaterialFile(bytes, profiles) ? MaterialFileStatus::kRead : MaterialFileStatus::kDamaged;
}

FileError WriteMaterialFile(const std::string& path, const std::vector<MaterialProfile>& profiles) {
  return WriteFileAtomically(path, SerializeMaterialFile(profiles));
}
