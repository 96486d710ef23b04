#include "atomicfile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string TempNameFor(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
#if defined(__unix__) || defined(__APPLE__)
  const long pid = static_cast<long>(getpid());
#else
  const long pid = 0;
#endif
  return target.string() + ".tmp-" + std::to_string(pid) + "-" + std::to_string(counter++);
}

// Pushes the bytes to the disk before the rename, so that a crash right after
// it cannot leave an empty file under the target's name.
void SyncFile(const std::string& path) {
#if defined(__unix__) || defined(__APPLE__)
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#else
  (void)path;
#endif
}

}  // namespace

FileError WriteFileAtomicallyVia(const std::string& path,
                                 const std::function<FileError(const std::string& tempPath)>& write) {
  const fs::path target(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) return {path, "is a folder"};
  const std::string temp = TempNameFor(target);
  FileError error = write(temp);
  if (error) {
    fs::remove(temp, ec);
    error.file = path;
    return error;
  }
  SyncFile(temp);
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return {path, "cannot be replaced: " + ec.message()};
  }
  return {};
}

FileError WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFileAtomicallyVia(path, [&](const std::string& temp) -> FileError {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return {temp, std::string("cannot be created: ") + std::strerror(errno)};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return {temp, "cannot be written (disk full?)"};
    return {};
  });
}

FileError ReadWholeFile(const std::string& path, std::string& bytes, uint64_t maxBytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return {path, "is a folder"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {path, std::string("cannot be opened: ") + std::strerror(errno)};
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return {path, "cannot be read"};
  if (static_cast<uint64_t>(size) > maxBytes) return {path, "is too large"};
  in.seekg(0, std::ios::beg);
  bytes.resize(static_cast<size_t>(size));
  in.read(bytes.data(), size);
  if (in.gcount() != size) {
    bytes.clear();
    return {path, "cannot be read"};
  }
  return {};
}
