// Compiled with Shift-JIS as the execution character set: every string literal
// here is already the engine's text, and a character without a Shift-JIS form
// stops the build.
#include "tools/play/demo/demo_scenes.h"

#include "core/game_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "game/calendar.h"
#include "game/extras.h"
#include "game/slot_screen.h"
#include "game/town_map.h"
#include "media/movie.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "scenario/scenario_table.h"
#include "shell/screens.h"

namespace play {

namespace {

using display::AddChoice;
using display::AddTextLine;
using display::RunChoice;
using display::SetLayerPicture;
using display::WaitPage;
using scenario::ScriptResult;

#define GO(call)                         \
  do {                                   \
    const ScriptResult result_ = (call); \
    if (result_ != 0) return result_;    \
  } while (false)

ScriptResult sDemo() {
  media::PlayMusic("bgm02");
  media::PlaySound(0, "16", 1);  // cicadas through the open window, until the movie
  SetLayerPicture(0, "bg034", 0);
  GO(AddTextLine("夕凪動画の事務所。扇風機の風が、机に積まれたカット袋の端を揺らしている。"));
  GO(AddTextLine("ホワイトボードには、今週の予定がびっしり。"));
  GO(WaitPage());

  SetLayerPicture(1, "kot001", 0);
  media::PlaySound(1, "ko0001", 0);
  GO(
      AddTextLine("こより「おはようございます、早瀬くん！　今日から制作進行ですね。まずは机の場所か"
                  "ら案内しますね」"));
  GO(WaitPage());

  SetLayerPicture(2, "hot001", 0);
  media::PlaySound(1, "ho0001", 0);
  GO(AddTextLine("ほたる「……仕上げの染谷です。よろしく、お願いします」"));
  GO(AddTextLine("（声、小さいな……）"));
  GO(WaitPage());

  // One long line: the window fills, waits for the player and goes on at the top.
  GO(
      AddTextLine("こよりは壁の黒電話を指さし、外注先の一覧、カット袋の棚、動画用紙の置き場所、"
                  "それから給湯室のポットの癖まで、息もつかずに説明していく。"
                  "ほたるは隣で小さくうなずきながら、時々こよりの言い間違いを直している。"));
  GO(AddTextLine("二人とも、この夏の忙しさをよく知っている顔だった。"));
  GO(WaitPage());

  GO(AddTextLine("ｱﾆﾒｰｼｮﾝ制作、第１話。さて、どうする？"));
  GO(WaitPage());

  AddChoice("１こよりに付いて行く");
  AddChoice(nullptr);  // a hidden answer keeps its number
  AddChoice("３仕上げ室をのぞいてみる");
  GO(RunChoice());
  if (core::GameState.choice == 1) return scenario::JumpScenario("sDemoKoyori");
  return scenario::JumpScenario("sDemoHotaru");
}

ScriptResult sDemoKoyori() {
  SetLayerPicture(2, nullptr, 0);  // Hotaru leaves; Koyori moves to the middle
  GO(AddTextLine("こより「じゃあ、まずは車の鍵から！　白玉号、運転できますよね？」"));
  GO(WaitPage());
  return scenario::JumpScenario("sDemoScreens");
}

ScriptResult sDemoHotaru() {
  SetLayerPicture(0, "bg036", 0);  // a new room: both portraits go
  SetLayerPicture(1, "hot001", 0);
  GO(AddTextLine("仕上げ室には、絵の具の匂いとセル棚の影。"));
  GO(AddTextLine("ほたる「……ここ、暑いので。水分、取ってくださいね」"));
  GO(WaitPage());
  media::PlaySound(1, "ho0002", 0);
  GO(AddTextLine("ほたる「……線撮、上がってます。見ますか」"));
  GO(WaitPage());
  media::PlayMovie("zsensatu");  // the line test: grey pencil drawings on the camera
  GO(AddTextLine("鉛筆の線が、ちゃんと動いていた。"));
  GO(WaitPage());
  return scenario::JumpScenario("sDemoScreens");
}

// The screens a day of the story passes through: its date, the chart of how
// an anime is made, the town map, the save screen, and the credits.
ScriptResult sDemoScreens() {
  core::GameState.date = 812;
  core::GameState.timeSlot = 1;
  media::PlayMusic("bgm03");
  SetLayerPicture(0, "bg034", 0);
  GO(game::ShowDate(1));

  core::GameState.guideVoice = 1;
  GO(game::ProductionGuide());

  core::GameState.Flag(969) = 1;  // two places with work waiting
  core::GameState.Flag(970) = 1;
  GO(game::MapScreen());

  // What endings unlock: the first picture of two galleries and a movie of each film.
  core::GameState.route[0].galleryUnlocked[0] = 1;
  core::GameState.route[1].galleryUnlocked[0] = 1;
  core::GameState.movieSeen[0] = 1;
  core::GameState.movieSeen[5] = 1;
  SetLayerPicture(0, "bg034n", 0);
  for (;;) {
    AddChoice("１●セーブする");
    AddChoice("２●終わる");
    GO(RunChoice());
    if (core::GameState.choice == 2) break;
    game::SaveMenu();
  }
  return game::StaffRoll();
}

#undef GO

}  // namespace

const scenario::ScenarioEntry DemoScenarios[] = {
    {"sDemo", sDemo},
    {"sDemoKoyori", sDemoKoyori},
    {"sDemoHotaru", sDemoHotaru},
    {"sDemoScreens", sDemoScreens},
    {nullptr, nullptr},
};

shell::ProgramParts DemoParts() {
  return {shell::OpeningLogo, shell::TitleMenu, DemoScenarios};
}

}  // namespace play
