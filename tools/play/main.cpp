// cellwright-play: the real engine on the headless backend, for tests and autoplay.
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "media/archive.h"
#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/script.h"
#include "platform/system.h"
#include "shell/program.h"
#include "tools/play/demo/demo_scenes.h"
#include "tools/play/options.h"
#include "tools/play/semantic.h"
#include "tools/play/start.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitUsage = 2;

int UsageError(const std::string& message) {
  std::cerr << "cellwright-play: " << message << "\n(cellwright-play --help lists the options)\n";
  return kExitUsage;
}

// The run's private scratch folder: sound copies, and the save and instance
// folders unless given. Removed at exit, including the max-frames exit.
class Scratch {
 public:
  bool Create(std::string* error) {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "cellwright-play-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      *error = "cannot create a temporary folder in " + base.string();
      return false;
    }
    root_ = pattern;
    return true;
  }

  // A 0700 subfolder, as the instance guard insists on.
  std::string Folder(const std::string& name, std::string* error) const {
    const fs::path path = fs::path(root_) / name;
    if (mkdir(path.c_str(), 0700) != 0) {
      *error = "cannot create " + path.string();
      return {};
    }
    return path.string();
  }

  void Remove() {
    if (root_.empty()) return;
    std::error_code ec;
    fs::remove_all(root_, ec);
    root_.clear();
  }

  ~Scratch() { Remove(); }

 private:
  std::string root_;
};

// Folders given on the command line, made absolute so they survive a change of
// the working folder. create: make it when missing (outputs only).
bool ResolveFolder(const std::string& given, bool create, std::string* out, std::string* error) {
  std::error_code ec;
  fs::path path = fs::absolute(given.empty() ? fs::path(".") : fs::path(given), ec);
  if (ec) {
    *error = "bad folder '" + given + "'";
    return false;
  }
  path = path.lexically_normal();
  if (create) fs::create_directories(path, ec);
  if (!fs::is_directory(path, ec)) {
    *error = "'" + given + "' is not a folder";
    return false;
  }
  *out = path.string();
  return true;
}

void ListDirectory(std::ostream& out, const char* archive, const media::ArchiveEntry* entry) {
  for (; entry->name != nullptr; ++entry) {
    out << archive << '\t' << platform::Cp932ToUtf8Lossy(entry->name) << '\t' << entry->offset
        << '\t' << entry->size << '\n';
  }
}

void ListDirectories(std::ostream& out) {
  ListDirectory(out, media::kPictureArchiveName, media::PictureDirectory);
  ListDirectory(out, media::kSoundArchiveName, media::SoundDirectory);
}

}  // namespace

int main(int argc, char** argv) {
  // A log reader that went away must not kill the run before its exit code.
  std::signal(SIGPIPE, SIG_IGN);

  std::string error;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::optional<play::PlayOptions> options = play::ParseOptions(args, &error);
  if (!options) return UsageError(error);
  if (options->help) {
    std::cout << play::Usage();
    return 0;
  }
  if (options->list) {
    ListDirectories(std::cout);
    return 0;
  }

  std::optional<play::StartPoint> start;
  if (!options->start.empty()) {
    if (options->demo) return UsageError("--start and --demo do not go together");
    start = play::ParseStartPoint(*options, &error);
    if (!start) return UsageError(error);
  }

  platform::headless::Script script;
  if (!options->script.empty()) {
    std::ifstream in(options->script, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) return UsageError("cannot read " + options->script);
    const std::optional<std::string> expanded = play::ExpandPlayCommands(text.str(), &error);
    if (!expanded) return UsageError(options->script + ": " + error);
    auto parsed = platform::headless::ParseScript(*expanded, &error);
    if (!parsed) return UsageError(options->script + ": " + error);
    script = std::move(*parsed);
  }

  platform::headless::HeadlessOptions headless;
  headless.maxFrames = options->maxFrames;
  if (!ResolveFolder(options->data, false, &headless.installFolder, &error) ||
      !ResolveFolder(options->shots, true, &headless.shotFolder, &error)) {
    return UsageError(error);
  }

  Scratch scratch;
  if (!scratch.Create(&error)) return UsageError(error);
  headless.tempFolder = scratch.Folder("temp", &error);
  if (headless.tempFolder.empty()) return UsageError(error);
  if (options->save.empty()) {
    headless.saveFolder = scratch.Folder("save", &error);
    if (headless.saveFolder.empty()) return UsageError(error);
  } else if (!ResolveFolder(options->save, true, &headless.saveFolder, &error)) {
    return UsageError(error);
  }
  if (options->instanceDir.empty()) {
    headless.instanceFolder = scratch.Folder("instance", &error);
    if (headless.instanceFolder.empty()) return UsageError(error);
  } else {
    std::error_code ec;
    headless.instanceFolder = fs::absolute(options->instanceDir, ec).lexically_normal().string();
    if (ec) return UsageError("bad folder '" + options->instanceDir + "'");
  }

  std::ofstream logFile;
  if (options->log.empty()) {
    headless.log = &std::cout;
  } else {
    logFile.open(options->log, std::ios::binary | std::ios::trunc);
    if (!logFile) return UsageError("cannot write " + options->log);
    headless.log = &logFile;
  }
  headless.beforeForcedExit = [&scratch] { scratch.Remove(); };
  headless.audioCapture = options->audio;

  platform::headless::HeadlessSystem system(std::move(headless));
  if (!system.CaptureReady(&error)) return UsageError(error);
  system.SetScript(std::move(script));
  platform::SetSystem(&system);
  shell::ProgramParts parts = options->demo ? play::DemoParts() : shell::GameParts();
  if (start) parts = play::StartParts(std::move(parts), std::move(*start));
  const int code = shell::RunProgram(parts);
  system.LogEvent("exit", {platform::LogField::Number("code", code)});
  platform::SetSystem(nullptr);
  return code;
}
