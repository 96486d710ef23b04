// A read-modify-write of a shared data file holds the file's lock: a second
// writer waits for it, and a lock that is never released makes the second
// writer give up instead of waiting for ever.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "filelock.h"
#include "testsupport.h"

namespace {

TEST(FileLock, ASecondHolderWaitsAndGivesUpInTime) {
  CScratchDir dir;
  const std::string path = dir.File("PriceCntr.data");
  {
    const CFileLock first(path);
    ASSERT_TRUE(first.Held()) << first.Error().ToString();
    EXPECT_TRUE(std::filesystem::exists(dir.File("PriceCntr.data.lock")));
    const auto start = std::chrono::steady_clock::now();
    const CFileLock second(path, 200);
    EXPECT_FALSE(second.Held());
    EXPECT_EQ(second.Error().file, path);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
  }
  const CFileLock after(path, 200);
  EXPECT_TRUE(after.Held());
}

TEST(FileLock, ALinkAndItsFileShareOneLock) {
  CScratchDir dir;
  WriteFileBytes(dir.File("userdata.dat"), "x");
  std::filesystem::create_symlink("userdata.dat", dir.File("link.dat"));
  EXPECT_EQ(LockFileFor(dir.File("link.dat")), dir.File("userdata.dat.lock"));
  // A name with no room for the suffix gets a short lock file of its own.
  const std::string longName = dir.File(std::string(253, 'p'));
  EXPECT_LE(std::filesystem::path(LockFileFor(longName)).filename().string().size(), 255u);
  EXPECT_TRUE(CFileLock(longName, 200).Held());
}

}  // namespace
