// The hub of every time slot, "s2wA": the day's end and the next day's start,
// the score, the event triggers, the night, and the action menu.
#include <cstdint>

#include "core/game_state.h"
#include "game/calendar.h"
#include "game/town_map.h"
#include "story/chapters.h"
#include "story/day/triggers.h"
#include "story/day/work.h"
#include "story/flags.h"

namespace story {

namespace {

constexpr std::uint32_t kSundays[] = {801, 808, 815, 822};

bool IsSunday(std::uint32_t date) {
  for (const std::uint32_t sunday : kSundays) {
    if (date == sunday) return true;
  }
  return false;
}

// The scenario of each map place; 13 to 19 belong to the heroines' routes.
const char* PlaceScenario(int place) {
  for (const WorkPlace& work : WorkPlaces()) {
    if (work.mapPlace == place) return work.scenario;
  }
  switch (place) {
    case 13:
      return "sKasumi";
    case 14:
      return "sHimi";
    case 15:
      return "sYuzukaOut";
    case 16:
      return "sAmane";
    case 17:
      return "sAmaneUranai";
    case 18:
      return "sHinako";
    case 19:
      return "sYuzukaHosp";
    default:
      return "sHome";
  }
}

// The heroines' places the hub opens just before the map; a route that is not
// written yet keeps its place shut.
void OpenMapPlaces() {
  const std::uint32_t date = Date();
  const bool open[7] = {
      date < 823 && Flag(flag::kKasumiInvited) != 0,
      date < 823 && Flag(flag::kPairOpen) == 1,
      date >= 809 && date <= 815 && Flag(flag::kYuzukaOrderDone) == 0 &&
          Flag(flag::kYuzukaShop) == 1,
      date == 817 && Flag(flag::kAmaneStage) == 2,
      TimeSlot() != core::kNight && Flag(flag::kAmaneStage) >= 3,
      Flag(flag::kHinakoOpen) != 0 && Flag(flag::kHinakoMetToday) == 0,
      date >= 816 && date <= 821 && Flag(flag::kYuzukaHospital) != 0,
  };
  for (int i = 0; i < 7; ++i) {
    core::GameState.mapPlace[i] = open[i] && Written(PlaceScenario(13 + i)) ? 1 : 0;
  }
}

// The first morning's clean slate: the date moves on, the day's meetings are
// forgotten, and two mornings may come with the flags of the night before.
ScriptResult StartNextDay() {
  TurnToTheNextDate();
  if (core::GameState.weekEnd != 0) return 0;
  if (Flag(flag::kTiredMorning) == 1) {
    GO(TiredMorning());
    core::GameState.scoreBonus() -= 1;  // the hub puts a bonus lowered below 0 back to 0
    Flag(flag::kTiredMorning) = 0;      // one tired morning for each night she kept him out
  }
  if (Flag(flag::kSistersBreakfast) == 1) {
    GO(SistersBreakfast());
    Affection(4) += 2;
    Affection(5) += 2;
    core::GameState.timeSlot += 1;
    Flag(flag::kSistersBreakfast) = 0;
  }
  return 0;
}

// Until the player goes on: saving shows the menu again; the third answer
// ends the game here.
ScriptResult DayEndMenu() {
  ClearStage();
  for (;;) {
    GO(Choose({"１●セーブする", "２●次の日へ", "３●タイトルに戻る"}));
    if (Picked() == 1) {
      GO(Save());
    } else if (Picked() == 2) {
      return 0;
    } else if (Picked() == 3) {
      StopMusic();
      return scenario::kGameOver;
    }
  }
}

ScriptResult Night() {
  ClearStage();
  GO(Page());
  if (Flag(flag::kTiredMorning) == 1 && Flag(flag::kPair0814) == 1 && Written("sHimi0814")) {
    return Jump("sHimi0814");
  }
  GO(NightScene(Flag(flag::kTiredMorning) == 1));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

ScriptResult StayInTheStudio(bool* back) {
  GO(Choose({"１『事務所』", "２『作画室』", Written("sHotaru") ? "３『仕上げ室』" : nullptr}));
  *back = false;
  switch (Picked()) {
    case 1:
      return Jump("sJimusyo");
    case 2:
      StopMusic();
      return Jump("sSakuga");
    case 3:
      StopMusic();
      return Jump("sHotaru");
    default:
      *back = true;
      return 0;
  }
}

ScriptResult GoOut(bool* back) {
  OpenMapPlaces();
  GO(Map());
  *back = Picked() == 0;
  if (*back) return 0;
  StopMusic();
  return Jump(PlaceScenario(Picked()));
}

ScriptResult Phone(bool* back) {
  const std::uint32_t date = Date();
  const char* kasumi = date <= 731 && Flag(flag::kKasumiInvited) == 0 && Written("sKasumiTel")
                           ? "１『かすみさんに電話する』"
                           : nullptr;
  const char* sisters = date < 801 && Flag(flag::kPairPhone) == 1 && Written("sHimiTel")
                            ? "２『氷見さんの家に電話する』"
                            : nullptr;
  const char* amane = date == 817 && Flag(flag::kAmaneStage) == 1 && Written("sAmaneTel")
                          ? "３『宵彩舎に電話する』"
                          : nullptr;
  GO(Choose({kasumi, sisters, amane, "４『やめておく』"}));
  *back = false;
  switch (Picked()) {
    case 1:
      return Jump("sKasumiTel");
    case 2:
      return Jump("sHimiTel");
    case 3:
      return Jump("sAmaneTel");
    default:
      *back = true;
      return 0;
  }
}

ScriptResult ActionMenu() {
  for (;;) {
    GO(Choose({"１『スタジオにいる』", "２『外へ出る』", "３『電話をかける』"}));
    bool back = false;
    ScriptResult result = 0;
    switch (Picked()) {  // read once: the sub-menus overwrite the pick
      case 1:
        result = StayInTheStudio(&back);
        break;
      case 2:
        result = GoOut(&back);
        break;
      case 3:
        result = Phone(&back);
        break;
      default:
        back = true;
    }
    if (!back) return result;
    GO(result);
  }
}

}  // namespace

void TurnToTheNextDate() {
  core::GameState.date += 1;
  core::GameState.timeSlot = core::kMorning;
  core::GameState.dayStarted() = 0;
  for (core::RouteBlock& route : core::GameState.route) {
    route.metToday[0] = 0;
    route.metToday[1] = 0;
  }
  core::GameState.weekEnd = IsSunday(Date()) ? 1 : 0;
}

ScriptResult s2wA() {
  StopMusic();
  if (TimeSlot() >= core::kAfternoon && Flag(PlaceOf(Work::StaffMeeting).flag) == 1) {
    return Jump("sKaigi");
  }
  if (TimeSlot() >= core::kDayOver) {
    GO(DayEndMenu());
    GO(StartNextDay());
  }
  GO(game::ShowDate(2));
  ClampBytes();
  RecomputeProductionScore();
  if (IsSunday(Date())) {
    core::GameState.weekEnd = 1;
    return Jump("sWeekEnd");
  }
  if (const char* event = TriggeredEvent()) return Jump(event);
  if (TimeSlot() >= core::kNightOver) return Night();
  Bg("bg034");
  if (core::GameState.dayStarted() == 0) return Jump("sDay");
  Music("bgm03");
  GO(DateLine());
  return ActionMenu();
}

}  // namespace story
