#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wE() {
  Bg("bg036");
  GO(Say({"日曜の仕上げ室に、ほたるさんがいた。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
