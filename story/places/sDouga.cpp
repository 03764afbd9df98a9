#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sDouga() {
  VisitMusic();
  Bg(ByTime("bg053"));
  GO(Say({"ぱらぱら堂に原画を届けた。"}));
  return Visited(Work::InBetween);
}

}  // namespace story
