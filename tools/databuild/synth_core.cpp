#include "tools/databuild/synth_core.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace databuild::synth {
namespace {

constexpr double kRate = static_cast<double>(kSampleRate);
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Time(std::size_t i) {
  return static_cast<double>(i) / kRate;
}

double WaveAt(Wave wave, double phase, double dt, Noise& noise) {
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::kSine:
      return std::sin(kTwoPi * p);
    case Wave::kSquare: {
      const double half = p + 0.5 - std::floor(p + 0.5);
      return (p < 0.5 ? 1.0 : -1.0) + Blep(p, dt) - Blep(half, dt);
    }
    case Wave::kSaw:
      return 2.0 * p - 1.0 - Blep(p, dt);
    case Wave::kTriangle:
      return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    case Wave::kNoise:
      return noise.Next();
  }
  return 0.0;
}

}  // namespace

double Blep(double p, double dt) {
  if (p < dt) {
    const double x = p / dt;
    return x + x - x * x - 1.0;
  }
  if (p > 1.0 - dt) {
    const double x = (p - 1.0) / dt;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

std::size_t Samples(double seconds) {
  return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kRate));
}

double Seconds(const Buffer& buffer) {
  return static_cast<double>(buffer.size()) / kRate;
}

double Noise::Next() {
  // Numerical Recipes constants; the top 24 bits are the well-mixed ones.
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
}

double Noise::Uniform(double lo, double hi) {
  return lo + (hi - lo) * (Next() + 1.0) * 0.5;
}

Buffer Tone(Wave wave, double seconds, double from, double to, std::uint32_t seed) {
  Buffer out(Samples(seconds));
  Noise noise(seed);
  double phase = 0.0;
  const double ratio = to / from;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double progress = seconds > 0.0 ? Time(i) / seconds : 0.0;
    const double hz = from * std::pow(ratio, progress);
    out[i] = WaveAt(wave, phase, hz / kRate, noise);
    phase += hz / kRate;
  }
  return out;
}

Buffer WhiteNoise(double seconds, std::uint32_t seed) {
  return Tone(Wave::kNoise, seconds, 1.0, 1.0, seed);
}

void Adsr(Buffer& buffer, double attack, double decay, double sustain, double release) {
  const double total = Seconds(buffer);
  const double releaseStart = std::max(0.0, total - release);
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const double t = Time(i);
    double level = sustain;
    if (t < attack) {
      level = t / attack;
    } else if (t < attack + decay) {
      level = 1.0 - (1.0 - sustain) * (t - attack) / decay;
    }
    if (t >= releaseStart && release > 0.0) level *= std::max(0.0, (total - t) / release);
    buffer[i] *= level;
  }
}

void Decay(Buffer& buffer, double attack, double halfLife) {
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const double t = Time(i);
    const double rise = attack > 0.0 && t < attack ? t / attack : 1.0;
    const double fall = t < attack ? 1.0 : std::exp2(-(t - attack) / halfLife);
    buffer[i] *= rise * fall;
  }
}

void Fade(Buffer& buffer, double fadeIn, double fadeOut) {
  const double total = Seconds(buffer);
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const double t = Time(i);
    double level = 1.0;
    if (fadeIn > 0.0 && t < fadeIn) level = t / fadeIn;
    const double left = total - t - 1.0 / kRate;
    if (fadeOut > 0.0 && left < fadeOut) level *= std::max(0.0, left / fadeOut);
    buffer[i] *= level;
  }
}

void Tremolo(Buffer& buffer, double hz, double depth) {
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    buffer[i] *= 1.0 - depth * 0.5 * (1.0 - std::cos(kTwoPi * hz * Time(i)));
  }
}

void Gain(Buffer& buffer, double gain) {
  for (double& s : buffer) s *= gain;
}

void Shape(Buffer& buffer, const std::function<double(double)>& level) {
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] *= level(Time(i));
}

void LowPass(Buffer& buffer, double cutoff) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
  double y = 0.0;
  for (double& s : buffer) {
    y += a * (s - y);
    s = y;
  }
}

void HighPass(Buffer& buffer, double cutoff) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
  double low = 0.0;
  for (double& s : buffer) {
    low += a * (s - low);
    s -= low;
  }
}

void BandPass(Buffer& buffer, double centre, double q) {
  SweepBandPass(buffer, centre, centre, q);
}

void SweepBandPass(Buffer& buffer, double from, double to, double q) {
  const double total = Seconds(buffer);
  double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const double centre = from * std::pow(to / from, total > 0.0 ? Time(i) / total : 0.0);
    const double w = kTwoPi * std::min(centre, kRate * 0.45) / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    double& s = buffer[i];
    const double y = b0 * s - b0 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = s;
    y2 = y1;
    y1 = y;
    s = y;
  }
}

void Mix(Buffer& into, const Buffer& source, double at, double gain) {
  const std::size_t start = Samples(at);
  if (into.size() < start + source.size()) into.resize(start + source.size(), 0.0);
  for (std::size_t i = 0; i < source.size(); ++i) into[start + i] += gain * source[i];
}

Buffer Concat(const Buffer& a, const Buffer& b) {
  Buffer out = a;
  out.insert(out.end(), b.begin(), b.end());
  return out;
}

double MidiHz(double note) {
  return 440.0 * std::exp2((note - 69.0) / 12.0);
}

Buffer Bell(double hz, double seconds, double brightness) {
  // Inharmonic partials of a struck bar; the higher ones die away first.
  struct Partial {
    double ratio, level, halfLife;
  };
  static constexpr Partial kPartials[] = {
      {1.0, 1.0, 0.45}, {2.0, 0.45, 0.25}, {2.76, 0.35, 0.16}, {4.07, 0.2, 0.09}, {5.4, 0.1, 0.05}};
  Buffer out(Samples(seconds), 0.0);
  for (const Partial& p : kPartials) {
    const double freq = hz * p.ratio;
    if (freq > kRate * 0.45) continue;
    Buffer partial = Tone(Wave::kSine, seconds, freq);
    Decay(partial, 0.002, p.halfLife * seconds);
    Mix(out, partial, 0.0, p.ratio == 1.0 ? p.level : p.level * brightness);
  }
  // Cut short while still ringing would click; let it close instead.
  Fade(out, 0.0, std::min(0.05, seconds * 0.2));
  return out;
}

Buffer Pluck(double hz, double seconds, std::uint32_t seed) {
  // Karplus-Strong: a noise burst circulating in a damped delay line.
  const std::size_t period = std::max<std::size_t>(2, Samples(1.0 / hz));
  Noise noise(seed);
  Buffer line(period);
  for (double& s : line) s = noise.Next();
  Buffer out(Samples(seconds));
  std::size_t pos = 0;
  for (double& s : out) {
    const std::size_t next = (pos + 1) % period;
    s = line[pos];
    line[pos] = 0.498 * (line[pos] + line[next]);
    pos = next;
  }
  Fade(out, 0.002, 0.02);
  return out;
}

Buffer Pad(double hz, double seconds) {
  Buffer out = Tone(Wave::kSaw, seconds, hz * 0.997);
  Mix(out, Tone(Wave::kSaw, seconds, hz * 1.003), 0.0, 0.8);
  Mix(out, Tone(Wave::kSine, seconds, hz * 0.5), 0.0, 0.6);
  LowPass(out, hz * 3.0);
  LowPass(out, hz * 4.0);
  Adsr(out, std::min(0.3, seconds * 0.3), 0.2, 0.8, std::min(0.5, seconds * 0.4));
  return out;
}

Buffer Brass(double hz, double seconds) {
  Buffer out = Tone(Wave::kSaw, seconds, hz);
  Mix(out, Tone(Wave::kSaw, seconds, hz * 1.004), 0.0, 0.5);
  // A brightness envelope: the cutoff opens at the attack, then settles.
  double y = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = Time(i);
    const double cutoff = hz * (2.0 + 6.0 * std::exp(-t / 0.08));
    const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
    y += a * (out[i] - y);
    out[i] = y;
  }
  Adsr(out, 0.02, 0.1, 0.75, std::min(0.08, seconds * 0.3));
  LowPass(out, 4000.0);
  return out;
}

Buffer Click(double seconds, double centre, std::uint32_t seed) {
  Buffer out = WhiteNoise(seconds, seed);
  BandPass(out, centre, 2.0);
  Decay(out, 0.0005, seconds / 6.0);
  Fade(out, 0.0, seconds * 0.2);
  return out;
}

void Finish(Buffer& buffer) {
  if (buffer.empty()) return;
  // Remove any offset so the fades end on true silence.
  HighPass(buffer, 20.0);
  Fade(buffer, 0.004, 0.008);
  double peak = 0.0;
  for (double s : buffer) peak = std::max(peak, std::abs(s));
  if (peak <= 0.0) return;
  const double target = std::pow(10.0, -3.0 / 20.0);
  Gain(buffer, target / peak);
}

std::vector<std::int16_t> ToPcm(const Buffer& buffer) {
  std::vector<std::int16_t> pcm(buffer.size());
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const double s = std::clamp(buffer[i], -1.0, 1.0) * 32767.0;
    pcm[i] = static_cast<std::int16_t>(std::lround(s));
  }
  return pcm;
}

}  // namespace databuild::synth
