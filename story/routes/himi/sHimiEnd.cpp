// The pair ending 「ふたりの声」: Nanoka's flip book, voiced by Reina, runs as
// the bumper before the double bill, and the three of them watch it from the
// last row of the laboratory's preview theatre.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHimiEnd() {
  using namespace himi;
  GO(EndingSequence());
  Music("NAm01");
  Bg("bg035n");
  GO(Say({"初号の三日前の夜。", "菜乃花ちゃんの百二十枚は、作画室の机に載った。"}));
  GO(Say({"みちるさんは一枚ずつライトボックスに透かして、", "赤鉛筆で、三か所だけ直した。"}));
  Face(1, "mit002");
  GO(Say({"みちる「走りの三枚目、腕が遅れすぎ。", "　……あとは、いじらない。この子の線だから」"}));
  NoFace(1);
  Bg("bg059n");
  GO(Say({"八ツ目撮影では、鵜飼さんが", "本編の合間に、一枚ずつ丁寧に撮ってくれた。"}));
  GO(Say({"撮影台の下で、菜乃花ちゃんは", "シャッターの音を、指を折って数えていた。"}));
  Bg("bg054");
  GO(Say({"声は、音蔵スタジオで一度きり。", "調整室のガラスの向こうに、玲那さんが立つ。"}));
  GO(Say({"モニターの中で、男の子が走ってくる。", "菜乃花ちゃんは、僕の袖を握ったまま動かない。"}));
  GO(Say({"玲那さんの声が、男の子の口に、", "ぴたりと重なった。"}));
  GO(Say({"蔵前さんは、しばらく黙っていた。", "それから、テイク２を言わなかった。"}));
  Effect("51", true);
  Bg("REI009");
  Unlock(4, 8);
  GO(Say({"暁光現像所の試写室。", "いちばん後ろの列に、三人で座った。"}));
  GO(Say({"客席が暗くなる。", "本編の前に、白い画面に鉛筆の線が現れた。"}));
  GO(Say({"カット袋を抱えた男の子が、走ってくる。",
          "線は少し震えていて、それでもちゃんと走っている。"}));
  GO(Say({"男の子がつまずいて、袋を抱え直して、", "スクリーンの真ん中で立ち止まる。"}));
  Voice("re0434");
  GO(Say({"玲那「まもなく、はじまります」"}));
  GO(Say({"十秒。それだけだった。"}));
  GO(Say({"隣で、菜乃花ちゃんが鼻をすすった。", "その向こうで、玲那さんが前を向いたまま言った。"}));
  Voice("re0435");
  GO(Say({"玲那「……いい子に、声を入れさせてもらいました」"}));
  Voice("na0431");
  GO(Say({"菜乃花「……いい声、もらいました」"}));
  GO(Say({"二人は、僕を挟んで話していた。", "でも、もう伝言は要らなかった。"}));
  GO(Say({"本編が始まる。", "スクリーンの中で、",
          Film("つばめが、風車町の空を見上げる。", "しずりが、霧の峠を振り返る。")}));
  GO(Say({"その声が、隣の席の人の声だということを、", "客席で知っているのは、僕たちだけだった。"}));
  StopEffects();
  Bg("bg011n");
  Face(1, "nat002");
  Face(2, "ret002");
  GO(Say({"帰り道、駅前のロータリーで、", "菜乃花ちゃんが一冊のノートを差し出した。"}));
  Voice("na0432");
  GO(Say({"菜乃花「これ……早瀬さんに。", "　次の、パラパラ」"}));
  Effect("09");
  GO(Say({"めくると、三人が並んで座っていた。", "映画館の、いちばん後ろの列に。"}));
  GO(Say({"真ん中の男の子が、", "ときどき右を見て、ときどき左を見る。"}));
  GO(Say({"最後のページで、男の子は", "どちらも見ずに、前を向いて笑っていた。"}));
  Voice("re0436");
  GO(Say({"玲那「秋から、土曜日は動画の講座だそうです。", "　……月謝は、わたしが出します」"}));
  Voice("re0437");
  GO(Say({"玲那「早瀬さん。そのあいだの席は、", "　これからも空けておきますから」"}));
  Voice("na0433");
  GO(Say({"菜乃花「……カレーの日、も」"}));
  GO(Say({"ふたりの声が、夏の終わりの駅前に、", "重なって聞こえた。"}));
  NoFace(2);
  NoFace(1);
  return EndWithCredits("sHimiEnd");
}

}  // namespace story
