// The language table must give every module the same text for an entry
// number, whatever encoding and line ends the file was saved with.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

#include "languageentries.h"
#include "languagetable.h"
#include "testsupport.h"

namespace {

const std::string kTwoLanguages =
    "2\nРусский\nEnglish\n"
    "1\nОшибка\nError\n"
    "2\nВнимание\nWarning\n";

TEST(LanguageTable, FirstLanguageOfATwoLanguageFile) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes(kTwoLanguages, 0));
  EXPECT_EQ(table.GetString(1), "Ошибка");
  EXPECT_EQ(table.GetString(2), "Внимание");
  EXPECT_EQ(table.GetLanguage(), 0);
  EXPECT_EQ(table.Count(), 2);
}

TEST(LanguageTable, SecondLanguageIsTakenByPosition) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes(kTwoLanguages, 1));
  EXPECT_EQ(table.GetString(1), "Error");
  EXPECT_EQ(table.GetString(2), "Warning");
  EXPECT_EQ(table.GetLanguage(), 1);
}

TEST(LanguageTable, EntryNumbersInTheFileAreIgnored) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n17\nОшибка\nError\n3\nВнимание\nWarning\n", 0));
  EXPECT_EQ(table.GetString(1), "Ошибка");
  EXPECT_EQ(table.GetString(2), "Внимание");
}

TEST(LanguageTable, LeadingBlanksOfTheFirstLanguageAreLost) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n1\n   Отступ\n   Indent\n", 0));
  EXPECT_EQ(table.GetString(1), "Отступ");
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n1\n   Отступ\n   Indent\n", 1));
  EXPECT_EQ(table.GetString(1), "   Indent");
}

TEST(LanguageTable, ZeroAndPastTheEndAreEmpty) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes(kTwoLanguages, 0));
  EXPECT_EQ(table.GetString(0), "");
  EXPECT_EQ(table.GetString(3), "");
  EXPECT_EQ(table.GetString(-5), "");
  EXPECT_EQ(table.GetString(1'000'000), "");
}

TEST(LanguageTable, CrLfFileLosesItsLineEnds) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\r\nRu\r\nEn\r\n1\r\nОшибка\r\nError\r\n", 0));
  EXPECT_EQ(table.GetString(1), "Ошибка");
}

TEST(LanguageTable, Cp1251FileIsDecoded) {
  // "Ошибка" in code page 1251.
  const std::string cp1251 = "2\nRu\nEn\n1\n\xCE\xF8\xE8\xE1\xEA\xE0\nError\n";
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes(cp1251, 0));
  EXPECT_EQ(table.GetString(1), "Ошибка");
}

TEST(LanguageTable, UnusableLoadsKeepTheTable) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes(kTwoLanguages, 0));
  EXPECT_FALSE(table.LoadBytes(kTwoLanguages, 2));   // no third language
  EXPECT_FALSE(table.LoadBytes(kTwoLanguages, -1));
  EXPECT_FALSE(table.LoadBytes("garbage", 0));
  EXPECT_FALSE(table.LoadFile("/nonexistent/zamo.language", 0));
  EXPECT_EQ(table.GetString(1), "Ошибка");
}

// The program and every plugin read this file when they start: nothing in
// its place may crash, hang or fill the memory.
TEST(LanguageTable, AnythingButAReadableFileKeepsTheTableAndSaysWhy) {
  CScratchDir dir;
  const std::string path = dir.File(CLanguageTable::kFileName);
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(path, kind, CLanguageTable::kMaxFileBytes);
    CLanguageTable table;
    ASSERT_TRUE(table.LoadBytes(kTwoLanguages, 0));
    FileError error;
    EXPECT_FALSE(table.LoadFile(path, 0, &error)) << UnreadableKindName(kind);
    EXPECT_TRUE(error) << UnreadableKindName(kind);
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
    EXPECT_EQ(table.GetString(1), "Ошибка") << UnreadableKindName(kind);
  }
}

TEST(LanguageTable, ShortFileGivesEmptyTextsBeyondIt) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n1\nОдин\nOne\n2\nДва", 0));
  EXPECT_EQ(table.GetString(2), "Два");
  EXPECT_EQ(table.GetString(3), "");
}

TEST(LanguageTable, OverlongLineIsCutNotSplit) {
  const std::string longText(400, 'x');
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n1\n" + longText + "\nEn\n2\nДва\nTwo\n", 0));
  EXPECT_EQ(table.GetString(1).size(), CLanguageTable::kMaxTextChars);
  EXPECT_EQ(table.GetString(2), "Два");
}

TEST(LanguageTable, LoadReadsTheFileOfTheCurrentFolder) {
  CScratchDir dir;
  CScopedCurrentDir cwd(dir.Path());
  CLanguageTable table;
  EXPECT_FALSE(table.Load(0));  // missing file: nothing happens
  WriteFileBytes(dir.File("zamo.language"), kTwoLanguages);
  ASSERT_TRUE(table.Load(0));
  EXPECT_EQ(table.GetString(2), "Внимание");
}

// A language file older than the program lacks the entries added since; the
// program's own texts then come from the shipped file built into it.
TEST(LanguageTable, EntriesTheTableLacksComeFromTheBuiltInFile) {
  CLanguageTable table;
  ASSERT_TRUE(table.LoadBytes("2\nRu\nEn\n1\nOne\nOne\n", 0));
  EXPECT_EQ(table.GetTextOrBuiltin(1), "One");
  EXPECT_EQ(table.GetTextOrBuiltin(2), BuiltinLanguage().GetString(2));
  EXPECT_EQ(table.GetTextOrBuiltin(Lang::kLastEntry), BuiltinLanguage().GetString(Lang::kLastEntry));
  EXPECT_FALSE(table.GetTextOrBuiltin(Lang::kLastEntry).empty());
  EXPECT_EQ(table.GetTextOrBuiltin(Lang::kLastEntry + 1), "");
}

// Every value named in languageentries.h: the entries the program asks for.
std::set<int> NamedEntries() {
  std::ifstream header(std::string(ZAMO_SOURCE_DIR) + "/common/languageentries.h");
  std::set<int> named;
  const std::regex line(R"(^\s*inline constexpr int (k\w+) = (\d+);)");
  for (std::string text; std::getline(header, text);) {
    std::smatch match;
    if (std::regex_search(text, match, line) && match[1] != "kLastEntry") named.insert(std::stoi(match[2]));
  }
  return named;
}

// The shipped file must hold a text, in both languages, for every entry the
// program asks for.
TEST(ShippedLanguageFile, EveryUsedEntryHasBothTexts) {
  const std::set<int> used = NamedEntries();
  ASSERT_GT(used.size(), 150u) << "languageentries.h was not read";
  EXPECT_EQ(*used.rbegin(), Lang::kLastEntry);

  const std::string path = SourceDataDir() + "/zamo.language";
  CLanguageTable russian;
  CLanguageTable english;
  ASSERT_TRUE(russian.LoadFile(path, 0));
  ASSERT_TRUE(english.LoadFile(path, 1));
  EXPECT_EQ(russian.Count(), english.Count());
  EXPECT_GE(russian.Count(), Lang::kLastEntry);
  for (int n : used) {
    EXPECT_FALSE(russian.GetString(n).empty()) << "Russian entry " << n;
    EXPECT_FALSE(english.GetString(n).empty()) << "English entry " << n;
  }
  for (int n = 1; n <= russian.Count(); ++n) {
    EXPECT_FALSE(russian.GetString(n).empty()) << "entry " << n << " would shift the entries after it";
  }
}

}  // namespace
