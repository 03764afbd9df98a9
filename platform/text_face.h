// The game's one text face: a fixed-pitch Japanese gothic at 17 pixels, drawn
// bold, found through the system's font configuration and opened once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// 32-bit 0x00RRGGBB pixels; pitch counts pixels.
struct Canvas {
  std::uint32_t* pixels = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kTextPixelSize = 17;

// Draws Shift-JIS text with the pen starting at x, y: the top-left corner of the
// first character's cell. Each character is drawn in `colour` over what is
// there (no background), clipped to the canvas; the pen then moves on by the
// character's advance (half-width characters take half the room). A code with
// no character draws nothing but still advances; a lead byte with nothing after
// it ends the text. Returns the pen's x after the text; nothing is drawn when
// the face is missing. The face opens on first use, from whichever thread that
// is; drawing itself belongs to one thread.
int DrawSjisText(const Canvas& canvas, int x, int y, std::string_view sjis, std::uint32_t colour);

// True when the face was found and opened (opening it now if need be);
// otherwise *why says what is missing.
bool TextFaceAvailable(std::string* why = nullptr);

}  // namespace platform
