// The convenience store around the corner (map place 18): Hinako at the till.
// She reads the studio's deadline from its shopping, so each period of the
// summer shows at her counter; the night, the portfolio and the dawn with the
// layout paper are scenes of their own, reached from here by the hour and the
// route's progress.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// A visit uses its slot and closes the store on the map until tomorrow.
ScriptResult Leave(bool close) {
  Flag(flag::kHinakoMetToday) = 1;
  if (close) Affection(6) += 1;
  if (close) Flag(hinako::kVisits) += 1;
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

bool SeenBit(int bit) {
  return (Flag(hinako::kDaySeen) & (1u << bit)) != 0;
}

void MarkBit(int bit) {
  Flag(hinako::kDaySeen) = static_cast<std::uint8_t>(Flag(hinako::kDaySeen) | (1u << bit));
}

// Real evenings at the till before she trusts him with the portfolio.
constexpr std::uint8_t kTrustVisits = 5;
// Bit of kDaySeen for the college forms; bits 0-3 are the periods.
constexpr int kFormsBit = 4;
// Bit of kDaySeen for the talk about the sea in the director's week.
constexpr int kSeaTalkBit = 7;

// The summer has moved past her: no sea by the director's collapse, or the
// portfolio laughed at, waved away or never shown.
bool PastHer() {
  const std::uint8_t portfolio = Flag(hinako::kPortfolio);
  return (Date() >= 816 && Flag(flag::kHinakoStage) == 0) || portfolio >= 2 || Date() >= 823;
}

// Bits of kMoreSeen for the second scene of the first three periods; bit 0
// is the night of the walk.
constexpr int kSecondSceneBit[3] = {1, 2, 3};

bool MoreSeen(int bit) {
  return (Flag(hinako::kMoreSeen) & (1u << bit)) != 0;
}

void MarkMore(int bit) {
  Flag(hinako::kMoreSeen) = static_cast<std::uint8_t>(Flag(hinako::kMoreSeen) | (1u << bit));
}

void Enter() {
  Bg(ByTime("bg071"));
  Effect("48");
  Bg(ByTime("bg070"));
}

ScriptResult FirstDinner() {
  Enter();
  Music("HIm01");
  const bool daylight = TimeSlot() == core::kMorning || TimeSlot() == core::kAfternoon;
  if (daylight) {
    GO(Say({"徹夜明けの頭で、コンビニへ。", "ゆうべ熊井さんに『晩飯は自分で調達しろ』と",
            "言われたまま、食べそびれていた。"}));
  } else {
    GO(Say({"スタジオの角を曲がって、コンビニへ。", "事務所を出るとき、熊井さんに",
            "『晩飯は自分で調達しろ』と言われた。"}));
  }
  GO(Say({"自動ドアが開いた、その瞬間だった。"}));
  ClearStage();
  Bg("HII001");
  Unlock(6, 0);
  Voice("hi0100");
  GO(Say({"ひなこ「はい、進行くん。のり弁、温めといたよ」"}));
  GO(Say(
      {"レジの向こうで、七尾ひなこが", "湯気の立つ弁当を両手で持って、", "にやっと笑っていた。"}));
  GO(Say({"まだ、ひとことも口をきいていない。", "かごも持っていない。"}));
  GO(Say({"陽太「……なんで、のり弁」"}));
  if (daylight) {
    GO(Say({"ひなこ「徹夜明けの夕凪さんの人はね、", "　朝でも晩ごはんなの。新人くんは、",
            "　高いのを選べない。だから、のり弁」"}));
  } else {
    GO(Say({"ひなこ「この時間に夕凪さんの人が来たら、", "　晩ごはん。新人くんは、高いのを",
            "　選べない。だから、のり弁」"}));
  }
  Voice("hi0101");
  GO(Say({"ひなこ「それと、お茶。麦茶じゃなくて緑茶ね。",
          "　麦茶は監督さんの、ってみんな遠慮するから", "　進行くんも、もう遠慮してるでしょ」"}));
  GO(Say({"図星だった。", "事務所の冷蔵庫の麦茶には、", "まだ一度も手をつけていない。"}));
  Bg(ByTime("bg070"));
  Face(1, "hit003");
  GO(Say({"ひなこ「四百三十円になりまーす。", "　あ、おはしは二膳入れとくね。",
          "　どうせ一膳、机で折るから」"}));
  GO(Say({"陽太「折りませんよ」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「折るんだって。熊井さんも、こよりちゃんも、", "　最初の週は毎晩折ってた。",
          "　鉛筆の代わりに、耳にはさんで寝るから」"}));
  Effect("47");
  GO(Say({"レジが鳴った。", "レシートの裏には、ボールペンで", "小さな熊の絵が描いてあった。"}));
  GO(Say({"陽太「これ、熊井さん？」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「ちがいまーす。ただの熊でーす。", "　ほら、冷めるよ。行った行った」"}));
  GO(Choose({"１『また来ます』", "２『明日は自分で選びます』"}));
  if (Picked() == 1) {
    Face(1, "hit002");
    Voice("hi0102");
    GO(Say(
        {"ひなこ「うん、来て。", "　進行くんの晩ごはん、この夏は", "　わたしが面倒見てあげる」"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「言ったね？　明日、のり弁以外を", "　持ってきたら、百円あげる」"}));
    GO(Say({"……次の晩、結局のり弁を持っていって、", "笑われることになる。"}));
  }
  ClearStage();
  Bg(ByTime("bg071"));
  GO(Say({"弁当の袋を提げて、角を曲がる。", "ふり返ると、ガラスの向こうで",
          "彼女がひらひらと手を振っていた。"}));
  return Leave(true);
}

// Before 1 August: the key animation is late, and the till knows it first.
ScriptResult KeysLate() {
  Enter();
  Music("bgm07");
  Face(1, "hit009");
  GO(Say({"レジの前で、ひなこが", "腕を組んで、こっちを見ていた。"}));
  Voice("hi0103");
  GO(Say({"ひなこ「進行くん。原画、遅れてるでしょ」"}));
  GO(Say({"陽太「……なんで分かるの」"}));
  GO(Say({"ひなこ「きのうの夜中、三好さんが目薬を二個買った。",
          "　けさは熊井さんが胃薬。それから、", "　監督さんの麦茶が、一本から三本になった」"}));
  GO(Say({"ひなこ「麦茶が三本の日はね、", "　監督さんが自分で原画を直してる日」"}));
  GO(Say(
      {"当たっていた。", "寺門さんの上がりが二日遅れて、", "監督が朝から机にかじりついている。"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「はい、これ。熊井さんのぶん、", "　大盛り二個。持ってってあげて」"}));
  GO(Say({"陽太「頼まれてないけど」"}));
  GO(Say({"ひなこ「頼まれる前に持ってくのが、", "　進行くんのお仕事でしょ」"}));
  GO(Say({"……確かに、熊井さんは", "いつも、言う前に動けと言う。"}));
  GO(Say({"レジ横のメモ帳に、また落書きがあった。", "鉛筆を耳にはさんで、机に突っ伏した",
          "男の人の、後ろ頭。"}));
  GO(Choose({"１『その絵、三好さん？』", "２『黙って袋を受け取る』"}));
  if (Picked() == 1) {
    Face(1, "hit007");
    GO(Say({"ひなこ「……ひまつぶし。夜中、暇なの。", "　見ないでよ、へたくそなんだから」"}));
    GO(Say({"へたくそではなかった。", "寝ぐせの一本まで、三好さんだった。"}));
    GO(Say({"メモ帳は、またさっと裏返された。"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「よろしい。", "　原画、早く上がるといいね」"}));
  }
  return Leave(true);
}

// 2-7 August: the in-betweens begin, and she knows more than she lets on.
ScriptResult InBetween() {
  Enter();
  Music("HIm01");
  Face(1, "hit001");
  if (Flag(hinako::kPlush) == 1) {
    GO(Say({"ひなこ「あ、監督さんの人形、元気？」"}));
    GO(Say({"陽太「机の上で、みんなに拝まれてる。", "　熊井さんが、毎朝お茶を供えてる」"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「あはは！　ご利益あるといいね」"}));
  }
  GO(Say({"棚の前で、ひなこが", "消しゴムの箱を数えていた。"}));
  Voice("hi0104");
  GO(Say({"ひなこ「今週から、消しゴムが売れるの。", "　あと、シャーペンの芯。０．３の、Ｂ」"}));
  GO(Say({"ひなこ「原画が上がって、動画に入ったんでしょ」"}));
  GO(Say({"陽太「……ほんとに、なんでも分かるね」"}));
  GO(Say({"陽太「動画っていうのは、原画と原画の間を", "　一枚ずつ描いて、",
          "　動きをつなげる仕事で……」"}));
  Face(1, "hit009");
  GO(Say(
      {"ひなこ「中割りでしょ。", "　タイムシートの指示どおりに、", "　線をきれいに清書して……」"}));
  GO(Say({"そこまで言って、ひなこは口を閉じた。"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……って、テレビでやってた。", "　アニメのできるまで、みたいなやつ」"}));
  GO(Choose({"１『くわしいね』", "２『テレビ、すごいな』"}));
  if (Picked() == 1) {
    GO(Say({"ひなこ「くわしくないよ。", "　聞きかじり。全部、聞きかじり」"}));
    GO(Say({"消しゴムの箱が、少し乱暴に", "棚に押しこまれた。"}));
    GO(Say({"それ以上は、訊けなかった。"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「でしょ。テレビはすごいの」"}));
    GO(Say({"ほっとしたように笑って、", "ひなこはレジに戻っていった。"}));
  }
  Face(1, "hit002");
  GO(Say({"ひなこ「はい、今日のぶん。", "　秋葉さんと徳永さんに、芯を一本ずつ。",
          "　おまけって言っといて」"}));
  return Leave(true);
}

// 9-15 August: the crunch, after the festival night on the roof.
ScriptResult Crunch() {
  Enter();
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"栄養ドリンクの棚が、からっぽだった。"}));
  Voice("hi0105");
  GO(Say({"ひなこ「夕凪さんの人が、ぜんぶ買ってった。", "　撮影も始まるんでしょ。仕上げの人たち、",
          "　目の下、まっ黒だったよ」"}));
  if (Flag(flag::kHinakoSketchbook) == 1) {
    GO(Say({"お祭りの夜のことは、", "どちらからも言い出さなかった。"}));
    GO(Say({"ただ、レジ横のメモ帳が、", "いつのまにか、新しいものに替わっていた。",
            "まだ、何も描かれていない。"}));
    if (Flag(flag::kHinakoStage) == 1) {
      Face(1, "hit002");
      Voice("hi0106");
      GO(Say({"ひなこ「日曜日、晴れるって。", "　ちゃんと寝てから来てよ。",
              "　海で倒れたら、砂に埋めるからね」"}));
      GO(Say({"陽太「埋めないで」"}));
      Face(1, "hit003");
      GO(Say({"ひなこ「首から上は出しといてあげる」"}));
    } else {
      Face(1, "hit005");
      GO(Say({"ひなこ「……海、いいよ。忙しいもんね。", "　わたしも、言ってみただけだし」"}));
      GO(Say({"笑っていたけれど、", "目は、こっちを見ていなかった。"}));
      GO(Choose({"１『日曜、やっぱり行こう』", "２『……ごめん』"}));
      if (Picked() == 1) {
        Flag(flag::kHinakoStage) = 1;
        Flag(hinako::kSeaDeclined) = 0;
        Face(1, "hit006");
        GO(Say({"ひなこ「……え」"}));
        GO(Say({"陽太「日曜は、スタジオも休みだから。", "　熊井さんに、寝てこいって言われてる」"}));
        Face(1, "hit003");
        Voice("hi0109");
        GO(Say({"ひなこ「寝てこい、って言われて、", "　海に行く人、初めて見た」"}));
        GO(Say({"ひなこ「……うん。行こ。", "　取り消しは、もう受けつけないからね」"}));
      } else {
        GO(Say({"ひなこ「あやまることじゃないよ。", "　はい、おにぎり。鮭と、昆布」"}));
      }
    }
  } else {
    GO(Say({"ひなこ「進行くん、最近、来る時間が", "　ばらばら。ちゃんと食べてる？」"}));
    GO(Say({"陽太「食べてる。……たぶん」"}));
    Face(1, "hit004");
    GO(Say({"ひなこ「たぶん、はだめ。", "　はい、おにぎり二個。鮭と、昆布」"}));
  }
  GO(Choose({"１『ドリンク、まだ裏にある？』", "２『今日は、お茶だけでいい』"}));
  if (Picked() == 1) {
    Face(1, "hit004");
    GO(Say({"ひなこ「あるけど、進行くんには売らない」"}));
    GO(Say({"ひなこ「あれは、寝ないための前借り。", "　返すとき、利子がすごいんだから」"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「えらい。ごほうびに、", "　麦茶じゃない緑茶を一本」"}));
  }
  return Leave(true);
}

// 16-21 August: the director in hospital; the till feels it too.
ScriptResult Hospital() {
  Enter();
  Music("bgm05");
  Face(1, "hit005");
  Voice("hi0107");
  GO(Say({"ひなこ「……監督さん、倒れたんだって？」"}));
  GO(Say({"陽太「うん。中央病院。", "　しばらく入院だって」"}));
  GO(Say({"ひなこ「けさ、麦茶が一本も売れなかったの。", "　それで、なんかあったって思った」"}));
  GO(Say({"冷蔵ケースの麦茶が、", "きれいに並んだままだった。"}));
  Face(1, "hit009");
  GO(Say({"ひなこは、レシートのロール紙を", "くるくると引き出して、",
          "ボールペンを走らせはじめた。"}));
  Effect("10");
  GO(Say({"病院のベッドで、鼻からため息を出して", "ふてくされている、白い角刈りの男。",
          "枕もとに、麦茶が三本。"}));
  GO(Say({"陽太「……似てる。すごく」"}));
  if (Flag(hinako::kPlush) == 1) {
    GO(Say({"陽太「机の監督人形が、", "　いま、監督の代わりをしてる。",
            "　熊井さんが、毎朝報告してる」"}));
    GO(Say({"ひなこ「……やだ、泣けてくる」"}));
  }
  Face(1, "hit007");
  GO(Say({"ひなこ「お見舞い。渡さなくていいけど。", "　……やっぱり、渡して。",
          "　わたしが描いたって、言わないで」"}));
  GO(Choose({"１『言わない。でも、もったいない』", "２『分かった』"}));
  if (Picked() == 1) {
    GO(Say({"ひなこ「もったいなくないの。", "　レシートの裏だよ。捨てるとこだよ」"}));
    GO(Say({"そう言いながら、", "彼女は紙の端を、", "ていねいに折り目どおりに切った。"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「うん。進行くんの、そういうとこ好き」"}));
    GO(Say({"……さらっと言われて、", "釣り銭を落としそうになった。"}));
  }
  return Leave(true);
}

// A second morning of the first week: the end of her shift, and the bread
// that expires today.
ScriptResult ShiftEnd() {
  Bg("bg071y");
  Effect("16");
  Music("bgm09");
  GO(Say({"朝の六時前。", "徹夜明けの頭で、角を曲がった。"}));
  Bg("bg070y");
  Effect("48");
  Face(1, "hit008");
  GO(Say({"ひなこ「……あー、進行くん。おはよ。", "　それとも、おやすみ？」"}));
  GO(Say({"レジの中で、ひなこが", "大きなあくびをかみ殺していた。",
          "ヘアピンが、二本ほど外れかけている。"}));
  GO(Say({"陽太「いま、上がり？」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「あと十分。朝の人と交代するの。", "　わたしの一日は、いまから寝るところ」"}));
  GO(Say({"ひなこは、パンの棚から", "袋をいくつか抜いて、レジに置いた。"}));
  Voice("hi0113");
  GO(Say({"ひなこ「はい、これ。今日の六時で期限切れ。", "　捨てるやつだから、内緒でね」"}));
  GO(Say({"ひなこ「夕凪さんの机に置いとけば、", "　十分でなくなるよ。",
          "　朝の作画室は、鳩より速いから」"}));
  GO(Choose({"１『ちゃんと買う』", "２『ありがたく、もらう』"}));
  if (Picked() == 1) {
    Face(1, "hit004");
    GO(Say({"ひなこ「まじめか。", "　……じゃあ、牛乳だけ買って。それでいい」"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「よろしい。進行くんは、", "　もらえるものをもらう係」"}));
  }
  GO(Say({"パンの袋を抱えて、外に出た。", "通りの向こうで、新聞屋のバイクが",
          "最後の一軒に向かっていた。"}));
  GO(Say({"ふり返ると、ひなこは", "朝の人にエプロンを渡して、", "ゆっくり伸びをしていた。"}));
  return Leave(true);
}

// The first week of in-betweens: an evening shower, and she knows how a
// cut bag must be wrapped before it goes out into the rain.
ScriptResult RainDay() {
  Enter();
  Music("bgm07");
  Effect("17");
  GO(Say({"夕立だった。", "店に飛びこんだときには、", "シャツの背中がびしょびしょだった。"}));
  Face(1, "hit006");
  GO(Say({"ひなこ「進行くん！　それ、カット袋？", "　ぬれてない？」"}));
  GO(Say({"胸に抱えていたのは、", "ぱらぱら堂へ届ける原画の束だった。",
          "袋の角が、少し湿っている。"}));
  Face(1, "hit009");
  GO(Say({"ひなこは、レジの下から", "大きなごみ袋を二枚と、", "ガムテープを出してきた。"}));
  GO(Say({"ひなこ「貸して。中は、さわらないから」"}));
  GO(Say({"カット袋をごみ袋でくるんで、", "口を二回折って、テープで留める。",
          "その上から、もう一枚。"}));
  Voice("hi0114");
  GO(Say({"ひなこ「折り目は、下に向けるの。", "　上に向けると、そこから雨が入る。",
          "　紙は、角から吸うからね」"}));
  GO(Say({"陽太「……なんで、そんなことまで」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「前に、熊井さんが教えてくれたの。", "　雨の夜、ここで同じことしてた。",
          "　まだ、熊井さんが進行くんだったころ」"}));
  GO(Say({"ひなこ「……って、前の店員さんが言ってた。", "　わたしは、見てただけ」"}));
  GO(Choose({"１『見てただけで、覚えたの』", "２『助かった。ありがとう』"}));
  if (Picked() == 1) {
    Face(1, "hit007");
    GO(Say(
        {"ひなこ「……見て覚えるのは、得意なの。", "　昔、そういう練習、", "　いっぱいしたから」"}));
    GO(Say({"それ以上は言わずに、", "ひなこはビニール傘を一本、", "こっちに突き出した。"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「どういたしまして。", "　傘は、貸し。袋は、サービス」"}));
  }
  GO(Say({"ぱらぱら堂に着いたとき、", "原画の束は、一枚もぬれていなかった。"}));
  return Leave(true);
}

// The crunch: a painted cel slipped out of his bag at the till, and she
// kept it the way a painter would.
ScriptResult LostCel() {
  Enter();
  Music("bgm05");
  Face(1, "hit009");
  GO(Say({"ひなこ「進行くん、待ってた。", "　ゆうべ、これ、落としてったでしょ」"}));
  GO(Say({"ひなこが、レジの下から", "平たいボール紙の箱を出した。",
          "中に、セルが一枚、寝かせてあった。"}));
  GO(Say({"仕上がったセルだった。", "左上に、Ｃ－１１２。", "顔を上げる女の子の、三枚目。"}));
  GO(Say(
      {"背中が冷たくなった。", "ゆうべ、撮影所に渡した袋から、", "一枚、抜けていたことになる。"}));
  Voice("hi0115");
  GO(Say({"ひなこ「床に落ちてたの。", "　絵の具の面は、下にしてなかったから、",
          "　たぶん、傷はついてない」"}));
  GO(Say({"ひなこ「ふちだけ持って、箱に入れた。", "　上に紙をのせると、くっつくから、",
          "　なにものせてない」"}));
  GO(Say({"陽太「……どうして、そんなこと」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……テレビで、やってたの」"}));
  GO(Say({"またテレビだった。", "でも、今日は笑えなかった。"}));
  GO(Choose({"１『テレビじゃないよね』", "２『ありがとう。撮影所に走る』"}));
  if (Picked() == 1) {
    Face(1, "hit005");
    GO(Say({"ひなこ「……いまは、言わない」"}));
    GO(Say({"ひなこ「言ったら、", "　いろいろ、思い出しちゃうから。", "　ほら、撮影所。急いで」"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「うん。走って。", "　転んでも、箱は水平にね」"}));
  }
  ClearStage();
  Bg(ByTime("bg059"));
  GO(Say({"八ツ目撮影の鵜飼さんは、", "箱を開けて、しばらくセルを見ていた。"}));
  GO(Say({"撮影は、まだそのカットに", "たどり着いていなかった。",
          "一時間、遅かったら、撮り直しだった。"}));
  return Leave(true);
}

// The week after the sea: her new sketchbook hangs by the till, full of the
// studio's people, and she has been studying how he walks.
ScriptResult AfterSea() {
  Enter();
  Music("HIm01");
  Face(1, "hit002");
  GO(Say({"レジの横に、海で見た小さなスケッチブックが", "ひもで吊るしてあった。",
          "表紙に『さわらないでください』。"}));
  GO(Say({"ひなこ「見ていいよ。進行くんは、特別」"}));
  GO(Say({"ページをめくると、", "見覚えのある背中が、次々に出てきた。"}));
  GO(Say({"大盛り弁当を二個提げた、大きな背中。", "ストップウォッチを首から下げて、",
          "自転車にまたがる女の人。"}));
  GO(Say({"編み棒を持ったまま、", "電話の受話器を肩にはさんでいる人。"}));
  GO(Say({"陽太「熊井さん。こよりさん。社長。", "　……全部、分かる」"}));
  Face(1, "hit003");
  Voice("hi0111");
  GO(Say({"ひなこ「でしょ。レジから見てると、", "　みんな、買い物の顔しかしないの。",
          "　だから、背中で描くの」"}));
  GO(Say({"最後のページに、", "カット袋を抱えて走っていく男が、",
          "四人、少しずつずれて並んでいた。"}));
  GO(Say({"陽太「これ、自分？」"}));
  Face(1, "hit009");
  GO(Say({"ひなこ「進行くんはね、", "　前に倒れながら歩くの。", "　止まったら転ぶ人の歩き方」"}));
  GO(Say({"ひなこ「ほかの人は、一歩が十二コマ。", "　進行くんは、十コマ。いつも急いでる」"}));
  GO(Choose({"１『熊井さんにも、止まるなって言われた』", "２『……転ばないように、気をつける』"}));
  if (Picked() == 1) {
    Face(1, "hit002");
    GO(Say({"ひなこ「うん。止まらないのは、いいの。", "　でもね、たまに、こうやって",
            "　レジの前で立ち止まって」"}));
    GO(Say({"ひなこ「そしたら、ちゃんと描けるから」"}));
  } else {
    Face(1, "hit007");
    GO(Say(
        {"ひなこ「転んだら、", "　ここまで這ってくればいいよ。", "　のり弁、温めといてあげる」"}));
  }
  GO(Say({"スケッチブックは、また、", "レジの横のひもに戻された。",
          "さっきより、少しだけ重そうだった。"}));
  return Leave(true);
}

// Obon went by without the sea: she asks once more, for the last Sunday.
ScriptResult SeaMissed() {
  Enter();
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"ひなこ「……日曜、来なかったね」"}));
  GO(Say({"責める声ではなかった。", "レジの横に、保冷バッグが", "たたんで置いてあった。"}));
  GO(Say({"ひなこ「おにぎり八個、", "　ひとりで食べたよ。三個、鳩にあげた」"}));
  GO(Say({"陽太「ごめん。スタジオで、", "　どうしても外せないことがあって」"}));
  Face(1, "hit009");
  Voice("hi0112");
  GO(Say({"ひなこ「うん。夕凪さんの人だもん、", "　そういう日もあるよね」"}));
  GO(Say({"ひなこ「二十二日。夏の、最後の日曜。", "　……それで来なかったら、",
          "　もう誘わない。約束する」"}));
  GO(Choose({"１『行く。今度は、必ず』", "２『……約束できない』"}));
  if (Picked() == 1) {
    Face(1, "hit002");
    GO(Say({"ひなこ「言ったね。二回目だから、", "　今度はレシート、もらっとく」"}));
    GO(Say({"ひなこは、レシートの裏に", "『２２日　７時　ホーム』と書いて、",
            "こっちの胸ポケットに差しこんだ。"}));
    return Leave(true);
  }
  Flag(flag::kHinakoStage) = 0;
  Face(1, "hit005");
  GO(Say({"ひなこ「……そっか」"}));
  GO(Say({"ひなこは、保冷バッグを", "レジの下の棚に、しまった。"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「正直で、えらいね。", "　はい、のり弁。いってらっしゃい」"}));
  return Leave(false);
}

// The sea never came, or the portfolio was met badly or never shown: the
// clerk is kind, and nothing more.
ScriptResult MovedOn() {
  Enter();
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"ひなこ「いらっしゃいませー。", "　あ、進行くん。おつかれさま」"}));
  const std::uint8_t portfolio = Flag(hinako::kPortfolio);
  if (portfolio == 2) {
    GO(Say({"あの日のことは、もう話に出なかった。", "ファイルは、どこにも見えなかった。"}));
    GO(Say({"ひなこ「最終週でしょ？　がんばってね。", "　わたしは、ほら、レジ打つだけだから」"}));
  } else if (portfolio == 3) {
    GO(Say({"レジの下の棚の、割り箸の箱は、", "あの日から動いていなかった。"}));
    GO(Say({"ひなこ「ラッシュ、どうだった？", "　……って、店員が訊くことじゃないか」"}));
  } else if (Flag(flag::kHinakoSketchbook) == 1 && Date() < 823) {
    GO(Say({"ひなこ「お盆、どこか行った？", "　わたしはね、ずっとレジ」"}));
    GO(Say({"屋根の上の段ボール箱のことは、", "訊けなかった。",
            "ブルーシートは、たぶん元のままだ。"}));
  } else {
    GO(Say({"ひなこ「最終週でしょ？", "　熊井さん、おにぎりの棚ごと買ってった」"}));
    GO(Say({"ひなこは、前と同じように笑った。", "前と同じ、のり弁と緑茶。"}));
  }
  GO(Say({"レジ横のメモ帳は、白いままだった。"}));
  if (Date() >= 823 && portfolio != 2) {
    GO(Say({"レジの横の壁に、", "アルバイト募集の貼り紙があった。", "『夜勤できる方　急募』。"}));
    GO(Say({"ひなこ「あ、それ？　わたしの代わりじゃないよ。", "　わたしは、ずっとここ。",
            "　夜勤、好きだから」"}));
    GO(Say({"好きだから、の声が、", "少しだけ、軽すぎた。"}));
  }
  Effect("47");
  GO(Say({"ひなこ「ありがとうございましたー」"}));
  GO(Say({"店員と客の声だった。", "それ以上のことは、", "自分で手放したのかもしれない。"}));
  return Leave(false);
}

// The portfolio was met, and the dawn is still to come: she says when.
ScriptResult NotYetDawn() {
  Enter();
  Face(1, "hit002");
  GO(Say({"ひなこ「進行くん、昼間に来ても、", "　わたし、もうすぐ上がりだよ」"}));
  GO(Say({"目の下が、少し青かった。", "夜勤のあと、家で七枚目を", "描こうとしているらしかった。"}));
  Face(1, "hit009");
  GO(Say({"ひなこ「うちの紙、コピー用紙しかないの。", "　消しゴムかけたら、穴があいちゃった」"}));
  if (Date() >= 829) {
    GO(Say({"ひなこ「明日で、夕凪さんの夏、", "　終わりなんでしょ。",
            "　……今夜、遅くなってもいいから」"}));
  } else {
    GO(Say({"ひなこ「……明け方なら、いる。", "　六時の、上がりの前。来るなら、その時間」"}));
  }
  return Leave(false);
}

// After the dawn with the layout paper: she fills in the college's forms at the till.
ScriptResult Forms() {
  Enter();
  Music("HIm01");
  Face(1, "hit002");
  GO(Say({"レジの台の上に、大学の封筒が", "広げてあった。再入学の申請書。"}));
  Voice("hi0108");
  GO(Say({"ひなこ「あ、見た？　見たね。", "　……いいよ、見ても。もう隠さない」"}));
  GO(Say({"ひなこ「志望理由って欄がね、", "　四行しかないの。どう書いても、はみ出す」"}));
  GO(Choose({"１『アニメが好きだから、でいい』", "２『四行に収まるまで、削る』"}));
  if (Picked() == 1) {
    Face(1, "hit003");
    GO(Say({"ひなこ「……一行で終わっちゃった。", "　残り三行、絵、描いとこうかな」"}));
  } else {
    Face(1, "hit009");
    GO(Say({"ひなこ「進行くんっぽい。尺に収めろ、でしょ。", "　……やってみる」"}));
  }
  GO(Say({"のり弁を温めるあいだ、", "ひなこのボールペンは、ずっと動いていた。"}));
  GO(Say(
      {"奥の事務所から、福原さんが", "シフト表を手に出てきた。", "眼鏡を、おでこに上げている。"}));
  GO(Say({"福原「七尾くん。九月からの夜勤だがね、", "　金曜と土曜だけにしておいた。",
          "　平日は、学校があるんだろう」"}));
  Face(1, "hit006");
  GO(Say({"ひなこ「……店長、まだ受かってないよ」"}));
  GO(Say({"福原「受かるよ。", "　冷やし中華の猫を描いた子だ」"}));
  GO(Say({"それだけ言って、福原さんは", "シフト表を壁に貼り、奥へ戻っていった。"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……あの人ね、面接のとき、", "　わたしの履歴書の『中退』のとこ、",
          "　一回も訊かなかったの」"}));
  GO(Say({"ひなこは、申請書の上に", "顔を伏せて、しばらく動かなかった。"}));
  return Leave(true);
}

// 29 August, the final mix: the screening is tomorrow, and she will wait
// for the result at the hour she goes home.
ScriptResult LastEvening() {
  Enter();
  Music("HIm01");
  Face(1, "hit002");
  GO(Say({"ひなこ「ダビング、今日でしょ。", "　熊井さんが、ネクタイを買ってった。",
          "　コンビニのネクタイ、一本だけあるの」"}));
  GO(Say({"陽太「明日、現像所の試写室で", "　配給の人に見せる。",
          "　それで、秋に映画館にかかるかが決まる」"}));
  Face(1, "hit009");
  Voice("hi0116");
  GO(Say({"ひなこ「……見たいな。", "　でも、わたしは関係者じゃないもんね」"}));
  GO(Choose({"１『初号の日には、呼ぶ』", "２『結果、いちばんに知らせに来る』"}));
  if (Picked() == 1) {
    Face(1, "hit007");
    GO(Say({"ひなこ「初号って、いちばん最初の完成品？", "　……それ、わたしが行っていいの」"}));
    GO(Say({"陽太「熊井さんに頼む。", "　のり弁代だって言えば、通る」"}));
  } else {
    Face(1, "hit003");
    GO(Say({"ひなこ「じゃあ、明け方、ここで待ってる。", "　いい知らせでも、悪い知らせでも、",
            "　缶コーヒーは、おごってあげる」"}));
  }
  GO(Say({"レイアウト用紙の束は、", "もう、数えるほどしか残っていなかった。"}));
  return Leave(true);
}

// A later visit in the same period: the till's gossip, by the stretch of the
// summer, so the shopping keeps telling the studio's week.
ScriptResult Again() {
  Enter();
  Music("bgm07");
  Face(1, "hit002");
  const bool odd = Date() % 2 == 1;
  switch (studio::Now()) {
    case Period::KeysLate:
      if (odd) {
        GO(Say({"ひなこ「社長さんが毛糸を買いにきた。", "　コンビニに毛糸はないって言ったら、",
                "　じゃあ輪ゴムでいいって」"}));
        GO(Say({"陽太「……目を数えるのに、怒ってるんだ」"}));
        Face(1, "hit003");
        GO(Say({"ひなこ「編み物で怒る人、初めて見た」"}));
      } else {
        GO(Say({"ひなこ「ツバクロの人たち、けさ、", "　六人そろって歯ブラシ買ってった。",
                "　会社に泊まったんだね」"}));
        GO(Say({"ひなこ「あのビルの裏の自販機、", "　百円で冷たいのが出るよ。",
                "　回収のとき、覚えとくといいよ」"}));
        GO(Say({"町の地図に、", "知らない印がひとつ増えた。"}));
      }
      break;
    case Period::InBetween:
      if (odd) {
        GO(Say({"ひなこ「みちるさんが、ココアシガレット", "　箱で買ってったよ。作監さんの山、",
                "　今夜は高いんじゃない？」"}));
        GO(Say({"陽太「……机の上、カット袋で", "　向こうが見えなかった」"}));
      } else {
        GO(Say({"ひなこ「ぱらぱら堂のおばあちゃんがね、", "　輪ゴムを百本。動画の束、",
                "　ぜんぶそれで留めるんだって」"}));
        GO(Say({"ひなこ「輪ゴムの色で、", "　だれの束か分かるようにしてるの。",
                "　赤が急ぎ。……って、言ってた」"}));
        GO(Say({"あした、丸子さんのところで", "赤い輪ゴムを探してみようと思った。"}));
      }
      break;
    case Period::Crunch:
      if (odd) {
        GO(Say({"ひなこ「こよりちゃん、プリン二個。", "　明日、どこか遠くへ回収でしょ」"}));
        GO(Say({"陽太「梶さんの農家。山の上」"}));
        Face(1, "hit003");
        GO(Say({"ひなこ「じゃあ、進行くんのぶんも", "　一個、入れとく。酔い止めも」"}));
      } else {
        GO(Say({"ひなこ「仕上げの人たち、ハンドクリーム。", "　シンナーで手を洗うから、",
                "　指がまっ白に割れちゃうんだって」"}));
        GO(Say({"ひなこ「ほたるさん、ひとつ買って、", "　使わずに大川さんにあげてた。",
                "　……ああいう人、好きだな」"}));
      }
      break;
    default:
      if (odd) {
        GO(Say({"ひなこ「熊井さん、麦茶を三本。", "　自分は飲まないのにね。",
                "　病院に持ってくんでしょ」"}));
        GO(Say({"陽太「監督、麦茶がないと", "　病室で暴れるらしい」"}));
        Face(1, "hit003");
        GO(Say({"ひなこ「目に浮かぶ」"}));
      } else {
        Face(1, "hit005");
        GO(Say({"ひなこ「社長さんがね、ゆうべ夜中に来て、", "　あんぱんを一個だけ買ってった。",
                "　事務所に、泊まってるんでしょ」"}));
        GO(Say({"ひなこ「おつり、いらないって。", "　……あれ、ちょっと心配」"}));
      }
      break;
  }
  if (Flag(flag::kHinakoStage) == 1 && Flag(flag::kHinakoSea) == 0) {
    GO(Say({"レジ横のメモ帳の隅に、", "小さな灯台が描きかけてあった。",
            "まっすぐの線のところで、止まっている。"}));
  } else if (Flag(hinako::kVisits) >= 4) {
    GO(Say({"レジ横のメモ帳の落書きは、", "来るたびに一枚ずつ増えていた。",
            "今日は、鉛筆を耳にはさんだ男の横顔。"}));
  }
  GO(Say({"のり弁と緑茶が、", "言う前に、袋に入っていた。"}));
  Face(1, "hit003");
  GO(Say({"ひなこ「はい、いってらっしゃい」"}));
  return Leave(true);
}

// A second call on the same day: the store is busy, and so is he.
ScriptResult SameDay() {
  Enter();
  if (TimeSlot() == core::kNight) {
    Face(1, "hit003");
    GO(Say({"ひなこ「二回目の三時半の人？", "　時刻表が狂っちゃう」"}));
    GO(Say({"ひなこ「ほら、戻って。", "　熊井さんが、時計見てるよ」"}));
    GO(Say({"手をひらひらと振られて、", "夜の通りへ押し戻された。"}));
    core::GameState.timeSlot += 1;
    return Jump("s2wA");
  }
  Face(1, "hit006");
  GO(Say({"ひなこ「あれ、また来た。", "　さっき、のり弁買ったでしょ」"}));
  GO(Say({"レジには、作業着の人が三人、", "缶コーヒーを持って並んでいた。"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「いまは忙しいの。", "　進行くんも、忙しいはずでしょ。", "　はい、回れ右」"}));
  GO(Say({"追い出されるように、", "自動ドアの外へ出た。", "それでも、少しだけ足が軽かった。"}));
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

// The last week, when the sea was taken but the store was not: she keeps the
// portfolio under the counter. Too few evenings to trust him with it.
ScriptResult KeptBack() {
  Enter();
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"ひなこ「……あ。進行くん。", "　ひさしぶり、だね」"}));
  GO(Say({"レジの下の棚に、", "黒い大きなファイルの角が見えていた。"}));
  GO(Say({"陽太「海で言ってた、見せたいもの……」"}));
  Face(1, "hit009");
  Voice("hi0110");
  GO(Say({"ひなこ「うん。持ってきてたの、毎日。", "　来たら見せようと思って」"}));
  GO(Say({"ひなこ「でも、進行くん、", "　日曜日にしか会わない人に", "　なっちゃったから」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「海の日の進行くんは、やさしいよ。", "　でも、あれを見せるのは、",
          "　毎晩のり弁を買う人がいいの」"}));
  GO(Say({"陽太「……ごめん」"}));
  GO(Say({"ひなこ「あやまらないで。", "　夕凪さん、いちばん忙しいんだもん。",
          "　わたしが、急ぎすぎただけ」"}));
  GO(Say({"ファイルは、棚の奥へ押しこまれた。", "その上に、割り箸の箱が置かれた。"}));
  Flag(hinako::kPortfolio) = 3;
  return Leave(false);
}

// After the dawn with the layout paper, later visits: the paper is being used.
ScriptResult PaperDays() {
  Enter();
  Music("HIm01");
  Face(1, "hit002");
  if (Date() % 3 == 2) {
    GO(Say({"冷やし中華の棚の札の横に、", "新しい札が一枚、増えていた。",
            "マフラーを巻いた猫が、湯気の前で震えている。"}));
    GO(Say({"『おでん　九月から』。"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「ちゅるりんの、冬服。", "　わたしが平日いなくなっても、",
            "　この子が九月を売ってくれるように」"}));
    GO(Say({"陽太「汗の粒は？」"}));
    GO(Say({"ひなこ「冬だから、ゼロ。", "　そのかわり、鼻水を一本」"}));
  } else if (Date() % 3 == 0) {
    GO(Say({"客がとぎれると、ひなこは", "レジの下からレイアウト用紙を出して、",
            "雑誌の棚を写しはじめる。"}));
    GO(Say({"ひなこ「消失点、ひとつ。", "　棚の線は、みんなあそこへ逃げてくの」"}));
    GO(Say({"福原さんが奥から出てきて、", "何も見なかった顔で、", "また奥へ戻っていった。"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「店長、最近、仮眠が長いの。", "　わたしが描く時間、くれてるんだと思う」"}));
  } else {
    GO(Say({"ひなこ「ラッシュ、見たんでしょ。", "　熊井さんが、ゆうべ大盛りを三個買った。",
            "　うれしい日の買い方だったよ」"}));
    GO(Say({"陽太「……動いてた。全部じゃないけど、", "　ちゃんと、映画になってた」"}));
    Face(1, "hit007");
    GO(Say({"ひなこ「いいなあ。", "　わたしも、いつか見たい。",
            "　自分の線が、スクリーンで動くの」"}));
  }
  GO(Say({"用紙の束は、", "もう半分くらいに減っていた。"}));
  return Leave(true);
}

}  // namespace

ScriptResult sHinako() {
  if (Flag(flag::kHinakoMetToday) != 0) return SameDay();
  const std::uint32_t date = Date();
  const bool lateAugust = date >= 823;
  if (lateAugust && Flag(flag::kHinakoSea) == 1 && Flag(hinako::kPortfolio) == 0) {
    if (Flag(hinako::kVisits) < kTrustVisits) return KeptBack();
    return Jump("sHinakoComiPre");
  }
  if (lateAugust && Flag(hinako::kPortfolio) == 1 && Flag(hinako::kLayoutPaper) == 0 &&
      (TimeSlot() == core::kMorning || TimeSlot() == core::kNight)) {
    return Jump("sHinako6w");
  }
  if (Flag(hinako::kVisits) == 0) return FirstDinner();
  if (TimeSlot() == core::kNight) return Jump("sHinakoYoru");
  if (Flag(hinako::kLayoutPaper) == 1) {
    if (SeenBit(kFormsBit)) return date >= 829 ? LastEvening() : PaperDays();
    MarkBit(kFormsBit);
    return Forms();
  }
  if (Flag(hinako::kPortfolio) == 1) return NotYetDawn();
  if (PastHer()) return MovedOn();
  int bit = 0;
  switch (studio::Now()) {
    case Period::KeysLate:
      bit = 0;
      break;
    case Period::InBetween:
      bit = 1;
      break;
    case Period::Crunch:
      bit = 2;
      break;
    default:
      bit = 3;
      break;
  }
  if (bit == 3 && SeenBit(3) && Flag(flag::kHinakoStage) == 1 && !SeenBit(kSeaTalkBit)) {
    MarkBit(kSeaTalkBit);
    return Flag(flag::kHinakoSea) == 1 ? AfterSea() : SeaMissed();
  }
  // The shift's end is a morning's; the lost cel needs the camera at work.
  const bool secondFits =
      (bit == 0 && TimeSlot() == core::kMorning) || bit == 1 || (bit == 2 && date >= 812);
  if (bit < 3 && secondFits && SeenBit(bit) && !MoreSeen(kSecondSceneBit[bit])) {
    MarkMore(kSecondSceneBit[bit]);
    if (bit == 0) return ShiftEnd();
    if (bit == 1) return RainDay();
    return LostCel();
  }
  if (SeenBit(bit)) return Again();
  MarkBit(bit);
  switch (bit) {
    case 0:
      return KeysLate();
    case 1:
      return InBetween();
    case 2:
      return Crunch();
    default:
      return Hospital();
  }
}

}  // namespace story
