// The files under the resource layer: a data file of the engine's own and an
// archive's members read through it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "media/archive.h"
#include "media/data_file.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using cellwright_test::ReadBytes;
using cellwright_test::WriteBytes;
using media::Archive;
using media::ArchiveEntry;
using media::DataFile;

class FilesTest : public ::testing::Test {
 protected:
  void TearDown() override { media::SetFreeSpaceProbe(nullptr); }
  std::string Path(const std::string& name) const { return temp_.Folder() + name; }
  template <typename File>
  static std::string Read(File& file, std::uint32_t ask) {
    std::string buffer(ask, '\0');
    buffer.resize(file.Read(buffer.data(), ask));
    return buffer;
  }
  cellwright_test::TempFolder temp_;
};

TEST_F(FilesTest, OnlyRegularFilesReadInAnyModeButWrite) {
  WriteBytes(Path("a.dat"), "0123456789");
  DataFile file;
  for (std::uint32_t mode : {file.readMode, 0u, 0xC0000000u, 0x40000001u}) {
    SCOPED_TRACE(mode);
    ASSERT_EQ(file.Open(Path("a.dat").c_str(), mode), 1);
    EXPECT_EQ(file.Size(), 10u);
    EXPECT_EQ(file.Write("x", 1), 0u);
    EXPECT_EQ(Read(file, 4), "0123");
    EXPECT_EQ(file.Seek(2, media::FILE_CURRENT), 6u);
    EXPECT_EQ(Read(file, 16), "6789");  // short at the end
  }
  EXPECT_EQ(file.Seek(-1, media::FILE_END), 9u);
  EXPECT_EQ(Read(file, 1), "9");
  EXPECT_EQ(file.Seek(-1, media::FILE_BEGIN), media::SeekFailed);
  EXPECT_EQ(file.Seek(0, 7), media::SeekFailed);
  EXPECT_EQ(file.Seek(100, media::FILE_BEGIN), 100u);  // a position; nothing to read there
  EXPECT_EQ(Read(file, 1), "");

  std::filesystem::create_directory(Path("dir.bmp"));
  ASSERT_EQ(mkfifo(Path("fifo.bmp").c_str(), 0600), 0);
  const std::uint32_t read = file.readMode, write = file.writeMode;
  using R = std::pair<std::string, std::uint32_t>;
  // Without a reader, opening a FIFO to write would wait for one.
  for (const auto& [path, mode] :
       {R{Path("none.dat"), read}, R{Path("nofolder/x.dat"), write}, R{Path("dir.bmp"), read},
        R{Path("dir.bmp"), write}, R{Path("fifo.bmp"), read}, R{Path("fifo.bmp"), write},
        R{"/dev/null", read}, R{"", read}}) {
    SCOPED_TRACE(path + (mode == write ? " (write)" : " (read)"));
    ASSERT_EQ(file.Open(Path("a.dat").c_str(), read), 1);
    EXPECT_EQ(file.Open(path.c_str(), mode), 0);  // closes what was open first
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(file.Open(nullptr, read), 0);
}

TEST_F(FilesTest, WritingNeeds250FreeBytesKeepsWhatItDoesNotOverwriteAndMakesPrivateFiles) {
  using Room = std::optional<std::uint64_t>;
  using R = std::pair<media::FreeSpaceProbe, int>;
  WriteBytes(Path("save.dat"), "0123456789");
  DataFile file;
  // The last row is the real probe: a temporary folder has the room.
  for (const auto& [probe, opens] :
       {R{[](int) -> Room { return 249; }, 0}, R{[](int) -> Room { return std::nullopt; }, 0},
        R{[](int) -> Room { return 250; }, 1}, R{nullptr, 1}}) {
    media::SetFreeSpaceProbe(probe);
    EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.readMode), 1);  // reading never asks
    EXPECT_EQ(file.Open(Path("save.dat").c_str(), file.writeMode), opens);
  }
  EXPECT_EQ(file.Write("ab", 2), 2u);
  EXPECT_EQ(file.Seek(0, media::FILE_END), 10u);
  EXPECT_EQ(file.Write("Z", 1), 1u);
  EXPECT_EQ(Read(file, 1), "");  // write-only
  file.Close();
  EXPECT_EQ(ReadBytes(Path("save.dat")), "ab23456789Z");
  const media::FreeSpaceProbe full = [](int) -> Room { return 0; };
  media::SetFreeSpaceProbe(full);
  EXPECT_EQ(media::SetFreeSpaceProbe(nullptr), full);

  const mode_t previous = umask(0);
  const int opened = file.Open(Path("new.dat").c_str(), file.writeMode);
  umask(previous);
  ASSERT_EQ(opened, 1);
  struct stat info {};
  ASSERT_EQ(stat(Path("new.dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  // Sizes are the low 32 bits. Sparse: costs no disk space where the file system allows it.
  if (truncate(Path("new.dat").c_str(), (off_t{1} << 32) + 10) != 0) GTEST_SKIP();
  EXPECT_EQ(file.Size(), 10u);
  EXPECT_EQ(file.FullSize(), (std::uint64_t{1} << 32) + 10);
}

// Members end to end from offset 0; the last two rows reach past the file's end.
const ArchiveEntry kDirectory[] = {{"01SE.wma", 0, 6},   {"t01.bmp", 6, 4},     {"dup.bmp", 10, 2},
                                   {"DUP.BMP", 12, 2},  // the same name: never reached
                                   {"tail.bmp", 12, 10}, {"gone.bmp", 1000, 5}, {nullptr, 0, 0}};
const std::string kArchive = "AAAAAABBBBDDEE";

TEST_F(FilesTest, AnArchiveSelectsTheFirstMemberNamedLikeThePathsLastPart) {
  WriteBytes(Path("test.arc"), kArchive);
  Archive archive;
  ASSERT_EQ(archive.Open(Path("test.arc").c_str(), kDirectory), 1);
  // Reads stop at the member's end, and at the file's end.
  using R = std::tuple<const char*, std::uint32_t, std::string>;  // path, size, every byte read
  for (const auto& [path, size, bytes] :
       {R{"01se.wma", 6, "AAAAAA"}, R{"wave/01Se.WMA", 6, "AAAAAA"},
        R{"c:\\x\\01SE.wma", 6, "AAAAAA"}, R{"T01.BMP", 4, "BBBB"}, R{"Dup.Bmp", 2, "DD"},
        R{"tail.bmp", 10, "EE"}, R{"gone.bmp", 5, ""}}) {
    SCOPED_TRACE(path);
    ASSERT_EQ(archive.Find(path, archive.readMode), 1);
    EXPECT_EQ(archive.Size(), size);
    const std::string first = Read(archive, 1);
    EXPECT_EQ(first + Read(archive, size * 2), bytes);
  }
  const auto expectNothingSelected = [&] {
    EXPECT_EQ(archive.Size(), 0u);
    EXPECT_EQ(Read(archive, 1), "");
  };
  for (const char* name : {"t01.bm", "t01.bmpx", "", "t01.bmp/", "bmp/", "t01"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(archive.Find("t01.bmp", archive.readMode), 1);
    EXPECT_EQ(archive.Find(name, archive.readMode), 0);
    expectNothingSelected();
  }
  EXPECT_EQ(archive.Find(nullptr, archive.readMode), 0);
  EXPECT_EQ(archive.Find("t01.bmp", archive.writeMode), 0);
  expectNothingSelected();
  EXPECT_EQ(archive.Find("t01.bmp", 0), 1);  // any other mode reads
  EXPECT_EQ(archive.Close(), 1);
  expectNothingSelected();
  ASSERT_EQ(archive.Find("t01.bmp", archive.readMode), 1);  // the file stays open
  // Reopening drops the selection; without the file or a directory nothing is found.
  EXPECT_EQ(archive.Open(Path("missing.arc").c_str(), kDirectory), 0);
  expectNothingSelected();
  EXPECT_EQ(archive.Find("t01.bmp", archive.readMode), 0);
  ASSERT_EQ(archive.Open(Path("test.arc").c_str(), nullptr), 1);
  EXPECT_EQ(archive.Find("t01.bmp", archive.readMode), 0);
}

}  // namespace
