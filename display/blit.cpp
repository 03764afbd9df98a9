#include "display/blit.h"

#include "display/surface.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace display::detail {

namespace {

void KeyedRow(const std::uint32_t* src, std::uint32_t* dst, int w) {
  int i = 0;
#if defined(__SSE2__)
  // Four pixels at a time, branch-free: keep the destination where the source is the key.
  // The compiler does not vectorise the scalar loop below at -O2.
  const __m128i key = _mm_set1_epi32(static_cast<int>(kColorKey));
  for (; i + 4 <= w; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i isKey = _mm_cmpeq_epi32(s, key);
    const __m128i out = _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, s));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
  }
#endif
  for (; i < w; ++i) {
    if (src[i] != kColorKey) dst[i] = src[i];
  }
}

}  // namespace

void KeyedCopy(const std::uint32_t* src, std::size_t srcPitch, std::uint32_t* dst,
               std::size_t dstPitch, int w, int h) {
  for (int row = 0; row < h; ++row, src += srcPitch, dst += dstPitch) KeyedRow(src, dst, w);
}

}  // namespace display::detail
