#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wA() {
  Bg("bg038");
  GO(Say({"会議室に、ポスターが二枚。"}));
  GO(Choose({"１『巨人のポスター』", "２『霧の少女のポスター』"}));
  core::GameState.project() = Picked() == 1 ? 0 : 1;
  return Jump("s1wB");
}

}  // namespace story
