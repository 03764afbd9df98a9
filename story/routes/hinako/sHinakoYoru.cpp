// The store at night: the brightest windows on the street, Hinako alone at the
// till while the manager sleeps in the back. The first night shows the store;
// the next brings the manager and her hand-drawn signs; later nights, her
// window on the studio's lights.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/flags.h"
#include "story/routes/hinako/hinako_flags.h"
#include "story/routes/routes.h"
#include "story/studio/studio.h"

namespace story {

namespace {

// Bits of kDaySeen for the nights that come once; bits 0-4 are the day's.
constexpr int kHospitalNightBit = 5;
constexpr int kKumaiNightBit = 6;

bool NightSeen(int bit) {
  return (Flag(hinako::kDaySeen) & (1u << bit)) != 0;
}

void MarkNight(int bit) {
  Flag(hinako::kDaySeen) = static_cast<std::uint8_t>(Flag(hinako::kDaySeen) | (1u << bit));
}

ScriptResult FirstNight() {
  ClearStage();
  Bg("HISS01");
  Unlock(6, 5);
  Music("bgm05");
  GO(Say({"夜中の二時。", "商店街のシャッターは、どこも下りている。"}));
  GO(Say({"通りでいちばん明るいのは、", "角のコンビニの窓だった。",
          "虫が、ガラスにぱちぱちと当たっている。"}));
  Bg("bg070n");
  Effect("48");
  Face(1, "hit003");
  Voice("hi0140");
  GO(Say({"ひなこ「うわ、進行くん。", "　この時間に来るの、初めてだね」"}));
  GO(Say({"ひなこ「夜中の二時はね、タクシーの運転手さん。", "　三時は新聞屋さん。",
          "　三時半が、夕凪さん」"}));
  GO(Say({"陽太「時刻表みたいだ」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「時刻表だよ。夜のお店は、", "　来る人で時間が分かるの」"}));
  GO(Say({"奥の事務所から、", "いびきが聞こえてきた。"}));
  GO(Say({"ひなこ「店長。福原さん。", "　二時から四時まで、あそこで気絶してる」"}));
  Effect("20");
  GO(Say({"外に、パンの配送のトラックが停まった。", "番重が、どさどさと積み上げられる。"}));
  GO(Choose({"１『手伝うよ』", "２『見てる』"}));
  if (Picked() == 1) {
    GO(Say({"ふたりで、菓子パンを棚に並べた。", "日付の新しいものを奥に。古いものを手前に。"}));
    Face(1, "hit003");
    GO(Say({"ひなこ「先入れ先出し。カット袋と同じでしょ。", "　古いのから先に出すの」"}));
    GO(Say({"陽太「……カット袋は、急ぐのから出す」"}));
    GO(Say({"ひなこ「じゃあ、パンのほうが平和だね」"}));
  } else {
    GO(Say({"ひなこは、ひとりで手早く", "菓子パンを並べていった。", "七か月ぶんの手つきだった。"}));
  }
  Face(1, "hit001");
  GO(Say({"作業が終わると、ひなこは", "レジの中の丸椅子に腰かけて、",
          "ボールペンをくるりと回した。"}));
  Voice("hi0141");
  GO(Say({"ひなこ「夜勤、好きなの。", "　夜は、誰もわたしのこと見てないから」"}));
  GO(Say({"陽太「見てないと、何かいいことがあるの」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……落書きしてても、怒られない」"}));
  GO(Say({"それだけ言って、ひなこは", "ボールペンを胸ポケットに差した。"}));
  Flag(hinako::kShownHerNight) = 1;
  return 0;
}

ScriptResult ManagersNight() {
  Bg("bg070n");
  Effect("48");
  Music("bgm07");
  Face(1, "hit002");
  GO(Say({"ひなこ「いらっしゃいませ、三時半の人」"}));
  GO(Say({"今夜は、奥の事務所の戸が開いていた。", "眠そうな中年の男の人が、",
          "在庫表を手に出てきた。"}));
  GO(Say({"福原「七尾くん、また新しいポップ、描いたのかね」"}));
  GO(Say({"店長の福原さんだった。", "シャツのボタンが、ひとつずつずれている。"}));
  GO(Say({"冷やし中華の棚に、", "手書きの札が貼ってあった。", "麺をすする猫が、汗をかいている。"}));
  GO(Say({"福原「これを貼ってから、冷やし中華が", "　一日十個、余計に出るんだ。",
          "　本部の人が、写真を撮っていったよ」"}));
  Face(1, "hit007");
  Voice("hi0142");
  GO(Say({"ひなこ「店長、余計なこと言わないの。", "　はい、寝て。二時から四時は気絶の時間」"}));
  GO(Say({"福原「……気絶じゃない。仮眠だ」"}));
  GO(Say({"ぶつぶつ言いながら、福原さんは", "奥へ戻っていった。"}));
  GO(Choose({"１『ちゃんと絵の仕事、すればいいのに』", "２『あの猫、いいね』"}));
  if (Picked() == 1) {
    Face(1, "hit001");
    GO(Say({"ひなこ「絵の仕事？　ないない。", "　ポップは、お店の仕事。",
            "　描けって言われたから描いただけ」"}));
    GO(Say({"笑い方が、いつもより一拍、早かった。"}));
  } else {
    Face(1, "hit003");
    Voice("hi0143");
    GO(Say({"ひなこ「でしょ！　あの子、名前もあるの。", "　ちゅるりん。汗の粒は三つまで、",
            "　四つにすると暑苦しいの」"}));
    GO(Say({"楽しそうだった。", "絵の話になると、声が半音上がる。"}));
  }
  return 0;
}

ScriptResult WindowNight() {
  Bg("bg071n");
  Effect("16");
  Music("bgm10");
  Face(1, "hit001");
  GO(Say({"ひなこは、駐車場の車止めに腰かけて、", "缶の紅茶を飲んでいた。休憩中らしい。"}));
  GO(Say({"ひなこ「ここから、夕凪さんの二階が見えるの。", "　あの窓」"}));
  GO(Say({"スタジオの作画室の窓に、", "まだ明かりがついていた。"}));
  if (studio::Now() == studio::Period::Hospital) {
    GO(Say({"監督が倒れてから、", "あの窓の明かりは、", "一度も消えていない。"}));
  }
  Voice("hi0144");
  GO(Say({"ひなこ「あの明かりが消えたらね、", "　わたしの夜も、だいたい終わり」"}));
  if (Flag(flag::kHinakoSketchbook) == 1) {
    GO(Say({"ひなこ「……中で描いてる人たち、", "　どんな顔で描いてるのかなって、",
            "　ずっと思ってた」"}));
    GO(Say({"陽太「こわい顔。それから、たまに笑ってる」"}));
    Face(1, "hit002");
    GO(Say({"ひなこ「そっか。……いいな」"}));
  } else {
    GO(Say({"ひなこ「進行くん、戻らなくていいの？", "　熊井さんに怒られるよ」"}));
  }
  GO(Choose({"１『もう少しだけ、ここにいる』", "２『戻る。また来る』"}));
  if (Picked() == 1) {
    Face(1, "hit007");
    GO(Say({"ひなこ「……じゃあ、紅茶、半分あげる」"}));
    GO(Say({"ぬるくなった紅茶を、", "ひと口ずつ、交互に飲んだ。",
            "作画室の明かりは、まだ消えなかった。"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「うん。いってらっしゃい、進行くん」"}));
  }
  return 0;
}

// The crunch at half past three: Kumai comes for his two large lunches and
// finds his rookie at the till.
ScriptResult KumaiNight() {
  Bg("bg070n");
  Effect("48");
  Music("bgm07");
  Face(1, "hit002");
  GO(Say({"ひなこ「いらっしゃいませ、三時半の人。", "　……と、三時半の人の上司」"}));
  GO(Say({"ふり返ると、自動ドアのところに", "熊井さんが立っていた。",
          "髭がいつもよりもじゃもじゃで、目が赤い。"}));
  Face(2, "kut009");
  GO(Say({"熊井「早瀬。おまえ、ここにいたのか」"}));
  GO(Say({"陽太「す、すみません。", "　撮影所の上がりを待つあいだに……」"}));
  GO(Say(
      {"熊井さんは返事をせずに、", "弁当の棚から大盛りを二個取った。", "いつもの、二個だった。"}));
  Face(1, "hit003");
  GO(Say(
      {"ひなこ「熊井さん、二個とも温めますか。", "　それとも一個は、朝ごはんにとっときます？」"}));
  Face(2, "kut007");
  GO(Say({"熊井「……一個は、冷たいままでいい」"}));
  GO(Say({"熊井「七尾さん。", "　こいつ、ちゃんと食ってるか」"}));
  Face(1, "hit002");
  GO(Say({"ひなこ「のり弁、毎晩。", "　お茶は麦茶じゃなくて、緑茶」"}));
  Face(2, "kut002");
  GO(Say({"熊井さんが、ほんの少しだけ笑った。"}));
  GO(Say({"熊井「ならいい。進行は、", "　食わないやつから倒れる。",
          "　……上がり、四時半だそうだ。遅れるな」"}));
  NoFace(2);
  GO(Say(
      {"熊井さんは、袋を提げて出ていった。", "ガラスの向こうで、", "大きな背中が角を曲がった。"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……あの人ね、最初の年、", "　進行くんと同じ顔で、", "　ここに来てたんだよ」"}));
  GO(Say({"ひなこ「前の店員さんから、聞いたの。", "　毎晩のり弁だったって」"}));
  return 0;
}

// The director in hospital: a night on which the studio's lights stay on
// later than ever, and she sends something across the street.
ScriptResult HospitalNight() {
  Bg("bg071n");
  Effect("16");
  Music("bgm10");
  Face(1, "hit005");
  GO(Say({"ひなこは、店の前で", "ごみ箱の袋を替えていた。"}));
  GO(Say({"ひなこ「夕凪さんの二階、", "　ゆうべから、ずっと明かりがついてる」"}));
  GO(Say({"陽太「監督のぶんを、みちるさんと", "　三好さんで分けて描いてる。",
          "　監督のチェックがないから、必死で」"}));
  Face(1, "hit009");
  GO(Say({"ひなこは、しばらく窓を見上げてから、", "店の中へ戻っていった。"}));
  Bg("bg070n");
  GO(Say({"戻ってきたとき、", "袋の中に、おしるこの缶が", "六本、入っていた。"}));
  Face(1, "hit002");
  Voice("hi0145");
  GO(Say({"ひなこ「夜中の三時は、甘いものなの。", "　作画の人、頭を使うから。",
          "　……これは、店からの差し入れ」"}));
  GO(Say({"陽太「店からって、", "　福原さん、知ってるの」"}));
  Face(1, "hit003");
  GO(Say({"ひなこ「いま、気絶の時間だから。", "　起きたら言っとく」"}));
  GO(Choose({"１『ひなこさんからって、言っとく』", "２『店からって、言っとく』"}));
  if (Picked() == 1) {
    Face(1, "hit007");
    GO(Say({"ひなこ「言わなくていいってば。", "　……でも、みちるさんが何て言ったかは、",
            "　あとで教えて」"}));
  } else {
    Face(1, "hit002");
    GO(Say({"ひなこ「うん。それでいいの」"}));
  }
  GO(Say({"おしるこの缶は、", "作画室の六つの机に一本ずつ配られた。",
          "みちるさんは、それを見て少し泣いた。"}));
  return 0;
}

// After the dawn with the paper: she draws at the till between customers.
ScriptResult DrawingNight() {
  Bg("bg070n");
  Effect("48");
  Music("HIm01");
  Face(1, "hit009");
  GO(Say({"夜中のレジの台に、", "タップがセロテープでとめてあった。",
          "レイアウト用紙が一枚、はまっている。"}));
  GO(Say({"描かれているのは、", "この店の夜だった。", "レジの中から見た、自動ドアと通り。"}));
  Voice("hi0146");
  GO(Say({"ひなこ「面接にね、", "　新しいのを一枚、持っていきたいの。",
          "　いちばん知ってる場所を描こうと思って」"}));
  GO(Say({"自動ドアの向こうに、小さく、", "カット袋を抱えた人影が", "描きこまれかけていた。"}));
  GO(Say({"陽太「これ、ひょっとして」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「三時半の人。", "　いないと、この店の夜にならないの」"}));
  GO(Say({"奥の事務所の戸が、少しだけ開いて、", "また、静かに閉まった。"}));
  return 0;
}

// A night after the sea: the store is empty, and she asks him to walk from
// the door to the till while she watches his feet.
ScriptResult WalkNight() {
  Bg("bg070n");
  Effect("48");
  Music("HIm01");
  Face(1, "hit002");
  GO(Say({"ひなこ「あ、ちょうどよかった。", "　進行くん、いったん外に出て」"}));
  GO(Say({"陽太「……いま入ってきたところだけど」"}));
  GO(Say({"ひなこ「いいから。で、もう一回入ってきて、", "　ここまで歩いてくるの。",
          "　ふつうに。レジを見ないで」"}));
  Effect("48");
  GO(Say({"言われたとおり、", "自動ドアから入って、", "雑誌の棚の前を通ってレジまで歩いた。"}));
  GO(Say({"ひなこは、壁の時計の秒針と", "こっちの足を、交互に見ていた。",
          "手もとのレシートに、小さな印が並んでいく。"}));
  Voice("hi0147");
  GO(Say({"ひなこ「もう一回。今度は、", "　すごく疲れてる日の歩き方で」"}));
  GO(Say({"三回歩いた。", "疲れてる日。急いでる日。", "それから、原画が上がった日。"}));
  Face(1, "hit003");
  GO(Say({"ひなこ「上がった日が、いちばん速い。", "　でも、いちばん跳ねてる。",
          "　かかとが、ちょっと浮くの」"}));
  GO(Say({"陽太「それ、何に使うの」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「……昔、直せなかった絵があって。", "　足がね、浮いちゃってるの。",
          "　なんで浮くのか、やっと分かった」"}));
  GO(Say({"ひなこ「描いてたわたしが、", "　うれしくて、急いでたの。",
          "　だから、あの子まで跳ねちゃった」"}));
  GO(Say({"何の話か分からなかった。", "でも、ひなこが、", "とても大事なことを言った気がした。"}));
  return 0;
}

// A later night: the bread truck at three, and the driver who waits each
// week for the drawing she makes of him while he unloads.
ScriptResult TruckNight() {
  Bg("bg071n");
  Effect("20");
  Music("bgm07");
  GO(Say({"駐車場に、パンの配送のトラックが", "ハザードをつけて停まっていた。"}));
  GO(Say({"運転手のおじさんが、番重を", "四段ずつ抱えて、店に運びこんでいく。",
          "首のタオルが、汗で色を変えていた。"}));
  Bg("bg070n");
  Face(1, "hit009");
  GO(Say({"ひなこは、レジの中で", "レシートの裏にボールペンを走らせていた。",
          "顔を上げるのは、おじさんが通るときだけ。"}));
  GO(Say({"最後の番重を置いたおじさんが、", "伝票を差し出して、手のひらを上に向けた。"}));
  Face(1, "hit002");
  Voice("hi0148");
  GO(Say({"ひなこ「はい、今週のぶん。", "　今日は、タオルを描きこんどいた」"}));
  GO(Say({"レシートの裏には、番重を抱えて", "よろけながら歩く、おじさんがいた。",
          "重さが、絵から伝わってきた。"}));
  GO(Say({"おじさんは、ふん、と笑って、", "それを財布にしまって出ていった。"}));
  GO(Say({"陽太「毎週、描いてるの」"}));
  Face(1, "hit007");
  GO(Say({"ひなこ「娘さんに見せるんだって。", "　お父さん、こんな仕事してるんだぞって」"}));
  GO(Say({"ひなこ「……絵って、", "　そういうふうに使っても、いいんだよね」"}));
  return 0;
}

// The summer has gone past her: a night at the till, and nothing more.
ScriptResult QuietNight() {
  Bg("bg070n");
  Effect("48");
  Music("bgm05");
  Face(1, "hit001");
  GO(Say({"ひなこ「いらっしゃいませー。", "　……三時半の人だ」"}));
  GO(Say({"夜中の店は、いつもどおり明るかった。", "ひなこは、雑誌の棚を整えていた。"}));
  GO(Say({"レジの横のメモ帳には、", "何も描かれていなかった。",
          "冷やし中華の猫の札も、はがされていた。"}));
  GO(Say({"ひなこ「ポップ？　本部から、", "　決まったのを貼れって言われたの。",
          "　そのほうが、楽だしね」"}));
  GO(Say({"缶コーヒーを一本買って、", "店を出た。", "スタジオの窓は、まだ明るかった。"}));
  return 0;
}

}  // namespace

ScriptResult sHinakoYoru() {
  const std::uint8_t nights = Flag(hinako::kNights);
  const std::uint8_t portfolio = Flag(hinako::kPortfolio);
  const bool pastHer = (Date() >= 816 && Flag(flag::kHinakoStage) == 0) || portfolio >= 2 ||
                       (Date() >= 823 && Flag(hinako::kLayoutPaper) == 0 && portfolio == 0);
  const bool close = !pastHer;
  ScriptResult result = 0;
  if (pastHer) {
    result = QuietNight();
  } else if (Flag(hinako::kShownHerNight) == 0) {
    result = FirstNight();
  } else if (Flag(hinako::kLayoutPaper) == 1) {
    result = DrawingNight();
  } else if (Flag(flag::kHinakoSea) == 1 && (Flag(hinako::kMoreSeen) & 1u) == 0) {
    Flag(hinako::kMoreSeen) = static_cast<std::uint8_t>(Flag(hinako::kMoreSeen) | 1u);
    result = WalkNight();
  } else if (nights == 1) {
    result = ManagersNight();
  } else if (studio::Now() == studio::Period::Hospital && !NightSeen(kHospitalNightBit)) {
    MarkNight(kHospitalNightBit);
    result = HospitalNight();
  } else if (studio::Now() == studio::Period::Crunch && !NightSeen(kKumaiNightBit)) {
    MarkNight(kKumaiNightBit);
    result = KumaiNight();
  } else {
    result = Date() % 2 == 1 ? TruckNight() : WindowNight();
  }
  if (result != 0) return result;
  ClearStage();
  Flag(hinako::kNights) = static_cast<std::uint8_t>(nights < 250 ? nights + 1 : nights);
  if (close) Flag(hinako::kVisits) += 1;
  Flag(flag::kHinakoMetToday) = 1;
  if (close) Affection(6) += 1;
  core::GameState.timeSlot += 1;
  return Jump("s2wA");
}

}  // namespace story
