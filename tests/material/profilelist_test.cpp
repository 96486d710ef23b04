// What the exports answer from the profile list: the current profile, the
// slot each getter reads, and that no profile means 0 and no file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>

#include "profilelist.h"
#include "testsupport.h"

#include <sys/resource.h>

namespace {

CProfileList ThreeProfiles() {
  CProfileList list;
  list.Assign({{"A", {0, 1, 2, 0, 1, 2, 0}}, {"B", {2, 2, 2, 2, 2, 2, 2}}, {"C", {1, 0, 1, 0, 1, 0, 1}}});
  return list;
}

TEST(ProfileList, SelectPastTheEndChangesNothing) {
  CProfileList list = ThreeProfiles();
  EXPECT_EQ(list.CurrentIndex(), 0);
  EXPECT_EQ(list.Slot(kSlotCeilExt), 2);
  ASSERT_TRUE(list.Select(2));
  EXPECT_FALSE(list.Select(3));
  EXPECT_FALSE(list.Select(static_cast<size_t>(-1)));
  EXPECT_EQ(list.CurrentIndex(), 2);
  EXPECT_EQ(list.Slot(kSlotCeilExt), 1);
}

TEST(ProfileList, WithoutProfilesSlotsAreZeroAndNothingIsWritten) {
  CScratchDir dir;
  CProfileList list;
  EXPECT_EQ(list.CurrentIndex(), -1);
  for (int slot = 0; slot < static_cast<int>(kMaterialSlotCount); ++slot) EXPECT_EQ(list.Slot(slot), 0);
  EXPECT_FALSE(list.Select(0));
  EXPECT_FALSE(list.StoreCurrent("x", {1, 1, 1, 1, 1, 1, 1}));
  EXPECT_FALSE(list.SaveFile(dir.File("MaterialArch.data")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("MaterialArch.data")));
}

TEST(ProfileList, OnlyProfileCannotBeRemoved) {
  CProfileList list;
  list.Assign({{"Only", {}}});
  EXPECT_FALSE(list.RemoveCurrent());
  EXPECT_EQ(list.Count(), 1u);

  CProfileList three = ThreeProfiles();
  three.Select(1);
  ASSERT_TRUE(three.RemoveCurrent());
  ASSERT_EQ(three.Count(), 2u);
  EXPECT_EQ(three.Profiles()[1].name, "C");
  EXPECT_EQ(three.CurrentIndex(), 0);
}

TEST(ProfileList, NewProfileIsLastWithZeroSlotsAndNamesAreCut) {
  CProfileList list = ThreeProfiles();
  list.Select(1);
  std::string cyrillic;
  for (int i = 0; i < 300; ++i) cyrillic += "ж";
  list.Append(cyrillic);
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_EQ(list.Profiles()[3].slots, (std::array<int32_t, 7>{}));
  EXPECT_EQ(list.Profiles()[3].name.size(), 2u * CProfileList::kMaxNameChars);
  EXPECT_EQ(list.CurrentIndex(), 1);
  ASSERT_TRUE(list.StoreCurrent(std::string(400, 'y'), {}));
  EXPECT_EQ(list.Profiles()[1].name, std::string(259, 'y'));
}

TEST(ProfileList, FailedSaveKeepsTheOldFile) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  CProfileList list = ThreeProfiles();
  ASSERT_FALSE(list.SaveFile(path));
  const std::string before = ReadFileBytes(path);
  // A file size limit makes the write of the longer list fail halfway, for
  // any user (root included).
  list.Append(std::string(200, 'x'));
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ::getrlimit(RLIMIT_FSIZE, &oldLimit);
  rlimit limit = oldLimit;
  limit.rlim_cur = before.size() + 50;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const FileError error = list.SaveFile(path);
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(error);
  EXPECT_EQ(ReadFileBytes(path), before);
  // Nothing but the file and its lock file is left.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 2);
}

// Two programs with the material dialog open: each save keeps what the
// other saved in between, and its own edits win where both changed.
TEST(ProfileList, SaveKeepsWhatAnotherProgramSavedMeanwhile) {
  CScratchDir dir;
  const std::string path = dir.File(kMaterialFileName);
  CProfileList first = ThreeProfiles();
  ASSERT_FALSE(first.SaveFile(path));
  CProfileList second;
  ASSERT_EQ(second.LoadFile(path), MaterialFileStatus::kRead);

  first.Append("D");                                 // added here
  ASSERT_TRUE(first.StoreCurrent("A", {7, 7, 7, 7, 7, 7, 7}));  // A changed here
  ASSERT_FALSE(first.SaveFile(path));

  second.Select(1);
  ASSERT_TRUE(second.StoreCurrent("B", {5, 5, 5, 5, 5, 5, 5}));  // B changed there
  second.Select(2);
  ASSERT_TRUE(second.RemoveCurrent());                            // C deleted there
  second.Append("E");                                             // E added there
  ASSERT_FALSE(second.SaveFile(path));

  std::vector<MaterialProfile> stored;
  ASSERT_EQ(ReadMaterialFile(path, stored), MaterialFileStatus::kRead);
  EXPECT_EQ(stored, (std::vector<MaterialProfile>{{"A", {7, 7, 7, 7, 7, 7, 7}},
                                                  {"B", {5, 5, 5, 5, 5, 5, 5}},
                                                  {"E", {}},
                                                  {"D", {}}}));
  EXPECT_EQ(second.Profiles(), stored);
}

}  // namespace
