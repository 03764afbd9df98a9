// 動画下請け: ぱらぱら堂, 丸子 ハル's in-between house in an old wooden house
// by the river. Keys go in, in-betweens come out, and the sheets are counted,
// because in-betweens are paid by the sheet. Its work runs from 31 July to
// 19 August, heaviest in mid-August.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say(
      {"夕凪川の土手の下、瓦屋根の古い二階家。", "玄関の板に、筆で『ぱらぱら堂』と書いてある。"}));
  Effect("44");
  GO(Say({"引き戸を開けると、畳の部屋に座卓が六つ。", "座卓ごとにライトボックスが置かれ、",
          "紙をめくる音が、雨のように続いていた。"}));
  GO(Say({"一番奥の座卓で、白髪の小さなおばあさんが顔を上げた。", "首から眼鏡を紐で下げている。"}));
  GO(Say({"ハル「あらまあ、夕凪さんの新しい子ね。", "　暑かったでしょう。麦茶、そこにあるから」"}));
  GO(Say({"ぱらぱら堂の主、丸子ハルさん。", "孫が三人ここで働いていて、",
          "その三人の誰よりも、手が速いという。"}));
  GO(Say({"鞄から原画の入ったカット袋を出して、座卓に置く。"}));
  GO(Say({"ハル「はいはい、原画ね。原画が山なら、動画は道。",
          "　山と山の間に、歩ける道を描くのが、うちの仕事」"}));
  if (GiantFilm()) {
    GO(Say({"ハルさんが、ガガランの原画を一枚めくって笑った。"}));
    GO(Say({"ハル「寺門さんの原画ね。羽根が十二枚、",
            "　全部ばらばらに回ってる。割る人のことなんか",
            "　ちっとも考えてない。でも、だからいいのよ」"}));
  } else {
    GO(Say({"ハルさんが、しずりの原画を一枚めくって目を細めた。"}));
    GO(Say({"ハル「沢渡さんの原画ね。口元が一ミリずつしか",
            "　動かない。こういうのが一番難しいの。",
            "　線一本ぶれたら、この子の気持ちが変わっちゃう」"}));
  }
  Effect("55");
  GO(Say({"隣の座卓で、孫の青年が鉛筆を削り始めた。",
          "削り終わる前に、ハルさんは一枚描き上げていた。"}));
  GO(Say({"ハル「先に試しで割った分、持っていって。", "　枚数、ちゃんと数えてね」"}));
  GO(Say({"陽太「数えるんですか。全部？」"}));
  GO(Say({"ハル「動画は一枚いくらでお代をいただくの。",
          "　だから枚数は、絵の話で、お金の話でもあるのよ」"}));
  Effect("08");
  GO(Say({"タイムシートと見比べながら、動画用紙を一枚ずつ数える。",
          "右下に、鉛筆で小さく番号が振ってあった。", "二十四枚。タイムシートの数と合っている。"}));
  GO(Say({"ハル「いい進行さんは、数えてから帰るの。", "　熊井さんも、最初はそうだったわ」"}));
  if (EveningOrNight()) {
    GO(Say({"縁側で、蚊取り線香の煙が細く上っていた。", "ハルさんはもう寝る時間らしい。",
            "座卓の明かりは、孫たちの分だけ残っている。"}));
  } else {
    GO(Say({"帰り際、縁側の風鈴が鳴った。", "土手の上を、自転車の子供たちが通っていく。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  if (visits == 1) {
    GO(Say({"上がった動画を、いつものように一枚ずつ数える。", "……四十七枚。",
            "タイムシートには、四十八枚とある。"}));
    GO(Say({"陽太「一枚、足りません」"}));
    GO(Say({"ハル「あらま。みんな、手を止めて」"}));
    Effect("08");
    GO(Say({"座卓の上、畳の上、座布団の下。", "探し回った末に、一枚は隣の動画の裏に",
            "ぴったり貼りついていた。"}));
    GO(Say(
        {"ハル「ほらね。数えてくれる進行さんは、", "　うちの宝物よ。おせんべい、持っていって」"}));
  } else {
    GO(Say({"ハルさんが、手を止めずに話し出した。"}));
    GO(Say({"ハル「夕凪さんとは、もう二十年のお付き合い。",
            "　周平さんの原画は、割りやすかったのよ。",
            "　ここに道があるって、原画が教えてくれるの」"}));
    GO(Say({"夕凪動画を作った人。", "事務所の壁の写真でしか、知らない人だ。"}));
    GO(Say({"ハル「登美子さんは色を塗ってたわね。", "　あの人の塗ったセルは、光って見えたわ」"}));
    GO(Say({"ハル「今の夕凪さんの原画もね、道はある。", "　ちょっと、急な道だけど」"}));
  }
  return 0;
}

// In-betweening is heaviest from the middle of August, and winds down after
// the 16th: the short visits say where in that curve the house is.
ScriptResult Short(int visits) {
  const std::uint32_t date = Date();
  if (date >= 816) {
    if (visits % 2 == 0) {
      GO(Say({"座卓の上の動画用紙の山が、目に見えて低くなっていた。"}));
      GO(Say({"ハル「もうすぐ、うちの分もおしまいね。", "　終わると、毎年ちょっと寂しいのよ」"}));
    } else {
      GO(Say({"ハル「監督さん、倒れたんですって？」"}));
      GO(Say({"ハルさんは、上がった動画の束に", "お守りをひとつ挟んで寄こした。"}));
      GO(Say({"ハル「動画と一緒に、監督さんに持ってって。",
              "　あの人、昔から無理ばっかりするんだから」"}));
    }
    return 0;
  }
  switch (visits % 4) {
    case 0:
      GO(Say(
          {"上がりを数える。三百二十枚。", "数え終わる頃には、指先が鉛筆の粉で黒くなっていた。"}));
      GO(Say({"ハル「はい、お手拭き。進行さんの手も、道具だからね」"}));
      break;
    case 1:
      if (EveningOrNight()) {
        GO(Say({"ハルさんは、もう二階で寝ているらしい。",
                "孫たちが、欠伸をしながら袋を渡してくれた。",
                "座卓の上には、おばあちゃん用の夜食が置いてある。"}));
      } else {
        GO(Say(
            {"孫三人が、座卓に突っ伏して寝ていた。", "その真ん中で、ハルさんだけが描いている。"}));
        GO(Say({"ハル「若い子は、すぐ寝るのよねえ」"}));
      }
      break;
    case 2:
      GO(Say({"会社の動画検査から戻ってきた、リテイクの束を渡す。",
              "線の途切れた所に、赤い丸が付いている。"}));
      GO(Say({"ハル「あらまあ、これは孫のね。", "　……あら、こっちは私のだわ」"}));
      GO(Say({"ハルさんは笑って、一番上に自分の分を置いた。"}));
      break;
    default:
      GO(Say({GiantFilm() ? "ハル「羽根、羽根、また羽根。夢にも羽根が回るわ」"
                          : "ハル「霧の中の子ね。線が細いから、目が疲れるのよ」"}));
      GO(Say({"そう言いながら、ハルさんの手は一度も止まらなかった。"}));
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sDouga() {
  VisitMusic();
  Bg(ByTime("bg053"));
  const int visits = VisitsTo(Work::InBetween);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  return Visited(Work::InBetween);
}

}  // namespace story
