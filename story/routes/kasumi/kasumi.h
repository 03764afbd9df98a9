// Route 7's own bytes, beside the ones the day cycle fixes in story/flags.h.
#pragma once

#include <cstddef>

#include "core/game_state.h"
#include "story/script.h"

namespace story::kasumi {

inline constexpr std::size_t kCalls = 751;        // phone calls she answered
inline constexpr std::size_t kIdleVisits = 752;   // visits between the house's real scenes
inline constexpr std::size_t kAskedPast = 753;    // he asked her who she used to be
inline constexpr std::size_t kGateMended = 755;   // the garden gate hangs true again
inline constexpr std::size_t kReadKeys = 756;     // she taught him to read a key drawing
inline constexpr std::size_t kToldTheDesk = 761;  // on the last evening he told her the desk waits
inline constexpr std::size_t kLetterRead = 763;   // she opened the president's letter

// The slot a visit or a call uses, and the same-day guard of every scene.
inline bool MetToday() {
  return core::GameState.route[6].metToday[0] != 0;
}
inline void Meet() {
  core::GameState.route[6].metToday[0] = 1;
}

// The cut everyone in the building is failing to draw.
inline const char* Climax() {
  return GiantFilm() ? "嵐の中で、巨人が立ち上がるところ" : "霧の中で、しずりが振り返るところ";
}

}  // namespace story::kasumi
