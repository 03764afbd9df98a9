#include "story/routes/support/support.h"

#include "core/game_state.h"
#include "story/day/visit.h"
#include "story/flags.h"
#include "story/script.h"

namespace story::support {

namespace {

// A scene of ours that ends the day must not take the night from one that
// the hub would play on it.
bool NightIsFree() {
  const std::uint32_t date = Date();
  if (date == 727 || date == 814 || date == 828) return false;
  return Flag(flag::kKuramaeNight) == 0 && Flag(flag::kKoyoriWithSisters) == 0 &&
         Flag(flag::kTiredMorning) == 0 &&
         !(Flag(flag::kKasumiParcel) == 1 && Flag(flag::kKasumiParcelSeen) == 0);
}

}  // namespace

bool KumaiMorningDue() {
  return Date() >= 802 && Date() < 829 && TimeSlot() == core::kMorning &&
         Flag(kKumaiGozenSeen) == 0;
}

const char* AfterTheCutBagCheck() {
  if (!EveningOrNight() || !NightIsFree()) return nullptr;
  const bool drink = Flag(kKumaiDrinkSeen) == 0 && Date() >= 802;
  const bool board = Flag(kKumaiYoruSeen) == 0;
  // The evening is for the yakitori stand, the night for the board; either
  // takes the other's hour when its own scene was already played.
  if (TimeSlot() == core::kEvening) {
    if (drink) return "sKumaiDrink";
    if (board) return "sKumaiYoru";
  } else {
    if (board) return "sKumaiYoru";
    if (drink) return "sKumaiDrink";
  }
  return nullptr;
}

bool KuramaeNightDue() {
  return Date() >= 829 && EveningOrNight() && Flag(kKuramae02Seen) == 0 && NightIsFree();
}

ScriptResult VisitedThen(Work work, const char* scene) {
  // The visit's own bookkeeping, as the hub's return would have done it.
  const WorkPlace& place = PlaceOf(work);
  Flag(place.flag + kCounterOffset) += 1;
  Flag(place.flag) = 0;
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump(scene);
}

}  // namespace story::support
