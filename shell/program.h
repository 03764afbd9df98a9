// The whole program as the entry point runs it, independent of the backend.
#pragma once

#include <functional>

#include "scenario/scenario_table.h"

namespace shell {

// What the top-level loop runs. The game supplies its own screens and story;
// tests and the headless driver may supply others.
struct ProgramParts {
  std::function<int()> openingLogo;  // 0: quit
  std::function<int()> titleMenu;    // 0 or 5: quit; 1: new game; 2: a game was loaded
  const scenario::ScenarioEntry* scenarios = nullptr;
};

ProgramParts GameParts();

// Start-up, the top-level loop and shutdown on the backend set with
// platform::SetSystem. Returns the process exit code.
int RunProgram(const ProgramParts& parts);

}  // namespace shell
