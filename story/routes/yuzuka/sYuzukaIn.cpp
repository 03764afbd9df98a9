// Yuzuka's deliveries to the drawing room, first and second week: each visit
// plays the next piece of her story that is due, and the last delivery day
// folds in whatever the player missed that the route cannot do without (the
// night market's invitation, the late order that sends her grandfather to
// Kumai).
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/routes.h"
#include "story/routes/yuzuka/yuzuka_flags.h"

namespace story {

namespace {

constexpr std::uint8_t kPosture = 1;
constexpr std::uint8_t kJars = 2;
constexpr std::uint8_t kInvitation = 4;
constexpr std::uint8_t kLateOrder = 8;

// Her bicycle comes on these days only: the shop delivers twice a week.
constexpr std::uint32_t kDeliveryDays[] = {727, 730, 803, 806};

bool Seen(std::uint8_t piece) {
  return (Flag(yuzuka::kDeliveryPieces) & piece) != 0;
}

void Mark(std::uint8_t piece) {
  Flag(yuzuka::kDeliveryPieces) = static_cast<std::uint8_t>(Flag(yuzuka::kDeliveryPieces) | piece);
}

ScriptResult Posture() {
  Mark(kPosture);
  GO(Say({"ゆずか「こんにちはー！　画材のちぐさです！", "　ご注文の品、お届けにあがりました！」"}));
  GO(Say({"作画室じゅうの背中が、", "いっせいにびくっと伸びた。"}));
  if (GiantFilm()) {
    GO(Say({"自転車の荷台から下ろしたのは、", "セルの箱が三つと、鉛筆が二ダース。"}));
  } else {
    GO(Say({"自転車の荷台から下ろしたのは、", "絵の具の瓶が一箱と、鉛筆が二ダース。"}));
  }
  Face(1, "yut002");
  Voice("yu0100");
  GO(Say({"ゆずか「あっ、日曜日の新人さん！", "　ほんとに夕凪さんの人だったんだ」"}));
  GO(Say({"陽太「早瀬です。早瀬陽太。", "　……日曜日は、どうも」"}));
  GO(Say({"ゆずか「早瀬さん、ですね。覚えました。", "　で、早瀬さん。ちょっと手伝ってください」"}));
  GO(Say({"陽太「荷物なら、運びますけど」"}));
  Face(1, "yut004");
  GO(Say({"ゆずか「荷物じゃありません。", "　――この部屋の、背中です」"}));
  ClearStage();
  Music("bgm07");
  Bg("YUI001");
  Unlock(3, 0);
  GO(Say({"ゆずかちゃんは、作画机の列の真ん中に立って、", "ぱん、と手を叩いた。"}));
  Voice("yu0101");
  GO(Say({"ゆずか「はい、皆さん！　鉛筆、いったん置く！",
          "　三分だけです。三分だけ、顔を上げて！」"}));
  GO(Say(
      {"動画の秋葉さんが、きょとんと顔を上げた。", "徳永さんは、鉛筆を握ったまま固まっている。"}));
  GO(Say({"ゆずか「肩、耳まで上げてー。……すとん！", "　はい、もう一回。上げてー、すとん！」"}));
  GO(Say({"原画の三好さんが、なぜか真っ先に従った。", "庄司さんが、それを見て吹き出した。"}));
  Voice("yu0102");
  GO(Say({"ゆずか「透写台って、下から光るでしょう。", "　だから皆さん、光に吸いこまれるみたいに",
          "　顔を近づけちゃうんです」"}));
  GO(Say({"ゆずか「首が前に五センチ出ると、", "　頭の重さは、倍近く首にかかるんですよ。",
          "　ボウリングの球、首からぶら下げてる感じ」"}));
  GO(Say({"陽太「……詳しいね」"}));
  GO(Say({"ゆずか「看護学校の二年生ですから。", "　解剖学の試験、学年で三番でした」"}));
  GO(Say({"少しだけ、胸を張った。", "黄色い髪留めが、窓の光をはじいた。"}));
  GO(Say({"奥の机で、作監のみちるさんが", "赤鉛筆をくわえたまま、こっそり肩を回していた。"}));
  GO(Say({"ゆずか「一時間に一回は、立つこと。", "　目は、遠くの緑を見ること。",
          "　それから、水分！　麦茶でいいですから」"}));
  GO(Say({"ゆずか「はい、おしまい。", "　お仕事、がんばってください！」"}));
  Effect("03");
  GO(Say({"そこへ、カット袋を抱えた熊井さんが", "のっそりと入ってきた。"}));
  GO(Say({"熊井「……なんだ、この騒ぎは」"}));
  GO(Say({"ゆずか「あっ、熊井さん！　ちょうどいいところに。",
          "　その袋、片手で持たないでください！", "　腰、いわしますよ！」"}));
  GO(Say({"熊井さんは、黙って袋を両手に持ちかえた。", "……持ちかえたあとで、",
          "自分でも不思議そうな顔をしていた。"}));
  GO(Say({"作画室に、ぱらぱらと拍手が起きた。", "……皆、ちょっとだけ背筋が伸びていた。"}));
  Bg(ByTime("bg035"));
  Music("YUm01");
  Face(1, "yut007");
  GO(Say({"ゆずか「……やりすぎました？」"}));
  GO(Choose({"１『みんな、喜んでたよ』", "２『ちょっと、先生みたいだった』"}));
  if (Picked() == 1) {
    Face(1, "yut003");
    Voice("yu0103");
    GO(Say({"ゆずか「ほんとですか？　よかったぁ。", "　怒られたら、どうしようかと思ってた」"}));
    Affection(3) += 1;
  } else {
    Face(1, "yut004");
    GO(Say({"ゆずか「先生じゃありません。", "　看護師の、卵です。……まだ、卵」"}));
    GO(Say({"そう言って、少しだけ笑った。"}));
  }
  GO(Say({"ゆずか「早瀬さんも、ですよ。", "　進行さんって、走りっぱなしでしょう。",
          "　座る時は、ちゃんと座ってくださいね」"}));
  return 0;
}

ScriptResult Jars() {
  Mark(kJars);
  GO(Say({"ゆずかちゃんは、配達の箱とは別に、", "手さげ袋をひとつ提げていた。"}));
  Face(1, "yut002");
  GO(Say({"ゆずか「今日はね、おまけがあるんです」"}));
  ClearStage();
  Bg("YUI002");
  Unlock(3, 1);
  Effect("46");
  GO(Say({"作画机の端に、ガラス瓶が並んだ。", "中で、金色のシロップが", "とろりと光っている。"}));
  Voice("yu0104");
  GO(Say({"ゆずか「柚子はちみつです。うちの庭の柚子と、", "　近所の養蜂場のはちみつ。",
          "　冷たい水で、五倍に薄めて飲んでください」"}));
  GO(Say({"ゆずか「ビタミンＣと、糖分と、水分。", "　夏バテには、これがいちばんです」"}));
  GO(Say({"瓶のふたには、マジックで名前が書いてあった。",
          "『さくがしつ』『しあげしつ』『じむしょ』"}));
  GO(Say({"それから、ひとつだけ小さな瓶。", "『かんとくさん　たばこのかわり』"}));
  GO(Say({"陽太「……煙草のかわり？」"}));
  GO(Say({"ゆずか「口がさみしくなったら、これを", "　なめてくださいって、伝えてください」"}));
  Bg(ByTime("bg035"));
  GO(Say({"その時、カーテンの奥から、", "監督の咳ばらいが聞こえた。",
          "……それと、かすかな煙のにおい。"}));
  Face(1, "yut004");
  Voice("yu0105");
  GO(Say({"ゆずか「……監督さん？」"}));
  GO(Say({"カーテンの向こうが、しん、と静まった。", "灰皿をどこかに隠す音がした。"}));
  Face(2, "tot006");
  GO(Say({"鳥越「……なんだ。配達なら、熊井に言え」"}));
  GO(Say({"ゆずか「においで分かります！", "　監督室は禁煙にするって、",
          "　先週、約束しましたよね！」"}));
  Face(2, "tot004");
  GO(Say({"鳥越「してない」"}));
  GO(Say({"ゆずか「しました！　うちのお店の前で、", "　おじいちゃんが証人です！」"}));
  Face(2, "tot009");
  GO(Say({"鳥越「源三は、耳が遠い」"}));
  Face(1, "yut004");
  Voice("yu0106");
  GO(Say({"ゆずか「都合のいい時だけ遠くなるんです、", "　うちのおじいちゃんの耳は！」"}));
  GO(Say({"作画室のあちこちで、鉛筆の音が止まっていた。", "皆、下を向いて、肩を震わせている。"}));
  GO(Say({"ゆずか「早瀬さん、見張っててくださいね。", "　監督さんが煙草に火をつけたら、",
          "　その瓶を、こう、口に入れてあげて」"}));
  GO(Choose({"１『……やってみる』", "２『監督にも、息抜きは要るんじゃないかな』"}));
  if (Picked() == 1) {
    Face(2, "tot004");
    GO(Say({"鳥越「お前、どっちの味方だ」"}));
    Face(1, "yut003");
    GO(Say({"ゆずか「監督さんの味方ですよ。", "　わたしも、早瀬さんも」"}));
    Affection(3) += 1;
  } else {
    Face(2, "tot002");
    GO(Say({"鳥越「そうだ。新人、いいことを言う」"}));
    Face(1, "yut009");
    Voice("yu0107");
    GO(Say({"ゆずか「……息抜きで、肺を悪くしたら", "　息ができなくなるんですよ？」"}));
    GO(Say({"冗談めかした声だった。", "でも、目は笑っていなかった。"}));
  }
  NoFace(2);
  Face(1, "yut001");
  GO(Say({"『しあげしつ』の瓶は、仕上げ室まで届けた。", "絵の具の匂いのする部屋で、",
          "ラジオを聞きながら、誰かが小さく拍手した。"}));
  GO(Say({"『じむしょ』の瓶は、社長が受け取って、", "冷蔵庫のいちばんいい場所にしまった。",
          "熊井さんの缶コーヒーが、一本、追い出された。"}));
  GO(Say({"帰りぎわ、ゆずかちゃんは", "監督の小さな瓶を、カーテンの隙間から",
          "そっと机の上に置いていった。"}));
  return 0;
}

ScriptResult Invitation() {
  Mark(kInvitation);
  Face(1, "yut002");
  GO(Say({"伝票にサインをもらうと、ゆずかちゃんは", "エプロンのポケットから、",
          "折りたたんだチラシを一枚取り出した。"}));
  GO(Say({"『つきみ通り商店街　夏の夜市』", "『八月八日（日）夕方六時から』"}));
  Voice("yu0108");
  GO(Say({"ゆずか「商店街の夜市です。うちのお店も、", "　金魚すくいの屋台、出すんですよ」"}));
  GO(Say({"ゆずか「おじいちゃんが毎年、", "　金魚屋さんから借りてくるの。",
          "　……わたし、すっごく上手なんです」"}));
  Face(1, "yut007");
  Voice("yu0109");
  GO(Say({"ゆずか「日曜日なら、スタジオもお休みでしょう。", "　早瀬さんも、来ませんか？",
          "　……たまには、休まないと、ですよ」"}));
  GO(Choose({"１『行くよ。金魚すくい、勝負しよう』", "２『ごめん、日曜は寝ていたいかも』"}));
  if (Picked() == 1) {
    Face(1, "yut003");
    Voice("yu0110");
    GO(Say({"ゆずか「勝負？　言いましたね。", "　わたし、負けたことないですよ？」"}));
    GO(Say({"ゆずか「六時に、お店の前で。", "　……約束ですからね！」"}));
    Flag(flag::kYuzuka0808) = 1;
    Affection(3) += 1;
  } else {
    Face(1, "yut005");
    GO(Say({"ゆずか「……そうですよね。", "　寝るのも、大事です。すっごく大事」"}));
    GO(Say({"ゆずかちゃんは、チラシをポケットに戻した。", "少しだけ、しわが増えていた。"}));
    Flag(yuzuka::kMarketDeclined) = 1;
  }
  return 0;
}

ScriptResult LateOrder() {
  Mark(kLateOrder);
  Face(1, "yut005");
  GO(Say({"今日のゆずかちゃんは、", "いつもより自転車のベルが小さかった。"}));
  if (GiantFilm()) {
    GO(Say({"ゆずか「早瀬さん。熊井さんから頼まれてる、", "　追加のセルのことなんですけど……」"}));
    GO(Say({"ゆずか「ガガって、枚数が多いでしょう。", "　うちの在庫じゃ足りなくて、",
            "　問屋さんにまとめて頼んだんです」"}));
  } else {
    GO(Say(
        {"ゆずか「早瀬さん。熊井さんから頼まれてる、", "　夜の青の絵の具のことなんですけど……」"}));
    GO(Say({"ゆずか「あの青、特別な調合なんです。", "　うちの在庫じゃ足りなくて、",
            "　問屋さんに特注で頼んだんです」"}));
  }
  Voice("yu0111");
  GO(Say({"ゆずか「そしたら、問屋さんがお盆前で、", "　工場が止まっちゃうって。",
          "　……来週には、間に合わないかもしれない」"}));
  GO(Say({"陽太「来週……」"}));
  GO(Say({"来週は、仕上げがいちばん忙しくなる週だ。", "熊井さんの声が、頭の中で聞こえた。",
          "――『材料が切れたら、ラインが止まる』"}));
  Face(1, "yut009");
  GO(Say({"ゆずか「おじいちゃんが、今日の午後、", "　熊井さんに謝りに来るって。",
          "　電話じゃ申し訳ないからって」"}));
  GO(Say({"ゆずか「……ごめんなさい。", "　うちのせいで、映画が遅れたら」"}));
  GO(Say({"いつも人の背中を叱っている声が、", "今日は、自分の背中を丸めていた。"}));
  GO(Choose({"１『ゆずかちゃんのせいじゃないよ』", "２『大丈夫、なんとかするのが進行だから』"}));
  if (Picked() == 1) {
    Face(1, "yut002");
    GO(Say({"ゆずか「……ありがとう、ございます。", "　でも、お店のことは、わたしのことです」"}));
  } else {
    Face(1, "yut003");
    Voice("yu0112");
    GO(Say({"ゆずか「ふふ。なんだか、頼もしい。", "　日曜日の新人さんと、別の人みたい」"}));
  }
  Affection(3) += 1;
  GO(Say({"ゆずか「届くまで、できることは何でもします。",
          "　お店のほうにも、顔を出してくださいね」"}));
  Flag(flag::kChigusaAfternoon) = 1;
  return 0;
}

// The visit's small talk once the pieces of the day are told: the drawing
// room before the invitation, the office's desk before the late order.
ScriptResult SmallTalk(std::uint32_t date) {
  if (date < 806) {
    Face(1, "yut002");
    GO(Say({"ゆずか「今日は、鉛筆の追加です。", "　……あ、三好さん、また猫背！」"}));
    GO(Say({"三好さんが、あわてて背筋を伸ばした。", "作画室の誰かが、くすりと笑った。"}));
    GO(Say({"奥の机で、みちるさんが", "白い棒を一本、口にくわえていた。"}));
    Face(1, "yut006");
    GO(Say({"ゆずか「みちるさん！　それ、煙草……", "　……じゃ、ない？」"}));
    Face(2, "mit002");
    GO(Say({"みちる「ココアシガレット。", "　社長と約束したの。本物は、この映画が",
            "　終わるまでお預け」"}));
    Face(1, "yut003");
    GO(Say(
        {"ゆずか「えらい！　みちるさん、えらいです！", "　……終わっても、お預けにしましょうね」"}));
    Face(2, "mit007");
    GO(Say({"みちる「……あなた、監督より手ごわいわね」"}));
    NoFace(2);
    Face(1, "yut002");
    GO(Say({"ゆずかちゃんは、箱の中身を伝票と照らし合わせて、",
            "一本ずつ鉛筆の芯を確かめていった。"}));
    GO(Say({"ゆずか「おじいちゃんの教えなんです。", "　芯の折れた鉛筆を一本でも届けたら、",
            "　うちの恥だって」"}));
    return 0;
  }
  Face(1, "yut001");
  GO(Say({"ゆずか「……今日は、鉛筆だけです」"}));
  GO(Say({"いつもなら作画室じゅうに響く声が、", "今日は、半分くらいの大きさだった。",
          "三好さんの猫背にも、気づかなかったみたいだ。"}));
  return 0;
}

}  // namespace

bool YuzukaAtTheStudio() {
  const std::uint32_t date = Date();
  bool deliveryDay = false;
  for (const std::uint32_t day : kDeliveryDays) {
    if (date == day) deliveryDay = true;
  }
  return deliveryDay && TimeSlot() <= core::kAfternoon &&
         core::GameState.route[2].metToday[0] == 0 && !Seen(kLateOrder) &&
         Flag(flag::kChigusaAfternoon) == 0 && Flag(flag::kYuzukaShop) == 0;
}

ScriptResult sYuzukaIn() {
  core::GameState.route[2].metToday[0] = 1;
  Music("YUm01");
  Bg(ByTime("bg035"));
  Effect("21");
  const std::uint32_t date = Date();
  if (!Seen(kPosture)) {
    GO(Posture());
  } else if (!Seen(kJars)) {
    GO(Say({"チリン、と自転車のベル。", "階段を上がってくる、軽い足音。"}));
    GO(Jars());
  } else {
    GO(Say({"チリン、と自転車のベル。", "ゆずかちゃんが、配達の箱を抱えて入ってきた。"}));
    GO(SmallTalk(date));
  }
  if (date >= 803 && !Seen(kInvitation)) {
    ClearStage();
    Bg(ByTime("bg031"));
    GO(Say({"帰りぎわ、入口の下駄箱の前で", "ゆずかちゃんに呼び止められた。"}));
    GO(Invitation());
  }
  if (date >= 806 && !Seen(kLateOrder)) {
    ClearStage();
    Bg(ByTime("bg030"));
    GO(Say({"スタジオの前で、ゆずかちゃんが", "自転車のスタンドを立てたまま、",
            "なかなか漕ぎだそうとしなかった。"}));
    GO(LateOrder());
  }
  Flag(flag::kYuzukaMet) = 1;
  ClearStage();
  Bg(ByTime("bg030"));
  Effect("21");
  GO(Say({"チリン、とベルを鳴らして、", "黄色いエプロンが商店街のほうへ遠ざかっていった。"}));
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
