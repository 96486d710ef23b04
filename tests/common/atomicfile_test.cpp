// A failed write must never destroy or half-write the file it replaces.
#include <gtest/gtest.h>

#include <filesystem>

#include "atomicfile.h"
#include "testsupport.h"

#include <unistd.h>

namespace {

TEST(AtomicFile, WritesAndReplaces) {
  CScratchDir dir;
  const std::string path = dir.File("prices.data");
  ASSERT_FALSE(WriteFileAtomically(path, "first"));
  ASSERT_FALSE(WriteFileAtomically(path, std::string("sec\0nd", 6)));
  EXPECT_EQ(ReadFileBytes(path), std::string("sec\0nd", 6));
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(AtomicFile, FailedWriteKeepsTheOldFile) {
  CScratchDir dir;
  const std::string path = dir.File("camera.kry");
  ASSERT_FALSE(WriteFileAtomically(path, "old contents"));
  // A folder in the way of the rename: the write must fail cleanly.
  std::filesystem::create_directory(dir.File("folder"));
  const FileError error = WriteFileAtomically(dir.File("folder"), "new");
  EXPECT_TRUE(error);
  EXPECT_EQ(error.file, dir.File("folder"));
  // A folder that cannot be written to.
  std::filesystem::create_directory(dir.File("locked"));
  WriteFileBytes(dir.File("locked/keep.kry"), "keep");
  std::filesystem::permissions(dir.File("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const FileError locked = WriteFileAtomically(dir.File("locked/keep.kry"), "replacement");
  std::filesystem::permissions(dir.File("locked"), std::filesystem::perms::owner_all);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_TRUE(locked);
    EXPECT_EQ(ReadFileBytes(dir.File("locked/keep.kry")), "keep");
  }
  EXPECT_EQ(ReadFileBytes(path), "old contents");
}

TEST(AtomicFile, MissingFolderIsAnError) {
  const FileError error = WriteFileAtomically("/nonexistent-folder/x.kry", "x");
  EXPECT_TRUE(error);
  EXPECT_NE(error.ToString().find("/nonexistent-folder/x.kry"), std::string::npos);
}

TEST(AtomicFile, ReadWholeFileRefusesOversizedFiles) {
  CScratchDir dir;
  WriteFileBytes(dir.File("big"), std::string(100, 'x'));
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(dir.File("big"), bytes, 99));
  EXPECT_FALSE(ReadWholeFile(dir.File("big"), bytes, 100));
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_TRUE(ReadWholeFile(dir.File("missing"), bytes));
}

TEST(LittleEndian, Int32RoundTrip) {
  std::string bytes;
  AppendInt32(bytes, -77826);
  EXPECT_EQ(bytes, std::string("\xFE\xCF\xFE\xFF", 4));
  EXPECT_EQ(ReadInt32At(bytes, 0), -77826);
}

}  // namespace
