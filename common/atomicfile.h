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
// a temporary file in the target's folder, which replaces the target only
// when everything was written. On failure the old file is untouched and the
// temporary file is removed.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same for writers that insist on opening the file themselves (a
// library that takes a file name): `write` fills the temporary file whose
// name it is given and reports how that went.
FileError WriteFileAtomicallyVia(const std::string& path,
                                 const std::function<FileError(const std::string& tempPath)>& write);

// Reads a whole file, refusing files larger than `maxBytes` before reading.
FileError ReadWholeFile(const std::string& path, std::string& bytes,
                        uint64_t maxBytes = 256ull * 1024 * 1024);

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
