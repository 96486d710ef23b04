#pragma once

#include <array>
#include <cstdint>
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
  // The largest file taken for a price table, by every reader of it (the
  // pricing library, the price dialog, the command-line tool). A real one
  // is kFileBytes; a file this large is something else and is refused
  // before it is read into memory.
  static constexpr uint64_t kMaxFileBytes = 1024 * 1024;

  // The largest price or coefficient the table takes. Far above any real
  // price, yet low enough that no report's arithmetic leaves the doubles.
  static constexpr double kMaxPrice = 1e9;

  CPriceTable() { Clear(); }

  // Whether `value` can stand in the table: a finite number from 0 to
  // kMaxPrice.
  static bool IsValidPrice(double value);
  // Whether entry `index` is one the program shows or prices with (those
  // with a box in the price dialog); the others are only kept for the file.
  static bool IsCheckedEntry(int index);

  double Get(int index) const;
  // Sets one entry and returns true. A checked entry refuses a value that is
  // no price, the others one that is not finite (false, nothing changes).
  bool Set(int index, double value);
  void Clear();

  // Reads the entries the bytes hold over the current ones. Only whole
  // entries are taken. A checked entry that holds no price (a damaged file)
  // reads as 0 and is remembered as bad until it is set again, so that
  // nothing prices with it (BadEntry); any other entry that is not a finite
  // number reads as 0. Returns the number of entries read.
  int ReadBytes(std::string_view bytes);
  // The first checked entry whose file value was no price, or -1.
  int BadEntry() const;
  bool IsBad(int index) const { return index >= 0 && index < PriceEntry::kCount && bad_[static_cast<size_t>(index)]; }
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
  std::array<bool, PriceEntry::kCount> bad_;
};
