// The curry night: Koyori, promised an introduction on 28 July, drives Reina
// home from the recording studio and ends up at the sisters' low table. A
// trigger of the hub's night (byte 163), so it clears its own byte first.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace himi {

ScriptResult KoyoriPromise(bool morning) {
  // The night the trigger will fire: after the 12th's recording (whose own
  // night is Kuramae's), never the 14th, which the quarrel may need.
  const std::uint32_t night = Date() + (morning ? 1 : 0);
  if (Flag(kKoyoriPromised) != 1 || Flag(kCurry) != 0 || night < 813 || night == 814) return 0;
  if (!morning && TimeSlot() != core::kEvening) return 0;
  Face(1, "ret001");
  if (morning) {
    GO(Say({"靴をはいていると、玲那さんが台本を一冊、", "鞄に入れるのが見えた。"}));
    Voice("re0438");
    GO(Say({"玲那「今夜は、音蔵で予告編のナレーションです。",
            "　終わるのは、九時を過ぎるでしょう」"}));
  } else {
    GO(Say({"玄関で、玲那さんも靴をはいていた。", "台本の入った鞄を、肩にかけて。"}));
    Voice("re0439");
    GO(Say({"玲那「これから、音蔵で予告編のナレーションを。", "　……駅まで、ご一緒します」"}));
  }
  GO(Say({"ふと、こよりさんとの約束を思い出した。", "いつか紹介します――指切りまでしたのだ。"}));
  GO(Say({"陽太「あの、うちの先輩が、", "　玲那さんの大ファンで。一度会いたいって」"}));
  Face(1, "ret009");
  Voice("re0427");
  GO(Say({"玲那「真柴さん、ですね。録音の日に、", "　ロビーで三回、お辞儀をされました」"}));
  Voice("re0440");
  GO(Say({"玲那「帰りの足をお願いできるなら、", "　そのまま、夕食にお招きします」"}));
  Face(2, "nat002");
  Voice("na0434");
  GO(Say({"菜乃花「……カレー、多めに、作ってある。", "　四人ぶんでも、たぶん、だいじょうぶ」"}));
  GO(Say({"事務所に戻って伝えたら、こよりさんは", "たぶん、ストップウォッチを落とすだろう。"}));
  NoFace(2);
  NoFace(1);
  Flag(flag::kKoyoriWithSisters) = 1;
  Flag(kCurry) = 1;
  return 0;
}

}  // namespace himi

namespace {

using namespace himi;

ScriptResult TheVan() {
  Music("bgm05");
  Bg("bg040n");
  Face(1, "kot003");
  Voice("ko0900");
  GO(Say({"こより「新人くんっ！　白玉号、出すよ！", "　玲那さんを、お送りするの！　わたしが！」"}));
  GO(Say({"夜の九時。事務所に飛び込んできたこよりさんは、", "もう車の鍵を指に引っかけていた。"}));
  GO(Say({"音蔵スタジオで予告編のナレーションを録った",
          "玲那さんを、マンションまで送る。それだけの話だ。"}));
  Face(1, "kot007");
  Voice("ko0901");
  GO(Say({"こより「それだけの話じゃないよ！", "　約束、守ってくれたんだもん……！」"}));
  GO(Say({"白玉号の後部座席で、玲那さんは", "台本を膝に置いて、窓の外を見ていた。"}));
  Face(2, "ret001");
  GO(Say({"玲那「真柴さん。運転、お上手ですね」"}));
  Face(1, "kot006");
  Voice("ko0902");
  GO(Say({"こより「ひゃいっ！　あ、ありがとうござ、", "　ございますっ！」"}));
  GO(Say({"三回噛んだ。", "坂の途中で、白玉号も一回噛んだ。"}));
  GO(Say({"助手席の足もとで、紙袋ががさがさ鳴っている。",
          "商店街の、一個六十円のコロッケ。十二個。"}));
  GO(Say({"陽太「……本当に持ってきたんですか」"}));
  Face(1, "kot004");
  GO(Say({"こより「いちばんおいしいものを持ってくの！", "　進行の礼儀だって、言ったでしょ！」"}));
  NoFace(2);
  NoFace(1);
  return 0;
}

ScriptResult Curry() {
  Music("bgm09");
  Bg("bg0401n");
  Effect("43");
  Face(1, "nat002");
  Voice("na0425");
  GO(Say({"菜乃花「おかえり……なさい。", "　あ、……いらっしゃい、ませ」"}));
  GO(Say({"玄関に、カレーの匂いが満ちていた。", "弱火にかけたまま、姉の帰りを待っていた鍋だ。"}));
  Face(2, "kot006");
  Voice("ko0903");
  GO(Say({"こより「わ……妹さん？　かわいい……", "　あっ、真柴こよりです！　制作進行ですっ！」"}));
  GO(Say({"低いテーブルに、皿が四つ並んだ。", "座布団は、いつの間にか四枚に増えていた。"}));
  GO(Say({"カレーの上に、コロッケがひとつずつ載った。",
          "菜乃花ちゃんが、目を丸くしてそれを見ている。"}));
  GO(Say({"こよりさんは最初の一口で黙り、", "二口めで泣きそうな顔になった。"}));
  Voice("ko0904");
  GO(Say({"こより「……おいしい。", "　三日ぶりの、お米……」"}));
  Face(1, "ret002");
  Voice("re0428");
  GO(Say({"玲那「スタジオの皆さんは、", "　何を食べて生きているんですか」"}));
  Voice("ko0905");
  GO(Say({"こより「カップ麺と、麦茶と、締め切りです！」"}));
  GO(Say({"菜乃花ちゃんが、スプーンをくわえたまま笑った。", "玲那さんも、つられて笑った。"}));
  NoFace(1);
  Face(1, "nat009");
  GO(Say({"食後、こよりさんの目が、", "テレビの横に積まれたノートに止まった。"}));
  if (!Seen(kResolved)) {
    GO(Say({"隅が、鉛筆で真っ黒だ。", "こよりさんは、何の気なしに一冊を手に取った。"}));
    Effect("09");
    GO(Say({"親指が角にかかる。", "ぱらぱらと、小さな男の子が走り出した。"}));
    GO(Say({Film("段ボールの巨人の手を引いて。", "霧の中の狼を追いかけて。"),
            "手には、見覚えのある茶色い袋を抱えている。"}));
    Face(2, "kot006");
    Voice("ko0906");
    GO(Say({"こより「これ……カット袋！？", "　この子、制作進行だ！」"}));
    Face(1, "nat006");
    GO(Say({"菜乃花ちゃんが、すごい速さでノートを取り返した。", "胸に抱えて、首を横に振る。"}));
    Voice("na0450");
    GO(Say({"菜乃花「……ただの、落書き、です」"}));
    GO(Say({"台所で、皿を洗う水の音が", "一瞬だけ止まって、また流れ出した。"}));
    GO(Say({"玲那さんは、振り向かなかった。", "聞こえなかったふりが、妹よりも上手い。"}));
    Face(2, "kot005");
    GO(Say({"こより「……ごめんね。勝手に」"}));
    GO(Say({"こよりさんは、小声でそう言って、", "残りのコロッケを、菜乃花ちゃんの皿に載せた。"}));
    NoFace(2);
    NoFace(1);
    return 0;
  }
  GO(Say({"隅が、鉛筆で真っ黒だ。", "菜乃花ちゃんは、もう隠さなかった。"}));
  Voice("na0426");
  GO(Say({"菜乃花「……見ますか。パラパラ」"}));
  Effect("09");
  GO(Say({"こよりさんが親指をかける。", "ぱらぱらと、小さな男の子が走り出した。"}));
  GO(Say({Film("段ボールの巨人の手を引いて。", "霧の中の狼を追いかけて。"),
          "手には、見覚えのある茶色い袋を抱えている。"}));
  Face(2, "kot006");
  Voice("ko0906");
  GO(Say({"こより「これ……カット袋！？", "　この子、制作進行だ！」"}));
  Face(1, "nat007");
  GO(Say({"菜乃花「……モデルが、いるので」"}));
  GO(Say({"三人の目が、いっせいに僕を見た。", "逃げ場がなかった。"}));
  Face(2, "kot002");
  Voice("ko0907");
  GO(Say({"こより「新人くん、愛されてるねえ。", "　……ちゃんと、走ってる絵だよ。これ」"}));
  GO(Say({"こより「走ってる人の絵は、走ったことある人しか",
          "　描けないの。みちるさんの受け売りだけど」"}));
  NoFace(1);
  Face(1, "ret001");
  GO(Say({"玲那さんは、黙ってそのノートを受け取った。", "一度めくって、もう一度めくった。"}));
  GO(Say({"玲那「……菜乃花。", "　これ、わたしにも一冊、もらえる？」"}));
  GO(Say({"菜乃花ちゃんは、返事の代わりに", "何度も、何度もうなずいた。"}));
  NoFace(2);
  NoFace(1);
  return 0;
}

ScriptResult Home() {
  Bg("bg040n");
  Music("bgm10");
  Face(1, "kot002");
  GO(Say({"帰りの白玉号で、こよりさんは", "ずっとハンドルを指で叩いていた。"}));
  Voice("ko0908");
  GO(Say({"こより「ねえ、新人くん。", "　あの二人の真ん中に、きみ、座ってたね」"}));
  Voice("ko0909");
  GO(Say({"こより「制作進行って、そういう仕事だよ。", "　……わたしも、今日、ちょっとだけ座れた」"}));
  Face(1, "kot007");
  GO(Say({"こより「それに、玲那さん、わたしのこと", "　『真柴さん』って呼んでくれた……」"}));
  GO(Say({"こより「十年ぶんのファンレターに、", "　まとめてお返事もらった気分」"}));
  GO(Say({"陽太「玲那さん、コロッケ三つ食べてましたよ」"}));
  Face(1, "kot006");
  GO(Say({"こより「うそ、見てなかった！", "　何分で食べたか、計っとけばよかった……！」"}));
  Face(1, "kot002");
  GO(Say({"信号が青に変わった。", "こよりさんは、鼻歌まじりにアクセルを踏んだ。"}));
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sHimiKoyori() {
  Flag(flag::kKoyoriWithSisters) = 0;
  Flag(kCurry) = 2;
  MeetBoth();
  GO(TheVan());
  GO(Curry());
  GO(Home());
  Closer();
  Affection(1) = static_cast<std::uint8_t>(Affection(1) + 1);
  Trust();
  // The evening went to the curry: the day ends at the flat's low table.
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
