// Week 5: the box on top of the television is opened at last. The old family
// video of Reina as a child actress, watched by both sisters; after a quarrel
// that ended well it gives the film its bumper and the pair its ending, after
// one that did not, Reina watches it alone.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/routes/himi/himi.h"
#include "story/routes/routes.h"

namespace story {

namespace {

using namespace himi;

// Answers that let the sisters speak: the quarrel's two and three more.
constexpr int kTrustForTheEnding = 5;

ScriptResult TheTape() {
  Music("bgm05");
  Flat();
  Effect("43");
  Face(1, "nat002");
  Voice("na0427");
  GO(Say({"菜乃花「あ……早瀬さん。", "　ちょうど、今から……あれ、開けるとこ」"}));
  GO(Say(
      {"テレビの上の箱が、床に降ろされていた。", "『ビデオ　れいな』。ガムテープが切ってある。"}));
  Face(2, "ret007");
  Voice("re0429");
  GO(Say({"玲那「父が撮ったものです。", "　十年、見ないことにしていました」"}));
  GO(Say({"玲那「……ひとりで見る勇気は、まだありません。", "　早瀬さんも、ご一緒に」"}));
  GO(Say({"ビデオデッキが、テープを飲み込んだ。", "画面が青くなって、それから揺れた。"}));
  NoFace(2);
  NoFace(1);
  Music("REm01");
  GO(Say({"どこかの録音スタジオの、ロビー。", "日付は、十四年前の夏になっている。"}));
  GO(Say({"台本を抱えた、おかっぱの女の子が映った。", "背筋だけが、今と同じにまっすぐだ。"}));
  GO(Say({"『れいなちゃん、きょうは、なんのやく？』", "……撮っている父親の声だ。"}));
  GO(Say({"女の子は、台本の表紙をカメラに向けた。", "『ふりむくおんなのこ、です』"}));
  GO(Say({"カメラが、ロビーの隅に振れた。", "ソファの下に、もっと小さな女の子がいる。"}));
  GO(Say({"台本の裏に、クレヨンで", "何かを一生懸命に描いている。"}));
  Flat();
  Face(1, "nat006");
  Voice("na0428");
  GO(Say({"菜乃花「……わたし、だ」"}));
  Face(2, "ret005");
  GO(Say({"画面の中で、小さな菜乃花ちゃんが", "描いた紙を、姉に差し出した。"}));
  GO(Say({"小さな玲那さんは、それを受け取って、", "台本に、大事そうに挟んだ。"}));
  Voice("re0430");
  GO(Say({"玲那「……覚えています。", "　あの日の本番、わたし、一度も噛まなかった」"}));
  GO(Say({"玲那「台本をめくるたびに、", "　あの絵が見えたからです」"}));
  return 0;
}

ScriptResult TheBumper() {
  Music("NAm01");
  Face(1, "nat009");
  GO(Say({"テープが終わって、画面が砂嵐になった。", "誰も、しばらく消さなかった。"}));
  GO(Say({"ふと、熊井さんの愚痴を思い出した。", "配給会社から、急ぎの注文が来ている。"}));
  GO(Say({"二本立ての前に流す、十秒の幕間。", "『まもなく上映です』の、短い映像だ。"}));
  GO(Say({"陽太「……描ける人が、もう一人もいないって、", "　熊井さんが頭を抱えてて」"}));
  GO(Say({"言ってから、しまったと思った。", "菜乃花ちゃんが、僕を見ている。"}));
  Voice("na0429");
  GO(Say({"菜乃花「……十秒。二百四十、枚」"}));
  Voice("na0430");
  GO(Say({"菜乃花「パラパラなら……描ける。", "　走る子。カット袋、持って」"}));
  GO(Say({"菜乃花「でも、絵だけだと、", "　……なにか、足りない」"}));
  Face(2, "ret001");
  GO(Say({"玲那さんが、砂嵐の画面を消した。", "暗くなった画面に、三人の顔が映る。"}));
  Voice("re0431");
  GO(Say({"玲那「声が、要りますね。", "　『まもなく、はじまります』の一言が」"}));
  Voice("re0432");
  GO(Say({"玲那「わたしが、入れます。", "　菜乃花の描いた子に。……ギャラは、カレーで」"}));
  Face(1, "nat003");
  GO(Say({"菜乃花ちゃんが、声を上げて笑った。", "笑いながら、もう鉛筆を探している。"}));
  GO(Say({"描く人と、声を入れる人。", "そのあいだを運ぶのが、僕の仕事だ。"}));
  GO(Say({"スタジオに戻ったら、すぐ熊井さんに話そう。",
          "線撮りの台は、みちるさんに頼めば空けてもらえる。"}));
  NoFace(2);
  NoFace(1);
  return 0;
}

// The same night at the office: the desk says yes in his own way.
ScriptResult KumaiSaysYes() {
  Music("bgm03");
  Bg("bg034n");
  Face(1, "kut009");
  GO(Say({"スタジオに戻ると、熊井さんはまだ事務所にいた。", "話を聞くと、腕を組んで天井を見た。"}));
  GO(Say({"熊井「素人の絵に、主役の声か。", "　……配給の須藤さんが、なんて言うかね」"}));
  GO(Say({"陽太「十秒です。撮影は本編の合間に。", "　作監チェックは、みちるさんが見てくれます」"}));
  GO(Say({"熊井「段取りまで組んできやがった」"}));
  Face(1, "kut002");
  GO(Say(
      {"熊井「百二十枚、二十五日までに上げさせろ。", "　遅れたら、その場で外注に回す。いいな」"}));
  GO(Say({"熊井さんの『いいな』は、", "たいてい『やってみろ』という意味だ。"}));
  NoFace(1);
  return 0;
}

ScriptResult Alone() {
  Music("bgm11");
  Flat();
  Face(1, "ret001");
  GO(Say({"出てきたのは、玲那さんひとりだった。", "菜乃花ちゃんは、予備校の夏期講習だという。"}));
  GO(Say({"あの朝から、二人はあまり話していないらしい。",
          "テーブルの上に、ビデオテープが一本出ていた。"}));
  Voice("re0433");
  GO(Say({"玲那「昔の自分を、見ておこうと思って。", "　……二十三日の前に」"}));
  GO(Say({"画面の中で、おかっぱの女の子が", "台本の表紙をカメラに向けていた。"}));
  GO(Say({"カメラがロビーの隅に振れて、", "小さな子がクレヨンを握っているのが映った。"}));
  GO(Say({"玲那さんは、そこで停止ボタンを押した。"}));
  Face(1, "ret005");
  GO(Say({"玲那「……この先は、", "　あの子と見るべきなんでしょうね」"}));
  GO(Say({"それが言えるなら、と思った。", "でも、僕はもう、あいだの席に座れなかった。"}));
  Face(1, "ret009");
  Voice("re0448");
  GO(Say({"玲那「あの子は、まだ描いていますか。", "　……わたしには、見せてくれないので」"}));
  GO(Say({"陽太「……わかりません。", "　あの夜から、僕にも」"}));
  GO(Say({"玲那さんは、小さくうなずいた。", "それから、テープを箱に戻した。"}));
  GO(Say({"ガムテープを貼り直す音が、", "部屋の静けさに、長く残った。"}));
  NoFace(1);
  return 0;
}

}  // namespace

ScriptResult sHimi5w() {
  MeetBoth();
  Mark(kVideo);
  if (Seen(kResolved)) {
    GO(TheTape());
    if (Flag(kPairTrust) >= kTrustForTheEnding) {
      GO(TheBumper());
      Flag(flag::kPairEnding) = 1;
    } else {
      GO(Say({"テープが終わって、画面が砂嵐になった。",
              "菜乃花ちゃんが、膝の上のノートをめくっている。"}));
      GO(Say(
          {"ふと、熊井さんの愚痴を思い出した。", "二本立ての前に流す、十秒の幕間の絵のことだ。"}));
      GO(Say({"言いかけて、やめた。", "やっと話し始めた二人に、締め切りは重すぎる。"}));
      GO(Say({"……そう思ったのは、", "本当は、僕に自信がなかったからだ。"}));
      GO(Say({"テープが巻き戻る音を背中で聞いて、", "先に玄関へ向かった。"}));
      GO(Say({"幕間の十秒は、次の週、", "熊井さんが知り合いのフリーに頼んだ。"}));
      GO(Say({"ここから先は、二人の時間だ。", "……僕の席は、もう要らないのかもしれない。"}));
      NoFace(2);
      NoFace(1);
    }
    Closer();
  } else {
    GO(Alone());
  }
  if (Seen(kResolved)) GO(KoyoriPromise(false));
  if (Flag(flag::kPairEnding) == 1) GO(KumaiSaysYes());
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
