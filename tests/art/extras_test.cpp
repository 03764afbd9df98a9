// The extras: bonus menu, gallery, production movies, production guide,
// unfinished end, staff roll and title cards. Each picture fits where its
// screen draws it, the cursors are see-through frames, and every click area
// lands on a drawn button or stage box.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/art/art_fixture.h"

namespace {

constexpr std::uint32_t kKey = 0x0000FF00;
constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

struct Box {
  int x, y, w, h;
};

std::uint32_t Px(const display::BmpPicture& p, int x, int y) {
  return p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                  static_cast<std::size_t>(x)];
}
int R(std::uint32_t c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
int G(std::uint32_t c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
int B(std::uint32_t c) {
  return static_cast<int>(c & 0xFF);
}
int Luma(std::uint32_t c) {
  return (R(c) * 3 + G(c) * 6 + B(c)) / 10;
}
bool IsInk(std::uint32_t c) {
  return R(c) < 0x70 && G(c) < 0x70 && B(c) < 0x90;
}

// Mean colour of the (2r+1)^2 patch around (x, y), so dithering does not matter.
std::array<int, 3> Mean(const display::BmpPicture& p, int x, int y, int r) {
  std::array<int, 3> sum{0, 0, 0};
  int n = 0;
  for (int yy = y - r; yy <= y + r; ++yy)
    for (int xx = x - r; xx <= x + r; ++xx) {
      const std::uint32_t c = Px(p, xx, yy);
      sum[0] += R(c);
      sum[1] += G(c);
      sum[2] += B(c);
      ++n;
    }
  for (int& s : sum) s /= n;
  return sum;
}
int Distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
  return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

bool Inside(const Box& inner, int outerW, int outerH) {
  return inner.x >= 0 && inner.y >= 0 && inner.x + inner.w <= outerW && inner.y + inner.h <= outerH;
}
bool Overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// A cursor frame: see-through in the middle (the button shows through), solid
// along each side of the frame drawn from `top` down (corners left out, they
// may be rounded).
void ExpectFrame(const display::BmpPicture& p, int top, int inset, const std::string& name) {
  EXPECT_EQ(Px(p, p.width / 2, top + (p.height - top) / 2), kKey) << name << " centre";
  int keyed = 0;
  for (std::uint32_t c : p.pixels) keyed += c == kKey ? 1 : 0;
  EXPECT_GT(keyed, p.width * p.height / 2) << name << " is mostly see-through";
  const int right = p.width - 1 - inset, bottom = p.height - 1 - inset;
  for (int x = 6; x < p.width - 6; ++x) {
    EXPECT_NE(Px(p, x, top + inset), kKey) << name << " top side at " << x;
    EXPECT_NE(Px(p, x, bottom), kKey) << name << " bottom side at " << x;
  }
  for (int y = top + 6; y < p.height - 6; ++y) {
    EXPECT_NE(Px(p, inset, y), kKey) << name << " left side at " << y;
    EXPECT_NE(Px(p, right, y), kKey) << name << " right side at " << y;
  }
}

void ExpectAllDistinct(const std::vector<display::BmpPicture>& pics,
                       const std::vector<std::string>& names) {
  for (std::size_t i = 0; i < pics.size(); ++i)
    for (std::size_t j = i + 1; j < pics.size(); ++j)
      EXPECT_NE(pics[i].pixels, pics[j].pixels) << names[i] << " and " << names[j] << " are equal";
}

const std::array<Box, 8> kGalleryButtons = {{{54, 94, 0, 0},
                                             {258, 215, 0, 0},
                                             {258, 94, 0, 0},
                                             {360, 94, 0, 0},
                                             {54, 215, 0, 0},
                                             {360, 215, 0, 0},
                                             {156, 94, 0, 0},
                                             {156, 215, 0, 0}}};
const std::array<const char*, 8> kGalleryNames = {"glkoy.bmp", "glhot.bmp", "glyuz.bmp",
                                                  "glrei.bmp", "glnan.bmp", "glhin.bmp",
                                                  "glkas.bmp", "glama.bmp"};
const std::array<Box, 8> kReelButtons = {{{153, 108, 0, 0},
                                          {250, 108, 0, 0},
                                          {348, 108, 0, 0},
                                          {445, 108, 0, 0},
                                          {153, 207, 0, 0},
                                          {250, 207, 0, 0},
                                          {348, 207, 0, 0},
                                          {445, 207, 0, 0}}};
const std::array<const char*, 8> kReelNames = {"gagashiro.bmp", "gagagen.bmp",  "gagarashu.bmp",
                                               "gagashogo.bmp", "roushiro.bmp", "rougen.bmp",
                                               "rourashu.bmp",  "roushogo.bmp"};
const std::array<Box, 16> kStages = {{{59, 229, 23, 115},
                                      {95, 226, 23, 115},
                                      {138, 146, 23, 122},
                                      {138, 299, 23, 122},
                                      {181, 226, 23, 115},
                                      {225, 146, 22, 122},
                                      {225, 299, 22, 122},
                                      {261, 226, 22, 115},
                                      {294, 226, 22, 116},
                                      {339, 226, 23, 115},
                                      {383, 226, 22, 115},
                                      {416, 226, 23, 115},
                                      {452, 226, 23, 115},
                                      {487, 226, 23, 115},
                                      {521, 226, 22, 115},
                                      {556, 196, 23, 173}}};
const std::array<const char*, 16> kStageNames = {
    "anikikaku.bmp", "anishina.bmp",  "aniekon.bmp",    "anikyara.bmp",
    "anisaku.bmp",   "aniiroshi.bmp", "anihaikei.bmp",  "anigenga.bmp",
    "anidouga.bmp",  "anishiage.bmp", "anisatsuda.bmp", "anisatsuei.bmp",
    "anikatt.bmp",   "aniahure.bmp",  "anidabi.bmp",    "anishogo.bmp"};

class ExtrasArt : public art_test::ArtTest {};

TEST_F(ExtrasArt, BonusMenuButtonsSitUnderTheCursor) {
  const auto base = Picture("om_base.bmp");
  const auto cursor = Picture("omcars.bmp");
  ASSERT_TRUE(base && cursor);
  EXPECT_TRUE(Inside({213, 170, base->width, base->height}, kScreenW, kScreenH));
  ExpectFrame(*cursor, 0, 1, "omcars.bmp");
  // The hit test includes both edges: the box is one pixel wider and taller.
  const std::array<Box, 2> buttons = {{{29, 57, cursor->width + 1, cursor->height + 1},
                                       {29, 86, cursor->width + 1, cursor->height + 1}}};
  EXPECT_FALSE(Overlap(buttons[0], buttons[1]));
  for (const Box& b : buttons) {
    ASSERT_TRUE(Inside(b, base->width, base->height));
    // Light paper buttons on the dark panel, filling the whole hit box.
    for (const auto& [x, y] : std::array<std::array<int, 2>, 4>{{{b.x + 2, b.y + 2},
                                                                 {b.x + b.w - 3, b.y + 2},
                                                                 {b.x + 2, b.y + b.h - 3},
                                                                 {b.x + b.w - 3, b.y + b.h - 3}}})
      EXPECT_GT(Luma(Px(*base, x, y)), 180) << "button paper at " << x << "," << y;
    EXPECT_LT(Luma(Px(*base, b.x - 4, b.y + b.h / 2)), 100) << "panel left of button";
    EXPECT_LT(Luma(Px(*base, b.x + b.w + 4, b.y + b.h / 2)), 100) << "panel right of button";
  }
}

TEST_F(ExtrasArt, GalleryButtonsFillTheirSlots) {
  const auto base = Picture("gl_base.bmp");
  const auto cursor = Picture("glcars.bmp");
  ASSERT_TRUE(base && cursor);
  ASSERT_LE(base->width, kScreenW);
  ASSERT_LE(base->height, kScreenH);
  ExpectFrame(*cursor, 0, 2, "glcars.bmp");
  std::vector<display::BmpPicture> buttons;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kGalleryButtons.size(); ++i) {
    const auto button = Picture(kGalleryNames[i]);
    ASSERT_TRUE(button);
    // The button, its hit box and the cursor are one rectangle.
    EXPECT_EQ(button->width, cursor->width) << kGalleryNames[i];
    EXPECT_EQ(button->height, cursor->height) << kGalleryNames[i];
    const Box box{kGalleryButtons[i].x, kGalleryButtons[i].y, cursor->width, cursor->height};
    ASSERT_TRUE(Inside(box, base->width, base->height)) << kGalleryNames[i];
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(
          Overlap(box, {kGalleryButtons[j].x, kGalleryButtons[j].y, cursor->width, cursor->height}))
          << kGalleryNames[i] << " overlaps " << kGalleryNames[j];
    // A locked route shows an empty slot drawn on the base at the same place.
    EXPECT_GT(
        Distance(Mean(*base, box.x + 20, box.y + 20, 2), Mean(*base, box.x - 2, box.y + 20, 1)), 15)
        << "empty slot of " << kGalleryNames[i];
    buttons.push_back(*button);
    names.emplace_back(kGalleryNames[i]);
  }
  ExpectAllDistinct(buttons, names);
}

TEST_F(ExtrasArt, ReelButtonsSitUnderTheRaisedCursor) {
  const auto base = Picture("ka_base.bmp");
  const auto cursor = Picture("kacars.bmp");
  ASSERT_TRUE(base && cursor);
  ASSERT_LE(base->width, kScreenW);
  ASSERT_LE(base->height, kScreenH);
  // The cursor is drawn 8 rows above the button: a tab, then a frame round it.
  ExpectFrame(*cursor, 8, 1, "kacars.bmp");
  EXPECT_NE(Px(*cursor, cursor->width / 2, 2), kKey) << "tab above the button";
  EXPECT_EQ(Px(*cursor, 3, 2), kKey) << "beside the tab";
  std::vector<display::BmpPicture> buttons;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kReelButtons.size(); ++i) {
    const auto button = Picture(kReelNames[i]);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->width, cursor->width) << kReelNames[i];
    EXPECT_EQ(button->height + 8, cursor->height) << kReelNames[i];
    const Box hit{kReelButtons[i].x, kReelButtons[i].y, cursor->width, cursor->height};
    const Box drawnCursor{hit.x, hit.y - 8, cursor->width, cursor->height};
    ASSERT_TRUE(Inside(hit, base->width, base->height)) << kReelNames[i];
    ASSERT_TRUE(Inside(drawnCursor, base->width, base->height)) << kReelNames[i];
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(
          Overlap(hit, {kReelButtons[j].x, kReelButtons[j].y, cursor->width, cursor->height}))
          << kReelNames[i] << " overlaps " << kReelNames[j];
    EXPECT_GT(
        Distance(Mean(*base, hit.x + 12, hit.y + 12, 2), Mean(*base, hit.x - 3, hit.y + 12, 1)), 15)
        << "empty slot of " << kReelNames[i];
    buttons.push_back(*button);
    names.emplace_back(kReelNames[i]);
  }
  ExpectAllDistinct(buttons, names);
}

TEST_F(ExtrasArt, GuideChartDrawsEveryStageInsideItsClickArea) {
  const auto chart = Picture("アニメのできるまで.bmp");
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->width, kScreenW);
  ASSERT_EQ(chart->height, kScreenH);
  for (std::size_t i = 0; i < kStages.size(); ++i) {
    const Box& s = kStages[i];
    // Edges count, so the ink outline runs along left..left+width, top..top+height.
    for (int x = s.x; x <= s.x + s.w; ++x) {
      EXPECT_TRUE(IsInk(Px(*chart, x, s.y))) << "stage " << i + 1 << " top edge at " << x;
      EXPECT_TRUE(IsInk(Px(*chart, x, s.y + s.h))) << "stage " << i + 1 << " bottom edge at " << x;
    }
    for (int y = s.y; y <= s.y + s.h; ++y) {
      EXPECT_TRUE(IsInk(Px(*chart, s.x, y))) << "stage " << i + 1 << " left edge at " << y;
      EXPECT_TRUE(IsInk(Px(*chart, s.x + s.w, y))) << "stage " << i + 1 << " right edge at " << y;
    }
    EXPECT_GT(Luma(Px(*chart, s.x + 3, s.y + 3)), 150) << "stage " << i + 1 << " fill";
    EXPECT_FALSE(IsInk(Px(*chart, s.x - 3, s.y + 3))) << "stage " << i + 1 << " left of box";
    EXPECT_FALSE(IsInk(Px(*chart, s.x + s.w + 3, s.y + 3))) << "stage " << i + 1 << " right";
    // A label is written inside: ink pixels in the box's middle column.
    int ink = 0;
    for (int y = s.y + 4; y < s.y + s.h - 3; ++y)
      for (int x = s.x + 4; x < s.x + s.w - 3; ++x) ink += IsInk(Px(*chart, x, y)) ? 1 : 0;
    EXPECT_GT(ink, 20) << "stage " << i + 1 << " has no label";
  }
}

TEST_F(ExtrasArt, StagePicturesFitTheScreenAndDiffer) {
  std::vector<display::BmpPicture> pics;
  std::vector<std::string> names;
  for (const char* name : kStageNames) {
    const auto pic = Picture(name);
    ASSERT_TRUE(pic);
    EXPECT_LE(pic->width, kScreenW) << name;
    EXPECT_LE(pic->height, kScreenH) << name;
    EXPECT_GE(pic->width, 200) << name;
    EXPECT_GE(pic->height, 150) << name;
    pics.push_back(*pic);
    names.emplace_back(name);
  }
  ExpectAllDistinct(pics, names);
}

TEST_F(ExtrasArt, UnfinishedEndCarriesTheRedSeal) {
  const auto pic = Picture("未完.bmp");
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->width, kScreenW);
  EXPECT_EQ(pic->height, kScreenH);
  int red = 0;
  for (std::uint32_t c : pic->pixels) red += (R(c) > 150 && G(c) < 90 && B(c) < 100) ? 1 : 0;
  EXPECT_GT(red, 5000) << "the 未完 seal";
}

TEST_F(ExtrasArt, StaffPagesStackIntoOneColumn) {
  std::vector<display::BmpPicture> pages;
  for (int i = 1; i <= 6; ++i) {
    const auto page = Picture("staff" + std::to_string(i) + ".bmp");
    ASSERT_TRUE(page);
    ASSERT_EQ(page->width, kScreenW);
    ASSERT_EQ(page->height, kScreenH);
    pages.push_back(*page);
  }
  // One dark background colour everywhere, so no seam shows between pages.
  const std::uint32_t background = Px(pages[0], 0, 0);
  EXPECT_LT(Luma(background), 60);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(Px(pages[i], 0, 0), background) << "page " << i + 1;
    EXPECT_EQ(Px(pages[i], kScreenW - 1, kScreenH - 1), background) << "page " << i + 1;
  }
  // The five pages the roll shows all carry light text.
  for (std::size_t i = 0; i < 5; ++i) {
    int light = 0;
    for (std::uint32_t c : pages[i].pixels) light += Luma(c) > 170 ? 1 : 0;
    EXPECT_GT(light, 800) << "page " << i + 1 << " is empty";
  }
}

TEST_F(ExtrasArt, TitleCardsFillTheScreen) {
  const auto gaga = Picture("tigagarn.bmp");
  const auto rou = Picture("tirounin.bmp");
  ASSERT_TRUE(gaga && rou);
  for (const auto* pic : {&*gaga, &*rou}) {
    EXPECT_EQ(pic->width, kScreenW);
    EXPECT_EQ(pic->height, kScreenH);
  }
  // The daylight film and the night film: the first card is much brighter.
  long long sumGaga = 0, sumRou = 0;
  for (std::uint32_t c : gaga->pixels) sumGaga += Luma(c);
  for (std::uint32_t c : rou->pixels) sumRou += Luma(c);
  EXPECT_GT(sumGaga, sumRou * 3 / 2);
}

}  // namespace
