// The drawing room in early August: Nanoka slips in to watch the animators.
// The first time Michiru catches her; later visits go on to her in-betweens
// on the line-test stand and, from 9 August, to the flip book of the summer.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/nanoka/nanoka_flags.h"
#include "story/routes/routes.h"

namespace story {

namespace {

std::uint8_t& Met() {
  return core::GameState.route[4].metToday[0];
}

// Met in the drawing room before the festival, she is under the bridge that
// Sunday; the hub offers a date only while it is due and not yet seen.
void NextSundayDue() {
  if (Date() < 808 && Flag(flag::kNanokaDate) == 0) Flag(flag::kNanokaDate) = 1;
}

ScriptResult Caught() {
  const bool known = Flag(flag::kNanokaMetSisters) != 0;
  Bg("bg035");
  Music("bgm06");
  GO(Say({"上がった動画を回収しに、作画室に入った。", "カット袋を三つ、胸に抱えている。"}));
  GO(Say({"昼前の作画室は、鉛筆の音だけがしている。", "誰も顔を上げない。"}));
  GO(Say({"その鉛筆の列のいちばん奥で、", "ミントグリーンのブラウスが、そっと動いた。"}));
  if (known) {
    GO(Say({"……菜乃花ちゃんだ。", "駅の階段で、パラパラ漫画を落とした子。"}));
  } else {
    GO(Say({"見たことのない女の子だった。", "肩までの、ミルクティーみたいな色の髪。"}));
  }
  GO(Say({"塾の鞄を胸に抱えて、空いている机に腰かけ、",
          "主のいない、みちるさんの机の原画をのぞきこんでいる。"}));
  GO(Say({"息を止めているのが、ここからでもわかった。"}));
  Face(1, "nat006");
  if (known) {
    Voice("na0100");
    GO(Say({"菜乃花「……あ。早瀬、さん……」"}));
    GO(Say({"陽太「どうしたの、こんなところで」"}));
    GO(Say({"菜乃花「ち、違うんです。あの、", "　玄関が、開いてて……ちょっとだけ……」"}));
  } else {
    GO(Say({"陽太「あの……どちらさま？」"}));
    Voice("na0101");
    GO(Say({"菜乃花「ひっ……ご、ごめんなさい……」"}));
    GO(Say({"菜乃花「玄関が、開いてて……", "　ちょっとだけ、見るだけ、って……」"}));
  }
  Face(2, "mit001");
  Voice("mi0800");
  GO(Say({"みちる「――で、そのちょっとだけが、", "　今日で三日目なんだけど」"}));
  GO(Say({"赤鉛筆をくわえたまま、", "みちるさんが、作画室の入口に立っていた。"}));
  Face(1, "nat007");
  GO(Say({"菜乃花「……っ」"}));
  ClearStage();
  Bg("NAI004");
  Unlock(5, 3);
  GO(Say({"女の子は、鞄をぎゅっと抱えて固まった。", "耳まで、真っ赤になっている。"}));
  Voice("mi0801");
  GO(Say({"みちる「おととい、階段の下で一時間。", "　きのうはトイレの前で四十分」"}));
  GO(Say({"みちる「気づいてないと思った？", "　ここの人間、動くものには目ざといのよ」"}));
  GO(Say({"作画室のあちこちで、", "くすくす笑う声がした。"}));
  Bg("bg035");
  NoFace(2);
  Face(1, "mit009");
  GO(Say({"みちる「早瀬くんの知り合い？」"}));
  GO(Choose({"１『……はい。知り合いです』", "２『いえ、僕も今はじめて……』"}));
  if (Picked() == 1) {
    Flag(nanoka::kKeptSecret) = 1;
    if (known) {
      GO(Say({"陽太「引っ越しのとき、荷物を運んだ縁で。", "　……僕が、見学に誘ったんです」"}));
    } else {
      GO(Say({"陽太「……はい。その、近所の子で。", "　僕が、見学に誘ったんです」"}));
    }
    GO(Say({"嘘だった。女の子が、", "信じられないものを見る目で僕を見た。"}));
    Face(1, "mit002");
    GO(Say({"みちる「ふうん。誘った人が、三日も", "　放っておいたわけだ」"}));
    GO(Say({"……ばれている。", "みちるさんは、面白がっているだけだった。"}));
  } else {
    GO(Say({"陽太「いえ、あの……", "　僕も、今はじめて見て……」"}));
    Face(1, "mit001");
    GO(Say({"みちる「正直でよろしい」"}));
    GO(Say({"女の子の肩が、しゅんと落ちた。"}));
  }
  Face(1, "mit009");
  GO(Say({"みちるさんは、女の子の抱えた鞄の口から", "はみ出しているノートを、指でつついた。"}));
  Voice("mi0802");
  GO(Say({"みちる「それ。見せてくれたら、", "　不法侵入は、なかったことにしてあげる」"}));
  Face(2, "nat005");
  GO(Say({"菜乃花「……だめ、です。これは……」"}));
  Voice("mi0803");
  GO(Say({"みちる「ページの隅に描いてあるでしょ。", "　めくると、動くやつ」"}));
  GO(Say({"菜乃花「……なんで」"}));
  GO(Say({"みちる「鞄の持ち方でわかる。", "　中身を守る持ち方。あたしも、昔そうだった」"}));
  GO(Say({"長い沈黙のあと、女の子は", "ノートを一冊だけ、机の上に置いた。"}));
  NoFace(2);
  GO(Say({"みちるさんは黙って、", "親指でページの隅をはじいた。"}));
  Effect("09");
  if (GiantFilm()) {
    GO(Say({"段ボールの巨人が、男の子を肩に乗せて、", "のし、のし、と歩いていく。"}));
  } else {
    GO(Say({"霧の中で、狼の子が一度だけ立ち止まって、", "それから、ぱっと駆け出していく。"}));
  }
  GO(Say({"三回。みちるさんは、同じところを三回めくった。"}));
  Face(1, "mit009");
  GO(Say({"みちる「……ここ。足が地面についた次の絵、", "　一枚、抜けてるね」"}));
  Face(2, "nat006");
  GO(Say({"菜乃花「……はい。描いたら、", "　重たく、なっちゃって……」"}));
  GO(Say({"みちる「重たくていいの。重たいものが歩くんだから。", "　抜くなら、その前で抜くの」"}));
  GO(Say({"菜乃花「……前で」"}));
  GO(Say({"二人とも、僕のことを忘れていた。"}));
  Face(1, "mit001");
  GO(Say({"みちるさんは引き出しから、", "タップ穴の開いた紙の束を抜き出した。"}));
  Voice("mi0804");
  GO(Say({"みちる「原画が二枚。あいだに中割りが三枚。", "　タイムシートの、ここからここまで」"}));
  GO(Say({"みちる「動画用紙なんて、見たこともないでしょ。", "　やってみる？」"}));
  Face(2, "nat006");
  Voice("na0102");
  GO(Say({"菜乃花「……え。わたし、が……？」"}));
  GO(Say({"みちる「空いてる机がひとつある。", "　秋葉くんの隣。鉛筆の匂いは我慢して」"}));
  ClearStage();
  Bg("NAI005");
  Unlock(5, 4);
  GO(Say({"それから二時間、女の子は動かなかった。"}));
  GO(Say({"タップに紙を三枚重ねて、ライトボックスを点ける。",
          "下の絵と上の絵の、ちょうどまんなかの線を探す。"}));
  GO(Say({"消しゴムのかすが、机の上に小さな山になる。", "鉛筆を持つ指先が、白くなっている。"}));
  GO(Say({"一枚割るたびに、めくって、", "また消して、また割った。"}));
  GO(Say({"秋葉さんが、自分の鉛筆を止めて", "横目でそれを見ていた。"}));
  GO(Say({"僕はそのあいだに二度、熊井さんに呼ばれて",
          "袋を届けに走り、二度とも、走って戻ってきた。"}));
  Bg("bg035");
  NoFace(2);
  Face(1, "nat001");
  GO(Say({"陽太「……できた？」"}));
  Voice("na0103");
  GO(Say({"菜乃花「できて、ない……", "　線が、ぜんぶ、震えて……」"}));
  GO(Say({"菜乃花「でも。……まんなかって、", "　ほんとうに、まんなかじゃ、ないんですね」"}));
  GO(Say({"菜乃花「ちょっと、だけ、", "　あとの絵の、ほうに寄る……」"}));
  Face(2, "mit002");
  Voice("mi0805");
  GO(Say({"みちる「そう。ツメっていうの。", "　一日で気づく子は、あんまりいない」"}));
  Face(1, "nat007");
  GO(Say({"女の子は、下を向いた。", "でも、口の端が、ほんの少しだけ上がっていた。"}));
  Face(2, "mit001");
  GO(Say({"みちる「その三枚、置いていきなさい。", "　明日、線撮りしてみてもいい」"}));
  GO(Say({"秋葉さんが、いつのまにか", "菜乃花ちゃんの三枚を、のぞきこんでいた。"}));
  GO(Say({"秋葉「……二枚目、僕のより、", "　ツメがきれいかも」"}));
  GO(Say({"みちる「秋葉くん、手が止まってる」"}));
  GO(Say({"秋葉さんは、首をすくめて", "自分の机に戻っていった。"}));
  GO(Say({"みちる「そのかわり、次からは玄関で、", "　ちゃんと『こんにちは』って言うこと」"}));
  GO(Say({"みちる「で、名前は？」"}));
  Face(1, "nat007");
  GO(Say({"菜乃花「……氷見、菜乃花、です」"}));
  Face(2, "mit006");
  GO(Say({"みちる「氷見？　……今度の主役の、", "　氷見玲那さんと、同じ名字」"}));
  Face(1, "nat005");
  Voice("na0105");
  GO(Say({"菜乃花「……妹、です。", "　あの、お姉ちゃんには、ぜったい……」"}));
  Face(2, "mit009");
  GO(Say({"みちるさんは、赤鉛筆をくわえ直して、", "ちょっとだけ天井を見た。"}));
  Voice("mi0806");
  GO(Say({"みちる「あたしは、絵の話しかしない人なの。", "　役者さんとは、絵の話はしない」"}));
  GO(Say({"みちる「だから、言わない。", "　……言う理由が、ないもの」"}));
  NoFace(2);
  if (!known) {
    GO(Say({"陽太「……早瀬です。ここの、制作進行」"}));
    GO(Say({"主役の人の、妹。", "同じ町に住んでいることさえ、知らなかった。"}));
    Flag(flag::kNanokaMetSisters) = 1;
  }
  Bg("bg031");
  GO(Say({"玄関まで送ると、菜乃花ちゃんは", "靴をはいたまま、しばらく立っていた。"}));
  Voice("na0104");
  GO(Say({"菜乃花「……早瀬さん。あの、このこと……", "　お姉ちゃんには……」"}));
  if (Flag(nanoka::kKeptSecret) == 1) {
    GO(Say({"陽太「言わないよ。さっきも言わなかったし」"}));
    Face(1, "nat002");
    GO(Say({"菜乃花「……うそ、へたでした」"}));
    GO(Say({"菜乃花「でも……うれしかった、です」"}));
  } else {
    GO(Say({"陽太「……言わないよ」"}));
    GO(Say({"菜乃花ちゃんは、小さくうなずいた。"}));
  }
  if (Date() < 808) {
    NextSundayDue();
    Face(1, "nat009");
    GO(Say({"菜乃花「日曜日……橋の下の、川原に、", "　いつも、いるので……」"}));
    GO(Say({"菜乃花「……ほかのも、", "　見せても、いい、かも……」"}));
  }
  NoFace(1);
  GO(Say({"ぺこりと頭を下げて、", "菜乃花ちゃんは駅のほうへ走っていった。"}));
  GO(Say({"塾の鞄が、ぱたぱたと揺れていた。", "……塾の時間は、とっくに過ぎているはずだった。"}));
  Bg("bg035");
  Face(1, "mit009");
  GO(Say({"作画室に戻ると、みちるさんが", "菜乃花ちゃんの三枚を、ライトボックスに透かしていた。"}));
  Voice("mi0808");
  GO(Say({"みちる「早瀬くん。あの子、また来るよ」"}));
  GO(Say({"みちる「来たら、追い返さないこと。", "　それと、甘やかさないこと」"}));
  GO(Say({"陽太「……どっちなんですか」"}));
  Face(1, "mit002");
  GO(Say({"みちる「両方。", "　新人を育てるって、そういうことよ」"}));
  GO(Say({"そう言って、みちるさんは", "僕の胸のカット袋を、赤鉛筆でとんと叩いた。"}));
  NoFace(1);
  return 0;
}

// Nothing new is due today: she is at the spare desk, and he leaves her to it.
ScriptResult AtTheSpareDesk() {
  Bg("bg035");
  Music("bgm06");
  Face(1, "nat009");
  if (Flag(nanoka::kStage) >= 3 && Date() % 2 == 1) {
    GO(Say({"みちるさんの机の前で、", "菜乃花ちゃんが、赤鉛筆の入った絵を受け取っていた。"}));
    GO(Say({"走る男の子の、膝から下。", "その上に、みちるさんの赤い線が重なっている。"}));
    Face(2, "mit009");
    Voice("mi0807");
    GO(Say({"みちる「走る人の膝はね、", "　伸びきる前に、もう次の一歩に入ってるの」"}));
    GO(Say({"みちる「早瀬くんを見てごらん。", "　あの子、止まってる時間がないでしょ」"}));
    GO(Say({"菜乃花ちゃんが、こっちを見た。", "カット袋を抱えたまま、思わず足を止めてしまった。"}));
    Face(2, "mit003");
    GO(Say({"みちる「……止まった」"}));
    Face(1, "nat003");
    GO(Say({"菜乃花「……止まっちゃい、ました」"}));
    GO(Say({"作画室じゅうに笑われながら、", "次の袋を取りに走った。"}));
    ClearStage();
    return 0;
  }
  if (Flag(nanoka::kStage) >= 3) {
    GO(Say({"秋葉さんの隣の机で、菜乃花ちゃんが", "小さな紙の束に、鉛筆を走らせている。"}));
    GO(Say({"カット袋を抱えて走る男の子が、", "一枚ごとに、少しずつ前へ進んでいく。"}));
    Face(1, "nat007");
    GO(Say({"菜乃花「……あ。見ちゃ、だめ、です。", "　まだ、走り出したとこ……」"}));
    GO(Say({"紙の束の厚みは、", "きのうより、指一本ぶん増えていた。"}));
    GO(Say({"みちるさんの机には、", "赤鉛筆で直された、男の子の膝の絵が一枚。"}));
    GO(Say({"菜乃花ちゃんはそれを横に置いて、", "同じ膝を、もう一度描き直していた。"}));
    GO(Say({"笑ってうなずいて、", "そっと作画室を出た。"}));
  } else {
    GO(Say({"秋葉さんの隣の机で、菜乃花ちゃんが", "今日も動画用紙に向かっている。"}));
    GO(Say({"菜乃花「……早瀬さん。いま、話しかけると、", "　線が、曲がる、ので……」"}));
    GO(Say({"消しゴムのかすの山が、", "きのうより、少しだけ小さくなっていた。"}));
    if (Date() % 2 == 0) {
      GO(Say({"隣の秋葉さんが、鉛筆の尻で", "菜乃花ちゃんの紙を、とん、と叩いた。"}));
      GO(Say({"秋葉「そこ、線を二度引きしない。", "　一回で引いて、違ったら消す」"}));
      GO(Say({"秋葉「二度引きすると、仕上げさんが", "　どっちの線をトレスするか迷うから」"}));
      Face(1, "nat006");
      GO(Say({"菜乃花「……仕上げ、さん」"}));
      GO(Say({"秋葉「動画の線は、次の人への手紙なんだよ。", "　読めない字で書いちゃだめ」"}));
      GO(Say({"菜乃花ちゃんは、紙の端にメモをした。", "『次の人への手紙』。"}));
      GO(Say({"ふだん無口な秋葉さんが、", "こんなにしゃべるのを、はじめて聞いた。"}));
      NoFace(1);
      return 0;
    }
    Face(2, "kut001");
    GO(Say({"熊井「おい新人、その子はなんだ。", "　うちは託児所じゃねえぞ」"}));
    Face(2, "kut009");
    GO(Say({"熊井さんは、菜乃花ちゃんの手元を", "三秒だけのぞきこんで、黙った。"}));
    GO(Say({"熊井「……秋葉の割り、", "　一枚手伝わせてもいいんじゃねえか」"}));
    GO(Say({"それだけ言って、熊井さんは", "ばたばたと廊下へ戻っていった。"}));
    NoFace(2);
    Face(1, "nat007");
    GO(Say({"菜乃花「……いまの人、", "　こわい、けど……やさしい……」"}));
  }
  NoFace(1);
  return 0;
}

// After Obon the summer has moved on: whether she still comes depends on
// what she said to her sister, or did not.
ScriptResult AfterObon() {
  Bg("bg035");
  Music("bgm06");
  if (Flag(flag::kNanokaEnding) == 1 && Date() % 2 == 0) {
    GO(Say({"作画室の隅の机に、", "見覚えのある包みが置いてあった。"}));
    Face(1, "nat007");
    GO(Say({"菜乃花「……お姉ちゃんが。", "　みなさんに、って」"}));
    GO(Say({"包みの中は、おにぎりが二十個。", "形が、ひとつ残らず、きっちり三角だった。"}));
    GO(Say({"菜乃花「お姉ちゃん、お料理、", "　台本みたいに、作るので……」"}));
    GO(Say({"みちるさんが一個つまんで、", "『いい姉さんね』とだけ言った。"}));
    GO(Say({"菜乃花ちゃんは、照れくさそうに", "自分の分を、紙の束の横に置いた。"}));
    NoFace(1);
    return 0;
  }
  if (Flag(flag::kNanokaEnding) == 1) {
    GO(Say({"監督のいない作画室は、いつもより静かだ。",
            "その静けさの中で、鉛筆の音がひとつ増えている。"}));
    Face(1, "nat002");
    GO(Say({"菜乃花「……こんにちは。", "　きょうは、ちゃんと、許可、もらって」"}));
    GO(Say({"机の端に、塾のテキストが一冊。", "包装は、もう破ってあった。"}));
    GO(Say({"菜乃花「午前中は、こっち。午後は、あっち。", "　……お姉ちゃんと、決めたんです」"}));
    GO(Say({"紙の束は、親指でつまめないくらい", "厚くなっていた。"}));
    GO(Say({"菜乃花「男の子、いま、病院の坂を、", "　のぼってるとこ、です」"}));
    GO(Say({"菜乃花「監督さんのとこに、", "　袋、届けに行く、とこ……」"}));
    GO(Say({"みちるさんが、赤鉛筆で", "男の子の汗を、一滴だけ描き足した。"}));
  } else if (Flag(nanoka::kStage) >= 2) {
    GO(Say({"秋葉さんの隣の机は、片づいていた。", "消しゴムのかすも、もうない。"}));
    Face(1, "nat005");
    GO(Say({"入口に、菜乃花ちゃんが立っていた。", "借りていた鉛筆を、両手で持っている。"}));
    GO(Say({"菜乃花「……これ、返しに、来ただけ、です。", "　塾、行かなきゃ、なので」"}));
    GO(Say({"菜乃花「みちるさんに、", "　ありがとうございました、って……」"}));
    GO(Say({"鞄の口から、紙の束の角がのぞいていた。",
            "男の子は、まだ二枚目で止まっているのだろうか。"}));
    GO(Say({"陽太「……また、来ればいいよ」"}));
    GO(Say({"菜乃花「……はい。いつか」"}));
    GO(Say({"いつか、と言った声は、", "夏休みの終わりみたいに、小さかった。"}));
  } else {
    Face(1, "nat005");
    GO(Say({"菜乃花ちゃんが、入口から", "作画室をのぞきこんでいた。"}));
    GO(Say({"目が合うと、小さく頭を下げて、", "何も言わずに階段を下りていった。"}));
  }
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sNanokaIn() {
  const int stage = Flag(nanoka::kStage);
  if (stage == 1 && Date() < 816 && Flag(nanoka::kCaughtDay) != Date() % 100)
    return Jump("sNanoka4w");
  if (stage == 2 && Date() >= 809 && Date() < 816) return Jump("sNanoka5w");
  Met() = 1;
  if (stage == 0) {
    GO(Caught());
    Flag(nanoka::kStage) = 1;
    Flag(nanoka::kCaughtDay) = static_cast<std::uint8_t>(Date() % 100);
    Affection(5) += 1;
  } else if (Date() >= 816) {
    GO(AfterObon());
  } else {
    GO(AtTheSpareDesk());
  }
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

// On weekday mornings and afternoons from the day the colour models are
// approved; Saturdays are the director's checks and leave no corner to spare.
// After Obon only once she has been caught: the summer has moved on.
bool NanokaAtTheStudio() {
  const std::uint32_t date = Date();
  const bool early = (date >= 804 && date <= 806) || (date >= 809 && date <= 813);
  const bool late = date >= 816 && date <= 820 && Flag(nanoka::kStage) >= 1;
  return (early || late) && TimeSlot() <= static_cast<std::uint32_t>(core::kAfternoon) &&
         Met() == 0;
}

// Once she trusts him (a Sunday together or the drawing room), on the flat's
// evenings and nights, never two nights running; the night of 14 August
// always, since the sisters' quarrel begins from it.
bool NanokaWaitsUp() {
  const std::uint32_t date = Date();
  if (date < 805 || date > 821 || date == 815) return false;
  if (Flag(nanoka::kDates) == 0 && Flag(nanoka::kStage) == 0) return false;
  if (date == 814) return true;
  const std::uint32_t last = Flag(nanoka::kLastNight);
  return last == 0 || date % 100 > last + 1;
}

}  // namespace story
