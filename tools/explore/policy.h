// How the explorer answers: by novelty (the answer tried least often at that
// prompt), or as a player with a work ethic, who goes where the day's work
// waits with a given probability and otherwise idles or wanders.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "tools/explore/session.h"

namespace explore {

// How often each answer was given at each prompt, over the whole search.
class TriedAnswers {
 public:
  int Count(const std::string& site, int pick) const;
  void Add(const std::string& site, int pick);

 private:
  std::map<std::string, std::map<int, int>> counts_;
};

// The prompt's identity for the novelty counts: its scenario and its lines.
std::string SiteOf(const Prompt& prompt);

struct Style {
  double diligence = -1;  // 0..1: chance of doing the day's work; < 0: pure novelty
  bool idles = false;     // when not working, rest instead of wandering
  int heroine = 0;        // 1..8: the route whose doors he knocks on first; 0 none
};

// How much of route `route` a record holds: its affection and the story
// flags of its block that are set. The search resumes the furthest records.
int RouteProgress(const core::GameStateRecord& record, int route);

// The day's work that waits where the player can go (true: a map place).
struct WaitingWork {
  std::vector<int> mapPlaces;
  bool director = false;
  bool cutBags = false;
};
WaitingWork WorkWaiting(const core::GameStateRecord& state);

// The answer a player of that style gives; never "back to the title" or the
// save screen at the day's end.
Decision Answer(const Prompt& prompt, const core::GameStateRecord& state, const Style& style,
                TriedAnswers& tried, std::mt19937& random);

}  // namespace explore
