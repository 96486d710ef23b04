// The profile file is shared with the Windows program: its bytes, its
// encoding and the way a damaged file is read must not drift.
#include <gtest/gtest.h>

#include <filesystem>

#include "materialfile.h"
#include "testsupport.h"

namespace {

std::string Slots(std::initializer_list<int32_t> values) {
  std::string out;
  for (const int32_t v : values) AppendInt32(out, v);
  return out;
}

std::string Magic() { return std::string(kMaterialFileMagic); }

MaterialProfile Profile(std::string name, std::array<int32_t, kMaterialSlotCount> slots) {
  return {std::move(name), slots};
}

TEST(MaterialFile, LayoutIsMagicThenNameZeroAndSevenSlots) {
  const std::string bytes = SerializeMaterialFile({Profile("A", {0, 1, 2, -1, 2, 1, 0})});
  EXPECT_EQ(bytes, Magic() + "A" + std::string(1, '\0') + Slots({0, 1, 2, -1, 2, 1, 0}));
  EXPECT_EQ(kMaterialFileMagic.size(), 23u);
}

TEST(MaterialFile, EmptyNameIsOneZeroByte) {
  const std::string bytes = SerializeMaterialFile({Profile("", {})});
  ASSERT_EQ(bytes.size(), 23u + 1 + 28);
  EXPECT_EQ(bytes[23], '\0');
  std::vector<MaterialProfile> read;
  ASSERT_TRUE(ParseMaterialFile(bytes, read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0], Profile("", {}));
}

TEST(MaterialFile, MagicOnlyIsAnEmptyList) {
  std::vector<MaterialProfile> read{Profile("left over", {})};
  ASSERT_TRUE(ParseMaterialFile(Magic(), read));
  EXPECT_TRUE(read.empty());
}

TEST(MaterialFile, WrongOrShortMagicIsRefused) {
  std::vector<MaterialProfile> read;
  const std::string good = SerializeMaterialFile({Profile("A", {})});
  std::string wrong = good;
  wrong[0] = 'X';
  EXPECT_FALSE(ParseMaterialFile(wrong, read));
  EXPECT_TRUE(read.empty());
  EXPECT_FALSE(ParseMaterialFile(Magic().substr(0, 22), read));
  EXPECT_FALSE(ParseMaterialFile("", read));
}

TEST(MaterialFile, NameCutOffByTheEndIsDropped) {
  std::vector<MaterialProfile> read;
  ASSERT_TRUE(ParseMaterialFile(Magic() + "A" + std::string(1, '\0') + Slots({1, 1, 1, 1, 1, 1, 1}) + "Partial", read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].name, "A");
}

TEST(MaterialFile, SlotsCutOffByTheEndKeepWhatIsThere) {
  std::vector<MaterialProfile> read;
  // Two whole slots and one byte of the third.
  ASSERT_TRUE(ParseMaterialFile(Magic() + "B" + std::string(1, '\0') + Slots({2, 1}) + "\x01", read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0], Profile("B", {2, 1, 1, 0, 0, 0, 0}));

  // A name with its zero byte and nothing after it is still a profile.
  ASSERT_TRUE(ParseMaterialFile(Magic() + "C" + std::string(1, '\0'), read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0], Profile("C", {}));
}

TEST(MaterialFile, CyrillicNamesAreCp1251OnDisk) {
  const std::vector<MaterialProfile> profiles = {Profile("Стандарт", {0, 1, 2, 0, 1, 2, 0}),
                                                 Profile("Пищевой", {2, 2, 2, 2, 2, 2, 2})};
  const std::string bytes = SerializeMaterialFile(profiles);
  // "Стандарт" in code page 1251.
  EXPECT_EQ(bytes.substr(23, 9), "\xD1\xF2\xE0\xED\xE4\xE0\xF0\xF2" + std::string(1, '\0'));
  std::vector<MaterialProfile> read;
  ASSERT_TRUE(ParseMaterialFile(bytes, read));
  EXPECT_EQ(read, profiles);
}

TEST(MaterialFile, NamesOutsideCp1251RoundTripAsUtf8) {
  const std::vector<MaterialProfile> profiles = {Profile("Profil ☃ 中", {})};
  std::vector<MaterialProfile> read;
  ASSERT_TRUE(ParseMaterialFile(SerializeMaterialFile(profiles), read));
  EXPECT_EQ(read, profiles);
}

TEST(MaterialFile, ZeroInsideANameCannotShiftLaterProfiles) {
  const std::vector<MaterialProfile> profiles = {Profile(std::string("a\0b", 3), {1, 1, 1, 1, 1, 1, 1}),
                                                 Profile("c", {2, 2, 2, 2, 2, 2, 2})};
  std::vector<MaterialProfile> read;
  ASSERT_TRUE(ParseMaterialFile(SerializeMaterialFile(profiles), read));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], Profile("ab", {1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(read[1], profiles[1]);
}

TEST(MaterialFile, ReadingFromDisk) {
  CScratchDir dir;
  std::vector<MaterialProfile> read{Profile("x", {})};
  EXPECT_EQ(ReadMaterialFile(dir.File("MaterialArch.data"), read), MaterialFileStatus::kMissing);
  EXPECT_TRUE(read.empty());

  ASSERT_FALSE(WriteMaterialFile(dir.File("MaterialArch.data"), {Profile("Один", {1, 0, 0, 0, 0, 0, 2})}));
  EXPECT_EQ(ReadMaterialFile(dir.File("MaterialArch.data"), read), MaterialFileStatus::kRead);
  EXPECT_EQ(read, std::vector<MaterialProfile>{Profile("Один", {1, 0, 0, 0, 0, 0, 2})});

  WriteFileBytes(dir.File("other"), "ZAMOUSERDATAFILE and more");
  EXPECT_EQ(ReadMaterialFile(dir.File("other"), read), MaterialFileStatus::kDamaged);

  // A folder in the file's place cannot be opened: as if missing.
  std::filesystem::create_directory(dir.File("folder"));
  EXPECT_EQ(ReadMaterialFile(dir.File("folder"), read), MaterialFileStatus::kMissing);
}

TEST(MaterialFile, AbsurdlyLargeFileIsNotRead) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  WriteFileBytes(path, Magic());
  std::filesystem::resize_file(path, kMaxMaterialFileBytes + 1);  // sparse: costs no disk
  std::vector<MaterialProfile> read;
  EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kDamaged);
  EXPECT_TRUE(read.empty());
}

}  // namespace
