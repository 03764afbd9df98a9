// cellwright-play as tests and players run it: a real process, a script, a log.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/play_process.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using e2e::Event;
using e2e::Process;

constexpr int kExitOk = 0;
constexpr int kExitAnotherCopy = 1;
constexpr int kExitUsage = 2;
constexpr int kExitMaxFrames = 3;

struct Outcome {
  std::optional<int> code;
  std::vector<Event> events;
  std::string badLine;  // a log line that was not a flat JSON object
  std::string out;
  std::string err;

  std::vector<Event> Of(const std::string& kind) const { return e2e::EventsOf(events, kind); }
};

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp_ = temp_.Sub("tmp");
    data_ = temp_.Sub("data");
    // Archives with no members: the smallest data folder the game starts from.
    std::ofstream(data_ + "bmp.arc");
    std::ofstream(data_ + "wave.arc");
  }

  std::string Path(const std::string& name) const { return temp_.Path() + "/" + name; }

  std::string WriteScript(const std::string& text, const std::string& name = "input.txt") {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }

  // Args after the program name; the log goes to a file unless args say otherwise.
  std::vector<std::string> Command(const std::vector<std::string>& args,
                                   const std::string& log) const {
    std::vector<std::string> command = {CELLWRIGHT_PLAY, "--data", data_};
    if (!log.empty()) {
      command.push_back("--log");
      command.push_back(log);
    }
    command.insert(command.end(), args.begin(), args.end());
    return command;
  }

  Outcome Play(const std::vector<std::string>& args, const std::string& log = "log.jsonl") {
    const std::string logPath = log.empty() ? "" : Path(log);
    Process process(Command(args, logPath), Path("out.txt"), Path("err.txt"), Env());
    EXPECT_TRUE(process.Started());
    Outcome run;
    run.code = process.Wait();
    run.out = e2e::ReadText(Path("out.txt"));
    run.err = e2e::ReadText(Path("err.txt"));
    run.events = e2e::ReadLog(logPath.empty() ? Path("out.txt") : logPath, &run.badLine);
    return run;
  }

  // The driver's own temporary folders go here, to see that it removes them.
  std::vector<std::string> Env() const { return {"TMPDIR=" + tmp_}; }

  bool TmpIsEmpty() const { return fs::is_empty(tmp_); }

  static bool HasEvent(const std::string& log, const std::string& kind) {
    for (const Event& event : e2e::ReadLog(log)) {
      if (event.at("event") == kind) return true;
    }
    return false;
  }

  // Waits for a running copy to log an event; a bound only against hangs.
  static bool WaitForEvent(const std::string& log, const std::string& kind) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!HasEvent(log, kind)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

  cellwright_test::TempFolder temp_;
  std::string tmp_;
  std::string data_;
};

const char* const kQuitQuestion = "本当にゲームを終了してよろしいですか？";

TEST_F(PlayTest, AConfirmedCloseEndsTheRunWithCodeZero) {
  const Outcome run = Play({"--script", WriteScript("close\nanswer yes\n")});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.badLine, "");
  ASSERT_FALSE(run.events.empty());

  const std::vector<Event> windows = run.Of("window");
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].at("title"), "Cellwright");

  const std::vector<Event> boxes = run.Of("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].at("text"), kQuitQuestion);
  EXPECT_EQ(boxes[0].at("caption"), "Cellwright");
  EXPECT_EQ(boxes[0].at("buttons"), "yesno");
  EXPECT_EQ(boxes[0].at("answer"), "yes");
  EXPECT_EQ(boxes[0].at("scripted"), "true");
  EXPECT_EQ(boxes[0].at("frame"), "1");  // the script starts on frame 1

  EXPECT_EQ(run.Of("window_destroyed").size(), 1u);
  EXPECT_EQ(run.Of("quit").size(), 1u);
  EXPECT_EQ(run.events.back().at("event"), "exit");
  EXPECT_EQ(run.events.back().at("code"), "0");
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, ARefusedCloseKeepsTheGameRunningUntilTheNextOne) {
  const Outcome run = Play({"--script", WriteScript("close\nanswer no\n"
                                                    "frames 10\n"
                                                    "answer yes\nclose\n")});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  const std::vector<Event> boxes = run.Of("msgbox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].at("answer"), "no");
  EXPECT_EQ(boxes[1].at("answer"), "yes");
  EXPECT_EQ(boxes[1].at("text"), kQuitQuestion);
  EXPECT_EQ(std::stoi(boxes[1].at("frame")) - std::stoi(boxes[0].at("frame")), 10);
  EXPECT_EQ(run.events.back().at("code"), "0");
}

TEST_F(PlayTest, ACloseWithoutAnAnswerTakesTheDefaultNo) {
  const Outcome run = Play({"--script", WriteScript("close\n"), "--max-frames", "30"});
  EXPECT_EQ(run.code, kExitMaxFrames) << run.err;
  const std::vector<Event> boxes = run.Of("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].at("answer"), "no");
  EXPECT_EQ(boxes[0].at("scripted"), "false");
}

TEST_F(PlayTest, WithoutInputTheRunStopsJustPastMaxFrames) {
  const Outcome run = Play({"--max-frames", "50"});
  ASSERT_EQ(run.code, kExitMaxFrames) << run.err;
  EXPECT_EQ(run.badLine, "");
  ASSERT_FALSE(run.events.empty());
  EXPECT_EQ(run.events.back().at("event"), "exit");
  EXPECT_EQ(run.events.back().at("code"), "3");
  EXPECT_EQ(run.events.back().at("frame"), "51");
  EXPECT_TRUE(run.Of("msgbox").empty());
  // The forced exit skips destructors but still removes the temporary folders.
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, TheLogGoesToStandardOutputByDefault) {
  const Outcome run = Play({"--script", WriteScript("close\nanswer yes\n")}, "");
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.badLine, "");
  EXPECT_EQ(run.Of("msgbox").size(), 1u);
  EXPECT_EQ(run.events.back().at("event"), "exit");
}

TEST_F(PlayTest, AShotWritesAPngOfTheScreen) {
  const std::string shots = Path("shots/nested");  // made when missing
  const Outcome run = Play(
      {"--shots", shots, "--script", WriteScript("frames 2\nshot start\nanswer yes\nclose\n")});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  const std::vector<Event> taken = run.Of("shot");
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].at("ok"), "true");
  EXPECT_EQ(fs::path(taken[0].at("path")), fs::path(shots) / "start.png");

  const std::string png = e2e::ReadText(shots + "/start.png");
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8));  // 640 x 480
}

TEST_F(PlayTest, AGivenSaveFolderIsMadeAndKept) {
  const std::string save = Path("saves/here");
  const Outcome run = Play({"--save", save, "--script", WriteScript("answer yes\nclose\n")});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_TRUE(fs::is_directory(save));
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, BadScriptsAreUsageErrorsBeforeAnythingRuns) {
  const Outcome bad = Play({"--script", WriteScript("frames 1\njump 3\n")});
  EXPECT_EQ(bad.code, kExitUsage);
  EXPECT_NE(bad.err.find("line 2: unknown command 'jump'"), std::string::npos) << bad.err;
  EXPECT_TRUE(bad.events.empty());
  EXPECT_FALSE(fs::exists(Path("log.jsonl")));

  const Outcome missing = Play({"--script", Path("no-such-script.txt")});
  EXPECT_EQ(missing.code, kExitUsage);
  EXPECT_NE(missing.err.find("no-such-script.txt"), std::string::npos) << missing.err;
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, BadOptionsAreUsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--frames", "3"},
                                             {"--max-frames", "0"},
                                             {"--max-frames"},
                                             {"stray"},
                                             {"--data", Path("missing-folder")},
                                             {"--log", Path("missing-folder/log.jsonl")}}) {
    const Outcome run = Play(args);
    EXPECT_EQ(run.code, kExitUsage) << args[0];
    EXPECT_NE(run.err.find("cellwright-play: "), std::string::npos) << run.err;
    EXPECT_TRUE(run.events.empty()) << args[0];
  }
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, HelpListsEveryOption) {
  const Outcome run = Play({"--help"}, "");
  EXPECT_EQ(run.code, kExitOk);
  for (const char* option : {"--data", "--save", "--script", "--shots", "--log", "--max-frames",
                             "--instance-dir", "--help"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST_F(PlayTest, ASecondCopyAsksTheFirstToComeForwardAndExitsWithOne) {
  const std::string instance = Path("instance");
  const std::string firstLog = Path("first.jsonl");
  // The first copy idles until killed: a limit far past what the test needs.
  Process first(Command({"--instance-dir", instance, "--max-frames", "4000000000"}, firstLog),
                Path("first.out"), Path("first.err"), Env());
  ASSERT_TRUE(first.Started());

  ASSERT_TRUE(WaitForEvent(firstLog, "window")) << e2e::ReadText(Path("first.err"));
  EXPECT_FALSE(HasEvent(firstLog, "raised"));

  const Outcome second = Play({"--instance-dir", instance}, "second.jsonl");
  EXPECT_EQ(second.code, kExitAnotherCopy) << second.err;
  EXPECT_TRUE(second.Of("window").empty());
  ASSERT_FALSE(second.events.empty());
  EXPECT_EQ(second.events.back().at("code"), "1");

  EXPECT_TRUE(WaitForEvent(firstLog, "raised"));
  first.Kill();

  // With the first copy gone, the guard lets a new one start.
  const Outcome third =
      Play({"--instance-dir", instance, "--script", WriteScript("answer yes\nclose\n")});
  EXPECT_EQ(third.code, kExitOk) << third.err;
}

TEST_F(PlayTest, RunsWithTheirOwnGuardNeverCollide) {
  Process first(Command({"--max-frames", "4000000000"}, Path("first.jsonl")), Path("first.out"),
                Path("first.err"), Env());
  ASSERT_TRUE(first.Started());
  ASSERT_TRUE(WaitForEvent(Path("first.jsonl"), "window")) << e2e::ReadText(Path("first.err"));
  const Outcome second = Play({"--script", WriteScript("answer yes\nclose\n")});
  EXPECT_EQ(second.code, kExitOk) << second.err;
  first.Kill();
}

}  // namespace
