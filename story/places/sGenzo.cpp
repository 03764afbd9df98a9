// 現像所: 暁光現像所, the film laboratory, where a clerk nobody has seen hands
// the rush prints through a hatch. Its days are the first rush (21 August)
// and the second (26 August); its preview theatre waits for the 30th.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"川沿いの工場街の端に、窓の少ない大きな建物。", "門の銘板に、『暁光現像所』。",
          "近づくと、酢のような薬品の匂いがした。"}));
  GO(Say({"受付は、壁に開いた小さな窓ひとつだった。", "すりガラスの向こうで、明かりが揺れている。",
          "窓の下に、呼び鈴のボタン。"}));
  Effect("14");
  GO(Say({"窓口「はいはい。どちらさん」"}));
  GO(Say({"ガラスの向こうから、声だけがした。",
          "顔は見えない。見えるのは、窓から出てくる手だけだ。"}));
  GO(Say({"陽太「夕凪動画です。ラッシュを受け取りに……」"}));
  GO(Say({"窓口「夕凪さんね。伝票ちょうだい。", "　……はい、八ツ目さんから来たネガ、",
          Date() < 826 ? "　焼いといたよ。初めてのラッシュだね」"
                       : "　焼いといたよ。あんたが来るのは初めてだね」"}));
  Effect("45");
  GO(Say({"窓から、平たい金属の缶が二つ出てきた。", "ずしりと重い。",
          "中に、色の付いた映画が巻かれている。"}));
  GO(Say({"窓口「見たいだろ。いいよ、頭だけ。", "　窓の明かりに透かしてごらん。縁を持ってね」"}));
  GO(Say({"缶を開け、フィルムの端を少しだけ引き出して、", "小窓の明かりにかざした。"}));
  if (GiantFilm()) {
    GO(Say({"小さな四角が、いくつも並んでいた。", "その一つ一つに、青い空と、白い風車と、",
            "錆色の巨人が、ちゃんと色付きで立っていた。"}));
  } else {
    GO(Say({"小さな四角が、いくつも並んでいた。", "その一つ一つに、藍色の霧と、月と、",
            "しずりの横顔が、ちゃんと色付きで浮かんでいた。"}));
  }
  GO(Say({"鉛筆の線でも、色の見本でもない。", "映画だった。"}));
  GO(Say({"窓口「初めてのラッシュは、みんなそうやって",
          "　透かすんだよ。何十年見てても、同じ顔をする」"}));
  GO(Say({"窓口「それと、三十日。うちの試写室、", "　夕凪さんで押さえてあるからね。初号、",
          "　ちゃんと持っておいで」"}));
  if (EveningOrNight()) {
    GO(Say({"帰り道、工場街の灯りはほとんど消えていた。",
            "振り向くと、あの小窓だけがまだ明るかった。", "あの人は、いつ帰るのだろう。"}));
  } else {
    GO(Say({"缶を抱えて外に出ると、川の照り返しがまぶしかった。",
            GiantFilm() ? "この缶の中に、ガガランの夏の空が入っている。"
                        : "この缶の中に、しずりの霧の峠が入っている。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    Effect("14");
    GO(Say({"窓口「来たね。二回目のラッシュ」"}));
    GO(Say({"窓から出てきた缶は、前より一つ多かった。",
            "色の付いたカットが、それだけ増えたということだ。"}));
    GO(Say({"窓口「夕凪さんのは、色がいいね。", GiantFilm() ? "　昼の空が、ちゃんと夏の色をしてる」"
                                                            : "　夜が、ちゃんと夜の色をしてる」"}));
    GO(Say({"陽太「……中、見えるんですか」"}));
    GO(Say({"窓口「焼いてるのは、こっちだからね」"}));
    GO(Say({"声だけの人に、映画を褒められた。",
            "会社に戻ったら、仕上げ室の人たちに伝えようと思った。"}));
  } else {
    Effect("14");
    GO(Say({"窓口「はい、ネガ確かに。初号は、三十日の朝ね」"}));
    GO(Say({"すりガラスの向こうで、手が小さく振られた。"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  if (visits % 2 == 0) {
    GO(Say({"呼び鈴を押す前に、窓が開いた。"}));
    GO(Say({"窓口「足音で分かるよ。夕凪さんの新人さん」"}));
  } else {
    GO(Say(
        {EveningOrNight() ? "夜の小窓に、缶を一つ差し出した。" : "昼の小窓に、缶を一つ差し出した。",
         "受け取る手は、いつもと同じ手だった。"}));
  }
  return 0;
}

}  // namespace

ScriptResult sGenzo() {
  VisitMusic();
  Bg(ByTime("bg061"));
  const int visits = VisitsTo(Work::Laboratory);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  return Visited(Work::Laboratory);
}

}  // namespace story
