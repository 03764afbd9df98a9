// What ResourceFile adds to its parts: the loose file before the archive member,
// the box for missing data, raw paths, writing, and the archives it opens.
#include "media/resource_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/shell_state.h"
#include "media/resource_name.h"
#include "platform/encoding.h"
#include "tests/support/files.h"
#include "tests/support/headless_fixture.h"

namespace {

using cellwright_test::ReadBytes;
using cellwright_test::WriteBytes;
using media::ResourceFile;

const media::ArchiveEntry kSounds[] = {{"01SE.wma", 0, 6}, {"a.b.WMA", 6, 3}, {nullptr, 0, 0}};
const media::ArchiveEntry kPictures[] = {{"t01.bmp", 0, 4}, {"t02.bmp", 4, 3}, {nullptr, 0, 0}};

class ResourceFileTest : public cellwright_test::HeadlessTest {
 protected:
  // Two characters of the install folder have no Shift-JIS form.
  void SetUp() override {
    HeadlessTest::SetUp();
    UseFolders(Temp().Sub("ゲーム😀é"), Temp().Sub("disc"));
  }
  void UseFolders(const std::string& install, const std::string& disc) {
    core::InstallFolder = install;
    core::MediaFolder = disc;
    WriteBytes(install + "bmp.arc", "PPPPQQQ");
    WriteBytes(install + "wave.arc", "SSSSSSabw");
    ASSERT_EQ(media::PictureArchive.Open((install + "bmp.arc").c_str(), kPictures), 1);
    ASSERT_EQ(media::SoundArchive.Open((install + "wave.arc").c_str(), kSounds), 1);
  }
  static void Loose(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, bytes);
  }
  // The whole file, or "(none)" when it does not open.
  static std::string Contents(const char* name) {
    ResourceFile file;
    if (file.Open(name, file.readMode) != 1) return "(none)";
    std::string bytes(file.Size() + 8, '\0');
    bytes.resize(file.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
    EXPECT_EQ(bytes.size(), file.Size()) << name;
    return bytes;
  }
  std::string LastBox() { return Sys().Boxes().empty() ? "" : Sys().Boxes().back().request.text; }
  static std::string NotFound(const std::string& path) {
    return platform::Sjis("見つかりません ") + path;
  }
};

TEST_F(ResourceFileTest, ALooseFileWinsOverTheMemberAndMissingDataShowsItsPathInABox) {
  const std::string install = core::InstallFolder, disc = core::MediaFolder;
  const std::string shown = platform::Sjis(Temp().Folder() + "ゲーム〓〓/");
  const std::string save = Temp().Folder() + "SAVE01.DAT";
  Loose(install + "wave/01se.wma", "loose sound");
  Loose(install + "bmp/t01.bmp", "loose picture");
  Loose(disc + "BGM/X.MID", "music");
  Loose(disc + "movie/op.arc", "movie");
  std::filesystem::create_directories(install + "bmp/t02.bmp");  // not a file: passed over
  WriteBytes(save, "rec");
  std::vector<std::string> boxes;
  // A lone lead byte names no loose file, but the archive is still asked. Raw
  // names are paths, never a member and never reported.
  using R = std::tuple<const char*, std::string, std::string>;  // name, contents, box
  for (const auto& [name, bytes, box] :
       {R{"01SE.wav", "loose sound", ""}, R{"t01.bmp", "loose picture", ""},
        R{"t02.bmp", "QQQ", ""}, R{"A.B.WAV", "abw", ""}, R{"x.mid", "music", ""},
        R{"OP.ARC", "movie", ""}, R{"none.bmp", "(none)", shown + "bmp/none.bmp"},
        R{"none.wav", "(none)", shown + "wave/none.WMA"},
        R{"none.mid", "(none)", disc + "bgm/none.mid"},
        R{"none.arc", "(none)", disc + "movie/none.arc"},
        R{"\x83.bmp", "(none)", shown + "bmp/\x83.bmp"}, R{save.c_str(), "rec", ""},
        R{"01SE.wma", "(none)", ""}, R{"wave/01SE.wma", "(none)", ""}, R{"", "(none)", ""},
        R{nullptr, "(none)", ""}}) {
    EXPECT_EQ(Contents(name), bytes) << (name ? name : "(null)");
    if (!box.empty()) boxes.push_back(NotFound(box));
  }
  EXPECT_EQ(media::PictureArchive.Size(), 0u);  // let go of when the file closed
  // Without a disc music is not looked for, not even in the current folder.
  Loose(install + "bgm/m01.mid", "not here");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(install);
  core::MediaFolder.clear();
  EXPECT_EQ(Contents("m01.mid"), "(none)");
  std::filesystem::current_path(previous);
  boxes.push_back(NotFound("bgm/m01.mid"));
  ASSERT_EQ(Sys().Boxes().size(), boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(Sys().Boxes()[i].request.text, boxes[i]);
  EXPECT_EQ(media::FolderForDisplay("a\xE3\x81"), platform::Sjis("a〓〓"));  // cut short
}

TEST_F(ResourceFileTest, WritingMakesALooseFileAndNeverAMember) {
  ResourceFile file;
  EXPECT_EQ(file.Open("t01.bmp", file.writeMode), 0);  // no bmp folder to create it in
  EXPECT_EQ(media::PictureArchive.Size(), 0u);
  EXPECT_EQ(Sys().Boxes().size(), 1u);
  std::filesystem::create_directory(core::InstallFolder + "BMP");
  ASSERT_EQ(file.Open("t01.bmp", file.writeMode), 1);
  EXPECT_EQ(file.Write("new", 3), 3u);
  ASSERT_EQ(file.Open("t02.bmp", file.readMode), 1);
  EXPECT_EQ(file.Write("xx", 2), 0u);
  file.Close();
  EXPECT_EQ(ReadBytes(core::InstallFolder + "BMP/t01.bmp"), "new");
  EXPECT_EQ(ReadBytes(core::InstallFolder + "bmp.arc"), "PPPPQQQ");
}

// Only the loose file's path had a 255-byte limit, the raw name's too; the
// archive is found whatever the folder's length.
TEST_F(ResourceFileTest, LoosePathsEndAt255BytesButArchivesDoNot) {
  const std::string install = core::InstallFolder;
  const std::string longest = std::string(media::kMaxPathLength - install.size() - 8, 'n') + ".bmp";
  Loose(install + "bmp/" + longest, "fits");
  Loose(install + "bmp/n" + longest, "too long");
  EXPECT_EQ(Contents(longest.c_str()), "fits");
  EXPECT_EQ(Contents(("n" + longest).c_str()), "(none)");
  const std::string raw = (Temp().Folder() + std::string(255, 'r')).substr(0, 256);
  ResourceFile file;
  EXPECT_EQ(file.Open(raw.c_str(), file.writeMode), 0);
  EXPECT_FALSE(std::filesystem::exists(raw));

  const std::string folder = Temp().Sub(std::string(200, 'd') + "/" + std::string(100, 'e'));
  ASSERT_GT(folder.size(), media::kMaxPathLength);
  UseFolders(folder, "");
  Loose(folder + "bmp/t01.bmp", "loose override");
  Loose(folder + "bmp/t09.bmp", "loose only");
  EXPECT_EQ(Contents("t01.bmp"), "PPPP");
  EXPECT_EQ(Contents("t09.bmp"), "(none)");
  EXPECT_EQ(LastBox(), NotFound(folder + "bmp/t09.bmp"));
}

TEST_F(ResourceFileTest, ArchivesOpenFromTheInstallFolderWithoutCaseElseFromTheDisc) {
  // They open with the compiled directories, whose first rows reach past these
  // short files: the bytes read show which file each archive is.
  const auto first = [](media::Archive& archive, const media::ArchiveEntry* directory) {
    std::string bytes(64, '\0');
    if (archive.Find(directory[0].name, archive.readMode) != 1) return std::string("(none)");
    bytes.resize(archive.Read(bytes.data(), 64));
    return bytes;
  };
  std::filesystem::rename(core::InstallFolder + "bmp.arc", core::InstallFolder + "BMP.ARC");
  std::filesystem::rename(core::InstallFolder + "wave.arc", core::MediaFolder + "wave.arc");
  WriteBytes(core::MediaFolder + "bmp.arc", "disc");  // passed over for the install folder's
  EXPECT_TRUE(media::OpenResourceArchives());
  EXPECT_EQ(first(media::PictureArchive, media::PictureDirectory), "PPPPQQQ");
  EXPECT_EQ(first(media::SoundArchive, media::SoundDirectory), "SSSSSSabw");
  std::filesystem::remove(core::MediaFolder + "wave.arc");
  EXPECT_FALSE(media::OpenResourceArchives());
  EXPECT_FALSE(media::SoundArchive.IsOpen());
}

}  // namespace
