// The game's own table of named scenarios; entry 0 starts a new game.
#pragma once

#include "scenario/scenario_table.h"

namespace story {

extern const scenario::ScenarioEntry StoryScenarios[];

}  // namespace story
