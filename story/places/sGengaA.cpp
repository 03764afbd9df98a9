// 原画マンＡ: 寺門 辰巳's danchi flat. He draws the film's machines and its
// effects, opens no door before noon, and owes the studio cuts until 3 August.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"月見坂団地、四号棟。階段で四階まで上がる。",
          "表札の横に、マジックで『寺門』と書いた紙。",
          "熊井さんと一度来たきりの、原画マンＡの部屋だ。"}));
  Effect("05");
  if (TimeSlot() == core::kMorning) {
    GO(Say({"……返事がない。", "熊井さんの言葉を思い出す。",
            "――寺門さんは、昼前にはドアを開けない。"}));
    Effect("05");
    GO(Say({"もう一度ノックすると、", "ドアがチェーンの幅だけ開いた。"}));
    GO(Say({"寺門「……朝だぞ。朝に来る進行は、", "　人の心がわからん進行だ」"}));
    GO(Say({"陽太「すみません、夕凪動画の新人です。", "　回収に来ました」"}));
    GO(Say({"寺門「知ってる。熊井が連れてきた顔だ。入れ」"}));
  } else {
    GO(Say({"ノック一回で、ドアが開いた。", "無精ひげの男が、鉛筆を耳に挟んで立っている。"}));
    GO(Say({"寺門「おう、夕凪の新人か。入れ。", "　靴は揃えなくていい。どうせ踏む」"}));
  }
  GO(Say({"六畳間の壁という壁が、プラモデルの箱で埋まっていた。",
          "戦車、戦闘機、ロボット。組み上がったものは", "天井から糸で吊るしてある。"}));
  GO(Say({"窓際の机の上だけが片付いていて、", "ライトボックスが白く光っている。",
          "その横に、描き上がった原画が番号順に重ねてあった。"}));
  if (GiantFilm()) {
    GO(Say({"寺門「見ろ。ガガランの起き上がりだ」"}));
    GO(Say({"錆を振り落としながら、風車の巨人が身を起こす。",
            "一枚ごとに、羽根の角度が少しずつ違う。"}));
    GO(Say({"寺門「羽根が十二枚、全部別々に回る。", "　動画屋が泣くぞ。泣くだけの値打ちのある",
            "　絵にはしてある。それが原画の仕事だ」"}));
  } else {
    GO(Say({"寺門「見ろ。峠の三夜目、追っ手との斬り合いだ」"}));
    GO(Say({"霧の中で、しずりが跳ぶ。", "刃が触れる瞬間の一枚だけ、火花が散っていた。"}));
    GO(Say({"寺門「芝居は沢渡の担当だ。俺は火花と煙と、",
            "　血の出ない斬り合い。霧は描かないで描く。", "　……わからんって顔だな。それでいい」"}));
  }
  Effect("08");
  GO(Say({"寺門さんは机の上のカット袋を取り、", "表に書いたカット番号を指で叩いた。"}));
  GO(Say({"寺門「上がり三カット。中を確かめろ」"}));
  GO(Say({"原画、レイアウト、タイムシート。", "教わった通り、一枚ずつ数える。",
          "番号は揃っている。抜けはない。"}));
  GO(Say({"陽太「……全部あります」"}));
  GO(Say({"寺門「当たり前だ。抜けてたら、", "　怒られるのは俺じゃなくて熊井だからな」"}));
  if (EveningOrNight()) {
    GO(Say({"寺門「夜はいい。頭が冴える。次も夜に来い」"}));
    GO(Say({"団地の廊下の蛍光灯に、蛾がぶつかっていた。"}));
  } else {
    GO(Say({"寺門「次からは昼過ぎに来い。朝の俺は死んでる」"}));
    GO(Say({"階段を下りる足音が、団地の壁に響いた。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  // He opens before noon only when he has not been to bed.
  if (TimeSlot() == core::kMorning) {
    GO(Say({"午前中なのに、ノック一回でドアが開いた。", "寝ていない、ということらしい。"}));
  }
  if (visits == 1) {
    GO(Say({"寺門さんは、原画の代わりにプラモデルを握っていた。"}));
    GO(Say({"陽太「……遊んでるんですか」"}));
    GO(Say({"寺門「資料だ。見上げた角度がわからん時は、", "　こうして回して見る」"}));
    if (GiantFilm()) {
      GO(Say({"手の中の鉄のロボットを、下からのぞき込む。",
              "机の上の原画では、ガガランが港を見下ろしていた。"}));
      GO(Say({"寺門「巨人は下から見るもんだ。子供の目の高さでな」"}));
    } else {
      GO(Say({"手の中の木のデッサン人形が、跳ぶ形に曲がっている。",
              "机の上の原画では、しずりが屋根から屋根へ跳んでいた。"}));
      GO(Say({"寺門「人形は文句を言わん。沢渡と違ってな」"}));
    }
    GO(Say({"みちるさんの赤鉛筆が入った作監修正を渡すと、",
            "寺門さんはしばらく黙って、それから笑った。"}));
    GO(Say({"寺門「檜垣の赤は正しいから腹が立つ」"}));
  } else {
    GO(Say({"寺門「あと一カットだ。座って待ってろ」"}));
    GO(Say({"机の隅で、お湯を注いだカップ麺が湯気を立てている。",
            "三分たっても、五分たっても、誰も蓋を開けなかった。"}));
    Effect("10");
    GO(Say({"鉛筆の音だけが続く。", EveningOrNight()
                                        ? "窓の外で、団地の明かりがひとつずつ消えていく。"
                                        : "窓の外を、子供たちの自転車が坂を下っていく。"}));
    GO(Say({"寺門「……よし。上がりだ。持っていけ」"}));
    GO(Say({"陽太「ラーメン、伸びてますよ」"}));
    GO(Say({"寺門「伸びたのが好きなんだ。お前も早く覚えろ」"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  switch (visits % 3) {
    case 0:
      GO(Say({"ドアの隙間から、カット袋だけが出てきた。", "中身を数えて礼を言う頃には、",
              "ドアはもう閉まっていた。"}));
      break;
    case 1:
      GO(Say({"天井から吊るされた戦闘機が、一機増えていた。"}));
      GO(Say({"陽太「……締め切り、大丈夫ですか」"}));
      GO(Say({"寺門「大丈夫だから組んでるんだ」"}));
      break;
    default:
      GO(Say({"寺門「新人、顔色が悪いぞ。寝てないな」"}));
      GO(Say({"陽太「寺門さんもです」"}));
      GO(Say({"寺門「俺はこれが顔色だ」"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sGengaA() {
  VisitMusic();
  Bg(ByTime("bg050"));
  const int visits = VisitsTo(Work::KeyAnimatorA);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  // No more cuts are set for him after 3 August: whatever is collected then is his last.
  if (Date() >= 803 && visits > 0) {
    GO(Say({"寺門「これで俺の持ち分は全部だ。", "　あとは動画屋に謝っとけ」"}));
    GO(Say({"最後のカット袋は、思っていたより重かった。"}));
  }
  return Visited(Work::KeyAnimatorA);
}

}  // namespace story
