// The game's text face: finding it, where its characters land, how far the pen
// moves, and how a glyph is blended and clipped.
#include "platform/text_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "platform/encoding.h"
#include "platform/font/face_lookup.h"
#include "platform/font/glyph.h"
#include "platform/font/gothic_face.h"
#include "platform/font/sjis_chars.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::DrawSjisText;
using platform::Sjis;
using platform::font::GlyphBitmap;
using platform::font::SjisChar;

constexpr std::uint32_t kBackground = 0x00204060;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr int kFull = platform::kTextPixelSize;
constexpr int kHalf = (kFull + 1) / 2;  // rounded up: bold half-width glyphs never touch

// The box around the pixels that are not the background (inclusive; empty when
// right < left), counting those drawn solid white and the blended ones.
struct Ink {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, solid = 0, blended = 0;
};

struct Picture {
  int width, height;
  std::vector<std::uint32_t> pixels =
      std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), kBackground);
  platform::Canvas canvas() { return {pixels.data(), width, width, height}; }
  Ink InkOf() const {
    Ink ink;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
        if (pixel == kBackground) continue;
        ink = {std::min(ink.left, x),         std::min(ink.top, y),
               std::max(ink.right, x),        std::max(ink.bottom, y),
               ink.solid + (pixel == kWhite), ink.blended + (pixel != kWhite)};
      }
    }
    return ink;
  }
};

TEST(TextFaceLookup, OnlyTheGothicFaceAndOnlyAFileFreeTypeCanOpen) {
  using platform::font::GothicFace;
  std::string why;
  EXPECT_TRUE(platform::TextFaceAvailable(&why)) << why;
  const auto found = platform::font::FindFaceFile("IPAGothic", &why);
  ASSERT_TRUE(found) << why;
  EXPECT_TRUE(GothicFace::Open(*found, &why)) << why;
  // fontconfig would hand over some other face; that must not count.
  EXPECT_FALSE(platform::font::FindFaceFile("Cellwright No Such Gothic", &why));
  EXPECT_NE(why.find("instead"), std::string::npos) << why;
  EXPECT_FALSE(GothicFace::Open({"/nonexistent/gothic.ttf", 0}, &why));
  EXPECT_NE(why.find("/nonexistent/gothic.ttf"), std::string::npos) << why;
}

// The first use of the face in a process with no fonts at all; exits 0 when
// everything behaves, with a distinct code for each fault otherwise.
[[noreturn]] void DrawWithoutFonts(const std::string& emptyConfig) {
  setenv("FONTCONFIG_FILE", emptyConfig.c_str(), 1);
  std::string why;
  if (platform::TextFaceAvailable(&why) || why.empty()) std::_Exit(11);
  Picture picture{64, 32};
  // Nothing is drawn, but layout keeps the face's widths.
  if (DrawSjisText(picture.canvas(), 2, 2, Sjis("あA"), kWhite) != 2 + kFull + kHalf)
    std::_Exit(12);
  if (picture.InkOf().right >= 0) std::_Exit(13);
  platform::TextFaceAvailable();
  std::_Exit(0);
}

TEST(TextFaceMissing, DrawsNothingButStillLaysOutAndSaysWhyOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: the face not yet opened
  cellwright_test::TempFolder temp;
  const std::string config = temp.Path() + "/no-fonts.conf";
  cellwright_test::WriteBytes(config, "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
  // Standard error holds one line, said once.
  EXPECT_EXIT(DrawWithoutFonts(config), ::testing::ExitedWithCode(0),
              "^cellwright: text face IPAGothic not found: [^\n]+\n$");
}

TEST(TextFace, EveryCharacterInksInsideItsCellAndTheFaceFillsAllSeventeenRows) {
  // The em box is ascender plus descender, so the tallest kanji, the bracket and
  // the full-width low line reach the cell's first and last rows. Thin strokes
  // survive hinting (the face's own flattens the low line to nothing); bold
  // strokes are solid and their edges blended.
  Ink a, g;
  int top = INT_MAX, bottom = INT_MIN, solid = 0, blended = 0;
  for (const std::string text :
       {"田", "「", "」", "ガ", "漢", "＿", "ー", "_", "-", ".", "a", "g", "ｱ"}) {
    SCOPED_TRACE(text);
    Picture picture{80, 60};
    const int end = DrawSjisText(picture.canvas(), 30, 20, Sjis(text), kWhite);
    const Ink ink = picture.InkOf();
    ASSERT_GE(ink.right, ink.left);
    EXPECT_GE(ink.left, 30 - 1);  // bold may reach a pixel into the cell before
    EXPECT_LE(ink.right, end);
    EXPECT_GE(ink.top, 20);
    EXPECT_LT(ink.bottom, 20 + kFull);
    top = std::min(top, ink.top), bottom = std::max(bottom, ink.bottom);
    solid += ink.solid, blended += ink.blended;
    if (text == "a") a = ink;
    if (text == "g") g = ink;
  }
  EXPECT_EQ(top, 20);
  EXPECT_EQ(bottom, 20 + kFull - 1);
  EXPECT_EQ(g.top, a.top);
  EXPECT_GT(g.bottom, a.bottom + 1);  // a descender goes below a letter without one
  EXPECT_GT(solid, 100);
  EXPECT_GT(blended, 100);
}

TEST(TextFace, TwoByteCodesAdvanceAFullCellAndOneByteCodesHalfWhateverTheyDraw) {
  const auto advance = [](const std::string& text) {
    Picture picture{100, 30};
    const int end = DrawSjisText(picture.canvas(), 10, 5, text, kWhite);
    EXPECT_EQ(DrawSjisText(platform::Canvas{}, 10, 5, text, kWhite), end);  // no pixels at all
    return end - 10;
  };
  // Fixed pitch: narrow, wide, unassigned, non-characters and control codes alike.
  for (const std::string text : {"A", "i", "W", " ", "~", "\\", "\xB1", "\xDF", "\x80", "\xFD",
                                 "\xFF", "\n", "\t", "\x82\xA0", "\x81\x41", "\x85\x40"}) {
    EXPECT_EQ(advance(text), text.size() == 2 ? kFull : kHalf) << ::testing::PrintToString(text);
  }
  EXPECT_EQ(advance(std::string("\0", 1)), kHalf);
  EXPECT_EQ(advance(Sjis("あ漢字、ＡＢ")), 6 * kFull);
  EXPECT_EQ(advance(""), 0);
  // A code with no character draws nothing.
  for (const std::string text : {" ", "\x80\xFD\xFF\n\t", "\x85\x40"}) {
    Picture picture{100, 30};
    DrawSjisText(picture.canvas(), 10, 5, text, kWhite);
    EXPECT_LT(picture.InkOf().right, 0) << ::testing::PrintToString(text);
  }
}

TEST(PaintGlyph, BlendsByCoverageAndPaintsExactlyThePartInsideTheCanvas) {
  // Every coverage different, so a pixel taken from the wrong place shows;
  // offsets from the cell as bold glyphs have them.
  const GlyphBitmap glyph{-1, 2, 3, 3, {0, 128, 255, 1, 254, 64, 200, 100, 30}};
  constexpr std::uint32_t kUnder = 0x00FF0040, kGuard = 0x00ABCDEF;
  constexpr std::uint32_t kColour = 0xFF0080FF;  // the top byte is not ours to draw
  // (colour * a + under * (255 - a) + 127) / 255 in each channel: red 0x00 over
  // 0xFF, green 0x80 over 0x00, blue 0xFF over 0x40.
  const auto mix = [](std::uint32_t c, std::uint32_t u, std::uint32_t a) {
    return (c * a + u * (255 - a) + 127) / 255;
  };
  // Pens inside, over each edge and corner, far off, at the ends of int.
  const std::pair<int, int> pens[] = {{3, 2},  {0, 2}, {7, 2},        {3, -3},      {3, 5},
                                      {0, -4}, {7, 5}, {-1000, 1000}, {INT_MIN, 3}, {3, INT_MAX}};
  for (const auto& [penX, penY] : pens) {
    SCOPED_TRACE(::testing::Message() << "pen " << penX << "," << penY);
    // An 8x8 canvas inside guard pixels, its pitch wider than it.
    std::vector<std::uint32_t> buffer(16 * 16, kGuard);
    for (int y = 4; y < 12; ++y)
      std::fill_n(&buffer[static_cast<std::size_t>(y * 16 + 4)], 8, kUnder);
    platform::font::PaintGlyph({&buffer[4 * 16 + 4], 16, 8, 8}, penX, penY, glyph, kColour);
    for (int y = -4; y < 12; ++y) {
      for (int x = -4; x < 12; ++x) {
        const long long gx = x - (static_cast<long long>(penX) + glyph.left);
        const long long gy = y - (static_cast<long long>(penY) + glyph.top);
        const bool inside = x >= 0 && x < 8 && y >= 0 && y < 8;
        const std::uint32_t a = inside && gx >= 0 && gx < 3 && gy >= 0 && gy < 3
                                    ? glyph.coverage[static_cast<std::size_t>(gy * 3 + gx)]
                                    : 0;
        const std::uint32_t expected =
            inside ? mix(0x00, 0xFF, a) << 16 | mix(0x80, 0x00, a) << 8 | mix(0xFF, 0x40, a)
                   : kGuard;
        ASSERT_EQ(buffer[static_cast<std::size_t>((y + 4) * 16 + x + 4)], expected)
            << x << "," << y;
      }
    }
  }
}

TEST(SjisChars, ALeadByteTakesTheNextByteAndAnyOtherStandsAlone) {
  using platform::font::NextSjisChar;
  EXPECT_EQ(NextSjisChar("\xA1\x82", 0)->code, 0xA1);
  EXPECT_EQ(NextSjisChar("a\x82\xA0", 1)->code, 0x82A0);
  EXPECT_FALSE(NextSjisChar("A\x82", 1));  // a lead byte at the end ends the text
  EXPECT_FALSE(NextSjisChar("ab", 2));
}

TEST(SjisChars, CodePointsComeFromTheWindowsCodePage) {
  // Code, bytes, code point (0: none). Code points of one, two and three UTF-8
  // bytes; 0x5C is no yen sign and 0x8740 (①) an NEC extension; 0x8540 is
  // unassigned, 0x80 no character and 0x20 no trail byte.
  const std::tuple<std::uint16_t, int, char32_t> rows[] = {
      {0x41, 1, 0x41},     {0x817E, 2, 0xD7}, {0x82A0, 2, 0x3042}, {0x5C, 1, 0x5C},
      {0x8740, 2, 0x2460}, {0x8540, 2, 0},    {0x80, 1, 0},        {0x8220, 2, 0}};
  for (const auto& [code, bytes, codePoint] : rows) {
    EXPECT_EQ(platform::font::SjisCodePoint({code, bytes}).value_or(0), codePoint)
        << std::hex << code;
  }
}

}  // namespace
