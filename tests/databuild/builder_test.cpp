#include "tools/databuild/builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using cellwright_test::ReadBytes;
using databuild::Asset;
using databuild::BuildContext;

// Bytes that tell the row apart: the source file's content when there is one
// under data/, else the row's own fields.
std::optional<std::vector<std::uint8_t>> Counting(const Asset& asset, const BuildContext& context,
                                                  std::string*) {
  std::string text = ReadBytes((context.dataDir / asset.source).string());
  if (text.empty()) text = asset.name + "|" + asset.source + "|" + asset.format;
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

const databuild::GeneratorRegistrar kCounting("counting", Counting);
const std::string kManifest =
    "Title.bmp\tcounting\tart/title.txt\tbmp8\tbmp.arc\n"
    "地図.bmp\tcounting\tmap-recipe\tbmp4k\tbmp.arc\n"
    "01SE.wma\tcounting\tchime\twma\twave.arc\n"
    "効果音02.wma\tcounting\tart/bell.txt\twma\twave.arc\n"
    "m01.mid\tcounting\tsong\tmid\tBGM\n"
    "op.arc\tcounting\tmovie\tavi\tMOVIE\n";

class BuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("manifest/m.tsv", kManifest);
    Write("art/title.txt", "TITLE-PICTURE");
    Write("art/bell.txt", "BELL");
  }
  fs::path Data() const { return fs::path(temp_.Path()) / "data"; }
  void Write(const std::string& underData, const std::string& text) const {
    fs::create_directories((Data() / underData).parent_path());
    cellwright_test::WriteBytes((Data() / underData).string(), text);
  }
  // A build into a folder of its own.
  databuild::BuildOptions Options(const std::string& tag) const {
    const fs::path root = fs::path(temp_.Path()) / tag;
    return {Data(), root / "out", root / "cache", root / "directories.cpp", root / "sheets", {}};
  }
  databuild::BuildReport Build(const std::string& tag = "a") {
    databuild::BuildReport report;
    EXPECT_TRUE(databuild::Build(Options(tag), &report)) << ::testing::PrintToString(report.errors);
    return report;
  }
  std::string Out(const std::string& file, const std::string& tag = "a") const {
    return ReadBytes((Options(tag).outDir / file).string());
  }

  cellwright_test::TempFolder temp_;
};

TEST_F(BuilderTest, PacksTheArchivesRemakesOnlyChangedRowsAndPrunesLooseFiles) {
  const databuild::BuildReport report = Build();
  EXPECT_EQ(report.generated, 6);
  // Members end to end in manifest order, no header, no padding.
  EXPECT_EQ(Out("bmp.arc"), "TITLE-PICTURE地図.bmp|map-recipe|bmp4k");
  EXPECT_EQ(Out("wave.arc"), "01SE.wma|chime|wmaBELL");
  EXPECT_EQ(Out("BGM/m01.mid"), "m01.mid|song|mid");
  EXPECT_EQ(Out("MOVIE/op.arc"), "op.arc|movie|avi");
  EXPECT_TRUE(fs::is_empty(Options("a").cacheDir / "work"));
  // Written through a temporary file and a rename, which leaves nothing else.
  EXPECT_EQ(std::distance(fs::directory_iterator(Options("a").outDir), {}), 4);
  // The directories as written; the real data's build shows its rows are right.
  // Octal escapes keep a quote, a backslash or a trigraph's '?' from changing the text.
  EXPECT_EQ(ReadBytes(Options("a").directories.string()),
            databuild::DirectoriesSource(report.pictures, report.sounds));
  EXPECT_NE(databuild::DirectoriesSource({}, {{"a\"b?\\.wma", 5, 6}})
                .find("kSounds[] = {\n    {\"a\\042b\\077\\134.wma\", 5u, 6u},"),
            std::string::npos);

  // Only rows whose inputs changed are made again.
  const databuild::BuildReport again = Build();
  EXPECT_EQ(again.generated, 0);
  Write("art/bell.txt", "BELL2");
  EXPECT_EQ(Build().generated, 1);
  EXPECT_EQ(Out("wave.arc"), "01SE.wma|chime|wmaBELL2");
  // A row no longer there takes its loose file along.
  Write("manifest/m.tsv",
        kManifest.substr(0, kManifest.find("m01.mid")) + "m02.mid\tcounting\tsong\tmid\tBGM\n");
  EXPECT_EQ(Build().generated, 1);
  EXPECT_TRUE(fs::exists(Options("a").outDir / "BGM" / "m02.mid"));
  EXPECT_FALSE(fs::exists(Options("a").outDir / "BGM" / "m01.mid"));
  EXPECT_FALSE(fs::exists(Options("a").outDir / "MOVIE" / "op.arc"));
  // The key holds every field of the row and the family's version; not where the row stands.
  const Asset asset{"a", "counting", "s", "f", "t", 1, "m.tsv"};
  const std::string key = databuild::CacheKey(asset, Data());
  EXPECT_EQ(databuild::CacheKey({"a", "counting", "s", "f", "t", 9, "n.tsv"}, Data()), key);
  for (std::string Asset::*field :
       {&Asset::name, &Asset::family, &Asset::source, &Asset::format, &Asset::target}) {
    Asset changed = asset;
    changed.*field += "x";
    EXPECT_NE(databuild::CacheKey(changed, Data()), key);
  }
  databuild::RegisterGenerator("counting", Counting, "2");
  EXPECT_NE(databuild::CacheKey(asset, Data()), key);
}

// Real rendering too: an SVG through the picture family, with its contact sheet.
TEST_F(BuilderTest, TwoBuildsAreByteIdenticalAndPictureFamiliesGetContactSheets) {
  Write("pictures/dot.svg",
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'><rect width='20' "
        "height='10' fill='#369'/><circle cx='10' cy='5' r='4' fill='#f80'/></svg>");
  Write("manifest/n.tsv",
        "dot.bmp\tsvg\tpictures/dot.svg\tbmp8\tbmp.arc\n"
        "dot4.bmp\tsvg\tpictures/dot.svg\tbmp4k\tbmp.arc\n");
  Build("a");
  Build("b");
  EXPECT_EQ(Out("bmp.arc", "a"), Out("bmp.arc", "b"));
  EXPECT_EQ(Out("../directories.cpp", "a"), Out("../directories.cpp", "b"));
  EXPECT_EQ(Out("../sheets/svg.png").substr(1, 3), "PNG");
  EXPECT_FALSE(fs::exists(Options("a").sheets / "counting.png"));  // not pictures
}

TEST_F(BuilderTest, AnyErrorStopsTheBuildNamingItsRow) {
  // manifest, how each error goes on after the file's name, whether any generator ran
  using R = std::tuple<std::string, std::vector<std::string>, bool>;
  for (const auto& [manifest, errors, generated] :
       {R{"title.BMP\tcounting\tx\tbmp8\tbmp.arc\n",
          {"z.tsv:1: 'title.BMP' is the same name as 'Title.bmp'"},
          false},
        R{"# gone\ngone.bmp\tsvg\tpictures/gone.svg\tbmp8\tbmp.arc\n"
          "out.bmp\tsvg\t../secret.svg\tbmp8\tbmp.arc\n",
          {"z.tsv:2: gone.bmp: ",
           "z.tsv:3: out.bmp: the source '../secret.svg' must be a path inside data/"},
          true}}) {
    SCOPED_TRACE(manifest);
    Write("manifest/z.tsv", manifest);
    databuild::BuildReport report;
    EXPECT_FALSE(databuild::Build(Options("a"), &report));
    EXPECT_FALSE(fs::exists(Options("a").outDir / "bmp.arc"));
    EXPECT_FALSE(fs::exists(Options("a").directories));
    EXPECT_EQ(report.generated > 0, generated);
    ASSERT_EQ(report.errors.size(), errors.size());
    for (std::size_t i = 0; i < errors.size(); ++i) {
      EXPECT_NE(report.errors[i].find(errors[i]), std::string::npos) << report.errors[i];
    }
  }
}

TEST(Builder, AMissingManifestFolderOrAnUnwritableFileIsAnError) {
  cellwright_test::TempFolder temp;
  databuild::BuildReport report;
  EXPECT_FALSE(
      databuild::Build({temp.Path(), temp.Sub("out"), temp.Sub("cache"), {}, {}, {}}, &report));
  EXPECT_NE(report.errors.at(0).find(": cannot list the manifest folder"), std::string::npos);
  std::string error;
  EXPECT_FALSE(databuild::WriteFileAtomically(temp.Folder() + "no/f", {1}, &error));
  EXPECT_NE(error.find(temp.Folder() + "no/f"), std::string::npos);
}

}  // namespace
