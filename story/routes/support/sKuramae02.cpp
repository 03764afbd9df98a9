// Kuramae's last night: when the final mix is done he asks the rookie to stay
// and hear the whole film once, in the old cinema his studio used to be, and
// stops the tape before the last line. Offered once; staying ends the day.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/day/work.h"
#include "story/flags.h"
#include "story/routes/routes.h"
#include "story/routes/support/support.h"

namespace story {

namespace {

// The film as it goes by in the dark, with the rookie's own shout in it when
// he stood in the booth for the pick-ups.
ScriptResult TheWholeReel() {
  Effect("52");
  GO(Say({"テープが巻き戻る音。", "それから、何も映っていない画面に、", "最初の音が来た。"}));
  if (GiantFilm()) {
    GO(Say({"海鳴り。風車の軋む音。", "坂道を駆けおりる、鉄平の息。"}));
    GO(Say({"錆びたバケツと扇風機の音が、", "巨人の足音になって、", "暗い部屋の床を揺らした。"}));
  } else {
    GO(Say({"霧の中の、鈴の音。", "草を踏む、獣の足音。"}));
    GO(Say({"竹の束と濡れた布の音が、", "峠を渡る夜風になって、", "暗い部屋を吹き抜けていった。"}));
  }
  if (Flag(support::kInTheCrowd) == 1) {
    GO(Say({GiantFilm() ? "――逃げろー！　風車が倒れるぞー！" : "――いたぞ！　峠の上だ！",
            "五人の叫び声が、ひとかたまりになって通り過ぎた。"}));
    Face(1, "sot002");
    Voice("so0808");
    GO(Say({"蔵前「今の中に、あなたがいました。", "　わかりましたか」"}));
    GO(Say({"陽太「……いいえ。", "　どれが自分か、わかりませんでした」"}));
    Voice("so0809");
    GO(Say({"蔵前「それで、いいのです」"}));
    GO(Say({"蔵前「誰にも聞き分けられない声が、", "　いちばん、映画を支えます。",
            "　……進行さんの、この夏の仕事と同じです」"}));
    NoFace(1);
  } else {
    GO(Say({GiantFilm() ? "――逃げろー！　風車が倒れるぞー！" : "――いたぞ！　峠の上だ！",
            "大勢の叫び声が、ひとかたまりになって通り過ぎた。"}));
    Face(1, "sot002");
    Voice("so0816");
    GO(Say({"蔵前「今のガヤは、五人です。", "　一人足りなくて、効果の人に",
            "　叫んでもらいました」"}));
    GO(Say({"蔵前「あの人は、どれが自分の声か、", "　いまだにわからないそうです。",
            "　……それで、いいのです」"}));
    NoFace(1);
  }
  GO(Say({"鉛筆の線しか見たことのなかった場面に、", "色と、音と、息がついていた。",
          "自分が運んだ袋の、一枚一枚が、動いていた。"}));
  return 0;
}

// Before the last line he takes his hand off the fader and stops the tape.
ScriptResult TheLastLine() {
  GO(Say({"音楽が引いていく。", "最後のカットの、最後の間。", "――そこで、音が消えた。"}));
  GO(Say({"蔵前さんが、テープを止めていた。"}));
  Face(1, "sot009");
  Voice("so0810");
  GO(Say({"蔵前「最後の一行は、", "　明日、客席で聞いてください」"}));
  GO(Say({"陽太「……蔵前さんは、", "　もう聞いたんですよね。ダビングで」"}));
  Voice("so0811");
  GO(Say({"蔵前「三十年、最後の一行は、", "　いつもこの卓の前で聞いてきました。",
          "　レバーに手を置いたままで」"}));
  GO(Say({"蔵前「一度くらい、", "　何も知らずに客席で聞く人を、",
          "　自分の手で、作ってみたかったのです」"}));
  if (Flag(flag::kReinaBooth) == 1) {
    Face(1, "sot001");
    Voice("so0812");
    GO(Say({"蔵前「おでん屋で、三十秒の話をしましたね。", "　長すぎたのか、短すぎたのか」"}));
    GO(Say({"蔵前「明日、わかるかもしれません。", "　……わからないかもしれない。",
            "　それでも、客席には座ります」"}));
  }
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sKuramae02() {
  Flag(support::kKuramae02Seen) = 1;
  Bg("bg054");
  Music("bgm10");
  GO(Say({"ダビングが終わったのは、九時を過ぎたころだった。", "効果の人が道具を抱えて帰り、",
          "録音技師さんたちも、一人ずつ頭を下げて出ていった。"}));
  GO(Say({"僕も上着を取って、", "調整室の扉に手をかけた。"}));
  Face(1, "sot001");
  Voice("so0800");
  GO(Say({"蔵前「進行さん。", "　もう少しだけ、お時間はありますか」"}));
  Voice("so0801");
  GO(Say({"蔵前「頭から一度、通して聞きます。", "　止めずに。直さずに。",
          "　……それを、誰かと聞きたいのです」"}));
  if (VisitsTo(Work::Recording) <= 1) {
    Voice("so0815");
    GO(Say({"蔵前「今日はじめて会った方に、", "　おかしな頼みですが。",
            "　この夏、袋を運んだ人なら、誰でもいい」"}));
  }
  NoFace(1);
  GO(Say({"会社では、撮影と編集の最後の袋が待っている。", "こよりさんも、熊井さんも、",
          "今夜はきっと眠らない。"}));
  GO(Choose({"１『聞かせてください』", "２『……会社に、戻らないと』"}));
  if (Picked() == 2) {
    Face(1, "sot002");
    Voice("so0802");
    GO(Say({"蔵前「そうですね。", "　それが、進行さんの仕事です」"}));
    Voice("so0803");
    GO(Say({"蔵前「では、明日。客席で。", "　……私も、今夜はひとりで聞きます」"}));
    NoFace(1);
    Effect("04");
    GO(Say({"分厚い扉を二枚、うしろ手に閉めた。", "外は、もう虫の声だった。"}));
    GO(Say({"振り返ると、煉瓦の建物の", "小さな窓にだけ、明かりが残っていた。"}));
    Flag(support::kStayedForMix) = 0;
    StopMusic();
    return Jump("s2wA");
  }
  Flag(support::kStayedForMix) = 1;
  Face(1, "sot002");
  Voice("so0804");
  GO(Say({"蔵前「ありがとう。", "　……そこの椅子に、どうぞ」"}));
  NoFace(1);
  GO(Say({"卓のうしろに、古い椅子が一脚だけあった。", "赤いビロードの、すり切れた、",
          "映画館の客席の椅子だった。"}));
  Face(1, "sot009");
  Voice("so0805");
  GO(Say({"蔵前「この建物は、昔、映画館でした。", "　私は十のとき、ここの三列目で、",
          "　はじめて映画を見たのです」"}));
  GO(Say({"蔵前「潰れると聞いて、借金をして買いました。", "　座席は、みんな売ってしまった。",
          "　……その一脚だけ、残して」"}));
  Voice("so0806");
  GO(Say({"蔵前「三列目の、真ん中です。", "　あのころは、足が床に届かなかった」"}));
  GO(Say({"陽太「……そんな大事な椅子に、", "　僕が座っていいんですか」"}));
  Face(1, "sot002");
  Voice("so0807");
  GO(Say({"蔵前「椅子は、座られるためにあります。", "　……では、明かりを落とします」"}));
  NoFace(1);
  Effect("58");
  GO(Say({"調整室の明かりが消えた。", "モニターの青い光だけが、",
          "蔵前さんの銀色の髪を縁どっていた。"}));
  GO(TheWholeReel());
  GO(TheLastLine());
  Effect("58");
  GO(Say({"明かりが点いた。", "何十分も、息をするのを", "忘れていた気がした。"}));
  Face(1, "sot001");
  Voice("so0813");
  GO(Say({"蔵前「お疲れさまでした。", "　音のネガは、今夜のうちに暁光さんへ。",
          "　……私の仕事は、ここまでです」"}));
  Voice("so0814");
  GO(Say({"蔵前「ここから先は、", "　あなたたちの仕事です」"}));
  NoFace(1);
  Bg("bg011n");
  GO(Say({"駅まで、蔵前さんと並んで歩いた。", "麻の上着が、夜風に少しだけふくらんでいた。"}));
  GO(Say({"改札の前で、蔵前さんは", "小さく頭を下げて、", "それきり、何も言わなかった。"}));
  GO(Say({"何もしないで、そこにいる。", "それが、今夜の僕の仕事だったのだと思う。"}));
  StopMusic();
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
