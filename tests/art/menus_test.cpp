// The title menu items, the system menu and the town map: each picture fits
// where the screens draw it, and the click areas land on drawn buttons.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "tests/art/art_fixture.h"

namespace {

using art_test::At;
using art_test::Blue;
using art_test::Green;
using art_test::Red;

constexpr std::uint32_t kKey = 0x0000FF00;

struct Rect {
  int x, y, w, h;
};

bool IsDark(std::uint32_t c) {
  return Red(c) < 100 && Green(c) < 100 && Blue(c) < 130;
}
bool IsWindowYellow(std::uint32_t c) {
  return Red(c) > 220 && Green(c) > 180 && Blue(c) < 160;
}

int CountKey(const display::BmpPicture& p) {
  int n = 0;
  for (std::uint32_t c : p.pixels) n += c == kKey ? 1 : 0;
  return n;
}

// Keyed pictures are see-through at their rounded corners and solid in the middle.
void ExpectKeyedShape(const display::BmpPicture& p, const std::string& name) {
  const int r = p.width - 1, b = p.height - 1;
  EXPECT_EQ(At(p, 0, 0), kKey) << name << " top-left corner";
  EXPECT_EQ(At(p, r, 0), kKey) << name << " top-right corner";
  EXPECT_EQ(At(p, 0, b), kKey) << name << " bottom-left corner";
  EXPECT_EQ(At(p, r, b), kKey) << name << " bottom-right corner";
  EXPECT_NE(At(p, p.width / 2, p.height / 2), kKey) << name << " centre";
  // No see-through hole inside the drawn part: the middle rows are solid from
  // a few pixels in to a few pixels before the right edge.
  const int inset = p.width / 5;
  for (int y = p.height / 3; y < p.height * 2 / 3; ++y)
    for (int x = inset; x < p.width - inset; ++x)
      if (At(p, x, y) == kKey) {
        ADD_FAILURE() << name << " has a key pixel inside at " << x << "," << y;
        return;
      }
}

class MenusArt : public art_test::ArtTest {};

TEST_F(MenusArt, TitleItemsFitTheirPlacesAndDoNotOverlap) {
  const std::array<std::string, 5> names = {"tahaj.bmp", "tatsu.bmp", "taopu.bmp", "taoma.bmp",
                                            "tagam.bmp"};
  const std::array<int, 5> ys = {186, 240, 294, 349, 403};
  const int x = 412;
  std::optional<display::BmpPicture> first;
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    std::optional<display::BmpPicture> p = Picture(names[i]);
    ASSERT_TRUE(p);
    EXPECT_GE(p->width, 120);
    EXPECT_GE(p->height, 30);
    EXPECT_LE(x + p->width, 640);
    EXPECT_LE(ys[i] + p->height, 480);
    // Only one is shown at a time, but each item's hit box is its picture:
    // boxes must not run into the next item.
    if (i + 1 < ys.size()) {
      EXPECT_LE(ys[i] + p->height, ys[i + 1]);
    }
    ExpectKeyedShape(*p, names[i]);
    // The pointer in the middle of the box is over the drawn plate.
    EXPECT_NE(At(*p, p->width / 2, p->height / 2), kKey);
    if (!first) {
      first = p;
    } else {
      EXPECT_EQ(p->width, first->width) << "items share one size";
      EXPECT_EQ(p->height, first->height) << "items share one size";
      EXPECT_NE(p->pixels, first->pixels) << "each item has its own label";
    }
  }
}

TEST_F(MenusArt, SystemPanelHoldsItsSwitchesAndButtons) {
  const int px = 212, py = 85;
  std::optional<display::BmpPicture> panel = Picture("op_base.bmp");
  ASSERT_TRUE(panel);
  EXPECT_LE(px + panel->width, 640);
  EXPECT_LE(py + panel->height, 480);
  ExpectKeyedShape(*panel, "op_base.bmp");

  // The panel's paper, away from every button.
  const std::uint32_t paper = At(*panel, 20, 200);
  EXPECT_NE(paper, kKey);

  // Load and close are click areas without pictures of their own: the panel
  // draws them, so the middle of each area is a drawn button, not paper.
  const std::array<Rect, 2> areas = {Rect{256, 259, 128, 36}, Rect{289, 295, 61, 61}};
  for (const Rect& a : areas) {
    SCOPED_TRACE(a.w);
    ASSERT_LE(a.x + a.w, px + panel->width);
    ASSERT_LE(a.y + a.h, py + panel->height);
    const std::uint32_t centre = At(*panel, a.x - px + a.w / 2, a.y - py + a.h / 2);
    EXPECT_NE(centre, kKey);
    EXPECT_NE(centre, paper);
    // Most of the area is button, not the paper around it.
    int onPaper = 0;
    for (int y = a.y - py; y < a.y - py + a.h; ++y)
      for (int x = a.x - px; x < a.x - px + a.w; ++x) onPaper += At(*panel, x, y) == paper ? 1 : 0;
    EXPECT_LT(onPaper, a.w * a.h / 3);
  }
  // The two buttons are told apart: load is not drawn like close.
  EXPECT_NE(At(*panel, 256 - px + 64, 259 - py + 18), At(*panel, 289 - px + 30, 295 - py + 30));
}

TEST_F(MenusArt, SwitchesCoverTheirPlacesOnThePanel) {
  const int px = 212, py = 85;
  std::optional<display::BmpPicture> panel = Picture("op_base.bmp");
  ASSERT_TRUE(panel);
  struct Switch {
    const char* name;
    int x, y;
  };
  const std::array<Switch, 4> switches = {
      Switch{"opbgmon.bmp", 249, 158}, Switch{"opbgmoff.bmp", 315, 158},
      Switch{"opvoion.bmp", 249, 206}, Switch{"opvoioff.bmp", 315, 206}};
  std::array<std::optional<display::BmpPicture>, 4> pictures;
  for (std::size_t i = 0; i < switches.size(); ++i) {
    const Switch& s = switches[i];
    SCOPED_TRACE(s.name);
    pictures[i] = Picture(s.name);
    ASSERT_TRUE(pictures[i]);
    const display::BmpPicture& p = *pictures[i];
    // Inside the panel, clear of the switch beside it and of the row below.
    EXPECT_GE(p.width, 40);
    EXPECT_GE(p.height, 24);
    EXPECT_LE(s.x + p.width, px + panel->width);
    EXPECT_LE(s.y + p.height, py + panel->height);
    EXPECT_LE(249 + p.width, 315);
    EXPECT_LE(158 + p.height, 206);
    // Unkeyed: drawn whole over the panel.
    EXPECT_EQ(CountKey(p), 0);
    // A lit switch stands out from the unlit one the panel draws beneath.
    int differ = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        differ += At(p, x, y) != At(*panel, s.x - px + x, s.y - py + y) ? 1 : 0;
    EXPECT_GT(differ, p.width * p.height / 3);
  }
  // On and off say different things; music and voice look different.
  EXPECT_NE(pictures[0]->pixels, pictures[1]->pixels);
  EXPECT_NE(pictures[2]->pixels, pictures[3]->pixels);
  EXPECT_NE(pictures[0]->pixels, pictures[2]->pixels);
}

struct Place {
  int x, y;
};
constexpr std::array<Place, 20> kPlaces = {
    {{162, 107}, {504, 136}, {362, 396}, {282, 204}, {589, 417}, {157, 165}, {62, 147},
     {113, 404}, {93, 213},  {153, 310}, {251, 386}, {31, 314},  {364, 143}, {360, 348},
     {102, 347}, {202, 342}, {546, 361}, {188, 236}, {241, 121}, {146, 255}}};

TEST_F(MenusArt, MapDrawsEveryPlaceAtItsHotSpot) {
  std::optional<display::BmpPicture> map = Picture("地図.bmp");
  ASSERT_TRUE(map);
  ASSERT_EQ(map->width, 640);
  ASSERT_EQ(map->height, 480);
  EXPECT_EQ(CountKey(*map), 0);
  for (std::size_t i = 0; i < kPlaces.size(); ++i) {
    SCOPED_TRACE("place " + std::to_string(i + 1));
    const Place& pl = kPlaces[i];
    // Each hot spot holds a building: ink outline and a lit window.
    bool dark = false, window = false;
    for (int y = pl.y; y < pl.y + 15; ++y)
      for (int x = pl.x; x < pl.x + 15; ++x) {
        dark = dark || IsDark(At(*map, x, y));
        window = window || IsWindowYellow(At(*map, x, y));
      }
    EXPECT_TRUE(dark);
    EXPECT_TRUE(window);
  }
}

TEST_F(MenusArt, MapKeepsWhiteTextReadable) {
  std::optional<display::BmpPicture> map = Picture("地図.bmp");
  ASSERT_TRUE(map);
  // The date line is drawn in white at the top left and the hovered place's
  // name at (0, 461): the map is dark beneath both.
  const std::array<Rect, 2> bands = {Rect{0, 0, 320, 20}, Rect{0, 461, 320, 19}};
  for (const Rect& band : bands) {
    int light = 0;
    for (int y = band.y; y < band.y + band.h; ++y)
      for (int x = band.x; x < band.x + band.w; ++x) {
        const std::uint32_t c = At(*map, x, y);
        light += (Red(c) * 3 + Green(c) * 6 + Blue(c)) / 10 > 120 ? 1 : 0;
      }
    EXPECT_EQ(light, 0) << "band at y " << band.y;
  }
}

TEST_F(MenusArt, MarkerIsASmallKeyedPin) {
  std::optional<display::BmpPicture> marker = Picture("磁石.bmp");
  ASSERT_TRUE(marker);
  ASSERT_EQ(marker->width, 15);
  ASSERT_EQ(marker->height, 15);
  ExpectKeyedShape(*marker, "磁石.bmp");
  for (const Place& pl : kPlaces) {
    EXPECT_LE(pl.x + marker->width, 640);
    EXPECT_LE(pl.y + marker->height, 480);
  }
  // It stands out on the map: its middle is not the map's colour there.
  std::optional<display::BmpPicture> map = Picture("地図.bmp");
  ASSERT_TRUE(map);
  int same = 0;
  for (const Place& pl : kPlaces) same += At(*marker, 7, 7) == At(*map, pl.x + 7, pl.y + 7) ? 1 : 0;
  EXPECT_LT(same, 3);
}

}  // namespace
