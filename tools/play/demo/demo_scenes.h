// A few scenes that show off the presentation (stage, text, choices) while the
// story is not written; `cellwright-play --demo` and the end-to-end tests run
// them in place of the game's own scenarios.
#pragma once

#include "shell/program.h"

namespace play {

extern const scenario::ScenarioEntry DemoScenarios[];

// The game's own logo and title, with the demonstration as its story.
shell::ProgramParts DemoParts();

}  // namespace play
