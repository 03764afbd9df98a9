// Sunday 15 August, Obon: under the bridge she tells him she will show her
// sister tonight. Her ending is earned here when the summer has given her
// something to show (a date, the drawing room, the flip book begun) and he
// promised to be there.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/nanoka/nanoka_flags.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sNanoka0815() {
  core::GameState.route[4].metToday[0] = 1;
  Bg("bg0501");
  Music("bgm09");
  GO(Say({"お盆の日曜日。町は、しんと静かだった。", "商店街のシャッターも、半分は下りている。"}));
  GO(Say({"橋の下には、いつもの麦わら帽子。", "今日は、膝の上に何も持っていない。"}));
  Face(1, "nat001");
  Voice("na0160");
  GO(Say({"菜乃花「……来て、くれた」"}));
  GO(Say({"陽太「約束したから」"}));
  const bool ready = Flag(nanoka::kStage) >= 3 && Flag(nanoka::kDates) > 0;
  if (!ready) {
    Face(1, "nat005");
    GO(Say({"菜乃花「……ごめんなさい。", "　見せるもの、まだ、なくて」"}));
    GO(Say({"菜乃花「古いノートは、あるけど……", "　いまの、わたしのが、ないんです」"}));
    GO(Say({"菜乃花「いまのを、見せないと、", "　……本気、って、言えないから」"}));
    GO(Say({"川面を、精霊流しの灯籠が", "ひとつ、ゆっくりと流れていった。"}));
    GO(Say({"菜乃花ちゃんは、それを最後まで目で追っていた。"}));
    Face(1, "nat009");
    GO(Say({"菜乃花「……みちるさんの、机の隣。", "　もう少し、通えたら、よかったな」"}));
    GO(Say({"菜乃花「今夜は、ちゃんと、塾の宿題、", "　やります。……お姉ちゃんの、ために」"}));
    NoFace(1);
    GO(Say({"夏休みは、まだ半分ある。", "……そう言いかけて、言えなかった。"}));
    core::GameState.timeSlot = core::kDayOver;
    return Jump("s2wA");
  }
  Face(1, "nat009");
  GO(Say({"菜乃花「ゆうべ……寝ないで、考えて。", "　それで、決めました」"}));
  Voice("na0161");
  GO(Say({"菜乃花「今夜。お姉ちゃんに、", "　ぜんぶ、見せます」"}));
  GO(Say({"菜乃花「塾に行ってないことも。", "　ノートのことも。みちるさんの、机のことも」"}));
  GO(Say({"菜乃花「……アニメーターに、", "　なりたい、ってことも」"}));
  GO(Say({"言い終わると、菜乃花ちゃんは", "大きく、ひとつ息を吐いた。"}));
  GO(Say({"鞄から、紙の束が出てきた。", "作画室で描きはじめた、あの束だ。"}));
  GO(Say({"親指ではじくと、カット袋を抱えた男の子が", "商店街を抜けて、坂の下まで走った。"}));
  GO(Say({"そこで、ぷつりと止まる。", "その先の紙は、まだ白い。"}));
  Face(1, "nat009");
  GO(Say({"菜乃花「……ここまで、です。", "　まだ、坂の下」"}));
  GO(Say({"菜乃花「いちばん古いノートと、", "　これを、並べて、見せようと思って」"}));
  GO(Say({"菜乃花「……十二年で、", "　これだけ、うまくなりました、って」"}));
  Face(1, "nat008");
  GO(Say({"菜乃花「……練習、しました。いまの。", "　川に向かって、三十回くらい」"}));
  GO(Say({"陽太「三十回」"}));
  Face(1, "nat003");
  GO(Say({"菜乃花「魚に、聞かれちゃった……」"}));
  GO(Say({"二人で、少しだけ笑った。"}));
  Face(1, "nat005");
  GO(Say({"菜乃花「お姉ちゃん、きっと、怒る。", "　……怒らなかったら、もっと、こわい」"}));
  GO(Say({"菜乃花「お姉ちゃんは、ずっと、", "　ひとりで、がんばってきたから」"}));
  GO(Say({"菜乃花「わたしが、楽なほうに、", "　逃げたって、思われたら……」"}));
  GO(Choose({"１『逃げてない。毎日、描いてた』", "２『僕から話そうか？』",
             "３『……やっぱり、やめておく？』"}));
  if (Picked() == 1) {
    Affection(5) += 2;
    GO(Say({"陽太「逃げてないよ。", "　毎日、描いてた。僕も、みちるさんも見てた」"}));
    GO(Say({"陽太「作画室で、消しゴムのかすが山になるのも、", "　線の震えが、止まっていくのも」"}));
    Face(1, "nat006");
    GO(Say({"菜乃花ちゃんは、目を丸くして、", "それから、ゆっくり、うなずいた。"}));
    Face(1, "nat002");
    Voice("na0162");
    GO(Say({"菜乃花「……それ、お姉ちゃんにも、", "　言って、いいですか」"}));
    GO(Say({"菜乃花「証人、です。早瀬さん」"}));
    GO(Say({"菜乃花「……お姉ちゃんが、怒っても。", "　わたし、今夜は、逃げない」"}));
    GO(Say({"菜乃花「お姉ちゃんが、台詞を百回言うみたいに、", "　……百回でも、言う」"}));
    if (Flag(nanoka::kObonPromise) == 1) Flag(flag::kNanokaEnding) = 1;
  } else if (Picked() == 2) {
    GO(Say({"陽太「僕から、話そうか？」"}));
    Face(1, "nat009");
    GO(Say({"菜乃花「……ううん」"}));
    GO(Say({"菜乃花「早瀬さんは、袋を運ぶ人。", "　中身は、描いた人が、渡すんです」"}));
    GO(Say({"菜乃花「……みちるさんが、", "　そう、言ってました」"}));
    if (Flag(nanoka::kObonPromise) == 1) Flag(flag::kNanokaEnding) = 1;
    Affection(5) += 1;
  } else {
    GO(Say({"陽太「……やっぱり、やめておく？", "　今じゃなくても」"}));
    Face(1, "nat005");
    GO(Say({"菜乃花ちゃんの手が、", "膝の上で、きゅっと握られた。"}));
    Voice("na0163");
    GO(Say({"菜乃花「……そう、ですね。", "　今じゃ、なくても……」"}));
    GO(Say(
        {"菜乃花ちゃんは、笑ってうなずいた。", "ゆうべ三十回練習した言葉は、川に流れていった。"}));
  }
  ClearStage();
  Bg("bg013y");
  Music("NAm01");
  GO(Say({"夕方、土手の上で別れた。"}));
  if (Flag(flag::kNanokaEnding) == 1) {
    GO(Say({"マンションのほうへ歩いていく背中は、", "小さくて、でも、一度も振り返らなかった。"}));
    GO(Say({"抱えた塾の鞄が、", "今日は、ぱたぱたと揺れなかった。"}));
  } else {
    GO(Say({"菜乃花ちゃんは、何度も振り返って、", "そのたびに、小さく手を振った。"}));
    GO(Say({"塾の鞄が、ぱたぱたと揺れていた。", "中身は、きっと、また底のほうにしまわれている。"}));
  }
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
