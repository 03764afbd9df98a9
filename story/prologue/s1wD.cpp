#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wD() {
  Bg("bg039n");
  GO(Say({"はじめての徹夜。屋上で朝日を見た。"}));
  return Jump("s1wD2");
}

}  // namespace story
