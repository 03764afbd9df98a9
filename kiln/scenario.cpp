#include "kiln/scenario.h"

#include <algorithm>
#include <chrono>

namespace Kiln {

namespace {

constexpr std::uint32_t kWaitSliceMs = 15;

}  // namespace

CScenario::CScenario() {
  runningEvent_.Create();
  begunEvent_.Create();
}

CScenario::CScenario(CScenario* parent) : CScenario() {
  if (parent != nullptr) parent->AddChild(this);
}

CScenario::~CScenario() {
  if (parent_ != nullptr) parent_->Unlink(this);
  parent_ = nullptr;
  Stop();
  End();
  ClearFields();
  {
    const std::lock_guard guard(childLock_);
    for (CScenario* child : children_) child->parent_ = nullptr;
    children_.clear();
  }
  runningEvent_.Close();
  begunEvent_.Close();
}

int CScenario::Start(std::intptr_t argument, bool worker, bool attachInput) {
  (void)attachInput;
  Stop();
  End();
  ClearFields();
  begunEvent_.Reset();
  argument_ = argument;
  if (!worker) {
    RunBlocks();
    return 1;
  }
  if (Begin() == 0) return 0;
  // Not the running event: a quick Main may clear it before this wakes.
  begunEvent_.Wait(kInfinite);
  return 1;
}

int CScenario::Stop() {
  if (IsCurrentThread() || !HasThread()) {
    int ok = 1;
    // A copy: a child's Stop joins its worker, which must not wait on our lock.
    for (CScenario* child : Children()) {
      if (child->Stop() == 0) ok = 0;
    }
    return ok;
  }
  if (IsThreadRunning()) {
    const int asked = RequestStop();
    // The request may end the worker before EndThread looks; it is then
    // released here, or the handle would linger until the next End.
    if (EndThread() == 0) CloseThreadHandle();
    return asked != 0 && !IsThreadRunning() ? 1 : 0;
  }
  return 1;
}

void CScenario::Reset() {
  Stop();
  End();
  ClearFields();
}

void CScenario::AddChild(CScenario* child) {
  if (child == nullptr) return;
  // An ancestor as a child would make stop requests go round for ever.
  for (const CScenario* up = this; up != nullptr; up = up->parent_) {
    if (up == child) return;
  }
  if (child->parent_ == this) return;
  if (child->parent_ != nullptr) child->parent_->Unlink(child);
  const std::lock_guard guard(childLock_);
  children_.push_back(child);
  child->parent_ = this;
}

std::int32_t CScenario::Run() {
  // Releases Start even when the body leaves before OnBegin is over.
  struct BegunOnExit {
    CEvent& begun;
    ~BegunOnExit() { begun.Set(); }
  } const begunOnExit{begunEvent_};
  RunBlocks();
  return result_;
}

void CScenario::RunBlocks() {
  try {
    OnBegin();
    runningEvent_.Set();
    begunEvent_.Set();
    result_ = Main();
  } catch (CScenarioException& exception) {
    OnScenarioException(exception);
  }
  try {
    runningEvent_.Reset();
    OnEnd();
  } catch (CScenarioException& exception) {
    OnScenarioException(exception);
  }
}

void CScenario::OnBegin() {}

std::int32_t CScenario::Main() {
  if (Wait(kInfinite) != 0) throw CScenarioExitException(this, 0);
  return 0;
}

void CScenario::OnEnd() {}

void CScenario::OnScenarioException(CScenarioException& exception) {
  (void)exception;
}

int CScenario::IsRunning() {
  return runningEvent_.Wait(0) ? 1 : 0;
}

int CScenario::IsInterrupted() {
  // Interruption is the attached input thread's key state; no thread is ever
  // attached here (inputThreadId_ stays 0), so nothing interrupts.
  return 0;
}

int CScenario::IsSkipRequested() {
  // As IsInterrupted: skipping is read from attached input, which never exists.
  return 0;
}

int CScenario::Wait(std::uint32_t ms) {
  if (ms == kInfinite) return WaitStop(kInfinite);
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  std::uint32_t limit = ms;
  for (;;) {
    const auto elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    const std::uint32_t elapsed =
        elapsedMs <= 0 ? 0u : static_cast<std::uint32_t>(std::min<long long>(elapsedMs, limit));
    if (IsInterrupted() != 0) limit = 0;
    const std::uint32_t slice = elapsed >= limit ? 0u : std::min(limit - elapsed, kWaitSliceMs);
    const int signalled = WaitStop(slice);
    if (slice == 0 || signalled == 1) return signalled;
  }
}

int CScenario::RequestStop() {
  int ok = 1;
  {
    const std::lock_guard guard(childLock_);
    for (CScenario* child : children_) {
      if (child->RequestStop() == 0) ok = 0;
    }
  }
  if (SignalStop() == 0) ok = 0;
  return ok;
}

std::vector<CScenario*> CScenario::Children() const {
  const std::lock_guard guard(childLock_);
  return children_;
}

void CScenario::ClearFields() {
  argument_ = 0;
  result_ = 0;
  runningEvent_.Reset();
  inputThreadId_ = 0;
}

void CScenario::Unlink(CScenario* child) {
  const std::lock_guard guard(childLock_);
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

}  // namespace Kiln
