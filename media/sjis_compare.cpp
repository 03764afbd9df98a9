#include "media/sjis_compare.h"

#include <cstring>

#include "platform/encoding.h"

namespace media {

namespace {

unsigned char FoldAscii(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

int SjisCompareNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    // A lead byte never folds, so equal folded bytes here are the same lead in both.
    if (FoldAscii(ca) != FoldAscii(cb)) return FoldAscii(ca) < FoldAscii(cb) ? -1 : 1;
    ++i;
    if (platform::IsLeadByte(ca) && i < a.size() && i < b.size()) {
      const auto ta = static_cast<unsigned char>(a[i]);
      const auto tb = static_cast<unsigned char>(b[i]);
      if (ta != tb) return ta < tb ? -1 : 1;
      ++i;
    }
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int SjisCompareNoCase(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
  return SjisCompareNoCase(std::string_view(a, std::strlen(a)),
                           std::string_view(b, std::strlen(b)));
}

}  // namespace media
