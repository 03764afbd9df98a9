// Route 5's own story flags (bytes 550–579; 556, 557, 559 and 561 are the day
// cycle's and live in story/flags.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace story::nanoka {

// How far the drawing room has gone: 0 not yet, 1 caught by Michiru,
// 2 her in-betweens shot, 3 the summer's flip book begun.
inline constexpr std::size_t kStage = 550;
// Sunday dates at the river bank played (0–2).
inline constexpr std::size_t kDates = 551;
// The day of the month of the last night she kept him out (no two in a row).
inline constexpr std::size_t kLastNight = 552;
// He promised to come again next Sunday: that date is then due.
inline constexpr std::size_t kNextSunday = 554;
// He promised to be there when she shows her sister.
inline constexpr std::size_t kObonPromise = 555;
// The day of the month she was caught (the in-betweens wait for another day).
inline constexpr std::size_t kCaughtDay = 560;
// He kept her secret from Michiru's question in the drawing room.
inline constexpr std::size_t kKeptSecret = 562;

}  // namespace story::nanoka
