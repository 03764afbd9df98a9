#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sGengaB() {
  VisitMusic();
  Bg(ByTime("bg051"));
  GO(Say({"沢渡さんのアトリエで原画を受け取った。"}));
  return Visited(Work::KeyAnimatorB);
}

}  // namespace story
