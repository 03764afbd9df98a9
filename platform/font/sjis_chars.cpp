#include "platform/font/sjis_chars.h"

#include <string>

#include "platform/encoding.h"

namespace platform::font {

std::optional<char32_t> SjisCodePoint(SjisChar character) {
  char bytes[2];
  std::size_t count = 0;
  if (character.bytes == 2) bytes[count++] = static_cast<char>(character.code >> 8);
  bytes[count++] = static_cast<char>(character.code & 0xFF);
  const std::optional<std::string> utf8 = Cp932ToUtf8(std::string_view(bytes, count));
  // Exactly one code point, or the byte is not a character of its own.
  if (!utf8 || utf8->empty() || Utf8SequenceLength(*utf8, 0) != utf8->size()) return std::nullopt;
  const auto* u = reinterpret_cast<const unsigned char*>(utf8->data());
  switch (utf8->size()) {
    case 1:
      return char32_t{u[0]};
    case 2:
      return static_cast<char32_t>((u[0] & 0x1Fu) << 6 | (u[1] & 0x3Fu));
    case 3:
      return static_cast<char32_t>((u[0] & 0x0Fu) << 12 | (u[1] & 0x3Fu) << 6 | (u[2] & 0x3Fu));
    default:
      return static_cast<char32_t>((u[0] & 0x07u) << 18 | (u[1] & 0x3Fu) << 12 |
                                   (u[2] & 0x3Fu) << 6 | (u[3] & 0x3Fu));
  }
}

}  // namespace platform::font
