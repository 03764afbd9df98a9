// 協会便当番会社: ミズスマシ動画, this month's duty company of the studios'
// association courier. Cut bags for other member studios go in, bags for
// 夕凪 come out, each signed for in the register; its desk 小島 knows every
// studio's news before the studio does. Duty days: 3, 10, 17 and 24 August.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"川向こうの国道沿い、まだ新しい四階建てのビル。", "熊井さんと一度来た、ミズスマシ動画。",
          "テレビのシリーズを三本抱えて、今月の協会便の当番。"}));
  GO(Say({"協会便――町のアニメ会社が集まって、", "カット袋を一台の車でまとめて運ぶ仕組み。",
          "一社ずつ走るより、ずっと安く、ずっと早い。"}));
  Effect("03");
  GO(Say({"ロビーの壁一面に、木の棚。", "仕切りのひとつひとつに、会社の名前が貼ってある。",
          "夕凪動画の札は、下から二段目の端だった。"}));
  GO(Say({"小島「はーい、夕凪さん？　新人さんでしょ。", "　熊井さんから聞いてる。座って座って」"}));
  GO(Say({"受付の机から、よく通る声がした。", "ミズスマシのデスク、小島さん。",
          "熊井さんいわく、『この町の噂は全部あの机を通る』。"}));
  Effect("08");
  GO(Say({"鞄から、よその会社あてのカット袋を出す。",
          "この映画の何カットかは、隣町の会社が描いている。"}));
  GO(Say({"小島「はい、じゃあ帳面に書いて。", "　袋の番号、行き先、枚数、それからハンコ」"}));
  GO(Say({"分厚い帳面に、一行ずつ書き込む。",
          "ページをめくると、町じゅうの会社の名前が並んでいた。",
          "この一冊の上を、町のアニメが全部通っていく。"}));
  GO(Say({"小島「書き間違えると、袋が隣町に行っちゃうからね。",
          "　去年、それで一話落としかけた会社があるのよ」"}));
  if (GiantFilm()) {
    GO(Say({"小島「それより夕凪さん、映画やってるんでしょ。",
            "　風車の巨人ですって？　うちの若い子が、", "　原画やりたいって騒いでたわよ」"}));
  } else {
    GO(Say({"小島「それより夕凪さん、映画やってるんでしょ。",
            "　忍者もので、しかも夜ばっかりなんですって？",
            "　仕上げさんが泣いてるって、もっぱらの噂」"}));
  }
  GO(Say({"陽太「……なんで知ってるんですか」"}));
  GO(Say({"小島「この机に座ってるとね、", "　袋より先に、噂が届くのよ」"}));
  GO(Say({"夕凪あての袋を三つ受け取って、帳面にハンコを押した。"}));
  if (EveningOrNight()) {
    GO(Say({"ロビーの時計は、夜便の出る時刻に近づいていた。",
            "駐車場で、ミズスマシのワゴンがエンジンを温めている。"}));
  } else {
    GO(Say({"小島「夕方便は五時、夜便は十時。", "　遅れたら、置いてくからね」"}));
  }
  return 0;
}

// The gossip at the desk follows the studio's summer: the director's collapse
// on the 16th, the first print on the 30th.
ScriptResult Middle(int visits) {
  const std::uint32_t date = Date();
  if (date >= 816) {
    GO(Say({"小島「ねえ、鳥越監督、倒れたって本当？」"}));
    GO(Say({"まだ会社の外には、誰も言っていないはずだった。"}));
    GO(Say({"陽太「……入院は、しました。でも、", date <= 821
                                                    ? "　病院のベッドでコンテ描いてます」"
                                                    : "　もう退院して、またコンテ描いてます」"}));
    GO(Say({"小島「あの人らしいわ。みんな心配してるって、",
            "　伝えといて。ここに来る会社、みんなよ」"}));
    GO(Say({"帳面の余白に、誰かが書いた小さな字があった。", "『夕凪さん、がんばれ』。"}));
    return 0;
  }
  if (visits == 1) {
    GO(Say({"小島「聞いた？　駅向こうの会社、テレビの一話、",
            "　撮影が間に合わなくて総集編にしたんだって」"}));
    GO(Say({"陽太「……そういうこと、あるんですか」"}));
    GO(Say({"小島「あるのよ。だから、袋を運ぶ人が大事なの。",
            "　一日遅れると、誰かの一話が消えるんだから」"}));
    GO(Say({"受け取ったカット袋が、急に重く感じられた。"}));
  } else {
    GO(Say({"ロビーの棚の前で、知らない会社の進行さんと", "並んで袋を仕分けた。",
            "みんな、自分と同じくらい眠そうだった。"}));
    GO(Say({"陽太「……お疲れさまです」"}));
    GO(Say({"向こうも、同じ言葉を返してきた。", "名前も知らない人と、この夏だけは仲間だった。"}));
  }
  return 0;
}

ScriptResult Short(int visits) {
  if (Date() >= 823) {
    GO(Say({"小島「初号、三十日なんでしょ。", "　町じゅうの進行さんが、指を折って数えてるわよ」"}));
    GO(Say({"帳面にハンコを押す手に、少しだけ力が入った。"}));
    return 0;
  }
  if (visits % 2 == 0) {
    GO(Say(
        {"帳面に、いつもの行を書き込む。", "行き先、番号、枚数、ハンコ。もう、迷わずに書ける。"}));
  } else {
    GO(Say({"小島「はい、夕凪さんの分。今日は噂なし。平和ね」"}));
  }
  return 0;
}

}  // namespace

ScriptResult sKyoukai() {
  VisitMusic();
  Bg(ByTime("bg058"));
  const int visits = VisitsTo(Work::Courier);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  return Visited(Work::Courier);
}

}  // namespace story
