// A scenario: a unit of work with a begin, a body and an end, run on its own
// worker thread or inline, arranged in a tree whose stop requests flow from a
// parent to its children.
//
// Threading rule: one controlling thread at a time calls Start, Stop, Reset and
// the destructor of a scenario, and the tree (construction, AddChild,
// destruction) changes on one thread at a time. RequestStop, Wait and the
// queries may come from any thread. A subclass that overrides the body must stop
// its worker in its own destructor (Stop, then End): by the time ~CScenario runs
// the overrides are gone.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "kiln/event.h"
#include "kiln/exception.h"
#include "kiln/thread.h"

namespace Kiln {

class CScenario : public CThreadContext {
 public:
  // A root scenario.
  CScenario();
  // A child, appended to parent's children (a null parent makes a root).
  explicit CScenario(CScenario* parent);
  ~CScenario() override;

  // Worker: runs OnBegin, Main and OnEnd on a new thread and returns once
  // OnBegin is over. Inline: runs them on the calling thread, then returns.
  // attachInput is accepted and ignored: input attachment is not built. Returns
  // 1, or 0 when no worker thread could be made.
  int Start(std::intptr_t argument, bool worker, bool attachInput);
  // From the scenario's own worker, or with no worker: stops the children, in
  // order, and ANDs their answers (1 with none). Otherwise a running worker is
  // asked to stop, joined and released; an ended one gives 1 and stays held
  // until End.
  int Stop();
  // Stops and ends the worker and clears argument, result and the running state.
  void Reset();
  // Appends child and makes this its parent, taking it from any earlier parent.
  void AddChild(CScenario* child);

  std::int32_t Run() override;
  virtual void OnBegin();
  // Waits without limit; told to stop, leaves through CScenarioExitException.
  virtual std::int32_t Main();
  virtual void OnEnd();
  virtual void OnScenarioException(CScenarioException& exception);
  // 1 between OnBegin and OnEnd; never waits.
  virtual int IsRunning();
  // Both read the attached input thread; none is ever attached, so both are 0.
  virtual int IsInterrupted();
  virtual int IsSkipRequested();
  // 1 when stop is signalled within ms; 0 on time-out or interruption. Waits in
  // slices of at most 15 ms so an interruption is noticed; Wait(0) polls once.
  virtual int Wait(std::uint32_t ms);
  // Children first, in order, then this scenario's own stop; ANDs the answers.
  virtual int RequestStop();

  std::intptr_t Argument() const { return argument_; }
  std::int32_t Result() const { return result_; }
  std::uint32_t InputThreadId() const { return inputThreadId_; }
  CScenario* Parent() const { return parent_; }
  std::vector<CScenario*> Children() const;

 protected:
  std::intptr_t argument_ = 0;
  std::int32_t result_ = 0;
  // Kept from the input attachment, which is not built: always 0.
  std::uint32_t inputThreadId_ = 0;
  CEvent runningEvent_;

 private:
  // OnBegin/Main, then OnEnd, each block catching CScenarioException.
  void RunBlocks();
  void ClearFields();
  void Unlink(CScenario* child);

  // Set once OnBegin is over (or the body left without it) and never reset
  // during the run, so Start cannot miss it the way it could miss "running".
  CEvent begunEvent_;
  CScenario* parent_ = nullptr;
  std::vector<CScenario*> children_;  // insertion order
  mutable std::mutex childLock_;      // guards children_
};

}  // namespace Kiln
