#pragma once

#include <cstdint>

namespace scenario {

// What every script operation and scenario routine returns.
using ScriptResult = std::int32_t;

inline constexpr ScriptResult kGoOn = 0;  // as a routine's result: the game is over
inline constexpr ScriptResult kJump = 1;  // run GameState.nextScenario
inline constexpr ScriptResult kGameOver = 100;
inline constexpr ScriptResult kQuit = 999;

}  // namespace scenario
