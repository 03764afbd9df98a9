// 仕上げ下請け: 彩色工房にじます, the regular ink-and-paint subcontractor, run by
// 虹村 and her painters. Traced cels and colour models go in, painted cels come
// out; its work runs from 5 to 28 August and never gets lighter.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say(
      {"線路沿いのプレハブの二階建て。", "看板には、虹色の魚の絵と『彩色工房にじます』の文字。"}));
  Effect("03");
  GO(Say({"ドアを開けた途端、むっとした熱気と、", "絵の具の匂いに包まれた。",
          "エアコンも扇風機も、止まっている。"}));
  GO(Say({"長机が四列。白い上っ張りの人たちが、", "透明なセルを裏返しにして、筆で色を置いている。",
          "壁際の棚には、塗り上がったセルが並んで乾いていた。"}));
  GO(Say({"虹村「あら、夕凪さんの新人さん？　いらっしゃい。",
          "　ドア、早く閉めてね。ホコリが入るから」"}));
  GO(Say({"工房長の虹村さん。", "名字が虹村だから、にじます。",
          "本人が三回言ったので、覚えてしまった。"}));
  GO(Say({"陽太「扇風機、つけないんですか」"}));
  GO(Say({"虹村「つけたら、乾く前のセルにホコリが付くの。",
          "　セルのゴミはね、撮影でフィルムに映ると、",
          "　スクリーンの上では岩みたいに大きくなるのよ」"}));
  Effect("08");
  GO(Say({"鞄から、トレスの済んだセルの束と、色指定表を出す。",
          "セルの一枚一枚に、キャラクターの線だけが", "黒く写し取られている。"}));
  GO(Say(
      {"虹村「色は裏から塗るの。表の線を残すために。", "　だから、塗ってる間は絵が全部裏返し」"}));
  if (GiantFilm()) {
    GO(Say({"虹村さんが、色指定表のガガランを指で叩いた。"}));
    GO(Say({"虹村「錆の色だけで七色。明るい昼の映画だから、",
            "　絵の具がきれいに乗って、塗ってて気持ちいいわ。",
            "　……数が多いのは、気持ちよくないけど」"}));
  } else {
    GO(Say({"虹村さんが、色指定表のしずりを見て唸った。"}));
    GO(Say({"虹村「夜の色ばっかり。黒に近い色が十二種類。",
            "　瓶を一本間違えても、乾くまで誰も気づかない。",
            "　目を凝らして塗るのよ、この映画は」"}));
  }
  GO(Say({"代わりに、塗り上がったセルの箱を受け取る。", "枚数をカット袋の数と確かめ、",
          "間に挟む紙が抜けていないかも見る。"}));
  GO(Say({"虹村「濡れてるのは入れてないから、大丈夫。",
          "　夕凪さんの色の子に、よろしく言っといて。",
          "　あの子の指定表、字がきれいで助かるのよ」"}));
  if (EveningOrNight()) {
    GO(Say({"外に出ると、夜風が涼しかった。", "振り向くと、にじますの窓はまだ全部明るい。"}));
  } else {
    GO(Say({"外に出ると、線路の向こうで蝉が鳴いていた。", "服にまで、絵の具の匂いが移っていた。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    Effect("03");
    GO(Say({"暑さに負けて、ドアを開けたままにしてしまった。"}));
    GO(Say({"虹村「閉めて！」"}));
    Effect("04");
    GO(Say(
        {"工房中の人が、一斉にこっちを見た。", "乾燥棚のセルが、窓からの風で小さく震えている。"}));
    GO(Say({"虹村「……ごめんね、大きな声出して。", "　一枚でも岩が付いたら、塗り直しなのよ」"}));
    GO(Say({"冷たい麦茶を一杯もらって、", "それから、箱の受け渡しをした。"}));
    return 0;
  }
  const std::uint32_t date = Date();
  if (date >= 809 && date <= 815) {
    GO(Say({"虹村さんが、棚を見上げてため息をついた。"}));
    if (GiantFilm()) {
      GO(Say({"虹村「セルが足りないのよ。画材のちぐささんに",
              "　まとめて頼んであるんだけど、まだ届かないの」"}));
    } else {
      GO(Say({"虹村「夜の色が足りないの。画材のちぐささんに",
              "　特注で頼んであるんだけど、まだ届かないの」"}));
    }
    GO(Say({"陽太「会社に戻ったら、すぐ確かめます」"}));
    GO(Say({"虹村「お願い。手が空くと、うちの子たち、", "　みんな寝ちゃうから」"}));
  } else {
    GO(Say({"虹村さんが、小さな皿の上で絵の具を混ぜている。"}));
    GO(Say({"虹村「指定の色が切れたから、作ってるの。",
            "　色見本と並べて、乾いた時に同じになるように」"}));
    GO(Say({"陽太「濡れてる時と、乾いた時で違うんですか」"}));
    GO(Say({"虹村「違うのよ、これが。だから一回塗って、", "　乾かして、見比べて、また混ぜるの」"}));
    GO(Say({"四回目で、虹村さんはやっと頷いた。"}));
  }
  return 0;
}

// From mid-August on, the paint room's load is the film's: the crunch after
// the 16th, the last boxes after the 23rd.
ScriptResult Short(int visits) {
  const std::uint32_t date = Date();
  if (date >= 828) {
    GO(Say({"乾燥棚は、ほとんど空になっていた。"}));
    GO(Say({"虹村「これが最後の箱。……本当に最後よ」"}));
    GO(Say({"箱を受け取ると、工房の全員が手を止めて、", "小さく拍手をしてくれた。"}));
    return 0;
  }
  if (date >= 823) {
    switch (visits % 3) {
      case 0:
        GO(Say({"乾燥棚の隙間が、日に日に広くなっていく。"}));
        GO(Say({"虹村「あと少し。あと少しで、全部塗り上がる」"}));
        break;
      case 1:
        GO(Say({"撮影のリテイクで、塗り直しのセルが戻ってきた。",
                "一枚だけ色を間違えた、色パカのセルだ。"}));
        GO(Say({"虹村「うちの子の間違いね。ごめんなさい。",
                "　一時間ちょうだい。乾かして返すから」"}));
        break;
      default:
        GO(Say({"塗り子さんの一人が、筆を持ったまま船を漕いでいた。",
                "虹村さんが、そっとその手から筆を抜き取った。"}));
        break;
    }
    return 0;
  }
  if (date >= 816) {
    switch (visits % 3) {
      case 0:
        GO(Say({"長机に、見たことのない顔が二人増えていた。"}));
        GO(Say({"虹村「近所の昔の塗り子さんに、来てもらったの。",
                "　夜は宵彩舎さんにも回してるんでしょ。", "　どこも手が足りないのよ、この夏は」"}));
        break;
      case 1:
        GO(Say({"虹村「枚数、今日は三百。数えられる？」"}));
        GO(Say({"陽太「数えます」"}));
        GO(Say({"三百枚を数え終わる頃には、", EveningOrNight()
                                                  ? "窓の外の電車が、終電になっていた。"
                                                  : "窓の外の日が、すっかり傾いていた。"}));
        break;
      default:
        GO(Say({"虹村さんが、目薬を差しながら箱を渡してくれた。"}));
        GO(Say({"虹村「夕凪さんの色の子にも、言っといて。",
                "　目を休ませなさいって。倒れたら色も倒れるのよ」"}));
        break;
    }
    return 0;
  }
  switch (visits % 3) {
    case 0:
      GO(Say({"塗り上がったセルの箱を受け取り、枚数を数える。",
              "光に透かすと、色の向こうに線が見えた。"}));
      break;
    case 1:
      GO(Say({EveningOrNight() ? "夜のにじますは、ラジオだけが元気だった。"
                               : "昼のにじますは、筆を洗う水の音だけがしていた。",
              "箱を受け取って、声をかけずに頭だけ下げた。"}));
      break;
    default:
      GO(Say({"虹村「新人さん、服にまた絵の具ついてる」"}));
      GO(Say({"見ると、袖に小さく空色が付いていた。",
              GiantFilm() ? "ガガランの空の色だ。" : "しずりの夜明けの色だ。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sShiage() {
  VisitMusic();
  Bg(ByTime("bg055"));
  const int visits = VisitsTo(Work::InkAndPaint);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  return Visited(Work::InkAndPaint);
}

}  // namespace story
