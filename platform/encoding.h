// Shift-JIS (code page 932) is the engine's text; UTF-8 is what Linux shows and
// names files in. Conversions fail loudly instead of inventing '?' characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes that open a double-byte character wherever the engine walks its
// text: the message window, choices, resource names, glyph lookup.
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0xA0) || (byte >= 0xE0 && byte <= 0xFC);
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The length of the well-formed UTF-8 sequence starting at `at`, 0 when the
// bytes there do not start one (bad lead, missing or wrong continuation bytes).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);
bool IsValidUtf8(std::string_view text);

// For display only (logs, message boxes): bytes with no UTF-8 form become U+FFFD.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

}  // namespace platform

namespace platform {

// The engine's own fixed texts are written in UTF-8 source; this gives their
// Shift-JIS form. Every such text has one, so a failure is a programming error.
std::string Sjis(std::string_view utf8Literal);

}  // namespace platform
