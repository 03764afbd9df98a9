// The briefings of 9 to 14 August: the rush order at the art-supply shop,
// the mist painter, the camera and the first recording, the director's cough,
// the first cut before Obon.
#include <cstdint>

#include "core/game_state.h"
#include "story/briefings/briefings.h"

namespace story::briefing {

namespace {

// The hub's last reckoning: on 16 August a score below this loses the film.
constexpr int kDroppedBelow = 25;

ScriptResult Day0809() {
  GO(Say({"祭りの翌朝。事務所の机の上に、", "夜市で誰かがすくった金魚の袋が、",
          "ひとつだけ置き忘れてあった。"}));
  Face(1, "kut001");
  GO(Say({"熊井「祭りの疲れは、昼までに抜け。", "　今日は、ぱらぱら堂、にじます、青嵐美術」"}));
  Face(1, "kut009");
  if (GiantFilm()) {
    Voice("ku0408");
    GO(Say({"熊井「困ったことがある。セルが足りねえ。", "　ガガは枚数が多いぶん、セルを食う。",
            "　画材のちぐさに、追加を頼んである」"}));
  } else {
    Voice("ku0409");
    GO(Say({"熊井「困ったことがある。夜の青の絵の具が足りねえ。",
            "　ロウの夜は、塗っても塗っても青を食う。", "　画材のちぐさに、追加を頼んである」"}));
  }
  GO(Say({"熊井「源三さんの話じゃ、問屋が盆前で遅れてるらしい。",
          "　手が空いたら、商店街の店を覗いてくれ。",
          "　急かすんじゃねえ。顔を見せるだけでいい」"}));
  return Backlog(809);
}

ScriptResult Day0810() {
  Face(1, "kut001");
  Voice("ku0410");
  GO(Say({"熊井「今日は、背景Ｂ。梶玄斎さんの家に行ってもらう」"}));
  GO(Say({"熊井「電話は、気が向いた時しか出ねえ。", "　手紙も読まねえ。行くしかねえ人だ」"}));
  GO(Say({"熊井「山のほうの農家で、カラスを二羽飼ってる。",
          "　……向こうが居ついてるだけかもしれねえが」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「頼むのは、嵐の夜の港だ。", "　あの人の夜は、日本で三本の指に入る」"}));
  } else {
    GO(Say({"熊井「頼むのは、霧峠の霧だ。ロウの半分は、", "　あの人の霧でできてる。",
            "　霧を描かせたら、日本で三本の指に入る」"}));
  }
  GO(Say({"熊井「それと、仕上げ下請けのにじますと、協会便だ」"}));
  Face(2, "kot002");
  Voice("ko0406");
  GO(Say({"こより「梶さんちのカラスには、ちゃんとあいさつしてね。",
          "　しないと梶さん、口きいてくれないの。", "　ほんとだよ」"}));
  return Backlog(810);
}

ScriptResult Day0811() {
  Face(1, "kut001");
  Voice("ku0411");
  GO(Say({"熊井「今日から撮影だ」"}));
  GO(Say({"熊井「午後の打ち合わせは、撮影打ち合わせ。", "　八ツ目撮影の鵜飼さんが来て、",
          "　一カットずつ、どう撮るかを決める」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「ガガには嵐がある。雨は二重露光、稲妻は透過光。",
            "　鵜飼さんが喜ぶ。撮影台が泣く」"}));
  } else {
    GO(Say({"熊井「ロウは霧の中を、背景を何段も重ねて撮る。",
            "　撮影台がまる一日ふさがる。鵜飼さんが喜ぶ」"}));
  }
  GO(Say({"熊井「午前のうちに、撮影所へ最初のセルと背景を",
          "　持っていけ。夕方は袋の突き合わせだ。",
          "　今日から、袋の『撮影』の欄が埋まりはじめる」"}));
  Face(2, "kot003");
  GO(Say(
      {"こより「カメラの下で、セルと背景がはじめて", "　一枚の絵になるんだよ。見たら、泣くよ」"}));
  return Backlog(811);
}

ScriptResult Day0812() {
  Face(1, "kot003");
  Voice("ko0407");
  GO(Say({"こより「今日はアフレコ！　音蔵スタジオ！", "　玲那さん！　氷見玲那さん！」"}));
  Face(2, "kut006");
  GO(Say({"熊井「落ち着け」"}));
  Face(2, "kut001");
  GO(Say({"熊井「録音スタジオには、台本と、線撮のビデオを",
          "　持っていく。色のついてねえ鉛筆の絵に、", "　声を当てるんだ」"}));
  GO(Say({"熊井「蔵前さんは、時間に厳しい。", "　十時開始なら、九時四十分にはロビーにいろ」"}));
  Face(1, "kot002");
  if (GiantFilm()) {
    GO(Say({"こより「つばめの声が、はじめて聞けるんだよ。",
            "　ガガランを最初に怖がらなかった女の子の声！」"}));
  } else {
    GO(Say({"こより「しずりの声が、はじめて聞けるんだよ。",
            "　狼に育てられた女の子の、最初の台詞！」"}));
  }
  GO(Say({"熊井「それと、にじますと撮影所。", "　アフレコの合間に回れ。抜けるなよ」"}));
  return Backlog(812);
}

ScriptResult Day0813() {
  Effect("16");
  GO(Say({"監督室のカーテンの奥から、", "乾いた咳が、ずっと続いていた。"}));
  Face(1, "kut009");
  GO(Say({"熊井「今日は、監督の背景チェック。", "　それと撮影所、背景Ｂの梶さん」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「梶さんのところは、嵐の夜の残りだ。", "　港の灯台の一枚が、まだ上がってねえ」"}));
  } else {
    GO(Say({"熊井「梶さんのところは、霧の残りだ。", "　十三夜ぶん、霧の濃さが一枚ずつ違う」"}));
  }
  Face(1, "kut005");
  Voice("ku0412");
  GO(Say({"熊井「……監督は、ゆうべも泊まりだ。", "　麦茶を持ってくとき、顔色も見てこい」"}));
  return Backlog(813);
}

ScriptResult Day0814() {
  Face(1, "kut001");
  GO(Say({"熊井「明日から盆だ。ツバクロも、にじますも、", "　ぱらぱら堂も、盆休みに入る。",
          "　今日が、前半戦の締めだ」"}));
  GO(Say({"熊井「編集所の、つぎはぎ編集室。", "　継田さんが、撮れたところからフィルムをつなぐ。",
          "　この映画の、最初の編集だ」"}));
  GO(Say({"熊井「それと、ぱらぱら堂と撮影所。盆の前に、", "　上げられるものは全部上げてもらう」"}));
  GO(Backlog(814));
  Face(1, "sut001");
  NoFace(2);
  if (core::GameState.productionScore() < kDroppedBelow) {
    GO(Say({"黒電話を置いた社長の編み棒が、止まっていた。"}));
    Voice("su0402");
    GO(Say({"砂原「……大輪映配さんから。", "　盆明けの月曜に、進み具合を聞かせてほしいって」"}));
    GO(Say({"誰も、返事をしなかった。", "扇風機の音だけが、事務所を回っていた。"}));
  } else {
    Face(1, "sut002");
    Voice("su0403");
    GO(Say({"砂原「お盆は、ちゃんと休むのよ。", "　休むのも、仕事のうち」"}));
  }
  return 0;
}

}  // namespace

ScriptResult Week4(std::uint32_t date) {
  switch (date) {
    case 809:
      return Day0809();
    case 810:
      return Day0810();
    case 811:
      return Day0811();
    case 812:
      return Day0812();
    case 813:
      return Day0813();
    default:
      return Day0814();
  }
}

}  // namespace story::briefing
