// 28 August, evening, on the roof: Kumai asks who Yōta has been running for all
// summer. Naming someone leads to her scene of the day where that scene is
// written; every other answer goes back to work.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"

namespace story {

namespace {

struct Someone {
  int route;
  const char* scenario;
  const char* answer;  // the choice line
  const char* said;    // the answer when she is the only one to name
};

// In the order the story names them, which is also their choice numbers.
constexpr Someone kSomeone[] = {
    {1, "sKoyori0828", "１『こよりさん、です』", "陽太「……こよりさん、です」"},
    {3, "sYuzuka0828", "２『ゆずかちゃん、です』", "陽太「……ゆずかちゃん、です」"},
    {7, "sKasumi0828", "３『かすみさん、です』", "陽太「……かすみさん、です」"},
    {4, "sReina0828", "４『玲那さん、です』", "陽太「……玲那さん、です」"},
};
constexpr int kSomeoneCount = 4;

// Koyori is always there to be named; the others once he has come to know them.
bool CanBeNamed(const Someone& someone) {
  return Written(someone.scenario) && (someone.route == 1 || Affection(someone.route) > 0);
}

// Which of kSomeone are offered. The window shows three answers: with all four
// to name, the one he knows least is left out.
int Offered(bool offered[kSomeoneCount]) {
  int count = 0;
  for (int i = 0; i < kSomeoneCount; ++i) {
    offered[i] = CanBeNamed(kSomeone[i]);
    if (offered[i]) ++count;
  }
  if (count == kSomeoneCount) {
    int least = 0;
    for (int i = 1; i < kSomeoneCount; ++i) {
      if (Affection(kSomeone[i].route) <= Affection(kSomeone[least].route)) least = i;
    }
    offered[least] = false;
    --count;
  }
  return count;
}

ScriptResult BackToWork() {
  Face(1, "kut003");
  Voice("ku0123");
  GO(Say({"熊井「よし。なら、戻るぞ。", "　あと二日だ」"}));
  NoFace(1);
  GO(Say({"熊井さんは缶を握りつぶして、立ち上がった。",
          "屋上のドアの向こうで、コピー機の音がしていた。"}));
  return 0;
}

}  // namespace

ScriptResult sKumai0828() {
  Flag(flag::kKumai0828Seen) = 1;
  Music("bgm10");
  Bg("bg039y");
  GO(Say({"夕方、熊井さんに屋上へ呼ばれた。", "西の空が、町ごと燃えているみたいな色だ。"}));
  Face(1, "kut001");
  Effect("37");
  GO(Say({"熊井「ほれ」"}));
  GO(Say({"放られた缶コーヒーは、ぬるかった。"}));
  Voice("ku0119");
  GO(Say({"熊井「あさってで、終わりだな」"}));
  Face(1, "kut009");
  GO(Say({"熊井「俺の最初の夏はな、ひどかった。", "　カット袋を三つ、電車に置き忘れた」"}));
  GO(Say(
      {"熊井「周平さんに、三時間怒鳴られた。", "　そのあと、そば屋でかき揚げをおごってくれた」"}));
  Face(1, "kut002");
  GO(Say({"熊井「……お前は、ひとつも失くさなかったな」"}));
  Face(1, "kut001");
  Voice("ku0120");
  GO(Say({"熊井「なあ、新人。この夏、お前は", "　誰のために走ってた？」"}));

  core::GameState.timeSlot += 1;
  bool offered[kSomeoneCount] = {};
  const int count = Offered(offered);
  GO(Choose({"１『……映画のため、です』", "２『自分のため、かもしれません』",
             count > 0 ? "３『……顔が浮かぶ人が、います』" : nullptr}));
  if (Picked() == 1) {
    Face(1, "kut002");
    Voice("ku0121");
    GO(Say({"熊井「模範解答だな。……嫌いじゃねえ」"}));
    GO(BackToWork());
    return Jump("s2wA");
  }
  if (Picked() == 2) {
    Face(1, "kut009");
    Voice("ku0122");
    GO(Say({"熊井「それでいい。自分のために走れるやつは、", "　最後まで走れる」"}));
    GO(BackToWork());
    return Jump("s2wA");
  }

  Face(1, "kut002");
  GO(Say({"熊井「ほう。……誰だ」"}));
  int chosen = 0;
  while (!offered[chosen]) ++chosen;
  if (count > 1) {
    GO(Choose({offered[0] ? kSomeone[0].answer : nullptr, offered[1] ? kSomeone[1].answer : nullptr,
               offered[2] ? kSomeone[2].answer : nullptr,
               offered[3] ? kSomeone[3].answer : nullptr}));
    chosen = Picked() - 1;
  } else {
    GO(Say({"答えるまで、少し時間がかかった。"}));
    GO(Say({kSomeone[chosen].said}));
  }
  Face(1, "kut003");
  Voice("ku0124");
  GO(Say({"熊井「なら、ここで缶コーヒー飲んでる場合じゃ", "　ねえだろ。行け」"}));
  NoFace(1);
  GO(Say({"熊井さんに背中を押されて、", "屋上の階段を駆け下りた。"}));
  return Jump(kSomeone[chosen].scenario);
}

}  // namespace story
