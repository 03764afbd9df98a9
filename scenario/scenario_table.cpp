#include "scenario/scenario_table.h"

#include <cstdio>
#include <cstring>

#include "core/game_state.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace scenario {

namespace {

constexpr ScenarioEntry kEmptyTable[] = {{nullptr, nullptr}};

void LogScenario(const char* name) {
  platform::Sys().LogEvent("scenario", {platform::LogField::Text("name", name)});
}

const char* NameOf(ScenarioRoutine routine) {
  for (int i = 0; i < kMaxScenarioLookups && ScenarioTable[i].name != nullptr; ++i) {
    if (ScenarioTable[i].routine == routine) return ScenarioTable[i].name;
  }
  return "";
}

}  // namespace

const ScenarioEntry* ScenarioTable = kEmptyTable;

ScriptResult JumpScenario(const char* name) {
  core::SetNextScenario(core::GameState, name);
  return kJump;
}

int FindScenario() {
  const char* wanted = core::GameState.nextScenario;
  for (int i = 0; i < kMaxScenarioLookups; ++i) {
    const char* name = ScenarioTable[i].name;
    if (name == nullptr) break;
    // A record read from a file may fill all 67 bytes without a NUL: never look further.
    if (std::strncmp(wanted, name, core::kNextScenarioSize) == 0 &&
        std::strlen(name) < core::kNextScenarioSize) {
      return i;
    }
  }
  char text[256];
  std::snprintf(text, sizeof text, platform::Sjis("見つかりません %.*s").c_str(),
                static_cast<int>(core::kNextScenarioSize), wanted);
  platform::ShowGameBox(text);
  return -1;
}

ScriptResult CallScenario(const char* name) {
  for (int i = 0; i < kMaxScenarioLookups && ScenarioTable[i].name != nullptr; ++i) {
    if (std::strcmp(ScenarioTable[i].name, name) == 0) {
      LogScenario(name);  // it starts like any other, though nothing jumped to it
      return ScenarioTable[i].routine();
    }
  }
  return kGoOn;
}

ScriptResult RunScenarioChain(ScenarioRoutine start) {
  ScenarioRoutine routine = start;
  LogScenario(NameOf(routine));
  for (;;) {
    const ScriptResult result = routine();
    if (result == kQuit) return kQuit;
    if (result == kGoOn || result == kGameOver) return kGoOn;
    if (result == kJump) {
      const int index = FindScenario();
      if (index < 0) return kGoOn;
      routine = ScenarioTable[index].routine;
      LogScenario(ScenarioTable[index].name);
    }
    // Any other value runs the same routine again.
  }
}

}  // namespace scenario
