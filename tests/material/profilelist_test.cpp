// What the exports answer from the profile list: the current profile, the
// slot each getter reads, and that no profile means 0 and no file.
#include <gtest/gtest.h>

#include <filesystem>

#include "profilelist.h"
#include "testsupport.h"

#include <unistd.h>

namespace {

CProfileList ThreeProfiles() {
  CProfileList list;
  list.Assign({{"A", {0, 1, 2, 0, 1, 2, 0}}, {"B", {2, 2, 2, 2, 2, 2, 2}}, {"C", {1, 0, 1, 0, 1, 0, 1}}});
  return list;
}

TEST(ProfileList, FirstProfileIsCurrentAfterAssign) {
  CProfileList list = ThreeProfiles();
  EXPECT_EQ(list.CurrentIndex(), 0);
  EXPECT_EQ(list.Slot(kSlotEWallInt), 1);
  EXPECT_EQ(list.Slot(kSlotCeilExt), 2);
}

TEST(ProfileList, SelectPastTheEndChangesNothing) {
  CProfileList list = ThreeProfiles();
  ASSERT_TRUE(list.Select(2));
  EXPECT_FALSE(list.Select(3));
  EXPECT_FALSE(list.Select(static_cast<size_t>(-1)));
  EXPECT_EQ(list.CurrentIndex(), 2);
  EXPECT_EQ(list.Current()->name, "C");
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

TEST(ProfileList, AppendAddsLastWithZeroSlotsAndKeepsTheCurrent) {
  CProfileList list = ThreeProfiles();
  list.Select(1);
  list.Append("Новый");
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_EQ(list.Profiles()[3], (MaterialProfile{"Новый", {}}));
  EXPECT_EQ(list.CurrentIndex(), 1);
}

TEST(ProfileList, NamesAreCutAtTheLimitInCharacters) {
  CProfileList list;
  list.Append(std::string(300, 'x'));
  std::string cyrillic;
  for (int i = 0; i < 300; ++i) cyrillic += "ж";
  list.Append(cyrillic);
  list.Select(0);
  EXPECT_EQ(list.Profiles()[0].name.size(), 259u);
  EXPECT_EQ(list.Profiles()[1].name.size(), 2u * 259);
  ASSERT_TRUE(list.StoreCurrent(std::string(400, 'y'), {}));
  EXPECT_EQ(list.Profiles()[0].name, std::string(259, 'y'));
}

TEST(ProfileList, SaveAndLoadRoundTrip) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  CProfileList list = ThreeProfiles();
  list.Select(2);
  ASSERT_TRUE(list.StoreCurrent("Склад", {2, 1, 0, -1, 0, 1, 2}));
  ASSERT_FALSE(list.SaveFile(path));

  CProfileList again;
  EXPECT_EQ(again.LoadFile(path), MaterialFileStatus::kRead);
  EXPECT_EQ(again.Profiles(), list.Profiles());
  EXPECT_EQ(again.CurrentIndex(), 0);
}

TEST(ProfileList, FailedSaveKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  CProfileList list = ThreeProfiles();
  ASSERT_FALSE(list.SaveFile(path));
  const std::string before = ReadFileBytes(path);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  list.Append("D");
  const FileError error = list.SaveFile(path);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_TRUE(error);
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST(ProfileList, DamagedFileLeavesTheListEmpty) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  WriteFileBytes(path, "not a profile file at all");
  CProfileList list = ThreeProfiles();
  EXPECT_EQ(list.LoadFile(path), MaterialFileStatus::kDamaged);
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.CurrentIndex(), -1);
}

}  // namespace
