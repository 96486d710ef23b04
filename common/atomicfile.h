#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What went wrong with a file, in two parts: which file and what happened.
// Callers turn it into a message (the window) or one line on stderr (the
// command-line tool).
struct FileError {
  std::string file;
  std::string problem;

  explicit operator bool() const { return !problem.empty(); }
  std::string ToString() const { return file + ": " + problem; }
};

// Writes a whole file so that it is never seen half-written: the bytes go to
// a temporary file with a short name (".zamo-XXXXXX") in the target's
// folder, which replaces the target only when everything was written. On
// failure the old file is untouched and the temporary file is removed.
// A symbolic link is followed: the file it finally names is replaced and the
// link stays. The replaced file keeps its permissions; a new file gets the
// usual ones (0666 less the umask). A target that is read-only, a folder or
// anything but a regular file is refused and left as it is.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same for writers that insist on opening the file themselves (a
// library that takes a file name): `write` fills the temporary file whose
// name it is given and reports how that went.
FileError WriteFileAtomicallyVia(const std::string& path,
                                 const std::function<FileError(const std::string& tempPath)>& write);

// Reads a whole file. The file is opened without waiting (a pipe in its
// place would block for ever) and refused unless it is a regular file
// ("is a folder", "is not a regular file") or when it holds more than
// `maxBytes`, both before anything is allocated. Nothing is thrown; on
// failure `bytes` is empty.
FileError ReadWholeFile(const std::string& path, std::string& bytes,
                        uint64_t maxBytes = 256ull * 1024 * 1024);

// What ReadWholeFile would refuse about `path` (not a regular file, over
// `maxBytes`, cannot be opened), found without reading it.
FileError CheckReadableFile(const std::string& path, uint64_t maxBytes);

// The file `path` finally names, symbolic links followed (also when that
// file does not exist yet). `path` itself when it is no link.
std::string FinalFileTarget(const std::string& path);

// Creates a new, empty file `folder`/`stem``extension`, or, when that name is
// taken, `stem`-2, -3, ... Creating is exclusive, so programs choosing a name
// at the same moment never get the same one. `path` receives the file made.
FileError CreateUniqueFile(const std::string& folder, const std::string& stem, const std::string& extension,
                           std::string& path);

// Little-endian helpers for the binary file formats.
inline void AppendInt32(std::string& out, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

inline int32_t ReadInt32At(std::string_view bytes, size_t pos) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
  return static_cast<int32_t>(u);
}
