// The user data file is shared with the Windows program: its bytes, its
// encoding and the reading of a damaged file must not drift.
#include <gtest/gtest.h>

#include <filesystem>

#include "testsupport.h"
#include "userdatacollections.h"
#include "userdatafile.h"

namespace {

std::string Id(int32_t id) {
  std::string out;
  AppendInt32(out, id);
  return out;
}

const std::string kZero(1, '\0');
std::string Magic() { return std::string(kUserDataMagic); }

TEST(UserDataFile, LayoutIsMagicThenIdTextAndZero) {
  EXPECT_EQ(kUserDataMagic.size(), 16u);
  EXPECT_EQ(SerializeUserData({{1022, "Ivan"}, {-5, ""}}), Magic() + Id(1022) + "Ivan" + kZero + Id(-5) + kZero);
}

TEST(UserDataFile, ForeignFileGivesNothing) {
  std::vector<UserDataEntry> entries{{1, "x"}};
  EXPECT_FALSE(ParseUserData("ZAMOUSERDATAFIL", entries));
  EXPECT_TRUE(entries.empty());
  EXPECT_FALSE(ParseUserData("ZAMOMATERIALPROFILEDATA", entries));
  EXPECT_TRUE(ParseUserData(Magic(), entries));
  EXPECT_TRUE(entries.empty());
}

TEST(UserDataFile, EmptyTextIsWrittenButNotReadBack) {
  std::vector<UserDataEntry> entries;
  ASSERT_TRUE(ParseUserData(SerializeUserData({{1022, ""}, {1025, "Petrov"}}), entries));
  EXPECT_EQ(entries, (std::vector<UserDataEntry>{{1025, "Petrov"}}));
}

TEST(UserDataFile, TextCutOffByTheEndIsKeptWhenNotEmpty) {
  std::vector<UserDataEntry> entries;
  ASSERT_TRUE(ParseUserData(Magic() + Id(1022) + "Ivan" + kZero + Id(1027) + "+7 91", entries));
  EXPECT_EQ(entries, (std::vector<UserDataEntry>{{1022, "Ivan"}, {1027, "+7 91"}}));

  ASSERT_TRUE(ParseUserData(Magic() + Id(1022) + "Ivan" + kZero + Id(1027), entries));
  EXPECT_EQ(entries.size(), 1u);
  // Half a field id at the end is nothing.
  ASSERT_TRUE(ParseUserData(Magic() + Id(1022) + "Ivan" + kZero + "\x03\x04", entries));
  EXPECT_EQ(entries.size(), 1u);
}

TEST(UserDataFile, DuplicatesInTheFileStay) {
  std::vector<UserDataEntry> entries;
  ASSERT_TRUE(ParseUserData(SerializeUserData({{1022, "A"}, {1022, "A"}}), entries));
  EXPECT_EQ(entries.size(), 2u);
}

TEST(UserDataFile, CyrillicTextsAreCp1251OnDisk) {
  const std::vector<UserDataEntry> entries = {{1022, "Иван"}, {1030, "г. Москва, ул. Ленина, д. 1"}};
  const std::string bytes = SerializeUserData(entries);
  EXPECT_EQ(bytes.substr(16, 9), Id(1022) + "\xC8\xE2\xE0\xED" + kZero);
  std::vector<UserDataEntry> read;
  ASSERT_TRUE(ParseUserData(bytes, read));
  EXPECT_EQ(read, entries);
  // Texts no code page holds survive as UTF-8.
  ASSERT_TRUE(ParseUserData(SerializeUserData({{1028, "ivan@почта.рф ✉"}}), read));
  EXPECT_EQ(read, (std::vector<UserDataEntry>{{1028, "ivan@почта.рф ✉"}}));
}

TEST(UserDataCollections, SameTextOncePerField) {
  CUserDataCollections collections;
  EXPECT_TRUE(collections.Collect(1022, "Ivan"));
  EXPECT_FALSE(collections.Collect(1022, "Ivan"));
  EXPECT_TRUE(collections.Collect(1025, "Ivan"));
  EXPECT_TRUE(collections.Collect(1022, "ivan"));  // bytes compared as they are
  EXPECT_TRUE(collections.Collect(1022, ""));
  EXPECT_FALSE(collections.Collect(1022, ""));
  EXPECT_EQ(collections.TextsFor(1022), (std::vector<std::string>{"Ivan", "ivan", ""}));
  EXPECT_EQ(collections.TextsFor(1025), (std::vector<std::string>{"Ivan"}));
  EXPECT_TRUE(collections.TextsFor(1099).empty());
}

TEST(UserDataCollections, LongTextIsCutAtTheLimit) {
  CUserDataCollections collections;
  std::string longText;
  for (int i = 0; i < 300; ++i) longText += "щ";
  collections.Collect(1031, longText);
  ASSERT_EQ(collections.Entries().size(), 1u);
  EXPECT_EQ(collections.Entries()[0].text.size(), 2u * 259);
  // The same long text again is the same cut text: no duplicate.
  EXPECT_FALSE(collections.Collect(1031, longText));
}

TEST(UserDataCollections, RoundTripThroughTheFile) {
  CScratchDir dir;
  const std::string path = dir.File("userdata.dat");
  CUserDataCollections collections;
  EXPECT_EQ(collections.LoadFile(path), UserDataFileStatus::kMissing);
  collections.Collect(1022, "Иван");
  collections.Collect(1029, "ООО \"Холод\"");
  collections.Collect(1026, "");
  ASSERT_FALSE(collections.SaveFile(path));

  CUserDataCollections again;
  EXPECT_EQ(again.LoadFile(path), UserDataFileStatus::kRead);
  EXPECT_EQ(again.Entries(), (std::vector<UserDataEntry>{{1022, "Иван"}, {1029, "ООО \"Холод\""}}));
}

TEST(UserDataCollections, ForeignFileIsReplacedOnWrite) {
  CScratchDir dir;
  const std::string path = dir.File("userdata.dat");
  WriteFileBytes(path, "something else entirely");
  CUserDataCollections collections;
  EXPECT_EQ(collections.LoadFile(path), UserDataFileStatus::kForeign);
  collections.Collect(1022, "A");
  ASSERT_FALSE(collections.SaveFile(path));
  EXPECT_EQ(ReadFileBytes(path), Magic() + Id(1022) + "A" + kZero);
}

TEST(UserDataCollections, FileThatCannotBeReadIsNeverReplaced) {
  CScratchDir dir;
  const std::string path = dir.File("userdata.dat");
  WriteFileBytes(path, Magic());
  std::filesystem::resize_file(path, kMaxUserDataFileBytes + 1);  // sparse: costs no disk
  CUserDataCollections collections;
  EXPECT_EQ(collections.LoadFile(path), UserDataFileStatus::kUnreadable);
  EXPECT_TRUE(collections.Entries().empty());
  collections.Collect(1022, "A");
  EXPECT_TRUE(collections.SaveFile(path));
  EXPECT_EQ(std::filesystem::file_size(path), kMaxUserDataFileBytes + 1);
}

TEST(UserDataCollections, FolderPipeOrOversizedFileInItsPlaceIsNeitherReadNorReplaced) {
  CScratchDir dir;
  const std::string path = dir.File(kUserDataFileName);
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(path, kind, kMaxUserDataFileBytes);
    CUserDataCollections collections;
    EXPECT_EQ(collections.LoadFile(path), UserDataFileStatus::kUnreadable) << UnreadableKindName(kind);
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
    collections.Collect(1022, "A");
    EXPECT_TRUE(collections.SaveFile(path)) << UnreadableKindName(kind);
  }
}

// Two send dialogs open at once: the values each remembers are all kept.
TEST(UserDataCollections, SaveKeepsWhatAnotherProgramRememberedMeanwhile) {
  CScratchDir dir;
  const std::string path = dir.File(kUserDataFileName);
  CUserDataCollections first;
  first.Collect(1022, "Иван");
  ASSERT_FALSE(first.SaveFile(path));
  CUserDataCollections second;
  ASSERT_EQ(second.LoadFile(path), UserDataFileStatus::kRead);
  first.Collect(1029, "ООО Холод");
  ASSERT_FALSE(first.SaveFile(path));
  second.Collect(1022, "Пётр");
  ASSERT_FALSE(second.SaveFile(path));

  std::vector<UserDataEntry> stored;
  ASSERT_EQ(ReadUserDataFile(path, stored), UserDataFileStatus::kRead);
  EXPECT_EQ(stored, (std::vector<UserDataEntry>{{1022, "Иван"}, {1022, "Пётр"}, {1029, "ООО Холод"}}));
}

}  // namespace
