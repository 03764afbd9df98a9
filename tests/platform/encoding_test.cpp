#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

using platform::Cp932ToUtf8;
using platform::Utf8ToCp932;

TEST(Encoding, TheWindowsCodePageBothWays) {
  std::string many;  // long enough to outgrow the first output buffer
  for (int i = 0; i < 5000; ++i) many += "ｱ";
  // 0x5C and 0x7E stay ASCII, unlike plain Shift-JIS; the wave dash is the
  // full-width tilde; ① is an NEC special character; half-width katakana are one byte.
  const std::pair<std::string, std::string> rows[] = {{"本当に", "\x96\x7B\x93\x96\x82\xC9"},
                                                      {"bmp\\~", "bmp\\~"},
                                                      {"～", "\x81\x60"},
                                                      {"①", "\x87\x40"},
                                                      {"ｱ", "\xB1"},
                                                      {"", ""},
                                                      {many, std::string(5000, '\xB1')}};
  for (const auto& [utf8, cp932] : rows) {
    EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8.substr(0, 12);
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8) << utf8.substr(0, 12);
  }
}

TEST(Encoding, WhatHasNoFormIsRefusedOrMarkedWhenShown) {
  EXPECT_FALSE(Utf8ToCp932("emoji \xF0\x9F\x98\x80"));
  EXPECT_FALSE(Utf8ToCp932("\xC3"));    // truncated UTF-8
  EXPECT_FALSE(Cp932ToUtf8("ab\x96"));  // a lead byte without its trail
  EXPECT_EQ(platform::Cp932ToUtf8Lossy("ab\x96"), "ab\xEF\xBF\xBD");
}

TEST(EncodingDeathTest, AFixedTextWithoutShiftJisFormIsAProgrammingError) {
  EXPECT_DEATH(platform::Sjis("\xF0\x9F\x98\x80"), "");
}

// The one lead-byte rule of the engine: 0x81-0xA0 and 0xE0-0xFC.
TEST(Encoding, LeadBytesAreExactlyTheTwoRanges) {
  const std::pair<int, bool> rows[] = {{0x00, false}, {0x7F, false}, {0x80, false}, {0x81, true},
                                       {0x9F, true},  {0xA0, true},  {0xA1, false}, {0xDF, false},
                                       {0xE0, true},  {0xFC, true},  {0xFD, false}, {0xFF, false}};
  for (const auto& [byte, lead] : rows) {
    EXPECT_EQ(platform::IsLeadByte(static_cast<unsigned char>(byte)), lead) << std::hex << byte;
  }
}

TEST(Utf8Sequences, LengthsAndEveryWayASequenceCanBeBroken) {
  // Text, where to look, the sequence's length (0: none starts there): then an
  // overlong lead, a lead past U+10FFFF, a lone continuation, cut short, a
  // wrong continuation, past the end.
  const std::tuple<std::string, std::size_t, std::size_t> rows[] = {{"a", 0, 1},
                                                                    {"\xC3\xA9", 0, 2},
                                                                    {"地", 0, 3},
                                                                    {"\xF0\x9F\x98\x80", 0, 4},
                                                                    {"\xC0\x80", 0, 0},
                                                                    {"\xF5\x80\x80\x80", 0, 0},
                                                                    {"\x80", 0, 0},
                                                                    {"\xE5\x9C", 0, 0},
                                                                    {"\xE5\x41\x80", 0, 0},
                                                                    {"ab", 2, 0}};
  for (const auto& [text, at, length] : rows) {
    EXPECT_EQ(platform::Utf8SequenceLength(text, at), length) << ::testing::PrintToString(text);
  }
  EXPECT_TRUE(platform::IsValidUtf8("地図.bmp"));
  EXPECT_TRUE(platform::IsValidUtf8(""));
  EXPECT_FALSE(platform::IsValidUtf8(platform::Sjis("地図")));
}

}  // namespace
