// The briefings of 16 to 21 August: the director collapses and the studio
// works around his empty chair, the pick-ups, the first rush.
#include <cstdint>

#include "story/briefings/briefings.h"
#include "story/flags.h"

namespace story::briefing {

namespace {

ScriptResult Day0816() {
  Effect("17", true);
  GO(Say({"盆明けの月曜は、雨だった。"}));
  GO(Say({"事務所に入ると、誰も座っていなかった。", "全員が、立ったままだった。"}));
  Face(1, "kut005");
  Voice("ku0413");
  GO(Say({"熊井「……監督が倒れた」"}));
  GO(Say({"熊井「今朝早く、監督室で。見つけたのは俺だ。", "　救急車で、月見坂中央病院に運んだ」"}));
  Face(2, "sut005");
  Voice("su0404");
  GO(Say({"砂原「過労ですって。命に別状はないそうよ。", "　一週間の入院」"}));
  GO(Say({"陽太「……一週間」"}));
  Face(2, "sut001");
  GO(Say({"砂原「監督がいないあいだ、絵コンテとリテイクは", "　病院に運びます。監督の判断は、",
          "　ベッドの上でいただく」"}));
  Face(1, "kut001");
  GO(Say({"熊井「病院への使いは、手の空いたやつが行く。",
          "　基本は俺だ。お前は、いつもどおり回れ。", "　にじます、撮影所、編集所。三か所だ」"}));
  Voice("ku0414");
  GO(Say({"熊井「監督は、自分がいなくて止まる映画を", "　いちばん嫌う人だ。……止めるなよ」"}));
  StopEffects();
  NoFace(2);
  GO(Backlog(816));
  Face(1, "kot005");
  Voice("ko0408");
  GO(Say({"こより「……走ろう。ね」"}));
  return 0;
}

ScriptResult Day0817() {
  Face(1, "kut002");
  GO(Say({"熊井「監督は、ベッドで絵コンテを描こうとして、",
          "　看護師さんに鉛筆を取り上げられたそうだ」"}));
  GO(Say({"事務所に、ひさしぶりに笑い声が起きた。"}));
  if (Flag(flag::kAmaneFirstSeen) == 1) {
    Face(2, "kot006");
    Voice("ko0409");
    GO(Say({"こより「ねえ、きのう雨の中でセルを届けてくれた人、",
            "　宵彩舎の人なんだって。傘もささずに来たのに、", "　セルは一枚も濡れてなかったの」"}));
    Face(1, "kut001");
    GO(Say({"熊井「宵彩舎は、夜だけ開いてる仕上げ屋だ。",
            "　盆明けの山は、あそこにももっと頼むことになる」"}));
  }
  Face(1, "kut001");
  GO(Say({"熊井「今日は、ぱらぱら堂、撮影所、それと協会便。",
          "　盆休みのあいだに、よその会社の袋も溜まってる。", "　協会便は重いぞ」"}));
  return Backlog(817);
}

ScriptResult Day0818() {
  Face(1, "kut001");
  GO(Say({"熊井「午後は打ち合わせだ。", "　監督抜きでやるのは、はじめてだ」"}));
  Face(2, "sut001");
  Voice("su0405");
  GO(Say({"砂原「監督の席は、空けておいてね。", "　誰も座らないこと」"}));
  NoFace(1);
  Face(1, "mit001");
  GO(Say({"みちるさんが、駄菓子の煙草を一本くわえた。", "かじらずに、ただくわえていた。"}));
  Voice("mi0401");
  GO(Say({"みちる「作画のことは、わたしが預かります。", "　監督には、毎晩電話で確認をとる。",
          "　……出てくれれば、だけど」"}));
  NoFace(2);
  Face(1, "kut001");
  GO(Say({"熊井「午前は、にじますと撮影所。", "　会議で決まったことは、夕方に袋へ落とすぞ」"}));
  return Backlog(818);
}

ScriptResult Day0819() {
  GO(Say({"熊井さんの席は空いていた。", "朝いちばんで、病院に回っているらしい。"}));
  Face(1, "kot002");
  Voice("ko0410");
  GO(Say({"こより「今日の朝礼は、わたしがやります！", "　……三分で！」"}));
  Effect("32");
  GO(Say({"カチ、とストップウォッチが鳴った。"}));
  GO(Say({"こより「ぱらぱら堂、にじます、撮影所。", "　今日もぜんぶ外！」"}));
  if (GiantFilm()) {
    GO(Say({"こより「ガガは、嵐のシーンの動画がまだ山なの。",
            "　ハルさん、お孫さんまで動員してるって」"}));
  } else {
    GO(Say({"こより「ロウは、夜の青がまだ塗りきれてないの。",
            "　にじますさん、乾く前に次のセルが来るって」"}));
  }
  GO(Backlog(819, true));
  Face(1, "kot003");
  Effect("32");
  GO(Say({"こより「……二分四十秒！　はい、いってらっしゃい！」"}));
  return 0;
}

ScriptResult Day0820() {
  Face(1, "kut001");
  GO(Say({"熊井「今日は音蔵スタジオで、録り直しとガヤだ」"}));
  GO(Say({"熊井「ガヤってのは、群衆の声だ。", "　手の空いてるやつは全員連れてこいと、",
          "　蔵前さんが言ってる」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「港町の人たちの声だ。", "　『ガガランが来たぞー』ってな」"}));
  } else {
    GO(Say({"熊井「宿場町の、夜のざわめきだ。", "　……新人。ちょっと声に出してみろ」"}));
    GO(Say({"陽太「ざわざわ……」"}));
    Face(1, "kut006");
    GO(Say({"熊井「口で言うな」"}));
    Face(1, "kut001");
  }
  GO(Say({"熊井「録音の前に、にじます。", "　録音のあとに、編集所。継田さんが待ってる」"}));
  return Backlog(820);
}

ScriptResult Day0821() {
  Face(1, "kut001");
  Voice("ku0415");
  GO(Say({"熊井「今日、最初のラッシュが上がる」"}));
  GO(Say({"熊井「暁光現像所だ。撮影済みのネガを現像して、", "　プリントを焼いてもらった。",
          "　受け取りは窓口……窓口っていうか、壁の穴だ」"}));
  GO(Say({"熊井「ラッシュを受け取ったら、撮影所に顔を出して、",
          "　編集所に直行だ。継田さんがつなぐ」"}));
  Face(2, "sut002");
  GO(Say({"砂原「それと、監督。今日、退院よ」"}));
  Voice("su0406");
  GO(Say({"砂原「でも、お医者さまから一週間は", "　家で休むように言われてるの」"}));
  Face(1, "kut009");
  GO(Say({"熊井「つまり、来ねえってことですね。", "　……来ねえよな、あの人」"}));
  GO(Say({"砂原「来させないの」"}));
  return Backlog(821);
}

}  // namespace

ScriptResult Week5(std::uint32_t date) {
  switch (date) {
    case 816:
      return Day0816();
    case 817:
      return Day0817();
    case 818:
      return Day0818();
    case 819:
      return Day0819();
    case 820:
      return Day0820();
    default:
      return Day0821();
  }
}

}  // namespace story::briefing
