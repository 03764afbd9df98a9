#include <gtest/gtest.h>

#include "platform/encoding.h"

namespace {

using platform::Cp932ToUtf8;
using platform::Utf8ToCp932;

TEST(Encoding, JapaneseRoundTripsThroughCodePage932) {
  const std::string text = "本当にゲームを終了してよろしいですか？";
  const auto sjis = Utf8ToCp932(text);
  ASSERT_TRUE(sjis);
  EXPECT_EQ(sjis->size(), 2 * 19u);
  EXPECT_EQ(static_cast<unsigned char>((*sjis)[0]), 0x96u);  // 本 = 0x967B
  EXPECT_EQ(static_cast<unsigned char>((*sjis)[1]), 0x7Bu);
  EXPECT_EQ(Cp932ToUtf8(*sjis), text);
}

TEST(Encoding, TheWindowsCodePageNotPlainShiftJis) {
  // 0x5C stays a backslash and 0x7E a tilde; the wave dash is the full-width tilde.
  EXPECT_EQ(Utf8ToCp932("bmp\\~"), "bmp\\~");
  EXPECT_EQ(Utf8ToCp932("～"), std::string("\x81\x60"));
  // NEC special characters exist only in the Windows code page.
  EXPECT_EQ(Utf8ToCp932("①"), std::string("\x87\x40"));
  // Half-width katakana are single bytes.
  EXPECT_EQ(Utf8ToCp932("ｱ"), std::string("\xB1"));
}

TEST(Encoding, CharactersWithoutAShiftJisFormAreRefused) {
  EXPECT_FALSE(Utf8ToCp932("emoji \xF0\x9F\x98\x80"));
  EXPECT_FALSE(Utf8ToCp932("\xC3"));  // truncated UTF-8
}

TEST(Encoding, BrokenShiftJisIsRefusedOrMarkedWhenShown) {
  const std::string truncated = "ab\x96";  // lead byte without its trail
  EXPECT_FALSE(Cp932ToUtf8(truncated));
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(truncated), "ab\xEF\xBF\xBD");
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(""), "");
}

TEST(Encoding, LongTextsGrowTheOutput) {
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "ｱ";
  const auto sjis = Utf8ToCp932(many);
  ASSERT_TRUE(sjis);
  EXPECT_EQ(sjis->size(), 5000u);
  EXPECT_EQ(Cp932ToUtf8(*sjis), many);
}

TEST(EncodingDeathTest, AFixedTextWithoutShiftJisFormIsAProgrammingError) {
  EXPECT_DEATH(platform::Sjis("\xF0\x9F\x98\x80"), "");
}

}  // namespace

namespace {

TEST(Utf8Sequences, LengthsAndEveryWayASequenceCanBeBroken) {
  using platform::Utf8SequenceLength;
  EXPECT_EQ(Utf8SequenceLength("a", 0), 1u);
  EXPECT_EQ(Utf8SequenceLength("\xC3\xA9", 0), 2u);
  EXPECT_EQ(Utf8SequenceLength("地", 0), 3u);
  EXPECT_EQ(Utf8SequenceLength("\xF0\x9F\x98\x80", 0), 4u);
  EXPECT_EQ(Utf8SequenceLength("\xC0\x80", 0), 0u);  // overlong lead
  EXPECT_EQ(Utf8SequenceLength("\xF5\x80\x80\x80", 0), 0u);
  EXPECT_EQ(Utf8SequenceLength("\x80", 0), 0u);      // a continuation byte alone
  EXPECT_EQ(Utf8SequenceLength("\xE5\x9C", 0), 0u);  // cut short
  EXPECT_EQ(Utf8SequenceLength("\xE5\x41\x80", 0), 0u);
  EXPECT_EQ(Utf8SequenceLength("ab", 2), 0u);  // past the end
  EXPECT_TRUE(platform::IsValidUtf8("地図.bmp"));
  EXPECT_TRUE(platform::IsValidUtf8(""));
  EXPECT_FALSE(platform::IsValidUtf8(platform::Sjis("地図")));
}

}  // namespace
