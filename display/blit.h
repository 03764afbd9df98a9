// The colour-keyed row copy behind every blit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace display::detail {

// Copies w x h pixels, leaving the destination pixel wherever the source holds
// kColorKey. The two areas must not overlap.
void KeyedCopy(const std::uint32_t* src, std::size_t srcPitch, std::uint32_t* dst,
               std::size_t dstPitch, int w, int h);

}  // namespace display::detail
