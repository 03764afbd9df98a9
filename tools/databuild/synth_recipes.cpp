#include "tools/databuild/synth_recipes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace databuild::synth {
namespace {

constexpr double kPi = std::numbers::pi;

// ---- building blocks shared by several recipes ----

// Room after the last event, so its ring or decay is not cut by the final fade.
void AddTail(Buffer& buffer, double seconds) {
  buffer.resize(buffer.size() + Samples(seconds), 0.0);
}

Buffer Thump(double seconds, double from, double to, double halfLife) {
  Buffer out = Tone(Wave::kSine, seconds, from, to);
  Decay(out, 0.002, halfLife);
  Fade(out, 0.0, std::min(0.02, seconds * 0.2));
  return out;
}

Buffer NoiseBurst(double seconds, std::uint32_t seed, double low, double high, double halfLife) {
  Buffer out = WhiteNoise(seconds, seed);
  if (high > 0.0) {
    LowPass(out, high);
    LowPass(out, high);
  }
  if (low > 0.0) HighPass(out, low);
  Decay(out, 0.001, halfLife);
  Fade(out, 0.0, std::min(0.02, seconds * 0.2));
  return out;
}

Buffer Step(std::uint32_t seed, double weight) {
  Buffer out = NoiseBurst(0.18, seed, 80.0, 1400.0, 0.025);
  Mix(out, Thump(0.12, 110.0, 60.0, 0.02), 0.0, weight);
  Mix(out, NoiseBurst(0.08, seed + 7, 2000.0, 0.0, 0.012), 0.035, 0.25);
  return out;
}

// A note of a melody: MIDI pitch, start and length in beats.
struct Note {
  double pitch;
  double beat;
  double beats;
};

template <typename Instrument>
void Play(Buffer& into, const Note* notes, std::size_t count, double beat, double gain,
          Instrument instrument) {
  for (std::size_t i = 0; i < count; ++i) {
    const Note& n = notes[i];
    Mix(into, instrument(MidiHz(n.pitch), n.beats * beat), n.beat * beat, gain);
  }
}

template <std::size_t N, typename Instrument>
void Play(Buffer& into, const std::array<Note, N>& notes, double beat, double gain,
          Instrument instrument) {
  Play(into, notes.data(), N, beat, gain, instrument);
}

Buffer SoftBell(double hz, double seconds) {
  return Bell(hz, seconds, 0.35);
}
Buffer PluckNote(double hz, double seconds) {
  return Pluck(hz, seconds, static_cast<std::uint32_t>(hz * 10.0));
}
Buffer Vibes(double hz, double seconds) {
  Buffer out = Tone(Wave::kSine, seconds, hz);
  Mix(out, Tone(Wave::kSine, seconds, hz * 4.0), 0.0, 0.15);
  Tremolo(out, 5.0, 0.25);
  Decay(out, 0.004, 0.35);
  Fade(out, 0.0, std::min(0.05, seconds * 0.2));
  return out;
}

// A voice-like sound: a buzzing source through two vowel resonances.
Buffer Vowel(double seconds, double fromHz, double toHz, double f1, double f2, std::uint32_t seed) {
  Buffer source = Tone(Wave::kSaw, seconds, fromHz, toHz, seed);
  Buffer a = source;
  Buffer b = source;
  BandPass(a, f1, 5.0);
  BandPass(b, f2, 6.0);
  Mix(a, b, 0.0, 0.6);
  // The band-passes roll off gently; a low-pass keeps the buzz from sounding harsh.
  LowPass(a, f2 * 1.5);
  LowPass(a, f2 * 1.5);
  Mix(a, NoiseBurst(seconds, seed + 3, 800.0, 3000.0, 1.0), 0.0, 0.05);
  return a;
}

Buffer Clap(std::uint32_t seed, double centre) {
  Buffer out = WhiteNoise(0.06, seed);
  BandPass(out, centre, 1.2);
  Decay(out, 0.0008, 0.008);
  return out;
}

Buffer Beep(double hz, double seconds) {
  Buffer out = Tone(Wave::kSine, seconds, hz);
  Fade(out, 0.004, 0.006);
  return out;
}

Buffer Chord(Buffer (*instrument)(double, double), std::initializer_list<double> pitches,
             double seconds) {
  Buffer out;
  for (double p : pitches) Mix(out, instrument(MidiHz(p), seconds), 0.0, 1.0);
  return out;
}

// ---- 01-12: telephone, doors, people moving, paper ----

Buffer PhoneRing() {
  // An electromechanical ringer: the hammer hits two gongs twenty times a second.
  Buffer out;
  for (double ring : {0.0, 1.3}) {
    bool high = false;
    for (double t = 0.0; t < 0.9; t += 0.05) {
      Mix(out, Bell(high ? 2090.0 : 1760.0, 0.12, 0.6), ring + t, 1.0);
      high = !high;
    }
  }
  AddTail(out, 0.3);
  return out;
}

Buffer PhonePickup() {
  Buffer out = Thump(0.25, 140.0, 70.0, 0.03);
  Mix(out, Click(0.03, 3000.0, 11), 0.0, 0.8);
  Mix(out, Click(0.02, 1800.0, 12), 0.06, 0.5);
  Mix(out, NoiseBurst(0.2, 13, 300.0, 2500.0, 0.04), 0.02, 0.3);
  return out;
}

Buffer DoorOpen() {
  Buffer out = Click(0.04, 2200.0, 21);
  Mix(out, Thump(0.08, 300.0, 200.0, 0.01), 0.0, 0.5);
  // Hinge creak: stick-slip, irregular impulses ringing the door's resonances.
  Buffer creak(Samples(0.9), 0.0);
  Noise rng(22);
  for (double t = 0.0; t < 0.89;) {
    creak[Samples(t)] = rng.Uniform(0.5, 1.0);
    const double period = 0.014 - 0.008 * std::sin(kPi * t / 0.9);
    t += period * rng.Uniform(0.7, 1.3);
  }
  Buffer body = creak;
  Buffer edge = creak;
  BandPass(creak, 850.0, 12.0);
  BandPass(body, 1650.0, 14.0);
  BandPass(edge, 2600.0, 10.0);
  Mix(creak, body, 0.0, 0.8);
  Mix(creak, edge, 0.0, 0.4);
  Adsr(creak, 0.15, 0.1, 0.8, 0.3);
  Mix(out, creak, 0.12, 1.2);
  return out;
}

Buffer DoorClose() {
  Buffer out = Thump(0.5, 95.0, 50.0, 0.06);
  Mix(out, NoiseBurst(0.3, 31, 60.0, 500.0, 0.05), 0.0, 0.7);
  Mix(out, Click(0.05, 2000.0, 32), 0.03, 0.5);
  Mix(out, Click(0.04, 2600.0, 33), 0.08, 0.25);
  return out;
}

Buffer Knock() {
  Buffer out;
  std::uint32_t seed = 40;
  for (double t : {0.0, 0.17, 0.34}) {
    Buffer k = NoiseBurst(0.12, seed++, 100.0, 0.0, 0.015);
    BandPass(k, 380.0, 3.0);
    Mix(k, Thump(0.1, 190.0, 160.0, 0.015), 0.0, 0.6);
    Mix(out, k, t, 1.0);
  }
  AddTail(out, 0.2);
  return out;
}

Buffer Footsteps() {
  Buffer out;
  for (std::uint32_t i = 0; i < 4; ++i) {
    Mix(out, Step(50 + i * 3, i % 2 == 0 ? 0.8 : 0.6), 0.5 * static_cast<double>(i),
        i % 2 == 0 ? 1.0 : 0.85);
  }
  AddTail(out, 0.2);
  return out;
}

Buffer Running() {
  Buffer out;
  for (std::uint32_t i = 0; i < 8; ++i) {
    const double at = 0.17 * static_cast<double>(i);
    Mix(out, Step(70 + i * 5, 0.5), at, i % 2 == 0 ? 1.0 : 0.8);
  }
  AddTail(out, 0.15);
  return out;
}

// Noise with a jittery level, like crumpling paper.
Buffer Crackle(double seconds, std::uint32_t seed, double rate, double low) {
  Buffer out = WhiteNoise(seconds, seed);
  HighPass(out, low);
  Noise jitter(seed + 1);
  const std::size_t hold = std::max<std::size_t>(1, Samples(1.0 / rate));
  double level = 0.0, target = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (i % hold == 0) target = std::pow(std::abs(jitter.Next()), 2.0);
    level += 0.01 * (target - level);
    out[i] *= level;
  }
  return out;
}

Buffer PaperRustle() {
  Buffer out = Crackle(1.0, 80, 40.0, 1500.0);
  Adsr(out, 0.1, 0.2, 0.8, 0.3);
  return out;
}

Buffer PageTurn() {
  Buffer out = WhiteNoise(0.45, 90);
  SweepBandPass(out, 1500.0, 4500.0, 0.9);
  Shape(out, [](double t) { return std::sin(kPi * std::min(1.0, t / 0.35)); });
  Mix(out, NoiseBurst(0.12, 91, 100.0, 600.0, 0.03), 0.33, 0.8);
  return out;
}

Buffer PencilScribble() {
  Buffer out = WhiteNoise(1.2, 100);
  BandPass(out, 3500.0, 1.5);
  Shape(out, [](double t) {
    const double stroke = std::abs(std::sin(kPi * 7.0 * t));
    return stroke * stroke * (0.7 + 0.3 * std::sin(2.0 * kPi * 1.3 * t));
  });
  Mix(out, Crackle(1.2, 101, 300.0, 2500.0), 0.0, 0.3);
  return out;
}

Buffer Stapler() {
  Buffer out = Click(0.04, 2500.0, 110);
  Mix(out, Thump(0.15, 160.0, 100.0, 0.02), 0.0, 0.6);
  Mix(out, Click(0.03, 4000.0, 111), 0.09, 0.9);
  Mix(out, Bell(3200.0, 0.15, 0.5), 0.09, 0.25);
  Mix(out, Thump(0.15, 150.0, 90.0, 0.02), 0.09, 0.5);
  AddTail(out, 0.1);
  return out;
}

Buffer CameraShutter() {
  Buffer out = Click(0.03, 4200.0, 120);
  Mix(out, Click(0.04, 2600.0, 121), 0.06, 0.9);
  // The film winder whirring on.
  Buffer winder = Tone(Wave::kSaw, 0.25, 60.0);
  BandPass(winder, 2000.0, 3.0);
  Mix(winder, NoiseBurst(0.25, 122, 1500.0, 5000.0, 1.0), 0.0, 0.3);
  Adsr(winder, 0.02, 0.05, 0.8, 0.05);
  Mix(out, winder, 0.14, 0.5);
  return out;
}

// ---- 13-22: chimes, bells, weather, street ----

Buffer StartupChime() {
  Buffer out = SoftBell(MidiHz(84.0), 0.35);
  Mix(out, SoftBell(MidiHz(91.0), 0.3), 0.08, 0.6);
  Fade(out, 0.0, 0.12);
  return out;
}

Buffer DingDong() {
  Buffer out = Bell(MidiHz(76.0), 1.0, 0.5);
  Mix(out, Bell(MidiHz(72.0), 1.2, 0.5), 0.55, 1.0);
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer SchoolBell() {
  // The old quarter-hour chime phrase, rung on bells.
  static constexpr std::array<Note, 4> kPhrase = {{{76, 0, 1}, {72, 1, 1}, {74, 2, 1}, {67, 3, 2}}};
  Buffer out;
  Play(out, kPhrase, 0.5, 1.0, [](double hz, double s) { return Bell(hz, s + 0.3, 0.4); });
  Fade(out, 0.0, 0.4);
  return out;
}

Buffer Cicadas() {
  Buffer out(Samples(3.0), 0.0);
  struct Cicada {
    double pulse, centre, swell, phase;
  };
  static constexpr Cicada kChorus[] = {
      {92.0, 4300.0, 2.6, 0.0}, {105.0, 5200.0, 3.1, 1.0}, {118.0, 6100.0, 2.2, 2.0}};
  std::uint32_t seed = 160;
  for (const Cicada& c : kChorus) {
    Buffer buzz = WhiteNoise(3.0, seed++);
    BandPass(buzz, c.centre, 4.0);
    Mix(buzz, Tone(Wave::kSine, 3.0, c.centre), 0.0, 0.05);
    Shape(buzz, [c](double t) {
      const double pulses = 0.5 + 0.5 * std::sin(2.0 * kPi * c.pulse * t);
      const double swell = 0.55 + 0.45 * std::sin(2.0 * kPi * c.swell * t + c.phase);
      return pulses * pulses * swell;
    });
    Mix(out, buzz, 0.0, 1.0);
  }
  Fade(out, 0.3, 0.4);
  return out;
}

Buffer Rain() {
  Buffer out = WhiteNoise(3.0, 170);
  LowPass(out, 4000.0);
  LowPass(out, 6000.0);
  HighPass(out, 500.0);
  Gain(out, 0.3);
  Noise rng(171);
  for (std::uint32_t i = 0; i < 300; ++i) {
    const double at = rng.Uniform(0.0, 2.95);
    Mix(out, Click(0.02, rng.Uniform(1500.0, 6000.0), 200 + i), at, rng.Uniform(0.2, 0.7));
  }
  Fade(out, 0.3, 0.5);
  return out;
}

Buffer Thunder() {
  Buffer out = NoiseBurst(0.4, 180, 300.0, 4000.0, 0.06);
  Buffer rumble = WhiteNoise(2.9, 181);
  LowPass(rumble, 180.0);
  LowPass(rumble, 180.0);
  LowPass(rumble, 300.0);
  // Rolling: a few slow swells at unrelated rates.
  Noise rng(182);
  const double phases[] = {rng.Uniform(0.0, 6.0), rng.Uniform(0.0, 6.0), rng.Uniform(0.0, 6.0)};
  Shape(rumble, [phases](double t) {
    const double roll = 1.8 + std::sin(2.0 * kPi * 1.3 * t + phases[0]) +
                        0.7 * std::sin(2.0 * kPi * 2.9 * t + phases[1]) +
                        0.5 * std::sin(2.0 * kPi * 0.7 * t + phases[2]);
    return std::max(0.0, roll);
  });
  Decay(rumble, 0.2, 0.7);
  Mix(out, rumble, 0.05, 12.0);
  Fade(out, 0.0, 0.6);
  return out;
}

Buffer Wind() {
  Buffer out(Samples(3.0), 0.0);
  const double centres[] = {450.0, 800.0, 1250.0};
  const double rates[] = {0.31, 0.47, 0.67};
  for (std::uint32_t i = 0; i < 3; ++i) {
    Buffer gust = WhiteNoise(3.0, 190 + i);
    BandPass(gust, centres[i], 4.0);
    Tremolo(gust, rates[i], 0.8);
    Mix(out, gust, 0.0, 1.0);
  }
  Fade(out, 0.6, 0.8);
  return out;
}

Buffer CarPassing() {
  const double length = 2.6;
  // Loud and pitched up as it comes, lower as it goes: Doppler.
  Buffer engine(Samples(length));
  double phase = 0.0;
  for (std::size_t i = 0; i < engine.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = 70.0 * (1.0 - 0.12 * std::tanh((t - 1.2) / 0.25));
    const double p = phase - std::floor(phase);
    engine[i] = 2.0 * p - 1.0 + 0.4 * (p < 0.5 ? 1.0 : -1.0);
    phase += hz / kSampleRate;
  }
  LowPass(engine, 500.0);
  LowPass(engine, 900.0);
  Buffer tyres = WhiteNoise(length, 200);
  LowPass(tyres, 1000.0);
  LowPass(tyres, 1500.0);
  HighPass(tyres, 150.0);
  Mix(engine, tyres, 0.0, 0.9);
  Shape(engine, [](double t) {
    const double x = (t - 1.2) / 0.45;
    return 1.0 / (1.0 + x * x);
  });
  Fade(engine, 0.2, 0.3);
  return engine;
}

Buffer BicycleBell() {
  Buffer out;
  for (double burst : {0.0, 0.35}) {
    for (double t = 0.0; t < 0.12; t += 0.03) {
      Mix(out, Bell(2800.0, 0.5, 0.9), burst + t, 0.7);
    }
  }
  Fade(out, 0.0, 0.25);
  return out;
}

Buffer TrainCrossing() {
  Buffer out;
  bool high = false;
  for (double t = 0.0; t < 2.5; t += 0.34) {
    Mix(out, Bell(high ? 790.0 : 745.0, 0.5, 1.2), t, 1.0);
    high = !high;
  }
  Fade(out, 0.0, 0.2);
  return out;
}

// ---- 23-30: people, stings, gags ----

Buffer CrowdMurmur() {
  Buffer out(Samples(3.0), 0.0);
  Noise rng(230);
  for (std::uint32_t v = 0; v < 12; ++v) {
    const double pitch = rng.Uniform(95.0, 230.0);
    Buffer voice = Vowel(3.0, pitch, pitch * rng.Uniform(0.85, 1.15), rng.Uniform(450.0, 850.0),
                         rng.Uniform(1100.0, 2000.0), 240 + v);
    const double rate = rng.Uniform(3.0, 5.5);
    const double phase = rng.Uniform(0.0, 6.0);
    Shape(voice, [rate, phase](double t) {
      const double s = std::abs(std::sin(kPi * rate * t + phase));
      return s * s * s;
    });
    Mix(out, voice, 0.0, 1.0);
  }
  LowPass(out, 3000.0);
  Fade(out, 0.4, 0.5);
  return out;
}

Buffer Applause() {
  Buffer out(Samples(2.6), 0.0);
  Noise rng(250);
  for (std::uint32_t i = 0; i < 600; ++i) {
    Mix(out, Clap(1000 + i, rng.Uniform(900.0, 2600.0)), rng.Uniform(0.0, 2.5),
        rng.Uniform(0.4, 1.0));
  }
  Fade(out, 0.15, 0.8);
  return out;
}

Buffer Laugh() {
  Buffer out;
  const double pitches[] = {230.0, 220.0, 210.0, 198.0, 185.0};
  for (std::uint32_t i = 0; i < 5; ++i) {
    const double at = 0.15 * static_cast<double>(i);
    Buffer breath = NoiseBurst(0.05, 260 + i, 800.0, 3000.0, 0.02);
    Mix(out, breath, at, 0.25);
    Buffer ha = Vowel(0.12, pitches[i], pitches[i] * 0.92, 800.0, 1250.0, 270 + i);
    Adsr(ha, 0.015, 0.04, 0.6, 0.05);
    Mix(out, ha, at + 0.02, 1.0);
  }
  AddTail(out, 0.15);
  return out;
}

Buffer Fanfare() {
  static constexpr std::array<Note, 4> kCall = {{{72, 0, 1}, {76, 1, 1}, {79, 2, 1}, {84, 3, 7}}};
  Buffer out;
  Play(out, kCall, 0.14, 1.0, Brass);
  Mix(out, Chord(Brass, {60, 64, 67}, 0.98), 0.42, 0.5);
  Mix(out, NoiseBurst(0.8, 280, 4000.0, 0.0, 0.2), 0.42, 0.2);
  Fade(out, 0.0, 0.25);
  return out;
}

Buffer SadSting() {
  Buffer out = Chord(Pad, {45, 57, 60, 64}, 2.3);
  static constexpr std::array<Note, 3> kFall = {{{76, 0, 1.5}, {72, 1, 1.5}, {69, 2, 3}}};
  Play(out, kFall, 0.45, 0.6, [](double hz, double s) { return Bell(hz, s, 0.3); });
  Fade(out, 0.0, 0.5);
  return out;
}

Buffer SurpriseSting() {
  Buffer out = Tone(Wave::kSine, 0.09, 600.0, 1900.0);
  Fade(out, 0.003, 0.01);
  Mix(out, Bell(MidiHz(93.0), 0.6, 1.3), 0.08, 0.8);
  Mix(out, Chord(Brass, {74, 78, 81}, 0.35), 0.08, 0.35);
  Mix(out, NoiseBurst(0.3, 290, 3500.0, 0.0, 0.05), 0.08, 0.3);
  Fade(out, 0.0, 0.15);
  return out;
}

Buffer ComedicFall() {
  Buffer whistle = Tone(Wave::kSine, 0.8, 1600.0, 280.0);
  Mix(whistle, Tone(Wave::kSine, 0.8, 3200.0, 560.0), 0.0, 0.1);
  Tremolo(whistle, 7.0, 0.3);
  Adsr(whistle, 0.03, 0.1, 0.9, 0.05);
  Buffer bonk = Thump(0.5, 190.0, 90.0, 0.06);
  Mix(bonk, NoiseBurst(0.2, 300, 60.0, 800.0, 0.03), 0.0, 0.6);
  Mix(bonk, Bell(520.0, 0.3, 0.6), 0.0, 0.3);
  Mix(whistle, bonk, 0.85, 1.3);
  return whistle;
}

Buffer Slap() {
  Buffer out = NoiseBurst(0.25, 310, 700.0, 0.0, 0.02);
  Buffer body = NoiseBurst(0.2, 311, 0.0, 0.0, 0.025);
  BandPass(body, 1200.0, 2.0);
  Mix(out, body, 0.0, 1.5);
  AddTail(out, 0.05);
  return out;
}

// ---- 31-42: body, clocks, machines, kitchen, festival ----

Buffer Heartbeat() {
  Buffer out;
  for (double beat : {0.0, 0.8, 1.6}) {
    Buffer lub = Thump(0.2, 65.0, 45.0, 0.04);
    Mix(lub, NoiseBurst(0.1, 320, 0.0, 200.0, 0.02), 0.0, 0.3);
    Mix(out, lub, beat, 1.0);
    Mix(out, Thump(0.18, 55.0, 40.0, 0.035), beat + 0.17, 0.7);
  }
  AddTail(out, 0.4);
  LowPass(out, 300.0);
  return out;
}

Buffer ClockTick() {
  Buffer out;
  for (std::uint32_t i = 0; i < 4; ++i) {
    Mix(out, Click(0.05, i % 2 == 0 ? 3200.0 : 2500.0, 330 + i), 0.5 * static_cast<double>(i), 1.0);
  }
  AddTail(out, 0.4);
  return out;
}

Buffer AlarmClock() {
  Buffer out;
  for (double group : {0.0, 0.7, 1.4}) {
    for (double b = 0.0; b < 0.45; b += 0.11) Mix(out, Beep(2048.0, 0.06), group + b, 1.0);
  }
  AddTail(out, 0.2);
  // A little squareness, like a small piezo speaker.
  Buffer edge = out;
  for (double& s : edge) s = std::clamp(s * 3.0, -1.0, 1.0);
  Mix(out, edge, 0.0, 0.3);
  LowPass(out, 6000.0);
  return out;
}

Buffer Keystroke(std::uint32_t seed, double centre) {
  Buffer out = Click(0.04, centre, seed);
  Mix(out, NoiseBurst(0.05, seed + 1, 150.0, 600.0, 0.008), 0.0, 0.5);
  return out;
}

Buffer Keyboard() {
  Buffer out;
  Noise rng(340);
  double at = 0.0;
  for (std::uint32_t i = 0; i < 14; ++i) {
    Mix(out, Keystroke(350 + i * 2, rng.Uniform(1800.0, 3000.0)), at, rng.Uniform(0.6, 1.0));
    at += rng.Uniform(0.07, 0.17);
  }
  AddTail(out, 0.15);
  return out;
}

Buffer Fax() {
  Buffer out = Beep(2100.0, 0.4);
  // Two-tone data with a continuous phase, so the bit changes do not click.
  Noise rng(360);
  Buffer data(Samples(70.0 / 60.0));
  const std::size_t perBit = Samples(1.0 / 60.0);
  double phase = 0.0, hz = 1650.0;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i % perBit == 0) hz = rng.Next() > 0.0 ? 1650.0 : 1850.0;
    data[i] = std::sin(2.0 * kPi * phase);
    phase += hz / kSampleRate;
  }
  Fade(data, 0.005, 0.005);
  const double at = 0.5 + Seconds(data);
  Mix(out, data, 0.5, 0.6);
  Buffer hiss = WhiteNoise(0.6, 361);
  BandPass(hiss, 1800.0, 1.5);
  Adsr(hiss, 0.05, 0.1, 0.8, 0.1);
  Mix(out, hiss, at + 0.05, 0.8);
  LowPass(out, 4000.0);
  return out;
}

Buffer Kettle() {
  Buffer out = Tone(Wave::kSine, 2.8, 1700.0, 2150.0);
  Tremolo(out, 6.0, 0.2);
  Buffer breath = WhiteNoise(2.8, 370);
  BandPass(breath, 1900.0, 6.0);
  Mix(out, breath, 0.0, 1.5);
  Buffer boil = Crackle(2.8, 371, 30.0, 200.0);
  LowPass(boil, 1500.0);
  Mix(out, boil, 0.0, 0.4);
  Shape(out, [](double t) { return std::min(1.0, 0.15 + t / 1.6); });
  Fade(out, 0.3, 0.3);
  return out;
}

Buffer CanOpen() {
  Buffer out = Click(0.02, 3000.0, 380);
  Mix(out, Click(0.02, 1500.0, 381), 0.005, 0.5);
  Buffer hiss = NoiseBurst(0.5, 382, 2500.0, 9000.0, 0.12);
  Mix(out, hiss, 0.02, 0.9);
  return out;
}

Buffer Fireworks() {
  Buffer launch = Tone(Wave::kSine, 0.7, 700.0, 2300.0);
  Mix(launch, NoiseBurst(0.7, 390, 1500.0, 0.0, 10.0), 0.0, 0.3);
  Adsr(launch, 0.05, 0.1, 0.7, 0.1);
  Buffer out;
  Mix(out, launch, 0.0, 0.4);
  Buffer boom = Thump(1.6, 70.0, 38.0, 0.3);
  Buffer rumble = NoiseBurst(1.6, 391, 20.0, 350.0, 0.25);
  Mix(boom, rumble, 0.0, 1.4);
  Mix(boom, NoiseBurst(0.3, 393, 0.0, 4000.0, 0.03), 0.0, 0.6);
  Mix(out, boom, 0.75, 1.0);
  Noise rng(392);
  for (std::uint32_t i = 0; i < 60; ++i) {
    const double when = rng.Uniform(0.0, 1.0);
    Mix(out, Click(0.02, rng.Uniform(2000.0, 6000.0), 400 + i), 1.0 + when * when * 1.6,
        rng.Uniform(0.1, 0.4) * (1.0 - when * 0.7));
  }
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer TaikoHit(std::uint32_t seed, double weight) {
  Buffer out = Thump(0.5, 95.0, 58.0, 0.09);
  Mix(out, NoiseBurst(0.1, seed, 40.0, 600.0, 0.015), 0.0, 0.8 * weight);
  return out;
}

Buffer FestivalDrum() {
  Buffer out;
  const double hits[] = {0.0, 0.4, 0.8, 0.95, 1.1};
  std::uint32_t seed = 410;
  for (double t : hits) Mix(out, TaikoHit(seed++, 1.0), t, t < 0.9 ? 1.0 : 0.8);
  Mix(out, Click(0.04, 2200.0, 420), 0.6, 0.35);
  AddTail(out, 0.1);
  Fade(out, 0.0, 0.2);
  return out;
}

Buffer Cheer() {
  Buffer out(Samples(2.3), 0.0);
  Noise rng(430);
  for (std::uint32_t v = 0; v < 10; ++v) {
    const double pitch = rng.Uniform(170.0, 340.0);
    Buffer voice = Vowel(2.3, pitch * 0.8, pitch * 1.1, rng.Uniform(500.0, 700.0),
                         rng.Uniform(900.0, 1200.0), 440 + v);
    Tremolo(voice, rng.Uniform(4.0, 6.0), 0.3);
    Mix(out, voice, rng.Uniform(0.0, 0.2), 1.0);
  }
  for (std::uint32_t i = 0; i < 80; ++i) {
    Mix(out, Clap(460 + i, rng.Uniform(900.0, 2600.0)), rng.Uniform(0.2, 2.2), 0.5);
  }
  Adsr(out, 0.3, 0.4, 0.7, 0.7);
  return out;
}

Buffer Swoosh() {
  Buffer out = WhiteNoise(0.5, 470);
  SweepBandPass(out, 600.0, 4000.0, 1.5);
  Shape(out, [](double t) { return std::pow(std::sin(kPi * t / 0.5), 2.0); });
  return out;
}

Buffer Sparkle() {
  Buffer out;
  Noise rng(480);
  for (std::uint32_t i = 0; i < 16; ++i) {
    const double step = static_cast<double>(i);
    const double hz = MidiHz(84.0 + std::floor(step * 1.4)) * rng.Uniform(0.99, 1.01);
    Mix(out, Bell(hz, 0.35, 0.4), step * 0.045 + rng.Uniform(0.0, 0.02), 0.5);
  }
  Fade(out, 0.0, 0.2);
  return out;
}

// ---- 43-52: doors and shops, bells, machines ----

// The first odd harmonics of a triangle: its mellow tone without aliasing.
Buffer SoftTriangle(double hz, double seconds) {
  Buffer out = Tone(Wave::kSine, seconds, hz);
  Mix(out, Tone(Wave::kSine, seconds, hz * 3.0), 0.0, 1.0 / 9.0);
  Mix(out, Tone(Wave::kSine, seconds, hz * 5.0), 0.0, 1.0 / 25.0);
  return out;
}

Buffer Doorbell() {
  Buffer out = SoftTriangle(MidiHz(81.0), 0.9);
  Decay(out, 0.005, 0.3);
  Fade(out, 0.0, 0.1);
  Buffer pon = SoftTriangle(MidiHz(77.0), 1.3);
  Decay(pon, 0.005, 0.4);
  Fade(pon, 0.0, 0.2);
  Mix(out, pon, 0.45, 1.0);
  LowPass(out, 3000.0);
  return out;
}

Buffer SlidingDoor() {
  Buffer out = WhiteNoise(0.7, 490);
  LowPass(out, 1500.0);
  HighPass(out, 100.0);
  Mix(out, Crackle(0.7, 491, 25.0, 600.0), 0.0, 0.5);
  Adsr(out, 0.08, 0.1, 0.8, 0.1);
  Mix(out, Thump(0.3, 120.0, 70.0, 0.04), 0.7, 1.2);
  Mix(out, Click(0.04, 1800.0, 492), 0.7, 0.5);
  return out;
}

Buffer BagDrop() {
  Buffer out = NoiseBurst(0.3, 500, 40.0, 500.0, 0.05);
  Mix(out, Thump(0.3, 100.0, 60.0, 0.05), 0.0, 0.8);
  Mix(out, Crackle(0.3, 501, 60.0, 2000.0), 0.02, 0.25);
  AddTail(out, 0.2);
  Fade(out, 0.0, 0.1);
  return out;
}

Buffer GlassClink() {
  Buffer out = Bell(2900.0, 0.9, 1.1);
  Mix(out, Bell(3150.0, 0.8, 1.1), 0.015, 0.7);
  Mix(out, Click(0.01, 5000.0, 510), 0.0, 0.4);
  Fade(out, 0.0, 0.2);
  return out;
}

Buffer CashRegister() {
  Buffer out;
  for (std::uint32_t i = 0; i < 3; ++i) {
    Mix(out, Click(0.05, 1800.0 + 400.0 * static_cast<double>(i), 520 + i),
        0.06 * static_cast<double>(i), 0.6);
  }
  Buffer drawer = NoiseBurst(0.25, 525, 100.0, 1200.0, 0.08);
  Mix(out, drawer, 0.15, 0.8);
  Mix(out, Thump(0.2, 110.0, 70.0, 0.04), 0.35, 0.6);
  Mix(out, Bell(2200.0, 1.0, 0.8), 0.2, 0.9);
  Noise rng(526);
  for (std::uint32_t i = 0; i < 6; ++i) {
    Mix(out, Bell(rng.Uniform(3500.0, 5000.0), 0.15, 0.5), 0.4 + rng.Uniform(0.0, 0.2), 0.15);
  }
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer StoreChime() {
  static constexpr std::array<Note, 6> kTune = {
      {{79, 0, 1}, {76, 1, 1}, {72, 2, 1}, {76, 3, 1}, {79, 4, 1}, {84, 5, 4}}};
  Buffer out;
  Play(out, kTune, 0.16, 1.0, [](double hz, double s) { return Vibes(hz, s + 0.4); });
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer HospitalBeep() {
  Buffer out;
  for (double t : {0.0, 0.9, 1.8}) Mix(out, Beep(1000.0, 0.12), t, 1.0);
  AddTail(out, 0.25);
  return out;
}

Buffer FortuneBell() {
  Buffer out;
  Noise rng(530);
  for (std::uint32_t i = 0; i < 12; ++i) {
    const double at = 0.07 * static_cast<double>(i) + rng.Uniform(0.0, 0.02);
    const double level = 1.0 - 0.06 * static_cast<double>(i);
    Mix(out, Bell(rng.Uniform(4000.0, 5200.0), 0.4, 0.7), at, level * 0.5);
  }
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer Projector() {
  Buffer out(Samples(3.0), 0.0);
  for (double t = 0.0; t < 2.95; t += 1.0 / 24.0) Mix(out, Click(0.02, 1500.0, 540), t, 1.0);
  Buffer motor = Tone(Wave::kSaw, 3.0, 120.0);
  LowPass(motor, 400.0);
  Mix(out, motor, 0.0, 0.25);
  Buffer whirr = WhiteNoise(3.0, 541);
  BandPass(whirr, 3000.0, 2.0);
  Mix(out, whirr, 0.0, 0.15);
  Fade(out, 0.2, 0.4);
  return out;
}

Buffer TapeRewind() {
  Buffer out = Tone(Wave::kSaw, 1.7, 300.0, 1400.0);
  BandPass(out, 1500.0, 1.5);
  Tremolo(out, 13.0, 0.4);
  Buffer hiss = WhiteNoise(1.7, 550);
  SweepBandPass(hiss, 1000.0, 4000.0, 2.0);
  Mix(out, hiss, 0.0, 0.6);
  Adsr(out, 0.1, 0.1, 0.9, 0.02);
  Mix(out, Click(0.05, 1500.0, 551), 1.7, 1.2);
  Mix(out, Thump(0.2, 130.0, 80.0, 0.03), 1.7, 0.6);
  return out;
}

// ---- 53-63: studio and everyday odds and ends ----

Buffer SlateClap() {
  Buffer out = NoiseBurst(0.2, 560, 0.0, 0.0, 0.012);
  BandPass(out, 2000.0, 1.0);
  Mix(out, Bell(900.0, 0.15, 0.3), 0.0, 0.3);
  AddTail(out, 0.2);
  return out;
}

Buffer Typewriter() {
  Buffer out;
  Noise rng(570);
  double at = 0.0;
  for (std::uint32_t i = 0; i < 9; ++i) {
    Buffer key = Keystroke(580 + i * 2, rng.Uniform(1600.0, 2400.0));
    Mix(key, Thump(0.06, 220.0, 150.0, 0.01), 0.0, 0.6);
    Mix(out, key, at, rng.Uniform(0.7, 1.0));
    at += rng.Uniform(0.1, 0.2);
  }
  Mix(out, Bell(3000.0, 0.8, 0.9), at, 0.6);
  Buffer carriage = NoiseBurst(0.4, 600, 300.0, 2500.0, 10.0);
  Adsr(carriage, 0.05, 0.1, 0.8, 0.05);
  Mix(out, carriage, at + 0.35, 0.3);
  Mix(out, Thump(0.2, 150.0, 90.0, 0.03), at + 0.75, 0.7);
  Fade(out, 0.0, 0.2);
  return out;
}

Buffer PencilSharpener() {
  Buffer out = WhiteNoise(1.5, 610);
  BandPass(out, 2500.0, 2.0);
  Mix(out, Crackle(1.5, 611, 200.0, 1000.0), 0.0, 0.6);
  Shape(out, [](double t) { return 0.4 + 0.6 * std::pow(std::sin(kPi * 3.5 * t), 2.0); });
  Fade(out, 0.05, 0.15);
  return out;
}

Buffer BusyTone() {
  Buffer out = Click(0.04, 1500.0, 620);
  Mix(out, Thump(0.15, 130.0, 80.0, 0.02), 0.0, 0.5);
  for (double t : {0.3, 1.3}) {
    Buffer tone = Tone(Wave::kSine, 0.5, 400.0);
    Mix(tone, Tone(Wave::kSine, 0.5, 800.0), 0.0, 0.15);
    Fade(tone, 0.005, 0.005);
    Mix(out, tone, t, 0.8);
  }
  AddTail(out, 0.2);
  return out;
}

Buffer Drawer() {
  Buffer out = WhiteNoise(0.5, 630);
  LowPass(out, 1200.0);
  HighPass(out, 120.0);
  Mix(out, Crackle(0.5, 631, 35.0, 800.0), 0.0, 0.5);
  Adsr(out, 0.05, 0.1, 0.9, 0.05);
  Mix(out, Thump(0.25, 140.0, 90.0, 0.03), 0.5, 1.0);
  Mix(out, Click(0.03, 2500.0, 632), 0.5, 0.4);
  return out;
}

Buffer LightSwitch() {
  Buffer out = Click(0.03, 3500.0, 640);
  Mix(out, Click(0.04, 1800.0, 641), 0.012, 0.7);
  AddTail(out, 0.15);
  return out;
}

Buffer VendingMachine() {
  Buffer out = Thump(0.4, 90.0, 55.0, 0.06);
  Mix(out, NoiseBurst(0.2, 650, 60.0, 700.0, 0.03), 0.0, 0.8);
  Mix(out, Bell(620.0, 0.4, 0.8), 0.0, 0.35);
  Mix(out, Thump(0.3, 110.0, 70.0, 0.04), 0.22, 0.5);
  Mix(out, Bell(700.0, 0.3, 0.8), 0.22, 0.2);
  Buffer roll = WhiteNoise(0.35, 651);
  BandPass(roll, 900.0, 3.0);
  Tremolo(roll, 18.0, 0.7);
  Adsr(roll, 0.02, 0.1, 0.6, 0.1);
  Mix(out, roll, 0.3, 0.4);
  return out;
}

Buffer PhoneDial() {
  static constexpr double kRows[] = {697.0, 770.0, 852.0, 941.0};
  static constexpr double kColumns[] = {1209.0, 1336.0, 1477.0};
  static constexpr int kDigits[][2] = {{0, 1}, {2, 0}, {1, 2}, {0, 0}, {3, 1}, {2, 2}, {1, 1}};
  Buffer out;
  double at = 0.0;
  for (const auto& d : kDigits) {
    Buffer key = Beep(kRows[d[0]], 0.1);
    Mix(key, Beep(kColumns[d[1]], 0.1), 0.0, 1.0);
    Mix(out, key, at, 1.0);
    at += 0.16;
  }
  AddTail(out, 0.15);
  return out;
}

Buffer Idea() {
  Buffer out = Bell(MidiHz(84.0), 0.5, 0.8);
  Mix(out, Bell(MidiHz(91.0), 0.7, 0.8), 0.09, 1.0);
  Noise rng(660);
  for (std::uint32_t i = 0; i < 5; ++i) {
    Mix(out, Bell(rng.Uniform(4000.0, 6000.0), 0.2, 0.4), 0.12 + 0.05 * static_cast<double>(i),
        0.15);
  }
  Fade(out, 0.0, 0.2);
  return out;
}

Buffer WindChime() {
  Buffer out;
  const double strikes[] = {0.0, 0.8, 1.5};
  const double pitches[] = {2650.0, 3100.0, 2800.0};
  for (std::size_t i = 0; i < 3; ++i) {
    Buffer glass = Bell(pitches[i], 1.3, 0.6);
    Tremolo(glass, 4.0, 0.15);
    Mix(out, glass, strikes[i], i == 0 ? 1.0 : 0.7);
  }
  Fade(out, 0.0, 0.4);
  return out;
}

Buffer TempleBell() {
  Buffer out = Tone(Wave::kSine, 3.0, 110.0);
  Mix(out, Tone(Wave::kSine, 3.0, 111.4), 0.0, 0.8);
  Mix(out, Bell(220.0, 3.0, 0.8), 0.0, 0.6);
  Decay(out, 0.005, 1.1);
  Mix(out, NoiseBurst(0.2, 670, 40.0, 600.0, 0.03), 0.0, 0.5);
  Fade(out, 0.0, 0.6);
  return out;
}

// ---- stings and jingles ----

Buffer Stab(std::initializer_list<double> chord, double seconds, std::uint32_t seed) {
  Buffer out = Chord(Brass, chord, seconds);
  Mix(out, NoiseBurst(seconds, seed, 3000.0, 0.0, 0.05), 0.0, 0.25);
  Mix(out, Thump(seconds, 110.0, 55.0, 0.05), 0.0, 0.8);
  return out;
}

Buffer GagaA() {
  Buffer out = Stab({50, 56, 62, 65}, 0.13, 700);
  Mix(out, Stab({49, 55, 61, 64}, 0.13, 701), 0.17, 1.0);
  Mix(out, Stab({48, 54, 60, 63}, 0.7, 702), 0.36, 1.1);
  Fade(out, 0.0, 0.3);
  return out;
}

Buffer GagaB() {
  Buffer out = Stab({55, 62, 67, 71}, 0.13, 710);
  Mix(out, Stab({57, 64, 69, 72}, 0.13, 711), 0.17, 1.0);
  Mix(out, Stab({48, 60, 64, 67, 72}, 0.9, 712), 0.36, 1.1);
  Mix(out, Bell(MidiHz(96.0), 0.8, 0.6), 0.36, 0.3);
  Fade(out, 0.0, 0.35);
  return out;
}

// Chords under a tune: the pad holds each chord for `beats` beats.
void Accompany(Buffer& into, std::initializer_list<std::initializer_list<double>> chords,
               double beats, double beat, double gain) {
  double at = 0.0;
  for (const auto& chord : chords) {
    Mix(into, Chord(Pad, chord, beats * beat + 0.3), at, gain);
    const double root = MidiHz(*chord.begin() - 12.0);
    Buffer bass = Tone(Wave::kSine, beats * beat, root);
    Mix(bass, Tone(Wave::kTriangle, beats * beat, root), 0.0, 0.3);
    Decay(bass, 0.01, 0.5);
    Fade(bass, 0.0, 0.05);
    Mix(into, bass, at, gain * 2.0);
    at += beats * beat;
  }
}

Buffer Opening() {
  const double beat = 0.34;
  static constexpr std::array<Note, 13> kTune = {{{72, 0, 1},
                                                  {76, 1, 1},
                                                  {79, 2, 1},
                                                  {84, 3, 1},
                                                  {81, 4, 1},
                                                  {79, 5, 1},
                                                  {77, 6, 1},
                                                  {76, 7, 1},
                                                  {74, 8, 1},
                                                  {76, 9, 1},
                                                  {77, 10, 1},
                                                  {79, 11, 1},
                                                  {84, 12, 4}}};
  Buffer out;
  Play(out, kTune, beat, 1.0, [](double hz, double s) { return Bell(hz, s + 0.5, 0.4); });
  Accompany(out, {{60, 64, 67}, {53, 57, 60}, {55, 59, 62}, {48, 52, 55, 60}}, 4.0, beat, 0.25);
  Fade(out, 0.0, 0.8);
  return out;
}

Buffer EndingOne() {
  const double beat = 0.45;
  static constexpr std::array<Note, 9> kTune = {{{69, 0, 2},
                                                 {72, 2, 1},
                                                 {77, 3, 1},
                                                 {76, 4, 2},
                                                 {72, 6, 2},
                                                 {74, 8, 1},
                                                 {72, 9, 1},
                                                 {70, 10, 2},
                                                 {69, 12, 4}}};
  Buffer out;
  Play(out, kTune, beat, 1.0, Vibes);
  Accompany(out, {{53, 57, 60}, {58, 62, 65}, {55, 58, 62}, {53, 57, 60, 65}}, 4.0, beat, 0.3);
  Fade(out, 0.0, 1.0);
  return out;
}

Buffer EndingTwo() {
  const double beat = 0.38;
  static constexpr std::array<Note, 10> kTune = {{{76, 0, 1},
                                                  {72, 1, 1},
                                                  {69, 2, 2},
                                                  {77, 4, 1},
                                                  {76, 5, 1},
                                                  {72, 6, 2},
                                                  {74, 8, 2},
                                                  {79, 10, 2},
                                                  {76, 12, 1},
                                                  {72, 13, 3}}};
  Buffer out;
  Play(out, kTune, beat, 1.0, PluckNote);
  Play(out, kTune, beat, 0.35, [](double hz, double s) { return SoftBell(hz * 2.0, s + 0.3); });
  Accompany(out, {{57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {48, 52, 55, 60}}, 4.0, beat, 0.3);
  Fade(out, 0.0, 0.9);
  return out;
}

Buffer ShortJingle(std::initializer_list<double> tune, double beat, Buffer (*lead)(double, double),
                   std::initializer_list<double> chord) {
  Buffer out;
  double at = 0.0;
  std::size_t i = 0;
  for (double pitch : tune) {
    const bool last = ++i == tune.size();
    Mix(out, lead(MidiHz(pitch), last ? beat * 4.0 : beat * 1.5), at, 1.0);
    at += beat;
  }
  Mix(out, Chord(Pad, chord, at + beat * 3.0), 0.0, 0.2);
  Fade(out, 0.0, 0.5);
  return out;
}

Buffer BellLead(double hz, double seconds) {
  return Bell(hz, seconds, 0.5);
}

Buffer MenuJingle() {
  return ShortJingle({72, 76, 79, 84}, 0.14, BellLead, {60, 64, 67});
}
Buffer MenuJingleA() {
  return ShortJingle({79, 77, 76, 74, 72}, 0.14, Vibes, {48, 55, 64});
}
Buffer MenuJingleB() {
  return ShortJingle({67, 72, 74, 79, 76}, 0.16, PluckNote, {55, 60, 64, 67});
}
Buffer ExtrasJingle() {
  return ShortJingle({69, 72, 76, 81, 79, 84}, 0.15, BellLead, {53, 57, 60, 64});
}

constexpr Recipe kRecipes[] = {
    {"phone_ring", "Telephone ringing, two rings of a bell ringer", PhoneRing},
    {"phone_pickup", "Receiver lifted off the cradle", PhonePickup},
    {"door_open", "Latch click and a creaking hinge", DoorOpen},
    {"door_close", "Door shut: thud and latch", DoorClose},
    {"knock", "Three knocks on a wooden door", Knock},
    {"footsteps", "Four unhurried footsteps", Footsteps},
    {"running", "Someone running past", Running},
    {"paper_rustle", "Sheets of paper rustling", PaperRustle},
    {"page_turn", "A page turned over", PageTurn},
    {"pencil_scribble", "Pencil scribbling on a drawing", PencilScribble},
    {"stapler", "Stapler pressed", Stapler},
    {"camera_shutter", "Camera shutter and film winder", CameraShutter},
    {"startup_chime", "Short soft two-note chime (sound check at start-up)", StartupChime},
    {"ding_dong", "Two-note ding-dong chime", DingDong},
    {"school_bell", "School chime, four bell notes", SchoolBell},
    {"cicadas", "Summer cicadas buzzing", Cicadas},
    {"rain", "Steady rain with drops", Rain},
    {"thunder", "Thunder crack and rumble", Thunder},
    {"wind", "Wind gusting", Wind},
    {"car_passing", "A car passing by", CarPassing},
    {"bicycle_bell", "Bicycle bell rung twice", BicycleBell},
    {"train_crossing", "Railway crossing bell", TrainCrossing},
    {"crowd_murmur", "Crowd murmuring", CrowdMurmur},
    {"applause", "Applause", Applause},
    {"laugh", "Ha-ha-ha laugh", Laugh},
    {"fanfare", "Brass fanfare", Fanfare},
    {"sad_sting", "Sad sting: minor chord and falling bells", SadSting},
    {"surprise_sting", "Surprise sting (\"!\")", SurpriseSting},
    {"comedic_fall", "Slide whistle down and a bonk", ComedicFall},
    {"slap", "Slap", Slap},
    {"heartbeat", "Heartbeat, three beats", Heartbeat},
    {"clock_tick", "Clock ticking", ClockTick},
    {"alarm_clock", "Digital alarm clock beeping", AlarmClock},
    {"keyboard", "Typing on a keyboard", Keyboard},
    {"fax", "Fax machine answering and sending", Fax},
    {"kettle", "Kettle coming to the whistle", Kettle},
    {"can_open", "Drink can opened", CanOpen},
    {"fireworks", "Firework: launch, burst and crackle", Fireworks},
    {"festival_drum", "Festival drum (taiko)", FestivalDrum},
    {"cheer", "Crowd cheering", Cheer},
    {"swoosh", "Swoosh", Swoosh},
    {"sparkle", "Sparkle, rising glitter", Sparkle},
    {"doorbell", "Two-tone doorbell", Doorbell},
    {"sliding_door", "Sliding door rolled open", SlidingDoor},
    {"bag_drop", "Bag dropped on the floor", BagDrop},
    {"glass_clink", "Glasses clinking", GlassClink},
    {"cash_register", "Cash register", CashRegister},
    {"store_chime", "Shop entry chime", StoreChime},
    {"hospital_beep", "Hospital monitor beeping", HospitalBeep},
    {"fortune_bell", "Fortune-teller's little bells", FortuneBell},
    {"projector", "Film projector running", Projector},
    {"tape_rewind", "Tape rewinding, then the stop clunk", TapeRewind},
    {"slate_clap", "Studio slate clapper", SlateClap},
    {"typewriter", "Typewriter line with the bell and return", Typewriter},
    {"pencil_sharpener", "Pencil sharpener grinding", PencilSharpener},
    {"busy_tone", "Receiver click and a busy tone", BusyTone},
    {"drawer", "Desk drawer pulled open", Drawer},
    {"light_switch", "Light switch", LightSwitch},
    {"vending_machine", "Can dropping out of a vending machine", VendingMachine},
    {"phone_dial", "Push-button phone dialling", PhoneDial},
    {"idea", "Idea! A bright rising ping", Idea},
    {"wind_chime", "Glass wind chime in a summer breeze", WindChime},
    {"temple_bell", "Evening temple bell", TempleBell},
    {"title_sting_a", "Film 0 title sting, tense", GagaA},
    {"title_sting_b", "Film 0 title sting, bright", GagaB},
    {"opening", "Opening jingle", Opening},
    {"ending_one", "Ending jingle, calm", EndingOne},
    {"ending_two", "Ending jingle, bittersweet", EndingTwo},
    {"menu_jingle", "Menu jingle", MenuJingle},
    {"menu_jingle_a", "Menu jingle, falling", MenuJingleA},
    {"menu_jingle_b", "Menu jingle, lifting", MenuJingleB},
    {"extras_jingle", "Extras jingle", ExtrasJingle},
};

}  // namespace

std::span<const Recipe> AllRecipes() {
  return kRecipes;
}

const Recipe* FindRecipe(std::string_view key) {
  for (const Recipe& r : kRecipes) {
    if (r.key == key) return &r;
  }
  return nullptr;
}

std::optional<Buffer> RenderRecipe(std::string_view key) {
  const Recipe* recipe = FindRecipe(key);
  if (recipe == nullptr) return std::nullopt;
  Buffer out = recipe->render();
  Finish(out);
  return out;
}

}  // namespace databuild::synth
