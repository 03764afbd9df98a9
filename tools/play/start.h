// A game that begins in a named scenario: a writer's way into one scene.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/program.h"
#include "tools/play/options.h"

namespace play {

struct StartPoint {
  std::string scenario;
  std::optional<std::uint32_t> date;
  std::optional<std::uint32_t> slot;
  std::vector<std::pair<std::size_t, std::uint8_t>> bytes;  // offset, value
};

// nullopt with *error set when a value is malformed or out of range.
std::optional<StartPoint> ParseStartPoint(const PlayOptions& options, std::string* error);

// The game's own parts, except that the logo and title are passed by once: a
// new game is set up at the start point, and the program ends with that game.
shell::ProgramParts StartParts(shell::ProgramParts game, StartPoint start);

}  // namespace play
