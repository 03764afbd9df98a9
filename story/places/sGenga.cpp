#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sGenga() {
  VisitMusic();
  Bg(ByTime("bg052"));
  GO(Say({"スタジオ・ツバクロで原画を受け取った。"}));
  return Visited(Work::KeySubcontractor);
}

}  // namespace story
