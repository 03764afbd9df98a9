// Kumai's check of every cut bag against the cut list. Each check teaches one
// more thing a bag can go wrong with, until he only watches.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/routes/support/support.h"
#include "story/studio/studio.h"

namespace story {

namespace {

ScriptResult FirstCheck() {
  Face(1, "kut001");
  Voice("ku0106");
  GO(Say({"熊井「来たか。今日は、カット袋を全部あらためる」"}));
  NoFace(1);
  if (studio::Gaga()) {
    GO(Say({"入口の棚に、茶色い大きな封筒がずらりと並ぶ。",
            "表には、赤いマジックで『ガガ』の二文字。"}));
  } else {
    GO(Say({"入口の棚に、茶色い大きな封筒がずらりと並ぶ。",
            "表には、赤いマジックで『ロウ』の二文字。"}));
  }
  GO(Say({"一袋が、一カット。", "全部で三百と少し。"}));
  Face(1, "kut009");
  GO(Say({"熊井「表を見ろ。カット番号、秒数、原画と動画の", "　担当、それぞれの上がり日」"}));
  GO(Say({"熊井「中身がこの表と一枚でも違ったら、事故だ」"}));
  Voice("ku0107");
  GO(Say({"熊井「カット袋は、命より重い。", "　……前にも言ったな」"}));
  GO(Say({"陽太「はい。物理の話じゃない、って」"}));
  Face(1, "kut002");
  GO(Say({"熊井「そうだ」"}));
  NoFace(1);
  Effect("08");
  GO(Say({"一袋ずつ開けて、中身を確かめる。", "レイアウト、原画、タイムシート。"}));
  GO(Say({"三十七番の袋に、タイムシートがなかった。"}));
  Face(1, "kut004");
  GO(Say({"熊井「……探せ。たぶん、コピー機だ」"}));
  NoFace(1);
  GO(Say({"コピー機のふたを開けると、", "タイムシートが一枚、ガラスの上で寝ていた。"}));
  Face(1, "kut009");
  Voice("ku0108");
  GO(Say({"熊井「な。事故ってのは、たいてい", "　事務所の中で起きるんだ」"}));
  NoFace(1);
  return 0;
}

ScriptResult SwappedBag() {
  GO(Say({"今日もカット袋の点検だ。", "二度目となると、手が少し速くなる。"}));
  GO(Say({"……ところが、一袋だけ、", "見覚えのない絵が入っていた。"}));
  GO(Say({"袋の表はうちのものなのに、中身は", "どこかのスタジオの、魔法少女の原画だ。"}));
  Face(1, "kut004");
  Voice("ku0109");
  GO(Say({"熊井「……協会便だな。よそと袋が入れ替わってる」"}));
  GO(Say({"熊井「ってことは、うちの袋も一つ、", "　向こうに行ってるってことだ」"}));
  NoFace(1);
  Effect("60");
  GO(Say({"熊井さんはすぐに電話をかけ、", "三分で話をつけた。"}));
  Face(1, "kut002");
  GO(Say({"熊井「明日の便で戻ってくる。", "　向こうの進行も、半泣きだったぞ」"}));
  Face(1, "kut001");
  Voice("ku0110");
  GO(Say({"熊井「泣く前に、まず電話だ。覚えとけ」"}));
  NoFace(1);
  return 0;
}

ScriptResult CountingInBetweens() {
  GO(Say({"動画が上がり始めて、", "カット袋が目に見えてふくらんできた。"}));
  Face(1, "kut001");
  GO(Say({"熊井「動画の枚数を数えろ。表と合ってるか」"}));
  NoFace(1);
  GO(Say({"一枚ずつ、指で数える。", "四十七、四十八、四十九……"}));
  GO(Say({"五十枚のはずが、四十九枚しかない。"}));
  Face(1, "kut009");
  GO(Say({"熊井「数え直せ」"}));
  NoFace(1);
  GO(Say({"数え直した。やっぱり、四十九枚。"}));
  Effect("08");
  GO(Say({"熊井さんは黙って袋を逆さにして、振った。",
          "内側に張りついていた一枚が、ひらりと落ちた。"}));
  Face(1, "kut001");
  Voice("ku0111");
  GO(Say({"熊井「紙は、袋の内側に張りつくんだ。", "　最後は、必ず逆さにして振れ」"}));
  Face(1, "kut008");
  GO(Say({"そう言ってから、熊井さんは腰をさすった。"}));
  GO(Say({"熊井「進行を十年やるとな、腰にくる。", "　袋は重いし、運転は長い」"}));
  Face(1, "kut002");
  GO(Say({"熊井「……お前も、腰だけは大事にしろよ」"}));
  NoFace(1);
  return 0;
}

ScriptResult TheOldBag() {
  GO(Say({"今日の点検には、色指定表が加わった。"}));
  Face(1, "kut001");
  GO(Say({"熊井「色指定は、仕上げの命綱だ。これが", "　入ってないと、仕上げ室は一色も塗れない」"}));
  NoFace(1);
  GO(Say({"点検の途中で、熊井さんが棚のいちばん上から、", "古い袋を一つ下ろした。"}));
  GO(Say({"角がすり切れて、茶色が黒ずんでいる。"}));
  Face(1, "kut009");
  Voice("ku0112");
  GO(Say({"熊井「俺が最初に運んだカット袋だ。", "　『ほしまち郵便局』の、最終回」"}));
  GO(Say({"熊井「中身は空だ。絵はみんな撮影に回って、", "　フィルムになった」"}));
  Face(1, "kut005");
  Voice("ku0113");
  GO(Say({"熊井「でも、袋は残る。", "　……なんでか、捨てられねえんだよな」"}));
  NoFace(1);
  GO(Say({"熊井さんは、袋をそっと棚に戻した。"}));
  return 0;
}

ScriptResult KumaiWatches() {
  GO(Say({"今日から撮影が始まる。", "袋の中身が、撮影所へ出ていく。"}));
  Face(1, "kut001");
  GO(Say(
      {"熊井「撮影に出す袋は、動画じゃなくてセルだ。", "　セル、背景、タイムシート、撮影指示」"}));
  GO(Say({"熊井「全部揃って、はじめて一カットになる」"}));
  Voice("ku0114");
  GO(Say({"熊井「今日は、お前がやれ。俺は見てるだけだ」"}));
  NoFace(1);
  GO(Say({"熊井さんは腕を組んで、", "少し離れた椅子に腰を下ろした。"}));
  Effect("08");
  GO(Say({"一袋ずつ、開けて、数えて、確かめて、閉じる。", "最後は逆さにして、振る。"}));
  GO(Say({"最後の袋を閉じたとき、熊井さんが立ち上がった。"}));
  Face(1, "kut002");
  Voice("ku0115");
  GO(Say({"熊井「……ひとつも、言うことがねえ」"}));
  Face(1, "kut003");
  GO(Say({"熊井「メシ行くぞ。おごってやる」"}));
  NoFace(1);
  GO(Say({"駅前のそば屋で、熊井さんは", "かき揚げを二枚のせてくれた。"}));
  return 0;
}

ScriptResult RoutineCheck() {
  if (Date() % 2 == 0) {
    GO(Say({"熊井さんと、カット袋の中身を一つずつ確かめた。", "手が、もう勝手に動く。"}));
  } else {
    GO(Say({"棚のカット袋を、全部あらためた。", "熊井さんは途中から、何も言わなくなった。"}));
  }
  return 0;
}

}  // namespace

ScriptResult sKumai() {
  const char* after = support::AfterTheCutBagCheck();
  Bg(ByTime("bg031"));
  switch (VisitsTo(Work::CutBagCheck)) {
    case 0:
      GO(FirstCheck());
      break;
    case 1:
      GO(SwappedBag());
      break;
    case 2:
      GO(CountingInBetweens());
      break;
    case 3:
      GO(TheOldBag());
      break;
    case 4:
      GO(KumaiWatches());
      break;
    default:
      GO(RoutineCheck());
  }
  if (after == nullptr) return Visited(Work::CutBagCheck);
  return support::VisitedThen(Work::CutBagCheck, after);
}

}  // namespace story
