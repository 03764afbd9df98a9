// Late August, dawn at the store: the rookie brings Hinako the studio's spare
// layout paper and an old peg bar, and she redraws the seventh drawing of her
// walk on the counter. In the parking lot at first light she decides to go
// back to college: the route's last stage.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sHinako6w() {
  Bg("bg071n");
  Music("bgm10");
  Effect("16");
  if (TimeSlot() == core::kNight) {
    GO(Say({"スタジオの夜が、ようやく片づいたのは", "四時を回ったころだった。"}));
    if (Date() >= 829) {
      GO(Say({"ダビングは終わった。", "あと数時間で、現像所の試写が始まる。",
              "その前に、どうしても寄りたかった。"}));
    }
  } else {
    GO(Say({"徹夜明けの、朝の五時半。", "空はまだ、青とも灰色ともつかない色だった。"}));
  }
  GO(Say({"脇に抱えているのは、", "事務所の棚の、いちばん上の段にあった束。"}));
  GO(Say({"レイアウト用紙が、二百枚。", "北条さんの机の引き出しに、",
          "ずっと眠っていた古い真鍮のタップが一本。"}));
  GO(Say({"熊井さんは、何に使うのかも訊かずに", "『持ってけ。余りもんだ』とだけ言った。",
          "みちるさんは、なぜか消しゴムを三つくれた。"}));
  Bg("bg070n");
  Effect("48");
  Face(1, "hit006");
  Voice("hi0240");
  GO(Say({"ひなこ「……進行くん。ほんとに来た」"}));
  GO(Say({"レジの台に、紙の束を置いた。", "ひなこは、しばらく触らなかった。"}));
  Face(1, "hit009");
  GO(Say({"ひなこ「これ、スタジオの紙でしょ。", "　枠が刷ってある。……百フレーム」"}));
  GO(Say({"陽太「フレーム？」"}));
  Face(1, "hit002");
  Voice("hi0241");
  GO(Say({"ひなこ「画面の大きさの、目盛り。", "　この枠の中が、映画に映るところ。",
          "　はみ出したら、映らない」"}));
  GO(Say({"ひなこ「穴が三つあるでしょ。", "　このタップにはめると、",
          "　何百枚描いても、絶対ずれないの」"}));
  GO(Say({"ひなこは、タップをレジの台に", "セロテープでとめて、", "紙を一枚、はめた。"}));
  GO(Say({"それから、ファイルから", "六枚目と八枚目を抜き出して、", "その上に重ねた。"}));
  Effect("10");
  GO(Say({"鉛筆が動きはじめた。", "六枚目と八枚目の、ちょうどあいだ。",
          "浮いていた足が、地面に下りてくる。"}));
  GO(Say({"外で、新聞のバイクが停まって、", "また走っていった。", "ひなこは、顔を上げなかった。"}));
  GO(Choose({"１『黙って見ている』", "２『雑誌を並べておく』"}));
  if (Picked() == 2) {
    GO(Say(
        {"朝の雑誌の束をほどいて、", "ラックに並べた。", "福原さんに見つかったら、何と言おう。"}));
  } else {
    GO(Say({"見ているだけで、", "なぜか、息をひそめてしまった。"}));
  }
  GO(Say({"ひなこは、描き終えた七枚目を", "前後の二枚と重ねて、",
          "指にはさんで、ぱらぱらとめくった。"}));
  Effect("08");
  GO(Say({"女の子が、歩いた。", "今度は、一度も浮かなかった。"}));
  Face(1, "hit003");
  Voice("hi0242");
  GO(Say({"ひなこ「……歩いた」"}));
  GO(Say({"ひなこ「歩いたよ、進行くん。", "　一年半、止まってたのに」"}));
  ClearStage();
  Bg("HISS02");
  Unlock(6, 6);
  Music("HIm01");
  GO(Say({"上がりの時間になって、", "ふたりで駐車場に出た。"}));
  GO(Say({"まだ、だれもいなかった。", "白い線の引かれたアスファルトに、",
          "夜明けの光が、斜めに差しこんでいた。"}));
  Effect("22");
  GO(Say({"踏切の鐘が鳴って、", "上りの始発が、町を渡っていった。"}));
  Bg("bg071y");
  Face(1, "hit001");
  GO(Say({"ひなこは、車止めに腰かけて、", "電車の音が消えるまで、黙っていた。"}));
  Voice("hi0243");
  GO(Say({"ひなこ「……学校、戻ろうかな」"}));
  GO(Say({"ひなこ「後期から入り直せるの。", "　今月のうちに書類を出して、面接」"}));
  GO(Say({"ひなこ「あの先生、まだいるんだよ。", "　また、笑うかもしれない」"}));
  GO(Choose(
      {"１『笑われたら、また歩きを見せればいい』", "２『笑ったら、店に来てよ。のり弁を買いに』"}));
  if (Picked() == 1) {
    Face(1, "hit002");
    Voice("hi0244");
    GO(Say({"ひなこ「……うん。今度は、", "　最初のページから見てもらう。", "　猫は、最後でいい」"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「逆でしょ、それ。", "　わたしが店員で、進行くんがお客さん」"}));
    Face(1, "hit002");
    Voice("hi0245");
    GO(Say({"ひなこ「……でも、うん。", "　帰ってくる場所があるなら、行ける」"}));
  }
  GO(Say({"ひなこは、レイアウト用紙の束を", "胸に抱えて、立ち上がった。"}));
  Voice("hi0246");
  GO(Say({"ひなこ「この紙、全部使い切ったら、", "　いちばんに見せるね。", "　……陽太くんに」"}));
  GO(Say(
      {"初めて、名前で呼ばれた。", "返事をする前に、", "ひなこは店の中へ走っていってしまった。"}));
  ClearStage();
  Bg("bg034y");
  Face(1, "kut001");
  GO(Say({"スタジオに戻ると、熊井さんが", "もう事務所のホワイトボードの前にいた。"}));
  GO(Say({"熊井「……紙、使えたか」"}));
  GO(Say({"陽太「はい。一枚目で、歩きました」"}));
  Face(1, "kut002");
  GO(Say({"熊井さんは、何のことか訊かなかった。", "ただ、マジックのキャップを閉めて、",
          "『よし』とだけ言った。"}));
  ClearStage();
  Flag(hinako::kLayoutPaper) = 1;
  Flag(flag::kHinakoStage) = 2;
  Flag(flag::kHinakoMetToday) = 1;
  Flag(hinako::kVisits) += 1;
  Affection(6) += 2;
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
