// CP932 conversion at the file boundaries.
#include "platform/shift_jis.h"

#include <gtest/gtest.h>

namespace kz::platform {
namespace {

TEST(ShiftJis, ConvertsBothWays) {
  // 対局 (0x91CE 0x8BC7), the full-width space, ASCII kept as it is.
  EXPECT_EQ(Utf8ToCp932("対局　ab"), "\x91\xCE\x8B\xC7\x81\x40" "ab");
  EXPECT_EQ(Cp932ToUtf8("\x91\xCE\x8B\xC7\x81\x40" "ab"), "対局　ab");
  // Half-width katakana are single bytes.
  EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");
}

TEST(ShiftJis, WaveDashMinusAndTildeSurviveTheRoundTrip) {
  // The characters a plain Shift-JIS table gets wrong.
  EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
  EXPECT_EQ(Utf8ToCp932("－"), "\x81\x7C");
  EXPECT_EQ(Utf8ToCp932("~"), "~");
  for (const char* text : {"や～めた", "－", "(~_^)", "持碁でーす(^_^)", "①髙"})
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(text)), text);
}

TEST(ShiftJis, UnrepresentableCharactersBecomeAFullWidthQuestionMark) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a\x81\x48" "b");
  EXPECT_EQ(Utf8ToCp932("é"), "\x81\x48");
  EXPECT_EQ(Utf8ToCp932("𠮟る"), "\x81\x48\x82\xE9");
  // Bytes that are not UTF-8 at all, and a sequence cut at the end.
  EXPECT_EQ(Utf8ToCp932("x\xFFy"), "x\x81\x48y");
  EXPECT_EQ(Utf8ToCp932("x\xE5\xAF"), "x\x81\x48\x81\x48");
}

TEST(ShiftJis, InvalidCp932BecomesTheReplacementCharacter) {
  EXPECT_EQ(Cp932ToUtf8("a\x91"), "a\xEF\xBF\xBD") << "a lead byte cut off at the end";
  EXPECT_EQ(Cp932ToUtf8("\xA0" "b"), "\xEF\xBF\xBD" "b");
}

TEST(ShiftJis, PrefixNeverCutsACharacterInHalf) {
  const std::string text = "ab" + Utf8ToCp932("対局");  // 6 bytes
  EXPECT_EQ(Cp932Prefix(text, 6), text);
  EXPECT_EQ(Cp932Prefix(text, 5), text.substr(0, 4));
  EXPECT_EQ(Cp932Prefix(text, 3), "ab");
  EXPECT_EQ(Cp932Prefix("a\x91", 10), "a") << "a lone lead byte is dropped";
}

}  // namespace
}  // namespace kz::platform
