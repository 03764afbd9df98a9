#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "tests/databuild_sound/sound_test_support.h"
#include "tools/databuild/synth_effect.h"
#include "tools/databuild/synth_recipes.h"
#include "tools/databuild/synth_wma.h"

namespace {

using namespace databuild::synth;

const std::uint8_t kAsfHeaderGuid[] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11};

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool IsAsf(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() > sizeof kAsfHeaderGuid &&
         std::equal(std::begin(kAsfHeaderGuid), std::end(kAsfHeaderGuid), bytes.begin());
}

std::size_t FirstLoud(const std::vector<std::int16_t>& pcm, int threshold) {
  for (std::size_t i = 0; i < pcm.size(); ++i) {
    if (std::abs(pcm[i]) > threshold) return i;
  }
  return pcm.size();
}

int PeakOf(const std::vector<std::int16_t>& pcm) {
  int peak = 0;
  for (std::int16_t s : pcm) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

TEST(Wav, HeaderDescribesMono16BitPcm) {
  const std::vector<std::int16_t> pcm = {1, -2, 300};
  const auto wav = WavBytes(pcm, 22050);
  ASSERT_EQ(wav.size(), 44u + 6u);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(Le32(wav, 4), 42u);
  EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(Le32(wav, 20) & 0xFFFFu, 1u);  // PCM
  EXPECT_EQ(Le32(wav, 20) >> 16, 1u);      // mono
  EXPECT_EQ(Le32(wav, 24), 22050u);
  EXPECT_EQ(Le32(wav, 28), 44100u);
  EXPECT_EQ(Le32(wav, 32), 2u | 16u << 16);
  EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
  EXPECT_EQ(Le32(wav, 40), 6u);
  EXPECT_EQ(wav[44], 1);
  EXPECT_EQ(wav[46], 0xFE);
  EXPECT_EQ(wav[47], 0xFF);
  EXPECT_EQ(wav[48], 300 & 0xFF);
}

TEST(Wma, PaddingPutsTheSoundBetweenWholeSilentBlocks) {
  const std::vector<std::int16_t> pcm(1500, 7);
  const auto padded = PadForWma(pcm, 22050);
  ASSERT_EQ(padded.size(), 1024u * 4);
  EXPECT_EQ(padded[1023], 0);
  EXPECT_EQ(padded[1024], 7);
  EXPECT_EQ(padded[1024 + 1499], 7);
  EXPECT_EQ(padded[1024 + 1500], 0);
  EXPECT_EQ(PadForWma(std::vector<std::int16_t>(2048, 1), 44100).size(), 2048u * 3);
}

TEST(Wma, MissingToolIsReported) {
  std::string error;
  EXPECT_FALSE(RunTool({"cellwright-no-such-tool"}, &error));
  EXPECT_NE(error.find("cellwright-no-such-tool"), std::string::npos);
  error.clear();
  EXPECT_FALSE(RunTool({"false"}, &error));
  EXPECT_FALSE(error.empty());
}

// A few sounds of different lengths: the same PCM must give the same bytes,
// and the decoded sound must sit where the PCM put it, at its level.
TEST(Wma, EncodingIsByteIdenticalAndDecodesInPlace) {
  sound_test::ScratchDir scratch("encode");
  for (const char* key : {"startup_chime", "phone_ring", "slap", "opening"}) {
    SCOPED_TRACE(key);
    const auto sound = RenderRecipe(key);
    ASSERT_TRUE(sound);
    const auto pcm = ToPcm(*sound);
    std::string error;
    const auto first = EncodeWma(pcm, kSampleRate, scratch.path() / "a", &error);
    ASSERT_TRUE(first) << error;
    const auto second = EncodeWma(pcm, kSampleRate, scratch.path() / "b", &error);
    ASSERT_TRUE(second) << error;
    EXPECT_TRUE(*first == *second);
    EXPECT_TRUE(IsAsf(*first));

    const auto wma = scratch.path() / "a" / "sound.wma";
    const auto decoded = sound_test::DecodeWma(wma, &error);
    ASSERT_TRUE(decoded) << error;
    // The decoder drops the leading block, which PadForWma filled with silence.
    const auto block = static_cast<std::size_t>(WmaBlockSamples(kSampleRate));
    const double pcmSeconds = static_cast<double>(pcm.size()) / kSampleRate;
    const double decodedSeconds = static_cast<double>(decoded->size()) / kSampleRate;
    EXPECT_GE(decodedSeconds, pcmSeconds);
    EXPECT_LE(decodedSeconds, pcmSeconds + 2.0 * static_cast<double>(block) / kSampleRate);
    const int threshold = PeakOf(pcm) / 4;
    const auto onset = static_cast<double>(FirstLoud(pcm, threshold));
    EXPECT_NEAR(static_cast<double>(FirstLoud(*decoded, threshold)), onset, 64.0);
    EXPECT_NEAR(PeakOf(*decoded), PeakOf(pcm), PeakOf(pcm) * 0.15);
  }
}

TEST(Wma, GeneratorRefusesOtherFormatsAndUnknownRecipes) {
  sound_test::ScratchDir scratch("refuse");
  databuild::Asset asset;
  asset.name = "01SE.wma";
  asset.family = "effect";
  asset.source = "phone_ring";
  asset.format = "mid";
  databuild::BuildContext context{scratch.path(), scratch.path()};
  std::string error;
  EXPECT_FALSE(GenerateEffect(asset, context, &error));
  EXPECT_NE(error.find("01SE.wma"), std::string::npos);
  asset.format = "wma";
  asset.source = "no_such_sound";
  error.clear();
  EXPECT_FALSE(GenerateEffect(asset, context, &error));
  EXPECT_NE(error.find("no_such_sound"), std::string::npos);
}

// Every row of the manifest through the generator, as the builder runs it.
TEST(Wma, EveryManifestSoundEncodesAndDecodes) {
  sound_test::ScratchDir scratch("all");
  std::size_t total = 0;
  const auto started = std::chrono::steady_clock::now();
  for (const auto& row : sound_test::LoadEffectsManifest()) {
    SCOPED_TRACE(row.name);
    databuild::BuildContext context{scratch.path(), scratch.path() / row.name};
    std::string error;
    const auto bytes = GenerateEffect(row, context, &error);
    ASSERT_TRUE(bytes) << error;
    EXPECT_TRUE(IsAsf(*bytes));
    total += bytes->size();
    const auto wma = scratch.path() / (row.name + ".out");
    ASSERT_TRUE(WriteFile(wma, *bytes, &error)) << error;
    const auto decoded = sound_test::DecodeWma(wma, &error);
    ASSERT_TRUE(decoded) << error;
    const auto sound = RenderRecipe(row.source);
    ASSERT_TRUE(sound);
    const double seconds = static_cast<double>(decoded->size()) / kSampleRate;
    EXPECT_GE(seconds, Seconds(*sound));
    EXPECT_LE(seconds, Seconds(*sound) + 0.1);
    EXPECT_GT(PeakOf(*decoded), 16000);
  }
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("all sounds: %zu bytes of WMA, built and decoded in %.1f s\n", total, elapsed);
}

}  // namespace
