// The game's text face: finding it, where its characters land, how far the pen
// moves, clipping, colour and the glyph cache.
#include "platform/text_face.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/font/face_lookup.h"
#include "platform/font/glyph.h"
#include "platform/font/glyph_cache.h"
#include "platform/font/gothic_face.h"
#include "platform/font/sjis_chars.h"

namespace {

using platform::Canvas;
using platform::DrawSjisText;
using platform::Sjis;
using platform::font::GlyphBitmap;
using platform::font::NextSjisChar;
using platform::font::PaintGlyph;
using platform::font::SjisChar;
using platform::font::SjisCodePoint;

constexpr std::uint32_t kBackground = 0x00204060;

// A canvas inside a larger buffer: guard pixels all round and a pitch wider
// than the canvas, so any write outside it shows up (and ASan sees reads).
class GuardedCanvas {
 public:
  static constexpr std::uint32_t kGuard = 0x00ABCDEF;
  static constexpr int kMargin = 40;

  GuardedCanvas(int width, int height, std::uint32_t fill = kBackground)
      : width_(width),
        height_(height),
        pitch_(width + 2 * kMargin),
        buffer_(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height + 2 * kMargin),
                kGuard) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) At(x, y) = fill;
    }
  }

  Canvas canvas() { return Canvas{&At(0, 0), pitch_, width_, height_}; }
  std::uint32_t& At(int x, int y) {
    return buffer_[static_cast<std::size_t>((y + kMargin) * pitch_ + x + kMargin)];
  }

  bool GuardsIntact() const {
    for (int y = -kMargin; y < height_ + kMargin; ++y) {
      for (int x = -kMargin; x < pitch_ - kMargin; ++x) {
        const bool inside = x >= 0 && x < width_ && y >= 0 && y < height_;
        const auto index = static_cast<std::size_t>((y + kMargin) * pitch_ + x + kMargin);
        if (!inside && buffer_[index] != kGuard) return false;
      }
    }
    return true;
  }

  // The box around every pixel that differs from `fill`; empty when none does.
  struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
    bool empty() const { return right < left; }
  };
  Box Ink(std::uint32_t fill = kBackground) {
    Box box;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == fill) continue;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
    }
    return box;
  }

  std::vector<std::uint32_t> Pixels() {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) pixels.push_back(At(x, y));
    }
    return pixels;
  }

 private:
  int width_;
  int height_;
  int pitch_;
  std::vector<std::uint32_t> buffer_;
};

class TextFace : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    ASSERT_TRUE(platform::TextFaceAvailable(&why)) << why;
  }
};

TEST(TextFaceLookup, FindsTheGothicFaceAndRefusesAStandIn) {
  std::string why;
  EXPECT_TRUE(platform::TextFaceAvailable(&why)) << why;
  EXPECT_EQ(why, "");

  const auto found = platform::font::FindFaceFile("IPAGothic", &why);
  ASSERT_TRUE(found) << why;
  EXPECT_TRUE(std::filesystem::exists(found->path)) << found->path;

  // fontconfig would hand over some other face; that must not count.
  why.clear();
  EXPECT_FALSE(platform::font::FindFaceFile("Cellwright No Such Gothic", &why));
  EXPECT_NE(why.find("instead"), std::string::npos) << why;
}

TEST(TextFaceLookup, AFileThatIsNotAFaceIsRefusedWithTheReason) {
  std::string why;
  EXPECT_FALSE(platform::font::GothicFace::Open({"/nonexistent/gothic.ttf", 0}, &why));
  EXPECT_NE(why.find("/nonexistent/gothic.ttf"), std::string::npos) << why;

  const auto notAFont = std::filesystem::temp_directory_path() / "cellwright-not-a-font.ttf";
  std::ofstream(notAFont) << "plain text, no tables";
  why.clear();
  EXPECT_FALSE(platform::font::GothicFace::Open({notAFont.string(), 0}, &why));
  EXPECT_FALSE(why.empty());
  std::filesystem::remove(notAFont);
}

// The first use of the face in a process with no fonts at all; exits 0 when
// everything behaves, with a distinct code for each fault otherwise.
[[noreturn]] void DrawWithoutFonts(const std::string& emptyConfig) {
  setenv("FONTCONFIG_FILE", emptyConfig.c_str(), 1);
  std::FILE* log = std::tmpfile();
  if (log == nullptr || dup2(fileno(log), STDERR_FILENO) < 0) std::_Exit(10);
  std::string why;
  if (platform::TextFaceAvailable(&why)) std::_Exit(11);
  if (why.empty()) std::_Exit(12);
  GuardedCanvas canvas(64, 32);
  // Layout keeps the face's widths: 17 for two bytes, 9 for one.
  if (DrawSjisText(canvas.canvas(), 2, 2, Sjis("あA"), 0xFFFFFF) != 2 + 17 + 9) std::_Exit(13);
  DrawSjisText(canvas.canvas(), 2, 2, Sjis("字"), 0xFFFFFF);
  if (!canvas.Ink().empty()) std::_Exit(14);
  platform::TextFaceAvailable();
  std::fflush(stderr);
  std::rewind(log);
  std::string written;
  for (int c; (c = std::fgetc(log)) != EOF;) written.push_back(static_cast<char>(c));
  const std::string line = "cellwright: text face IPAGothic not found: ";
  if (written.rfind(line, 0) != 0) std::_Exit(15);
  if (written.find(line, 1) != std::string::npos) std::_Exit(16);
  if (written.find('\n') != written.size() - 1) std::_Exit(17);
  std::_Exit(0);
}

// Re-runs the test binary (a fresh process, the face not yet opened) with
// fontconfig pointed at a configuration that lists no fonts.
TEST(TextFaceMissing, DrawsNothingButStillLaysOutAndSaysWhyOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto config = std::filesystem::temp_directory_path() / "cellwright-no-fonts.conf";
  std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  EXPECT_EXIT(DrawWithoutFonts(config.string()), ::testing::ExitedWithCode(0), "");
  std::filesystem::remove(config);
}

TEST_F(TextFace, AFullWidthCharacterStaysInsideItsCell) {
  for (const char* text : {"田", "「", "」", "ガ", "あ", "漢"}) {
    SCOPED_TRACE(text);
    GuardedCanvas canvas(80, 60);
    DrawSjisText(canvas.canvas(), 30, 20, Sjis(text), 0xFFFFFF);
    const auto ink = canvas.Ink();
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.top, 20);
    EXPECT_GE(ink.left, 30 - 1);
    EXPECT_LT(ink.right, 30 + 17 + 1);
    EXPECT_LT(ink.bottom, 20 + 17);
  }
}

TEST_F(TextFace, ThePenIsTheCellsTopLeftAndTheFaceFillsItsSeventeenRows) {
  // The face's em box is its ascender plus descender, so the tallest kanji, the
  // opening bracket and the full-width low line between them reach the first
  // and the last row of the cell: the baseline is neither too high nor too low.
  GuardedCanvas canvas(120, 60);
  for (const char* text : {"漢", "「", "＿", "田", "g"}) {
    DrawSjisText(canvas.canvas(), 30, 20, Sjis(text), 0xFFFFFF);
  }
  const auto cell = canvas.Ink();
  EXPECT_EQ(cell.top, 20);
  EXPECT_EQ(cell.bottom, 20 + 16);
  EXPECT_EQ(cell.left, 30);

  // A descender goes below a letter without one, still in the cell.
  GuardedCanvas a(40, 40);
  GuardedCanvas g(40, 40);
  DrawSjisText(a.canvas(), 5, 5, "a", 0xFFFFFF);
  DrawSjisText(g.canvas(), 5, 5, "g", 0xFFFFFF);
  EXPECT_GT(g.Ink().bottom, a.Ink().bottom + 1);
  EXPECT_LT(g.Ink().bottom, 5 + 17);
  EXPECT_EQ(g.Ink().top, a.Ink().top);
}

TEST_F(TextFace, ThinStrokesSurviveHinting) {
  // The face's own hinting flattens the low line to nothing at this size.
  for (const char* text : {"_", "-", "＿", "ー", "."}) {
    SCOPED_TRACE(text);
    GuardedCanvas canvas(40, 40);
    DrawSjisText(canvas.canvas(), 5, 5, Sjis(text), 0xFFFFFF);
    EXPECT_FALSE(canvas.Ink().empty());
  }
}

TEST_F(TextFace, FullWidthAdvancesSeventeenAndEveryHalfWidthCharacterTheSame) {
  GuardedCanvas canvas(640, 40);
  const Canvas c = canvas.canvas();
  EXPECT_EQ(DrawSjisText(c, 10, 0, Sjis("あ"), 0xFFFFFF), 10 + 17);
  EXPECT_EQ(DrawSjisText(c, 10, 0, Sjis("あ漢字、ＡＢ"), 0xFFFFFF), 10 + 6 * 17);
  EXPECT_EQ(DrawSjisText(c, 10, 0, "", 0xFFFFFF), 10);

  const int half = DrawSjisText(c, 0, 0, "A", 0xFFFFFF);
  EXPECT_EQ(half, 9);  // half of 17, rounded up: wider glyphs would touch
  for (const std::string& text :
       std::vector<std::string>{"i", "W", " ", "~", "\\", Sjis("ｱ"), Sjis("ﾟ")}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(DrawSjisText(c, 0, 0, text, 0xFFFFFF), half);
  }
  EXPECT_EQ(DrawSjisText(c, -30, 0, Sjis("Aあｱ1"), 0xFFFFFF), -30 + 3 * half + 17);
}

TEST_F(TextFace, UnmappedCodesDrawNothingButKeepTheirWidth) {
  // 0x8540 lies in an unassigned row; 0x80, 0xFD and 0xFF are no characters.
  GuardedCanvas canvas(200, 40);
  EXPECT_EQ(DrawSjisText(canvas.canvas(), 4, 4, "\x85\x40", 0xFFFFFF), 4 + 17);
  EXPECT_EQ(DrawSjisText(canvas.canvas(), 4, 4, "\x80\xFD\xFF", 0xFFFFFF), 4 + 3 * 9);
  // Control codes are not drawn either.
  EXPECT_EQ(DrawSjisText(canvas.canvas(), 4, 4, std::string("\n\t\0", 3), 0xFFFFFF), 4 + 3 * 9);
  EXPECT_TRUE(canvas.Ink().empty());

  // The text after an unmapped code lands where it would after a real one.
  GuardedCanvas after(200, 40);
  GuardedCanvas reference(200, 40);
  DrawSjisText(after.canvas(), 4, 4, "\x85\x40" + Sjis("田"), 0xFFFFFF);
  DrawSjisText(reference.canvas(), 4 + 17, 4, Sjis("田"), 0xFFFFFF);
  EXPECT_EQ(after.Pixels(), reference.Pixels());
}

TEST_F(TextFace, ALeadByteAtTheEndEndsTheText) {
  GuardedCanvas withLead(100, 40);
  GuardedCanvas without(100, 40);
  EXPECT_EQ(DrawSjisText(withLead.canvas(), 3, 3, "A\x82", 0xFFFFFF), 3 + 9);
  DrawSjisText(without.canvas(), 3, 3, "A", 0xFFFFFF);
  EXPECT_EQ(withLead.Pixels(), without.Pixels());
  EXPECT_EQ(DrawSjisText(withLead.canvas(), 3, 3, "\xFC", 0xFFFFFF), 3);
}

TEST_F(TextFace, HalfWidthKatakanaIsOneByteAndDrawsInHalfACell) {
  GuardedCanvas canvas(60, 40);
  EXPECT_EQ(DrawSjisText(canvas.canvas(), 10, 10, "\xB1", 0xFFFFFF), 10 + 9);
  const auto ink = canvas.Ink();
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, 10 - 1);
  EXPECT_LT(ink.right, 10 + 9 + 1);
  EXPECT_GE(ink.top, 10);
  EXPECT_LT(ink.bottom, 10 + 17);
}

TEST_F(TextFace, ClippingAtEveryEdgeShowsTheSamePixelsAndWritesNothingOutside) {
  const std::string text = Sjis("「国語ｱAg」");
  constexpr int kWide = 200;
  constexpr int kHigh = 60;
  GuardedCanvas whole(kWide, kHigh);
  DrawSjisText(whole.canvas(), 50, 20, text, 0xFFFFFF);

  // The small canvas is a window onto the big one at (ox, oy): text drawn at
  // (50 - ox, 20 - oy) must look exactly like that part of the whole.
  struct Window {
    int ox, oy, width, height;
  };
  for (const Window w : {Window{60, 25, 30, 30}, Window{40, 10, 30, 16}, Window{30, 28, 60, 10},
                         Window{100, 5, 40, 40}, Window{65, 30, 5, 5}}) {
    SCOPED_TRACE(::testing::Message() << "window at " << w.ox << "," << w.oy);
    GuardedCanvas part(w.width, w.height);
    DrawSjisText(part.canvas(), 50 - w.ox, 20 - w.oy, text, 0xFFFFFF);
    EXPECT_TRUE(part.GuardsIntact());
    for (int y = 0; y < w.height; ++y) {
      for (int x = 0; x < w.width; ++x) {
        ASSERT_EQ(part.At(x, y), whole.At(x + w.ox, y + w.oy)) << x << "," << y;
      }
    }
  }

  // Far off the canvas in every direction, including where the pen would
  // overflow if the glyph offsets were added in int.
  GuardedCanvas far(20, 20);
  for (const auto& [x, y] :
       {std::pair{-1000, 0}, std::pair{0, -1000}, std::pair{1000, 0}, std::pair{0, 1000},
        std::pair{INT_MIN + 64, INT_MIN + 64}, std::pair{INT_MAX - 400, INT_MAX - 64}}) {
    DrawSjisText(far.canvas(), x, y, text, 0xFFFFFF);
  }
  EXPECT_TRUE(far.GuardsIntact());
  EXPECT_TRUE(far.Ink().empty());

  // No pixels at all, or none to draw on.
  EXPECT_EQ(DrawSjisText(Canvas{}, 0, 0, text, 0xFFFFFF), 4 * 17 + 3 * 9);
  GuardedCanvas empty(0, 0);
  DrawSjisText(empty.canvas(), 0, 0, text, 0xFFFFFF);
  EXPECT_TRUE(empty.GuardsIntact());
}

TEST_F(TextFace, PixelsLieBetweenTheBackgroundAndTheColourInProportion) {
  GuardedCanvas canvas(400, 30);
  DrawSjisText(canvas.canvas(), 2, 2, Sjis("夕凪動画へようこそ。ＡＢＣ１２３ｱｲｳ"), 0x00FF0000);
  int full = 0;
  int partial = 0;
  for (const std::uint32_t pixel : canvas.Pixels()) {
    if (pixel == kBackground) continue;
    const int r = static_cast<int>(pixel >> 16);
    const int g = static_cast<int>((pixel >> 8) & 0xFF);
    const int b = static_cast<int>(pixel & 0xFF);
    ASSERT_LE(r, 0xFF);  // nothing spills into the unused top byte
    ASSERT_GE(r, 0x20);
    ASSERT_LE(g, 0x40);
    ASSERT_LE(b, 0x60);
    // One coverage for all three channels: the share of red equals the share
    // of green and blue given up, within rounding.
    const double towardsRed = (r - 0x20) / double(0xFF - 0x20);
    EXPECT_NEAR(1.0 - g / double(0x40), towardsRed, 0.03) << std::hex << pixel;
    EXPECT_NEAR(1.0 - b / double(0x60), towardsRed, 0.03) << std::hex << pixel;
    (pixel == 0x00FF0000 ? full : partial) += 1;
  }
  // Bold strokes are solid; their edges are blended.
  EXPECT_GT(full, 200);
  EXPECT_GT(partial, 50);

  // The top byte of the colour is not ours to draw.
  GuardedCanvas black(60, 30, 0);
  DrawSjisText(black.canvas(), 2, 2, Sjis("田"), 0xFFFFFFFF);
  for (const std::uint32_t pixel : black.Pixels()) ASSERT_EQ(pixel >> 24, 0u);
}

TEST_F(TextFace, CachedCharactersDrawExactlyAsTheFirstTime) {
  const std::string text = Sjis("あいうＡ国") + "Ag" + Sjis("あ");
  GuardedCanvas first(200, 30);
  GuardedCanvas second(200, 30);
  DrawSjisText(first.canvas(), 1, 1, text, 0xFFFFFF);
  DrawSjisText(second.canvas(), 1, 1, text, 0xFFFFFF);
  EXPECT_EQ(first.Pixels(), second.Pixels());
  EXPECT_FALSE(first.Ink().empty());

  // Ａ is 0x8260 and ` is 0x60: a key that lost the lead byte would hand one
  // the other's glyph.
  GuardedCanvas backtick(40, 30);
  GuardedCanvas wideA(40, 30);
  DrawSjisText(backtick.canvas(), 1, 1, "`", 0xFFFFFF);
  DrawSjisText(wideA.canvas(), 1, 1, "\x82\x60", 0xFFFFFF);
  EXPECT_NE(backtick.Pixels(), wideA.Pixels());
  EXPECT_GT(wideA.Ink().right, backtick.Ink().right);
}

TEST(GlyphCache, RendersEachCodeOnceAndKeepsReferencesValid) {
  int renders = 0;
  platform::font::GlyphCache cache([&renders](SjisChar character) {
    ++renders;
    GlyphBitmap glyph;
    glyph.width = character.bytes;
    glyph.left = character.code;
    return glyph;
  });
  const GlyphBitmap& a = cache.Get({0x41, 1});
  EXPECT_EQ(cache.Get({0x41, 1}).left, 0x41);
  EXPECT_EQ(renders, 1);
  EXPECT_EQ(cache.Get({0x82A0, 2}).left, 0x82A0);
  EXPECT_EQ(renders, 2);
  for (std::uint16_t code = 0x8140; code < 0x9FFC; ++code) cache.Get({code, 2});
  EXPECT_EQ(&cache.Get({0x41, 1}), &a);
  EXPECT_EQ(a.left, 0x41);
  EXPECT_EQ(cache.size(), static_cast<std::size_t>(renders));
}

TEST(PaintGlyph, BlendsByCoveragePerChannelAndClipsExactly) {
  GlyphBitmap glyph;
  glyph.left = 1;
  glyph.top = 2;
  glyph.width = 3;
  glyph.height = 1;
  glyph.coverage = {0, 128, 255};
  GuardedCanvas canvas(8, 8, 0x00FF8000);
  PaintGlyph(canvas.canvas(), 0, 0, glyph, 0x000080FF);
  EXPECT_EQ(canvas.At(1, 2), 0x00FF8000u);  // no coverage: untouched
  // 128/255 of the colour: red 255 -> 127, green 128 -> 128, blue 0 -> 128.
  EXPECT_EQ(canvas.At(2, 2), 0x007F8080u);
  EXPECT_EQ(canvas.At(3, 2), 0x000080FFu);
  EXPECT_EQ(canvas.Ink(0x00FF8000).left, 2);

  // A solid 4x4 block half off each edge paints exactly the part inside.
  GlyphBitmap block;
  block.width = 4;
  block.height = 4;
  block.coverage.assign(16, 255);
  for (const auto& [x, y] : {std::pair{-2, 3}, std::pair{6, 3}, std::pair{3, -2}, std::pair{3, 6},
                             std::pair{-2, -2}, std::pair{6, 6}}) {
    SCOPED_TRACE(::testing::Message() << x << "," << y);
    GuardedCanvas small(8, 8, 0);
    PaintGlyph(small.canvas(), x, y, block, 0xFFFFFF);
    EXPECT_TRUE(small.GuardsIntact());
    const auto ink = small.Ink(0);
    EXPECT_EQ(ink.left, std::max(x, 0));
    EXPECT_EQ(ink.top, std::max(y, 0));
    EXPECT_EQ(ink.right, std::min(x + 3, 7));
    EXPECT_EQ(ink.bottom, std::min(y + 3, 7));
  }

  // Glyph offsets that would carry a pen at either end of int past it.
  GuardedCanvas edge(8, 8, 0);
  for (const int offset : {-3, 3}) {
    block.left = offset;
    block.top = offset;
    const int pen = offset < 0 ? INT_MIN + 1 : INT_MAX - 1;
    PaintGlyph(edge.canvas(), pen, pen, block, 0xFFFFFF);
    PaintGlyph(edge.canvas(), pen, 2, block, 0xFFFFFF);
    PaintGlyph(edge.canvas(), 2, pen, block, 0xFFFFFF);
  }
  EXPECT_TRUE(edge.GuardsIntact());
  EXPECT_TRUE(edge.Ink(0).empty());
}

TEST(SjisChars, LeadBytesTakeTheNextByteAndTheRestStandAlone) {
  const auto at = [](int byte) {
    const char text[] = {static_cast<char>(byte), 'x'};
    return NextSjisChar(std::string_view(text, 2), 0);
  };
  for (const int single : {0x00, 0x7F, 0x80, 0xA1, 0xDF, 0xFD, 0xFF}) {
    ASSERT_EQ(at(single)->bytes, 1) << single;
    EXPECT_EQ(at(single)->code, single);
  }
  for (const int lead : {0x81, 0x9F, 0xA0, 0xE0, 0xFC}) {
    ASSERT_EQ(at(lead)->bytes, 2) << lead;
    EXPECT_EQ(at(lead)->code, lead << 8 | 'x');
  }
  EXPECT_FALSE(NextSjisChar("\x82", 0));
  EXPECT_FALSE(NextSjisChar("ab", 2));
  EXPECT_EQ(NextSjisChar("a\x82\xA0", 1)->code, 0x82A0);
}

TEST(SjisChars, CodePointsComeFromTheWindowsCodePage) {
  EXPECT_EQ(SjisCodePoint({0x41, 1}), U'A');
  EXPECT_EQ(SjisCodePoint({0x5C, 1}), U'\\');        // not the yen sign
  EXPECT_EQ(SjisCodePoint({0xB1, 1}), U'\uFF71');    // ｱ
  EXPECT_EQ(SjisCodePoint({0x82A0, 2}), U'\u3042');  // あ
  EXPECT_EQ(SjisCodePoint({0x8160, 2}), U'\uFF5E');  // the wave dash as a full-width tilde
  EXPECT_EQ(SjisCodePoint({0x8740, 2}), U'\u2460');  // ①, an NEC extension
  EXPECT_EQ(SjisCodePoint({0xFA40, 2}), U'\u2170');  // ⅰ, an IBM extension
  EXPECT_FALSE(SjisCodePoint({0x8540, 2}));
  EXPECT_FALSE(SjisCodePoint({0x80, 1}));
  EXPECT_FALSE(SjisCodePoint({0x8220, 2}));  // a trail byte that is none
}

}  // namespace
