// How long a player waits for the game: from the process's start to the window,
// to the end of the start-up chime, and to the first frame of the opening logo,
// on the SDL backend with the built game data. The chime is heard to its end
// before anything else happens (that is how the game checks its sound), so the
// logo comes after it; the figure that is the engine's own is the rest.
//
//   xvfb-run -a build/default/bench/bench_startup       (from any folder)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "platform/sdl/sdl_system.h"
#include "platform/system.h"
#include "shell/program.h"
#include "shell/screens.h"
#include "story/scenario_list.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since the process began, from the kernel's start time.
double SinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::size_t field = 0;
  std::size_t at = text.rfind(')') + 2;
  for (field = 3; field < 22; ++field) at = text.find(' ', at) + 1;
  const double startTicks = std::stod(text.substr(at));
  std::ifstream uptimeFile("/proc/uptime");
  double uptime = 0;
  uptimeFile >> uptime;
  return (uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

// The SDL backend, watched: every call goes through; the first window, the
// chime's end and the logo's first frame are timed.
class Watched final : public platform::System {
 public:
  explicit Watched(std::unique_ptr<platform::System> real) : real_(std::move(real)) {}

  std::uint32_t TickCount() override { return real_->TickCount(); }
  void Sleep(std::uint32_t ms) override { real_->Sleep(ms); }
  std::unique_ptr<platform::InstanceLock> AcquireInstance(const std::string& n) override {
    return real_->AcquireInstance(n);
  }
  bool CreateMainWindow(const std::string& title) override {
    const bool made = real_->CreateMainWindow(title);
    window_ = SinceProcessStart();
    return made;
  }
  void DestroyMainWindow() override { real_->DestroyMainWindow(); }
  bool HasMainWindow() const override { return real_->HasMainWindow(); }
  void RaiseMainWindow() override { real_->RaiseMainWindow(); }
  bool PeekMessage(platform::Message& out) override { return real_->PeekMessage(out); }
  void WaitMessage(std::uint32_t ms) override { real_->WaitMessage(ms); }
  void PostQuitMessage() override { real_->PostQuitMessage(); }
  void PostMusicNotify(int status) override { real_->PostMusicNotify(status); }
  platform::Audio& GetAudio() override { return real_->GetAudio(); }
  bool KeyDown(platform::Key key) override { return real_->KeyDown(key); }
  platform::BoxAnswer ShowMessageBox(const platform::MessageBoxRequest& r) override {
    return real_->ShowMessageBox(r);
  }
  std::uint32_t* ScreenPixels() override { return real_->ScreenPixels(); }
  void Present() override {
    real_->Present();
    if (logoShown_ && logo_ == 0) logo_ = SinceProcessStart();
  }
  std::string CurrentFolder() override { return real_->CurrentFolder(); }
  std::string PrivateTempFolder() override { return real_->PrivateTempFolder(); }
  std::string PrivateDataFolder() override { return real_->PrivateDataFolder(); }
  std::vector<std::string> DiscMountPoints() override { return real_->DiscMountPoints(); }
  bool IsWritableFolder(const std::string& folder) override {
    return real_->IsWritableFolder(folder);
  }
  bool IsLogging() const override { return true; }
  void LogEvent(const std::string& kind, const std::vector<platform::LogField>& fields) override {
    if (kind == "sound_end" && chime_ == 0) chime_ = SinceProcessStart();
    if (kind == "screen" && !fields.empty() && fields[0].text == "logo") logoShown_ = true;
  }

  double window_ = 0;
  double chime_ = 0;
  double logo_ = 0;

 private:
  std::unique_ptr<platform::System> real_;
  bool logoShown_ = false;
};

int StopAtTheTitle() {
  return 0;  // as a quit: the program ends
}

}  // namespace

int main() {
  const double entered = SinceProcessStart();
  if (chdir(CELLWRIGHT_GAMEDATA) != 0) return 1;
  auto watched = std::make_unique<Watched>(platform::sdl::CreateSdlSystem());
  platform::SetSystem(watched.get());
  shell::RunProgram({shell::OpeningLogo, StopAtTheTitle, story::StoryScenarios});
  std::printf(
      "main %.0f ms, window %.0f ms, chime over %.0f ms, first logo frame %.0f ms (%.0f ms after "
      "the chime)\n",
      entered, watched->window_, watched->chime_, watched->logo_, watched->logo_ - watched->chime_);
  platform::SetSystem(nullptr);
  return watched->logo_ > 0 ? 0 : 1;
}
