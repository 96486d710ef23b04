#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "updateindex.h"

// Whatever the index holds, an accepted name stays a plain file name and
// versions compare consistently.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto entries = ParseIndex(bytes);
  for (const IndexEntry& entry : entries) {
    const std::string name = CleanEntryName(entry.name);
    if (IsPlainFileName(name) && (name.find('/') != std::string::npos || name == ".." || name.empty())) __builtin_trap();
    if (CompareVersions(entry.version, entry.version) != 0) __builtin_trap();
    const int forward = CompareVersions(entry.version, entry.path);
    const int backward = CompareVersions(entry.path, entry.version);
    if ((forward > 0) != (backward < 0)) __builtin_trap();
  }
  return 0;
}
