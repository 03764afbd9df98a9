// The one walk through the real program: cellwright-play plays the
// demonstration scenes on the built game data, and what the player would see
// is compared with the screenshots last approved; what they would hear is
// captured too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/e2e/play_process.h"
#include "tests/support/pixels.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav_file.h"

namespace {

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
  if (odd <= kOddPixelsAllowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << shot << " differs from " << reference << " in " << odd << " pixels";
}

TEST(Demo, TourLooksAsItDidWhenItWasLastApproved) {
  const cellwright_test::TempFolder temp;
  const std::string source = CELLWRIGHT_SOURCE_DIR;
  e2e::Process play(
      {CELLWRIGHT_PLAY, "--demo", "--data", CELLWRIGHT_GAMEDATA, "--script",
       source + "/tests/e2e/demo_tour.txt", "--shots", temp.Sub("shots"), "--log",
       temp.Path() + "/log.jsonl", "--audio", temp.Path() + "/heard.wav", "--max-frames", "20000"},
      temp.Path() + "/out.txt", temp.Path() + "/err.txt", {"TMPDIR=" + temp.Sub("tmp")});
  ASSERT_EQ(play.Wait(std::chrono::seconds(60)), 0);
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(source + "/tests/golden/demo/")) {
    EXPECT_TRUE(LooksLike(temp.Path() + "/shots/" + entry.path().filename().string(),
                          entry.path().string()))
        << "if the change is meant, run scripts/update-reference-shots.sh and look at the images";
    ++compared;
  }
  std::map<std::string, int> events;
  for (const std::string& line : e2e::LogLines(temp.Path() + "/log.jsonl")) {
    const std::size_t at = line.find(R"("event":")");
    if (at != std::string::npos) ++events[line.substr(at + 9, line.find('"', at + 9) - at - 9)];
  }
  EXPECT_EQ(events["shot"], compared) << "every shot of the tour has its reference";
  // Music, a looping effect, voices and a movie were played, and heard.
  for (const char* kind : {"music", "sound", "sound_end", "movie"})
    EXPECT_GT(events[kind], 0) << kind;
  const std::vector<std::int16_t> heard =
      cellwright_test::ReadWavSamples(temp.Path() + "/heard.wav");
  EXPECT_GT(std::count_if(heard.begin(), heard.end(), [](std::int16_t s) { return s != 0; }),
            44100 * 2 * 5);
}

}  // namespace
