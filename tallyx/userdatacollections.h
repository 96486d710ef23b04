#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "atomicfile.h"
#include "userdatafile.h"

// The values remembered for the fields of a form, in the order they were
// first met; a field is known only by its control number. Under one number a
// text is remembered once (a file may still bring duplicates, which stay).
class CUserDataCollections {
 public:
  // Longest text taken from a field, in characters.
  static constexpr size_t kMaxTextChars = 259;

  const std::vector<UserDataEntry>& Entries() const { return entries_; }

  // The texts remembered for `fieldId`, in list order.
  std::vector<std::string> TextsFor(int32_t fieldId) const;

  // Remembers `text` (cut to kMaxTextChars, without zero characters) for
  // `fieldId` unless that very text is already there; an empty text is
  // remembered like any other. True when an entry was added.
  bool Collect(int32_t fieldId, std::string_view text);

  // Replaces the list by the file's entries (none when the file is missing
  // or not a user data file).
  UserDataFileStatus LoadFile(const std::string& path);

  // Writes the whole list. A file that was there but could not be read is
  // left as it is (an error), so that it is never replaced by a list that
  // lacks its entries. The file is read again and written under its lock:
  // values another program remembered since this list was read are kept
  // after this list's own.
  FileError SaveFile(const std::string& path) const;

 private:
  std::vector<UserDataEntry> entries_;
  bool keepFile_ = false;
};
