#include "kiln/event.h"

#include <chrono>

namespace Kiln {

bool CEvent::Create() {
  Close();
  const std::lock_guard guard(mutex_);
  created_ = true;
  signalled_ = false;
  return true;
}

bool CEvent::Set() {
  {
    const std::lock_guard guard(mutex_);
    if (!created_) return false;
    signalled_ = true;
  }
  changed_.notify_all();
  return true;
}

bool CEvent::Reset() {
  const std::lock_guard guard(mutex_);
  if (!created_) return false;
  signalled_ = false;
  return true;
}

bool CEvent::Wait(std::uint32_t ms) {
  std::unique_lock lock(mutex_);
  // A close wakes waiters too; they then report failure, not a signal.
  const auto done = [this] { return !created_ || signalled_; };
  if (ms == kInfinite) {
    changed_.wait(lock, done);
  } else {
    changed_.wait_for(lock, std::chrono::milliseconds(ms), done);
  }
  return created_ && signalled_;
}

void CEvent::Close() {
  {
    const std::lock_guard guard(mutex_);
    if (!created_) return;
    created_ = false;
    signalled_ = false;
  }
  changed_.notify_all();
}

bool CEvent::IsCreated() const {
  const std::lock_guard guard(mutex_);
  return created_;
}

}  // namespace Kiln
