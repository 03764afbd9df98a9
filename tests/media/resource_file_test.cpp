#include "media/resource_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "media/resource_name.h"
#include "platform/encoding.h"
#include "tests/support/files.h"
#include "tests/support/headless_fixture.h"

namespace {

using cellwright_test::ReadBytes;
using cellwright_test::WriteBytes;
using media::ArchiveEntry;
using media::ResourceFile;

// Both archives hold their members end to end from offset 0.
const ArchiveEntry kSounds[] = {
    {"01SE.wma", 0, 6},   // "SSSSSS"
    {"a.b.WMA", 6, 3},    // "abw"
    {"long.WMA", 9, 40},  // "LL", then the end of the file
    {nullptr, 0, 0},
};
const std::string kSoundBytes = "SSSSSSabwLL";
const ArchiveEntry kPictures[] = {
    {"t01.bmp", 0, 4},       // "PPPP"
    {"\x83\x41.bmp", 4, 2},  // "KK"
    {"t02.bmp", 6, 3},       // "QQQ"
    {"passwd.bmp", 9, 1},    // "!"
    {nullptr, 0, 0},
};
const std::string kPictureBytes = "PPPPKKQQQ!";

class ResourceFileTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    core::InstallFolder = Temp().Sub("install");
    core::MediaFolder = Temp().Sub("disc");
    WriteBytes(core::InstallFolder + "bmp.arc", kPictureBytes);
    WriteBytes(core::InstallFolder + "wave.arc", kSoundBytes);
    ASSERT_EQ(media::PictureArchive.Open((core::InstallFolder + "bmp.arc").c_str(), kPictures), 1);
    ASSERT_EQ(media::SoundArchive.Open((core::InstallFolder + "wave.arc").c_str(), kSounds), 1);
  }

  // A loose file below a folder, its folders made on the way.
  static void Loose(const std::string& folder, const std::string& relative,
                    const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(folder + relative).parent_path());
    WriteBytes(folder + relative, bytes);
  }

  static std::string ReadAll(ResourceFile& file, std::uint32_t ask) {
    std::vector<char> buffer(ask + 1);
    const std::uint32_t got = file.Read(buffer.data(), ask);
    EXPECT_LE(got, ask);
    return std::string(buffer.data(), got);
  }

  // The texts of the boxes shown so far, in UTF-8.
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : Sys().Boxes()) {
      EXPECT_EQ(box.request.caption, platform::Sjis("Cellwright"));
      EXPECT_EQ(box.request.buttons, platform::BoxButtons::Ok);
      EXPECT_EQ(box.request.icon, platform::BoxIcon::None);
      texts.push_back(platform::Cp932ToUtf8Lossy(box.request.text));
    }
    return texts;
  }
};

TEST_F(ResourceFileTest, SoundMembersAreSelectedWithoutLetterCase) {
  for (const char* name : {"01se.wav", "01SE.WAV", "01Se.wav"}) {
    SCOPED_TRACE(name);
    ResourceFile file;
    ASSERT_EQ(file.Open(name, file.readMode), 1);
    EXPECT_EQ(file.Size(), 6u);
    EXPECT_EQ(ReadAll(file, 6), "SSSSSS");
  }
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ResourceFileTest, OnlyTheLastDotStartsTheExtension) {
  ResourceFile file;
  ASSERT_EQ(file.Open("a.b.wav", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 3), "abw");
  Loose(core::InstallFolder, "wave/a.b.WMA", "loose");
  ASSERT_EQ(file.Open("A.B.WAV", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "loose");
}

TEST_F(ResourceFileTest, ALooseFileBeatsTheMember) {
  Loose(core::InstallFolder, "wave/01se.wma", "loose sound");
  Loose(core::InstallFolder, "bmp/t01.bmp", "loose picture");
  ResourceFile file;
  ASSERT_EQ(file.Open("01SE.wav", file.readMode), 1);
  EXPECT_EQ(file.Size(), 11u);
  EXPECT_EQ(ReadAll(file, 100), "loose sound");
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(file.Size(), 13u);
  EXPECT_EQ(ReadAll(file, 100), "loose picture");
  // The member beside it is still the archive's.
  ASSERT_EQ(file.Open("t02.bmp", file.readMode), 1);
  EXPECT_EQ(file.Size(), 3u);
  EXPECT_EQ(ReadAll(file, 100), "QQQ");
}

TEST_F(ResourceFileTest, MemberReadsStopAtTheMembersEnd) {
  ResourceFile file;
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, file.Size() + 20), "PPPP");
  EXPECT_EQ(ReadAll(file, 1), "");
  // A row longer than what is left of the archive: a short read.
  ASSERT_EQ(file.Open("long.wav", file.readMode), 1);
  EXPECT_EQ(file.Size(), 40u);
  EXPECT_EQ(ReadAll(file, 40), "LL");
}

TEST_F(ResourceFileTest, MembersAreNeverWritten) {
  ResourceFile file;
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(file.Write("xx", 2), 0u);
  EXPECT_EQ(ReadBytes(core::InstallFolder + "bmp.arc"), kPictureBytes);
}

TEST_F(ResourceFileTest, WritingNeverSelectsAMember) {
  ResourceFile file;
  // No bmp folder to create the file in, and the member is not offered.
  EXPECT_EQ(file.Open("t01.bmp", file.writeMode), 0);
  EXPECT_EQ(media::PictureArchive.Size(), 0u);
  ASSERT_EQ(BoxTexts().size(), 1u);
  // With the folder there, writing makes a loose file (matched without case).
  std::filesystem::create_directory(core::InstallFolder + "BMP");
  ASSERT_EQ(file.Open("t01.bmp", file.writeMode), 1);
  EXPECT_EQ(file.Write("new", 3), 3u);
  file.Close();
  EXPECT_EQ(ReadBytes(core::InstallFolder + "BMP/t01.bmp"), "new");
  EXPECT_EQ(ReadBytes(core::InstallFolder + "bmp.arc"), kPictureBytes);
}

TEST_F(ResourceFileTest, RawNamesAreFullPathsAndNeverReported) {
  const std::string save = Temp().Sub("save") + "SAVE01.DAT";
  ResourceFile file;
  ASSERT_EQ(file.Open(save.c_str(), file.writeMode), 1);
  EXPECT_EQ(file.Write("rec", 3), 3u);
  ASSERT_EQ(file.Open(save.c_str(), file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "rec");
  // Missing: no box. Named like a member: still no archive.
  EXPECT_EQ(file.Open((Temp().Folder() + "missing.dat").c_str(), file.readMode), 0);
  EXPECT_EQ(file.Open("01SE.wma", file.readMode), 0);
  EXPECT_EQ(file.Open("wave/01SE.wma", file.readMode), 0);
  EXPECT_EQ(media::SoundArchive.Size(), 0u);
  EXPECT_EQ(file.Open("", file.readMode), 0);
  EXPECT_EQ(file.Open(nullptr, file.readMode), 0);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ResourceFileTest, MissingDataIsReportedWithItsPath) {
  ResourceFile file;
  EXPECT_EQ(file.Open("none.bmp", file.readMode), 0);
  EXPECT_EQ(file.Open("none.wav", file.readMode), 0);
  EXPECT_EQ(file.Open("none.mid", file.readMode), 0);
  EXPECT_EQ(file.Open("none.arc", file.readMode), 0);
  EXPECT_EQ(file.Size(), 0u);
  const std::vector<std::string> expected = {
      "見つかりません " + core::InstallFolder + "bmp/none.bmp",
      "見つかりません " + core::InstallFolder + "wave/none.WMA",
      "見つかりません " + core::MediaFolder + "bgm/none.mid",
      "見つかりません " + core::MediaFolder + "movie/none.arc",
  };
  EXPECT_EQ(BoxTexts(), expected);
}

TEST_F(ResourceFileTest, WithoutADiscMusicAndMoviesAreNotSearched) {
  Loose(core::InstallFolder, "bgm/m01.mid", "not here");
  // Relative to the current folder, "bgm/" must not be found either.
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(core::InstallFolder);
  core::MediaFolder.clear();
  ResourceFile file;
  EXPECT_EQ(file.Open("m01.mid", file.readMode), 0);
  std::filesystem::current_path(previous);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"見つかりません bgm/m01.mid"});
}

TEST_F(ResourceFileTest, KanjiNamesAreUtf8OnDisk) {
  Loose(core::InstallFolder, "bmp/地図.bmp", "map");
  ResourceFile file;
  ASSERT_EQ(file.Open(platform::Sjis("地図.bmp").c_str(), file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "map");
  EXPECT_EQ(file.Open(platform::Sjis("海図.bmp").c_str(), file.readMode), 0);
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"見つかりません " + core::InstallFolder + "bmp/海図.bmp"});
}

TEST_F(ResourceFileTest, NamesWithoutAUtf8FormFallBackToTheArchive) {
  // A lone lead byte: no file name can match, the member lookup still runs.
  ResourceFile file;
  EXPECT_EQ(file.Open("\x83.bmp", file.readMode), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(Sys().Boxes()[0].request.text,
            platform::Sjis("見つかりません ") + core::InstallFolder + "bmp/\x83.bmp");
}

TEST_F(ResourceFileTest, LooseFilesMatchWithoutLetterCase) {
  Loose(core::MediaFolder, "BGM/X.MID", "upper");
  Loose(core::InstallFolder, "wave/01SE.WMA", "loose");
  ResourceFile file;
  ASSERT_EQ(file.Open("x.mid", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "upper");
  ASSERT_EQ(file.Open("01se.wav", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "loose");
  // An exact name is preferred to one differing in case.
  Loose(core::MediaFolder, "bgm/x.mid", "lower");
  ASSERT_EQ(file.Open("x.mid", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "lower");
  ASSERT_EQ(file.Open("X.MID", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "lower");  // bgm/ is exact, then X.MID is not there
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ResourceFileTest, KanjiTrailBytesAreNotFolded) {
  ResourceFile file;
  ASSERT_EQ(file.Open("\x83\x41.BMP", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "KK");
  EXPECT_EQ(file.Open("\x83\x61.bmp", file.readMode), 0);
  EXPECT_EQ(BoxTexts().size(), 1u);
}

TEST_F(ResourceFileTest, FoldersAndFifosInPlaceOfAFileAreSkipped) {
  std::filesystem::create_directories(core::InstallFolder + "bmp/t01.bmp");
  ASSERT_EQ(mkfifo((core::InstallFolder + "bmp/t02.bmp").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((core::InstallFolder + "bmp/t03.bmp").c_str(), 0600), 0);
  ResourceFile file;
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "PPPP");
  ASSERT_EQ(file.Open("t02.bmp", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "QQQ");
  EXPECT_EQ(file.Open("t03.bmp", file.readMode), 0);
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"見つかりません " + core::InstallFolder + "bmp/t03.bmp"});
}

TEST_F(ResourceFileTest, NamesCannotLeaveTheirFolder) {
  // install/bmp/../../etc/passwd.bmp would be Temp()/etc/passwd.bmp.
  Loose(Temp().Folder(), "etc/passwd.bmp", "escaped");
  Loose(core::InstallFolder, "x.bmp", "escaped");
  std::filesystem::create_directories(core::InstallFolder + "bmp");
  ResourceFile file;
  EXPECT_EQ(file.Open("../x.bmp", file.readMode), 0);
  EXPECT_EQ(file.Open("..\\x.bmp", file.readMode), 0);
  EXPECT_EQ(file.Open("../x.bmp", file.writeMode), 0);
  EXPECT_EQ(file.Open("/tmp/x.bmp", file.readMode), 0);
  EXPECT_EQ(BoxTexts().size(), 4u);
  EXPECT_EQ(ReadBytes(core::InstallFolder + "x.bmp"), "escaped");
  // The archive still answers for the last part of the name, which names no file.
  ASSERT_EQ(file.Open("../../etc/passwd.bmp", file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "!");
}

TEST_F(ResourceFileTest, OverlongPathsAreNotFound) {
  const std::size_t room = media::kMaxPathLength - core::InstallFolder.size() - 4;  // "bmp/"
  const std::string longest = std::string(room - 4, 'n') + ".bmp";
  const std::string tooLong = "n" + longest;
  Loose(core::InstallFolder, "bmp/" + longest, "fits");
  Loose(core::InstallFolder, "bmp/" + tooLong, "too long");
  ResourceFile file;
  ASSERT_EQ(file.Open(longest.c_str(), file.readMode), 1);
  EXPECT_EQ(ReadAll(file, 10), "fits");
  EXPECT_EQ(file.Open(tooLong.c_str(), file.readMode), 0);
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"見つかりません " + core::InstallFolder + "bmp/" + tooLong});
  // The same bound for raw paths, without a box.
  const std::string raw = Temp().Folder() + std::string(media::kMaxPathLength, 'r');
  EXPECT_EQ(file.Open(raw.substr(0, media::kMaxPathLength + 1).c_str(), file.writeMode), 0);
  EXPECT_EQ(BoxTexts().size(), 1u);
}

TEST_F(ResourceFileTest, FoldersWithoutAShiftJisFormStillShow) {
  core::InstallFolder = Temp().Sub("ゲーム😀é");
  ResourceFile file;
  EXPECT_EQ(file.Open("none.bmp", file.readMode), 0);
  const std::string shown = platform::Cp932ToUtf8Lossy(Sys().Boxes().at(0).request.text);
  EXPECT_EQ(shown, "見つかりません " + Temp().Folder() + "ゲーム〓〓/bmp/none.bmp");
  EXPECT_EQ(media::FolderForDisplay("a\xFF"
                                    "b/"),
            platform::Sjis("a〓b/"));
  EXPECT_EQ(media::FolderForDisplay("a\xE3\x81"), platform::Sjis("a〓〓"));
  EXPECT_EQ(media::FolderForDisplay("/ok/"), "/ok/");
}

TEST_F(ResourceFileTest, CloseAndDestructionLetGoOfTheMember) {
  {
    ResourceFile file;
    ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
    EXPECT_EQ(media::PictureArchive.Size(), 4u);
  }
  EXPECT_EQ(media::PictureArchive.Size(), 0u);
  ResourceFile file;
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(file.Close(), 1);
  EXPECT_EQ(file.Size(), 0u);
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 0u);
  // Opening again closes what was open, found or not.
  ASSERT_EQ(file.Open("t01.bmp", file.readMode), 1);
  EXPECT_EQ(file.Open("none.bmp", file.readMode), 0);
  EXPECT_EQ(file.Read(&c, 1), 0u);
  EXPECT_EQ(media::PictureArchive.Size(), 0u);
}

TEST_F(ResourceFileTest, ArchivesOpenFromTheInstallFolderWithoutCaseElseFromTheDisc) {
  std::filesystem::remove(core::InstallFolder + "bmp.arc");
  std::filesystem::remove(core::InstallFolder + "wave.arc");
  WriteBytes(core::InstallFolder + "BMP.ARC", kPictureBytes);
  EXPECT_FALSE(media::OpenResourceArchives());
  EXPECT_TRUE(media::PictureArchive.IsOpen());
  EXPECT_FALSE(media::SoundArchive.IsOpen());

  const std::string disc = core::InstallFolder + "disc/";
  std::filesystem::create_directories(disc);
  WriteBytes(disc + "wave.arc", kSoundBytes);
  core::MediaFolder = disc;
  EXPECT_TRUE(media::OpenResourceArchives());
  EXPECT_TRUE(media::SoundArchive.IsOpen());

  std::filesystem::remove(disc + "wave.arc");
  WriteBytes(core::InstallFolder + "Wave.Arc", kSoundBytes);
  core::MediaFolder.clear();
  EXPECT_TRUE(media::OpenResourceArchives());
  EXPECT_TRUE(media::SoundArchive.IsOpen());
}

}  // namespace
