#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "atomicfile.h"
#include "editrecord.h"

// The camera file (".kry"): a camera is stored as the edit log that built
// it, never as geometry. Layout, all integers 32-bit little-endian:
//   article      UTF-16LE code units, then one 16-bit zero
//   description  the same (may hold line breaks)
//   records      op, count, then count data words, one after another
//   end marker   kEndOfCameraFile
// No header, no version, no checksum. Files of the Windows program read and
// write unchanged: texts are kept as UTF-16 code units exactly as stored.

struct CameraFileContents {
  std::u16string article;
  std::u16string description;
  std::vector<EditRecord> records;
};

// How reading stopped.
enum class CameraFileEnd {
  kEndMarker,      // at the end marker: the file is complete
  kNoEndMarker,    // the bytes ran out after a whole record
  kTruncated,      // the bytes ran out inside a text or a record (that record is dropped)
  kTooManyRecords, // kMaxCameraFileRecords were read; the rest is ignored
};

struct CameraFileReadResult {
  CameraFileEnd end = CameraFileEnd::kEndMarker;
  size_t offset = 0;  // byte offset at which reading stopped
};

// Far beyond any camera a person draws (a few hundred records, a few
// kilobytes), and small enough that a hostile file cannot make a replay run
// for minutes.
inline constexpr size_t kMaxCameraFileBytes = 16u * 1024 * 1024;
inline constexpr size_t kMaxCameraFileRecords = 100'000;

// Reads `bytes` into `out` (emptied first) up to the end marker or the
// first damage, keeping every whole record before it. Never fails: a few
// bytes of garbage give empty texts and an empty log. Allocates only for
// counts that the remaining bytes can hold.
CameraFileReadResult ReadCameraFile(std::string_view bytes, CameraFileContents& out);

// The file at `path`, read as above. On an error (missing, unreadable, a
// folder, larger than kMaxCameraFileBytes) `out` is left untouched.
FileError LoadCameraFile(const std::string& path, CameraFileContents& out, CameraFileReadResult* result = nullptr);

// The bytes of a camera file: the texts, every record of `contents`, then
// the records of `trailer` (the window's scale and origin on save), then
// the end marker. A zero code unit inside a text would end it early on
// reading, so zeros are left out.
std::string EncodeCameraFile(const CameraFileContents& contents, std::span<const EditRecord> trailer = {});

// Writes EncodeCameraFile's bytes through a temporary file: the old file
// survives any failure.
FileError SaveCameraFile(const std::string& path, const CameraFileContents& contents,
                         std::span<const EditRecord> trailer = {});

// One line about a read that stopped short ("damaged at byte 40: ..."),
// empty for a complete file.
std::string DescribeCameraFileEnd(const CameraFileReadResult& result);
