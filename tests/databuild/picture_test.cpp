// The builder's pictures read back through the engine's own BMP reader.
#include "tools/databuild/picture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "display/bmp_reader.h"
#include "display/surface.h"

namespace {

using Rgba = std::array<std::uint8_t, 4>;
using Picture = std::function<Rgba(int, int)>;

// What the engine must show for a pixel: the key where a keyed picture is
// transparent, and an opaque pixel of the key's colour nudged so it still shows.
std::uint32_t Shown(const Rgba& p, bool keyed) {
  if (keyed && p[3] < databuild::kAlphaThreshold) return display::kColorKey;
  const std::uint32_t rgb = std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
  return rgb == display::kColorKey ? 0x00FE00u : rgb;
}

// The picture encoded in the format, then read by the engine, which must see
// the format's depth.
std::vector<std::uint32_t> RoundTrip(const Picture& at, int width, int height,
                                     databuild::PictureFormat format) {
  databuild::RgbaImage image{width, height, {}};
  for (int i = 0; i < width * height; ++i) {
    const Rgba p = at(i % width, i / width);
    image.rgba.insert(image.rgba.end(), p.begin(), p.end());
  }
  const std::vector<std::uint8_t> bytes = databuild::EncodePicture(image, format);
  display::MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  EXPECT_TRUE(reader.ReadHeaders()) << static_cast<int>(reader.Error());
  EXPECT_EQ(reader.BitCount(), format.bits);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  EXPECT_TRUE(reader.ReadPixels(pixels.data(), static_cast<std::size_t>(width)));
  return pixels;
}

TEST(Picture, EveryFormatReadsBackThroughTheEngineWithOnlyTransparentPixelsKeyed) {
  for (const char* name : {"bmp4", "bmp4k", "bmp8", "bmp8k", "bmp24"}) {
    const databuild::PictureFormat format = *databuild::ParsePictureFormat(name);
    // Few colours are kept exactly, whatever the padding of a row.
    for (int width = 1; width <= 9; ++width) {
      SCOPED_TRACE(std::string(name) + " width " + std::to_string(width));
      const Picture few = [width](int x, int y) -> Rgba {
        if (x == 0 && y == 0) return {10, 20, 30, 0};
        if (x == width - 1 && y == 2) return {0, 255, 0, 255};
        return {static_cast<std::uint8_t>(x % 2 * 200), static_cast<std::uint8_t>(y * 60),
                static_cast<std::uint8_t>(x / 2 % 2 * 90), 255};
      };
      const std::vector<std::uint32_t> pixels = RoundTrip(few, width, 3, format);
      for (int i = 0; i < width * 3; ++i) {
        EXPECT_EQ(pixels[static_cast<std::size_t>(i)],
                  Shown(few(i % width, i / width), format.keyed));
      }
    }
    // Many colours round the key: averages land near it, yet no opaque pixel
    // may turn into it, dithered or not.
    const Picture green = [](int x, int y) -> Rgba {
      const std::uint8_t alphas[] = {0, 127, 128, 255, 255, 255};
      if (x == 1 && y == 1) return {0, 255, 0, 255};
      return {static_cast<std::uint8_t>(x * 7 % 3), static_cast<std::uint8_t>(250 + (x + y) % 6),
              static_cast<std::uint8_t>(y * 5 % 3), alphas[(x + 2 * y) % 6]};
    };
    const std::vector<std::uint32_t> pixels = RoundTrip(green, 64, 16, format);
    for (int i = 0; i < 64 * 16; ++i) {
      EXPECT_EQ(pixels[static_cast<std::size_t>(i)] == display::kColorKey,
                Shown(green(i % 64, i / 64), format.keyed) == display::kColorKey)
          << name << " pixel " << i;
    }
  }
}

}  // namespace
