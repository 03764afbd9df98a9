// Splitting Shift-JIS (code page 932) text into characters, the way the game's
// text was laid out: one byte, or a lead byte and whatever byte follows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/encoding.h"

namespace platform::font {

struct SjisChar {
  // One-byte characters keep their byte; two-byte ones are lead << 8 | trail.
  std::uint16_t code = 0;
  int bytes = 0;
};

// The character starting at `at`; nothing at the end of the text or at a lead
// byte with no byte after it (the text ends there).
constexpr std::optional<SjisChar> NextSjisChar(std::string_view text, std::size_t at) {
  if (at >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (!IsLeadByte(lead)) return SjisChar{lead, 1};
  if (at + 1 >= text.size()) return std::nullopt;
  const auto trail = static_cast<unsigned char>(text[at + 1]);
  return SjisChar{static_cast<std::uint16_t>(lead << 8 | trail), 2};
}

// The Unicode code point of one character; nothing when code page 932 has none.
std::optional<char32_t> SjisCodePoint(SjisChar character);

}  // namespace platform::font
