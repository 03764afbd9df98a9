// What cellwright-play itself adds to the backend and the game: its folders,
// its exit codes, where its log goes, and a second copy.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/play_process.h"
#include "tests/support/data_folder.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cellwright_test::WriteSmallestDataFolder(temp_.Sub("data"));
    // The run's scratch folder goes here, to see it removed; the runtime
    // folder is where a guard without --instance-dir would look.
    mkdir(Path("runtime").c_str(), 0700);
    env_ = {"TMPDIR=" + temp_.Sub("tmp"), "XDG_RUNTIME_DIR=" + Path("runtime")};
  }

  std::string Path(const std::string& name) const { return temp_.Path() + "/" + name; }

  std::vector<std::string> Command(const std::string& script, std::vector<std::string> args) {
    if (!script.empty()) {
      cellwright_test::WriteBytes(Path("input.txt"), script);
      args.insert(args.begin(), {"--script", Path("input.txt")});
    }
    if (std::ranges::find(args, "--data") == args.end())
      args.insert(args.begin(), {"--data", Path("data")});
    args.insert(args.begin(), CELLWRIGHT_PLAY);
    return args;
  }

  // The exit code; the run's stdout and stderr are in out.txt and err.txt.
  std::optional<int> Play(const std::string& script, const std::vector<std::string>& args) {
    return e2e::Process(Command(script, args), Path("out.txt"), Path("err.txt"), env_).Wait();
  }

  std::string Out() const { return cellwright_test::ReadBytes(Path("out.txt")); }
  std::string Err() const { return cellwright_test::ReadBytes(Path("err.txt")); }
  bool TmpIsEmpty() const { return fs::is_empty(Path("tmp")); }

  cellwright_test::TempFolder temp_;
  std::vector<std::string> env_;
};

TEST_F(PlayTest, AFinishedRunLogsItsExitMakesItsFoldersAndLeavesNoScratch) {
  const std::string shots = Path("shots/nested");
  const std::string saves = Path("saves/here");
  EXPECT_EQ(Play("frames 2\nshot start\nanswer yes\nclose\n", {"--shots", shots, "--save", saves}),
            0)
      << Err();
  // Without --log the log is standard output.
  const std::string out = Out();
  EXPECT_NE(out.find(R"("event":"shot","path":")" + shots + R"(/start.png","ok":true})"),
            std::string::npos)
      << out;
  EXPECT_TRUE(out.ends_with(R"(,"event":"exit","code":0})"
                            "\n"))
      << out;
  EXPECT_TRUE(fs::is_regular_file(shots + "/start.png"));
  EXPECT_TRUE(fs::is_directory(saves));
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, PastMaxFramesTheRunEndsWithCode3AndStillLeavesNoScratch) {
  EXPECT_EQ(Play("", {"--max-frames", "50", "--log", Path("log.jsonl")}), 3) << Err();
  EXPECT_EQ(e2e::LogLines(Path("log.jsonl")).back(), R"({"frame":51,"event":"exit","code":3})");
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, BadUsageEndsWithCode2BeforeAnythingRuns) {
  const struct {
    const char* script;
    std::vector<std::string> args;
    int code;
    std::string says;  // on stderr, or stdout for help
  } rows[] = {
      {"frames 1\njump 3\n", {}, 2, "input.txt: line 2: unknown command 'jump'"},
      {"", {"--script", Path("none.txt")}, 2, "cannot read " + Path("none.txt")},
      {"", {"--frames", "3"}, 2, "cellwright-play: unknown option '--frames'"},
      {"", {"--data", Path("missing")}, 2, "'" + Path("missing") + "' is not a folder"},
      {"", {"--log", Path("missing/log.jsonl")}, 2, "cannot write " + Path("missing/log.jsonl")},
      {"", {"--help"}, 0, "usage: cellwright-play"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.says);
    EXPECT_EQ(Play(row.script, row.args), row.code);
    EXPECT_NE((row.code == 0 ? Out() : Err()).find(row.says), std::string::npos) << Err();
    EXPECT_EQ(Out().empty(), row.code != 0) << "only help writes to stdout";
  }
  EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(PlayTest, ASecondCopyAsksTheFirstToComeForwardAndEndsWithCode1) {
  const auto logged = [&](const std::string& event) {
    for (int tries = 0; tries < 3000; ++tries) {
      for (const std::string& line : e2e::LogLines(Path("first.jsonl"))) {
        if (line.find(R"("event":")" + event + "\"") != std::string::npos) return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  };
  // The first copy idles until killed, its guard in the runtime folder.
  e2e::Process first(Command("", {"--instance-dir", Path("runtime"), "--max-frames", "4000000000",
                                  "--log", Path("first.jsonl")}),
                     Path("first.out"), Path("first.err"), env_);
  ASSERT_TRUE(logged("window")) << cellwright_test::ReadBytes(Path("first.err"));

  // A run with a guard of its own never meets it.
  EXPECT_EQ(Play("answer yes\nclose\n", {}), 0) << Err();
  EXPECT_EQ(Play("", {"--instance-dir", Path("runtime"), "--log", Path("second.jsonl")}), 1)
      << Err();
  EXPECT_EQ(e2e::LogLines(Path("second.jsonl")),
            (std::vector<std::string>{R"({"frame":0,"event":"exit","code":1})"}));
  EXPECT_TRUE(logged("raised"));
}

}  // namespace
