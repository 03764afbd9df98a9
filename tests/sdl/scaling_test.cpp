#include "platform/sdl/scaling.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::sdl {
namespace {

constexpr int kW = 640;
constexpr int kH = 480;

// Every pixel distinct, so a wrong source pixel cannot pass by accident.
std::vector<std::uint32_t> Pattern(int w, int h) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint32_t>((x << 12) | y);
    }
  }
  return pixels;
}

struct Target {
  int w;
  int h;
  int pitchPixels;
  std::vector<std::uint32_t> pixels;

  Target(int width, int height, int padding, std::uint32_t sentinel)
      : w(width),
        h(height),
        pitchPixels(width + padding),
        pixels(static_cast<std::size_t>(pitchPixels) * static_cast<std::size_t>(height), sentinel) {
  }
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y * pitchPixels + x)];
  }
  int PitchBytes() const { return pitchPixels * static_cast<int>(sizeof(std::uint32_t)); }
};

TEST(FitPicture, SameSizeIsOneToOne) {
  EXPECT_EQ(FitPicture(kW, kH, 640, 480), (Viewport{0, 0, 640, 480}));
}

TEST(FitPicture, TakesTheLargestWholeScaleThatFits) {
  // 1080 / 480 = 2.25: the height limits to 2x, centred both ways.
  EXPECT_EQ(FitPicture(kW, kH, 1920, 1080), (Viewport{320, 60, 1280, 960}));
  // 2560 / 640 = 4 but 1440 / 480 = 3.
  EXPECT_EQ(FitPicture(kW, kH, 2560, 1440), (Viewport{320, 0, 1920, 1440}));
  EXPECT_EQ(FitPicture(kW, kH, 1280, 1024), (Viewport{0, 32, 1280, 960}));
  EXPECT_EQ(FitPicture(kW, kH, 1280, 960), (Viewport{0, 0, 1280, 960}));
}

TEST(FitPicture, StaysAtOneJustBelowTwo) {
  EXPECT_EQ(FitPicture(kW, kH, 1279, 959), (Viewport{319, 239, 640, 480}));
  EXPECT_EQ(FitPicture(kW, kH, 1366, 768), (Viewport{363, 144, 640, 480}));
}

TEST(FitPicture, ShrinksFractionallyWhenOneTimesDoesNotFit) {
  EXPECT_EQ(FitPicture(kW, kH, 639, 480), (Viewport{0, 0, 639, 479}));
  EXPECT_EQ(FitPicture(kW, kH, 640, 479), (Viewport{1, 0, 638, 479}));
  EXPECT_EQ(FitPicture(kW, kH, 320, 480), (Viewport{0, 120, 320, 240}));
  EXPECT_EQ(FitPicture(kW, kH, 640, 100), (Viewport{253, 0, 133, 100}));
  // Wide enough for 1x, too short: the height decides.
  EXPECT_EQ(FitPicture(kW, kH, 2000, 300), (Viewport{800, 0, 400, 300}));
}

TEST(FitPicture, DegenerateWindowsGiveAnEmptyViewport) {
  EXPECT_TRUE(FitPicture(kW, kH, 0, 0).Empty());
  EXPECT_TRUE(FitPicture(kW, kH, 1, 1).Empty());  // 1 x 0.75 rounds to no row
  EXPECT_TRUE(FitPicture(kW, kH, -5, 480).Empty());
  EXPECT_TRUE(FitPicture(0, kH, 640, 480).Empty());
  EXPECT_FALSE(FitPicture(kW, kH, 4, 3).Empty());
}

TEST(WindowToPicture, WholeScaleMapsEachBlockToItsPixel) {
  const Viewport view{320, 60, 1280, 960};
  EXPECT_EQ(WindowToPicture(view, kW, kH, 320, 60), (PicturePoint{0, 0}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 321, 61), (PicturePoint{0, 0}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 322, 62), (PicturePoint{1, 1}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 1598, 1018), (PicturePoint{639, 479}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 1599, 1019), (PicturePoint{639, 479}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 1597, 1017), (PicturePoint{638, 478}));
}

TEST(WindowToPicture, PointsOnTheBarsClampToTheNearestEdge) {
  const Viewport view{320, 60, 1280, 960};
  EXPECT_EQ(WindowToPicture(view, kW, kH, 0, 0), (PicturePoint{0, 0}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 319, 500), (PicturePoint{0, 220}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 1600, 500), (PicturePoint{639, 220}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 1919, 1079), (PicturePoint{639, 479}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 700, 59), (PicturePoint{190, 0}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 700, 1020), (PicturePoint{190, 479}));
  // Outside the window altogether (a drag that left it).
  EXPECT_EQ(WindowToPicture(view, kW, kH, -100, 5000), (PicturePoint{0, 479}));
}

TEST(WindowToPicture, FractionalShrinkReachesBothEdges) {
  const Viewport view{0, 120, 320, 240};
  EXPECT_EQ(WindowToPicture(view, kW, kH, 0, 120), (PicturePoint{1, 1}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 319, 359), (PicturePoint{639, 479}));
  EXPECT_EQ(WindowToPicture(view, kW, kH, 160, 240), (PicturePoint{321, 241}));
}

TEST(WindowToPicture, EmptyViewportGivesTheOrigin) {
  EXPECT_EQ(WindowToPicture(Viewport{}, kW, kH, 50, 50), (PicturePoint{0, 0}));
}

// What a click sees must be what the scaler drew there, for every window pixel.
class ScaleNearestAgreesWithMapping : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ScaleNearestAgreesWithMapping, EveryTargetPixel) {
  const auto [w, h] = GetParam();
  const std::vector<std::uint32_t> picture = Pattern(kW, kH);
  constexpr std::uint32_t kSentinel = 0xDEADBEEFu;
  Target target(w, h, 3, kSentinel);
  const Viewport view = FitPicture(kW, kH, w, h);
  ScaleNearest(picture.data(), kW, kH, target.pixels.data(), w, h, target.PitchBytes(), view, 0);

  int mismatches = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool inside = x >= view.x && x < view.x + view.w && y >= view.y && y < view.y + view.h;
      std::uint32_t expected = 0;
      if (inside) {
        const PicturePoint p = WindowToPicture(view, kW, kH, x, y);
        expected = picture[static_cast<std::size_t>(p.y * kW + p.x)];
      }
      if (target.At(x, y) != expected && ++mismatches <= 5) {
        ADD_FAILURE() << "at " << x << "," << y << " got " << std::hex << target.At(x, y)
                      << " want " << expected;
      }
    }
    for (int pad = w; pad < target.pitchPixels; ++pad) {
      ASSERT_EQ(target.At(pad, y), kSentinel) << "row padding written at row " << y;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, ScaleNearestAgreesWithMapping,
                         testing::Values(std::pair{640, 480}, std::pair{1920, 1080},
                                         std::pair{1366, 768}, std::pair{1280, 1024},
                                         std::pair{3840, 2160}, std::pair{800, 600},
                                         std::pair{639, 479}, std::pair{320, 240},
                                         std::pair{333, 250}, std::pair{500, 500},
                                         std::pair{7, 3}));

TEST(ScaleNearest, WholeScaleShowsEveryPixelAsAnEqualBlock) {
  constexpr int kPw = 5;
  constexpr int kPh = 3;
  const std::vector<std::uint32_t> picture = Pattern(kPw, kPh);
  Target target(17, 11, 0, 0x12345678u);
  const Viewport view = FitPicture(kPw, kPh, 17, 11);
  ASSERT_EQ(view, (Viewport{1, 1, 15, 9}));  // 3x
  ScaleNearest(picture.data(), kPw, kPh, target.pixels.data(), 17, 11, target.PitchBytes(), view,
               0);
  std::vector<int> seen(picture.size(), 0);
  for (int y = view.y; y < view.y + view.h; ++y) {
    for (int x = view.x; x < view.x + view.w; ++x) {
      const std::uint32_t v = target.At(x, y);
      const int px = static_cast<int>(v >> 12);
      const int py = static_cast<int>(v & 0xFFF);
      ASSERT_EQ(px, (x - view.x) / 3);
      ASSERT_EQ(py, (y - view.y) / 3);
      ++seen[static_cast<std::size_t>(py * kPw + px)];
    }
  }
  for (int count : seen) EXPECT_EQ(count, 9);
}

TEST(ScaleNearest, OpaqueBitsReachPictureAndBars) {
  constexpr std::uint32_t kOpaque = 0xFF000000u;
  const std::vector<std::uint32_t> picture = Pattern(kW, kH);
  for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{640, 480}, std::pair{400, 400}}) {
    Target target(w, h, 0, 0);
    const Viewport view = FitPicture(kW, kH, w, h);
    ScaleNearest(picture.data(), kW, kH, target.pixels.data(), w, h, target.PitchBytes(), view,
                 kOpaque);
    EXPECT_EQ(target.At(0, 0), kOpaque) << w << "x" << h;
    const PicturePoint mid = WindowToPicture(view, kW, kH, view.x + view.w / 2, view.y + 1);
    EXPECT_EQ(target.At(view.x + view.w / 2, view.y + 1),
              picture[static_cast<std::size_t>(mid.y * kW + mid.x)] | kOpaque);
    for (std::uint32_t v : target.pixels) ASSERT_EQ(v & kOpaque, kOpaque);
  }
}

TEST(ScaleNearest, EmptyViewportPaintsAllBlack) {
  const std::vector<std::uint32_t> picture = Pattern(kW, kH);
  Target target(1, 2, 1, 0xAAAAAAAAu);
  ASSERT_TRUE(FitPicture(kW, kH, 1, 2).Empty());
  ScaleNearest(picture.data(), kW, kH, target.pixels.data(), 1, 2, target.PitchBytes(),
               FitPicture(kW, kH, 1, 2), 0);
  EXPECT_EQ(target.At(0, 0), 0u);
  EXPECT_EQ(target.At(0, 1), 0u);
  EXPECT_EQ(target.At(1, 0), 0xAAAAAAAAu);
}

}  // namespace
}  // namespace platform::sdl
