// 原画下請け: スタジオ・ツバクロ, where 猿渡 浩 runs a room of young key
// animators. Layouts and keys come back in bulk, retakes go in; its last cuts
// are set for 5 August.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"駅裏の雑居ビル。エレベーターには『故障中』の貼り紙。", "階段で三階まで上がると、",
          "スタジオ・ツバクロのすりガラスのドアがある。"}));
  Effect("03");
  GO(Say({"机が十二。ライトボックスが十二。",
          EveningOrNight() ? "昼より人が多い。夜のほうが描ける人ばかりらしい。"
                           : "机の半分は空で、その下で誰かが段ボールに寝ている。",
          "ラジオの野球中継が、小さく鳴っていた。"}));
  GO(Say({"奥の机から、眼鏡の男が手を挙げた。"}));
  GO(Say({"猿渡「夕凪さん？　はいはい、熊井と来た新人さんね」"}));
  GO(Say({"陽太「よろしくお願いします、さわ……猿渡さん」"}));
  GO(Say({"猿渡「惜しい。猿のほう。沢渡美奈とは", "　縁もゆかりもない。こないだも言ったけどね」"}));
  GO(Say({"猿渡「向こうの請求書がうちに届くし、", "　うちの弁当が向こうに届く。迷惑してんの」"}));
  GO(Say({"笑っているから、たぶん迷惑はしていない。"}));
  GO(Say({"壁のホワイトボードに、夕凪動画のカット表。",
          "番号の横に、描いている人の名前のマグネット。",
          "ツバクロは、この映画の原画を四十カット受けていた。"}));
  if (GiantFilm()) {
    GO(Say({"猿渡「うちの担当は町の人たち。台風が来て、",
            "　みんなで逃げる群衆のとこ。百人走らせる。",
            "　その奥で、風車が全部回ってる。地獄だよ」"}));
  } else {
    GO(Say({"猿渡「うちの担当は追っ手の侍たちと、馬。", "　あと、目の見えない琵琶法師の歩き。",
            "　杖の先で道を探す歩き方に、若いのが苦労してる」"}));
  }
  Effect("08");
  GO(Say({"猿渡「今日の上がりは五カット。ただし、", "　そのうち三つはレイアウトだけね」"}));
  GO(Say({"陽太「原画じゃないんですか」"}));
  GO(Say({"猿渡「レイアウトが先。監督のチェックが", "　通ってから原画。順番を飛ばすと、",
          "　あとで全部描き直しになるの」"}));
  GO(Say({"受け取ったカット袋の番号を、カット表と突き合わせる。",
          "レイアウトの三つには、赤で『ＬＯ』の字。", "会社に戻ったら、これは監督の机へ行く。"}));
  GO(Say({"猿渡「代わりに、このリテイク二つは置いてって。",
          "　……って言われる前に出しな、新人さん」"}));
  GO(Say({"慌てて鞄から、作監修正の入った袋を出した。"}));
  if (EveningOrNight()) {
    GO(Say({"帰り際、出前のラーメンの岡持ちとすれ違った。",
            "ツバクロの夜は、これから始まるらしい。"}));
  } else {
    GO(Say({"階段を下りる背中に、声が飛んできた。"}));
    GO(Say({"猿渡「美奈ちゃんによろしく！　他人だけど！」"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    GO(Say({"熊井さんに言われた通り、切り出してみる。"}));
    GO(Say({"陽太「あの……あと三カット、増やせませんか」"}));
    GO(Say({"猿渡「無理無理。うちの若いの、徹夜で死んでる」"}));
    GO(Say({"机の下の段ボールから、足が二本出ている。"}));
    GO(Say({"猿渡「……レイアウトのいいやつなら、二つ受ける。",
            "　描きたくなるカットなら、人は死んでも描くから」"}));
    GO(Say({"陽太「ありがとうございます！」"}));
    GO(Say(
        {"猿渡「礼は熊井に言わせな。あいつの交渉より、", "　新人さんの顔のほうが効いたってね」"}));
  } else {
    GO(Say({"猿渡「あ、ちょうどいい。これ持ってって」"}));
    GO(Say({"渡された段ボールの宛名は、『沢渡美奈様』。", "中身は、猫の砂だった。"}));
    GO(Say({"猿渡「また間違えて届いたの。重いよ、それ」"}));
    GO(Say({"陽太「……カット袋より重いです」"}));
    GO(Say({"猿渡「カット袋のほうが重いって、熊井なら言うね」"}));
    GO(Say({"カット袋を肩に、猫の砂を腕に抱えて階段を下りる。",
            EveningOrNight() ? "商店街のパン屋の明かりは、もう消えていた。"
                             : "この足で、パン屋の二階に寄ることにした。"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  switch (visits % 3) {
    case 0:
      GO(Say({"猿渡「上がり四カット。リテイクは？」"}));
      GO(Say({"陽太「今日はありません」"}));
      GO(Say({"猿渡「いい日だ。今日はいい日だ」"}));
      break;
    case 1:
      GO(Say({"机の下で寝ている人が、一人増えていた。"}));
      GO(Say({"猿渡「起こすなよ。寝てる原画マンは、", "　描いてる原画マンの次に大事なんだから」"}));
      break;
    default:
      GO(Say({"カット表のマグネットが、ひとつ上がりの列に移った。",
              "猿渡さんは、それを指で弾いてみせた。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sGenga() {
  VisitMusic();
  Bg(ByTime("bg052"));
  const int visits = VisitsTo(Work::KeySubcontractor);
  if (visits == 0) {
    GO(FirstVisit());
  } else if (visits <= 2) {
    GO(Middle(visits));
  } else {
    GO(Short(visits));
  }
  // 5 August is the last cut set for them: from then on a visit closes the order.
  if (Date() >= 805 && visits > 0) {
    GO(Say({"猿渡「これで四十カット、全部納品。", "　……いや、リテイクが来るまではね」"}));
    GO(Say({"ホワイトボードの夕凪のカット表が、", "くるくると丸めて片付けられた。"}));
  }
  return Visited(Work::KeySubcontractor);
}

}  // namespace story
