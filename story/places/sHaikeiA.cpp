// 背景Ａ: 青嵐美術, the film's background studio, where the art director
// 柏木 朔 paints skies with a house-painter's brush. Layouts go in, painted
// boards come out; its work is set for 31 July, 6 and 9 August.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

bool Giant() {
  return core::GameState.project() == 0;
}
bool Late() {
  return TimeSlot() >= core::kEvening;
}

ScriptResult FirstVisit() {
  GO(Say({"川向こうの、古い倉庫を直した建物。", "北向きの大きな窓が並んでいる。",
          "入口の表札に、『青嵐美術』。"}));
  Effect("03");
  GO(Say({"中は、広い板の間だった。", "斜めに立てた製図台が六つ。",
          "壁一面に、描き上がった背景がピンで留めてある。"}));
  GO(Say({"一番奥で、ひょろりと背の高い男が", "ペンキ屋が使うような幅広の刷毛を握っていた。"}));
  GO(Say({"柏木「……ちょっと待って。今、空を塗ってるから。", "　空は一回で塗る。迷うと濁るんだ」"}));
  GO(Say({"刷毛が、画板の端から端まで一息に走る。", "上は濃く、下に行くほど淡く。",
          "濡れた青が、見ている間に夏の空になった。"}));
  GO(Say(
      {"柏木「お待たせ。夕凪さんの新しい人だね。", "　美術監督の柏木です。青嵐美術へようこそ」"}));
  Effect("08");
  GO(Say({"鞄から、レイアウトをコピーした背景原図の束を出す。",
          "カット番号ごとに、監督のメモが付いている。"}));
  GO(Say({"柏木「ありがとう。背景はレイアウトが全部。",
          "　キャラクターがどこに立って、どこを歩くか。",
          "　それが分からないと、床一枚も塗れないから」"}));
  if (Giant()) {
    GO(Say({"製図台の美術ボードに、風車の町が描かれていた。",
            "白い風車が坂に並び、その向こうに港と入道雲。"}));
    GO(Say({"柏木「昼の映画だからね。空がほとんど主役。",
            "　ガガランより大きいのは、空と雲だけにしたい」"}));
  } else {
    GO(Say({"製図台の美術ボードに、霧の峠が描かれていた。",
            "杉の木立が、奥に行くほど白く溶けていく。"}));
    GO(Say({"柏木「霧は塗らないで、拭き取って作るんだ。",
            "　塗った色を、濡れたスポンジで少しずつ消す。",
            "　夜の深いところは梶先生。うちは夕暮れまで」"}));
  }
  GO(Say({"柏木「上がってる三枚、持っていって。", "　丸めないこと。雨に濡らさないこと。",
          "　あと、絵の面には絶対に触らないこと」"}));
  GO(Say({"渡された平たい紙挟みは、思ったより大きかった。", "両腕で抱えると、前がよく見えない。"}));
  if (Late()) {
    GO(Say({"振り返ると、北の窓はもう暗かった。",
            "蛍光灯の下で、柏木さんは次の空の色を混ぜている。"}));
    GO(Say({"柏木「夜は色が嘘をつくから、塗るのは朝。", "　夜は、混ぜて考えるだけ」"}));
  } else {
    GO(Say({"柏木「朝の光が一番正直なんだ。", "　だから背景屋は、北の窓が好きなんだよ」"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    GO(Say({"監督からの背景のリテイクを、柏木さんに渡す。",
            Giant() ? "『空、もう少し高く。子供が見上げる空に』"
                    : "『峠の夕焼け、もう少し寂しく。帰れない色に』"}));
    GO(Say({"柏木「……監督らしいね。言葉は短いのに、", "　描き直す量は長い」"}));
    GO(Say({"柏木さんは新しい画板を出して、", "刷毛に水を含ませた。"}));
    GO(Say({"一息。もう一息。", Giant() ? "さっきより、空が一段高くなった気がした。"
                                        : "さっきより、夕焼けが一段遠くなった気がした。"}));
    GO(Say({"柏木「乾いたら持っていって。監督に、", "　これで駄目ならもう一回って伝えて」"}));
  } else {
    GO(Say({"柏木「今日の一枚は、長いよ」"}));
    GO(Say({"……本当に長かった。", "カメラが横に流れて見せる、パン用の長い背景。",
            "普通の背景を、三枚横につないだ長さがある。"}));
    if (Giant()) {
      GO(Say({"台風の前の港。", "左の青空から右の黒い雲まで、空がひと続きに変わる。"}));
    } else {
      GO(Say({"十三夜目の明け方の峠。", "左の夜の藍から右の朝の白まで、霧がひと続きに晴れる。"}));
    }
    Effect("19");
    GO(Say({"抱えて外に出た途端、川風が吹いた。", "紙挟みが帆のように風をはらむ。",
            "転ばないように、橋を渡りきるまで息を止めた。"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  switch (visits % 3) {
    case 0:
      GO(Say({"柏木さんは、流しで刷毛を洗っていた。", "水が、空の色に染まって流れていく。"}));
      GO(Say({"柏木「上がりはそこ。乾いてるから大丈夫」"}));
      break;
    case 1:
      GO(Say({Late() ? "蛍光灯の下で、壁一面の背景が青白く光っていた。"
                     : "北の窓の光の中で、壁一面の背景が静かに並んでいた。",
              "まだ誰も立っていない、映画の中の町だ。"}));
      break;
    default:
      GO(Say({"柏木「監督、背景のこと何か言ってた？」"}));
      GO(Say({"陽太「空がいい、って言ってました」"}));
      GO(Say({"柏木さんは何も言わずに、刷毛を一回振った。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sHaikeiA() {
  VisitMusic();
  Bg(ByTime("bg056"));
  const int visits = VisitsTo(Work::BackgroundA);
  if (visits == 0) {
    GO(FirstVisit());
  } else if (visits <= 2) {
    GO(Middle(visits));
  } else {
    GO(Short(visits));
  }
  return Visited(Work::BackgroundA);
}

}  // namespace story
