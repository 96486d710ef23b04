#include "userdatafile.h"

#include <filesystem>
#include <system_error>

#include "atomicfile.h"
#include "textcodec.h"

bool ParseUserData(std::string_view bytes, std::vector<UserDataEntry>& entries) {
  entries.clear();
  if (bytes.substr(0, kUserDataMagic.size()) != kUserDataMagic) return false;
  size_t pos = kUserDataMagic.size();
  // A field id cut off by the end of the file leaves nothing to read after
  // it, so only whole ids start an entry.
  while (bytes.size() - pos >= 4) {
    UserDataEntry entry;
    entry.fieldId = ReadInt32At(bytes, pos);
    pos += 4;
    const size_t end = bytes.find('\0', pos);
    const size_t stop = end == std::string_view::npos ? bytes.size() : end;
    entry.text = DecodeAnsi(bytes.substr(pos, stop - pos));
    if (!entry.text.empty()) entries.push_back(std::move(entry));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return true;
}

std::string SerializeUserData(const std::vector<UserDataEntry>& entries) {
  std::string out(kUserDataMagic);
  for (const UserDataEntry& entry : entries) {
    AppendInt32(out, entry.fieldId);
    std::string text = EncodeAnsi(entry.text);
    // A zero byte inside would end the text early and turn its rest into a
    // bogus entry.
    std::erase(text, '\0');
    out += text;
    out += '\0';
  }
  return out;
}

UserDataFileStatus ReadUserDataFile(const std::string& path, std::vector<UserDataEntry>& entries) {
  entries.clear();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return UserDataFileStatus::kMissing;
  // Anything but a plain file within the limit is refused by the reader.
  std::string bytes;
  if (ReadWholeFile(path, bytes, kMaxUserDataFileBytes)) return UserDataFileStatus::kUnreadable;
  return ParseUserData(bytes, entries) ? UserDataFileStatus::kRead : UserDataFileStatus::kForeign;
}
