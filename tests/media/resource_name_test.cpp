#include "media/resource_name.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"

namespace {

using media::ExtensionOf;
using media::FileNamePart;
using media::KindOf;
using media::PlaceOf;
using media::ResourceKind;

TEST(ResourceName, ExtensionRunsFromTheLastDotOrBackslash) {
  EXPECT_EQ(ExtensionOf("a.bmp"), ".bmp");
  EXPECT_EQ(ExtensionOf("a.b.wav"), ".wav");
  EXPECT_EQ(ExtensionOf("dir.x\\name"), "\\name");
  EXPECT_EQ(ExtensionOf("a."), ".");
  // The first byte is never taken as the start: without a later one the whole
  // name is compared.
  EXPECT_EQ(ExtensionOf(".bmp"), ".bmp");
  EXPECT_EQ(ExtensionOf("bmp"), "bmp");
  EXPECT_EQ(ExtensionOf("x"), "x");
  EXPECT_EQ(ExtensionOf(""), "");
}

TEST(ResourceName, KindFollowsTheExtensionWithoutCase) {
  EXPECT_EQ(KindOf("t01.bmp"), ResourceKind::Picture);
  EXPECT_EQ(KindOf("T01.BMP"), ResourceKind::Picture);
  EXPECT_EQ(KindOf("01se.wav"), ResourceKind::Sound);
  EXPECT_EQ(KindOf("01SE.WaV"), ResourceKind::Sound);
  EXPECT_EQ(KindOf("m01.mid"), ResourceKind::Music);
  EXPECT_EQ(KindOf("op.ARC"), ResourceKind::Movie);
  EXPECT_EQ(KindOf(".bmp"), ResourceKind::Picture);
}

TEST(ResourceName, EverythingElseIsRaw) {
  EXPECT_EQ(KindOf("/save/SAVE01.DAT"), ResourceKind::Raw);
  EXPECT_EQ(KindOf("a.bmp.txt"), ResourceKind::Raw);
  EXPECT_EQ(KindOf("a.bmpx"), ResourceKind::Raw);
  EXPECT_EQ(KindOf("a.bm"), ResourceKind::Raw);
  EXPECT_EQ(KindOf("bmp"), ResourceKind::Raw);
  EXPECT_EQ(KindOf("x.bmp\\"), ResourceKind::Raw);
  EXPECT_EQ(KindOf(""), ResourceKind::Raw);
  // Only ASCII letters fold: a full-width letter is not an extension.
  EXPECT_EQ(KindOf(platform::Sjis("a.ｂｍｐ")), ResourceKind::Raw);
}

TEST(ResourceName, FileNamePartSkipsKanjiTrailBytes) {
  EXPECT_EQ(FileNamePart("wave/01SE.WMA"), "01SE.WMA");
  EXPECT_EQ(FileNamePart("a\\b/c\\d.bmp"), "d.bmp");
  EXPECT_EQ(FileNamePart("plain.bmp"), "plain.bmp");
  EXPECT_EQ(FileNamePart("bmp/"), "");
  // 表 is 0x95 0x5C: its second byte is not a backslash.
  const std::string omote = platform::Sjis("表.bmp");
  ASSERT_EQ(omote.substr(0, 2), "\x95\x5C");
  EXPECT_EQ(FileNamePart("bmp/" + omote), omote);
  EXPECT_EQ(FileNamePart("x\\" + omote), omote);
  // A lead byte with nothing after it cannot swallow anything.
  EXPECT_EQ(FileNamePart("a/\x95"), "\x95");
}

TEST(ResourceName, PlacesPerKind) {
  struct Case {
    std::string name;
    ResourceKind kind;
    bool inMediaFolder;
    std::string relative;
  };
  for (const Case& c : {Case{"t01.bmp", ResourceKind::Picture, false, "bmp/t01.bmp"},
                        Case{"01se.wav", ResourceKind::Sound, false, "wave/01se.WMA"},
                        Case{"a.b.wav", ResourceKind::Sound, false, "wave/a.b.WMA"},
                        Case{"X.WAV", ResourceKind::Sound, false, "wave/X.WMA"},
                        Case{"m01.mid", ResourceKind::Music, true, "bgm/m01.mid"},
                        Case{"op.arc", ResourceKind::Movie, true, "movie/op.arc"}}) {
    SCOPED_TRACE(c.name);
    const media::ResourcePlace place = PlaceOf(c.name);
    EXPECT_EQ(place.kind, c.kind);
    EXPECT_EQ(place.inMediaFolder, c.inMediaFolder);
    EXPECT_EQ(place.relativeSjis, c.relative);
    ASSERT_TRUE(place.relativeUtf8.has_value());
    EXPECT_EQ(*place.relativeUtf8, c.relative);
  }
}

TEST(ResourceName, ShiftJisNameBecomesUtf8OnDisk) {
  const media::ResourcePlace place = PlaceOf(platform::Sjis("地図.bmp"));
  EXPECT_EQ(place.relativeSjis, "bmp/" + platform::Sjis("地図.bmp"));
  ASSERT_TRUE(place.relativeUtf8.has_value());
  EXPECT_EQ(*place.relativeUtf8, "bmp/地図.bmp");
}

TEST(ResourceName, NamesThatCannotBeLooseFiles) {
  // Not Shift-JIS: a lone lead byte before the extension.
  const media::ResourcePlace broken = PlaceOf("\x83.bmp");
  EXPECT_EQ(broken.kind, ResourceKind::Picture);
  EXPECT_EQ(broken.relativeSjis, "bmp/\x83.bmp");
  EXPECT_FALSE(broken.relativeUtf8.has_value());
  // Names that would leave their folder.
  for (const char* hostile : {"../../etc/passwd.bmp", "..\\x.bmp", "a/b.wav", "/abs.mid"}) {
    SCOPED_TRACE(hostile);
    EXPECT_FALSE(PlaceOf(hostile).relativeUtf8.has_value());
    EXPECT_NE(PlaceOf(hostile).kind, ResourceKind::Raw);
  }
  // A dotted name that stays inside is fine.
  EXPECT_TRUE(PlaceOf("..x.bmp").relativeUtf8.has_value());
}

TEST(ResourceName, SafeFileNames) {
  EXPECT_TRUE(media::IsSafeFileName("a.bmp"));
  EXPECT_TRUE(media::IsSafeFileName("...bmp"));
  EXPECT_FALSE(media::IsSafeFileName(""));
  EXPECT_FALSE(media::IsSafeFileName("."));
  EXPECT_FALSE(media::IsSafeFileName(".."));
  EXPECT_FALSE(media::IsSafeFileName("a/b"));
  EXPECT_FALSE(media::IsSafeFileName("a\\b"));
  EXPECT_FALSE(media::IsSafeFileName(std::string("a\0b", 3)));
}

}  // namespace
