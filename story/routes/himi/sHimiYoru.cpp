// An evening that runs past midnight: a storm, the power out, the sisters
// talking in the dark where neither can see the other's face. He sleeps on
// their sofa and wakes on the next day's morning: the scene moves the date on
// itself and hands the hub a fresh morning (the day's start runs from there).
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace himi;

ScriptResult Storm() {
  Music("bgm05");
  Flat();
  Effect("17", true);
  Face(1, "nat002");
  Face(2, "ret001");
  GO(Say({"夕立のはずの雨が、夜になっても止まなかった。",
          "ベランダの排水口が、ごぼごぼ鳴っている。"}));
  Voice("re0415");
  GO(Say({"玲那「駅前の踏切が、冠水で止まったそうです。", "　……早瀬さん、傘は」"}));
  GO(Say({"陽太「スタジオまで二分なんで、走れば」"}));
  Effect("18");
  GO(Say({"言い終わる前に、窓の外が真っ白になった。"}));
  NoFace(1);
  NoFace(2);
  GO(Say({"次の瞬間、部屋の明かりが全部消えた。", "冷蔵庫の唸りも、換気扇も止まる。"}));
  Voice("na0414");
  GO(Say({"菜乃花「……停電」"}));
  GO(Say(
      {"暗がりの中で、玲那さんが立ち上がる気配がした。", "引き出しを開ける音。マッチを擦る音。"}));
  GO(Say({"テーブルに、ろうそくが一本立った。", "三人の顔が、下からぼんやり照らされる。"}));
  Voice("re0416");
  GO(Say(
      {"玲那「……走るのは、やめてください。", "　電車も止まっていますし、雷は待ってくれません」"}));
  GO(Say({"そういうわけで、僕は帰れなくなった。"}));
  return 0;
}

ScriptResult InTheDark() {
  Music("bgm10");
  GO(Say({"ろうそくの火が揺れるたび、", "壁の三つの影が、大きくなったり小さくなったりした。"}));
  Voice("na0415");
  GO(Say({"菜乃花「……影絵。", "　お姉ちゃん、昔、やってくれた」"}));
  GO(Say({"菜乃花ちゃんが、手で狐をつくった。", "壁の上で、狐が口をぱくぱくさせる。"}));
  GO(Say({"玲那さんが、黙って指を組んだ。", "大きな鳥が、狐の上をゆっくり横切っていく。"}));
  GO(Say({"玲那「『おまえはどこへいくの』」"}));
  GO(Say({"知らない声だった。", "低くて柔らかい、年をとった鳥の声。"}));
  GO(Say({"菜乃花「『……あした、の、ほう』」"}));
  GO(Say({"姉妹は、顔を見ないまま、", "影に台詞をつけていった。"}));
  GO(Say({"暗いと、話せるのだ、と思った。", "顔が見えないと、台詞になる。"}));
  Voice("na0416");
  GO(Say({"菜乃花「……お姉ちゃん、の声。", "　暗いとこだと、昔の声に、なる」"}));
  Voice("re0417");
  GO(Say({"玲那「昔の声は、もう出ません。", "　……出ないことに、しています」"}));
  GO(Say({"狐の影が、鳥の影のそばに寄った。", "それきり、二人とも黙った。"}));
  GO(Choose({"１『僕も、何かやっていいですか』", "２『……黙って、影を見ている』"}));
  if (Picked() == 1) {
    GO(Say({"両手で、犬をつくってみた。", "……どう見ても、ちぎれた雑巾だった。"}));
    GO(Say({"菜乃花「……なに、それ」"}));
    GO(Say({"玲那「……雑巾ですね」"}));
    GO(Say({"二人の声が、同時に言った。", "同時に言ったことに、同時に笑った。"}));
    Trust();
  } else {
    GO(Say({"鳥は、狐の頭の上で翼をたたんだ。", "ろうそくが、じじ、と鳴った。"}));
    GO(Say({"菜乃花「『あしたの、ほう、は……」"}));
    GO(Say({"玲那「『……遠いね』」"}));
    GO(Say({"台詞は、そこで途切れた。", "続きは、たぶん二人とも知っていた。"}));
  }
  GO(Say({"雨の音だけになって、どれくらい経ったろう。", "零時を過ぎ、一時を過ぎた。"}));
  GO(Say({"菜乃花ちゃんは、姉の膝を枕に眠っていた。", "玲那さんは、その髪を指で梳いている。"}));
  Voice("re0418");
  GO(Say({"玲那「……この子が、こうして寝るのは、", "　小学生のとき以来です」"}));
  GO(Say({"玲那「起きているときに、こうできたらいいのに」"}));
  GO(Say({"ソファで毛布を借りた。", "目を閉じる前、ろうそくの火が、ふっと消えた。"}));
  return 0;
}

ScriptResult Morning() {
  StopEffects();
  Music("bgm09");
  Bg("bg0401");
  Effect("16");
  GO(Say({"蝉の声で、目が覚めた。", "窓の外は、嘘みたいに晴れている。"}));
  Face(1, "ret001");
  GO(Say({"玲那「おはようございます。", "　電気は、五時に戻りました」"}));
  Face(2, "nat007");
  GO(Say({"菜乃花「……おはよう、ございます。", "　あの、わたし、ゆうべ……寝言、とか」"}));
  GO(Say({"玲那「言っていました。『あいだ』と三回」"}));
  GO(Say({"菜乃花ちゃんが、枕に顔をうずめた。", "時計を見ると、朝の八時を回っていた。"}));
  GO(Say({"……八時。", "朝の打ち合わせは、九時からだ。"}));
  NoFace(2);
  NoFace(1);
  GO(KoyoriPromise(true));
  GO(Say({"おにぎりをひとつ持たされて、", "階段を五階ぶん駆け下りた。"}));
  return 0;
}

}  // namespace

ScriptResult sHimiYoru() {
  MeetBoth();
  GO(Storm());
  GO(InTheDark());
  Mark(kYoru);
  Closer();
  GO(Morning());
  // The night is gone and the next day starts here, as the hub's own day start
  // would begin it: a new date, a clean morning, nobody met yet.
  TurnToTheNextDate();
  return Jump("s2wA");
}

}  // namespace story
