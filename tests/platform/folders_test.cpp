#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/posix/folders.h"
#include "tests/support/temp_folder.h"

namespace {

namespace posix = platform::posix;
using cellwright_test::TempFolder;

TEST(DiscMounts, OnlyOpticalFileSystemsInTableOrder) {
  const std::string mounts =
      "/dev/vda1 / ext4 rw 0 0\n"
      "/dev/sr0 /media/player/DISC\\040ONE iso9660 ro,nosuid 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sr1 /mnt/dvd udf ro 0 0\n"
      "garbage\n"
      "\n";
  const auto discs = posix::DiscMountPointsFrom(mounts);
  ASSERT_EQ(discs.size(), 2u);
  EXPECT_EQ(discs[0], "/media/player/DISC ONE/");
  EXPECT_EQ(discs[1], "/mnt/dvd/");
  EXPECT_TRUE(posix::DiscMountPointsFrom("").empty());
  // A backslash that is not an escape is kept as it is.
  EXPECT_EQ(posix::DiscMountPointsFrom("d /a\\9 udf ro 0 0\n").at(0), "/a\\9/");
}

TEST(PrivateFolder, CreatedWithModeSevenHundred) {
  TempFolder temp;
  const std::string folder = temp.Path() + "/a/b/cw";
  ASSERT_TRUE(posix::EnsurePrivateFolder(folder));
  struct stat st {};
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_TRUE(posix::EnsurePrivateFolder(folder + "/"));  // existing and ours
}

TEST(PrivateFolder, RefusesASymlinkOrALooseMode) {
  TempFolder temp;
  const std::string target = temp.Path() + "/elsewhere";
  ASSERT_TRUE(posix::EnsurePrivateFolder(target));
  const std::string link = temp.Path() + "/link";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  EXPECT_FALSE(posix::EnsurePrivateFolder(link));

  const std::string open = temp.Path() + "/open";
  ASSERT_EQ(mkdir(open.c_str(), 0777), 0);
  ASSERT_EQ(chmod(open.c_str(), 0777), 0);
  EXPECT_FALSE(posix::EnsurePrivateFolder(open));
}

TEST(RuntimeFolder, FallsBackToAPrivateFolderWhenTheSessionHasNone) {
  TempFolder temp;
  const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = oldRuntime != nullptr ? oldRuntime : "";
  unsetenv("XDG_RUNTIME_DIR");
  setenv("XDG_CACHE_HOME", temp.Path().c_str(), 1);
  const std::string runtime = posix::RuntimeFolder();
  EXPECT_EQ(runtime, temp.Path() + "/cellwright-runtime/");
  struct stat st {};
  ASSERT_EQ(stat(runtime.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 077, 0u);

  // A runtime folder others can enter is not trusted.
  const std::string shared = temp.Path() + "/shared";
  ASSERT_EQ(mkdir(shared.c_str(), 0755), 0);
  ASSERT_EQ(chmod(shared.c_str(), 0755), 0);
  setenv("XDG_RUNTIME_DIR", shared.c_str(), 1);
  EXPECT_EQ(posix::RuntimeFolder(), runtime);
  EXPECT_EQ(posix::PrivateTempFolder(), runtime + "cellwright/");

  if (!saved.empty()) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

TEST(DataFolder, FollowsXdgDataHome) {
  TempFolder temp;
  setenv("XDG_DATA_HOME", temp.Path().c_str(), 1);
  EXPECT_EQ(posix::PrivateDataFolder(), temp.Path() + "/cellwright/");
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/cellwright"));
  setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
  setenv("HOME", temp.Path().c_str(), 1);
  EXPECT_EQ(posix::PrivateDataFolder(), temp.Path() + "/.local/share/cellwright/");
}

TEST(Folders, SlashesAndWritability) {
  EXPECT_EQ(posix::WithSlash(""), "/");
  EXPECT_EQ(posix::WithSlash("/a"), "/a/");
  EXPECT_EQ(posix::WithSlash("/a/"), "/a/");
  TempFolder temp;
  EXPECT_TRUE(posix::IsWritableFolder(temp.Folder()));
  EXPECT_FALSE(posix::IsWritableFolder(temp.Path() + "/missing/"));
  const std::string cwd = posix::CurrentFolder();
  EXPECT_EQ(cwd.back(), '/');
  EXPECT_EQ(std::filesystem::path(cwd).parent_path(), std::filesystem::current_path());
}

}  // namespace
