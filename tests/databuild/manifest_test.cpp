#include "tools/databuild/manifest.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using databuild::Asset;

// A family that exists only so rows of these tests have a generator.
const databuild::GeneratorRegistrar kTestFamily("manifest-test", [](const Asset&,
                                                                    const databuild::BuildContext&,
                                                                    std::string*) {
  return std::optional<std::vector<std::uint8_t>>(std::vector<std::uint8_t>{});
});

// Every rule a manifest is held to, one row each: a manifest file's text and
// how the messages it gives begin, in order (none for a good one).
TEST(Manifest, EveryRuleIsCheckedAndReportedWithFileAndLine) {
  const auto row = [](const std::string& name, const std::string& format,
                      const std::string& target) {
    return name + "\tmanifest-test\tx\t" + format + "\t" + target + "\n";
  };
  using R = std::pair<std::string, std::vector<std::string>>;
  for (const auto& [text, messages] :
       {R{row("a.wma", "wma", "wave.arc") + row("a.mid", "mid", "BGM"), {}},
        // Full-width letters never fold; ア (83 41) and ヂ (83 61) differ in a trail byte.
        R{row("Ａ.bmp", "bmp8", "bmp.arc") + row("ａ.bmp", "bmp8", "bmp.arc"), {}},
        R{row("ア.bmp", "bmp8", "bmp.arc") + row("ヂ.bmp", "bmp8", "bmp.arc"), {}},
        R{row("Title.BMP", "bmp8", "bmp.arc") + row("title.bmp", "bmp8", "bmp.arc"),
          {"m.tsv:2: 'title.bmp' is the same name as 'Title.BMP' (m.tsv:1) in bmp.arc"}},
        R{"a.bmp\tno-such-family\tx\tbmp8\tbmp.arc\n",
          {"m.tsv:1: no generator for family 'no-such-family'"}},
        R{row("a.bmp", "wma", "bmp.arc"),
          {"m.tsv:1: format 'wma' cannot go into bmp.arc (bmp8, bmp8k, bmp4, bmp4k, bmp24)"}},
        R{row("b.wma", "bmp8", "wave.arc"), {"m.tsv:1: format 'bmp8' cannot go into wave.arc"}},
        R{row("c.mid", "avi", "BGM"), {"m.tsv:1: format 'avi' cannot go into BGM (mid)"}},
        R{row("d.arc", "mid", "MOVIE"), {"m.tsv:1: format 'mid' cannot go into MOVIE (avi)"}},
        R{row("e.bmp", "bmp16", "bmp.arc"), {"m.tsv:1: format 'bmp16' cannot go into"}},
        R{row("f.bmp", "bmp8", "pictures.arc"), {"m.tsv:1: unknown target 'pictures.arc'"}},
        R{row("a.png", "bmp8", "bmp.arc"), {"m.tsv:1: a name in bmp.arc ends in .bmp: 'a.png'"}},
        R{row("b.wav", "wma", "wave.arc"), {"m.tsv:1: a name in wave.arc ends in .wma"}},
        R{row(".mid", "mid", "BGM"), {"m.tsv:1: a name in BGM ends in .mid: '.mid'"}},
        R{row("été.bmp", "bmp8", "bmp.arc"), {"m.tsv:1: 'été.bmp' has no Shift-JIS"}},
        R{row("😀.bmp", "bmp8", "bmp.arc"), {"m.tsv:1: '😀.bmp' has no Shift-JIS"}},
        R{row("sub/a.bmp", "bmp8", "bmp.arc"), {"m.tsv:1: 'sub/a.bmp' cannot be a file name"}},
        R{row("b\\c.bmp", "bmp8", "bmp.arc"), {"m.tsv:1: 'b\\c.bmp' cannot be a file name"}},
        R{row("..", "avi", "MOVIE"), {"m.tsv:1: '..' cannot be a file name"}},
        R{row("a\x01.arc", "avi", "MOVIE"), {"m.tsv:1: 'a\x01.arc' cannot be a file name"}},
        // Rows the parser refuses are left out, so they are not checked further.
        R{"a.bmp\tui\tx\tbmp8\n",
          {"m.tsv:1: expected 5 tab-separated fields (name, family, source, format, target), "
           "found 4"}},
        R{"b.bmp\tui\tx\tbmp8\tbmp.arc\textra\n", {"m.tsv:1: expected 5 tab-separated fields"}},
        R{"#\nc.bmp\t\tx\tbmp8\tbmp.arc\n", {"m.tsv:2: the family is empty or has spaces"}},
        R{"d.bmp \tui\tx\tbmp8\tbmp.arc\n", {"m.tsv:1: the name is empty or has spaces"}}}) {
    SCOPED_TRACE(text);
    std::vector<std::string> errors;
    const std::vector<Asset> assets = databuild::ParseManifest(text, "m.tsv", &errors);
    const std::size_t parseErrors = errors.size();
    const bool ok = databuild::CheckManifest(assets, &errors);
    EXPECT_EQ(ok, errors.size() == parseErrors);
    ASSERT_EQ(errors.size(), messages.size()) << (errors.empty() ? "" : errors.front());
    for (std::size_t i = 0; i < errors.size(); ++i) {
      EXPECT_EQ(errors[i].rfind(messages[i], 0), 0u) << errors[i];
    }
  }
}

}  // namespace
