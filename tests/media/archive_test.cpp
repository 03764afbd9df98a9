#include "media/archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using media::Archive;
using media::ArchiveEntry;

// Members end to end from offset 0; the last row points past the file's end
// and the one before it straddles the end.
const ArchiveEntry kDirectory[] = {
    {"01SE.wma", 0, 6},       // "AAAAAA"
    {"t01.bmp", 6, 4},        // "BBBB"
    {"\x83\x41.bmp", 10, 3},  // "CCC"
    {"dup.bmp", 13, 2},       // "DD"
    {"DUP.BMP", 15, 2},       // "EE": same name, never reached
    {"tail.bmp", 15, 10},     // "EE" and then the end of the file
    {"gone.bmp", 1000, 5},    // entirely past the end
    {nullptr, 0, 0},
};
const std::string kContent = "AAAAAABBBBCCCDDEE";

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = temp_.Folder() + "test.arc";
    cellwright_test::WriteBytes(path_, kContent);
    ASSERT_EQ(archive_.Open(path_.c_str(), kDirectory), 1);
  }
  std::string ReadAll(std::uint32_t ask) {
    std::vector<char> buffer(ask + 16, '?');
    const std::uint32_t got = archive_.Read(buffer.data(), ask);
    EXPECT_LE(got, ask);
    return std::string(buffer.data(), got);
  }

  cellwright_test::TempFolder temp_;
  std::string path_;
  Archive archive_;
};

TEST_F(ArchiveTest, FindsMembersWithoutLetterCase) {
  for (const char* name :
       {"01se.wma", "01SE.WMA", "01Se.wMa", "wave/01se.WMA", "c:\\x\\01SE.wma"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(archive_.Find(name, archive_.readMode), 1);
    EXPECT_EQ(archive_.Size(), 6u);
    EXPECT_EQ(ReadAll(6), "AAAAAA");
  }
}

TEST_F(ArchiveTest, FindSeeksToTheMember) {
  ASSERT_EQ(archive_.Find("T01.BMP", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(2), "BB");
  EXPECT_EQ(ReadAll(2), "BB");
  // Finding again starts over.
  ASSERT_EQ(archive_.Find("t01.bmp", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(4), "BBBB");
}

TEST_F(ArchiveTest, TheFirstMatchingRowWins) {
  ASSERT_EQ(archive_.Find("Dup.Bmp", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(100), "DD");
}

TEST_F(ArchiveTest, KanjiTrailBytesDoNotFold) {
  EXPECT_EQ(archive_.Find("\x83\x61.bmp", archive_.readMode), 0);
  ASSERT_EQ(archive_.Find("\x83\x41.BMP", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(3), "CCC");
}

TEST_F(ArchiveTest, ReadsStopAtTheMembersEnd) {
  ASSERT_EQ(archive_.Find("01se.wma", archive_.readMode), 1);
  // More than the member holds: exactly its bytes, never the next member's.
  EXPECT_EQ(ReadAll(archive_.Size() + 5), "AAAAAA");
  EXPECT_EQ(ReadAll(10), "");
  ASSERT_EQ(archive_.Find("\x83\x41.bmp", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(1), "C");
  EXPECT_EQ(ReadAll(50), "CC");
  EXPECT_EQ(ReadAll(50), "");
}

TEST_F(ArchiveTest, RowsPastTheFileEndGiveShortReads) {
  ASSERT_EQ(archive_.Find("tail.bmp", archive_.readMode), 1);
  EXPECT_EQ(archive_.Size(), 10u);  // the directory's word, even if the file is short
  EXPECT_EQ(ReadAll(10), "EE");
  EXPECT_EQ(ReadAll(10), "");
  ASSERT_EQ(archive_.Find("gone.bmp", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(5), "");
}

TEST_F(ArchiveTest, WritingNeverSelectsAMember) {
  EXPECT_EQ(archive_.Find("t01.bmp", archive_.writeMode), 0);
  EXPECT_EQ(archive_.Size(), 0u);
  char c = 0;
  EXPECT_EQ(archive_.Read(&c, 1), 0u);
  // Any other mode reads.
  EXPECT_EQ(archive_.Find("t01.bmp", 0), 1);
}

TEST_F(ArchiveTest, UnknownNamesDeselect) {
  ASSERT_EQ(archive_.Find("t01.bmp", archive_.readMode), 1);
  for (const char* name : {"t01.bm", "t01.bmpx", "", "t01.bmp/", "bmp/", "t01"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(archive_.Find(name, archive_.readMode), 0);
    EXPECT_EQ(archive_.Size(), 0u);
  }
  EXPECT_EQ(archive_.Find(nullptr, archive_.readMode), 0);
}

TEST_F(ArchiveTest, CloseDeselectsButKeepsTheFile) {
  ASSERT_EQ(archive_.Find("t01.bmp", archive_.readMode), 1);
  EXPECT_EQ(archive_.Close(), 1);
  EXPECT_EQ(archive_.Size(), 0u);
  char c = 0;
  EXPECT_EQ(archive_.Read(&c, 1), 0u);
  EXPECT_EQ(archive_.Close(), 1);
  ASSERT_EQ(archive_.Find("01SE.WMA", archive_.readMode), 1);
  EXPECT_EQ(ReadAll(6), "AAAAAA");
}

TEST(ArchiveWithout, ADirectoryFindsNothing) {
  cellwright_test::TempFolder temp;
  cellwright_test::WriteBytes(temp.Folder() + "a.arc", kContent);
  Archive archive;
  ASSERT_EQ(archive.Open((temp.Folder() + "a.arc").c_str(), nullptr), 1);
  EXPECT_EQ(archive.Find("t01.bmp", archive.readMode), 0);
  const ArchiveEntry empty[] = {{nullptr, 0, 0}};
  ASSERT_EQ(archive.Open((temp.Folder() + "a.arc").c_str(), empty), 1);
  EXPECT_EQ(archive.Find("t01.bmp", archive.readMode), 0);
}

TEST(ArchiveWithout, ItsFileFindsNothing) {
  cellwright_test::TempFolder temp;
  Archive archive;
  EXPECT_EQ(archive.Open((temp.Folder() + "missing.arc").c_str(), kDirectory), 0);
  EXPECT_EQ(archive.Find("t01.bmp", archive.readMode), 0);
  EXPECT_EQ(archive.Size(), 0u);
  // Reopening an archive drops its selection.
  cellwright_test::WriteBytes(temp.Folder() + "a.arc", kContent);
  ASSERT_EQ(archive.Open((temp.Folder() + "a.arc").c_str(), kDirectory), 1);
  ASSERT_EQ(archive.Find("t01.bmp", archive.readMode), 1);
  EXPECT_EQ(archive.Open((temp.Folder() + "missing.arc").c_str(), kDirectory), 0);
  EXPECT_EQ(archive.Size(), 0u);
}

TEST(ProcessArchives, DirectoriesAreAlwaysDefined) {
  ASSERT_NE(media::PictureDirectory, nullptr);
  ASSERT_NE(media::SoundDirectory, nullptr);
}

}  // namespace
