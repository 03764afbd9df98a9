#include "media/sjis_compare.h"
#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using media::SjisCompareNoCase;
using platform::IsLeadByte;

bool Same(const std::string& a, const std::string& b) {
  return SjisCompareNoCase(a, b) == 0;
}

TEST(SjisCompare, SingleByteLettersFoldCase) {
  EXPECT_TRUE(Same("01SE.WMA", "01se.wma"));
  EXPECT_TRUE(Same("01Se.wMa", "01sE.WmA"));
  EXPECT_TRUE(Same("", ""));
  EXPECT_FALSE(Same("01SE.WMA", "01SE.WM"));
  EXPECT_FALSE(Same("a", ""));
}

TEST(SjisCompare, OnlyLettersFold) {
  // These pairs differ by 0x20 like a letter's cases do, but are not letters.
  EXPECT_FALSE(Same("@", "`"));
  EXPECT_FALSE(Same("[", "{"));
  EXPECT_FALSE(Same("^", "~"));
  EXPECT_FALSE(Same("\\", "|"));
  // Half-width katakana are single bytes above 0x80 and have no case.
  EXPECT_FALSE(Same("\xB1", "\x91"));
}

TEST(SjisCompare, TrailBytesOfDoubleByteCharactersNeverFold) {
  // ア (0x83 0x41) and its neighbour 0x83 0x61 are two different characters.
  EXPECT_FALSE(Same("\x83\x41.bmp", "\x83\x61.bmp"));
  EXPECT_FALSE(Same("\xE0\x5A", "\xE0\x7A"));
  EXPECT_TRUE(Same("\x83\x41.BMP", "\x83\x41.bmp"));
  // The letter after a complete double-byte character folds again.
  EXPECT_TRUE(
      Same("\x83\x41"
           "A",
           "\x83\x41"
           "a"));
}

TEST(SjisCompare, LeadByteRangeBoundaries) {
  struct Case {
    unsigned char lead;
    bool isLead;
  };
  for (const Case c :
       {Case{0x80, false}, Case{0x81, true}, Case{0x9F, true}, Case{0xA0, true}, Case{0xA1, false},
        Case{0xDF, false}, Case{0xE0, true}, Case{0xFC, true}, Case{0xFD, false}}) {
    SCOPED_TRACE(static_cast<int>(c.lead));
    EXPECT_EQ(IsLeadByte(c.lead), c.isLead);
    const std::string upper = std::string(1, static_cast<char>(c.lead)) + "A";
    const std::string lower = std::string(1, static_cast<char>(c.lead)) + "a";
    // After a lead byte the letter is a trail byte and keeps its case.
    EXPECT_EQ(Same(upper, lower), !c.isLead);
  }
}

TEST(SjisCompare, LeadByteAtTheEndStandsAlone) {
  EXPECT_TRUE(Same("x\x83", "X\x83"));
  EXPECT_FALSE(Same("x\x83",
                    "x\x83"
                    "A"));
  EXPECT_FALSE(
      Same("x\x83"
           "A",
           "x\x83"));
}

TEST(SjisCompare, OrderIsConsistent) {
  const std::string texts[] = {"", "a", "B", "ab", "\x83\x41", "\x83\x61", "\xB1", "~", "\x83"};
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      SCOPED_TRACE(a + " / " + b);
      const int ab = SjisCompareNoCase(a, b);
      const int ba = SjisCompareNoCase(b, a);
      EXPECT_EQ(ab<0, ba> 0);
      EXPECT_EQ(ab == 0, ba == 0);
      EXPECT_EQ(ab == 0, a == b);  // no two of these texts differ only in case
    }
  }
}

TEST(SjisCompare, CStringFormHandlesNull) {
  EXPECT_EQ(SjisCompareNoCase("ABC", "abc"), 0);
  EXPECT_NE(SjisCompareNoCase("\x83\x41", "\x83\x61"), 0);
  EXPECT_EQ(SjisCompareNoCase(static_cast<const char*>(nullptr), nullptr), 0);
  EXPECT_LT(SjisCompareNoCase(nullptr, ""), 0);
  EXPECT_GT(SjisCompareNoCase("", nullptr), 0);
}

}  // namespace
