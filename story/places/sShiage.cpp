#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sShiage() {
  VisitMusic();
  Bg(ByTime("bg055"));
  GO(Say({"にじますにセルを届けた。"}));
  return Visited(Work::InkAndPaint);
}

}  // namespace story
