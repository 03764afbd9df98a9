// The player's backend: SDL2 window, input and message boxes.
#pragma once

#include <memory>

#include "platform/system.h"

namespace platform::sdl {

std::unique_ptr<System> CreateSdlSystem();

}  // namespace platform::sdl
