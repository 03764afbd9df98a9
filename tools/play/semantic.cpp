#include "tools/play/semantic.h"

#include <charconv>
#include <functional>
#include <sstream>
#include <vector>

#include "game/extras.h"
#include "game/slot_screen.h"
#include "game/town_map.h"
#include "shell/screens.h"

namespace play {

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<int> Number(const std::string& word, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::string Click(const std::string& screen, game::Point at) {
  return "until-screen " + screen + "; click " + std::to_string(at.x) + " " + std::to_string(at.y);
}

std::string ClickIn(const std::string& screen, game::Point at) {
  return "until-screen " + screen + "; click-rel " + std::to_string(at.x) + " " +
         std::to_string(at.y);
}

// A command that takes a number from low to high, with its click.
struct Numbered {
  const char* word;
  int low;
  int high;
  std::function<std::string(int)> expand;
};

const std::vector<Numbered>& NumberedCommands() {
  static const std::vector<Numbered> commands = {
      {"title", 1, 5, [](int n) { return Click("title", shell::TitleItemPoint(n)); }},
      {"save", 1, 10, [](int n) { return ClickIn("save", game::SlotRowPoint(n - 1)); }},
      {"load", 1, 10, [](int n) { return ClickIn("load", game::SlotRowPoint(n - 1)); }},
      {"map", 1, game::kMapPlaces,
       [](int n) {
         const game::MapPlace& place = game::MapPlaces[n - 1];
         return Click("map", {place.x + game::kMapSpotSize / 2, place.y + game::kMapSpotSize / 2});
       }},
      {"gallery", 1, game::kRoutes,
       [](int n) { return ClickIn("gallery", game::GalleryButtonPoint(n)); }},
      {"movie", 1, game::kMovieButtons,
       [](int n) { return ClickIn("movies", game::MovieButtonPoint(n)); }},
      {"guide", 1, 16, [](int n) { return Click("guide", game::GuideStagePoint(n)); }},
  };
  return commands;
}

constexpr const char* kSystemParts[] = {"music-on",  "music-off", "voice-on",
                                        "voice-off", "load",      "close"};

// The expansion of one line, "" when it is not a command of play, or an error.
std::string Expand(const std::vector<std::string>& words, std::string* error) {
  if (words.empty()) return {};
  const std::string& command = words[0];
  const auto usage = [&](const std::string& text) {
    *error = text;
    return std::string();
  };
  if (command == "system" || command == "bonus") {
    if (words.size() != 2) return usage(command + " takes one argument");
    if (command == "bonus") {
      if (words[1] != "gallery" && words[1] != "movies") {
        return usage("bonus gallery or bonus movies, not '" + words[1] + "'");
      }
      return ClickIn("bonus", game::BonusButtonPoint(words[1] == "gallery" ? 0 : 1));
    }
    for (int part = 1; part <= 6; ++part) {
      if (words[1] == kSystemParts[part - 1]) {
        return ClickIn("system", shell::SystemMenuPoint(part));
      }
    }
    return usage("system music-on, music-off, voice-on, voice-off, load or close, not '" +
                 words[1] + "'");
  }
  for (const Numbered& numbered : NumberedCommands()) {
    if (command != numbered.word) continue;
    const std::string range = std::to_string(numbered.low) + " to " + std::to_string(numbered.high);
    if (words.size() != 2) return usage(command + " takes one number (" + range + ")");
    const std::optional<int> n = Number(words[1], numbered.low, numbered.high);
    if (!n) return usage("bad " + command + " '" + words[1] + "' (" + range + ")");
    return numbered.expand(*n);
  }
  return {};
}

}  // namespace

std::optional<std::string> ExpandPlayCommands(std::string_view script, std::string* error) {
  std::istringstream in{std::string(script)};
  std::string out;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const std::string code = line.substr(0, line.find('#'));
    // Each of a line's ';'-separated commands on its own, kept on the line.
    std::string expandedLine;
    std::istringstream parts(code);
    for (std::string part; std::getline(parts, part, ';');) {
      std::string problem;
      const std::string expanded = Expand(Words(part), &problem);
      if (!problem.empty()) {
        if (error != nullptr) *error = "line " + std::to_string(number) + ": " + problem;
        return std::nullopt;
      }
      expandedLine += (expandedLine.empty() ? "" : "; ") + (expanded.empty() ? part : expanded);
    }
    out += expandedLine + '\n';
  }
  return out;
}

}  // namespace play
