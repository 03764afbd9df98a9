#include "media/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using cellwright_test::ReadBytes;
using cellwright_test::WriteBytes;
using media::DataFile;

std::optional<std::uint64_t> Free249(int) {
  return 249;
}
std::optional<std::uint64_t> Free250(int) {
  return 250;
}
std::optional<std::uint64_t> FreeUnknown(int) {
  return std::nullopt;
}

class DataFileTest : public ::testing::Test {
 protected:
  void TearDown() override { media::SetFreeSpaceProbe(nullptr); }
  std::string Path(const std::string& name) const { return temp_.Folder() + name; }

 private:
  cellwright_test::TempFolder temp_;
};

TEST_F(DataFileTest, ModesAreTheWindowsAccessBits) {
  DataFile file;
  EXPECT_EQ(file.readMode, 0x80000000u);
  EXPECT_EQ(file.writeMode, 0x40000000u);
}

TEST_F(DataFileTest, ReadsARegularFile) {
  WriteBytes(Path("a.dat"), "0123456789");
  DataFile file;
  ASSERT_EQ(file.Open(Path("a.dat").c_str(), file.readMode), 1);
  EXPECT_EQ(file.Size(), 10u);
  char buffer[16] = {};
  EXPECT_EQ(file.Read(buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  // Asking past the end gives what is there.
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 6u);
  EXPECT_EQ(std::string(buffer, 6), "456789");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  // A read-only file takes no writes.
  EXPECT_EQ(file.Write("x", 1), 0u);
  EXPECT_EQ(ReadBytes(Path("a.dat")), "0123456789");
}

TEST_F(DataFileTest, AnyModeButWriteReads) {
  WriteBytes(Path("a.dat"), "abc");
  DataFile file;
  for (std::uint32_t mode : {0u, 1u, 0xC0000000u, 0x40000001u}) {
    SCOPED_TRACE(mode);
    ASSERT_EQ(file.Open(Path("a.dat").c_str(), mode), 1);
    char buffer[3] = {};
    EXPECT_EQ(file.Read(buffer, 3), 3u);
    EXPECT_EQ(file.Write("x", 1), 0u);
  }
  EXPECT_EQ(ReadBytes(Path("a.dat")), "abc");
}

TEST_F(DataFileTest, SeekFromEachOrigin) {
  WriteBytes(Path("a.dat"), "0123456789");
  DataFile file;
  ASSERT_EQ(file.Open(Path("a.dat").c_str(), file.readMode), 1);
  EXPECT_EQ(file.Seek(3, media::FILE_BEGIN), 3u);
  EXPECT_EQ(file.Seek(2, media::FILE_CURRENT), 5u);
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 1u);
  EXPECT_EQ(c, '5');
  EXPECT_EQ(file.Seek(-1, media::FILE_END), 9u);
  EXPECT_EQ(file.Read(&c, 1), 1u);
  EXPECT_EQ(c, '9');
  EXPECT_EQ(file.Seek(-1, media::FILE_BEGIN), media::SeekFailed);
  EXPECT_EQ(file.Seek(0, 7), media::SeekFailed);
  // Past the end is a position; reading there gives nothing.
  EXPECT_EQ(file.Seek(100, media::FILE_BEGIN), 100u);
  EXPECT_EQ(file.Read(&c, 1), 0u);
}

TEST_F(DataFileTest, SizeIsTheLow32Bits) {
  DataFile file;
  EXPECT_EQ(file.Size(), 0u);
  ASSERT_EQ(file.Open(Path("big.dat").c_str(), file.writeMode), 1);
  file.Close();
  // Sparse: costs no disk space where the file system allows it.
  if (truncate(Path("big.dat").c_str(), (off_t{1} << 32) + 10) != 0) GTEST_SKIP();
  ASSERT_EQ(file.Open(Path("big.dat").c_str(), file.readMode), 1);
  EXPECT_EQ(file.Size(), 10u);
  EXPECT_EQ(file.FullSize(), (std::uint64_t{1} << 32) + 10);
}

TEST_F(DataFileTest, MissingFilesAndBadPathsFail) {
  DataFile file;
  EXPECT_EQ(file.Open(Path("none.dat").c_str(), file.readMode), 0);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Open(nullptr, file.readMode), 0);
  EXPECT_EQ(file.Open("", file.readMode), 0);
  EXPECT_EQ(file.Open(Path("nofolder/x.dat").c_str(), file.writeMode), 0);
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 0u);
  EXPECT_EQ(file.Write(&c, 1), 0u);
  EXPECT_EQ(file.Seek(0, media::FILE_BEGIN), media::SeekFailed);
  EXPECT_EQ(file.Size(), 0u);
}

TEST_F(DataFileTest, OpenClosesThePreviousFileFirst) {
  WriteBytes(Path("a.dat"), "aaaa");
  DataFile file;
  ASSERT_EQ(file.Open(Path("a.dat").c_str(), file.readMode), 1);
  EXPECT_EQ(file.Open(Path("none.dat").c_str(), file.readMode), 0);
  EXPECT_FALSE(file.IsOpen());
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 0u);
}

TEST_F(DataFileTest, FoldersAndFifosAreRefusedWithoutBlocking) {
  std::filesystem::create_directory(Path("dir.bmp"));
  ASSERT_EQ(mkfifo(Path("fifo.bmp").c_str(), 0600), 0);
  DataFile file;
  for (const char* name : {"dir.bmp", "fifo.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(file.Open(Path(name).c_str(), file.readMode), 0);
    EXPECT_FALSE(file.IsOpen());
    // Without a reader, opening a FIFO to write would wait for one.
    EXPECT_EQ(file.Open(Path(name).c_str(), file.writeMode), 0);
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(file.Open("/dev/null", file.readMode), 0);
}

TEST_F(DataFileTest, WritingKeepsWhatItDoesNotOverwrite) {
  WriteBytes(Path("save.dat"), "0123456789");
  DataFile file;
  ASSERT_EQ(file.Open(Path("save.dat").c_str(), file.writeMode), 1);
  EXPECT_EQ(file.Write("ab", 2), 2u);
  EXPECT_EQ(file.Seek(0, media::FILE_END), 10u);
  EXPECT_EQ(file.Write("Z", 1), 1u);
  char c = 0;
  EXPECT_EQ(file.Read(&c, 1), 0u);  // write-only
  EXPECT_EQ(file.Size(), 11u);
  file.Close();
  EXPECT_EQ(ReadBytes(Path("save.dat")), "ab23456789Z");
}

TEST_F(DataFileTest, NewFilesArePrivate) {
  const mode_t previous = umask(0);
  DataFile file;
  const int opened = file.Open(Path("new.dat").c_str(), file.writeMode);
  umask(previous);
  ASSERT_EQ(opened, 1);
  EXPECT_EQ(file.Size(), 0u);
  struct stat info {};
  ASSERT_EQ(stat(Path("new.dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(DataFileTest, WritingNeeds250FreeBytes) {
  WriteBytes(Path("save.dat"), "old");
  DataFile file;
  media::SetFreeSpaceProbe(&Free249);
  EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.writeMode), 0);
  EXPECT_FALSE(file.IsOpen());
  media::SetFreeSpaceProbe(&FreeUnknown);
  EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.writeMode), 0);
  EXPECT_EQ(ReadBytes(Path("save.dat")), "old");
  // Reading never asks.
  EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.readMode), 1);
  media::SetFreeSpaceProbe(&Free250);
  EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.writeMode), 1);
  EXPECT_EQ(file.Write("n", 1), 1u);
  file.Close();
  EXPECT_EQ(ReadBytes(Path("save.dat")), "nld");
}

TEST_F(DataFileTest, TheProbeCanBePutBack) {
  EXPECT_NE(media::SetFreeSpaceProbe(&Free249), &Free249);
  EXPECT_EQ(media::SetFreeSpaceProbe(nullptr), &Free249);
  // The real probe: a temporary folder has room for 250 bytes.
  DataFile file;
  EXPECT_EQ(file.Open(Path("real.dat").c_str(), file.writeMode), 1);
}

}  // namespace
