// 録音スタジオ: 音蔵スタジオ, the sound director 蔵前 宗一郎's studio. The
// voices are recorded to unfinished picture on 12 August, pick-ups follow on
// the 20th, the climax on the 23rd, and on the 29th the final mix. Reina is in
// the booth; her own scenes belong to her route, so here she is heard, not met.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/flags.h"
#include "story/routes/routes.h"
#include "story/routes/support/support.h"

namespace story {

namespace {

ScriptResult FirstVisit() {
  GO(Say({"古い映画館を直したという、煉瓦の建物。",
          "分厚い扉を二枚くぐると、外の蝉の声がぷつりと消えた。"}));
  GO(Say({"調整室。", "つまみとレバーの並んだ大きな卓の向こうに、ガラス窓。",
          "窓の向こうのブースに、マイクが三本立っている。"}));
  Face(1, "sot001");
  Voice("so0300");
  GO(Say({"蔵前「夕凪さんの進行さんですね。蔵前です。", "　台本とテープ、お預かりします」"}));
  GO(Say({"音響監督の蔵前宗一郎さん。", "八月だというのに、麻の上着をきちんと着ている。"}));
  Effect("08");
  GO(Say({"人数分の台本と、線撮のビデオテープを渡す。",
          "出演者のお弁当は、昼に届くよう頼んである。", "……熊井さんのメモの通りに。"}));
  Voice("so0301");
  GO(Say(
      {"蔵前「画面は、まだ鉛筆でしょう。大丈夫。", "　役者さんは、線の向こうに色を見ますから」"}));
  GO(Say({"モニターに、色のない絵が映る。", "台詞の始まる所で、画面の上に役の名前が出る。",
          "それを合図に、声を入れるのだという。"}));
  NoFace(1);
  GO(Say({"ブースの扉が開いて、役者さんたちが入ってきた。",
          GiantFilm() ? "鉄平役の男の子が、台本を丸めて振り回している。"
                      : "琵琶法師役の老優が、目を閉じて台本を胸に抱えている。"}));
  if (Flag(flag::kNanokaMetSisters) == 2) {  // Koyori told him on 28 July
    GO(Say({"最後に入ってきたのは、長い黒髪の人。", "日曜日の駅で、段ボールの山の横にいた人。"}));
    GO(Say({"――主役の、氷見玲那さん。", "こよりさんに聞いて知ってはいたのに、",
            "ガラス越しに見ると、まるで別の人だった。"}));
  } else if (Flag(flag::kReinaMetSisters) == 1) {
    GO(Say({"最後に入ってきた人を見て、息が止まった。",
            "長い黒髪。日曜日の駅で、段ボールの山の横にいた人。"}));
    GO(Say({"――主役の、氷見玲那さん。", "あの日運んだ箱の中身は、台本だったのかもしれない。"}));
  } else {
    GO(Say({"最後に入ってきたのは、長い黒髪の女の人だった。", "主役の、氷見玲那さん。",
            "ブースの空気が、すっと冷たく張りつめた。"}));
  }
  Face(2, "ret001");
  GO(Say({"玲那さんはガラス越しに調整室へ一礼し、", "マイクの前に立った。"}));
  Face(1, "sot009");
  Voice("so0302");
  GO(Say({"蔵前「では、テストなしで。本番いきます」"}));
  Effect("52");
  GO(Say({"テープが巻き戻り、鉛筆の絵が動き出す。", "画面の上に、役の名前が流れた。"}));
  if (GiantFilm()) {
    GO(Say({"スピーカーから、玲那さんの声。", "――鉄平！　……ばか。心配したんだから。",
            "色のないつばめが、その声で、急に泣き顔になった。"}));
  } else {
    GO(Say({"スピーカーから、玲那さんの声。", "――その町の歌を、もう一度。",
            "色のないしずりが、その声で、急に人の顔になった。"}));
  }
  Face(1, "sot002");
  Voice("so0303");
  GO(Say({"蔵前「……はい、いただきました。念のため、", "　もう一回。今のは、少し上手すぎました」"}));
  GO(Say({"上手すぎる、ということがあるらしい。", "二回目の声は、さっきより少しだけ震えていた。",
          "蔵前さんは、そちらを使うと言った。"}));
  NoFace(1);
  NoFace(2);
  if (EveningOrNight()) {
    GO(Say({"収録は、夜まで続いた。", "外に出ると、煉瓦の壁がまだ昼の熱を持っていた。"}));
  } else {
    GO(Say({"昼休み、お弁当の数を数えて配った。", "一つ足りなかった。自分の分だった。"}));
  }
  return 0;
}

// Every recording day was left to others: the rookie first walks in on the mix.
ScriptResult LateFirstVisit() {
  GO(Say({"古い映画館を直したという、煉瓦の建物。", "この夏、ここへ来るのは初めてだった。",
          "声の収録は、みんな誰かが代わりに済ませていた。"}));
  Face(1, "sot001");
  Voice("so0308");
  GO(Say({"蔵前「夕凪さんの進行さんですね。蔵前です。",
          "　最後の日にだけ会うのも、何かの縁でしょう」"}));
  NoFace(1);
  return 0;
}

ScriptResult PickUps() {
  Face(1, "sot002");
  Voice("so0304");
  GO(Say({"蔵前「進行さん、ちょうどいい。ブースに入って。", "　ガヤが一人足りないんです」"}));
  GO(Say({"陽太「ガヤ……ですか」"}));
  GO(Say({"背景で聞こえる、大勢の声のことだという。", "気がつくと、マイクの前に立たされていた。"}));
  NoFace(1);
  if (GiantFilm()) {
    GO(Say({"台本には、一行だけ。", "――町の人々：逃げろー！　風車が倒れるぞー！"}));
  } else {
    GO(Say({"台本には、一行だけ。", "――追っ手たち：いたぞ！　峠の上だ！"}));
  }
  GO(Say({"五人で声を合わせて叫ぶ。", "ヘッドホンの中で、自分の声だけが裏返った。"}));
  Flag(support::kInTheCrowd) = 1;
  Face(1, "sot003");
  Voice("so0305");
  GO(Say({"蔵前「結構です。裏返ったのが、いちばん本物らしい」"}));
  NoFace(1);
  GO(Say({"映画のどこかに、自分の声が一つ混じることになった。",
          "誰にも聞き分けられない、叫び声がひとつ。"}));
  return 0;
}

ScriptResult Climax() {
  GO(Say({"今日は、山場の収録だった。", "調整室の誰も、必要なこと以外は口にしない。"}));
  Face(1, "sot001");
  Voice("so0306");
  GO(Say({"蔵前「今日は、私が止めるまで誰も止めないでください。", "　咳も、紙の音も」"}));
  NoFace(1);
  GO(Say({"ガラスの向こうで、玲那さんが目を閉じていた。",
          "テープを届けて、音を立てないように、扉を閉めた。",
          "その先は、見届けないまま会社へ戻った。"}));
  return 0;
}

ScriptResult Dubbing() {
  GO(Say({"今日はダビング。声と音楽と効果音を、", "ひとつのフィルムの音に混ぜ合わせる日だ。"}));
  GO(Say({"調整室の大きな卓で、蔵前さんがレバーを動かす。",
          "声が上がり、音楽が下がり、風の音が間を埋める。"}));
  if (GiantFilm()) {
    GO(Say({"効果の人が持ってきたのは、錆びたバケツと扇風機。",
            "二つを擦り合わせた音が、スピーカーの中で、", "ガガランの足音に変わった。"}));
  } else {
    GO(Say({"効果の人が持ってきたのは、竹の束と濡れた布。", "布を振る音が、スピーカーの中で、",
            "霧の峠を渡る夜風に変わった。"}));
  }
  Face(1, "sot002");
  Voice("so0307");
  GO(Say(
      {"蔵前「音が全部揃うと、絵が初めて息をします。", "　進行さん、この夏、お疲れさまでした」"}));
  NoFace(1);
  GO(Say({"まだ終わっていない、と言いかけて、やめた。",
          "スピーカーの中の映画が、確かに息をしていたから。"}));
  return 0;
}

ScriptResult Short(int visits) {
  if (visits % 2 == 0) {
    GO(Say({"赤い『録音中』のランプが消えるのを、扉の前で待った。",
            "中から、誰かの笑い声が漏れてきた。"}));
  } else {
    GO(Say({"調整室の隅で、蔵前さんが冷めたお茶を飲んでいた。",
            "声をかけると、黙って頷き、テープを受け取ってくれた。"}));
  }
  return 0;
}

}  // namespace

ScriptResult sRecStudio() {
  VisitMusic();
  Bg("bg054");
  const int visits = VisitsTo(Work::Recording);
  // The sessions come in a fixed order by date; the count only says whether
  // this is the rookie's first time in the building.
  const std::uint32_t date = Date();
  if (visits == 0 && date >= 829) {
    GO(LateFirstVisit());
    GO(Dubbing());
  } else if (visits == 0) {
    GO(FirstVisit());
  } else if (date >= 829) {
    GO(Dubbing());
  } else if (visits >= 3) {
    GO(Short(visits));
  } else if (date >= 823) {
    GO(Climax());
  } else {
    GO(PickUps());
  }
  GO(ReinaInTheBooth());
  if (!(date >= 829 && support::KuramaeNightDue())) return Visited(Work::Recording);
  return support::VisitedThen(Work::Recording, "sKuramae02");
}

}  // namespace story
