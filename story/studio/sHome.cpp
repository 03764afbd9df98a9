#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sHome() {
  Music("bgm10");
  Bg(ByTime("bg001"));
  GO(Say({"部屋で少し休んだ。"}));
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump("s2wA");
}

}  // namespace story
