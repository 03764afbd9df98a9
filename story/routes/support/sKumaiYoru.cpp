// The desk's night: after a late cut-bag check, Kumai wipes the schedule
// board and draws it again from the last day backwards, and shows the rookie
// the second schedule he keeps in his notebook. Played once; ends the day.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/routes.h"
#include "story/routes/support/support.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// The column that runs red in each stretch of the summer.
const char* RedColumn() {
  switch (studio::Now()) {
    case Period::KeysLate:
      return "　原画だ。一日十二カット上がって、残りが百四十」";
    case Period::InBetween:
      return "　動画だ。一日二千枚割って、残りが一万八千」";
    case Period::Crunch:
      return "　仕上げだ。一日六百枚塗って、残りが七千」";
    case Period::Hospital:
      return "　監督チェックだ。病院との往復で、一日が半分」";
    case Period::LastWeek:
      break;
  }
  return "　撮影だ。撮影台一台で、一日二十カット」";
}

ScriptResult WipeTheBoard() {
  Face(1, "kut001");
  GO(Say({"熊井さんは、ホワイトボードの前に立つと、", "雑巾で、予定表をぜんぶ消してしまった。"}));
  NoFace(1);
  GO(Say({"陽太「け、消しちゃうんですか！」"}));
  Face(1, "kut009");
  Voice("ku0820");
  GO(Say({"熊井「夜中のボードは、一回ぜんぶ消す。", "　朝のボードは、それを書き直したもんだ」"}));
  Effect("10");
  GO(Say({"いちばん右の端に、『8/30　初号』。", "そこから左へ、一本ずつ線が引かれていく。"}));
  GO(Say({"初号の前に、現像が一日。その前に撮影。", "その前に仕上げ、動画、作監、原画――"}));
  Voice("ku0821");
  GO(Say({"熊井「スケジュールは、後ろから引け。", "　前から引くとな、どんな予定も",
          "　間に合うように見えちまうんだ」"}));
  GO(Say({"熊井「人は、手前の日付から数える。", "　締め切りは、向こうから歩いてくる。",
          "　だから、デスクは向こうから数える」"}));
  GO(Say({"線が、左の端まで届いた。", "今日の日付のところで、線が足りなくなっていた。"}));
  GO(Say({"熊井「今、いちばん赤いのは――", RedColumn()}));
  Face(1, "kut005");
  Voice("ku0822");
  GO(Say({"熊井「後ろから引くと、三日足りねえ」"}));
  return 0;
}

ScriptResult ThreeDays() {
  Face(1, "kut001");
  Voice("ku0823");
  GO(Say({"熊井「新人。どこから三日、持ってくる？」"}));
  GO(Choose({"１『日曜日を、ぜんぶ使う』", "２『撮影の予備日を削る』",
             "３『上がった分から、先に回す』"}));
  if (Picked() == 1) {
    Face(1, "kut009");
    Voice("ku0824");
    GO(Say({"熊井「日曜は、もう使ってる。", "　みんな、使ってねえ顔して来てるだけだ」"}));
    GO(Say({"熊井「人の日曜は、一回使ったら返せねえ。", "　それは、最後の最後の手だ」"}));
  } else if (Picked() == 2) {
    Face(1, "kut004");
    Voice("ku0825");
    GO(Say({"熊井「予備日ってのはな、", "　誰かが倒れたときのためにあるんだ」"}));
    if (studio::Now() == Period::Hospital) {
      GO(Say({"熊井「……もう一人、倒れてる。", "　削れるわけがねえだろ」"}));
    } else {
      GO(Say({"熊井「削ったら、次に倒れるやつの", "　行き場がなくなる」"}));
    }
  }
  if (Picked() != 3) {
    Face(1, "kut001");
    GO(Say({"熊井「……ほかには」"}));
    GO(Say({"陽太「……全部そろうのを、待たないで、", "　上がった分から、先に回す、とか」"}));
  }
  Face(1, "kut002");
  Voice("ku0826");
  GO(Say({"熊井「それだ」"}));
  GO(Say({"熊井「十カットずつ、先に流す。", "　袋が小分けになるぶん、運ぶ回数は倍だ。",
          "　……走るのは、俺たちだけどな」"}));
  if (Picked() == 3) {
    GO(Say({"熊井「一発で出たな。……朝になったら、", "　お前の案だって、みんなに言っとく」"}));
    Bonus(1);
  }
  NoFace(1);
  return 0;
}

ScriptResult TheNotebook() {
  GO(Say({"時計の針が、二時を回った。", "ボードには、さっきよりずっと細かい線が並んでいる。"}));
  GO(Say({"熊井さんは、胸のポケットから", "黒い手帳を出して、何かを書き写した。",
          "ボードの日付とは、少しずつ違う日付だった。"}));
  GO(Say({"陽太「……それ、ボードと日付が違いませんか」"}));
  Face(1, "kut009");
  Voice("ku0827");
  GO(Say({"熊井「ボードには、間に合う日付を書く。", "　手帳には、間に合わなかったときの日付だ」"}));
  GO(Say({"熊井「ボードを見て、みんなは走る。", "　手帳を見て、俺は眠れなくなる」"}));
  Face(1, "kut001");
  Voice("ku0828");
  GO(Say({"熊井「デスクってのは、その二つのあいだに", "　立ってる仕事だ。",
          "　……嘘は書かねえ。でも、全部も書かねえ」"}));
  GO(Say({"陽太「……その手帳、誰かに見せたことあるんですか」"}));
  Face(1, "kut007");
  GO(Say({"熊井「社長にだけだ。", "　社長は見たあと、三段ぶん黙って編んでた」"}));
  NoFace(1);
  GO(Say({"手帳を閉じるとき、最後のページが見えた。", "そこだけは、日付ではなかった。",
          "人の名前が五つ、縦に並んでいた。"}));
  Face(1, "kut002");
  Voice("ku0829");
  GO(Say({"熊井「お前、今夜のことは、こよりには言うなよ。", "　あいつは、この手帳を見たら、",
          "　寝ないで走る」"}));
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sKumaiYoru() {
  Flag(support::kKumaiYoruSeen) = 1;
  Music("bgm10");
  Bg("bg034n");
  GO(Say({"点検が終わっても、熊井さんは帰らなかった。", "蛍光灯の半分を消した事務所に、",
          "ホワイトボードだけが白く浮いている。"}));
  Face(1, "kut001");
  Voice("ku0830");
  GO(Say({"熊井「まだ帰るな。もう一仕事ある」"}));
  GO(Say({"熊井「十二時を過ぎると、電話が鳴らねえ。", "　デスクが考えごとをできるのは、",
          "　この時間だけなんだ」"}));
  NoFace(1);
  GO(WipeTheBoard());
  GO(ThreeDays());
  GO(TheNotebook());
  GO(Say({"ソファに座ったのは、三時ごろだったと思う。", "そこから先は、覚えていない。"}));
  Effect("20");
  GO(Say({"気がつくと、肩にカーキ色のベストが", "掛けてあった。",
          "窓の外で、新聞配達のバイクの音がしていた。"}));
  GO(Say({"ボードの前には、まだ熊井さんが立っていた。",
          "マーカーを持った手が、少しも動いていなかった。"}));
  GO(Say({"朝のボードは、夜中のボードより", "少しだけ、やさしい字で書かれていた。"}));
  StopMusic();
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
