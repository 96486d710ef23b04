#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "messages.h"

// A fresh, empty folder for one test, removed afterwards.
class CScratchDir {
 public:
  CScratchDir();
  ~CScratchDir();
  CScratchDir(const CScratchDir&) = delete;
  CScratchDir& operator=(const CScratchDir&) = delete;

  const std::string& Path() const { return path_; }
  QString QPath() const { return QString::fromStdString(path_); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Makes a scratch folder the current folder for the length of a test (the
// program's data files are read by plain name from there).
class CScopedCurrentDir {
 public:
  explicit CScopedCurrentDir(const std::string& path);
  ~CScopedCurrentDir();

 private:
  QString previous_;
};

// Catches every message box of this module while it lives, answering from a
// queue (the first button when the queue is empty).
class CMessageRecorder {
 public:
  CMessageRecorder();
  ~CMessageRecorder();

  void Answer(int result) { answers_.push_back(result); }
  const std::vector<MessageRequest>& Messages() const { return messages_; }
  bool Empty() const { return messages_.empty(); }
  // Language entries (text, caption) of message i.
  std::pair<int, int> Entries(size_t i) const;
  void Clear() { messages_.clear(); }

 private:
  std::vector<MessageRequest> messages_;
  std::deque<int> answers_;
  MessageSink previous_;
};

// Something in a data file's place that no reader may take for the file:
// a folder, a pipe without a writer (a reader that waits on it hangs), and
// a regular file one byte over the reader's limit (sparse: no disk used).
enum class UnreadableKind { kFolder, kFifo, kOverLimit };
inline constexpr UnreadableKind kUnreadableKinds[] = {UnreadableKind::kFolder, UnreadableKind::kFifo,
                                                     UnreadableKind::kOverLimit};
const char* UnreadableKindName(UnreadableKind kind);

// Puts `kind` at `path` for the length of a test. A pipe gets a watchdog:
// a reader still waiting on it after a few seconds is freed (it reads an
// empty file), so a reader that blocks fails its test instead of hanging.
class CUnreadableFile {
 public:
  CUnreadableFile(const std::string& path, UnreadableKind kind, uint64_t limit);
  ~CUnreadableFile();
  CUnreadableFile(const CUnreadableFile&) = delete;
  CUnreadableFile& operator=(const CUnreadableFile&) = delete;

  // True when the watchdog had to free a reader waiting on the pipe.
  bool ReaderWaited() const;

 private:
  struct CWatchdog;
  std::string path_;
  std::unique_ptr<CWatchdog> watchdog_;
};

// Bytes of a file, or an empty string.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The names a shared library exports (defined, dynamic symbols), without
// the linker's and the sanitizers' own. False when `nm` is not available.
bool ExportedSymbols(const QString& libraryPath, std::set<std::string>& names);

// The export names of a library's host struct (CQuotixApi, ...), as the
// shared header lists them.
template <typename Api>
std::set<std::string> ExportNames() {
  std::set<std::string> names;
  Api api;
  api.ForEachExport([&names](const char* name, auto&) { names.insert(name); });
  return names;
}

class CLanguageTable;
// The shipped language file's first language, loaded once.
const CLanguageTable& ShippedLanguage();

// The source tree's folder of shipped data (language file and the like).
std::string SourceDataDir();
