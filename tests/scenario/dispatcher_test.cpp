#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/encoding.h"
#include "scenario/scenario_table.h"
#include "tests/support/headless_fixture.h"

namespace {

using scenario::ScenarioEntry;
using scenario::ScriptResult;
using Names = std::vector<std::string>;

// Routines note their runs and return the scripted results in turn, then 0.
Names Runs;
std::vector<ScriptResult> Results;

ScriptResult Next(const char* name) {
  Runs.emplace_back(name);
  if (Results.empty()) return scenario::kGoOn;
  const ScriptResult result = Results.front();
  Results.erase(Results.begin());
  return result;
}
ScriptResult RoutineA() {
  return Next("sA");
}
ScriptResult RoutineB() {
  return Next("sB");
}
ScriptResult JumpToB() {
  Runs.emplace_back("sJump");
  return scenario::JumpScenario("sB");
}
ScriptResult JumpToNowhere() {
  Runs.emplace_back("sLost");
  return scenario::JumpScenario("sNowhere");
}

ScriptResult CallB() {
  Runs.emplace_back("sCall");
  return scenario::CallScenario("sB");
}
ScriptResult CallNowhere() {
  Runs.emplace_back("sCallLost");
  return scenario::CallScenario("sNowhere");
}

const ScenarioEntry kTable[] = {{"s0", RoutineA},
                                {"sB", RoutineB},
                                {"sJump", JumpToB},
                                {"sLost", JumpToNowhere},
                                {"sCall", CallB},
                                {"sCallLost", CallNowhere},
                                {}};

using DispatcherTest = cellwright_test::HeadlessTest;

// A name must match a whole table entry within the record's 67 bytes, among
// the first 256 entries; a miss is shown to the player.
TEST_F(DispatcherTest, FindMatchesWholeNamesAndShowsWhatIsMissing) {
  std::vector<ScenarioEntry> unterminated(300, ScenarioEntry{"sFiller", RoutineA});
  unterminated[255] = {"sLast", RoutineB};
  unterminated[256] = {"sTooFar", RoutineB};
  const std::string longer(core::kNextScenarioSize, 'x');  // can never be stored whole
  const ScenarioEntry longerTable[] = {{longer.c_str(), RoutineA}, {}};
  const std::string damaged = "sB" + std::string(65, 'a');  // all 67 bytes, no terminator
  const struct {
    const char* name;
    const ScenarioEntry* table;
    std::string wanted;
    int index;
  } kCases[] = {
      {"found", kTable, "sB", 1},
      {"case matters", kTable, "SB", -1},
      {"a record without a terminator is read no further", kTable, damaged, -1},
      {"a table name as long as the record", longerTable, longer, -1},
      {"the 256th entry is the last looked at", unterminated.data(), "sLast", 255},
      {"the 257th is not", unterminated.data(), "sTooFar", -1},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    Start({});
    scenario::ScenarioTable = row.table;
    std::memcpy(core::GameState.nextScenario, row.wanted.data(), row.wanted.size());
    EXPECT_EQ(scenario::FindScenario(), row.index);
    ASSERT_EQ(Sys().Boxes().size(), row.index < 0 ? 1u : 0u);
    if (row.index >= 0) continue;
    EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes()[0].request.text),
              "見つかりません " + row.wanted);
  }
}

// 0 and 100 end the game, 999 the program; 1 runs GameState.nextScenario, and
// any other result runs the same routine again. Each routine started is logged.
TEST_F(DispatcherTest, TheResultDecidesWhatRunsNext) {
  const struct {
    const char* name;
    scenario::ScenarioRoutine start;
    std::vector<ScriptResult> results;
    ScriptResult result;
    Names runs, logged;
  } kCases[] = {
      {"go on ends the game", RoutineA, {0}, 0, {"sA"}, {"s0"}},
      {"game over ends the game", RoutineA, {100}, 0, {"sA"}, {"s0"}},
      {"quit ends the program", RoutineA, {999}, 999, {"sA"}, {"s0"}},
      {"other results run it again", RoutineA, {2, -1, 1000, 100}, 0, Names(4, "sA"), {"s0"}},
      {"a jump runs the named routine", JumpToB, {100}, 0, {"sJump", "sB"}, {"sJump", "sB"}},
      {"a jump to the same name runs it again",
       JumpToB,
       {1, 999},
       999,
       {"sJump", "sB", "sB"},
       {"sJump", "sB", "sB"}},
      {"a missing successor ends the game", JumpToNowhere, {}, 0, {"sLost"}, {"sLost"}},
      {"a sub-scene is logged and its result is the caller's",
       CallB,
       {999},
       999,
       {"sCall", "sB"},
       {"sCall", "sB"}},
      {"a missing sub-scene is passed by", CallNowhere, {}, 0, {"sCallLost"}, {"sCallLost"}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    Start({});
    scenario::ScenarioTable = kTable;
    Runs.clear();
    Results = row.results;
    EXPECT_EQ(scenario::RunScenarioChain(row.start), row.result);
    EXPECT_EQ(Runs, row.runs);
    const std::string log = Log();
    const std::regex event(R"re("event":"scenario","name":"([^"]*)")re");
    Names logged;
    for (std::sregex_iterator it(log.begin(), log.end(), event), end; it != end; ++it) {
      logged.push_back((*it)[1]);
    }
    EXPECT_EQ(logged, row.logged);
    // Only a missing successor is told to the player; a missing sub-scene is not.
    EXPECT_EQ(Sys().Boxes().size(), row.start == JumpToNowhere ? 1u : 0u);
  }
}

}  // namespace
