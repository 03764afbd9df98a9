// 28 July, before the briefing: the cast list comes in by fax, and Koyori
// finds out that the film's lead lives five floors up behind the station, on
// the rookie's side of town. He has carried her boxes; she cannot bear it.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/koyori/koyori.h"
#include "story/routes/routes.h"

namespace story {

ScriptResult sKoyori0728() {
  // The trigger has no byte of its own: moving the sisters' byte past 1 is
  // what keeps this morning from coming round again.
  Flag(flag::kNanokaMetSisters) = 2;
  Bg("bg034");
  Music("bgm07");
  Effect("35");
  GO(Say({"朝の八時半。事務所のファクスが、", "長い紙を吐き出していた。"}));
  GO(Say({"こよりさんがそれを引きちぎって読み、", "読みながら、固まった。"}));
  Face(1, "kot006");
  Voice("ko0630");
  GO(Say({"こより「……うそ」"}));
  GO(Say({"こより「うそうそうそ。音蔵さんから、配役表。", "　主役、氷見玲那さんだって……！」"}));
  GO(Say({"陽太「ひみ……れいな？」"}));
  Face(1, "kot003");
  Voice("ko0631");
  GO(Say({"こより「知らないの！？　子役のころから、", "　ずっと主役をやってた人だよ！",
          "　わたし、小学生のとき、毎週見てたもん！」"}));
  GO(Say({"こより「一回、喉を悪くして、しばらく", "　名前を見なかったの。",
          "　……そっか。戻ってきたんだ。うちの映画で」"}));
  GO(Say(
      {"こよりさんは、ファクスの紙を胸に抱いた。", "カット袋を抱えるときと、同じ抱き方だった。"}));
  Face(1, "kot009");
  GO(Say({"こより「台本は、ご自宅に直接。住所は……", "　月見坂駅の裏。新しいマンションの五階」"}));
  Face(1, "kot006");
  GO(Say({"こより「月見坂！？　ここ！？", "　新人くんちの、すぐそばじゃない！」"}));
  GO(Say({"駅の裏。新しいマンション。五階。", "エレベーターは点検中で、階段を七往復した。"}));
  GO(Say({"麦茶の紙コップ。きちんと下げられた頭。", "低くて、まっすぐで、よく通る声。"}));
  GO(Say({"陽太「……その人、たぶん、会いました」"}));
  Face(1, "kot006");
  GO(Say({"こより「は？」"}));
  GO(Say({"陽太「日曜に。駅で。引っ越しの荷物を", "　運ぶのを、手伝って」"}));
  StopMusic();
  GO(Say({"こよりさんのストップウォッチが、", "手からすべり落ちて、紐の先で揺れた。"}));

  Bg("KOI006");
  Unlock(1, 5);
  Music("KOm01");
  Voice("ko0632");
  GO(Say({"こより「手伝ったああああ！？」"}));
  GO(Say({"こより「荷物！？　玲那さんの荷物を！？", "　新人くんが！？　その手で！？」"}));
  GO(Say({"こよりさんは僕の両手をつかんで、", "まるで家宝を見るような目で見つめた。"}));
  GO(Say({"こより「何の箱だった！？　重かった！？", "　台本とか入ってた！？",
          "　声、どうだった！？　生の声！」"}));
  GO(Say({"陽太「箱は……重かったです。", "　声は、低くて、すごくきれいでした」"}));
  Voice("ko0633");
  GO(Say({"こより「きゃーっ！　だよね！　だよねえ！", "　あの声が、麦茶とか言うんだよ！」"}));
  GO(Say({"こより「わたしね、子どものころ、あの人の", "　ドラマの台詞、全部言えたの。",
          "　鏡の前で、ストップウォッチで間を計って」"}));
  GO(Say({"陽太「……そこから計ってたんですか」"}));
  GO(Say({"こより「そこからだよ！　文句ある！？」"}));
  GO(Say({"陽太「……麦茶、出してもらいました」"}));
  GO(Say({"こより「麦茶ああああ！？」"}));
  Effect("03");
  GO(Say({"ちょうど戸が開いて、熊井さんが入ってきた。", "そして、すぐに閉めた。"}));
  GO(Say({"熊井「（……朝から何やってんだ、あいつら）」"}));

  Bg("bg034");
  Music("bgm03");
  Face(1, "kot007");
  GO(Say({"こより「……ご、ごめん。取り乱した。", "　わたし、プロだから。進行だから」"}));
  GO(Say({"こより「お仕事で会ったら、ちゃんとします。", "　台本も、ちゃんと届けます。",
          "　……ちゃんと、できるかな」"}));
  Face(1, "kot009");
  GO(Say({"こより「ね。妹さんもいたんでしょ。", "　どんな人たちだった？」"}));
  GO(Say({"少し考えてから、答えた。", "背筋がまっすぐな姉と、ノートを抱えた妹。",
          "二人とも、少しだけ、寂しそうだったこと。"}));
  Face(1, "kot001");
  GO(Say({"こより「……そっか」"}));
  GO(Choose({"１『いつか、紹介しますよ』", "２『仕事で会うまで、待ちましょう』"}));
  if (Picked() == 1) {
    Flag(koyori::kPromisedSisters) = 1;
    Face(1, "kot006");
    Voice("ko0634");
    GO(Say({"こより「ほんと！？　約束だよ！？", "　指切り！　はい、指！」"}));
    GO(Say({"小指をからめられた。", "ストップウォッチを押すときと同じくらい、",
            "迷いのない速さだった。"}));
    Face(1, "kot002");
    GO(Say({"こより「わたし、お土産にコロッケ持ってく。", "　商店街の、あの一個六十円の」"}));
    GO(Say({"陽太「……主役の人に、コロッケですか」"}));
    GO(Say({"こより「いちばんおいしいものを持ってくの！", "　それが、進行の礼儀！」"}));
    Affection(1) += 1;
  } else {
    Face(1, "kot009");
    GO(Say({"こより「……うん。そうだね。そのほうがいい」"}));
    GO(Say({"こより「わたし、会ったら絶対へんなこと言うもん。",
            "　仕事なら、ちゃんとできる。たぶん」"}));
    Face(1, "kot002");
    GO(Say({"こより「でも、新人くんはずるい。", "　わたしが十年好きな人に、先に会ってる」"}));
  }
  NoFace(1);
  GO(Say({"九時の朝礼が始まるまでに、こよりさんは", "ファクスの紙を、三回読み直した。"}));
  // Before the briefing, like the first run: the hub goes on with the day.
  return Jump("s2wA");
}

}  // namespace story
