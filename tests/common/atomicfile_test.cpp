// A failed write must never destroy or half-write the file it replaces.
#include <gtest/gtest.h>

#include <filesystem>

#include "atomicfile.h"
#include "testsupport.h"

#include <set>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
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

// Every reader goes through ReadWholeFile: it must refuse what is not a
// regular file or is too large before allocating, and never wait on a pipe.
TEST(AtomicFile, ReadWholeFileRefusesWhatIsNotAReadableFile) {
  CScratchDir dir;
  const std::string path = dir.File("data");
  const struct {
    UnreadableKind kind;
    const char* problem;
  } cases[] = {{UnreadableKind::kFolder, "is a folder"},
               {UnreadableKind::kFifo, "is not a regular file"},
               {UnreadableKind::kOverLimit, "is too large (the limit is 1 KiB)"}};
  for (const auto& c : cases) {
    const CUnreadableFile unreadable(path, c.kind, 1024);
    std::string bytes = "old";
    const FileError error = ReadWholeFile(path, bytes, 1024);
    EXPECT_EQ(error.problem, c.problem) << UnreadableKindName(c.kind);
    EXPECT_EQ(error.file, path);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(CheckReadableFile(path, 1024).problem, c.problem) << UnreadableKindName(c.kind);
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(c.kind);
  }
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes) {
  CScratchDir dir;
  const std::string path = dir.File("private.data");
  WriteFileBytes(path, "old");
  ::chmod(path.c_str(), 0600);
  ASSERT_FALSE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(ModeOf(path), 0600u);
  EXPECT_EQ(ReadFileBytes(path), "new");

  const mode_t mask = ::umask(0022);
  ::umask(mask);
  ASSERT_FALSE(WriteFileAtomically(dir.File("fresh.data"), "x"));
  EXPECT_EQ(ModeOf(dir.File("fresh.data")), 0666u & ~mask);
}

TEST(AtomicFile, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
  CScratchDir dir;
  std::filesystem::create_directory(dir.File("real"));
  WriteFileBytes(dir.File("real/prices.data"), "old");
  std::filesystem::create_symlink("real/prices.data", dir.File("link.data"));
  std::filesystem::create_symlink(dir.File("link.data"), dir.File("link-to-link.data"));

  ASSERT_FALSE(WriteFileAtomically(dir.File("link-to-link.data"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link-to-link.data")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.data")));
  EXPECT_EQ(ReadFileBytes(dir.File("real/prices.data")), "new");
  // The temporary file was made beside the real file, and is gone.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("real")), std::filesystem::directory_iterator()),
            1);
}

TEST(AtomicFile, ReadOnlyFileIsRefusedAndKept) {
  CScratchDir dir;
  const std::string path = dir.File("camera.kry");
  WriteFileBytes(path, "keep");
  ::chmod(path.c_str(), 0444);
  const FileError error = WriteFileAtomically(path, "replacement");
  EXPECT_EQ(error.problem, "is read-only");
  EXPECT_EQ(ReadFileBytes(path), "keep");
  EXPECT_EQ(ModeOf(path), 0444u);
}

TEST(AtomicFile, NamesUpToTheSystemLimitCanBeWritten) {
  CScratchDir dir;
  for (const size_t length : {244u, 250u, 255u}) {
    const std::string path = dir.File(std::string(length - 4, 'k') + ".kry");
    ASSERT_FALSE(WriteFileAtomically(path, "first")) << length;
    ASSERT_FALSE(WriteFileAtomically(path, "second")) << length;
    EXPECT_EQ(ReadFileBytes(path), "second") << length;
  }
}

// Reports saved at the same moment by several programs must not overwrite
// one another: each name is taken by creating the file.
TEST(AtomicFile, ProcessesCreatingTheSameNameAtOnceGetOneFileEach) {
  CScratchDir dir;
  constexpr int kProcesses = 4;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  std::vector<pid_t> children;
  for (int i = 0; i < kProcesses; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      char go;
      ::close(ready[1]);
      // Every child starts when the pipe closes, all at once.
      while (::read(ready[0], &go, 1) > 0) {
      }
      std::string path;
      const FileError error = CreateUniqueFile(dir.Path(), "camera-20250101-120000", ".xlsx", path);
      ::_exit(error ? 1 : 0);
    }
    children.push_back(child);
  }
  ::close(ready[0]);
  ::close(ready[1]);
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) names.insert(entry.path().filename());
  EXPECT_EQ(names, (std::set<std::string>{"camera-20250101-120000.xlsx", "camera-20250101-120000-2.xlsx",
                                          "camera-20250101-120000-3.xlsx", "camera-20250101-120000-4.xlsx"}));
}

TEST(LittleEndian, Int32RoundTrip) {
  std::string bytes;
  AppendInt32(bytes, -77826);
  EXPECT_EQ(bytes, std::string("\xFE\xCF\xFE\xFF", 4));
  EXPECT_EQ(ReadInt32At(bytes, 0), -77826);
}

}  // namespace
