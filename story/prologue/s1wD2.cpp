// 「引っ越しの日曜日」: the first day's end (the first chance to save), then
// Sunday 25 July: the move into 銀杏荘 and the first free afternoon.
#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

namespace {

// Where the first Sunday went: 1 the studio, 2 the store, 3 the station,
// 4 the hill, 5 the shopping street, 6 home. Set here and in s1wF.
constexpr std::size_t kFirstSunday = 20;

}  // namespace

ScriptResult s1wD2() {
  ClearStage();
  for (;;) {
    GO(Choose({"１●セーブする", "２●次の日へ", "３●タイトルに戻る"}));
    if (Picked() == 1) GO(Save());
    if (Picked() == 2) break;
    if (Picked() == 3) {
      StopMusic();
      return scenario::kGameOver;
    }
  }
  core::GameState.date = 725;
  core::GameState.timeSlot = core::kMorning;
  Bg("bg002");
  Music("bgm09");
  Effect("16");
  GO(Say({"日曜日。銀杏荘は、スタジオの裏の路地にあった。",
          "大きな銀杏の木の下の、木造の二階建て。"}));
  GO(Say({"荷物は、段ボール箱が三つ。", "こよりさんが、白玉号で運んでくれた。"}));
  Face(1, "kot002");
  Voice("ko0016");
  GO(Say({"こより「二号室、四畳半！　スタジオまで徒歩四十秒。",
          "　さっき計ったから、間違いないよ」"}));
  GO(Say({"こより「今日は日曜だから、休み。", "　休むのも仕事だからね！　わたしも寝る。",
          "　十二時間寝る。ストップウォッチで計って寝る」"}));
  Face(1, "kot006");
  GO(Say({"こより「……あっ、その箱、アニメ雑誌？", "　今度見せて！　絶対ね！」"}));
  NoFace(1);
  Effect("20");
  GO(Say({"そう言い残して、白玉号はがたがたと走り去った。"}));

  Bg("bg001");
  GO(Say({"畳の上に、段ボール箱が三つ。扇風機が一台。",
          "窓を開けると、銀杏の葉がざわざわと鳴った。"}));
  GO(Say({"……布団が、ない。"}));
  GO(Say({"初めての町の、初めての日曜日。", "ポケットには、社長から預かった白い封筒。",
          "さて、どうしよう。"}));
  GO(Choose({"１『スタジオをのぞきに行く』", "２『町を歩いてみる』", "３『駅前で布団を買う』"}));
  if (Picked() == 1) {
    Flag(kFirstSunday) = 1;
    return Jump("s1wE");
  }
  if (Picked() == 2) return Jump("s1wF");
  Flag(kFirstSunday) = 3;
  return Jump("s1wH");
}

}  // namespace story
