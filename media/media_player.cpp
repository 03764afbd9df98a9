#include "media/media_player.h"

#include <optional>
#include <string>

#include "kiln/file.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace media {

namespace {

constexpr std::uint32_t kCompletionSliceMs = 150;

}  // namespace

MediaPlayer::MediaPlayer() = default;

MediaPlayer::~MediaPlayer() {
  ReleaseGraph();
}

void MediaPlayer::SetEndListener(std::function<void(platform::SoundEvent)> listener) {
  listener_ = std::move(listener);
  if (graph_) graph_->SetEndListener(listener_);
}

int MediaPlayer::BuildGraph(const char* path) {
  StopMedia();
  Reset();
  graph_.reset();
  if (path == nullptr) return 0;
  // The copy must be there: a failed open is reported with Abort, Retry, Ignore.
  // A path with no Shift-JIS form cannot be shown in the report; the decoder
  // finds out on its own whether the file is there.
  if (const std::optional<std::string> shown = platform::Utf8ToCp932(path)) {
    Kiln::CFile check;
    if (check.Open(shown->c_str(), Kiln::kFileRead, Kiln::kShareRead,
                   Kiln::FileDisposition::OpenExisting,
                   Kiln::kAttributeNormal) == Kiln::kNoHandle) {
      return 0;
    }
  }
  graph_ = platform::Sys().GetAudio().OpenSound(path);
  if (!graph_) {
    ReleaseGraph();
    return 0;
  }
  if (listener_) graph_->SetEndListener(listener_);
  return 1;
}

void MediaPlayer::PlayMedia(int loop) {
  Stop();
  if (!graph_) return;
  // Running the sound here rather than on the worker makes "playing" true the
  // moment PlayMedia returns, whenever the worker gets round to its first step.
  graph_->Run(loop != 0);
  Start(loop, true, false);
}

std::int32_t MediaPlayer::Main() {
  // The sound already runs (PlayMedia); the worker watches it.
  if (graph_) {
    while (Wait(0) == 0) {
      const platform::SoundEvent event = graph_->WaitForEvent(kCompletionSliceMs);
      // A loop restarts in the mix itself, in the sample it ended in; any other
      // end, a failure included, ends the loop so a broken file cannot keep the
      // channel busy for ever.
      if (event == platform::SoundEvent::Ended || event == platform::SoundEvent::Failed) break;
    }
  }
  StopSequence();
  Stop();  // on its own thread: stops the children only
  return 0;
}

int MediaPlayer::RequestStop() {
  const int answer = CScenario::RequestStop();
  if (graph_) graph_->Stop();
  return answer;
}

void MediaPlayer::StopSequence() {
  volumeRamp_.Stop();
  if (!graph_) return;
  const int volume = graph_->Volume();
  graph_->Stop();
  graph_->SetVolume(volume);
  graph_->Rewind();
}

void MediaPlayer::StopMedia() {
  StopSequence();
  Stop();
}

int MediaPlayer::IsMediaPlaying() {
  return graph_ && graph_->IsRunning() ? 1 : 0;
}

void MediaPlayer::ReleaseGraph() {
  StopMedia();
  Reset();
  graph_.reset();
}

}  // namespace media
