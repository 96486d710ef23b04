#include "filelock.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#define ZAMO_POSIX_LOCKS 1
#endif

namespace fs = std::filesystem;

std::string LockFileFor(const std::string& dataPath) {
  const fs::path target(FinalFileTarget(dataPath));
  const std::string name = target.filename().string() + ".lock";
  // A name near the system's limit has no room for the suffix; such a file
  // gets a short lock name derived from its own.
  constexpr size_t kMaxName = 255;
  if (name.size() <= kMaxName) return (target.parent_path() / name).string();
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016zx", std::hash<std::string>{}(target.filename().string()));
  return (target.parent_path() / (".zamo-" + std::string(hex) + ".lock")).string();
}

CFileLock::CFileLock(const std::string& dataPath, int waitMs) {
#ifdef ZAMO_POSIX_LOCKS
  std::string lockPath;
  try {
    lockPath = LockFileFor(dataPath);
  } catch (...) {
    error_ = {dataPath, "cannot be locked"};
    return;
  }
  // Not waiting on open: something other than a plain file in the lock
  // file's place must not hold the program up.
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd_ < 0) {
    error_ = {lockPath, std::string("cannot be created: ") + std::strerror(errno)};
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    if (errno != EWOULDBLOCK && errno != EINTR) {
      error_ = {lockPath, std::string("cannot be locked: ") + std::strerror(errno)};
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      error_ = {dataPath, "is being changed by another program; try again"};
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::close(fd_);
  fd_ = -1;
#else
  (void)dataPath;
  (void)waitMs;
#endif
}

CFileLock::~CFileLock() {
#ifdef ZAMO_POSIX_LOCKS
  // Closing releases the lock.
  if (fd_ >= 0) ::close(fd_);
#endif
}
