// Plays each piece through FluidSynth offline and listens for gross faults.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "tests/databuild_music/music_pieces.h"
#include "tools/databuild/music_piece.h"

namespace {

constexpr int kRate = 22050;
constexpr int kSeconds = 10;
constexpr int kWindow = kRate / 10;  // 100 ms

std::filesystem::path SoundFont() {
  for (const char* path :
       {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2"}) {
    if (std::filesystem::exists(path)) return path;
  }
  return {};
}

struct Settings {
  void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct Synth {
  void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct Player {
  void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

// Mono mix of the first seconds of the file, as floats.
std::vector<float> Render(const std::vector<std::uint8_t>& smf, int seconds) {
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  std::unique_ptr<fluid_settings_t, Settings> settings(new_fluid_settings());
  fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
  fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
  std::unique_ptr<fluid_synth_t, Synth> synth(new_fluid_synth(settings.get()));
  if (fluid_synth_sfload(synth.get(), SoundFont().c_str(), 1) == FLUID_FAILED) return {};
  std::unique_ptr<fluid_player_t, Player> player(new_fluid_player(synth.get()));
  if (fluid_player_add_mem(player.get(), smf.data(), smf.size()) != FLUID_OK) return {};
  fluid_player_play(player.get());
  const std::size_t frames = static_cast<std::size_t>(kRate) * static_cast<std::size_t>(seconds);
  std::vector<float> left(frames);
  std::vector<float> right(frames);
  constexpr int kBlock = 512;
  for (std::size_t at = 0; at < frames; at += kBlock) {
    const int count = static_cast<int>(std::min<std::size_t>(kBlock, frames - at));
    fluid_synth_write_float(synth.get(), count, left.data() + at, 0, 1, right.data() + at, 0, 1);
  }
  fluid_player_stop(player.get());
  std::vector<float> mono(frames);
  for (std::size_t i = 0; i < frames; ++i) mono[i] = 0.5f * (left[i] + right[i]);
  return mono;
}

double Rms(const float* samples, std::size_t count) {
  double sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += double{samples[i]} * double{samples[i]};
  return count == 0 ? 0.0 : std::sqrt(sum / static_cast<double>(count));
}

class Rendered : public testing::TestWithParam<std::string> {};

TEST_P(Rendered, SoundsWithoutClippingOrLongSilence) {
  if (SoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  std::string error;
  const auto piece = databuild::music::ParsePiece(
      musictest::ReadText(musictest::DataDir() / "music" / (GetParam() + ".txt")), &error);
  ASSERT_TRUE(piece) << error;
  const std::vector<float> audio = Render(databuild::music::RenderSmf(*piece), kSeconds);
  ASSERT_EQ(audio.size(), static_cast<std::size_t>(kRate * kSeconds));

  float peak = 0;
  for (float sample : audio) {
    ASSERT_TRUE(std::isfinite(sample));
    peak = std::max(peak, std::fabs(sample));
  }
  EXPECT_LT(peak, 1.0f) << "clips";
  EXPECT_GT(Rms(audio.data(), audio.size()), 0.01);

  // Longest run of near-silent 100 ms windows after the first half second.
  int run = 0;
  int longest = 0;
  for (std::size_t at = kRate / 2; at + kWindow <= audio.size(); at += kWindow) {
    run = Rms(audio.data() + at, kWindow) < 0.002 ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  EXPECT_LT(longest, 15) << "a silent gap of " << longest * 100 << " ms";
}

INSTANTIATE_TEST_SUITE_P(Music, Rendered, testing::ValuesIn(musictest::PieceNames()),
                         [](const testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

}  // namespace
