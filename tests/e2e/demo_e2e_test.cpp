// The demonstration scenes through the real cellwright-play binary and the
// built game data: what the log says, what the screen shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/play_process.h"
#include "tests/support/pixels.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using e2e::Event;

struct PlayRun {
  std::optional<int> code;
  std::vector<Event> events;
  std::string badLine;

  std::vector<Event> Of(const std::string& kind) const { return e2e::EventsOf(events, kind); }
  std::vector<std::string> Names(const std::string& kind, const std::string& field) const {
    std::vector<std::string> names;
    for (const Event& event : Of(kind)) names.push_back(event.at(field));
    return names;
  }
};

class DemoTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return temp_.Path() + "/" + name; }

  PlayRun Play(const std::string& script, const std::string& maxFrames = "20000") {
    std::ofstream(Path("input.txt"), std::ios::binary) << script;
    const std::vector<std::string> command = {
        CELLWRIGHT_PLAY, "--demo",          "--data",       CELLWRIGHT_GAMEDATA,
        "--script",      Path("input.txt"), "--shots",      temp_.Sub("shots"),
        "--log",         Path("log.jsonl"), "--max-frames", maxFrames};
    e2e::Process process(command, Path("out.txt"), Path("err.txt"), {"TMPDIR=" + temp_.Sub("t")});
    EXPECT_TRUE(process.Started());
    PlayRun run;
    run.code = process.Wait(std::chrono::seconds(60));
    run.events = e2e::ReadLog(Path("log.jsonl"), &run.badLine);
    return run;
  }

  cellwright_test::TempFolder temp_;
};

// Differences a font or rounding change may make without being a change a
// player would see: a channel off by a little, or a few pixels of a glyph edge.
::testing::AssertionResult LooksLike(const std::string& shot, const std::string& reference) {
  const cellwright_test::Picture got = cellwright_test::ReadPng(shot);
  const cellwright_test::Picture want = cellwright_test::ReadPng(reference);
  if (want.pixels.empty()) return ::testing::AssertionFailure() << "no reference " << reference;
  if (got.width != want.width || got.height != want.height) {
    return ::testing::AssertionFailure() << shot << " is " << got.width << "x" << got.height;
  }
  constexpr int kChannelTolerance = 24;
  constexpr std::size_t kOddPixelsAllowed = 200;  // of 307200
  std::size_t odd = 0;
  for (std::size_t i = 0; i < got.pixels.size(); ++i) {
    for (const int shift : {16, 8, 0}) {
      const int a = static_cast<int>(got.pixels[i] >> shift & 0xFF);
      const int b = static_cast<int>(want.pixels[i] >> shift & 0xFF);
      if (std::abs(a - b) > kChannelTolerance) {
        ++odd;
        break;
      }
    }
  }
  if (odd > kOddPixelsAllowed) {
    return ::testing::AssertionFailure()
           << shot << " differs from " << reference << " in " << odd << " pixels";
  }
  return ::testing::AssertionSuccess();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(DemoTest, TourLooksAsItDidWhenItWasLastApproved) {
  const std::string tour = std::string(CELLWRIGHT_SOURCE_DIR) + "/tests/e2e/demo_tour.txt";
  const PlayRun run = Play(ReadFile(tour));
  ASSERT_EQ(run.code, 0);
  EXPECT_EQ(run.badLine, "");
  const std::string references = std::string(CELLWRIGHT_SOURCE_DIR) + "/tests/golden/demo/";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(references)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(LooksLike(temp_.Path() + "/shots/" + name, entry.path().string()))
        << "if the change is meant, run scripts/update-reference-shots.sh and look at the images";
    ++compared;
  }
  EXPECT_EQ(compared, static_cast<int>(run.Of("shot").size()));
}

TEST_F(DemoTest, LogFollowsTheScenesPagesAndChoice) {
  const PlayRun run = Play("page\npage\npage\npage\npage\npage\nchoose 2\npage\n");
  ASSERT_EQ(run.code, 0);
  EXPECT_EQ(run.Names("scenario", "name"), (std::vector<std::string>{"sDemo", "sDemoHotaru"}));
  EXPECT_EQ(run.Names("layer", "name"),
            (std::vector<std::string>{"bg034", "kot001", "hot001", "bg036", "hot001"}));
  EXPECT_EQ(run.Of("page").size(), 7u);  // six page ends and one break inside a line
  const std::vector<Event> choices = run.Of("choice");
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].at("texts"), "こよりに付いて行く\n仕上げ室をのぞいてみる");
  EXPECT_EQ(choices[0].at("entries"), "1\n3");
  EXPECT_EQ(run.Names("picked", "choice"), (std::vector<std::string>{"3"}));
  const std::vector<std::string> texts = run.Names("text", "text");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(),
            "夕凪動画の事務所。扇風機の風が、机に積まれたカット袋の端を揺らしている。");
}

TEST_F(DemoTest, FirstAnswerKeepsKoyoriAloneInTheMiddle) {
  const PlayRun run =
      Play("page\npage\npage\npage\npage\npage\nchoose 1\nuntil-page\nshot koyori\npage\n");
  ASSERT_EQ(run.code, 0);
  EXPECT_EQ(run.Names("scenario", "name"), (std::vector<std::string>{"sDemo", "sDemoKoyori"}));
  const std::vector<Event> layers = run.Of("layer");
  ASSERT_FALSE(layers.empty());
  EXPECT_EQ(layers.back().at("slot"), "2");
  EXPECT_EQ(layers.back().at("name"), "");
  // Koyori's orange shirt is in the middle of the screen now.
  const cellwright_test::Picture shot =
      cellwright_test::ReadPng(temp_.Path() + "/shots/koyori.png");
  ASSERT_EQ(shot.width, 640);
  const std::uint32_t middle = shot.pixels[350 * 640 + 320];
  EXPECT_GT(middle >> 16 & 0xFF, 0xC0u) << std::hex << middle;  // orange: strong red,
  EXPECT_LT(middle & 0xFF, 0x60u) << std::hex << middle;        // little blue
}

TEST_F(DemoTest, HeldControlRushesToTheChoiceAndPastTheEnd) {
  const PlayRun run = Play("hold ctrl\nuntil-choice\nchoose 1\nhold ctrl\n");
  ASSERT_EQ(run.code, 0);
  ASSERT_EQ(run.Of("choice").size(), 1u);
  // One frame a page, and nothing else waits.
  EXPECT_LT(std::stoi(run.Of("choice")[0].at("frame")), 12);
  EXPECT_LT(std::stoi(run.events.back().at("frame")), 24);
}

TEST_F(DemoTest, ConfirmedCloseInTheMiddleEndsWithCodeZero) {
  const PlayRun run = Play("page\nuntil-page\nanswer no\nclose\nframes 3\nanswer yes\nclose\n");
  ASSERT_EQ(run.code, 0);
  EXPECT_EQ(run.Of("msgbox").size(), 2u);
  EXPECT_EQ(run.Of("picked").size(), 0u);
  EXPECT_EQ(run.Of("window_destroyed").size(), 1u);
}

TEST_F(DemoTest, ChoosingALineThatIsNotThereIsAScriptError) {
  const PlayRun run = Play("page\npage\npage\npage\npage\npage\nchoose 3\n", "400");
  EXPECT_EQ(run.code, 3);  // nothing more comes, so the run meets its frame limit
  const std::vector<Event> errors = run.Of("script_error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].at("message").find("choose 3"), std::string::npos);
}

}  // namespace
