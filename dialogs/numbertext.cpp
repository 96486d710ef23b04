#include "numbertext.h"

#include <QByteArray>

#include <cmath>
#include <limits>

namespace {

// Saturates well below int64 overflow; no length a dialog takes comes near.
constexpr int64_t kSaturated = 1'000'000'000'000'000;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsBlank(QChar c) { return c.isSpace(); }

// Reads [sign]digits from `pos`; returns the digits' value (saturated) and
// moves `pos` past them. No digits: nullopt, `pos` unchanged.
std::optional<int64_t> ReadInteger(const QString& text, qsizetype& pos, bool allowSign) {
  qsizetype i = pos;
  bool negative = false;
  if (allowSign && i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  const qsizetype firstDigit = i;
  int64_t value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (value < kSaturated) value = value * 10 + (text[i].unicode() - u'0');
    ++i;
  }
  if (i == firstDigit) return std::nullopt;
  pos = i;
  if (value > kSaturated) value = kSaturated;
  return negative ? -value : value;
}

// The longest prefix from `pos` that reads as a decimal number, with ','
// turned into '.'; empty when there is none. `pos` moves past it.
QByteArray ReadDecimal(const QString& text, qsizetype& pos) {
  qsizetype i = pos;
  QByteArray number;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    number += static_cast<char>(text[i].unicode());
    ++i;
  }
  int mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    number += static_cast<char>(text[i++].unicode());
    ++mantissaDigits;
  }
  if (i < text.size() && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(','))) {
    const qsizetype afterPoint = i + 1;
    qsizetype j = afterPoint;
    QByteArray fraction;
    while (j < text.size() && IsDigit(text[j])) fraction += static_cast<char>(text[j++].unicode());
    if (mantissaDigits > 0 || !fraction.isEmpty()) {
      number += '.';
      number += fraction;
      mantissaDigits += static_cast<int>(fraction.size());
      i = j;
    }
  }
  if (mantissaDigits == 0) return {};
  if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    qsizetype j = i + 1;
    QByteArray exponent = "e";
    if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+'))) {
      exponent += static_cast<char>(text[j++].unicode());
    }
    const qsizetype firstDigit = j;
    while (j < text.size() && IsDigit(text[j])) exponent += static_cast<char>(text[j++].unicode());
    if (j > firstDigit) {
      number += exponent;
      i = j;
    }
  }
  pos = i;
  return number;
}

std::optional<double> ToFinite(const QByteArray& number) {
  bool ok = false;
  const double value = number.toDouble(&ok);  // C locale, whatever the user's
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

qsizetype SkipBlanks(const QString& text, qsizetype pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

int32_t FitOrZero(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return 0;
  return static_cast<int32_t>(value);
}

}  // namespace

int32_t LenientInt(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  return FitOrZero(ReadInteger(text, pos, true).value_or(0));
}

int32_t LenientUnsigned(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  return FitOrZero(ReadInteger(text, pos, false).value_or(0));
}

double LenientDouble(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  const QByteArray number = ReadDecimal(text, pos);
  if (number.isEmpty()) return 0.0;
  return ToFinite(number).value_or(0.0);
}

std::optional<int64_t> ParseWholeNumber(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  const std::optional<int64_t> value = ReadInteger(text, pos, true);
  if (!value || SkipBlanks(text, pos) != text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  const QByteArray number = ReadDecimal(text, pos);
  if (number.isEmpty() || SkipBlanks(text, pos) != text.size()) return std::nullopt;
  return ToFinite(number);
}

QString FormatTwoDecimals(double value) { return QString::asprintf("%2.2f", value); }
