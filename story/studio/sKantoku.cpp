#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sKantoku() {
  Bg(ByTime("bg037"));
  GO(Say({"監督のチェックを受けた。"}));
  return Visited(Work::Director);
}

}  // namespace story
