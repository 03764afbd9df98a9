#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sRecStudio() {
  VisitMusic();
  Bg("bg054");
  GO(Say({"音蔵スタジオで収録に立ち会った。"}));
  return Visited(Work::Recording);
}

}  // namespace story
