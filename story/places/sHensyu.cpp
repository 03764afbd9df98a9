#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sHensyu() {
  VisitMusic();
  Bg(ByTime("bg060"));
  GO(Say({"つぎはぎ編集室でフィルムをつないだ。"}));
  return Visited(Work::Editing);
}

}  // namespace story
