// The platform's decoding and mixing, below the engine: what a sound file
// becomes in the mix, and how every kind of bad file ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "platform/audio/audio_engine.h"
#include "platform/audio/midi_synth.h"
#include "platform/audio/sound_decoder.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav_file.h"

namespace {

using cellwright_test::TempFolder;
using platform::SoundEvent;
using platform::audio::AudioEngine;

std::vector<std::int16_t> Pull(AudioEngine& engine, std::size_t frames) {
  std::vector<std::int16_t> out(frames * 2);
  engine.Pull(out.data(), frames);
  return out;
}

TEST(SoundDecoding, MonoPlaysAtUnityOnBothSidesToItsLastSample) {
  TempFolder temp;
  // 0.1 s of a tone at the effects' rate; the mix rate is twice as high.
  std::vector<std::int16_t> tone(2205);
  for (std::size_t i = 0; i < tone.size(); ++i) {
    tone[i] = static_cast<std::int16_t>(
        std::lround(12000 * std::sin(2 * std::numbers::pi * 441 * static_cast<double>(i) / 22050)));
  }
  cellwright_test::WriteWav(temp.Folder() + "tone.wav", tone, 22050, 1);
  std::string why;
  const auto decoder = platform::audio::SoundDecoder::Open(temp.Folder() + "tone.wav",
                                                           platform::audio::kSoundFormats, &why);
  ASSERT_TRUE(decoder) << why;
  std::vector<std::int16_t> out(10000 * 2);
  const std::size_t frames = decoder->Read(out.data(), 10000);
  EXPECT_TRUE(decoder->Ended());
  EXPECT_FALSE(decoder->Failed());
  // The resampler's held-back tail comes out too: no frame of the tone is lost.
  EXPECT_NEAR(static_cast<double>(frames), 4410.0, 2.0);
  int peak = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    ASSERT_EQ(out[2 * i], out[2 * i + 1]) << i;
    peak = std::max(peak, std::abs(static_cast<int>(out[2 * i])));
  }
  // The default mono matrix would give 8485 (-3 dB).
  EXPECT_NEAR(peak, 12000, 150);
}

TEST(SoundDecoding, ALoopGoesOnInTheSampleItEndedAndAnEndStopsThere) {
  TempFolder temp;
  const std::vector<std::int16_t> level(441, 1000);  // 10 ms at the mix rate: no resampling
  cellwright_test::WriteWav(temp.Folder() + "level.wav", level, 44100, 1);
  AudioEngine engine(nullptr);
  for (const bool loop : {true, false}) {
    SCOPED_TRACE(loop ? "loop" : "once");
    const auto sound = engine.OpenSound(temp.Folder() + "level.wav");
    ASSERT_TRUE(sound);
    sound->Run(loop);
    const std::vector<std::int16_t> out = Pull(engine, 441 * 4);
    for (std::size_t i = 0; i < out.size(); ++i) {
      ASSERT_EQ(out[i], loop || i < 441 * 2 ? 1000 : 0) << i;
    }
    EXPECT_EQ(sound->IsRunning(), loop);
    EXPECT_EQ(sound->WaitForEvent(0), loop ? SoundEvent::Looped : SoundEvent::Ended);
  }
}

TEST(SoundDecoding, FilesThatAreNoSoundNeverKeepAChannelBusy) {
  TempFolder temp;
  const std::string chime = cellwright_test::SoundMember("13SE.wma");
  ASSERT_GT(chime.size(), 1000u);
  const std::vector<std::uint8_t> wav =
      cellwright_test::WavBytes(std::vector<std::int16_t>(100), 22050, 1);
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"zero bytes", ""},
      {"text named as a sound", "this is not a sound\n"},
      {"WMA cut in the middle", chime.substr(0, chime.size() / 2)},
      {"WMA cut in its header", chime.substr(0, 200)},
      {"WAV header alone", std::string(wav.begin(), wav.begin() + 30)},
  };
  AudioEngine engine(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cellwright_test::WriteBytes(temp.Folder() + "bad.WMA", c.bytes);
    const auto sound = engine.OpenSound(temp.Folder() + "bad.WMA");
    if (!sound) continue;  // refused outright: the channel gets no player
    sound->Run(true);      // even looping, a bad file must come to an end
    Pull(engine, 44100 * 3);
    EXPECT_FALSE(sound->IsRunning());
  }
}

TEST(SoundDecoding, TheRicherSoundfontWinsWhereverItIs) {
  TempFolder temp;
  const std::string first = temp.Sub("first");
  const std::string second = temp.Sub("second");
  const std::vector<std::string> folders = {temp.Path() + "/first", temp.Path() + "/second"};
  EXPECT_EQ(platform::audio::FindSoundfont(folders), "");
  cellwright_test::WriteBytes(first + "TimGM6mb.sf2", "x");
  EXPECT_EQ(platform::audio::FindSoundfont(folders), first + "TimGM6mb.sf2");
  cellwright_test::WriteBytes(second + "FluidR3_GM.sf2", "x");
  EXPECT_EQ(platform::audio::FindSoundfont(folders), second + "FluidR3_GM.sf2");
}

}  // namespace
