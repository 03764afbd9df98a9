// Character voices: pitched "babble" syllables in each speaker's own voice.
// A clip is made from its name alone (speaker code and number), so the same
// row always renders the same samples.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/databuild/asset.h"
#include "tools/databuild/synth_core.h"

namespace databuild::synth {

// Part of the builder's cache key: bump it whenever a profile, the voice
// synthesis or the encode settings change.
inline constexpr const char* kVoicesVersion = "1";

// Clips last at least this long and at most this long, silent ends included.
inline constexpr double kVoiceShortest = 1.0;
inline constexpr double kVoiceLongest = 4.0;

struct VoiceProfile {
  std::string_view speaker;   // two-letter speaker code ("ko")
  std::string_view who;       // who speaks, for the docs and messages
  double pitchHz;             // the fundamental the phrasing centres on
  double rangeSemitones;      // how far the pitch moves within a phrase
  double syllablesPerSecond;  // speaking rate
  double formantScale;        // vowel resonances: above 1 younger/smaller, below 1 deeper
  double breath;              // breath noise beside the voicing, 0..1
  double brightness;          // cutoff of the source's tilt, times 1500 Hz
  double pauseSeconds;        // the usual pause between phrases
};

std::span<const VoiceProfile> AllVoiceProfiles();
const VoiceProfile* FindVoiceProfile(std::string_view speaker);

// A manifest source "ko:0235", or "ko:0003?" for a line that is a question.
struct VoiceLine {
  std::string speaker;
  int number = 0;
  bool question = false;
  std::string Id() const;  // "ko0235": the member's name without ".wma"
};
std::optional<VoiceLine> ParseVoiceSource(std::string_view source);

// The finished clip: rendered, faded and normalised like every sound.
Buffer RenderVoice(const VoiceProfile& profile, std::string_view id, bool question);
std::optional<Buffer> RenderVoiceLine(const VoiceLine& line);

// The "voice" family's generator: the member's name must be the source's
// speaker and number plus ".wma".
std::optional<std::vector<std::uint8_t>> GenerateVoice(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error);

}  // namespace databuild::synth
