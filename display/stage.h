// The stage behind the message window (background in slot 0, portraits in
// slots 1 and 2) and the one full-screen redraw every screen uses.
#pragma once

#include <cstdint>

#include "display/surface.h"
#include "scenario/script_result.h"

namespace display {

inline constexpr int kPortraitOffset = 150;

// Slot 0, 1 or 2; a name without extension, or null to empty the slot. `extra`
// is accepted and ignored. Always 0.
scenario::ScriptResult SetLayerPicture(int slot, const char* name, int extra = 0);
// Empties slots 0 to 5 and redraws. Always 0.
scenario::ScriptResult ClearStage();

// Recomposes, dims the window while a game runs, copies everything to the
// Screen and redraws the text and the choices on offer.
void Refresh();
// Rebuilds the ComposeBuffer from the slots in slot order, reloading each.
void RecomposeLayers();
// Halves the brightness of the window rectangle of the ComposeBuffer.
void DimWindowBackdrop();

// Every channel of every pixel halved, in place.
void HalveBrightness(const LockedRows& rows);

}  // namespace display
