// Any bytes read as a user data file: no crash, and what was read survives
// being written and read again (texts may change encoding, never the number
// of entries or their fields).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "userdatafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<UserDataEntry> entries;
  if (!ParseUserData(bytes, entries)) return 0;

  std::vector<UserDataEntry> again;
  if (!ParseUserData(SerializeUserData(entries), again)) std::abort();
  if (again.size() != entries.size()) std::abort();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (again[i].fieldId != entries[i].fieldId || again[i].text.empty()) std::abort();
  }
  return 0;
}
