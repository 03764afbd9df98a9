// A manual-reset event: once set it stays set, releasing every waiter, until
// Reset. Stands in for the Windows event object the library was built on.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace Kiln {

// The "without limit" time-out of every Kiln wait, as the Windows INFINITE.
inline constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;

class CEvent {
 public:
  CEvent() = default;
  ~CEvent() = default;
  CEvent(const CEvent&) = delete;
  CEvent& operator=(const CEvent&) = delete;

  // Makes the event usable again, clear. An owned one is closed first, so a
  // re-created event never carries an old signal over.
  bool Create();
  // Set, Reset and Wait on an event that is not created fail (false), like
  // calls on a null handle.
  bool Set();
  bool Reset();
  // True when the event is (or becomes) set within ms; kInfinite waits for good.
  // Level-triggered: a Set that came before the Wait is not lost.
  bool Wait(std::uint32_t ms);
  void Close();
  bool IsCreated() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool created_ = false;
  bool signalled_ = false;
};

}  // namespace Kiln
