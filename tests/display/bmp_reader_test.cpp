#include "display/bmp_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/bmp_builder.h"

namespace {

using cellwright_test::BmpPlan;
using cellwright_test::WriteBmp;
using display::BmpError;
using display::MemorySource;

// Hides the length of its data, as a stream would, and counts what is read.
struct CountingSource final : display::ByteSource {
  explicit CountingSource(const std::vector<std::uint8_t>& bytes)
      : inner(bytes.data(), bytes.size()) {}
  std::uint32_t Read(void* dst, std::uint32_t count) override {
    const std::uint32_t n = inner.Read(dst, count);
    consumed += n;
    return n;
  }
  MemorySource inner;
  std::size_t consumed = 0;
};

// w x h pixels: distinct colours for 24 bits, else every index from the largest
// down, also past a palette of `entries` colours.
BmpPlan Plan(int w, int h, int bits, std::uint32_t entries = 0) {
  BmpPlan plan;
  plan.width = w;
  plan.height = h;
  plan.bitCount = bits;
  plan.colorsUsed = entries;
  for (std::uint32_t i = 0; i < entries; ++i)
    plan.palette.push_back(0x00400000u | i << 8 | (255u - i));
  for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(w * h); ++i) {
    plan.pixels.push_back(bits == 24
                              ? ((i * 37u) & 0xFF) << 16 | ((i * 11u + 3u) & 0x7F) << 8 | (i & 0xFF)
                              : (i * 37u + 255u) % (bits == 4 || bits == 8 ? 1u << bits : 1u));
  }
  return plan;
}

// The colours a reader should give: an index past the palette's entries is black.
std::vector<std::uint32_t> Expected(const BmpPlan& plan) {
  if (plan.bitCount == 24) return plan.pixels;
  const std::size_t entries =
      plan.colorsUsed != 0 ? plan.colorsUsed : std::size_t{1} << plan.bitCount;
  std::vector<std::uint32_t> out;
  for (const std::uint32_t index : plan.pixels) {
    out.push_back(index < entries && index < plan.palette.size() ? plan.palette[index] : 0u);
  }
  return out;
}

std::optional<display::BmpPicture> Decode(const std::vector<std::uint8_t>& bytes,
                                          BmpError* error = nullptr) {
  MemorySource source(bytes.data(), bytes.size());
  return display::ReadBmp(source, error);
}

TEST(BmpReader, ReadsPaletteAndPaddedRowsBottomUpInBatchesUpToTheirEndOnly) {
  const auto used = [](BmpPlan plan, std::uint32_t colorsUsed) {
    plan.colorsUsed = colorsUsed;
    return plan;
  };
  struct Row {
    BmpPlan plan;
    std::uint32_t rowBytes, entries;
  };
  const Row rows[] = {// Nine pixels: 4 bits end on a high nibble; every row has padding (0xA5,
                      // so padding taken for pixels shows).
                      {Plan(9, 3, 4, 16), 8, 16},
                      {Plan(9, 3, 8, 256), 12, 256},
                      {Plan(9, 3, 24), 28, 0},
                      // The largest sides: 8192 wide takes two rows a batch, 8192 high thousands.
                      {Plan(8192, 20, 24), 24576, 0},
                      {Plan(16, 8192, 8, 256), 16, 256},
                      // No colour count means all the bits can index; 24 bits have no palette.
                      {used(Plan(16, 2, 8, 256), 0), 16, 256},
                      {used(Plan(16, 2, 4, 16), 0), 8, 16},
                      {Plan(16, 2, 4, 3), 8, 3},
                      {Plan(16, 2, 8, 3), 16, 3},
                      {used(Plan(16, 2, 24), 300), 48, 0}};
  for (Row row : rows) {
    SCOPED_TRACE(testing::Message() << row.plan.width << "x" << row.plan.height << ", "
                                    << row.plan.bitCount << " bits, " << row.plan.colorsUsed);
    row.plan.paletteReserved = 0xFF;  // dropped from every colour
    auto bytes = WriteBmp(row.plan);
    const std::size_t pictureBytes = bytes.size();
    bytes.resize(pictureBytes + 100, 0x77);  // what follows the picture is left unread
    CountingSource source(bytes);
    display::BmpReader reader(source);
    ASSERT_TRUE(reader.ReadHeaders());
    EXPECT_EQ(source.consumed, 54 + 4 * row.entries);  // only the palette's own entries
    EXPECT_EQ(reader.PaletteEntries(), row.entries);
    EXPECT_EQ(reader.RowBytes(), row.rowBytes);
    std::vector<std::uint32_t> pixels(row.plan.pixels.size());
    ASSERT_TRUE(reader.ReadPixels(pixels.data(), static_cast<std::size_t>(row.plan.width)));
    EXPECT_TRUE(pixels == Expected(row.plan));
    EXPECT_EQ(source.consumed, pictureBytes);
  }
}

// Each file is complete and valid apart from the one field, so the refusal
// cannot come from running out of data; the same with the length known or not.
TEST(BmpReader, EachHeaderFieldOutsideWhatIsReadIsRefusedForItsReason) {
  struct Row {
    const char* name;
    std::function<void(BmpPlan&)> change;
    BmpError error;
  };
  const Row rows[] = {
      {"core header", [](BmpPlan& p) { p.headerSize = 12; }, BmpError::HeaderSize},
      {"larger header", [](BmpPlan& p) { p.headerSize = 108; }, BmpError::HeaderSize},
      {"no planes", [](BmpPlan& p) { p.planes = 0; }, BmpError::Planes},
      {"two planes", [](BmpPlan& p) { p.planes = 2; }, BmpError::Planes},
      {"one bit", [](BmpPlan& p) { p.bitCount = 1; }, BmpError::BitCount},
      {"sixteen bits", [](BmpPlan& p) { p = Plan(3, 2, 16); }, BmpError::BitCount},
      {"thirty-two bits", [](BmpPlan& p) { p = Plan(3, 2, 32); }, BmpError::BitCount},
      {"run lengths", [](BmpPlan& p) { p.compression = 1; }, BmpError::Compression},
      {"no width", [](BmpPlan& p) { p.width = 0; }, BmpError::Width},
      {"negative width", [](BmpPlan& p) { p.width = -3; }, BmpError::Width},
      {"wider than 8192", [](BmpPlan& p) { p = Plan(8193, 1, 8, 4); }, BmpError::Width},
      {"no height", [](BmpPlan& p) { p.height = 0; }, BmpError::Height},
      {"top-down", [](BmpPlan& p) { p.height = -2; }, BmpError::Height},
      {"taller than 8192", [](BmpPlan& p) { p = Plan(1, 8193, 8, 4); }, BmpError::Height},
      {"17 colours for 4 bits", [](BmpPlan& p) { p = Plan(3, 2, 4, 17); }, BmpError::PaletteSize},
      {"257 colours for 8 bits", [](BmpPlan& p) { p = Plan(3, 2, 8, 257); }, BmpError::PaletteSize},
      {"a count that wraps", [](BmpPlan& p) { p.colorsUsed = 0xFFFFFFFFu; }, BmpError::PaletteSize},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BmpPlan plan = Plan(3, 2, 8, 4);
    row.change(plan);
    const auto bytes = WriteBmp(plan);
    BmpError error = BmpError::None;
    EXPECT_FALSE(Decode(bytes, &error));
    EXPECT_EQ(error, row.error);
    CountingSource unsized(bytes);
    EXPECT_FALSE(display::ReadBmp(unsized, &error));
    EXPECT_EQ(error, row.error);
  }
}

TEST(BmpReader, EveryPrefixOfAValidFileIsRefused) {
  for (const BmpPlan& plan : {Plan(5, 3, 4, 16), Plan(3, 3, 8, 5), Plan(3, 2, 24)}) {
    const auto bytes = WriteBmp(plan);
    ASSERT_TRUE(Decode(bytes)) << plan.bitCount;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      SCOPED_TRACE(testing::Message() << plan.bitCount << " bits, " << length << " bytes");
      // A copy of exactly this length, so reading past it is an ASan error.
      const std::vector<std::uint8_t> prefix(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(length));
      BmpError error = BmpError::None;
      EXPECT_FALSE(Decode(prefix, &error));
      EXPECT_EQ(error, BmpError::Truncated);
      CountingSource unsized(prefix);
      EXPECT_FALSE(display::ReadBmp(unsized));
    }
  }
}

TEST(BmpReader, ALargeClaimInAShortFileIsRefusedBeforeItsRowsAndNoneAreRead) {
  auto bytes = WriteBmp(Plan(8192, 1, 24));
  bytes[22] = 0x00, bytes[23] = 0x20;  // 8192 rows claimed, one held
  MemorySource source(bytes.data(), bytes.size());
  display::BmpReader reader(source);
  EXPECT_FALSE(reader.ReadHeaders());
  EXPECT_EQ(reader.Error(), BmpError::Truncated);
  EXPECT_EQ(source.Remaining(), bytes.size() - 54);
  std::uint32_t pixel = 7;  // and no rows without headers
  EXPECT_FALSE(reader.ReadPixels(&pixel, 1));
  EXPECT_EQ(pixel, 7u);
}

}  // namespace
