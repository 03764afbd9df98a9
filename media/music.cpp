#include "media/music.h"

#include <memory>
#include <optional>

#include "core/shell_state.h"
#include "media/path_resolver.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace media {

int MusicEnabled = 1;
std::string MusicName;
std::string MusicReplayCommand;

namespace {

// The open piece: the design's MCI device "MIDI".
std::unique_ptr<platform::MidiMusic> OpenPiece;

void LogMusic(const std::string& what) {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent("music", {platform::LogField::Text("name", what)});
}

// BGM/<name>.MID in the install folder, else on the disc; the disc's path is
// taken untested, as a missing piece is simply not heard.
std::string PiecePath(const std::string& utf8Name) {
  const std::string relative = "BGM/" + utf8Name + ".MID";
  if (std::optional<std::string> path = ResolvePath(core::InstallFolder, relative)) return *path;
  if (std::optional<std::string> path = ResolvePath(core::MediaFolder, relative)) return *path;
  return {};
}

}  // namespace

void CloseMusicDevice() {
  OpenPiece.reset();
}

scenario::ScriptResult PlayMusic(const char* name) {
  CloseMusicDevice();
  if (name == nullptr) {
    MusicReplayCommand.clear();
    MusicName.clear();
    LogMusic("stop");
    return scenario::kGoOn;
  }
  if (name[0] == '\0') {
    LogMusic("stop");
    return scenario::kGoOn;
  }
  MusicName = name;
  const std::optional<std::string> utf8 = platform::Cp932ToUtf8(MusicName);
  const std::string path = utf8 ? PiecePath(*utf8) : std::string();
  // Kept whatever MusicEnabled says. A piece found nowhere plays nothing, so
  // there is no end to loop from either.
  MusicReplayCommand = path;
  LogMusic(utf8 ? *utf8 : MusicName);
  if (MusicEnabled == 0 || path.empty()) return scenario::kGoOn;
  OpenPiece = platform::Sys().GetAudio().OpenMusic(path);
  if (OpenPiece) OpenPiece->PlayFromStart();
  return scenario::kGoOn;
}

void OnMusicNotify(int status) {
  if (status != 1 || MusicReplayCommand.empty() || !OpenPiece) return;
  LogMusic("replay");
  OpenPiece->PlayFromStart();
}

}  // namespace media
