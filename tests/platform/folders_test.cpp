// The folders the engine keeps its files in and the single-instance guard that
// lives in one. Each case runs in its own process under ctest, so the
// environment set here and the process-wide fresh temporary folder start anew.
#include "platform/posix/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/posix/instance_lock.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace posix = platform::posix;
using cellwright_test::TempFolder;
using cellwright_test::WriteBytes;

bool IsOursAlone(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  struct stat st {};
  return lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & 077) == 0;
}

TEST(DiscMounts, OnlyOpticalFileSystemsInTableOrder) {
  const std::string mounts =
      "/dev/vda1 / ext4 rw 0 0\n"
      "/dev/sr0 /media/player/DISC\\040ONE iso9660 ro,nosuid 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sr1 /mnt/dvd udf ro 0 0\n"
      "garbage\n"
      "d /a\\9 udf ro 0 0\n";  // a backslash that is not an escape stays
  EXPECT_EQ(posix::DiscMountPointsFrom(mounts),
            (std::vector<std::string>{"/media/player/DISC ONE/", "/mnt/dvd/", "/a\\9/"}));
}

TEST(RuntimeFolder, APrivateOneOfOurOwnWhenTheSessionHasNoneOrAnOpenOne) {
  TempFolder temp;
  unsetenv("XDG_RUNTIME_DIR");
  setenv("XDG_CACHE_HOME", (temp.Path() + "/not/yet").c_str(), 1);  // parents are made too
  const std::string runtime = posix::RuntimeFolder();
  EXPECT_EQ(runtime, temp.Path() + "/not/yet/cellwright-runtime/");
  EXPECT_TRUE(IsOursAlone(runtime));

  const std::string open = temp.Sub("open");
  ASSERT_EQ(chmod(open.c_str(), 0755), 0);
  setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
  EXPECT_EQ(posix::RuntimeFolder(), runtime);  // our own again, now that it exists
  EXPECT_EQ(posix::PrivateTempFolder(), runtime + "cellwright/");
}

TEST(DataFolder, FollowsXdgDataHomeWhenAbsolute) {
  TempFolder temp;
  setenv("XDG_DATA_HOME", temp.Path().c_str(), 1);
  EXPECT_EQ(posix::PrivateDataFolder(), temp.Path() + "/cellwright/");
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/cellwright"));
  setenv("XDG_DATA_HOME", "relative/path", 1);
  setenv("HOME", temp.Path().c_str(), 1);
  EXPECT_EQ(posix::PrivateDataFolder(), temp.Path() + "/.local/share/cellwright/");
}

// The single-instance guard, tested here once for both backends.
TEST(InstanceLock, ASecondCopyIsRefusedAndRaisesTheFirstUntilItEnds) {
  TempFolder temp;
  // A socket left by a copy that crashed must not keep the requests away.
  WriteBytes(temp.Path() + "/CellwrightMutex.sock", "left by a crash");
  auto first = posix::AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  EXPECT_FALSE(first->AlreadyRunning());
  EXPECT_FALSE(first->TakeRaiseRequest());
  EXPECT_FALSE(posix::AcquireInstanceLock(temp.Path(), "OtherMutex")->AlreadyRunning());

  const auto second = posix::AcquireInstanceLock(temp.Path(), "CellwrightMutex");
  EXPECT_TRUE(second->AlreadyRunning());
  second->BringRunningCopyForward();
  second->BringRunningCopyForward();
  EXPECT_TRUE(first->TakeRaiseRequest());  // both requests at once
  EXPECT_FALSE(first->TakeRaiseRequest());
  EXPECT_FALSE(second->TakeRaiseRequest());  // a second copy listens to nobody

  first.reset();
  EXPECT_FALSE(posix::AcquireInstanceLock(temp.Path(), "CellwrightMutex")->AlreadyRunning());
}

// What another user could have left at $XDG_RUNTIME_DIR/cellwright: a symlink
// or a folder open to everyone.
class PlantedRuntimeEntry : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    const std::string runtime = temp_.Sub("runtime");
    ASSERT_EQ(chmod(runtime.c_str(), 0700), 0);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("TMPDIR", temp_.Sub("tmp").c_str(), 1);
    planted_ = runtime + "cellwright";
    target_ = GetParam() ? temp_.Sub("target") : temp_.Sub("runtime/cellwright");
    ASSERT_EQ(
        GetParam() ? symlink(target_.c_str(), planted_.c_str()) : chmod(target_.c_str(), 0777), 0);
  }

  TempFolder temp_;
  std::string planted_;
  std::string target_;
};

TEST_P(PlantedRuntimeEntry, IsRefusedAndNothingIsWrittenThroughIt) {
  EXPECT_FALSE(posix::EnsurePrivateFolder(planted_));

  const std::string temp = posix::PrivateTempFolder();
  EXPECT_NE(temp, planted_ + "/");
  EXPECT_TRUE(IsOursAlone(temp)) << temp;

  // The guard moves to the runtime folder, where a second copy looks too.
  const auto first = posix::AcquireInstanceLock(planted_, "CellwrightMutex");
  EXPECT_FALSE(first->AlreadyRunning());
  EXPECT_TRUE(posix::AcquireInstanceLock(planted_, "CellwrightMutex")->AlreadyRunning());
  EXPECT_TRUE(std::filesystem::is_empty(target_));
}

INSTANTIATE_TEST_SUITE_P(Plants, PlantedRuntimeEntry, ::testing::Bool(),
                         [](const auto& plant) { return plant.param ? "Symlink" : "OpenFolder"; });

}  // namespace
