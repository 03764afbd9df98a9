#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wC() {
  Bg("bg030");
  GO(Say({"熊井さんと、はじめての回収に出た。"}));
  return Jump("s1wD");
}

}  // namespace story
