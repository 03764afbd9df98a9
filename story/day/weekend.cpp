// The Sundays 1, 8, 15 and 22 August: the meetings the routes have made
// possible, tried in the story's order; a quiet day when none is taken.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"

namespace story {

namespace {

// A meeting leads to its route's scenario, which ends the day itself.
bool Offered(bool condition, const char* scenario) {
  return condition && Written(scenario);
}

ScriptResult DayEndsQuietly(std::uint32_t date) {
  GO(QuietSunday(date));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

bool NanokaWaits() {
  return Offered(Flag(flag::kNanokaDate) == 1 && Flag(flag::kNanokaDateSeen) == 0, "sNanokaDate");
}

ScriptResult FirstSunday() {
  if (NanokaWaits()) return Jump("sNanokaDate");
  if (Offered(Flag(flag::kHinakoOpen) == 1, "sHinako0801")) return Jump("sHinako0801");
  return DayEndsQuietly(801);
}

ScriptResult FestivalSunday() {
  if (NanokaWaits()) return Jump("sNanokaDate");
  const bool yuzuka = Offered(Flag(flag::kYuzuka0808) == 1, "sYuzuka0808");
  const bool hotaru = Offered(Flag(flag::kHotaru0808) == 1, "sHotaru0808");
  if (yuzuka && hotaru) {
    GO(Say({"夕方から商店街の夜市がある。", "川べりでは、まだ蛍が飛ぶらしい。"}));
    GO(Choose({"１『夜市に行く』", "２『川へ行く』"}));
    return Jump(Picked() == 1 ? "sYuzuka0808" : "sHotaru0808");
  }
  if (yuzuka) return Jump("sYuzuka0808");
  if (hotaru) return Jump("sHotaru0808");
  GO(FestivalEvening());
  if (Picked() == 2 && Offered(Flag(flag::kHinakoOpen) == 1, "sHinako0808")) {
    return Jump("sHinako0808");
  }
  if (Picked() == 2) GO(FestivalAlone());
  return DayEndsQuietly(808);
}

ScriptResult ObonSunday() {
  const bool hotaru = Offered(Flag(flag::kHotaru0815) == 1, "sHotaru0815");
  const char* sisterScene = Flag(flag::kReinaMetSisters) == 1 ? "sReina0815" : "sNanoka0815";
  const bool sister = Offered(Flag(flag::kPairSunday) == 1, sisterScene);
  if (hotaru || sister) {
    GO(Say({"お盆の日曜日。スタジオは休みだ。", "約束をしていたのを思い出す。"}));
    GO(Choose({"１『約束の場所へ行く』", "２『街を歩く』", "３『部屋で休む』"}));
    if (Picked() == 1) {
      if (hotaru && sister) {
        GO(Choose({"１『ほたるさんのところへ』", "２『氷見さんのところへ』"}));
        return Jump(Picked() == 1 ? "sHotaru0815" : sisterScene);
      }
      return Jump(hotaru ? "sHotaru0815" : sisterScene);
    }
  }
  const bool yuzuka =
      Offered(Flag(flag::kYuzukaMet) != 0 && Flag(flag::kYuzuka0815) != 0, "sYuzuka0815");
  const bool koyori = Offered(core::GameState.productionScore() >= 25, "sKoyori0815");
  const bool hinako = Offered(Flag(flag::kHinakoStage) == 1, "sHinakoDate");
  if (yuzuka || koyori) {
    GO(Choose({"１『出かける』", "２『ゆっくりする』"}));
    if (Picked() == 1) {
      GO(Choose({yuzuka ? "１『商店街へ』" : nullptr, koyori ? "２『スタジオへ』" : nullptr}));
      return Jump(Picked() == 1 ? "sYuzuka0815" : "sKoyori0815");
    }
  }
  if (hinako) return Jump("sHinakoDate");
  return DayEndsQuietly(815);
}

ScriptResult LastSunday() {
  if (Offered(Flag(flag::kYuzuka0822) == 1, "sYuzuka0822")) {
    GO(Say({"病院の屋上で待っている、と", "ゆずかちゃんから伝言があった。"}));
    GO(Choose({"１『病院へ行く』", "２『行かない』"}));
    if (Picked() == 1) return Jump("sYuzuka0822");
  }
  if (Offered(Flag(flag::kKasumi0822Seen) == 0 && Flag(flag::kKasumiLastEvening) == 1 &&
                  Flag(flag::kKasumiVisits) == 5,
              "sKasumi0822")) {
    return Jump("sKasumi0822");
  }
  if (Offered(Flag(flag::kHinakoStage) == 1, "sHinakoDate")) return Jump("sHinakoDate");
  return DayEndsQuietly(822);
}

}  // namespace

ScriptResult sWeekEnd() {
  switch (Date()) {
    case 801:
      return FirstSunday();
    case 808:
      return FestivalSunday();
    case 815:
      return ObonSunday();
    default:
      return LastSunday();
  }
}

}  // namespace story
