#include "media/movie.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "media/music.h"
#include "media/path_resolver.h"
#include "media/sound_channel.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace media {

namespace {

// Often enough for 12 to 30 pictures a second and for Enter to be felt at once.
constexpr std::uint32_t kPollMs = 10;

enum class Ending { End, Enter, Close, Quit };

const char* EndingName(Ending ending) {
  switch (ending) {
    case Ending::Enter:
      return "enter";
    case Ending::Close:
      return "close";
    case Ending::Quit:
      return "quit";
    case Ending::End:
      break;
  }
  return "end";
}

std::string MoviePath(const std::string& utf8Name) {
  const std::string relative = "MOVIE/" + utf8Name + ".ARC";
  if (std::optional<std::string> path = ResolvePath(core::InstallFolder, relative)) return *path;
  if (std::optional<std::string> path = ResolvePath(core::MediaFolder, relative)) return *path;
  return {};
}

// The screen's rectangle under the movie, to put back when it is over.
class CoveredRect {
 public:
  explicit CoveredRect(std::uint32_t* screen) : screen_(screen) {
    if (screen_ == nullptr) return;
    saved_.resize(static_cast<std::size_t>(kMovieWidth * kMovieHeight));
    for (int row = 0; row < kMovieHeight; ++row) {
      std::copy_n(Row(row), kMovieWidth, saved_.data() + row * kMovieWidth);
    }
  }
  ~CoveredRect() {
    if (screen_ == nullptr) return;
    for (int row = 0; row < kMovieHeight; ++row) {
      std::copy_n(saved_.data() + row * kMovieWidth, kMovieWidth, Row(row));
    }
  }
  CoveredRect(const CoveredRect&) = delete;
  CoveredRect& operator=(const CoveredRect&) = delete;

  std::uint32_t* Row(int row) {
    return screen_ + static_cast<std::ptrdiff_t>(kMovieY + row) * platform::kScreenWidth + kMovieX;
  }

 private:
  std::uint32_t* screen_;
  std::vector<std::uint32_t> saved_;
};

// Plays until the end, Enter or a close request; the window keeps being served.
Ending Play(platform::MovieFile& movie, int* frames) {
  platform::System& sys = platform::Sys();
  CoveredRect covered(sys.ScreenPixels());
  bool enterWasDown = sys.KeyDown(platform::Key::Enter);
  const std::uint32_t start = sys.TickCount();
  movie.Start();
  Ending ending = Ending::End;
  for (;;) {
    platform::Message message;
    bool stop = false;
    while (!stop && sys.PeekMessage(message)) {
      if (message.kind == platform::MessageKind::Close) {
        ending = Ending::Close;
        stop = true;
      } else if (message.kind == platform::MessageKind::Quit) {
        ending = Ending::Quit;
        stop = true;
      } else if (core::Hooks.windowProcedure != nullptr) {
        core::Hooks.windowProcedure(message);  // focus loss pauses nothing
      }
    }
    if (stop) break;
    // A press during the movie breaks it; Enter still held from the page before does not.
    const bool enterDown = sys.KeyDown(platform::Key::Enter);
    if (enterDown && !enterWasDown) {
      ending = Ending::Enter;
      break;
    }
    enterWasDown = enterDown;
    const std::uint32_t ms = sys.TickCount() - start;
    if (sys.ScreenPixels() != nullptr &&
        movie.PictureAt(ms, covered.Row(0), platform::kScreenWidth, kMovieWidth, kMovieHeight)) {
      ++*frames;
      sys.Present();
    }
    if (movie.EndedAt(ms)) break;
    sys.WaitMessage(kPollMs);
  }
  movie.Stop();
  core::SettleInput();  // the Enter that broke the movie must not also turn the next page
  return ending;
}

}  // namespace

scenario::ScriptResult PlayMovie(const char* name) {
  ReleaseChannels();
  CloseMusicDevice();
  if (name != nullptr) {
    const std::optional<std::string> utf8 = platform::Cp932ToUtf8(name);
    const std::string path = utf8 ? MoviePath(*utf8) : std::string();
    std::unique_ptr<platform::MovieFile> movie =
        path.empty() ? nullptr : platform::Sys().GetAudio().OpenMovie(path);
    MusicReplayCommand.clear();  // the music stopped above does not come back by itself
    int frames = 0;
    Ending ending = Ending::End;
    if (movie) {
      ending = Play(*movie, &frames);
      movie.reset();
      platform::Sys().Present();  // the screen as it was before the movie
    }
    if (platform::Sys().IsLogging()) {
      platform::Sys().LogEvent("movie", {platform::LogField::Text("name", utf8 ? *utf8 : ""),
                                         platform::LogField::Number("frames", frames),
                                         platform::LogField::Text("ended", EndingName(ending))});
    }
    // Taken off the queue to break the movie; now handled as it would have been.
    if (ending == Ending::Close && core::Hooks.windowProcedure != nullptr) {
      core::Hooks.windowProcedure({platform::MessageKind::Close});
    } else if (ending == Ending::Quit) {
      platform::Sys().PostQuitMessage();
    }
  }
  NumberChannels();
  return scenario::kGoOn;
}

}  // namespace media
