// Command line of cellwright-play.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace play {

// Empty strings mean "not given"; main picks the default.
struct PlayOptions {
  std::string data;         // install folder; default: the current folder
  std::string save;         // save folder; default: a temporary folder removed at exit
  std::string script;       // input script; default: no input
  std::string shots;        // screenshot folder; default: the current folder
  std::string log;          // JSON Lines log; default: stdout
  std::string instanceDir;  // instance guard folder; default: a temporary folder
  std::string audio;        // WAV file of everything heard; default: none
  std::string start;        // a scenario to begin in, skipping the logo and title
  std::string date;         // with start: GameState.date (MMDD)
  std::string slot;         // with start: GameState.timeSlot
  std::string flags;        // with start: OFFSET=VALUE,... bytes of the record
  std::uint64_t maxFrames = 100000;
  bool help = false;
  bool list = false;  // print the compiled-in archive directories and exit
  bool demo = false;  // run the demonstration scenes instead of the game's story
};

// args excludes the program name. nullopt with *error set on bad usage.
std::optional<PlayOptions> ParseOptions(const std::vector<std::string>& args, std::string* error);

std::string Usage();

}  // namespace play
