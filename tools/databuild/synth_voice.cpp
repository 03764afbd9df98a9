#include "tools/databuild/synth_voice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/databuild/synth_wma.h"

namespace databuild::synth {
namespace {

constexpr double kRate = static_cast<double>(kSampleRate);
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Highest voice first. Fitted to the story bible: the young heroines high and
// quick, the calm and older women lower and slower, the men lowest.
constexpr VoiceProfile kProfiles[] = {
    {"hi", "Nanao Hinako, playful and cheeky", 310.0, 8.0, 8.5, 1.15, 0.04, 1.3, 0.16},
    {"ko", "Mashiba Koyori, bright and energetic, talks at double speed", 285.0, 7.0, 9.0, 1.12,
     0.04, 1.3, 0.14},
    {"yu", "Chigusa Yuzuka, cheerful and caring", 262.0, 6.0, 7.5, 1.10, 0.05, 1.2, 0.18},
    {"na", "Himi Nanoka, shy and dreamy, half-sentences", 245.0, 4.0, 5.0, 1.12, 0.14, 0.9, 0.32},
    {"mi", "Higaki Michiru, animation director, kind and firm", 230.0, 5.0, 6.5, 1.04, 0.06, 1.1,
     0.2},
    {"ho", "Someya Hotaru, gentle and careful, speaks softly", 215.0, 3.5, 5.5, 1.05, 0.12, 0.85,
     0.26},
    {"ka", "Tomine Kasumi, wistful and distant, slow", 202.0, 3.5, 4.5, 1.02, 0.10, 0.9, 0.34},
    {"re", "Himi Reina, cool and elegant, few words", 190.0, 3.0, 6.0, 1.00, 0.05, 1.0, 0.24},
    {"am", "Mikuriya Amane, mysterious and calm", 178.0, 2.5, 4.8, 1.00, 0.08, 0.9, 0.3},
    {"su", "Sunahara Tomiko, the president, 58", 165.0, 4.0, 6.0, 0.96, 0.07, 0.95, 0.22},
    {"so", "Kuramae Soichiro, sound director, soft-spoken", 126.0, 3.0, 5.5, 0.87, 0.06, 0.9, 0.24},
    {"ku", "Kumai Daisaku, the desk, a big loud man", 110.0, 6.0, 7.0, 0.82, 0.05, 1.1, 0.18},
    {"to", "Torigoe Gentaro, the director, 61, gruff", 97.0, 4.5, 5.5, 0.84, 0.12, 0.85, 0.26},
};

// Japanese vowels a, i, u, e, o: the first three resonances of a neutral
// adult voice, in Hz, before the profile's scale.
constexpr std::array<std::array<double, 3>, 5> kVowels = {{
    {800.0, 1250.0, 2700.0},
    {320.0, 2500.0, 3200.0},
    {360.0, 1350.0, 2600.0},
    {500.0, 2050.0, 2850.0},
    {480.0, 850.0, 2700.0},
}};

// What starts a syllable: nothing, a stop's burst, a hiss, or a hum.
enum class Onset { kNone, kStop, kHiss, kNasal };

struct Syllable {
  double start = 0.0;
  double length = 0.0;
  int vowel = 0;
  Onset onset = Onset::kNone;
  double burstHz = 3000.0;  // centre of a stop or hiss
  double accent = 0.0;      // semitones about the phrase line
  std::size_t phrase = 0;
  bool lastOfPhrase = false;
};

struct Phrase {
  double start = 0.0;
  double end = 0.0;
};

std::uint32_t Fnv1a(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (char c : text) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

// An RBJ band-pass (0 dB peak) whose centre may change every sample.
class MovingBandPass {
 public:
  double Step(double x, double centre, double q) {
    const double w = kTwoPi * std::min(centre, kRate * 0.45) / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    const double y = b0 * x - b0 * x2_ - a1 * y1_ - a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// One-pole smoothing towards a target with the given time constant.
class Smooth {
 public:
  Smooth(double seconds, double start) : a_(1.0 - std::exp(-1.0 / (seconds * kRate))), y_(start) {}
  double Step(double target) {
    y_ += a_ * (target - y_);
    return y_;
  }

 private:
  double a_;
  double y_;
};

double ClipSeconds(std::string_view speaker, int number, Noise& rng) {
  // The production guide explains a whole stage per clip: longer lines.
  const bool guide = speaker == "ko" && number >= 235 && number <= 251;
  return guide ? rng.Uniform(2.8, 3.7) : rng.Uniform(1.6, 3.3);
}

// Lays out phrases of syllables until the clip's length is used up.
std::vector<Syllable> Layout(const VoiceProfile& profile, double target, Noise& rng,
                             std::vector<Phrase>* phrases) {
  constexpr double kLead = 0.05;
  std::vector<Syllable> out;
  double t = kLead;
  const double unit = 1.0 / profile.syllablesPerSecond;
  while (true) {
    const int count = static_cast<int>(rng.Uniform(3.0, 8.99));
    Phrase phrase{t, t};
    for (int k = 0; k < count; ++k) {
      Syllable s;
      s.length = unit * rng.Uniform(0.8, 1.25) * (k + 1 == count ? 1.5 : 1.0);
      if (t + s.length > target) break;
      s.start = t;
      s.vowel = std::min(4, static_cast<int>(rng.Uniform(0.0, 5.0)));
      const double pick = rng.Uniform(0.0, 1.0);
      if (pick < 0.4) {
        s.onset = Onset::kStop;
        s.burstHz = rng.Uniform(1800.0, 4200.0);
      } else if (pick < 0.55) {
        s.onset = Onset::kHiss;
        s.burstHz = rng.Uniform(3800.0, 5200.0);
      } else if (pick < 0.75) {
        s.onset = Onset::kNasal;
      }
      s.accent = rng.Uniform(-0.3, 0.3) * profile.rangeSemitones;
      s.phrase = phrases->size();
      out.push_back(s);
      t += s.length;
    }
    if (t == phrase.start) break;  // not even one syllable fitted
    phrase.end = t;
    out.back().lastOfPhrase = true;
    phrases->push_back(phrase);
    t += profile.pauseSeconds * rng.Uniform(0.7, 1.3);
    if (t + 3.0 * unit > target) break;
  }
  return out;
}

}  // namespace

std::span<const VoiceProfile> AllVoiceProfiles() {
  return kProfiles;
}

const VoiceProfile* FindVoiceProfile(std::string_view speaker) {
  for (const VoiceProfile& p : kProfiles) {
    if (p.speaker == speaker) return &p;
  }
  return nullptr;
}

std::string VoiceLine::Id() const {
  std::string digits = std::to_string(number);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return speaker + digits;
}

std::optional<VoiceLine> ParseVoiceSource(std::string_view source) {
  VoiceLine line;
  if (!source.empty() && source.back() == '?') {
    line.question = true;
    source.remove_suffix(1);
  }
  if (source.size() != 7 || source[2] != ':') return std::nullopt;
  for (std::size_t i = 0; i < 2; ++i) {
    if (source[i] < 'a' || source[i] > 'z') return std::nullopt;
  }
  for (std::size_t i = 3; i < 7; ++i) {
    if (source[i] < '0' || source[i] > '9') return std::nullopt;
    line.number = line.number * 10 + (source[i] - '0');
  }
  line.speaker = std::string(source.substr(0, 2));
  return line;
}

Buffer RenderVoice(const VoiceProfile& profile, std::string_view id, bool question) {
  Noise rng(Fnv1a(id));
  int number = 0;
  for (char c : id) {
    if (c >= '0' && c <= '9') number = number * 10 + (c - '0');
  }
  const double target = ClipSeconds(id.substr(0, 2), number, rng);
  std::vector<Phrase> phrases;
  const std::vector<Syllable> syllables = Layout(profile, target, rng, &phrases);
  const double end = phrases.empty() ? target : phrases.back().end;
  const std::size_t total = Samples(std::max(end + 0.12, kVoiceShortest + 0.05));

  // Targets per sample; the smoothers below make every change gradual.
  std::vector<double> pitch(total, 0.0), voicing(total, 0.0), burst(total, 0.0),
      burstHz(total, 3000.0);
  std::vector<std::array<double, 3>> formants(total, kVowels[4]);
  const double range = profile.rangeSemitones;
  double held = range * 0.3;
  for (std::size_t n = 0; n < syllables.size(); ++n) {
    const Syllable& s = syllables[n];
    const Phrase& phrase = phrases[s.phrase];
    const bool finalSyllable = n + 1 == syllables.size();
    const double nextAccent = s.lastOfPhrase ? s.accent : syllables[n + 1].accent;
    const std::size_t from = Samples(s.start);
    const std::size_t to = std::min(total, Samples(s.start + s.length));
    for (std::size_t i = from; i < to; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double x = std::clamp((t - s.start) / s.length, 0.0, 1.0);
      const double along = (t - phrase.start) / (phrase.end - phrase.start);
      // Declination: each phrase starts above the centre and ends below it.
      double semitones = range * (0.4 - 0.8 * along) + s.accent + (nextAccent - s.accent) * x * 0.5;
      if (finalSyllable) {
        // A question lifts off the phrase line; a statement settles below it.
        semitones += question ? range * (0.4 + 1.4 * x) : -range * 0.6 * std::pow(x, 1.5);
      }
      pitch[i] = semitones;
      held = semitones;
      double onset = 0.0;
      double voiced = 1.0;
      std::array<double, 3> f = kVowels[static_cast<std::size_t>(s.vowel)];
      switch (s.onset) {
        case Onset::kStop:
          if (x < 0.12) {
            onset = 0.18 * (1.0 - x / 0.12);
            voiced = 0.15;
          }
          break;
        case Onset::kHiss:
          if (x < 0.3) {
            onset = 0.12 * std::sin(std::numbers::pi * x / 0.3);
            voiced = 0.1;
          }
          break;
        case Onset::kNasal:
          if (x < 0.25) {
            voiced = 0.55;
            f = {260.0, 1150.0, 2400.0};
          }
          break;
        case Onset::kNone:
          break;
      }
      // Each syllable swells and dips a little; a phrase's last one dies away.
      const double swell = 0.55 + 0.45 * std::sin(std::numbers::pi * std::min(1.0, x * 1.15));
      const double tail = s.lastOfPhrase ? std::max(0.0, 1.0 - std::pow(x, 3.0)) : 1.0;
      voicing[i] = voiced * swell * tail;
      burst[i] = onset;
      burstHz[i] = s.burstHz;
      for (double& hz : f) hz *= profile.formantScale;
      formants[i] = f;
    }
    if (s.lastOfPhrase && n + 1 < syllables.size()) {
      // Hold the pitch through the pause so the next phrase starts smoothly.
      for (std::size_t i = to; i < Samples(syllables[n + 1].start) && i < total; ++i) {
        pitch[i] = held;
        formants[i] = formants[to - 1];
      }
    }
  }
  for (std::size_t i = Samples(end); i < total; ++i) {
    pitch[i] = held;
    if (i > 0) formants[i] = formants[i - 1];
  }

  Buffer out(total, 0.0);
  Noise breathNoise(Fnv1a(id) ^ 0x9E3779B9u);
  Smooth pitchSmooth(0.025, pitch.empty() ? 0.0 : pitch[0]);
  Smooth voicingSmooth(0.012, 0.0);
  Smooth burstSmooth(0.003, 0.0);
  std::array<Smooth, 3> formantSmooth = {Smooth(0.02, formants[0][0]), Smooth(0.02, formants[0][1]),
                                         Smooth(0.02, formants[0][2])};
  std::array<MovingBandPass, 3> resonance;
  MovingBandPass breathBand, burstBand;
  double phase = 0.0;
  double tilt = 0.0;
  const double tiltA = 1.0 - std::exp(-kTwoPi * 1500.0 * profile.brightness / kRate);
  constexpr std::array<double, 3> kQ = {4.0, 7.0, 9.0};
  constexpr std::array<double, 3> kLevel = {1.0, 0.55, 0.3};
  for (std::size_t i = 0; i < total; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double vibrato = 0.004 * std::sin(kTwoPi * 5.3 * t);
    const double hz =
        profile.pitchHz * std::exp2(pitchSmooth.Step(pitch[i]) / 12.0) * (1.0 + vibrato);
    const double dt = hz / kRate;
    phase += dt;
    phase -= std::floor(phase);
    const double saw = 2.0 * phase - 1.0 - Blep(phase, dt);
    tilt += tiltA * (saw - tilt);  // a glottal source loses its highs
    const double v = voicingSmooth.Step(voicing[i]);
    const double hiss = breathNoise.Next();
    double sample = 0.12 * tilt;
    std::array<double, 3> centre{};
    for (std::size_t k = 0; k < 3; ++k) {
      centre[k] = formantSmooth[k].Step(formants[i][k]);
      sample += kLevel[k] * resonance[k].Step(tilt, centre[k], kQ[k]);
    }
    sample *= v;
    sample += profile.breath * 1.5 * v * breathBand.Step(hiss, centre[1], 1.5);
    sample += burstSmooth.Step(burst[i]) * burstBand.Step(hiss, burstHz[i], 2.5);
    out[i] = sample;
  }
  Finish(out);
  return out;
}

std::optional<Buffer> RenderVoiceLine(const VoiceLine& line) {
  const VoiceProfile* profile = FindVoiceProfile(line.speaker);
  if (profile == nullptr) return std::nullopt;
  return RenderVoice(*profile, line.Id(), line.question);
}

std::optional<std::vector<std::uint8_t>> GenerateVoice(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error) {
  if (asset.format != "wma") {
    *error = asset.name + ": voices are only made as wma, not " + asset.format;
    return std::nullopt;
  }
  const std::optional<VoiceLine> line = ParseVoiceSource(asset.source);
  if (!line) {
    *error = asset.name + ": a voice source is speaker:number, like ko:0235, not " + asset.source;
    return std::nullopt;
  }
  if (asset.name != line->Id() + ".wma") {
    *error = asset.name + ": the name does not match its source " + asset.source;
    return std::nullopt;
  }
  const std::optional<Buffer> clip = RenderVoiceLine(*line);
  if (!clip) {
    *error = asset.name + ": no voice profile for speaker " + line->speaker;
    return std::nullopt;
  }
  auto bytes = EncodeWma(ToPcm(*clip), kSampleRate, context.workDir, error);
  if (!bytes) *error = asset.name + ": " + *error;
  return bytes;
}

}  // namespace databuild::synth
