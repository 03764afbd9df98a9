// Where the SDL backend's mix goes: one audio device (16-bit stereo at the mix
// rate), or, on a machine without one, a thread that consumes the mix at
// real-time pace into nothing, so sounds and music still take their time.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/audio/audio_engine.h"

namespace platform::sdl {

class AudioOutput {
 public:
  explicit AudioOutput(audio::AudioEngine& engine);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  bool HasDevice() const { return device_ != 0; }

 private:
  static void Callback(void* self, unsigned char* stream, int bytes);
  void ConsumeSilently();

  audio::AudioEngine& engine_;
  unsigned device_ = 0;
  bool subsystemUp_ = false;
  std::thread consumer_;
  std::mutex mutex_;
  std::condition_variable stopRequested_;
  bool stop_ = false;
};

}  // namespace platform::sdl
