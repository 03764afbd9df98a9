// A sound file as the mixer plays it: decoded while it is mixed, looping in
// the same sample it ended in, and reporting its ends to whoever waits.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/audio/mixer.h"
#include "platform/audio/sound_decoder.h"

namespace platform::audio {

class SoundStream final : public MixSource {
 public:
  // Null when the file does not decode.
  static std::shared_ptr<SoundStream> Open(const std::string& path, const Whitelist& whitelist);

  void Run(bool loop);
  void Stop();
  void Rewind();
  bool IsRunning() const;
  SoundEvent WaitForEvent(std::uint32_t ms);
  int Volume() const;
  void SetVolume(int hundredthsOfDecibel);
  void SetEndListener(std::function<void(SoundEvent)> listener);

  void MixInto(std::int32_t* acc, std::size_t frames) override;
  bool Silent() const override;

 private:
  SoundStream(std::string path, const Whitelist& whitelist, std::unique_ptr<SoundDecoder> decoder)
      : path_(std::move(path)), whitelist_(whitelist), decoder_(std::move(decoder)) {}
  // Called with mutex_ held.
  void Report(SoundEvent event);
  bool Reopen();

  const std::string path_;
  const Whitelist whitelist_;
  mutable std::mutex mutex_;
  std::condition_variable eventArrived_;
  std::unique_ptr<SoundDecoder> decoder_;
  bool running_ = false;
  bool loop_ = false;
  bool atStart_ = true;
  std::uint64_t stops_ = 0;
  int volume_ = 0;
  float gain_ = 1.0f;
  std::deque<SoundEvent> events_;
  std::function<void(SoundEvent)> listener_;
  std::vector<std::int16_t> scratch_;
};

// The engine's handle: takes the stream out of the mix when it goes.
class MixedSoundFile final : public SoundFile {
 public:
  MixedSoundFile(std::shared_ptr<SoundStream> stream, Mixer& mixer);
  ~MixedSoundFile() override;
  MixedSoundFile(const MixedSoundFile&) = delete;
  MixedSoundFile& operator=(const MixedSoundFile&) = delete;

  void Run(bool loop) override { stream_->Run(loop); }
  void Stop() override { stream_->Stop(); }
  void Rewind() override { stream_->Rewind(); }
  bool IsRunning() const override { return stream_->IsRunning(); }
  SoundEvent WaitForEvent(std::uint32_t ms) override { return stream_->WaitForEvent(ms); }
  int Volume() const override { return stream_->Volume(); }
  void SetVolume(int hundredthsOfDecibel) override { stream_->SetVolume(hundredthsOfDecibel); }
  void SetEndListener(std::function<void(SoundEvent)> listener) override {
    stream_->SetEndListener(std::move(listener));
  }

 private:
  std::shared_ptr<SoundStream> stream_;
  Mixer& mixer_;
};

}  // namespace platform::audio
