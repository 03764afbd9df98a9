// Sundays 15 and 22 August: a day at the sea with Hinako. The first time the
// rookie falls asleep under the parasol and wakes to find her drawing him,
// her first drawing in a year and a half; a second day at the sea, at the
// summer's end, she draws on purpose and promises to show him something.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"

namespace story {

namespace {

ScriptResult FirstSea() {
  Bg("bg010y");
  Music("bgm09");
  GO(Say({"日曜の朝の、月見坂駅のホーム。", "下りの二両編成が、もう入ってきていた。"}));
  Face(1, "hit003");
  Voice("hi0200");
  GO(Say({"ひなこ「進行くん、遅い！　二分遅刻。", "　はい、罰としてお弁当持って」"}));
  GO(Say({"麦わら帽子に、水色のワンピース。", "ヘアピンは、今日は一本だけだった。"}));
  GO(Say({"渡された保冷バッグは、ずしりと重かった。"}));
  GO(Say({"陽太「何が入ってるの」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「おにぎり八個。進行くんが五個。", "　あと、凍らせた麦茶。監督さんの真似」"}));
  ClearStage();
  Bg("bg0602");
  Effect("19");
  GO(Say({"電車で一時間。", "小さな入り江の、小さな海だった。"}));
  GO(Say({"防波堤の先に、赤い灯台がひとつ。", "沖には、入道雲が山みたいに立っている。"}));
  Face(1, "hit003");
  Voice("hi0201");
  GO(Say({"ひなこ「海だー！」"}));
  GO(Say({"ひなこは、サンダルを脱いで", "波打ち際まで走っていって、",
          "足首まで浸かって、悲鳴を上げた。"}));
  GO(Say({"ひなこ「つめたっ！　進行くんも来て、", "　早く！　つめたいから！」"}));
  GO(Choose({"１『走っていく』", "２『パラソルを立ててから行く』"}));
  if (Picked() == 1) {
    GO(Say({"走っていって、", "同じように悲鳴を上げた。", "ひなこが、お腹を抱えて笑った。"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「さすが進行くん。段取りが先」"}));
    GO(Say({"赤と白のパラソルを砂に刺して、", "しましまのシートを広げた。",
            "……それから、悲鳴を上げに行った。"}));
  }
  Bg("bg0602");
  Face(1, "hit002");
  GO(Say({"昼はパラソルの下で、", "おにぎりを食べた。", "凍った麦茶が、ちょうどよく溶けていた。"}));
  GO(Say({"波の音が、ずっと同じ速さで続いていた。", "ここ三週間の、眠れなかった夜が",
          "いっぺんに、まぶたの上に下りてきた。"}));
  ClearStage();
  GO(Say({"……"}));
  Effect("10");
  GO(Say({"かりかり、という音で、目がさめた。"}));
  ClearStage();
  Bg("HII004");
  Unlock(6, 3);
  Music("HIm01");
  GO(Say({"ひなこが、膝の上に", "小さなスケッチブックを立てていた。",
          "鉛筆が、紙の上を走っている。"}));
  GO(Say({"描かれているのは、", "口を半分あけて眠っている、自分だった。"}));
  GO(Choose({"１『寝たふりを続ける』", "２『目を開ける』"}));
  if (Picked() == 1) {
    GO(Say({"鉛筆の音が、しばらく続いた。", "それから、止まった。"}));
    Voice("hi0202");
    GO(Say({"ひなこ「……まつげ、動いてるよ。", "　寝たふり、へたくそ」"}));
  } else {
    Voice("hi0203");
    GO(Say({"ひなこ「あっ、だめ、まだ動かないで。", "　あと、鼻だけ。鼻だけだから」"}));
    GO(Say({"言われるまま、動かなかった。", "鉛筆の音が、波の音の上で",
            "少しずつ速くなっていった。"}));
  }
  GO(Say({"ひなこ「……描けた」"}));
  GO(Say({"ひなこは、スケッチブックを", "両手で持って、じっと見ていた。"}));
  Voice("hi0204");
  GO(Say({"ひなこ「一年半ぶり。", "　人の顔、ちゃんと描いたの」"}));
  GO(Say({"この前の、屋根の上のスケッチブックとは", "ちがう、新しい一冊だった。",
          "まだ、最初のページだった。"}));
  GO(Choose({"１『見せて』", "２『どうして、やめたの』"}));
  if (Picked() == 1) {
    Effect("09");
    GO(Say({"見せてもらった絵の中の自分は、", "ひどく疲れていて、",
            "ひどく気持ちよさそうに眠っていた。"}));
    GO(Say({"陽太「……こんな顔してるんだ、最近」"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「してるしてる。毎晩、レジで見てる」"}));
    Face(1, "hit001");
    GO(Say({"ひなこは、少し黙ってから、", "自分で続きを話しはじめた。"}));
  } else {
    GO(Say({"ひなこは、すぐには答えなかった。", "鉛筆の先を、爪でこすっていた。"}));
  }
  Face(1, "hit005");
  Voice("hi0205");
  GO(Say({"ひなこ「笑われたの。先生に。", "　一年の終わりの、講評で」"}));
  GO(Say({"ひなこ「みんなの前で、わたしのファイルを", "　めくって、くすって。",
          "　それだけ。ほんとに、それだけ」"}));
  GO(Say({"ひなこ「それだけで、次の日から、", "　電車に乗れなくなっちゃった」"}));
  GO(Say({"波が、シートの端まで来て、", "引いていった。"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「……なーんて。もう忘れたけどね。", "　ほら、進行くん、スイカ割りしよ。",
          "　スイカ、ないけど」"}));
  GO(Say({"忘れた人の声では、なかった。", "でも、今日はそれ以上、訊かなかった。"}));
  return 0;
}

ScriptResult SecondSea() {
  Bg("bg010y");
  Music("bgm09");
  Face(1, "hit002");
  GO(Say({"二度目の、日曜の朝のホーム。", "今日は、ひなこのほうが遅れてきた。"}));
  Voice("hi0206");
  GO(Say({"ひなこ「ごめん！　ゆうべ、遅くまで描いてて」"}));
  GO(Say({"肩から、画板を提げていた。", "鉛筆が、ヘアピンの代わりみたいに",
          "髪に一本、差してある。"}));
  ClearStage();
  Bg("bg0602");
  Effect("19");
  GO(Say({"夏の終わりの海は、", "先週より、ずっと人が少なかった。",
          "波打ち際に、くらげが打ち上げられていた。"}));
  Face(1, "hit009");
  GO(Say({"ひなこは、パラソルも立てないうちに", "防波堤の灯台を描きはじめた。"}));
  Voice("hi0207");
  GO(Say({"ひなこ「先週、描けなかったの。灯台。", "　まっすぐの線が、怖くて」"}));
  GO(Say({"ひなこ「寝てる人は描けるのに、", "　動かない灯台が描けないの。変でしょ」"}));
  GO(Choose({"１『手伝えることある？』", "２『黙って横に座る』"}));
  if (Picked() == 1) {
    Face(1, "hit003");
    GO(Say({"ひなこ「じゃあ、あそこに立って。", "　灯台の横。人がいると、大きさが分かるの」"}));
    GO(Say({"炎天下の防波堤に、十五分立った。", "……進行は、体力勝負だ。"}));
  } else {
    GO(Say({"横に座って、波を見ていた。", "鉛筆の音が、止まって、また動いた。"}));
  }
  Bg("bg0602");
  Face(1, "hit002");
  GO(Say({"画板の上で、灯台が、まっすぐに立っていた。", "線は、一本も迷っていなかった。"}));
  Voice("hi0208");
  GO(Say({"ひなこ「……描けた。", "　進行くん、わたし、描けてるね」"}));
  GO(Say({"陽太「うん。描けてる」"}));
  Face(1, "hit009");
  GO(Say({"ひなこは、画板を抱えて、", "しばらく沖を見ていた。"}));
  Voice("hi0209");
  GO(Say({"ひなこ「今度ね、見せたいものがあるの。", "　……笑われた、あのファイル」"}));
  GO(Say({"ひなこ「夕凪さんの最後の週。", "　お店に来て。逃げないで待ってるから」"}));
  GO(Say({"帰りの電車で、ひなこは", "画板を抱えたまま、", "こっちの肩に頭をのせて眠った。"}));
  return 0;
}

}  // namespace

ScriptResult sHinakoDate() {
  const std::uint8_t days = Flag(hinako::kSeaDays);
  const ScriptResult result = days == 0 ? FirstSea() : SecondSea();
  if (result != 0) return result;
  ClearStage();
  Bg("bg011n");
  Music("HIm01");
  GO(Say({"月見坂に着いたときには、", "駅前のロータリーに、夜が下りていた。"}));
  if (days == 0) {
    GO(Say({"改札を出たところで、ひなこが言った。"}));
    Face(1, "hit002");
    GO(Say({"ひなこ「今日のこと、忘れないようにする。", "　……忘れるの、得意なんだけどね」"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「じゃあね、進行くん。", "　最後の週、がんばって」"}));
  }
  Flag(hinako::kSeaDays) = static_cast<std::uint8_t>(days + 1);
  Flag(flag::kHinakoSea) = 1;
  Affection(6) += 1;
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
