#include "responseheader.h"

namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";
constexpr std::string_view kLengthLabel = "CONTENT-LENGTH: ";
constexpr uint16_t kStandardPort = 80;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string BuildRequest(std::string_view path, std::string_view host, uint16_t port) {
  std::string request;
  request.reserve(path.size() + host.size() + 64);
  request += "GET ";
  request += path;
  request += " HTTP/1.1\r\n";
  request += "Host: ";
  request += host;
  if (port != kStandardPort) {
    request += ':';
    request += std::to_string(port);
  }
  request += "\r\n";
  request += "Connection: keep-alive\r\n";
  request += "\r\n";
  return request;
}

size_t CResponseHeader::Feed(std::string_view bytes) {
  size_t taken = 0;
  while (state_ == State::kIncomplete && taken < bytes.size()) {
    if (text_.size() == kMaxBytes) {
      state_ = State::kTooLong;
      break;
    }
    text_ += Upper(bytes[taken++]);
    if (text_.ends_with(kHeaderEnd)) state_ = State::kComplete;
  }
  return taken;
}

void CResponseHeader::Clear() {
  text_.clear();
  state_ = State::kIncomplete;
}

size_t CountFields(std::string_view upperHeader, std::string_view upperName) {
  size_t count = 0;
  for (size_t at = upperHeader.find("\r\n"); at != std::string_view::npos; at = upperHeader.find("\r\n", at + 2)) {
    std::string_view line = upperHeader.substr(at + 2);
    line = line.substr(0, line.find("\r\n"));
    if (!line.starts_with(upperName)) continue;
    line.remove_prefix(upperName.size());
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.starts_with(':')) ++count;
  }
  return count;
}

ContentLength FindContentLength(std::string_view upperHeader, uint64_t maxBytes) {
  if (CountFields(upperHeader, "CONTENT-LENGTH") > 1) return {LengthField::kRepeated, 0};
  size_t at = 0;
  for (;;) {
    at = upperHeader.find(kLengthLabel, at);
    if (at == std::string_view::npos) return {};
    if (at >= 2 && upperHeader.substr(at - 2, 2) == "\r\n") break;
    ++at;
  }
  size_t pos = at + kLengthLabel.size();
  while (pos < upperHeader.size() && (upperHeader[pos] == ' ' || upperHeader[pos] == '\t')) ++pos;
  if (pos >= upperHeader.size() || !IsDigit(upperHeader[pos])) return {LengthField::kMalformed, 0};
  uint64_t value = 0;
  bool tooLarge = false;
  for (; pos < upperHeader.size() && IsDigit(upperHeader[pos]); ++pos) {
    const auto digit = static_cast<uint64_t>(upperHeader[pos] - '0');
    if (value > (UINT64_MAX - digit) / 10) {
      tooLarge = true;
      break;
    }
    value = value * 10 + digit;
  }
  if (tooLarge) return {LengthField::kTooLarge, value};
  // "5, 7" or "5x" is no length at all.
  while (pos < upperHeader.size() && (upperHeader[pos] == ' ' || upperHeader[pos] == '\t')) ++pos;
  if (upperHeader.substr(pos, 2) != "\r\n") return {LengthField::kMalformed, 0};
  if (value > maxBytes) return {LengthField::kTooLarge, value};
  return {LengthField::kValid, value};
}

int StatusCode(std::string_view header) {
  if (!header.starts_with("HTTP/")) return -1;
  const size_t space = header.find(' ');
  const size_t lineEnd = header.find("\r\n");
  if (space == std::string_view::npos || space > lineEnd || space + 4 > header.size()) return -1;
  int code = 0;
  for (size_t i = space + 1; i < space + 4; ++i) {
    if (!IsDigit(header[i])) return -1;
    code = code * 10 + (header[i] - '0');
  }
  const char after = space + 4 < header.size() ? header[space + 4] : '\0';
  if (after != ' ' && after != '\r') return -1;
  return code;
}
