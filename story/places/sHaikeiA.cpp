#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sHaikeiA() {
  VisitMusic();
  Bg(ByTime("bg056"));
  GO(Say({"青嵐美術で背景を受け取った。"}));
  return Visited(Work::BackgroundA);
}

}  // namespace story
