#include "pricetable.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

uint64_t ReadUint64At(std::string_view bytes, size_t pos) {
  uint64_t u = 0;
  for (size_t i = 0; i < 8; ++i) u |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
  return u;
}

void AppendUint64(std::string& out, uint64_t u) {
  for (int i = 0; i < 8; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

bool CPriceTable::IsValidPrice(double value) { return std::isfinite(value) && value >= 0.0 && value <= kMaxPrice; }

bool CPriceTable::IsCheckedEntry(int index) {
  return index >= 0 && index <= PriceEntry::kLastEdited && index != PriceEntry::kUnused20;
}

double CPriceTable::Get(int index) const {
  if (index < 0 || index >= PriceEntry::kCount) return 0.0;
  return entries_[static_cast<size_t>(index)];
}

bool CPriceTable::Set(int index, double value) {
  if (index < 0 || index >= PriceEntry::kCount) return false;
  if (IsCheckedEntry(index) ? !IsValidPrice(value) : !std::isfinite(value)) return false;
  entries_[static_cast<size_t>(index)] = value;
  bad_[static_cast<size_t>(index)] = false;
  return true;
}

void CPriceTable::Clear() {
  entries_.fill(0.0);
  bad_.fill(false);
}

int CPriceTable::ReadBytes(std::string_view bytes) {
  if (bytes.size() <= kMagic.size()) return 0;
  const std::string_view table = bytes.substr(kMagic.size());
  const size_t whole = std::min<size_t>(table.size() / kEntryBytes, PriceEntry::kCount);
  for (size_t i = 0; i < whole; ++i) {
    const uint64_t bits = ReadUint64At(table, i * kEntryBytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    // A price read as 0 would price silently at 0: the entry stays marked.
    bad_[i] = IsCheckedEntry(static_cast<int>(i)) ? !IsValidPrice(value) : false;
    entries_[i] = std::isfinite(value) && !bad_[i] ? value : 0.0;
  }
  return static_cast<int>(whole);
}

int CPriceTable::BadEntry() const {
  for (int i = 0; i < PriceEntry::kCount; ++i)
    if (bad_[static_cast<size_t>(i)]) return i;
  return -1;
}

std::string CPriceTable::ToBytes() const {
  std::string out(kMagic);
  out.reserve(kFileBytes);
  for (double value : entries_) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendUint64(out, bits);
  }
  return out;
}

FileError CPriceTable::Read(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    std::ofstream create(path, std::ios::binary);
    if (!create) return {path, "cannot be created"};
    return {};
  }
  std::string bytes;
  if (FileError error = ReadWholeFile(path, bytes, kMaxFileBytes)) return error;
  ReadBytes(bytes);
  return {};
}

FileError CPriceTable::Write(const std::string& path) const { return WriteFileAtomically(path, ToBytes()); }

void CPriceTable::CopyEntriesTo(unsigned char* buffer) const {
  if (!buffer) return;
  const std::string bytes = ToBytes();
  std::memcpy(buffer, bytes.data() + kMagic.size(), kTableBytes);
}
