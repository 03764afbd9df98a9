#include "display/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "display/surface.h"
#include "tests/support/bmp_builder.h"

namespace {

using cellwright_test::BmpPlan;
using cellwright_test::WriteBmp;
using display::BmpError;
using display::BmpPicture;
using display::MemorySource;

// Hides the length of its data, as a stream would, and records how it is read.
class CountingSource final : public display::ByteSource {
 public:
  explicit CountingSource(const std::vector<std::uint8_t>& bytes)
      : inner_(bytes.data(), bytes.size()) {}
  std::uint32_t Read(void* dst, std::uint32_t count) override {
    if (sawShortRead_) ++callsAfterShortRead_;
    const std::uint32_t n = inner_.Read(dst, count);
    if (n < count) sawShortRead_ = true;
    consumed_ += n;
    return n;
  }
  std::size_t Consumed() const { return consumed_; }
  int CallsAfterShortRead() const { return callsAfterShortRead_; }

 private:
  MemorySource inner_;
  std::size_t consumed_ = 0;
  bool sawShortRead_ = false;
  int callsAfterShortRead_ = 0;
};

std::optional<BmpPicture> Decode(const std::vector<std::uint8_t>& bytes,
                                 BmpError* error = nullptr) {
  MemorySource source(bytes.data(), bytes.size());
  return display::ReadBmp(source, error);
}

std::optional<BmpPicture> DecodeUnsized(const std::vector<std::uint8_t>& bytes,
                                        BmpError* error = nullptr) {
  CountingSource source(bytes);
  return display::ReadBmp(source, error);
}

std::uint32_t PaletteColour(std::uint32_t i) {
  return 0x00400000u | (i << 8) | (255u - i);
}

std::vector<std::uint32_t> Palette(std::uint32_t entries) {
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < entries; ++i) palette.push_back(PaletteColour(i));
  return palette;
}

// Distinct 0x00RRGGBB values that avoid the colour key.
std::vector<std::uint32_t> TrueColours(int count) {
  std::vector<std::uint32_t> colours;
  for (int i = 0; i < count; ++i) {
    const auto u = static_cast<std::uint32_t>(i);
    colours.push_back(((u * 37u) & 0xFF) << 16 | ((u * 11u + 3u) & 0x7F) << 8 | (u & 0xFF));
  }
  return colours;
}

std::vector<std::uint32_t> Indices(int count, std::uint32_t modulo) {
  std::vector<std::uint32_t> indices;
  for (int i = 0; i < count; ++i) indices.push_back(static_cast<std::uint32_t>(i * 7 + 1) % modulo);
  return indices;
}

// The colours a reader should produce for plan's pixels.
std::vector<std::uint32_t> Expected(const BmpPlan& plan) {
  if (plan.bitCount == 24) return plan.pixels;
  std::vector<std::uint32_t> out;
  const std::size_t entries =
      plan.colorsUsed != 0 ? plan.colorsUsed : std::size_t{1} << plan.bitCount;
  for (std::uint32_t index : plan.pixels) {
    out.push_back(index < entries && index < plan.palette.size() ? plan.palette[index] : 0u);
  }
  return out;
}

// --- row padding -----------------------------------------------------------------

struct PaddingCase {
  int bitCount;
  std::size_t rowBytes;
};

class BmpRowPadding : public ::testing::TestWithParam<PaddingCase> {};

TEST_P(BmpRowPadding, NinePixelRowsArePaddedToFourBytes) {
  const PaddingCase c = GetParam();
  BmpPlan plan;
  plan.width = 9;
  plan.height = 3;
  plan.bitCount = c.bitCount;
  if (c.bitCount == 24) {
    plan.pixels = TrueColours(27);
  } else {
    plan.palette = Palette(16);
    plan.colorsUsed = 16;
    plan.pixels = Indices(27, 16);
  }
  const auto bytes = WriteBmp(plan);
  ASSERT_EQ(bytes.size(), 54 + plan.palette.size() * 4 + 3 * c.rowBytes);

  CountingSource source(bytes);
  display::BmpReader reader(source);
  ASSERT_TRUE(reader.ReadHeaders());
  EXPECT_EQ(reader.RowBytes(), c.rowBytes);
  std::vector<std::uint32_t> pixels(27);
  ASSERT_TRUE(reader.ReadPixels(pixels.data(), 9));
  EXPECT_EQ(pixels, Expected(plan));
  EXPECT_EQ(source.Consumed(), bytes.size());

  // The padding of the last row belongs to the picture.
  auto shortened = bytes;
  shortened.pop_back();
  BmpError error = BmpError::None;
  EXPECT_FALSE(Decode(shortened, &error));
  EXPECT_EQ(error, BmpError::Truncated);
}

INSTANTIATE_TEST_SUITE_P(Bits, BmpRowPadding,
                         ::testing::Values(PaddingCase{4, 8}, PaddingCase{8, 12},
                                           PaddingCase{24, 28}),
                         [](const auto& testInfo) {
                           return std::to_string(testInfo.param.bitCount);
                         });

TEST(BmpRows, BottomRowComesFirstInTheFile) {
  BmpPlan plan;
  plan.width = 2;
  plan.height = 3;
  plan.pixels = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666};
  const auto bytes = WriteBmp(plan);
  // The writer must really store the bottom row first for this test to mean anything.
  ASSERT_EQ(bytes[54], 0x55);
  const auto picture = Decode(bytes);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 2);
  EXPECT_EQ(picture->height, 3);
  EXPECT_EQ(picture->pixels, plan.pixels);
}

TEST(BmpRows, OddWidthFourBitUsesTheHighNibbleLast) {
  for (int width : {1, 3, 5, 7}) {
    BmpPlan plan;
    plan.width = width;
    plan.height = 2;
    plan.bitCount = 4;
    plan.palette = Palette(16);
    plan.pixels = Indices(width * 2, 16);
    plan.padByte = 0xFF;
    const auto picture = Decode(WriteBmp(plan));
    ASSERT_TRUE(picture) << width;
    EXPECT_EQ(picture->pixels, Expected(plan)) << width;
  }
}

TEST(BmpRows, PixelsLandAtThePitchGiven) {
  BmpPlan plan;
  plan.width = 3;
  plan.height = 2;
  plan.pixels = TrueColours(6);
  const auto bytes = WriteBmp(plan);
  MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  ASSERT_TRUE(reader.ReadHeaders());
  std::vector<std::uint32_t> buffer(10, 0xDEADBEEF);
  ASSERT_TRUE(reader.ReadPixels(buffer.data(), 5));
  const std::vector<std::uint32_t> expected = {
      plan.pixels[0], plan.pixels[1], plan.pixels[2], 0xDEADBEEF, 0xDEADBEEF,
      plan.pixels[3], plan.pixels[4], plan.pixels[5], 0xDEADBEEF, 0xDEADBEEF};
  EXPECT_EQ(buffer, expected);
}

TEST(BmpRows, RowsSpanningSeveralReadsStayInOrder) {
  // Wide rows (one read holds two of them) and many narrow rows both cross read batches.
  for (const auto& [width, height] : {std::pair{8192, 5}, std::pair{16, 5000}}) {
    BmpPlan plan;
    plan.width = width;
    plan.height = height;
    plan.bitCount = 8;
    plan.palette = Palette(256);
    plan.pixels = Indices(width * height, 251);
    const auto picture = Decode(WriteBmp(plan));
    ASSERT_TRUE(picture) << width;
    EXPECT_TRUE(picture->pixels == Expected(plan)) << width << "x" << height;
  }
}

TEST(BmpRows, ReadPixelsNeedsTheHeadersFirst) {
  BmpPlan plan;
  const auto bytes = WriteBmp(plan);
  MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  std::uint32_t pixel = 7;
  EXPECT_FALSE(reader.ReadPixels(&pixel, 1));
  EXPECT_EQ(pixel, 7u);
}

// --- palettes --------------------------------------------------------------------

TEST(BmpPalette, EightBitWithoutColoursUsedReadsAll256Entries) {
  BmpPlan plan;
  plan.width = 4;
  plan.height = 1;
  plan.bitCount = 8;
  plan.palette = Palette(256);
  plan.pixels = {0, 128, 254, 255};
  const auto bytes = WriteBmp(plan);
  ASSERT_EQ(bytes.size(), 54u + 1024u + 4u);
  CountingSource source(bytes);
  display::BmpReader reader(source);
  ASSERT_TRUE(reader.ReadHeaders());
  EXPECT_EQ(reader.PaletteEntries(), 256u);
  EXPECT_EQ(source.Consumed(), 54u + 1024u);
  std::vector<std::uint32_t> pixels(4);
  ASSERT_TRUE(reader.ReadPixels(pixels.data(), 4));
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{PaletteColour(0), PaletteColour(128),
                                                PaletteColour(254), PaletteColour(255)}));
}

TEST(BmpPalette, FourBitWithoutColoursUsedReads16Entries) {
  BmpPlan plan;
  plan.width = 2;
  plan.height = 1;
  plan.bitCount = 4;
  plan.palette = Palette(16);
  plan.pixels = {15, 0};
  const auto bytes = WriteBmp(plan);
  CountingSource source(bytes);
  display::BmpReader reader(source);
  ASSERT_TRUE(reader.ReadHeaders());
  EXPECT_EQ(reader.PaletteEntries(), 16u);
  EXPECT_EQ(source.Consumed(), 54u + 64u);
  std::vector<std::uint32_t> pixels(2);
  ASSERT_TRUE(reader.ReadPixels(pixels.data(), 2));
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{PaletteColour(15), PaletteColour(0)}));
}

TEST(BmpPalette, ShortPaletteReadsOnlyItsEntriesAndLaterIndicesAreBlack) {
  for (int bits : {4, 8}) {
    BmpPlan plan;
    plan.width = 6;
    plan.height = 1;
    plan.bitCount = bits;
    plan.palette = Palette(3);
    plan.colorsUsed = 3;
    plan.pixels = {0, 1, 2, 3, 15, bits == 8 ? 255u : 14u};
    const auto bytes = WriteBmp(plan);
    CountingSource source(bytes);
    display::BmpReader reader(source);
    ASSERT_TRUE(reader.ReadHeaders()) << bits;
    EXPECT_EQ(source.Consumed(), 54u + 12u) << bits;
    std::vector<std::uint32_t> pixels(6, 0xDEADBEEF);
    ASSERT_TRUE(reader.ReadPixels(pixels.data(), 6)) << bits;
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{PaletteColour(0), PaletteColour(1),
                                                  PaletteColour(2), 0, 0, 0}))
        << bits;
  }
}

TEST(BmpPalette, FullPaletteCountIsAccepted) {
  for (int bits : {4, 8}) {
    BmpPlan plan;
    plan.bitCount = bits;
    plan.palette = Palette(1u << bits);
    plan.colorsUsed = 1u << bits;
    plan.pixels = {(1u << bits) - 1};
    const auto picture = Decode(WriteBmp(plan));
    ASSERT_TRUE(picture) << bits;
    EXPECT_EQ(picture->pixels[0], PaletteColour((1u << bits) - 1)) << bits;
  }
}

TEST(BmpPalette, ReservedByteDoesNotReachThePixel) {
  BmpPlan plan;
  plan.bitCount = 8;
  plan.palette = {0x123456};
  plan.colorsUsed = 1;
  plan.paletteReserved = 0xFF;
  const auto picture = Decode(WriteBmp(plan));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels[0], 0x00123456u);
}

TEST(BmpPalette, TwentyFourBitsIgnoreColoursUsed) {
  BmpPlan plan;
  plan.width = 2;
  plan.colorsUsed = 300;
  plan.pixels = {0xABCDEF, 0x010203};
  const auto picture = Decode(WriteBmp(plan));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels, plan.pixels);
}

// --- colour key ------------------------------------------------------------------

TEST(BmpColourKey, PureGreenConvertsToTheKeyAndNeighboursDoNot) {
  BmpPlan plan;
  plan.width = 4;
  plan.pixels = {0x00FF00, 0x00FF01, 0x01FF00, 0x00FE00};
  const auto truePicture = Decode(WriteBmp(plan));
  ASSERT_TRUE(truePicture);
  EXPECT_EQ(truePicture->pixels[0], display::kColorKey);
  for (std::size_t i = 1; i < 4; ++i) EXPECT_NE(truePicture->pixels[i], display::kColorKey);

  BmpPlan indexed;
  indexed.width = 2;
  indexed.bitCount = 8;
  indexed.palette = {0x00FF00, 0x00FF01};
  indexed.colorsUsed = 2;
  indexed.pixels = {0, 1};
  const auto palettePicture = Decode(WriteBmp(indexed));
  ASSERT_TRUE(palettePicture);
  EXPECT_EQ(palettePicture->pixels[0], display::kColorKey);
  EXPECT_NE(palettePicture->pixels[1], display::kColorKey);
}

// --- refusals --------------------------------------------------------------------

struct RefusalCase {
  std::string name;
  std::function<void(BmpPlan&)> change;
  BmpError error;
};

class BmpRefusal : public ::testing::TestWithParam<RefusalCase> {};

// Each file is complete and valid apart from the one field, so the refusal
// cannot come from running out of data.
TEST_P(BmpRefusal, IsRefusedForItsReason) {
  BmpPlan plan;
  plan.width = 3;
  plan.height = 2;
  plan.bitCount = 8;
  plan.palette = Palette(4);
  plan.colorsUsed = 4;
  plan.pixels = Indices(6, 4);
  GetParam().change(plan);
  const auto bytes = WriteBmp(plan);
  for (const bool sized : {true, false}) {
    BmpError error = BmpError::None;
    const auto picture = sized ? Decode(bytes, &error) : DecodeUnsized(bytes, &error);
    EXPECT_FALSE(picture) << (sized ? "sized" : "unsized");
    EXPECT_EQ(error, GetParam().error) << (sized ? "sized" : "unsized");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BmpRefusal,
    ::testing::Values(
        RefusalCase{"OneBit", [](BmpPlan& s) { s.bitCount = 1; }, BmpError::BitCount},
        RefusalCase{"ZeroBits", [](BmpPlan& s) { s.bitCount = 0; }, BmpError::BitCount},
        RefusalCase{"SixteenBits",
                    [](BmpPlan& s) {
                      s.bitCount = 16;
                      s.palette.clear();
                      s.colorsUsed = 0;
                    },
                    BmpError::BitCount},
        RefusalCase{"ThirtyTwoBits",
                    [](BmpPlan& s) {
                      s.bitCount = 32;
                      s.palette.clear();
                      s.colorsUsed = 0;
                    },
                    BmpError::BitCount},
        RefusalCase{"Rle8", [](BmpPlan& s) { s.compression = 1; }, BmpError::Compression},
        RefusalCase{"Rle4", [](BmpPlan& s) { s.compression = 2; }, BmpError::Compression},
        RefusalCase{"Bitfields", [](BmpPlan& s) { s.compression = 3; }, BmpError::Compression},
        RefusalCase{"TopDown", [](BmpPlan& s) { s.height = -2; }, BmpError::Height},
        RefusalCase{"ZeroHeight", [](BmpPlan& s) { s.height = 0; }, BmpError::Height},
        RefusalCase{"TallerThanLimit",
                    [](BmpPlan& s) {
                      s.width = 1;
                      s.height = 8193;
                    },
                    BmpError::Height},
        RefusalCase{"ZeroWidth", [](BmpPlan& s) { s.width = 0; }, BmpError::Width},
        RefusalCase{"NegativeWidth", [](BmpPlan& s) { s.width = -3; }, BmpError::Width},
        RefusalCase{"WiderThanLimit",
                    [](BmpPlan& s) {
                      s.width = 8193;
                      s.height = 1;
                    },
                    BmpError::Width},
        RefusalCase{"FourBitPaletteOf17",
                    [](BmpPlan& s) {
                      s.bitCount = 4;
                      s.palette = Palette(17);
                      s.colorsUsed = 17;
                    },
                    BmpError::PaletteSize},
        RefusalCase{"EightBitPaletteOf257",
                    [](BmpPlan& s) {
                      s.palette = Palette(257);
                      s.colorsUsed = 257;
                    },
                    BmpError::PaletteSize},
        RefusalCase{"HugePaletteCount", [](BmpPlan& s) { s.colorsUsed = 0xFFFFFFFFu; },
                    BmpError::PaletteSize},
        RefusalCase{"CoreHeader", [](BmpPlan& s) { s.headerSize = 12; }, BmpError::HeaderSize},
        RefusalCase{"V4Header", [](BmpPlan& s) { s.headerSize = 108; }, BmpError::HeaderSize},
        RefusalCase{"V5Header", [](BmpPlan& s) { s.headerSize = 124; }, BmpError::HeaderSize},
        RefusalCase{"ZeroPlanes", [](BmpPlan& s) { s.planes = 0; }, BmpError::Planes},
        RefusalCase{"TwoPlanes", [](BmpPlan& s) { s.planes = 2; }, BmpError::Planes}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST(BmpLimits, LargestSidesAreAccepted) {
  for (const auto& [width, height] : {std::pair{8192, 1}, std::pair{1, 8192}}) {
    BmpPlan plan;
    plan.width = width;
    plan.height = height;
    plan.pixels = TrueColours(8192);
    const auto picture = Decode(WriteBmp(plan));
    ASSERT_TRUE(picture) << width << "x" << height;
    EXPECT_EQ(picture->pixels, plan.pixels);
  }
}

// --- truncation ------------------------------------------------------------------

TEST(BmpTruncation, EveryPrefixOfAValidFileIsRefused) {
  std::vector<BmpPlan> plans(3);
  plans[0].width = 5;
  plans[0].height = 3;
  plans[0].bitCount = 4;
  plans[0].palette = Palette(16);
  plans[0].pixels = Indices(15, 16);
  plans[1].width = 3;
  plans[1].height = 3;
  plans[1].bitCount = 8;
  plans[1].palette = Palette(5);
  plans[1].colorsUsed = 5;
  plans[1].pixels = Indices(9, 5);
  plans[2].width = 3;
  plans[2].height = 2;
  plans[2].pixels = TrueColours(6);
  for (const BmpPlan& plan : plans) {
    const auto bytes = WriteBmp(plan);
    ASSERT_TRUE(Decode(bytes)) << plan.bitCount;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      // A copy of exactly this length, so reading past it is an ASan error.
      const std::vector<std::uint8_t> prefix(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(length));
      BmpError error = BmpError::None;
      EXPECT_FALSE(Decode(prefix, &error)) << plan.bitCount << " bits, " << length << " bytes";
      EXPECT_EQ(error, BmpError::Truncated) << plan.bitCount << " bits, " << length << " bytes";

      CountingSource source(prefix);
      EXPECT_FALSE(display::ReadBmp(source)) << plan.bitCount << " bits, " << length;
      EXPECT_EQ(source.CallsAfterShortRead(), 0) << plan.bitCount << " bits, " << length;
    }
  }
}

TEST(BmpTruncation, LargeClaimInAShortFileIsRefusedBeforeTheRows) {
  BmpPlan plan;
  plan.width = 8192;
  plan.height = 1;
  auto bytes = WriteBmp(plan);
  // Claim 8192 rows while holding one.
  bytes[22] = 0x00;
  bytes[23] = 0x20;
  MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  EXPECT_FALSE(reader.ReadHeaders());
  EXPECT_EQ(reader.Error(), BmpError::Truncated);
  EXPECT_EQ(source.Remaining(), bytes.size() - 54);
}

TEST(BmpTruncation, ExtraBytesAfterThePictureAreLeftUnread) {
  BmpPlan plan;
  plan.width = 3;
  plan.height = 2;
  plan.bitCount = 8;
  plan.palette = Palette(2);
  plan.colorsUsed = 2;
  plan.pixels = Indices(6, 2);
  auto bytes = WriteBmp(plan);
  const std::size_t pictureBytes = bytes.size();
  bytes.resize(bytes.size() + 100, 0x77);
  CountingSource source(bytes);
  const auto picture = display::ReadBmp(source);
  ASSERT_TRUE(picture);
  EXPECT_EQ(source.Consumed(), pictureBytes);
  EXPECT_EQ(picture->pixels, Expected(plan));
}

TEST(BmpMemorySource, ReadsUpToTheEndAndNoFurther) {
  const std::uint8_t data[5] = {1, 2, 3, 4, 5};
  MemorySource source(data, sizeof data);
  std::uint8_t out[8] = {};
  EXPECT_EQ(source.Read(out, 3), 3u);
  EXPECT_EQ(source.Remaining(), 2u);
  EXPECT_EQ(source.Read(out + 3, 8), 2u);
  EXPECT_EQ(source.Read(out, 1), 0u);
  EXPECT_EQ(source.Remaining(), 0u);
  EXPECT_EQ(0, std::memcmp(out, data, 5));
}

}  // namespace
