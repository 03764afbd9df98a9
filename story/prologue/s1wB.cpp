#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wB() {
  Bg("bg034");
  GO(Say({"こよりさんがスタジオを案内してくれた。"}));
  return Jump("s1wC");
}

}  // namespace story
