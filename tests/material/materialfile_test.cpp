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

const std::string kZero(1, '\0');
const std::string kMagic(kMaterialFileMagic);

std::vector<MaterialProfile> Parsed(const std::string& bytes) {
  std::vector<MaterialProfile> profiles;
  EXPECT_TRUE(ParseMaterialFile(bytes, profiles));
  return profiles;
}

TEST(MaterialFile, LayoutIsMagicThenNameZeroAndSevenSlots) {
  EXPECT_EQ(SerializeMaterialFile({{"A", {0, 1, 2, -1, 2, 1, 0}}, {"", {}}}),
            kMagic + "A" + kZero + Slots({0, 1, 2, -1, 2, 1, 0}) + kZero + Slots({0, 0, 0, 0, 0, 0, 0}));
  // An empty name is one zero byte and reads back as an empty name.
  EXPECT_EQ(Parsed(kMagic + kZero + Slots({1, 1, 1, 1, 1, 1, 1})),
            (std::vector<MaterialProfile>{{"", {1, 1, 1, 1, 1, 1, 1}}}));
}

TEST(MaterialFile, MagicOnlyIsEmptyAndAnyOtherStartIsRefused) {
  EXPECT_TRUE(Parsed(kMagic).empty());
  std::vector<MaterialProfile> profiles;
  for (const std::string& bad : {std::string(), kMagic.substr(0, 22), "X" + kMagic.substr(1) + kZero + Slots({1})}) {
    EXPECT_FALSE(ParseMaterialFile(bad, profiles));
    EXPECT_TRUE(profiles.empty());
  }
}

TEST(MaterialFile, CutOffTailKeepsWhatTheWindowsProgramKept) {
  const std::string first = kMagic + "A" + kZero + Slots({1, 1, 1, 1, 1, 1, 1});
  // A name without its zero byte is dropped.
  EXPECT_EQ(Parsed(first + "Partial").size(), 1u);
  // Slots cut off are kept as far as they go (here two and one byte), the
  // rest 0; a name with nothing after it is a profile of zeros.
  EXPECT_EQ(Parsed(first + "B" + kZero + Slots({2, 1}) + "\x01").back(),
            (MaterialProfile{"B", {2, 1, 1, 0, 0, 0, 0}}));
  EXPECT_EQ(Parsed(first + "C" + kZero).back(), (MaterialProfile{"C", {}}));
}

TEST(MaterialFile, CyrillicNamesAreCp1251OnDisk) {
  const std::vector<MaterialProfile> profiles = {{"Стандарт", {0, 1, 2, 0, 1, 2, 0}}, {"Пищевой", {2, 2, 2, 2, 2, 2, 2}}};
  const std::string bytes = SerializeMaterialFile(profiles);
  EXPECT_EQ(bytes.substr(23, 9), "\xD1\xF2\xE0\xED\xE4\xE0\xF0\xF2" + kZero);
  EXPECT_EQ(Parsed(bytes), profiles);
}

TEST(MaterialFile, ZeroInsideANameCannotShiftLaterProfiles) {
  const std::vector<MaterialProfile> read =
      Parsed(SerializeMaterialFile({{std::string("a\0b", 3), {1, 1, 1, 1, 1, 1, 1}}, {"c", {2, 2, 2, 2, 2, 2, 2}}}));
  EXPECT_EQ(read, (std::vector<MaterialProfile>{{"ab", {1, 1, 1, 1, 1, 1, 1}}, {"c", {2, 2, 2, 2, 2, 2, 2}}}));
}

TEST(MaterialFile, ReadingFromDisk) {
  CScratchDir dir;
  const std::string path = dir.File("MaterialArch.data");
  std::vector<MaterialProfile> read{{"x", {}}};
  EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kMissing);
  EXPECT_TRUE(read.empty());

  ASSERT_FALSE(WriteMaterialFile(path, {{"Один", {1, 0, 0, 0, 0, 0, 2}}}));
  EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kRead);
  EXPECT_EQ(read, (std::vector<MaterialProfile>{{"Один", {1, 0, 0, 0, 0, 0, 2}}}));

  WriteFileBytes(path, "ZAMOUSERDATAFILE and more");
  EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kDamaged);

  WriteFileBytes(path, kMagic);
  std::filesystem::resize_file(path, kMaxMaterialFileBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kDamaged);
  EXPECT_TRUE(read.empty());

  // A folder in the file's place cannot be read as one: the user is told.
  std::filesystem::create_directory(dir.File("folder"));
  EXPECT_EQ(ReadMaterialFile(dir.File("folder"), read), MaterialFileStatus::kDamaged);
}

TEST(MaterialFile, FolderPipeOrOversizedFileInItsPlaceIsRefused) {
  CScratchDir dir;
  const std::string path = dir.File(kMaterialFileName);
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(path, kind, kMaxMaterialFileBytes);
    std::vector<MaterialProfile> read{{"x", {}}};
    EXPECT_EQ(ReadMaterialFile(path, read), MaterialFileStatus::kDamaged) << UnreadableKindName(kind);
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
    // Nor is it replaced by a save.
    EXPECT_EQ(WriteMaterialFile(path, {{"y", {}}}).file.empty(), kind == UnreadableKind::kOverLimit)
        << UnreadableKindName(kind);
  }
}

}  // namespace
