// The three of them on the balcony: each sister tells him what she cannot
// tell the other, a metre away, and he learns to hand it across.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace himi;

ScriptResult Balcony() {
  Music("bgm10");
  Flat();
  Face(1, "ret001");
  GO(Say({"玲那「菜乃花なら、ベランダです。", "　……夜になると、あそこから動きません」"}));
  GO(Say({"麦茶のグラスを三つ渡されて、", "ベランダに出た。"}));
  Bg("bg0402n");
  Effect("62");
  NoFace(1);
  Face(1, "nat009");
  GO(Say({"五階の手すりの向こうに、月見坂の灯りが", "低く、まばらに広がっている。"}));
  GO(Say({"菜乃花ちゃんは、室外機に腰かけて、", "ノートの隅に何か描いていた。"}));
  GO(Say({"僕に気づくと、ノートを背中に隠す。", "……隠し方が、もう熟練の域だ。"}));
  Voice("na0410");
  GO(Say({"菜乃花「……線路の、信号。", "　赤から、青に変わるとこ……", "　描いてた、だけ」"}));
  GO(Say({"陽太「変わるとこ、って、", "　赤と青のあいだ？」"}));
  Face(1, "nat006");
  Voice("na0411");
  GO(Say({"菜乃花「そう……あいだ、が、好き。", "　原画と原画の、あいだ」"}));
  GO(Say({"中割り、のことだ。", "みちるさんが、一日に何度も口にする言葉。"}));
  GO(Say({"菜乃花「あいだが、ちゃんとしてないと、", "　絵は、動かない……から」"}));
  Face(2, "ret001");
  GO(Say({"網戸が開いて、玲那さんが出てきた。", "菜乃花ちゃんのノートが、また背中に消える。"}));
  GO(Say({"三人で並ぶと、ベランダはいっぱいだった。", "僕が、真ん中になった。"}));
  Face(2, "ret009");
  Voice("re0410");
  GO(Say({"玲那「早瀬さん。わたしが声を失くした年のことは、", "　もう、誰かから聞きましたか」"}));
  GO(Say({"陽太「……少しだけ」"}));
  Voice("re0411");
  GO(Say({"玲那「あの一年、この家の電話には、", "　全部、この子が出ていました」"}));
  GO(Say({"玲那「十三歳で。事務所からも、記者からも。", "　『姉は元気です』と、一年間」"}));
  Face(1, "nat005");
  GO(Say({"菜乃花ちゃんは、手すりの外を見ている。", "聞こえていないふりが、あまり上手くない。"}));
  Voice("re0412");
  GO(Say({"玲那「お礼を言ったことは、ありません。", "　……言い方が、わからなくて」"}));
  GO(Say({"玲那さんは、僕に向かって話している。",
          "でも、その声は一メートル先に届けるための声だった。"}));
  GO(Choose({"１『それ、菜乃花ちゃんに直接どうぞ』", "２『……いい話ですね』"}));
  if (Picked() == 1) {
    Face(2, "ret007");
    GO(Say({"玲那さんは、しばらく黙っていた。", "グラスの氷が、からん、と鳴った。"}));
    Voice("re0413");
    GO(Say({"玲那「……菜乃花。", "　あのときは、ありがとう」"}));
    Face(1, "nat006");
    GO(Say({"菜乃花ちゃんが、ゆっくり振り向いた。", "それから、すごい速さで下を向いた。"}));
    Voice("na0412");
    GO(Say({"菜乃花「……し、知らない。", "　……覚えて、ない、もん」"}));
    GO(Say({"覚えていない人の声ではなかった。", "ノートを握る指が、白くなっている。"}));
    Trust();
    Trust();
  } else {
    Face(2, "ret001");
    Voice("re0414");
    GO(Say({"玲那「ええ。……いい話です。", "　誰にも言わなければ、ずっと」"}));
    GO(Say({"菜乃花ちゃんは、黙って部屋に戻っていった。", "網戸が、そっと閉まった。"}));
    GO(Say({"僕と玲那さんだけが残って、", "麦茶の氷が溶けていくのを見ていた。"}));
    Voice("re0456");
    GO(Say({"玲那「早瀬さんは、聞き上手ですね。", "　……聞くだけの方には、慣れています」"}));
    GO(Say({"玲那「あの年の記者の方たちも、", "　みんな、とても上手に聞いてくれました」"}));
    GO(Say({"皮肉には聞こえなかった。", "それが、いちばんこたえた。"}));
  }
  Face(1, "nat001");
  GO(Say({"帰り際、玄関で菜乃花ちゃんに袖を引かれた。"}));
  Voice("na0413");
  GO(Say({"菜乃花「……早瀬さんが、いると、", "　お姉ちゃん、しゃべる」"}));
  GO(Say({"菜乃花「また……来て。", "　あいだに、いて……ください」"}));
  NoFace(2);
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sHimi2and3() {
  MeetBoth();
  GO(Balcony());
  Mark(kBalcony);
  Closer();
  GO(KoyoriPromise(false));
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
