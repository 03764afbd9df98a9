// Which buttons a message box shows, which answers Enter and Escape give, and
// what a closed box means; SDL only draws the result.
#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace platform::sdl {

struct BoxButtonPlan {
  BoxAnswer answer = BoxAnswer::Ok;
  std::string label;  // UTF-8
};

struct BoxPlan {
  std::vector<BoxButtonPlan> buttons;  // left to right
  int returnIndex = 0;                 // Enter
  int escapeIndex = 0;                 // Escape, and closing the box
};

// A defaultButton past the last button falls back to the first, as Windows does.
// Escape is the safe answer: No on Yes/No, OK on OK, and the default on
// Abort/Retry/Ignore, where none of the three is harmless.
BoxPlan PlanMessageBox(BoxButtons buttons, int defaultButton, bool japanese);

// pressed: the index SDL reports, or -1 when the box was closed without one.
BoxAnswer AnswerFor(const BoxPlan& plan, int pressed);

// Japanese labels when the first set of LC_ALL, LC_MESSAGES, LANG names Japanese.
bool PrefersJapanese(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace platform::sdl
