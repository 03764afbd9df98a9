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
// the format's depth and the pixels as shown, or when not exact (more colours
// than the palette holds) at least the key exactly where the picture is transparent.
void RoundTrip(const Picture& at, int width, int height, databuild::PictureFormat format,
               bool exact) {
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
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t got = pixels[static_cast<std::size_t>(i)];
    const std::uint32_t shown = Shown(at(i % width, i / width), format.keyed);
    EXPECT_EQ(exact ? got : got == display::kColorKey, exact ? shown : shown == display::kColorKey)
        << "pixel " << i;
  }
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
      RoundTrip(few, width, 3, format, true);
    }
    // 18 colours for 16 entries: the box left whole holds the three round the
    // key, and averages to it. Then black with alphas either side of the threshold.
    const Picture crowd = [](int x, int y) -> Rgba {
      const int i = y * 8 + x;
      const std::uint8_t alphas[] = {0, 127, 128, 255};
      const std::array<Rgba, 4> nearKey = {Rgba{0, 255, 1, 255}, Rgba{1, 255, 0, 255},
                                           Rgba{0, 254, 0, 255}, Rgba{0, 254, 0, 255}};
      if (i >= 18) return {0, 0, 0, alphas[i % 4]};
      if (i >= 14) return nearKey[static_cast<std::size_t>(i - 14)];
      return {static_cast<std::uint8_t>(40 + i % 2 * 200), static_cast<std::uint8_t>(i / 2 * 30),
              static_cast<std::uint8_t>(i % 3 * 100), 255};
    };
    SCOPED_TRACE(name);
    RoundTrip(crowd, 8, 4, format, false);
  }
}

}  // namespace
