// The sounds' files: PCM written as a WAV that ffmpeg reads back sample for
// sample, and the WMA the archive holds, decoded again; the "effect" generator
// as the builder finds it, and the rows it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "tests/support/audio.h"
#include "tests/support/temp_folder.h"
#include "tools/databuild/asset.h"
#include "tools/databuild/synth_effect.h"
#include "tools/databuild/synth_recipes.h"
#include "tools/databuild/synth_wma.h"

namespace {

using namespace databuild::synth;

TEST(Sound, PcmIsScaledAndClippedAndItsWavReadsBackExactly) {
  const std::vector<std::int16_t> pcm = ToPcm({0.0, 0.5, -0.5, 1.0, -1.0, 2.0, -2.0});
  EXPECT_EQ(pcm, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32767, 32767, -32767}));
  const cellwright_test::TempFolder temp;
  std::string error;
  for (const int rate : {kSampleRate, 44100}) {
    ASSERT_TRUE(WriteFile(temp.Folder() + "a.wav", WavBytes(pcm, rate), &error)) << error;
    EXPECT_EQ(cellwright_test::DecodeSound(temp.Folder() + "a.wav", rate, &error), pcm) << error;
  }
}

// The codec's first block and a last partial one are dropped by decoders, so
// the sound sits between whole blocks of silence: 1024 samples up to 22.05 kHz,
// 2048 above.
TEST(Sound, PaddingPutsTheSoundBetweenWholeSilentBlocks) {
  using R = std::tuple<std::size_t, int, std::size_t, std::size_t>;  // samples, rate, block, size
  for (const auto& [samples, rate, block, size] :
       {R{1500, 22050, 1024, 4096}, R{1024, 22050, 1024, 3072}, R{1025, 22050, 1024, 4096},
        R{2048, 22051, 2048, 6144}, R{1, 44100, 2048, 6144}}) {
    SCOPED_TRACE(std::to_string(samples) + " at " + std::to_string(rate));
    const std::vector<std::int16_t> padded = PadForWma(std::vector<std::int16_t>(samples, 7), rate);
    EXPECT_EQ(padded.size(), size);
    EXPECT_EQ(static_cast<std::size_t>(std::count(padded.begin(), padded.end(), 7)), samples);
    EXPECT_EQ(padded[block - 1], 0);
    EXPECT_EQ(padded[block], 7);
  }
}

TEST(Sound, TheWmaEncodeIsRepeatableAndDecodesToTheSoundInPlace) {
  const cellwright_test::TempFolder temp;
  const std::vector<std::int16_t> pcm = ToPcm(*RenderRecipe("phone_ring"));
  std::string error;
  const auto wma = EncodeWma(pcm, kSampleRate, temp.Folder() + "a", &error);
  ASSERT_TRUE(wma) << error;
  EXPECT_EQ(EncodeWma(pcm, kSampleRate, temp.Folder() + "b", &error), wma);
  const auto decoded = cellwright_test::DecodeSoundBytes(*wma, kSampleRate, &error);
  ASSERT_TRUE(decoded) << error;
  // Never cut short, at most the padding longer; starting where the PCM starts, as loud.
  EXPECT_GE(decoded->size(), pcm.size());
  EXPECT_LE(decoded->size(), pcm.size() + 2 * 1024);
  const auto peak = [](const std::vector<std::int16_t>& s) {
    return std::abs(static_cast<int>(*std::max_element(
        s.begin(), s.end(), [](int a, int b) { return std::abs(a) < std::abs(b); })));
  };
  const auto onset = [&](const std::vector<std::int16_t>& s) {
    return static_cast<double>(
        std::find_if(s.begin(), s.end(), [&](int v) { return std::abs(v) > peak(pcm) / 4; }) -
        s.begin());
  };
  EXPECT_NEAR(onset(*decoded), onset(pcm), 64);
  EXPECT_NEAR(peak(*decoded), peak(pcm), peak(pcm) * 0.15);
}

TEST(Sound, TheBuilderFindsTheEffectGeneratorWhichRefusesBadRows) {
  const databuild::Generator* generator = databuild::FindGenerator("effect");
  ASSERT_NE(generator, nullptr);
  EXPECT_EQ(databuild::GeneratorVersion("effect"), kEffectsVersion);
  const cellwright_test::TempFolder temp;
  databuild::Asset asset{"13SE.wma", "effect", "startup_chime", "wma", "wave.arc", 1, {}};
  std::string error;
  const auto bytes = (*generator)(asset, {temp.Path(), temp.Folder() + "a"}, &error);
  EXPECT_EQ(bytes, EncodeWma(ToPcm(*RenderRecipe("startup_chime")), kSampleRate,
                             temp.Folder() + "b", &error));
  using R = std::tuple<std::string, std::string, std::string>;  // source, format, what is named
  for (const auto& [source, format, named] :
       {R{"startup_chime", "mid", "13SE.wma"}, R{"no_such_sound", "wma", "no_such_sound"}}) {
    asset.source = source;
    asset.format = format;
    EXPECT_FALSE((*generator)(asset, {temp.Path(), temp.Folder() + "c"}, &error));
    EXPECT_NE(error.find(named), std::string::npos) << error;
  }
  EXPECT_FALSE(RunTool({"cellwright-no-such-tool"}, &error));
  EXPECT_NE(error.find("cellwright-no-such-tool"), std::string::npos);
  EXPECT_FALSE(RunTool({"false"}, &error));
  EXPECT_NE(error.find("false failed"), std::string::npos);
}

}  // namespace
