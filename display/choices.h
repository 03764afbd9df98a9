// Choices: the answers a scenario lists, shown as up to three lines of the
// message window and picked with the pointer or the arrow keys.
#pragma once

#include <cstdint>

#include "scenario/script_result.h"

namespace display {

inline constexpr int kMaxPendingChoices = 20;
inline constexpr int kMaxVisibleChoices = 3;

struct PendingChoices {
  const char* texts[kMaxPendingChoices] = {};  // null: hidden, keeps its number
  int count = 0;
};

struct VisibleChoices {
  const char* texts[kMaxVisibleChoices] = {};
  int entries[kMaxVisibleChoices] = {};  // 0-based position among the pending entries
  int count = 0;
};

extern PendingChoices PendingChoiceList;
extern VisibleChoices VisibleChoiceList;
extern int ChoicesShown;     // 1 while RunChoice waits; Refresh then redraws the lines
extern int ChoiceHighlight;  // the visible line drawn highlighted

// Shift-JIS text whose first two bytes, a full-width digit, are not shown; or
// null for an answer that does not apply now. Past 20 entries, refused. Always 0.
scenario::ScriptResult AddChoice(const char* text);
// 0 when a pick was stored in GameState.choice (1-based, nulls counted), 1 when
// a game was loaded from the system menu, 999 on quit.
scenario::ScriptResult RunChoice();

void DrawChoiceLine(bool highlighted, int line, const char* text);
void DrawChoices(int highlight);
void RedrawChoices();

// GameState.adjustCounter += delta, kept within -10..5. Always 0.
scenario::ScriptResult AdjustScore(std::int8_t delta);

// Back to the state of a fresh process; for tests that run many cases in one.
void ResetChoices();

}  // namespace display
