#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers typed into the dialogs' boxes.
//
// The lenient readers take a box the way the camera commands have always
// read them: leading blanks are skipped, the number is read as far as it
// goes ("12abc" is 12), and text that is no number at all gives 0. A value
// that does not fit gives 0 as well, never a wrapped one.
int32_t LenientInt(const QString& text);
// No sign allowed: "-5" is not an unsigned number and gives 0.
int32_t LenientUnsigned(const QString& text);
// Accepts '.' or ',' as the decimal point (both get typed here); infinities
// and NaN are no numbers.
double LenientDouble(const QString& text);

// The strict readers: the whole text, blanks around it aside, must be the
// number; otherwise nullopt. Integers too long for any real size come back
// as a huge value of the right sign rather than nullopt, so that the caller
// can say "too large" instead of "not a number".
std::optional<int64_t> ParseWholeNumber(const QString& text);
std::optional<double> ParseDecimal(const QString& text);

// "%2.2f": two decimals, '.' as the point whatever the locale.
QString FormatTwoDecimals(double value);
