#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"

namespace story {

ScriptResult sKumai0828() {
  Flag(flag::kKumai0828Seen) = 1;
  Bg("bg039y");
  GO(Say({"屋上で、熊井さんが缶コーヒーをくれた。"}));
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
