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

// The heroines a player can be devoted to: the eight routes, and the two
// sisters together, whose bytes lie in the blocks of routes 4 and 5.
inline constexpr int kPair = 9;
inline constexpr int kHeroines = 9;

// The scenario of her ending.
const char* EndingOf(int heroine);

struct Style {
  double diligence = -1;  // 0..1: chance of doing the day's work; < 0: pure novelty
  bool idles = false;     // when not working, rest instead of wandering
  int heroine = 0;        // 1..kHeroines: whose doors he knocks on first; 0 none
  double devotion = 0.5;  // the chance that he answers towards her when he can
};

// Her affection and the offsets of her story flags that are set: her route's
// block, or for the pair the sisters' shared bytes.
struct RouteState {
  int affection = 0;
  std::vector<int> flags;
};
RouteState RouteOf(const core::GameStateRecord& record, int heroine);

// How much of her route a record holds: her affection twice and her flags
// that are set. The search resumes the furthest records.
int RouteProgress(const core::GameStateRecord& record, int heroine);

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
