// The sisters' phone before August, answered by Reina: the first call ends on
// her asking him over (the flat opens on the map), or on his excuse.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/reina/reina.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace reina;

ScriptResult Dial() {
  Bg(ByTime("bg034"));
  GO(Say({"段ボールの切れ端を、財布から出した。", "細い、右に少し傾いた数字。"}));
  Effect("60");
  WaitSound(0);
  Effect("01");
  GO(Say({"呼び出し音が、二回。"}));
  Effect("02");
  return 0;
}

// Whether he said yes.
ScriptResult FirstCall(bool* yes) {
  Face(1, "ret001");
  Voice("re0100");
  GO(Say({"女の人「はい、氷見です」"}));
  GO(Say({"低くて、まっすぐな声。", "電話の向こうなのに、すぐそばで言われたみたいだった。"}));
  GO(Say({"陽太「あの、夕凪動画の早瀬です。", "　日曜日に、駅で箱を……」"}));
  GO(Say({"玲那「存じております。七往復の方」"}));
  GO(Say({"……数えていたらしい。"}));
  GO(Say({"陽太「その後、片づけは、どうですか」"}));
  GO(Say({"玲那「順調です。箱の数が、十九から十七に減りました」"}));
  GO(Say({"陽太「……三日で、二箱」"}));
  GO(Say({"玲那「一箱は、開けてみたら", "　中身が、妹の参考書でしたので、閉じました」"}));
  GO(Say({"玲那「もう一箱は、わたしの冬物でした。", "　夏のあいだに開ける理由が、ありません」"}));
  GO(Say({"陽太「それ、減ったって言うんですか」"}));
  GO(Say({"玲那「気持ちの上では」"}));
  Face(1, "ret009");
  Voice("re0101");
  GO(Say({"玲那「本棚が、組み立てられないのです。", "　説明書の絵の人が、三本の腕で",
          "　板を支えているので」"}));
  GO(Say({"受話器の向こうで、小さな声がした。", "――お姉ちゃん、ねじ、二本あまってる……"}));
  GO(Say({"玲那「……妹が、何か申しております」"}));
  Face(1, "ret001");
  GO(Say({"玲那「……早瀬さん。図々しいお願いを", "　ひとつ、してもよろしいですか」"}));
  Voice("re0102");
  GO(Say({"玲那「お手すきの晩に、腕を二本、", "　貸していただけませんか。",
          "　お礼に、妹が夕食を作ります」"}));
  GO(Say({"玲那「わたしではなく、妹が。", "　……わたしが作ると、お礼ではなくなりますので」"}));
  GO(Choose({"１『行きます。腕なら、二本あります』", "２『今週は、ちょっと忙しくて……』"}));
  *yes = Picked() == 1;
  return 0;
}

ScriptResult Again(bool* yes) {
  Face(1, "ret001");
  Voice("re0103");
  GO(Say({"玲那「はい、氷見です。……ああ。早瀬さん」"}));
  GO(Say({"玲那「お忙しいのでは、なかったのですか」"}));
  GO(Say({"声の温度が、この前より二度ほど低い。"}));
  GO(Say({"陽太「あの、この前は、すみませんでした。", "　ちょっと、バタバタしてて」"}));
  GO(Say({"玲那「存じております。", "　夜中に、商店街を走る白い車が見えますので」"}));
  GO(Say({"陽太「あの、本棚は……」"}));
  Face(1, "ret009");
  GO(Say({"玲那「まだ、板のままです。", "　壁に立てかけて、本棚のつもりで暮らしています」"}));
  GO(Choose({"１『今度こそ、手伝いに行きます』", "２『……がんばってください』"}));
  *yes = Picked() == 1;
  return 0;
}

ScriptResult Yes() {
  Flag(flag::kPairOpen) = 1;
  Face(1, "ret001");
  GO(Say({"玲那「助かります。駅の裏の、五階です。", "　エレベーターは、まだ点検中です」"}));
  GO(Say({"陽太「……まだ」"}));
  Face(1, "ret002");
  Voice("re0104");
  GO(Say({"玲那「ええ。ですから、二本の腕と、", "　二本の脚を、お願いします」"}));
  GO(Say({"電話が切れた。", "最後の一言だけ、少し笑っていたような気がした。"}));
  NoFace(1);
  GO(Say({"地図の、駅の裏のあたりに、", "鉛筆で小さく丸をつけた。"}));
  return 0;
}

ScriptResult No() {
  Flag(kDeclined) = 1;
  Face(1, "ret001");
  GO(Say({"玲那「そうですか。無理を申しました」"}));
  GO(Say({"玲那「お仕事、がんばってください。", "　……では」"}));
  NoFace(1);
  GO(Say({"かちゃり、と受話器が置かれた。", "礼儀正しくて、どこにも触れようのない声だった。"}));
  return 0;
}

// The flat is already on his map: nothing to ask for.
ScriptResult Short() {
  Face(1, "ret001");
  GO(Say({"玲那「はい、氷見です。……早瀬さん。", "　いらっしゃるなら、電話は要りません」"}));
  GO(Say({"玲那「五階まで上がって、扉を叩いてください。", "　それで、だいたい通じます」"}));
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sReinaTel() {
  GO(Dial());
  if (Flag(flag::kPairOpen) == 1) {
    GO(Short());
    // Nothing was arranged: the slot is not spent.
    return Jump("s2wA");
  }
  const bool again = Flag(kCalled) == 1 && Flag(kDeclined) == 1;
  Flag(kCalled) = 1;
  bool yes = false;
  if (again) {
    GO(Again(&yes));
  } else {
    GO(FirstCall(&yes));
  }
  if (yes) {
    GO(Yes());
  } else {
    GO(No());
  }
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
