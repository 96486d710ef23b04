#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The request the updater sends, the same for the index and for every file.
// The port is written into the "Host" line only when it is not the standard
// one, so the maker's host sees the plain host name.
std::string BuildRequest(std::string_view path, std::string_view host, uint16_t port);

// Collects one response header from whatever blocks the socket delivers, up
// to and including the blank line that ends it. Every lower-case ASCII letter
// is kept in upper case, so field names match however the server spells them.
// A header that does not end within kMaxBytes is refused.
class CResponseHeader {
 public:
  static constexpr size_t kMaxBytes = 2048;
  enum class State { kIncomplete, kComplete, kTooLong };

  // Takes bytes up to the end of the header and returns how many it took;
  // the rest belongs to the body. Takes nothing once complete or too long.
  size_t Feed(std::string_view bytes);
  State GetState() const { return state_; }
  // The upper-cased header, including its final "\r\n\r\n" when complete.
  const std::string& Text() const { return text_; }
  void Clear();

 private:
  std::string text_;
  State state_ = State::kIncomplete;
};

enum class LengthField { kMissing, kValid, kMalformed, kTooLarge, kRepeated };

struct ContentLength {
  LengthField field = LengthField::kMissing;
  uint64_t bytes = 0;
};

// Reads the number after "CONTENT-LENGTH: " at the start of a line of an
// upper-cased header. A number above `maxBytes` (or beyond 64 bits) is
// kTooLarge; a label without digits, or digits followed by anything but
// blanks, is kMalformed. A header with more than one length field is
// kRepeated, even when they agree: no single length can be trusted.
ContentLength FindContentLength(std::string_view upperHeader, uint64_t maxBytes);

// How many lines of an upper-cased header carry the field `upperName`
// (without its colon). The status line never counts.
size_t CountFields(std::string_view upperHeader, std::string_view upperName);

// The three-digit code of the status line ("HTTP/1.1 200 OK" -> 200); -1 when
// the header does not start with one.
int StatusCode(std::string_view header);
