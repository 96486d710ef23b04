#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One line of the update host's index: "<path> <version> <name>".
struct IndexEntry {
  std::string path;     // request path on the host, sent as it stands
  std::string version;  // dotted version of the file on the host
  std::string name;     // file name on disk and name of its version value, as read
};

// The index path on the update host.
inline constexpr const char* kIndexPath = "//update//index.htm";

// Splits the index body into entries. In each line the path runs up to the
// first space, the version up to the next one, and the name is the rest of
// the line. The first line without two spaces ends the list (so does a zero
// byte); the entries before it stand. At most `maxEntries` entries are read:
// asking for one more than it accepts lets the caller tell an index that
// goes on beyond its limit.
std::vector<IndexEntry> ParseIndex(std::string_view body, size_t maxEntries = SIZE_MAX);

// The name with every carriage return and line feed removed, so that an
// index written with CR LF line ends names the same files.
std::string CleanEntryName(std::string_view name);

// Longest file name the updater writes.
inline constexpr size_t kMaxFileNameBytes = 267;

// True for a plain file name that stays inside the program's folder: not
// empty, not "." or "..", no '/' or '\\', no control characters, at most
// kMaxFileNameBytes long.
bool IsPlainFileName(std::string_view name);

// Compares dotted versions part by part as numbers, so "1.0.10" is newer than
// "1.0.9" and "1.0" equals "1.0.0". A part's leading digits are its number;
// whatever follows them is compared byte by byte when the numbers are equal.
// Returns <0, 0 or >0 like strcmp.
int CompareVersions(std::string_view a, std::string_view b);
