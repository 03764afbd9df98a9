// The ends and beginnings of days: the night scene that closes a day whose
// night was used, the morning after Nanoka kept him out, and the morning the
// Himi sisters bring breakfast to the drawing room.
#include <cstddef>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/studio/studio.h"

namespace story {

namespace {

using studio::Period;

// Byte 37: nights closed in the alley; the two nights of each period take turns.
constexpr std::size_t kNightsOut = 37;
// Byte 38: nights Nanoka kept him out.
constexpr std::size_t kNanokaNights = 38;
// Byte 39: breakfasts the sisters brought.
constexpr std::size_t kBreakfasts = 39;

ScriptResult InTheAlley(bool other) {
  switch (studio::Now()) {
    case Period::KeysLate:
      if (other) {
        Effect("59");
        GO(Say({"自販機で、冷たい麦茶を買った。", "缶を首に当てると、一日の熱が少しだけ引いた。"}));
        GO(Say({"ここに来て、まだ一週間。", "……もう一か月もいるような気がする。"}));
      } else {
        GO(Say({"眠る前に、外の空気を吸いに出た。",
                "銀杏の木の向こうで、スタジオの窓がまだ明るい。"}));
        GO(Say(
            {"あの明かりの下で、誰かがまだ鉛筆を握っている。", "明日はもう少し、役に立ちたい。"}));
      }
      return 0;
    case Period::InBetween:
      if (other) {
        GO(Say({"銀杏荘の前で、猫が一匹こちらを見ていた。",
                "沢渡さんのところの猫に、少し似ている。"}));
        GO(Say({"『おまえも締め切りか』と聞いてみた。", "猫は答えずに、塀の向こうへ消えた。"}));
      } else {
        Effect("62");
        GO(Say({"夜の路地に、風鈴の音がした。", "どこかの家の軒先だろう。"}));
        GO(Say({"目を閉じて、今日運んだカット袋を数えた。", "……十一。昨日より、二つ多い。"}));
      }
      return 0;
    case Period::Crunch:
      if (other) {
        Effect("22");
        GO(Say({"遠くで、最終電車の踏切が鳴った。", "あれが鳴ったら、今日の回収はもうない。"}));
        GO(Say({"明日は、始発で出る。", "目覚ましを、二つかけることにした。"}));
      } else {
        GO(Say({"日付が変わっても、スタジオの明かりは消えない。",
                "見上げると、屋上に人影がひとつ。"}));
        GO(Say({"誰かが、煙草を吸っているのだろう。", "……あるいは、泣いているのかもしれない。",
                "あの屋上は、そういう場所だと聞いた。"}));
      }
      return 0;
    case Period::Hospital:
      if (other) {
        GO(Say({"路地の銀杏が、風に鳴っている。", "スタジオの窓のうち、監督室だけが暗い。"}));
        GO(Say({"……それがこんなに寂しいとは、", "思わなかった。"}));
      } else {
        GO(Say({"坂の上に、月が出ていた。", "月見坂という名前は、この月のことなのだろう。"}));
        GO(Say(
            {"病院の窓からも、この月は見えるだろうか。", "監督は、ちゃんと眠っているだろうか。"}));
      }
      return 0;
    case Period::LastWeek:
      if (other) {
        GO(Say({"スタジオの明かりを見上げて、指を折った。", "三十日まで、あと何日。"}));
        GO(Say({"……数えるのをやめて、部屋に戻った。", "数えても、一日は増えない。"}));
      } else {
        GO(Say({"夜風が、少しだけ涼しくなった。", "蝉の声に、コオロギの声が混ざり始めている。"}));
        GO(Say({"夏が、終わろうとしている。", "……その前に、終わらせなければいけないものがある。"}));
      }
      return 0;
  }
  return 0;
}

ScriptResult WithNanoka(bool again) {
  Face(1, "nat001");
  if (again) {
    GO(Say({"菜乃花ちゃんの話は、今夜も終わらなかった。",
            "好きなアニメの、好きなカットの、好きな一コマ。"}));
    GO(Say(
        {"菜乃花「一コマって、二十四分の一秒でしょう。", "　……そこに、誰かの一日が入ってるの」"}));
    GO(Say({"うなずいているうちに、", "東の空の色が、少しずつ変わり始めていた。"}));
    GO(Say({"菜乃花「……明日、怒られますよね。熊井さんに」"}));
    NoFace(1);
    GO(Say({"たぶん、怒られる。"}));
    return 0;
  }
  GO(Say({"夜の川べりで、菜乃花ちゃんが", "好きな映画の話をしている。"}));
  GO(Say({"菜乃花「最後のカットで、主人公が振り向かないの。",
          "　振り向かないのに……泣いてるって、わかるの」"}));
  GO(Say({"菜乃花「あれ、どうやって描いたんだろう。", "　……背中、だけで」"}));
  GO(Say({"答えられなかった。", "でも明日、みちるさんに聞いてみようと思った。"}));
  NoFace(1);
  GO(Say({"川面の街灯が、ゆらゆらと揺れている。", "時計を見ると、もう二時を回っていた。"}));
  Face(1, "nat001");
  GO(Say({"菜乃花「あ……ごめんなさい。", "　また、こんな時間まで……」"}));
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult NightScene(bool lateWithNanoka) {
  Music("bgm10");
  Bg(lateWithNanoka ? "bg013n" : "bg002n");
  if (lateWithNanoka) {
    GO(WithNanoka(studio::Count(kNanokaNights) > 0));
  } else {
    GO(InTheAlley(studio::Count(kNightsOut) % 2 == 1));
  }
  StopMusic();
  return 0;
}

ScriptResult TiredMorning() {
  Bg("bg001");
  Effect("33");
  if (Date() % 2 == 0) {
    GO(Say({"目覚まし時計が鳴っている。……三回目だ。", "まぶたが、２Ｂの芯みたいに重い。"}));
    GO(Say({"顔を洗って、走った。"}));
    Bg("bg034");
    Face(1, "kut004");
    Voice("ku0127");
    GO(Say({"熊井「……目が死んでるぞ、新人。", "　今日ミスしたら、承知しねえからな」"}));
  } else {
    GO(Say({"目を開けると、日差しがもう高かった。", "……寝坊だ。"}));
    Bg("bg034");
    GO(Say({"事務所に駆け込むと、ホワイトボードの自分の欄に、",
            "こよりさんの字で『遅刻』と書いてあった。"}));
    Face(1, "kot004");
    Voice("ko0111");
    GO(Say({"こより「新人くん、三十二分の遅刻。", "　……映画一本ぶんだよ？」"}));
  }
  NoFace(1);
  return 0;
}

ScriptResult SistersBreakfast() {
  Music("bgm07");
  Bg("bg035");
  if (studio::Count(kBreakfasts) > 0) {
    Face(1, "ret001");
    Face(2, "nat001");
    GO(Say({"今朝も、氷見姉妹が朝ごはんを持ってきてくれた。"}));
    GO(Say({"菜乃花「今日は……サンドイッチ、です」"}));
    GO(Say({"作画室に、小さな歓声が上がった。", "こよりさんは、今日も玲那さんの前で三回噛んだ。"}));
    StopMusic();
    return 0;
  }
  GO(Say({"朝の作画室に、見慣れない二人が立っていた。"}));
  Face(1, "ret001");
  Face(2, "nat001");
  GO(Say({"玲那「おはようございます。", "　……朝ごはんを、持ってきました」"}));
  GO(Say({"菜乃花「おにぎりと……卵焼き……", "　たくさん、作ったので……」"}));
  GO(Say({"作画室が、静まり返った。", "徹夜明けのアニメーターたちが、紙袋と",
          "玲那さんの顔を、交互に見ている。"}));
  GO(Say({"三好「……おい、新人。あの人、主役の……」"}));
  Face(2, "kot006");
  Voice("ko0112");
  GO(Say({"こより「れ、れ、玲那さんっ！？　本物……！」"}));
  Face(2, "kot007");
  GO(Say({"こより「あの、わたし、ファンで、あの、サインを、", "　いえ、その前に、お茶を！」"}));
  GO(Say({"玲那「……お仕事の邪魔でしたら、すぐに帰ります」"}));
  Face(2, "mit003");
  Voice("mi0107");
  GO(Say({"みちる「邪魔なもんですか。", "　みんな、三日ぶりのまともな朝ごはんよ」"}));
  NoFace(2);
  GO(Say({"おにぎりは、五分でなくなった。"}));
  GO(Say({"玲那さんは、壁に貼られた原画を", "しばらく黙って見上げていた。"}));
  GO(Say({"玲那「……この子に、声をつけるんですね。私が」"}));
  NoFace(1);
  GO(Say({"その横顔は、少しだけ緊張しているように見えた。"}));
  StopMusic();
  return 0;
}

}  // namespace story
