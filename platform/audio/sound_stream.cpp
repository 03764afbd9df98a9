#include "platform/audio/sound_stream.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace platform::audio {

std::shared_ptr<SoundStream> SoundStream::Open(const std::string& path,
                                               const Whitelist& whitelist) {
  std::unique_ptr<SoundDecoder> decoder = SoundDecoder::Open(path, whitelist, nullptr);
  if (!decoder) return nullptr;
  return std::shared_ptr<SoundStream>(new SoundStream(path, whitelist, std::move(decoder)));
}

void SoundStream::Run(bool loop) {
  const std::lock_guard hold(mutex_);
  loop_ = loop;
  running_ = decoder_ != nullptr;
  events_.clear();  // ends of an earlier run are no news to this one
}

void SoundStream::Stop() {
  const std::lock_guard hold(mutex_);
  running_ = false;
  // A player waiting for the end hears of the stop at once, not a slice later.
  ++stops_;
  eventArrived_.notify_all();
}

// A fresh decoder starts exactly where the first play started; a seek in the
// container need not.
bool SoundStream::Reopen() {
  decoder_ = SoundDecoder::Open(path_, whitelist_, nullptr);
  atStart_ = decoder_ != nullptr;
  return atStart_;
}

void SoundStream::Rewind() {
  const std::lock_guard hold(mutex_);
  if (atStart_) return;  // every stop rewinds; most find nothing played since
  if (!Reopen()) {
    const bool wasRunning = running_;
    running_ = false;
    if (wasRunning) Report(SoundEvent::Failed);
  }
}

bool SoundStream::IsRunning() const {
  const std::lock_guard hold(mutex_);
  return running_;
}

SoundEvent SoundStream::WaitForEvent(std::uint32_t ms) {
  std::unique_lock hold(mutex_);
  const std::uint64_t stops = stops_;
  eventArrived_.wait_for(hold, std::chrono::milliseconds(ms),
                         [&] { return !events_.empty() || stops_ != stops; });
  if (events_.empty()) return SoundEvent::None;
  const SoundEvent event = events_.front();
  events_.pop_front();
  return event;
}

int SoundStream::Volume() const {
  const std::lock_guard hold(mutex_);
  return volume_;
}

void SoundStream::SetVolume(int hundredthsOfDecibel) {
  const std::lock_guard hold(mutex_);
  volume_ = std::clamp(hundredthsOfDecibel, -10000, 0);
  gain_ = volume_ <= -10000 ? 0.0f : std::pow(10.0f, static_cast<float>(volume_) / 2000.0f);
}

void SoundStream::SetEndListener(std::function<void(SoundEvent)> listener) {
  const std::lock_guard hold(mutex_);
  listener_ = std::move(listener);
}

void SoundStream::Report(SoundEvent event) {
  events_.push_back(event);
  eventArrived_.notify_all();
  if (listener_ && event != SoundEvent::Looped) listener_(event);
}

bool SoundStream::Silent() const {
  const std::lock_guard hold(mutex_);
  return !running_;
}

void SoundStream::MixInto(std::int32_t* acc, std::size_t frames) {
  const std::lock_guard hold(mutex_);
  scratch_.resize(frames * 2);
  std::size_t done = 0;
  bool freshDecoder = false;
  while (running_ && done < frames) {
    const std::size_t got = decoder_->Read(scratch_.data() + done * 2, frames - done);
    done += got;
    if (got > 0) freshDecoder = atStart_ = false;
    if (done == frames) break;
    if (decoder_->Failed() || (loop_ && freshDecoder)) {
      // A loop whose fresh start gives nothing would spin here for ever.
      running_ = false;
      Report(SoundEvent::Failed);
    } else if (!loop_) {
      running_ = false;
      Report(SoundEvent::Ended);
    } else if (Reopen()) {
      freshDecoder = true;
      Report(SoundEvent::Looped);
    } else {
      running_ = false;
      Report(SoundEvent::Failed);
    }
  }
  for (std::size_t i = 0; i < done * 2; ++i) {
    acc[i] += static_cast<std::int32_t>(std::lround(scratch_[i] * gain_));
  }
}

MixedSoundFile::MixedSoundFile(std::shared_ptr<SoundStream> stream, Mixer& mixer)
    : stream_(std::move(stream)), mixer_(mixer) {
  mixer_.Add(stream_);
}

MixedSoundFile::~MixedSoundFile() {
  mixer_.Remove(stream_.get());
}

}  // namespace platform::audio
