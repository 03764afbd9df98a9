#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sIn() {
  GO(Say({"作画室のみんなと話した。"}));
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump("s2wA");
}

}  // namespace story
