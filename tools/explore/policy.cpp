#include "tools/explore/policy.h"

#include <algorithm>
#include <string_view>

#include "story/day/work.h"

namespace explore {

namespace {

constexpr int kHome = 20;

bool Has(const std::string& text, std::string_view word) {
  return text.find(word) != std::string::npos;
}

// Answers no explorer gives: they leave the game or open the save screen.
bool Avoided(const std::string& text) {
  return Has(text, "タイトル") || Has(text, "セーブ");
}

// The first visible line holding one of the words, 0 for none.
int LineWith(const Prompt& prompt, std::initializer_list<std::string_view> words) {
  for (std::size_t i = 0; i < prompt.texts.size(); ++i) {
    for (const std::string_view word : words) {
      if (Has(prompt.texts[i], word)) return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int LeastTried(const std::vector<int>& options, const std::string& site, const TriedAnswers& tried,
               std::mt19937& random) {
  int best = 0;
  int bestCount = 0;
  int ties = 0;
  for (const int option : options) {
    const int count = tried.Count(site, option);
    if (best == 0 || count < bestCount) {
      best = option;
      bestCount = count;
      ties = 1;
    } else if (count == bestCount && std::uniform_int_distribution<int>(0, ties++)(random) == 0) {
      best = option;  // reservoir choice among equals keeps the search from ruts
    }
  }
  return best;
}

// The diligent (work = true) or the idle answer to the prompts of the day
// cycle; 0 when the prompt is none of them.
int DayCycleAnswer(const Prompt& prompt, const WaitingWork& waiting, bool work) {
  if (prompt.kind == Prompt::Kind::Map) {
    if (work && !waiting.mapPlaces.empty()) return waiting.mapPlaces.front();
    return kHome;
  }
  const bool studioWork = waiting.director || waiting.cutBags;
  if (const int line = LineWith(prompt, {"次の日へ"}); line != 0) return line;
  if (LineWith(prompt, {"外へ出る"}) != 0) {
    if (work && !waiting.mapPlaces.empty()) return LineWith(prompt, {"外へ出る"});
    return LineWith(prompt, {"スタジオにいる"});
  }
  if (LineWith(prompt, {"作画室"}) != 0) {
    return work && studioWork ? LineWith(prompt, {"作画室"}) : LineWith(prompt, {"事務所"});
  }
  if (work && waiting.director) {
    if (const int line = LineWith(prompt, {"監督"}); line != 0) return line;
  }
  if (work && waiting.cutBags) {
    if (const int line = LineWith(prompt, {"カット袋", "熊井"}); line != 0) return line;
  }
  return 0;
}

// Where a heroine is found: the words of the answers that lead to her (rooms,
// her name at a question, a call) and her places on the map.
struct Doors {
  std::vector<std::string_view> words;
  std::vector<int> places;
};

const Doors& DoorsOf(int heroine, const core::GameStateRecord& state) {
  static const Doors kNone;
  static const Doors kKoyoriByDay{{"こより"}, {}};
  static const Doors kKoyori{{"こより", "事務所"}, {}};
  static const Doors kHotaru{{"仕上げ室", "ほたる", "川へ行く"}, {}};
  static const Doors kYuzukaByDay{{"ゆずか", "声をかける", "作画室"}, {15, 19}};
  static const Doors kYuzuka{{"ゆずか", "夜市に行く"}, {15, 19}};
  static const Doors kReina{{"玲那", "氷見"}, {14}};
  static const Doors kNanoka{{"菜乃花", "声をかけてみる", "氷見", "作画室"}, {14}};
  static const Doors kHinako{{"ひなこ", "コンビニ"}, {18}};
  static const Doors kKasumi{{"かすみ"}, {13}};
  static const Doors kAmane{{"あまね", "宵彩舎"}, {16, 17}};
  const bool evening = state.timeSlot >= 2;
  switch (heroine) {
    case 1:
      return evening ? kKoyori : kKoyoriByDay;
    case 2:
      return kHotaru;
    case 3:
      return evening ? kYuzuka : kYuzukaByDay;
    case 4:
      return kReina;
    case 5:
      return kNanoka;
    case 6:
      return kHinako;
    case 7:
      return kKasumi;
    case 8:
      return kAmane;
    case kPair:
      return kReina;  // the sisters' evenings begin at the flat Reina opens
    default:
      return kNone;
  }
}

// The answer that leads towards the heroine, 0 when none of this prompt does.
int TowardsHer(const Prompt& prompt, const core::GameStateRecord& state, int heroine) {
  // Her paint room is open every slot: once she has had her day's scene a
  // second knock only looks in, and the slot is the film's. The last cel
  // waits for the night of the 28th or 29th.
  const bool lastCelNights = state.date >= 828 && state.timeSlot >= 2;
  if (heroine == 2 && state.route[1].metToday[0] != 0 && !lastCelNights) return 0;
  const Doors& doors = DoorsOf(heroine, state);
  if (prompt.kind == Prompt::Kind::Map) {
    for (const int place : doors.places) {
      if (std::find(prompt.open.begin(), prompt.open.end(), place) != prompt.open.end()) {
        return place;
      }
    }
    return 0;
  }
  for (const std::string_view word : doors.words) {
    if (const int line = LineWith(prompt, {word}); line != 0) return line;
  }
  // On a Sunday the promise kept is hers; whose it is comes in the next choice.
  if (const int line = LineWith(prompt, {"約束の場所"}); line != 0) return line;
  // The action menu names no one: go where she may be found.
  if (LineWith(prompt, {"外へ出る"}) == 0) return 0;
  bool out = !doors.places.empty();
  if (heroine == 3) out = state.date >= 809 && state.date <= 821;  // the shop, then the ward
  // Before August the sisters and Kasumi are only a phone call away; Amane
  // asked to be called on 17 August.
  const bool call =
      ((heroine == 4 || heroine == 5 || heroine == 7 || heroine == kPair) && state.date < 801) ||
      (heroine == 8 && state.date == 817);
  if (call) return LineWith(prompt, {"電話"});
  if (heroine == 5 && state.date >= 802 && state.date <= 813 && state.timeSlot < 2) {
    out = false;  // by day she slips into the drawing room
  }
  return LineWith(prompt, {out ? "外へ出る" : "スタジオにいる"});
}

}  // namespace

const char* EndingOf(int heroine) {
  static constexpr const char* kEndings[kHeroines] = {"sKoyoriEnd", "sHotaruEnd", "sYuzukaEnd",
                                                      "sReinaEnd",  "sNanokaEnd", "sHinakoEnd",
                                                      "sKasumiEnd", "sAmaneEnd",  "sHimiEnd"};
  return heroine >= 1 && heroine <= kHeroines ? kEndings[heroine - 1] : "";
}

RouteState RouteOf(const core::GameStateRecord& record, int heroine) {
  RouteState state;
  if (heroine == kPair) {
    // The sisters' own scenes, the quarrel's night, the ending's flag and
    // the curry night with Koyori.
    state.affection = (record.route[3].affection + record.route[4].affection) / 2;
    for (const int offset : {163, 460, 480, 481, 482, 483, 484, 553, 558}) {
      if (record.Bytes()[offset] != 0) state.flags.push_back(offset);
    }
    return state;
  }
  if (heroine < 1 || heroine > core::kRouteCount) return state;
  const core::RouteBlock& block = record.route[heroine - 1];
  state.affection = block.affection;
  const int first = 100 * heroine + static_cast<int>(offsetof(core::RouteBlock, flags));
  for (int i = 0; i < static_cast<int>(sizeof block.flags); ++i) {
    if (block.flags[i] != 0) state.flags.push_back(first + i);
  }
  return state;
}

int RouteProgress(const core::GameStateRecord& record, int heroine) {
  const RouteState state = RouteOf(record, heroine);
  return 2 * state.affection + static_cast<int>(state.flags.size());
}

int TriedAnswers::Count(const std::string& site, int pick) const {
  const auto at = counts_.find(site);
  if (at == counts_.end()) return 0;
  const auto it = at->second.find(pick);
  return it == at->second.end() ? 0 : it->second;
}

void TriedAnswers::Add(const std::string& site, int pick) {
  ++counts_[site][pick];
}

std::string SiteOf(const Prompt& prompt) {
  std::string site = prompt.scenario + (prompt.kind == Prompt::Kind::Map ? "|map" : "|choice");
  for (const std::string& text : prompt.texts) site += "|" + text;
  return site;
}

WaitingWork WorkWaiting(const core::GameStateRecord& state) {
  WaitingWork waiting;
  for (const story::WorkPlace& place : story::WorkPlaces()) {
    if (state.Bytes()[place.flag] == 0) continue;
    if (place.mapPlace != 0) waiting.mapPlaces.push_back(place.mapPlace);
    if (place.work == story::Work::Director) waiting.director = true;
    if (place.work == story::Work::CutBagCheck) waiting.cutBags = true;
  }
  return waiting;
}

Decision Answer(const Prompt& prompt, const core::GameStateRecord& state, const Style& style,
                TriedAnswers& tried, std::mt19937& random) {
  const bool map = prompt.kind == Prompt::Kind::Map;
  std::vector<int> options;
  if (map) {
    options = prompt.open;
  } else {
    for (std::size_t i = 0; i < prompt.texts.size(); ++i) {
      if (!Avoided(prompt.texts[i])) options.push_back(static_cast<int>(i) + 1);
    }
  }
  // In the two scenes where the job can be refused, the refusal is the last
  // answer: a player who means to work never gives it.
  if (style.diligence >= 0 && !map && options.size() > 1 &&
      (prompt.scenario == "s0" || prompt.scenario == "s1wA")) {
    options.pop_back();
  }
  const std::string site = SiteOf(prompt);
  int pick = 0;
  if (style.heroine != 0 && std::bernoulli_distribution(style.devotion)(random)) {
    pick = TowardsHer(prompt, state, style.heroine);
  }
  if (pick == 0 && style.diligence >= 0) {
    const bool work = std::bernoulli_distribution(style.diligence)(random);
    if (work || style.idles) pick = DayCycleAnswer(prompt, WorkWaiting(state), work);
  }
  if (pick == 0 && !options.empty()) pick = LeastTried(options, site, tried, random);
  if (pick == 0) pick = 1;  // nothing but avoided lines: the game offers no other way on
  tried.Add(site, pick);
  return {map ? Decision::Kind::Map : Decision::Kind::Choice, pick, {}};
}

}  // namespace explore
