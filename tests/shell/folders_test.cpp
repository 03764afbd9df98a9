#include <gtest/gtest.h>

#include "shell/folders.h"

namespace {

using shell::SaveFolderFor;

TEST(SaveFolder, BesideTheGameWhenItsFolderIsWritable) {
  EXPECT_EQ(SaveFolderFor("/opt/cw/", {}, true, "/home/p/.local/share/cellwright/"), "/opt/cw/");
}

TEST(SaveFolder, PrivateWhenTheGameFolderIsReadOnly) {
  EXPECT_EQ(SaveFolderFor("/opt/cw/", {}, false, "/priv/"), "/priv/");
}

TEST(SaveFolder, PrivateWhenTheGameRunsFromADiscEvenIfWritable) {
  EXPECT_EQ(SaveFolderFor("/media/cd/game/", {"/mnt/usb/", "/media/cd/"}, true, "/priv/"),
            "/priv/");
  // A mount point that is only a prefix of a name is not the folder's disc.
  EXPECT_EQ(SaveFolderFor("/media/cdrom2/", {"/media/cd/"}, true, "/priv/"), "/media/cdrom2/");
}

}  // namespace
