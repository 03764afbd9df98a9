#include "kiln/file.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using Kiln::CFile;
using A = platform::BoxAnswer;
using D = Kiln::FileDisposition;

// Replaces the debugger probe, the trap and the exit. A file to appear at
// appearsAt is made while the box is up, as a player would.
class HookedFile : public CFile {
 public:
  int ReportOpenError() override {
    if (!appearsAt.empty()) cellwright_test::WriteBytes(appearsAt, "late");
    return CFile::ReportOpenError();
  }
  bool debugger = false;
  std::string appearsAt;
  int breaks = 0, exitCode = -1;

 protected:
  bool DebuggerAttached() override { return debugger; }
  void BreakIntoDebugger() override { ++breaks; }
  void ExitProcess(int code) override { exitCode = code; }
};

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSystem(&sys_); }
  void TearDown() override { platform::SetSystem(nullptr); }
  static int Open(CFile& file, const std::string& name, std::uint32_t access = Kiln::kFileRead,
                  D disposition = D::OpenExisting) {
    return file.Open(name.c_str(), access, Kiln::kShareRead, disposition, Kiln::kAttributeNormal);
  }

  cellwright_test::TempFolder temp_;
  platform::headless::HeadlessSystem sys_{{}};
};

TEST_F(FileTest, DispositionAndAccessDecideHowTheFileIsOpened) {
  constexpr std::uint32_t R = Kiln::kFileRead, W = Kiln::kFileWrite;
  const struct {
    const char* name;
    D disposition;
    std::uint32_t access;
    bool exists;
    int mode;
  } kCases[] = {
      {"existing", D::OpenExisting, R, true, O_RDONLY},
      {"neither bit reads", D::OpenExisting, 0, true, O_RDONLY},
      {"write only", D::OpenExisting, W, true, O_WRONLY},
      {"always keeps", D::OpenAlways, R | W, true, O_RDWR},
      {"always creates", D::OpenAlways, W, false, O_WRONLY},
      {"create empties", D::CreateAlways, R, true, O_RDONLY},
      {"create creates", D::CreateAlways, W, false, O_WRONLY},
  };
  CFile file;
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    const std::string path = temp_.Folder() + row.name;
    if (row.exists) cellwright_test::WriteBytes(path, "old");
    const int previous = file.Handle();
    const int handle = Open(file, path, row.access, row.disposition);
    ASSERT_GE(handle, 0);
    EXPECT_TRUE(handle == previous || ::fcntl(previous, F_GETFD) == -1);  // the old one closed
    EXPECT_EQ(::fcntl(handle, F_GETFL) & O_ACCMODE, row.mode);
    EXPECT_NE(::fcntl(handle, F_GETFD) & FD_CLOEXEC, 0);
    const bool kept = row.exists && row.disposition != D::CreateAlways;
    EXPECT_EQ(cellwright_test::ReadBytes(path), kept ? "old" : "");
    EXPECT_TRUE(std::filesystem::exists(path));
  }
}

TEST_F(FileTest, OnlyOwnedDescriptorsAreClosed) {
  CFile file;
  ASSERT_GE(Open(file, temp_.Folder() + "a", Kiln::kFileWrite, D::CreateAlways), 0);
  Kiln::CFileObj borrowed;
  borrowed.Attach(file.Handle(), 0);
  EXPECT_EQ(borrowed.Close(), 1);
  EXPECT_NE(::fcntl(file.Handle(), F_GETFD), -1);  // still open
  const int owned = file.Handle();
  file.Init();
  EXPECT_EQ(::fcntl(owned, F_GETFD), -1);
}

// One file answers every row: an Ignore silences only the open it answered.
// Each answer closes one box; Retry tries again, Ignore gives up and stops the
// reports, Abort ends the process or, in a debugger, traps and tries again.
TEST_F(FileTest, AFailedOpenShowsTheErrorAndTheNameAndTheAnswerDecidesWhatFollows) {
  const std::string missing = temp_.Folder() + "セーブ.dat";  // opened by its Shift-JIS name
  const std::string sjis = platform::Sjis(missing);
  // A name that fills the buffer but for its terminator, in folders that are not there.
  std::string fits = temp_.Folder() + std::string(200, 'd') + "/" + std::string(200, 'd') + "/";
  fits.resize(CFile::kNameSize - 1, 'n');
  const struct {
    const char* name;
    std::string path;
    std::vector<A> answers;
    bool debugger, appears, window;
    int error;
  } kCases[] = {
      {"retry opens the file once it is there", sjis, {A::Retry}, 0, 1, 0, 0},
      {"retry asks again while it fails", sjis, {A::Retry, A::Ignore}, 0, 0, 0, ENOENT},
      {"abort in a debugger", sjis, {A::Abort, A::Ignore}, 1, 0, 0, ENOENT},
      {"abort, the window's title on the box", sjis, {A::Abort}, 0, 0, 1, ENOENT},
      {"a name with no UTF-8 form", sjis + "\x81", {A::Ignore}, 0, 0, 1, EILSEQ},
      {"a name that just fits the buffer", fits, {A::Ignore}, 0, 0, 1, ENOENT},
      {"one byte more is too long", fits + "n", {A::Ignore}, 0, 0, 1, ENAMETOOLONG},
  };
  HookedFile file;
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    if (row.window) sys_.CreateMainWindow("Cellwright");
    file.debugger = row.debugger;
    file.appearsAt = row.appears ? missing : "";
    file.breaks = 0, file.exitCode = -1;
    const std::size_t before = sys_.Boxes().size();
    for (const A answer : row.answers) sys_.QueueBoxAnswer(answer);
    EXPECT_EQ(Open(file, row.path) >= 0, row.error == 0);
    EXPECT_EQ(file.LastError(), row.error);
    EXPECT_EQ(errno, row.error == 0 ? errno : row.error);
    EXPECT_EQ(file.Name(), row.path.substr(0, CFile::kNameSize - 1));  // cut to the buffer
    const bool aborts = row.answers.front() == A::Abort;
    EXPECT_EQ(file.breaks, aborts && row.debugger ? 1 : 0);
    EXPECT_EQ(file.exitCode, aborts && !row.debugger ? 1 : -1);
    EXPECT_EQ(file.Report(), row.answers.back() == A::Ignore ? 0 : 1);
    ASSERT_EQ(sys_.Boxes().size() - before, row.answers.size());
    for (std::size_t i = before; i < sys_.Boxes().size(); ++i) {
      const platform::MessageBoxRequest& box = sys_.Boxes()[i].request;
      EXPECT_EQ(box.text, std::strerror(row.error ? row.error : ENOENT) +
                              ("\n\"" + std::string(file.Name()) + "\""));
      EXPECT_EQ(box.caption, row.window ? "Cellwright" : "");  // the window's title, if any
      EXPECT_EQ(box.buttons, platform::BoxButtons::AbortRetryIgnore);
      EXPECT_EQ(box.defaultButton, 1);  // Retry
      EXPECT_EQ(box.icon, platform::BoxIcon::Warning);
    }
    std::filesystem::remove(missing);
  }
  EXPECT_EQ(file.ReportOpenError(), 0);     // reporting is off after the Ignore
  EXPECT_EQ(CFile().ReportOpenError(), 0);  // no error, no box
}

// Decides whether Abort traps instead of ending the process.
TEST(DebuggerProbe, ReadsOnlyTheTracerPidLine) {
  EXPECT_EQ(Kiln::TracerPidFromStatus("XTracerPid:\t5\nTracerPid:\t4321\nUid:\t0\n"), 4321);
  EXPECT_EQ(Kiln::TracerPidFromStatus("Name:\tcw\nTracerPid:\t77"), 77);  // no final line feed
  EXPECT_EQ(Kiln::TracerPidFromStatus("Name:\tcw\nTracerPid:\tnone\nUid:\t0\n"), 0);
}

}  // namespace
