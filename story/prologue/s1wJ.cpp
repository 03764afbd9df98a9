#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wJ() {
  Bg("bg012");
  GO(Say({"画材屋の前で、女の子が監督を叱っていた。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
