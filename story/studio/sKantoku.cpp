// The director's room: his checks of 31 July (layouts), 7 August (keys) and
// 13 August (backgrounds, on the eve of his collapse); while he is in hospital
// Michiru checks in his place, and once he is home he checks by telephone. A
// check left undone is the check of its own date whenever it is finally done.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/flags.h"
#include "story/studio/studio.h"

namespace story {

namespace {

ScriptResult LayoutCheck() {
  GO(Say({"監督室は、もとは米屋の物置だったらしい。",
          "絵コンテの束と、灰皿と、折りたたみのベッド。"}));
  Face(1, "tot001");
  Voice("to0100");
  GO(Say({"鳥越「おう、進行。レイアウト、持ってきたか」"}));
  GO(Say({"ツバクロと寺門さんから上がったレイアウトを、", "机に並べた。"}));
  Effect("09");
  GO(Say({"監督は一枚ずつ手に取って蛍光灯に透かし、", "赤鉛筆で何か書き込んでいく。"}));
  Face(1, "tot009");
  if (studio::Gaga()) {
    GO(Say({"鳥越「このカットな。巨人が初めて立ち上がるとこだ」"}));
    Voice("to0101");
    GO(Say({"鳥越「下からあおるんじゃない。鉄平の目の高さだ。",
            "　見上げるのは、観とる子供らのほうだ」"}));
  } else {
    GO(Say({"鳥越「このカット。しずりが枝の上で振り向くとこだ」"}));
    Voice("to0102");
    GO(Say({"鳥越「寄るな。引け。霧の中で小さく振り向くから、", "　観とるほうが息を止めるんだ」"}));
  }
  GO(Say({"鳥越「……進行。お前、これ見てどう思う」"}));
  GO(Choose({"１『かっこいいです』", "２『……正直、よくわかりません』"}));
  if (Picked() == 1) {
    Face(1, "tot002");
    GO(Say({"鳥越「そうか。かっこいいか」"}));
    Voice("to0103");
    GO(Say({"鳥越「それだけ言えりゃ十分だ。", "　客ってのはな、それしか言わんのだ」"}));
  } else {
    Face(1, "tot003");
    GO(Say({"鳥越「正直でいい」"}));
    Voice("to0104");
    GO(Say({"鳥越「わからんもんを、わかるまで運ぶのが", "　進行だ。わかったら、わしにも教えろ」"}));
  }
  Face(1, "tot001");
  GO(Say({"監督は紙ナプキンに何か描いて、", "レイアウトの束に挟んだ。",
          "新しいカットの、小さな絵コンテだった。"}));
  GO(Say({"鳥越「北条に渡せ。それと、檜垣には", "　『肘』とだけ言っとけ。それでわかる」"}));
  NoFace(1);
  return 0;
}

ScriptResult KeyCheck() {
  GO(Say({"原画チェックの日だ。", "監督室の机に、上がった原画が山になっている。"}));
  Face(1, "tot001");
  GO(Say({"鳥越「ストップウォッチ、持ってるか」"}));
  GO(Say({"陽太「はい。こよりさんに借りてきました」"}));
  Voice("to0105");
  GO(Say({"鳥越「よし。わしが『はい』と言ったら押せ。", "　もう一回『はい』で止めろ」"}));
  GO(Say({"監督は原画を指に挟み、パラパラとめくりながら、", "口で音をつけ始めた。"}));
  if (studio::Gaga()) {
    GO(Say({"鳥越「はい。……ガシャン。ギ、ギ、ギ……", "　ゴウン。はい」"}));
    GO(Say({"ストップウォッチは、二秒半。"}));
    Face(1, "tot009");
    GO(Say({"鳥越「シートは三秒か。半秒、長い」"}));
    GO(Say({"鳥越「三好に言っとけ。『重さは溜めじゃない、", "　足の裏で出せ』ってな」"}));
  } else {
    GO(Say({"鳥越「はい。……すっ。……ふっ。はい」"}));
    GO(Say({"ストップウォッチは、二秒半。"}));
    Face(1, "tot009");
    GO(Say({"鳥越「シートは二秒か。半秒、足りん」"}));
    GO(Say({"鳥越「沢渡に言っとけ。『振り向く前に、", "　息をひとつ吸わせろ』ってな」"}));
  }
  NoFace(1);
  GO(Say({"監督が咳き込んだ。", "長い咳だった。"}));
  GO(Say({"陽太「監督、大丈夫ですか」"}));
  Face(1, "tot007");
  GO(Say({"鳥越「煙草の吸いすぎだ。……画材屋の嬢ちゃんには", "　言うなよ。あれは、うるさいからな」"}));
  NoFace(1);
  GO(Say({"結局その日は、日が暮れるまで", "ストップウォッチを押し続けた。"}));
  Face(1, "tot002");
  Voice("to0106");
  GO(Say({"鳥越「……進行。お前の押すタイミング、", "　悪くないな」"}));
  NoFace(1);
  return 0;
}

ScriptResult BackgroundCheck() {
  Face(1, "tot008");
  GO(Say({"監督の顔色が、悪い。", "灰皿には、吸い殻が山になっていた。"}));
  GO(Say({"鳥越「背景、上がったか」"}));
  NoFace(1);
  GO(Say({"梶さんと青嵐美術の背景を、", "レイアウトと並べて置いた。"}));
  if (studio::Gaga()) {
    GO(Say({"嵐の前の、黄色く濁った空。", "その下で、風車町の羽根が一斉に止まっている。"}));
  } else {
    GO(Say({"梶さんの描いた、幾重もの霧。", "重ねて撮れば、峠が奥へ奥へと遠ざかっていく。"}));
  }
  Face(1, "tot002");
  GO(Say({"鳥越「……いいな」"}));
  Voice("to0107");
  GO(Say({"鳥越「いい背景はな、キャラがいなくても、", "　もう芝居してるんだ」"}));
  Face(1, "tot008");
  GO(Say({"鳥越「窓、開けてくれ。……暑い」"}));
  Effect("16");
  GO(Say({"陽太「……監督、少し休んだほうが」"}));
  Face(1, "tot004");
  GO(Say({"鳥越「三十日が過ぎたら、いくらでも寝てやる」"}));
  Face(1, "tot001");
  GO(Say({"監督は紙ナプキンに小さな一コマを描いて、", "こちらに差し出した。"}));
  Voice("to0108");
  GO(Say({"鳥越「持ってろ。最後のカットだ。", "　……まだ、誰にも見せるな」"}));
  NoFace(1);
  if (studio::Gaga()) {
    GO(Say({"嵐のあとの朝。", "止まった巨人の肩に、つばめが座っている。"}));
  } else {
    GO(Say({"霧の晴れた峠。", "しずりが、はじめて見る町の灯を見下ろしている。"}));
  }
  GO(Say({"なぜそれを自分に預けるのか、", "聞くことはできなかった。"}));
  return 0;
}

ScriptResult MichiruChecks() {
  Music("bgm08");
  GO(Say({"監督室には、誰もいない。", "灰皿はきれいに洗われて、",
          "ベッドの上に、絵コンテの束だけが残っていた。"}));
  Face(1, "mit001");
  Voice("mi0104");
  GO(Say({"みちる「監督の分のチェック、私がやるわ。", "　迷ったものだけ、病院に回しましょう」"}));
  NoFace(1);
  GO(Say({"みちるさんは、監督の椅子には座らなかった。", "丸椅子を引いてきて、その隣に腰かけた。"}));
  Effect("09");
  GO(Say({"一枚めくるたびに、赤鉛筆が走る。", "監督のより細くて、迷いのない線だ。"}));
  Face(1, "mit007");
  Voice("mi0105");
  GO(Say(
      {"みちる「監督ったら、病院から電話で言うのよ。", "　『檜垣の赤なら、俺の赤と同じだ』って」"}));
  Face(1, "mit005");
  GO(Say({"みちる「……ずるいわよね。そんなこと言われたら、", "　こっちが倒れられないじゃない」"}));
  NoFace(1);
  if (Flag(flag::kYuzukaHospital) != 0) {
    GO(Say({"迷った数枚は、封筒に入れた。", "明日、自分が病院へ持っていく。"}));
  } else {
    GO(Say({"迷った数枚は、封筒に入れた。", "今夜のうちに、熊井さんが病院へ届けてくれる。"}));
  }
  return 0;
}

ScriptResult CheckByTelephone() {
  GO(Say({"監督は退院したが、医者の言いつけで", "まだ家で休んでいる。",
          "チェックは、電話ですることになった。"}));
  Effect("60");
  GO(Say({"監督室の電話で、監督の家にかけた。"}));
  Voice("to0109");
  GO(Say({"鳥越「おう、進行か。残りのカット、読み上げろ」"}));
  if (studio::Gaga()) {
    GO(Say({"陽太「百二十四番です。鉄平が、走り出すところ」"}));
    GO(Say({"鳥越「ＯＫだ。百二十五はリテイク。", "　影の向きが逆になっとる。覚えとる」"}));
  } else {
    GO(Say({"陽太「百二十四番です。しずりが、刀を抜くところ」"}));
    GO(Say({"鳥越「ＯＫだ。百二十五はリテイク。", "　霧の上に、手が出てしまっとる。覚えとる」"}));
  }
  GO(Say({"陽太「……全部、覚えてるんですか」"}));
  Voice("to0110");
  GO(Say({"鳥越「自分のコンテだぞ。忘れるわけがなかろう」"}));
  GO(Say({"受話器の向こうで、監督が少し黙った。"}));
  Voice("to0111");
  GO(Say({"鳥越「……進行。お前がいて、助かった。", "　ほかのやつには言うなよ」"}));
  Effect("56");
  GO(Say({"電話は、それだけで切れた。"}));
  return 0;
}

}  // namespace

ScriptResult sKantoku() {
  Bg(ByTime("bg037"));
  const std::uint32_t date = Date();
  if (date < 807) {
    GO(LayoutCheck());
  } else if (date < 813) {
    GO(KeyCheck());
  } else if (date < 816) {
    GO(BackgroundCheck());
  } else if (date < 822) {
    GO(MichiruChecks());
  } else {
    GO(CheckByTelephone());
  }
  return Visited(Work::Director);
}

}  // namespace story
