#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/encoding.h"
#include "scenario/scenario_table.h"
#include "tests/support/headless_fixture.h"

namespace {

using core::GameState;
using scenario::ScenarioEntry;
using scenario::ScriptResult;

// Routines record their runs here and return what the test scripted for them.
std::vector<std::string> Runs;
std::vector<ScriptResult> ResultsOfA;
std::vector<ScriptResult> ResultsOfB;

ScriptResult Next(const char* name, std::vector<ScriptResult>& results) {
  Runs.emplace_back(name);
  if (results.empty()) return scenario::kGoOn;
  const ScriptResult result = results.front();
  results.erase(results.begin());
  return result;
}
ScriptResult RoutineA() {
  return Next("sA", ResultsOfA);
}
ScriptResult RoutineB() {
  return Next("sB", ResultsOfB);
}
ScriptResult JumpToB() {
  Runs.emplace_back("sJump");
  return scenario::JumpScenario("sB");
}
ScriptResult JumpToNowhere() {
  Runs.emplace_back("sLost");
  return scenario::JumpScenario("sNowhere");
}

const ScenarioEntry kTable[] = {{"s0", RoutineA},
                                {"sB", RoutineB},
                                {"sJump", JumpToB},
                                {"sLost", JumpToNowhere},
                                {nullptr, nullptr}};

class DispatcherTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    scenario::ScenarioTable = kTable;
    Runs.clear();
    ResultsOfA.clear();
    ResultsOfB.clear();
  }
  std::string BoxText(size_t i) {
    return platform::Cp932ToUtf8Lossy(Sys().Boxes().at(i).request.text);
  }
};

TEST_F(DispatcherTest, JumpStoresTheNameAndAsksForTheJump) {
  EXPECT_EQ(scenario::JumpScenario("sWeekEnd"), scenario::kJump);
  EXPECT_STREQ(GameState.nextScenario, "sWeekEnd");
}

TEST_F(DispatcherTest, JumpCutsAnOverlongNameAndKeepsItsTerminator) {
  const std::string longName(100, 'x');
  scenario::JumpScenario(longName.c_str());
  EXPECT_EQ(std::string(GameState.nextScenario), std::string(66, 'x'));
}

TEST_F(DispatcherTest, FindIsCaseSensitiveAndTellsThePlayerWhatIsMissing) {
  core::SetNextScenario(GameState, "sB");
  EXPECT_EQ(scenario::FindScenario(), 1);
  EXPECT_TRUE(Sys().Boxes().empty());

  core::SetNextScenario(GameState, "SB");
  EXPECT_EQ(scenario::FindScenario(), -1);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "見つかりません SB");
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes()[0].request.caption), "Cellwright");
  EXPECT_EQ(Sys().Boxes()[0].request.buttons, platform::BoxButtons::Ok);
}

TEST_F(DispatcherTest, AnameWithoutTerminatorIsNeverReadPastTheRecord) {
  // As a damaged save file could leave it: all 67 bytes used, a table name as prefix.
  std::memset(GameState.nextScenario, 'a', core::kNextScenarioSize);
  std::memcpy(GameState.nextScenario, "sB", 2);
  EXPECT_EQ(scenario::FindScenario(), -1);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "見つかりません sB" + std::string(65, 'a'));
}

TEST_F(DispatcherTest, LookupGivesUpAfter256EntriesOfAnUnterminatedTable) {
  static std::vector<ScenarioEntry> longTable(300, ScenarioEntry{"sFiller", RoutineA});
  longTable[270] = {"sFar", RoutineB};
  scenario::ScenarioTable = longTable.data();
  core::SetNextScenario(GameState, "sFar");
  EXPECT_EQ(scenario::FindScenario(), -1);
  core::SetNextScenario(GameState, "sFiller");
  EXPECT_EQ(scenario::FindScenario(), 0);
}

TEST_F(DispatcherTest, GameOverAndGoOnEndTheGameQuitPropagates) {
  ResultsOfA = {scenario::kGoOn};
  EXPECT_EQ(scenario::RunScenarioChain(RoutineA), 0);
  ResultsOfA = {scenario::kGameOver};
  EXPECT_EQ(scenario::RunScenarioChain(RoutineA), 0);
  ResultsOfA = {scenario::kQuit};
  EXPECT_EQ(scenario::RunScenarioChain(RoutineA), scenario::kQuit);
  EXPECT_THAT(Runs, ::testing::ElementsAre("sA", "sA", "sA"));
}

TEST_F(DispatcherTest, JumpRunsTheNamedSuccessor) {
  ResultsOfB = {scenario::kGameOver};
  EXPECT_EQ(scenario::RunScenarioChain(JumpToB), 0);
  EXPECT_THAT(Runs, ::testing::ElementsAre("sJump", "sB"));
  EXPECT_NE(Log().find(R"("event":"scenario","name":"sJump")"), std::string::npos) << Log();
  EXPECT_NE(Log().find(R"("event":"scenario","name":"sB")"), std::string::npos) << Log();
}

TEST_F(DispatcherTest, JumpWithoutANewNameRerunsTheNamedScenario) {
  core::SetNextScenario(GameState, "sB");
  ResultsOfB = {scenario::kJump, scenario::kJump, scenario::kQuit};
  EXPECT_EQ(scenario::RunScenarioChain(RoutineB), scenario::kQuit);
  EXPECT_THAT(Runs, ::testing::ElementsAre("sB", "sB", "sB"));
}

TEST_F(DispatcherTest, OtherValuesRunTheSameRoutineAgain) {
  ResultsOfA = {2, -1, 1000, scenario::kGameOver};
  EXPECT_EQ(scenario::RunScenarioChain(RoutineA), 0);
  EXPECT_EQ(Runs.size(), 4u);
}

TEST_F(DispatcherTest, AMissingSuccessorShowsItsNameAndEndsTheGame) {
  EXPECT_EQ(scenario::RunScenarioChain(JumpToNowhere), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "見つかりません sNowhere");
}

}  // namespace
