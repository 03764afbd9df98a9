#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wI() {
  Bg("bg014");
  GO(Say({"丘の上の洋館。門は閉まっていた。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
