// The input script of the headless backend: one command a line, '#' comments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

enum class CommandKind : std::uint8_t {
  Frames,      // frames N: let N frames (32 ms ticks) pass
  Move,        // move X Y
  Click,       // click X Y: move, left button down for one frame, up
  RightClick,  // rclick X Y
  KeyPress,    // key NAME: down for one frame, up
  Hold,        // hold NAME: down until released
  Release,     // release NAME
  Close,       // the window's close button
  Answer,      // answer BUTTON: for the next message box
  Shot,        // shot NAME: write NAME.png
  Deactivate,  // the window loses focus
  Activate,    // the window gets focus back
  // The game-aware commands wait for the prompt the game logs (see docs/play.md).
  Page,         // page: wait for a page prompt, press Enter for one frame
  Choose,       // choose N: wait for a choice, pick visible line N (1 to 3)
  UntilPage,    // until-page: wait for a page prompt, leave it pending
  UntilChoice,  // until-choice: wait for a choice, leave it pending
  UntilScreen,  // until-screen NAME: wait until the game's screen NAME is open
  ClickRel,     // click-rel DX DY: click at the open screen's corner moved by DX, DY
};

struct Command {
  CommandKind kind = CommandKind::Frames;
  int line = 0;        // source line, for error messages
  std::int64_t a = 0;  // N, X, platform::Key or platform::BoxAnswer value
  std::int64_t b = 0;  // Y
  std::string name;    // shot name
};

using Script = std::vector<Command>;

// One command a line, or several separated by ';'. nullopt with *error set
// ("line 3: unknown command 'jump'") on bad input.
std::optional<Script> ParseScript(std::string_view text, std::string* error);

}  // namespace platform::headless
