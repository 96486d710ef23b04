#pragma once

#include <string>
#include <string_view>

// The 8-bit texts of our files (language file, profile names, user data) were
// written by the Windows program in code page 1251 or by us in UTF-8. Inside
// the program every text is UTF-8.

// True when `bytes` is well-formed UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 is taken as it stands; anything else is read as CP1251.
std::string DecodeAnsi(std::string_view bytes);

// CP1251 when every character has a place there, UTF-8 otherwise, so that
// files stay readable by the Windows program whenever they can be.
std::string EncodeAnsi(std::string_view utf8);

// The first `maxChars` characters of a UTF-8 text (never splits a character).
std::string TruncateUtf8(std::string_view utf8, size_t maxChars);

// UTF-16 code units <-> UTF-8; invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
