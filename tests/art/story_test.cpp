// The story's pictures: backgrounds fill the stage with no transparent hole,
// portraits are keyed figures centred so that a pair moved to -150 and +150
// is never cut, and evening and night backgrounds keep the day drawing.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/art/art_fixture.h"

namespace {

using art_test::At;
using art_test::Blue;
using art_test::Green;
using art_test::Red;

constexpr int kStageWidth = 640;
constexpr int kStageHeight = 480;
constexpr std::uint32_t kKey = 0x0000FF00;
constexpr int kPairShift = 150;  // how far each of two portraits moves

const std::array<const char*, 4> kPlaces = {"bg034", "bg036", "bg070", "bg0401"};
const std::array<const char*, 2> kTimes = {"y", "n"};
const std::array<const char*, 8> kPortraits = {"kot001", "hot001", "yut001", "ret001",
                                               "nat001", "hit001", "kat001", "amt001"};

double Luma(std::uint32_t c) {
  return 0.299 * ((c >> 16) & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF);
}

// How much drawing (edge contrast) each 8x8 block holds: it follows the layout
// of lines and shapes, and changes little when the light over them changes.
std::vector<double> Blocks(const display::BmpPicture& p) {
  std::vector<double> blocks;
  for (int by = 0; by < p.height; by += 8) {
    for (int bx = 0; bx < p.width; bx += 8) {
      double sum = 0;
      for (int y = by; y < by + 8 && y + 1 < p.height; ++y) {
        for (int x = bx; x < bx + 8 && x + 1 < p.width; ++x) {
          const double here = Luma(At(p, x, y));
          sum += std::abs(Luma(At(p, x + 1, y)) - here) + std::abs(Luma(At(p, x, y + 1)) - here);
        }
      }
      blocks.push_back(sum / 64.0);
    }
  }
  return blocks;
}

// Mean luminance of the whole picture.
double Brightness(const display::BmpPicture& p) {
  double sum = 0;
  for (std::uint32_t c : p.pixels) sum += Luma(c);
  return sum / static_cast<double>(p.pixels.size());
}

// Mean of red minus blue: how warm the light is.
double Warmth(const display::BmpPicture& p) {
  double sum = 0;
  for (std::uint32_t c : p.pixels)
    sum += static_cast<double>((c >> 16) & 0xFF) - static_cast<double>(c & 0xFF);
  return sum / static_cast<double>(p.pixels.size());
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const double n = static_cast<double>(a.size());
  double ma = 0, mb = 0;
  for (std::size_t i = 0; i < a.size(); ++i) ma += a[i], mb += b[i];
  ma /= n;
  mb /= n;
  double sab = 0, saa = 0, sbb = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    sab += (a[i] - ma) * (b[i] - mb);
    saa += (a[i] - ma) * (a[i] - ma);
    sbb += (b[i] - mb) * (b[i] - mb);
  }
  return (saa > 0 && sbb > 0) ? sab / std::sqrt(saa * sbb) : 0.0;
}

class StoryArt : public art_test::ArtTest {
 protected:
  std::optional<display::BmpPicture> Stage(const std::string& name) {
    std::optional<display::BmpPicture> p = Picture(name + ".bmp");
    if (p && (p->width != kStageWidth || p->height != kStageHeight)) {
      ADD_FAILURE() << name << " is " << p->width << "x" << p->height;
      return std::nullopt;
    }
    return p;
  }
};

TEST_F(StoryArt, BackgroundsFillTheStageWithoutKeyPixels) {
  for (const char* place : kPlaces) {
    for (const std::string suffix : {"", "y", "n"}) {
      const std::string name = place + suffix;
      std::optional<display::BmpPicture> p = Stage(name);
      ASSERT_TRUE(p) << name;
      const auto keys = std::count(p->pixels.begin(), p->pixels.end(), kKey);
      EXPECT_EQ(keys, 0) << name << " would show holes";
      // A drawing, not a flat fill.
      std::vector<std::uint32_t> colours(p->pixels);
      std::sort(colours.begin(), colours.end());
      colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
      EXPECT_GT(colours.size(), 32u) << name;
    }
  }
}

TEST_F(StoryArt, EveningAndNightKeepTheDayLayout) {
  std::vector<std::vector<double>> days;
  std::vector<double> dayBrightness;
  std::vector<double> dayWarmth;
  for (const char* place : kPlaces) {
    std::optional<display::BmpPicture> day = Stage(place);
    ASSERT_TRUE(day) << place;
    days.push_back(Blocks(*day));
    dayBrightness.push_back(Brightness(*day));
    dayWarmth.push_back(Warmth(*day));
  }
  for (std::size_t i = 0; i < kPlaces.size(); ++i) {
    for (const char* time : kTimes) {
      const std::string name = std::string(kPlaces[i]) + time;
      std::optional<display::BmpPicture> variant = Stage(name);
      ASSERT_TRUE(variant) << name;
      const std::vector<double> blocks = Blocks(*variant);
      // Different light: the evening is warmer than the day, the night darker...
      if (std::string(time) == "y") {
        EXPECT_GT(Warmth(*variant), dayWarmth[i] + 8.0) << name << " is no warmer than the day";
      } else {
        EXPECT_LT(Brightness(*variant), dayBrightness[i] - 20.0)
            << name << " is as bright as the day";
      }
      // ...on the same drawing: closer to its own day than to any other place.
      const double own = Correlation(days[i], blocks);
      EXPECT_GT(own, 0.6) << name << " lost its layout";
      for (std::size_t j = 0; j < kPlaces.size(); ++j) {
        if (j == i) continue;
        EXPECT_GT(own, Correlation(days[j], blocks)) << name << " vs " << kPlaces[j];
      }
    }
  }
}

TEST_F(StoryArt, PortraitsAreCentredKeyedFigures) {
  for (const char* code : kPortraits) {
    std::optional<display::BmpPicture> p = Stage(code);
    ASSERT_TRUE(p) << code;
    // Keyed all round the figure.
    EXPECT_EQ(At(*p, 0, 0), kKey) << code;
    EXPECT_EQ(At(*p, kStageWidth - 1, 0), kKey) << code;
    EXPECT_EQ(At(*p, 0, kStageHeight - 1), kKey) << code;
    EXPECT_EQ(At(*p, kStageWidth - 1, kStageHeight - 1), kKey) << code;
    // The face is solid: no key around its centre, above the message window.
    for (int y = 215; y < 255; ++y) {
      for (int x = 300; x < 340; ++x) {
        ASSERT_NE(At(*p, x, y), kKey) << code << " has a hole in the face at " << x << "," << y;
      }
    }
    // A waist-up figure stands on the bottom edge.
    EXPECT_NE(At(*p, kStageWidth / 2, kStageHeight - 1), kKey) << code;
    // Horizontal extent of everything that is not key.
    int left = kStageWidth, right = -1, top = kStageHeight;
    for (int y = 0; y < kStageHeight; ++y) {
      for (int x = 0; x < kStageWidth; ++x) {
        if (At(*p, x, y) == kKey) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
      }
    }
    ASSERT_LE(left, right) << code << " is empty";
    EXPECT_GE(left, kPairShift) << code << " is cut when moved to -150";
    EXPECT_LT(right, kStageWidth - kPairShift) << code << " is cut when moved to +150";
    const int leftMargin = left;
    const int rightMargin = kStageWidth - 1 - right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 16)
        << code << " is off centre: " << left << ".." << right;
    // Head room: the top of the head is inside the picture, not cut off.
    EXPECT_GT(top, 20) << code;
  }
}

TEST_F(StoryArt, PortraitsAreDistinctCharacters) {
  // Each heroine has her own colours: sample the hair just above the fringe.
  std::vector<std::uint32_t> hair;
  for (const char* code : kPortraits) {
    std::optional<display::BmpPicture> p = Stage(code);
    ASSERT_TRUE(p) << code;
    hair.push_back(At(*p, 300, 78));
    EXPECT_NE(hair.back(), kKey) << code;
  }
  for (std::size_t i = 0; i < hair.size(); ++i)
    for (std::size_t j = i + 1; j < hair.size(); ++j)
      EXPECT_NE(hair[i], hair[j]) << kPortraits[i] << " and " << kPortraits[j]
                                  << " share a hair colour";
}

}  // namespace
