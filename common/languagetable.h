#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "atomicfile.h"

// The interface texts of one module, taken by 1-based entry number from the
// language file "zamo.language". The file holds several languages side by
// side:
//   N                      number of languages
//   N lines                their names (not read)
//   then for every entry:  its number (ignored: entries count by position),
//                          followed by one text line per language.
// Texts are decoded to UTF-8 (the file may be UTF-8 or CP1251).
class CLanguageTable {
 public:
  static constexpr const char* kFileName = "zamo.language";
  // Longest text kept; longer lines are cut, never split across entries.
  static constexpr size_t kMaxTextChars = 258;
  // The texts of a few languages take some hundred kilobytes; a larger file
  // is not a language file and is not read.
  static constexpr uint64_t kMaxFileBytes = 4ull * 1024 * 1024;

  // Loads language `index` from kFileName in the current folder. A missing
  // file, one that cannot be read (a folder, a pipe, over kMaxFileBytes), a
  // negative index or one the file does not have leaves the table as it
  // was. Returns true when the table was replaced; `error`, when given,
  // says why a file could not be read.
  bool Load(int index, FileError* error = nullptr);
  bool LoadFile(const std::string& path, int index, FileError* error = nullptr);
  bool LoadBytes(std::string_view bytes, int index);

  // Entry n (1-based); 0 or a number past the end give an empty text.
  const std::string& GetString(int n) const;
  // Entry n, or its built-in text when this table has none (no language
  // file, or one older and shorter than the program): the texts written
  // for this program never go blank.
  const std::string& GetTextOrBuiltin(int n) const;
  int GetLanguage() const { return language_; }
  int Count() const { return static_cast<int>(texts_.size()); }

 private:
  int language_ = 0;
  std::vector<std::string> texts_;
};

// The language table of this module (the program and every plugin have
// their own), loaded once when the module starts.
CLanguageTable& ModuleLanguage();

// The first language (Russian) of the language file shipped with this
// module, built into it.
const CLanguageTable& BuiltinLanguage();
