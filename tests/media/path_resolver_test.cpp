#include "media/path_resolver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using media::LastComponent;
using media::ResolvePath;

class PathResolver : public ::testing::Test {
 protected:
  std::string Make(const std::string& relative) {
    const std::string path = temp_.Folder() + relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    cellwright_test::WriteBytes(path, relative);
    return path;
  }
  std::string Folder() const { return temp_.Folder(); }

 private:
  cellwright_test::TempFolder temp_;
};

TEST_F(PathResolver, EachComponentMatchesWithoutCase) {
  const std::string file = Make("bgm/x.mid");
  EXPECT_EQ(ResolvePath(Folder(), "BGM/X.MID"), file);
  EXPECT_EQ(ResolvePath(Folder(), "bgm/x.mid"), file);
  EXPECT_EQ(ResolvePath(Folder(), "Bgm/x.Mid"), file);
  const std::string sound = Make("wave/01SE.WMA");
  EXPECT_EQ(ResolvePath(Folder(), "wave/01se.WMA"), sound);
}

TEST_F(PathResolver, ExactNameWinsThenTheFirstInByteOrder) {
  const std::string lower = Make("bgm/x.mid");
  const std::string upper = Make("bgm/X.MID");
  const std::string mixed = Make("bgm/x.MID");
  EXPECT_EQ(ResolvePath(Folder(), "bgm/x.mid"), lower);
  EXPECT_EQ(ResolvePath(Folder(), "bgm/X.MID"), upper);
  EXPECT_EQ(ResolvePath(Folder(), "bgm/x.MID"), mixed);
  // No exact match: "X.MID" < "x.MID" < "x.mid" in byte order.
  EXPECT_EQ(ResolvePath(Folder(), "BGM/X.mid"), Folder() + "bgm/X.MID");
}

TEST_F(PathResolver, FoldersBeforeTheLastComponentMustBeFolders) {
  Make("BGM");  // a file named like the folder sorts first ...
  const std::string file = Make("bgm/x.mid");
  // ... but only a folder can hold the rest of the path.
  EXPECT_EQ(ResolvePath(Folder(), "Bgm/x.mid"), file);
  EXPECT_EQ(ResolvePath(Folder(), "BGM/x.mid"), file);
}

TEST_F(PathResolver, OnlyAsciiLettersFold) {
  Make("bmp/地図.bmp");
  EXPECT_EQ(ResolvePath(Folder(), "BMP/地図.BMP"), Folder() + "bmp/地図.bmp");
  Make("bmp/ａ.bmp");  // full-width letters keep their case
  EXPECT_FALSE(ResolvePath(Folder(), "bmp/Ａ.bmp").has_value());
  Make("bmp/@.bmp");
  EXPECT_FALSE(ResolvePath(Folder(), "bmp/`.bmp").has_value());
}

TEST_F(PathResolver, MissingPiecesAreNotFound) {
  Make("bmp/a.bmp");
  EXPECT_FALSE(ResolvePath(Folder(), "bmp/b.bmp").has_value());
  EXPECT_FALSE(ResolvePath(Folder(), "pic/a.bmp").has_value());
  EXPECT_FALSE(ResolvePath(Folder(), "bmp/a.bmp/x").has_value());
  EXPECT_FALSE(ResolvePath(Folder(), "").has_value());
  EXPECT_FALSE(ResolvePath("", "bmp/a.bmp").has_value());
  EXPECT_FALSE(ResolvePath(Folder() + "nowhere/", "bmp/a.bmp").has_value());
}

TEST_F(PathResolver, TheGivenFolderIsTakenAsItIs) {
  Make("Game/bmp/a.bmp");
  EXPECT_EQ(ResolvePath(Folder() + "Game/", "bmp/a.bmp"), Folder() + "Game/bmp/a.bmp");
  EXPECT_FALSE(ResolvePath(Folder() + "game/", "bmp/a.bmp").has_value());
  // A folder without its closing slash still gets one.
  EXPECT_EQ(ResolvePath(Folder() + "Game", "BMP/A.BMP"), Folder() + "Game/bmp/a.bmp");
}

TEST_F(PathResolver, ComponentsThatLeaveOrRepeatTheFolderAreRefused) {
  Make("bmp/a.bmp");
  Make("inner/bmp/a.bmp");
  for (const char* relative : {"../bmp/a.bmp", "bmp/../bmp/a.bmp", "./bmp/a.bmp", "bmp//a.bmp",
                               "bmp/a.bmp/", "/bmp/a.bmp", "bmp/."}) {
    SCOPED_TRACE(relative);
    EXPECT_FALSE(ResolvePath(Folder() + "inner/", relative).has_value());
  }
  EXPECT_FALSE(ResolvePath(Folder(), std::string("bmp/a.bmp\0x", 11)).has_value());
}

TEST_F(PathResolver, WritingMayNameANewFile) {
  Make("save/old.dat");
  EXPECT_EQ(ResolvePath(Folder(), "SAVE/new.dat", LastComponent::MayBeAbsent),
            Folder() + "save/new.dat");
  // An existing file is still matched without case, so it is not doubled.
  EXPECT_EQ(ResolvePath(Folder(), "save/OLD.DAT", LastComponent::MayBeAbsent),
            Folder() + "save/old.dat");
  EXPECT_FALSE(ResolvePath(Folder(), "nosuch/new.dat", LastComponent::MayBeAbsent).has_value());
  EXPECT_FALSE(ResolvePath(Folder(), "save/new.dat").has_value());
}

TEST(EqualsIgnoringAsciiCase, Basics) {
  EXPECT_TRUE(media::EqualsIgnoringAsciiCase("AbC", "aBc"));
  EXPECT_FALSE(media::EqualsIgnoringAsciiCase("AbC", "aBcd"));
  EXPECT_FALSE(media::EqualsIgnoringAsciiCase("[", "{"));
  EXPECT_TRUE(media::EqualsIgnoringAsciiCase("", ""));
}

}  // namespace
