// Files of the Windows program (CP1251) and our own (UTF-8) must both read
// back as the same text, and what we write must stay readable there.
#include <gtest/gtest.h>

#include "textcodec.h"

namespace {

TEST(TextCodec, Utf8IsTakenAsItStands) {
  EXPECT_EQ(DecodeAnsi("Профиль"), "Профиль");
  EXPECT_EQ(DecodeAnsi("plain"), "plain");
}

TEST(TextCodec, NonUtf8IsReadAsCp1251) {
  EXPECT_EQ(DecodeAnsi("\xCF\xF0\xEE\xF4\xE8\xEB\xFC"), "Профиль");
  EXPECT_EQ(DecodeAnsi("\xA8\xB8\xB9"), "Ёё№");
}

TEST(TextCodec, EncodeWritesCp1251WhenEverythingFits) {
  EXPECT_EQ(EncodeAnsi("Профиль"), "\xCF\xF0\xEE\xF4\xE8\xEB\xFC");
  EXPECT_EQ(EncodeAnsi("abc"), "abc");
  EXPECT_EQ(DecodeAnsi(EncodeAnsi("Ёлка №5")), "Ёлка №5");
}

TEST(TextCodec, EncodeKeepsUtf8WhenSomethingDoesNotFit) {
  EXPECT_EQ(EncodeAnsi("Профиль 中"), "Профиль 中");
}

TEST(TextCodec, IllFormedUtf8IsRecognised) {
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xD0"));          // cut short
  EXPECT_TRUE(IsValidUtf8("Ж"));
}

TEST(TextCodec, TruncateNeverSplitsACharacter) {
  EXPECT_EQ(TruncateUtf8("Жжжж", 2), "Жж");
  EXPECT_EQ(TruncateUtf8("ab", 5), "ab");
}

TEST(TextCodec, Utf16RoundTrip) {
  const std::string text = "Камера 3000 x 2000 😀";
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToUtf16("Ж"), std::u16string(u"Ж"));
}

}  // namespace
