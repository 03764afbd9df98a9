// The morning: "sDay" hands out the day's work with the briefing; on the last
// day it becomes the evaluation that decides the film and the ending.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/work.h"
#include "story/flags.h"

namespace story {

namespace {

constexpr std::uint32_t kLastDay = 830;
constexpr int kFailedCheckBelow = 45;
constexpr int kFilmShownFrom = 50;
constexpr int kRushFrom = 80;

int Score() {
  return core::GameState.productionScore();
}

// The film the studio shows on the last day, and its movie byte.
void ScreenTheFilm() {
  struct Reel {
    const char* name;
    int seen;
  };
  constexpr Reel kReels[2][3] = {
      {{"zsensatu", 0}, {"zgagagen", 1}, {"zgagaras", 2}},
      {{"zsensatu", 4}, {"zronigen", 5}, {"zroniras", 6}},
  };
  const int band = Score() >= kRushFrom ? 2 : Score() >= kFilmShownFrom ? 1 : 0;
  const Reel& reel = kReels[core::GameState.project() == 0 ? 0 : 1][band];
  Movie(reel.name);
  core::GameState.movieSeen[reel.seen] = 1;
}

// Whether route's affection is at least each other route's of 1 to 7.
bool LeadsTheOthers(int route) {
  for (int other = 1; other <= 7; ++other) {
    if (other != route && Affection(route) < Affection(other)) return false;
  }
  return true;
}

bool AllSet(std::initializer_list<std::size_t> offsets) {
  for (const std::size_t offset : offsets) {
    if (Flag(offset) != 1) return false;
  }
  return true;
}

// 1 Koyori, 2 Yuzuka, 3 Hotaru, 4 Reina, 5 Nanoka; 0 none. A later route that
// qualifies wins over an earlier one.
int EndingNumber() {
  int number = 0;
  if (AllSet({flag::kKoyoriVanAtDawn, flag::kKoyoriRoofAtObon}) && LeadsTheOthers(1)) number = 1;
  if (AllSet({flag::kYuzukaShop, flag::kYuzukaDelivery, flag::kYuzukaHospital, flag::kYuzukaRoof,
              flag::kYuzukaLastNight}) &&
      LeadsTheOthers(3)) {
    number = 2;
  }
  if (AllSet({flag::kHotaruFireflies, flag::kHotaruMixedColour, flag::kHotaruLastCel}) &&
      Flag(flag::kHotaruPaintRoomLeft) == 0 && LeadsTheOthers(2)) {
    number = 3;
  }
  if (Flag(flag::kReinaEnding) == 1 && LeadsTheOthers(4)) number = 4;
  if (Flag(flag::kNanokaEnding) == 1 && Flag(flag::kPairEnding) == 0 && LeadsTheOthers(5)) {
    number = 5;
  }
  return number;
}

// The jump to a heroine's ending; null when that route is not written yet.
const char* WrittenOrNull(const char* scenario) {
  return Written(scenario) ? scenario : nullptr;
}

const char* HeroineEnding() {
  if (Flag(flag::kHinakoOpen) != 0 && Flag(flag::kHinakoSketchbook) != 0 &&
      Flag(flag::kHinakoSea) != 0 && Flag(flag::kHinakoStage) == 2 && Written("sHinako0904")) {
    return "sHinako0904";  // an epilogue that is run, not jumped to
  }
  if (LeadingRoute() == 5 && Flag(flag::kKasumiEnding) == 1) {
    if (const char* kasumi = WrittenOrNull("sKasumiEnd")) return kasumi;
  }
  core::GameState.weekEnd = static_cast<std::uint8_t>(EndingNumber());
  if (Flag(flag::kPairEnding) == 1) return WrittenOrNull("sHimiEnd");
  const int number = core::GameState.weekEnd;
  if (number == 0) return nullptr;
  if (Flag(flag::kAmaneEnding) == 1) return WrittenOrNull("sAmaneEnd");
  constexpr const char* kEndings[5] = {"sKoyoriEnd", "sYuzukaEnd", "sHotaruEnd", "sReinaEnd",
                                       "sNanokaEnd"};
  return WrittenOrNull(kEndings[number - 1]);
}

ScriptResult TheLastDay() {
  if (Score() < kFailedCheckBelow) {
    GO(NotReady());
    Unlock(1, 13);  // the empty preview theatre
    core::GameState.finalCheckFailed() = 1;
  } else {
    GO(OneMoreNight());
    if (Flag(flag::kDirectorBrought) == 1) GO(DirectorsLastCheck());
  }
  ClampBytes();
  RecomputeProductionScore();
  if (core::GameState.finalCheckFailed() == 1) core::GameState.productionScore() = 0;

  ScreenTheFilm();
  if (Score() < kFilmShownFrom) {
    GO(LineTestEnding());
    Unlock(6, 4);  // coffee at dawn
    return EndWithoutHeroine("line-test");
  }
  GO(Score() >= kRushFrom ? ScreeningTriumph() : ScreeningRelief());

  const char* ending = HeroineEnding();
  if (ending != nullptr && std::string_view(ending) == "sHinako0904") {
    const ScriptResult epilogue = Run(ending);
    if (epilogue != 0) return epilogue;
    return Jump("sHinakoEnd");
  }
  if (ending != nullptr) return Jump(ending);

  GO(UnfinishedSummer());
  Unlock(1, 14);  // the empty office at dawn
  Unlock(1, 15);  // the roof at dawn, alone
  return EndWithoutHeroine("unfinished-summer");
}

}  // namespace

ScriptResult sDay() {
  const std::uint32_t date = Date();
  if (date == kLastDay) return TheLastDay();
  SetTheDaysWork(date);
  GO(Briefing(date));
  if (date == 829 && Picked() == 2) {
    GO(RetakesWithKoyori());
    Affection(1) += 1;
    Bonus(2);
  }
  core::GameState.dayStarted() = 1;
  if (date == 828 && Written("sKoyori0828")) return Jump("sKoyori0828");
  return Jump("s2wA");
}

}  // namespace story
