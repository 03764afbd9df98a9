// The game-data folder this build made from the real data/ (CELLWRIGHT_GAMEDATA)
// and the directories compiled into the program from the same run.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/bmp_reader.h"
#include "display/surface.h"
#include "media/archive.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "tests/support/headless_fixture.h"

namespace {

namespace fs = std::filesystem;

std::uint64_t MembersEnd(const media::ArchiveEntry* entry, int* count) {
  std::uint64_t next = 0;
  *count = 0;
  for (; entry->name != nullptr; ++entry, ++*count) {
    EXPECT_EQ(entry->offset, next) << platform::Cp932ToUtf8Lossy(entry->name);
    next = std::uint64_t{entry->offset} + entry->size;
  }
  return next;
}

TEST(GameData, CompiledDirectoriesCoverTheArchivesExactly) {
  int pictures = 0, sounds = 0;
  EXPECT_EQ(MembersEnd(media::PictureDirectory, &pictures),
            fs::file_size(fs::path(CELLWRIGHT_GAMEDATA) / "bmp.arc"));
  EXPECT_EQ(MembersEnd(media::SoundDirectory, &sounds),
            fs::file_size(fs::path(CELLWRIGHT_GAMEDATA) / "wave.arc"));
  EXPECT_GE(pictures, 3);
}

class GameDataPictures : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    core::InstallFolder = std::string(CELLWRIGHT_GAMEDATA) + "/";
    ASSERT_TRUE(media::OpenResourceArchives());
  }

  display::BmpPicture Load(const char* utf8Name) {
    media::ResourceFile file;
    EXPECT_EQ(file.Open(platform::Sjis(utf8Name).c_str(), file.readMode), 1) << utf8Name;
    std::vector<std::uint8_t> bytes(file.Size());
    EXPECT_EQ(file.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size())), bytes.size());
    display::MemorySource source(bytes.data(), bytes.size());
    display::BmpError error = display::BmpError::None;
    std::optional<display::BmpPicture> picture = display::ReadBmp(source, &error);
    EXPECT_TRUE(picture) << utf8Name << " error " << static_cast<int>(error);
    return picture.value_or(display::BmpPicture{});
  }
};

// The pictures the engine asks for so far, with the sizes its screens assume.
TEST_F(GameDataPictures, EveryPictureTheEngineAsksForDecodes) {
  const struct {
    const char* name;
    int width, height;
    bool keyed;
  } wanted[] = {
      {"プロンプト.bmp", 24, 48, true},
      {"オープニングロゴ.bmp", 640, 480, false},
      {"タイトル改統合.bmp", 640, 480, false},
  };
  for (const auto& w : wanted) {
    SCOPED_TRACE(w.name);
    const display::BmpPicture picture = Load(w.name);
    EXPECT_EQ(picture.width, w.width);
    EXPECT_EQ(picture.height, w.height);
    std::size_t keyPixels = 0;
    for (const std::uint32_t p : picture.pixels) keyPixels += p == display::kColorKey ? 1 : 0;
    if (w.keyed) {
      // A mark on a transparent ground: both must be there.
      EXPECT_GT(keyPixels, 0u);
      EXPECT_LT(keyPixels, picture.pixels.size() / 2 + picture.pixels.size() / 4);
    } else {
      EXPECT_EQ(keyPixels, 0u);  // the whole picture shows
    }
  }
  EXPECT_TRUE(Sys().Boxes().empty());
}

TEST_F(GameDataPictures, ThePromptsTwoFramesDiffer) {
  const display::BmpPicture prompt = Load("プロンプト.bmp");
  ASSERT_EQ(prompt.pixels.size(), 24u * 48u);
  const std::vector<std::uint32_t> top(prompt.pixels.begin(), prompt.pixels.begin() + 24 * 24);
  const std::vector<std::uint32_t> bottom(prompt.pixels.begin() + 24 * 24, prompt.pixels.end());
  EXPECT_NE(top, bottom);
}

// cellwright-play --list prints the same directories, names in UTF-8.
TEST(GameData, PlayListsTheCompiledDirectories) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(CELLWRIGHT_PLAY " --list", "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string output;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
  EXPECT_EQ(pclose(pipe.release()), 0);

  std::ostringstream expected;
  for (const auto& [archive, entry] : {std::pair{"bmp.arc", media::PictureDirectory},
                                       std::pair{"wave.arc", media::SoundDirectory}}) {
    for (const media::ArchiveEntry* e = entry; e->name != nullptr; ++e) {
      expected << archive << '\t' << platform::Cp932ToUtf8Lossy(e->name) << '\t' << e->offset
               << '\t' << e->size << '\n';
    }
  }
  EXPECT_EQ(output, expected.str());
  EXPECT_NE(output.find("bmp.arc\tプロンプト.bmp\t"), std::string::npos) << output;
}

}  // namespace

namespace {

// Every sound member as the game will hand it to its decoder: copied out of the
// archive into a file of its own, then decoded in full by FFmpeg.
TEST_F(GameDataPictures, EverySoundMemberDecodesWithFfmpeg) {
  cellwright_test::TempFolder scratch;
  int decoded = 0;
  for (const media::ArchiveEntry* e = media::SoundDirectory; e->name != nullptr; ++e) {
    const std::string name = platform::Cp932ToUtf8Lossy(e->name);
    SCOPED_TRACE(name);
    media::ResourceFile file;
    std::string request(e->name);
    request.replace(request.rfind('.'), std::string::npos, ".wav");  // as the engine asks
    ASSERT_EQ(file.Open(request.c_str(), file.readMode), 1);
    std::vector<char> bytes(file.Size());
    ASSERT_EQ(file.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size())), bytes.size());
    const std::string path = scratch.Path() + "/clip.wma";
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const std::string command = "ffmpeg -v error -nostdin -i '" + path + "' -f null - 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string errors;
    char buffer[512];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) errors.append(buffer, n);
    EXPECT_EQ(pclose(pipe.release()), 0) << errors;
    EXPECT_TRUE(errors.empty()) << errors;
    ++decoded;
  }
  EXPECT_GE(decoded, 154);  // 72 effects and jingles, 82 voice clips
  EXPECT_TRUE(Sys().Boxes().empty());
}

}  // namespace
