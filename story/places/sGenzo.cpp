#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sGenzo() {
  VisitMusic();
  Bg(ByTime("bg061"));
  GO(Say({"暁光現像所でラッシュを受け取った。"}));
  return Visited(Work::Laboratory);
}

}  // namespace story
