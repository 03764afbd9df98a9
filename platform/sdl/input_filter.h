// The small pieces of state between SDL's events and the window procedure's
// messages, kept free of SDL so their rules can be tested one by one.
#pragma once

#include <cstdint>

#include "platform/sdl/scaling.h"

namespace platform::sdl {

enum class EnterKey : std::uint8_t { Main, Keypad };

// Alt+Enter switches fullscreen. The Enter of that chord must not reach the
// game as a confirm, so it stays hidden from the key state until released,
// even if Alt goes up first.
class AltEnterGate {
 public:
  // True when this press is the fullscreen chord. Auto-repeats never are:
  // holding Enter and then pressing Alt is not the chord.
  bool Press(EnterKey key, bool altHeld, bool repeat);
  void Release(EnterKey key);
  // Focus loss: SDL forgets every held key, so must we.
  void Reset() { hidden_[0] = hidden_[1] = false; }
  bool Hidden(EnterKey key) const { return hidden_[Index(key)]; }

 private:
  static int Index(EnterKey key) { return key == EnterKey::Main ? 0 : 1; }
  bool hidden_[2] = {false, false};
};

// Focus and minimise events overlap (minimising also loses focus); the game
// wants one Activate per real change.
class ActivationFilter {
 public:
  // True when active differs from what was last reported (or nothing was).
  bool Change(bool active);

 private:
  int reported_ = -1;
};

// Scaling maps many window pixels to one picture pixel; a move inside the same
// picture pixel is no move for the game.
class PointerFilter {
 public:
  bool Moved(PicturePoint at);
  PicturePoint Last() const { return last_; }

 private:
  PicturePoint last_;
  bool known_ = false;
};

}  // namespace platform::sdl
