// Kumai's drink: after an evening cut-bag check he takes the rookie to the
// yakitori stand by the station, and says the one thing a desk never says.
// Played once; the evening runs on into the night, so it ends the day.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/day/work.h"
#include "story/routes/routes.h"
#include "story/routes/support/support.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// What Kumai worries about over the first glass, by the stretch of summer.
ScriptResult TheFirstGlass() {
  Face(1, "kut009");
  switch (studio::Now()) {
    case Period::InBetween:
      GO(Say({"熊井「ぱらぱら堂は、明日で四千枚。", "　ハルさんの孫が夏休みで、",
              "　手が二本増えたそうだ」"}));
      break;
    case Period::Crunch:
      GO(Say({"熊井「仕上げが詰まってる。", "　にじますさんに、もう一箱頼むか",
              "　……明日の朝、決める」"}));
      break;
    case Period::Hospital:
      GO(Say(
          {"熊井「監督の判子は、病院まで", "　もらいに行くしかねえ。", "　……明日も、往復だな」"}));
      break;
    default:
      GO(Say({"熊井「撮影台は、一日二十カット。", "　残りを割ると、もう一日も",
              "　休めねえ勘定だ」"}));
      break;
  }
  return 0;
}

// The one answer that is not his to give, and what he says instead.
ScriptResult Answer() {
  GO(Choose({"１『……今の、もう一回言ってください』", "２『僕のほうこそ、です』",
             "３『来年も、ここにいていいですか』"}));
  if (Picked() == 1) {
    Face(1, "kut003");
    Voice("ku0848");
    GO(Say({"熊井「言わねえよ。一回きりだ」"}));
    GO(Say({"熊井「二回言うとな、安くなる。", "　……デスクの言葉は、",
            "　値札が小せえほうがいいんだ」"}));
  } else if (Picked() == 2) {
    Face(1, "kut007");
    Voice("ku0849");
    GO(Say({"熊井「……生意気言え。", "　まだひと夏も袋を運んでねえやつが」"}));
    GO(Say({"熊井さんは、残りのビールを", "ひと息に飲んで、そっぽを向いた。",
            "耳が、ちょうちんより赤かった。"}));
  } else {
    Face(1, "kut009");
    GO(Say({"熊井さんは、しばらく答えなかった。", "串の先で、皿の上のたれを",
            "ゆっくり丸く伸ばしていた。"}));
    Voice("ku0850");
    GO(Say({"熊井「それは、初号が焼けてから、", "　社長に聞け。俺が決めることじゃねえ」"}));
    Face(1, "kut002");
    GO(Say({"熊井「……俺は、いてほしいけどな」"}));
  }
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sKumaiDrink() {
  Flag(support::kKumaiDrinkSeen) = 1;
  Music("bgm05");
  // After a check at night the stand is the last one open.
  const bool late = TimeSlot() > core::kNight;
  Bg(late ? "bg011n" : "bg011y");
  // The fifth check already ended at the soba shop: the drink comes after it.
  if (VisitsTo(Work::CutBagCheck) == 5) {
    GO(Say({"そば屋を出ても、熊井さんは", "事務所と反対の方へ歩き出した。"}));
  } else {
    GO(Say({"点検の帰り、熊井さんは", "事務所と反対の方へ歩き出した。"}));
  }
  Face(1, "kut001");
  Voice("ku0840");
  GO(Say({"熊井「一杯だけ、つきあえ。", "　……一杯で済んだこと、ねえけどな」"}));
  NoFace(1);
  GO(Say({"駅前の踏切の手前に、赤ちょうちんが一つ。",
          late ? "焼き鳥の煙が、夜風に流れていた。" : "焼き鳥の煙が、夕焼けの中に溶けていた。"}));
  GO(Say({"親父さん「おう、熊さん。いつもの？」"}));
  Face(1, "kut001");
  GO(Say({"熊井「二つ。こいつは新人だ。", "　顔、覚えといてやってくれ」"}));
  NoFace(1);
  Effect("46");
  GO(Say({"生ビールが二つ。ねぎまと、つくねと、皮。", "注文を聞かれる前に、もう並んでいた。"}));
  Face(1, "kut002");
  Voice("ku0841");
  GO(Say({"熊井「乾杯は、しねえ。", "　まだ何も終わってねえからな。", "　……飲め」"}));
  GO(Say({"一口めのビールは、苦くて冷たかった。", "熊井さんのジョッキは、もう半分空いていた。"}));
  GO(TheFirstGlass());
  GO(Say({"仕事の話は、それで終わりだった。", "あとは、串が減っていく音だけ。"}));

  Face(1, "kut001");
  Voice("ku0842");
  GO(Say({"熊井「新人。お前で、七人目だ」"}));
  GO(Say({"陽太「……何がですか」"}));
  Voice("ku0843");
  GO(Say({"熊井「俺が教えた進行だ。", "　残ったのは、こよりだけ。",
          "　あとの五人は、みんな最初の夏で辞めた」"}));
  Face(1, "kut009");
  GO(Say({"熊井「一人は、袋を失くした朝に。", "　一人は、お盆に田舎へ帰ったきり。",
          "　最後のは、おととしの夜中の電話だった」"}));
  Voice("ku0844");
  GO(Say({"熊井「『すみません、もう行けません』。", "　……俺は『そうか』とだけ言った。",
          "　それ以外、何も言わなかった」"}));
  GO(Say({"陽太「……引き止めなかったんですか」"}));
  Face(1, "kut001");
  Voice("ku0845");
  GO(Say({"熊井「この仕事はな、人を食う。", "　食われかけてるやつに『いろ』って言うのは、",
          "　デスクの仕事じゃねえ」"}));
  GO(Say({"熊井「だから、俺は言わねえことにしてる。", "　辞めるな、も。", "　ありがとう、も」"}));
  GO(Say({"熊井「こよりにも、一回も言ってねえ。", "　あいつは、言わなくても残った。",
          "　……残っちまった、とも言うけどな」"}));
  if (Flag(support::kKumaiYoruSeen) == 1) {
    NoFace(1);
    GO(Say({"あの夜の、黒い手帳を思い出した。", "最後のページに、名前がいくつか並んでいた。",
            "どれも、線で消されてはいなかった。"}));
    Face(1, "kut009");
    Voice("ku0852");
    GO(Say({"熊井「……手帳の最後のとこ、見たろ。", "　辞めたやつらの名前だ。消さねえ」"}));
    GO(Say({"熊井「どこかの現場で会ったら、", "　一杯おごる約束になってる。",
            "　……まだ、一人も会えてねえけどな」"}));
  }
  NoFace(1);
  Effect("22");
  GO(Say({"踏切が鳴って、電車が通り過ぎた。", "ちょうちんが揺れて、",
          "熊井さんの横顔が、赤くなったり暗くなったりした。"}));
  GO(Say({"電車の音が遠ざかっても、", "熊井さんは、しばらく黙っていた。"}));
  Face(1, "kut005");
  Voice("ku0846");
  GO(Say({"熊井「……お前が来てくれて、", "　助かってる」"}));
  GO(Say({"ひどく小さな声だった。", "焼き網の上で、脂のはねる音のほうが大きかった。"}));
  Face(1, "kut007");
  Voice("ku0847");
  GO(Say({"熊井「……今のは、ビールが言った。", "　俺じゃねえ」"}));
  GO(Answer());

  GO(Say({"結局、一杯では済まなかった。", "熊井さんは三杯、僕は一杯と半分。"}));
  GO(Say({"勘定のとき、親父さんが", "こっそり耳打ちしてくれた。"}));
  GO(Say({"親父さん「熊さんが人を連れてくるなんて、", "　周平さんと二人で来てたころ以来だ。",
          "　いつもは一人で、ねぎま二本で帰るんだよ」"}));
  Bg("bg011n");
  GO(Say({late ? "店を出ると、終電が近かった。" : "店を出ると、もうすっかり夜だった。",
          "熊井さんは、踏切の向こうで待っていた。"}));
  Face(1, "kut003");
  Voice("ku0851");
  GO(Say({"熊井「明日、七時だぞ！", "　遅れたら、麦茶係だからな！」"}));
  NoFace(1);
  GO(Say({"いつもの、大きな声だった。", "駅前じゅうに聞こえるくらいの。"}));
  GO(Say({"さっきの小さな声のほうは、", "たぶん、僕にしか聞こえていない。"}));
  StopMusic();
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
