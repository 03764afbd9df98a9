// The two sound channels as scenarios use them: effects by number, voices by
// name, each copied to its own private file and played on its own worker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/message_window.h"
#include "media/sound_channel.h"
#include "platform/audio/sound_decoder.h"
#include "platform/encoding.h"
#include "platform/headless/script.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/wav_file.h"

namespace {

using cellwright_test::SoundMember;
using media::PlaySound;

using ChannelTest = cellwright_test::BuiltDataTest;

TEST_F(ChannelTest, EffectNumbersNameTheirFilesAndEveryOtherNumberIsReported) {
  struct Case {
    const char* number;
    const char* member;  // empty: the error effect, which no file holds
  };
  const Case cases[] = {{"12", "12aSE.wma"}, {"13", "13SE.wma"}, {" +5", "05aSE.wma"},
                        {"69", "ESYO.wma"},  {"0", ""},          {"70", ""},
                        {"-5", ""},          {"abc", ""}};
  std::size_t boxes = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    PlaySound(0, c.number, 0);
    const bool exists = c.member[0] != '\0';
    EXPECT_EQ(Playing(0), exists);
    if (exists) {
      EXPECT_EQ(Copy(0), SoundMember(c.member));
    } else {
      ASSERT_EQ(Sys().Boxes().size(), ++boxes);
      EXPECT_EQ(platform::Cp932ToUtf8Lossy(Sys().Boxes().back().request.text),
                "見つかりません " + install_ + "wave/エラー.WMA");
    }
  }
}

TEST_F(ChannelTest, HeldControlOrSoundSwitchedOffStopsTheChannelAndStartsNothing) {
  for (const bool control : {true, false}) {
    SCOPED_TRACE(control ? "Control held" : "sound off");
    PlaySound(0, "12", 1);
    ASSERT_TRUE(Playing(0));
    Sys().SetKey(platform::Key::Control, control);
    media::SoundEnabled = control ? 1 : 0;
    PlaySound(0, "13", 0);
    EXPECT_FALSE(Playing(0));
    Sys().SetKey(platform::Key::Control, false);
    media::SoundEnabled = 1;
  }
  EXPECT_EQ(Events("sound").size(), 2u);  // only the two loops started
}

TEST_F(ChannelTest, ALoopingEffectOutlivesThePageWhileTheVoiceEndsWithIt) {
  PlaySound(0, "12", 1);
  PlaySound(1, "ko0235", 0);
  display::AddTextLine("x");
  Script("page\n");
  EXPECT_EQ(display::WaitPage(), 0);
  EXPECT_TRUE(Playing(0));
  EXPECT_FALSE(Playing(1));
}

TEST_F(ChannelTest, EachChannelCopiesToItsOwnFileAndAReloadWaitsForTheOldPlayer) {
  PlaySound(0, "12", 1);
  PlaySound(1, "ko0235", 0);
  Sys().AdvanceClock(300);
  EXPECT_EQ(Copy(0), SoundMember("12aSE.wma"));
  EXPECT_EQ(Copy(1), SoundMember("ko0235.wma"));
  // The loop's worker is stopped and joined before its file is written again.
  PlaySound(0, "16", 0);
  EXPECT_EQ(Copy(0), SoundMember("16aSE.wma"));
  EXPECT_TRUE(Playing(0));
  EXPECT_TRUE(Playing(1));
}

TEST_F(ChannelTest, ABrokenOverrideOrNoPrivateFolderMeansSilenceWithoutABox) {
  cellwright_test::WriteBytes(install_ + "wave/30cSE.WMA", "");
  PlaySound(0, "30", 1);
  Sys().AdvanceClock(3000);
  EXPECT_FALSE(Playing(0));
  core::WindowsFolder.clear();
  PlaySound(1, "ko0235", 0);
  EXPECT_FALSE(Playing(1));
  EXPECT_TRUE(Sys().Boxes().empty());
}

TEST_F(ChannelTest, WaitVoiceLastsAsLongAsTheLineUnlessControlIsHeld) {
  PlaySound(1, "ko0236", 0);
  const std::uint64_t start = Sys().ElapsedMs();
  display::WaitVoice(1);
  const std::uint64_t heard = Sys().ElapsedMs() - start;
  EXPECT_FALSE(Playing(1));
  // The clip's own length from its samples: the wait ends within a frame of it.
  cellwright_test::WriteBytes(Temp().Folder() + "clip.wma", SoundMember("ko0236.wma"));
  const auto decoder = platform::audio::SoundDecoder::Open(Temp().Folder() + "clip.wma",
                                                           platform::audio::kSoundFormats, nullptr);
  ASSERT_TRUE(decoder);
  std::vector<std::int16_t> samples(44100 * 2 * 10);
  const std::size_t frames = decoder->Read(samples.data(), 44100 * 10);
  EXPECT_NEAR(static_cast<double>(heard), static_cast<double>(frames) * 1000.0 / 44100, 33.0);
  const std::vector<std::string> ends = Events("sound_end");
  ASSERT_FALSE(ends.empty());
  EXPECT_NE(ends.back().find("\"reason\":\"end\""), std::string::npos);

  PlaySound(1, "ko0236", 0);
  Sys().SetKey(platform::Key::Control, true);
  const std::uint64_t before = Sys().ElapsedMs();
  display::WaitVoice(1);
  EXPECT_EQ(Sys().ElapsedMs(), before);
}

TEST_F(ChannelTest, AnEffectStartsAndEndsAtSilenceInWhatIsHeard) {
  platform::headless::HeadlessOptions options;
  options.installFolder = install_;
  options.audioCapture = Temp().Folder() + "heard.wav";
  Start(options);
  core::InstallFolder = Sys().CurrentFolder();
  core::WindowsFolder = Sys().PrivateTempFolder();
  ASSERT_TRUE(media::OpenResourceArchives());
  PlaySound(0, "13", 0);
  Sys().AdvanceClock(1000);
  const std::vector<std::int16_t> heard = cellwright_test::ReadWavSamples(options.audioCapture);
  ASSERT_GE(heard.size(), 44100u * 2 - 2);
  std::size_t first = heard.size();
  std::size_t last = 0;
  for (std::size_t i = 0; i < heard.size(); ++i) {
    if (heard[i] == 0) continue;
    first = std::min(first, i);
    last = i;
  }
  ASSERT_LT(first, last);
  // A click is a jump from or to silence; the decoder's drained tail fades out.
  EXPECT_LT(std::abs(heard[first]), 200);
  EXPECT_LT(std::abs(heard[last]), 200);
  EXPECT_GT(last - first, 44100u / 4);  // the chime's whole length was heard
}

}  // namespace
