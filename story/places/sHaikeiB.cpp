#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sHaikeiB() {
  VisitMusic();
  Bg(ByTime("bg057"));
  GO(Say({"梶さんの農家で背景を受け取った。"}));
  return Visited(Work::BackgroundB);
}

}  // namespace story
