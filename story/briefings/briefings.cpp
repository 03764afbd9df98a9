// The morning briefing: the day's work and where it is, the film's progress
// and the calendar's small events, told in the office before the day begins.
#include <algorithm>
#include <cstdint>

#include "core/game_state.h"
#include "story/briefings/briefings.h"
#include "story/chapters.h"
#include "story/day/work.h"

namespace story {

namespace briefing {

namespace {

// Places still waiting from the days before: today's own work does not count.
int LeftOver(std::uint32_t date) {
  const std::span<const Work> today = ScheduleOf(date);
  int count = 0;
  for (const WorkPlace& place : WorkPlaces()) {
    if (Flag(place.flag) != 1) continue;
    if (std::find(today.begin(), today.end(), place.work) != today.end()) continue;
    ++count;
  }
  return count;
}

ScriptResult KumaiOnTheBacklog(int band, int variant) {
  if (band == 0) {
    switch (variant) {
      case 0:
        Face(1, "kut002");
        GO(Say({"熊井「昨日の分は、全部上がってる。……よし」"}));
        return Say({"熊井さんはホワイトボードの隅に、", "赤い丸をひとつ書き足した。"});
      case 1:
        Face(1, "kut002");
        return Say({"熊井「ボードに積み残しがねえ。", "　気味が悪いくらいだ。この調子で頼む」"});
      default:
        Face(1, "kut003");
        return Say({"熊井「残りはゼロ。いい顔になってきたな、新人」"});
    }
  }
  if (band == 1) {
    switch (variant) {
      case 0:
        Face(1, "kut001");
        return Say({"熊井「昨日の積み残しが、まだボードにある。",
                    "　今日の分と一緒に回れ。順番は自分で考えろ」"});
      case 1:
        Face(1, "kut009");
        return Say({"熊井「待ってる人がいるぞ。昨日の残り、",
                    "　忘れてねえな。地図を見りゃ、まだ載ってる」"});
      default:
        Face(1, "kut001");
        return Say(
            {"熊井「残りが少しある。今日のうちに片づけろ。", "　明日に回すと、明日の分が死ぬ」"});
    }
  }
  switch (variant) {
    case 0:
      Face(1, "kut004");
      GO(Say({"熊井「……ボードを見ろ。赤い札が何枚ある」"}));
      GO(Say({"積み残しの札が、ホワイトボードの端に", "ずらりと並んでいた。"}));
      return Say({"熊井「袋が止まれば、絵も止まる。", "　今日は走れ。昼飯は車の中で食え」"});
    case 1:
      Face(1, "kut004");
      return Say({"熊井「積み残しが溜まってる。描く人を待たせるな。",
                  "　向こうは、こっちの都合で手を止めてるんだ」"});
    default:
      Face(1, "kut008");
      return Say({"熊井「遅れてるぞ、新人。怒ってるんじゃねえ、",
                  "　数えてるんだ。……数えたくねえ数になってきた」"});
  }
}

ScriptResult KoyoriOnTheBacklog(int band) {
  if (band == 0) {
    Face(1, "kot003");
    return Say({"こより「昨日の残り、ゼロ！　えらい！　表彰もの！」"});
  }
  if (band == 1) {
    Face(1, "kot002");
    return Say(
        {"こより「昨日の残り、ちょっとあるよ。", "　ついでに回れる順番、地図に書いといたから」"});
  }
  Face(1, "kot005");
  return Say({"こより「……残り、けっこうあるね。", "　大丈夫。今日は走ろう。わたしも走るから」"});
}

}  // namespace

ScriptResult Backlog(std::uint32_t date, bool koyoriSpeaks) {
  const int left = LeftOver(date);
  const int band = left == 0 ? 0 : left <= 2 ? 1 : 2;
  // Praise every morning would wear thin: a clean board is remarked on every
  // other day, anything left over always.
  if (band == 0 && date % 2 == 1) return 0;
  NoFace(2);
  if (koyoriSpeaks) return KoyoriOnTheBacklog(band);
  return KumaiOnTheBacklog(band, static_cast<int>(date % 3));
}

}  // namespace briefing

ScriptResult Briefing(std::uint32_t date) {
  Music("bgm02");
  Bg("bg034");
  if (date <= 731) return briefing::Week2(date);
  if (date <= 807) return briefing::Week3(date);
  if (date <= 814) return briefing::Week4(date);
  if (date <= 821) return briefing::Week5(date);
  return briefing::Week6(date);
}

// 29 August at the camera studio: twenty retakes in a morning, Koyori and
// the rookie, the stopwatch running.
ScriptResult RetakesWithKoyori() {
  Bg("bg059");
  Music("bgm06");
  GO(Say({"八ツ目撮影の撮影台の脇に、", "リテイクのカット袋が二十、並んでいた。"}));
  Face(1, "kot006");
  Voice("ko0414");
  GO(Say({"こより「ほんとにこっちでいいの？　ダビング、",
          "　見たかったでしょ。一生に何回もないよ、あれ」"}));
  GO(Say({"陽太「こっちのほうが、見たいです」"}));
  Face(1, "kot007");
  GO(Say({"こより「……ばか。", "　じゃ、計るよ。二十カット、よーい」"}));
  Effect("32");
  NoFace(1);
  GO(Say({"カチ、とストップウォッチが鳴った。"}));
  GO(Say({"リテイクは、地味な仕事だった。", "セルの傷を探し、塗り直しを待ち、",
          "背景とセルの位置を、一ミリずつ合わせ直す。"}));
  GO(Say({"こよりさんが白玉号で彩色工房へ飛び、", "塗り直しのセルを抱えて戻ってくる。",
          "そのあいだに、次の袋を開けて並べておく。"}));
  GO(Say({"セルは端を持つ。指紋は一つもつけない。", "この夏、何度も言われたことを、",
          "手が勝手にやっていた。"}));
  GO(Say({"鵜飼「十二番、撮り直し上がり。……次」"}));
  if (GiantFilm()) {
    GO(Say({"嵐の中で巨人が振り向くカット。", "雨のセルが一枚、裏返しに重ねてあった。",
            "朝から誰も気づかなかった一枚だった。"}));
  } else {
    GO(Say({"霧の中で、しずりが刀を抜くカット。", "刀の色番号が、一枚だけ昼の色になっていた。",
            "朝から誰も気づかなかった一枚だった。"}));
  }
  Face(1, "kot006");
  GO(Say({"こより「……よく見つけたね。", "　それ、撮ってたら初号まで残ってたよ」"}));
  NoFace(1);
  GO(Say({"昼のサイレンが、遠くで鳴った。", "二十番目の袋に、鵜飼さんが判子を押した。"}));
  Effect("32");
  Face(1, "kot008");
  GO(Say({"こより「二十カット、三時間十四分。", "　……ひとりだったら、夕方までかかってた」"}));
  Face(1, "kot002");
  Voice("ko0415");
  GO(Say({"こより「ありがとね。", "　新人くん、もう新人って顔じゃないね」"}));
  GO(Say({"こより「さ、午後は自分の回りに戻って。", "　今日が最後の日曜だよ。止まったら負け！」"}));
  return 0;
}

}  // namespace story
