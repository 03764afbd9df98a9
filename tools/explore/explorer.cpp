#include "tools/explore/explorer.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <random>
#include <unordered_set>
#include <utility>

#include "story/scenario_list.h"
#include "tools/explore/policy.h"

namespace explore {

namespace {

using Trail = std::shared_ptr<const std::vector<Decision>>;

// A boundary to resume from, and the answers from a new game that reach it.
struct Resumable {
  Snapshot snapshot;
  Trail trail;  // its first snapshot.decisions answers lead here
  int expanded = 0;
};

std::uint64_t Hash(const core::GameStateRecord& record) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::size_t i = 0; i < sizeof record; ++i) {
    hash = (hash ^ record.Bytes()[i]) * 1099511628211ull;
  }
  return hash;
}

// Work ethics from the idlest to the keenest: between them they land in every
// band of the last day's evaluation.
const std::vector<Style>& DirectedStyles() {
  static const std::vector<Style> styles = {
      {0.0, true},  {1.0, true},   {0.9, true},  {0.8, true},  {0.7, true},
      {0.6, true},  {0.5, true},   {0.4, true},  {0.3, true},  {0.2, true},
      {0.65, true}, {0.55, true},  {0.45, true}, {0.35, true}, {0.75, false},
      {0.5, false}, {0.25, false}, {0.85, true}, {0.95, true}, {0.1, true},
  };
  return styles;
}

class Search {
 public:
  Search(const ExploreOptions& options, const std::function<void(const std::string&)>& progress)
      : options_(options), progress_(progress), random_(options.seed) {
    for (const scenario::ScenarioEntry* e = story::StoryScenarios; e->name != nullptr; ++e) {
      coverage_.table.push_back(e->name);
    }
  }

  Coverage Run() {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::duration<double>(options_.minutes * 60);
    const auto timeLeft = [&] { return std::chrono::steady_clock::now() < deadline; };
    // Everything that can happen before the first day's work, each answer once.
    for (int i = 0; i < 6 && timeLeft(); ++i) PlayFrom(Root(), Style{}, 200);
    // Every work ethic once for each film the prologue's answers chose.
    const std::vector<Resumable> starts = FirstDays();
    for (const Style& style : DirectedStyles()) {
      for (const Resumable& firstDay : starts) {
        if (timeLeft()) PlayFrom(firstDay, style, options_.decisionsPerPlayout);
      }
    }
    // A player devoted to each heroine, a keen and a lax one, in both films.
    for (int heroine = 1; heroine <= kHeroines; ++heroine) {
      for (const double diligence : {0.85, 0.7}) {
        for (const Resumable& firstDay : starts) {
          if (timeLeft())
            PlayFrom(firstDay, {diligence, true, heroine}, options_.decisionsPerPlayout);
        }
      }
    }
    while (timeLeft() && !pool_.empty()) {
      // A third of the time, and half while endings are missing, carry on the
      // record that got furthest with a heroine: a route's ending needs many
      // right answers in one game.
      const bool endingsMissing = EndingsMissing() || options_.heroine != 0;
      if (std::bernoulli_distribution(endingsMissing ? 0.5 : 1.0 / 3)(random_)) {
        const int heroine = NextHeroine();
        Resumable& from = Furthest(heroine);
        ++from.expanded;
        const double diligence = std::uniform_real_distribution<double>(0.6, 0.95)(random_);
        // Carrying a route on, he knocks on her doors more often than at first.
        PlayFrom(from, {diligence, true, heroine, 0.7}, options_.decisionsPerPlayout);
        continue;
      }
      Resumable& from = Pick();
      ++from.expanded;
      Style style;
      if (std::bernoulli_distribution(0.5)(random_)) {
        style.diligence = std::uniform_real_distribution<double>(0, 1)(random_);
        style.idles = true;
      }
      PlayFrom(from, style, options_.decisionsPerPlayout);
    }
    coverage_.states = seen_.size();
    coverage_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return std::move(coverage_);
  }

 private:
  Resumable Root() {
    Resumable root;
    root.snapshot.record = NewGame();
    root.trail = std::make_shared<const std::vector<Decision>>();
    return root;
  }

  // The hub's first entry after the prologue, one for each film; a new game
  // when the prologue's playouts reached neither.
  std::vector<Resumable> FirstDays() {
    std::vector<Resumable> starts;
    for (const int film : {0, 1}) {
      for (const Resumable& r : pool_) {
        core::GameStateRecord record = r.snapshot.record;
        if (r.snapshot.scenario == "s2wA" && record.project() == film) {
          starts.push_back(r);
          break;
        }
      }
    }
    if (starts.empty()) starts.push_back(Root());
    return starts;
  }

  // Rare scenarios first, then boundaries seldom resumed from.
  // A scenario first, so the hub's thousands of boundaries do not drown the
  // rare ones; then the boundary of it resumed least, the newest of equals.
  Resumable& Pick() {
    std::vector<const std::vector<std::size_t>*> scenarios;
    std::vector<double> weights;
    for (const auto& [name, indices] : byScenario_) {
      scenarios.push_back(&indices);
      weights.push_back(1.0 / (1.0 + coverage_.entered[name]));
    }
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    const std::vector<std::size_t>& indices = *scenarios[pick(random_)];
    std::size_t best = indices.back();
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
      if (pool_[*it].expanded < pool_[best].expanded) best = *it;
    }
    return pool_[best];
  }

  // Her route's progress, and a little for the film's: no heroine's ending
  // follows a last day on which the film is not shown.
  static int Promise(core::GameStateRecord record, int heroine) {
    return RouteProgress(record, heroine) + record.productionScore() / 20;
  }

  // The heroines whose ending is still missing: the time goes to their routes.
  std::vector<int> MissingEndings() const {
    std::vector<int> missing;
    for (int heroine = 1; heroine <= kHeroines; ++heroine) {
      if (coverage_.endings.count(EndingOf(heroine)) == 0) missing.push_back(heroine);
    }
    return missing;
  }

  bool EndingsMissing() const { return !MissingEndings().empty(); }

  int NextHeroine() {
    if (options_.heroine != 0) return options_.heroine;
    const std::vector<int> missing = MissingEndings();
    if (missing.empty()) return std::uniform_int_distribution<int>(1, kHeroines)(random_);
    return missing[std::uniform_int_distribution<std::size_t>(0, missing.size() - 1)(random_)];
  }

  // Of the records furthest along the heroine's route, the one resumed least
  // (the latest of equals), so a stuck line gives way to its neighbours.
  // Half the time only records of one day drawn at random compete: the
  // furthest records overall are the latest, and a choice that went wrong
  // early in the route would never be taken again.
  Resumable& Furthest(int heroine) {
    std::vector<std::size_t> order;
    if (std::bernoulli_distribution(0.5)(random_)) {
      const std::uint32_t day =
          pool_[std::uniform_int_distribution<std::size_t>(0, pool_.size() - 1)(random_)]
              .snapshot.record.date;
      for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (pool_[i].snapshot.record.date == day) order.push_back(i);
      }
    } else {
      order.resize(pool_.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    }
    constexpr std::size_t kBeam = 8;
    const std::size_t beam = std::min(kBeam, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(beam), order.end(),
                      [&](std::size_t a, std::size_t b) {
                        const int pa = Promise(pool_[a].snapshot.record, heroine);
                        const int pb = Promise(pool_[b].snapshot.record, heroine);
                        if (pa != pb) return pa > pb;
                        return pool_[a].snapshot.record.date > pool_[b].snapshot.record.date;
                      });
    std::size_t best = order[0];
    for (std::size_t i = 1; i < beam; ++i) {
      if (pool_[order[i]].expanded < pool_[best].expanded) best = order[i];
    }
    return pool_[best];
  }

  void PlayFrom(const Resumable& from, const Style& style, std::size_t budget) {
    const std::size_t prefix = from.snapshot.decisions;
    const Chooser chooser = [&](const Prompt& prompt, const core::GameStateRecord& state) {
      return Answer(prompt, state, style, tried_, random_);
    };
    const std::size_t own = budget > prefix ? budget - prefix : 1;
    Playout playout = Play(options_.folders, from.snapshot.record, chooser, own);
    ++coverage_.playouts;
    coverage_.frames += playout.frames;

    auto trail = std::make_shared<std::vector<Decision>>(
        from.trail->begin(), from.trail->begin() + static_cast<std::ptrdiff_t>(prefix));
    trail->insert(trail->end(), playout.decisions.begin(), playout.decisions.end());
    const Trail shared = trail;
    Record(playout, shared, prefix);
  }

  void Record(const Playout& playout, const Trail& trail, std::size_t prefix) {
    for (const std::string& name : playout.entered) ++coverage_.entered[name];
    for (const Snapshot& snapshot : playout.snapshots) {
      Unlocks(snapshot.record);
      const bool further = Reach(snapshot.record);
      if (!seen_.insert(Hash(snapshot.record)).second) continue;
      Resumable r;
      r.snapshot = snapshot;
      r.snapshot.decisions += prefix;
      r.trail = trail;
      // A full pool still takes a record that got further along a route, so
      // the resumed heroines' lines keep advancing in long runs.
      if (pool_.size() >= kPoolLimit && !further) continue;
      byScenario_[r.snapshot.scenario].push_back(pool_.size());
      pool_.push_back(std::move(r));
    }
    Unlocks(playout.final);
    if (!playout.ending.empty() && coverage_.endings.count(playout.ending) == 0) {
      coverage_.endings[playout.ending] = *trail;
      Say("ending " + playout.ending + " after " + std::to_string(trail->size()) + " answers");
    }
    if (playout.deadEnd && coverage_.deadEnds.count(playout.lastScenario) == 0) {
      coverage_.deadEnds[playout.lastScenario] = *trail;
      Say("dead end in " + playout.lastScenario);
    }
    if (playout.stalled) ++coverage_.stalls;
    for (const std::string& box : playout.boxes) {
      if (box.find("見つかりません") != std::string::npos) {
        coverage_.missing.insert(box);
      } else {
        coverage_.otherBoxes.insert(box);
      }
    }
    coverage_.overflows.insert(playout.overflows.begin(), playout.overflows.end());
    coverage_.wraps.insert(playout.wraps.begin(), playout.wraps.end());
    coverage_.doubled.insert(playout.doubled.begin(), playout.doubled.end());
  }

  // Whether the record got further along some heroine's route than any before.
  bool Reach(const core::GameStateRecord& record) {
    bool further = false;
    for (int heroine = 1; heroine <= kHeroines; ++heroine) {
      const int progress = RouteProgress(record, heroine);
      RouteReach& best = coverage_.furthest[heroine];
      if (progress <= best.progress) continue;
      further = true;
      RouteState state = RouteOf(record, heroine);
      best = {progress, record.date, record.timeSlot, state.affection, 0, std::move(state.flags)};
      // The pair's ending wins over every comparison: no rival can stop it.
      for (int other = 1; heroine != kPair && other <= core::kRouteCount; ++other) {
        const int theirs = record.route[other - 1].affection;
        if (other != heroine && theirs > best.affection &&
            (best.rival == 0 || theirs > record.route[best.rival - 1].affection)) {
          best.rival = other;
        }
      }
    }
    return further;
  }

  void Unlocks(const core::GameStateRecord& record) {
    for (int route = 1; route <= core::kRouteCount; ++route) {
      const core::RouteBlock& block = record.route[route - 1];
      for (int i = 0; i < static_cast<int>(core::kGalleryBytes); ++i) {
        if (block.galleryUnlocked[i] != 0) coverage_.gallery[route].insert(i);
      }
    }
    for (int i = 0; i < static_cast<int>(sizeof record.movieSeen); ++i) {
      if (record.movieSeen[i] != 0) coverage_.movies.insert(i);
    }
  }

  void Say(const std::string& line) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (progress_) progress_(std::to_string(static_cast<long long>(seconds)) + " s: " + line);
  }

  static constexpr std::size_t kPoolLimit = 20000;

  const ExploreOptions& options_;
  const std::function<void(const std::string&)>& progress_;
  std::mt19937 random_;
  TriedAnswers tried_;
  Coverage coverage_;
  std::vector<Resumable> pool_;
  std::map<std::string, std::vector<std::size_t>> byScenario_;  // indices into pool_
  std::unordered_set<std::uint64_t> seen_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

Coverage Explore(const ExploreOptions& options,
                 const std::function<void(const std::string&)>& progress) {
  return Search(options, progress).Run();
}

std::string EndScreen(const Coverage& coverage, const std::string& ending) {
  const bool heroine =
      std::find(coverage.table.begin(), coverage.table.end(), ending) != coverage.table.end();
  return heroine ? "staff" : "unfinished";
}

}  // namespace explore
