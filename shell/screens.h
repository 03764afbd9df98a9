// The screens around a game: the opening logo, the title menu and the system
// menu. All wait through the frame pump and return 0 at once when the program
// is quitting, releasing nothing.
#pragma once

#include "game/screen_kit.h"

namespace shell {

// 0 when quitting, 1 otherwise (after 60 frames or a click, Enter or Escape).
int OpeningLogo();
// 0 quit, 1 new game, 2 a saved game was loaded into GameState, 5 end.
int TitleMenu();
// 0 quit, 1 a saved game was loaded into GameState, -1 closed.
int SystemMenu();

// Where a player clicks: title item 1..5 on the screen; a part of the system
// menu from its panel's corner (music on, music off, voice on, voice off, load,
// close: 1..6).
game::Point TitleItemPoint(int item);
game::Point SystemMenuPoint(int part);

}  // namespace shell
