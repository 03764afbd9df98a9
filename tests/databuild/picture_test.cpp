#include "tools/databuild/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "display/bmp_reader.h"
#include "display/surface.h"

namespace {

using databuild::PictureFormat;
using databuild::RgbaImage;

RgbaImage Blank(int width, int height) {
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 255);
  return image;
}

void Set(RgbaImage& image, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
         std::uint8_t a = 255) {
  std::uint8_t* p =
      &image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                   static_cast<std::size_t>(x)) *
                  4];
  p[0] = r;
  p[1] = g;
  p[2] = b;
  p[3] = a;
}

std::uint8_t Alpha(const RgbaImage& image, std::size_t i) {
  return image.rgba[i * 4 + 3];
}

std::uint32_t Rgb(const RgbaImage& image, std::size_t i) {
  const std::uint8_t* p = &image.rgba[i * 4];
  return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
}

// Many colours clustered round the key, so the quantiser has to average near it.
RgbaImage GreenHeavy(int width, int height, bool withHoles) {
  RgbaImage image = Blank(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto r = static_cast<std::uint8_t>((x * 7) % 3);
      const auto g = static_cast<std::uint8_t>(250 + (x + y) % 6);
      const auto b = static_cast<std::uint8_t>((y * 5) % 3);
      // Alpha steps across the threshold: 0, 127, 128, 255, ...
      const std::uint8_t alphas[] = {0, 127, 128, 255, 255, 255};
      Set(image, x, y, r, g, b, withHoles ? alphas[(x + 2 * y) % 6] : 255);
    }
  }
  Set(image, 0, 0, 0, 255, 0, 255);  // exactly the key, opaque
  return image;
}

display::BmpPicture Decode(const std::vector<std::uint8_t>& bytes, int* bitCount = nullptr,
                           std::uint32_t* paletteEntries = nullptr) {
  display::MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  EXPECT_TRUE(reader.ReadHeaders()) << static_cast<int>(reader.Error());
  if (bitCount != nullptr) *bitCount = reader.BitCount();
  if (paletteEntries != nullptr) *paletteEntries = reader.PaletteEntries();
  display::BmpPicture picture;
  picture.width = reader.Width();
  picture.height = reader.Height();
  picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                        static_cast<std::size_t>(picture.height));
  EXPECT_TRUE(reader.ReadPixels(picture.pixels.data(), static_cast<std::size_t>(picture.width)));
  return picture;
}

TEST(PictureFormat, NamesMapToBitsAndKey) {
  EXPECT_EQ(databuild::ParsePictureFormat("bmp8")->bits, 8);
  EXPECT_FALSE(databuild::ParsePictureFormat("bmp8")->keyed);
  EXPECT_TRUE(databuild::ParsePictureFormat("bmp8k")->keyed);
  EXPECT_EQ(databuild::ParsePictureFormat("bmp4k")->bits, 4);
  EXPECT_EQ(databuild::ParsePictureFormat("bmp24")->bits, 24);
  EXPECT_FALSE(databuild::ParsePictureFormat("bmp24k"));
  EXPECT_FALSE(databuild::ParsePictureFormat("BMP8"));
  EXPECT_FALSE(databuild::ParsePictureFormat(""));
}

// The key rule for every format: a pixel reads back as the key exactly when it
// was transparent (alpha below 128) in a keyed picture.
TEST(KeyRule, OnlyTransparentPixelsBecomeTheKey) {
  for (const char* name : {"bmp4k", "bmp8k", "bmp4", "bmp8", "bmp24"}) {
    SCOPED_TRACE(name);
    const PictureFormat format = *databuild::ParsePictureFormat(name);
    const RgbaImage image = GreenHeavy(37, 11, format.keyed);
    const display::BmpPicture picture = Decode(databuild::EncodePicture(image, format));
    ASSERT_EQ(picture.width, 37);
    ASSERT_EQ(picture.height, 11);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
      const bool transparent = format.keyed && Alpha(image, i) < databuild::kAlphaThreshold;
      EXPECT_EQ(picture.pixels[i] == display::kColorKey, transparent) << "pixel " << i;
    }
  }
}

TEST(KeyRule, AnOpaqueKeyColouredPixelIsNudged) {
  RgbaImage image = Blank(3, 1);
  Set(image, 0, 0, 0, 255, 0);
  Set(image, 1, 0, 0, 255, 0, 0);  // transparent
  Set(image, 2, 0, 10, 20, 30);
  for (const char* name : {"bmp8k", "bmp4k", "bmp8", "bmp24"}) {
    SCOPED_TRACE(name);
    const PictureFormat format = *databuild::ParsePictureFormat(name);
    const display::BmpPicture picture = Decode(databuild::EncodePicture(image, format));
    EXPECT_EQ(picture.pixels[0], 0x0000FE00u);
    EXPECT_EQ(picture.pixels[1], format.keyed ? display::kColorKey : 0x0000FE00u);
    EXPECT_EQ(picture.pixels[2], 0x000A141Eu);
  }
}

TEST(Quantise, KeyOwnsIndexZeroAndNoOtherEntry) {
  const RgbaImage image = GreenHeavy(64, 16, true);
  for (const int bits : {4, 8}) {
    const databuild::IndexedImage indexed = databuild::Quantise(image, PictureFormat{bits, true});
    ASSERT_LE(indexed.palette.size(), std::size_t{1} << bits);
    EXPECT_EQ(indexed.palette[0], databuild::kKeyColour);
    for (std::size_t p = 1; p < indexed.palette.size(); ++p) {
      EXPECT_NE(indexed.palette[p], databuild::kKeyColour) << "entry " << p;
    }
    for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
      EXPECT_EQ(indexed.indices[i] == 0, Alpha(image, i) < databuild::kAlphaThreshold);
    }
  }
}

TEST(Quantise, FewColoursAreKeptExactly) {
  RgbaImage image = Blank(5, 3);
  const std::uint8_t shades[][3] = {{1, 2, 3}, {200, 100, 50}, {0, 0, 0}, {255, 255, 255}};
  for (int i = 0; i < 15; ++i) {
    const std::uint8_t* s = shades[i % 4];
    Set(image, i % 5, i / 5, s[0], s[1], s[2]);
  }
  for (const char* name : {"bmp4", "bmp8"}) {
    const display::BmpPicture picture =
        Decode(databuild::EncodePicture(image, *databuild::ParsePictureFormat(name)));
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
      EXPECT_EQ(picture.pixels[i], Rgb(image, i)) << name << " pixel " << i;
    }
  }
}

TEST(Quantise, ManyColoursFitThePaletteAndStayClose) {
  RgbaImage image = Blank(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      Set(image, x, y, static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4),
          static_cast<std::uint8_t>(128 + (x - y) / 2));
    }
  }
  const databuild::IndexedImage indexed = databuild::Quantise(image, PictureFormat{8, false});
  EXPECT_EQ(indexed.palette.size(), 256u);
  std::set<std::uint8_t> used(indexed.indices.begin(), indexed.indices.end());
  EXPECT_GT(used.size(), 200u);
  // Dithering keeps each 4x4 block's average near the original.
  for (int by = 0; by < 64; by += 4) {
    for (int bx = 0; bx < 64; bx += 4) {
      for (std::size_t c = 0; c < 3; ++c) {
        int want = 0, got = 0;
        for (int y = by; y < by + 4; ++y) {
          for (int x = bx; x < bx + 4; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * 64 + x);
            want += image.rgba[i * 4 + c];
            got += indexed.palette[indexed.indices[i]][c];
          }
        }
        EXPECT_NEAR(got / 16, want / 16, 12) << "block " << bx << "," << by;
      }
    }
  }
}

TEST(Quantise, IsDeterministic) {
  const RgbaImage image = GreenHeavy(50, 20, false);
  EXPECT_EQ(databuild::EncodePicture(image, PictureFormat{4, false}),
            databuild::EncodePicture(image, PictureFormat{4, false}));
}

TEST(BmpWriter, EveryDepthAndRowPaddingDecodesWithTheEngineReader) {
  for (const char* name : {"bmp4", "bmp4k", "bmp8", "bmp8k", "bmp24"}) {
    for (int width = 1; width <= 9; ++width) {
      SCOPED_TRACE(std::string(name) + " width " + std::to_string(width));
      const PictureFormat format = *databuild::ParsePictureFormat(name);
      RgbaImage image = Blank(width, 3);
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < width; ++x) {
          // Eight colours at most, so even 4 bits with a key keep them exactly.
          Set(image, x, y, static_cast<std::uint8_t>((x % 2) * 200),
              static_cast<std::uint8_t>(y * 60), static_cast<std::uint8_t>((x / 2 % 2) * 90));
        }
      }
      const std::vector<std::uint8_t> bytes = databuild::EncodePicture(image, format);
      int bits = 0;
      std::uint32_t entries = 0;
      const display::BmpPicture picture = Decode(bytes, &bits, &entries);
      EXPECT_EQ(bits, format.bits);
      const std::uint32_t rowBytes =
          ((static_cast<std::uint32_t>(width * format.bits) + 31) / 32) * 4;
      EXPECT_EQ(bytes.size(), 54 + entries * 4 + rowBytes * 3);
      EXPECT_EQ(bytes[14], 40);  // BITMAPINFOHEADER
      if (format.bits == 24) {
        EXPECT_EQ(entries, 0u);
      } else {
        const std::set<std::uint32_t> colours(picture.pixels.begin(), picture.pixels.end());
        EXPECT_EQ(entries, colours.size() + (format.keyed ? 1 : 0));  // biClrUsed = palette size
      }
      for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        EXPECT_EQ(picture.pixels[i], Rgb(image, i)) << "pixel " << i;
      }
      // The builder's own reader agrees with the engine's.
      const std::optional<RgbaImage> back = databuild::DecodeBmp(bytes);
      ASSERT_TRUE(back);
      for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        EXPECT_EQ(Rgb(*back, i), picture.pixels[i]);
    }
  }
}

TEST(BmpWriter, OwnReaderRefusesWhatItCannotRead) {
  EXPECT_FALSE(databuild::DecodeBmp({}));
  std::vector<std::uint8_t> bytes = databuild::EncodePicture(Blank(4, 4), PictureFormat{8, false});
  bytes.resize(bytes.size() - 1);
  EXPECT_FALSE(databuild::DecodeBmp(bytes));
}

}  // namespace
