#include "atomicfile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define ZAMO_POSIX_FILES 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

std::string LimitText(uint64_t maxBytes) {
  constexpr uint64_t kKiB = 1024;
  if (maxBytes >= kKiB * kKiB && maxBytes % (kKiB * kKiB) == 0) return std::to_string(maxBytes / (kKiB * kKiB)) + " MiB";
  if (maxBytes >= kKiB && maxBytes % kKiB == 0) return std::to_string(maxBytes / kKiB) + " KiB";
  return std::to_string(maxBytes) + " bytes";
}

FileError TooLarge(const std::string& path, uint64_t maxBytes) {
  return {path, "is too large (the limit is " + LimitText(maxBytes) + ")"};
}

// A short name no other writer uses at the moment: a counter and the
// process, mixed with the clock, in six letters or digits.
std::string TempStem() {
  static std::atomic<uint64_t> counter{0};
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
#ifdef ZAMO_POSIX_FILES
  const uint64_t pid = static_cast<uint64_t>(::getpid());
#else
  const uint64_t pid = 0;
#endif
  uint64_t mix = counter++ * 0x9E3779B97F4A7C15ull ^ pid * 0xC2B2AE3D27D4EB4Full ^
                 static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::string stem = ".zamo-";
  for (int i = 0; i < 6; ++i) {
    stem += kAlphabet[mix % 36];
    mix /= 36;
  }
  return stem;
}

fs::path FolderOf(const fs::path& target) {
  const fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

#ifdef ZAMO_POSIX_FILES

class CFd {
 public:
  explicit CFd(int fd) : fd_(fd) {}
  ~CFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  CFd(const CFd&) = delete;
  CFd& operator=(const CFd&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

// Opens `path` for reading the way every reader does: without waiting for a
// writer (a pipe), and only when it is a regular file within `maxBytes`.
FileError OpenForReading(const std::string& path, uint64_t maxBytes, int& fd, uint64_t& size) {
  fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == EISDIR) return {path, "is a folder"};
    return {path, "cannot be opened: " + ErrnoText(errno)};
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    fd = -1;
    return {path, "cannot be read: " + ErrnoText(error)};
  }
  FileError refusal;
  if (S_ISDIR(info.st_mode))
    refusal = {path, "is a folder"};
  else if (!S_ISREG(info.st_mode))
    refusal = {path, "is not a regular file"};
  else if (static_cast<uint64_t>(info.st_size) > maxBytes)
    refusal = TooLarge(path, maxBytes);
  if (refusal) {
    ::close(fd);
    fd = -1;
    return refusal;
  }
  size = static_cast<uint64_t>(info.st_size);
  return {};
}

// Pushes the bytes to the disk before the rename, so that a crash right after
// it cannot leave an empty file under the target's name.
void SyncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Creates a fresh temporary file in `folder` and reports the permissions a
// new file gets there (the umask applied).
FileError CreateTempFile(const fs::path& folder, const std::string& target, std::string& temp, mode_t& newMode) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = (folder / TempStem()).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return {target, "cannot be created: " + ErrnoText(errno)};
    }
    struct stat info {};
    newMode = ::fstat(fd, &info) == 0 ? (info.st_mode & 07777) : 0644;
    ::close(fd);
    return {};
  }
  return {target, "cannot be created: no free temporary name"};
}

#endif

}  // namespace

std::string FinalFileTarget(const std::string& path) {
  fs::path current(path);
  // A loop of links ends somewhere; the system gives up after 40 as well.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) break;
    const fs::path link = fs::read_symlink(current, ec);
    if (ec) break;
    current = link.is_absolute() ? link : FolderOf(current) / link;
  }
  return current.string();
}

FileError WriteFileAtomicallyVia(const std::string& path,
                                 const std::function<FileError(const std::string& tempPath)>& write) {
  std::string temp;
  try {
    const fs::path target(FinalFileTarget(path));
#ifdef ZAMO_POSIX_FILES
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) return {path, "cannot be written: " + ErrnoText(errno)};
    if (exists) {
      if (S_ISDIR(existing.st_mode)) return {path, "is a folder"};
      if (!S_ISREG(existing.st_mode)) return {path, "is not a regular file"};
      // A file without any write permission is read-only even for the
      // administrator, who could otherwise replace it through the folder.
      if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return {path, "is read-only"};
    }
    mode_t mode = 0644;
    if (FileError error = CreateTempFile(FolderOf(target), path, temp, mode)) return error;
    if (exists) mode = existing.st_mode & 07777;
    FileError error = write(temp);
    if (!error && ::chmod(temp.c_str(), mode) != 0) error = {temp, "cannot be written: " + ErrnoText(errno)};
    if (!error && exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
      // Keeping the owner only works for the administrator (or the group
      // for its members); otherwise the file becomes the writer's own.
      // Changing the owner drops set-id bits, so the mode goes on again.
      if (::chown(temp.c_str(), existing.st_uid, existing.st_gid) == 0) ::chmod(temp.c_str(), mode);
    }
    if (error) {
      ::unlink(temp.c_str());
      error.file = path;
      return error;
    }
    SyncFile(temp);
    if (::rename(temp.c_str(), target.c_str()) != 0) {
      const int renameError = errno;
      ::unlink(temp.c_str());
      return {path, "cannot be replaced: " + ErrnoText(renameError)};
    }
    return {};
#else
    std::error_code ec;
    if (fs::is_directory(target, ec)) return {path, "is a folder"};
    if (fs::exists(target, ec) && !fs::is_regular_file(target, ec)) return {path, "is not a regular file"};
    temp = (FolderOf(target) / TempStem()).string();
    FileError error = write(temp);
    if (error) {
      fs::remove(temp, ec);
      error.file = path;
      return error;
    }
    fs::rename(temp, target, ec);
    if (ec) {
      fs::remove(temp, ec);
      return {path, "cannot be replaced: " + ec.message()};
    }
    return {};
#endif
  } catch (...) {
    std::error_code ec;
    if (!temp.empty()) fs::remove(temp, ec);
    return {path, "cannot be written"};
  }
}

FileError WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFileAtomicallyVia(path, [&](const std::string& temp) -> FileError {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return {temp, "cannot be created: " + ErrnoText(errno)};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return {temp, "cannot be written (disk full?)"};
    return {};
  });
}

FileError CheckReadableFile(const std::string& path, uint64_t maxBytes) {
  try {
#ifdef ZAMO_POSIX_FILES
    int fd = -1;
    uint64_t size = 0;
    if (FileError error = OpenForReading(path, maxBytes, fd, size)) return error;
    ::close(fd);
    return {};
#else
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return {path, "cannot be opened: " + ec.message()};
    if (fs::is_directory(status)) return {path, "is a folder"};
    if (!fs::is_regular_file(status)) return {path, "is not a regular file"};
    if (fs::file_size(path, ec) > maxBytes) return TooLarge(path, maxBytes);
    return {};
#endif
  } catch (...) {
    return {path, "cannot be read"};
  }
}

FileError ReadWholeFile(const std::string& path, std::string& bytes, uint64_t maxBytes) {
  bytes.clear();
  try {
#ifdef ZAMO_POSIX_FILES
    int rawFd = -1;
    uint64_t size = 0;
    if (FileError error = OpenForReading(path, maxBytes, rawFd, size)) return error;
    const CFd fd(rawFd);
    bytes.resize(static_cast<size_t>(size));
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t got = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        const int error = errno;
        bytes.clear();
        return {path, "cannot be read: " + ErrnoText(error)};
      }
      if (got == 0) break;  // cut short while being read: what is there is the file
      done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return {};
#else
    if (FileError error = CheckReadableFile(path, maxBytes)) return error;
    std::ifstream in(path, std::ios::binary);
    if (!in) return {path, "cannot be opened: " + ErrnoText(errno)};
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() > maxBytes) {
      bytes.clear();
      return TooLarge(path, maxBytes);
    }
    return {};
#endif
  } catch (...) {
    bytes.clear();
    return {path, "cannot be read (not enough memory)"};
  }
}

FileError CreateUniqueFile(const std::string& folder, const std::string& stem, const std::string& extension,
                           std::string& path) {
  try {
    constexpr int kMaxSuffix = 10000;
    for (int n = 1; n <= kMaxSuffix; ++n) {
      const std::string name = n == 1 ? stem + extension : stem + "-" + std::to_string(n) + extension;
      path = (fs::path(folder) / name).string();
#ifdef ZAMO_POSIX_FILES
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        ::close(fd);
        return {};
      }
      if (errno != EEXIST) return {path, "cannot be created: " + ErrnoText(errno)};
#else
      std::error_code ec;
      if (fs::exists(path, ec)) continue;
      std::ofstream create(path, std::ios::binary);
      if (create) return {};
      return {path, "cannot be created: " + ErrnoText(errno)};
#endif
    }
    return {(fs::path(folder) / (stem + extension)).string(), "cannot be created: every name is taken"};
  } catch (...) {
    return {folder, "cannot be written"};
  }
}
