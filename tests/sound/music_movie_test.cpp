// Music looped by its end message, movies in the middle of the screen, and the
// start-up chime that checks the whole chain once.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/frame_pump.h"
#include "media/movie.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "platform/encoding.h"
#include "platform/headless/script.h"
#include "shell/program.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/pixels.h"

namespace {

// One note of half a second at 120 beats a minute: 96 ticks, a quarter note.
std::string ShortPiece() {
  std::string track = std::string("\x00\xC0\x00", 3) + std::string("\x00\x90\x3C\x64", 4) +
                      std::string("\x60\x80\x3C\x40", 4) + std::string("\x00\xFF\x2F\x00", 4);
  return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14) + "MTrk" +
         std::string("\x00\x00\x00", 3) + static_cast<char>(track.size()) + track;
}

class MusicMovieTest : public cellwright_test::BuiltDataTest {
 protected:
  // Frames of the events of one kind whose line holds `part`.
  std::vector<int> FramesOf(const std::string& kind, const std::string& part) const {
    std::vector<int> frames;
    for (const std::string& line : Events(kind)) {
      if (line.find(part) != std::string::npos) frames.push_back(std::stoi(line.substr(9)));
    }
    return frames;
  }
};

TEST_F(MusicMovieTest, APieceIsPlayedAgainEachTimeItReachesItsEnd) {
  cellwright_test::WriteBytes(install_ + "BGM/short.MID", ShortPiece());
  media::PlayMusic("short");
  const int start = static_cast<int>(Sys().Frame());
  for (int i = 0; i < 60; ++i) core::WaitFrame();
  const std::vector<int> replays = FramesOf("music", "\"replay\"");
  ASSERT_GE(replays.size(), 3u);
  // Half a second is 15.6 frames; the end message is handled at the next frame.
  EXPECT_NEAR(replays[0] - start, 16, 1);
  EXPECT_NEAR(replays[1] - replays[0], 16, 1);
}

TEST_F(MusicMovieTest, AnEmptyNameStopsAndRemembersNoNameForgets) {
  cellwright_test::WriteBytes(install_ + "BGM/short.MID", ShortPiece());
  Temp().Sub("disc/BGM");
  core::MediaFolder = Temp().Folder() + "disc/";
  cellwright_test::WriteBytes(core::MediaFolder + "BGM/short.MID", ShortPiece());
  cellwright_test::WriteBytes(core::MediaFolder + "BGM/disc.MID", ShortPiece());

  media::PlayMusic("short");
  EXPECT_EQ(media::MusicReplayCommand, install_ + "BGM/short.MID");  // the install folder first
  media::PlayMusic("disc");
  EXPECT_EQ(media::MusicReplayCommand, core::MediaFolder + "BGM/disc.MID");

  media::PlayMusic("");
  EXPECT_EQ(media::MusicName, "disc");
  for (int i = 0; i < 40; ++i) core::WaitFrame();
  EXPECT_TRUE(FramesOf("music", "\"replay\"").empty());  // stopped, so it never ends
  // Music off: the piece is remembered but not played; on again, it starts over.
  media::MusicEnabled = 0;
  media::PlayMusic(media::MusicName.c_str());
  for (int i = 0; i < 40; ++i) core::WaitFrame();
  EXPECT_TRUE(FramesOf("music", "\"replay\"").empty());
  media::MusicEnabled = 1;
  media::PlayMusic(media::MusicName.c_str());
  for (int i = 0; i < 40; ++i) core::WaitFrame();
  EXPECT_FALSE(FramesOf("music", "\"replay\"").empty());

  media::PlayMusic(nullptr);
  EXPECT_EQ(media::MusicName, "");
  EXPECT_EQ(media::MusicReplayCommand, "");
}

TEST_F(MusicMovieTest, EnterBreaksAMovieAClickDoesNotAndNothingPlaysAfterIt) {
  cellwright_test::WriteBytes(install_ + "BGM/short.MID", ShortPiece());
  struct Case {
    const char* script;
    const char* ended;
  };
  for (const Case c :
       {Case{"frames 30\nkey enter\n", "enter"}, Case{"frames 30\nclick 320 240\n", "end"}}) {
    SCOPED_TRACE(c.script);
    media::PlayMusic("short");
    media::PlaySound(0, "12", 1);
    Script(c.script);
    const std::uint64_t start = Sys().ElapsedMs();
    media::PlayMovie("zsensatu");
    const std::vector<std::string> movies = Events("movie");
    ASSERT_FALSE(movies.empty());
    EXPECT_NE(movies.back().find(std::string("\"ended\":\"") + c.ended), std::string::npos);
    const std::uint64_t took = Sys().ElapsedMs() - start;
    if (std::string(c.ended) == "enter") {
      EXPECT_LT(took, 2000u);
    } else {
      EXPECT_GE(took, 7900u);  // the reel's eight seconds
    }
    EXPECT_FALSE(Playing(0));
    EXPECT_EQ(media::SoundChannels[0].player, nullptr);
    EXPECT_EQ(media::MusicReplayCommand, "");
    const std::size_t replays = FramesOf("music", "\"replay\"").size();
    for (int i = 0; i < 40; ++i) core::WaitFrame();
    EXPECT_EQ(FramesOf("music", "\"replay\"").size(), replays);
  }
}

TEST_F(MusicMovieTest, AMovieFillsItsRectangleOnlyAndLeavesTheScreenAsItWas) {
  constexpr std::uint32_t kBehind = 0x00123456;
  std::fill_n(Sys().ScreenPixels(), 640 * 480, kBehind);
  Script("frames 40\nshot during\nkey enter\n");
  media::PlayMovie("zgagasyo");
  const cellwright_test::Picture during = cellwright_test::ReadPng(Temp().Folder() + "during.png");
  ASSERT_EQ(during.width, 640);
  int inside = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool in = x >= 160 && x < 480 && y >= 120 && y < 360;
      if (!in) {
        ASSERT_EQ(during.At(x, y), kBehind) << x << "," << y;
      }
      if (in && during.At(x, y) != kBehind) ++inside;
    }
  }
  EXPECT_GT(inside, 320 * 240 / 2);
  for (int i = 0; i < 640 * 480; ++i) ASSERT_EQ(Sys().ScreenPixels()[i], kBehind) << i;
}

TEST_F(MusicMovieTest, ACloseRequestBreaksTheMovieAndIsThenAskedAsUsual) {
  Script("frames 20\nanswer no\nclose\n");
  media::PlayMovie("zsensatu");
  const std::vector<std::string> movies = Events("movie");
  ASSERT_EQ(movies.size(), 1u);
  EXPECT_NE(movies[0].find("\"ended\":\"close\""), std::string::npos);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(Sys().Boxes()[0].answer, platform::BoxAnswer::No);
  EXPECT_TRUE(Sys().HasMainWindow());
}

class StartupChimeTest : public cellwright_test::BuiltDataTest {};

TEST_F(StartupChimeTest, AChimeThatDoesNotDecodeAsksWhetherToGoOnWithoutSound) {
  struct Case {
    bool broken;
    platform::BoxAnswer answer;
    bool reachesTheLogo;
  };
  for (const Case c :
       {Case{false, platform::BoxAnswer::Yes, true}, Case{true, platform::BoxAnswer::No, true},
        Case{true, platform::BoxAnswer::Yes, false}}) {
    SCOPED_TRACE(c.broken ? "broken chime" : "built data");
    std::remove((install_ + "wave/13SE.WMA").c_str());
    if (c.broken) cellwright_test::WriteBytes(install_ + "wave/13SE.WMA", "not a sound");
    platform::headless::HeadlessOptions options;
    options.installFolder = install_;
    Start(options);
    Sys().QueueBoxAnswer(c.answer);
    bool logo = false;
    shell::ProgramParts parts;
    parts.openingLogo = [&logo] {
      logo = true;
      return 0;
    };
    parts.titleMenu = [] { return 5; };
    EXPECT_EQ(shell::RunProgram(parts), 0);
    EXPECT_EQ(logo, c.reachesTheLogo);
    EXPECT_EQ(Sys().Boxes().size(), c.broken ? 1u : 0u);
    if (!c.broken) {
      EXPECT_EQ(Events("sound_end").size(), 1u);  // heard to its end first
    }
  }
}

}  // namespace
