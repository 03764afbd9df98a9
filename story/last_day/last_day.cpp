#include "story/chapters.h"

namespace story {

ScriptResult NotReady() {
  Music("bgm11");
  Bg("bg034");
  GO(Say({"数字が足りない。配給会社の人が席を立った。"}));
  return 0;
}

ScriptResult OneMoreNight() {
  Music("bgm08");
  Bg("bg034");
  GO(Say({"あと一晩だけ、待ってもらえることになった。"}));
  return 0;
}

ScriptResult DirectorsLastCheck() {
  GO(Say({"監督の最後のチェックが始まった。"}));
  GO(Choose({"１『直してもらう』", "２『このまま出す』"}));
  Bonus(Picked() == 1 ? 3 : -3);
  return 0;
}

ScriptResult ScreeningTriumph() {
  Music("bgm12");
  Bg("bg062");
  GO(Say({"ラッシュが上映された。拍手が起きた。"}));
  return 0;
}

ScriptResult ScreeningRelief() {
  Music("bgm12");
  Bg("bg062");
  GO(Say({"原撮が上映された。なんとか、間に合った。"}));
  return 0;
}

ScriptResult LineTestEnding() {
  Music("bgm11");
  Bg("bg062");
  GO(Say({"上映されたのは、線撮だった。"}));
  return 0;
}

ScriptResult UnfinishedSummer() {
  Bg("bg039");
  GO(Say({"屋上で、ひとりで朝を迎えた。"}));
  return 0;
}

ScriptResult EndingSequence() {
  ClearStage();
  GO(Say({"そして、初号の日が来た。"}));
  return 0;
}

ScriptResult sKoyori0816() {
  Music("bgm11");
  Bg("bg040n");
  GO(Say({"配給会社から、電話があった。"}));
  return EndWithoutHeroine("dropped");
}

}  // namespace story
