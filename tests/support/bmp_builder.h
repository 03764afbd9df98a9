// Writes small Windows bitmaps for tests, with any header field overridable so
// malformed files can be made too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cellwright_test {

struct BmpPlan {
  int width = 1;
  int height = 1;  // written as given; a negative value makes a top-down header
  int bitCount = 24;
  // 0x00RRGGBB; all entries are written, whatever colorsUsed says.
  std::vector<std::uint32_t> palette;
  std::uint32_t colorsUsed = 0;
  std::uint8_t paletteReserved = 0;  // the fourth byte of each palette entry
  std::uint32_t headerSize = 40;
  std::uint16_t planes = 1;
  std::uint32_t compression = 0;
  // Top row first: 0x00RRGGBB for 24 bits, palette indices otherwise. Rows of
  // abs(height) x width; missing values are 0.
  std::vector<std::uint32_t> pixels;
  // Fills the bytes that pad each row to 4, so a reader that takes them for
  // pixels shows it.
  std::uint8_t padByte = 0xA5;
};

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// Bytes one row takes before padding.
inline std::size_t PackedRowBytes(int width, int bitCount) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 7) / 8;
}

inline std::vector<std::uint8_t> WriteBmp(const BmpPlan& plan) {
  const int rows = plan.height < 0 ? -plan.height : plan.height;
  const int columns = plan.width < 0 ? 0 : plan.width;
  std::vector<std::vector<std::uint8_t>> packedRows;
  for (int row = 0; row < rows; ++row) {
    std::vector<std::uint8_t> bytes;
    for (int column = 0; column < columns; ++column) {
      const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                             static_cast<std::size_t>(column);
      const std::uint32_t v = at < plan.pixels.size() ? plan.pixels[at] : 0;
      if (plan.bitCount == 24) {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((v >> 16) & 0xFF));
      } else if (plan.bitCount == 8) {
        bytes.push_back(static_cast<std::uint8_t>(v));
      } else if (plan.bitCount == 4) {
        if (column % 2 == 0) {
          bytes.push_back(static_cast<std::uint8_t>((v & 0x0F) << 4));
        } else {
          bytes.back() = static_cast<std::uint8_t>(bytes.back() | (v & 0x0F));
        }
      }
    }
    // Other bit counts: raw zero bytes of the right length for a header-only test.
    bytes.resize(PackedRowBytes(columns, plan.bitCount), 0);
    while (bytes.size() % 4 != 0) bytes.push_back(plan.padByte);
    packedRows.push_back(std::move(bytes));
  }

  std::vector<std::uint8_t> out;
  const auto offBits = static_cast<std::uint32_t>(54 + plan.palette.size() * 4);
  std::size_t pixelBytes = 0;
  for (const auto& r : packedRows) pixelBytes += r.size();
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(offBits + pixelBytes));
  PutU32(out, 0);
  PutU32(out, offBits);
  PutU32(out, plan.headerSize);
  PutU32(out, static_cast<std::uint32_t>(plan.width));
  PutU32(out, static_cast<std::uint32_t>(plan.height));
  PutU16(out, plan.planes);
  PutU16(out, static_cast<std::uint32_t>(plan.bitCount));
  PutU32(out, plan.compression);
  PutU32(out, static_cast<std::uint32_t>(pixelBytes));
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, plan.colorsUsed);
  PutU32(out, 0);
  for (std::uint32_t c : plan.palette) {
    PutU32(out, (c & 0x00FFFFFF) | (std::uint32_t{plan.paletteReserved} << 24));
  }
  // Bottom row first.
  for (auto r = packedRows.rbegin(); r != packedRows.rend(); ++r)
    out.insert(out.end(), r->begin(), r->end());
  return out;
}

}  // namespace cellwright_test
