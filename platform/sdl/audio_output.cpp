#include "platform/sdl/audio_output.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace platform::sdl {

namespace {

// About 46 ms a callback: an effect still starts within a frame or two of its
// cue, and the device thread wakes only 22 times a second.
constexpr Uint16 kDeviceFrames = 2048;
constexpr auto kConsumerSlice = std::chrono::milliseconds(20);

}  // namespace

AudioOutput::AudioOutput(audio::AudioEngine& engine) : engine_(engine) {
  subsystemUp_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (subsystemUp_) {
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = kMixChannels;
    want.samples = kDeviceFrames;
    want.callback = &AudioOutput::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  }
  if (device_ != 0) {
    SDL_PauseAudioDevice(device_, 0);
    return;
  }
  std::fprintf(stderr, "cellwright: no sound device (%s); playing silently\n", SDL_GetError());
  consumer_ = std::thread([this] { ConsumeSilently(); });
}

AudioOutput::~AudioOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (consumer_.joinable()) {
    {
      const std::lock_guard hold(mutex_);
      stop_ = true;
    }
    stopRequested_.notify_all();
    consumer_.join();
  }
  if (subsystemUp_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioOutput::Callback(void* self, unsigned char* stream, int bytes) {
  auto* output = static_cast<AudioOutput*>(self);
  const auto frames = static_cast<std::size_t>(bytes) / (kMixChannels * sizeof(std::int16_t));
  output->engine_.Pull(reinterpret_cast<std::int16_t*>(stream), frames);
}

void AudioOutput::ConsumeSilently() {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  std::uint64_t consumed = 0;
  std::vector<std::int16_t> scratch;
  std::unique_lock hold(mutex_);
  while (!stopRequested_.wait_for(hold, kConsumerSlice, [this] { return stop_; })) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    const std::uint64_t due = static_cast<std::uint64_t>(ms.count()) * kMixRate / 1000;
    if (due <= consumed) continue;
    const auto frames = static_cast<std::size_t>(due - consumed);
    scratch.resize(frames * kMixChannels);
    hold.unlock();
    engine_.Pull(scratch.data(), frames);
    hold.lock();
    consumed = due;
  }
}

}  // namespace platform::sdl
