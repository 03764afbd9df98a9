#include "kiln/event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "tests/kiln/kiln_test_support.h"

namespace {

using Kiln::CEvent;
using Kiln::kInfinite;

TEST(CEvent, IsClearOnceCreated) {
  CEvent event;
  EXPECT_FALSE(event.IsCreated());
  EXPECT_TRUE(event.Create());
  EXPECT_TRUE(event.IsCreated());
  EXPECT_FALSE(event.Wait(0));
}

TEST(CEvent, ASetBeforeTheWaitIsNotLost) {
  CEvent event;
  event.Create();
  EXPECT_TRUE(event.Set());
  EXPECT_TRUE(event.Wait(kInfinite));
  // Manual reset: waiting does not consume the signal.
  EXPECT_TRUE(event.Wait(0));
  EXPECT_TRUE(event.Set());
  EXPECT_TRUE(event.Wait(0));
  EXPECT_TRUE(event.Reset());
  EXPECT_FALSE(event.Wait(0));
}

TEST(CEvent, WaitTimesOutWhenNobodySetsIt) {
  CEvent event;
  event.Create();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(event.Wait(40));
  EXPECT_GE(kiln_test::Since(start).count(), 40);
}

TEST(CEvent, OneSetReleasesEveryWaiter) {
  CEvent event;
  event.Create();
  std::atomic<int> released{0};
  std::vector<std::thread> waiters;
  waiters.reserve(3);
  for (int i = 0; i < 3; ++i) {
    waiters.emplace_back([&] {
      if (event.Wait(kInfinite)) released.fetch_add(1);
    });
  }
  event.Set();
  for (std::thread& waiter : waiters) waiter.join();
  EXPECT_EQ(released.load(), 3);
}

TEST(CEvent, ASetFromAnotherThreadEndsATimedWait) {
  CEvent event;
  event.Create();
  std::thread setter([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    event.Set();
  });
  EXPECT_TRUE(event.Wait(60000));
  setter.join();
}

TEST(CEvent, CreateAgainDropsAnOldSignal) {
  CEvent event;
  event.Create();
  event.Set();
  EXPECT_TRUE(event.Create());
  EXPECT_FALSE(event.Wait(0));
}

TEST(CEvent, CallsOnAnEventThatIsNotCreatedFail) {
  CEvent event;
  EXPECT_FALSE(event.Set());
  EXPECT_FALSE(event.Reset());
  EXPECT_FALSE(event.Wait(0));
  EXPECT_FALSE(event.Wait(kInfinite));  // fails at once instead of hanging

  event.Create();
  event.Set();
  event.Close();
  EXPECT_FALSE(event.IsCreated());
  EXPECT_FALSE(event.Wait(0));
  EXPECT_FALSE(event.Set());
  event.Close();  // twice is harmless
}

TEST(CEvent, CloseReleasesAWaiterWithoutASignal) {
  CEvent event;
  event.Create();
  std::atomic<int> result{-1};
  std::thread waiter([&] { result.store(event.Wait(kInfinite) ? 1 : 0); });
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  event.Close();
  waiter.join();
  EXPECT_EQ(result.load(), 0);
}

}  // namespace
