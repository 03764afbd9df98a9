#include "shell/program.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "platform/encoding.h"
#include "tests/support/headless_fixture.h"

namespace {

using scenario::ScenarioEntry;
using scenario::ScriptResult;

std::string Runs;  // what ran, in order, separated by spaces
std::deque<int> TitleAnswers;

void Note(const std::string& what) {
  Runs += (Runs.empty() ? "" : " ") + what;
}
int Logo() {
  Note("logo");
  return core::QuitReceived != 0 ? 0 : 1;
}
int Title() {
  Note("title");
  const int answer = TitleAnswers.empty() ? 5 : TitleAnswers.front();
  if (!TitleAnswers.empty()) TitleAnswers.pop_front();
  return answer;
}
// Notes the scenario it runs as, "+" while a game runs; ends the game.
ScriptResult Scene() {
  Note(core::GameState.nextScenario + std::string(core::GameRunning ? "+" : ""));
  return scenario::kGameOver;
}
// Waits for the player like a page prompt: until the quit arrives.
ScriptResult WaitingScene() {
  Note("waiting");
  while (core::WaitFrame() != 0) {
  }
  return scenario::kQuit;
}

const ScenarioEntry kScenes[] = {{"s0", Scene}, {"sDay", Scene}, {}};

class ProgramTest : public cellwright_test::HeadlessTest {
 protected:
  int Run(const ScenarioEntry* table) {
    Runs.clear();
    return shell::RunProgram({Logo, Title, table});
  }
  // The texts of the boxes shown, one a line.
  std::string BoxTexts() {
    std::string texts;
    for (const auto& box : Sys().Boxes()) {
      texts += platform::Cp932ToUtf8Lossy(box.request.text) + "\n";
    }
    return texts;
  }
};

// 1 starts a new game on 25 July at the first scenario, 2 the loaded game at
// its own, 0 and 5 end the program, anything else asks again. After a game
// the logo comes back; the window is gone at the end.
TEST_F(ProgramTest, TheTitleDecidesWhatRuns) {
  const ScenarioEntry kNone[] = {{}};
  const struct {
    const char* name;
    const ScenarioEntry* table;
    const char* saved;  // the loaded game's scenario
    std::deque<int> answers;
    std::string runs, missing;
    std::uint32_t date;
  } kCases[] = {
      {"a new game", kScenes, "sDay", {1}, "logo title s0+ logo title", "", 725},
      {"a loaded game", kScenes, "sDay", {2}, "logo title sDay+ logo title", "", 801},
      {"a loaded game, its scenario gone", kScenes, "sGone", {2}, "logo title title", "sGone", 801},
      {"no first scenario", kNone, "sDay", {1}, "logo title title", "s0", 725},
      {"quit", kScenes, "sDay", {0}, "logo title", "", 801},
      {"other answers", kScenes, "sDay", {3, -1, 4, 5}, "logo title title title title", "", 801},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    Start({});
    core::GameState.date = 801;
    core::SetNextScenario(core::GameState, row.saved);
    TitleAnswers = row.answers;
    EXPECT_EQ(Run(row.table), 0);
    EXPECT_EQ(Runs, row.runs);
    EXPECT_EQ(core::GameState.date, row.date);
    EXPECT_EQ(core::GameRunning, 0);
    EXPECT_FALSE(Sys().HasMainWindow());
    EXPECT_EQ(BoxTexts(), row.missing.empty() ? "" : "見つかりません " + row.missing + "\n");
  }
}

TEST_F(ProgramTest, AConfirmedCloseDuringASceneEndsTheProgramAtOnce) {
  const ScenarioEntry waiting[] = {{"s0", WaitingScene}, {}};
  TitleAnswers = {1};
  std::string error;
  Sys().SetScript(*platform::headless::ParseScript("frames 20\nanswer yes\nclose\n", &error));
  EXPECT_EQ(Run(waiting), 0);
  EXPECT_EQ(Runs, "logo title waiting");
}

// The archives may be in the game's folder or on a disc; nowhere, the player is told.
TEST_F(ProgramTest, WithoutItsArchivesTheProgramSaysSoAndEnds) {
  const struct {
    const char* name;
    std::vector<std::string> inFolder, onDisc;
    std::string runs;
  } kCases[] = {{"both on the disc", {}, {"bmp.arc", "wave.arc"}, "logo title"},
                {"one nowhere", {"bmp.arc"}, {}, ""}};
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    platform::headless::HeadlessOptions options;
    options.installFolder = Temp().Sub(std::string("folder ") + row.name);
    options.discMounts = {Temp().Sub(std::string("disc ") + row.name)};
    for (const std::string& name : row.inFolder) std::ofstream(options.installFolder + name);
    for (const std::string& name : row.onDisc) std::ofstream(options.discMounts[0] + name);
    // Sounds are looked for beside the game only: the start-up chime stays there.
    cellwright_test::WriteWav(Temp().Sub(std::string("folder ") + row.name + "/wave") + "13SE.WMA",
                              std::vector<std::int16_t>(220), 22050, 1);
    Start(options);
    EXPECT_EQ(Run(kScenes), 0);
    EXPECT_EQ(Runs, row.runs);
    EXPECT_EQ(BoxTexts(), row.runs.empty() ? "データが見つかりません。ＣＤを挿入して下さい\n" : "");
  }
}

TEST_F(ProgramTest, ASecondCopyRaisesTheFirstAndEndsWithCode1) {
  platform::headless::HeadlessOptions first;
  first.instanceFolder = Temp().Path() + "/shared-instance/";  // made private by the guard
  platform::headless::HeadlessSystem firstCopy(first);
  const auto held = firstCopy.AcquireInstance("CellwrightMutex");
  ASSERT_FALSE(held->AlreadyRunning());
  Start(first);
  EXPECT_EQ(Run(kScenes), 1);
  EXPECT_EQ(Runs, "");
  EXPECT_TRUE(held->TakeRaiseRequest());
}

}  // namespace
