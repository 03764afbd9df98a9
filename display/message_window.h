// The three-line message window: story text laid out on a grid of full-width
// cells with Japanese line-breaking rules, drawn at once, and remembered so a
// full redraw can bring it back.
#pragma once

#include <cstdint>

#include "scenario/script_result.h"

namespace display {

inline constexpr int kLineBufferSize = 256;

// One Shift-JIS code per cell: a byte, or lead byte * 256 + trail byte; 0 empty.
using TextGrid = std::uint16_t[3][27];

struct MessageWindowState {
  int shown = 0;  // text is on screen: opened by a line since the last page end
  TextGrid grid = {};
  int column = 0;  // where the next character goes
  int row = 0;
  int indentColumn = 0;  // the hanging indent opened by 「 or （
  int indentActive = 0;
};

extern MessageWindowState MessageWindow;

// The system menu as the waits open it: 0 quit, 1 a game was loaded, -1 closed.
// Null until the menu exists; Escape and the right button then do nothing.
using SystemMenuRoutine = int (*)();
extern SystemMenuRoutine SystemMenu;

// Shift-JIS text of at most 254 bytes; line feeds in it are ignored. 0 when laid
// out; the nonzero result of a page break's wait (1 loaded, 999 quit) at once.
scenario::ScriptResult AddTextLine(const char* text);
// Ends the page after the prompt and stops the voice: 0 go on, 1 a game was
// loaded, 999 quit.
scenario::ScriptResult WaitPage();
// Until the channel has stopped playing; at once while Control is held. A quit
// is left for the next waiting operation to report.
void WaitVoice(int channel);
// Why the prompt is shown: the page's end, or a line that did not fit.
enum class PromptCause { PageEnd, FullWindow };
// The blinking prompt until the player goes on; wipes the window after it.
scenario::ScriptResult WaitPrompt(PromptCause cause = PromptCause::PageEnd);

// `code` as stored in the grid, its cell's top-left corner at x, y.
void DrawGlyph(std::uint16_t code, int x, int y, std::uint32_t colour);
void DrawTextAt(const char* text, int x, int y, std::uint32_t colour);
// The window rectangle from the ComposeBuffer: erases the text.
void RestoreWindowBackdrop();
void RedrawText();

// Back to the state of a fresh process; for tests that run many cases in one.
void ResetMessageWindow();

}  // namespace display
