#include <cstddef>
#include <cstdint>
#include <string_view>

#include "languagetable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CLanguageTable table;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (int index = 0; index < 3; ++index) {
    if (table.LoadBytes(bytes, index)) {
      for (int n = 0; n <= table.Count() + 1; ++n) (void)table.GetString(n);
    }
  }
  return 0;
}
