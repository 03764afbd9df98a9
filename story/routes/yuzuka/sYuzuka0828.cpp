// 28 August, evening, from Kumai's roof: when the hospital roof was kept,
// Yuzuka brings the discharged director back for the last night and stays
// to watch over him; otherwise she only leaves the jars at the door.
#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/routes.h"
#include "story/routes/yuzuka/yuzuka_flags.h"

namespace story {

namespace {

// The route did not reach the roof: she has no promise to keep here.
ScriptResult JarsAtTheDoor() {
  const bool byName = Flag(flag::kYuzukaDelivery) == 1;  // she asked to use his given name
  Bg("bg031y");
  GO(Say({"入口の下駄箱の前に、", "手さげ袋がひとつ置いてあった。"}));
  GO(Say({"柚子はちみつの瓶が、五本。", "ふたに、マジックで名前が書いてある。",
          "『さくがしつ』『しあげしつ』『じむしょ』……"}));
  Bg("bg030y");
  Effect("21");
  GO(Say({"外に出ると、商店街の角を", "黄色いエプロンが曲がっていくところだった。"}));
  Face(1, "yut001");
  GO(Say({byName ? "ゆずか「……あ。陽太さん」" : "ゆずか「……あ。早瀬さん」"}));
  GO(Say({"ゆずか「差し入れです。あと二日、でしょう。", "　みんな、ちゃんと飲んでくださいね」"}));
  GO(Say({"陽太「監督は……」"}));
  Face(1, "yut005");
  GO(Say({"ゆずか「おうちで、寝てるそうです。", "　戻りたいって言ってたけど……",
          "　お医者さんが、だめだって」"}));
  GO(Say({"ゆずか「わたし、まだ学生だから。", "　付き添います、なんて、言えなくて」"}));
  GO(Say({"ゆずかちゃんは、小さく頭を下げて、", "自転車にまたがった。"}));
  Face(1, "yut002");
  GO(Say({byName ? "ゆずか「陽太さんも、倒れないでくださいね。"
                 : "ゆずか「早瀬さんも、倒れないでくださいね。",
          "　……じゃあ」"}));
  NoFace(1);
  GO(Say({"チリン、とベルが鳴った。", "追いかける言葉は、見つからなかった。"}));
  return 0;
}

ScriptResult TheDirectorBroughtBack() {
  Bg("bg030y");
  Effect("20");
  GO(Say({"階段を駆け下りて、外に出たのと同時に、", "スタジオの前に、タクシーが一台止まった。"}));
  ClearStage();
  Bg("YUI009");
  Unlock(3, 8);
  GO(Say({"後ろのドアが開いて、", "まず、黄色い髪留めが見えた。"}));
  GO(Say({"それから、ゆずかちゃんの肩につかまって、", "白髪の短い頭が、ゆっくりと出てきた。"}));
  Voice("yu0250");
  GO(Say({"ゆずか「はい、ゆっくり。段差あります。", "　足もと、見て。……はい、立てた」"}));
  Voice("to0630");
  GO(Say({"鳥越「……年寄り扱いするな」"}));
  GO(Say({"ゆずか「年寄りで、病みあがりです！」"}));
  GO(Say({"監督は、二週間前より少し痩せていた。", "それでも、スタジオの看板を見上げた目は",
          "あの日、献立表をにらんでいた目だった。"}));
  Bg("bg031y");
  Face(1, "yut002");
  Voice("yu0251");
  GO(Say({"ゆずか「お医者さんの許可、取ってきました。", "　条件つきです」"}));
  GO(Say({"ゆずか「ひとつ。夜中の二時には寝ること。", "　ふたつ。煙草は、絶対にだめ。",
          "　みっつ。付き添いが、一晩じゅうつくこと」"}));
  GO(Say({"ゆずか「付き添いは――わたしです。", "　看護学生ですけど。",
          "　実習の先生にも、ちゃんと話してきました」"}));
  Face(2, "tot009");
  Voice("to0631");
  GO(Say({"鳥越「……わしの映画の最後の晩に、", "　わしがおらんのは、筋が通らん。",
          "　そう言ったら、この娘が、医者と喧嘩した」"}));
  Face(1, "yut007");
  GO(Say({"ゆずか「喧嘩じゃありません。", "　交渉です。三時間かかりましたけど」"}));
  Effect("03");
  GO(Say({"入口の戸が開いて、", "事務所から、熊井さんが顔を出した。",
          "その後ろに、社長。こよりさん。みちるさん。"}));
  GO(Say({"誰も、何も言わなかった。", "それから、社長が編み物を置いて、", "一歩だけ前に出た。"}));
  Voice("su0604");
  GO(Say({"砂原「……おかえりなさい、監督」"}));
  Face(2, "tot005");
  Voice("to0632");
  GO(Say({"鳥越「……ただいま」"}));
  GO(Say({"監督は、それだけ言って、", "下駄箱の前で靴を脱いだ。",
          "脱いだ靴を、きちんと揃えていた。"}));
  ClearStage();
  Bg("bg035n");
  Music("bgm06");
  GO(Say({"作画室に入ると、鉛筆の音が", "ひとつ、またひとつと止まった。"}));
  GO(Say({"三好さんが立ち上がり、庄司さんが立ち上がり、",
          "秋葉さんと徳永さんが、顔を見合わせて立ち上がった。"}));
  GO(Say({"誰が言いだしたわけでもなく、", "皆が、肩を耳まで上げて――", "すとん、と落とした。"}));
  Face(1, "yut006");
  GO(Say({"ゆずか「……覚えてて、くれたんだ」"}));
  GO(Say({"みちるさんが、ココアシガレットをくわえたまま", "赤鉛筆で、監督の椅子を指した。"}));
  GO(Say({"みちる「監督の分、二十カット残してあります。", "　……三十分ずつ、でしたっけ」"}));
  NoFace(1);
  GO(Say({"作画室の奥、監督室の机の端に、", "ゆずかちゃんが、メモを一枚貼った。"}));
  GO(Say({"『三十分ごとに休むこと。ゆずか』"}));
  GO(Say({"病院のベッドの柵に貼ってあった、", "あのメモだった。",
          "四つ折りの跡が、くっきりと残っている。"}));
  NoFace(2);
  Face(1, "tot001");
  Voice("to0633");
  GO(Say({"鳥越「新人。あさっての朝、", "　わしに最後の一枚を見せろ」"}));
  GO(Say(
      {"鳥越「直す時間が、あるかないか。", "　それを決めるのは、お前だ。", "　……進行の仕事だ」"}));
  GO(Say({"陽太「……はい」"}));
  if (Flag(yuzuka::kSidedWithHer) == 1) {
    Face(1, "tot009");
    GO(Say({"鳥越「……病院で、お前は", "　あの娘の味方をしたな」"}));
    GO(Say({"鳥越「あれで、寝る気になった。", "　進行に見放されたら、監督はおしまいだ」"}));
  }
  NoFace(1);
  return 0;
}

ScriptResult TheLastNightsTalk() {
  ClearStage();
  Bg("bg030n");
  Music("YUm01");
  Effect("16", true);
  GO(Say({"夜、十一時。", "スタジオの前の縁台に、", "ゆずかちゃんが座っていた。"}));
  GO(Say({"手には、母の形見の時計。", "窓の中の監督室を、", "三十分ごとに、のぞきに行くらしい。"}));
  Face(1, "yut002");
  Voice("yu0252");
  GO(Say({"ゆずか「監督さん、言うこと聞いてますよ。", "　二十五分で、自分から目をつぶりました」"}));
  GO(Say({"ゆずか「……たぶん、わたしが怖いから", "　じゃなくて、最後まで起きていたいからです」"}));
  GO(Say({"となりに座ると、ゆずかちゃんは", "水筒のふたに、柚子はちみつを注いでくれた。"}));
  GO(Say({"陽太「自分の分は？」"}));
  Face(1, "yut006");
  GO(Say({"ゆずか「え？　……あ」"}));
  GO(Say({"ゆずか「……自分の分、忘れてました」"}));
  GO(Choose({"１『はい。半分こ』", "２『人には言うくせに』"}));
  if (Picked() == 1) {
    Face(1, "yut007");
    GO(Say({"水筒のふたを返すと、ゆずかちゃんは", "両手で受け取って、少しずつ飲んだ。"}));
  } else {
    Face(1, "yut004");
    GO(Say({"ゆずか「……言われたく、ないです。", "　陽太さんには、特に」"}));
    GO(Say({"そう言いながら、ふたを受け取って", "こくりと飲んだ。"}));
  }
  Face(1, "yut001");
  Voice("yu0253");
  GO(Say({"ゆずか「あさってが終わったら、", "　陽太さんは、どうするんですか」"}));
  GO(Say({"陽太「……わからない。スタジオが続くなら、", "　たぶん、ここで走ってる」"}));
  GO(Say({"陽太「続かなくても、", "　たぶん、どこかで何かを運んでる」"}));
  Face(1, "yut002");
  GO(Say({"ゆずか「わたしは、秋から、また学校です。", "　来年の春に、もう一回、実習」"}));
  Voice("yu0254");
  GO(Say({"ゆずか「それから……うちのお店、", "　夜の九時まで、灯りをつけておく",
          "　ことにしました」"}));
  GO(Say({"ゆずか「配達の帰りとか、遅くなった時とか。", "　灯りが見えたら、寄ってください」"}));
  Face(1, "yut007");
  Voice("yu0255");
  GO(Say({"ゆずか「『おかえりなさい』って、言いますから。", "　……陽太さんに、だけ、ですよ」"}));
  Face(1, "yut009");
  GO(Say({"ゆずか「それと、もうひとつ。", "　初号の日、わたしも観に行っていいですか」"}));
  GO(Say({"ゆずか「監督さんの、付き添いで。", "　映画館の暗いところで、興奮して",
          "　また倒れたら、困るでしょう？」"}));
  GO(Say({"陽太「……それは、付き添いが要るね」"}));
  Face(1, "yut003");
  GO(Say({"ゆずか「でしょう？　秒針の時計、", "　ちゃんと持っていきますから」"}));
  GO(Say({"監督室の窓で、", "小さな灯りが、ひとつだけともっていた。"}));
  GO(Say({"ゆずかちゃんが、時計を見て立ち上がった。"}));
  Face(1, "yut003");
  GO(Say({"ゆずか「三十分です。", "　行ってきます、ね」"}));
  NoFace(1);
  StopEffects();
  GO(Say({"スタジオの中から、監督の", "『まだ二十九分だ』という声と、",
          "ゆずかちゃんの笑い声が聞こえた。"}));
  return 0;
}

}  // namespace

ScriptResult sYuzuka0828() {
  core::GameState.route[2].metToday[0] = 1;
  Music("bgm05");
  if (Flag(flag::kYuzukaRoof) != 1) {
    GO(JarsAtTheDoor());
    core::GameState.timeSlot = core::kDayOver;
    return Jump("s2wA");
  }
  GO(TheDirectorBroughtBack());
  Flag(flag::kDirectorBrought) = 1;
  GO(TheLastNightsTalk());
  Flag(flag::kYuzukaLastNight) = 1;
  Affection(3) += 1;
  core::GameState.timeSlot = core::kDayOver;
  return Jump("s2wA");
}

}  // namespace story
