#pragma once

#include <array>
#include <string>
#include <string_view>

#include "atomicfile.h"
#include "priceentries.h"

// The pricing library's own table of 50 prices and coefficients, kept in the
// data folder as "PriceCntr.data":
//   offset 0   4 bytes  "H10P" (written, never checked on reading)
//   offset 4   400      50 little-endian IEEE doubles, entry 0 first
// A shorter file leaves the entries past its end as they were, so a table
// that starts at zero and reads an empty file prices everything at 0.
class CPriceTable {
 public:
  static constexpr const char* kFileName = "PriceCntr.data";
  static constexpr std::string_view kMagic = "H10P";
  static constexpr size_t kEntryBytes = 8;
  static constexpr size_t kTableBytes = PriceEntry::kCount * kEntryBytes;
  static constexpr size_t kFileBytes = kMagic.size() + kTableBytes;

  CPriceTable() { entries_.fill(0.0); }

  double Get(int index) const;
  void Set(int index, double value);
  void Clear() { entries_.fill(0.0); }

  // Reads the entries the bytes hold over the current ones. Only whole
  // entries are taken; an entry that is not a finite number (a damaged
  // file) reads as 0, since no price or coefficient can be infinite.
  // Returns the number of entries read.
  int ReadBytes(std::string_view bytes);
  std::string ToBytes() const;

  // Reads `path` over the current entries; a missing file is created empty
  // first, as the program always did, and then reads as nothing. Fails only
  // when the file can neither be read nor created.
  FileError Read(const std::string& path);
  // Writes all 50 entries; the old file survives any failure.
  FileError Write(const std::string& path) const;

  // The 400 bytes of the entries, as the price dialog hands them to callers.
  void CopyEntriesTo(unsigned char* buffer) const;

 private:
  std::array<double, PriceEntry::kCount> entries_;
};
