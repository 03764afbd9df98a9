// A small deterministic synthesiser for the game's sound effects and jingles.
// Everything renders to mono doubles at one sample rate; randomness comes only
// from seeded generators, so a recipe always yields the same samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace databuild::synth {

inline constexpr int kSampleRate = 22050;

using Buffer = std::vector<double>;

std::size_t Samples(double seconds);
double Seconds(const Buffer& buffer);

// Linear congruential generator: the same seed gives the same noise everywhere.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next();                         // uniform in [-1, 1)
  double Uniform(double lo, double hi);  // uniform in [lo, hi)

 private:
  std::uint32_t state_;
};

enum class Wave { kSine, kSquare, kSaw, kTriangle, kNoise };

// A tone whose frequency glides exponentially from `from` to `to` Hz.
Buffer Tone(Wave wave, double seconds, double from, double to, std::uint32_t seed = 1);
inline Buffer Tone(Wave wave, double seconds, double hz) {
  return Tone(wave, seconds, hz, hz);
}
Buffer WhiteNoise(double seconds, std::uint32_t seed);

// Envelopes multiply the buffer in place.
void Adsr(Buffer& buffer, double attack, double decay, double sustain, double release);
void Decay(Buffer& buffer, double attack, double halfLife);  // exponential tail
void Fade(Buffer& buffer, double fadeIn, double fadeOut);
void Tremolo(Buffer& buffer, double hz, double depth);
void Gain(Buffer& buffer, double gain);
// Multiplies each sample by level(t), t in seconds.
void Shape(Buffer& buffer, const std::function<double(double)>& level);

// One-pole filters and an RBJ band-pass (constant 0 dB peak).
void LowPass(Buffer& buffer, double cutoff);
void HighPass(Buffer& buffer, double cutoff);
void BandPass(Buffer& buffer, double centre, double q);
// A band-pass whose centre glides exponentially over the buffer.
void SweepBandPass(Buffer& buffer, double from, double to, double q);

// Adds `source` times `gain` into `into` starting at `at` seconds, growing it.
void Mix(Buffer& into, const Buffer& source, double at, double gain = 1.0);
Buffer Concat(const Buffer& a, const Buffer& b);

// Instruments used by the recipes.
Buffer Bell(double hz, double seconds, double brightness = 1.0);
Buffer Pluck(double hz, double seconds, std::uint32_t seed);
Buffer Pad(double hz, double seconds);
Buffer Brass(double hz, double seconds);
Buffer Click(double seconds, double centre, std::uint32_t seed);
double MidiHz(double note);

// PolyBLEP correction at phase p (0..1) for a step of dt per sample: smooths a
// saw's or square's jump so its upper harmonics do not fold back as noise.
double Blep(double p, double dt);

// Gentle limiting, short fades and a -3 dBFS peak: what every sound gets last.
void Finish(Buffer& buffer);
std::vector<std::int16_t> ToPcm(const Buffer& buffer);

}  // namespace databuild::synth
