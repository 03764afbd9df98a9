// One playout of the real game on the headless backend: begun from a saved
// record, driven by a chooser that answers every choice and map, and watched
// through the events the game logs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace explore {

// What the game waits for when the chooser is asked.
struct Prompt {
  enum class Kind : std::uint8_t { Choice, Map };
  Kind kind = Kind::Choice;
  std::string scenario;            // the scenario it came up in
  std::vector<std::string> texts;  // the visible lines (UTF-8); empty for the map
  std::vector<int> open;           // map: the places that can be picked
};

// An answer, as a player gives it; `Dismiss` leaves a screen the story opened
// (the production guide) with the right button.
struct Decision {
  enum class Kind : std::uint8_t { Choice, Map, Dismiss };
  Kind kind = Kind::Choice;
  int pick = 0;        // Choice: visible line from 1; Map: place 1..20, 0 to cancel
  std::string screen;  // Dismiss: which screen, for the replay's wait

  bool operator==(const Decision&) const = default;
};

using Chooser = std::function<Decision(const Prompt&, const core::GameStateRecord&)>;

// A scenario boundary: the record there decides everything that follows.
struct Snapshot {
  core::GameStateRecord record{};
  std::size_t decisions = 0;  // how many of the run's decisions led here
  std::string scenario;
};

struct Playout {
  std::vector<Decision> decisions;
  std::vector<Snapshot> snapshots;
  std::vector<std::string> entered;  // scenarios, in order
  std::string ending;                // the `ending` event's name; empty when none
  std::string lastScenario;
  // The game went back to the title with no ending and not by the player's
  // own "back to the title": a scenario ended the game by returning 0.
  bool deadEnd = false;
  bool stalled = false;                // waited with nothing the driver could answer
  bool cutShort = false;               // the decision budget ran out first
  std::vector<std::string> boxes;      // message box texts (UTF-8)
  std::vector<std::string> overflows;  // "scenario: the line before the overflow"
  std::vector<std::string> wraps;      // "scenario: a line the window had to break"
  std::vector<std::string> doubled;    // "scenario: a portrait put up beside her own"
  core::GameStateRecord final{};
  std::uint64_t frames = 0;
};

struct SessionFolders {
  std::string data;     // the install folder
  std::string scratch;  // saves, temp and instance folders go below it
};

// Plays from `start` (a new game's record or a snapshot) until an ending, the
// game's end, or `maxDecisions` answers.
Playout Play(const SessionFolders& folders, const core::GameStateRecord& start,
             const Chooser& chooser, std::size_t maxDecisions);

// A new game's record, as the title's first item sets it up.
core::GameStateRecord NewGame();

// The cellwright-play script that gives these answers from the title on and
// stops the game at `endScreen` ("staff" or "unfinished").
std::string ReplayScript(const std::vector<Decision>& decisions, const std::string& endScreen);

}  // namespace explore
