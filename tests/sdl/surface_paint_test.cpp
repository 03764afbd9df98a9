#include "platform/sdl/surface_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform::sdl {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr MakeSurface(int w, int h, std::uint32_t format) {
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format), &SDL_FreeSurface);
}

std::vector<std::uint32_t> Picture() {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kScreenWidth) * kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      // Distinct in every channel so a swapped channel shows.
      pixels[static_cast<std::size_t>(y * kScreenWidth + x)] =
          static_cast<std::uint32_t>(((x & 0xFF) << 16) | ((y & 0xFF) << 8) | ((x + y) & 0xFF));
    }
  }
  return pixels;
}

// The picture in XRGB8888 as any target shows it, read back through SDL's converter.
std::vector<std::uint32_t> ReadBack(SDL_Surface* surface) {
  SurfacePtr plain(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_XRGB8888, 0),
                   &SDL_FreeSurface);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(surface->w) *
                                 static_cast<std::size_t>(surface->h));
  for (int y = 0; y < plain->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(plain->pixels) + y * plain->pitch);
    for (int x = 0; x < plain->w; ++x) {
      out[static_cast<std::size_t>(y * plain->w + x)] = row[x] & 0x00FFFFFFu;
    }
  }
  return out;
}

std::vector<std::uint32_t> Expected(const std::vector<std::uint32_t>& picture, int w, int h) {
  const Viewport view = FitPicture(kScreenWidth, kScreenHeight, w, h);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  for (int y = view.y; y < view.y + view.h; ++y) {
    for (int x = view.x; x < view.x + view.w; ++x) {
      const PicturePoint p = WindowToPicture(view, kScreenWidth, kScreenHeight, x, y);
      out[static_cast<std::size_t>(y * w + x)] =
          picture[static_cast<std::size_t>(p.y * kScreenWidth + p.x)];
    }
  }
  return out;
}

std::size_t Mismatches(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) ++count;
  }
  return count + (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

TEST(IsDirectFormat, OnlyTheTwo32BitRgbOrders) {
  std::uint32_t opaque = 7;
  EXPECT_TRUE(IsDirectFormat(SDL_PIXELFORMAT_XRGB8888, opaque));
  EXPECT_EQ(opaque, 0u);
  EXPECT_TRUE(IsDirectFormat(SDL_PIXELFORMAT_ARGB8888, opaque));
  EXPECT_EQ(opaque, 0xFF000000u);
  EXPECT_FALSE(IsDirectFormat(SDL_PIXELFORMAT_ABGR8888, opaque));
  EXPECT_FALSE(IsDirectFormat(SDL_PIXELFORMAT_XBGR8888, opaque));
  EXPECT_FALSE(IsDirectFormat(SDL_PIXELFORMAT_RGB565, opaque));
}

class PaintPictureOn : public testing::TestWithParam<std::uint32_t> {};

TEST_P(PaintPictureOn, WholeScaleMatchesTheMappingExactly) {
  const std::vector<std::uint32_t> picture = Picture();
  SurfacePtr target = MakeSurface(1920, 1080, GetParam());
  ASSERT_NE(target, nullptr) << SDL_GetError();
  SDL_FillRect(target.get(), nullptr, SDL_MapRGB(target->format, 0xFF, 0xFF, 0xFF));
  const Viewport view = PaintPicture(picture.data(), target.get());
  EXPECT_EQ(view, FitPicture(kScreenWidth, kScreenHeight, 1920, 1080));
  EXPECT_EQ(Mismatches(ReadBack(target.get()), Expected(picture, 1920, 1080)), 0u);
}

TEST_P(PaintPictureOn, ShrinkKeepsBlackBarsAndOnlyPicturePixels) {
  const std::vector<std::uint32_t> picture = Picture();
  SurfacePtr target = MakeSurface(400, 400, GetParam());
  ASSERT_NE(target, nullptr) << SDL_GetError();
  SDL_FillRect(target.get(), nullptr, SDL_MapRGB(target->format, 0xFF, 0xFF, 0xFF));
  const Viewport view = PaintPicture(picture.data(), target.get());
  ASSERT_EQ(view, FitPicture(kScreenWidth, kScreenHeight, 400, 400));
  const std::vector<std::uint32_t> shown = ReadBack(target.get());
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      const std::uint32_t v = shown[static_cast<std::size_t>(y * 400 + x)];
      if (y < view.y || y >= view.y + view.h) {
        ASSERT_EQ(v, 0u) << x << "," << y;
        continue;
      }
      // SDL's blitter may round a shrink one source pixel differently from
      // ours; either way the pixel comes from the picture near its place.
      const PicturePoint p = WindowToPicture(view, kScreenWidth, kScreenHeight, x, y);
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy) {
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          const int px = std::clamp(p.x + dx, 0, kScreenWidth - 1);
          const int py = std::clamp(p.y + dy, 0, kScreenHeight - 1);
          near = v == picture[static_cast<std::size_t>(py * kScreenWidth + px)];
        }
      }
      ASSERT_TRUE(near) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, PaintPictureOn,
                         testing::Values(SDL_PIXELFORMAT_XRGB8888, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_PIXELFORMAT_ABGR8888, SDL_PIXELFORMAT_XBGR8888),
                         [](const testing::TestParamInfo<std::uint32_t>& param) {
                           // "SDL_PIXELFORMAT_RGB888" -> "RGB888"
                           return std::string(SDL_GetPixelFormatName(param.param) + 16);
                         });

TEST(PaintPicture, ArgbTargetIsOpaqueEverywhere) {
  const std::vector<std::uint32_t> picture = Picture();
  SurfacePtr target = MakeSurface(1000, 700, SDL_PIXELFORMAT_ARGB8888);
  PaintPicture(picture.data(), target.get());
  for (int y = 0; y < target->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(target->pixels) + y * target->pitch);
    for (int x = 0; x < target->w; ++x) ASSERT_EQ(row[x] >> 24, 0xFFu) << x << "," << y;
  }
}

TEST(PaintPicture, SixteenBitTargetGoesThroughSdl) {
  const std::vector<std::uint32_t> picture(static_cast<std::size_t>(kScreenWidth) * kScreenHeight,
                                           0x00FF0000u);
  SurfacePtr target(SDL_CreateRGBSurfaceWithFormat(0, 1280, 960, 16, SDL_PIXELFORMAT_RGB565),
                    &SDL_FreeSurface);
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(PaintPicture(picture.data(), target.get()), (Viewport{0, 0, 1280, 960}));
  const auto* first = static_cast<const std::uint16_t*>(target->pixels);
  EXPECT_EQ(first[0], 0xF800u);  // pure red in 5-6-5
}

TEST(PaintPicture, NothingToPaintOnMissingOrEmptySurfaces) {
  const std::vector<std::uint32_t> picture = Picture();
  EXPECT_TRUE(PaintPicture(picture.data(), nullptr).Empty());
  SurfacePtr tiny = MakeSurface(1, 1, SDL_PIXELFORMAT_XRGB8888);
  *static_cast<std::uint32_t*>(tiny->pixels) = 0x123456u;
  EXPECT_TRUE(PaintPicture(picture.data(), tiny.get()).Empty());
  EXPECT_EQ(*static_cast<std::uint32_t*>(tiny->pixels), 0u);  // still cleared to black
}

}  // namespace
}  // namespace platform::sdl
