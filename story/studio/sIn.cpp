// The in-house animators' corner of the drawing room: who they are, then a
// piece of their craft or their summer for each stretch of the production.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/studio/studio.h"

namespace story {

namespace {

// Bytes 32-33: the animators' scenes played, one bit each (two per period, then the first meeting).
constexpr std::size_t kAnimatorsSeen = 32;
constexpr int kIntroduction = 10;

ScriptResult MeetTheAnimators() {
  GO(Say({"作画室の奥、アニメーターたちの島に顔を出した。"}));
  GO(Say({"機械の図面のような原画を描いているのが、", "三好さん。この道三十年の原画マンだ。"}));
  GO(Say({"三好「おう、新人。邪魔するなら、", "　鉛筆の一本も削ってからにしな」"}));
  GO(Say({"ヘッドホンをしたまま描いているのが、", "まだ二十代の原画マン、庄司さん。",
          "定規を三本並べているのが、レイアウトの北条さん。"}));
  GO(Say({"窓ぎわの二人は、動画の秋葉さんと徳永さんだ。"}));
  GO(Say({"秋葉「あ、進行さん。消しゴム買ってきてくれます？", "　練り消しじゃないほう」"}));
  GO(Say({"徳永「……あと、夜食も……」"}));
  GO(Say({"徳永さんはそれだけ言って、机に突っ伏した。"}));
  Effect("55");
  GO(Say({"言われたとおり、鉛筆を削った。", "十二本目で、三好さんが一本をつまみ上げた。"}));
  GO(Say({"三好「削り方で、そいつがこの仕事を", "　何年続けるか、わかるんだよ」"}));
  GO(Say({"三好「……お前は、三年だな」"}));
  GO(Say({"陽太「それって、長いんですか」"}));
  GO(Say({"三好「この業界じゃ、長い」"}));
  return 0;
}

ScriptResult Rolling() {
  GO(Say({"庄司さんが、原画を指のあいだに挟んで、", "パラパラと動かしていた。"}));
  GO(Say(
      {"庄司「ローリングっていうんです。挟んだ紙を", "　順にめくって、動きを確かめるんですよ」"}));
  GO(Say({"庄司「やってみます？」"}));
  Effect("08");
  GO(Say({"やってみた。", "三枚とも、床に落ちた。"}));
  GO(Say({"庄司「……最初は、みんなそうです。", "　僕なんか、五十枚落としましたから」"}));
  return 0;
}

ScriptResult TheLayout() {
  GO(Say({"北条さんのレイアウトを、後ろからのぞいた。",
          "人物と背景の線が、一枚の紙に重なっている。"}));
  GO(Say({"北条「レイアウトは、設計図です。", "　これがあって、背景さんは背景を、",
          "　原画さんは芝居を描けるんです」"}));
  if (studio::Gaga()) {
    GO(Say({"紙の上では、巨人の足が風車の羽根をまたいでいた。",
            "羽根の一枚一枚に、回る向きの矢印がある。"}));
  } else {
    GO(Say({"紙の上では、霧の奥に峠の道が消えていた。", "霧の層ごとに、薄く番号がふってある。"}));
  }
  GO(Say({"北条「枠の外にはみ出した線は、一本もない。", "　……それが、僕の自慢です」"}));
  GO(Say({"北条さんは、定規の角度を一度だけ直した。"}));
  return 0;
}

ScriptResult InBetweens() {
  GO(Say({"秋葉さんが、動画用紙を机の突起に差していた。"}));
  GO(Say({"秋葉「タップっていうの。紙の穴をこれに合わせれば、", "　何枚重ねても、ずれないから」"}));
  GO(Say({"秋葉「原画と原画のあいだを描くのが、私たち。", "　中割りっていうの」"}));
  GO(Say({"秋葉「原画さんの『ここからここまで』を、", "　一枚ずつ、ちゃんと繋ぐのよ」"}));
  Effect("10");
  GO(Say({"彼女の描いた腕は、二枚の原画の", "ちょうど真ん中にあった。", "定規も使わずに。"}));
  return 0;
}

ScriptResult RedPencil() {
  Face(1, "mit001");
  GO(Say({"みちるさんが、誰かの原画に赤鉛筆を入れていた。"}));
  Voice("mi0100");
  GO(Say({"みちる「ほら、ここ。肘がね、ちょっと長いの。", "　直すのは、三ミリだけ」"}));
  Face(1, "mit002");
  Voice("mi0101");
  GO(Say({"みちる「でも、この子の描く手は私より上手なの。", "　それは必ず、一緒に伝えてあげて」"}));
  GO(Say({"口にくわえているのは、煙草ではない。", "駄菓子の、ココアシガレットだ。"}));
  Face(1, "mit007");
  GO(Say({"みちる「社長と約束したの。", "　この映画が終わるまでは、これって」"}));
  Face(1, "mit009");
  GO(Say({"みちる「……終わったら、どうしようかな」"}));
  NoFace(1);
  return 0;
}

ScriptResult IceLollies() {
  GO(Say({"差し入れのアイスを、袋いっぱいに買ってきた。", "作画室が、その日はじめてざわめいた。"}));
  GO(Say({"徳永「……生き返る……」"}));
  GO(Say({"三好「おう、新人、わかってるじゃねえか。", "　ソーダ味は俺な」"}));
  if (studio::Gaga()) {
    GO(Say({"三好さんの机には、嵐の中の巨人の原画が", "束になって積まれている。",
            "羽根の一枚まで、全部が動く。"}));
  } else {
    GO(Say({"三好さんの机には、霧の峠の原画が積まれている。",
            "しずりの髪が、一枚ごとに少しずつ揺れる。"}));
  }
  Effect("29");
  GO(Say(
      {"誰かのアイスが溶けて、原画の端に落ちた。", "作画室に、この夏いちばんの悲鳴が上がった。"}));
  return 0;
}

ScriptResult ThirdRetake() {
  GO(Say(
      {"庄司さんが、珍しくヘッドホンを外していた。", "机の原画には、監督の赤字で『リテイク』。"}));
  GO(Say({"庄司「……三回目です」"}));
  GO(Say({"庄司「でも、監督の言うとおりなんですよ。", "　直すと、ちゃんと良くなる」"}));
  GO(Say({"庄司「それが、一番悔しいんです」"}));
  GO(Say({"そう言って、庄司さんはまたヘッドホンをつけた。", "鉛筆の音が、さっきより少し強い。"}));
  return 0;
}

ScriptResult GetWellFlipBook() {
  GO(Say({"作画室の机から机へ、動画用紙が回っていた。"}));
  GO(Say({"秋葉「監督のお見舞い。みんなで一枚ずつ描いて、", "　パラパラ漫画にするの」"}));
  GO(Say({"めくってみると、監督の似顔絵が", "煙草をくわえたまま走り出し、",
          "最後の一枚で、看護師さんに捕まっていた。"}));
  GO(Say({"秋葉「ほら、進行さんも一枚」"}));
  Effect("10");
  GO(Say({"描いてみた。", "棒人間がカット袋を抱えて走る、一枚きりの絵。"}));
  GO(Say({"三好「……ひでえ絵だな」"}));
  GO(Say({"三好「でも、走ってるのはわかる。それでいい」"}));
  return 0;
}

ScriptResult TheLastRed() {
  Face(1, "mit008");
  GO(Say({"みちるさんの机に、チェック待ちの原画が", "山になっていた。"}));
  Voice("mi0102");
  GO(Say({"みちる「監督がいないとね、私の赤が、", "　最後の赤になっちゃうの」"}));
  Face(1, "mit005");
  Voice("mi0103");
  GO(Say({"みちる「それが、こわいのよ。", "　……こわいって言ったの、内緒ね」"}));
  GO(Say({"陽太「何か、できることありますか」"}));
  Face(1, "mit002");
  GO(Say({"みちる「あるある。その山、カット番号順に", "　並べてくれる？」"}));
  Face(1, "mit003");
  GO(Say({"みちる「それだけで、私の寿命が一日は延びるから」"}));
  NoFace(1);
  return 0;
}

ScriptResult LastDayLoneliness() {
  GO(Say(
      {"作画室では、リテイクの直しが続いている。", "描き直した原画が、一枚ずつ棚に戻っていく。"}));
  GO(Say({"三好「この仕事はな、新人。", "　終わる日が、一番寂しいんだ」"}));
  GO(Say({"三好「三十年やって、まだ慣れねえ」"}));
  GO(Say({"三好さんは、削りかけの鉛筆を指で回した。"}));
  return 0;
}

ScriptResult TokunagaAwake() {
  GO(Say({"珍しく、徳永さんが起きていた。"}));
  GO(Say({"徳永「進行さんは、秋からどうするんですか」"}));
  GO(Say({"陽太「……まだ、決めてないです」"}));
  GO(Say({"徳永「残ればいいのに。進行さんが来てから、", "　夜食がちゃんと届くんで」"}));
  GO(Say({"それが、この部屋なりの褒め言葉らしかった。"}));
  return 0;
}

ScriptResult ShortTalk() {
  if (Date() % 2 == 0) {
    GO(Say({"アニメーターたちに、冷えた麦茶を配って回った。",
            "誰も顔を上げずに、『ありがと』とだけ言った。"}));
  } else {
    Effect("55");
    GO(Say({"作画室の隅で、鉛筆を削る手伝いをした。", "削った数だけ、誰かの線になる。"}));
  }
  return 0;
}

ScriptResult Talk() {
  const int first = static_cast<int>(studio::Now()) * 2;
  switch (studio::FirstUnseen(kAnimatorsSeen, {kIntroduction, first, first + 1})) {
    case kIntroduction:
      return MeetTheAnimators();
    case 0:
      return Rolling();
    case 1:
      return TheLayout();
    case 2:
      return InBetweens();
    case 3:
      return RedPencil();
    case 4:
      return IceLollies();
    case 5:
      return ThirdRetake();
    case 6:
      return GetWellFlipBook();
    case 7:
      return TheLastRed();
    case 8:
      return LastDayLoneliness();
    case 9:
      return TokunagaAwake();
    default:
      return ShortTalk();
  }
}

}  // namespace

ScriptResult sIn() {
  Bg(ByTime("bg035"));
  GO(Talk());
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump("s2wA");
}

}  // namespace story
