// A walk through town on the first Sunday: the shopping street, then the
// river; each stop can send the rookie on to someone he will meet again.
#include "core/game_state.h"
#include "story/chapters.h"

namespace story {

namespace {

// Where the first Sunday went: 1 the studio, 2 the store, 3 the station,
// 4 the hill, 5 the shopping street, 6 home. Set here and in s1wD2.
constexpr std::size_t kFirstSunday = 20;

}  // namespace

ScriptResult s1wF() {
  Bg("bg012");
  Music("bgm09");
  GO(Say({"町を歩いてみることにした。"}));
  GO(Say({"つきみ通り商店街。八百屋、金物屋、たい焼き屋。",
          "日曜の昼の商店街は、のんびりしていた。"}));
  Effect("21");
  GO(Say({"自転車のおじいさんが、ベルを鳴らして追い越していく。",
          "荷台に積んであるのは、鉛筆の箱だった。"}));
  GO(Say({"少し先の画材屋の前が、なんだか騒がしい。", "誰かが、誰かを叱っている声がする。"}));
  GO(Choose({"１『画材屋の騒ぎをのぞく』", "２『駅前へ行く（布団も要るし）』",
             "３『もう少し、先まで歩く』"}));
  if (Picked() == 1) {
    Flag(kFirstSunday) = 5;
    return Jump("s1wJ");
  }
  if (Picked() == 2) {
    Flag(kFirstSunday) = 3;
    return Jump("s1wH");
  }

  Bg("bg013");
  Effect("19");
  GO(Say({"商店街を抜けて、夕凪川の土手に出た。", "川風に、土手の草がいっせいに寝ていく。"}));
  GO(Say({"子供たちが、川に石を投げていた。", "五回跳ねた。六回跳ねた。歓声が上がる。"}));
  GO(Say({"見上げると、丘の上に、古い洋館の屋根が見えた。",
          "ポケットの中の封筒が、急に気になってくる。"}));
  GO(Choose({"１『丘の上へ、手紙を届けに行く』", "２『コンビニで、晩ごはんを買う』",
             "３『部屋に帰る』"}));
  if (Picked() == 1) {
    Flag(kFirstSunday) = 4;
    return Jump("s1wI");
  }
  if (Picked() == 2) {
    Flag(kFirstSunday) = 2;
    return Jump("s1wG");
  }

  Flag(kFirstSunday) = 6;
  Bg("bg001y");
  GO(Say({"結局、部屋に戻って、畳の上に寝転んだ。", "天井の木目が、なんだか人の顔に見える。"}));
  GO(Say({"段ボール箱を開けて、雑誌を一冊、抜き出した。", "『ほしまち郵便局』の特集号。"}));
  GO(Say({"星の町の郵便屋さんが、手紙を抱えて走っていた。", "空を、屋根を、夜の坂道を。"}));
  GO(Say({"……この人も、ずっと走ってるんだな。"}));
  GO(Say({"布団のない畳の上で、雑誌を顔にのせたまま、", "いつのまにか眠っていた。"}));
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
