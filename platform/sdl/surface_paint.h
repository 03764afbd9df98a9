// Putting the picture on an SDL surface: our own scaler for the 32-bit formats
// window surfaces nearly always have, SDL's blitter for anything else.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>

#include "platform/sdl/scaling.h"

namespace platform::sdl {

// True when ScaleNearest can write the format directly; opaque receives the
// bits to OR into every pixel.
bool IsDirectFormat(std::uint32_t format, std::uint32_t& opaque);

// Fills all of target: the 640x480 0x00RRGGBB picture fitted and scaled, black
// bars around it. Returns the viewport used (empty when nothing could be drawn).
Viewport PaintPicture(const std::uint32_t* picture, SDL_Surface* target);

}  // namespace platform::sdl
