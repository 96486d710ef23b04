#include "installfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

constexpr mode_t kNewFileMode = 0644;

std::string TempPath(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return target + ".download-" + std::to_string(static_cast<long>(getpid())) + "-" + std::to_string(counter++);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

bool InstallFile(const std::string& folder, const std::string& name, std::string_view bytes) {
  const std::string target = folder.empty() ? name : folder + "/" + name;
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return false;
  const mode_t mode = replacing ? (old.st_mode & 07777) : kNewFileMode;

  const std::string temp = TempPath(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return false;
  // The umask may have taken bits the installed file had.
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}
