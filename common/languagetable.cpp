#include "languagetable.h"

#include "textcodec.h"

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A cursor over the decoded file that reads the way the Windows program did:
// numbers swallow every blank after them (so a text that starts with blanks
// loses them), texts are read line by line.
class CReader {
 public:
  explicit CReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // Reads a decimal number and skips all white space after it. Returns false
  // when no number stands there (the white space before it is still read).
  bool ReadNumber(long long& value) {
    SkipSpace();
    size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) {
      negative = text_[p] == '-';
      ++p;
    }
    const size_t digits = p;
    long long v = 0;
    while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
      if (v < 1'000'000'000'000LL) v = v * 10 + (text_[p] - '0');
      ++p;
    }
    if (p == digits) return false;
    pos_ = p;
    value = negative ? -v : v;
    SkipSpace();
    return true;
  }

  // Reads one line without its trailing CR and LF characters.
  bool ReadLine(std::string& line) {
    if (AtEnd()) return false;
    const size_t end = text_.find('\n', pos_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    line.assign(text_.substr(pos_, stop - pos_));
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return true;
  }

  bool SkipLine() {
    std::string ignored;
    return ReadLine(ignored);
  }

 private:
  void SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

bool CLanguageTable::Load(int index, FileError* error) { return LoadFile(kFileName, index, error); }

bool CLanguageTable::LoadFile(const std::string& path, int index, FileError* error) {
  if (index < 0) return false;
  std::string bytes;
  FileError problem = ReadWholeFile(path, bytes, kMaxFileBytes);
  if (error) *error = problem;
  if (problem) return false;
  try {
    return LoadBytes(bytes, index);
  } catch (...) {
    // Out of memory while decoding: the table stays as it was.
    return false;
  }
}

bool CLanguageTable::LoadBytes(std::string_view bytes, int index) {
  if (index < 0) return false;
  const std::string text = DecodeAnsi(bytes);
  CReader reader(text);
  long long languages = 0;
  if (!reader.ReadNumber(languages) || index >= languages) return false;

  texts_.clear();
  for (long long i = 0; i < languages && reader.SkipLine(); ++i) {
  }
  std::string line;
  while (!reader.AtEnd()) {
    long long number;
    reader.ReadNumber(number);
    for (int i = 0; i < index; ++i) reader.SkipLine();
    if (!reader.ReadLine(line)) break;
    texts_.push_back(TruncateUtf8(line, kMaxTextChars));
    for (long long i = index + 1; i < languages && reader.SkipLine(); ++i) {
    }
  }
  language_ = index;
  return true;
}

const std::string& CLanguageTable::GetString(int n) const {
  static const std::string kEmpty;
  if (n <= 0 || n > static_cast<int>(texts_.size())) return kEmpty;
  return texts_[static_cast<size_t>(n - 1)];
}

const std::string& CLanguageTable::GetTextOrBuiltin(int n) const {
  const std::string& text = GetString(n);
  return text.empty() ? BuiltinLanguage().GetString(n) : text;
}

CLanguageTable& ModuleLanguage() {
  static CLanguageTable table;
  return table;
}
