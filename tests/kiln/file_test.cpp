#include "kiln/file.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "platform/system.h"
#include "tests/support/temp_folder.h"

namespace {

using Kiln::CFile;
using Kiln::FileDisposition;
using Kiln::kFileRead;
using Kiln::kFileWrite;
using Kiln::kNoHandle;
using platform::BoxAnswer;

constexpr std::uint32_t kShare = Kiln::kShareRead | Kiln::kShareWrite;

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::headless::HeadlessOptions options;
    options.installFolder = temp_.Sub("install");
    options.saveFolder = temp_.Sub("save");
    options.tempFolder = temp_.Sub("tmp");
    options.instanceFolder = temp_.Sub("instance");
    sys_ = std::make_unique<platform::headless::HeadlessSystem>(options);
    platform::SetSystem(sys_.get());
  }
  void TearDown() override { platform::SetSystem(nullptr); }

  platform::headless::HeadlessSystem& Sys() { return *sys_; }
  std::string PathOf(const std::string& name) const { return temp_.Folder() + name; }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(PathOf(name), std::ios::binary) << content;
  }
  static std::string ReadAll(int handle) {
    std::string content;
    char buffer[64];
    ::lseek(handle, 0, SEEK_SET);
    for (;;) {
      const ssize_t got = ::read(handle, buffer, sizeof buffer);
      if (got <= 0) break;
      content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
  }
  std::string BoxText(std::size_t index) const {
    return platform::Cp932ToUtf8(sys_->Boxes().at(index).request.text).value_or("<not CP932>");
  }

 private:
  cellwright_test::TempFolder temp_;
  std::unique_ptr<platform::headless::HeadlessSystem> sys_;
};

int OpenRead(CFile& file, const std::string& path) {
  return file.Open(path.c_str(), kFileRead, kShare, FileDisposition::OpenExisting,
                   Kiln::kAttributeNormal);
}

bool DescriptorIsOpen(int handle) {
  return ::fcntl(handle, F_GETFD) != -1;
}

// --- opening -----------------------------------------------------------------

TEST_F(FileTest, OpensAnExistingFileAndClosesIt) {
  Write("a.dat", "abc");
  CFile file;
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Handle(), kNoHandle);
  const int handle = OpenRead(file, PathOf("a.dat"));
  ASSERT_GE(handle, 0);
  EXPECT_EQ(file.Handle(), handle);
  EXPECT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Owns(), 1);
  EXPECT_EQ(file.LastError(), 0);
  EXPECT_EQ(std::string(file.Name()), PathOf("a.dat"));
  EXPECT_EQ(ReadAll(handle), "abc");
  EXPECT_TRUE(Sys().Boxes().empty());

  EXPECT_EQ(file.Close(), 1);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_FALSE(DescriptorIsOpen(handle));
  EXPECT_EQ(file.Close(), 0);
}

TEST_F(FileTest, DispositionsCreateKeepOrEmpty) {
  const std::string path = PathOf("d.dat");
  CFile file;
  ASSERT_GE(file.Open(path.c_str(), kFileRead | kFileWrite, 0, FileDisposition::OpenAlways, 0), 0);
  ASSERT_EQ(::write(file.Handle(), "xyz", 3), 3);
  file.Close();

  ASSERT_GE(file.Open(path.c_str(), kFileRead | kFileWrite, 0, FileDisposition::OpenAlways, 0), 0);
  EXPECT_EQ(ReadAll(file.Handle()), "xyz");  // kept
  file.Close();

  ASSERT_GE(file.Open(path.c_str(), kFileRead | kFileWrite, 0, FileDisposition::CreateAlways, 0),
            0);
  EXPECT_EQ(ReadAll(file.Handle()), "");  // emptied
  file.Close();

  ASSERT_GE(file.Open(PathOf("new.dat").c_str(), kFileWrite, 0, FileDisposition::CreateAlways, 0),
            0);
  EXPECT_TRUE(std::filesystem::exists(PathOf("new.dat")));
  EXPECT_TRUE(Sys().Boxes().empty());
}

TEST_F(FileTest, AccessDecidesWhatTheHandleMayDo) {
  Write("m.dat", "m");
  CFile reader, writer;
  ASSERT_GE(OpenRead(reader, PathOf("m.dat")), 0);
  errno = 0;
  EXPECT_EQ(::write(reader.Handle(), "x", 1), -1);
  EXPECT_EQ(errno, EBADF);

  ASSERT_GE(writer.Open(PathOf("m.dat").c_str(), kFileWrite, 0, FileDisposition::OpenExisting, 0),
            0);
  char byte = 0;
  errno = 0;
  EXPECT_EQ(::read(writer.Handle(), &byte, 1), -1);
  EXPECT_EQ(errno, EBADF);
  EXPECT_EQ(::write(writer.Handle(), "w", 1), 1);
}

TEST_F(FileTest, AShiftJisNameIsOpenedUnderItsUtf8Name) {
  const std::string sjisName = platform::Sjis(PathOf("セーブ.dat"));
  ASSERT_NE(sjisName, PathOf("セーブ.dat"));
  CFile file;
  ASSERT_GE(file.Open(sjisName.c_str(), kFileWrite, 0, FileDisposition::CreateAlways, 0), 0);
  EXPECT_TRUE(std::filesystem::exists(PathOf("セーブ.dat")));
  EXPECT_EQ(std::string(file.Name()), sjisName);
}

TEST_F(FileTest, ANameWithNoUtf8FormFailsWithEilseq) {
  const std::string broken = PathOf("bad\x81");  // a lead byte with nothing after it
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, broken), kNoHandle);
  EXPECT_EQ(errno, EILSEQ);
  EXPECT_EQ(file.LastError(), EILSEQ);
}

TEST_F(FileTest, ANameTooLongForTheBufferFailsAndIsShownCut) {
  const std::string name = PathOf(std::string(600, 'n'));
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, name), kNoHandle);
  EXPECT_EQ(errno, ENAMETOOLONG);
  EXPECT_EQ(std::string(file.Name()), name.substr(0, CFile::kNameSize - 1));
  ASSERT_EQ(Sys().Boxes().size(), 1u);
}

TEST_F(FileTest, OpenClosesTheFileItHeld) {
  Write("a.dat", "a");
  CFile file;
  const int first = OpenRead(file, PathOf("a.dat"));
  ASSERT_GE(first, 0);
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  EXPECT_FALSE(DescriptorIsOpen(first));
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileTest, OnlyOwnedHandlesAreClosed) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  {
    Kiln::CFileObj borrowed;
    borrowed.Attach(pipeEnds[0], 0);
    EXPECT_EQ(borrowed.Handle(), pipeEnds[0]);
    EXPECT_EQ(borrowed.Close(), 1);
    EXPECT_TRUE(DescriptorIsOpen(pipeEnds[0]));
    borrowed.Attach(pipeEnds[1], 0);
  }
  EXPECT_TRUE(DescriptorIsOpen(pipeEnds[1]));
  {
    Kiln::CFileObj owner;
    owner.Attach(pipeEnds[0], 1);
    EXPECT_EQ(owner.Owns(), 1);
  }
  EXPECT_FALSE(DescriptorIsOpen(pipeEnds[0]));
  Kiln::CFileObj none;
  none.Attach(-5, 1);
  EXPECT_EQ(none.Handle(), kNoHandle);
  EXPECT_EQ(none.Owns(), 0);
  ::close(pipeEnds[1]);
}

TEST_F(FileTest, InitClosesAndTurnsReportingBackOn) {
  Write("a.dat", "a");
  CFile file;
  const int handle = OpenRead(file, PathOf("a.dat"));
  ASSERT_GE(handle, 0);
  file.SetReport(0);
  file.Init();
  EXPECT_FALSE(DescriptorIsOpen(handle));
  EXPECT_EQ(file.Report(), 1);
  EXPECT_EQ(std::string(file.Name()), "");
  EXPECT_EQ(file.LastError(), 0);
}

// --- reporting a failed open -----------------------------------------------------

TEST_F(FileTest, AMissingFileShowsTheErrorAndTheName) {
  const std::string path = PathOf("missing.dat");
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, path), kNoHandle);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(file.LastError(), ENOENT);

  ASSERT_EQ(Sys().Boxes().size(), 1u);
  const platform::MessageBoxRequest& box = Sys().Boxes()[0].request;
  EXPECT_EQ(BoxText(0), "No such file or directory\n\"" + path + "\"");
  EXPECT_EQ(box.caption, "");  // no window, no owner's title
  EXPECT_EQ(box.buttons, platform::BoxButtons::AbortRetryIgnore);
  EXPECT_EQ(box.defaultButton, 1);
  EXPECT_EQ(box.icon, platform::BoxIcon::Warning);
}

TEST_F(FileTest, WithTheWindowOpenTheCaptionIsTheGamesName) {
  ASSERT_TRUE(Sys().CreateMainWindow(platform::Sjis("Cellwright")));
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  OpenRead(file, PathOf("missing.dat"));
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(Sys().Boxes()[0].request.caption, "Cellwright");
}

TEST_F(FileTest, TheNameIsShownInShiftJis) {
  const std::string utf8Path = PathOf("セーブ.dat");
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  OpenRead(file, platform::Sjis(utf8Path));
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "No such file or directory\n\"" + utf8Path + "\"");
}

// Makes the missing file appear while the box is up, as a player would.
class AppearingFile : public CFile {
 public:
  explicit AppearingFile(std::string utf8Path) : utf8Path_(std::move(utf8Path)) {}
  int ReportOpenError() override {
    ++reports;
    std::ofstream(utf8Path_) << "late";
    return CFile::ReportOpenError();
  }
  int reports = 0;

 private:
  std::string utf8Path_;
};

TEST_F(FileTest, RetryOpensTheFileOnceItIsThere) {
  const std::string path = PathOf("late.dat");
  AppearingFile file(path);
  Sys().QueueBoxAnswer(BoxAnswer::Retry);
  const int handle = OpenRead(file, path);
  ASSERT_GE(handle, 0);
  EXPECT_EQ(ReadAll(handle), "late");
  EXPECT_EQ(file.reports, 1);
  EXPECT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(file.Report(), 1);
  EXPECT_EQ(file.LastError(), 0);
}

TEST_F(FileTest, AnUnansweredBoxTakesRetry) {
  const std::string path = PathOf("late.dat");
  AppearingFile file(path);
  ASSERT_GE(OpenRead(file, path), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(Sys().Boxes()[0].answer, BoxAnswer::Retry);
}

TEST_F(FileTest, RetryKeepsAskingWhileTheOpenFails) {
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Retry);
  Sys().QueueBoxAnswer(BoxAnswer::Retry);
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  EXPECT_EQ(Sys().Boxes().size(), 3u);
}

TEST_F(FileTest, IgnoreReturnsTheFailedHandleAndALaterOpenReportsAgain) {
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Report(), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);

  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing2.dat")), kNoHandle);
  EXPECT_EQ(errno, ENOENT);
  ASSERT_EQ(Sys().Boxes().size(), 2u);
  EXPECT_EQ(BoxText(1), "No such file or directory\n\"" + PathOf("missing2.dat") + "\"");
}

TEST_F(FileTest, WithReportingOffNoBoxIsShown) {
  CFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  // The Ignore turned reporting off: asking again shows nothing.
  EXPECT_EQ(file.ReportOpenError(), 0);
  EXPECT_EQ(Sys().Boxes().size(), 1u);
}

TEST_F(FileTest, WithoutAnErrorNothingIsReported) {
  CFile file;
  EXPECT_EQ(file.ReportOpenError(), 0);
  Write("a.dat", "a");
  ASSERT_GE(OpenRead(file, PathOf("a.dat")), 0);
  EXPECT_EQ(file.ReportOpenError(), 0);
  EXPECT_TRUE(Sys().Boxes().empty());
}

// Lets a test set the error and replace the debugger probe, the trap and the exit.
class HookedFile : public CFile {
 public:
  void SetError(int err) { lastError_ = err; }
  bool debugger = false;
  int breaks = 0;
  int exitCode = -1;

 protected:
  bool DebuggerAttached() override {
    errno = EPERM;  // whatever the probe does to errno must not leak out
    return debugger;
  }
  void BreakIntoDebugger() override { ++breaks; }
  void ExitProcess(int code) override { exitCode = code; }
};

TEST_F(FileTest, ReportingLeavesTheOpensErrnoBehind) {
  HookedFile file;
  file.SetError(EACCES);
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  errno = 0;
  EXPECT_EQ(file.ReportOpenError(), 0);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(BoxText(0), "Permission denied\n\"\"");

  file.SetReport(1);
  file.debugger = true;
  Sys().QueueBoxAnswer(BoxAnswer::Abort);
  errno = 0;
  EXPECT_EQ(file.ReportOpenError(), 1);
  EXPECT_EQ(errno, EACCES);
}

TEST_F(FileTest, AnUnknownErrorStillGetsAnAsciiText) {
  HookedFile file;
  file.SetError(123456);
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  file.ReportOpenError();
  const std::string text = BoxText(0);
  EXPECT_NE(text.find("123456"), std::string::npos) << text;
  for (const char c : text) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST_F(FileTest, AbortUnderADebuggerStopsInItAndTriesAgain) {
  HookedFile file;
  file.debugger = true;
  Sys().QueueBoxAnswer(BoxAnswer::Abort);
  Sys().QueueBoxAnswer(BoxAnswer::Ignore);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  EXPECT_EQ(file.breaks, 1);
  EXPECT_EQ(file.exitCode, -1);
  EXPECT_EQ(Sys().Boxes().size(), 2u);
}

TEST_F(FileTest, AbortWithoutADebuggerEndsTheProcessWithCode1) {
  HookedFile file;
  Sys().QueueBoxAnswer(BoxAnswer::Abort);
  EXPECT_EQ(OpenRead(file, PathOf("missing.dat")), kNoHandle);
  EXPECT_EQ(file.exitCode, 1);
  EXPECT_EQ(file.breaks, 0);
  EXPECT_EQ(Sys().Boxes().size(), 1u);
}

TEST_F(FileTest, AbortRealExitsTheProcessWithCode1) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  if (Kiln::DebuggerAttachedToProcess()) GTEST_SKIP() << "under a debugger Abort traps instead";
  EXPECT_EXIT(
      {
        CFile file;
        Sys().QueueBoxAnswer(BoxAnswer::Abort);
        OpenRead(file, PathOf("missing.dat"));
        std::fprintf(stderr, "Open returned after Abort\n");
        std::abort();
      },
      ::testing::ExitedWithCode(1), "");
}

// Only the probe is replaced: the real trap must stop the process with SIGTRAP.
class TracedFile : public CFile {
 protected:
  bool DebuggerAttached() override { return true; }
};

TEST_F(FileTest, AbortUnderADebuggerRaisesSigtrap) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        TracedFile file;
        Sys().QueueBoxAnswer(BoxAnswer::Abort);
        OpenRead(file, PathOf("missing.dat"));
      },
      ::testing::KilledBySignal(SIGTRAP), "");
}

TEST(DebuggerProbe, ReadsTheTracerPidLine) {
  EXPECT_EQ(Kiln::TracerPidFromStatus("Name:\tcw\nState:\tR\nTracerPid:\t0\nUid:\t0\n"), 0);
  EXPECT_EQ(Kiln::TracerPidFromStatus("Name:\tcw\nTracerPid:\t4321\nUid:\t0\n"), 4321);
  EXPECT_EQ(Kiln::TracerPidFromStatus("TracerPid:\t77"), 77);  // no final line feed
  EXPECT_EQ(Kiln::TracerPidFromStatus("Name:\tcw\nUid:\t0\n"), 0);
  EXPECT_EQ(Kiln::TracerPidFromStatus("TracerPid:\tnope\n"), 0);
  EXPECT_EQ(Kiln::TracerPidFromStatus("XTracerPid:\t5\n"), 0);
  EXPECT_EQ(Kiln::TracerPidFromStatus(""), 0);
}

TEST(DebuggerProbe, AgreesWithTheProcessStatus) {
  std::ifstream status("/proc/self/status");
  ASSERT_TRUE(status);
  std::ostringstream text;
  text << status.rdbuf();
  EXPECT_EQ(Kiln::DebuggerAttachedToProcess(), Kiln::TracerPidFromStatus(text.str()) != 0);
}

}  // namespace
