#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wG() {
  Bg("bg070y");
  GO(Say({"コンビニの店員が、こっちを見て笑った。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
