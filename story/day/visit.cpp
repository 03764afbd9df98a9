#include "story/day/visit.h"

#include "core/game_state.h"

namespace story {

int VisitsTo(Work work) {
  return Flag(PlaceOf(work).flag + kCounterOffset);
}

void VisitMusic() {
  Music(DayOrNight("bgm04", "bgm05"));
}

ScriptResult Visited(Work work) {
  const WorkPlace& place = PlaceOf(work);
  Flag(place.flag + kCounterOffset) += 1;
  Flag(place.flag) = 0;
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump("s2wA");
}

ScriptResult SceneByVisits(int visits, ScriptResult (*first)(), ScriptResult (*middle)(int),
                           ScriptResult (*later)(int)) {
  if (visits == 0) return first();
  return visits <= 2 ? middle(visits) : later(visits);
}

}  // namespace story
