#include "tools/databuild/manifest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

using databuild::Asset;
using databuild::CheckManifest;
using databuild::ParseManifest;

// A family that exists only so rows of these tests have a generator.
const databuild::GeneratorRegistrar kTestFamily("manifest-test", [](const Asset&,
                                                                    const databuild::BuildContext&,
                                                                    std::string*) {
  return std::optional<std::vector<std::uint8_t>>(std::vector<std::uint8_t>{});
});

std::vector<std::string> ParseErrors(const std::string& text) {
  std::vector<std::string> errors;
  ParseManifest(text, "m.tsv", &errors);
  return errors;
}

std::vector<std::string> CheckErrors(const std::string& text) {
  std::vector<std::string> errors;
  const std::vector<Asset> assets = ParseManifest(text, "m.tsv", &errors);
  EXPECT_TRUE(errors.empty()) << errors.front();
  EXPECT_FALSE(CheckManifest(assets, &errors));
  return errors;
}

TEST(ManifestParse, RowsCommentsAndBlankLines) {
  std::vector<std::string> errors;
  const std::vector<Asset> assets = ParseManifest(
      "# heading\n\n"
      "a.bmp\tmanifest-test\tpictures/a.svg\tbmp8\tbmp.arc\n"
      "  # indented comment\r\n"
      "01SE.wma\tmanifest-test\tchime\twma\twave.arc\r\n"
      "last.mid\tmanifest-test\tsong\tmid\tBGM",  // no final newline
      "m.tsv", &errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  ASSERT_EQ(assets.size(), 3u);
  EXPECT_EQ(assets[0].name, "a.bmp");
  EXPECT_EQ(assets[0].family, "manifest-test");
  EXPECT_EQ(assets[0].source, "pictures/a.svg");
  EXPECT_EQ(assets[0].format, "bmp8");
  EXPECT_EQ(assets[0].target, "bmp.arc");
  EXPECT_EQ(assets[0].line, 3);
  EXPECT_EQ(assets[0].manifest, "m.tsv");
  EXPECT_EQ(assets[1].name, "01SE.wma");
  EXPECT_EQ(assets[1].target, "wave.arc");  // the carriage return is not part of the field
  EXPECT_EQ(assets[1].line, 5);
  EXPECT_EQ(assets[2].line, 6);
  EXPECT_TRUE(CheckManifest(assets, &errors)) << errors.front();
}

TEST(ManifestParse, MalformedRowsAreReportedWithFileAndLine) {
  const std::vector<std::string> errors = ParseErrors(
      "a.bmp\tui\tx\tbmp8\n"                  // four fields
      "b.bmp\tui\tx\tbmp8\tbmp.arc\textra\n"  // six
      "c.bmp\t\tx\tbmp8\tbmp.arc\n"           // empty family
      "d.bmp \tui\tx\tbmp8\tbmp.arc\n");      // trailing space in the name
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0].rfind("m.tsv:1: expected 5 tab-separated fields", 0), 0u) << errors[0];
  EXPECT_NE(errors[0].find("found 4"), std::string::npos);
  EXPECT_NE(errors[1].find("m.tsv:2:"), std::string::npos);
  EXPECT_NE(errors[1].find("found 6"), std::string::npos);
  EXPECT_EQ(errors[2], "m.tsv:3: the family is empty or has spaces at its ends");
  EXPECT_EQ(errors[3], "m.tsv:4: the name is empty or has spaces at its ends");
}

TEST(ManifestCheck, NamesClashWithinATargetWithoutAsciiCase) {
  const std::vector<std::string> errors = CheckErrors(
      "Title.BMP\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "title.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("m.tsv:2: 'title.bmp' is the same name as 'Title.BMP' (m.tsv:1)", 0),
            0u)
      << errors[0];
}

TEST(ManifestCheck, SameNameInDifferentTargetsAndFullWidthCaseAreDistinct) {
  std::vector<std::string> errors;
  const std::vector<Asset> assets = ParseManifest(
      "a.wma\tmanifest-test\tx\twma\twave.arc\n"
      "a.mid\tmanifest-test\tx\tmid\tBGM\n"
      "Ａ.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"  // full-width letters never fold
      "ａ.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      // ア (83 41) and ヂ (83 61) differ only in a trail byte that looks like a letter.
      "ア.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "ヂ.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n",
      "m.tsv", &errors);
  EXPECT_TRUE(CheckManifest(assets, &errors)) << errors.front();
}

TEST(ManifestCheck, TrailBytesAreNotFolded) {
  EXPECT_EQ(databuild::FoldSjisCase("AB\x83\x41Z"), "ab\x83\x41z");
  EXPECT_EQ(databuild::FoldSjisCase("\x83"), "\x83");  // a lone lead byte at the end
}

TEST(ManifestCheck, UnknownFamilyHasNoGenerator) {
  const std::vector<std::string> errors = CheckErrors("a.bmp\tno-such-family\tx\tbmp8\tbmp.arc\n");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "m.tsv:1: no generator for family 'no-such-family'");
}

TEST(ManifestCheck, FormatsMustSuitTheirTarget) {
  const std::vector<std::string> errors = CheckErrors(
      "a.bmp\tmanifest-test\tx\twma\tbmp.arc\n"
      "b.wma\tmanifest-test\tx\tbmp8\twave.arc\n"
      "c.mid\tmanifest-test\tx\tavi\tBGM\n"
      "d.arc\tmanifest-test\tx\tmid\tMOVIE\n"
      "e.bmp\tmanifest-test\tx\tbmp16\tbmp.arc\n"
      "f.bmp\tmanifest-test\tx\tbmp8\tpictures.arc\n");
  ASSERT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors[0],
            "m.tsv:1: format 'wma' cannot go into bmp.arc (bmp8, bmp8k, bmp4, bmp4k, bmp24)");
  EXPECT_EQ(errors[1], "m.tsv:2: format 'bmp8' cannot go into wave.arc (wma)");
  EXPECT_EQ(errors[2], "m.tsv:3: format 'avi' cannot go into BGM (mid)");
  EXPECT_EQ(errors[3], "m.tsv:4: format 'mid' cannot go into MOVIE (avi)");
  EXPECT_NE(errors[4].find("format 'bmp16'"), std::string::npos);
  EXPECT_EQ(errors[5], "m.tsv:6: unknown target 'pictures.arc' (bmp.arc, wave.arc, BGM or MOVIE)");
}

TEST(ManifestCheck, NamesEndInTheirTargetsExtension) {
  const std::vector<std::string> errors = CheckErrors(
      "a.png\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "b.wav\tmanifest-test\tx\twma\twave.arc\n"
      ".mid\tmanifest-test\tx\tmid\tBGM\n");
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0], "m.tsv:1: a name in bmp.arc ends in .bmp: 'a.png'");
  EXPECT_EQ(errors[1], "m.tsv:2: a name in wave.arc ends in .wma: 'b.wav'");
  EXPECT_EQ(errors[2], "m.tsv:3: a name in BGM ends in .mid: '.mid'");
}

TEST(ManifestCheck, NamesNeedAShiftJisFormAndNoFolders) {
  const std::vector<std::string> errors = CheckErrors(
      "\xC3\xA9t\xC3\xA9.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"  // é has no CP932 form
      "😀.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "sub/a.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "b\\c.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n"
      "..\tmanifest-test\tx\tavi\tMOVIE\n");
  ASSERT_EQ(errors.size(), 5u);
  EXPECT_EQ(errors[0], "m.tsv:1: 'été.bmp' has no Shift-JIS (CP932) form");
  EXPECT_EQ(errors[1], "m.tsv:2: '😀.bmp' has no Shift-JIS (CP932) form");
  EXPECT_EQ(errors[2], "m.tsv:3: 'sub/a.bmp' cannot be a file name");
  EXPECT_EQ(errors[3], "m.tsv:4: 'b\\c.bmp' cannot be a file name");
  EXPECT_EQ(errors[4], "m.tsv:5: '..' cannot be a file name");
}

TEST(ManifestLoad, FilesAreReadInSortedOrder) {
  cellwright_test::TempFolder temp;
  const std::string folder = temp.Sub("manifest");
  std::ofstream(folder + "b.tsv") << "second.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n";
  std::ofstream(folder + "a.tsv") << "first.bmp\tmanifest-test\tx\tbmp8\tbmp.arc\n";
  std::ofstream(folder + "c.tsv");  // empty files are allowed
  std::ofstream(folder + "notes.txt") << "not a manifest\n";
  std::vector<std::string> errors;
  const std::vector<Asset> assets = databuild::LoadManifest(temp.Path(), &errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  ASSERT_EQ(assets.size(), 2u);
  EXPECT_EQ(assets[0].name, "first.bmp");
  EXPECT_EQ(assets[1].name, "second.bmp");
  EXPECT_EQ(std::filesystem::path(assets[1].manifest).filename(), "b.tsv");
}

TEST(ManifestLoad, AMissingManifestFolderIsAnError) {
  cellwright_test::TempFolder temp;
  std::vector<std::string> errors;
  EXPECT_TRUE(databuild::LoadManifest(temp.Path(), &errors).empty());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("cannot list the manifest folder"), std::string::npos);
}

}  // namespace
