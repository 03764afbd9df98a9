#include "story/chapters.h"

namespace story {

ScriptResult Briefing(std::uint32_t date) {
  Music("bgm02");
  Bg("bg034");
  GO(Say({"朝の打ち合わせ。今日の仕事が配られた。"}));
  if (date == 803) return Choose({"１『協会便は自分が回る』", "２『こよりさんに任せる』"});
  if (date == 829)
    return Choose({"１『ダビングに立ち会う』", "２『こよりさんのリテイクを手伝う』"});
  return 0;
}

ScriptResult RetakesWithKoyori() {
  GO(Say({"こよりさんとリテイクを回した。"}));
  return 0;
}

}  // namespace story
