// The players and the mixer every backend shares. A backend owns one engine,
// consumes its mix (Pull) where its output is, and tells the engine how to post
// the music-end message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/audio/midi_synth.h"
#include "platform/audio/mixer.h"

namespace platform::audio {

class AudioEngine final : public Audio {
 public:
  explicit AudioEngine(std::function<void(int)> postMusicEnd);
  ~AudioEngine() override;

  std::unique_ptr<SoundFile> OpenSound(const std::string& path) override;
  std::unique_ptr<MidiMusic> OpenMusic(const std::string& path) override;
  std::unique_ptr<MovieFile> OpenMovie(const std::string& path) override;

  // The next `frames` interleaved stereo frames of the mix.
  void Pull(std::int16_t* out, std::size_t frames) { mixer_.Mix(out, frames); }
  bool Silent() { return mixer_.Silent(); }

 private:
  Mixer mixer_;
  MidiSynth synth_;
};

}  // namespace platform::audio
