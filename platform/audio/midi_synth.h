// The music's synthesiser: FluidSynth with the best General MIDI soundfont on
// the machine, rendered as part of the mix so its sequencer runs on samples
// (the same tempo whether the mix goes to a device, nowhere or a test clock).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/audio/mixer.h"

namespace platform::audio {

// The soundfont to load: FluidR3 GM where installed, else TimGM6mb, looked
// for in the usual system folders (or those given); empty when there is none.
std::string FindSoundfont();
std::string FindSoundfont(const std::vector<std::string>& folders);

// The synthesiser's output level. FluidSynth's default (0.2) leaves the music
// some 14 dB under the effects; 0.6 sits just under them with the reverb on.
inline constexpr double kMusicGain = 0.6;
// The synthesiser runs at half the mix rate and is doubled up: it costs half
// the processor time, and General MIDI instruments lose little above 11 kHz.
inline constexpr int kSynthRate = kMixRate / 2;

class MidiSynth final : public MixSource {
 public:
  // onEnd runs (in the mix) once a piece has played its last tick.
  MidiSynth(Mixer& mixer, std::function<void()> onEnd);
  ~MidiSynth() override;
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;

  // Loads the soundfont on first use; false (said once on stderr) without one.
  bool Ready();
  // The piece from its first tick, replacing any other.
  void Play(const std::string& path);
  // Silence at once; the piece is forgotten.
  void Stop();

  void MixInto(std::int32_t* acc, std::size_t frames) override;
  bool Silent() const override;

 private:
  struct Fluid;
  Mixer& mixer_;
  std::function<void()> onEnd_;
  std::unique_ptr<Fluid> fluid_;
  bool tried_ = false;
  bool endTold_ = false;
  int totalTicks_ = 0;  // asked once a piece is loaded: the library counts them anew each time
  std::vector<std::int16_t> rendered_;
  std::int16_t last_[2] = {0, 0};  // the synthesiser's previous frame
  bool oddFrameKept_ = false;      // the second half of a doubled frame is still due
  std::int16_t kept_[2] = {0, 0};
};

class SynthMusic final : public MidiMusic {
 public:
  SynthMusic(MidiSynth& synth, std::string path) : synth_(synth), path_(std::move(path)) {}
  ~SynthMusic() override { synth_.Stop(); }
  SynthMusic(const SynthMusic&) = delete;
  SynthMusic& operator=(const SynthMusic&) = delete;
  void PlayFromStart() override { synth_.Play(path_); }
  void Stop() override { synth_.Stop(); }

 private:
  MidiSynth& synth_;
  std::string path_;
};

}  // namespace platform::audio
