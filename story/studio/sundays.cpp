// The Sundays no meeting was taken on, each a day of its own (1, 8, 15 and
// 22 August), and the evening of the shrine festival on 8 August.
#include <cstddef>
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/studio/studio.h"

namespace story {

namespace {

// Byte 36: he went to the festival alone on 8 August (the night after it is told so).
constexpr std::size_t kWentToFestival = 36;

ScriptResult FirstSunday() {
  Music("bgm09");
  Bg("bg001");
  GO(Say({"日曜日。目が覚めたら、昼だった。", "一週間ぶりに、目覚まし時計に起こされない朝だ。",
          "……もう朝ではないけれど。"}));
  Bg("bg012");
  GO(Say({"こよりさんの手描きの地図を持って、", "回収の道を歩いてみた。"}));
  GO(Say({"寺門さんの団地までは、近道が三本ある。", "そのうち一本は、猫しか通れない。"}));
  GO(Say({"画材屋の店先に、鉛筆が箱ごと積んであった。",
          "あのうちの何本かは、来週、作画室で削られる。"}));
  Bg("bg013y");
  GO(Say({"夕方、夕凪川の土手に座った。", "海からの風が、ぴたりと止まる時間。"}));
  GO(Say({"会社の名前の由来を、社長から聞いたことがある。",
          "アニメーターが、自分の考えていることを", "聞くことのできる、ただひとつの時間。"}));
  GO(Say({"風が止まると、たしかに、", "自分の考えていることが聞こえる気がした。"}));
  GO(Say({"……来週も、たぶん、やっていける。"}));
  Bg("bg001n");
  GO(Say({"部屋に戻って、早めに布団に入った。"}));
  StopMusic();
  return 0;
}

ScriptResult FestivalNight() {
  Music("bgm10");
  Bg("bg001n");
  if (Flag(kWentToFestival) == 1) {
    GO(Say({"部屋に戻っても、祭囃子が耳の奥で鳴っていた。"}));
    GO(Say({"目を閉じると、監督が紙ナプキンに描いた", "小さな提灯が浮かんでくる。"}));
    GO(Say({"暗いから、あったかく見える。", "……その言葉を、眠るまで転がしていた。"}));
  } else {
    Effect("39");
    GO(Say({"窓を開けると、祭囃子が風に乗って聞こえてきた。"}));
    Effect("38");
    GO(Say({"遠くで、花火が上がった。", "光が見えてから、少し遅れて音が届く。"}));
    GO(Say({"布団の上でその音を数えているうちに、", "いつの間にか眠っていた。"}));
  }
  StopMusic();
  return 0;
}

ScriptResult ObonSunday() {
  Music("bgm09");
  Bg("bg012");
  GO(Say({"お盆の月見坂は、しんとしていた。", "商店街のシャッターが、ほとんど下りている。"}));
  GO(Say({"実家には、電話を一本だけかけた。", "『元気だよ』と言うと、母は『そう』とだけ言った。",
          "それで、十分だった。"}));
  Music("bgm10");
  Bg("bg039y");
  GO(Say({"夕方、スタジオの屋上に上った。", "鍵を開けるのは、新人の仕事だ。"}));
  Effect("63");
  GO(Say({"どこかで、お寺の鐘が鳴った。", "夕凪川を、灯籠の明かりがぽつぽつと流れていく。"}));
  GO(Say({"明日から、またスタジオが動き出す。", "三十日まで、あと二週間。"}));
  if (core::GameState.productionScore() < 25) {
    GO(Say({"ホワイトボードの赤い線は、まだ数えるほどしかない。",
            "明日のことを考えると、胸の奥が冷たくなった。"}));
  } else {
    GO(Say({"監督の長い咳を、ふと思い出した。", "灯籠の明かりが、角を曲がって見えなくなった。"}));
  }
  StopMusic();
  return 0;
}

ScriptResult LastSunday() {
  Music("bgm09");
  Bg("bg030");
  GO(Say({"日曜日なのに、足が勝手にスタジオへ向かった。"}));
  Bg("bg034");
  GO(Say({"事務所には、熊井さんがひとりでいた。",
          "ホワイトボードの前で、残りのカットを数えている。"}));
  Face(1, "kut001");
  GO(Say({"熊井「……なんだ、お前も来たのか」"}));
  Voice("ku0128");
  GO(Say({"熊井「日曜に来るやつは、二種類いる。", "　仕事が好きなやつと、",
          "　家にいると不安になるやつだ」"}));
  GO(Say({"陽太「熊井さんは、どっちなんですか」"}));
  Face(1, "kut003");
  GO(Say({"熊井「両方だ」"}));
  NoFace(1);
  GO(Say({"二人で、月曜からの回収の順番を組んだ。", "しばらくして、熊井さんがぽつりと言った。"}));
  Face(1, "kut005");
  Voice("ku0129");
  GO(Say({"熊井「周平さんが倒れた晩な。俺はあの人の", "　カット袋を持って、撮影所に向かってた」"}));
  GO(Say({"熊井「戻ってきたら、もう救急車が出たあとだった」"}));
  Voice("ku0130");
  GO(Say({"熊井「……だから俺は、袋を届けることだけは、", "　誰にも負けたくねえんだよ」"}));
  NoFace(1);
  GO(Say({"熊井さんはそれ以上何も言わずに、", "駅前で冷やし中華をおごってくれた。"}));
  Bg("bg001n");
  GO(Say({"部屋に戻ると、窓の外でコオロギが鳴いていた。", "最後の一週間が、明日から始まる。"}));
  StopMusic();
  return 0;
}

}  // namespace

ScriptResult QuietSunday(std::uint32_t date) {
  switch (date) {
    case 801:
      return FirstSunday();
    case 808:
      return FestivalNight();
    case 815:
      return ObonSunday();
    default:
      return LastSunday();
  }
}

ScriptResult FestivalEvening() {
  Music("bgm09");
  Bg("bg001y");
  GO(Say({"日曜日。昼まで眠って、洗濯をして、", "それだけで夕方になった。"}));
  Effect("39");
  GO(Say({"窓の外から、太鼓の音が聞こえてきた。", "今夜は、月見坂神社の夏祭りだ。"}));
  GO(Say({"商店街のほうへ、浴衣の人たちが歩いていく。"}));
  return Choose({"１『部屋で休む』", "２『神社の祭りに行く』"});
}

ScriptResult FestivalAlone() {
  Flag(kWentToFestival) = 1;
  Bg("bg015n");
  Effect("23");
  GO(Say({"月見坂神社の境内は、人でいっぱいだった。",
          "提灯の明かりが、参道の上でずっと揺れている。"}));
  GO(Say({"焼きそばを買って、石段に腰を下ろした。"}));
  GO(Say({"屋台の裏手に、見覚えのある背中があった。", "白い角刈りに、茶色い作業シャツ。"}));
  Face(1, "tot006");
  GO(Say({"鳥越「……なんだ、進行か」"}));
  Face(1, "tot009");
  Voice("to0117");
  GO(Say({"鳥越「提灯の光ってのはな、撮影で透過光にすると", "　嘘くさくなるんだ」"}));
  Voice("to0118");
  GO(Say({"鳥越「本物は、もっと暗い。", "　暗いから、あったかく見える」"}));
  NoFace(1);
  GO(Say({"監督は紙ナプキンに提灯をひとつ描いて、", "ポケットにしまった。"}));
  Face(1, "tot002");
  if (studio::Gaga()) {
    GO(Say({"鳥越「……巨人の目の光は、これでいく」"}));
  } else {
    GO(Say({"鳥越「……しずりが最後に見る町の灯は、これだ」"}));
  }
  NoFace(1);
  Effect("38");
  GO(Say({"花火が上がった。", "監督は花火には目もくれずに、", "提灯ばかり見上げていた。"}));
  return 0;
}

}  // namespace story
