// Named scenario routines and the dispatcher that chains them.
#pragma once

#include "scenario/script_result.h"

namespace scenario {

using ScenarioRoutine = ScriptResult (*)();

struct ScenarioEntry {
  const char* name;  // null in the closing entry
  ScenarioRoutine routine;
};

// The table in force; closed by an entry whose name and routine are null.
extern const ScenarioEntry* ScenarioTable;

inline constexpr int kMaxScenarioLookups = 256;

// Copies name into GameState.nextScenario (cut to fit) and returns kJump.
ScriptResult JumpScenario(const char* name);

// Index of GameState.nextScenario in ScenarioTable, or -1 after telling the player.
int FindScenario();

// Calls the named routine as a sub-scene of the one running and returns its
// result; 0 when the table has no such name.
ScriptResult CallScenario(const char* name);

// Runs routines until the game ends (0) or the program must quit (999).
ScriptResult RunScenarioChain(ScenarioRoutine start);

}  // namespace scenario
