// Watching the X display connection ourselves. SDL_WaitEventTimeout pumps the
// X queue twice more per wait than the frame pump needs, and every pump is a
// handful of socket reads; at one wait per 32 ms frame those reads are most of
// an idle game's processor time.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>
#include <memory>

namespace platform::sdl {

class DisplayWait {
 public:
  // Null when the window is not on X11. wakeFd: an eventfd other threads
  // write to cut the wait short; it stays the caller's.
  static std::unique_ptr<DisplayWait> ForWindow(SDL_Window* window, int wakeFd);

  virtual ~DisplayWait() = default;
  // Input waits on the socket or in Xlib's queue: one poll, where pumping
  // SDL's events to find out costs half a dozen reads.
  virtual bool InputPending() = 0;
  // Returns when the display has input, wakeFd was written, or ms passed;
  // false only in the last case, when there is certainly nothing to pump.
  // Call only with SDL's own queue empty.
  virtual bool Wait(std::uint32_t ms) = 0;
};

// Waits for wakeFd alone (no display to watch); drains it when written.
void WaitForWake(int wakeFd, std::uint32_t ms);

}  // namespace platform::sdl
