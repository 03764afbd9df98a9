#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

ScriptResult s1wD2() {
  ClearStage();
  for (;;) {
    GO(Choose({"１●セーブする", "２●次の日へ", "３●タイトルに戻る"}));
    if (Picked() == 1) GO(Save());
    if (Picked() == 2) break;
    if (Picked() == 3) {
      StopMusic();
      return scenario::kGameOver;
    }
  }
  core::GameState.date = 725;
  core::GameState.timeSlot = core::kMorning;
  Bg("bg002");
  GO(Say({"日曜日。銀杏荘に引っ越した。"}));
  GO(Choose({"１『スタジオへ行く』", "２『町を歩く』", "３『駅で布団を買う』"}));
  if (Picked() == 1) return Jump("s1wE");
  if (Picked() == 2) return Jump("s1wF");
  return Jump("s1wH");
}

}  // namespace story
