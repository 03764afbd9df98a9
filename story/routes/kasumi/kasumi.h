// Route 7's own bytes, beside the ones the day cycle fixes in story/flags.h.
#pragma once

#include <cstddef>

#include "core/game_state.h"

namespace story::kasumi {

inline constexpr std::size_t kCalls = 751;        // phone calls she answered
inline constexpr std::size_t kIdleVisits = 752;   // visits between the house's real scenes
inline constexpr std::size_t kAskedPast = 753;    // he asked her who she used to be
inline constexpr std::size_t kGateMended = 755;   // the garden gate hangs true again
inline constexpr std::size_t kToldTheDesk = 761;  // on the last evening he told her the desk waits
inline constexpr std::size_t kLetterRead = 763;   // she opened the president's letter

// A second call or visit on the same day is only a short scene.
inline bool MetToday() {
  return core::GameState.route[6].metToday[0] != 0;
}
inline void Meet() {
  core::GameState.route[6].metToday[0] = 1;
}

}  // namespace story::kasumi
