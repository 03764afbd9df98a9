// 編集所: つぎはぎ編集室, where the editor 継田 剛 cuts the film to its 32
// minutes on the flatbed. Cutting starts on 14 August with the director beside
// him; from the 16th the director is in hospital and the notes go through the
// rookie; the colour rush arrives after the 21st; the cut is locked on the 29th.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

namespace {

// The director collapses on 16 August and does not come back to the cutting room.
bool DirectorAway() {
  return Date() >= 816;
}

ScriptResult FirstVisit() {
  GO(Say({"駅前の古いビルの地下。", "階段を下りた突き当たりに、",
          "手書きの札で『つぎはぎ編集室』。"}));
  Effect("03");
  GO(Say({"狭い部屋だった。", "天井から吊るされたフィルムの切れ端が、",
          "のれんのように揺れている。"}));
  Effect("51");
  GO(Say({"部屋の真ん中に、大きな机のような機械。", "平たく寝かせたリールが回り、",
          "小さな画面に、鉛筆の絵が動いていた。"}));
  GO(Say({"継田「閉めて。フィルムが風で泳ぐ」"}));
  GO(Say({"白い綿の手袋をはめた男が、振り向かずに言った。", "編集の継田剛さん。",
          "指先に、黄色いダーマトの粉が付いている。"}));
  if (!DirectorAway()) {
    Face(1, "tot009");
    GO(Say({"継田さんの隣で、鳥越監督が腕を組んでいた。",
            "灰皿がないので、火の点いていない煙草をくわえている。"}));
    Voice("to0300");
    GO(Say({"鳥越「おう、新人。ちょうどいい。", "　いま、わしの映画が一分半削られそうなんだ」"}));
    GO(Say({"継田「削られそう、じゃない。削る。", "　いま三十三分三十秒。枠は三十二分」"}));
    GO(Say({"まだ色のない映画だった。", "原画を撮ったフィルムと、間に合わないカットは",
            "絵コンテを撮ったもの。それを、つないで尺を決める。"}));
    if (GiantFilm()) {
      GO(Say({"継田「ガガランの起き上がり、四十秒ある。",
              "　羽根が一回転するごとに、半秒ずつ詰める」"}));
      Face(1, "tot004");
      Voice("to0301");
      GO(Say({"鳥越「あそこは子供が口を開けて見るとこだ。",
              "　口が開くまで待ってやらなきゃいかん」"}));
      GO(Say({"継田「開いた口は、三十秒で閉じますよ」"}));
    } else {
      GO(Say({"継田「夜が十三あって、どれも長い。", "　いっそ一夜まるごと落とすか。十二夜に」"}));
      Face(1, "tot006");
      Voice("to0305");
      GO(Say({"鳥越「馬鹿言え。題名が嘘になるだろう」"}));
      GO(Say({"継田「なら、一夜から七秒ずつ。", "　黙ってる間は、切りませんから」"}));
    }
    Face(1, "tot002");
    Voice("to0302");
    GO(Say({"鳥越「……新人、どう思う」"}));
    GO(Choose({"１『短いほうが、走って見えます』", "２『長いほうが、残ると思います』"}));
    if (Picked() == 1) {
      Voice("to0303");
      GO(Say({"鳥越「ちぇっ。継田の味方が増えた」"}));
      GO(Say({"継田さんが、黙ってスプライサーを引き寄せた。"}));
    } else {
      Voice("to0304");
      GO(Say({"鳥越「聞いたか、継田。客がそう言ってる」"}));
      GO(Say({"継田「客じゃなくて、進行です。", "　……でも、三コマだけ戻しましょう」"}));
    }
    NoFace(1);
  } else {
    GO(Say({"継田「監督は来られない。だから、", "　俺が切りすぎないように、見張っててくれ」"}));
    GO(Say({"陽太「僕がですか」"}));
    GO(Say({"継田「監督の代わりに、切ったとこを帳面に書く。",
            Date() <= 821 ? "　それを病院に持っていって、丸かバツをもらう。"
                          : "　それを監督に持っていって、丸かバツをもらう。",
            "　今のお前の仕事は、監督の目を運ぶことだ」"}));
  }
  Effect("11");
  GO(Say({"継田さんが、スプライサーでフィルムを切り、", "透明なテープで次のカットとつなぐ。",
          "つぎはぎ。この部屋の名前の意味が、わかった気がした。"}));
  GO(Say({"継田「一コマ切れば、二十四分の一秒。", "　誰も気づかない。でも、気づかない一コマが",
          "　映画のテンポを決めるんだ」"}));
  if (EveningOrNight()) {
    GO(Say({"地上に出ると、駅前の灯りがにじんで見えた。", "ずっと小さな画面を見ていたせいだ。"}));
  } else {
    GO(Say({"地上に出ると、昼の光が痛いほどまぶしかった。", "地下には、時計も窓もなかった。"}));
  }
  return 0;
}

ScriptResult Middle(int visits) {
  const std::uint32_t date = Date();
  if (date >= 816 && date <= 821) {
    GO(Say({"継田さんが、切った場所の一覧を帳面で渡してきた。"}));
    GO(Say({"継田「これ、監督に。赤で丸かバツ。",
            "　バツなら、理由も一行。病院で煙草吸わせるなよ」"}));
    GO(Say({"帳面には、カット番号と、削ったコマ数が", "几帳面な字で並んでいた。",
            "監督の目の代わりを、鞄にしまう。"}));
    return 0;
  }
  if (visits == 1 || date < 821) {
    GO(Say({"継田「手袋、はめて。そこのリール、持って」"}));
    GO(Say({"初めて、フィルムを直接手に取った。", "小さな四角の中に、小さな絵が並んでいる。",
            GiantFilm() ? "ガガランが、一コマずつ、少しずつ立ち上がっていく。"
                        : "しずりが、一コマずつ、少しずつ振り向いていく。"}));
    GO(Say({"継田「光に透かして見るな。指紋が付く。", "　見るなら機械にかけろ。……まあ、",
            "　透かしたくなる気持ちは、わかるけどな」"}));
  } else {
    GO(Say({"色の付いたラッシュが、現像所から届いていた。",
            "鉛筆のカットを一つずつ外して、色のカットに差し替える。"}));
    GO(Say(
        {"継田「尺は同じでも、色が付くと長く見えるんだ。", "　絵が、見てる人を引き止めるから」"}));
    GO(Say({"継田さんは、また三コマ切った。"}));
  }
  return 0;
}

// The running time closes in on its 32 minutes as the days go by; the 29th
// locks the cut and sends the negative to be matched.
ScriptResult Short(int visits) {
  const std::uint32_t date = Date();
  if (date >= 829) {
    GO(Say({"継田「これで、切るのはおしまい。", "　三十二分十秒。あとはネガを合わせて、初号だ」"}));
    GO(Say({"継田さんは手袋を外して、初めて大きく伸びをした。"}));
    return 0;
  }
  switch (visits % 3) {
    case 0:
      GO(Say({date >= 824 ? "継田「三十二分二十秒。あと十秒」"
                          : "継田「三十二分五十秒。あと四十秒」"}));
      GO(Say({"数字を言う時だけ、継田さんの声は少し嬉しそうだった。"}));
      break;
    case 1:
      GO(Say({"継田さんは、編集機に突っ伏して寝ていた。",
              "天井のフィルムの切れ端が、寝息で小さく揺れている。",
              "起こさないように、袋だけ机に置いた。"}));
      break;
    default:
      if (EveningOrNight()) {
        GO(Say({"継田「夜は目が甘くなる。だから夜に切った所は、", "　明日の朝、もう一度見る」"}));
        GO(Say({"そう言いながら、継田さんはまた一コマ切った。"}));
      } else {
        GO(Say({"継田「ゆうべ切った所を、朝の目で見直してる。", "　夜の目は甘いからな」"}));
        GO(Say({"昨日つないだリールが、頭からもう一度回り始めた。"}));
      }
      break;
  }
  return 0;
}

}  // namespace

ScriptResult sHensyu() {
  VisitMusic();
  Bg(ByTime("bg060"));
  const int visits = VisitsTo(Work::Editing);
  GO(SceneByVisits(visits, FirstVisit, Middle, Short));
  return Visited(Work::Editing);
}

}  // namespace story
