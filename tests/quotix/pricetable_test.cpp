// The price table file: what is read from damaged or foreign files, and that
// writing never loses the old table.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "pricetable.h"
#include "testsupport.h"

namespace {

std::string Entry(double value) {
  std::string bytes(8, '\0');
  uint64_t bits;
  std::memcpy(&bits, &value, 8);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

TEST(PriceTableFile, WritesMagicAndAllFiftyEntriesLittleEndian) {
  CPriceTable table;
  table.Set(PriceEntry::kWallPanel80, 2500);
  table.Set(49, -1.5);  // read by nothing, kept all the same
  const std::string bytes = table.ToBytes();
  ASSERT_EQ(bytes.size(), 404u);
  EXPECT_EQ(bytes.substr(0, 4), "H10P");
  EXPECT_EQ(bytes.substr(4 + 2 * 8, 8), Entry(2500));
  EXPECT_EQ(bytes.substr(4 + 49 * 8, 8), Entry(-1.5));

  CPriceTable back;
  EXPECT_EQ(back.ReadBytes(bytes), 50);
  for (int i = 0; i < PriceEntry::kCount; ++i) EXPECT_EQ(back.Get(i), table.Get(i)) << i;
}

TEST(PriceTableFile, ForeignMagicIsReadAllTheSame) {
  std::string bytes = "XXXX" + Entry(1) + Entry(2) + Entry(3);
  CPriceTable table;
  EXPECT_EQ(table.ReadBytes(bytes), 3);
  EXPECT_EQ(table.Get(2), 3.0);
}

TEST(PriceTableFile, ShortFileLeavesLaterEntriesAsTheyWere) {
  CPriceTable table;
  for (int i = 0; i < PriceEntry::kCount; ++i) table.Set(i, 7);
  // Two whole entries and three bytes of a third one.
  const std::string bytes = "H10P" + Entry(1) + Entry(2) + Entry(3).substr(0, 3);
  EXPECT_EQ(table.ReadBytes(bytes), 2);
  EXPECT_EQ(table.Get(0), 1.0);
  EXPECT_EQ(table.Get(1), 2.0);
  EXPECT_EQ(table.Get(2), 7.0);
  EXPECT_EQ(table.Get(49), 7.0);
  EXPECT_EQ(table.ReadBytes("H1"), 0);
  EXPECT_EQ(table.Get(0), 1.0);
}

TEST(PriceTableFile, EntriesThatAreNoNumberReadAsZero) {
  const std::string bytes = "H10P" + Entry(std::numeric_limits<double>::quiet_NaN()) +
                            Entry(std::numeric_limits<double>::infinity()) + Entry(5);
  CPriceTable table;
  table.ReadBytes(bytes);
  EXPECT_EQ(table.Get(0), 0.0);
  EXPECT_EQ(table.Get(1), 0.0);
  EXPECT_EQ(table.Get(2), 5.0);
}

// A price read as 0 from a damaged file would price at 0 without a word: the
// entry stays marked bad until it is set again; entries nothing reads are
// kept as the file holds them.
TEST(PriceTableFile, AnEntryThatIsNoPriceIsMarkedBadUntilSet) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const double bad : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e308, -1.0,
                           CPriceTable::kMaxPrice * 1.0000001}) {
    std::string bytes = "H10P";
    for (int i = 0; i < PriceEntry::kCount; ++i) bytes += Entry(i == PriceEntry::kWallPanel80 ? bad : 3.0);
    CPriceTable table;
    EXPECT_EQ(table.ReadBytes(bytes), PriceEntry::kCount) << bad;
    EXPECT_EQ(table.BadEntry(), PriceEntry::kWallPanel80) << bad;
    EXPECT_EQ(table.Get(PriceEntry::kWallPanel80), 0.0) << bad;
    EXPECT_FALSE(table.Set(PriceEntry::kWallPanel80, bad)) << bad;
    EXPECT_EQ(table.BadEntry(), PriceEntry::kWallPanel80) << bad;
    EXPECT_TRUE(table.Set(PriceEntry::kWallPanel80, CPriceTable::kMaxPrice)) << bad;
    EXPECT_EQ(table.BadEntry(), -1) << bad;
  }
  const std::string unread = "H10P" + std::string(PriceEntry::kUnused20 * 8, '\0') + Entry(-5);
  CPriceTable table;
  table.ReadBytes(unread);
  EXPECT_EQ(table.BadEntry(), -1);
  EXPECT_EQ(table.Get(PriceEntry::kUnused20), -5.0);
}

TEST(PriceTableFile, MissingFileIsCreatedEmptyAndPricesStayZero) {
  CScratchDir dir;
  const std::string path = dir.File(CPriceTable::kFileName);
  CPriceTable table;
  EXPECT_FALSE(table.Read(path));
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  for (int i = 0; i < PriceEntry::kCount; ++i) EXPECT_EQ(table.Get(i), 0.0);
}

TEST(PriceTableFile, WriteAndReadBackThroughTheFile) {
  CScratchDir dir;
  const std::string path = dir.File(CPriceTable::kFileName);
  CPriceTable table;
  table.Set(PriceEntry::kEuroRate, 98.5);
  ASSERT_FALSE(table.Write(path));
  CPriceTable back;
  ASSERT_FALSE(back.Read(path));
  EXPECT_EQ(back.Get(PriceEntry::kEuroRate), 98.5);
}

TEST(PriceTableFile, FailedWriteKeepsTheOldFile) {
  CScratchDir dir;
  // A read-only file is refused, for any user (root included).
  const std::string path = dir.File(std::string(250, 'p'));
  CPriceTable table;
  table.Set(0, 1);
  WriteFileBytes(path, table.ToBytes());
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  table.Set(0, 2);
  EXPECT_TRUE(table.Write(path));
  CPriceTable back;
  ASSERT_FALSE(back.Read(path));
  EXPECT_EQ(back.Get(0), 1.0);
}

TEST(PriceTableFile, FolderPipeOrOversizedFileInItsPlaceIsReportedNotRead) {
  CScratchDir dir;
  const std::string path = dir.File(CPriceTable::kFileName);
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(path, kind, CPriceTable::kMaxFileBytes);
    CPriceTable table;
    const FileError error = table.Read(path);
    EXPECT_TRUE(error) << UnreadableKindName(kind);
    EXPECT_EQ(error.file, path);
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
  }
}

TEST(PriceTableFile, DialogBufferGetsTheFourHundredBytesOfTheEntries) {
  CPriceTable table;
  table.Set(PriceEntry::kOpening, 8000);
  unsigned char buffer[400];
  table.CopyEntriesTo(buffer);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer) + 13 * 8, 8), Entry(8000));
}

}  // namespace
