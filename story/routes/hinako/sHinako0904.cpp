// First draft: the writer of this route replaces it.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHinako0904() {
  GO(Say({"（まだ書かれていない場面）"}));
  return 0;
}

}  // namespace story
