#pragma once

#include <string>

#include "atomicfile.h"

// An advisory lock for one read-modify-write of a data file shared between
// processes (the price table, the material profiles, the remembered form
// values). The lock is taken on a lock file beside the data file
// ("<name>.lock", left in place), not on the file itself: writers replace the
// data file by renaming, so its own lock would vanish with it. Every writer
// of the file takes this lock around reading, changing and writing it.
//
// Waiting is bounded: a lock held for longer than `waitMs` (a program hung
// in the middle of a save) gives an error instead of a wait for ever.
class CFileLock {
 public:
  static constexpr int kDefaultWaitMs = 10000;

  explicit CFileLock(const std::string& dataPath, int waitMs = kDefaultWaitMs);
  ~CFileLock();
  CFileLock(const CFileLock&) = delete;
  CFileLock& operator=(const CFileLock&) = delete;

  bool Held() const { return !error_; }
  // Why the lock is not held (which file, what went wrong); empty when held.
  const FileError& Error() const { return error_; }

 private:
  int fd_ = -1;
  FileError error_;
};

// The lock file of `dataPath`: beside the file a link finally names.
std::string LockFileFor(const std::string& dataPath);
