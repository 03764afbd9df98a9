// The sisters' flat (map place 14, until 22 August) and their phone. The flat
// belongs to both sisters: by day and on most evenings it is Reina's, on the
// nights Nanoka waits up it is hers, and in between the pair's evenings take
// their turn with Reina's so that neither story starves the other.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace himi;

bool ReinaFirstVisitSeen() {
  return (Flag(kReinaFlatScenes) & 1U) != 0;
}

// The pair takes its turn after each of Reina's steps, and freely once her
// evenings have little left to tell before the 23rd.
bool PairsTurn() {
  const int reina = Flag(flag::kReinaProgress);
  return reina > MainScenes() || reina >= 5;
}

// A second visit on a day the sisters were already seen: a doorstep, no more.
ScriptResult AgainToday() {
  Flat();
  if (Seen(kResolved)) {
    Face(1, "nat002");
    GO(Say({"ドアの向こうから、二人ぶんの声がした。", "言い合っているような、笑っているような。"}));
    GO(Say({"菜乃花「あ……早瀬さん。", "　いま、お姉ちゃんと、パラパラの、話……」"}));
    GO(Say({"菜乃花「……また、あした。", "　あしたは、ちゃんと、お茶、出します」"}));
    NoFace(1);
    return 0;
  }
  Face(1, "nat007");
  GO(Say({"菜乃花ちゃんが、ドアを細く開けた。", "チェーンが、まだかかっている。"}));
  GO(Say({"菜乃花「あ……また、来た。", "　……お姉ちゃん、もう、台本の時間で」"}));
  GO(Say({"菜乃花「わたしも、その、勉強……", "　……する、ふり、なので」"}));
  GO(Say({"ドアの隙間から、ぱらぱらと紙をめくる音がした。", "勉強の音では、たぶんない。"}));
  NoFace(1);
  return 0;
}

// 14 August, the evening before the quarrel: the drawings are found.
ScriptResult Eve0814() {
  Music("bgm05");
  Flat();
  Effect("43");
  GO(Say({"呼び鈴を押しても、しばらく返事がなかった。",
          "ドアの向こうで、誰かが早足に歩き回っている。"}));
  Face(1, "ret004");
  GO(Say({"ドアを開けたのは玲那さんだった。", "顔色が、いつもより白い。"}));
  Voice("re0400");
  GO(Say({"玲那「……早瀬さん。ちょうどいいところに。", "　いえ。よくないところに、です」"}));
  GO(Say({"居間の低いテーブルに、紙が散らばっていた。", "予備校のテキストではない。"}));
  GO(Say({"動画用紙。タップ穴の三つ開いた、", "うちのスタジオと同じ紙だ。"}));
  if (Seen2(kPaper)) {
    GO(Say({"角の折れた、刷り損じ。", "……僕が渡した、あの百枚だった。"}));
  } else {
    GO(Say({"どこで手に入れたのだろう。", "作画室の机の上で、毎日見ている紙だ。"}));
  }
  GO(Say({"一枚一枚に、鉛筆の線が少しずつずれて", "重なっている。……中割りの練習だ。"}));
  Face(2, "nat005");
  GO(Say(
      {"菜乃花ちゃんは、部屋の隅で膝を抱えていた。", "予備校の鞄が、口を開けたまま倒れている。"}));
  Voice("re0401");
  GO(Say({"玲那「鞄の底に、これが百枚。", "　予備校の模試の答案は、一枚も」"}));
  Voice("na0400");
  GO(Say({"菜乃花「……勝手に、見た」"}));
  Voice("re0402");
  GO(Say({"玲那「落ちたのよ。拾っただけ。", "　……早瀬さん、この紙、ご存じですね」"}));
  GO(Say({"嘘はつけなかった。", "うなずくと、玲那さんの目がすっと細くなった。"}));
  GO(Say({"長い夜になる。", "それだけは、はっきりわかった。"}));
  Face(1, "ret009");
  Voice("re0454");
  GO(Say({"玲那「座ってください。", "　……早瀬さんにも、聞いていただきます」"}));
  GO(Say({"ステッカーだらけの筆箱が、", "テーブルの端から落ちかけていた。"}));
  GO(Say({"誰も、それを拾わなかった。", "僕は、黙って座布団に腰を下ろした。"}));
  NoFace(2);
  NoFace(1);
  return 0;
}

// Her own route has her promise, at Obon, to show her sister: then the
// drawings were never given up, whatever happened to the pair's evenings.
bool NanokaGaveUp() {
  return Flag(kNanokaObonPromise) == 0 && Flag(flag::kNanokaEnding) == 0;
}

// One of the smaller evenings: Nanoka is always there, Reina only when both
// are in the scene; it takes the hour like any visit.
ScriptResult Evening(Pair2 scene, ScriptResult (*play)(), bool both) {
  Mark2(scene);
  core::GameState.route[4].metToday[0] = 1;
  if (both) {
    MeetBoth();
    Closer();
  } else {
    Affection(5) = static_cast<std::uint8_t>(Affection(5) + (scene == kPaper ? 1 : 0));
  }
  GO(play());
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace

ScriptResult sHimi() {
  const std::uint32_t date = Date();
  if (MetToday(4)) return Jump("sReinaIn");
  if (MetToday(5)) {
    GO(AgainToday());
    core::GameState.timeSlot += 1;
    return Jump("s2wA");
  }
  const bool late = EveningOrNight();
  // The quarrel needs both sisters to have let him in first; without that the
  // 14th is an evening like the others.
  if (date == 814 && late && Seen(kBalcony) && !Seen(kEve)) {
    Mark(kEve);
    MeetBoth();
    GO(Eve0814());
    Flag(flag::kPair0814) = 1;
    Flag(flag::kTiredMorning) = 1;  // the hub's night then plays the quarrel
    core::GameState.timeSlot = core::kNightOver;
    return Jump("s2wA");
  }
  if (TimeSlot() == core::kNight && NanokaWaitsUp()) return Jump("sNanokaYoru");
  if (!late || !ReinaFirstVisitSeen()) return Jump("sReinaIn");
  // What came of the 14th is shown once, whoever's turn it is.
  if (date >= 816 && Seen(kQuarrel) && !Seen(kVideo)) return Jump("sHimi5w");
  if (date >= 816 && Flag(flag::kPairEnding) == 1 && !Seen2(kBumper)) {
    return Evening(kBumper, TheBumperAtTheTable, true);
  }
  if (date >= 819 && Seen2(kBumper) && !Seen2(kLastEvening)) {
    return Evening(kLastEvening, TheLastEvening, true);
  }
  if (date >= 816 && Seen(kHan1) && !Seen(kEve) && !Seen2(kSeatEmpty) && NanokaGaveUp()) {
    return Evening(kSeatEmpty, TheSeatLeftEmpty, false);
  }
  if (!PairsTurn()) return Jump("sReinaIn");
  if (date < 816) {
    if (!Seen(kHan1)) return Jump("sHimiHan");
    if (!Seen(kBalcony) && date >= 802) return Jump("sHimi2and3");
    if (Seen(kBalcony) && !Seen(kHan2)) return Jump("sHimiHan");
    if (Seen(kHan2) && !Seen(kYoru) && date >= 806 && date <= 813) return Jump("sHimiYoru");
    if (Seen(kBalcony) && !Seen2(kPaper) && date >= 809 && date <= 813) {
      return Evening(kPaper, ThePaper, false);
    }
  }
  return Jump("sReinaIn");
}

namespace {

// Where she draws on Sundays, told once: the first Sunday's date comes of it.
ScriptResult SundaysUnderTheBridge() {
  GO(Say({"菜乃花「……それと。日曜日は、いつも、", "　夕凪川の、橋の下で、描いてます」"}));
  GO(Say({"菜乃花「……それだけ、です」"}));
  GO(Choose({"１『じゃあ、日曜日に、のぞきに行くよ』", "２『暑いから、帽子かぶってね』"}));
  if (Picked() == 1) {
    Flag(flag::kNanokaDate) = 1;
    GO(Say({"菜乃花「……え。……はい」"}));
  } else {
    GO(Say({"菜乃花「……はい。かぶって、ます」"}));
  }
  return 0;
}

// Nanoka picks up: once, and on the day Reina's call was turned down it is she
// who asks him over.
ScriptResult NanokaOnThePhone() {
  Bg(ByTime("bg034"));
  Effect("60");
  WaitSound(0);
  Effect("01");
  WaitSound(0);
  Effect("02");
  GO(Say({"呼び出し音が七回鳴って、やっとつながった。"}));
  Voice("na0401");
  GO(Say({"菜乃花「……はい、氷見、です。", "　あの、姉は、お風呂で……」"}));
  GO(Say({"陽太「夕凪動画の早瀬です。駅で箱を運んだ」"}));
  Voice("na0402");
  GO(Say({"菜乃花「あっ……箱の、人。", "　……パラパラ、見た人」"}));
  GO(Say({"受話器の向こうで、何かを落とす音がした。", "たぶん、鉛筆だ。"}));
  if (Flag(flag::kPairOpen) == 0) {
    GO(Say({"菜乃花「あの……カーテンレール、", "　ふたりとも、届かなくて」"}));
    GO(Say({"菜乃花「お姉ちゃんは、人に頼むの、", "　すごく、下手なので……",
            "　……わたしが、頼みます」"}));
    Voice("na0403");
    GO(Say({"菜乃花「来て、くれますか。", "　……夜でも、いいので」"}));
    GO(Say({"断る理由は、もう思いつかなかった。", "住所は、腕が覚えている。五階だ。"}));
    Flag(flag::kPairOpen) = 1;
  } else {
    GO(Say({"菜乃花「このあいだは……箱の、お礼、", "　ちゃんと言えなかったので」"}));
    GO(Say({"菜乃花「……ありがとう、ございました。", "　お姉ちゃんも、言ってました。",
            "　……言ってないけど、言ってました」"}));
    GO(Say({"菜乃花「それと……駅で、ノート、拾ってくれたの。", "　あれは、まだ、ないしょ、です」"}));
  }
  if (Flag(flag::kNanokaDate) == 0) GO(SundaysUnderTheBridge());
  GO(Say({"電話は、そこでぷつりと切れた。", "切ったあとで照れているのが、なんとなくわかった。"}));
  Affection(5) = static_cast<std::uint8_t>(Affection(5) + 1);
  return 0;
}

}  // namespace

ScriptResult sHimiTel() {
  const bool nanoka = Flag(kNanokaCalled) == 0 &&
                      (Flag(flag::kPairOpen) == 1 || Flag(kReinaDeclined) == 1) && Date() % 2 == 0;
  if (!nanoka) return Jump("sReinaTel");
  Flag(kNanokaCalled) = 1;
  GO(NanokaOnThePhone());
  // A call arranges; it does not take the hour.
  return Jump("s2wA");
}

}  // namespace story
