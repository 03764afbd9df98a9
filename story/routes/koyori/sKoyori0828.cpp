// 28 August. In the morning the briefing hands the day to her: the plan for
// the last night, cels from the paint house to the camera as they dry. In
// the evening, when he names her on the roof, the night itself: the van
// outside the camera studio, and her head on his shoulder.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/koyori/koyori.h"
#include "story/routes/routes.h"

namespace story {

namespace {

ScriptResult ThePlan() {
  Flag(koyori::kMorning0828) = 1;
  Bg("bg034");
  Music("KOm01");
  GO(Say({"朝礼が終わると、こよりさんが", "ボードの前に、模造紙を一枚貼った。"}));
  Face(1, "kot001");
  Voice("ko0740");
  GO(Say({"こより「今夜の作戦。", "　ゆうべ、三時までかかって書いたの」"}));
  GO(Say({"模造紙には、定規で引いた線が", "びっしりと並んでいた。",
          "にじます、八ツ目撮影、にじます、八ツ目撮影。"}));
  GO(Say({"こより「セルは、塗ってから乾くまで九十分。", "　乾いた順に、白玉号で撮影所へ。",
          "　一往復、二十二分」"}));
  GO(Say({"こより「夜のあいだに、七往復。", "　最後のセルが撮影台に乗るのが、",
          "　朝の四時四十分の予定」"}));
  GO(Say({"陽太「四時四十分……」"}));
  Face(1, "kot002");
  Voice("ko0741");
  GO(Say({"こより「一番電車の、八分前。", "　……偶然だよ？　ほんとに、偶然」"}));
  Face(2, "kut009");
  Voice("ku0705");
  GO(Say({"熊井「……定規まで使いやがって。", "　こより、お前、寝たのか」"}));
  GO(Say({"こより「三時から、四時まで寝ました！」"}));
  GO(Say({"熊井「一時間は、寝たって言わねえ」"}));
  NoFace(2);
  Face(1, "kot001");
  if (koyori::ByName()) {
    GO(Say({"こより「昼のうちに、陽太くんは自分の回り。", "　夜は、わたしと撮影所。いい？」"}));
  } else {
    GO(Say({"こより「昼のうちに、新人くんは自分の回り。", "　夜は、撮影所に張りつきだよ」"}));
  }
  GO(Say({"こより「止まったら負け。", "　……でも、今夜だけは、",
          "　止まらなくても、勝てる気がする」"}));
  NoFace(1);
  core::GameState.timeSlot += 1;
  return 0;
}

ScriptResult TheLastNight() {
  Flag(koyori::kNight0828) = 1;
  Bg("bg059n");
  Music("bgm06");
  GO(Say({"夜の八ツ目撮影。", "撮影台の上から、白い光が真下に落ちている。"}));
  GO(Say({"鵜飼さんがセルを一枚ずつ背景に重ね、", "ガラスで押さえて、一コマ撮る。",
          "かしゃん。次の一枚。かしゃん。"}));
  Face(1, "kot001");
  Voice("ko0742");
  GO(Say({"こより「三往復目、予定より四分早い。", "　……次、行こ」"}));
  NoFace(1);
  Bg("bg040n");
  Music("bgm05");
  GO(Say({"にじますで乾いたセルを受け取り、", "白玉号で撮影所へ。", "また、にじますへ。"}));
  GO(Say({"夜の町には、もう信号の点滅しかない。", "地図を見なくても、体が道を知っていた。"}));
  GO(Say({"五往復目。六往復目。", "こよりさんの声が、だんだん少なくなっていく。"}));
  Face(1, "kot008");
  GO(Say({"こより「……七往復目は、撮影待ち。", "　最後のセルが乾くまで、ここで待機ね」"}));
  GO(Say({"撮影所の前に、白玉号を停めた。", "窓の向こうで、撮影台の光だけが白かった。"}));
  if (koyori::ByName()) {
    Voice("ko0743");
    GO(Say({"こより「陽太くん。この夏、楽しかった？」"}));
  } else {
    Voice("ko0744");
    GO(Say({"こより「新人くん。この夏、楽しかった？」"}));
  }
  GO(Choose({"１『……はい。いちばん』", "２『大変でした。でも、はい』"}));
  Face(1, "kot002");
  if (Picked() == 1) {
    GO(Say({"こより「いちばん、かあ。", "　……わたしも。二年で、いちばん」"}));
  } else {
    GO(Say({"こより「正直だなあ。", "　……大変じゃない夏なんて、進行にはないよ」"}));
  }
  Face(1, "kot009");
  GO(Say({"こより「ね。ゆうべ、作戦を書きながら", "　ついでに計算したの。",
          "　この夏、きみが走った距離」"}));
  Voice("ko0747");
  GO(Say({"こより「地図の道の長さと、ボードの回数を", "　掛けて、足して。……四百十二キロ」"}));
  GO(Say({"陽太「……それって、どのくらいですか」"}));
  Face(1, "kot003");
  GO(Say({"こより「白玉号の、ひと月ぶん！", "　……たぶん、ちょっと多い」"}));
  Face(1, "kot002");
  GO(Say({"こより「最初の日、駅まで一分四十八秒で", "　ぜいぜい言ってた人がだよ。",
          "　……ちゃんと、進行になったね」"}));
  Face(1, "kot001");
  GO(Say({"こより「あのね、四時四十分になったら、", "　起こして。わたし、ちょっとだけ、",
          "　目、つむるから」"}));
  GO(Say({"こより「五分だけ。……計ってて」"}));
  NoFace(1);
  Bg("KOI012");
  Unlock(1, 11);
  Music("KOm01");
  GO(Say({"一分も経たないうちに、", "こよりさんの頭が、こつんと肩に落ちてきた。"}));
  GO(Say({"栗色の髪から、セルの絵の具と、", "汗と、夏の夜の匂いがした。"}));
  GO(Say({"首のストップウォッチは、まだ動いていた。", "夏じゅう、一度も止まらなかった数字。"}));
  GO(Say({"五分が過ぎた。", "起こさなかった。"}));
  GO(Say({"十分が過ぎた。", "肩がしびれてきた。それでも、動かなかった。"}));
  GO(Say({"こよりさんは、寝言で何か言った。", "『……あと、一往復』と聞こえた。"}));
  Effect("05");
  GO(Say({"四時三十六分。", "撮影所の窓を、鵜飼さんが叩いた。"}));
  Bg("bg040n");
  GO(Say({"鵜飼「最後のセル、乾いたってよ。", "　にじますから電話。取りに行けるか」"}));
  Face(1, "kot006");
  Voice("ko0745");
  GO(Say({"こより「……っ、何分！？　何分寝てた！？」"}));
  GO(Say({"陽太「五分です」"}));
  Face(1, "kot009");
  GO(Say({"こより「うそ。肩、こんなに熱いのに」"}));
  Face(1, "kot007");
  Voice("ko0746");
  GO(Say({"こより「……ありがと。", "　五分って、言ってくれて」"}));
  Face(1, "kot003");
  GO(Say({"こより「さ、最後の一往復！　白玉号、出します！」"}));
  NoFace(1);
  Effect("22");
  GO(Say({"最後のセルを撮影台に乗せたとき、", "遠くで、一番電車の踏切が鳴っていた。"}));
  Affection(1) += 1;
  return 0;
}

}  // namespace

// From the briefing the slot is still the morning; from Kumai's roof it is
// the evening gone by, and the night belongs to her.
ScriptResult sKoyori0828() {
  if (TimeSlot() >= core::kEvening) {
    GO(TheLastNight());
    ClearStage();
    core::GameState.timeSlot = core::kDayOver;
    return Jump("s2wA");
  }
  if (Flag(koyori::kMorning0828) == 0) GO(ThePlan());
  return Jump("s2wA");
}

}  // namespace story
