#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sSatuei() {
  VisitMusic();
  Bg(ByTime("bg059"));
  GO(Say({"八ツ目撮影にカット袋を届けた。"}));
  return Visited(Work::Camera);
}

}  // namespace story
