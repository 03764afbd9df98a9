// The rules that turn a resource name into a place: Shift-JIS comparison
// without case, the kind and folder a name gives, and the case-blind path match.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "media/path_resolver.h"
#include "media/resource_name.h"
#include "media/sjis_compare.h"
#include "platform/encoding.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using media::LastComponent;
using media::ResourceKind;
using media::SjisCompareNoCase;

TEST(SjisCompare, OnlySingleByteLettersFold) {
  using R = std::tuple<std::string, std::string, bool>;  // a, b, the same
  for (const auto& [a, b, same] :
       {R{"01SE.WMA", "01se.wma", true}, R{"01Se.wMa", "01sE.WmA", true}, R{"", "", true},
        R{"01SE.WMA", "01SE.WM", false}, R{"a", "", false},
        // 0x20 apart like a letter's cases, but outside A-Z; half-width katakana have no case.
        R{"@", "`", false}, R{"[", "{", false}, R{"\\", "|", false}, R{"\xB1", "\x91", false},
        R{"\xB1X", "\xB1x", true},
        // The second byte of ア (0x83 0x41) looks like 'A' but is half a character.
        R{"\x83\x41.bmp", "\x83\x61.bmp", false}, R{"\xE0\x5A", "\xE0\x7A", false},
        R{"\x83\x41.BMP", "\x83\x41.bmp", true}, R{"\x83\x41X", "\x83\x41x", true},
        // A lead byte at the end stands alone.
        R{"x\x83", "X\x83", true}, R{"x\x83", "x\x83X", false}}) {
    SCOPED_TRACE(a + " / " + b);
    const int ab = SjisCompareNoCase(a, b);
    EXPECT_EQ(ab == 0, same);
    EXPECT_EQ(ab<0, SjisCompareNoCase(b, a)> 0);  // an order, for sorting
    EXPECT_EQ(SjisCompareNoCase(a.c_str(), b.c_str()) == 0, same);
  }
  // A null pointer sorts first.
  EXPECT_EQ(SjisCompareNoCase(static_cast<const char*>(nullptr), nullptr), 0);
  EXPECT_LT(SjisCompareNoCase(nullptr, ""), 0);
  EXPECT_GT(SjisCompareNoCase("", nullptr), 0);
}

TEST(ResourceName, KindAndPlaceFollowTheExtensionWithoutAsciiCase) {
  using enum ResourceKind;
  // name, kind, relative path; whether a loose file can match (then its path is the UTF-8 form)
  using R = std::tuple<std::string, ResourceKind, std::string, bool>;
  for (const auto& [name, kind, sjis, loose] :
       {R{"t01.bmp", Picture, "bmp/t01.bmp", true}, R{"T01.BMP", Picture, "bmp/T01.BMP", true},
        R{".bmp", Picture, "bmp/.bmp", true}, R{"01SE.WaV", Sound, "wave/01SE.WMA", true},
        R{"a.b.wav", Sound, "wave/a.b.WMA", true}, R{"m01.mid", Music, "bgm/m01.mid", true},
        R{"op.ARC", Movie, "movie/op.ARC", true},
        R{platform::Sjis("地図.bmp"), Picture, platform::Sjis("bmp/地図.bmp"), true},
        R{"..x.bmp", Picture, "bmp/..x.bmp", true},
        // No UTF-8 form (a lone lead byte), or a name that would leave its folder.
        R{"\x83.bmp", Picture, "bmp/\x83.bmp", false},
        R{"../../etc/passwd.bmp", Picture, "bmp/../../etc/passwd.bmp", false},
        R{"..\\x.bmp", Picture, "bmp/..\\x.bmp", false}, R{"a/b.wav", Sound, "wave/a/b.WMA", false},
        // The extension runs from the last '.' or '\\'; full-width letters do not fold.
        R{"/save/SAVE01.DAT", Raw, "", false}, R{"a.bmp.txt", Raw, "", false},
        R{"a.bmpx", Raw, "", false}, R{"a.bm", Raw, "", false}, R{"bmp", Raw, "", false},
        R{"x.bmp\\", Raw, "", false}, R{"", Raw, "", false},
        R{platform::Sjis("a.ｂｍｐ"), Raw, "", false}}) {
    SCOPED_TRACE(name);
    const media::ResourcePlace place = media::PlaceOf(name);
    EXPECT_EQ(place.kind, kind);
    EXPECT_EQ(place.inMediaFolder, kind == Music || kind == Movie);
    EXPECT_EQ(place.relativeSjis, sjis);
    EXPECT_EQ(place.relativeUtf8, loose ? platform::Cp932ToUtf8(sjis) : std::nullopt);
  }
}

TEST(ResourceName, FileNamePartSkipsKanjiTrailBytes) {
  const std::string omote = platform::Sjis("表.bmp");  // 0x95 0x5C: no backslash inside
  using R = std::pair<std::string, std::string>;
  for (const auto& [path, part] :
       {R{"wave/01SE.WMA", "01SE.WMA"}, R{"a\\b/c\\d.bmp", "d.bmp"}, R{"plain.bmp", "plain.bmp"},
        R{"bmp/", ""}, R{"bmp/" + omote, omote}, R{"x\\" + omote, omote},
        R{"a/\x95", "\x95"}}) {  // a lead byte with nothing after it swallows nothing
    EXPECT_EQ(media::FileNamePart(path), part) << path;
  }
}

TEST(PathResolver, ComponentsMatchWithoutAsciiCaseAndNeverLeaveTheFolder) {
  cellwright_test::TempFolder temp;
  for (const char* file : {"bgm/x.mid", "bgm/X.MID", "bgm/x.MID", "BGM", "wave/01SE.WMA",
                           "bmp/a.bmp", "bmp/地図.bmp", "bmp/ａ.bmp", "bmp/@.bmp", "bmp/[.bmp",
                           "Game/bmp/a.bmp", "inner/bmp/a.bmp", "save/old.dat"}) {
    const std::filesystem::path path = temp.Folder() + file;
    std::filesystem::create_directories(path.parent_path());
    cellwright_test::WriteBytes(path.string(), std::string(file));
  }
  const LastComponent read = LastComponent::MustExist, write = LastComponent::MayBeAbsent;
  const std::optional<std::string> none;
  // folder, relative path, last component, found: below the temporary folder
  using R = std::tuple<std::string, std::string, LastComponent, std::optional<std::string>>;
  for (const auto& [folder, relative, last, found] :
       {R{"", "WAVE/01se.wma", read, "wave/01SE.WMA"},
        // An exact name wins, else the first in byte order; only a folder holds the rest.
        R{"", "bgm/x.mid", read, "bgm/x.mid"}, R{"", "bgm/X.MID", read, "bgm/X.MID"},
        R{"", "bgm/x.MID", read, "bgm/x.MID"}, R{"", "bgm/X.mid", read, "bgm/X.MID"},
        R{"", "BGM/x.mid", read, "bgm/x.mid"}, R{"", "Bgm/x.mid", read, "bgm/x.mid"},
        // Only ASCII letters fold.
        R{"", "BMP/地図.BMP", read, "bmp/地図.bmp"}, R{"", "bmp/Ａ.bmp", read, none},
        R{"", "bmp/`.bmp", read, none}, R{"", "bmp/{.bmp", read, none},
        R{"", "bmp/b.bmp", read, none}, R{"", "pic/a.bmp", read, none},
        R{"", "bmp/a.bmp/x", read, none}, R{"", "", read, none},
        // The folder is taken as given.
        R{"Game/", "bmp/a.bmp", read, "Game/bmp/a.bmp"}, R{"game/", "bmp/a.bmp", read, none},
        R{"Game", "BMP/A.BMP", read, "Game/bmp/a.bmp"}, R{"nowhere/", "bmp/a.bmp", read, none},
        R{"inner/", "../bmp/a.bmp", read, none}, R{"inner/", "bmp/../bmp/a.bmp", read, none},
        R{"inner/", "./bmp/a.bmp", read, none}, R{"inner/", "bmp//a.bmp", read, none},
        R{"inner/", "bmp/a.bmp/", read, none}, R{"inner/", "/bmp/a.bmp", read, none},
        R{"inner/", "bmp/.", read, none}, R{"inner/", "..", write, none},
        R{"", std::string("bmp/a.bmp\0x", 11), read, none},
        // Writing may name a new file, never a second one differing in case.
        R{"", "SAVE/new.dat", write, "save/new.dat"}, R{"", "save/OLD.DAT", write, "save/old.dat"},
        R{"", "nosuch/new.dat", write, none}, R{"", "save/new.dat", read, none}}) {
    SCOPED_TRACE(folder + " + " + relative);
    EXPECT_EQ(media::ResolvePath(temp.Folder() + folder, relative, last),
              found ? std::optional(temp.Folder() + *found) : none);
  }
  EXPECT_FALSE(media::ResolvePath("", "bmp/a.bmp").has_value());
}

}  // namespace
