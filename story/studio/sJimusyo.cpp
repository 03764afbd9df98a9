#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sJimusyo() {
  Bg(ByTime("bg034"));
  GO(Say({"事務所で電話番をした。"}));
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
