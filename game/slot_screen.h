// The save and load screens: ten rows, one per player's slot, each showing the
// date its game was saved on; the pointer's row is highlighted.
#pragma once

#include "game/screen_kit.h"
#include "scenario/script_result.h"

namespace game {

// A pick writes GameState to slot 0 and to the row's slot; a right click or
// Escape leaves without writing. 0 either way, 999 when the program is quitting.
scenario::ScriptResult SaveMenu();

// 1 when a game was loaded into GameState (with the system record's movie and
// gallery progress, sound and music stopped), -1 when the player went back, 0
// when the program is quitting. Its slots (17 to 28) leave the system menu's
// (10 to 16) alone, as it opens on top of it.
int LoadMenu();

// The row under a pointer at (x, y) of a screen whose base picture's corner is
// (baseX, baseY); -1 for none.
int SlotRowAt(int baseX, int baseY, int x, int y);
// The middle of row 0..9, from the base picture's corner: where a player clicks.
Point SlotRowPoint(int row);

}  // namespace game
