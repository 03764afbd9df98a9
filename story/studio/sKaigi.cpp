// The staff meetings of 28 July (the keys are late), 4 August (the colours),
// 11 August (the camera) and 18 August (without the director). A meeting the
// hub holds a day late is still the meeting of its own week.
#include <cstdint>

#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"
#include "story/studio/studio.h"

namespace story {

namespace {

ScriptResult KeysAreLate() {
  Music("bgm02");
  GO(Say({"監督が丸めて持ち帰ったはずのポスターが、", "いつの間にか、元の壁に戻っていた。",
          "その二枚の前で、スタッフ打ち合わせが始まった。"}));
  Face(1, "sut001");
  Face(2, "kut001");
  GO(Say({"砂原「じゃあ、始めましょうか。熊井くん」"}));
  Voice("ku0116");
  GO(Say({"熊井「原画、二日遅れてます。ツバクロさんが", "　半日、寺門さんが一日半」"}));
  GO(Say({"熊井「このままだと、月曜からの動画が", "　水曜にずれます」"}));
  Face(2, "tot001");
  Voice("to0112");
  GO(Say({"鳥越「カットを減らしゃいい。三十二分を", "　三十分にすりゃ、二日は浮く」"}));
  Face(2, "mit004");
  Voice("mi0106");
  GO(Say({"みちる「だめです。減らしたぶん、", "　残ったカットが重くなるだけです」"}));
  GO(Say({"監督とみちるさんの言い合いが始まった。", "社長は、黙って編み物を続けている。"}));
  GO(Say({"……よく聞くと、", "小さな声で編み目を数えていた。"}));
  NoFace(1);
  Face(2, "sut004");
  Voice("su0106");
  GO(Say({"砂原「はい、そこまで」"}));
  GO(Say({"砂原「カットは減らしません。", "　回収を、一日二回にします。朝と夜」"}));
  Face(2, "sut001");
  GO(Say({"砂原「こよりちゃんと、早瀬くん。お願いできる？」"}));
  Face(1, "kot003");
  Voice("ko0107");
  GO(Say({"こより「はいっ！　白玉号、満タンにしときます！」"}));
  GO(Choose({"１『はい、やります』", "２『……夜も、ですか』"}));
  if (Picked() == 1) {
    Face(2, "sut002");
    GO(Say({"砂原「頼もしいわね」"}));
  } else {
    Face(2, "kut004");
    GO(Say({"熊井「夜もだ」"}));
  }
  NoFace(1);
  NoFace(2);
  GO(Say({"打ち合わせが終わると、", "熊井さんに廊下で呼び止められた。"}));
  Face(1, "kut009");
  Voice("ku0117");
  GO(Say({"熊井「いいか、新人。上で二日遅れると、", "　下では四日になる」"}));
  GO(Say({"熊井「動画も仕上げも撮影も、待ってるあいだは",
          "　何もできねえ。遅れは、下流ほどふくらむんだ」"}));
  NoFace(1);
  return 0;
}

ScriptResult TheColours() {
  Music("bgm02");
  GO(Say({"今日の議題は、色だ。", "仕上げ室の大川さんが、色見本のセルを並べた。"}));
  Face(1, "tot001");
  if (studio::Gaga()) {
    GO(Say({"真っ青な空。錆びた鉄の、赤茶色。", "つばめのワンピースの、ひまわり色。"}));
    Voice("to0113");
    GO(Say({"鳥越「巨人の錆は、もっと明るくていい。", "　夏休みの錆だ」"}));
    GO(Say({"大川「……夏休みの錆、ですね。わかりました」"}));
    GO(Say({"大川さんは、真顔でメモを取った。"}));
  } else {
    GO(Say({"夜の色ばかりだ。", "藍、墨、霧の灰色。"}));
    Voice("to0114");
    GO(Say({"鳥越「しずりの肌は、月の光で青く見せたい。", "　もう一段、暗くだ」"}));
    GO(Say({"大川「これ以上暗くすると、在庫の絵の具では", "　足りません。特注になります」"}));
    GO(Say({"鳥越「……なら、特注だ」"}));
    Face(2, "sut009");
    GO(Say({"砂原「……特注ね」"}));
    GO(Say({"社長の編み棒が、一目ぶん止まった。"}));
  }
  Face(2, "mit002");
  GO(Say({"みちる「キャラの色がこれで決まりなら、", "　作画も、もう迷わずに済みます」"}));
  Face(2, "sut002");
  Voice("su0107");
  GO(Say({"砂原「じゃあ、色指定は承認。", "　明日から、仕上げに入ります」"}));
  Effect("24");
  GO(Say({"会議室に、ぱらぱらと拍手が起きた。"}));
  NoFace(1);
  NoFace(2);
  GO(Say({"みんなが席を立つなか、熊井さんが", "こちらの肩を叩いた。"}));
  Face(1, "kut001");
  GO(Say({"熊井「新人。明日から仕上げの回収が増えるぞ。", "　にじますの場所、頭に入れとけ」"}));
  NoFace(1);
  return 0;
}

ScriptResult TheCamera() {
  Music("bgm02");
  GO(Say({"撮影打ち合わせ。", "八ツ目撮影から、鵜飼さんが来ている。"}));
  GO(Say({"撮影台の主のような人だ。", "話すとき、両手の指でフレームを作る癖がある。"}));
  Face(1, "tot001");
  if (studio::Gaga()) {
    Voice("to0115");
    GO(Say({"鳥越「嵐のカットは、雨を二重に撮ってくれ。", "　手前の雨と奥の雨で、速さを変える」"}));
    GO(Say({"鵜飼「稲妻は、透過光でいきますか」"}));
    GO(Say({"鳥越「ああ。光ったとき、", "　客の目がくらむくらいでいい」"}));
  } else {
    Voice("to0116");
    GO(Say({"鳥越「霧は三枚重ねだ。ガラスを段ごとに離して、", "　奥から順にぼかしてくれ」"}));
    GO(Say({"鵜飼「マルチで組みましょう。", "　一カット撮るのに、半日かかりますよ」"}));
    GO(Say({"鳥越「半日かけて、三秒の霧だ。安いもんだろ」"}));
  }
  Face(1, "tot008");
  GO(Say({"監督が、また咳をした。", "鵜飼さんが、指のフレームを下ろした。"}));
  GO(Say({"鵜飼「監督、顔色が悪いですよ」"}));
  GO(Say({"鳥越「撮影所の暗がりに慣れとるから、", "　そう見えるだけだろう」"}));
  Face(2, "sut001");
  Voice("su0108");
  GO(Say({"砂原「……では、今日から撮影開始です。", "　みなさん、よろしくお願いします」"}));
  NoFace(1);
  NoFace(2);
  GO(Say({"鵜飼さんを見送ったあと、", "熊井さんがホワイトボードに新しい欄を足した。"}));
  Face(1, "kut009");
  Voice("ku0118");
  GO(Say({"熊井「撮影所への便は、今日から毎日だ。", "　撮影に間に合わないカットは、",
          "　フィルムに映らねえ。そういうことだ」"}));
  NoFace(1);
  return 0;
}

ScriptResult WithoutTheDirector() {
  Music("bgm08");
  GO(Say({"打ち合わせの席で、監督の椅子だけが空いている。", "誰も、その椅子には座らなかった。"}));
  Face(1, "sut001");
  Voice("su0109");
  GO(Say({"砂原「監督は、しばらく入院です。本人は元気よ。",
          "　看護師さんと、毎日けんかしてるそうだから」"}));
  GO(Say({"少しだけ、笑いが起きた。"}));
  GO(Say({"砂原「チェックは檜垣さんにお願いします。", "　迷ったものは、病院に回して」"}));
  Face(2, "mit001");
  GO(Say({"みちる「……はい」"}));
  Face(2, "kut001");
  GO(Say({"熊井「仕上げが間に合ってません。", "　にじますさんだけじゃ、回りません」"}));
  GO(Say({"熊井「宵彩舎さんに、夜の分を増やしてもらいます。",
          "　夜だけの仕上げ屋ですが、腕は確かです」"}));
  Face(2, "kot005");
  Voice("ko0108");
  GO(Say({"こより「……あの。映画、間に合いますよね」"}));
  GO(Say({"会議室が、しんとした。"}));
  NoFace(1);
  Face(2, "sut009");
  if (core::GameState.productionScore() >= 35) {
    Voice("su0110");
    GO(Say({"砂原「間に合わせるのよ。", "　……それが、うちの仕事」"}));
  } else {
    Voice("su0111");
    GO(Say({"砂原「正直に言うわね。このままだと、危ない」"}));
    GO(Say({"砂原「だから今日からは、全部のカットに名前を書くの。",
            "　誰が運んで、誰が待っているのか」"}));
  }
  GO(Say({"社長が、編み物を机に置いた。", "夏じゅう一度も手放さなかった、編み物を。"}));
  Face(2, "sut002");
  GO(Say({"砂原「さあ、行って。監督が戻ってきたとき、", "　叱られないようにね」"}));
  NoFace(1);
  NoFace(2);
  return 0;
}

}  // namespace

ScriptResult sKaigi() {
  Bg("bg038");
  const std::uint32_t date = Date();
  if (date < 804) {
    GO(KeysAreLate());
  } else if (date < 811) {
    GO(TheColours());
  } else if (date < 818) {
    GO(TheCamera());
  } else {
    GO(WithoutTheDirector());
  }
  return Visited(Work::StaffMeeting);
}

}  // namespace story
