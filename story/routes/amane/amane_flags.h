// Route 8's own story bytes; the fixed ones (851, 852, 854, 856) live in
// story/flags.h.
#pragma once

#include <cstddef>

namespace story::amane {

// How the last reading was answered: 1 he asked her, 2 he left it to the cards.
inline constexpr std::size_t kLastAnswer = 853;
// Readings at 星見館 that she really turned cards for (the morning visits and the
// second visit of a day do not count).
inline constexpr std::size_t kReadings = 857;
// The hagoromo morning has been played.
inline constexpr std::size_t kHagoromoSeen = 858;
// The last reading (sAmane6w) has been played.
inline constexpr std::size_t kLastReadingSeen = 859;
// Which sky he saw in her at 宵彩舎: 1 the night sky, 2 the bottom of the sea.
inline constexpr std::size_t kSkyAnswer = 860;

// Route 8's index into GameState.route and its gallery number.
inline constexpr int kRoute = 8;

}  // namespace story::amane
