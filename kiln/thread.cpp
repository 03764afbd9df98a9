#include "kiln/thread.h"

#include <system_error>
#include <utility>

namespace Kiln {

// --- CThread -----------------------------------------------------------------

CThread::~CThread() {
  if (!thread_.joinable()) return;
  // A joinable std::thread may not be destroyed; a thread destroying its own
  // object cannot join itself, so it is let go instead.
  if (thread_.get_id() == std::this_thread::get_id()) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

bool CThread::HasThread() const {
  const std::lock_guard guard(lock_);
  return owns_ != 0;
}

bool CThread::IsThreadRunning() const {
  const std::lock_guard guard(lock_);
  return owns_ != 0 && !finished_.load(std::memory_order_acquire);
}

std::thread::id CThread::ThreadId() const {
  const std::lock_guard guard(lock_);
  return threadId_;
}

bool CThread::IsCurrentThread() const {
  const std::lock_guard guard(lock_);
  return owns_ != 0 && threadId_ == std::this_thread::get_id();
}

std::int32_t CThread::ExitCode() const {
  return exitCode_.load(std::memory_order_acquire);
}

bool CThread::JoinThread() {
  if (!thread_.joinable()) return true;
  if (thread_.get_id() == std::this_thread::get_id()) return false;
  thread_.join();
  return true;
}

int CThread::CloseThreadHandle() {
  if (!HasThread()) return 0;
  if (!JoinThread()) return 0;
  const std::lock_guard guard(lock_);
  thread_ = std::thread();
  owns_ = 0;
  threadId_ = std::thread::id();
  return 1;
}

// --- CThreadContext ----------------------------------------------------------

CThreadContext::CThreadContext() {
  stopEvent_.Create();
}

CThreadContext::~CThreadContext() {
  End();
  stopEvent_.Close();
  Unregister();
}

std::thread CThreadContext::SpawnThread() {
  return std::thread(&CThreadContext::ThreadEntry, this);
}

int CThreadContext::Begin() {
  End();
  // Held while the thread starts, so the worker sees its own id once it asks.
  const std::lock_guard guard(lock_);
  finished_.store(false, std::memory_order_release);
  exitCode_.store(0, std::memory_order_release);
  std::thread started;
  try {
    started = SpawnThread();
  } catch (const std::system_error&) {
    finished_.store(true, std::memory_order_release);
    return 0;
  }
  thread_ = std::move(started);
  threadId_ = thread_.get_id();
  owns_ = 1;
  return 1;
}

void CThreadContext::End() {
  if (IsThreadRunning() && !IsCurrentThread()) {
    SignalStop();
    JoinThread();
  }
  CloseThreadHandle();
  ClearStop();
}

int CThreadContext::EndThread() {
  if (!IsThreadRunning() || IsCurrentThread()) return 0;
  SignalStop();
  CloseThreadHandle();
  return 1;
}

int CThreadContext::SignalStop() {
  return stopEvent_.Set() ? 1 : 0;
}

int CThreadContext::ClearStop() {
  return stopEvent_.Reset() ? 1 : 0;
}

int CThreadContext::WaitStop(std::uint32_t ms) {
  return stopEvent_.Wait(ms) ? 1 : 0;
}

void CThreadContext::ThreadEntry(CThreadContext* context) {
  std::int32_t result = 0;
  try {
    result = context->Run();
  } catch (...) {
    // "Resume at the fault" has no C++ meaning: the body is gone once the
    // exception left it, so that answer is handled like kHandle.
    if (AskChain(std::current_exception()) == kSearch) {
      throw;  // leaves the thread function: std::terminate, the default handling
    }
    context->OnUnhandled();
    result = 0;
  }
  context->exitCode_.store(result, std::memory_order_release);
  context->finished_.store(true, std::memory_order_release);
}

}  // namespace Kiln
