#include "kiln/thread.h"

#include <gtest/gtest.h>

#include <atomic>
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
using Kiln::CExceptionFilter;
using Kiln::CThreadContext;
using Kiln::kInfinite;

// Runs until told to stop; logs "begin N" / "end N" so tests see the order of runs.
class BlockingContext : public CThreadContext {
 public:
  BlockingContext() { started.Create(); }
  ~BlockingContext() override { End(); }

  std::int32_t Run() override {
    const int run = runs.fetch_add(1) + 1;
    Log("begin " + std::to_string(run));
    {
      const std::lock_guard guard(mutex);
      bodyId = std::this_thread::get_id();
      bodySawItself = IsCurrentThread();
    }
    started.Set();
    sawStop.store(WaitStop(kInfinite));
    Log("end " + std::to_string(run));
    return 7;
  }

  void Log(const std::string& line) {
    const std::lock_guard guard(mutex);
    log.push_back(line);
  }
  std::vector<std::string> Lines() {
    const std::lock_guard guard(mutex);
    return log;
  }

  CEvent started;
  std::atomic<int> runs{0};
  std::atomic<int> sawStop{-1};
  std::mutex mutex;
  std::vector<std::string> log;
  std::thread::id bodyId;
  bool bodySawItself = false;
};

class QuickContext : public CThreadContext {
 public:
  ~QuickContext() override { End(); }
  std::int32_t Run() override {
    runs.fetch_add(1);
    return 5;
  }
  std::atomic<int> runs{0};
};

TEST(CThreadContext, EndOnAnIdleContextOnlyClearsTheStopEvent) {
  QuickContext context;
  EXPECT_FALSE(context.HasThread());
  EXPECT_EQ(context.SignalStop(), 1);
  EXPECT_EQ(context.WaitStop(0), 1);
  context.End();
  EXPECT_EQ(context.WaitStop(0), 0);
  EXPECT_FALSE(context.HasThread());
  EXPECT_EQ(context.runs.load(), 0);
  EXPECT_EQ(context.CloseThreadHandle(), 0);
  EXPECT_EQ(context.EndThread(), 0);
}

TEST(CThreadContext, BeginRunsTheBodyOnItsOwnThreadAndEndStopsIt) {
  BlockingContext context;
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(context.started.Wait(60000));
  EXPECT_TRUE(context.HasThread());
  EXPECT_TRUE(context.IsThreadRunning());
  EXPECT_FALSE(context.IsCurrentThread());
  {
    const std::lock_guard guard(context.mutex);
    EXPECT_NE(context.bodyId, std::this_thread::get_id());
    EXPECT_EQ(context.bodyId, context.ThreadId());
    EXPECT_TRUE(context.bodySawItself);
  }

  context.End();
  EXPECT_EQ(context.sawStop.load(), 1);
  EXPECT_EQ(context.ExitCode(), 7);
  EXPECT_FALSE(context.HasThread());
  EXPECT_FALSE(context.IsThreadRunning());
  EXPECT_EQ(context.ThreadId(), std::thread::id());
  EXPECT_EQ(context.WaitStop(0), 0);  // End leaves the stop event clear
}

TEST(CThreadContext, AFinishedThreadIsReleasedWithoutAStopSignal) {
  QuickContext context;
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(kiln_test::WaitUntil([&] { return !context.IsThreadRunning(); }));
  EXPECT_TRUE(context.HasThread());  // ended but not yet released
  EXPECT_EQ(context.ExitCode(), 5);

  // Nothing runs, so nothing is stopped: the stop event stays clear.
  EXPECT_EQ(context.EndThread(), 0);
  EXPECT_EQ(context.WaitStop(0), 0);
  EXPECT_TRUE(context.HasThread());

  context.End();
  EXPECT_FALSE(context.HasThread());
  EXPECT_EQ(context.WaitStop(0), 0);
  EXPECT_EQ(context.runs.load(), 1);
}

TEST(CThreadContext, EndThreadStopsAndReleasesButLeavesTheStopSet) {
  BlockingContext context;
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(context.started.Wait(60000));
  EXPECT_EQ(context.EndThread(), 1);
  EXPECT_EQ(context.sawStop.load(), 1);
  EXPECT_FALSE(context.HasThread());
  EXPECT_EQ(context.WaitStop(0), 1);
  EXPECT_EQ(context.EndThread(), 0);
  EXPECT_EQ(context.ClearStop(), 1);
  EXPECT_EQ(context.WaitStop(0), 0);
}

TEST(CThreadContext, BeginWhileAThreadRunsStopsAndJoinsItFirst) {
  BlockingContext context;
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(context.started.Wait(60000));
  context.started.Reset();
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(context.started.Wait(60000));
  // The second body started with a clear stop event, after the first ended.
  EXPECT_EQ(context.Lines(), (std::vector<std::string>{"begin 1", "end 1", "begin 2"}));
  EXPECT_TRUE(context.IsThreadRunning());
  context.End();
  EXPECT_EQ(context.Lines(), (std::vector<std::string>{"begin 1", "end 1", "begin 2", "end 2"}));
}

TEST(CThreadContext, ASignalledStopBeforeBeginIsCleared) {
  BlockingContext context;
  context.SignalStop();
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(context.started.Wait(60000));
  EXPECT_TRUE(context.IsThreadRunning());
  EXPECT_EQ(context.sawStop.load(), -1);
  context.End();
  EXPECT_EQ(context.sawStop.load(), 1);
}

class NoThreadContext : public QuickContext {
 protected:
  std::thread SpawnThread() override {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  }
};

TEST(CThreadContext, BeginAnswers0AndStaysIdleWhenNoThreadCanBeMade) {
  NoThreadContext context;
  EXPECT_EQ(context.Begin(), 0);
  EXPECT_FALSE(context.HasThread());
  EXPECT_FALSE(context.IsThreadRunning());
  EXPECT_EQ(context.runs.load(), 0);
  context.End();
  EXPECT_FALSE(context.HasThread());
}

// Reports through objects that outlive it.
class ReportingContext : public CThreadContext {
 public:
  ReportingContext(CEvent& started, std::atomic<int>& sawStop)
      : started_(started), sawStop_(sawStop) {}
  ~ReportingContext() override { End(); }
  std::int32_t Run() override {
    started_.Set();
    sawStop_.store(WaitStop(kInfinite));
    return 0;
  }

 private:
  CEvent& started_;
  std::atomic<int>& sawStop_;
};

TEST(CThreadContext, DestructionStopsAndJoinsARunningThread) {
  CEvent started;
  started.Create();
  std::atomic<int> sawStop{-1};
  auto context = std::make_unique<ReportingContext>(started, sawStop);
  ASSERT_EQ(context->Begin(), 1);
  ASSERT_TRUE(started.Wait(60000));
  context.reset();
  // Joined: the body's last word is already in.
  EXPECT_EQ(sawStop.load(), 1);
}

// The worker cannot end or release itself; asking is harmless.
class SelfEndingContext : public CThreadContext {
 public:
  ~SelfEndingContext() override { End(); }
  std::int32_t Run() override {
    SignalStop();
    End();
    endThread = EndThread();
    closed = CloseThreadHandle();
    stillHeld = HasThread();
    stopAfterEnd = WaitStop(0);
    return 3;
  }
  int endThread = -1;
  int closed = -1;
  bool stillHeld = false;
  int stopAfterEnd = -1;
};

TEST(CThreadContext, TheWorkerCannotEndItself) {
  SelfEndingContext context;
  ASSERT_EQ(context.Begin(), 1);
  ASSERT_TRUE(kiln_test::WaitUntil([&] { return !context.IsThreadRunning(); }));
  context.End();
  EXPECT_EQ(context.endThread, 0);
  EXPECT_EQ(context.closed, 0);
  EXPECT_TRUE(context.stillHeld);
  EXPECT_EQ(context.stopAfterEnd, 0);
  EXPECT_EQ(context.ExitCode(), 3);
  EXPECT_FALSE(context.HasThread());
}

// --- what happens to an exception that leaves Run ----------------------------

class ThrowingContext : public CThreadContext {
 public:
  ~ThrowingContext() override {
    End();
    Unregister();  // before Filter is gone, not in the base destructor
  }
  std::int32_t Run() override {
    if (throws) throw std::runtime_error("kiln worker fault");
    return 9;
  }
  int Filter(const std::exception_ptr& exception) override {
    try {
      std::rethrow_exception(exception);
    } catch (const std::runtime_error& error) {
      seen = error.what();
    } catch (...) {
      seen = "?";
    }
    return answer;
  }
  void OnUnhandled() override {
    unhandled.fetch_add(1);
    onWorker = IsCurrentThread();
  }

  bool throws = true;
  int answer = CExceptionFilter::kSearch;
  std::string seen;
  std::atomic<int> unhandled{0};
  bool onWorker = false;
};

TEST(ThreadEntryDeathTest, AnExceptionNobodyHandlesEndsTheProcess) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_DEATH(
      {
        ThrowingContext context;
        context.Begin();
        context.End();
      },
      "kiln worker fault");
}

TEST(ThreadEntryDeathTest, FiltersThatOnlyKeepSearchingDoNotSaveTheProcess) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_DEATH(
      {
        ThrowingContext context;
        context.answer = CExceptionFilter::kSearch;
        context.Register();
        context.Begin();
        context.End();
      },
      "kiln worker fault");
}

TEST(ThreadEntry, AHandledExceptionRunsOnUnhandledAndEndsTheThreadWith0) {
  ThrowingContext context;
  context.answer = CExceptionFilter::kHandle;
  context.Register();
  ASSERT_EQ(context.Begin(), 1);
  context.End();
  EXPECT_EQ(context.seen, "kiln worker fault");
  EXPECT_EQ(context.unhandled.load(), 1);
  EXPECT_TRUE(context.onWorker);
  EXPECT_EQ(context.ExitCode(), 0);
  EXPECT_FALSE(context.HasThread());
}

TEST(ThreadEntry, ABodyThatReturnsIsNotShownToTheChain) {
  ThrowingContext context;
  context.throws = false;
  context.answer = CExceptionFilter::kHandle;
  context.Register();
  ASSERT_EQ(context.Begin(), 1);
  context.End();
  EXPECT_EQ(context.seen, "");
  EXPECT_EQ(context.unhandled.load(), 0);
  EXPECT_EQ(context.ExitCode(), 9);
}

TEST(ThreadEntry, ResumeAtTheFaultIsHandledLikeHandle) {
  ThrowingContext context;
  context.answer = CExceptionFilter::kContinue;
  context.Register();
  ASSERT_EQ(context.Begin(), 1);
  context.End();
  EXPECT_EQ(context.unhandled.load(), 1);
  EXPECT_EQ(context.ExitCode(), 0);
}

class AnsweringFilter : public CExceptionFilter {
 public:
  explicit AnsweringFilter(int answer) : answer_(answer) {}
  int Filter(const std::exception_ptr& exception) override {
    (void)exception;
    asked.fetch_add(1);
    return answer_;
  }
  void OnUnhandled() override { unhandled.fetch_add(1); }
  std::atomic<int> asked{0};
  std::atomic<int> unhandled{0};

 private:
  int answer_;
};

TEST(ThreadEntry, TheFaultingContextHearsOnUnhandledNotTheFilterThatAnswered) {
  AnsweringFilter handler(CExceptionFilter::kHandle);
  handler.Register();
  ThrowingContext context;  // not registered: asked nothing
  ASSERT_EQ(context.Begin(), 1);
  context.End();
  EXPECT_EQ(handler.asked.load(), 1);
  EXPECT_EQ(handler.unhandled.load(), 0);
  EXPECT_EQ(context.unhandled.load(), 1);
  EXPECT_EQ(context.seen, "");
  EXPECT_EQ(context.ExitCode(), 0);
}

}  // namespace
