#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform {

namespace {

// CP932, not SJIS: the engine's text uses the Windows code page, where 0x5C is
// the yen-less backslash and the NEC/IBM extensions exist.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool lossy) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      const size_t used = static_cast<size_t>(outPtr - out.data());
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    if (!lossy || outLeft < 3) {
      ok = false;
      break;
    }
    // Invalid or truncated sequence: U+FFFD for one byte, then go on.
    *outPtr++ = '\xEF';
    *outPtr++ = '\xBF';
    *outPtr++ = '\xBD';
    outLeft -= 3;
    ++inPtr;
    --inLeft;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(static_cast<size_t>(outPtr - out.data()));
  return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, false);
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  if (lead < 0x80) {
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, true).value_or(std::string{});
}

}  // namespace platform

namespace platform {

std::string Sjis(std::string_view utf8Literal) {
  std::optional<std::string> converted = Utf8ToCp932(utf8Literal);
  if (!converted) std::abort();
  return *std::move(converted);
}

}  // namespace platform
