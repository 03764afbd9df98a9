#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sKumai() {
  GO(Say({"熊井さんとカット袋を全部確かめた。"}));
  return Visited(Work::CutBagCheck);
}

}  // namespace story
