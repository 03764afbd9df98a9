// The briefings of 23 to 29 August: the last week, the climax line, the
// retakes, the second rush, the last all-nighter and the final mix.
#include <cstdint>

#include "core/game_state.h"
#include "story/briefings/briefings.h"
#include "story/flags.h"

namespace story::briefing {

namespace {

// On 26 August, what the film can still become by the last day (its
// thresholds for the rush and the key-animation version, less what four
// more days of work can add).
constexpr int kRushWithinReach = 65;
constexpr int kColourWithinReach = 40;

ScriptResult Day0823() {
  Face(1, "kut001");
  Voice("ku0416");
  GO(Say({"熊井「今日は音蔵スタジオだ。クライマックスを録る」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「嵐の中で、つばめがガガランを呼ぶところだ。",
            "　この映画の、いちばん大きな声だ」"}));
  } else {
    GO(Say({"熊井「十三夜目に、しずりがはじめて名前を名乗る",
            "　ところだ。この映画の、いちばん小さな声だ」"}));
  }
  GO(Say({"熊井「それと、にじますと撮影所。", "　……今週が、最後の週だ」"}));
  GO(Backlog(823));
  if (Flag(flag::kKasumiInvited) != 0) {
    NoFace(1);
    NoFace(2);
    Face(1, "sut005");
    GO(Say({"社長は編み物の手を止めて、", "窓から丘のほうを見ていた。"}));
    Voice("su0407");
    GO(Say({"砂原「……今日だったわね」"}));
    GO(Say({"誰に言ったのでもない声だった。"}));
  }
  return 0;
}

ScriptResult Day0824() {
  Face(1, "kut001");
  GO(Say({"熊井「撮影所、編集所、協会便。", "　協会便は、この夏の最後の当番だ」"}));
  GO(Say({"熊井「撮影のリテイクが出はじめてる。", "　セルの傷、塗り違い、背景とのずれ。",
          "　一カットずつ直して、撮り直す」"}));
  Face(2, "kot003");
  Voice("ko0411");
  GO(Say({"こより「ラスト一週間！", "　……正確には、六日と二十三時間！」"}));
  Face(1, "kut006");
  GO(Say({"熊井「秒まで言うな」"}));
  Face(2, "kot002");
  GO(Say({"こより「言ってないよ。言おうとしたけど」"}));
  return Backlog(824);
}

ScriptResult Day0825() {
  Effect("33");
  GO(Say({"朝の事務所に、寝袋が三つ転がっていた。", "そのうちのひとつは、熊井さんだった。"}));
  Face(1, "kut008");
  GO(Say({"熊井「……起きてる。起きてるぞ」"}));
  Face(1, "kut001");
  GO(Say({"熊井「にじます、撮影所、編集所」"}));
  if (GiantFilm()) {
    Voice("ku0417");
    GO(Say({"熊井「ガガの嵐のセルが、あと二百枚。", "　今日じゅうに塗り上げて、明日撮る」"}));
  } else {
    Voice("ku0418");
    GO(Say({"熊井「ロウの十三夜目のセルが、あと百二十枚。",
            "　夜の青は乾きが遅い。今日じゅうに塗り上げる」"}));
  }
  GO(Say({"熊井「編集所じゃ、継田さんが尺を詰めてる。",
          "　三十二分に収まるかどうか、今日が勝負だ」"}));
  return Backlog(825);
}

ScriptResult Day0826() {
  Face(1, "kut001");
  GO(Say({"熊井「二回目のラッシュだ。暁光現像所。", "　それと撮影所、編集所」"}));
  GO(Say({"熊井「一回目より、色のついたカットはずっと多い。", "　……はずだ」"}));
  GO(Backlog(826));
  const int score = core::GameState.productionScore();
  Face(1, "kut009");
  GO(Say({"熊井さんは、ボードの数字を指で追った。"}));
  if (score >= kRushWithinReach) {
    Face(1, "kut002");
    Voice("ku0419");
    GO(Say({"熊井「……正直に言う。間に合うかもしれねえ。",
            "　三十日に、色のついたラッシュを見せられる」"}));
  } else if (score >= kColourWithinReach) {
    Voice("ku0420");
    GO(Say({"熊井「正直に言う。原撮なら、見せられる。",
            "　色がどこまで載るかは、ここからの四日しだいだ」"}));
  } else {
    Face(1, "kut005");
    Voice("ku0421");
    GO(Say({"熊井「……正直に言う。このままだと、", "　三十日に見せられるのは、鉛筆の線だけだ」"}));
    GO(Say({"熊井「だから、今日から四日、止まるな」"}));
  }
  return 0;
}

ScriptResult Day0827() {
  Face(1, "sut001");
  Voice("su0408");
  GO(Say({"砂原「月曜の朝、大輪映配の方がいらっしゃいます。",
          "　暁光現像所の試写室で、初号をお見せする約束」"}));
  Face(2, "kut001");
  GO(Say({"熊井「にじます、撮影所、編集所。", "　……今日と、明日と、明後日。三日だ」"}));
  NoFace(1);
  Face(1, "kot002");
  GO(Say({"こより「三日って、七十二時間だよ。寝なければ」"}));
  Face(2, "kut004");
  GO(Say({"熊井「寝ろ」"}));
  Face(2, "kut009");
  GO(Say({"熊井「監督から電話があった。『寝てる』だとさ。", "　……電話してくる時点で、寝てねえ」"}));
  return Backlog(827);
}

ScriptResult Day0828() {
  Face(1, "kut001");
  Voice("ku0422");
  GO(Say({"熊井「今日は、こよりと組め」"}));
  GO(Say({"熊井「にじますから上がったセルを、乾いた順に",
          "　八ツ目撮影へ運ぶ。撮影所に張りつきだ。", "　今夜は、たぶん帰れねえ」"}));
  Face(2, "kot001");
  GO(Say({"こより「最後の徹夜だね」"}));
  GO(Say({"熊井「最後かどうかは、明日の朝わかる」"}));
  GO(Backlog(828));
  NoFace(2);
  Face(1, "kot003");
  Voice("ko0412");
  GO(Say({"こより「白玉号、満タン。ストップウォッチ、電池新品。", "　行こう、新人くん！」"}));
  return 0;
}

ScriptResult Day0829() {
  Effect("16");
  GO(Say({"日曜日。けれど、休みだと言う人はいなかった。"}));
  Face(1, "kut001");
  Voice("ku0423");
  GO(Say({"熊井「今日はダビングだ。音蔵スタジオで、", "　声と音楽と効果音を、ひとつに混ぜる」"}));
  if (GiantFilm()) {
    GO(Say({"熊井「ガガは音がにぎやかだ。風車と、嵐と、",
            "　巨人の足音。蔵前さんが、それを喧嘩させずに", "　並べる」"}));
  } else {
    GO(Say({"熊井「ロウは音が少ねえ。琵琶と、風と、", "　しずりの息だけだ。蔵前さんは、",
            "　音のないところにいちばん時間をかける」"}));
  }
  GO(Say({"熊井「ダビングには、進行がひとり立ち会う。", "　それと、撮影所と編集所だ」"}));
  Face(2, "kot008");
  Voice("ko0413");
  GO(Say({"こより「わたしは撮影所で、リテイクを回す。", "　……二十カット、ある」"}));
  GO(Backlog(829));
  Face(1, "kut001");
  Face(2, "kot008");
  GO(Say({"熊井「新人。お前は、どっちにつく」"}));
  return Choose({"１『ダビングに立ち会う』", "２『こよりさんのリテイクを手伝う』"});
}

}  // namespace

ScriptResult Week6(std::uint32_t date) {
  switch (date) {
    case 823:
      return Day0823();
    case 824:
      return Day0824();
    case 825:
      return Day0825();
    case 826:
      return Day0826();
    case 827:
      return Day0827();
    case 828:
      return Day0828();
    default:
      return Day0829();
  }
}

}  // namespace story::briefing
