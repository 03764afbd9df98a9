// The first copy's ear for "come forward" requests from a second copy. The lock
// belongs to the engine, the window to the backend; the watch is shared by
// both so neither can outlive the other into a dangling pointer.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/system.h"

namespace platform::sdl {

class RaiseWatch {
 public:
  explicit RaiseWatch(std::uint32_t intervalMs) : intervalMs_(intervalMs) {}

  void Watch(InstanceLock* lock) { lock_ = lock; }
  void Forget(const InstanceLock* lock) {
    if (lock_ == lock) lock_ = nullptr;
  }
  bool Watching() const { return lock_ != nullptr; }

  // Asks the lock at most once per interval (asking costs a system call and
  // messages are peeked many times a frame). now: a wrapping millisecond clock.
  bool Poll(std::uint32_t now);

 private:
  InstanceLock* lock_ = nullptr;
  std::uint32_t intervalMs_;
  std::uint32_t lastAsked_ = 0;
  bool asked_ = false;
};

// Hands lock back wrapped: while it lives and holds the instance (a first
// copy), watch polls it.
std::unique_ptr<InstanceLock> WatchedLock(std::unique_ptr<InstanceLock> lock,
                                          std::shared_ptr<RaiseWatch> watch);

}  // namespace platform::sdl
