// The frame pump: every wait of the program loops on WaitFrame.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace core {

enum InputBit : int {
  KeyUp = 0x01,
  KeyDown = 0x02,
  KeyLeft = 0x04,
  KeyRight = 0x08,
  KeyOk = 0x10,      // Enter or the left button
  KeyCancel = 0x20,  // Escape or the right button
};

extern int InputHeld;
extern int InputPressed;
extern int InputPrevious;
extern std::uint32_t FrameTick;

// Routines of the layers above that every frame needs; null ones are skipped.
struct FrameHooks {
  // The window procedure, handed every queued message but the quit.
  void (*windowProcedure)(const platform::Message& message) = nullptr;
  // Shows what was drawn since the last wait, before the next wait begins.
  void (*presentChanges)() = nullptr;
};
extern FrameHooks Hooks;

// 1 when a frame (one 32 ms tick) has passed, 0 once the quit message was taken
// (and from then on at once). Handles every queued message first.
int WaitFrame();

// Read directly, not through the bit sets: the fast-forward key.
bool ControlHeld();

// After a wait that ran no frames (a movie): the inputs down now count as held
// since the last frame, so a press that ended the wait is not seen again.
void SettleInput();

}  // namespace core
