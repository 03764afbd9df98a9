// Where the picture sits in a window and which picture pixel each window pixel
// shows: a click must land on what is drawn under it.
#include "platform/sdl/surface_paint.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/system.h"

namespace platform::sdl {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Centre sampling reaches both edges of a shrink. (Whole scales and the bars
// show in the backend's pictures on the screen and its mouse moves.)
TEST(WindowToPicture, AShrinkSamplesTheMiddleOfEachPixel) {
  const Viewport half{0, 120, 320, 240};
  EXPECT_EQ(WindowToPicture(half, 640, 480, 0, 120), (PicturePoint{1, 1}));
  EXPECT_EQ(WindowToPicture(half, 640, 480, 319, 359), (PicturePoint{639, 479}));
  EXPECT_EQ(WindowToPicture(half, 640, 480, 160, 240), (PicturePoint{321, 241}));
  EXPECT_EQ(WindowToPicture({}, 640, 480, 50, 50), (PicturePoint{0, 0})) << "no window";
}

TEST(PaintPicture, TheLargestWholeScaleElseShrinkCentredEachPixelShowingWhatItMapsTo) {
  std::vector<std::uint32_t> picture(640 * 480);
  for (std::uint32_t i = 0; i < picture.size(); ++i) picture[i] = (i % 640) << 12 | i / 640;
  constexpr std::uint32_t kUntouched = 0x5A5A5A5Au;
  const struct {
    int w, h;
    std::uint32_t format;  // ARGB: alpha set; ABGR: SDL's blitter, not ours
    int padding;           // pixels past each row's end
    Viewport view;
  } rows[] = {
      {640, 480, SDL_PIXELFORMAT_XRGB8888, 3, {0, 0, 640, 480}},
      {1920, 1080, SDL_PIXELFORMAT_XRGB8888, 0, {320, 60, 1280, 960}},  // the height decides
      {1279, 959, SDL_PIXELFORMAT_XRGB8888, 1, {319, 239, 640, 480}},   // just below 2x
      {639, 480, SDL_PIXELFORMAT_XRGB8888, 2, {0, 0, 639, 479}},        // just below 1x
      {640, 100, SDL_PIXELFORMAT_XRGB8888, 1, {253, 0, 133, 100}},
      {2000, 300, SDL_PIXELFORMAT_ARGB8888, 0, {800, 0, 400, 300}},  // wide enough, too short
      {640, 480, SDL_PIXELFORMAT_ARGB8888, 1, {0, 0, 640, 480}},
      {1, 1, SDL_PIXELFORMAT_XRGB8888, 1, {}},  // too small for a row: all black
      {1920, 1080, SDL_PIXELFORMAT_ABGR8888, 1, {320, 60, 1280, 960}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.w) + "x" + std::to_string(row.h) + " " +
                 SDL_GetPixelFormatName(row.format));
    const int pitch = row.w + row.padding;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(pitch * row.h), kUntouched);
    SurfacePtr target(
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), row.w, row.h, 32, pitch * 4, row.format),
        &SDL_FreeSurface);
    const Viewport view = PaintPicture(picture.data(), target.get());
    ASSERT_EQ(view, row.view);
    SurfacePtr shown(SDL_ConvertSurfaceFormat(target.get(), SDL_PIXELFORMAT_XRGB8888, 0),
                     &SDL_FreeSurface);
    int wrong = 0;
    for (int y = 0; y < row.h; ++y) {
      const auto* line = static_cast<const std::uint32_t*>(shown->pixels) + y * shown->pitch / 4;
      for (int x = 0; x < pitch; ++x) {
        const std::uint32_t raw = pixels[static_cast<std::size_t>(y * pitch + x)];
        if (x >= row.w) {
          wrong += raw != kUntouched;
          continue;
        }
        const bool inside =
            x >= view.x && x < view.x + view.w && y >= view.y && y < view.y + view.h;
        const PicturePoint p = WindowToPicture(view, 640, 480, x, y);
        const std::uint32_t want = inside ? picture[static_cast<std::size_t>(p.y * 640 + p.x)] : 0;
        wrong += (line[x] & 0xFFFFFF) != want ||
                 (row.format == SDL_PIXELFORMAT_ARGB8888 && raw >> 24 != 0xFF);
      }
    }
    EXPECT_EQ(wrong, 0);
  }
  EXPECT_TRUE(PaintPicture(picture.data(), nullptr).Empty());
}

}  // namespace
}  // namespace platform::sdl
