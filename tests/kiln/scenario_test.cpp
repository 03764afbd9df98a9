#include "kiln/scenario.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "tests/kiln/kiln_test_support.h"

namespace {

using Kiln::CScenario;
using Kiln::CScenarioException;
using kiln_test::FailIfItHangs;
using kiln_test::kHours;
using kiln_test::WaitUntil;
using Log = std::vector<std::string>;

// A scenario whose phases are what a test sets (else the default Main). It notes
// "begin" after OnBegin, "end" (or "end running") in OnEnd, what it caught
// ("exit N" for the exit exception) and each stop request ("ask", or "ask late"
// once its parent was told), to its own log or one shared with other scenarios,
// prefixed by its name. What a worker notes is read once its body is over.
class Probe : public CScenario {
 public:
  explicit Probe(CScenario* parent = nullptr, Log* shared = nullptr, std::string name = "")
      : CScenario(parent), notes_(shared ? shared : &log), name_(name.empty() ? "" : name + " ") {}
  ~Probe() override {
    Stop();
    End();
  }
  void OnBegin() override {
    if (onBegin) onBegin();
    Note("begin");
  }
  std::int32_t Main() override { return main ? main() : CScenario::Main(); }
  void OnEnd() override {
    Note(IsRunning() ? "end running" : "end");
    if (onEnd) onEnd();
  }
  void OnScenarioException(CScenarioException& exception) override {
    const bool exit = dynamic_cast<Kiln::CScenarioExitException*>(&exception) != nullptr;
    Note((exit ? "exit " : "caught ") + std::to_string(exception.Code()));
  }
  int IsInterrupted() override {
    ++asked;
    return interrupted;
  }
  int RequestStop() override {
    Note(Parent() != nullptr && Parent()->WaitStop(0) ? "ask late" : "ask");
    const int answer = CScenario::RequestStop();
    if (afterRequest) afterRequest();
    return answer;
  }

  std::function<void()> onBegin, onEnd, afterRequest;
  std::function<std::int32_t()> main;
  std::atomic<int> interrupted{0}, asked{0};
  Log log;

 private:
  void Note(const std::string& what) {
    static std::mutex lock;
    const std::lock_guard guard(lock);
    notes_->push_back(name_ + what);
  }
  Log* notes_;
  std::string name_;
};

// --- Start -------------------------------------------------------------------

TEST(CScenarioStart, ReturnsOnceOnBeginIsOverAndARestartJoinsTheOldWorkerFirst) {
  Probe scenario;
  scenario.onBegin = [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); };
  ASSERT_EQ(scenario.Start(1, true, false), 1);
  EXPECT_EQ(scenario.log, Log{"begin"});  // the default Main now waits for a stop
  EXPECT_EQ(scenario.IsRunning(), 1);
  ASSERT_EQ(scenario.Start(2, true, false), 1);
  EXPECT_EQ(scenario.log, (Log{"begin", "ask", "exit 0", "end", "begin"}));
  // A worker that ends while it is asked (before the join) is still released.
  bool endedWhileAsked = false;
  scenario.afterRequest = [&] {
    endedWhileAsked = WaitUntil([&] { return !scenario.IsThreadRunning(); });
  };
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_TRUE(endedWhileAsked);
  EXPECT_FALSE(scenario.HasThread());
  EXPECT_EQ(scenario.WaitStop(0), 1);  // Stop leaves the stop set
  scenario.Reset();
  EXPECT_EQ(scenario.WaitStop(0), 0);
  EXPECT_EQ(scenario.Argument(), 0);
}

// "Running" is cleared again before OnEnd: a Start that waited for it could
// sleep through a Main this short and hang.
TEST(CScenarioStart, AMainThatReturnsAtOnceDoesNotHangStart) {
  Probe scenario;
  scenario.main = [&] { return static_cast<std::int32_t>(scenario.Argument()) * 2; };
  FailIfItHangs([&] {
    for (int i = 1; i <= 200; ++i) {
      ASSERT_EQ(scenario.Start(i, true, false), 1);
      scenario.End();
      ASSERT_EQ(scenario.Result(), 2 * i);
      ASSERT_EQ(scenario.ExitCode(), 2 * i);
    }
  });
  // An ended worker is not asked to stop and is held until End.
  ASSERT_EQ(scenario.Start(0, true, false), 1);
  ASSERT_TRUE(WaitUntil([&] { return !scenario.IsThreadRunning(); }));
  EXPECT_EQ(scenario.Stop(), 1);
  EXPECT_EQ(scenario.EndThread(), 0);
  EXPECT_TRUE(scenario.HasThread());
}

TEST(CScenarioStart, AnOnBeginThatThrowsDoesNotHangStart) {
  Probe scenario;
  scenario.onBegin = [&] { throw CScenarioException(&scenario, 12); };
  FailIfItHangs([&] { EXPECT_EQ(scenario.Start(0, true, false), 1); });
  scenario.End();
  EXPECT_EQ(scenario.log, (Log{"caught 12", "end"}));  // Main never ran
}

TEST(CScenarioStart, Answers0AtOnceWhenNoWorkerCanBeMade) {
  struct NoWorker : Probe {
    std::thread SpawnThread() override { throw std::system_error({}, "no thread"); }
  } scenario;
  FailIfItHangs([&] { EXPECT_EQ(scenario.Start(5, true, false), 0); });
  EXPECT_TRUE(scenario.log.empty());
}

// Inline, the blocks run before Start returns; they catch only scenario
// exceptions, from either block.
TEST(CScenarioStart, WithoutAWorkerTheBodyRunsOnTheCaller) {
  Probe scenario;
  bool foreign = false;
  scenario.main = [&] { return foreign ? throw std::logic_error("not a scenario one") : 7; };
  scenario.onEnd = [&] { throw CScenarioException(&scenario, 77); };
  EXPECT_EQ(scenario.Start(0, false, false), 1);
  EXPECT_EQ(scenario.log, (Log{"begin", "end", "caught 77"}));
  foreign = true;
  EXPECT_THROW(scenario.Start(0, false, false), std::logic_error);
  EXPECT_EQ(scenario.Result(), 0);                                       // cleared by the new Start
  EXPECT_EQ(scenario.log, (Log{"begin", "end", "caught 77", "begin"}));  // no OnEnd
}

// --- waiting -------------------------------------------------------------------

// Each row waits on another thread, and acts before or 20 ms into the wait.
TEST(CScenarioWait, EndsOnAStopAnInterruptionOrItsLimit) {
  enum Act { None, Stop, Interrupt, Both };
  const struct {
    const char* name;
    std::uint32_t limit;
    Act before, later;
    int answer;
  } kCases[] = {
      {"a stop mid-wait", Kiln::kInfinite, None, Stop, 1},
      {"a limit of several slices: all of it", 40, None, None, 0},
      {"an interruption at the start: one last poll", kHours, Interrupt, None, 0},
      {"the last poll still sees a stop", kHours, Both, None, 1},
      {"an interruption mid-wait is noticed within a slice", kHours, None, Interrupt, 0},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    Probe scenario;
    const auto act = [&](Act what) {
      if (what == Stop || what == Both) scenario.RequestStop();
      if (what == Interrupt || what == Both) scenario.interrupted = 1;
    };
    act(row.before);
    std::atomic<int> answer{-1};
    std::chrono::steady_clock::duration took{};
    FailIfItHangs([&] {
      std::thread waiter([&] {
        const auto start = std::chrono::steady_clock::now();
        answer = scenario.Wait(row.limit);
        took = std::chrono::steady_clock::now() - start;
      });
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      act(row.later);
      waiter.join();
    });
    EXPECT_EQ(answer, row.answer);
    EXPECT_GE(took, std::chrono::milliseconds(row.limit == 40 ? 40 : 0));
    EXPECT_EQ(scenario.asked, row.before >= Interrupt ? 1 : scenario.asked.load());
  }
}

// --- stopping and the tree ---------------------------------------------------------

// Without a worker Stop stops each child in turn; RequestStop tells the
// children, depth first in insertion order, before their parent.
TEST(CScenarioStop, StopAndRequestStopGoDownTheTreeInOrder) {
  Log notes;
  Probe root(nullptr, &notes, "root");
  Probe a(&root, &notes, "a"), b(&root, &notes, "b"), a1(&a, &notes, "a1"), c(&root, &notes, "c");
  ASSERT_EQ(a.Start(0, true, false) + b.Start(0, true, false), 2);
  EXPECT_EQ(root.Stop(), 1);
  EXPECT_EQ(notes, (Log{"a begin", "b begin", "a ask", "a1 ask", "a exit 0", "a end", "b ask",
                        "b exit 0", "b end"}));
  EXPECT_EQ(root.WaitStop(0), 0);
  a.ClearStop();  // Stop left it set
  notes.clear();
  EXPECT_EQ(root.RequestStop(), 1);
  EXPECT_EQ(notes, (Log{"root ask", "a ask", "a1 ask", "b ask", "c ask"}));
  for (Probe* node : {&root, &a, &b, &a1, &c}) EXPECT_EQ(node->WaitStop(0), 1);
}

// A thread cannot join itself: on its own worker a scenario stops only its
// children, and ending or releasing the worker does nothing.
TEST(CScenarioStop, OnItsOwnWorkerItStopsOnlyTheChildren) {
  Probe parent;
  Probe child(&parent);
  std::vector<int> seen;
  parent.main = [&] {
    child.Start(0, true, false);
    seen = {parent.Stop(), child.IsThreadRunning(), parent.WaitStop(0)};
    parent.SignalStop();
    parent.End();
    seen.insert(seen.end(), {parent.EndThread(), parent.CloseThreadHandle(), parent.HasThread(),
                             parent.WaitStop(0)});
    return 4;
  };
  ASSERT_EQ(parent.Start(0, true, false), 1);
  ASSERT_TRUE(WaitUntil([&] { return !parent.IsThreadRunning(); }));
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 0, 0, 0, 1, 0}));  // End only cleared the stop
  EXPECT_EQ(parent.Result(), 4);                             // the body went on
  EXPECT_EQ(child.log, (Log{"begin", "ask", "exit 0", "end"}));
}

TEST(CScenarioTree, AddChildMovesAChildAndRefusesNullSelfAncestorsAndRepeats) {
  Probe left, right;
  Probe child(&left), grandchild(&child);
  right.AddChild(&child);
  EXPECT_TRUE(left.Children().empty());
  Probe other(&right);
  right.AddChild(&child);  // a repeat neither duplicates nor reorders
  right.AddChild(nullptr);
  right.AddChild(&right);
  grandchild.AddChild(&right);
  EXPECT_EQ(right.Children(), (std::vector<CScenario*>{&child, &other}));
  EXPECT_TRUE(grandchild.Children().empty());
  auto parent = std::make_unique<Probe>(&right);
  Probe orphan(parent.get());
  parent.reset();  // leaves its list, and its children live on as roots
  EXPECT_EQ(right.Children(), (std::vector<CScenario*>{&child, &other}));
  EXPECT_EQ(orphan.Parent(), nullptr);
}

}  // namespace
