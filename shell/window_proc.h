// The window procedure: turns window messages into the shell's input state.
#pragma once

#include "platform/system.h"

namespace shell {

void WindowProc(const platform::Message& message);

// DestroyWindow: the procedure sees the destroy at once, then the window goes.
void DestroyMainWindow();

// The orderly release run when the window is destroyed.
void ReleaseAll();

}  // namespace shell
