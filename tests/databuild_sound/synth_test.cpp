#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/databuild/synth_core.h"

namespace {

using namespace databuild::synth;

double Rms(const Buffer& b) {
  double sum = 0.0;
  for (double s : b) sum += s * s;
  return b.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(b.size()));
}

double Peak(const Buffer& b) {
  double peak = 0.0;
  for (double s : b) peak = std::max(peak, std::abs(s));
  return peak;
}

// The lag in samples, within [shortest, longest], at which the signal best
// matches itself: its period.
std::size_t PeriodOf(const Buffer& b, std::size_t shortest, std::size_t longest) {
  std::size_t best = 0;
  double bestScore = -1e300;
  for (std::size_t lag = shortest; lag <= longest; ++lag) {
    double score = 0.0;
    for (std::size_t i = 0; i + lag < b.size(); ++i) score += b[i] * b[i + lag];
    if (score > bestScore) {
      bestScore = score;
      best = lag;
    }
  }
  return best;
}

// Upward zero crossings in [from, to) seconds, over the time: the frequency.
double MeasuredHz(const Buffer& b, double from, double to) {
  int crossings = 0;
  for (std::size_t i = Samples(from) + 1; i < Samples(to); ++i) {
    if (b[i - 1] < 0.0 && b[i] >= 0.0) ++crossings;
  }
  return crossings / (to - from);
}

TEST(SynthNoise, SameSeedRepeatsAndOtherSeedsDiffer) {
  Noise a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const double x = a.Next();
    EXPECT_EQ(x, b.Next());
    EXPECT_GE(x, -1.0);
    EXPECT_LT(x, 1.0);
    if (x != c.Next()) differs = true;
  }
  EXPECT_TRUE(differs);
}

TEST(SynthNoise, IsRoughlyZeroMeanAndSpread) {
  Buffer n = WhiteNoise(1.0, 3);
  double mean = 0.0;
  for (double s : n) mean += s;
  mean /= static_cast<double>(n.size());
  EXPECT_NEAR(mean, 0.0, 0.02);
  EXPECT_NEAR(Rms(n), 1.0 / std::sqrt(3.0), 0.02);  // uniform in [-1, 1)
}

TEST(SynthTone, SineHasItsFrequencyAndLength) {
  Buffer s = Tone(Wave::kSine, 1.0, 1000.0);
  EXPECT_EQ(s.size(), static_cast<std::size_t>(kSampleRate));
  EXPECT_NEAR(MeasuredHz(s, 0.0, 1.0), 1000.0, 2.0);
  EXPECT_NEAR(Rms(s), std::sqrt(0.5), 0.01);
}

TEST(SynthTone, GlideMovesFromStartToEndFrequency) {
  Buffer s = Tone(Wave::kSine, 2.0, 400.0, 1600.0);
  EXPECT_NEAR(MeasuredHz(s, 0.0, 0.1), 400.0 * std::pow(4.0, 0.025), 25.0);
  EXPECT_NEAR(MeasuredHz(s, 1.9, 2.0), 1600.0 * std::pow(4.0, -0.025), 40.0);
}

TEST(SynthTone, SquareAndSawHaveFullSwing) {
  Buffer sq = Tone(Wave::kSquare, 0.1, 100.0);
  Buffer saw = Tone(Wave::kSaw, 0.1, 100.0);
  EXPECT_NEAR(Rms(sq), 1.0, 0.03);
  EXPECT_NEAR(Rms(saw), 1.0 / std::sqrt(3.0), 0.01);
}

TEST(SynthFilter, LowPassKeepsLowsAndCutsHighs) {
  Buffer low = Tone(Wave::kSine, 0.5, 100.0);
  Buffer high = Tone(Wave::kSine, 0.5, 8000.0);
  LowPass(low, 1000.0);
  LowPass(high, 1000.0);
  EXPECT_GT(Rms(low), 0.65);
  EXPECT_LT(Rms(high), 0.15);
}

TEST(SynthFilter, HighPassKeepsHighsAndCutsLows) {
  Buffer low = Tone(Wave::kSine, 0.5, 50.0);
  Buffer high = Tone(Wave::kSine, 0.5, 5000.0);
  HighPass(low, 1000.0);
  HighPass(high, 1000.0);
  // A single pole is gentle: the high tone loses a little too, the low one nearly all.
  EXPECT_LT(Rms(low), 0.06);
  EXPECT_GT(Rms(high), 0.55);
}

TEST(SynthFilter, BandPassPeaksAtItsCentre) {
  auto through = [](double hz) {
    Buffer b = Tone(Wave::kSine, 0.5, hz);
    BandPass(b, 2000.0, 5.0);
    return Rms(Buffer(b.begin() + static_cast<std::ptrdiff_t>(Samples(0.1)), b.end()));
  };
  EXPECT_NEAR(through(2000.0), std::sqrt(0.5), 0.03);
  EXPECT_LT(through(1000.0), 0.15);
  EXPECT_LT(through(4000.0), 0.15);
}

TEST(SynthFilter, SweepFollowsItsCentre) {
  // A tone at the sweep's end frequency passes late, not early.
  Buffer b = Tone(Wave::kSine, 1.0, 4000.0);
  SweepBandPass(b, 500.0, 4000.0, 5.0);
  const Buffer early(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(Samples(0.2)));
  const Buffer late(b.end() - static_cast<std::ptrdiff_t>(Samples(0.1)), b.end());
  EXPECT_LT(Rms(early), 0.1);
  EXPECT_GT(Rms(late), 0.35);
}

TEST(SynthEnvelope, AdsrShape) {
  Buffer b(Samples(1.0), 1.0);
  Adsr(b, 0.1, 0.1, 0.5, 0.2);
  EXPECT_NEAR(b[Samples(0.05)], 0.5, 0.01);
  EXPECT_NEAR(b[Samples(0.1)], 1.0, 0.01);
  EXPECT_NEAR(b[Samples(0.5)], 0.5, 0.01);
  EXPECT_NEAR(b[Samples(0.9)], 0.25, 0.01);
  EXPECT_NEAR(b.back(), 0.0, 0.01);
}

TEST(SynthEnvelope, DecayHalvesPerHalfLife) {
  Buffer b(Samples(1.0), 1.0);
  Decay(b, 0.0, 0.25);
  EXPECT_NEAR(b[Samples(0.25)], 0.5, 0.005);
  EXPECT_NEAR(b[Samples(0.5)], 0.25, 0.005);
}

TEST(SynthEnvelope, FadeReachesSilenceAtBothEnds) {
  Buffer b(Samples(0.5), 1.0);
  Fade(b, 0.01, 0.01);
  EXPECT_EQ(b.front(), 0.0);
  EXPECT_NEAR(b.back(), 0.0, 1e-12);
  EXPECT_EQ(b[Samples(0.25)], 1.0);
}

TEST(SynthMix, AddsAtOffsetAndGrows) {
  Buffer into(Samples(0.1), 1.0);
  Buffer src(Samples(0.1), 0.5);
  Mix(into, src, 0.05, 2.0);
  EXPECT_EQ(into.size(), Samples(0.15));
  EXPECT_EQ(into[0], 1.0);
  EXPECT_EQ(into[Samples(0.07)], 2.0);
  EXPECT_EQ(into[Samples(0.12)], 1.0);
}

TEST(SynthInstrument, PluckSoundsAtItsPitchAndDies) {
  Buffer p = Pluck(220.0, 1.0, 5);
  Buffer settled(p.begin() + static_cast<std::ptrdiff_t>(Samples(0.2)),
                 p.begin() + static_cast<std::ptrdiff_t>(Samples(0.4)));
  const double hz = kSampleRate / static_cast<double>(PeriodOf(settled, 60, 160));
  EXPECT_NEAR(hz, 220.0, 4.0);
  const Buffer head(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(Samples(0.1)));
  const Buffer tail(p.end() - static_cast<std::ptrdiff_t>(Samples(0.1)), p.end());
  EXPECT_LT(Rms(tail), Rms(head) * 0.5);
}

TEST(SynthInstrument, BellDecays) {
  Buffer b = Bell(880.0, 1.0);
  const Buffer head(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(Samples(0.1)));
  const Buffer tail(b.end() - static_cast<std::ptrdiff_t>(Samples(0.1)), b.end());
  EXPECT_GT(Rms(head), 0.2);
  EXPECT_LT(Rms(tail), Rms(head) * 0.3);
}

TEST(SynthFinish, NormalisesToMinusThreeDecibelsWithSilentEnds) {
  Buffer b = Tone(Wave::kSaw, 0.5, 300.0);
  Gain(b, 5.0);
  Finish(b);
  EXPECT_NEAR(20.0 * std::log10(Peak(b)), -3.0, 0.01);
  EXPECT_EQ(b.front(), 0.0);
  EXPECT_NEAR(b.back(), 0.0, 1e-9);
}

TEST(SynthFinish, LeavesSilenceSilent) {
  Buffer b(100, 0.0);
  Finish(b);
  EXPECT_EQ(Peak(b), 0.0);
}

TEST(SynthPcm, ScalesAndClamps) {
  const auto pcm = ToPcm({0.0, 0.5, -0.5, 1.0, -1.0, 2.0, -2.0});
  ASSERT_EQ(pcm.size(), 7u);
  EXPECT_EQ(pcm[0], 0);
  EXPECT_EQ(pcm[1], 16384);
  EXPECT_EQ(pcm[2], -16384);
  EXPECT_EQ(pcm[3], 32767);
  EXPECT_EQ(pcm[4], -32767);
  EXPECT_EQ(pcm[5], 32767);
  EXPECT_EQ(pcm[6], -32767);
}

}  // namespace
