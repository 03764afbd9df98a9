// Reina in the booth, after the recording studio's own scene of a visit: the
// first session, where Kuramae takes her apart, and the pick-ups. The visit
// itself ends in the recording studio's routine, so these only return.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/routes/reina/reina.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace reina;

ScriptResult FirstSession() {
  Music("bgm06");
  Bg("bg054");
  GO(Say({"午後は、主役ひとりの抜き録りになった。", "ブースには、玲那さんと、マイクが一本。"}));
  Bg("REI002");
  Unlock(kRoute, 1);
  GO(Say({Film("つばめが、弟の鉄平を叱る場面。", "しずりが、盲目の琵琶法師に初めて口をきく場面。"),
          "台本では、たった三行。"}));
  GO(Say({"玲那さんの声は、一度目から完璧だった。", "少なくとも、僕の耳には。"}));
  Bg("bg054");
  Face(1, "sot009");
  Voice("so0600");
  GO(Say({"蔵前「もう一度」"}));
  GO(Say({"二度目。三度目。", "蔵前さんは、理由を言わずに、もう一度と言った。"}));
  Voice("so0601");
  GO(Say({"蔵前「氷見さん。台詞が先に来ています。",
          Film("　つばめが、まだ部屋に入ってきていない」", "　しずりが、まだ峠に着いていない」")}));
  GO(Say({"四度目。五度目。", "玲那さんは、何も訊き返さずに、頭から言い直す。"}));
  GO(Say({"調整室の隅で、録音技師さんが", "テープの番号を、小さな声で読み上げていく。",
          "――テイク六。テイク七。"}));
  Face(1, "sot001");
  Voice("so0622");
  GO(Say({"蔵前「口は、合っています。完璧に。", "　合わせにいっているから、合っている」"}));
  GO(Say({"蔵前「絵の口を見ないで、", "　相手の顔を見てください。",
          Film("　鉄平は、いま、泣くのをこらえています」",
               "　法師は、いま、目の見えない顔で笑っています」")}));
  GO(Say({"八度目。九度目。", "ガラスの向こうで、玲那さんは一度も表情を変えない。"}));
  Face(1, "sot001");
  Voice("so0602");
  GO(Say({"蔵前「上手に言おうとすると、あなたは", "　十二歳の声に戻ります。",
          "　……今の役は、十二歳ではありませんね」"}));
  if (FlatSeen(kAsked)) {
    GO(Say({"調整室の誰かが、息をのんだ。", "十二歳。灯台守の娘を演じた年だと、",
            "玲那さんは言っていた。"}));
    GO(Say({"あの表紙のない台本で、毎晩、", "玲那さんは十二歳の自分と読み合わせていたのだ。"}));
  } else {
    GO(Say({"調整室の誰かが、息をのんだ。", "十二歳、という言葉の意味は、僕にはわからなかった。"}));
  }
  NoFace(1);
  Bg("RESS01");
  Unlock(kRoute, 9);
  GO(Say({"ブースの中だけが、白く明るい。", "マイクの上の赤いランプが、点いては消える。"}));
  GO(Say({"点くたびに、玲那さんの背中がまっすぐになる。",
          "消えるたびに、ほんの少しだけ、肩が落ちる。"}));
  GO(Say({"その落ちかたを、ガラスのこちら側で", "見ているのは、たぶん僕だけだった。"}));
  Bg("bg054");
  GO(Say({"十二度目で、玲那さんは初めて台本から目を離した。",
          "モニターではなく、マイクの向こうの、", "何もない空中を見た。"}));
  GO(Say({"十三度目。", "声が、ほんの少しだけ、低く、遅くなった。"}));
  GO(Say({"十四度目。"}));
  GO(Say({Film("――鉄平。……ばか。心配したんだから。", "――……あんた、目が見えないのに、"),
          Film("帰ってこなかったら、どうしようって。", "どうして、わたしが怖くないの。")}));
  Face(1, "sot002");
  Voice("so0603");
  GO(Say({"蔵前「……いただきました。十分休憩」"}));
  NoFace(1);

  Effect("59");
  GO(Say({"廊下の自動販売機の前で、", "玲那さんと鉢合わせた。"}));
  Face(1, "ret001");
  if (FlatSeen(kFirstVisit)) {
    Voice("re0128");
    GO(Say({"玲那「……言いませんでした」"}));
    GO(Say({"玲那「言えば、あなたは台本を読むとき、", "　主役に気をつかったでしょう。",
            "　わたしは、犬の相手が欲しかったので」"}));
    GO(Say({"陽太「……あの箱の台本、うちの映画のだったんですね」"}));
    GO(Say({"玲那「半分は。", "　残りの半分は、昔の台本です」"}));
  } else {
    Voice("re0129");
    GO(Say({"玲那「七往復の方が、進行の方でしたか」"}));
    GO(Say({"玲那「あの日、アニメの会社と聞いて、", "　少し驚きました。……世間は、狭いですね」"}));
  }
  Effect("59");
  GO(Say({"玲那さんは、水を二本買って、", "一本を僕に差し出した。"}));
  GO(Choose({"１『……十四回って、いつもなんですか』", "２『一回目から、きれいでした』"}));
  if (Picked() == 1) {
    Face(1, "ret009");
    Voice("re0130");
    GO(Say({"玲那「蔵前さんは、いつもです。", "　わたしが子どもの頃から」"}));
    GO(Say({"玲那「十四回は、少ないほうです。", "　……昔は、もっと優しかったので」"}));
  } else {
    Face(1, "ret001");
    GO(Say({"玲那「きれいなだけでは、", "　止まっている絵は動きません」"}));
    Face(1, "ret009");
    GO(Say({"玲那「……でも、一回目を聞いていた人がいたのは、", "　覚えておきます」"}));
  }
  GO(Say({"水のキャップを開けた玲那さんの指が、", "一度、すべった。"}));
  GO(Say({"二度目で開けて、何もなかったように飲んだ。", "僕は、見なかったことにした。"}));
  NoFace(1);

  Face(1, "sot001");
  GO(Say({"帰り際、調整室の出口で、", "蔵前さんに呼び止められた。"}));
  Voice("so0604");
  GO(Say({"蔵前「夕凪の進行さん。今夜、少し", "　お時間はありますか。……一杯だけ」"}));
  NoFace(1);
  Flag(flag::kReinaBooth) = 1;
  Flag(flag::kKuramaeNight) = 1;
  Step();
  if (FlatSeen(kFirstVisit)) Closer();
  return 0;
}

ScriptResult PickUps(bool shouted) {
  Bg("bg054");
  if (shouted) {
    GO(Say({"ガヤのあと、ブースの外で、", "玲那さんが待っていた。"}));
  } else {
    GO(Say({"今日は、録り直しの日だった。", "ブースの外で、玲那さんが待っていた。"}));
  }
  Face(1, "ret001");
  if (shouted) {
    Voice("re0131");
    GO(Say({"玲那「裏返りましたね」"}));
    GO(Say({"陽太「……聞こえてましたか」"}));
    GO(Say({"玲那「調整室のスピーカーは、正直ですので」"}));
    Face(1, "ret009");
    GO(Say({"玲那「いちばん本物らしい、と言われていました。", "　……少し、うらやましい」"}));
    GO(Say({"陽太「裏返るのが、ですか」"}));
    Voice("re0132");
    GO(Say({"玲那「裏返っても、", "　使ってもらえるのが、です」"}));
  } else {
    Face(1, "ret009");
    GO(Say({"玲那「今日の録り直しは、二行だけでした。", "　十二日の、あの三行のうちの二行」"}));
    GO(Say({"玲那「十四回やって、まだ二行、", "　直すところがあったそうです」"}));
  }
  Face(1, "ret001");
  GO(Say({"玲那「二十三日は、山場です。", "　……映画の、最後の台詞も」"}));
  GO(Say({"玲那さんは、それだけ言って、", "ブースへ戻っていった。"}));
  GO(Say({"ガラス越しに、蔵前さんがテイクの番号を告げる。", "玲那さんが、小さくうなずく。"}));
  GO(Say({"赤いランプが点いた。", "背中が、いつもよりまっすぐだった。"}));
  GO(Say(
      {"一度目で、蔵前さんは『いただきました』と言った。", "今度は、もう一度とは言わなかった。"}));
  NoFace(1);
  Flag(kPickUpsSeen) = 1;
  Step();
  Closer();
  return 0;
}

}  // namespace

ScriptResult ReinaInTheBooth() {
  if (Flag(flag::kReinaMetSisters) != 1) return 0;
  const std::uint32_t date = Date();
  if (date >= 812 && date < 820 && Flag(flag::kReinaBooth) == 0) {
    GO(FirstSession());
  } else if (date >= 820 && date < 823 && Flag(kPickUpsSeen) == 0) {
    // The studio's own scene was the shouting only when this was not his
    // first or a short visit.
    const int visits = VisitsTo(Work::Recording);
    GO(PickUps(visits == 1 || visits == 2));
  }
  return 0;
}

}  // namespace story
