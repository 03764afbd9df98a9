// Adds the sources that play into one 16-bit stereo stream. Whoever consumes
// the mix (a device callback, a thread at real-time pace, a virtual clock)
// calls Mix; the sources decode as they are mixed, so nothing runs ahead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform::audio {

class MixSource {
 public:
  virtual ~MixSource() = default;
  // Adds `frames` stereo frames into acc (interleaved, 16-bit scale). Called
  // with the mixer's lock held, never at the same time as another MixInto.
  virtual void MixInto(std::int32_t* acc, std::size_t frames) = 0;
  // True when MixInto would add nothing now (under the mixer's lock).
  virtual bool Silent() const = 0;
};

class Mixer {
 public:
  void Add(const std::shared_ptr<MixSource>& source);
  // Once it returns the source is not being mixed and never will be again.
  void Remove(const MixSource* source);
  // Fills `frames` interleaved stereo frames.
  void Mix(std::int16_t* out, std::size_t frames);
  // Nothing would be heard: a consumer may let time pass without mixing.
  bool Silent();
  // Runs fn with no mix in progress (for work a source must not do mid-mix).
  template <class Fn>
  void Exclusive(Fn&& fn) {
    const std::lock_guard hold(mutex_);
    fn();
  }

 private:
  std::mutex mutex_;
  std::vector<std::shared_ptr<MixSource>> sources_;
  std::vector<std::int32_t> acc_;
};

}  // namespace platform::audio
