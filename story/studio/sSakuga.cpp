#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sSakuga() {
  Music("bgm06");
  Bg(ByTime("bg035"));
  GO(Choose({Flag(PlaceOf(Work::Director).flag) == 1 ? "１『監督室へ』" : nullptr,
             Flag(PlaceOf(Work::CutBagCheck).flag) == 1 ? "２『熊井さんを手伝う』" : nullptr,
             "３『アニメーターたちと話す』", "４『事務所に戻る』"}));
  switch (Picked()) {
    case 1:
      return Jump("sKantoku");
    case 2:
      return Jump("sKumai");
    case 3:
      return Jump("sIn");
    default:
      StopMusic();
      return Jump("s2wA");
  }
}

}  // namespace story
