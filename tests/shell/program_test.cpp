#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "platform/encoding.h"
#include "scenario/scenario_table.h"
#include "shell/program.h"
#include "tests/support/headless_fixture.h"

namespace {

using scenario::ScenarioEntry;
using scenario::ScriptResult;

std::vector<std::string> Trace;
std::deque<int> TitleAnswers;
int GameRunningSeen = -1;

int Logo() {
  Trace.emplace_back("logo");
  return core::QuitReceived != 0 ? 0 : 1;
}
int Title() {
  Trace.emplace_back("title");
  if (TitleAnswers.empty()) return 5;
  const int answer = TitleAnswers.front();
  TitleAnswers.pop_front();
  return answer;
}

// A scene that waits for the player like a page prompt: until the quit arrives.
ScriptResult WaitingScene() {
  Trace.emplace_back("s0");
  GameRunningSeen = core::GameRunning;
  while (core::WaitFrame() != 0) {
  }
  return scenario::kQuit;
}
ScriptResult ShortScene() {
  Trace.emplace_back(std::string("short:") + core::GameState.nextScenario);
  GameRunningSeen = core::GameRunning;
  return scenario::kGameOver;
}

const ScenarioEntry kWaitingTable[] = {{"s0", WaitingScene}, {nullptr, nullptr}};
const ScenarioEntry kShortTable[] = {{"s0", ShortScene}, {"sDay", ShortScene}, {nullptr, nullptr}};
const ScenarioEntry kEmptyTable[] = {{nullptr, nullptr}};

class ProgramTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    Trace.clear();
    TitleAnswers.clear();
    GameRunningSeen = -1;
  }
  static shell::ProgramParts Parts(const ScenarioEntry* table) { return {Logo, Title, table}; }
};

TEST_F(ProgramTest, ANewGameStartsOn25JulyAtS0) {
  std::memset(&core::GameState, 0x55, sizeof core::GameState);
  TitleAnswers = {1};
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 0);
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title", "short:s0", "logo", "title"));
  EXPECT_EQ(core::GameState.date, 725u);
  EXPECT_EQ(core::GameState.timeSlot, core::kDayOver);
  EXPECT_EQ(core::GameState.weekEnd, 0);
  EXPECT_EQ(GameRunningSeen, 1);
  EXPECT_EQ(core::GameRunning, 0);
  EXPECT_NE(Log().find(R"("event":"scenario","name":"s0")"), std::string::npos);
}

TEST_F(ProgramTest, AConfirmedCloseDuringASceneEndsTheProgramWithoutMoreBoxes) {
  TitleAnswers = {1};
  std::string error;
  Sys().SetScript(*platform::headless::ParseScript("frames 20\nanswer yes\nclose\n", &error));
  EXPECT_EQ(shell::RunProgram(Parts(kWaitingTable)), 0);
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title", "s0"));
  EXPECT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_FALSE(Sys().HasMainWindow());
}

TEST_F(ProgramTest, QuitFromTheTitleEndsWithCodeZero) {
  TitleAnswers = {0};
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 0);
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title"));
  EXPECT_FALSE(Sys().HasMainWindow());
}

TEST_F(ProgramTest, OtherTitleResultsAskAgain) {
  TitleAnswers = {3, -1, 4, 5};
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 0);
  EXPECT_EQ(std::count(Trace.begin(), Trace.end(), "title"), 4);
}

TEST_F(ProgramTest, ALoadedGameResumesAtItsScenarioOrReturnsToTheTitle) {
  core::SetNextScenario(core::GameState, "sGone");
  TitleAnswers = {2};
  shell::RunProgram(Parts(kShortTable));
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes()[0].request.text), "見つかりません sGone");
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title", "title"));

  Start({});
  Trace.clear();
  core::SetNextScenario(core::GameState, "sDay");
  TitleAnswers = {2};
  shell::RunProgram(Parts(kShortTable));
  EXPECT_THAT(Trace, ::testing::Contains("short:sDay"));
}

TEST_F(ProgramTest, ATableWithoutAFirstScenarioSaysSoAndReturnsToTheTitle) {
  TitleAnswers = {1};
  EXPECT_EQ(shell::RunProgram(Parts(kEmptyTable)), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes()[0].request.text), "見つかりません s0");
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title", "title"));
}

TEST_F(ProgramTest, ASecondCopyRaisesTheFirstAndEndsWithCodeOne) {
  platform::headless::HeadlessOptions first;
  first.instanceFolder = Temp().Path() + "/shared-instance/";  // made private by the guard
  first.installFolder = Temp().Sub("install");
  first.saveFolder = Temp().Sub("save1");
  first.tempFolder = Temp().Sub("tmp1");
  platform::headless::HeadlessSystem firstCopy(first);
  const auto held = firstCopy.AcquireInstance("CellwrightMutex");
  ASSERT_FALSE(held->AlreadyRunning());

  platform::headless::HeadlessOptions second = first;
  second.saveFolder = Temp().Sub("save2");
  second.tempFolder = Temp().Sub("tmp2");
  Start(second);
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 1);
  EXPECT_FALSE(Sys().HasMainWindow());
  EXPECT_TRUE(Trace.empty());
  EXPECT_TRUE(held->TakeRaiseRequest());
  EXPECT_FALSE(held->TakeRaiseRequest());
}

TEST_F(ProgramTest, FoldersComeFromTheBackend) {
  platform::headless::HeadlessOptions options;
  options.discMounts = {"/media/disc/", "/media/disc2/"};
  Start(options);
  TitleAnswers = {0};
  shell::RunProgram(Parts(kShortTable));
  EXPECT_EQ(core::InstallFolder, Sys().CurrentFolder());
  EXPECT_EQ(core::SaveFolder, Sys().PrivateDataFolder());  // the driver's data is read-only
  EXPECT_EQ(core::WindowsFolder, Sys().PrivateTempFolder());
  EXPECT_EQ(core::MediaFolder, "/media/disc/");
}

}  // namespace

namespace {

class MissingDataTest : public ProgramTest {};

TEST_F(MissingDataTest, ProgramTellsThePlayerAndEndsWhenAnArchiveIsNowhere) {
  platform::headless::HeadlessOptions options;
  options.installFolder = Temp().Sub("empty-install");
  std::ofstream(options.installFolder + "bmp.arc");  // the sound archive is missing
  Start(options);
  TitleAnswers = {1};
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes()[0].request.text),
            "データが見つかりません。ＣＤを挿入して下さい");
  EXPECT_EQ(Sys().Boxes()[0].request.buttons, platform::BoxButtons::Ok);
  EXPECT_TRUE(Trace.empty());
  EXPECT_FALSE(Sys().HasMainWindow());
}

TEST_F(MissingDataTest, ArchivesOnTheDiscAreEnough) {
  platform::headless::HeadlessOptions options;
  options.installFolder = Temp().Sub("bare-install");
  // Sounds are looked for beside the game only: the chime stays there.
  cellwright_test::WriteWav(Temp().Sub("bare-install/wave") + "13SE.WMA",
                            std::vector<std::int16_t>(220), 22050, 1);
  const std::string disc = Temp().Sub("disc");
  std::ofstream(disc + "BMP.ARC");
  std::ofstream(disc + "wave.arc");
  options.discMounts = {disc};
  Start(options);
  TitleAnswers = {0};
  EXPECT_EQ(shell::RunProgram(Parts(kShortTable)), 0);
  EXPECT_TRUE(Sys().Boxes().empty());
  EXPECT_THAT(Trace, ::testing::ElementsAre("logo", "title"));
}

}  // namespace
