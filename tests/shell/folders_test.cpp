#include "shell/folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/shell_state.h"
#include "tests/support/headless_fixture.h"

namespace {

// Saves go beside the game unless it runs from a disc or its folder is read-only.
TEST(SaveFolder, BesideTheGameUnlessOnADiscOrReadOnly) {
  const struct {
    const char* name;
    std::string install;
    std::vector<std::string> discs;
    bool writable;
    std::string save;
  } kCases[] = {
      {"a writable folder", "/opt/cw/", {}, true, "/opt/cw/"},
      {"a read-only folder", "/opt/cw/", {}, false, "/priv/"},
      {"on a disc, even writable", "/media/cd/game/", {"/mnt/usb/", "/media/cd/"}, true, "/priv/"},
      {"a mount point as a prefix", "/media/cdrom2/", {"/media/cd/"}, true, "/media/cdrom2/"},
  };
  for (const auto& row : kCases) {
    EXPECT_EQ(shell::SaveFolderFor(row.install, row.discs, row.writable, "/priv/"), row.save)
        << row.name;
  }
}

using LocateFoldersTest = cellwright_test::HeadlessTest;

// The headless game folder is never writable, so saves go to the private folder.
TEST_F(LocateFoldersTest, FoldersComeFromTheBackendAndTheMediaFromTheFirstDisc) {
  platform::headless::HeadlessOptions options;
  options.discMounts = {"/media/disc/", "/media/disc2/"};
  Start(options);
  shell::LocateFolders();
  EXPECT_EQ(core::InstallFolder, Sys().CurrentFolder());
  EXPECT_EQ(core::SaveFolder, Sys().PrivateDataFolder());
  EXPECT_EQ(core::WindowsFolder, Sys().PrivateTempFolder());
  EXPECT_EQ(core::MediaFolder, "/media/disc/");
}

}  // namespace
