#include "story/chapters.h"

namespace story {

ScriptResult QuietSunday(std::uint32_t date) {
  Bg(date == 815 ? "bg039y" : "bg001y");
  GO(Say({"静かな日曜日だった。"}));
  return 0;
}

ScriptResult FestivalEvening() {
  Bg("bg001y");
  GO(Say({"遠くで祭囃子が聞こえる。"}));
  return Choose({"１『部屋で休む』", "２『神社の祭りに行く』"});
}

ScriptResult FestivalAlone() {
  Bg("bg015n");
  GO(Say({"ひとりで夜店を歩いた。"}));
  return 0;
}

}  // namespace story
