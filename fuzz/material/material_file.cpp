// Any bytes read as a profile file: no crash, and what was read survives
// being written and read again (names may change encoding, never count or
// slots).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "materialfile.h"
#include "profilelist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<MaterialProfile> profiles;
  if (!ParseMaterialFile(bytes, profiles)) return 0;

  std::vector<MaterialProfile> again;
  if (!ParseMaterialFile(SerializeMaterialFile(profiles), again)) std::abort();
  if (again.size() != profiles.size()) std::abort();
  for (size_t i = 0; i < profiles.size(); ++i) {
    if (again[i].slots != profiles[i].slots) std::abort();
  }

  CProfileList list;
  list.Assign(std::move(profiles));
  list.Select(list.Count() / 2);
  for (int slot = 0; slot < static_cast<int>(kMaterialSlotCount); ++slot) (void)list.Slot(slot);
  list.RemoveCurrent();
  return 0;
}
