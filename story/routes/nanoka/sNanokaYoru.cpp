// The flat at night, with Reina out: Nanoka waits up to talk about films and
// keeps him out until the small hours (the hub's night step walks them to
// the river and a tired morning follows). On 14 August the night leads
// either into the sisters' quarrel or, with no quarrel due, to her decision.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/nanoka/nanoka_flags.h"
#include "story/routes/routes.h"
#include "story/studio/studio.h"

namespace story {

namespace {

// Common byte: nights she kept him out (the night step counts the ones it plays).
constexpr std::size_t kNanokaNights = 38;

ScriptResult FirstNight() {
  GO(Say({"五階の廊下は、しんとしていた。", "どの部屋の窓からも、テレビの音が漏れてくる。"}));
  GO(Say({"インターホンを押すと、", "ドアの向こうで、ぱたぱたと足音がした。"}));
  Face(1, "nat006");
  Voice("na0150");
  GO(Say({"菜乃花「……早瀬さん。", "　お姉ちゃん、今夜、遅くて……」"}));
  GO(Say({"菜乃花「……あの。", "　ちょっとだけ、上がって、いきませんか」"}));
  Face(1, "nat007");
  GO(Say({"菜乃花「見てほしい、ものが……", "　ビデオ、なんですけど」"}));
  GO(Say({"リビングのテレビの前に、", "ラベルを手書きしたビデオテープが山になっていた。"}));
  GO(Say({"ラベルの字は、どれも菜乃花ちゃんの字だ。",
          "深夜にやっていた古い映画、昔のテレビまんが。"}));
  Face(1, "nat009");
  GO(Say({"菜乃花「ここ。この、振り向くとこ。", "　……コマ送り、しますね」"}));
  GO(Say({"リモコンの一時停止ボタンを、", "菜乃花ちゃんは、こつ、こつ、と押していく。"}));
  GO(Say({"画面の中の女の子が、一コマずつ振り向く。", "髪が、顔より一コマ遅れてついてくる。"}));
  Voice("na0151");
  GO(Say({"菜乃花「髪が、遅れるんです。", "　ここで、二コマ。……ずるい、ですよね」"}));
  GO(Say({"菜乃花「これ描いた人、", "　ぜったい、振り向く人を、好きだったと思う」"}));
  GO(Say({"陽太「……そんなことまで、わかるの？」"}));
  Face(1, "nat002");
  GO(Say({"菜乃花「わかり、ます。", "　……わかる気が、するだけ、ですけど」"}));
  GO(Say({"一本目が終わり、二本目が終わった。", "菜乃花ちゃんは、三本目をデッキに入れた。"}));
  GO(Say({"ふだんの半分の言葉しか話さない子が、", "映画の話になると、止まらなかった。"}));
  GO(Say({"話すたびに、手が動く。", "空中に、見えない線を引くみたいに。"}));
  Face(1, "nat009");
  GO(Say({"菜乃花「早瀬さんは……", "　いちばん好きな、アニメ、なんですか」"}));
  GO(Choose({"１『子どものころに見た、ロボットのやつ』", "２『……ほしまち郵便局、かな』",
             "３『あんまり見てこなかった』"}));
  if (Picked() == 1) {
    GO(Say({"陽太「子どものころ、夕方にやってた", "　ロボットのやつ。名前も忘れたけど」"}));
    Face(1, "nat003");
    GO(Say({"菜乃花「……名前、忘れても、", "　好き、なんですね。……いいなあ」"}));
    GO(Say({"菜乃花「それ、いちばん、", "　アニメに、やさしい好き、だと思う」"}));
  } else if (Picked() == 2) {
    GO(Say({"陽太「……ほしまち郵便局、かな。", "　うちの会社が、昔作ったやつ」"}));
    Face(1, "nat006");
    Voice("na0155");
    GO(Say({"菜乃花「……えっ。あれ、夕凪動画、", "　だったんですか……！」"}));
    GO(Say({"菜乃花「再放送、録画して、", "　テープが、伸びるまで、見ました……」"}));
    GO(Say({"菜乃花ちゃんは、テープの山をかき分けて、",
            "ラベルの色あせた一本を、大事そうに抜き出した。"}));
  } else {
    GO(Say({"陽太「正直、あんまり見てこなかった。", "　雑誌は、段ボールいっぱいあるんだけど」"}));
    Face(1, "nat002");
    GO(Say({"菜乃花「……じゃあ。", "　ここから、ぜんぶ、見られますね」"}));
    GO(Say({"菜乃花ちゃんは、テープの山を", "うれしそうに、両手で示した。"}));
  }
  Face(1, "nat005");
  GO(Say({"菜乃花「……お姉ちゃんが、帰ってくるまで、", "　ひとりで起きてるの、いやで」"}));
  GO(Say({"菜乃花「この部屋、広くて。", "　前の家より、ずっと、静かで……」"}));
  GO(Say({"菜乃花「……だから、ありがとう、です。", "　来て、くれて」"}));
  return 0;
}

ScriptResult AnotherNight() {
  Face(1, "nat001");
  switch (studio::Now()) {
    case studio::Period::InBetween:
      if (Flag(kNanokaNights) % 2 == 1) {
        GO(Say({"今夜、テーブルの上にあったのは、", "ビデオテープではなく、動画用紙の束だった。"}));
        Face(1, "nat009");
        GO(Say({"菜乃花「秋葉さんに、失敗したの、", "　もらってきました。裏、使っていいって」"}));
        GO(Say({"菜乃花「家で、練習、しようと思って。", "　……お姉ちゃんが、寝たあとに」"}));
        GO(Say({"ライトボックスのかわりに、", "懐中電灯を、ガラスのテーブルの下に置いた。"}));
        GO(Say({"下から照らされた紙に、", "前の絵と後ろの絵の線が、重なって透ける。"}));
        Voice("na0159");
        GO(Say({"菜乃花「……これで、できる。", "　お金、かからない」"}));
        GO(Say({"その夜は、懐中電灯の電池が切れるまで、", "菜乃花ちゃんの中割りを見ていた。"}));
        break;
      }
      GO(Say({"今夜も、玲那さんは稽古で遅いらしい。", "テーブルの上には、ビデオテープが二本。"}));
      Voice("na0152");
      GO(Say({"菜乃花「今日の、みちるさんの中割り、", "　見てたら……思い出した、映画があって」"}));
      GO(Say({"雨の中を走る男の子の、", "三十秒の長回し。"}));
      GO(Say({"菜乃花「雨の線、一本ずつ、", "　ぜんぶ、手で描いてるんです。……ぜんぶ」"}));
      break;
    case studio::Period::Crunch:
      if (Flag(kNanokaNights) % 2 == 1) {
        GO(Say({"今夜のテーブルには、ビデオテープのかわりに", "町の地図が一枚、広げてあった。"}));
        Face(1, "nat009");
        GO(Say({"菜乃花「……早瀬さんの、走るとこ。", "　ぜんぶ、教えてください」"}));
        GO(Say({"寺門さんの団地。沢渡さんのアパート。", "ツバクロ。ぱらぱら堂。にじます。駅。"}));
        GO(Say({"菜乃花ちゃんは、僕が言うたびに", "地図に赤い丸をつけていった。"}));
        Voice("na0158");
        GO(Say({"菜乃花「駅から、スタジオまで、", "　何歩ですか」"}));
        GO(Say({"陽太「数えたことない」"}));
        GO(Say({"菜乃花「……明日、数えて、きてください。", "　一歩が、一枚、なので」"}));
        GO(Say({"本気の目だった。", "明日、数えることになりそうだった。"}));
        break;
      }
      GO(Say({"スタジオは、お盆前の修羅場だった。",
              "それでも、マンションの窓には明かりがついていた。"}));
      Face(1, "nat005");
      GO(Say({"菜乃花「……疲れて、ますよね。", "　ごめんなさい。……一本だけ」"}));
      GO(Say({"その一本が、二本になって、", "いつのまにか、三本目のテープが回っていた。"}));
      Face(1, "nat009");
      GO(Say({"菜乃花「この爆発、", "　煙が、ぜんぶ、違う形なんです」"}));
      GO(Say({"菜乃花「同じ形を、二回使ったら、", "　楽なのに。……楽しない、人がいたんです」"}));
      GO(Say({"陽太「……寺門さんみたいだ」"}));
      GO(Say({"菜乃花「てらかど、さん？」"}));
      GO(Say({"エフェクトの原画マンで、団地に住んでいて、", "昼まで玄関を開けない人の話をした。"}));
      GO(Say({"菜乃花ちゃんは、目を輝かせて、", "最後まで聞いていた。"}));
      break;
    default:  // the director in hospital
      if (Flag(flag::kNanokaEnding) == 1) {
        GO(Say({"リビングの灯りの下で、", "菜乃花ちゃんが参考書とノートを並べていた。"}));
        Face(1, "nat002");
        Voice("na0157");
        GO(Say({"菜乃花「お姉ちゃん、先に寝てます。", "　……早瀬さんなら、いいって」"}));
        GO(Say({"菜乃花「英単語、二十個やったら、", "　パラパラ、一枚。……そういう、約束」"}));
        GO(Say({"その夜は、英単語を二十個ずつ、", "菜乃花ちゃんに出題する係になった。"}));
        GO(Say({"ご褒美の一枚ごとに、", "紙の束の男の子が、少しずつ坂をのぼっていく。"}));
        break;
      }
      GO(Say(
          {"監督が倒れてから、スタジオは静かだ。", "マンションの窓の明かりだけが、変わらない。"}));
      Face(1, "nat005");
      GO(Say({"菜乃花「監督さん……", "　だいじょうぶ、なんですか」"}));
      GO(Say({"菜乃花「……監督さんの、昔の絵コンテ、", "　見たこと、あるんです。本屋さんで」"}));
      GO(Say({"その夜は、監督の昔の作品を、", "二人で、はじめから終わりまで見た。"}));
      break;
  }
  GO(Say({"菜乃花「……ねえ、早瀬さん。", "　この人たちも、走ってもらってたのかな」"}));
  GO(Say({"陽太「きっとね。袋、抱えて」"}));
  return 0;
}

// 14 August, the sisters' quarrel due: Reina comes home to the flip books.
ScriptResult KeyInTheDoor() {
  GO(Say({"その夜、菜乃花ちゃんはテーブルいっぱいに", "ノートを広げていた。"}));
  Face(1, "nat009");
  GO(Say({"菜乃花「明日……お姉ちゃんに、", "　見せる、順番、決めてて……」"}));
  GO(Say({"菜乃花「いちばん古いのから、か。", "　いちばん、いまのから、か……」"}));
  GO(Say({"二人で、ノートを並べ替えた。", "並べ替えているうちに、時計の針が一時を回った。"}));
  Effect("09");
  GO(Say({"玄関で、鍵の回る音がした。"}));
  Face(1, "nat006");
  GO(Say({"菜乃花「……あ」"}));
  Face(2, "ret006");
  Voice("re0500");
  GO(Say({"玲那「……ただいま。", "　早瀬さん？　こんな時間に……」"}));
  GO(Say({"玲那さんの目が、", "テーブルの上のノートの山で止まった。"}));
  GO(Say({"それから、その一冊の下から", "のぞいている、塾のテキストの、破れていない包装に。"}));
  Face(2, "ret001");
  Voice("re0501");
  GO(Say({"玲那「……菜乃花。これは、何」"}));
  GO(Say({"部屋の空気が、", "一度に、冷たくなった。"}));
  Face(1, "nat005");
  Voice("na0156");
  GO(Say({"菜乃花「……明日、言おうと、思ってたの。", "　ほんとに、明日……」"}));
  Voice("re0502");
  GO(Say({"玲那「塾の先生から、電話があったわ。", "　七月から一度も来ていない、って」"}));
  GO(Say({"玲那「わたしは、収録の合間に、", "　『元気にしています』と答えた」"}));
  GO(Say({"玲那さんの声は、少しも大きくならなかった。", "それが、いちばんこわかった。"}));
  GO(Say({"菜乃花ちゃんの指が、", "いちばん上のノートの角を、ぎゅっとつかんでいた。"}));
  GO(Say({"陽太「玲那さん、あの、それは――」"}));
  Face(2, "ret004");
  Voice("re0503");
  GO(Say({"玲那「早瀬さん。……今は、", "　妹と話をさせてください」"}));
  GO(Say({"静かな声だった。", "一言も、言い返せなかった。"}));
  GO(Say({"菜乃花ちゃんが、ノートを胸に抱えたまま、", "ゆっくり、姉のほうを向いた。"}));
}

// 14 August with no quarrel due: she chooses the morning she will show it.
ScriptResult TheNightBefore() {
  GO(Say({"その夜、菜乃花ちゃんはテーブルいっぱいに", "ノートを広げていた。"}));
  Face(1, "nat009");
  GO(Say({"菜乃花「明日……お姉ちゃん、", "　お休み、なんです」"}));
  GO(Say({"菜乃花「いちばん古いのから見せるか、", "　いちばん、いまのから、か……」"}));
  GO(Say({"二人で、ノートを並べ替えた。", "中学一年の、巨人も狼もまだいなかった一冊から。"}));
  GO(Say({"いちばん最後に、", "作画室で描きはじめた、走る男の子の束。"}));
  GO(Say({"閉じた寝室のドアの向こうから、", "かすかに、玲那さんの声が聞こえていた。"}));
  GO(Say({"同じ台詞を、何度も、何度も。", "少しずつ、言い方を変えて。"}));
  Face(1, "nat005");
  GO(Say({"菜乃花「……お姉ちゃん、毎晩、ああなの。", "　一行を、百回」"}));
  GO(Say({"菜乃花「わたしが、パラパラの一枚を、", "　百回描き直すのと、たぶん、同じ……」"}));
  GO(Say({"菜乃花「……同じだって、", "　いままで、思ったこと、なかった」"}));
  Face(1, "nat009");
  Voice("na0153");
  GO(Say({"菜乃花「……これは、まだ、途中、なのに」"}));
  GO(Choose({"１『途中だから、見せるんだよ』", "２『全部できてからにしたら？』"}));
  if (Picked() == 1) {
    Affection(5) += 1;
    GO(Say({"陽太「途中だから、見せるんだよ。", "　これから描くって、言えるから」"}));
    Face(1, "nat002");
    Voice("na0154");
    GO(Say({"菜乃花「……はい。", "　明日、見せます。ちゃんと、言います」"}));
    GO(Say({"菜乃花「いちばん古いのと、いちばん、いまの。", "　……ふたつだけ」"}));
    GO(Say({"菜乃花ちゃんは、二冊を重ねて、", "テーブルのまんなかに、そっと置いた。"}));
    if (Flag(flag::kReinaMetSisters) == 1 && Flag(nanoka::kObonPromise) == 1 &&
        Flag(nanoka::kStage) >= 3 && Flag(nanoka::kDates) > 0) {
      Flag(flag::kNanokaEnding) = 1;  // the Obon Sunday itself goes to Reina's scene
    }
  } else {
    GO(Say({"陽太「全部できてからにしたら？", "　そのほうが、驚くと思う」"}));
    GO(Say({"言ってから、しまったと思った。", "菜乃花ちゃんの手が、束の上で止まっていた。"}));
    Face(1, "nat005");
    GO(Say({"菜乃花「……そう、ですね。", "　……全部、できてから」"}));
    GO(Say({"菜乃花ちゃんは、ノートを", "ひとつずつ、鞄の底に戻していった。"}));
    GO(Say({"寝室のドアの向こうでは、", "玲那さんの声が、まだ同じ台詞をくり返していた。"}));
  }
  return 0;
}

}  // namespace

ScriptResult sNanokaYoru() {
  core::GameState.route[4].metToday[0] = 1;
  Bg("bg0401n");
  Music("bgm10");
  const bool quarrel = Date() == 814 && Flag(flag::kPair0814) == 1;
  if (quarrel) {
    GO(KeyInTheDoor());
  } else if (Date() == 814) {
    GO(TheNightBefore());
  } else if (Flag(kNanokaNights) == 0) {
    GO(FirstNight());
    Affection(5) += 1;
  } else {
    GO(AnotherNight());
    Affection(5) += 1;
  }
  if (!quarrel) {
    Face(1, "nat007");
    GO(Say({"菜乃花「……あ。もう、こんな時間……", "　駅まで、送ります。……川のほう、通って」"}));
    GO(Say({"送られるのは、こっちのはずだった。"}));
    GO(Say({"エレベーターを降りると、", "夜風が、昼の熱をまだ少しだけ残していた。"}));
    GO(Say({"菜乃花ちゃんは、サンダルをぱたぱた鳴らして、",
            "話の続きをしながら、川のほうへ歩いていく。"}));
  }
  ClearStage();
  if (quarrel) {
    // The sisters' night plays from the hub; it does not pass the river.
    Flag(kNanokaNights) = static_cast<std::uint8_t>(Flag(kNanokaNights) + 1);
  }
  Flag(nanoka::kLastNight) = static_cast<std::uint8_t>(Date() % 100);
  Flag(flag::kTiredMorning) = 1;
  core::GameState.timeSlot = core::kNightOver;
  return Jump("s2wA");
}

}  // namespace story
