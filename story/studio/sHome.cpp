// Yōta's room at 銀杏荘 (map place 20): rest, the box of old magazines, and
// now and then the landlady calling him down to her telephone.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// Byte 34: the room's scenes played, one bit each.
constexpr std::size_t kHomeSeen = 34;
enum HomeScene {
  kTheRoom,
  kCalledIn,
  kTheMagazine,
  kCountingCuts,
  kCollapsed,
  kNewsOfTheDirector,
  kPostcard,
  kLaundry,
};

ScriptResult TheRoom() {
  Effect("16");
  GO(Say({"銀杏荘、二号室。四畳半。", "窓の外に、大きな銀杏の木が一本。"}));
  GO(Say({"敷きっぱなしの布団と、扇風機と、", "段ボール箱がひとつ。"}));
  GO(Say({"箱の中身は、古いアニメ雑誌だ。", "売りに来たはずが、結局、売りそびれている。"}));
  Effect("09");
  GO(Say({"一冊抜き出してめくると、見覚えのある絵があった。",
          "『ほしまち郵便局』の特集。制作、夕凪動画。"}));
  GO(Say({"子どものころ、夕方の再放送で観ていた。", "自分は今、この絵を作った場所で働いている。"}));
  GO(Say({"スタッフの集合写真の隅に、", "若いころの熊井さんが写っている気がして、",
          "しばらく目を凝らした。"}));
  return 0;
}

ScriptResult CalledIn() {
  Effect("16");
  GO(Say({"昼間の四畳半は、蒸し風呂だ。", "扇風機を『強』にして、畳に転がった。"}));
  GO(Say({"少しだけのつもりが、", "目を閉じた瞬間に、意識が飛んだ。"}));
  GO(Say({"大家「早瀬さーん！　お電話ー！", "　会社の、声の大きい人ー！」"}));
  GO(Say({"階段を駆け下りて、", "大家さんの家の玄関にある電話を取った。"}));
  Voice("ku0125");
  GO(Say({"熊井「寝てたろ」"}));
  GO(Say({"陽太「……寝てません」"}));
  Voice("ku0126");
  GO(Say({"熊井「声が寝てる。三十分後に事務所な」"}));
  GO(Say({"受話器を置くと、大家さんが麦茶を一杯くれた。"}));
  GO(Say({"大家「声の大きい人ね、前はあの部屋に", "　住んでたのよ。あなたくらいの歳のころ」"}));
  GO(Say({"聞き返す前に、大家さんは奥へ引っ込んでしまった。"}));
  return 0;
}

ScriptResult TheMagazine() {
  GO(Say({"窓を開けると、ヒグラシが鳴いていた。", "銀杏の葉が、夕日に透けて金色になっている。"}));
  Effect("09");
  GO(Say({"段ボール箱から、雑誌を一冊抜き出した。", "昔のアニメ監督の、インタビュー記事。"}));
  GO(Say({"『いい映画は、いい進行がいなければ、", "できあがらない』"}));
  GO(Say({"前に読んだときは、読み飛ばしていた一行だった。", "今日は、そこから目が離れなかった。"}));
  return 0;
}

ScriptResult CountingCuts() {
  GO(Say({"布団に入っても、眠れない。", "目を閉じると、ホワイトボードのカット表が浮かぶ。"}));
  GO(Say({"三十七番、タイムシート。五十二番、背景待ち。", "百二番、リテイク……"}));
  GO(Say({"気づけば、羊のかわりにカット番号を数えていた。"}));
  GO(Say({"……これはたぶん、職業病というやつだ。"}));
  return 0;
}

ScriptResult Collapsed() {
  GO(Say({"部屋に戻るなり、布団に倒れ込んだ。", "靴下を脱ぐ力も、残っていない。"}));
  GO(Say({"夢の中で、カット袋が列をなして歩いていた。",
          "一つだけ列からはぐれて、川のほうへ歩いていく。"}));
  GO(Say({"追いかけようとしたところで、目が覚めた。", "手が、布団の端を握りしめていた。"}));
  return 0;
}

ScriptResult NewsOfTheDirector() {
  GO(Say({"部屋で、天井の染みを見上げていた。", "監督室の灰皿を思い出す。山になった吸い殻。",
          "長い咳。"}));
  GO(Say({"……気づいていたのに、何も言えなかった。"}));
  GO(Say({"大家「早瀬さーん！　お電話ー！", "　今度は、女の子からー！」"}));
  Voice("ko0109");
  GO(Say({"こより「新人くん？　監督ね、今日は", "　おかゆ、全部食べたって！」"}));
  GO(Say({"こより「看護師さんに隠れてコンテ描いてて、", "　見つかって怒られたって」"}));
  Voice("ko0110");
  GO(Say({"こより「……だから、大丈夫。たぶん。", "　それだけ！　じゃあね！」"}));
  GO(Say({"受話器を置くと、大家さんがにやにやしていた。", "説明する気力は、なかった。"}));
  return 0;
}

ScriptResult Postcard() {
  GO(Say({"実家に、はがきを書くことにした。"}));
  GO(Say({"『元気です。アニメの会社で働いています』", "そこまで書いて、ペンが止まった。"}));
  GO(Say({"大学のことも、これからのことも、", "まだ何も書けない。"}));
  GO(Say({"かわりに、一行だけ書き足した。", "『いま、映画を作っています。秋に観てください』"}));
  return 0;
}

ScriptResult Laundry() {
  GO(Say({"コインランドリーで、たまった洗濯物を回した。",
          "乾燥機の丸い窓の中で、シャツが回っている。"}));
  GO(Say({"いつの間にか、服の半分が", "絵の具と鉛筆の粉で汚れていた。"}));
  GO(Say({"乾くまでの四十分、ベンチで目を閉じた。", "……起きたら、一時間半たっていた。"}));
  return 0;
}

ScriptResult ShortRest() {
  if (TimeSlot() == core::kNight) {
    GO(Say({"布団に倒れ込んだ。", "扇風機の首振りの音が、子守歌みたいだ。"}));
  } else if (TimeSlot() == core::kEvening) {
    GO(Say({"窓から夕焼けを眺めて、少しぼんやりした。", "遠くで、電車の踏切が鳴っている。"}));
  } else {
    GO(Say({"扇風機の前で、少しだけ横になった。", "蝉の声が、だんだん遠くなる。"}));
  }
  return 0;
}

// This stretch of the summer's own scene first, then one for the time of day.
int PickScene() {
  int period = -1;
  switch (studio::Now()) {
    case Period::Crunch:
      period = kCollapsed;
      break;
    case Period::Hospital:
      if (Date() > 816) period = kNewsOfTheDirector;
      break;
    case Period::LastWeek:
      period = kPostcard;
      break;
    default:
      break;
  }
  const int first = kTheRoom;
  switch (TimeSlot()) {
    case core::kNight:
      return studio::FirstUnseen(kHomeSeen, {first, period, kCountingCuts});
    case core::kEvening:
      return studio::FirstUnseen(kHomeSeen, {first, period, kTheMagazine});
    default:
      return studio::FirstUnseen(kHomeSeen, {first, period, kCalledIn, kLaundry});
  }
}

ScriptResult Rest() {
  switch (PickScene()) {
    case kTheRoom:
      return TheRoom();
    case kCalledIn:
      return CalledIn();
    case kTheMagazine:
      return TheMagazine();
    case kCountingCuts:
      return CountingCuts();
    case kCollapsed:
      return Collapsed();
    case kNewsOfTheDirector:
      return NewsOfTheDirector();
    case kPostcard:
      return Postcard();
    case kLaundry:
      return Laundry();
    default:
      return ShortRest();
  }
}

}  // namespace

ScriptResult sHome() {
  Music(DayOrNight("bgm09", "bgm10"));
  Bg(ByTime("bg001"));
  GO(Rest());
  core::GameState.timeSlot += 1;
  StopMusic();
  return Jump("s2wA");
}

}  // namespace story
