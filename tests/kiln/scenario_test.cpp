#include "kiln/scenario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "tests/kiln/kiln_test_support.h"

namespace {

using Kiln::CEvent;
using Kiln::CScenario;
using Kiln::CScenarioException;
using Kiln::CScenarioExitException;
using Kiln::kInfinite;
using std::chrono::milliseconds;

// Counts the phases; the body is the default Main unless a test overrides it.
class Probe : public CScenario {
 public:
  Probe() = default;
  explicit Probe(CScenario* parent) : CScenario(parent) {}
  ~Probe() override {
    Stop();
    End();
  }

  void OnBegin() override {
    begins.fetch_add(1);
    endsAtBegin.store(ends.load());
  }
  void OnEnd() override {
    runningInOnEnd.store(IsRunning());
    ends.fetch_add(1);
  }
  void OnScenarioException(CScenarioException& exception) override {
    const std::lock_guard guard(mutex_);
    caught_.push_back(exception.Code());
    caughtExit_.push_back(dynamic_cast<CScenarioExitException*>(&exception) != nullptr);
    caughtFrom_.push_back(exception.Scenario());
  }
  std::vector<int> Caught() {
    const std::lock_guard guard(mutex_);
    return caught_;
  }
  std::vector<bool> CaughtExit() {
    const std::lock_guard guard(mutex_);
    return caughtExit_;
  }
  std::vector<CScenario*> CaughtFrom() {
    const std::lock_guard guard(mutex_);
    return caughtFrom_;
  }

  std::atomic<int> begins{0};
  std::atomic<int> ends{0};
  std::atomic<int> endsAtBegin{-1};
  std::atomic<int> runningInOnEnd{-1};

 private:
  std::mutex mutex_;
  std::vector<int> caught_;
  std::vector<bool> caughtExit_;
  std::vector<CScenario*> caughtFrom_;
};

// --- Start -------------------------------------------------------------------

class SlowBegin : public Probe {
 public:
  void OnBegin() override {
    std::this_thread::sleep_for(milliseconds(50));
    begun.store(true);
    Probe::OnBegin();
  }
  std::atomic<bool> begun{false};
};

TEST(CScenarioStart, ReturnsOnlyAfterOnBeginRan) {
  SlowBegin scenario;
  ASSERT_EQ(scenario.Start(11, true, false), 1);
  EXPECT_TRUE(scenario.begun.load());
  EXPECT_EQ(scenario.IsRunning(), 1);
  EXPECT_TRUE(scenario.IsThreadRunning());
  EXPECT_EQ(scenario.Argument(), 11);
  EXPECT_EQ(scenario.RequestStop(), 1);
  scenario.End();
  EXPECT_EQ(scenario.ends.load(), 1);
  EXPECT_EQ(scenario.IsRunning(), 0);
}

class QuickMain : public Probe {
 public:
  std::int32_t Main() override { return static_cast<std::int32_t>(Argument()) * 2; }
};

// The running event is cleared again before OnEnd; a Start that waited for it
// could sleep through a Main this short and hang.
TEST(CScenarioStart, AMainThatReturnsAtOnceDoesNotHangStart) {
  QuickMain scenario;
  kiln_test::FailIfItHangs([&] {
    for (int i = 1; i <= 200; ++i) {
      EXPECT_EQ(scenario.Start(i, true, false), 1) << "round " << i;
      scenario.End();
      EXPECT_EQ(scenario.Result(), 2 * i) << "round " << i;
    }
  });
  EXPECT_EQ(scenario.begins.load(), 200);
  EXPECT_EQ(scenario.ends.load(), 200);
  EXPECT_EQ(scenario.runningInOnEnd.load(), 0);
}

class ThrowingBegin : public Probe {
 public:
  void OnBegin() override { throw CScenarioException(this, 12); }
  std::int32_t Main() override {
    mainRan.store(true);
    return 1;
  }
  std::atomic<bool> mainRan{false};
};

TEST(CScenarioStart, AnOnBeginThatThrowsDoesNotHangStart) {
  ThrowingBegin scenario;
  kiln_test::FailIfItHangs([&] { EXPECT_EQ(scenario.Start(0, true, false), 1); });
  scenario.End();
  EXPECT_FALSE(scenario.mainRan.load());
  EXPECT_EQ(scenario.Caught(), std::vector<int>{12});
  EXPECT_EQ(scenario.CaughtFrom(), std::vector<CScenario*>{&scenario});
  EXPECT_EQ(scenario.ends.load(), 1);  // the closing block still runs
  EXPECT_EQ(scenario.IsRunning(), 0);
  EXPECT_EQ(scenario.Result(), 0);
}

TEST(CScenarioStart, RestartingARunningScenarioJoinsTheOldWorkerFirst) {
  Probe scenario;
  ASSERT_EQ(scenario.Start(1, true, false), 1);
  EXPECT_EQ(scenario.endsAtBegin.load(), 0);
  ASSERT_EQ(scenario.Start(2, true, false), 1);
  EXPECT_EQ(scenario.begins.load(), 2);
  EXPECT_EQ(scenario.endsAtBegin.load(), 1);  // the first had ended before the second began
  EXPECT_EQ(scenario.Argument(), 2);
  EXPECT_EQ(scenario.IsRunning(), 1);
  EXPECT_EQ(scenario.WaitStop(0), 0);  // the new run starts unstopped
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_EQ(scenario.ends.load(), 2);
  EXPECT_EQ(scenario.CaughtExit(), (std::vector<bool>{true, true}));
}

class NoWorker : public Probe {
 protected:
  std::thread SpawnThread() override {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  }
};

TEST(CScenarioStart, Answers0AtOnceWhenNoWorkerCanBeMade) {
  NoWorker scenario;
  EXPECT_EQ(scenario.Start(5, true, false), 0);
  EXPECT_EQ(scenario.begins.load(), 0);
  EXPECT_FALSE(scenario.HasThread());
  EXPECT_EQ(scenario.IsRunning(), 0);
}

class InlineBody : public Probe {
 public:
  void OnBegin() override {
    beginThread = std::this_thread::get_id();
    Probe::OnBegin();
  }
  std::int32_t Main() override {
    mainThread = std::this_thread::get_id();
    runningInMain = IsRunning();
    argumentInMain = Argument();
    resultAtMain = Result();
    if (throwCode != 0) throw CScenarioException(this, throwCode);
    return 7;
  }
  void OnEnd() override {
    endThread = std::this_thread::get_id();
    Probe::OnEnd();
  }
  std::thread::id beginThread, mainThread, endThread;
  int runningInMain = -1;
  std::intptr_t argumentInMain = -1;
  std::int32_t resultAtMain = -1;
  int throwCode = 0;
};

TEST(CScenarioStart, WithoutAWorkerTheBodyRunsInlineOnTheCaller) {
  InlineBody scenario;
  ASSERT_EQ(scenario.Start(42, false, false), 1);
  const std::thread::id me = std::this_thread::get_id();
  EXPECT_EQ(scenario.beginThread, me);
  EXPECT_EQ(scenario.mainThread, me);
  EXPECT_EQ(scenario.endThread, me);
  EXPECT_EQ(scenario.runningInMain, 1);
  EXPECT_EQ(scenario.argumentInMain, 42);
  EXPECT_EQ(scenario.Result(), 7);
  EXPECT_EQ(scenario.ends.load(), 1);  // all done by the time Start returns
  EXPECT_EQ(scenario.IsRunning(), 0);
  EXPECT_FALSE(scenario.HasThread());
}

TEST(CScenarioStart, ClearsTheLastRunsFieldsFirst) {
  InlineBody scenario;
  scenario.Start(42, false, false);
  ASSERT_EQ(scenario.Result(), 7);
  scenario.Start(43, false, false);
  EXPECT_EQ(scenario.resultAtMain, 0);
  EXPECT_EQ(scenario.argumentInMain, 43);
  EXPECT_EQ(scenario.InputThreadId(), 0u);
}

TEST(CScenarioStart, InlineScenarioExceptionsGoToOnScenarioException) {
  InlineBody scenario;
  scenario.throwCode = 31;
  ASSERT_EQ(scenario.Start(1, false, false), 1);
  EXPECT_EQ(scenario.Caught(), std::vector<int>{31});
  EXPECT_EQ(scenario.CaughtExit(), std::vector<bool>{false});
  EXPECT_EQ(scenario.ends.load(), 1);
  EXPECT_EQ(scenario.Result(), 0);
}

class ForeignThrow : public Probe {
 public:
  std::int32_t Main() override { throw std::logic_error("not a scenario exception"); }
};

TEST(CScenarioStart, OtherInlineExceptionsReachTheCaller) {
  ForeignThrow scenario;
  EXPECT_THROW(scenario.Start(1, false, false), std::logic_error);
  EXPECT_TRUE(scenario.Caught().empty());
  EXPECT_EQ(scenario.ends.load(), 0);
}

class ThrowingEnd : public Probe {
 public:
  std::int32_t Main() override { return 4; }
  void OnEnd() override {
    Probe::OnEnd();
    throw CScenarioException(this, 77);
  }
};

TEST(CScenarioStart, AnOnEndThatThrowsIsCaughtToo) {
  ThrowingEnd scenario;
  ASSERT_EQ(scenario.Start(1, true, false), 1);
  scenario.End();
  EXPECT_EQ(scenario.Caught(), std::vector<int>{77});
  EXPECT_EQ(scenario.Result(), 4);
  EXPECT_EQ(scenario.ExitCode(), 4);
}

// --- the default Main and waiting ----------------------------------------------

TEST(CScenarioMain, TheDefaultBlocksUntilStoppedAndLeavesThroughTheExitException) {
  Probe scenario;
  ASSERT_EQ(scenario.Start(3, true, false), 1);
  std::this_thread::sleep_for(milliseconds(30));
  EXPECT_TRUE(scenario.IsThreadRunning());
  EXPECT_EQ(scenario.IsRunning(), 1);
  EXPECT_EQ(scenario.ends.load(), 0);

  EXPECT_EQ(scenario.RequestStop(), 1);
  ASSERT_TRUE(kiln_test::WaitUntil([&] { return !scenario.IsThreadRunning(); }));
  EXPECT_EQ(scenario.ends.load(), 1);
  EXPECT_EQ(scenario.runningInOnEnd.load(), 0);
  EXPECT_EQ(scenario.Caught(), std::vector<int>{0});
  EXPECT_EQ(scenario.CaughtExit(), std::vector<bool>{true});
  EXPECT_EQ(scenario.CaughtFrom(), std::vector<CScenario*>{&scenario});
  scenario.End();
  EXPECT_EQ(scenario.Result(), 0);
}

TEST(CScenarioWait, ZeroPollsTheStopRequest) {
  Probe scenario;
  EXPECT_EQ(scenario.Wait(0), 0);
  scenario.SignalStop();
  EXPECT_EQ(scenario.Wait(0), 1);
  EXPECT_EQ(scenario.Wait(5000), 1);
  EXPECT_EQ(scenario.Wait(kInfinite), 1);
  scenario.ClearStop();
  EXPECT_EQ(scenario.Wait(0), 0);
}

TEST(CScenarioWait, TimesOutAfterTheWholeLimit) {
  Probe scenario;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(scenario.Wait(40), 0);  // several slices
  EXPECT_GE(kiln_test::Since(start).count(), 40);
}

class WaitingMain : public Probe {
 public:
  explicit WaitingMain(std::uint32_t ms) : ms_(ms) {}
  std::int32_t Main() override {
    const auto start = std::chrono::steady_clock::now();
    const int answer = Wait(ms_);
    took.store(kiln_test::Since(start).count());
    return answer;
  }
  std::atomic<long long> took{-1};

 private:
  std::uint32_t ms_;
};

TEST(CScenarioWait, AStopMidWaitEndsItLongBeforeItsLimit) {
  WaitingMain scenario(10000);
  ASSERT_EQ(scenario.Start(0, true, false), 1);
  std::this_thread::sleep_for(milliseconds(30));
  EXPECT_EQ(scenario.RequestStop(), 1);
  scenario.End();
  EXPECT_EQ(scenario.Result(), 1);
  EXPECT_LT(scenario.took.load(), 5000);
}

class Interruptible : public Probe {
 public:
  int IsInterrupted() override {
    asked.fetch_add(1);
    return interrupted.load();
  }
  std::atomic<int> interrupted{0};
  std::atomic<int> asked{0};
};

TEST(CScenarioWait, AnInterruptionEndsTheWaitWithOneLastPoll) {
  Interruptible scenario;
  scenario.interrupted.store(1);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(scenario.Wait(10000), 0);
  EXPECT_LT(kiln_test::Since(start).count(), 5000);
  EXPECT_EQ(scenario.asked.load(), 1);

  scenario.SignalStop();
  EXPECT_EQ(scenario.Wait(10000), 1);  // the poll still sees a stop
}

TEST(CScenarioWait, AsksAboutInterruptionEverySlice) {
  Interruptible scenario;
  std::thread later([&] {
    std::this_thread::sleep_for(milliseconds(40));
    scenario.interrupted.store(1);
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(scenario.Wait(20000), 0);
  EXPECT_LT(kiln_test::Since(start).count(), 10000);
  later.join();
  EXPECT_GE(scenario.asked.load(), 2);
}

TEST(CScenarioWait, NoInputIsAttachedSoNothingInterruptsOrSkips) {
  Probe scenario;
  ASSERT_EQ(scenario.Start(0, true, true), 1);
  EXPECT_EQ(scenario.InputThreadId(), 0u);
  EXPECT_EQ(scenario.IsInterrupted(), 0);
  EXPECT_EQ(scenario.IsSkipRequested(), 0);
  scenario.Stop();
}

// --- stopping and the tree ------------------------------------------------------

TEST(CScenarioStop, StoppingARunningWorkerJoinsItAndLeavesTheStopSet) {
  Probe scenario;
  ASSERT_EQ(scenario.Start(0, true, false), 1);
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_FALSE(scenario.HasThread());
  EXPECT_EQ(scenario.ends.load(), 1);
  EXPECT_EQ(scenario.WaitStop(0), 1);
  scenario.End();
  EXPECT_EQ(scenario.WaitStop(0), 0);
}

// Lets the worker finish between the stop request and the join.
class EndsWhileAsked : public Probe {
 public:
  int RequestStop() override {
    const int answer = Probe::RequestStop();
    finishedInRequest = kiln_test::WaitUntil([&] { return !IsThreadRunning(); });
    return answer;
  }
  bool finishedInRequest = false;
};

TEST(CScenarioStop, AWorkerThatEndsWhileBeingAskedIsStillReleased) {
  EndsWhileAsked scenario;
  ASSERT_EQ(scenario.Start(0, true, false), 1);
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_TRUE(scenario.finishedInRequest);
  EXPECT_FALSE(scenario.HasThread());
  EXPECT_EQ(scenario.ends.load(), 1);
}

TEST(CScenarioStop, AnEndedWorkerAnswers1) {
  QuickMain scenario;
  ASSERT_EQ(scenario.Start(0, true, false), 1);
  ASSERT_TRUE(kiln_test::WaitUntil([&] { return !scenario.IsThreadRunning(); }));
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_EQ(scenario.WaitStop(0), 0);  // nothing was asked to stop
  EXPECT_TRUE(scenario.HasThread());   // released by End, not by Stop
  scenario.End();
  EXPECT_FALSE(scenario.HasThread());
}

TEST(CScenarioStop, WithoutAWorkerItStopsTheChildrenInOrder) {
  Probe parent;
  Probe first(&parent), second(&parent);
  ASSERT_EQ(first.Start(0, true, false), 1);
  ASSERT_EQ(second.Start(0, true, false), 1);
  EXPECT_EQ(parent.Stop(), 1);
  EXPECT_FALSE(first.HasThread());
  EXPECT_FALSE(second.HasThread());
  EXPECT_EQ(first.ends.load(), 1);
  EXPECT_EQ(second.ends.load(), 1);
  EXPECT_EQ(parent.WaitStop(0), 0);
  EXPECT_EQ(Probe().Stop(), 1);  // nothing to stop
}

// Starts two children, stops from inside its own body, and reports.
class StoppingParent : public Probe {
 public:
  std::int32_t Main() override {
    first = std::make_unique<Probe>(this);
    second = std::make_unique<Probe>(this);
    first->Start(0, true, false);
    second->Start(0, true, false);
    stopAnswer = Stop();
    childrenRunning = first->IsThreadRunning() || second->IsThreadRunning();
    ownStop = WaitStop(0);
    return 4;
  }
  std::unique_ptr<Probe> first, second;
  int stopAnswer = -1;
  bool childrenRunning = true;
  int ownStop = -1;
};

TEST(CScenarioStop, FromInsideTheBodyItStopsOnlyTheChildren) {
  StoppingParent parent;
  ASSERT_EQ(parent.Start(0, true, false), 1);
  ASSERT_TRUE(kiln_test::WaitUntil([&] { return !parent.IsThreadRunning(); }));
  parent.End();
  EXPECT_EQ(parent.stopAnswer, 1);
  EXPECT_FALSE(parent.childrenRunning);
  EXPECT_EQ(parent.ownStop, 0);
  EXPECT_EQ(parent.Result(), 4);  // the body went on after Stop
  EXPECT_EQ(parent.first->ends.load(), 1);
  EXPECT_EQ(parent.second->ends.load(), 1);
  EXPECT_EQ(parent.first->CaughtExit(), std::vector<bool>{true});
}

// Logs each RequestStop and whether its parent had already been told to stop.
class StopOrder : public CScenario {
 public:
  StopOrder(std::string name, std::vector<std::string>& log, CScenario* parent)
      : CScenario(parent), name_(std::move(name)), log_(log) {}
  int RequestStop() override {
    const bool parentFirst = Parent() != nullptr && Parent()->WaitStop(0) == 1;
    log_.push_back(name_ + (parentFirst ? ":late" : ""));
    const int answer = CScenario::RequestStop();
    ownStopSet = WaitStop(0) == 1;
    return answer;
  }
  bool ownStopSet = false;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

TEST(CScenarioStop, RequestStopReachesTheChildrenBeforeTheParentInInsertionOrder) {
  std::vector<std::string> log;
  StopOrder root("root", log, nullptr);
  StopOrder a("a", log, &root);
  StopOrder b("b", log, &root);
  StopOrder a1("a1", log, &a);
  StopOrder c("c", log, &root);
  EXPECT_EQ(root.RequestStop(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"root", "a", "a1", "b", "c"}));
  for (const StopOrder* node : {&root, &a, &b, &a1, &c}) EXPECT_TRUE(node->ownStopSet);
}

TEST(CScenarioTree, ChildrenKeepTheirInsertionOrder) {
  Probe parent;
  Probe a(&parent), b(&parent), c(&parent);
  EXPECT_EQ(parent.Children(), (std::vector<CScenario*>{&a, &b, &c}));
  EXPECT_EQ(a.Parent(), &parent);
  EXPECT_EQ(parent.Parent(), nullptr);
  Probe root(nullptr);
  EXPECT_EQ(root.Parent(), nullptr);
}

TEST(CScenarioTree, AddChildMovesAChildAndRefusesLoopsAndRepeats) {
  Probe left, right;
  Probe child(&left);
  right.AddChild(&child);
  EXPECT_EQ(child.Parent(), &right);
  EXPECT_TRUE(left.Children().empty());
  EXPECT_EQ(right.Children(), std::vector<CScenario*>{&child});

  right.AddChild(&child);
  right.AddChild(nullptr);
  right.AddChild(&right);
  child.AddChild(&right);  // right is child's parent
  EXPECT_EQ(right.Children(), std::vector<CScenario*>{&child});
  EXPECT_TRUE(child.Children().empty());
  EXPECT_EQ(right.Parent(), nullptr);
}

TEST(CScenarioTree, ADestroyedChildLeavesItsParentsList) {
  Probe parent;
  Probe a(&parent);
  {
    Probe b(&parent);
    EXPECT_EQ(parent.Children().size(), 2u);
  }
  EXPECT_EQ(parent.Children(), std::vector<CScenario*>{&a});
}

TEST(CScenarioTree, DestroyingAParentLeavesItsChildrenParentlessAndAlive) {
  auto parent = std::make_unique<Probe>();
  Probe a(parent.get()), b(parent.get());
  ASSERT_EQ(parent->Start(0, true, false), 1);
  parent.reset();
  EXPECT_EQ(a.Parent(), nullptr);
  EXPECT_EQ(b.Parent(), nullptr);

  ASSERT_EQ(a.Start(5, true, false), 1);
  EXPECT_EQ(a.IsRunning(), 1);
  EXPECT_EQ(a.Stop(), 1);
  EXPECT_EQ(a.ends.load(), 1);
  InlineBody c;
  b.AddChild(&c);
  EXPECT_EQ(b.Children(), std::vector<CScenario*>{&c});
}

TEST(CScenarioReset, ClearsTheFieldsAndStopsTheWorker) {
  InlineBody quick;
  quick.Start(42, false, false);
  ASSERT_EQ(quick.Argument(), 42);
  ASSERT_EQ(quick.Result(), 7);
  quick.Reset();
  EXPECT_EQ(quick.Argument(), 0);
  EXPECT_EQ(quick.Result(), 0);
  EXPECT_EQ(quick.InputThreadId(), 0u);
  EXPECT_EQ(quick.IsRunning(), 0);

  Probe running;
  ASSERT_EQ(running.Start(9, true, false), 1);
  running.Reset();
  EXPECT_FALSE(running.HasThread());
  EXPECT_EQ(running.ends.load(), 1);
  EXPECT_EQ(running.IsRunning(), 0);
  EXPECT_EQ(running.Argument(), 0);
  EXPECT_EQ(running.WaitStop(0), 0);
}

}  // namespace
