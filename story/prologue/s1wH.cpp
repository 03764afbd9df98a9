#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wH() {
  Bg("bg010");
  GO(Say({"駅の階段に、段ボールの山。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
