#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wF() {
  Bg("bg012");
  GO(Say({"町を歩いてみる。"}));
  GO(Choose({"１『コンビニ』", "２『駅』", "３『丘の上』"}));
  if (Picked() == 1) return Jump("s1wG");
  if (Picked() == 2) return Jump("s1wH");
  return Jump("s1wI");
}

}  // namespace story
