#include "platform/sdl/input_filter.h"

namespace platform::sdl {

bool AltEnterGate::Press(EnterKey key, bool altHeld, bool repeat) {
  if (!altHeld || repeat) return false;
  hidden_[Index(key)] = true;
  return true;
}

void AltEnterGate::Release(EnterKey key) {
  hidden_[Index(key)] = false;
}

bool ActivationFilter::Change(bool active) {
  const int now = active ? 1 : 0;
  if (now == reported_) return false;
  reported_ = now;
  return true;
}

bool PointerFilter::Moved(PicturePoint at) {
  if (known_ && at == last_) return false;
  known_ = true;
  last_ = at;
  return true;
}

}  // namespace platform::sdl
