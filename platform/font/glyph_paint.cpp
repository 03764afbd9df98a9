#include "platform/font/glyph.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform::font {

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t colour, std::uint32_t alpha) {
  const std::uint32_t keep = 255 - alpha;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t u = (under >> shift) & 0xFF;
    const std::uint32_t c = (colour >> shift) & 0xFF;
    out |= ((c * alpha + u * keep + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

void PaintGlyph(const Canvas& canvas, int cellX, int cellY, const GlyphBitmap& glyph,
                std::uint32_t colour) {
  if (canvas.pixels == nullptr || glyph.width <= 0 || glyph.height <= 0) return;
  colour &= 0x00FFFFFF;
  // 64-bit so that pen positions far off the canvas cannot overflow.
  const long long left = static_cast<long long>(cellX) + glyph.left;
  const long long top = static_cast<long long>(cellY) + glyph.top;
  const long long x0 = std::max(left, 0LL);
  const long long y0 = std::max(top, 0LL);
  const long long x1 = std::min(left + glyph.width, static_cast<long long>(canvas.width));
  const long long y1 = std::min(top + glyph.height, static_cast<long long>(canvas.height));
  for (long long y = y0; y < y1; ++y) {
    const std::uint8_t* src = glyph.coverage.data() + (y - top) * glyph.width;
    std::uint32_t* row = canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.pitch;
    for (long long x = x0; x < x1; ++x) {
      const std::uint8_t alpha = src[x - left];
      if (alpha == 0) continue;
      std::uint32_t& pixel = row[x];
      pixel = alpha == 255 ? colour : Blend(pixel, colour, alpha);
    }
  }
}

}  // namespace platform::font
