// The morning briefings, a file per story week; what they share.
#pragma once

#include <cstdint>

#include "story/script.h"

namespace story::briefing {

// Kumai's (or, when he is out, Koyori's) word on the work left over from the
// days before: praise, a nudge or a warning, worded differently day by day.
[[nodiscard]] ScriptResult Backlog(std::uint32_t date, bool koyoriSpeaks = false);

// One story week each; the date is one of that week's working days.
[[nodiscard]] ScriptResult Week2(std::uint32_t date);  // 26-31 July
[[nodiscard]] ScriptResult Week3(std::uint32_t date);  // 2-7 August
[[nodiscard]] ScriptResult Week4(std::uint32_t date);  // 9-14 August
[[nodiscard]] ScriptResult Week5(std::uint32_t date);  // 16-21 August
[[nodiscard]] ScriptResult Week6(std::uint32_t date);  // 23-29 August

}  // namespace story::briefing
