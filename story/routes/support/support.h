// The supporting cast's own scenes and what the rooms ask before opening a
// door into them. Bytes 921-923 and 925-930 are theirs (924 is Kumai's roof).
#pragma once

#include <cstddef>

#include "story/day/work.h"
#include "story/script.h"

namespace story::support {

constexpr std::size_t kKumaiGozenSeen = 921;  // the desk's morning, before anyone was in
constexpr std::size_t kKumaiYoruSeen = 922;   // the schedule board after midnight
constexpr std::size_t kKumaiDrinkSeen = 923;  // the yakitori stand: what Kumai never says
constexpr std::size_t kKuramae02Seen = 925;   // the final mix's night, offered once
constexpr std::size_t kInTheCrowd = 926;      // the rookie's voice is in the crowd (pick-ups)
constexpr std::size_t kStayedForMix = 927;    // stayed to hear the whole film with Kuramae

// The morning office shift that becomes Kumai's morning instead.
bool KumaiMorningDue();

// The scene a cut-bag check in the evening or at night runs on into, or null.
// Only on a night that no fixed event of the story has claimed.
const char* AfterTheCutBagCheck();

// The final mix, in the evening or at night: Kuramae asks him to stay.
bool KuramaeNightDue();

// A work visit counted as done, going on into `scene` instead of the hub.
ScriptResult VisitedThen(Work work, const char* scene);

}  // namespace story::support
