#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// "userdata.dat": the 16 characters of kUserDataMagic without a terminator,
// then every entry to the end of the file as a little-endian int32 field id
// and the text with one zero byte after it. No count: reading stops quietly
// at the end of the file.
inline constexpr std::string_view kUserDataMagic = "ZAMOUSERDATAFILE";
inline constexpr const char* kUserDataFileName = "userdata.dat";
// The remembered values of a few form fields take kilobytes; a larger file
// is not ours and is neither read nor replaced.
inline constexpr uint64_t kMaxUserDataFileBytes = 16ull * 1024 * 1024;

// One remembered value: the control number of the field and its text (UTF-8
// in memory).
struct UserDataEntry {
  int32_t fieldId = 0;
  std::string text;

  bool operator==(const UserDataEntry&) const = default;
};

// Reads the entries of a user data file. False (and no entries) when the
// magic is not there. Empty texts are skipped; a text cut off by the end of
// the file is kept when something of it is there.
bool ParseUserData(std::string_view bytes, std::vector<UserDataEntry>& entries);

// The bytes of a user data file. Texts are written in CP1251 when they fit
// (as the Windows program writes them).
std::string SerializeUserData(const std::vector<UserDataEntry>& entries);

enum class UserDataFileStatus {
  kRead,        // read (possibly no entries)
  kMissing,     // no such file
  kForeign,     // not a user data file: no entries
  kUnreadable,  // there, but cannot be read or far too large: no entries
};

UserDataFileStatus ReadUserDataFile(const std::string& path, std::vector<UserDataEntry>& entries);
