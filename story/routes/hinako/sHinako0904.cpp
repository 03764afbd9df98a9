// The last day's epilogue for Hinako, dated 4 September: her last night shift
// at the store, the manager's goodbye, and the walk to the platform before the
// first train. It is run, not jumped to: 0 lets the last day go on to the
// ending proper, which opens on the first print and comes back to the train.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHinako0904() {
  ClearStage();
  Bg("bg071n");
  Music("bgm10");
  GO(Say({"九月四日。土曜日。", "午前四時半。"}));
  GO(Say({"あの夏の五週間が終わって、", "スタジオは、初号の日を待つだけの",
          "妙に静かな一週間を過ごしていた。"}));
  GO(Say({"まだ暗い通りで、", "角のコンビニの窓だけが、", "いつものように明るかった。"}));
  Bg("bg070n");
  Effect("48");
  Face(1, "hit002");
  Voice("hi0260");
  GO(Say({"ひなこ「いらっしゃいませー。", "　……最後のお客さん、進行くんだと思った」"}));
  GO(Say({"しましまの制服の胸から、", "名札が、もう外されていた。"}));
  GO(Say({"ひなこの夜勤は、今夜で終わりだった。", "再入学の書類は、先週、受理された。",
          "今日から、後期の前の集中講義が始まる。"}));
  GO(Say({"奥の事務所から、福原さんが", "細長い箱を持って出てきた。"}));
  GO(Say({"福原「七尾くん。これは、店からだ。", "　……いや、わたしからだ」"}));
  GO(Say({"箱の中には、", "製図用のシャープペンシルが一本と、", "替え芯が、十二本。"}));
  GO(Say({"福原「ポップの代わりを探すのは、骨だよ。", "　冷やし中華が、また売れなくなる」"}));
  Face(1, "hit005");
  Voice("hi0261");
  GO(Say({"ひなこ「……店長、ずるい。", "　最後に泣かせないって、約束したのに」"}));
  GO(Say(
      {"福原「約束は、してない。", "　……行ってらっしゃい。", "　たまに、のり弁を買いにおいで」"}));
  ClearStage();
  Bg("bg011n");
  Music("HIm01");
  GO(Say({"制服を返して、ふたりで駅まで歩いた。", "商店街のシャッターは、まだ下りたままだった。"}));
  Face(1, "hit001");
  GO(Say({"ひなこは、画板と、", "スケッチブックの入った紙袋と、",
          "レイアウト用紙の残りを抱えていた。"}));
  if (Flag(hinako::kPlush) == 1) {
    GO(Say({"ひなこ「監督さん人形、どうなった？」"}));
    GO(Say({"陽太「作画室の神棚に昇格した。", "　本物の監督が、毎朝にらんでる」"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「……取ってよかった」"}));
    Face(1, "hit001");
  }
  GO(Say({"陽太「始発じゃなくても、", "　間に合うんじゃないの」"}));
  Face(1, "hit003");
  Voice("hi0262");
  GO(Say({"ひなこ「一番乗りしたいの。", "　教室の、窓ぎわのいちばん前の机。",
          "　あそこ、光がいいんだよ」"}));
  GO(Say({"ひなこ「それにね、始発って、", "　夜勤の人の帰りの電車なの。",
          "　わたし、今日から行きの人になる」"}));
  Bg("bg010n");
  Effect("22");
  GO(Say({"ホームには、だれもいなかった。", "東の空だけが、", "うすく、白くなりはじめていた。"}));
  Face(1, "hit009");
  GO(Say({"ひなこ「……ねえ、陽太くん」"}));
  GO(Say({"ひなこ「あの先生ね、まだいるの。面接のとき、", "　わたしのこと覚えてて、",
          "　ちょっと、気まずそうな顔した」"}));
  GO(Say({"ひなこ「だから、最初のページから見せた。", "　歩き。直した七枚目も」"}));
  Face(1, "hit002");
  Voice("hi0263");
  GO(Say({"ひなこ「今度は、笑わなかったよ」"}));
  GO(Say({"ひなこ「……それとね。", "　面接で、なんでアニメなのって訊かれて、",
          "　『ほしまち郵便局』って答えたの」"}));
  GO(Say(
      {"ひなこ「最終回の、郵便屋さんが歩いて帰るとこ。", "　うしろの町が流れていく、あの場面」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「そしたら、先生が教えてくれた。", "　あれ、夕凪さんの仕事なんだって。",
          "　わたし、ずっと知らなかった」"}));
  GO(Say({"ひなこ「毎晩、休憩のたびに見上げてた窓が、", "　あの町を描いた人たちの窓だったの」"}));
  GO(Say({"ひなこは、東の空を見て、", "ふふっと、声に出して笑った。"}));
  GO(Say({"線路の向こうから、", "小さな明かりが、ゆっくり近づいてきた。"}));
  return 0;
}

}  // namespace story
