// What the studio's rooms share: the stretch of the summer a date falls in,
// and the visit counters that keep a room from telling the same story twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "story/script.h"

namespace story::studio {

// The studio's summer changes its rooms more than any single date does.
enum class Period {
  KeysLate,   // 26-31 July: the key animation is behind
  InBetween,  // 1-7 August: in-betweening and painting start
  Crunch,     // 8-15 August: camera, recording, everything at once
  Hospital,   // 16-21 August: the director is in hospital
  LastWeek,   // from 22 August
};

inline Period PeriodOf(std::uint32_t date) {
  if (date < 801) return Period::KeysLate;
  if (date < 808) return Period::InBetween;
  if (date < 816) return Period::Crunch;
  if (date < 822) return Period::Hospital;
  return Period::LastWeek;
}

inline Period Now() {
  return PeriodOf(Date());
}

// The counter's value before this visit; it stops at 255 rather than wrap
// back to a first visit.
inline int Count(std::size_t offset) {
  std::uint8_t& counter = Flag(offset);
  const int before = counter;
  if (counter < 255) ++counter;
  return before;
}

// Of a room's scenes, numbered by bits of the flag bytes from offset on, the
// first in `bits` not played yet; it is marked played. -1 when all of them
// were. A negative bit stands for a scene that does not apply now.
inline int FirstUnseen(std::size_t offset, std::initializer_list<int> bits) {
  for (const int bit : bits) {
    if (bit < 0) continue;
    std::uint8_t& byte = Flag(offset + static_cast<std::size_t>(bit / 8));
    const auto mask = static_cast<std::uint8_t>(1U << (bit % 8));
    if ((byte & mask) == 0) {
      byte = static_cast<std::uint8_t>(byte | mask);
      return bit;
    }
  }
  return -1;
}

// The film the studio is making: the giant (0) or the wolf-ninja (1).
inline bool Gaga() {
  return core::GameState.project() == 0;
}

}  // namespace story::studio
