#include "platform/audio/mixer.h"

#include <algorithm>

namespace platform::audio {

void Mixer::Add(const std::shared_ptr<MixSource>& source) {
  const std::lock_guard hold(mutex_);
  if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) {
    sources_.push_back(source);
  }
}

void Mixer::Remove(const MixSource* source) {
  const std::lock_guard hold(mutex_);
  std::erase_if(sources_,
                [source](const std::shared_ptr<MixSource>& s) { return s.get() == source; });
}

bool Mixer::Silent() {
  const std::lock_guard hold(mutex_);
  return std::all_of(sources_.begin(), sources_.end(),
                     [](const std::shared_ptr<MixSource>& s) { return s->Silent(); });
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
  const std::lock_guard hold(mutex_);
  acc_.assign(frames * 2, 0);
  for (const std::shared_ptr<MixSource>& source : sources_) source->MixInto(acc_.data(), frames);
  std::transform(acc_.begin(), acc_.end(), out, [](std::int32_t v) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, -32768, 32767));
  });
}

}  // namespace platform::audio
