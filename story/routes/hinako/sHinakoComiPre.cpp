// Late August: Hinako shows the rookie the portfolio a teacher laughed at.
// This is the route's crisis: met with real attention it opens the dawn with
// the layout paper; met with a joke, or with leave to forget, it closes.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHinakoComiPre() {
  Bg(ByTime("bg071"));
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"店に入る前に、", "駐車場の車止めから声がかかった。"}));
  Voice("hi0220");
  GO(Say({"ひなこ「進行くん。……来たね」"}));
  GO(Say({"制服の上にカーディガンを羽織って、", "膝の上に、黒い大きなファイルを",
          "両腕で抱えこんでいた。"}));
  GO(Say({"ひなこ「福原さんに、十五分もらった。", "　逃げないって、言ったから」"}));
  GO(Say(
      {"ファイルの角は、すり切れていた。", "背に、色あせたシールが一枚。", "『講評用　七尾』。"}));
  Face(1, "hit009");
  GO(Say({"ひなこ「一年の終わりにね、", "　これを教室の前の机に出したの」"}));
  GO(Say({"ひなこ「先生が、一枚ずつめくって。", "　いちばん最後のページで、くすって笑って」"}));
  Voice("hi0221");
  GO(Say({"ひなこ「『かわいいね。アニメというより、", "　お店のポップだね』って」"}));
  GO(Say({"ひなこ「みんなも、笑った。", "　わたしも、いっしょに笑った」"}));
  Effect("09");
  GO(Say({"ファイルが、こちらに差し出された。"}));
  ClearStage();
  Bg(ByTime("bg071"));
  GO(Say({"最初のページは、キャラクターの設定だった。", "二つ結びの女の子の、正面、横、うしろ。",
          "頭身の線が、定規で引いてある。"}));
  GO(Say({"次は、歩きだった。", "同じ女の子が、一枚ずつ、", "十二枚で一歩を踏み出していく。"}));
  GO(Say({"それから、商店街の夜のレイアウト。", "消失点まで、細い線がのびている。"}));
  GO(Say(
      {"最後のページに、", "汗をかいて冷やし中華をすする猫がいた。", "店の札の、あの猫だった。"}));
  Face(1, "hit001");
  Voice("hi0222");
  GO(Say({"ひなこ「……ねえ、進行くんは、笑う？」"}));
  GO(Choose({"１『笑わない。歩き、一枚ずつ見ていい？』", "２『すごいよ。ポップにしたら売れる』",
             "３『もう、いいんじゃないかな。今、楽しいなら』"}));
  if (Picked() == 1) {
    Flag(hinako::kPortfolio) = 1;
    GO(Say({"返事を待たずに、歩きの十二枚を", "ファイルから抜いて、重ねた。"}));
    GO(Say({"みちるさんが机でやるのを、", "この一か月、毎晩見ていた。",
            "紙の端を指にはさんで、ぱらぱらとめくる。"}));
    Effect("08");
    GO(Say({"女の子が、歩いた。", "駐車場の明かりの下で、", "二つ結びが、一歩ごとに揺れた。"}));
    GO(Say({"陽太「……七枚目だけ、", "　ちょっと、足が浮いてる？」"}));
    Face(1, "hit006");
    GO(Say({"ひなこは、目をまるくした。"}));
    if ((Flag(hinako::kMoreSeen) & 1u) != 0) {
      GO(Say({"ひなこ「……覚えてたんだ。", "　レジの前で、歩かせたときの話」"}));
      GO(Say({"陽太「あのとき、急いでたから跳ねたって", "　言ってたから。どれだろうと思って」"}));
    }
    Voice("hi0223");
    GO(Say({"ひなこ「そこ、気づいた人、初めて。", "　直そうと思って、直す前にやめちゃった」"}));
    GO(Say({"ひなこ「先生、そこまで見なかった。", "　……最後の猫しか、見なかった」"}));
    GO(Say({"陽太「猫も、いいと思う。", "　でも、歩きを見てほしかったんだよね」"}));
    Face(1, "hit005");
    GO(Say({"ひなこは、ぎゅっと唇をかんで、", "それから、顔をくしゃくしゃにして笑った。"}));
    Voice("hi0224");
    GO(Say({"ひなこ「……うん。歩きを、見てほしかった」"}));
    Face(1, "hit002");
    GO(Say({"ひなこ「七枚目、直したいな。", "　でも、うちにもう、ちゃんとした紙がないの。",
            "　全部、捨てちゃった」"}));
    GO(Say({"ひなこ「……明け方、また来てくれる？", "　六時。わたしの上がりの時間」"}));
    GO(Say({"スタジオの棚に、", "余ったレイアウト用紙の束があったのを", "思い出していた。"}));
    Affection(6) += 2;
  } else if (Picked() == 2) {
    Flag(hinako::kPortfolio) = 2;
    Face(1, "hit002");
    GO(Say({"ひなこ「……だよね」"}));
    GO(Say({"ひなこは、にっこり笑った。", "いつもの、レジの向こうの笑い方だった。"}));
    GO(Say({"ひなこ「うん。知ってる。", "　わたし、ポップ描くの、得意だもん」"}));
    GO(Say({"ファイルが、静かに閉じられた。"}));
    GO(Say({"歩きの十二枚を、", "一度も、めくらなかったことに",
            "気がついたのは、ずっとあとだった。"}));
  } else {
    Flag(hinako::kPortfolio) = 2;
    Face(1, "hit005");
    GO(Say({"ひなこ「……そっか。そうだよね」"}));
    GO(Say({"ひなこ「楽しいよ、今。ほんとに。", "　進行くんが言うなら、そうなんだと思う」"}));
    GO(Say({"ひなこは、ファイルを胸に抱えて、", "ゆっくり立ち上がった。"}));
    Face(1, "hit002");
    GO(Say({"ひなこ「ありがと。", "　これで、ちゃんと忘れられる」"}));
    GO(Say({"店の裏の、屋根へ上がる階段のほうへ、", "ひなこは歩いていった。"}));
  }
  ClearStage();
  Flag(flag::kHinakoMetToday) = 1;
  Flag(hinako::kVisits) += 1;
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
