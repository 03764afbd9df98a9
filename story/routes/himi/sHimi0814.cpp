// The hub's night of 14 August: the sisters' quarrel about Nanoka's drawings,
// talked out until dawn. It ends on Sunday morning, the 15th; whether it ends
// with the sisters talking depends on where he stands during the night.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace himi;

// Whether he made Reina look at the drawings rather than take a side.
ScriptResult Quarrel(bool* looked) {
  Music("bgm11");
  Flat();
  Face(1, "ret004");
  Face(2, "nat005");
  Voice("re0419");
  GO(Say({"玲那「予備校の月謝は、母が払っています。",
          "　あなたが、来年こそ大学に行くと言ったから」"}));
  Voice("na0417");
  GO(Say({"菜乃花「……言って、ない。", "　言ったのは、お母さんと、お姉ちゃん」"}));
  Voice("re0420");
  GO(Say({"玲那「この仕事は、子どもを食べます。", "　わたしは、食べられた側です。",
          "　……知っているでしょう」"}));
  GO(Say({"玲那「七つで台本を覚えて、十九で声が消えた。", "　あなたには、あんな思いを……」"}));
  Face(2, "nat004");
  Voice("na0418");
  GO(Say({"菜乃花「食べられたの、お姉ちゃんだけじゃ、ない」"}));
  GO(Say({"菜乃花ちゃんの声が、初めて大きくなった。", "自分でも驚いたように、喉に手を当てる。"}));
  Voice("na0419");
  GO(Say(
      {"菜乃花「家族ごと、だよ。引っ越しも、夏休みも、", "　全部、お姉ちゃんの収録に合わせて」"}));
  GO(Say({"菜乃花「わたし、スタジオの廊下で、", "　ずっと、待ってた。……ずっと」"}));
  Voice("na0420");
  GO(Say({"菜乃花「待ってるあいだ、台本の裏に、", "　絵、描いてた。……それしか、なかった」"}));
  Face(1, "ret005");
  GO(Say({"玲那さんが、言葉をなくした。", "台詞を飛ばした役者の顔だった。"}));
  GO(Say({"二人とも、僕を見た。", "……いつもの窓口の席に、僕は座っていた。"}));
  GO(Choose({"１『玲那さん。その絵、めくってみてください』",
             "２『受験が先、というのも、わかります』", "３『……僕、今日は帰ったほうが』"}));
  *looked = Picked() == 1;
  if (Picked() == 1) {
    Face(1, "ret009");
    GO(Say({"玲那さんは、黙って動画用紙の束を揃えた。", "角を、親指にかける。"}));
    Effect("09");
    GO(Say({"ぱらぱらぱら、と紙が鳴った。"}));
    GO(Say({"女の子がひとり、振り向いた。", "おさげが遅れてついてきて、口が開く。"}));
    GO(Say(
        {"二十四枚。一秒ぶんの、振り向き。", "中割りの線は、まだ震えていた。でも、動いている。"}));
    Face(1, "ret006");
    Voice("re0421");
    GO(Say({"玲那「……この子」"}));
    Voice("na0421");
    GO(Say({"菜乃花「お姉ちゃんが、十歳で声をやった子。",
            "　……わたしが、最初に、動かしたかった子」"}));
    GO(Say({"玲那さんは、もう一度めくった。", "もう一度。もう一度。"}));
    GO(Say({"何度めくっても、女の子は振り向いた。", "十四年前の、玲那さんの役が。"}));
  } else if (Picked() == 2) {
    Face(2, "nat005");
    GO(Say({"菜乃花ちゃんの目から、色が引いていった。"}));
    Voice("na0422");
    GO(Say({"菜乃花「……早瀬さんも、そっち、なんだ」"}));
    GO(Say(
        {"動画用紙を胸に抱えて、菜乃花ちゃんは", "ベランダに出ていった。網戸が、乱暴に閉まる。"}));
    Face(1, "ret005");
    GO(Say({"玲那「……ありがとうございます。", "　味方をしてくださって」"}));
    GO(Say({"お礼を言われたのに、", "ひどく間違えたことだけがわかった。"}));
    GO(Say({"玲那さんは、湯呑みにお茶を注いで、", "僕の前に置いた。自分のぶんは注がなかった。"}));
    Voice("re0455");
    GO(Say({"玲那「正しいことを言いました。", "　早瀬さんも、わたしも」"}));
    GO(Say({"玲那「……正しいことを言うと、", "　どうして、こんなに静かになるんでしょうね」"}));
  } else {
    Face(1, "ret001");
    Voice("re0422");
    GO(Say({"玲那「いいえ。いてください。", "　……あなたがいないと、この子は黙ります」"}));
    GO(Say({"帰れなくなった。", "でも、座っているだけで、何も言えなかった。"}));
    GO(Say({"菜乃花ちゃんは紙を抱えて、ベランダに出た。",
            "玲那さんは台所に立ち、やかんを火にかけた。"}));
    Effect("36");
    GO(Say({"やかんが鳴っても、誰も火を止めなかった。"}));
  }
  return 0;
}

// Whether he left the two of them to talk on their own.
ScriptResult TheBalconyAtThree(bool looked, bool* stepped) {
  Music("bgm10");
  Bg("bg0402n");
  NoFace(2);
  Face(1, looked ? "nat009" : "nat005");
  GO(Say({"午前三時。", "ベランダで、菜乃花ちゃんが膝を抱えている。"}));
  GO(Say({"網戸の内側に玲那さん。外に菜乃花ちゃん。", "そのあいだに、僕。"}));
  Voice("na0423");
  GO(Say({"菜乃花「……早瀬さん。お姉ちゃんに、", "　ごめん、って、言っといて……ください」"}));
  GO(Say({"振り向くと、網戸の向こうで", "玲那さんも同じ顔をしていた。"}));
  Voice("re0423");
  GO(Say({"玲那「早瀬さん。……妹に、", "　わたしも、と伝えてください」"}));
  GO(Say({"いつもの窓口。いつもの、伝言。", "カット袋なら、運ぶのが僕の仕事だ。"}));
  GO(Say({"でも、これは、", "袋に入れて運ぶものじゃない気がした。"}));
  GO(Choose(
      {"１『ご自分で、どうぞ』と、網戸を開けて部屋に入る", "２『伝えます』と、二人の伝言を運ぶ"}));
  *stepped = Picked() == 1;
  if (*stepped) {
    GO(Say({"網戸を開けて、玲那さんと入れ替わった。", "僕は部屋の中。二人はベランダ。"}));
    GO(Say({"網戸越しに、声だけが聞こえてくる。", "最初は、途切れ途切れに。"}));
    GO(Say({"菜乃花「……ごめん」"}));
    GO(Say({"玲那「……わたしも」"}));
    GO(Say({"それから、長い沈黙。", "それから、菜乃花ちゃんの声。"}));
    Voice("na0424");
    GO(Say({"菜乃花「……お姉ちゃんの役、", "　ぜんぶ、描いてた。ずっと」"}));
    Voice("re0424");
    GO(Say({"玲那「知らなかった。", "　……知ろうとしなかった。ごめんなさい」"}));
    GO(Say({"僕は、ソファに座って目を閉じた。", "聞いてはいけない気がしたし、聞いていたかった。"}));
    Trust();
  } else {
    GO(Say({"陽太「菜乃花ちゃん。玲那さんも、", "　『わたしも』って」"}));
    GO(Say({"菜乃花「……うん」"}));
    GO(Say({"陽太「玲那さん。菜乃花ちゃん、うん、って」"}));
    GO(Say({"玲那「……そうですか」"}));
    GO(Say({"伝言は、ちゃんと届いた。", "届いたのに、網戸は閉まったままだった。"}));
  }
  return 0;
}

ScriptResult Dawn(bool resolved) {
  Effect("16");
  if (resolved) {
    Music("NAm01");
    Bg("NAI006");
    Unlock(5, 5);
    GO(Say({"空が、白くなり始めていた。"}));
    GO(Say({"ベランダの手すりにもたれて、", "菜乃花ちゃんが、姉の肩に頭を乗せて眠っている。"}));
    GO(Say({"玲那さんは動かなかった。", "膝の上に、動画用紙の束を抱えたまま。"}));
    GO(Say({"網戸を少しだけ開けると、", "玲那さんが、声を出さずに口だけ動かした。"}));
    GO(Say({"――ありがとう。", "口の形だけで、それがわかった。"}));
    Bg("bg0402n");
    Face(1, "ret002");
    Voice("re0425");
    GO(Say({"玲那「起きたら、この子に言います。", "　描きたいなら、描きなさい、と」"}));
    Voice("re0426");
    GO(Say({"玲那「母には、わたしが話します。", "　……十四年ぶんの、借りがありますから」"}));
  } else {
    Music("bgm11");
    GO(Say({"空が、白くなり始めていた。"}));
    GO(Say({"菜乃花ちゃんは、ベランダで眠ってしまった。",
            "玲那さんは、自分の部屋の戸を閉めている。"}));
    GO(Say({"テーブルの上に、動画用紙の束が残っていた。",
            "一番上の一枚だけが、くしゃりと折れている。"}));
    GO(Say({"誰も、怒鳴らなかった。誰も、泣かなかった。", "ただ、何も決まらないまま、朝が来た。"}));
    GO(Say({"菜乃花ちゃんの腕の中で、", "動画用紙の束が、少しだけ潰れていた。"}));
    GO(Say({"振り向く女の子の、最後の一枚。", "口が開いたところで、線が止まっている。"}));
    GO(Say({"何を言おうとしていたのかは、", "描いた本人にしか、わからない。"}));
    GO(Say({"毛布を一枚、菜乃花ちゃんにかけて、", "そっと部屋を出た。"}));
  }
  return 0;
}

// Sunday, the 15th: the first hour of the morning after.
ScriptResult SundayMorning(bool resolved) {
  Bg("bg0401");
  if (resolved) {
    Music("bgm09");
    Effect("36");
    Face(1, "nat007");
    GO(Say({"七時。台所で、やかんが鳴った。", "今度は、ちゃんと誰かが火を止めた。"}));
    GO(Say({"菜乃花ちゃんが卵を割り、", "玲那さんが、それをかき混ぜていた。"}));
    GO(Say({"卵焼きは、少しだけ焦げた。", "誰も、焦げていないかとは聞かなかった。"}));
    Face(2, "ret002");
    Voice("re0447");
    GO(Say({"玲那「菜乃花。あとで、もう一度見せて。", "　振り向く子。……最初から、全部」"}));
    Voice("na0447");
    GO(Say({"菜乃花「……うん。", "　あと、七十六枚、あるけど、いい……？」"}));
    GO(Say({"玲那「いいわ。今日は日曜日だから」"}));
    GO(Say({"二人の会話に、僕の出番はなかった。", "卵焼きを一切れもらって、靴をはいた。"}));
    Face(1, "nat002");
    GO(Say({"玄関で振り返ると、二人が並んで", "同じ角度で頭を下げていた。"}));
    GO(Say({"やっぱり、姉妹だ。", "お辞儀の終わり方が、そっくりだった。"}));
  } else {
    Music("bgm11");
    Bg("bg011");
    Effect("16");
    GO(Say(
        {"駅前のロータリーは、まだシャッターばかりだった。", "蝉だけが、もう仕事を始めている。"}));
    GO(Say({"カット袋なら、届け先に渡せば終わりだ。", "受け取りのはんこをもらって、次へ行く。"}));
    GO(Say({"でも、ゆうべの伝言には、", "はんこを押してくれる人がいなかった。"}));
    GO(Say({"伝えることと、届けることは違う。", "……熊井さんに言ったら、笑われるだろうか。"}));
  }
  NoFace(2);
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sHimi0814() {
  // Only the night it was meant for: a quarrel left pending past it is dropped.
  Flag(flag::kPair0814) = 0;
  Flag(flag::kTiredMorning) = 0;
  if (Date() != 814) {
    core::GameState.timeSlot = core::kDayOver;
    return Jump("s2wA");
  }
  bool looked = false;
  bool stepped = false;
  GO(Quarrel(&looked));
  if (looked) Trust();
  GO(TheBalconyAtThree(looked, &stepped));
  const bool resolved = looked && stepped;
  GO(Dawn(resolved));
  GO(SundayMorning(resolved));
  Mark(kQuarrel);
  if (resolved) {
    Mark(kResolved);
    Closer();
  }
  NoFace(1);
  core::GameState.date = 815;
  core::GameState.timeSlot = core::kMorning;
  core::GameState.weekEnd = 1;
  return Jump("s2wA");
}

}  // namespace story
