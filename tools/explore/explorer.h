// The search: directed playouts of players with every work ethic, then
// playouts from the scenario boundaries reached so far, preferring the least
// visited places of the story and the answers least often given.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/explore/session.h"

namespace explore {

struct ExploreOptions {
  SessionFolders folders;
  double minutes = 10;
  std::uint32_t seed = 1;
  int heroine = 0;  // 1..9: spend the devoted time on her route alone; 0 all
  std::size_t decisionsPerPlayout = 5000;
};

// The record that got furthest along one heroine's route: where a route
// the explorer never finishes stops, for the writer to look at.
struct RouteReach {
  int progress = 0;
  std::uint32_t date = 0;
  std::uint32_t timeSlot = 0;
  int affection = 0;
  int rival = 0;           // the route of another heroine with more affection, 0 for none
  std::vector<int> flags;  // offsets of the route's story flags that are set
};

struct Coverage {
  std::vector<std::string> table;
  std::map<std::string, int> entered;  // name -> times entered
  // Ending -> the decisions of its first playout from a new game.
  std::map<std::string, std::vector<Decision>> endings;
  std::map<int, std::set<int>> gallery;  // route -> gallery byte indices set
  std::set<int> movies;
  std::set<std::string> missing;  // message boxes about missing files or scenarios
  std::set<std::string> otherBoxes;
  std::map<std::string, std::vector<Decision>> deadEnds;  // last scenario -> a way there
  std::set<std::string> overflows;
  std::set<std::string> wraps;
  std::set<std::string> doubled;       // a speaker's portrait in two slots at once
  std::map<int, RouteReach> furthest;  // heroine -> her furthest record
  int playouts = 0;
  int stalls = 0;
  std::size_t states = 0;  // distinct records seen at scenario boundaries
  std::uint64_t frames = 0;
  double seconds = 0;
};

// progress gets a line now and then; may be null.
Coverage Explore(const ExploreOptions& options,
                 const std::function<void(const std::string&)>& progress);

// "staff" for a heroine's ending (its name is a scenario of the table), else
// "unfinished": the screen a replay waits for.
std::string EndScreen(const Coverage& coverage, const std::string& ending);

// coverage.json and summary.txt, and replays/<ending>.txt, in `folder`.
bool WriteReport(const Coverage& coverage, const std::string& folder, std::string* error);

}  // namespace explore
