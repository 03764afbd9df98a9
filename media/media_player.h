// Plays one sound file on a worker thread of its own, as the design's
// DirectShow player did: the worker runs the graph, waits for its end in
// 150 ms slices and, on a stop request, stops and rewinds it. The graph here is
// a sound file of the platform's mixer; the names and states the callers see
// are the design's.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "kiln/scenario.h"
#include "platform/audio.h"

namespace media {

class MediaPlayer final : public Kiln::CScenario {
 public:
  MediaPlayer();
  ~MediaPlayer() override;

  // path is the file system's path of a copied sound. 1 when it decodes.
  int BuildGraph(const char* path);
  // Starts the sound on the calling thread, then the worker that watches it.
  void PlayMedia(int loop);
  // Stops and rewinds the sound keeping its volume; joins the worker.
  void StopMedia();
  int IsMediaPlaying();
  void ReleaseGraph();

  // Told of a natural end or a failure as it happens in the mix (any thread).
  void SetEndListener(std::function<void(platform::SoundEvent)> listener);

  std::int32_t Main() override;
  // Also wakes the worker from its wait for the sound's end.
  int RequestStop() override;

 private:
  void StopSequence();

  // A volume ramp in the design's player, never started; only stopped.
  Kiln::CScenario volumeRamp_{this};
  std::unique_ptr<platform::SoundFile> graph_;
  std::function<void(platform::SoundEvent)> listener_;
};

}  // namespace media
