#pragma once

#include <string>
#include <string_view>

// Numbers in cell texts are always written and read with a decimal point,
// whatever the locale of the process (a Qt program runs in the user's
// locale, where the C library may expect a comma).

// How the spreadsheet takes a text put into a cell: a plain decimal number
// (sign, digits, point, exponent; no blanks, no thousands separators)
// becomes a number, anything else stays text.
bool ParseNumberText(std::string_view text, double& value);

// A number as the spreadsheet shows it in the General format: at most 11
// characters, trailing zeros dropped ("2.448", "1234.5", "2040").
std::string FormatGeneral(double value);

// A number with a fixed count of decimals, as printf's "%.Nf" prints it in
// the C locale ("2.45", "2.448000").
std::string FormatFixed(double value, int decimals);
