#include "installfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr mode_t kNewFileMode = 0644;
// The temporary file's name does not grow with the target's: a target name
// of the longest length the folder allows must still have room beside it.
constexpr const char* kTempPattern = ".zamo-update-XXXXXX";

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

  std::string temp = (folder.empty() ? std::string() : folder + "/") + kTempPattern;
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  // The umask may have taken bits the installed file had.
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}
