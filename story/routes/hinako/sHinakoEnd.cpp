// Ending 「始発」: at the first print in mid-September Hinako sits in the back
// row, drawing; her talk of the sketchbook's last page takes the rookie back
// to the first train of 4 September, where the epilogue broke off, and to
// the first page she showed him at its open door.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHinakoEnd() {
  GO(EndingSequence());
  Bg("bg062");
  Music("HIm01");
  GO(Say({"エンドロールの最後の一行が消えて、", "客席の灯りが戻ってきた。"}));
  GO(Say({"いちばんうしろの、通路の脇の席。", "熊井さんに招かれて来たひなこが、",
          "膝の上で、鉛筆を走らせていた。"}));
  GO(Say({"描いていたのは、スクリーンではなかった。", "泣いている熊井さん。編み棒を握る社長。",
          "腕を組んだままの監督。"}));
  Face(1, "hit003");
  Voice("hi0284");
  GO(Say({"ひなこ「みんな、いい顔。", "　これ、ぜったい講評に出す」"}));
  GO(Say({"ひなこ「……猫は、描かないでおく。", "　最後のページは、進行くんにするから」"}));
  ClearStage();
  GO(Say({"最後のページ、と聞いて、", "あの朝のことを思い出していた。"}));
  GO(Say({"九月四日。", "夜明けの、月見坂駅のホーム。"}));
  Bg("bg010n");
  Effect("22");
  GO(Say({"二両編成の始発が、", "ホームに、ゆっくりと滑りこんできた。"}));
  GO(Say({"ドアが開いた。", "だれも降りてこなかった。", "だれも乗っていなかった。"}));
  Face(1, "hit007");
  GO(Say({"ひなこは、一歩乗りこんで、", "それから、くるりとふり返った。"}));
  Voice("hi0280");
  GO(Say({"ひなこ「陽太くん。これ、いちばんに見せるって", "　言ったでしょ」"}));
  ClearStage();
  Bg("HIE001");
  Unlock(6, 7);
  GO(Say({"開いたドアのところで、", "ひなこが、新しいスケッチブックを",
          "両手で、こちらに向けて開いていた。"}));
  GO(Say({"最初のページは、夕凪動画だった。"}));
  GO(Say({"商店街の角の、古い米屋の二階建て。", "屋上の物干し。二階の作画室の窓の明かり。",
          "看板の、少し欠けた『夕』の字。"}));
  GO(Say({"店の駐車場から見上げた角度だった。", "夜勤の休憩のたびに、",
          "彼女がずっと見ていた窓だった。"}));
  GO(Say({"窓の中に、小さく、", "カット袋を抱えて走っていく人影が", "ひとつ、描きこんであった。"}));
  Voice("hi0281");
  GO(Say({"ひなこ「レイアウト用紙の、最後の一枚で", "　下描きしたの。枠の中に、",
          "　ちゃんと全部、入れたよ」"}));
  Voice("hi0282");
  GO(Say({"ひなこ「いってきます、進行くん。", "　……じゃなくて、陽太くん」"}));
  GO(Choose({"１『いってらっしゃい』", "２『いってらっしゃい、ひなこ』"}));
  if (Picked() == 2) {
    GO(Say({"ひなこは、一瞬きょとんとして、", "それから、耳まで真っ赤になった。"}));
    Voice("hi0283");
    GO(Say({"ひなこ「……ずるい。今それ、言う？」"}));
  } else {
    GO(Say({"ひなこは、にっと笑って、", "スケッチブックで顔を半分隠した。"}));
  }
  Effect("22");
  GO(Say({"発車のベルが鳴って、ドアが閉まった。", "ガラスの向こうで、彼女がひらひらと",
          "手を振っていた。あの晩と、同じように。"}));
  GO(Say({"電車が、夜明けの町を渡っていった。", "始発は、夜の人の帰りの電車で、",
          "あの日からは、彼女の行きの電車だった。"}));
  ClearStage();
  Bg("bg062");
  GO(Say({"試写室の灯りの下で、", "ひなこは、まだ鉛筆を動かしていた。",
          "スケッチブックは、もう半分まで埋まっていた。"}));
  GO(Say({"夏が終わった。", "ひとつの映画が、町を出ていく。",
          "ひとりの女の子が、始発に乗っていった。"}));
  GO(Say(
      {"運ぶことも、仕事なのだと、", "この夏に教わった。", "動きだしたものは、もう止まらない。"}));
  return EndWithCredits("sHinakoEnd");
}

}  // namespace story
