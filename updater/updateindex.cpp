#include "updateindex.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Next dotted part of `rest`, which is advanced past it and its dot.
std::string_view NextPart(std::string_view& rest) {
  const size_t dot = rest.find('.');
  const std::string_view part = rest.substr(0, dot);
  rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
  return part;
}

// Compares two digit strings of any length as numbers.
int CompareNumbers(std::string_view a, std::string_view b) {
  while (!a.empty() && a.front() == '0') a.remove_prefix(1);
  while (!b.empty() && b.front() == '0') b.remove_prefix(1);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int ComparePart(std::string_view a, std::string_view b) {
  size_t da = 0;
  while (da < a.size() && IsDigit(a[da])) ++da;
  size_t db = 0;
  while (db < b.size() && IsDigit(b[db])) ++db;
  if (const int c = CompareNumbers(a.substr(0, da), b.substr(0, db)); c != 0) return c;
  const int c = a.substr(da).compare(b.substr(db));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

std::vector<IndexEntry> ParseIndex(std::string_view body, size_t maxEntries) {
  if (const size_t zero = body.find('\0'); zero != std::string_view::npos) body = body.substr(0, zero);
  std::vector<IndexEntry> entries;
  while (!body.empty() && entries.size() < maxEntries) {
    const size_t lineEnd = body.find('\n');
    const std::string_view line = body.substr(0, lineEnd);
    body = lineEnd == std::string_view::npos ? std::string_view() : body.substr(lineEnd + 1);
    const size_t first = line.find(' ');
    if (first == std::string_view::npos) break;
    const size_t second = line.find(' ', first + 1);
    if (second == std::string_view::npos) break;
    entries.push_back({std::string(line.substr(0, first)), std::string(line.substr(first + 1, second - first - 1)),
                       std::string(line.substr(second + 1))});
  }
  return entries;
}

std::string CleanEntryName(std::string_view name) {
  std::string clean;
  clean.reserve(name.size());
  for (const char c : name) {
    if (c != '\r' && c != '\n') clean += c;
  }
  return clean;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxFileNameBytes || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
  }
  return true;
}

int CompareVersions(std::string_view a, std::string_view b) {
  while (!a.empty() || !b.empty()) {
    if (const int c = ComparePart(NextPart(a), NextPart(b)); c != 0) return c;
  }
  return 0;
}
