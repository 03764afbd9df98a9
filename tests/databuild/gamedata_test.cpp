// The game-data folder this build made from the real data/ (CELLWRIGHT_GAMEDATA)
// and the directories compiled into the program from the same run.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/bmp_reader.h"
#include "media/archive.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "tests/databuild_music/smf_reader.h"
#include "tests/support/audio.h"
#include "tests/support/headless_fixture.h"
#include "tools/databuild/manifest.h"

namespace {

namespace fs = std::filesystem;

class GameData : public cellwright_test::HeadlessTest {};

// Every manifest member is there and found by the engine's own lookup, the
// compiled directories hold the archives' rows end to end, and one member of
// each kind decodes as the game decodes it.
TEST_F(GameData, HoldsEveryManifestMemberAndEachKindDecodes) {
  core::InstallFolder = core::MediaFolder = std::string(CELLWRIGHT_GAMEDATA) + "/";
  ASSERT_TRUE(media::OpenResourceArchives());
  std::vector<std::string> errors;
  const auto assets = databuild::LoadManifest(fs::path(CELLWRIGHT_SOURCE_DIR) / "data", &errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  std::map<std::string, std::vector<std::uint8_t>> first;  // by target
  std::map<std::string, int> rows;
  for (const databuild::Asset& asset : assets) {
    std::string name = platform::Sjis(asset.name);
    if (asset.target == databuild::kSoundArchive) name.replace(name.rfind('.'), 4, ".wav");
    media::ResourceFile file;
    ASSERT_EQ(file.Open(name.c_str(), file.readMode), 1) << asset.name;
    std::vector<std::uint8_t> bytes(file.Size());
    ASSERT_EQ(file.Read(bytes.data(), file.Size()), bytes.size()) << asset.name;
    ASSERT_FALSE(bytes.empty()) << asset.name;
    first.try_emplace(asset.target, std::move(bytes));
    ++rows[asset.target];
  }
  EXPECT_TRUE(Sys().Boxes().empty());
  for (const auto& [archive, directory] : {std::pair{"bmp.arc", media::PictureDirectory},
                                           std::pair{"wave.arc", media::SoundDirectory}}) {
    std::uint64_t end = 0;
    int count = 0;
    for (const media::ArchiveEntry* e = directory; e->name != nullptr; ++e, ++count) {
      EXPECT_EQ(e->offset, end) << platform::Cp932ToUtf8Lossy(e->name);
      end = std::uint64_t{e->offset} + e->size;
    }
    EXPECT_EQ(count, rows[archive]);
    EXPECT_EQ(end, fs::file_size(fs::path(CELLWRIGHT_GAMEDATA) / archive));
  }

  const std::vector<std::uint8_t>& picture = first[databuild::kPictureArchive];
  display::MemorySource source(picture.data(), picture.size());
  display::BmpError bmpError = display::BmpError::None;
  EXPECT_TRUE(display::ReadBmp(source, &bmpError)) << static_cast<int>(bmpError);
  EXPECT_TRUE(smftest::Parse(first[databuild::kMusicFolder]));
  std::string error;
  for (const char* target : {databuild::kSoundArchive, databuild::kMovieFolder}) {
    const auto sound = cellwright_test::DecodeSoundBytes(first[target], 22050, &error);
    EXPECT_TRUE(sound && !sound->empty()) << target << ": " << error;
  }
}

}  // namespace
