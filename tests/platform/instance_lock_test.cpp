#include <gtest/gtest.h>

#include <fstream>

#include "platform/posix/instance_lock.h"
#include "tests/support/temp_folder.h"

namespace {

using cellwright_test::TempFolder;
using platform::posix::AcquireInstanceLock;

TEST(InstanceLock, TheSecondCopySeesTheFirstAndRaisesIt) {
  TempFolder temp;
  const auto first = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  EXPECT_FALSE(first->AlreadyRunning());
  EXPECT_FALSE(first->TakeRaiseRequest());

  const auto second = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  EXPECT_TRUE(second->AlreadyRunning());
  second->BringRunningCopyForward();
  second->BringRunningCopyForward();
  EXPECT_TRUE(first->TakeRaiseRequest());  // both requests at once
  EXPECT_FALSE(first->TakeRaiseRequest());
  EXPECT_FALSE(second->TakeRaiseRequest());  // a second copy listens to nobody
}

TEST(InstanceLock, OtherNamesDoNotCollide) {
  TempFolder temp;
  const auto a = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  const auto b = AcquireInstanceLock(temp.Path(), "OtherMutex");
  EXPECT_FALSE(b->AlreadyRunning());
}

TEST(InstanceLock, FreedWhenTheFirstCopyEndsEvenWithAStaleSocket) {
  TempFolder temp;
  { const auto first = AcquireInstanceLock(temp.Path(), "CellwrightMutex"); }
  std::ofstream(temp.Path() + "/CellwrightMutex.sock") << "left by a crash";
  const auto again = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  EXPECT_FALSE(again->AlreadyRunning());
  const auto later = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  ASSERT_TRUE(later->AlreadyRunning());
  later->BringRunningCopyForward();
  EXPECT_TRUE(again->TakeRaiseRequest());
}

TEST(InstanceLock, AFirstCopyNotYetListeningIsGivenNoRequest) {
  TempFolder temp;
  // The lock is held but nothing listens: the request simply goes nowhere.
  const auto holder = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  std::remove((temp.Path() + "/CellwrightMutex.sock").c_str());
  const auto second = AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  ASSERT_TRUE(second->AlreadyRunning());
  second->BringRunningCopyForward();
  EXPECT_FALSE(holder->TakeRaiseRequest());
}

TEST(InstanceLock, AnUnusableFolderRunsUnguarded) {
  TempFolder temp;
  std::ofstream(temp.Path() + "/file") << "x";
  const auto lock = AcquireInstanceLock(temp.Path() + "/file/sub", "CellwrightMutex");
  EXPECT_FALSE(lock->AlreadyRunning());
  EXPECT_FALSE(lock->TakeRaiseRequest());
}

}  // namespace
