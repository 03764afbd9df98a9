// 28 August, after Kumai's question on the roof: he runs for the hill, and
// meets her coming down it, three days before she was due back. Whether she
// crosses the studio's threshold depends on the summer behind them.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/kasumi/kasumi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

// What the desk needs: the night he stayed, the parcel opened, and a summer
// of afternoons on the porch.
bool SheSitsDown() {
  return Flag(flag::kKasumiStayed) == 1 && Flag(flag::kKasumiParcelSeen) == 1 && Affection(7) >= 10;
}

ScriptResult TheLockedGate() {
  Bg("bg0701n");
  GO(Say({"丘の上の家は、真っ暗だった。"}));
  GO(Say({"直したはずの門に、新しい錠前がかかっていた。", "『売約済』の札が、夜風で揺れている。"}));
  if (Flag(flag::kKasumiLeftEarly) == 1) {
    GO(Say({"最後に聞いたのが、あなたでよかった。", "あの人は、そう言っていた。"}));
    GO(Say({"あの晩、坂を下りたとき、", "振り返らなかったことを思い出した。"}));
  } else {
    GO(Say({"この門の向こうで、", "最後の夕方があったのかどうかも知らない。"}));
  }
  GO(Say({"格子のすきまから、庭をのぞいた。", "紫陽花が、暗がりで白く浮かんでいた。"}));
  GO(Say({"出窓に、灯りはつかなかった。"}));
  Music("bgm11");
  GO(Say({"しばらく、門の前に立っていた。", "腕時計を見ると、九時を過ぎていた。"}));
  GO(Say({"誰も、時刻を聞かなかった。"}));
  ClearStage();
  Bg("bg034n");
  GO(Say({"事務所に戻ると、熊井さんが", "何も聞かずに、カット袋を三つ寄こした。"}));
  GO(Say({"あと、二日。", "走る理由は、まだ半分残っていた。"}));
  return 0;
}

ScriptResult TheThreshold() {
  Bg("bg030n");
  GO(Say({"スタジオの前まで来て、", "あの人は足を止めた。"}));
  GO(Say({"二階の作画室の窓に、灯りがついていた。", "ライトボックスの、白い光。"}));
  Face(1, "kat005");
  Voice("ka0225");
  GO(Say({"かすみ「……まだ、みんな描いてるのね」"}));
  GO(Say({"陽太「入りませんか」"}));
  GO(Say({"あの人は、入口の段に片足をかけて、", "それきり、動かなかった。"}));
  Voice("ka0226");
  GO(Say({"かすみ「入ったら、描くでしょう？", "　……わたし、まだ、わからないの」"}));
  GO(Say({"かすみ「描いていいのか。", "　あの机に、座っていいのか」"}));
  GO(Say({"言える言葉が、見つからなかった。", "この夏に、見つけておくべきだった言葉が。"}));
  Face(1, "kat001");
  GO(Say({"かすみ「今、何時？」"}));
  GO(Say({"陽太「……九時、二十分です」"}));
  GO(Say({"かすみ「ありがとう。……お仕事、がんばって」"}));
  NoFace(1);
  GO(Say({"坂のほうへ戻っていく背中を、", "スタジオの灯りの下で見送った。"}));
  GO(Say({"作画室の窓の、白い光。", "あの人は、一度も振り返らなかった。"}));
  return 0;
}

ScriptResult TheDesk() {
  Bg("bg030n");
  GO(Say({"スタジオの前で、あの人は一度だけ", "深く息を吸った。"}));
  Face(1, "kat009");
  Voice("ka0227");
  GO(Say({"かすみ「周平先生の机、まだ空いてる？」"}));
  GO(Say({"陽太「空いてます。鉛筆も、ささったままです」"}));
  Voice("ka0228");
  GO(Say({"かすみ「ラストカットは？」"}));
  GO(Say({"陽太「……まだ、白いままです」"}));
  GO(Say({"陽太「監督が、病院から戻って、", "　『これだけは描けるやつがいねえ』って」"}));
  Face(1, "kat001");
  GO(Say({"かすみ「そう」"}));
  GO(Say({"あの人は、サンダルを脱いで、", "入口の靴箱の、いちばん端に揃えた。"}));
  GO(Say({"三年前、そこが", "あの人の場所だったのかもしれない。"}));
  ClearStage();
  Bg("bg035n");
  GO(Say({"作画室には、みちるさんしか残っていなかった。", "赤鉛筆をくわえて、振り返って――"}));
  GO(Say({"みちるさんの口から、", "赤鉛筆が落ちた。"}));
  GO(Say({"みちる「…………遠峰、さん？」"}));
  Face(1, "kat002");
  Voice("ka0229");
  GO(Say({"かすみ「みちるさん。……作監、", "　似合うって言ったでしょう。昔」"}));
  GO(Say({"みちるさんは、何も言わずに立ち上がって、", "窓ぎわの机のライトボックスをつけた。"}));
  GO(Say({"みちる「ラストカット。カット袋、これ。", "　タイムシートは、監督が秒数だけ入れてる」"}));
  GO(Say({"みちる「……どうぞ」"}));
  ClearStage();
  Bg("KAI011");
  Unlock(7, 10);
  Music("KAm01");
  GO(Say({"あの人は、周平さんの机に座った。"}));
  GO(Say({"鉛筆削りから、短い鉛筆を抜いた。", "指でつまめないくらいに短い、その一本を。"}));
  GO(Say({"しばらく、動かなかった。", "白い動画用紙を、ただ見ていた。"}));
  Effect("32", true);
  GO(Say({"壁の時計の音が、聞こえた。", "チッ、チッ。夜の作画室の、締め切りの音。"}));
  Voice("ka0230");
  GO(Say({"かすみ「……聞こえる」"}));
  GO(Say({"かすみ「でも、いやじゃないわ。……今は」"}));
  StopEffects();
  Effect("10");
  GO(Say({"鉛筆が、紙の上を走った。"}));
  GO(Say({"一本目の線で、わかった。", "郵便受けの包みの、あの線だった。"}));
  GO(Say({"みちるさんが、赤鉛筆を拾って、", "自分の机に戻っていった。"}));
  GO(Say({"背中を向けたまま、", "みちるさんは一度だけ、鼻をすすった。"}));
  Bg("bg035n");
  GO(Say(
      {"夜の十時。", "スタジオの誰かが、そっと作画室をのぞいて、", "何も言わずに戻っていった。"}));
  GO(Say({"三好さんも、庄司さんも。", "熊井さんは、差し入れのおにぎりを",
          "机の端に三つ置いていった。梅と、おかか。"}));
  GO(Say({"夜の十二時。", "あの人は、まだ描いていた。"}));
  Face(1, "kat009");
  Voice("ka0231");
  GO(Say({"かすみ「早瀬くん。今、何時？」"}));
  GO(Say({"はじめて、名前で呼ばれた。"}));
  GO(Say({"陽太「十二時、七分です」"}));
  Face(1, "kat002");
  Voice("ka0232");
  GO(Say({"かすみ「じゃあ、あと六時間。", "　……上がりは、朝の六時。取りに来て」"}));
  GO(Say({"陽太「はい。回収、うかがいます」"}));
  GO(Say({"あの人は、前を向いたまま、小さく笑った。", "鉛筆の音が、また続いた。"}));
  Flag(flag::kKasumiEnding) = 1;
  Affection(7) += 1;
  return 0;
}

}  // namespace

ScriptResult sKasumi0828() {
  kasumi::Meet();
  Music("bgm10");
  Bg("bg014n");
  Effect("07");
  GO(Say({"商店街を抜けて、丘への坂に向かって走った。", "缶コーヒーの味が、まだ口に残っていた。"}));
  if (Flag(flag::kKasumiStayed) != 1) {
    GO(TheLockedGate());
  } else {
    GO(Say({"坂の途中で、足が止まった。"}));
    GO(Say({"上から、誰かが下りてくる。", "生成りのカーディガン。長い髪。小さな鞄がひとつ。"}));
    Face(1, "kat006");
    Voice("ka0220");
    GO(Say({"かすみ「……走ってきたの？」"}));
    GO(Say({"陽太「かすみさん。月末じゃ、", "　なかったんですか」"}));
    Face(1, "kat007");
    Voice("ka0221");
    GO(Say({"かすみ「三日、早く来ちゃった。", "　……なんでだと思う？」"}));
    GO(Say({"陽太「今度は、わかりません」"}));
    Face(1, "kat003");
    Voice("ka0222");
    GO(Say({"かすみ「わたしにも、わからないの。", "　わからないまま、電車に乗ったの」"}));
    GO(Say({"坂の下に、町の灯りが広がっていた。", "そのまんなかに、夕凪動画の灯りもある。"}));
    Face(1, "kat001");
    Voice("ka0223");
    GO(Say({"かすみ「今、何時？」"}));
    GO(Say({"陽太「八時、五十分です」"}));
    GO(Say({"かすみ「じゃあ、まだ誰か起きてるわね。", "　……あそこ」"}));
    GO(Say({"二人で、坂を下りた。", "あの人の足どりは、上りの日よりも速かった。"}));
    GO(Say({"陽太「あの六枚、動画に回りました。", "　監督の伝言は、『重い』でした」"}));
    Face(1, "kat009");
    Voice("ka0224");
    GO(Say({"かすみ「何のこと？」"}));
    GO(Say({"陽太「郵便受けの話です」"}));
    Face(1, "kat007");
    GO(Say({"かすみ「……そう。郵便受けに、", "　よろしく言っておいて」"}));
    GO(Say({"坂の下の踏切が鳴った。", "あの人は、踏切の前で、少しだけ笑った。"}));
    if (SheSitsDown()) {
      GO(TheDesk());
    } else {
      GO(TheThreshold());
    }
  }
  ClearStage();
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
