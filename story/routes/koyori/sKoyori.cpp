// The office in the evening and at night, when Koyori is back from her runs:
// the main scenario of her route. One scene per visit, chosen by the stretch
// of the summer and by what has been played; the talks walk, a visit at a
// time, towards what she tells him on the roof at Obon.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/koyori/koyori.h"
#include "story/routes/routes.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

constexpr std::uint32_t kFirstDay = 726;
// 28 and 29 August give the day to her from the briefing instead.
constexpr std::uint32_t kLastDay = 827;

bool IsSunday(std::uint32_t date) {
  return date == 801 || date == 808 || date == 815 || date == 822;
}

std::uint8_t& MetToday() {
  return core::GameState.route[0].metToday[0];
}

// The roof at Obon went by without him: she stays kind, and the talks stop
// going anywhere.
bool MovedPast() {
  return Date() >= 816 && Flag(flag::kKoyoriRoofAtObon) == 0;
}

// The evening round in the van: the doorsteps are the only place to stop.
ScriptResult EveningRound() {
  Bg(ByTime("bg040"));
  Music("bgm05");
  Face(1, "kot001");
  GO(Say({"夕方の回収に、白玉号で出た。", "寺門さんの団地と、スタジオ・ツバクロ。",
          "こよりさんの運転は、宅配便より速い。"}));
  Voice("ko0640");
  GO(Say({"こより「信号はね、三つ先を見るの。", "　三つ先が赤なら、急いでも無駄。",
          "　そのぶん、ゆっくり走って燃料を浮かす」"}));
  GO(Say({"陽太「……地図に書いてあった『７分』って、", "　そういうことも入ってるんですか」"}));
  Face(1, "kot003");
  GO(Say({"こより「入ってる入ってる。", "　読めるようになったね、わたしの地図」"}));
  Bg(ByTime("bg050"));
  GO(Say({"寺門さんの団地の、鉄の扉の前。", "こよりさんは呼び鈴を一回だけ押して、",
          "ストップウォッチを押した。"}));
  Face(1, "kot001");
  GO(Say({"こより「原画マンさんちの前では、止まっていいの。", "　待つのも、仕事のうち」"}));
  GO(Say({"こより「寺門さんは、三分。", "　三分待って出てこなかったら、",
          "　まだ描いてるってこと。また来ればいい」"}));
  Effect("03");
  GO(Say({"二分五十秒で、扉が開いた。", "寺門さんは無言でカット袋を差し出し、",
          "無言で扉を閉めた。"}));
  Face(1, "kot002");
  GO(Say({"こより「……今の、機嫌いいほう」"}));
  Bg(ByTime("bg040"));
  Face(1, "kot001");
  GO(Say({"帰り道、こよりさんが前を見たまま聞いた。"}));
  Voice("ko0641");
  GO(Say({"こより「新人くんは、なんでうちに来たの？", "　……って、みちるさんにも聞かれたか」"}));
  GO(Say({"陽太「張り紙を見て、なんとなく、です」"}));
  GO(Say({"陽太「こよりさんは？」"}));
  Face(1, "kot002");
  GO(Say({"こより「わたしは、『ほしまち郵便局』。", "　再放送で、毎朝見てたの。小学生のとき」"}));
  GO(Say({"こより「郵便屋さんの女の子が、星から星へ", "　手紙を配って走る話。",
          "　……あれ、進行の話だと思わない？」"}));
  GO(Say({"陽太「……言われてみれば」"}));
  Face(1, "kot003");
  Voice("ko0642");
  GO(Say({"こより「でしょ！　だからわたし、", "　手紙を運ぶ係になりに来たの」"}));
  return 0;
}

// The cut-bag board: every cut a magnet, every colour a stage of its life.
ScriptResult TheBoard() {
  Bg(ByTime("bg034"));
  Music("bgm03");
  Face(1, "kot001");
  GO(Say({"事務所の奥の、大きなホワイトボード。", "カット番号が縦に並び、その横に",
          "色とりどりの磁石が貼ってある。"}));
  Voice("ko0643");
  GO(Say({"こより「今日の上がり、動かすよ。手伝って」"}));
  GO(Say({"こより「白は、まだ誰も描いてない。", "　黄色は原画中。青は作監さんの机。",
          "　緑が動画で、ピンクが仕上げ」"}));
  GO(Say({"こより「で、赤が撮影上がり。", "　夏の終わりに、ここが全部赤くなったら、",
          "　映画ができてるってこと」"}));
  GO(Say({"言われるまま、磁石をひとつずつ動かした。", "黄色から青へ。青から緑へ。",
          "ひとつ動かすたびに、何十枚もの絵が動いている。"}));
  if (studio::Now() == Period::KeysLate) {
    GO(Say({"けれど、ボードの半分は、まだ白と黄色だった。", "原画が、予定より遅れている。"}));
  } else {
    GO(Say({"白い磁石は、もう数えるほどしかない。", "緑とピンクが、ボードの真ん中を埋めていた。"}));
  }
  Face(1, "kot009");
  GO(Say({"陽太「一枚、戻ってるのがありますね。", "　青から、黄色に」"}));
  GO(Say({"こより「それは『戻し』。作監さんが、", "　描き直してって原画マンさんに返したの」"}));
  GO(Say({"こより「戻しが出たら、その日のうちに届ける。",
          "　一日置くと、描く人の気持ちが冷めちゃう」"}));
  Face(1, "kot002");
  GO(Say({"こよりさんは、ボードの前で腕を組んだ。", "満足そうな顔だった。"}));
  Voice("ko0644");
  GO(Say({"こより「わたしね、このボードが好き。", "　映画がどこまで来てるか、ひと目で分かる」"}));
  Face(1, "kot001");
  GO(Say({"こより「絵は描けないけど、", "　これなら、わたしにも描けるから」"}));
  GO(Say({"冗談みたいに言って、こよりさんは", "赤いペンのキャップを、かちりと閉めた。"}));
  return 0;
}

// The office at full speed: every phone, the fax, and nobody else in.
ScriptResult FullSpeed() {
  Bg("KOSS01");
  Unlock(1, 16);
  Music("bgm08");
  Effect("01");
  GO(Say({"夜の七時。熊井さんは外回り、", "社長は配給会社との打ち合わせ。",
          "事務所に残ったのは、こよりさんと僕だけだった。"}));
  GO(Say({"そこへ、電話が三本、同時に鳴った。"}));
  Voice("ko0645");
  GO(Say({"こより「新人くん、右の電話！", "　わたし左と真ん中！　はい、スタート！」"}));
  Effect("02");
  GO(Say({"陽太「はい、夕凪動画です。……はい。", "　では、明日の十時に伺います」"}));
  Effect("35");
  GO(Say({"ファクスが鳴る。仕上げ室からセルの枚数。", "受話器を肩に挟んだまま、",
          "こよりさんがボードに数字を書きこむ。"}));
  GO(Say({"こより「ぱらぱら堂さん、百二十枚あした！", "　にじますさん、色指定の追加！",
          "　新人くん、それ書いて貼って！」"}));
  GO(Say({"メモを書き、ボードに貼り、", "また電話を取り、また書く。",
          "考えるより先に、手が動いていた。"}));
  if (GiantFilm()) {
    GO(Say(
        {"ガガの風車のカットは、動画の枚数がやたら多い。", "ひとつの電話が、三百枚の話になる。"}));
  } else {
    GO(Say({"ロウの霧のカットは、色の数がやたら多い。",
            "ひとつの電話が、色番号の読み合わせになる。"}));
  }
  Effect("32");
  GO(Say({"最後の受話器を置いたとき、", "こよりさんがストップウォッチを止めた。"}));
  Bg(ByTime("bg034"));
  Face(1, "kot003");
  Voice("ko0646");
  GO(Say({"こより「電話九本、ファクス三枚、十九分！", "　……新人くん、今の、すごかったよ」"}));
  GO(Say({"陽太「夢中で、何をしたか覚えてないです」"}));
  Face(1, "kot002");
  GO(Say({"こより「それでいいの。体が覚えてれば」"}));
  GO(Say({"こより「全速力のときってね、事務所ぜんたいが", "　ひとつの機械みたいになるの。",
          "　わたし、その音が好き」"}));
  return 0;
}

// ぱらぱら堂 in the evening: grandmother 丸子 in-betweens faster than anyone,
// and Koyori cannot take her eyes off the hands.
ScriptResult TheInBetweenHouse() {
  Bg(ByTime("bg053"));
  Music("bgm05");
  GO(Say({"動画の上がりを受け取りに、", "こよりさんと、ぱらぱら堂へ行った。"}));
  GO(Say({"縁側のある古い家。座卓に、トレス台が六つ。", "いちばん奥で、白髪のおばあさんが",
          "鉛筆を動かしていた。丸子ハルさんだ。"}));
  GO(Say({"丸子「こよりちゃん、いらっしゃい。", "　あと五枚だから、座って待っておいで」"}));
  Face(1, "kot001");
  GO(Say({"こよりさんは座卓の端に正座して、", "丸子さんの手もとを、じっと見ていた。"}));
  GO(Say({"原画と原画のあいだを、一枚ずつ埋めていく。", "鉛筆の線が、迷いもせずに、",
          "ほんの少しずつ、形を変えていく。"}));
  GO(Say({"丸子「……こよりちゃんは、またそれだねえ。", "　あたしの手ばっかり見て」"}));
  Face(1, "kot007");
  Voice("ko0647");
  GO(Say({"こより「だって、魔法みたいなんですもん」"}));
  GO(Say({"丸子「魔法じゃないよ。五十年やってりゃ、", "　手が勝手に覚えるの。それだけ」"}));
  Bg(ByTime("bg040"));
  Face(1, "kot009");
  GO(Say({"帰りの白玉号で、こよりさんがぽつりと言った。"}));
  Voice("ko0648");
  GO(Say({"こより「わたしね、小学生のとき、", "　『ほしまち郵便局』を描き写したことあるの。",
          "　ノートの隅に、何十枚も」"}));
  GO(Say({"こより「ぱらぱらってめくったら、", "　ぜんぜん動かなかった。",
          "　女の子が、ただ震えてるだけ」"}));
  GO(Choose({"１『僕は、一枚目から描けません』", "２『また、描いてみたらどうですか』"}));
  if (Picked() == 1) {
    Face(1, "kot003");
    GO(Say({"こより「あはは！　そっか。", "　じゃあ、わたしの勝ちだ」"}));
    GO(Say({"こより「……描けない同士だね、わたしたち」"}));
  } else {
    Face(1, "kot005");
    GO(Say({"こより「……もう描かないよ。", "　あの部屋の人たちを見てたら、描けない」"}));
    Face(1, "kot001");
    GO(Say({"こより「描けない人が運ばないと、", "　描ける人が困るでしょ。……そういうこと」"}));
  }
  return 0;
}

// Asleep on the office sofa, the stopwatch still running on her chest.
ScriptResult AsleepOnTheSofa() {
  Bg("bg034n");
  Music("bgm10");
  GO(Say({"夜の十一時。事務所に戻ると、", "明かりがひとつだけ点いていた。"}));
  Bg("KOI005");
  Unlock(1, 4);
  GO(Say({"ソファの上で、こよりさんが眠っていた。", "クリップボードを抱えたまま。",
          "スニーカーも、脱がないまま。"}));
  GO(Say({"胸の上で、ストップウォッチが光っている。", "数字が、まだ進んでいた。",
          "『４１：０８』。『４１：０９』。"}));
  GO(Say({"何を計っていたのだろう。", "伝票の整理か、電話の折り返しか。",
          "それとも、ほんの五分のつもりの昼寝か。"}));
  GO(Choose({"１『ストップウォッチを止める』", "２『そのままにして、毛布をかける』"}));
  if (Picked() == 1) {
    Effect("32");
    GO(Say({"そっと手を伸ばして、ボタンを押した。", "かちっ、と小さな音がした。"}));
    Bg("bg034n");
    Face(1, "kot006");
    Voice("ko0649");
    GO(Say({"こより「……ん。……止めたの？」"}));
    GO(Say({"陽太「ごめんなさい。起こしました」"}));
    Face(1, "kot007");
    GO(Say({"こより「ううん。……ありがと」"}));
    GO(Say(
        {"こより「わたし、寝てる時間まで計っちゃうんだ。", "　止めてくれる人、いなかったから」"}));
  } else {
    GO(Say({"ロッカーの上の、来客用の薄い毛布をかけた。", "ストップウォッチは、数え続けていた。"}));
    Bg("bg034n");
    Face(1, "kot008");
    GO(Say({"こより「……ん。……毛布？」"}));
    GO(Say({"こよりさんは胸の数字を見て、", "寝ぼけたまま笑った。"}));
    Voice("ko0650");
    GO(Say({"こより「四十三分。寝すぎた。", "　……でも、止めないでくれて、ありがと。",
            "　止まると、起きられなくなるから」"}));
  }
  Face(1, "kot001");
  if (koyori::ByName()) {
    GO(Say({"こより「陽太くん、まだいたんだ。", "　……帰らないの？」"}));
  } else {
    GO(Say({"こより「新人くん、まだいたんだ。", "　……帰らないの？」"}));
  }
  GO(Say({"陽太「こよりさんが、まだいるので」"}));
  Face(1, "kot002");
  GO(Say({"こより「……それ、みちるさんに教わったでしょ」"}));
  return 0;
}

// The drawing room at night, seen from its door: what stays when it is done.
ScriptResult AtTheDoor() {
  Bg("bg035n");
  Music("bgm06");
  GO(Say({"夜中の作画室。", "トレス台の明かりが、ひとつ、またひとつ。",
          "鉛筆の音だけが、雨みたいに続いている。"}));
  GO(Say({"こよりさんは、入り口の柱にもたれて、", "部屋の中を見ていた。入らずに。"}));
  Face(1, "kot001");
  GO(Say({"こより「……しーっ」"}));
  GO(Say({"窓ぎわの机で、みちるさんが原画に", "赤い線を重ねていた。",
          "昼間の顔とは、ぜんぜん違う顔だった。"}));
  Bg("bg034n");
  Face(1, "kot009");
  GO(Say({"事務所に戻ってから、こよりさんが言った。"}));
  Voice("ko0651");
  GO(Say({"こより「描いた絵ってさ、残るんだよね。", "　原画も、動画も、セルも。",
          "　映画が終わっても、誰かの引き出しに」"}));
  GO(Say({"こより「進行の仕事は、何も残らないの。", "　袋は、撮影が終わったら空っぽ。",
          "　走った道は、次の日には誰かが通ってる」"}));
  GO(Choose({"１『ボードの赤い線が、残ります』", "２『……こよりさんの地図が、あります』"}));
  if (Picked() == 1) {
    Face(1, "kot003");
    GO(Say({"こより「あれ、映画が終わったら消すんだよ」"}));
    Face(1, "kot002");
    GO(Say({"こより「……でも、消す前に、", "　写真、撮っとこうかな」"}));
  } else {
    Face(1, "kot006");
    GO(Say({"こより「……あれは、地図だもん。", "　絵じゃないよ」"}));
    GO(Say({"陽太「毎日、使ってます。", "　僕の引き出しに、ちゃんと残ってます」"}));
    Face(1, "kot007");
    Voice("ko0652");
    GO(Say({koyori::ByName() ? "こより「……ずるいなあ、陽太くんは」"
                             : "こより「……ずるいなあ、新人くんは」"}));
  }
  NoFace(1);
  GO(Say({"こよりさんは、それきり黙って、", "伝票を揃える手を速めた。"}));
  return 0;
}

// The director's week in hospital: she takes half the desk and gives him her
// routes, and finds her map in his pocket full of his own writing.
ScriptResult HerRoutes() {
  Bg(ByTime("bg034"));
  Music("bgm03");
  GO(Say({"監督が入院してから、熊井さんは", "監督の代わりの打ち合わせで、外に出てばかりいる。",
          "デスクの仕事の半分が、こよりさんに来た。"}));
  Face(1, "kot008");
  Voice("ko0653");
  GO(Say({"こより「陽太くん。ちょっと、相談」"}));
  GO(Say({"こより「あしたから、寺門さんと沢渡さん、", "　陽太くんが回ってくれる？",
          "　わたし、ここで電話に張りつかなきゃ」"}));
  GO(Say({"こより「あのふたり、わたしがずっと回ってたの。", "　……人に渡すの、はじめて」"}));
  GO(Say({"返事のかわりに、ポケットから地図を出した。", "四つ折りの、あの手描きの地図。"}));
  Face(1, "kot006");
  GO(Say({"こよりさんが、目を丸くした。", "地図の余白は、僕の字で埋まっていた。"}));
  GO(Say({"『寺門さん、三分。機嫌がいいと二分五十秒』", "『沢渡さんの猫、きなこは缶詰の音で来る』",
          "『坂の二本目の電柱、夜はライト消える』。"}));
  Face(1, "kot007");
  Voice("ko0654");
  GO(Say({"こより「……書きこんでる。わたしの地図に」"}));
  GO(Say({"陽太「すみません。勝手に」"}));
  Face(1, "kot002");
  GO(Say({"こより「ううん。地図って、そうやって", "　使われるために描くんだもん」"}));
  Voice("ko0655");
  GO(Say({"こより「……じゃあ、任せた。", "　寺門さんは三分。沢渡さんは猫が寝てから」"}));
  GO(Say({"こより「止まったら負け、だからね」"}));
  return 0;
}

// Two stick figures in the margin of the cut list, flipped: it moves.
ScriptResult TwoDrawings() {
  Bg("bg034n");
  Music("bgm10");
  GO(Say({"夜中の事務所。", "こよりさんが、カット表の余白に", "ボールペンで何か描いていた。"}));
  GO(Say({"足音に気づいて、こよりさんは", "あわてて手で隠した。"}));
  Face(1, "kot007");
  GO(Say({"こより「み、見た？」"}));
  GO(Say({"陽太「見てません。……人、ですか」"}));
  GO(Say({"こよりさんは観念して、手をどけた。", "丸い頭と、棒の手足。",
          "カット袋を抱えて、走っている。"}));
  Voice("ko0656");
  GO(Say({"こより「……走ってる、つもりなんだけど。", "　止まって見えるでしょ。一枚だと」"}));
  GO(Say({"陽太「もう一枚、描いてみませんか。", "　足が、反対になってるのを」"}));
  Face(1, "kot009");
  GO(Say({"こより「……陽太くんが描いて。", "　わたし、一枚目で力尽きた」"}));
  GO(Say({"薄い紙を一枚重ねて、", "下の絵を透かしながら、棒の人を描いた。",
          "右足と左足を、入れ替えて。"}));
  GO(Say({"ひどい絵だった。頭が、ひと回り大きい。"}));
  GO(Say({"二枚の端をつまんで、", "上の一枚を、ぱたぱたとめくった。"}));
  Effect("09");
  GO(Say({"棒の人が、走った。", "頭を大きくしたり小さくしたりしながら、",
          "それでも、ちゃんと、前に。"}));
  Face(1, "kot003");
  Voice("ko0657");
  GO(Say({"こより「……動いた」"}));
  GO(Say({"こより「動いたよ！　頭、ぼよんぼよんしてるけど！", "　わたしたちの絵が、動いた！」"}));
  Face(1, "kot002");
  GO(Say({"こより「これ、ちょうだい。", "　……ふたりで描いた、最初の動画だから」"}));
  GO(Say({"こよりさんは二枚の紙を、", "クリップボードのいちばん下に、", "大事そうに挟んだ。"}));
  return 0;
}

// The board nearly all red, and what comes after 30 August.
ScriptResult AfterTheSummer() {
  Bg(ByTime("bg034"));
  Music("bgm10");
  GO(Say(
      {"ボードの磁石は、ほとんどが赤になっていた。", "残りの白と緑を、こよりさんが指で数える。"}));
  Face(1, "kot001");
  GO(Say({"こより「……ね、陽太くん。社長に言われたの」"}));
  Voice("ko0658");
  GO(Say({"こより「秋から熊井さんはプロデューサーになって、",
          "　デスクは、わたしにやってほしいって」"}));
  GO(Say({"陽太「すごいじゃないですか」"}));
  Face(1, "kot009");
  GO(Say({"こより「……デスクってさ、走らないんだよ。", "　ここに座って、ボードを見て、",
          "　止まって、考える仕事」"}));
  GO(Say({"こより「止まったら負け、って、", "　ずっと自分に言ってきたのに」"}));
  GO(Choose({"１『止まって考える人が、いちばん速いこともあります』",
             "２『こよりさんの道は、僕が走ります』"}));
  if (Picked() == 1) {
    Face(1, "kot006");
    GO(Say({"こより「……熊井さんみたいなこと言う」"}));
    Face(1, "kot002");
    GO(Say({"こより「そっか。熊井さん、座ってても", "　ずっと走ってるもんね。頭の中で」"}));
  } else {
    Face(1, "kot007");
    Voice("ko0659");
    GO(Say({"こより「……ほんとに？", "　寺門さんも、沢渡さんも、ぱらぱら堂さんも？」"}));
    GO(Say({"陽太「地図があるので」"}));
    Face(1, "kot003");
    GO(Say({"こより「……ばか。そこは、", "　『こよりさんがいるので』でしょ」"}));
  }
  Face(1, "kot001");
  GO(Say({"こより「まだ決めてない。初号が終わるまで、", "　考えないことにしてるの」"}));
  GO(Say({"こより「今は、あと何カットか、だけ」"}));
  return 0;
}

// She gives him the wheel of 白玉号 and times him on her own route.
ScriptResult HerRecord() {
  Bg(ByTime("bg040"));
  Music("KOm01");
  Face(1, "kot002");
  GO(Say({"夜の回収の帰り。", "こよりさんが、白玉号の鍵を放ってよこした。"}));
  Voice("ko0660");
  GO(Say({"こより「今夜は、陽太くんが運転。", "　わたしは隣で、計る係」"}));
  GO(Say({"こより「にじますさんからスタジオまで、", "　わたしの最高記録は、十一分二十秒。",
          "　……はい、スタート！」"}));
  Effect("20");
  GO(Say({"夜の町を走った。", "信号は、三つ先を見る。", "坂の二本目の電柱で、ライトを上げる。"}));
  GO(Say({"川沿いの道。商店街の裏。", "こよりさんの地図の線の上を、", "自分の足で覚えた順番で。"}));
  GO(Say({"助手席のこよりさんは、何も言わなかった。", "ただ、窓の外を見ていた。"}));
  Effect("32");
  Face(1, "kot006");
  GO(Say({"こより「……十一分、四秒」"}));
  GO(Say({"スタジオの前で、エンジンを切った。", "こよりさんは、しばらく数字を見つめていた。"}));
  Face(1, "kot002");
  Voice("ko0661");
  GO(Say({"こより「抜かれちゃった。わたしの道で」"}));
  GO(Say({"こより「……悔しいなあ。", "　悔しいのに、なんでか、ちょっとうれしい」"}));
  GO(Say({"こより「一年かかった道を、ひと月で走られちゃった。",
          "　ちゃんと、渡せてたんだね。わたし」"}));
  return 0;
}

// The night after the meeting: the key animation is two days late, and she
// plans the rest of the summer backwards from the first print.
ScriptResult Backwards() {
  Bg("bg034n");
  Music("bgm03");
  GO(Say({"夜の事務所。", "こよりさんが、床に模造紙を広げて", "四つんばいで何か書いていた。"}));
  Face(1, "kot009");
  Voice("ko0662");
  GO(Say({"こより「あ、新人くん。ちょうどいい。", "　そっち、押さえてて」"}));
  GO(Say({"模造紙の右端には、『８／３０　初号』。", "そこから左へ、矢印が何本も伸びている。"}));
  GO(Say({"こより「進行のスケジュールはね、", "　後ろから数えるの。逆算っていうの」"}));
  GO(Say({"こより「初号の前に、現像が一日。その前に撮影。",
          "　撮影の前に、仕上げ。その前に、動画。", "　……で、いちばん左が、原画」"}));
  GO(Say({"こより「原画が二日遅れたら、", "　右のどこかで、二日取り返さなきゃいけない」"}));
  GO(Say({"陽太「どこで取り返すんですか」"}));
  Face(1, "kot001");
  GO(Say({"こより「描く人の日にちは、削れない。", "　削れるのは、運ぶ時間だけ」"}));
  GO(Say({"こよりさんは、赤いペンで", "回収の矢印を一本ずつ短くしていった。",
          "半日。三時間。四十分。"}));
  Face(1, "kot002");
  Voice("ko0663");
  GO(Say({"こより「ね。進行が速く走ったぶんだけ、", "　描く人が、ゆっくり描けるの」"}));
  GO(Say({"こより「だから、走るの。", "　……絵を急かすためじゃなくて」"}));
  return 0;
}

// Cels to 彩色工房にじます: held by the edges, carried flat, and the first
// painted one of the film held up to the evening light.
ScriptResult TheFirstCel() {
  Bg(ByTime("bg055"));
  Music("bgm05");
  GO(Say({"動画の束を、彩色工房にじますへ運んだ。", "作業場には、絵の具の匂いと、",
          "扇風機の低い音が満ちていた。"}));
  GO(Say({"虹村「夕凪さんの最初の一枚、乾いてるよ。", "　見ていくかい」"}));
  Face(1, "kot006");
  Voice("ko0664");
  GO(Say({"こより「見ます！　見ます見ます！」"}));
  GO(Say(
      {"こよりさんは、乾燥棚の前で", "指先だけでセルの端をつまみ、", "そっと窓の光にかざした。"}));
  if (GiantFilm()) {
    GO(Say({"透明なシートの中で、つばめが", "風車の羽根にしがみついていた。",
            "鉛筆の線だったものに、色がついている。"}));
  } else {
    GO(Say({"透明なシートの中で、しずりが", "霧の中を振り返っていた。",
            "鉛筆の線だったものに、色がついている。"}));
  }
  Face(1, "kot002");
  GO(Say({"こより「……この子、六月には、", "　監督のナプキンの上にいたんだよ」"}));
  GO(Say({"こより「ナプキンから、コンテになって、", "　原画になって、動画になって、セルになって。",
          "　そのあいだ、ずっと誰かが運んでたの」"}));
  Voice("ko0665");
  GO(Say({"こより「新人くん、持ってみる？", "　端っこね。真ん中は、絵の場所だから」"}));
  GO(Say({"受け取ったセルは、思ったよりずっと軽かった。", "軽いのに、手が震えた。"}));
  return 0;
}

// Four in the morning with Michiru: three minutes by the watch, and what the
// animation director thinks of the people who carry her red lines.
ScriptResult NoodlesWithMichiru() {
  Bg("bg034n");
  Music("bgm07");
  Effect("36");
  GO(Say({"夜中の四時。給湯室のやかんが鳴った。", "作画室から、みちるさんが出てきた。"}));
  Face(1, "kot003");
  GO(Say({"こより「みちるさん、カレー残ってます！", "　……はい、三分計ります！」"}));
  Face(2, "mit002");
  Voice("mi0700");
  GO(Say({"みちる「相変わらずね。", "　新人くんも、すっかりこよりの速さね」"}));
  GO(Say({"三人で、湯気の立つカップを囲んだ。", "はじめての徹夜の夜と、同じように。"}));
  Face(2, "mit009");
  GO(Say({"みちる「こより、あなた、まだ言ってるの？", "　『わたし、描けないから』って」"}));
  Face(1, "kot007");
  GO(Say({"こより「い、言ってないです。……たまにしか」"}));
  Voice("mi0701");
  GO(Say({"みちる「あのね。わたしの赤い線は、", "　机の上にあるうちは、ただの落書きなの」"}));
  GO(Say({"みちる「あなたたちが運んで、原画マンさんに届いて、",
          "　はじめて修正になる。……覚えときなさい」"}));
  Face(2, "mit002");
  GO(Say({"みちる「新人くんも。", "　この子、褒めると三日は速くなるから」"}));
  Effect("32");
  Face(1, "kot004");
  GO(Say({"こより「……三分！　みちるさん、", "　そういうのは、わたしのいないところで！」"}));
  GO(Say({"みちる「いるところで言わなきゃ、", "　あなた、信じないでしょ」"}));
  NoFace(2);
  Face(1, "kot007");
  GO(Say({"こよりさんは、しばらく麺ばかり見ていた。", "耳が、カップの湯気より赤かった。"}));
  return 0;
}

// The president, the founder's photograph, and the interview of a girl still
// at school who said how long the walk from the station took.
ScriptResult TheInterview() {
  Bg(ByTime("bg034"));
  Music("bgm03");
  GO(Say({"夜の事務所。社長が、病院への電話を終えて", "編み物を膝に戻したところだった。"}));
  Face(1, "sut002");
  Voice("su0700");
  GO(Say(
      {"砂原「こよりちゃん、早瀬くん。お茶にしましょ。", "　監督、今日はおかゆを二杯ですって」"}));
  Face(2, "kot002");
  GO(Say({"こより「よかったあ……！」"}));
  Face(1, "sut009");
  GO(Say({"砂原「早瀬くん。こよりちゃんの面接の話、", "　聞いたことある？」"}));
  Face(2, "kot006");
  GO(Say({"こより「しゃ、社長！」"}));
  Voice("su0701");
  GO(Say({"砂原「高校の制服で来てね。", "　座るなり、『駅からここまで、",
          "　二分四十秒でした』って言ったのよ」"}));
  GO(Say({"砂原「絵も描けません、パソコンも使えません。", "　でも、道は一回で覚えます、って」"}));
  Face(1, "sut003");
  GO(Say({"砂原「主人がいたら、その場で採ってたわ。", "　あの人も、最初の日に",
          "　同じことを言ったんですもの」"}));
  Face(2, "kot007");
  Voice("ko0666");
  GO(Say({"こより「……周平さんが？」"}));
  Face(1, "sut002");
  GO(Say({"砂原「原画マンになる前、あの人、", "　この町で新聞配達をしてたの。",
          "　道を覚えるのだけは、誰より速かった」"}));
  NoFace(1);
  GO(Say({"こよりさんは、壁の写真を見上げた。", "鉛筆を耳に挟んで笑っている人を。"}));
  Face(2, "kot002");
  GO(Say({"こより「……そっか。周平さんも、走ってたんだ」"}));
  return 0;
}

// The last week: the cut bags of the film go back into their shelf, empty,
// and she writes on each what it carried.
ScriptResult EmptyBags() {
  Bg(ByTime("bg031"));
  Music("bgm10");
  GO(Say({"撮影が終わったカット袋が、", "玄関の棚に、少しずつ戻ってくる。",
          "中身はもう、ほとんど空っぽだ。"}));
  GO(Say({"こよりさんは、戻った袋の一枚一枚に、", "ボールペンで小さく何か書いていた。"}));
  Face(1, "kot001");
  GO(Say({"陽太「何を書いてるんですか」"}));
  Voice("ko0667");
  GO(Say({"こより「その袋が、何回、町を回ったか。", "　誰の机に、何日いたか」"}));
  GO(Say({"こより「Ｃ－０４１は、十一回。", "　沢渡さんちに四日と、みちるさんの机に二日。",
          "　一回、白玉号の座席の下に落ちた」"}));
  Face(1, "kot003");
  GO(Say({"こより「覚えてるの、全部。", "　……陽太くんが運んだぶんも、ちゃんと」"}));
  Face(1, "kot002");
  GO(Say({"こより「袋は空っぽになるけど、", "　走った回数は、ここに残しとくの。",
          "　屋上で、そう決めたから」"}));
  GO(Say({"棚に並んだ茶色い袋の、", "小さなボールペンの字。",
          "それは、誰の引き出しにもない、この夏の地図だった。"}));
  return 0;
}

// Kumai alone in the night office, about her first summer: what she was
// like before she learned to time everything.
ScriptResult KumaiAboutHer() {
  Bg("bg034n");
  Music("bgm10");
  GO(Say({"夜の事務所。こよりさんは回収に出ていて、", "残っていたのは、熊井さんだけだった。"}));
  Face(1, "kut001");
  Voice("ku0701");
  GO(Say({"熊井「こよりなら、ツバクロだ。", "　あと二十分で戻る。……あいつの二十分は、",
          "　十八分だけどな」"}));
  GO(Say({"熊井さんは、缶コーヒーを二本出して、", "一本をこちらに滑らせた。"}));
  Face(1, "kut009");
  GO(Say({"熊井「あいつの最初の夏はな、", "　原画マンがひとり、途中で降りた」"}));
  GO(Say({"熊井「こよりが毎日通って、毎日断られて。", "　最後の日、そいつは袋を突っ返して、",
          "　『描けないやつに分かるか』って言った」"}));
  GO(Say({"陽太「……こよりさん、何て」"}));
  Voice("ku0702");
  GO(Say({"熊井「何も言わなかった。", "　その晩、屋上で一回だけ泣いて、",
          "　次の朝から、ストップウォッチを下げてきた」"}));
  GO(Say({"熊井「俺がやったお古だ。", "　……今は、お前のポケットに入ってるやつだな」"}));
  Face(1, "kut002");
  Voice("ku0703");
  GO(Say({"熊井「あいつは、速く走れば", "　描けないぶんを埋められると思ってる。",
          "　そうじゃねえって、誰かが言ってやらなきゃな」"}));
  GO(Say({"熊井「……俺が言っても、聞かねえんだ。", "　デスクの言うことは、説教に聞こえる」"}));
  Effect("03");
  NoFace(1);
  GO(Say({"玄関の戸が開く音がして、", "廊下を走ってくる足音が近づいてきた。"}));
  Face(1, "kot002");
  GO(Say({"こより「ただいま戻りましたー！", "　ツバクロさん、十七分五十秒！」"}));
  Face(2, "kut003");
  GO(Say({"熊井「な？」"}));
  return 0;
}

// The last week, ice for the drawing room on the front step: what he will
// do when the summer is over.
ScriptResult IceOnTheStep() {
  Bg(ByTime("bg030"));
  Music("bgm09");
  GO(Say({"こよりさんと、作画室用の氷を買いに出た。", "一貫目の氷を、軍手で抱えて戻る。"}));
  GO(Say({"スタジオの前の段差に、ふたりで座った。", "氷の角から、水がぽたぽた落ちている。"}));
  Face(1, "kot001");
  Voice("ko0668");
  GO(Say({"こより「一分だけ、休憩。", "　氷が溶けるより先に、わたしたちが溶けそう」"}));
  Face(1, "kot009");
  GO(Say({"こより「……ね。陽太くんは、九月からどうするの。", "　大学、戻るの？」"}));
  GO(Choose({"１『ここにいたいです』", "２『まだ、決めてません』"}));
  if (Picked() == 1) {
    Face(1, "kot006");
    GO(Say({"こより「……即答だ」"}));
    Face(1, "kot003");
    GO(Say({"こより「じゃあ、秋の分の地図も描かなきゃ。", "　秋は、日が落ちるのが早いからね。",
            "　時間、全部書き直し！」"}));
  } else {
    Face(1, "kot001");
    GO(Say({"こより「うん。それでいいと思う。", "　初号まで、考えなくていいよ」"}));
    Face(1, "kot002");
    GO(Say({"こより「……でも、決めたら、", "　いちばんに教えてね。計って待ってるから」"}));
  }
  GO(Say({"氷が、また一滴、段差に落ちた。"}));
  Effect("32");
  Face(1, "kot003");
  GO(Say({"こより「一分！　はい、立って！", "　作画室が、溶けちゃう！」"}));
  return 0;
}

// Every scene of the period played already: a little of an ordinary evening.
ScriptResult OrdinaryEvening() {
  Bg(ByTime("bg034"));
  Face(1, "kot001");
  switch (Date() % 3) {
    case 0:
      GO(Say({"こよりさんと、あしたの回収の順番を組んだ。", "地図を広げて、ふたりで線を引く。"}));
      GO(Say({"こより「ここ、近道。……あ、知ってた？", "　もう、わたしより詳しいかも」"}));
      break;
    case 1:
      Effect("11");
      GO(Say({"伝票の整理を手伝った。", "こよりさんはホチキスを鳴らしながら、",
              "ずっと商店街のコロッケの話をしていた。"}));
      break;
    default:
      GO(Say({"カット袋の棚を、番号順に並べ直した。", "こよりさんが、隣で時間を計っている。"}));
      Face(1, "kot002");
      GO(Say({"こより「二十二分。ふたりだと、半分だね」"}));
      break;
  }
  return 0;
}

// Back a second time on the same day: she sends him home.
ScriptResult SecondVisit() {
  Bg(ByTime("bg034"));
  Face(1, "kot002");
  if (Date() % 2 == 0) {
    GO(Say({"こより「あれ、また来たの？", "　さっき手伝ってくれたでしょ」"}));
    GO(Say({"こより「あとはわたしひとりで十分。", "　……はい、麦茶。飲んだら帰って寝る！」"}));
  } else {
    GO(Say({"こよりさんは、電話を三本かけ終えたところだった。"}));
    GO(Say({"こより「残りは伝票だけ。十五分で終わるよ。", "　きみは、あしたの朝のために寝て」"}));
  }
  Face(1, "kot001");
  GO(Say({"こより「……でも、来てくれたのは、うれしい。", "　それは、計らないでおくね」"}));
  NoFace(1);
  GO(Say({"結局、十五分ぶんの伝票を一緒に数えてから、", "事務所を出た。"}));
  return 0;
}

// After the story has gone on without them: a colleague, kind and busy.
ScriptResult MovedPastScene() {
  Bg(ByTime("bg034"));
  Face(1, "kot001");
  switch (Date() % 3) {
    case 0:
      GO(Say({"こよりさんは、ボードの前で電話をしていた。", "目で『ありがと』と言って、",
              "伝票の束を、こちらに押しやった。"}));
      GO(Say({"受話器を置いたあと、こよりさんは", "何か言いかけて、やめた。"}));
      break;
    case 1:
      GO(Say({"こより「新人くん、お疲れ。", "　そっちの回り、順調？」"}));
      GO(Say({"こより「……そっか。よかった。", "　わたしは、いつもどおり。走ってるよ」"}));
      break;
    default:
      GO(Say({"こよりさんと、黙ってカット袋を数えた。", "ストップウォッチの音だけが、",
              "事務所の中で、かちかちと鳴っていた。"}));
      break;
  }
  NoFace(1);
  if (Date() >= 823) {
    GO(Say({"帰りがけに振り返ると、こよりさんは", "ひとりでボードの磁石を動かしていた。",
            "赤い磁石が、また一個増えた。"}));
  } else {
    GO(Say({"この夏のどこかで、こよりさんに", "言うべきことが、あった気がする。",
            "それが何だったのか、もう思い出せない。"}));
  }
  return 0;
}

// The real scenes by bit, for each stretch of the summer; the later ones
// pick up what an earlier stretch left unplayed where it still fits.
int ChooseScene() {
  // Painting starts on 5 August: no cel to hold up before then.
  const int firstCel = Date() >= 805 ? 11 : -1;
  switch (studio::Now()) {
    case Period::KeysLate:
      return studio::FirstUnseen(koyori::kOfficeSeen, {0, 10, 1});
    case Period::InBetween:
      return studio::FirstUnseen(koyori::kOfficeSeen, {2, firstCel, 3, 15, 1});
    case Period::Crunch:
      return studio::FirstUnseen(koyori::kOfficeSeen, {4, 12, 5, 2, 3, 15});
    case Period::Hospital:
      return studio::FirstUnseen(koyori::kOfficeSeen, {6, 13, 7, 4, 5, 12});
    case Period::LastWeek:
      return studio::FirstUnseen(koyori::kOfficeSeen, {8, 14, 16, 9, 7});
  }
  return -1;
}

ScriptResult RealScene(int scene) {
  switch (scene) {
    case 0:
      return EveningRound();
    case 1:
      return TheBoard();
    case 2:
      return FullSpeed();
    case 3:
      return TheInBetweenHouse();
    case 4:
      return AsleepOnTheSofa();
    case 5:
      return AtTheDoor();
    case 6:
      return HerRoutes();
    case 7:
      return TwoDrawings();
    case 8:
      return AfterTheSummer();
    case 9:
      return HerRecord();
    case 10:
      return Backwards();
    case 11:
      return TheFirstCel();
    case 12:
      return NoodlesWithMichiru();
    case 13:
      return TheInterview();
    case 15:
      return KumaiAboutHer();
    case 16:
      return IceOnTheStep();
    default:
      return EmptyBags();
  }
}

}  // namespace

ScriptResult sKoyori() {
  std::uint8_t& met = MetToday();
  if (met != 0) {
    met = 2;
    GO(SecondVisit());
  } else {
    met = 1;
    const int scene = MovedPast() ? -1 : ChooseScene();
    if (MovedPast()) {
      GO(MovedPastScene());
    } else if (scene < 0) {
      GO(OrdinaryEvening());
    } else {
      GO(RealScene(scene));
      studio::Count(koyori::kOfficeScenes);
      Affection(1) += 1;
    }
  }
  ClearStage();
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

// Back from her runs in the evening and at night, twice a day at most, from
// her first day with him until the last two days take her elsewhere.
bool KoyoriInTheOffice() {
  const std::uint32_t date = Date();
  return EveningOrNight() && date >= kFirstDay && date <= kLastDay && !IsSunday(date) &&
         MetToday() < 2;
}

}  // namespace story
