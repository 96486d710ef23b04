#include "cellvalue.h"

#include <charconv>
#include <cmath>

namespace {

constexpr size_t kGeneralWidth = 11;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseNumberText(std::string_view text, double& value) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const size_t start = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j == start) return false;
    i = j;
  }
  if (i != text.size()) return false;
  // from_chars takes no leading plus.
  if (text.front() == '+') text.remove_prefix(1);
  double parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

std::string FormatGeneral(double value) {
  char buffer[64];
  for (int precision = static_cast<int>(kGeneralWidth); precision >= 1; --precision) {
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    if (error != std::errc()) return std::string();
    if (static_cast<size_t>(end - buffer) <= kGeneralWidth || precision == 1) return std::string(buffer, end);
  }
  return std::string();
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return std::string();
  return std::string(buffer, end);
}
