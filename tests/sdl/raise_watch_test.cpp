#include "platform/sdl/raise_watch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>

#include "platform/posix/instance_lock.h"

namespace platform::sdl {
namespace {

class FakeLock final : public InstanceLock {
 public:
  FakeLock(bool alreadyRunning, int* asked, std::deque<bool> answers = {})
      : alreadyRunning_(alreadyRunning), asked_(asked), answers_(std::move(answers)) {}
  bool AlreadyRunning() const override { return alreadyRunning_; }
  void BringRunningCopyForward() override { ++forwarded; }
  bool TakeRaiseRequest() override {
    ++*asked_;
    if (answers_.empty()) return false;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  int forwarded = 0;

 private:
  bool alreadyRunning_;
  int* asked_;
  std::deque<bool> answers_;
};

TEST(RaiseWatch, NothingToAskWithoutALock) {
  RaiseWatch watch(100);
  EXPECT_FALSE(watch.Watching());
  EXPECT_FALSE(watch.Poll(0));
  EXPECT_FALSE(watch.Poll(1000));
}

TEST(RaiseWatch, AsksAtMostOncePerInterval) {
  int asked = 0;
  FakeLock lock(false, &asked, {false, true, false});
  RaiseWatch watch(100);
  watch.Watch(&lock);
  EXPECT_FALSE(watch.Poll(5000));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(watch.Poll(5001));
  EXPECT_FALSE(watch.Poll(5099));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(watch.Poll(5100));
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(watch.Poll(5200));
  EXPECT_EQ(asked, 3);
}

TEST(RaiseWatch, IntervalSurvivesTheClockWrap) {
  int asked = 0;
  FakeLock lock(false, &asked);
  RaiseWatch watch(100);
  watch.Watch(&lock);
  watch.Poll(0xFFFFFFF0u);
  EXPECT_EQ(asked, 1);
  watch.Poll(0x50u);  // 0x60 = 96 ms later
  EXPECT_EQ(asked, 1);
  watch.Poll(0x54u);  // 100 ms later
  EXPECT_EQ(asked, 2);
}

TEST(RaiseWatch, FirstAskIsNotThrottledEvenAtTimeZero) {
  int asked = 0;
  FakeLock lock(false, &asked, {true});
  RaiseWatch watch(100);
  watch.Watch(&lock);
  EXPECT_TRUE(watch.Poll(0));
}

TEST(RaiseWatch, ForgetOnlyDropsTheWatchedLock) {
  int asked = 0;
  FakeLock watched(false, &asked);
  FakeLock other(false, &asked);
  RaiseWatch watch(100);
  watch.Watch(&watched);
  watch.Forget(&other);
  EXPECT_TRUE(watch.Watching());
  watch.Forget(&watched);
  EXPECT_FALSE(watch.Watching());
  EXPECT_FALSE(watch.Poll(1000));
  EXPECT_EQ(asked, 0);
}

TEST(WatchedLock, FirstCopyIsWatchedUntilReleased) {
  int asked = 0;
  auto watch = std::make_shared<RaiseWatch>(100);
  auto lock = WatchedLock(std::make_unique<FakeLock>(false, &asked, std::deque<bool>{true}), watch);
  EXPECT_FALSE(lock->AlreadyRunning());
  EXPECT_TRUE(watch->Watching());
  EXPECT_TRUE(watch->Poll(0));
  lock.reset();
  EXPECT_FALSE(watch->Watching());
  EXPECT_FALSE(watch->Poll(1000));
  EXPECT_EQ(asked, 1);
}

TEST(WatchedLock, SecondCopyIsNotWatchedButStillForwards) {
  int asked = 0;
  auto watch = std::make_shared<RaiseWatch>(100);
  auto inner = std::make_unique<FakeLock>(true, &asked, std::deque<bool>{true});
  FakeLock* raw = inner.get();
  auto lock = WatchedLock(std::move(inner), watch);
  EXPECT_TRUE(lock->AlreadyRunning());
  EXPECT_FALSE(watch->Watching());
  lock->BringRunningCopyForward();
  EXPECT_EQ(raw->forwarded, 1);
  EXPECT_TRUE(lock->TakeRaiseRequest());
  EXPECT_EQ(asked, 1);
}

TEST(WatchedLock, LockMayOutliveTheBackend) {
  int asked = 0;
  auto watch = std::make_shared<RaiseWatch>(100);
  auto lock = WatchedLock(std::make_unique<FakeLock>(false, &asked), watch);
  watch.reset();  // the backend went first; the lock's destructor must not dangle
  EXPECT_FALSE(lock->AlreadyRunning());
  lock.reset();
  SUCCEED();
}

TEST(WatchedLock, NullPassesThrough) {
  EXPECT_EQ(WatchedLock(nullptr, std::make_shared<RaiseWatch>(100)), nullptr);
}

class RealInstanceLock : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "cw-raise-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::string Folder() const { return root_ + "/run"; }

  std::string root_;
};

TEST_F(RealInstanceLock, SecondCopysRequestRaisesTheFirstOnce) {
  auto watch = std::make_shared<RaiseWatch>(100);
  auto first = WatchedLock(posix::AcquireInstanceLock(Folder(), "CellwrightTest"), watch);
  ASSERT_FALSE(first->AlreadyRunning());
  ASSERT_TRUE(watch->Watching());
  std::uint32_t now = 0;
  EXPECT_FALSE(watch->Poll(now));

  auto second = posix::AcquireInstanceLock(Folder(), "CellwrightTest");
  ASSERT_TRUE(second->AlreadyRunning());
  second->BringRunningCopyForward();
  now += 100;
  EXPECT_TRUE(watch->Poll(now));
  now += 100;
  EXPECT_FALSE(watch->Poll(now));
}

TEST_F(RealInstanceLock, ReleasedLockLetsTheNextCopyBeFirst) {
  auto watch = std::make_shared<RaiseWatch>(100);
  auto first = WatchedLock(posix::AcquireInstanceLock(Folder(), "CellwrightTest"), watch);
  ASSERT_FALSE(first->AlreadyRunning());
  first.reset();
  EXPECT_FALSE(watch->Watching());
  auto again = WatchedLock(posix::AcquireInstanceLock(Folder(), "CellwrightTest"), watch);
  EXPECT_FALSE(again->AlreadyRunning());
  EXPECT_TRUE(watch->Watching());
}

}  // namespace
}  // namespace platform::sdl
