#include "platform/audio/audio_engine.h"

#include <fstream>

#include "platform/audio/movie_file.h"
#include "platform/audio/sound_stream.h"

namespace platform::audio {

namespace {

// FluidSynth takes any file it is given and finds out later that it is no
// MIDI file; the header says so at once.
bool LooksLikeMidi(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char magic[4] = {};
  return file.read(magic, sizeof magic) && std::string_view(magic, 4) == "MThd";
}

}  // namespace

AudioEngine::AudioEngine(std::function<void(int)> postMusicEnd)
    : synth_(mixer_, [post = std::move(postMusicEnd)] {
        if (post) post(1);
      }) {}

AudioEngine::~AudioEngine() = default;

std::unique_ptr<SoundFile> AudioEngine::OpenSound(const std::string& path) {
  std::shared_ptr<SoundStream> stream = SoundStream::Open(path, kSoundFormats);
  if (!stream) return nullptr;
  return std::make_unique<MixedSoundFile>(std::move(stream), mixer_);
}

std::unique_ptr<MidiMusic> AudioEngine::OpenMusic(const std::string& path) {
  if (!LooksLikeMidi(path) || !synth_.Ready()) return nullptr;
  return std::make_unique<SynthMusic>(synth_, path);
}

std::unique_ptr<MovieFile> AudioEngine::OpenMovie(const std::string& path) {
  return Movie::Open(path, mixer_);
}

}  // namespace platform::audio
