// The story played by cellwright-play on the built game data: the replays of
// every ending from a new game, and the ways out of a game in the middle.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/play_process.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

class StoryPlay : public testing::Test {
 protected:
  // The exit code; the log is in Log().
  std::optional<int> Play(const std::string& scriptPath, std::vector<std::string> args) {
    args.insert(args.begin(), {CELLWRIGHT_PLAY, "--data", CELLWRIGHT_GAMEDATA, "--script",
                               scriptPath, "--log", Path("log.jsonl"), "--max-frames", "1000000"});
    return e2e::Process(args, Path("out.txt"), Path("err.txt"), {"TMPDIR=" + temp_.Sub("tmp")})
        .Wait();
  }

  std::optional<int> PlayScript(const std::string& script, std::vector<std::string> args) {
    cellwright_test::WriteBytes(Path("input.txt"), script);
    return Play(Path("input.txt"), std::move(args));
  }

  std::string Path(const std::string& name) const { return temp_.Path() + "/" + name; }
  std::string Log() const { return cellwright_test::ReadBytes(Path("log.jsonl")); }

  // Whether the log holds these pieces in this order.
  ::testing::AssertionResult InOrder(const std::vector<std::string>& pieces) const {
    const std::string log = Log();
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
      at = log.find(piece, at);
      if (at == std::string::npos) return ::testing::AssertionFailure() << "no " << piece;
      at += piece.size();
    }
    return ::testing::AssertionSuccess();
  }

  cellwright_test::TempFolder temp_;
};

TEST_F(StoryPlay, EveryReplayReachesItsEndingFromANewGame) {
  const fs::path folder = fs::path(CELLWRIGHT_SOURCE_DIR) / "tests" / "replays";
  int replays = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".txt") continue;
    ++replays;
    const std::string ending = entry.path().stem().string();
    EXPECT_EQ(Play(entry.path().string(), {}), 0) << ending;
    EXPECT_TRUE(InOrder({R"("scenario","name":"s0")", R"("ending","name":")" + ending + "\""}))
        << ending;
    EXPECT_EQ(Log().find("見つかりません"), std::string::npos) << ending;
  }
  EXPECT_GE(replays, 13);  // every ending without a heroine, and the heroines'
}

TEST_F(StoryPlay, ASaveAtTheDaysEndLoadsBackToTheSameMenu) {
  const std::string menu = R"("texts":["●セーブする")";
  EXPECT_EQ(PlayScript("choose 1\nsave 3\nuntil-choice\nrclick 320 240\nsystem load\nload 3\n"
                       "until-choice\nanswer yes\nclose\n",
                       {"--start", "s2wA", "--date", "726", "--slot", "10"}),
            0);
  EXPECT_TRUE(InOrder({menu, R"("save","slot":3,"result":1)", menu, R"("load","slot":3,"result":1)",
                       R"("scenario","name":"s2wA")", menu, R"("quit")"}));
}

TEST_F(StoryPlay, QuittingInsideTheBriefingEndsTheProgram) {
  EXPECT_EQ(PlayScript("until-page\nanswer yes\nclose\n", {"--start", "sDay", "--date", "726"}), 0);
  EXPECT_TRUE(InOrder({R"("scenario","name":"sDay")", R"("quit")", R"("exit","code":0)"}));
  EXPECT_EQ(Log().find(R"("scenario","name":"s2wA")"), std::string::npos);
}

}  // namespace
