// The drawing room: a look round, then the way on to the director, to Kumai's
// cut-bag check, to the animators, or back to the office.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/routes/routes.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// Byte 35: how often the drawing room was entered; the first time is shown round.
constexpr std::size_t kDrawingRoomEntries = 35;

ScriptResult LookRound() {
  const int entries = studio::Count(kDrawingRoomEntries);
  if (entries == 0) {
    GO(Say({"作画室のドアを開けると、鉛筆の音がした。"}));
    GO(Say({"八つの机に、八つのライトボックス。", "誰も顔を上げない。",
            "紙をめくる音と、消しゴムの音だけがする。"}));
    GO(Say(
        {"奥のカーテンの向こうが、監督の部屋だ。", "窓ぎわの大きな机が、作監のみちるさんの席。"}));
    return 0;
  }
  const bool other = entries % 2 == 0;
  switch (studio::Now()) {
    case Period::KeysLate:
      if (other) {
        return Say({"消しゴムのかすを払う音。削りたての鉛筆の匂い。",
                    "扇風機が首を振るたびに、紙が鳴る。"});
      }
      return Say({"作画室は、今日も鉛筆の音だけがしている。",
                  "壁の進行表の『原画』の欄は、まだ半分以上が白い。"});
    case Period::InBetween:
      if (other) {
        return Say(
            {"誰かが原画をパラパラとめくる音がする。", "その音が、この部屋の時計みたいなものだ。"});
      }
      return Say(
          {"机の横に、動画用紙の束が積み上がっている。", "今週から、作画室は動画の季節だ。"});
    case Period::Crunch:
      if (other) {
        return Say(
            {"机の下で、誰かが寝袋にくるまって寝ている。", "起こさないように、そっと歩いた。"});
      }
      return Say(
          {"冷房の音と、鉛筆の音だけが響いている。", "話しかけていい雰囲気では、なかった。"});
    case Period::Hospital:
      if (other) {
        return Say({"みちるさんが、監督の分まで赤鉛筆を走らせている。",
                    "口には、ココア味の駄菓子の煙草。"});
      }
      return Say(
          {"監督の部屋のカーテンが、閉まったままだ。", "作画室の誰も、そのことには触れない。"});
    case Period::LastWeek:
      if (other) {
        return Say(
            {"夜明け前みたいに静かな作画室。", "鉛筆の音が、前よりゆっくりになった気がする。"});
      }
      return Say(
          {"壁の進行表が、ほとんど埋まってきた。", "あと少し、という言葉を、誰も口にしない。"});
  }
  return 0;
}

}  // namespace

ScriptResult sSakuga() {
  Music("bgm06");
  Bg(ByTime("bg035"));
  GO(LookRound());
  if (YuzukaAtTheStudio()) {
    GO(Say({"入口のところで、誰かが作画室をのぞきこんでいる。",
            "黄色いエプロン。画材のちぐさの、ゆずかちゃんだ。"}));
    GO(Choose({"１『声をかける』", "２『そっとしておく』"}));
    if (Picked() == 1) return Jump("sYuzukaIn");
  }
  if (NanokaAtTheStudio()) {
    GO(Say({"作画室の隅で、ノートを抱えた女の子が", "みちるさんの机を、じっとのぞきこんでいる。"}));
    GO(Choose({"１『声をかけてみる』", "２『見なかったことにする』"}));
    if (Picked() == 1) return Jump("sNanokaIn");
  }
  const bool director = Flag(PlaceOf(Work::Director).flag) == 1;
  const bool cutBags = Flag(PlaceOf(Work::CutBagCheck).flag) == 1;
  // The window shows three answers: with both tasks waiting, the way back
  // must stay among them.
  GO(Choose({director ? "１『監督室へ』" : nullptr, cutBags ? "２『熊井さんを手伝う』" : nullptr,
             director && cutBags ? nullptr : "３『アニメーターたちと話す』",
             "４『事務所に戻る』"}));
  switch (Picked()) {
    case 1:
      return Jump("sKantoku");
    case 2:
      return Jump("sKumai");
    case 3:
      return Jump("sIn");
    default:
      StopMusic();
      return Jump("s2wA");
  }
}

}  // namespace story
