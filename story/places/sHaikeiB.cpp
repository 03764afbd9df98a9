// 背景Ｂ: the farmhouse of 梶 玄斎, a background painter of seventy-two who
// works alone, paints the film's nights and mists, and talks to his crows.
// His work is set for 10 and 13 August.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"町の外れ、田んぼの中の一本道を自転車で二十分。",
          "トタンをかぶせた古い農家が、柿の木の下にあった。"}));
  GO(Say({"柿の枝に、カラスが二羽とまっている。", "こちらを見て、一羽がガア、と鳴いた。"}));
  GO(Say({"梶「ヤタ、騒ぐな。客だ。……ゴン、お前もだ」"}));
  GO(Say({"縁側に、白い髭の老人があぐらをかいていた。", "背景Ｂ、梶玄斎さん。七十二歳。",
          "熊井さんいわく、『夜なら日本で三本の指』。"}));
  GO(Say({"陽太「夕凪動画の新人です。背景原図を……」"}));
  GO(Say({"梶「知っとる。鳥越の小僧から電話があった。", "　新しいのが行くから、いじめるなとな」"}));
  Effect("44");
  GO(Say({"障子を開けると、畳の間いっぱいに", "描き上がった背景が、新聞紙の上で乾かしてあった。",
          "どれも、夜だった。"}));
  if (GiantFilm()) {
    GO(Say({"台風の前の晩の港。", "真っ暗な古いドックの底で、ランプひとつに照らされて",
            "眠っているガガランの影。"}));
    GO(Say({"梶「昼の映画でも、夜は来る。昼が明るいほど、",
            "　夜はちゃんと暗くしてやらんといかん」"}));
  } else {
    GO(Say({"月の下の峠。霧の底に沈んだ杉の森。", "十三の夜が、一枚ずつ違う暗さで並んでいる。"}));
    GO(Say({"梶「霧はな、向こうが見えそうで見えんところで",
            "　筆を止める。見えたら負け、見えんでも負けだ」"}));
  }
  GO(Say(
      {"梶「それと、夜は黒で塗るもんじゃない。", "　黒は穴だ。夜は、深い青と深い緑でできとる」"}));
  Effect("08");
  GO(Say({"背景原図を渡し、乾いた背景を受け取る。",
          "一枚ずつ新聞紙を挟んで、平たい紙挟みに重ねていく。"}));
  GO(Say({"梶「それと、これも持っていけ」"}));
  GO(Say({"ざるに山盛りの、胡瓜とトマトだった。"}));
  GO(Say({"梶「畑が勝手に実って、わし一人じゃ食いきれん。",
          "　夕凪の連中に食わせろ。あいつらは痩せすぎだ」"}));
  if (EveningOrNight()) {
    GO(Say({"帰り道は、真っ暗だった。", "自転車のライトの先で、蛙がいっせいに鳴いている。",
            "振り向くと、農家の窓にひとつだけ明かりがあった。"}));
  } else {
    Effect("63");
    GO(Say({"遠くの寺で、鐘が鳴った。", "カラスが二羽、山のほうへ飛んでいった。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    GO(Say({"梶さんは、縁側で筆を洗っていた。", "足元で、カラスのヤタが何かをくわえている。"}));
    GO(Say({"梶「こら、消しゴムを返せ。……ほれ、返せと言うとる」"}));
    GO(Say({"ヤタは消しゴムを放して、柿の木へ戻った。"}));
    GO(Say({"梶「鳥越の小僧は、ちゃんと食っとるか」"}));
    GO(Say({"陽太「あまり……。煙草と麦茶ばかりです」"}));
    GO(Say({"梶「昔からだ。四十年前、あいつがまだ", "　動画を割っとった頃から、変わらん。",
            "　……倒れる前に、胡瓜を食わせろ」"}));
    GO(Say({"ざるに、また胡瓜が山盛りになった。"}));
  } else {
    GO(Say({"梶さんが、乾いた画面に白い絵の具を薄く溶いていた。"}));
    GO(Say({GiantFilm() ? "梶「雨の靄を足す。見とれ」" : "梶「霧を足す。見とれ」"}));
    GO(Say({GiantFilm() ? "水を含ませた平筆が、港の奥の岬を一度だけ撫でる。"
                        : "水を含ませた平筆が、杉の根元を一度だけ撫でる。",
            GiantFilm() ? "それだけで、岬が一歩、雨の向こうへ下がった。"
                        : "それだけで、森が一歩、霧の奥へ下がった。"}));
    GO(Say({"梶「足すのは一度だけだ。二度やると、", "　空気じゃなくて、ただの汚れになる」"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  switch (visits % 2) {
    case 0:
      GO(Say({"梶「ゴン、客だ。茶を出せ」"}));
      GO(Say({"カラスは茶を出さなかった。", "梶さんが出してくれた。"}));
      break;
    default:
      GO(Say({EveningOrNight() ? "暗い農家の奥で、梶さんが夜を描いていた。"
                               : "明るい縁側で、梶さんが夜を描いていた。",
              "声をかけずに、背景原図を置いて、", "乾いた一枚を受け取った。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sHaikeiB() {
  VisitMusic();
  Bg(ByTime("bg057"));
  const int visits = VisitsTo(Work::BackgroundB);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  // Nothing more is set for him after 13 August: a visit from then on takes his last board.
  if (Date() >= 813 && visits > 0) {
    GO(Say({"縁側に、仕上がった背景が一枚だけ立てかけてあった。"}));
    GO(Say({GiantFilm() ? "嵐の過ぎた明け方の港。濡れた屋根の上の、薄い光。"
                        : "最後の夜の峠。霧の向こうに、町の灯がひとつ。"}));
    GO(Say({"梶「それで、わしの分は終いだ」"}));
    GO(Say({"梶さんはそれだけ言って、カラスに話しかけ始めた。"}));
  }
  return Visited(Work::BackgroundB);
}

}  // namespace story
