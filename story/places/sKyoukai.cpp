#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sKyoukai() {
  VisitMusic();
  Bg(ByTime("bg058"));
  GO(Say({"協会便のカット袋を受け渡した。"}));
  return Visited(Work::Courier);
}

}  // namespace story
