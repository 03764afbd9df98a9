// A worker thread and the context that runs a body on it with a stop event.
//
// Threading rule: one controlling thread at a time calls Begin, End, EndThread
// and CloseThreadHandle (and destroys the object); the worker and any other
// thread may call SignalStop, ClearStop, WaitStop and the queries.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "kiln/event.h"
#include "kiln/exception_filter.h"

namespace Kiln {

class CThread {
 public:
  CThread() = default;
  // Does not stop anything; CThreadContext ends its thread before this runs. A
  // thread still held is joined, since destroying a joinable std::thread ends
  // the process.
  virtual ~CThread();
  CThread(const CThread&) = delete;
  CThread& operator=(const CThread&) = delete;

  // A thread object is held: the original's non-zero handle.
  bool HasThread() const;
  // Held, and its entry function has not yet returned.
  bool IsThreadRunning() const;
  // The id of the held thread; a default id without one.
  std::thread::id ThreadId() const;
  bool IsCurrentThread() const;
  // What the last body returned; meaningful once it has ended.
  std::int32_t ExitCode() const;

  // Releases the held thread (joining it: callers end it first) and clears the
  // fields. On the worker itself nothing is released: a thread cannot join itself.
  // Returns 1 when a thread was released.
  int CloseThreadHandle();

 protected:
  // Joins the held thread without clearing the fields; false on the worker itself.
  bool JoinThread();

  mutable std::mutex lock_;  // owns_ and threadId_, read by other threads
  int owns_ = 0;
  std::thread thread_;  // touched by the controlling thread only
  std::thread::id threadId_;
  std::atomic<bool> finished_{true};
  std::atomic<std::int32_t> exitCode_{0};
};

class CThreadContext : public CThread, public CExceptionFilter {
 public:
  CThreadContext();
  // Ends the thread, closes the stop event and leaves the filter chain. A
  // subclass must End in its own destructor: once it is gone its Run is too.
  ~CThreadContext() override;

  virtual std::int32_t Run() = 0;

  // Ends any thread as End does, then starts one running Run. 1 when started;
  // 0 when the system refused a thread, leaving the context idle.
  int Begin();
  // A running thread is told to stop and joined; a finished one is just
  // released. The stop event is cleared either way.
  void End();
  // Only when a thread is held and still runs: signal stop, join, release; 1.
  // Otherwise 0. The stop event stays set.
  int EndThread();

  int SignalStop();
  int ClearStop();
  // 1 when stop is (or becomes) signalled within ms.
  int WaitStop(std::uint32_t ms);

 protected:
  // The thread of Begin; overridable so tests can make creation fail.
  virtual std::thread SpawnThread();

  CEvent stopEvent_;

 private:
  static void ThreadEntry(CThreadContext* context);
};

}  // namespace Kiln
