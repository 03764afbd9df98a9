#include "tools/databuild/builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/bmp_reader.h"
#include "media/archive.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using databuild::Asset;
using databuild::BuildContext;
using databuild::BuildOptions;
using databuild::BuildReport;

int gCalls = 0;

// Bytes that tell the row apart: the source file's content when there is one
// under data/, else the row's own fields. Checks its scratch folder is fresh.
std::optional<std::vector<std::uint8_t>> Counting(const Asset& asset, const BuildContext& context,
                                                  std::string* error) {
  ++gCalls;
  if (!fs::is_directory(context.workDir) || !fs::is_empty(context.workDir)) {
    *error = "no fresh scratch folder";
    return std::nullopt;
  }
  std::ofstream(context.workDir / "leftover") << "x";
  std::string text;
  if (std::ifstream in(context.dataDir / asset.source, std::ios::binary); in) {
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    text = asset.name + "|" + asset.source + "|" + asset.format;
  }
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

const databuild::GeneratorRegistrar kCounting("counting", Counting);
const databuild::GeneratorRegistrar kFailing("failing", [](const Asset&, const BuildContext&,
                                                           std::string* error) {
  *error = "broken on purpose";
  return std::optional<std::vector<std::uint8_t>>();
});

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

constexpr const char* kManifest =
    "# pictures first, then sounds, music and a movie\n"
    "Title.bmp\tcounting\tart/title.txt\tbmp8\tbmp.arc\n"
    "地図.bmp\tcounting\tmap-recipe\tbmp4k\tbmp.arc\n"
    "01SE.wma\tcounting\tchime\twma\twave.arc\n"
    "効果音02.wma\tcounting\tart/bell.txt\twma\twave.arc\n"
    "m01.mid\tcounting\tsong\tmid\tBGM\n"
    "op.arc\tcounting\tmovie\tavi\tMOVIE\n";

class BuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gCalls = 0;
    WriteText(Data() / "manifest" / "m.tsv", kManifest);
    WriteText(Data() / "art" / "title.txt", "TITLE-PICTURE");
    WriteText(Data() / "art" / "bell.txt", "BELL");
  }

  fs::path Data() const { return fs::path(temp_.Path()) / "data"; }

  BuildOptions Options(const std::string& tag) const {
    BuildOptions options;
    options.dataDir = Data();
    options.outDir = fs::path(temp_.Path()) / tag / "gamedata";
    options.cacheDir = fs::path(temp_.Path()) / tag / "cache";
    options.directories = fs::path(temp_.Path()) / tag / "directories.cpp";
    return options;
  }

  BuildReport MustBuild(const BuildOptions& options) {
    BuildReport report;
    EXPECT_TRUE(databuild::Build(options, &report))
        << (report.errors.empty() ? "" : report.errors.front());
    return report;
  }

  cellwright_test::TempFolder temp_;
};

TEST_F(BuilderTest, ArchivesHoldMembersEndToEndInManifestOrder) {
  const BuildOptions options = Options("a");
  const BuildReport report = MustBuild(options);
  EXPECT_EQ(ReadText(options.outDir / "bmp.arc"), "TITLE-PICTURE地図.bmp|map-recipe|bmp4k");
  EXPECT_EQ(ReadText(options.outDir / "wave.arc"), "01SE.wma|chime|wmaBELL");
  ASSERT_EQ(report.pictures.size(), 2u);
  ASSERT_EQ(report.sounds.size(), 2u);
  for (const auto* members : {&report.pictures, &report.sounds}) {
    std::uint32_t next = 0;
    for (const databuild::PackedMember& m : *members) {
      EXPECT_EQ(m.offset, next) << m.name;  // no header, no padding
      next += m.size;
    }
  }
  EXPECT_EQ(report.pictures[1].name, "地図.bmp");
  EXPECT_EQ(report.pictures[1].size, std::string("地図.bmp|map-recipe|bmp4k").size());
  EXPECT_EQ(ReadText(options.outDir / "BGM" / "m01.mid"), "m01.mid|song|mid");
  EXPECT_EQ(ReadText(options.outDir / "MOVIE" / "op.arc"), "op.arc|movie|avi");
  // Scratch folders and temporary files are gone.
  EXPECT_TRUE(fs::is_empty(options.cacheDir / "work"));
  for (const auto& entry : fs::recursive_directory_iterator(options.outDir)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

TEST_F(BuilderTest, DirectoriesSourceNamesEveryMemberInShiftJis) {
  const BuildOptions options = Options("a");
  const BuildReport report = MustBuild(options);
  const std::string text = ReadText(options.directories);
  EXPECT_EQ(text, databuild::DirectoriesSource(report.pictures, report.sounds));
  EXPECT_NE(text.find("#include \"media/archive.h\""), std::string::npos);
  EXPECT_NE(text.find("{\"Title.bmp\", 0u, 13u},"), std::string::npos) << text;
  // 地図 is 0x92 0x6E 0x90 0x7D in Shift-JIS.
  EXPECT_NE(text.find("{\"\\222n\\220}.bmp\", 13u, "), std::string::npos) << text;
  EXPECT_NE(text.find("{\"01SE.wma\", 0u, 18u},"), std::string::npos) << text;
  EXPECT_NE(text.find("const ArchiveEntry* const PictureDirectory = kPictures;"),
            std::string::npos);
  EXPECT_NE(text.find("const ArchiveEntry* const SoundDirectory = kSounds;"), std::string::npos);
  // Each directory ends with the closing row.
  const std::size_t pictures = text.find("kPictures[] = {");
  const std::size_t sounds = text.find("kSounds[] = {");
  ASSERT_NE(pictures, std::string::npos);
  ASSERT_NE(sounds, std::string::npos);
  EXPECT_LT(text.find("{nullptr, 0u, 0u},", pictures), sounds);
  EXPECT_NE(text.find("{nullptr, 0u, 0u},", sounds), std::string::npos);
  EXPECT_EQ(text.find("music"), std::string::npos);  // BGM and MOVIE are loose files
}

TEST(DirectoriesSource, QuotesBackslashesAndTrigraphCharactersAreEscaped) {
  const std::string text = databuild::DirectoriesSource({{"a\"b?.bmp", 5, 6}}, {});
  EXPECT_NE(text.find("{\"a\\042b\\077.bmp\", 5u, 6u},"), std::string::npos) << text;
}

TEST_F(BuilderTest, UnchangedRowsComeFromTheCache) {
  const BuildOptions options = Options("a");
  BuildReport first = MustBuild(options);
  EXPECT_EQ(first.generated, 6);
  EXPECT_EQ(first.cached, 0);
  const std::string archive = ReadText(options.outDir / "bmp.arc");

  BuildReport second = MustBuild(options);
  EXPECT_EQ(second.generated, 0);
  EXPECT_EQ(second.cached, 6);
  EXPECT_EQ(gCalls, 6);
  EXPECT_EQ(ReadText(options.outDir / "bmp.arc"), archive);

  // A changed source file remakes only its row.
  WriteText(Data() / "art" / "bell.txt", "BELL2");
  BuildReport third = MustBuild(options);
  EXPECT_EQ(third.generated, 1);
  EXPECT_EQ(ReadText(options.outDir / "wave.arc"), "01SE.wma|chime|wmaBELL2");

  // So does a changed row.
  std::string manifest = kManifest;
  manifest.replace(manifest.find("\tsong\t"), 6, "\tsong2\t");
  WriteText(Data() / "manifest" / "m.tsv", manifest);
  EXPECT_EQ(MustBuild(options).generated, 1);
  EXPECT_EQ(ReadText(options.outDir / "BGM" / "m01.mid"), "m01.mid|song2|mid");

  // A new generator version remakes the whole family.
  databuild::RegisterGenerator("counting", Counting, "2");
  EXPECT_EQ(MustBuild(options).generated, 6);
}

TEST_F(BuilderTest, LooseFilesOfRemovedRowsAreRemoved) {
  const BuildOptions options = Options("a");
  MustBuild(options);
  WriteText(options.outDir / "BGM" / "stray.mid", "x");
  std::string manifest = kManifest;
  manifest.erase(manifest.find("m01.mid"),
                 std::string("m01.mid\tcounting\tsong\tmid\tBGM\n").size());
  WriteText(Data() / "manifest" / "m.tsv", manifest);
  MustBuild(options);
  EXPECT_FALSE(fs::exists(options.outDir / "BGM" / "m01.mid"));
  EXPECT_FALSE(fs::exists(options.outDir / "BGM" / "stray.mid"));
  EXPECT_TRUE(fs::exists(options.outDir / "MOVIE" / "op.arc"));
}

TEST_F(BuilderTest, CacheKeyFollowsEveryInput) {
  Asset asset{"a.bmp", "counting", "art/title.txt", "bmp8", "bmp.arc", 1, "m.tsv"};
  const std::string key = databuild::CacheKey(asset, Data());
  EXPECT_EQ(databuild::CacheKey(asset, Data()), key);
  Asset moved = asset;
  moved.line = 9;  // where the row stands does not change what it makes
  moved.manifest = "other.tsv";
  EXPECT_EQ(databuild::CacheKey(moved, Data()), key);
  for (std::string Asset::*field :
       {&Asset::name, &Asset::family, &Asset::source, &Asset::format, &Asset::target}) {
    Asset changed = asset;
    changed.*field += "x";
    EXPECT_NE(databuild::CacheKey(changed, Data()), key);
  }
  WriteText(Data() / "art" / "title.txt", "changed");
  EXPECT_NE(databuild::CacheKey(asset, Data()), key);
}

TEST_F(BuilderTest, TwoBuildsAreByteIdentical) {
  // Include real rendering: an SVG through the picture family.
  WriteText(Data() / "pictures" / "dot.svg",
            "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
            "<rect width='20' height='10' fill='#336699'/>"
            "<circle cx='10' cy='5' r='4' fill='#ff8800'/></svg>");
  WriteText(Data() / "pictures" / "hole.svg",
            "<svg xmlns='http://www.w3.org/2000/svg' width='12' height='12'>"
            "<circle cx='6' cy='6' r='5' fill='#00ff00'/></svg>");
  WriteText(Data() / "manifest" / "n.tsv",
            "dot.bmp\tsvg\tpictures/dot.svg\tbmp8\tbmp.arc\n"
            "hole.bmp\tsvg\tpictures/hole.svg\tbmp4k\tbmp.arc\n");
  const BuildOptions a = Options("a");
  const BuildOptions b = Options("b");
  MustBuild(a);
  MustBuild(b);
  for (const fs::path& file : {fs::path("bmp.arc"), fs::path("wave.arc"), fs::path("BGM/m01.mid"),
                               fs::path("MOVIE/op.arc")}) {
    EXPECT_EQ(ReadText(a.outDir / file), ReadText(b.outDir / file)) << file;
  }
  EXPECT_EQ(ReadText(a.directories), ReadText(b.directories));
  EXPECT_GT(ReadText(a.outDir / "bmp.arc").size(), 200u);
}

TEST_F(BuilderTest, ContactSheetsArePngsPerPictureFamily) {
  WriteText(Data() / "pictures" / "dot.svg",
            "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
            "<rect width='20' height='10' fill='#336699'/></svg>");
  WriteText(Data() / "manifest" / "n.tsv", "dot.bmp\tsvg\tpictures/dot.svg\tbmp8\tbmp.arc\n");
  BuildOptions options = Options("a");
  options.sheets = fs::path(temp_.Path()) / "sheets";
  MustBuild(options);
  EXPECT_EQ(ReadText(options.sheets / "svg.png").substr(1, 3), "PNG");
  // The counting rows are not pictures, so their family gets no sheet.
  EXPECT_FALSE(fs::exists(options.sheets / "counting.png"));
}

TEST_F(BuilderTest, ManifestErrorsStopTheBuildBeforeAnyOutput) {
  WriteText(Data() / "manifest" / "z.tsv", "title.BMP\tcounting\tx\tbmp8\tbmp.arc\n");
  const BuildOptions options = Options("a");
  BuildReport report;
  EXPECT_FALSE(databuild::Build(options, &report));
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find("z.tsv:1: 'title.BMP' is the same name as 'Title.bmp'"),
            std::string::npos)
      << report.errors[0];
  EXPECT_EQ(gCalls, 0);
  EXPECT_FALSE(fs::exists(options.outDir / "bmp.arc"));
}

TEST_F(BuilderTest, AFailingGeneratorIsReportedAndNothingIsWritten) {
  WriteText(Data() / "manifest" / "z.tsv", "# one bad row\nbad.bmp\tfailing\tx\tbmp8\tbmp.arc\n");
  const BuildOptions options = Options("a");
  BuildReport report;
  EXPECT_FALSE(databuild::Build(options, &report));
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find("z.tsv:2: bad.bmp: broken on purpose"), std::string::npos)
      << report.errors[0];
  EXPECT_FALSE(fs::exists(options.outDir / "bmp.arc"));
  EXPECT_FALSE(fs::exists(options.directories));
}

TEST_F(BuilderTest, APictureWhoseSvgIsMissingFails) {
  WriteText(Data() / "manifest" / "z.tsv",
            "gone.bmp\tsvg\tpictures/gone.svg\tbmp8\tbmp.arc\n"
            "out.bmp\tsvg\t../secret.svg\tbmp8\tbmp.arc\n");
  BuildReport report;
  EXPECT_FALSE(databuild::Build(Options("a"), &report));
  ASSERT_EQ(report.errors.size(), 2u);
  EXPECT_NE(report.errors[0].find("z.tsv:1: gone.bmp: "), std::string::npos) << report.errors[0];
  EXPECT_NE(report.errors[1].find("must be a path inside data/"), std::string::npos);
}

TEST(AtomicWrite, ReplacesContentAndLeavesNoTemporaryFile) {
  cellwright_test::TempFolder temp;
  const fs::path file = fs::path(temp.Path()) / "f.bin";
  std::string error;
  ASSERT_TRUE(databuild::WriteFileAtomically(file, {1, 2, 3}, &error)) << error;
  ASSERT_TRUE(databuild::WriteFileAtomically(file, {4}, &error)) << error;
  EXPECT_EQ(ReadText(file), "\x04");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 1);
  EXPECT_FALSE(databuild::WriteFileAtomically(fs::path(temp.Path()) / "no" / "f", {1}, &error));
  EXPECT_FALSE(error.empty());
}

// Every member comes back through the engine's own lookup by resource name.
class BuiltDataRoundTrip : public cellwright_test::HeadlessTest {};

TEST_F(BuiltDataRoundTrip, EveryMemberReadsBackThroughResourceFile) {
  cellwright_test::TempFolder temp;
  const fs::path data = fs::path(temp.Path()) / "data";
  WriteText(data / "manifest" / "m.tsv", kManifest);
  WriteText(data / "art" / "title.txt", "TITLE-PICTURE");
  WriteText(data / "art" / "bell.txt", "BELL");
  BuildOptions options;
  options.dataDir = data;
  options.outDir = fs::path(temp.Path()) / "gamedata";
  options.cacheDir = fs::path(temp.Path()) / "cache";
  BuildReport report;
  ASSERT_TRUE(databuild::Build(options, &report));

  // The directories as the generated C++ would define them.
  std::vector<std::string> names;
  names.reserve(report.pictures.size() + report.sounds.size());
  const auto directory = [&names](const std::vector<databuild::PackedMember>& members) {
    std::vector<media::ArchiveEntry> rows;
    for (const databuild::PackedMember& m : members) {
      names.push_back(platform::Sjis(m.name));
      rows.push_back({names.back().c_str(), m.offset, m.size});
    }
    rows.push_back({nullptr, 0, 0});
    return rows;
  };
  const std::vector<media::ArchiveEntry> pictures = directory(report.pictures);
  const std::vector<media::ArchiveEntry> sounds = directory(report.sounds);
  core::InstallFolder = options.outDir.string() + "/";
  ASSERT_EQ(media::PictureArchive.Open((core::InstallFolder + "bmp.arc").c_str(), pictures.data()),
            1);
  ASSERT_EQ(media::SoundArchive.Open((core::InstallFolder + "wave.arc").c_str(), sounds.data()), 1);

  const std::pair<const char*, std::string> expected[] = {
      {"title.bmp", "TITLE-PICTURE"},
      {"地図.bmp", "地図.bmp|map-recipe|bmp4k"},
      {"01se.wav", "01SE.wma|chime|wma"},  // sounds are asked for as .wav
      {"効果音02.WAV", "BELL"},
  };
  for (const auto& [name, bytes] : expected) {
    media::ResourceFile file;
    ASSERT_EQ(file.Open(platform::Sjis(name).c_str(), file.readMode), 1) << name;
    EXPECT_EQ(file.Size(), bytes.size()) << name;
    std::string got(bytes.size() + 8, '\0');
    got.resize(file.Read(got.data(), static_cast<std::uint32_t>(got.size())));
    EXPECT_EQ(got, bytes) << name;
  }
  EXPECT_TRUE(Sys().Boxes().empty());
}

}  // namespace
