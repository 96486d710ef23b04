// The index decides which files land in the program's folder and under which
// names; the version order decides whether they are fetched at all.
#include <gtest/gtest.h>

#include <string>

#include "updateindex.h"

namespace {

TEST(UpdateIndex, SplitsPathVersionAndName) {
  const auto entries = ParseIndex("/files/zamo 1.0.0.6 zamo\n/files/q 2.1 libQuotix.so\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].path, "/files/zamo");
  EXPECT_EQ(entries[0].version, "1.0.0.6");
  EXPECT_EQ(entries[0].name, "zamo");
  EXPECT_EQ(entries[1].name, "libQuotix.so");
}

TEST(UpdateIndex, LineWithoutSecondSpaceEndsTheList) {
  const auto entries = ParseIndex("/a 1 a\n/b 2\n/c 3 c\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "a");
  EXPECT_TRUE(ParseIndex("nospaces\n/a 1 a\n").empty());
  EXPECT_EQ(ParseIndex("/a 1 a\n\n/b 2 b\n").size(), 1u);  // an empty line ends it too
}

TEST(UpdateIndex, NameRunsToTheLineEndSpacesIncluded) {
  const auto entries = ParseIndex("/a 1 my file.txt");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "my file.txt");
}

TEST(UpdateIndex, CrLfLineEndsGiveTheSameNames) {
  const auto entries = ParseIndex("/a 1.0 zamo\r\n/b 2.0 libQuotix.so\r\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].version, "1.0");
  EXPECT_EQ(CleanEntryName(entries[0].name), "zamo");
  EXPECT_EQ(CleanEntryName(entries[1].name), "libQuotix.so");
  EXPECT_EQ(CleanEntryName("a\rb\r\r"), "ab");
}

TEST(UpdateIndex, ZeroByteEndsTheBody) {
  const std::string body("/a 1 a\n/b 2 b\0/c 3 c\n", 21);
  const auto entries = ParseIndex(body);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].name, "b");
}

struct NameCase {
  std::string name;
  bool plain;
};

class PlainFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PlainFileNameTest, OnlyNamesInsideTheFolderPass) {
  EXPECT_EQ(IsPlainFileName(GetParam().name), GetParam().plain) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlainFileNameTest,
    ::testing::Values(NameCase{"zamo", true}, NameCase{"libQuotix.so", true}, NameCase{".hidden", true},
                      NameCase{"a..b", true}, NameCase{std::string(kMaxFileNameBytes, 'n'), true},
                      NameCase{std::string(kMaxFileNameBytes + 1, 'n'), false}, NameCase{"", false},
                      NameCase{".", false}, NameCase{"..", false}, NameCase{"../zamo", false},
                      NameCase{"/etc/passwd", false}, NameCase{"sub/file", false}, NameCase{"..\\zamo", false},
                      NameCase{"tab\tname", false}, NameCase{std::string("nul\0name", 8), false}));

struct VersionCase {
  const char* a;
  const char* b;
  int order;
};

class CompareVersionsTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(CompareVersionsTest, OrdersByNumericParts) {
  const int c = CompareVersions(GetParam().a, GetParam().b);
  EXPECT_EQ((c > 0) - (c < 0), GetParam().order) << GetParam().a << " vs " << GetParam().b;
  const int back = CompareVersions(GetParam().b, GetParam().a);
  EXPECT_EQ((back > 0) - (back < 0), -GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CompareVersionsTest,
    ::testing::Values(VersionCase{"1.0.10", "1.0.9", 1}, VersionCase{"1.0.0.5", "1.0.0.5", 0},
                      VersionCase{"1.0", "1.0.0", 0}, VersionCase{"1.0.1", "1.0", 1}, VersionCase{"2", "10", -1},
                      VersionCase{"01.2", "1.2", 0}, VersionCase{"1.10.0", "1.9.99", 1},
                      VersionCase{"1.0b", "1.0a", 1}, VersionCase{"1.0a", "1.0", 1}, VersionCase{"", "", 0},
                      VersionCase{"", "0.1", -1},
                      VersionCase{"1.123456789012345678901234567890", "1.123456789012345678901234567891", -1}));

}  // namespace
