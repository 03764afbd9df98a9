// 原画マンＢ: 沢渡 美奈's studio flat above a bakery. She draws the acting,
// keeps two cats, always finishes and is always late; her last cuts are set for
// 6 August.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  if (EveningOrNight()) {
    GO(Say({"商店街の外れ、シャッターを下ろしたパン屋の二階。",
            "外階段の上の窓だけが、まだ明るい。"}));
  } else {
    GO(Say({"商店街の外れ、パン屋『こむぎ堂』の二階。",
            "外階段を上がるだけで、焼きたての匂いがついてくる。"}));
  }
  Effect("05");
  GO(Say({"ドアが開くより先に、猫が二匹、足元に出てきた。", "黒いのと、茶色いの。",
          "熊井さんと来た日と、同じ出迎えだった。"}));
  GO(Say({"沢渡「おはぎ、きなこ、お客さんだよ。……あ、",
          "　夕凪の新人くん？　ごめん、あと二カット！」"}));
  GO(Say({"原画マンＢ、沢渡美奈さん。", "熊井さんいわく、『必ず上げる。必ず遅れる』人。"}));
  GO(Say({"部屋の机には、ライトボックスと、小さな手鏡。",
          "沢渡さんは鏡をのぞき込んで、顔をしかめてみせ、",
          "それから紙に向かって鉛筆を走らせた。"}));
  if (GiantFilm()) {
    GO(Say({"沢渡「つばめが鉄平を叱るとこ。叱りながら、",
            "　本当はほっとしてるの。その顔が難しくて」"}));
    GO(Say({"鏡の中で、怒った顔が少しずつ泣きそうな顔になる。"}));
  } else {
    GO(Say(
        {"沢渡「しずりが、琵琶の歌を聴いてるとこ。", "　笑いそうで笑わない。笑う一枚手前の顔」"}));
    GO(Say({"鏡の中で、沢渡さんの口元がほんの少しだけ動いた。"}));
  }
  Effect("09");
  GO(Say(
      {"描き上がった原画を指の間に挟んで、ぱらぱらとめくる。", "紙の上の顔が、ちゃんと動いた。"}));
  GO(Say({"沢渡「ねえ新人くん、今の、何秒に見えた？」"}));
  GO(Choose({"１『三秒くらい』", "２『もう少し長く見ていたいです』"}));
  if (Picked() == 1) {
    GO(Say({"沢渡「だよね。コンテも三秒。……でも三秒だと、", "　気持ちが追いつかないんだよなあ」"}));
    GO(Say({"沢渡さんはタイムシートをにらんで、唸った。"}));
  } else {
    GO(Say({"沢渡「でしょ！　コンテは三秒なんだけど、", "　四秒ほしいの。監督に言っといて」"}));
    GO(Say({"陽太「僕がですか」"}));
    GO(Say({"沢渡「それが進行の仕事でしょ。", "　監督と原画の間を、走って回るのが」"}));
  }
  GO(Say({"結局、二カットが上がったのは一時間後だった。",
          "その間に、きなこが膝の上で寝てしまった。"}));
  Effect("08");
  GO(Say(
      {"原画とタイムシートを数えて、カット袋に戻す。", "その袋の上に、すかさずおはぎが座った。"}));
  GO(Say({"沢渡「その子、締め切りの上に座るのが好きなの」"}));
  if (EveningOrNight()) {
    GO(Say({"帰り際、紙袋をひとつ持たされた。"}));
    GO(Say({"沢渡「下のパン屋さんの売れ残り。夜食にして」"}));
    GO(Say({"紙袋は、まだ少しだけ温かかった。"}));
  } else {
    GO(Say({"沢渡「次はもうちょっと遅く来て。そしたら、", "　遅れてないことになるから」"}));
    GO(Say({"そういう計算ではないと思う。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    GO(Say({"沢渡「ごめん！　あと一カット！」"}));
    GO(Say({"前と同じ台詞で迎えられた。", "きなこを渡されて、膝に乗せて待つ。"}));
    GO(Say({"沢渡「遅れる理由、聞く？　最後の一枚で、",
            "　顔が決まらないの。十枚描けても、その一枚が。",
            "　そこが決まらないと、前の十枚も嘘になるから」"}));
    Effect("10");
    GO(Say({"鉛筆の音が、しばらく続いた。", "やがて差し出された一枚は、",
            "前の十枚を、ちゃんと本当にしていた。"}));
  } else {
    GO(Say({"タイムシートの数字を、沢渡さんが指でなぞる。"}));
    GO(Say({"沢渡「ここは二コマ打ち。一枚を二コマずつ撮るの。",
            "　でも、まばたきだけは一コマ打ちにしてある」"}));
    GO(Say({"陽太「……それ、動画の枚数が増えますよね」"}));
    GO(Say(
        {"沢渡「増えるね。でも、まばたきがもたつくと、", "　その子が眠そうに見えちゃうんだよ」"}));
    GO(Say({GiantFilm() ? "鉄平が眠そうでは困る。巨人を起こす子だから。"
                        : "しずりが眠そうでは困る。夜を十三も越える子だから。"}));
    GO(Say({"陽太「動画さんに、枚数のこと伝えておきます」"}));
    GO(Say({"沢渡「えらい。熊井さんより話が早い」"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  switch (visits % 3) {
    case 0:
      GO(Say({"机に突っ伏して、沢渡さんが寝ていた。", "その横に、紐で括ったカット袋とメモ。",
              "『上げた！　遅れた！　ごめん！』"}));
      break;
    case 1:
      GO(Say({"おはぎとカット袋の取り合いになった。", "負けた。"}));
      GO(Say({"沢渡「おはぎ、それ監督のとこに行くやつだから」"}));
      break;
    default:
      GO(Say({EveningOrNight() ? "沢渡「今夜はパン、ないよ。全部売れちゃった」"
                               : "沢渡「おはよ。パン、一個持ってって」"}));
      GO(Say({EveningOrNight() ? "カット袋と一緒に、猫の毛を一本もらって帰った。"
                               : "カット袋と一緒に、あんパンを受け取った。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sGengaB() {
  VisitMusic();
  Bg(ByTime("bg051"));
  const int visits = VisitsTo(Work::KeyAnimatorB);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  // Her last cuts are set for 6 August: a visit from then on closes her share.
  if (Date() >= 806 && visits > 0) {
    GO(Say({"沢渡「これで私の分はおしまい。ちゃんと遅れたでしょ」"}));
    GO(Say({"威張ることではないと思う。", "でも、一枚も欠けていなかった。"}));
  }
  return Visited(Work::KeyAnimatorB);
}

}  // namespace story
