#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sGengaA() {
  VisitMusic();
  Bg(ByTime("bg050"));
  GO(Say({"寺門さんの団地で原画を受け取った。"}));
  return Visited(Work::KeyAnimatorA);
}

}  // namespace story
