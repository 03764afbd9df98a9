// How a visit to a production place begins and ends.
#pragma once

#include "story/day/work.h"
#include "story/script.h"

namespace story {

// Visits that already did work there: 0 on the first one.
int VisitsTo(Work work);

// The music of a visit: one track by day, another in the evening and at night.
void VisitMusic();

// The scene of a visit by how often the place was worked: the long first
// one, the second and third, then the short ones.
[[nodiscard]] ScriptResult SceneByVisits(int visits, ScriptResult (*first)(),
                                         ScriptResult (*middle)(int visits),
                                         ScriptResult (*later)(int visits));

// The work is done: counter + 1, flag cleared, the time slot used, the music
// stopped, back to the hub.
[[nodiscard]] ScriptResult Visited(Work work);

}  // namespace story
