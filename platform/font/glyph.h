// A rendered character: coverage per pixel, placed relative to its cell.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/text_face.h"

namespace platform::font {

struct GlyphBitmap {
  // Offset of the bitmap's top-left pixel from the cell's top-left corner.
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // width * height bytes, row by row; 0 leaves the pixel, 255 is full colour.
  std::vector<std::uint8_t> coverage;
};

// Draws `glyph` for the cell whose top-left corner is cellX, cellY, blending
// `colour` into the pixels by coverage; only pixels inside the canvas are touched.
void PaintGlyph(const Canvas& canvas, int cellX, int cellY, const GlyphBitmap& glyph,
                std::uint32_t colour);

}  // namespace platform::font
