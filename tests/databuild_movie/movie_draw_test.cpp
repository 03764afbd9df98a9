// The movies' frames and cues, without ffmpeg.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "tools/databuild/movie_draw.h"
#include "tools/databuild/movie_encode.h"

namespace {

using databuild::movie::AllReels;
using databuild::movie::DrawFrame;
using databuild::movie::FindReel;
using databuild::movie::kFrameBytes;
using databuild::movie::Reel;
using databuild::movie::Stage;

// Mean HSV saturation of packed RGB pixels, 0 (grey) to 1 (pure colour).
double MeanSaturation(const std::vector<std::uint8_t>& rgb) {
  double sum = 0;
  const std::size_t pixels = rgb.size() / 3;
  for (std::size_t i = 0; i < pixels; ++i) {
    const int r = rgb[i * 3], g = rgb[i * 3 + 1], b = rgb[i * 3 + 2];
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi > 0) sum += static_cast<double>(hi - lo) / hi;
  }
  return sum / static_cast<double>(pixels);
}

TEST(MovieReels, TheSevenReelsTheEngineOpensExist) {
  for (const char* key :
       {"sensatu", "gagagen", "gagaras", "gagasyo", "ronigen", "roniras", "ronisyo"}) {
    const Reel* reel = FindReel(key);
    ASSERT_NE(reel, nullptr) << key;
    EXPECT_GE(databuild::movie::Seconds(*reel), 6.0) << key;
    EXPECT_LE(databuild::movie::Seconds(*reel), 12.0) << key;
    EXPECT_TRUE(reel->fps == 12 || reel->fps == 15) << key;
  }
  EXPECT_EQ(AllReels().size(), 7u);
  EXPECT_EQ(FindReel("zsensatu"), nullptr);
  EXPECT_EQ(FindReel("sensatu")->film, -1);
  EXPECT_EQ(FindReel("gagasyo")->film, 0);
  EXPECT_EQ(FindReel("roniras")->film, 1);
}

TEST(MovieDraw, FramesAreTheSameEveryTime) {
  for (const Reel& reel : AllReels()) {
    for (int frame : {0, reel.frames / 3, reel.frames - 1}) {
      const auto a = DrawFrame(reel, frame);
      const auto b = DrawFrame(reel, frame);
      ASSERT_EQ(a.size(), kFrameBytes);
      EXPECT_EQ(a, b) << reel.key << " frame " << frame;
    }
  }
}

TEST(MovieDraw, EveryReelMoves) {
  for (const Reel& reel : AllReels()) {
    std::set<std::vector<std::uint8_t>> distinct;
    for (int frame = 0; frame < reel.frames; frame += 2) distinct.insert(DrawFrame(reel, frame));
    // Held keys and drawings on threes repeat, but most sampled frames differ.
    EXPECT_GT(distinct.size(), static_cast<std::size_t>(reel.frames) / 6) << reel.key;
  }
}

TEST(MovieDraw, PencilStagesAreGreyAndThePrintIsColourful) {
  for (const Reel& reel : AllReels()) {
    double saturation = 0;
    int samples = 0;
    for (int frame = 0; frame < reel.frames; frame += 6, ++samples) {
      saturation += MeanSaturation(DrawFrame(reel, frame));
    }
    saturation /= samples;
    switch (reel.stage) {
      case Stage::kLineTest:
      case Stage::kKey:
        EXPECT_LT(saturation, 0.08) << reel.key;
        break;
      case Stage::kRush:
        EXPECT_GT(saturation, 0.12) << reel.key;
        EXPECT_LT(saturation, 0.5) << reel.key;
        break;
      case Stage::kPrint:
        EXPECT_GT(saturation, 0.4) << reel.key;
        break;
    }
  }
}

TEST(MovieDraw, TheRushCarriesATimecodeBurnIn) {
  const Reel& reel = *FindReel("gagaras");
  for (int frame : {5, 70}) {
    const auto rgb = DrawFrame(reel, frame);
    // The black box under the timecode, with white digits inside it.
    int dark = 0, white = 0, total = 0;
    for (int y = 219; y < 235; ++y) {
      for (int x = 98; x < 222; ++x, ++total) {
        const std::size_t at =
            (static_cast<std::size_t>(y) * 320 + static_cast<std::size_t>(x)) * 3;
        if (rgb[at] < 20 && rgb[at + 1] < 20 && rgb[at + 2] < 20) ++dark;
        if (rgb[at] > 200 && rgb[at + 1] > 200 && rgb[at + 2] > 200) ++white;
      }
    }
    EXPECT_GT(dark, total / 2) << frame;
    EXPECT_GT(white, total / 20) << frame;
  }
  // The digits change as the reel runs.
  EXPECT_NE(DrawFrame(reel, 5), DrawFrame(reel, 6));
}

TEST(MovieCue, AsLongAsThePicturesAndAudible) {
  for (const Reel& reel : AllReels()) {
    const auto cue = databuild::movie::RenderCue(reel);
    EXPECT_EQ(cue.size(), databuild::synth::Samples(databuild::movie::Seconds(reel))) << reel.key;
    double energy = 0;
    double peak = 0;
    for (double s : cue) {
      energy += s * s;
      peak = std::max(peak, std::fabs(s));
    }
    EXPECT_GT(std::sqrt(energy / static_cast<double>(cue.size())), 0.02) << reel.key;
    EXPECT_LE(peak, 1.0) << reel.key;
    EXPECT_EQ(cue, databuild::movie::RenderCue(reel)) << reel.key;
  }
}

TEST(MovieCue, TheFinishedPrintHasMusicTheLineTestDoesNot) {
  // The projector is a 50 Hz drone and a 2.4 kHz clatter; the print's tunes
  // sit between. Compare the share of each cue's energy in that middle band.
  auto middleShare = [](const databuild::synth::Buffer& cue) {
    databuild::synth::Buffer band = cue;
    databuild::synth::BandPass(band, 450.0, 1.0);
    double middle = 0, total = 0;
    for (std::size_t i = 0; i < cue.size(); ++i) {
      middle += band[i] * band[i];
      total += cue[i] * cue[i];
    }
    return middle / total;
  };
  const double lineTest = middleShare(databuild::movie::RenderCue(*FindReel("sensatu")));
  const double giant = middleShare(databuild::movie::RenderCue(*FindReel("gagasyo")));
  const double wolf = middleShare(databuild::movie::RenderCue(*FindReel("ronisyo")));
  EXPECT_GT(giant, lineTest * 3) << giant << " vs " << lineTest;
  EXPECT_GT(wolf, lineTest * 3) << wolf << " vs " << lineTest;
}

}  // namespace
