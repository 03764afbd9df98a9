#include "story/chapters.h"

namespace story {

ScriptResult NightScene(bool lateWithNanoka) {
  Bg(lateWithNanoka ? "bg013n" : "bg002n");
  GO(Say({"夜が更けていく。"}));
  return 0;
}

ScriptResult TiredMorning() {
  Bg("bg001");
  GO(Say({"寝不足の朝だ。"}));
  return 0;
}

ScriptResult SistersBreakfast() {
  Bg("bg034");
  GO(Say({"氷見姉妹が朝ごはんを持ってきた。"}));
  return 0;
}

}  // namespace story
