// Resource names are Shift-JIS (code page 932). The data's names were matched
// the way a Japanese Windows matched them: letters fold case only where they
// stand as single-byte characters, so a trail byte that happens to look like
// an ASCII letter keeps two different kanji apart.
#pragma once

#include <string_view>

namespace media {

// 0 exactly when the two texts are equal under that rule; otherwise the sign
// orders them (an order for sorting only, not the one the original produced).
int SjisCompareNoCase(std::string_view a, std::string_view b);

// The same for NUL-terminated texts; a null pointer sorts before any text.
int SjisCompareNoCase(const char* a, const char* b);

}  // namespace media
