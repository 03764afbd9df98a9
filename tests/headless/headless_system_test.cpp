#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/script.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::Key;
using platform::Message;
using platform::MessageBoxRequest;
using platform::MessageKind;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessSystem;

constexpr std::uint32_t kForever = 0xFFFFFFFF;

struct Seen {
  Message message;
  std::uint64_t atMs;
};

class HeadlessTest : public ::testing::Test {
 protected:
  HeadlessSystem& Make(HeadlessOptions options = {}) {
    if (options.installFolder.empty()) options.installFolder = temp_.Sub("install");
    if (options.saveFolder.empty()) options.saveFolder = temp_.Sub("save");
    if (options.tempFolder.empty()) options.tempFolder = temp_.Sub("tmp");
    if (options.shotFolder.empty()) options.shotFolder = temp_.Sub("shots");
    if (options.instanceFolder.empty()) options.instanceFolder = temp_.Path() + "/instance";
    options.log = &log_;
    sys_ = std::make_unique<HeadlessSystem>(std::move(options));
    return *sys_;
  }

  void Script(const std::string& text) {
    std::string error;
    auto script = platform::headless::ParseScript(text, &error);
    ASSERT_TRUE(script.has_value()) << error;
    sys_->SetScript(std::move(*script));
  }

  std::vector<Seen> Drain() {
    std::vector<Seen> seen;
    Message message;
    while (sys_->PeekMessage(message)) seen.push_back({message, sys_->ElapsedMs()});
    return seen;
  }

  // Runs the virtual time until `ms` the way an engine waiting for its next
  // frame does, collecting every message with the time it was taken.
  std::vector<Seen> RunUntil(std::uint64_t ms) {
    std::vector<Seen> seen;
    for (;;) {
      const std::vector<Seen> batch = Drain();
      seen.insert(seen.end(), batch.begin(), batch.end());
      const std::uint64_t now = sys_->ElapsedMs();
      if (now >= ms) return seen;
      sys_->WaitMessage(static_cast<std::uint32_t>(ms - now));
    }
  }

  // One frame of a 32 ms sampler, as the engine's frame pump: handles the queue
  // and waits until a new tick has begun; the caller then samples.
  void NextFrame() {
    for (;;) {
      Message message;
      while (sys_->PeekMessage(message)) Apply(message);
      if (sys_->Frame() != sampledFrame_) {
        sampledFrame_ = sys_->Frame();
        return;
      }
      sys_->WaitMessage(static_cast<std::uint32_t>(32 - sys_->ElapsedMs() % 32));
    }
  }

  void Apply(const Message& message) {
    if (message.kind == MessageKind::LButtonDown) left_ = true;
    if (message.kind == MessageKind::LButtonUp) left_ = false;
    if (message.kind == MessageKind::RButtonDown) right_ = true;
    if (message.kind == MessageKind::RButtonUp) right_ = false;
  }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::istringstream in(log_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  cellwright_test::TempFolder temp_;
  std::ostringstream log_;
  std::unique_ptr<HeadlessSystem> sys_;
  bool left_ = false;
  bool right_ = false;
  std::uint64_t sampledFrame_ = 0;
};

// --- the clock -------------------------------------------------------------------

using HeadlessClock = HeadlessTest;

TEST_F(HeadlessClock, StartsAtClockStartAndWrapsLikeA32BitCounter) {
  HeadlessOptions options;
  options.clockStart = 0xFFFFFFF0u;
  HeadlessSystem& sys = Make(options);
  EXPECT_EQ(sys.TickCount(), 0xFFFFFFF0u);
  sys.AdvanceClock(0x0F);
  EXPECT_EQ(sys.TickCount(), 0xFFFFFFFFu);
  sys.AdvanceClock(1);
  EXPECT_EQ(sys.TickCount(), 0u);
  sys.Sleep(0x20);
  EXPECT_EQ(sys.TickCount(), 0x20u);
  EXPECT_EQ(sys.ElapsedMs(), 0x30u);
  EXPECT_EQ(sys.Frame(), 1u);
}

TEST_F(HeadlessClock, FramesAreWhole32MillisecondTicks) {
  HeadlessSystem& sys = Make();
  EXPECT_EQ(sys.Frame(), 0u);
  sys.AdvanceClock(31);
  EXPECT_EQ(sys.Frame(), 0u);
  sys.AdvanceClock(1);
  EXPECT_EQ(sys.Frame(), 1u);
  sys.AdvanceClock(31);
  EXPECT_EQ(sys.Frame(), 1u);
  sys.AdvanceClock(1);
  EXPECT_EQ(sys.Frame(), 2u);
}

TEST_F(HeadlessClock, OnlyWaitingMovesIt) {
  HeadlessSystem& sys = Make();
  Message message;
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(sys.TickCount(), 0u);
    EXPECT_FALSE(sys.PeekMessage(message));
    EXPECT_FALSE(sys.KeyDown(Key::Enter));
  }
  EXPECT_EQ(sys.ElapsedMs(), 0u);
  sys.Sleep(7);
  EXPECT_EQ(sys.ElapsedMs(), 7u);
}

TEST_F(HeadlessClock, AWaitWithNothingDueLastsItsTimeout) {
  HeadlessSystem& sys = Make();
  sys.WaitMessage(100);
  EXPECT_EQ(sys.ElapsedMs(), 100u);
  sys.WaitMessage(0);
  EXPECT_EQ(sys.ElapsedMs(), 100u);
}

TEST_F(HeadlessClock, AWaitEndsWhenTheNextCommandIsDue) {
  HeadlessSystem& sys = Make();
  Script("frames 10\nclose\n");
  sys.WaitMessage(1000);
  EXPECT_EQ(sys.ElapsedMs(), 32u);  // a script starts on the next frame
  EXPECT_TRUE(Drain().empty());
  sys.WaitMessage(1000);
  EXPECT_EQ(sys.ElapsedMs(), 352u);
  const std::vector<Seen> seen = Drain();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message.kind, MessageKind::Close);
  // With the script done, waits last their whole timeout again.
  sys.WaitMessage(1000);
  EXPECT_EQ(sys.ElapsedMs(), 1352u);
}

TEST_F(HeadlessClock, AWaitReturnsAtOnceWhenAMessageIsQueued) {
  HeadlessSystem& sys = Make();
  sys.PushMessage({MessageKind::MouseMove, 0, 1, 2});
  sys.WaitMessage(1000);
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 0u);
  // A command already overdue runs instead of the clock moving.
  Drain();
  Script("move 3 4\n");
  sys.AdvanceClock(100);
  sys.WaitMessage(1000);
  EXPECT_EQ(sys.ElapsedMs(), 100u);
  ASSERT_EQ(Drain().size(), 1u);
}

TEST_F(HeadlessClock, AForeverWaitMovesOneFrameOrToTheNextCommand) {
  HeadlessSystem& sys = Make();
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 32u);
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 64u);

  Script("frames 1\nclose\n");  // starts at 96, closes at 128
  sys.AdvanceClock(10);
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 96u);
  EXPECT_TRUE(Drain().empty());
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 128u);
  const std::vector<Seen> seen = Drain();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message.kind, MessageKind::Close);
}

// --- the script ------------------------------------------------------------------

using HeadlessScript = HeadlessTest;

TEST_F(HeadlessScript, CommandsRunOnlyWhenTheQueueIsLookedAt) {
  HeadlessSystem& sys = Make();
  Script("close\n");
  sys.Sleep(1000);
  EXPECT_FALSE(sys.ScriptFinished());
  const std::vector<Seen> seen = Drain();
  EXPECT_TRUE(sys.ScriptFinished());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message.kind, MessageKind::Close);
}

TEST_F(HeadlessScript, FramesDelayTheNextCommand) {
  Make();
  Script("frames 3\nmove 1 1\nframes 2\nmove 2 2\nmove 3 3\n");
  const std::vector<Seen> seen = RunUntil(1000);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].atMs, 32u + 96u);
  EXPECT_EQ(seen[1].atMs, 32u + 160u);
  EXPECT_EQ(seen[2].atMs, 32u + 160u);
  EXPECT_EQ(seen[2].message.x, 3);
}

TEST_F(HeadlessScript, AClickIsDownForExactlyOneFrameThenUpForOne) {
  Make();
  Script("click 5 6\nclick 7 8\n");
  const std::vector<Seen> seen = RunUntil(1000);
  const struct {
    MessageKind kind;
    int x;
    std::uint64_t atMs;
  } expected[] = {
      {MessageKind::MouseMove, 5, 32},   {MessageKind::LButtonDown, 5, 32},
      {MessageKind::LButtonUp, 5, 64},   {MessageKind::MouseMove, 7, 96},
      {MessageKind::LButtonDown, 7, 96}, {MessageKind::LButtonUp, 7, 128},
  };
  ASSERT_EQ(seen.size(), std::size(expected));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].message.kind, expected[i].kind) << i;
    EXPECT_EQ(seen[i].message.x, expected[i].x) << i;
    EXPECT_EQ(seen[i].message.y, expected[i].x + 1) << i;
    EXPECT_EQ(seen[i].atMs, expected[i].atMs) << i;
  }
}

TEST_F(HeadlessScript, TwoClicksInARowAreTwoPressesToAFrameSampler) {
  Make();
  Script("click 1 1\nclick 1 1\nrclick 2 2\n");
  std::vector<int> samples;  // 1 left, 2 right
  for (int frame = 0; frame < 8; ++frame) {
    NextFrame();
    samples.push_back((left_ ? 1 : 0) | (right_ ? 2 : 0));
  }
  EXPECT_EQ(samples, (std::vector<int>{1, 0, 1, 0, 2, 0, 0, 0}));
}

TEST_F(HeadlessScript, AKeyIsDownForOneFrameAndHeldKeysStayDown) {
  HeadlessSystem& sys = Make();
  Script("key enter\nkey enter\nhold ctrl\nkey escape\nframes 2\nrelease ctrl\n");
  std::vector<std::string> samples;
  for (int frame = 0; frame < 10; ++frame) {
    NextFrame();
    std::string sample;
    sample += sys.KeyDown(Key::Enter) ? 'E' : '.';
    sample += sys.KeyDown(Key::Escape) ? 'X' : '.';
    sample += sys.KeyDown(Key::Control) ? 'C' : '.';
    samples.push_back(sample);
  }
  EXPECT_EQ(samples, (std::vector<std::string>{"E..", "...", "E..", "...", ".XC", "..C", "..C",
                                               "..C", "...", "..."}));
}

TEST_F(HeadlessScript, WindowCommandsQueueTheirMessagesTogether) {
  Make();
  Script("move 3 4\nrclick 9 8\nclose\ndeactivate\nactivate\n");
  const std::vector<Seen> seen = RunUntil(1000);
  const struct {
    MessageKind kind;
    int a;  // x, or active for Activate
    std::uint64_t atMs;
  } expected[] = {
      {MessageKind::MouseMove, 3, 32},   {MessageKind::MouseMove, 9, 32},
      {MessageKind::RButtonDown, 9, 32}, {MessageKind::RButtonUp, 9, 64},
      {MessageKind::Close, 0, 96},       {MessageKind::Activate, 0, 96},
      {MessageKind::Activate, 1, 96},
  };
  ASSERT_EQ(seen.size(), std::size(expected));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].message.kind, expected[i].kind) << i;
    const int a =
        seen[i].message.kind == MessageKind::Activate ? seen[i].message.active : seen[i].message.x;
    EXPECT_EQ(a, expected[i].a) << i;
    EXPECT_EQ(seen[i].atMs, expected[i].atMs) << i;
  }
  EXPECT_EQ(seen[0].message.y, 4);
  EXPECT_EQ(seen[3].message.y, 8);
}

TEST_F(HeadlessScript, AnswersFromTheScriptGoToTheBoxes) {
  HeadlessSystem& sys = Make();
  Script("answer no\nanswer yes\nclose\n");
  RunUntil(100);
  EXPECT_EQ(sys.ShowMessageBox({"q", "c", BoxButtons::YesNo, 0}), BoxAnswer::No);
  EXPECT_EQ(sys.ShowMessageBox({"q", "c", BoxButtons::YesNo, 1}), BoxAnswer::Yes);
}

TEST_F(HeadlessScript, AShotWritesTheScreenAndLogsIt) {
  HeadlessSystem& sys = Make();
  sys.ScreenPixels()[0] = 0x00112233;
  Script("shot first\n");
  RunUntil(100);
  const std::string path = temp_.Path() + "/shots/first.png";
  EXPECT_TRUE(std::filesystem::exists(path));
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], R"({"frame":1,"event":"shot","path":")" + path + R"(","ok":true})");
}

TEST_F(HeadlessScript, AShotThatCannotBeWrittenIsLoggedAsFailed) {
  HeadlessOptions options;
  options.shotFolder = temp_.Path() + "/no/such/folder";
  Make(options);
  Script("shot x\nclose\n");
  const std::vector<Seen> seen = RunUntil(100);
  ASSERT_EQ(seen.size(), 1u);  // the run goes on
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(R"("ok":false,"error":")"), std::string::npos) << lines[0];
}

TEST_F(HeadlessScript, AScriptStartsOnTheNextFrameAndDelaysEndOnFrames) {
  HeadlessSystem& sys = Make();
  sys.AdvanceClock(500);
  Script("frames 1\nmove 1 1\nframes 1\nclick 2 2\nmove 3 3\n");
  std::vector<Seen> seen = RunUntil(544);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].atMs, 544u);  // frames at 512, the move one frame later
  // A late look at the queue runs the click late; its release still waits a
  // whole frame and then lands on a frame boundary, as does the next command.
  sys.AdvanceClock(42);
  seen = RunUntil(1000);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[1].message.kind, MessageKind::LButtonDown);
  EXPECT_EQ(seen[1].atMs, 586u);
  EXPECT_EQ(seen[2].message.kind, MessageKind::LButtonUp);
  EXPECT_EQ(seen[2].atMs, 640u);
  EXPECT_EQ(seen[3].message.x, 3);
  EXPECT_EQ(seen[3].atMs, 672u);
}

// --- message boxes ---------------------------------------------------------------

using HeadlessBoxes = HeadlessTest;

TEST_F(HeadlessBoxes, WithoutAQueuedAnswerTheDefaultButtonAnswers) {
  HeadlessSystem& sys = Make();
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::Ok, 0}), BoxAnswer::Ok);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::YesNo, 0}), BoxAnswer::Yes);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::YesNo, 1}), BoxAnswer::No);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::AbortRetryIgnore, 0}), BoxAnswer::Abort);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::AbortRetryIgnore, 1}), BoxAnswer::Retry);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::AbortRetryIgnore, 2}), BoxAnswer::Ignore);
  // A default past the buttons falls back to the first one.
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::YesNo, 2}), BoxAnswer::Yes);
  EXPECT_EQ(sys.ShowMessageBox({"t", "c", BoxButtons::Ok, -1}), BoxAnswer::Ok);
  EXPECT_EQ(sys.Boxes().size(), 8u);
}

TEST_F(HeadlessBoxes, QueuedAnswersAreTakenInOrder) {
  HeadlessSystem& sys = Make();
  sys.QueueBoxAnswer(BoxAnswer::No);
  sys.QueueBoxAnswer(BoxAnswer::Yes);
  sys.QueueBoxAnswer(BoxAnswer::Retry);
  EXPECT_EQ(sys.ShowMessageBox({"1", "c", BoxButtons::YesNo, 0}), BoxAnswer::No);
  EXPECT_EQ(sys.ShowMessageBox({"2", "c", BoxButtons::YesNo, 1}), BoxAnswer::Yes);
  EXPECT_EQ(sys.ShowMessageBox({"3", "c", BoxButtons::AbortRetryIgnore, 0}), BoxAnswer::Retry);
  // The queue is empty again.
  EXPECT_EQ(sys.ShowMessageBox({"4", "c", BoxButtons::YesNo, 1}), BoxAnswer::No);
  ASSERT_EQ(sys.Boxes().size(), 4u);
  EXPECT_EQ(sys.Boxes()[2].request.text, "3");
  EXPECT_EQ(sys.Boxes()[2].request.buttons, BoxButtons::AbortRetryIgnore);
  EXPECT_EQ(sys.Boxes()[2].answer, BoxAnswer::Retry);
}

TEST_F(HeadlessBoxes, AnAnswerThatIsNotAButtonIsUsedUpAndTheDefaultAnswers) {
  HeadlessSystem& sys = Make();
  sys.QueueBoxAnswer(BoxAnswer::Ok);
  sys.QueueBoxAnswer(BoxAnswer::Yes);
  EXPECT_EQ(sys.ShowMessageBox({"1", "c", BoxButtons::YesNo, 1}), BoxAnswer::No);
  EXPECT_EQ(sys.ShowMessageBox({"2", "c", BoxButtons::YesNo, 1}), BoxAnswer::Yes);
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find(R"("answer":"no","scripted":false,"answer_invalid":true})"),
            std::string::npos)
      << lines[0];
  EXPECT_EQ(lines[1].find("answer_invalid"), std::string::npos) << lines[1];
}

TEST_F(HeadlessBoxes, EachBoxIsLoggedInUtf8) {
  HeadlessSystem& sys = Make();
  sys.AdvanceClock(32 * 5 + 3);
  sys.QueueBoxAnswer(BoxAnswer::Yes);
  const std::string text = platform::Utf8ToCp932("本当にゲームを終了してよろしいですか？").value();
  ASSERT_NE(text.size(), 0u);
  sys.ShowMessageBox({text, "Cellwright", BoxButtons::YesNo, 1, platform::BoxIcon::Question});
  sys.ShowMessageBox({"\"bad\"\n", "", BoxButtons::AbortRetryIgnore, 2, platform::BoxIcon::Error});
  sys.ShowMessageBox({"", "", BoxButtons::Ok, 0, platform::BoxIcon::Warning});
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            R"({"frame":5,"event":"msgbox","text":"本当にゲームを終了してよろしいですか？",)"
            R"("caption":"Cellwright","buttons":"yesno","icon":"question","answer":"yes",)"
            R"("scripted":true})");
  EXPECT_EQ(lines[1],
            R"({"frame":5,"event":"msgbox","text":"\"bad\"\n","caption":"",)"
            R"("buttons":"abortretryignore","icon":"error","answer":"ignore","scripted":false})");
  EXPECT_EQ(lines[2], R"({"frame":5,"event":"msgbox","text":"","caption":"","buttons":"ok",)"
                      R"("icon":"warning","answer":"ok","scripted":false})");
}

// --- window, queue, screen -----------------------------------------------------

using HeadlessWindow = HeadlessTest;

TEST_F(HeadlessWindow, CreateDestroyAndRaiseAreLogged) {
  HeadlessSystem& sys = Make();
  EXPECT_FALSE(sys.HasMainWindow());
  EXPECT_TRUE(sys.CreateMainWindow("Cellwright"));
  EXPECT_TRUE(sys.HasMainWindow());
  sys.RaiseMainWindow();
  sys.RaiseMainWindow();
  EXPECT_EQ(sys.RaiseCount(), 2);
  sys.AdvanceClock(64);
  sys.DestroyMainWindow();
  EXPECT_FALSE(sys.HasMainWindow());
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            R"({"frame":0,"event":"window","title":"Cellwright"})",
                            R"({"frame":0,"event":"raised"})",
                            R"({"frame":0,"event":"raised"})",
                            R"({"frame":2,"event":"window_destroyed"})",
                        }));
}

TEST_F(HeadlessWindow, QuitAndMusicNotifyAreQueuedInOrder) {
  HeadlessSystem& sys = Make();
  sys.PostMusicNotify(1);
  sys.PostQuitMessage();
  sys.SetActive(false);
  const std::vector<Seen> seen = Drain();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].message.kind, MessageKind::MusicNotify);
  EXPECT_EQ(seen[0].message.status, 1);
  EXPECT_EQ(seen[1].message.kind, MessageKind::Quit);
  EXPECT_EQ(seen[2].message.kind, MessageKind::Activate);
  EXPECT_EQ(seen[2].message.active, 0);
}

TEST_F(HeadlessWindow, MusicNotifiesFromOtherThreadsAreAllDelivered) {
  HeadlessSystem& sys = Make();
  constexpr int kThreads = 4;
  constexpr int kEach = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&sys, t] {
      for (int i = 0; i < kEach; ++i) sys.PostMusicNotify(t);
    });
  }
  std::vector<int> perThread(kThreads, 0);
  int total = 0;
  Message message;
  while (total < kThreads * kEach) {
    if (sys.PeekMessage(message)) {
      ASSERT_EQ(message.kind, MessageKind::MusicNotify);
      ++perThread[static_cast<std::size_t>(message.status)];
      ++total;
    }
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_FALSE(sys.PeekMessage(message));
  EXPECT_EQ(perThread, std::vector<int>(kThreads, kEach));
}

TEST_F(HeadlessWindow, KeysFollowSetKey) {
  HeadlessSystem& sys = Make();
  for (const Key key :
       {Key::Up, Key::Down, Key::Left, Key::Right, Key::Enter, Key::Escape, Key::Control}) {
    EXPECT_FALSE(sys.KeyDown(key));
    sys.SetKey(key, true);
    EXPECT_TRUE(sys.KeyDown(key));
  }
  sys.SetKey(Key::Enter, false);
  EXPECT_FALSE(sys.KeyDown(Key::Enter));
  EXPECT_TRUE(sys.KeyDown(Key::Escape));
}

TEST_F(HeadlessWindow, TheScreenStartsBlackAndPresentsAreCounted) {
  HeadlessSystem& sys = Make();
  std::uint32_t* pixels = sys.ScreenPixels();
  for (int i = 0; i < platform::kScreenWidth * platform::kScreenHeight; ++i) {
    ASSERT_EQ(pixels[i], 0u) << i;
  }
  EXPECT_EQ(sys.PresentCount(), 0);
  sys.Present();
  sys.Present();
  EXPECT_EQ(sys.PresentCount(), 2);
  EXPECT_TRUE(LogLines().empty());
}

// --- folders ---------------------------------------------------------------------

using HeadlessFolders = HeadlessTest;

TEST_F(HeadlessFolders, EachFolderEndsInASlash) {
  HeadlessOptions options;
  options.installFolder = temp_.Path() + "/install";
  options.saveFolder = temp_.Path() + "/save";
  options.tempFolder = temp_.Path() + "/tmp/";
  options.discMounts = {"/media/cd", "/mnt/dvd/"};
  std::filesystem::create_directories(options.installFolder);
  std::filesystem::create_directories(options.saveFolder);
  HeadlessSystem& sys = Make(options);
  EXPECT_EQ(sys.CurrentFolder(), temp_.Path() + "/install/");
  EXPECT_EQ(sys.PrivateDataFolder(), temp_.Path() + "/save/");
  EXPECT_EQ(sys.PrivateTempFolder(), temp_.Path() + "/tmp/");
  EXPECT_EQ(sys.DiscMountPoints(), (std::vector<std::string>{"/media/cd/", "/mnt/dvd/"}));
}

TEST_F(HeadlessFolders, TheInstallFolderIsNeverWritableOthersAreAsTheyAre) {
  HeadlessSystem& sys = Make();
  const std::string install = temp_.Path() + "/install";
  EXPECT_FALSE(sys.IsWritableFolder(install + "/"));
  EXPECT_FALSE(sys.IsWritableFolder(install));
  EXPECT_FALSE(sys.IsWritableFolder(temp_.Path() + "/save/../install/"));
  EXPECT_TRUE(sys.IsWritableFolder(temp_.Path() + "/save/"));
  EXPECT_FALSE(sys.IsWritableFolder(temp_.Path() + "/missing/"));
}

// --- the event log ---------------------------------------------------------------

// Records what had been written at every flush.
class FlushRecorder : public std::stringbuf {
 public:
  std::vector<std::string> atFlush;

 protected:
  int sync() override {
    atFlush.push_back(str());
    return 0;
  }
};

TEST(HeadlessLog, EventsAreJsonLinesFlushedOneByOne) {
  FlushRecorder recorder;
  std::ostream stream(&recorder);
  HeadlessOptions options;
  options.log = &stream;
  HeadlessSystem sys(options);
  sys.AdvanceClock(3 * 32);
  sys.LogEvent("scenario", {platform::LogField::Text("name", "s0\t\"x\"\\")});
  sys.LogEvent("count",
               {platform::LogField::Number("n", -12), platform::LogField::Text("u", "日")});
  sys.LogEvent("quit", {});
  const std::string first =
      "{\"frame\":3,\"event\":\"scenario\",\"name\":\"s0\\t\\\"x\\\"\\\\\"}\n";
  const std::string second = first + R"({"frame":3,"event":"count","n":-12,"u":"日"})" + "\n";
  const std::string third = second + R"({"frame":3,"event":"quit"})" + "\n";
  EXPECT_EQ(recorder.atFlush, (std::vector<std::string>{first, second, third}));
}

TEST(HeadlessLog, WithoutALogNothingIsWrittenAndNothingFails) {
  HeadlessSystem sys({});
  sys.LogEvent("quit", {});
  EXPECT_TRUE(sys.CreateMainWindow("x"));
  EXPECT_EQ(sys.ShowMessageBox({"a", "b", BoxButtons::Ok, 0}), BoxAnswer::Ok);
}

// --- screenshots ---------------------------------------------------------------

using HeadlessPng = HeadlessTest;

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(HeadlessPng, TheScreenIsWrittenAsRgbAndReadsBackTheSame) {
  HeadlessSystem& sys = Make();
  std::uint32_t* pixels = sys.ScreenPixels();
  for (std::uint32_t y = 0; y < 480; ++y) {
    for (std::uint32_t x = 0; x < 640; ++x) {
      pixels[y * 640 + x] = ((x * 7) & 0xFF) << 16 | ((y * 3) & 0xFF) << 8 | ((x ^ y) & 0xFF);
    }
  }
  pixels[0] = 0xFF000000;  // the unused top byte is not part of the colour
  const std::string path = temp_.Path() + "/screen.png";
  ASSERT_TRUE(sys.WriteScreenPng(path));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0) << image.message;
  EXPECT_EQ(image.width, 640u);
  EXPECT_EQ(image.height, 480u);
  EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u);
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0) << image.message;
  ASSERT_EQ(rgb.size(), 640u * 480u * 3u);
  for (std::size_t i = 0; i < 640u * 480u; ++i) {
    const std::uint32_t expected = pixels[i] & 0x00FFFFFF;
    const std::uint32_t read = static_cast<std::uint32_t>(rgb[i * 3]) << 16 |
                               static_cast<std::uint32_t>(rgb[i * 3 + 1]) << 8 | rgb[i * 3 + 2];
    ASSERT_EQ(read, expected) << "pixel " << i;
  }
}

TEST_F(HeadlessPng, TheSamePixelsGiveTheSameBytes) {
  HeadlessSystem& sys = Make();
  sys.ScreenPixels()[1234] = 0x00ABCDEF;
  const std::string a = temp_.Path() + "/a.png";
  const std::string b = temp_.Path() + "/b.png";
  ASSERT_TRUE(sys.WriteScreenPng(a));
  sys.AdvanceClock(5000);
  ASSERT_TRUE(sys.WriteScreenPng(b));
  const std::vector<std::uint8_t> bytesA = ReadBytes(a);
  ASSERT_GT(bytesA.size(), 8u);
  EXPECT_EQ(bytesA, ReadBytes(b));
  sys.ScreenPixels()[1234] = 0x00ABCDEE;
  ASSERT_TRUE(sys.WriteScreenPng(b));
  EXPECT_NE(bytesA, ReadBytes(b));
}

TEST_F(HeadlessPng, AnUnwritablePathFails) {
  HeadlessSystem& sys = Make();
  EXPECT_FALSE(sys.WriteScreenPng(temp_.Path() + "/no/such/folder/x.png"));
}

// --- the single-instance guard ---------------------------------------------------

using HeadlessInstance = HeadlessTest;

TEST_F(HeadlessInstance, ASecondCopyAsksTheFirstToComeForward) {
  HeadlessSystem& first = Make();
  HeadlessOptions secondOptions;
  secondOptions.instanceFolder = temp_.Path() + "/instance";
  std::ostringstream secondLog;
  secondOptions.log = &secondLog;
  HeadlessSystem second(secondOptions);

  std::unique_ptr<platform::InstanceLock> firstLock = first.AcquireInstance("CellwrightTest");
  ASSERT_NE(firstLock, nullptr);
  EXPECT_FALSE(firstLock->AlreadyRunning());
  std::unique_ptr<platform::InstanceLock> secondLock = second.AcquireInstance("CellwrightTest");
  ASSERT_NE(secondLock, nullptr);
  ASSERT_TRUE(secondLock->AlreadyRunning());

  Message message;
  EXPECT_FALSE(first.PeekMessage(message));
  EXPECT_EQ(first.RaiseCount(), 0);
  secondLock->BringRunningCopyForward();
  EXPECT_FALSE(first.PeekMessage(message));
  EXPECT_EQ(first.RaiseCount(), 1);
  EXPECT_EQ(second.RaiseCount(), 0);
  EXPECT_NE(log_.str().find(R"("event":"raised")"), std::string::npos);
  // One request, one raise.
  first.WaitMessage(10);
  EXPECT_EQ(first.RaiseCount(), 1);
  secondLock->BringRunningCopyForward();
  first.WaitMessage(10);
  EXPECT_EQ(first.RaiseCount(), 2);
}

TEST_F(HeadlessInstance, DroppingTheLockLetsAnotherCopyStart) {
  HeadlessSystem& first = Make();
  std::unique_ptr<platform::InstanceLock> lock = first.AcquireInstance("CellwrightTest");
  ASSERT_FALSE(lock->AlreadyRunning());
  lock.reset();
  Message message;
  EXPECT_FALSE(first.PeekMessage(message));  // no lock left to poll
  first.WaitMessage(kForever);

  HeadlessOptions options;
  options.instanceFolder = temp_.Path() + "/instance";
  HeadlessSystem second(options);
  const std::unique_ptr<platform::InstanceLock> again = second.AcquireInstance("CellwrightTest");
  EXPECT_FALSE(again->AlreadyRunning());
}

// --- the frame limit -------------------------------------------------------------

using HeadlessMaxFramesDeathTest = HeadlessTest;

HeadlessOptions Limited(std::uint64_t frames) {
  HeadlessOptions options;
  options.maxFrames = frames;
  options.log = &std::cerr;
  options.beforeForcedExit = [] { std::cerr << "cleaned up\n"; };
  return options;
}

TEST(HeadlessMaxFramesDeathTest, ExitsWithCode3OncePastTheLimit) {
  EXPECT_EXIT(
      {
        HeadlessSystem sys(Limited(10));
        sys.AdvanceClock(10 * 32 + 31);  // frame 10: not past the limit yet
        std::cerr << "still running\n";
        sys.AdvanceClock(1);
        std::cerr << "not reached\n";
      },
      ::testing::ExitedWithCode(3),
      "still running\n\\{\"frame\":11,\"event\":\"exit\",\"code\":3\\}\ncleaned up\n$");
}

TEST(HeadlessMaxFramesDeathTest, EveryWayTheClockMovesIsWatched) {
  EXPECT_EXIT(
      {
        HeadlessSystem sys(Limited(3));
        sys.Sleep(5000);
      },
      ::testing::ExitedWithCode(3), "\"frame\":156,\"event\":\"exit\",\"code\":3");
  EXPECT_EXIT(
      {
        HeadlessSystem sys(Limited(3));
        for (;;) sys.WaitMessage(kForever);
      },
      ::testing::ExitedWithCode(3), "\"frame\":4,\"event\":\"exit\"");
  EXPECT_EXIT(
      {
        HeadlessSystem sys(Limited(3));
        for (;;) sys.WaitMessage(5);
      },
      ::testing::ExitedWithCode(3), "\"frame\":4,\"event\":\"exit\"");
}

TEST(HeadlessMaxFrames, ZeroMeansNoLimit) {
  HeadlessOptions options;
  HeadlessSystem sys(options);
  sys.AdvanceClock(0xFFFFFFFF);
  sys.AdvanceClock(0xFFFFFFFF);
  EXPECT_EQ(sys.ElapsedMs(), 2ull * 0xFFFFFFFF);
}

}  // namespace
