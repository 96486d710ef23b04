#include <cstddef>
#include <cstdint>
#include <string_view>

#include "responseheader.h"

// Feeds an answer in uneven pieces: the header never grows past its buffer,
// and what it reports of the length respects the limit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr uint64_t kLimit = 1 << 20;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CResponseHeader header;
  size_t piece = 1;
  while (!bytes.empty() && header.GetState() == CResponseHeader::State::kIncomplete) {
    const size_t taken = header.Feed(bytes.substr(0, piece));
    bytes.remove_prefix(taken);
    piece = piece * 3 % 17 + 1;
    if (taken == 0) break;
  }
  if (header.Text().size() > CResponseHeader::kMaxBytes) __builtin_trap();
  const ContentLength length = FindContentLength(header.Text(), kLimit);
  if (length.field == LengthField::kValid && length.bytes > kLimit) __builtin_trap();
  (void)StatusCode(header.Text());
  return 0;
}
