#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s0() {
  Bg("bg011");
  Music("bgm01");
  GO(Say({"駅前のそば屋に、張り紙があった。"}));
  GO(Choose({"１『面接を受ける』", "２『やめておく』"}));
  if (Picked() == 2) {
    return EndWithoutHeroine("declined");
  }
  return Jump("s1wA");
}

}  // namespace story
