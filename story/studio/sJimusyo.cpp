// The office: a shift of office work that changes with the summer, and the
// chart of how an anime is made, which Koyori explains once and then speaks.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/flags.h"
#include "story/routes/routes.h"
#include "story/routes/support/support.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// Bytes 30-31: the office scenes played, one bit each (two per period, then the nights).
constexpr std::size_t kOfficeSeen = 30;
constexpr int kNightEarly = 10;
constexpr int kNightLate = 11;

ScriptResult KoyoriExplains() {
  Face(1, "kot001");
  GO(Say({"壁に貼られた、一枚の古い表。", "『アニメのできるまで』と、手書きの題がある。"}));
  GO(Say({"陽太「こよりさん。この表、ちゃんと", "　教えてもらえませんか」"}));
  Face(1, "kot006");
  Voice("ko0100");
  GO(Say({"こより「えっ、ほんとに？　いいの？」"}));
  Face(1, "kot003");
  Voice("ko0101");
  GO(Say({"こより「それ、わたし説明するの大好きなんだよ！",
          "　入ったとき、最初に覚えたのがその表なの」"}));
  Face(1, "kot002");
  GO(Say({"こより「前の社長、周平さんが描いたんだって。",
          "　新人が来るたびに、これで説明してたの」"}));
  GO(Say({"こより「わたし、絵は描けないけどさ。", "　流れなら、全部言えるから」"}));
  Voice("ko0102");
  GO(Say({"こより「じゃ、ストップウォッチ押すよ。", "　十六工程、三分で！」"}));
  Effect("13");
  core::GameState.guideVoice = 1;
  GO(Guide());
  Face(1, "kot008");
  GO(Say({"こより「……三分二十秒。新記録ならず」"}));
  GO(Say({"陽太「十分速いです。半分くらい、", "　まだ耳が追いついてませんけど」"}));
  Face(1, "kot003");
  Voice("ko0103");
  GO(Say({"こより「いいのいいの。わからなくなったら、", "　また表の前に立てばいいんだよ」"}));
  NoFace(1);
  GO(Say({"それからというもの、あの表を見るたびに、", "こよりさんの早口が聞こえる気がした。"}));
  return 0;
}

ScriptResult PhoneDuty() {
  GO(Say({"電話番を任された。", "三回鳴る前に取れ、と熊井さんに言われている。"}));
  Effect("01");
  GO(Say({"陽太「は、はい！　夕凪動画です！」"}));
  GO(Say({"相手は原画マンの寺門さんだった。", "『昼前に電話すんな』とだけ言って、切れた。"}));
  Face(1, "kut001");
  GO(Say({"熊井「今のは寺門さんか。何て言ってた」"}));
  GO(Say({"陽太「昼前に電話するな、と……。", "　上がりのことは、聞けませんでした」"}));
  Face(1, "kut009");
  Voice("ku0100");
  GO(Say(
      {"熊井「次からは、切られる前に日付だけ言え。", "　『何日に取りに行きます』。それでいい」"}));
  Voice("ku0101");
  GO(Say({"熊井「向こうが怒ってても、日付が決まれば", "　進行の勝ちだ。覚えとけ」"}));
  NoFace(1);
  GO(Say({"ホワイトボードの寺門さんの欄に、", "熊井さんが太い字で日付を書き足した。"}));
  return 0;
}

ScriptResult Copier() {
  GO(Say(
      {"タイムシートのコピーを頼まれた。", "原画の一枚一枚が何コマ映るかを書いた、縦長の紙だ。"}));
  Face(1, "kot006");
  Voice("ko0104");
  GO(Say({"こより「あ、それ縮小しちゃだめ！　等倍ね、等倍！」"}));
  Face(1, "kot001");
  GO(Say({"こより「撮影さんは、その数字どおりに一コマずつ",
          "　撮るの。一枚ずれたら、口パクがずれちゃう」"}));
  Effect("08");
  GO(Say({"言っているそばから、コピー機が紙を噛んだ。"}));
  Face(1, "kot002");
  GO(Say({"こより「あー。それ、叩くと直るよ。", "　右側の、へこんでるところね」"}));
  NoFace(1);
  GO(Say({"へこみは、歴代の進行が叩いた跡らしい。"}));
  Face(1, "sut002");
  Voice("su0100");
  GO(Say({"砂原「早瀬くん、叩くのは三回までにしてね。", "　四回目で、本当に壊れるから」"}));
  NoFace(1);
  GO(Say({"社長は、編み物から目も上げずに言った。"}));
  return 0;
}

ScriptResult CountingSheets() {
  GO(Say({"経理の小野寺さんに呼ばれた。", "動画の枚数を、伝票と突き合わせる仕事だ。"}));
  GO(Say({"動画は一枚いくらで支払われる。", "一枚の数え違いが、誰かの晩ご飯一回分になる。"}));
  GO(Say({"小野寺「ぱらぱら堂さん、今週は二千四百十二枚。",
          "　……丸子さん、また端数を切ってくれてる」"}));
  GO(Say({"小野寺「あの人、うちが苦しいのを", "　知ってるのよ。昔から」"}));
  GO(Say({"電卓を叩く音が、しばらく続いた。"}));
  Face(1, "sut009");
  Voice("su0101");
  GO(Say({"砂原「……丸子さんのところには、", "　お中元を倍にしておいてちょうだい」"}));
  NoFace(1);
  GO(Say({"社長の編み棒が、少しだけ速くなった。"}));
  return 0;
}

ScriptResult FoundersPhoto() {
  GO(Say({"壁の写真を拭いておくように言われた。",
          "古い白黒の写真。耳に鉛筆を挟んだ人が笑っている。"}));
  Face(1, "sut001");
  GO(Say({"砂原「主人よ。この会社を作った人」"}));
  Face(1, "sut005");
  Voice("su0102");
  GO(Say({"砂原「あの机で、仕事の途中で倒れてね。", "　締め切りの前の晩だった」"}));
  GO(Say({"砂原「だから、うちでは言うことにしてるの。", "　締め切りより、人が先」"}));
  Face(1, "sut003");
  GO(Say({"砂原「……まあ、誰も守らないんだけどね」"}));
  NoFace(1);
  GO(Say({"社長はそう言って笑い、", "編み目を数え始めた。"}));
  return 0;
}

ScriptResult FaxFromTheCamera() {
  Effect("01");
  GO(Say({"電話が鳴りやまない。", "撮影所からは順番の確認、仕上げからは",
          "セルが足りないという悲鳴。"}));
  Effect("35");
  GO(Say({"ファクスが、長い紙を吐き出し始めた。"}));
  Face(1, "kot006");
  Voice("ko0105");
  GO(Say({"こより「それ、八ツ目さんの撮影スケジュール！", "　切って、ボードに貼って！」"}));
  Face(1, "kot004");
  GO(Say({"こより「わたし、にじますさんに行ってくる。", "　電話、頼んだよ新人くん！」"}));
  NoFace(1);
  Effect("07");
  GO(Say({"こよりさんは、ストップウォッチを押しながら", "飛び出していった。"}));
  GO(Say({"気がつけば、ホワイトボードの半分を", "自分の字が埋めていた。"}));
  return 0;
}

ScriptResult KuramaeCalls() {
  Effect("01");
  GO(Say({"陽太「はい、夕凪動画です」"}));
  Voice("so0100");
  GO(Say({"蔵前「音蔵スタジオの蔵前です。", "　いつもお世話になっております」"}));
  GO(Say({"蔵前「アフレコ用の映像は、線撮でかまいません。",
          "　ただ、口パクの尺だけは正しいものを」"}));
  Voice("so0101");
  GO(Say({"蔵前「役者は、絵が止まっていても芝居ができます。", "　口がずれていると、できません」"}));
  GO(Say({"陽太「はい。……必ず、伝えます」"}));
  GO(Say({"蔵前「よろしくお願いします。", "　……落ち着いた、良い声ですね。では」"}));
  GO(Say({"受話器を置いてから、", "少しだけ背筋が伸びていることに気づいた。"}));
  return 0;
}

ScriptResult TheDistributor() {
  GO(Say({"事務所の空気が重い。", "監督が倒れてから、社長はずっと電話をしている。",
          "相手は、配給の大輪映配だ。"}));
  Face(1, "sut001");
  Voice("su0103");
  GO(Say({"砂原「ええ、大丈夫です。三十日には、", "　必ず初号をお見せします」"}));
  Face(1, "sut002");
  GO(Say({"砂原「監督？　ぴんぴんしてますよ。", "　病院で、コンテを直してるくらいで」"}));
  NoFace(1);
  GO(Say({"受話器を置くと、社長は編み物を手に取った。", "編み目を数える声が、小さく聞こえる。"}));
  GO(Say({"数えているのは、たぶん、怒っている時だ。", "……何に怒っているのかは、わからなかった。"}));
  Face(1, "sut005");
  Voice("su0104");
  GO(Say({"砂原「早瀬くん、お茶をいれてくれる？", "　ふたり分。……あなたの分もよ」"}));
  return 0;
}

ScriptResult HospitalBox() {
  GO(Say({"ホワイトボードの『監督チェック』の欄に、", "熊井さんが矢印を書き足した。",
          "矢印の先には、病院の名前。"}));
  Face(1, "kut001");
  if (Flag(flag::kYuzukaHospital) != 0) {
    GO(Say({"熊井「チェックの要るもんは、この箱に入れとけ。", "　病院には、お前が持ってけ」"}));
  } else {
    GO(Say({"熊井「チェックの要るもんは、夕方までに", "　この箱に入れとけ。俺が病院に持ってく」"}));
  }
  GO(Say({"熊井「監督はベッドの上でも赤を入れる。", "　看護師さんに取り上げられない程度にな」"}));
  GO(Say({"陽太「……大丈夫なんですか、監督」"}));
  Face(1, "kut005");
  Voice("ku0102");
  GO(Say({"熊井「大丈夫じゃないから、入院してんだ」"}));
  Face(1, "kut009");
  Voice("ku0103");
  GO(Say({"熊井「だから、こっちが大丈夫にしとくんだよ。",
          "　監督が戻ってきて、がっかりしないようにな」"}));
  NoFace(1);
  return 0;
}

ScriptResult RedLines() {
  GO(Say({"ホワイトボードのカット表に、", "上がったカットから赤い線を引いていく。",
          "その線を引くのは、進行の役目だ。"}));
  Face(1, "kot002");
  GO(Say({"こより「引いていいよ。今日上がった分」"}));
  Effect("10");
  GO(Say({"赤いペンを受け取って、線を引いた。", "キュッ、と乾いた音がした。"}));
  Face(1, "kot003");
  Voice("ko0106");
  GO(Say({"こより「……ね、気持ちいいでしょ。", "　この音のために、進行やってるのかも」"}));
  NoFace(1);
  if (core::GameState.productionScore() >= 45) {
    GO(Say({"線の引かれていないカットは、もう数えるほどだ。",
            "ボードの白いところが、日に日に減っていく。"}));
  } else {
    GO(Say({"けれど、線の引かれていないカットは", "まだボードの半分以上を埋めている。"}));
    Face(1, "kot005");
    GO(Say({"こより「……大丈夫。まだ、三十日じゃないから」"}));
  }
  return 0;
}

ScriptResult TheHaramaki() {
  GO(Say({"社長の編み物が、ついに形になった。"}));
  GO(Say({"陽太「……それ、何ですか」"}));
  Face(1, "sut003");
  Voice("su0105");
  GO(Say({"砂原「腹巻きよ。監督の、退院祝い」"}));
  Face(1, "sut002");
  GO(Say({"砂原「あの人、冷房の効いた病室で", "　お腹を出して寝てたらしいのよ」"}));
  GO(Say({"砂原「夏じゅう編んでたの。映画とどっちが", "　先に上がるか、競争してたのよ」"}));
  NoFace(1);
  GO(Say({"社長の編み物は、どうやら勝ったらしい。", "映画のほうも、負けてはいられない。"}));
  return 0;
}

ScriptResult NoodlesAtNight() {
  GO(Say({"夜の事務所。", "残っているのは、熊井さんと自分だけだ。"}));
  Effect("36");
  Face(1, "kut002");
  Voice("ku0104");
  GO(Say({"熊井「食え。三分待てないなら二分でいい。", "　進行の麺は、かためだ」"}));
  NoFace(1);
  GO(Say({"熊井さんは麺をすすりながら、", "明日の回収の順番を紙に書いていく。"}));
  Face(1, "kut009");
  GO(Say({"熊井「寺門さんは昼過ぎ。沢渡さんは猫が寝てから。",
          "　ツバクロは朝一。ぱらぱら堂は夕方」"}));
  Voice("ku0105");
  GO(Say({"熊井「……相手の寝る時間を全部覚えたら、", "　一人前の進行だ」"}));
  NoFace(1);
  return 0;
}

ScriptResult PhoneAtMidnight() {
  Effect("01");
  GO(Say({"夜更けの事務所で、電話が鳴った。", "熊井さんは、ソファでカット袋を抱いたまま",
          "眠っている。"}));
  GO(Say({"陽太「はい、夕凪動画です。……はい。", "　では、明日の十時に伺います」"}));
  GO(Say({"日付と時間だけを言って、受話器を置いた。"}));
  GO(Say({"いつの間にか、熊井さんと同じ言い方に", "なっていた。"}));
  return 0;
}

// Once every scene of the period has been played: a few lines, not a scene.
ScriptResult ShortShift() {
  if (TimeSlot() >= core::kEvening) {
    GO(Say({"夜の事務所で、明日の回収の順番を組んだ。", "蛍光灯が一本、じりじりと鳴っている。"}));
  } else if (Date() % 2 == 0) {
    Effect("01");
    GO(Say({"電話番をしながら、伝票の整理をした。", "黒電話は、今日もよく鳴る。"}));
  } else {
    GO(Say({"ホワイトボードの日付を書き直し、", "カット袋の棚を番号順に並べ直した。"}));
  }
  return 0;
}

ScriptResult OfficeShift() {
  const bool late = TimeSlot() >= core::kEvening;
  const Period period = studio::Now();
  const int night = period < Period::Hospital ? kNightEarly : kNightLate;
  const int first = static_cast<int>(period) * 2;
  const int scene = late ? studio::FirstUnseen(kOfficeSeen, {night, first, first + 1})
                         : studio::FirstUnseen(kOfficeSeen, {first, first + 1});
  switch (scene) {
    case 0:
      return PhoneDuty();
    case 1:
      return Copier();
    case 2:
      return CountingSheets();
    case 3:
      return FoundersPhoto();
    case 4:
      return FaxFromTheCamera();
    case 5:
      return KuramaeCalls();
    case 6:
      return TheDistributor();
    case 7:
      return HospitalBox();
    case 8:
      return RedLines();
    case 9:
      return TheHaramaki();
    case kNightEarly:
      return NoodlesAtNight();
    case kNightLate:
      return PhoneAtMidnight();
    default:
      return ShortShift();
  }
}

}  // namespace

ScriptResult sJimusyo() {
  Bg(ByTime("bg034"));
  for (;;) {
    const bool explained = core::GameState.guideVoice == 1;
    // Back from her runs, Koyori takes the guide's place: the window shows
    // three answers and the way out must stay among them.
    const bool koyori = KoyoriInTheOffice();
    GO(Choose({"１『事務所の仕事をする』",
               koyori      ? nullptr
               : explained ? "２『制作の流れの表を見る』"
                           : "２『こよりさんに制作の流れを聞く』",
               "３『ほかへ行く』", koyori ? "４『こよりさんを手伝う』" : nullptr}));
    if (Picked() == 1 && support::KumaiMorningDue()) return Jump("sKumaiGozen");
    if (Picked() == 1) break;
    if (Picked() == 3) return Jump("s2wA");
    if (Picked() == 4) return Jump("sKoyori");
    if (explained) {
      GO(Guide());
    } else {
      GO(KoyoriExplains());
    }
  }
  GO(OfficeShift());
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
