// The worker thread, the stop event it waits on and the filter chain asked
// about what escapes it.
#include "kiln/thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/kiln/kiln_test_support.h"

namespace {

using Kiln::CEvent;
using Kiln::CExceptionFilter;
using Kiln::kInfinite;
using Log = std::vector<std::string>;
constexpr int S = CExceptionFilter::kSearch, H = CExceptionFilter::kHandle,
              C = CExceptionFilter::kContinue;

// --- CEvent --------------------------------------------------------------------

TEST(CEvent, StaysSetUntilResetAndFailsWhenNotCreated) {
  CEvent event;
  EXPECT_FALSE(event.Set() || event.Reset() || event.Wait(kInfinite));  // at once, no hang
  ASSERT_TRUE(event.Create());
  EXPECT_TRUE(event.Set() && event.Wait(kInfinite) && event.Wait(0));  // a wait consumes nothing
  EXPECT_TRUE(event.Reset());
  EXPECT_FALSE(event.Wait(0));
  event.Close();
  EXPECT_FALSE(event.IsCreated() || event.Wait(0) || event.Set());
}

// Endless and timed waiters on other threads all wake: Set answers them true, Close false.
TEST(CEvent, SetOrCloseReleasesEveryWaiter) {
  for (const bool set : {true, false}) {
    SCOPED_TRACE(set ? "Set" : "Close");
    CEvent event;
    event.Create();
    std::vector<int> answers(4, -1);
    kiln_test::FailIfItHangs([&] {
      std::vector<std::thread> waiters;
      for (std::size_t i = 0; i < answers.size(); ++i) {
        waiters.emplace_back(
            [&, i] { answers[i] = event.Wait(i % 2 ? kInfinite : kiln_test::kHours); });
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      set ? void(event.Set()) : event.Close();
      for (std::thread& waiter : waiters) waiter.join();
    });
    EXPECT_EQ(answers, std::vector<int>(answers.size(), set));
  }
}

// --- the filter chain -------------------------------------------------------------

// Notes its name and what it was shown, and gives its answer.
class Named : public CExceptionFilter {
 public:
  Named(std::string name, Log& log, int answerWith = S)
      : answer(answerWith), name_(std::move(name)), log_(log) {}
  int Filter(const std::exception_ptr& exception) override {
    try {
      std::rethrow_exception(exception);
    } catch (const std::exception& error) {
      log_.push_back(name_ + error.what());
    }
    return answer;
  }
  void OnUnhandled() override { log_.push_back(name_ + "OnUnhandled"); }
  int answer;

 private:
  std::string name_;
  Log& log_;
};

// Each step changes the chain, which starts as a, b, c (c the newest), and asks it.
TEST(ExceptionChain, TheOldestIsAskedFirstUntilOneHandlesOrContinues) {
  Log log;
  Named a("a", log), b("b", log), c("c", log);
  auto d = std::make_unique<Named>("d", log);
  const struct {
    const char* name;
    std::function<void()> change;
    int answer;
    Log asked;
  } kSteps[] = {
      {"nobody decides", [] {}, S, {"a", "b", "c"}},
      {"handle decides", [&] { b.answer = H; }, H, {"a", "b"}},
      {"continue decides", [&] { b.answer = C, c.answer = H; }, C, {"a", "b"}},
      {"other answers search on", [&] { a.answer = 2, b.answer = -2; }, H, {"a", "b", "c"}},
      {"the head leaves", [&] { c.Unregister(); }, S, {"a", "b"}},
      {"the last two leave", [&] { b.Unregister(), a.Unregister(); }, S, {}},
      {"an empty chain takes a head", [&] { c.Register(); }, H, {"c"}},
      {"joiners come last", [&] { b.Register(), a.Register(), c.answer = S; }, S, {"c", "b", "a"}},
      {"joining twice changes nothing", [&] { c.Register(); }, S, {"c", "b", "a"}},
      {"the middle leaves", [&] { b.Unregister(); }, S, {"c", "a"}},
      {"the far end leaves, twice", [&] { c.Unregister(), c.Unregister(); }, S, {"a"}},
      {"a destroyed filter leaves", [&] { d->Register(), d.reset(); }, S, {"a"}},
  };
  a.Register();
  b.Register();
  c.Register();
  const std::exception_ptr thrown = std::make_exception_ptr(std::runtime_error(""));
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.name);
    step.change();
    log.clear();
    EXPECT_EQ(CExceptionFilter::AskChain(thrown), step.answer);
    EXPECT_EQ(log, step.asked);
  }
  const std::lock_guard guard(Kiln::ChainLock());  // re-entrant: filters may ask again
  EXPECT_EQ(CExceptionFilter::AskChain(thrown), S);
}

// --- CThreadContext ----------------------------------------------------------------

// Runs body on its worker; notes where OnUnhandled ran.
class Worker : public Kiln::CThreadContext {
 public:
  ~Worker() override { End(); }
  std::int32_t Run() override { return body(); }
  void OnUnhandled() override { log.push_back(IsCurrentThread() ? "unhandled on worker" : "?"); }
  std::function<std::int32_t()> body;
  Log log;  // written by the worker before it is joined
};

TEST(CThreadContext, BeginStopsAnyEarlierRunAndEndThreadLeavesTheStopSet) {
  Worker worker;
  CEvent started;
  started.Create();
  worker.body = [&] {
    const std::string run = std::to_string(worker.log.size() / 2 + 1);
    worker.log.push_back("begin " + run);
    started.Set();
    worker.WaitStop(kInfinite);
    worker.log.push_back("end " + run);
    return std::stoi(run);
  };
  worker.SignalStop();  // a stop from before Begin is not for the new run
  ASSERT_EQ(worker.Begin(), 1);
  ASSERT_TRUE(started.Wait(kInfinite));
  started.Reset();
  ASSERT_EQ(worker.Begin(), 1);
  ASSERT_TRUE(started.Wait(kInfinite));
  EXPECT_EQ(worker.log, (Log{"begin 1", "end 1", "begin 2"}));
  EXPECT_EQ(worker.EndThread(), 1);  // stops, joins and releases
  EXPECT_EQ(worker.ExitCode(), 2);
  EXPECT_EQ(worker.WaitStop(0), 1);
  worker.End();
  EXPECT_EQ(worker.WaitStop(0), 0);
}

// --- an exception that leaves Run -----------------------------------------------

std::int32_t Fault() {
  throw std::runtime_error("worker fault");
}

// Even with a filter that searches on: the exception leaves the thread function.
TEST(ThreadEntryDeathTest, AnExceptionNobodyHandlesEndsTheProcess) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  Log log;
  Named searching("", log, S);
  searching.Register();
  Worker worker;
  worker.body = Fault;
  EXPECT_DEATH((worker.Begin(), worker.End()), "worker fault");
}

// The faulting context hears OnUnhandled, on its worker; the filter only answers.
TEST(ThreadEntry, AHandledExceptionEndsTheThreadWith0) {
  const struct {
    const char* name;
    int answer;
    bool throws;
  } kCases[] = {{"handle", H, true},
                {"resume at the fault is handled alike", C, true},
                {"a body that returns is not shown", H, false}};
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    Log seen;
    Named filter("", seen, row.answer);
    filter.Register();
    Worker worker;
    worker.body = row.throws ? Fault : [] { return 9; };
    ASSERT_EQ(worker.Begin(), 1);
    worker.End();
    EXPECT_EQ(worker.ExitCode(), row.throws ? 0 : 9);
    EXPECT_EQ(seen, row.throws ? Log{"worker fault"} : Log{});
    EXPECT_EQ(worker.log, row.throws ? Log{"unhandled on worker"} : Log{});
  }
}

}  // namespace
